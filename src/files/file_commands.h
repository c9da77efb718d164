#pragma once

namespace bse {

struct Editor;
class Platform;

// The commands of the File menu; the close box runs exitCommand too.
void newCommand(Editor& editor, Platform& platform);
void openCommand(Editor& editor, Platform& platform);
void saveCommand(Editor& editor, Platform& platform);
void saveAsCommand(Editor& editor, Platform& platform);
void importCommand(Editor& editor, Platform& platform);
void revertCommand(Editor& editor, Platform& platform);
void exitCommand(Editor& editor, Platform& platform);

} // namespace bse
