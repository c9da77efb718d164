// Pictures by resource number: the artwork embedded at build time, the same PNG files and decoder
// as the other programs, so the Windows editor shows the same pixels.
#include "win32/win32_platform.h"

#include "png/embedded_pictures.h"

namespace bse {

std::optional<Picture> Win32Platform::loadPicture(int pictureId) {
    if (lastPictureId_ != pictureId) {
        lastPicture_ = png::embeddedPicture(pictureId);
        lastPictureId_ = pictureId;
    }
    return lastPicture_;
}

} // namespace bse
