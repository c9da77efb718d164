#pragma once

#include "view/picture.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace bse {

// A Picture as SetDIBitsToDevice takes it: a top-down DIB of 32 bits (the Pixel layout is
// Win32's BGRX in memory, so the pixels are used as they are) or of 8 bits with the palette as
// colour table (rows copied to DWORD-aligned strides).
class DeviceIndependentBitmap {
  public:
    explicit DeviceIndependentBitmap(const Picture& picture);

    const BITMAPINFO* info() const { return reinterpret_cast<const BITMAPINFO*>(info_.data()); }
    const void* bits() const { return bits_; }

  private:
    std::vector<DWORD> info_; // the header and the colour table, DWORD-aligned
    std::vector<std::uint8_t> rows_;
    const void* bits_ = nullptr;
};

// Draws the whole picture with its top left corner at (x, y).
void drawPicture(HDC dc, int x, int y, const Picture& picture);

} // namespace bse
