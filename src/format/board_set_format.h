#pragma once

#include "base/result.h"
#include "model/board_set.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace bse {

// BoardSet files: "BDST", version 2, the board count, four length-prefixed strings, five constant
// bytes and 1604 bytes per board. Every number is a 4-byte little-endian field of which only
// the first byte carries the value.

inline constexpr std::array<std::uint8_t, 8> boardSetHeader{'B', 'D', 'S', 'T', 2, 0, 0, 0};
inline constexpr std::size_t boardRecordSize = 4 + 4 * cellsPerBoard; // 1604
inline constexpr std::size_t maxStoredStringLength = 254;
// The most of a file the reader can use: header, count, four strings of the longest stored length
// (one byte holds it), the constant bytes and 200 board records. Anything after is ignored.
inline constexpr std::size_t longestUsableBoardSetFile =
    8 + 4 + 4 * (4 + 255) + 5 + maxBoards * boardRecordSize;
static_assert(longestUsableBoardSetFile == 321'853);

// Block number as a file stores a cell: 0 empty, 1..42 the block kinds.
constexpr std::uint8_t blockNumberFor(BlockCode code) {
    return code >= 1 && code <= lastBlockKind ? static_cast<std::uint8_t>(code - 1) : 0;
}
constexpr BlockCode blockCodeFor(std::uint8_t blockNumber) {
    return static_cast<BlockCode>(blockNumber) + 1;
}

// Accepts exactly the files whose first six bytes are "BDST" 02 00; missing bytes count as 0.
bool checkBoardSetHeader(std::span<const std::uint8_t> bytes);

// A BoardSet file as a new BoardSet: the count, the four strings and boards 1 to count, the
// first board current. A bad header, a count of 0 or over 200, a file that ends inside the count
// or the strings, a stored length of 0 or a string whose last stored byte is not zero refuse the
// file, with the reason and the byte offset where it goes wrong. Board data missing at the end
// reads as background 0 and empty cells.
Result<BoardSet> readBoardSet(std::span<const std::uint8_t> bytes);

// For a file that readBoardSet accepts: the first board (from 1) whose record the file holds only
// in part or not at all, which therefore loads with empty cells; nothing when all are whole.
std::optional<int> firstIncompleteBoard(std::span<const std::uint8_t> bytes);

// The file bytes of a BoardSet, after `spaceBefore` zero bytes for a caller's own head.
std::vector<std::uint8_t> encodeBoardSet(const BoardSet& boardSet, std::size_t spaceBefore = 0);

} // namespace bse
