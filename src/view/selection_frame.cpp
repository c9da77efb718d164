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

constexpr Pixel cursorOuter = rgb(255, 255, 0);
constexpr Pixel cursorInner = rgb(0, 0, 0);

// Calls at(x, y, colour) for each pixel of the cursor's two rings.
template <typename At> bool eachCursorPixel(int column, int row, At at) {
    const Point first = cellOrigin(column, row);
    for (int ring = 0; ring < 2; ++ring) {
        const Pixel colour = ring == 0 ? cursorOuter : cursorInner;
        const int left = first.x + ring;
        const int top = first.y + ring;
        const int right = first.x + blockWidth - 1 - ring;
        const int bottom = first.y + blockHeight - 1 - ring;
        for (int x = left; x <= right; ++x) {
            if (!at(x, top, colour) || !at(x, bottom, colour)) {
                return false;
            }
        }
        for (int y = top + 1; y < bottom; ++y) {
            if (!at(left, y, colour) || !at(right, y, colour)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

Rect drawCellCursor(Picture& canvas, int column, int row) {
    eachCursorPixel(column, row, [&canvas](int x, int y, Pixel colour) {
        canvas.set(x, y, colour);
        return true;
    });
    return cellRect(column, row);
}

bool cellCursorDrawn(const Picture& canvas, int column, int row) {
    return eachCursorPixel(
        column, row, [&canvas](int x, int y, Pixel colour) { return canvas.at(x, y) == colour; });
}

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
