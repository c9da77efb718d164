#pragma once

#include "base/result.h"
#include "model/board.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bse {

// One board as text, for the clipboard: its 20 rows of 20 characters as the grid shows them, top
// row first, each ending in a newline, with the characters of the text form.
std::string boardText(const BoardCells& cells);

// A board from text: nothing when the text is longer than clipboardByteLimit or not 20 lines (blank
// lines around them do not count); refused, naming the row, when one of the 20 is not 20 characters
// of the table.
std::optional<Result<BoardCells>> boardFromText(std::string_view text);

// The 400 cells exactly, for the editor's own clipboard type: 4 bytes each, little-endian,
// column by column. Bytes of another length are refused, saying so.
std::vector<std::uint8_t> boardCellBytes(const BoardCells& cells);
Result<BoardCells> boardFromCellBytes(const std::vector<std::uint8_t>& bytes);

// How much of each type the clipboard is read for: a board is far shorter (its text 420 bytes),
// and another program's megabytes are not worth the wait. What comes longer is cut to one byte
// more, and is no board.
inline constexpr std::size_t clipboardByteLimit = 64 * 1024;

} // namespace bse
