#pragma once

#include "model/board.h"
#include "view/picture.h"

namespace bse {

// A board at a quarter of the grid's size, as the overview shows it: every fourth pixel of the
// grid that drawBoardCells draws, no smoothing.
inline constexpr int tileWidth = 150;
inline constexpr int tileHeight = 75;

// Each image a cell can show, as drawCellImage draws it on two columns and four rows of the grid,
// sampled: 15 x 15 pixels per image, image k from row 15k - 15. The sampling repeats every two
// columns and four rows, so these hold every cell of every tile.
Picture makeTileStamps(const Picture& blockStrip);

// One cell of a tile (1-based column and row, as on screen), which must be true colour.
void drawTileCell(Picture& tile, const Picture& stamps, BlockCode code, int column, int row);

} // namespace bse
