#pragma once

#include "model/board.h"

namespace bse {

// Tools of a level designer over one board's cells. Columns and rows are 0-based.

// The cell at the same row in the mirrored column (column 19 - c).
constexpr int mirroredCellIndex(int index) {
    return cellIndex(boardColumns - 1 - index / boardRows, index % boardRows);
}

// Paints the cell `index` with `code`, and its mirrored cell when `mirror` is set.
void paintCell(BoardCells& cells, int index, BlockCode code, bool mirror);

// Paints every cell of the rectangle between two corner cells (in any order, clamped to the
// board), and their mirrored cells when `mirror` is set.
void paintRectangle(BoardCells& cells, int column0, int row0, int column1, int row1, BlockCode code,
                    bool mirror);

// Flood fill: `code` fills the cell `index` and every cell joined to it through sides that holds
// the same code; with `mirror` the mirrored region is filled too. False, nothing changed, when the
// cell holds `code` already.
bool fillRegion(BoardCells& cells, int index, BlockCode code, bool mirror);

void flipLeftRight(BoardCells& cells);
void flipTopBottom(BoardCells& cells);

// Moves every cell by (columns, rows), what leaves one side coming back on the other.
void shiftCells(BoardCells& cells, int columns, int rows);

} // namespace bse
