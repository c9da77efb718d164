#pragma once

#include "model/board.h"

namespace bse {

struct Editor;
class Platform;

// Edit > Replace Block: every cell holding one block comes to hold another, on the current board
// or on every board, as one step; the status line tells how many cells on how many boards.
void replaceBlockCommand(Editor& editor, Platform& platform);
// What the dialog's OK does: `from` (the eraser: every empty cell) replaced by `to`.
void replaceBlock(Editor& editor, Platform& platform, BlockCode from, BlockCode to,
                  bool everyBoard);

} // namespace bse
