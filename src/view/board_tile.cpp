#include "view/board_tile.h"

#include "view/drawing.h"

#include <algorithm>

namespace bse {

namespace {

constexpr int sampleStep = 4;
constexpr int stampColumns = 2; // 2 x 30 pixels: 15 samples
constexpr int stampRows = 4;    // 4 x 15 pixels: 15 samples
constexpr int stampSize = 15;

// The first sample at or after a grid offset.
constexpr int firstSample(int offset) {
    return (offset + sampleStep - 1) / sampleStep;
}

} // namespace

Picture makeTileStamps(const Picture& blockStrip) {
    const Point corner = cellOrigin(1, 1);
    Picture grid(corner.x + stampColumns * blockWidth, corner.y + stampRows * blockHeight);
    Picture stamps(stampSize, stampSize * blockImageCount);
    // Every image a cell can show: the block kinds and the empty cell.
    for (BlockCode code = firstBlockKind; code <= eraserCode; ++code) {
        for (int column = 1; column <= stampColumns; ++column) {
            for (int row = 1; row <= stampRows; ++row) {
                drawCellImage(grid, blockStrip, code, column, row);
            }
        }
        for (int y = 0; y < stampSize; ++y) {
            for (int x = 0; x < stampSize; ++x) {
                stamps.set(x, blockImageTop(gridImageFor(code)) + y,
                           grid.at(corner.x + sampleStep * x, corner.y + sampleStep * y));
            }
        }
    }
    return stamps;
}

void drawTileCell(Picture& tile, const Picture& stamps, BlockCode code, int column, int row) {
    const int left = firstSample(blockWidth * (column - 1));
    const int top = firstSample(blockHeight * (row - 1));
    const int right = std::min(tileWidth, firstSample(blockWidth * column));
    const int bottom = std::min(tileHeight, firstSample(blockHeight * row));
    const int stampX = left - stampSize * ((column - 1) / stampColumns);
    const int stampY = top - stampSize * ((row - 1) / stampRows);
    copyRect(tile, left, top, stamps, stampX, blockImageTop(gridImageFor(code)) + stampY,
             right - left, bottom - top);
}

} // namespace bse
