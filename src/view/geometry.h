#pragma once

// Screen geometry of the 640 x 400 client area, in client pixels. Rectangles are
// (left, top)-(right, bottom) with right and bottom exclusive; hit ranges are inclusive.

namespace bse {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Inclusive hit range, as the pointer handling tests it.
struct HitBox {
    int left = 0;
    int top = 0;
    int right = 0;  // inclusive
    int bottom = 0; // inclusive
    constexpr bool contains(int x, int y) const {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
};

inline constexpr int canvasWidth = 640;
inline constexpr int canvasHeight = 400;

// Block images: 30 x 15, stacked in the block strip; image k (1..45) starts at row 15k - 15.
inline constexpr int blockWidth = 30;
inline constexpr int blockHeight = 15;
inline constexpr int blockImageCount = 45;
inline constexpr int blackImage = 1;
inline constexpr int emptyCellImage = 44;
inline constexpr int eraserImage = 45;
inline constexpr int blockStripWidth = blockWidth;
inline constexpr int blockStripHeight = blockHeight * blockImageCount; // 675

constexpr int blockImageTop(int image) {
    return blockHeight * image - blockHeight;
}

// Images 2..43 show the block kinds of the same number, in the grid and in the palette.
inline constexpr int firstBlockImage = 2;
inline constexpr int lastBlockImage = 43;

// Board grid.
inline constexpr Rect boardGridRect{20, 4, 620, 304};
// What a full redraw or wipe of the grid repaints: from the window origin.
inline constexpr Rect boardRepaintRect{0, 0, 620, 304};

constexpr Point cellOrigin(int column, int row) {
    return {30 * column - 10, 15 * row - 11};
}
constexpr Rect cellRect(int column, int row) {
    return {30 * column - 10, 15 * row - 11, 30 * column + 20, 15 * row + 4};
}

// Block palette: 3 rows of 15 slots; slot 1 is the eraser, 2..43 the block kinds, 44 and 45 blank.
inline constexpr int paletteSlotsPerRow = 15;
inline constexpr int paletteSlotCount = 45;
constexpr Point paletteSlotOrigin(int slot) {
    return {27 + 30 * ((slot - 1) % paletteSlotsPerRow),
            328 + 15 * ((slot - 1) / paletteSlotsPerRow)};
}

// The palette's pick boundaries lie 2 pixels left of and 1 above the slot pictures; from this
// corner down and right the pointer is over the two blank slots of the last row.
inline constexpr Point palettePickOrigin{paletteSlotOrigin(1).x - 2, paletteSlotOrigin(1).y - 1};
inline constexpr Point paletteBlankSlots = paletteSlotOrigin(paletteSlotCount - 1);

// Status line: the strip is copied here (asked for one column and two rows more than it has),
// and the text is clipped to the text rectangle.
inline constexpr int statusStripWidth = 298;
inline constexpr int statusStripHeight = 16;
inline constexpr Point statusOrigin{188, 378};
inline constexpr int statusWipeWidth = 299;
inline constexpr int statusWipeHeight = 18;
inline constexpr Rect statusTextRect{188, 378, 487, 395};

// Selection panel.
inline constexpr int leftSlotX = 500;
inline constexpr int rightSlotX = 540;
inline constexpr int selectionSlotY = 368;
constexpr Rect selectionSlotRect(int x) {
    return {x, selectionSlotY, x + blockWidth, selectionSlotY + blockHeight};
}

// About picture.
inline constexpr int aboutPictureWidth = 425;
inline constexpr int aboutPictureHeight = 320;

// Hit areas of the pointer handling.
inline constexpr HitBox gridHitBox{21, 5, 619, 303};
inline constexpr HitBox paletteHitBox{26, 328, 476, 372};
inline constexpr HitBox clearButtonBox{100, 375, 125, 398};
inline constexpr HitBox copyButtonBox{128, 375, 155, 398};
inline constexpr HitBox pasteButtonBox{158, 375, 181, 398};
inline constexpr HitBox firstButtonBox{27, 375, 35, 398};
inline constexpr HitBox previousButtonBox{36, 375, 60, 398};
inline constexpr HitBox lastButtonBox{85, 375, 94, 398};
inline constexpr HitBox nextButtonBox{61, 375, 84, 398};
inline constexpr HitBox buttonReleaseZone{27, 375, 181, 398};

} // namespace bse
