#pragma once

#include "view/geometry.h"

#include <cstdint>
#include <vector>

namespace bse {

// 0xffRRGGBB, the layout of a 32-bit RGB image, so the desktop layer can wrap the memory.
using Pixel = std::uint32_t;

constexpr Pixel rgb(int red, int green, int blue) {
    return 0xff000000u | (static_cast<Pixel>(red & 0xff) << 16) |
           (static_cast<Pixel>(green & 0xff) << 8) | static_cast<Pixel>(blue & 0xff);
}

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels; // row by row, width * height

    Picture() = default;
    Picture(int w, int h, Pixel fill = rgb(0, 0, 0))
        : width(w), height(h),
          pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

    bool empty() const { return pixels.empty(); }
    Pixel* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * rowLength(); }
    const Pixel* row(int y) const {
        return pixels.data() + static_cast<std::size_t>(y) * rowLength();
    }
    std::size_t rowLength() const { return static_cast<std::size_t>(width); }
    Pixel at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
    Pixel& at(int x, int y) {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// Copies a width x height rectangle of source at (sourceX, sourceY) to (x, y) of target.
// The rectangle is clipped to both pictures: what lies outside either is left alone.
void copyRect(Picture& target, int x, int y, const Picture& source, int sourceX, int sourceY,
              int width, int height);

} // namespace bse
