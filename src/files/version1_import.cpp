#include "files/version1_import.h"

#include <array>

namespace bse {

namespace {

// Version-1 codes 0 to 22; every later code is an empty cell.
constexpr std::array<std::uint8_t, 23> version1Blocks{
    0, 22, 2, 4, 5, 6, 3, 3, 7, 38, 14, 25, 34, 39, 23, 32, 26, 12, 16, 28, 40, 1, 13,
};

} // namespace

std::uint8_t translateVersion1Code(std::uint8_t code) {
    return code < version1Blocks.size() ? version1Blocks[code] : 0;
}

Version1Check checkVersion1File(std::size_t size) {
    const std::size_t count = version1BoardCount(size);
    if (count == 0) {
        return Version1Check::NoWholeBoard;
    }
    return count > static_cast<std::size_t>(maxBoards) ? Version1Check::TooManyBoards
                                                       : Version1Check::Ok;
}

bool importVersion1File(BoardSet& boardSet, std::span<const std::uint8_t> bytes) {
    if (checkVersion1File(bytes.size()) != Version1Check::Ok) {
        return false;
    }
    const int count = static_cast<int>(version1BoardCount(bytes.size()));
    boardSet.lastBoardIndex = count - 1;
    for (int b = 0; b < count; ++b) {
        const auto board =
            bytes.subspan(static_cast<std::size_t>(b) * version1BoardSize, version1BoardSize);
        BoardCells& cells = boardSet.boards[static_cast<std::size_t>(b)].cells;
        // The file runs row by row; the board keeps its cells column by column.
        for (int row = 0; row < boardRows; ++row) {
            for (int column = 0; column < boardColumns; ++column) {
                const std::uint8_t code =
                    board[static_cast<std::size_t>(row * boardColumns + column)];
                cells[static_cast<std::size_t>(cellIndex(column, row))] =
                    static_cast<BlockCode>(translateVersion1Code(code)) + 1;
            }
        }
    }
    return true;
}

} // namespace bse
