#include "png/png.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <string_view>

namespace bse::png {

namespace {

constexpr std::array<std::uint8_t, 8> signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
constexpr int colourRgb = 2;
constexpr int colourPalette = 3;
// Far more than any picture of the editor; keeps a damaged size from asking for gigabytes.
constexpr std::uint32_t largestSide = 16384;

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

std::uint32_t get32(const std::uint8_t* bytes) {
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
           std::uint32_t{bytes[2]} << 8 | bytes[3];
}

void putChunk(std::vector<std::uint8_t>& out, std::string_view type,
              std::span<const std::uint8_t> data) {
    put32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    put32(out, static_cast<std::uint32_t>(
                   crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

int paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Undoes the row filters in place; `step` is the bytes per pixel.
bool unfilter(std::vector<std::uint8_t>& data, std::size_t rowBytes, std::size_t rows,
              std::size_t step) {
    for (std::size_t y = 0; y < rows; ++y) {
        const std::uint8_t filter = data[y * (rowBytes + 1)];
        std::uint8_t* row = data.data() + y * (rowBytes + 1) + 1;
        const std::uint8_t* above = y > 0 ? row - (rowBytes + 1) : nullptr;
        for (std::size_t x = 0; x < rowBytes; ++x) {
            const int a = x >= step ? row[x - step] : 0;
            const int b = above ? above[x] : 0;
            const int c = above && x >= step ? above[x - step] : 0;
            int predicted = 0;
            switch (filter) {
            case 0:
                break;
            case 1:
                predicted = a;
                break;
            case 2:
                predicted = b;
                break;
            case 3:
                predicted = (a + b) / 2;
                break;
            case 4:
                predicted = paeth(a, b, c);
                break;
            default:
                return false;
            }
            row[x] = static_cast<std::uint8_t>(row[x] + predicted);
        }
    }
    return true;
}

} // namespace

std::vector<std::uint8_t> encode(const Picture& picture) {
    const auto width = static_cast<std::size_t>(picture.width);
    const auto height = static_cast<std::size_t>(picture.height);
    // Each row: filter type 0 (none), then the pixels as R, G, B.
    std::vector<std::uint8_t> raw(height * (1 + 3 * width));
    std::uint8_t* to = raw.data();
    for (int y = 0; y < picture.height; ++y) {
        *to++ = 0;
        for (int x = 0; x < picture.width; ++x) {
            const Pixel pixel = picture.at(x, y);
            *to++ = static_cast<std::uint8_t>(pixel >> 16);
            *to++ = static_cast<std::uint8_t>(pixel >> 8);
            *to++ = static_cast<std::uint8_t>(pixel);
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    // Cannot fail: the buffer is large enough and the level valid.
    compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 1);
    packed.resize(packedSize);

    std::vector<std::uint8_t> out(signature.begin(), signature.end());
    std::vector<std::uint8_t> header;
    put32(header, static_cast<std::uint32_t>(width));
    put32(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, colourRgb, 0, 0, 0}); // depth, colour, deflate, filters, plain
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", packed);
    putChunk(out, "IEND", {});
    return out;
}

Result<Picture> decode(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < signature.size() ||
        !std::equal(signature.begin(), signature.end(), bytes.begin())) {
        return refuse("not a PNG file");
    }
    std::uint32_t width = 0, height = 0;
    int colour = -1;
    std::vector<Pixel> palette;
    std::vector<std::uint8_t> packed;
    bool ended = false;
    for (std::size_t at = signature.size(); !ended;) {
        if (bytes.size() - at < 12) {
            return refuse("the file ends inside a chunk");
        }
        const std::uint32_t length = get32(&bytes[at]);
        if (length > bytes.size() - at - 12) {
            return refuse("the file ends inside a chunk");
        }
        const std::uint8_t* type = &bytes[at + 4];
        const std::uint8_t* data = type + 4;
        if (crc32(0, type, length + 4) != get32(data + length)) {
            return refuse("a chunk is damaged (its check sum differs)");
        }
        const std::string_view name(reinterpret_cast<const char*>(type), 4);
        if (colour < 0 && name != "IHDR") {
            return refuse("the header does not come first");
        }
        if (name == "IHDR") {
            if (length != 13 || colour >= 0) {
                return refuse("the header is malformed");
            }
            width = get32(data);
            height = get32(data + 4);
            colour = data[9];
            if (width == 0 || height == 0 || width > largestSide || height > largestSide) {
                return refuse("the picture's size is out of range");
            }
            if (data[8] != 8 || (colour != colourRgb && colour != colourPalette) || data[10] != 0 ||
                data[11] != 0 || data[12] != 0) {
                return refuse("not an 8-bit non-interlaced PNG with a palette or in RGB");
            }
        } else if (name == "PLTE") {
            if (length % 3 != 0 || length > 3 * 256) {
                return refuse("the palette is malformed");
            }
            for (std::uint32_t i = 0; i < length; i += 3) {
                palette.push_back(rgb(data[i], data[i + 1], data[i + 2]));
            }
        } else if (name == "IDAT") {
            packed.insert(packed.end(), data, data + length);
        } else if (name == "IEND") {
            ended = true;
        } else if ((type[0] & 0x20) == 0) {
            return refuse("an unknown chunk is needed to show the picture");
        }
        at += 12 + std::size_t{length};
    }
    if (colour == colourPalette && palette.empty()) {
        return refuse("the palette is missing");
    }
    const std::size_t step = colour == colourRgb ? 3 : 1;
    const std::size_t rowBytes = step * width;
    std::vector<std::uint8_t> raw(height * (rowBytes + 1));
    uLongf rawSize = static_cast<uLongf>(raw.size());
    if (uncompress(raw.data(), &rawSize, packed.data(), static_cast<uLong>(packed.size())) !=
            Z_OK ||
        rawSize != raw.size()) {
        return refuse("the picture data is damaged");
    }
    if (!unfilter(raw, rowBytes, height, step)) {
        return refuse("the picture data is damaged (an unknown row filter)");
    }
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    Picture picture =
        colour == colourPalette ? Picture::indexed(w, h, std::move(palette)) : Picture(w, h);
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* from = raw.data() + static_cast<std::size_t>(y) * (rowBytes + 1) + 1;
        if (colour == colourPalette) {
            std::copy(from, from + rowBytes, picture.indexRow(y));
            continue;
        }
        Pixel* to = picture.row(y);
        for (int x = 0; x < w; ++x, from += 3) {
            to[x] = rgb(from[0], from[1], from[2]);
        }
    }
    return picture;
}

} // namespace bse::png
