#pragma once

#include "model/board.h"
#include "view/geometry.h"
#include "view/picture.h"
#include "view/text_painter.h"

#include <string_view>

namespace bse {

// The pictures the window is drawn from. The canvas is what the window shows; the others are
// only read.
struct Pictures {
    Picture editorCanvas;
    Picture editorBackdrop; // wipes the grid
    Picture blockStrip;
    Picture statusStrip;
    Picture aboutPicture;
};

// Image of the block strip that shows a cell value in the board grid. Empty cells (0, 1, 44)
// and values only a damaged file brings (45 and more) show the empty cell.
constexpr int gridImageFor(BlockCode code) {
    return code >= firstBlockKind && code <= eraserCode ? static_cast<int>(code) : emptyCellImage;
}

// Image that shows a selected block in the panel: the eraser as its cross.
constexpr int panelImageFor(BlockCode code) {
    return code == eraserCode ? eraserImage : gridImageFor(code);
}

// Drawing into a canvas from the artwork alone; each returns the rectangle it changed.
// Every cell of a board, in the grid.
Rect drawBoardCells(Picture& canvas, const Picture& blockStrip, const Board& board);
// One cell (1-based column and row, as on screen).
Rect drawCellImage(Picture& canvas, const Picture& blockStrip, BlockCode code, int column, int row);
// A selected block in the panel slot at x.
Rect drawSelectionImage(Picture& canvas, const Picture& blockStrip, BlockCode code, int x);
// The status line: the strip wiped in, then the text.
Rect drawStatusLine(Picture& canvas, const Picture& statusStrip, TextPainter& painter,
                    std::string_view text, Rgb colour);
// The grid wiped to the backdrop; the backdrop is made true colour on the way.
Rect wipeBoardGrid(Picture& canvas, Picture& backdrop);

} // namespace bse
