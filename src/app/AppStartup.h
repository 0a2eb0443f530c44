#pragma once

// What the program fixes for its whole run before any window exists.
namespace AppStartup {

// Numbers shown by widgets use "." for decimals and "," for thousands whatever the computer's
// regional settings say; the program's own texts come from data/Formats, which never reads the
// locale at all.
void applyFixedFormats();

// Qt's own texts (the Yes/No of a question box, the file and print dialogs) in Spanish, from the
// system's Qt translations. False when they are not installed: the program then runs with Qt's
// English texts.
bool loadQtSpanish();

}
