#include "data/ClockSeam.h"

namespace {
SystemClock g_system;
ClockSeam* g_current = &g_system;
}

ClockSeam& ClockSeam::current() { return *g_current; }

void ClockSeam::install(ClockSeam* seam) { g_current = seam ? seam : &g_system; }
