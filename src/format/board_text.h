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

// A board from text: nothing when the text is not 20 lines (blank lines around them do not
// count); refused, naming the row, when one of the 20 is not 20 characters of the table.
std::optional<Result<BoardCells>> boardFromText(std::string_view text);

// The 400 cells exactly, for the editor's own clipboard type: 4 bytes each, little-endian,
// column by column.
std::vector<std::uint8_t> boardCellBytes(const BoardCells& cells);
std::optional<BoardCells> boardFromCellBytes(const std::vector<std::uint8_t>& bytes);

} // namespace bse
