#pragma once

namespace bse {

struct Editor;
class Platform;

// The level designer's commands of the Edit and Board menus.
void mirrorPaintingCommand(Editor& editor, Platform& platform);
void flipLeftRightCommand(Editor& editor, Platform& platform);
void flipTopBottomCommand(Editor& editor, Platform& platform);
void shiftLeftCommand(Editor& editor, Platform& platform);
void shiftRightCommand(Editor& editor, Platform& platform);
void shiftUpCommand(Editor& editor, Platform& platform);
void shiftDownCommand(Editor& editor, Platform& platform);
void duplicateBoardCommand(Editor& editor, Platform& platform);
void moveBoardEarlierCommand(Editor& editor, Platform& platform);
void moveBoardLaterCommand(Editor& editor, Platform& platform);
// Board `from` moved to place `to`, both inside the BoardSet, and current there: one step, unless
// the boards it passes are all equal to it (only the number shown changes).
void moveBoardTo(Editor& editor, Platform& platform, int from, int to);

} // namespace bse
