#include "model/board_region.h"

#include "model/board_tools.h"

#include <algorithm>

namespace bse {

CellRect cellRectBetween(int column0, int row0, int column1, int row1) {
    const auto column = [](int c) { return std::clamp(c, 0, boardColumns - 1); };
    const auto row = [](int r) { return std::clamp(r, 0, boardRows - 1); };
    const int left = column(std::min(column0, column1));
    const int top = row(std::min(row0, row1));
    return {left, top, column(std::max(column0, column1)) - left + 1,
            row(std::max(row0, row1)) - top + 1};
}

Region copyRegion(const BoardCells& cells, const CellRect& rect) {
    Region region{rect.width, rect.height, {}};
    region.cells.reserve(static_cast<std::size_t>(rect.width * rect.height));
    for (int c = rect.column; c < rect.column + rect.width; ++c) {
        const auto first = cells.begin() + cellIndex(c, rect.row);
        region.cells.insert(region.cells.end(), first, first + rect.height);
    }
    return region;
}

void emptyRect(BoardCells& cells, const CellRect& rect) {
    for (int c = rect.column; c < rect.column + rect.width; ++c) {
        std::fill_n(cells.begin() + cellIndex(c, rect.row), rect.height, BlockCode{0});
    }
}

void placeRegion(BoardCells& cells, const Region& region, int column, int row, bool mirror) {
    const int left = std::max(column, 0);
    const int right = std::min(column + region.width, boardColumns);
    const int top = std::max(row, 0);
    const int bottom = std::min(row + region.height, boardRows);
    for (int c = left; c < right; ++c) {
        for (int r = top; r < bottom; ++r) {
            paintCell(cells, cellIndex(c, r), region.at(c - column, r - row), mirror);
        }
    }
}

void moveRect(BoardCells& cells, const CellRect& rect, int columns, int rows) {
    const Region region = copyRegion(cells, rect);
    emptyRect(cells, rect);
    placeRegion(cells, region, rect.column + columns, rect.row + rows, false);
}

int replaceBlock(BoardCells& cells, BlockCode from, BlockCode to) {
    if (from == to || (!isBlockKind(from) && !isBlockKind(to))) {
        return 0; // the eraser for the eraser: nothing to tell apart
    }
    int changed = 0;
    for (BlockCode& cell : cells) {
        if (isBlockKind(from) ? cell == from : !isBlockKind(cell)) {
            cell = to;
            ++changed;
        }
    }
    return changed;
}

int blockCount(const BoardCells& cells) {
    return static_cast<int>(std::count_if(cells.begin(), cells.end(), isBlockKind));
}

} // namespace bse
