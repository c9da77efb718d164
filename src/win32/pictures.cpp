// Pictures by resource number.
#include "win32/win32_platform.h"

#include "platform/ids.h"

namespace bse {

// SEAM: the artwork (resources/pictures/*.png) is not yet embedded in the .exe nor decoded here.
// It will come as RCDATA resources by windres, decoded by the PNG reader on zlib that the
// command-line program gets. Until then each picture is a stand-in of the size start-up demands,
// so that the window opens: a grey canvas, and block and status strips in flat colours.
std::optional<Picture> Win32Platform::loadPicture(int pictureId) {
    switch (pictureId) {
    case IDB_EDITOR:
        return Picture(canvasWidth, canvasHeight, rgb(192, 192, 192));
    case IDB_BLOCKS:
        return Picture(blockStripWidth, blockStripHeight, rgb(0, 0, 128));
    case IDB_STATUS:
        return Picture(statusStripWidth, statusStripHeight, rgb(128, 128, 128));
    case IDB_ABOUT:
        return Picture(aboutPictureWidth, aboutPictureHeight, rgb(0, 0, 0));
    default:
        return std::nullopt;
    }
}

} // namespace bse
