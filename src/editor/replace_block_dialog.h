#pragma once

namespace bse {

struct Editor;
class Platform;

// Edit > Replace Block: every cell holding one block comes to hold another, on the current board
// or on every board, as one step; the status line tells how many cells on how many boards.
void replaceBlockCommand(Editor& editor, Platform& platform);

} // namespace bse
