#include "view/picture.h"

#include <algorithm>
#include <cstring>

namespace bse {

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
    const auto rowBytes = static_cast<std::size_t>(width) * sizeof(Pixel);
    for (int row = 0; row < height; ++row) {
        std::memcpy(target.row(y + row) + x, source.row(sourceY + row) + sourceX, rowBytes);
    }
}

} // namespace bse
