#pragma once

#include "model/board.h"
#include "view/picture.h"

#include <string_view>

namespace bse {

struct Editor;
class Platform;

// The drawing operations of the editor: each draws into the canvas and asks the window for a
// repaint of exactly the rectangle it changed.
void redrawBoard(Editor& editor, Platform& platform);
// A painted cell.
void drawCell(Editor& editor, Platform& platform, BlockCode code, int column, int row);
// Draws as drawCell does every cell of the current board that differs from `shown`, with one
// repaint of the rectangle around them: a rectangle or a fill changes many cells at once. True
// when any differed.
bool drawChangedCells(Editor& editor, Platform& platform, const BoardCells& shown);
void drawSelectedBlock(Editor& editor, Platform& platform, BlockCode code, int x);
void drawStatusText(Editor& editor, Platform& platform, std::string_view text, Rgb colour);
void eraseBoardGrid(Editor& editor, Platform& platform);

// The window's paint handler: copies the whole canvas, reads nothing else.
void paintWindow(Editor& editor, Platform& platform);

} // namespace bse
