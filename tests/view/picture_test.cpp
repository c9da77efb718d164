#include "view/picture.h"

#include <gtest/gtest.h>

namespace bse {
namespace {

Picture numbered(int width, int height, int tag) {
    Picture picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.set(x, y, rgb(tag, x, y));
        }
    }
    return picture;
}

// How many pixels of target changed against a fresh copy of `before`.
int changedPixels(const Picture& before, const Picture& after) {
    int changed = 0;
    for (std::size_t i = 0; i < before.pixels.size(); ++i) {
        changed += before.pixels[i] != after.pixels[i] ? 1 : 0;
    }
    return changed;
}

TEST(Picture, RgbPacksAs32BitRgb) {
    EXPECT_EQ(rgb(39, 41, 41), 0xff272929u);
    EXPECT_EQ(rgb(0, 0, 0), 0xff000000u);
}

TEST(Picture, CopyRectCopiesTheRectangleAndNothingElse) {
    const Picture source = numbered(30, 20, 1);
    const Picture before = numbered(50, 40, 2);
    Picture target = before;
    copyRect(target, 10, 5, source, 3, 4, 6, 7);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 50; ++x) {
            const bool inside = x >= 10 && x < 16 && y >= 5 && y < 12;
            EXPECT_EQ(target.at(x, y), inside ? source.at(x - 10 + 3, y - 5 + 4) : before.at(x, y))
                << x << "," << y;
        }
    }
}

TEST(Picture, CopyRectClipsAtEveryEdgeOfBothPictures) {
    const Picture source = numbered(30, 20, 1);
    const Picture before = numbered(50, 40, 2);

    // Asked for more than the source holds: only the source's pixels arrive.
    Picture target = before;
    copyRect(target, 0, 0, source, 0, 0, 31, 22);
    EXPECT_EQ(changedPixels(before, target), 30 * 20);
    EXPECT_EQ(target.at(30, 0), before.at(30, 0));
    EXPECT_EQ(target.at(29, 19), source.at(29, 19));

    // Past the target's right and bottom edges.
    target = before;
    copyRect(target, 45, 35, source, 0, 0, 30, 20);
    EXPECT_EQ(changedPixels(before, target), 5 * 5);
    EXPECT_EQ(target.at(49, 39), source.at(4, 4));

    // Negative target origin shifts the source along.
    target = before;
    copyRect(target, -2, -3, source, 0, 0, 10, 10);
    EXPECT_EQ(changedPixels(before, target), 8 * 7);
    EXPECT_EQ(target.at(0, 0), source.at(2, 3));

    // Negative source origin shifts the target along.
    target = before;
    copyRect(target, 5, 5, source, -1, -2, 4, 4);
    EXPECT_EQ(changedPixels(before, target), 3 * 2);
    EXPECT_EQ(target.at(6, 7), source.at(0, 0));

    // Nothing to copy.
    target = before;
    copyRect(target, 0, 0, source, 30, 0, 5, 5);
    copyRect(target, 50, 0, source, 0, 0, 5, 5);
    copyRect(target, 0, 0, source, 0, 0, 0, 5);
    copyRect(target, 0, 0, Picture(), 0, 0, 5, 5);
    EXPECT_EQ(changedPixels(before, target), 0);
}

TEST(Picture, TwoHundredFiftySixColourPicturesCopyAndConvertThroughTheirPalette) {
    Picture indexed = Picture::indexed(4, 3, {rgb(1, 2, 3), rgb(9, 9, 9), rgb(255, 0, 0)});
    ASSERT_TRUE(indexed.isIndexed());
    EXPECT_EQ(indexed.palette.size(), 256u);
    indexed.indexRow(1)[2] = 2;
    indexed.indexRow(2)[3] = 1;
    EXPECT_EQ(indexed.at(0, 0), rgb(1, 2, 3));
    EXPECT_EQ(indexed.at(2, 1), rgb(255, 0, 0));

    Picture target(6, 6, rgb(7, 7, 7));
    copyRect(target, 1, 1, indexed, 1, 1, 10, 10); // clipped to the 3 x 2 left of the source
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 1 && x < 4 && y >= 1 && y < 3;
            EXPECT_EQ(target.at(x, y), inside ? indexed.at(x, y) : rgb(7, 7, 7)) << x << "," << y;
        }
    }

    const Picture before = indexed;
    makeTrueColour(indexed);
    EXPECT_FALSE(indexed.isIndexed());
    ASSERT_EQ(indexed.pixels.size(), 12u);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(indexed.at(x, y), before.at(x, y));
        }
    }
    indexed.set(0, 0, rgb(4, 4, 4)); // now it can be drawn on
    EXPECT_EQ(indexed.at(0, 0), rgb(4, 4, 4));
}

} // namespace
} // namespace bse
