#pragma once

#include "model/board.h"
#include "view/picture.h"

#include <string_view>

namespace bse {

struct Editor;
class Platform;

// Image of the block strip that shows a cell value in the board grid. Empty cells (0, 1, 44)
// and values only a damaged file brings (45 and more) show the empty cell.
constexpr int gridImageFor(BlockCode code) {
    return code >= firstBlockKind && code <= eraserCode ? static_cast<int>(code) : 44;
}

// Image that shows a selected block in the panel: the eraser as its cross.
constexpr int panelImageFor(BlockCode code) {
    return code == eraserCode ? 45 : gridImageFor(code);
}

// The drawing operations: each draws into the canvas and asks for a repaint of exactly the
// rectangle it changed.
void redrawBoard(Editor& editor, Platform& platform);
void drawCell(Editor& editor, Platform& platform, BlockCode code, int column, int row);
void drawSelectedBlock(Editor& editor, Platform& platform, BlockCode code, int x);
void drawStatusText(Editor& editor, Platform& platform, std::string_view text, Rgb colour);
void eraseBoardGrid(Editor& editor, Platform& platform);

// The window's paint handler: copies the whole canvas, reads nothing else.
void paintWindow(Editor& editor, Platform& platform);

} // namespace bse
