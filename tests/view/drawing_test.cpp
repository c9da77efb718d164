#include "editor/screen.h"
#include "support/fake_platform.h"
#include "view/drawing.h"

#include <gtest/gtest.h>

namespace bse {
namespace {

using test::backdropPixel;
using test::blockPixel;
using test::FakePlatform;

// True when the 30 x 15 area at (x, y) of the canvas shows block image `image` exactly.
::testing::AssertionResult showsImage(const Picture& canvas, int x, int y, int image) {
    for (int dy = 0; dy < blockHeight; ++dy) {
        for (int dx = 0; dx < blockWidth; ++dx) {
            if (canvas.at(x + dx, y + dy) != blockPixel(image, dx, dy)) {
                return ::testing::AssertionFailure()
                       << "pixel (" << x + dx << ", " << y + dy << ") is not image " << image;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// True when every canvas pixel outside `area` equals `before`.
::testing::AssertionResult unchangedOutside(const Picture& canvas, const Picture& before,
                                            const Rect& area) {
    for (int y = 0; y < canvas.height; ++y) {
        for (int x = 0; x < canvas.width; ++x) {
            const bool inside =
                x >= area.left && x < area.right && y >= area.top && y < area.bottom;
            if (!inside && canvas.at(x, y) != before.at(x, y)) {
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") changed outside the area";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

class Drawing : public ::testing::Test {
  protected:
    FakePlatform platform;
    std::unique_ptr<Editor> editor = test::startedEditor(platform);
    Picture& canvas() { return editor->pictures.editorCanvas; }
};

TEST_F(Drawing, RedrawBoardShowsEveryCellAndMapsEmptyAndDamagedValuesToTheEmptyCell) {
    Board& board = editor->boardSet.current();
    // Column i, row j holds a value chosen to cover block kinds, empties and damaged values.
    const BlockCode special[] = {0, 1, 44, 45, 46, 256, 0x7fffffffu, 0x80000000u, 0xffffffffu};
    for (int column = 1; column <= 20; ++column) {
        for (int row = 1; row <= 20; ++row) {
            const int index = screenCellIndex(column, row);
            board.cells[static_cast<std::size_t>(index)] =
                index < 9 ? special[index] : static_cast<BlockCode>(2 + index % 42);
        }
    }
    const Picture before = canvas();
    redrawBoard(*editor, platform);

    for (int column = 1; column <= 20; ++column) {
        for (int row = 1; row <= 20; ++row) {
            const int index = screenCellIndex(column, row);
            const int expected = index < 9 ? 44 : 2 + index % 42;
            EXPECT_TRUE(showsImage(canvas(), 30 * column - 10, 15 * row - 11, expected));
        }
    }
    EXPECT_TRUE(unchangedOutside(canvas(), before, boardGridRect));
    ASSERT_EQ(platform.invalidated.size(), 1u);
    EXPECT_EQ(platform.invalidated[0], (Rect{0, 0, 620, 304}));
    EXPECT_EQ(platform.cursors, (std::vector<Cursor>{Cursor::Wait, Cursor::Arrow}));
    EXPECT_FALSE(editor->modified);
}

TEST_F(Drawing, RedrawBoardDrawsTheCurrentBoardOnly) {
    editor->boardSet.lastBoardIndex = 2;
    editor->boardSet.currentBoard = 1;
    editor->boardSet.boards[0].cells.fill(5);
    editor->boardSet.boards[1].cells.fill(9);
    redrawBoard(*editor, platform);
    EXPECT_TRUE(showsImage(canvas(), 20, 4, 9));
    EXPECT_TRUE(showsImage(canvas(), 590, 289, 9));
}

TEST_F(Drawing, DrawCellDrawsOneCellMarksModifiedAndInvalidatesThatCell) {
    const Picture before = canvas();
    drawCell(*editor, platform, 17, 20, 20);
    EXPECT_TRUE(showsImage(canvas(), 590, 289, 17));
    EXPECT_TRUE(unchangedOutside(canvas(), before, Rect{590, 289, 620, 304}));
    EXPECT_TRUE(editor->modified);
    ASSERT_EQ(platform.invalidated.size(), 1u);
    EXPECT_EQ(platform.invalidated[0], (Rect{590, 289, 620, 304}));

    drawCell(*editor, platform, 44, 1, 1);
    EXPECT_TRUE(showsImage(canvas(), 20, 4, 44)); // the eraser paints the empty cell
    EXPECT_EQ(platform.invalidated[1], (Rect{20, 4, 50, 19}));

    drawCell(*editor, platform, 2, 3, 7);
    EXPECT_TRUE(showsImage(canvas(), 80, 94, 2));
    EXPECT_EQ(platform.invalidated[2], (Rect{80, 94, 110, 109}));
    // drawCell draws; it does not store the cell.
    EXPECT_EQ(editor->boardSet.current().cells[static_cast<std::size_t>(screenCellIndex(3, 7))],
              0u);
}

TEST_F(Drawing, DrawSelectedBlockShowsTheEraserAsItsCross) {
    const Picture before = canvas();
    drawSelectedBlock(*editor, platform, 44, 500);
    drawSelectedBlock(*editor, platform, 43, 540);
    EXPECT_TRUE(showsImage(canvas(), 500, 368, 45));
    EXPECT_TRUE(showsImage(canvas(), 540, 368, 43));
    EXPECT_TRUE(unchangedOutside(canvas(), before, Rect{500, 368, 570, 383}));
    EXPECT_EQ(platform.invalidated,
              (std::vector<Rect>{{500, 368, 530, 383}, {540, 368, 570, 383}}));
    EXPECT_FALSE(editor->modified);
    // A value no pick produces never reads past the strip.
    drawSelectedBlock(*editor, platform, 300, 500);
    EXPECT_TRUE(showsImage(canvas(), 500, 368, 44));
}

TEST_F(Drawing, StatusTextWipesOnlyTheStripAndClipsTheTextAtTheRectangle) {
    const Picture before = canvas();
    // 60 fake glyphs run far past x 487.
    drawStatusText(*editor, platform, std::string(60, 'W'), Rgb{255, 255, 255});
    const Pixel white = rgb(255, 255, 255);
    for (int y = 370; y < 400; ++y) {
        for (int x = 180; x < 500; ++x) {
            const bool inStrip = x >= 188 && x < 486 && y >= 378 && y < 394;
            const bool inText = x >= 188 && x < 487 && y >= 378 && y < 395;
            const bool glyph =
                inText && (x - 188) % test::fakeGlyphAdvance < 6 && y < 378 + test::fakeGlyphHeight;
            const Pixel expected = glyph     ? white
                                   : inStrip ? test::statusStripPixel
                                             : before.at(x, y);
            ASSERT_EQ(canvas().at(x, y), expected) << x << "," << y;
        }
    }
    // Column 486 and the rows 394 and 395 keep the canvas: the strip is only 298 x 16.
    EXPECT_EQ(canvas().at(486, 380), white); // text reaches one column past the strip
    EXPECT_EQ(canvas().at(486, 392), before.at(486, 392));
    EXPECT_EQ(canvas().at(300, 394), before.at(300, 394));
    EXPECT_EQ(canvas().at(487, 380), before.at(487, 380));
    EXPECT_TRUE(unchangedOutside(canvas(), before, Rect{188, 378, 487, 395}));
    ASSERT_EQ(platform.invalidated.size(), 1u);
    EXPECT_EQ(platform.invalidated[0], (Rect{188, 378, 487, 395}));
    ASSERT_EQ(platform.texts.size(), 1u);
    EXPECT_EQ(platform.texts[0].rect, (Rect{188, 378, 487, 395}));
    EXPECT_EQ(platform.texts[0].align, TextAlign::Left);
}

TEST_F(Drawing, AShorterStatusTextFullyReplacesALongerOne) {
    drawStatusText(*editor, platform, "Board: 100 - Column: 20, Row: 20", Rgb{255, 255, 255});
    drawStatusText(*editor, platform, "ab", Rgb{255, 0, 0});
    const Pixel red = rgb(255, 0, 0);
    for (int y = 378; y < 394; ++y) {
        for (int x = 188; x < 486; ++x) {
            const bool glyph = x < 188 + 2 * test::fakeGlyphAdvance &&
                               (x - 188) % test::fakeGlyphAdvance < 6 &&
                               y < 378 + test::fakeGlyphHeight;
            ASSERT_EQ(canvas().at(x, y), glyph ? red : test::statusStripPixel) << x << "," << y;
        }
    }
}

TEST_F(Drawing, EraseBoardGridRestoresTheBackdropUnderTheWholeGridArea) {
    editor->boardSet.current().cells.fill(12);
    redrawBoard(*editor, platform);
    drawStatusText(*editor, platform, "x", Rgb{255, 255, 255});
    const Picture before = canvas();
    platform.invalidated.clear();
    eraseBoardGrid(*editor, platform);
    for (int y = 0; y < 304; ++y) {
        for (int x = 0; x < 620; ++x) {
            ASSERT_EQ(canvas().at(x, y), backdropPixel(x, y)) << x << "," << y;
        }
    }
    EXPECT_TRUE(unchangedOutside(canvas(), before, boardRepaintRect));
    EXPECT_EQ(platform.invalidated, (std::vector<Rect>{{0, 0, 620, 304}}));
}

TEST_F(Drawing, PaintCopiesTheCanvasAsItIsNow) {
    drawCell(*editor, platform, 30, 4, 4);
    drawStatusText(*editor, platform, "Board: 1 of 1", Rgb{255, 255, 255});
    drawSelectedBlock(*editor, platform, 20, 500);
    // Covering and uncovering the window asks for a paint.
    EXPECT_TRUE(platform.send(WM_PAINT));
    EXPECT_EQ(platform.paints, 1);
    EXPECT_EQ(platform.screenContents.pixels, canvas().pixels);
}

} // namespace
} // namespace bse
