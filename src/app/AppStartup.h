#pragma once

// What the program fixes for its whole run before any window exists.
namespace AppStartup {

// Numbers shown by widgets use "." for decimals and "," for thousands whatever the computer's
// regional settings say; the program's own texts come from data/Formats, which never reads the
// locale at all.
void applyFixedFormats();

}
