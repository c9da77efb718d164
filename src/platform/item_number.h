#pragma once

#include <optional>
#include <string_view>

namespace bse {

// A dialog item's text read as an unsigned number: leading blanks, then digits only, and no
// more than an unsigned 32-bit value holds. Anything else is no number.
std::optional<unsigned> parseItemNumber(std::string_view text);

// The number a dialog procedure reads from an item: 0 when the text holds no number, nothing when
// its digits make a number too large to read (a dialog takes that as above any limit).
std::optional<unsigned> readItemNumber(std::string_view text);

} // namespace bse
