#pragma once

#include "base/result.h"
#include "view/picture.h"

#include <cstdint>
#include <span>
#include <vector>

// PNG on zlib alone, so that every front end and the command line can share it.
namespace bse::png {

// The picture as an 8-bit RGB PNG, compressed at zlib's fastest level: a sheet of 200 boards is
// written at once, a quarter larger than at the default level.
std::vector<std::uint8_t> encode(const Picture& picture);

// A non-interlaced 8-bit PNG with a palette (a 256-colour Picture) or in RGB (true colour), the
// kinds the artwork comes in; anything else, or damage, is refused with the reason.
Result<Picture> decode(std::span<const std::uint8_t> bytes);

} // namespace bse::png
