#include "support/fake_platform.h"
#include "view/board_tile.h"
#include "view/drawing.h"
#include "view/selection_frame.h"

#include <gtest/gtest.h>

#include <functional>

namespace bse::test {
namespace {

bool inside(const Rect& rect, int x, int y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

// Every pixel against what it should be; the first wrong one is named.
void expectPicture(const Picture& picture, const std::function<Pixel(int x, int y)>& expected) {
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (picture.at(x, y) != expected(x, y)) {
                ADD_FAILURE() << "first wrong pixel at " << x << ", " << y;
                return;
            }
        }
    }
}

TEST(Picture, CopyRectCopiesWhatLiesInsideBothPictures) {
    const Rect cases[] = {// target x, y; source x, y as left, top, right, bottom; then the size
                          {10, 5, 3, 4},  {0, 0, 0, 0},  {45, 35, 0, 0}, {-2, -3, 0, 0},
                          {5, 5, -1, -2}, {0, 0, 30, 0}, {50, 0, 0, 0},  {0, 0, 0, 0}};
    const Point sizes[] = {{6, 7}, {31, 22}, {30, 20}, {10, 10}, {4, 4}, {5, 5}, {5, 5}, {0, 5}};
    const Picture source = filled(30, 20, [](int x, int y) { return rgb(1, x, y); });
    Picture indexed = Picture::indexed(30, 20, {rgb(1, 2, 3), rgb(9, 9, 9)});
    indexed.indexRow(4)[5] = 1;
    indexed.indexRow(4)[6] = 255; // a palette of 256, black past the colours given
    ASSERT_EQ(indexed.palette.size(), 256u);
    EXPECT_EQ(indexed.at(6, 4), rgb(0, 0, 0));
    for (const Picture* from : std::array<const Picture*, 2>{&source, &indexed}) {
        for (std::size_t k = 0; k < std::size(cases); ++k) {
            const Rect& c = cases[k];
            const Point size = sizes[k];
            SCOPED_TRACE(::testing::Message()
                         << "case " << k << (from->isIndexed() ? " indexed" : ""));
            const Picture before = filled(50, 40, [](int x, int y) { return rgb(2, x, y); });
            Picture target = before;
            copyRect(target, c.left, c.top, *from, c.right, c.bottom, size.x, size.y);
            expectPicture(target, [&](int x, int y) {
                const int sx = x - c.left + c.right;
                const int sy = y - c.top + c.bottom;
                const bool copied =
                    inside({c.left, c.top, c.left + size.x, c.top + size.y}, x, y) &&
                    inside({0, 0, 30, 20}, sx, sy);
                return copied ? from->at(sx, sy) : before.at(x, y);
            });
        }
    }
}

struct Canvas {
    Picture canvas = syntheticPicture(IDB_EDITOR);
    const Picture blocks = syntheticPicture(IDB_BLOCKS);
};

TEST(BoardTile, IsEveryFourthPixelOfTheGridThatDrawBoardCellsDraws) {
    Canvas c;
    Board board;
    for (std::size_t k = 0; k < board.cells.size(); ++k) { // empty, blocks, eraser, damaged
        board.cells[k] = static_cast<BlockCode>(k * 7 % 50);
    }
    drawBoardCells(c.canvas, c.blocks, board);
    const Picture stamps = makeTileStamps(c.blocks);
    Picture tile(tileWidth, tileHeight);
    for (int k = 0; k < cellsPerBoard; ++k) {
        drawTileCell(tile, stamps, board.cells[k], k / boardRows + 1, k % boardRows + 1);
    }
    expectPicture(tile, [&](int x, int y) { return c.canvas.at(20 + 4 * x, 4 + 4 * y); });
}

TEST(Drawing, BoardCellsShowTheirImagesAndEmptyOrDamagedValuesTheEmptyCell) {
    Canvas c;
    Board board;
    for (std::size_t i = 0; i < board.cells.size(); ++i) {
        board.cells[i] = static_cast<BlockCode>(i % 50); // empty, kinds, eraser, damaged
    }
    EXPECT_EQ(drawBoardCells(c.canvas, c.blocks, board), (Rect{0, 0, 620, 304}));
    expectPicture(c.canvas, [&](int x, int y) {
        if (!inside({20, 4, 620, 304}, x, y)) {
            return backdropPixel(x, y);
        }
        const int column = (x - 20) / 30 + 1;
        const int row = (y - 4) / 15 + 1;
        const BlockCode code = board.cells[static_cast<std::size_t>(screenCellIndex(column, row))];
        const int image = code >= 2 && code <= 44 ? static_cast<int>(code) : 44;
        return blockPixel(image, (x - 20) % 30, (y - 4) % 15);
    });
}

TEST(Drawing, OneCellOrOneSelectionChangesOnlyItsRectangle) {
    struct Case {
        const char* what;
        BlockCode code;
        int column, row; // a cell's, or 0 and the slot's x
        int image;
        Rect rect;
    };
    const Case cases[] = {
        {"cell 20, 20", 9, 20, 20, 9, {590, 289, 620, 304}},
        {"cell 1, 1 of a damaged value", 300, 1, 1, 44, {20, 4, 50, 19}},
        {"the eraser selected left", eraserCode, 0, leftSlotX, 45, {500, 368, 530, 383}},
        {"a block selected right", 43, 0, rightSlotX, 43, {540, 368, 570, 383}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        Canvas c;
        EXPECT_EQ(k.column > 0 ? drawCellImage(c.canvas, c.blocks, k.code, k.column, k.row)
                               : drawSelectionImage(c.canvas, c.blocks, k.code, k.row),
                  k.rect);
        expectPicture(c.canvas, [&](int x, int y) {
            return inside(k.rect, x, y) ? blockPixel(k.image, x - k.rect.left, y - k.rect.top)
                                        : backdropPixel(x, y);
        });
    }
}

TEST(Drawing, StatusLineWipesTheStripAndClipsTheText) {
    Canvas c;
    FakePlatform painter;
    const Picture strip = syntheticPicture(IDB_STATUS);
    drawStatusLine(c.canvas, strip, painter, std::string(60, 'W'), {255, 255, 255});
    EXPECT_EQ(drawStatusLine(c.canvas, strip, painter, "WW", {255, 255, 255}),
              (Rect{188, 378, 487, 395}));
    expectPicture(c.canvas, [&](int x, int y) {
        // The wipe covers the strip's own 298 x 16 pixels, so column 486 keeps what the long
        // text left there; the fake font draws a block a byte.
        if ((inside({188, 378, 201, 388}, x, y) || inside({486, 378, 487, 388}, x, y)) &&
            (x - 188) % 7 < 6) {
            return rgb(255, 255, 255);
        }
        return inside({188, 378, 486, 394}, x, y) ? statusStripPixel : backdropPixel(x, y);
    });
    EXPECT_EQ(painter.log.back(), "drawText (188, 378)-(487, 395) #ffffff left WW");
}

TEST(Drawing, WipingTheGridRestoresTheBackdropThere) {
    Picture canvas(canvasWidth, canvasHeight, rgb(1, 1, 1));
    Picture backdrop = Picture::indexed(canvasWidth, canvasHeight, {rgb(5, 6, 7)});
    EXPECT_EQ(wipeBoardGrid(canvas, backdrop), (Rect{0, 0, 620, 304}));
    EXPECT_FALSE(backdrop.isIndexed());
    expectPicture(canvas, [](int x, int y) {
        return inside({0, 0, 620, 304}, x, y) ? rgb(5, 6, 7) : rgb(1, 1, 1);
    });
}

// The selection's frame: dashes of three light and three dark pixels that run on round the
// corners, on the cells' outermost pixels and nowhere else.
TEST(SelectionFrame, DashesRunAlongTheCellsOutermostPixels) {
    Picture canvas(640, 400, rgb(9, 9, 9));
    const Rect frame = drawSelectionFrame(canvas, 1, 1, 1, 1); // columns and rows from 1
    const auto line = [&](int x, int y, int dx, int dy, int count) {
        std::string seen;
        for (int i = 0; i < count; ++i, x += dx, y += dy) {
            const Pixel p = canvas.at(x, y);
            seen += p == rgb(255, 255, 255) ? 'L' : p == rgb(0, 0, 0) ? 'D' : '.';
        }
        return seen;
    };
    const std::string across =
        "LLLDDDLLLDDDLLLDDDLLLDDDLLLDDL."; // the right edge's dash at its end
    const std::string down = "LLLDDDLLLDDDLLL.";
    EXPECT_EQ(line(frame.left, frame.top, 1, 0, 31), across);
    EXPECT_EQ(line(frame.left, frame.top + 14, 1, 0, 31), across);
    EXPECT_EQ(line(frame.left, frame.top, 0, 1, 16), down);
    EXPECT_EQ(line(frame.left + 29, frame.top, 0, 1, 16), down);
    EXPECT_EQ(line(frame.left + 1, frame.top + 1, 1, 0, 28), std::string(28, '.'));
}

} // namespace
} // namespace bse::test
