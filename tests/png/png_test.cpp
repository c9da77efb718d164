// The PNG codec: what it writes it reads back, damage is refused, and the embedded pictures decode.
#include "png/embedded_pictures.h"
#include "png/png.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <functional>

namespace bse::png {
namespace {

TEST(Png, WrittenPicturesReadBackPixelForPixel) {
    Picture picture(7, 5); // odd sizes: no row is a multiple of anything
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            picture.set(x, y, rgb(x * 37, y * 51, (x ^ y) * 29));
        }
    }
    Picture indexed = Picture::indexed(3, 2, {rgb(1, 2, 3), rgb(250, 128, 7)});
    indexed.indices = {0, 1, 1, 0, 1, 0};
    for (const Picture* original : {&picture, &indexed}) {
        const Result<Picture> back = decode(encode(*original));
        ASSERT_TRUE(back) << back.reason();
        ASSERT_EQ(back->width, original->width);
        ASSERT_EQ(back->height, original->height);
        for (int y = 0; y < original->height; ++y) {
            for (int x = 0; x < original->width; ++x) {
                EXPECT_EQ(back->at(x, y), original->at(x, y)) << x << ", " << y;
            }
        }
    }
}

// Each chunk's check sum made right again after a change, so that the change itself is judged.
void fixChecksums(std::vector<std::uint8_t>& file) {
    for (std::size_t at = 8; at + 12 <= file.size();) {
        const std::size_t length =
            std::size_t{file[at]} << 24 | file[at + 1] << 16 | file[at + 2] << 8 | file[at + 3];
        if (at + 12 + length > file.size()) {
            return;
        }
        const auto sum =
            static_cast<std::uint32_t>(crc32(0, &file[at + 4], static_cast<uInt>(length + 4)));
        for (int k = 0; k < 4; ++k) {
            file[at + 8 + length + k] = static_cast<std::uint8_t>(sum >> (24 - 8 * k));
        }
        at += 12 + length;
    }
}

TEST(Png, DamageIsRefusedWithTheReason) {
    const std::vector<std::uint8_t> good = encode(Picture(4, 3, rgb(9, 8, 7)));
    // Offsets: IHDR's data at 16 (width 16, height 20, depth 24, colour 25, interlace 28), its
    // check sum at 29, IDAT's length at 33 and its data at 41.
    const struct {
        const char* damage;
        std::function<void(std::vector<std::uint8_t>&)> change;
        bool sumsFixed;
        const char* reason;
    } cases[] = {
        {"signature", [](auto& f) { f[1] = 'p'; }, false, "not a PNG file"},
        {"cut short", [](auto& f) { f.resize(f.size() - 5); }, false,
         "the file ends inside a chunk"},
        {"a bit flipped", [](auto& f) { f[42] ^= 1; }, false,
         "a chunk is damaged (its check sum differs)"},
        {"no header first", [](auto& f) { f[12] = 'J'; }, true, "the header does not come first"},
        {"width 0", [](auto& f) { f[19] = 0; }, true, "the picture's size is out of range"},
        {"height 0", [](auto& f) { f[23] = 0; }, true, "the picture's size is out of range"},
        {"16,385 wide", [](auto& f) { f[17] = 0x40, f[19] = 1; }, true,
         "the picture's size is out of range"},
        {"257 colours",
         [](auto& f) {
             std::vector<std::uint8_t> chunk{0, 0, 3, 3, 'P', 'L', 'T', 'E'};
             chunk.resize(chunk.size() + 771 + 4);
             f.insert(f.begin() + 33, chunk.begin(), chunk.end());
         },
         true, "the palette is malformed"},
        {"16 bits", [](auto& f) { f[24] = 16; }, true,
         "not an 8-bit non-interlaced PNG with a palette or in RGB"},
        {"interlaced", [](auto& f) { f[28] = 1; }, true,
         "not an 8-bit non-interlaced PNG with a palette or in RGB"},
        {"palette without PLTE", [](auto& f) { f[25] = 3; }, true, "the palette is missing"},
        {"taller than the data", [](auto& f) { f[23] = 4; }, true, "the picture data is damaged"},
        {"data not zlib", [](auto& f) { f[41] = 0; }, true, "the picture data is damaged"},
        {"unknown critical chunk", [](auto& f) { f[37] = 'X'; }, true,
         "an unknown chunk is needed to show the picture"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.damage);
        std::vector<std::uint8_t> file = good;
        c.change(file);
        if (c.sumsFixed) {
            fixChecksums(file);
        }
        const Result<Picture> decoded = decode(file);
        ASSERT_FALSE(decoded);
        EXPECT_EQ(decoded.reason(), c.reason);
    }
}

TEST(Png, EmbeddedPicturesDecodeToTheirSizes) {
    const struct {
        int id, width, height;
    } pictures[] = {{102, 640, 400}, {103, 30, 675}, {106, 298, 16}, {124, 425, 320}};
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.id);
        const std::optional<Picture> picture = embeddedPicture(p.id);
        ASSERT_TRUE(picture && picture->isIndexed());
        EXPECT_EQ(picture->width, p.width);
        EXPECT_EQ(picture->height, p.height);
    }
    EXPECT_FALSE(embeddedPicture(101));
}

} // namespace
} // namespace bse::png
