#pragma once

#include "view/picture.h"

#include <cstdint>
#include <optional>
#include <span>

namespace bse::png {

// The PNG file of an artwork picture by resource number, embedded in the program at build time;
// empty when there is none.
std::span<const std::uint8_t> embeddedPng(int pictureId);

// The picture decoded (256 colours), or nothing when there is none.
std::optional<Picture> embeddedPicture(int pictureId);

} // namespace bse::png
