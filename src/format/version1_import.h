#pragma once

#include "base/result.h"
#include "model/board_set.h"

#include <cstdint>
#include <span>
#include <vector>

namespace bse {

// The first game's board files: a plain run of 400-byte boards, one byte per cell, row by row.
inline constexpr std::size_t version1BoardSize = 400;
// The longest file an import takes: 200 boards and an ignored part of one more.
inline constexpr std::size_t longestVersion1File = (maxBoards + 1) * version1BoardSize - 1;

// The block number (as a BoardSet file stores it) of a version-1 cell code.
std::uint8_t translateVersion1Code(std::uint8_t code);

// Whole boards in a version-1 file of `size` bytes; the bytes after the last whole board are
// ignored.
constexpr std::size_t version1BoardCount(std::size_t size) {
    return size / version1BoardSize;
}

// Whether a version-1 file of `size` bytes can be imported, judged by its size alone. The
// reason completes a sentence that starts with the file's name: "holds no whole board: ...".
Status checkVersion1Size(std::size_t size);

// The cells of every whole board of a version-1 file, 1 to 200 of them, or the size's refusal.
Result<std::vector<BoardCells>> readVersion1Boards(std::span<const std::uint8_t> bytes);

} // namespace bse
