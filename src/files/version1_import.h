#pragma once

#include "model/board_set.h"

#include <cstdint>
#include <span>

namespace bse {

// The first game's board files: a plain run of 400-byte boards, one byte per cell, row by row.
inline constexpr std::size_t version1BoardSize = 400;

// The block number (as a BoardSet file stores it) of a version-1 cell code.
std::uint8_t translateVersion1Code(std::uint8_t code);

// Whole boards in a version-1 file of `size` bytes; the bytes after the last whole board are
// ignored.
constexpr std::size_t version1BoardCount(std::size_t size) {
    return size / version1BoardSize;
}

// The longest file an import takes: 200 boards and an ignored part of one more.
inline constexpr std::size_t longestVersion1File = (maxBoards + 1) * version1BoardSize - 1;

enum class Version1Check { Ok, NoWholeBoard, TooManyBoards };
Version1Check checkVersion1File(std::size_t size);

// Replaces the board count and the cells of boards 1 to N with the file's boards; backgrounds
// and later slots stay. A file that checks other than Ok changes nothing and gives false.
bool importVersion1File(BoardSet& boardSet, std::span<const std::uint8_t> bytes);

} // namespace bse
