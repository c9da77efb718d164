#pragma once

namespace bse {

struct Editor;
class Platform;

// The commands that run a modal dialog over the main window.
void boardSetSettingsCommand(Editor& editor, Platform& platform);
void boardBackgroundCommand(Editor& editor, Platform& platform);
void jumpToBoardCommand(Editor& editor, Platform& platform);
void aboutCommand(Editor& editor, Platform& platform);

} // namespace bse
