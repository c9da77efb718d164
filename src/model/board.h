#pragma once

#include <array>
#include <cstdint>

namespace bse {

// One cell of a board: 0 and 1 are empty cells (cleared / read from a file), 2..43 the 42 block
// kinds, 44 an empty cell painted with the eraser. Files may bring larger values.
using BlockCode = std::uint32_t;

inline constexpr int boardColumns = 20;
inline constexpr int boardRows = 20;
inline constexpr int cellsPerBoard = boardColumns * boardRows;

inline constexpr BlockCode firstBlockKind = 2;
inline constexpr BlockCode lastBlockKind = 43;
inline constexpr BlockCode eraserCode = 44;

using BoardCells = std::array<BlockCode, cellsPerBoard>;

struct Board {
    BoardCells cells{};           // column-major: index = column * 20 + row
    std::uint32_t background = 0; // belongs to the slot, not to the cells
};

// Index of a cell from 0-based column and row.
constexpr int cellIndex(int column, int row) {
    return column * boardRows + row;
}

// Index of a cell from the 1-based column and row shown on screen.
constexpr int screenCellIndex(int column, int row) {
    return cellIndex(column - 1, row - 1);
}

} // namespace bse
