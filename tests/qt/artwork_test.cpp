#include "platform/ids.h"
#include "qt/qt_platform.h"
#include "view/drawing.h"
#include "view/geometry.h"

#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

#include <set>

namespace bse {
namespace {

constexpr Pixel gridLine = rgb(39, 41, 41);
constexpr Pixel black = rgb(0, 0, 0);
constexpr Pixel darkGrey = rgb(8, 8, 8);

Picture load(int id) {
    QtPlatform platform;
    std::optional<Picture> picture = platform.loadPicture(id);
    EXPECT_TRUE(picture.has_value()) << id;
    return picture.value_or(Picture());
}

// The 30 x 15 area at (x, y) as a list of pixels.
std::vector<Pixel> area(const Picture& picture, int x, int y) {
    std::vector<Pixel> pixels;
    for (int dy = 0; dy < blockHeight; ++dy) {
        for (int dx = 0; dx < blockWidth; ++dx) {
            pixels.push_back(picture.at(x + dx, y + dy));
        }
    }
    return pixels;
}

// A 30 x 15 cell with a one-pixel border of `border` around an inside of `inside`.
::testing::AssertionResult isCell(const Picture& picture, int x, int y, Pixel border,
                                  Pixel inside) {
    for (int dy = 0; dy < blockHeight; ++dy) {
        for (int dx = 0; dx < blockWidth; ++dx) {
            const bool edge = dx == 0 || dy == 0 || dx == blockWidth - 1 || dy == blockHeight - 1;
            if (picture.at(x + dx, y + dy) != (edge ? border : inside)) {
                return ::testing::AssertionFailure() << "at " << x + dx << "," << y + dy;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(Artwork, PicturesHaveTheirSizes) {
    const std::pair<int, QSize> sizes[] = {{IDB_EDITOR, {640, 400}},
                                           {IDB_BLOCKS, {30, 675}},
                                           {IDB_STATUS, {298, 16}},
                                           {IDB_ABOUT, {425, 320}}};
    for (const auto& [id, size] : sizes) {
        const Picture picture = load(id);
        EXPECT_EQ(QSize(picture.width, picture.height), size) << id;
    }
}

TEST(Artwork, BlockStripHasBlackFirstDistinctKindsTheEmptyCellAndTheEraser) {
    const Picture strip = load(IDB_BLOCKS);
    ASSERT_EQ(strip.height, 675);
    const std::vector<Pixel> first = area(strip, 0, 0);
    EXPECT_TRUE(std::all_of(first.begin(), first.end(), [](Pixel p) { return p == black; }));
    std::set<std::vector<Pixel>> kinds;
    for (int image = 2; image <= 43; ++image) {
        kinds.insert(area(strip, 0, blockImageTop(image)));
    }
    EXPECT_EQ(kinds.size(), 42u) << "every block kind looks different";
    EXPECT_TRUE(isCell(strip, 0, blockImageTop(44), gridLine, black));
    const std::vector<Pixel> eraser = area(strip, 0, blockImageTop(45));
    EXPECT_FALSE(kinds.contains(eraser));
    EXPECT_NE(eraser, area(strip, 0, blockImageTop(44)));
}

TEST(Artwork, StatusStripIsUniformDarkGrey) {
    const Picture strip = load(IDB_STATUS);
    ASSERT_EQ(strip.width, 298);
    for (int y = 0; y < strip.height; ++y) {
        for (int x = 0; x < strip.width; ++x) {
            ASSERT_EQ(strip.at(x, y), darkGrey) << x << "," << y;
        }
    }
}

TEST(Artwork, BackdropShowsTheEmptyGridThePaletteInSlotOrderAndABlackStatusArea) {
    const Picture backdrop = load(IDB_EDITOR);
    const Picture strip = load(IDB_BLOCKS);
    ASSERT_FALSE(backdrop.empty());
    ASSERT_FALSE(strip.empty());
    for (int column = 1; column <= 20; ++column) {
        for (int row = 1; row <= 20; ++row) {
            const Point at = cellOrigin(column, row);
            ASSERT_TRUE(isCell(backdrop, at.x, at.y, gridLine, darkGrey)) << column << "," << row;
        }
    }
    for (int slot = 1; slot <= 43; ++slot) {
        const Point at = paletteSlotOrigin(slot);
        const int image = slot == 1 ? eraserImage : slot;
        EXPECT_EQ(area(backdrop, at.x, at.y), area(strip, 0, blockImageTop(image))) << slot;
    }
    for (int y = statusTextRect.top; y < statusTextRect.bottom; ++y) {
        for (int x = statusTextRect.left; x < statusTextRect.right; ++x) {
            ASSERT_EQ(backdrop.at(x, y), black) << x << "," << y;
        }
    }
}

TEST(Artwork, RedrawnEmptyCellsDifferFromTheBackdropsOwn) {
    const Picture backdrop = load(IDB_EDITOR);
    const Picture strip = load(IDB_BLOCKS);
    // Inside a redrawn empty cell is black; inside the backdrop's own it is dark grey.
    EXPECT_EQ(strip.at(10, blockImageTop(44) + 7), black);
    EXPECT_EQ(backdrop.at(30, 11), darkGrey);
}

TEST(Artwork, IconsHaveTheirSizesAndTheFramesAnimate) {
    const QImage app(QStringLiteral(":/icons/105.png"));
    EXPECT_EQ(app.size(), QSize(48, 48));
    QImage previous;
    for (int id = IDI_FRAME_FIRST; id <= IDI_FRAME_LAST; ++id) {
        const QImage frame =
            QImage(QStringLiteral(":/icons/%1.png").arg(id)).convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(frame.size(), QSize(16, 16)) << id;
        if (!previous.isNull()) {
            EXPECT_NE(frame, previous) << "frame " << id << " repeats the one before";
        }
        previous = frame;
    }
}

} // namespace
} // namespace bse
