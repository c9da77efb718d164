#pragma once

#include <optional>

namespace bse {

// The code page of the BoardSet's strings. The five bytes it leaves unassigned stand for the
// control characters of the same number, so every byte has a character and comes back.
char32_t windows1252Character(unsigned char byte);
// The byte of a character, or nothing when the code page cannot hold it.
std::optional<unsigned char> windows1252Byte(char32_t character);

} // namespace bse
