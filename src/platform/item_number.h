#pragma once

#include <optional>
#include <string_view>

namespace bse {

// A dialog item's text read as an unsigned number: leading blanks, then digits only, and no
// more than an unsigned 32-bit value holds. Anything else is no number.
std::optional<unsigned> parseItemNumber(std::string_view text);

} // namespace bse
