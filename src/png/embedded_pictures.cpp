#include "png/embedded_pictures.h"

#include "png/png.h"

namespace bse::png {

std::optional<Picture> embeddedPicture(int pictureId) {
    Result<Picture> picture = decode(embeddedPng(pictureId));
    if (!picture) {
        return std::nullopt;
    }
    return std::move(*picture);
}

} // namespace bse::png
