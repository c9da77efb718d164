#pragma once

#include "base/result.h"

#include <optional>
#include <string>

namespace bse {

struct Editor;
class Platform;

// The process entry once the desktop is there: loads the pictures, creates and initialises the
// main window, starts the icon timer, opens `file` when one is given (as Open would) and runs
// the message loop. Returns the exit code: 0 after Exit or the close box, 1 when start-up failed
// (reported on stderr and in a box).
int runEditor(Editor& editor, Platform& platform, const std::optional<std::string>& file = {});

// Start-up short of the message loop: pictures, the main window with its initialisation, the
// icon timer, then `file`. Reports a failure itself and returns false; a refused file is no
// failure of start-up.
bool startEditor(Editor& editor, Platform& platform, const std::optional<std::string>& file = {});

// The main window's initialisation, once it exists: placed, given its icon, shown, and the
// editor's first state drawn. Refused when an icon cannot be loaded.
Status initialiseMainWindow(Editor& editor, Platform& platform);

} // namespace bse
