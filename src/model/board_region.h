#pragma once

#include "model/board.h"

#include <vector>

namespace bse {

// Part of a board: a rectangle of cells, columns and rows 0-based.
struct CellRect {
    int column = 0;
    int row = 0;
    int width = 0;
    int height = 0;
    bool contains(int c, int r) const {
        return c >= column && c < column + width && r >= row && r < row + height;
    }
    friend bool operator==(const CellRect&, const CellRect&) = default;
};

// The rectangle between two corner cells in any order, clamped to the board.
CellRect cellRectBetween(int column0, int row0, int column1, int row1);

// Cells lifted out of a board: `width` columns of `height` rows, column by column as a board
// keeps them.
struct Region {
    int width = 0;
    int height = 0;
    std::vector<BlockCode> cells;
    BlockCode at(int column, int row) const {
        return cells[static_cast<std::size_t>(column * height + row)];
    }
    bool wholeBoard() const { return width == boardColumns && height == boardRows; }
    friend bool operator==(const Region&, const Region&) = default;
};

Region copyRegion(const BoardCells& cells, const CellRect& rect);
// The rectangle's cells become empty.
void emptyRect(BoardCells& cells, const CellRect& rect);
// The region with its top-left cell at (column, row), cut off at the board's edges; with
// `mirror` also in the mirrored columns, as painting mirrors.
void placeRegion(BoardCells& cells, const Region& region, int column, int row, bool mirror);
// The rectangle's cells moved by (columns, rows), cut off at the edges; where they were becomes
// empty unless they land there again.
void moveRect(BoardCells& cells, const CellRect& rect, int columns, int rows);

// What the eraser stands for in Replace Block: every empty cell (any code but a block kind).
constexpr bool isBlockKind(BlockCode code) {
    return code >= firstBlockKind && code <= lastBlockKind;
}
// Every cell holding `from` (with the eraser: every empty cell) comes to hold `to`; the number of
// cells changed.
int replaceBlock(BoardCells& cells, BlockCode from, BlockCode to);
// The cells holding a block kind.
int blockCount(const BoardCells& cells);

} // namespace bse
