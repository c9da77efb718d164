#pragma once

#include "model/board_region.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bse {

// Part of a board on the clipboard, beside whole boards (board_text.h): as many rows of as many
// characters of the text form as it has cells, and as the editor's own type, its width and
// height (4 bytes each, little-endian) before the cells as a board's are kept. The own type is
// never 1600 bytes long, so it cannot be taken for a board.
std::string regionText(const Region& region);
std::vector<std::uint8_t> regionCellBytes(const Region& region);

// Nothing unless the text is 1 to 20 rows (blank lines around them do not count) of the same
// length, 1 to 20 characters of the text form.
std::optional<Region> regionFromText(std::string_view text);
std::optional<Region> regionFromCellBytes(const std::vector<std::uint8_t>& bytes);

} // namespace bse
