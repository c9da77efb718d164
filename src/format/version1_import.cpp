#include "format/version1_import.h"

#include "model/board_set.h"

#include <array>
#include <string>

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

Status checkVersion1Size(std::size_t size) {
    const std::size_t count = version1BoardCount(size);
    if (count == 0) {
        return refuse("holds no whole board: a Plinkor (Ver. 1) board takes 400 bytes");
    }
    if (count > static_cast<std::size_t>(maxBoards)) {
        return refuse("holds " + std::to_string(count) +
                      " boards, but a BoardSet holds at most 200");
    }
    return Done{};
}

Result<std::vector<BoardCells>> readVersion1Boards(std::span<const std::uint8_t> bytes) {
    if (const Status check = checkVersion1Size(bytes.size()); !check) {
        return Refusal{check.reason()};
    }
    std::vector<BoardCells> boards(version1BoardCount(bytes.size()));
    for (std::size_t b = 0; b < boards.size(); ++b) {
        const auto board = bytes.subspan(b * version1BoardSize, version1BoardSize);
        // The file runs row by row; the board keeps its cells column by column.
        for (int row = 0; row < boardRows; ++row) {
            for (int column = 0; column < boardColumns; ++column) {
                const std::uint8_t code =
                    board[static_cast<std::size_t>(row * boardColumns + column)];
                boards[b][static_cast<std::size_t>(cellIndex(column, row))] =
                    static_cast<BlockCode>(translateVersion1Code(code)) + 1;
            }
        }
    }
    return boards;
}

} // namespace bse
