#pragma once

#include "view/geometry.h"

#include <cassert>
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

// A picture in true colour (a Pixel each) or in 256 colours (a palette index each). The artwork
// comes in 256 colours and pictures that are only copied from stay so: a quarter of the memory,
// which start-up has to touch. Pictures that are drawn on are made true colour first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;         // true colour, row by row
    std::vector<std::uint8_t> indices; // 256 colours, row by row
    std::vector<Pixel> palette;        // the colours the indices name

    Picture() = default;
    // True colour, every pixel `fill`.
    Picture(int w, int h, Pixel fill = rgb(0, 0, 0))
        : width(w), height(h),
          pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}
    // 256 colours, every pixel palette entry 0.
    static Picture indexed(int w, int h, std::vector<Pixel> colours);

    bool empty() const { return width <= 0 || height <= 0; }
    bool isIndexed() const { return !indices.empty(); }
    std::size_t rowLength() const { return static_cast<std::size_t>(width); }
    std::size_t offset(int x, int y) const {
        // A column past the edge would land in the next row; Debug builds stop there.
        assert(x >= 0 && x < width && y >= 0 && y < height);
        return static_cast<std::size_t>(y) * rowLength() + static_cast<std::size_t>(x);
    }

    Pixel at(int x, int y) const {
        return isIndexed() ? palette[indices[offset(x, y)]] : pixels[offset(x, y)];
    }
    // True colour only.
    void set(int x, int y, Pixel pixel) { pixels[offset(x, y)] = pixel; }
    Pixel* row(int y) { return pixels.data() + offset(0, y); }
    const Pixel* row(int y) const { return pixels.data() + offset(0, y); }
    // 256 colours only.
    std::uint8_t* indexRow(int y) { return indices.data() + offset(0, y); }
    const std::uint8_t* indexRow(int y) const { return indices.data() + offset(0, y); }
};

// The picture in true colour, as it must be before anything is drawn on it.
void makeTrueColour(Picture& picture);

// Copies a width x height rectangle of source at (sourceX, sourceY) to (x, y) of target, which
// must be true colour. The rectangle is clipped to both pictures: what lies outside either is
// left alone.
void copyRect(Picture& target, int x, int y, const Picture& source, int sourceX, int sourceY,
              int width, int height);

} // namespace bse
