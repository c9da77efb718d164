#pragma once

#include "view/geometry.h"
#include "view/picture.h"

namespace bse {

// The dashed frame of a selection on the grid, on the outermost pixels of its cells (1-based
// first column and row, as on screen, and the number of each); the rectangle it changed.
Rect drawSelectionFrame(Picture& canvas, int column, int row, int columns, int rows);

// The keyboard's cell cursor: a yellow ring on the cell's outermost pixels and a black one inside
// it, so that one of them stands out on every block, on empty cells and beside a selection's
// dashes. The cell's rectangle.
Rect drawCellCursor(Picture& canvas, int column, int row);
// Whether the canvas still shows the cursor on that cell, or something has been drawn over it.
bool cellCursorDrawn(const Picture& canvas, int column, int row);

} // namespace bse
