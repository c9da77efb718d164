#pragma once

#include "base/result.h"

namespace bse {

struct Editor;
class Platform;

// The process entry once the desktop is there: loads the pictures, creates and initialises the
// main window, starts the icon timer and runs the message loop. Returns the exit code: 0 after
// Exit or the close box, 1 when start-up failed (reported on stderr and in a box).
int runEditor(Editor& editor, Platform& platform);

// Start-up short of the message loop: pictures, the main window with its initialisation, the
// icon timer. Reports a failure itself and returns false.
bool startEditor(Editor& editor, Platform& platform);

// The main window's initialisation, once it exists: placed, given its icon, shown, and the
// editor's first state drawn. Refused when an icon cannot be loaded.
Status initialiseMainWindow(Editor& editor, Platform& platform);

} // namespace bse
