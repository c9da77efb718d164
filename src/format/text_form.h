#pragma once

#include "base/result.h"
#include "model/board_set.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace bse {

// The text form of a BoardSet, made for diffs and version control: a JSON object with the four
// strings and, per board, its number, its background and 20 lines of 20 characters as the grid
// shows the board, top row first, one character per block number.
//
//   {
//     "name": "Untitled Board",
//     "author": "Unknown",
//     "brickImagePath": "X:\\Plinkor\\Boards\\TollanBrick.img",
//     "backgroundImagePath": "X:\\Plinkor\\Boards\\TollanBackground.img",
//     "boards": [
//       {
//         "board": 1,
//         "background": 0,
//         "rows": [
//           "....................",
//           ...
//
// Strings are UTF-8 in the text and Windows-1252 in the BoardSet.

// Block number n (0 empty, 1..42 the block kinds) is character n of this table.
inline constexpr std::string_view blockCharacters = ".123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefg";

// A text form longer than this is refused unread: 200 boards take about 120,000 bytes.
inline constexpr std::size_t maxTextFormSize = 4u << 20;

// The text form of boards 1 to count. Cells that show as empty (0, 1, 44 and values only a
// damaged file brings) are all '.', as the file stores them all as block number 0.
std::string exportText(const BoardSet& boardSet);

// A BoardSet from its text form; the boards past the count are empty. A board's number may be
// missing (text written before it was added). Every fault is refused with the line where it is:
// syntax, unknown or missing fields, a repeated field, a number not the board's place, a background
// outside 0..255, a row that is not 20 characters of the table, not 20 rows, no boards or more
// than 200, a string that Windows-1252 cannot hold, holds a zero or exceeds 254 bytes.
Result<BoardSet> importText(std::string_view text);

// Windows-1252 bytes as a JSON string literal, quotes included: UTF-8, with control characters
// escaped.
std::string jsonString(std::string_view windows1252);

// Windows-1252 bytes as UTF-8 for a terminal, control characters shown as '?'.
std::string terminalText(std::string_view windows1252);

} // namespace bse
