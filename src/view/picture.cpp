#include "view/picture.h"

#include <algorithm>
#include <cstring>

namespace bse {

Picture Picture::indexed(int w, int h, std::vector<Pixel> colours) {
    Picture picture;
    picture.width = w;
    picture.height = h;
    colours.resize(256, rgb(0, 0, 0));
    picture.palette = std::move(colours);
    picture.indices.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    return picture;
}

void makeTrueColour(Picture& picture) {
    if (!picture.isIndexed()) {
        return;
    }
    std::vector<Pixel> pixels(picture.indices.size());
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = picture.palette[picture.indices[i]];
    }
    picture.pixels = std::move(pixels);
    picture.indices = {};
    picture.palette = {};
}

void copyRect(Picture& target, int x, int y, const Picture& source, int sourceX, int sourceY,
              int width, int height) {
    // Clip the left/top edges against both pictures, moving the other origin along.
    if (sourceX < 0) {
        x -= sourceX;
        width += sourceX;
        sourceX = 0;
    }
    if (sourceY < 0) {
        y -= sourceY;
        height += sourceY;
        sourceY = 0;
    }
    if (x < 0) {
        sourceX -= x;
        width += x;
        x = 0;
    }
    if (y < 0) {
        sourceY -= y;
        height += y;
        y = 0;
    }
    width = std::min({width, source.width - sourceX, target.width - x});
    height = std::min({height, source.height - sourceY, target.height - y});
    if (width <= 0 || height <= 0) {
        return;
    }
    if (source.isIndexed()) {
        for (int row = 0; row < height; ++row) {
            const std::uint8_t* from = source.indexRow(sourceY + row) + sourceX;
            Pixel* to = target.row(y + row) + x;
            for (int column = 0; column < width; ++column) {
                to[column] = source.palette[from[column]];
            }
        }
        return;
    }
    const auto rowBytes = static_cast<std::size_t>(width) * sizeof(Pixel);
    for (int row = 0; row < height; ++row) {
        std::memcpy(target.row(y + row) + x, source.row(sourceY + row) + sourceX, rowBytes);
    }
}

} // namespace bse
