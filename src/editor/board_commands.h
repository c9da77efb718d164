#pragma once

#include "platform/platform.h"

namespace bse {

struct Editor;

// Empties the current board's cells (its background stays) and wipes the grid on screen.
void clearBoard(Editor& editor, Platform& platform);

// The storage ends at 200 boards: anything that would add one more is refused with a box.
bool refuseWhenFull(Editor& editor, Platform& platform);

// The board list commands of the Edit and Board menus.
void copyBoardCommand(Editor& editor, Platform& platform);
void pasteBoardCommand(Editor& editor, Platform& platform);
// Paste Board with the clipboard as already read (a key that looked at it first).
void pasteBoard(Editor& editor, Platform& platform, const Platform::ClipboardBoard& desktop);
// Paste Board is enabled while the editor's own copy exists or the desktop's clipboard offers a
// board's type or text.
void clipboardChanged(Editor& editor, Platform& platform);
void clearBoardCommand(Editor& editor, Platform& platform);
void addBoardCommand(Editor& editor, Platform& platform);
void insertBoardCommand(Editor& editor, Platform& platform);
void deleteBoardCommand(Editor& editor, Platform& platform);
void previousBoardCommand(Editor& editor, Platform& platform);
void nextBoardCommand(Editor& editor, Platform& platform);
void firstBoardCommand(Editor& editor, Platform& platform);
void lastBoardCommand(Editor& editor, Platform& platform);

} // namespace bse
