#include "data/ProgramEndSeam.h"

#include <QCoreApplication>

namespace {
ApplicationQuit g_quit;
ProgramEndSeam* g_current = &g_quit;
}

ProgramEndSeam& ProgramEndSeam::current() { return *g_current; }

void ProgramEndSeam::install(ProgramEndSeam* seam) { g_current = seam ? seam : &g_quit; }

// exit() leaves every running event loop, modal dialogs included.
void ApplicationQuit::requestEnd() { QCoreApplication::exit(0); }
