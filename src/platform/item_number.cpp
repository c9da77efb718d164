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

} // namespace bse
