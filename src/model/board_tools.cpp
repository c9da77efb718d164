#include "model/board_tools.h"

#include <algorithm>
#include <array>

namespace bse {

void paintCell(BoardCells& cells, int index, BlockCode code, bool mirror) {
    cells[static_cast<std::size_t>(index)] = code;
    if (mirror) {
        cells[static_cast<std::size_t>(mirroredCellIndex(index))] = code;
    }
}

void paintRectangle(BoardCells& cells, int column0, int row0, int column1, int row1, BlockCode code,
                    bool mirror) {
    const auto clampColumn = [](int c) { return std::clamp(c, 0, boardColumns - 1); };
    const auto clampRow = [](int r) { return std::clamp(r, 0, boardRows - 1); };
    const int left = clampColumn(std::min(column0, column1));
    const int right = clampColumn(std::max(column0, column1));
    const int top = clampRow(std::min(row0, row1));
    const int bottom = clampRow(std::max(row0, row1));
    for (int c = left; c <= right; ++c) {
        for (int r = top; r <= bottom; ++r) {
            paintCell(cells, cellIndex(c, r), code, mirror);
        }
    }
}

namespace {

// Cells joined through sides to `index` holding its code, marked in `region`.
void markRegion(const BoardCells& cells, int index, std::array<bool, cellsPerBoard>& region) {
    const BlockCode code = cells[static_cast<std::size_t>(index)];
    std::array<int, cellsPerBoard> stack{};
    int top = 0;
    stack[static_cast<std::size_t>(top++)] = index;
    region[static_cast<std::size_t>(index)] = true;
    while (top > 0) {
        const int at = stack[static_cast<std::size_t>(--top)];
        const int column = at / boardRows;
        const int row = at % boardRows;
        const std::array<std::array<int, 2>, 4> neighbours{
            {{column - 1, row}, {column + 1, row}, {column, row - 1}, {column, row + 1}}};
        for (const auto& [c, r] : neighbours) {
            if (c < 0 || c >= boardColumns || r < 0 || r >= boardRows) {
                continue;
            }
            const auto next = static_cast<std::size_t>(cellIndex(c, r));
            if (!region[next] && cells[next] == code) {
                region[next] = true;
                stack[static_cast<std::size_t>(top++)] = static_cast<int>(next);
            }
        }
    }
}

} // namespace

bool fillRegion(BoardCells& cells, int index, BlockCode code, bool mirror) {
    if (cells[static_cast<std::size_t>(index)] == code) {
        return false; // the region holds it already, and so its mirror is left as it is
    }
    std::array<bool, cellsPerBoard> region{};
    markRegion(cells, index, region);
    for (int i = 0; i < cellsPerBoard; ++i) {
        if (region[static_cast<std::size_t>(i)]) {
            paintCell(cells, i, code, mirror);
        }
    }
    return true;
}

void flipLeftRight(BoardCells& cells) {
    for (int c = 0; c < boardColumns / 2; ++c) {
        for (int r = 0; r < boardRows; ++r) {
            std::swap(cells[static_cast<std::size_t>(cellIndex(c, r))],
                      cells[static_cast<std::size_t>(cellIndex(boardColumns - 1 - c, r))]);
        }
    }
}

void flipTopBottom(BoardCells& cells) {
    for (int c = 0; c < boardColumns; ++c) {
        const auto column = cells.begin() + cellIndex(c, 0);
        std::reverse(column, column + boardRows);
    }
}

void shiftCells(BoardCells& cells, int columns, int rows) {
    const BoardCells before = cells;
    for (int c = 0; c < boardColumns; ++c) {
        for (int r = 0; r < boardRows; ++r) {
            const int toColumn = ((c + columns) % boardColumns + boardColumns) % boardColumns;
            const int toRow = ((r + rows) % boardRows + boardRows) % boardRows;
            cells[static_cast<std::size_t>(cellIndex(toColumn, toRow))] =
                before[static_cast<std::size_t>(cellIndex(c, r))];
        }
    }
}

} // namespace bse
