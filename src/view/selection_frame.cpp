#include "view/selection_frame.h"

namespace bse {

namespace {

constexpr int dashLength = 3;
constexpr Pixel light = rgb(255, 255, 255);
constexpr Pixel dark = rgb(0, 0, 0);

// Dashes that run on round the corners, so the frame reads as one line.
Pixel dash(int step) {
    return (step / dashLength) % 2 == 0 ? light : dark;
}

} // namespace

Rect drawSelectionFrame(Picture& canvas, int column, int row, int columns, int rows) {
    const Point first = cellOrigin(column, row);
    const Rect frame{first.x, first.y, first.x + columns * blockWidth,
                     first.y + rows * blockHeight};
    const int right = frame.right - 1;
    const int bottom = frame.bottom - 1;
    for (int x = frame.left; x <= right; ++x) {
        canvas.set(x, frame.top, dash(x - frame.left));
        canvas.set(x, bottom, dash(x - frame.left));
    }
    for (int y = frame.top; y <= bottom; ++y) {
        canvas.set(frame.left, y, dash(y - frame.top));
        canvas.set(right, y, dash(y - frame.top));
    }
    return frame;
}

} // namespace bse
