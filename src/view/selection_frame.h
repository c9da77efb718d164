#pragma once

#include "view/geometry.h"
#include "view/picture.h"

namespace bse {

// The dashed frame of a selection on the grid, on the outermost pixels of its cells (1-based
// first column and row, as on screen, and the number of each); the rectangle it changed.
Rect drawSelectionFrame(Picture& canvas, int column, int row, int columns, int rows);

} // namespace bse
