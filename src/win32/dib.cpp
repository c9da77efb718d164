#include "win32/dib.h"

#include <algorithm>
#include <cstring>

namespace bse {

DeviceIndependentBitmap::DeviceIndependentBitmap(const Picture& picture) {
    const std::size_t colours = picture.isIndexed() ? picture.palette.size() : 0;
    info_.assign((sizeof(BITMAPINFOHEADER) + colours * sizeof(RGBQUAD) + 3) / 4, 0);
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info_.data());
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = picture.width;
    header->biHeight = -picture.height; // top-down, as the picture's rows
    header->biPlanes = 1;
    header->biCompression = BI_RGB;
    if (!picture.isIndexed()) {
        header->biBitCount = 32;
        bits_ = picture.pixels.data();
        return;
    }
    header->biBitCount = 8;
    header->biClrUsed = static_cast<DWORD>(colours);
    auto* table = reinterpret_cast<RGBQUAD*>(header + 1);
    for (const Pixel colour : picture.palette) {
        *table++ =
            RGBQUAD{static_cast<BYTE>(colour & 0xff), static_cast<BYTE>((colour >> 8) & 0xff),
                    static_cast<BYTE>((colour >> 16) & 0xff), 0};
    }
    const std::size_t stride = (picture.rowLength() + 3) / 4 * 4;
    rows_.assign(stride * static_cast<std::size_t>(std::max(picture.height, 0)), 0);
    for (int y = 0; y < picture.height; ++y) {
        std::memcpy(rows_.data() + static_cast<std::size_t>(y) * stride, picture.indexRow(y),
                    picture.rowLength());
    }
    bits_ = rows_.data();
}

void drawPicture(HDC dc, int x, int y, const Picture& picture) {
    if (picture.empty()) {
        return;
    }
    const DeviceIndependentBitmap dib(picture);
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(picture.width),
                      static_cast<DWORD>(picture.height), 0, 0, 0,
                      static_cast<UINT>(picture.height), dib.bits(), dib.info(), DIB_RGB_COLORS);
}

} // namespace bse
