#include "platform/item_number.h"

#include <cstdint>

namespace bse {

std::optional<unsigned> parseItemNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    if (at == text.size()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > UINT32_MAX) {
            return std::nullopt;
        }
    }
    return static_cast<unsigned>(value);
}

std::optional<unsigned> readItemNumber(std::string_view text) {
    if (const auto number = parseItemNumber(text)) {
        return number;
    }
    const std::size_t first = text.find_first_not_of(' ');
    const bool tooLarge = first != std::string_view::npos &&
                          text.find_first_not_of("0123456789", first) == std::string_view::npos;
    return tooLarge ? std::nullopt : std::optional<unsigned>(0);
}

} // namespace bse
