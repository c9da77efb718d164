#pragma once

#include "platform/platform.h"

#include <optional>
#include <string>

namespace bse {

struct Editor;

// After every message: keeps the recovery copy in step with the unsaved changes (written a while
// after the last change, removed once nothing is unsaved) and the watch on the open file.
void keepWorkSafe(Editor& editor, Platform& platform);
// The safekeeping timers; false for any other timer.
bool onSafekeepingTimer(Editor& editor, Platform& platform, WParam timerId);
void onRecoveryFailed(Editor& editor, Platform& platform);
// The watched file changed: looked at once the changes settle.
void onFileChanged(Editor& editor, Platform& platform);
// At start-up: offers the newest copy left by an editor that stopped (with a file argument, the
// copy of that file). True when its work was restored.
bool offerRecovery(Editor& editor, Platform& platform, const std::optional<std::string>& file);
// The editor has just read or written `path`: that is the file as it knows it.
void noteFileKnown(Editor& editor, Platform& platform, const std::string& path);
// Before Save: asks when another program changed the file since; false stops the Save.
bool confirmReplaceChangedFile(Editor& editor, Platform& platform);
// A normal exit: the changes were saved or given up.
void endSafekeeping(Editor& editor, Platform& platform);

} // namespace bse
