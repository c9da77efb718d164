#include "format/region_text.h"

#include "format/board_set_format.h"
#include "format/text_form.h"

namespace bse {

namespace {

constexpr std::size_t headerBytes = 8;

bool blank(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

void putWord(std::vector<std::uint8_t>& bytes, std::uint32_t word) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(std::uint8_t(word >> shift));
    }
}

std::uint32_t wordAt(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 |
           std::uint32_t(bytes[at + 2]) << 16 | std::uint32_t(bytes[at + 3]) << 24;
}

} // namespace

std::string regionText(const Region& region) {
    std::string text;
    for (int row = 0; row < region.height; ++row) {
        for (int column = 0; column < region.width; ++column) {
            text += blockCharacters[blockNumberFor(region.at(column, row))];
        }
        text += '\n';
    }
    return text;
}

std::vector<std::uint8_t> regionCellBytes(const Region& region) {
    std::vector<std::uint8_t> bytes;
    putWord(bytes, std::uint32_t(region.width));
    putWord(bytes, std::uint32_t(region.height));
    for (const BlockCode code : region.cells) {
        putWord(bytes, code);
    }
    return bytes;
}

std::optional<Region> regionFromText(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (!blank(line) || !lines.empty()) {
            lines.push_back(line);
        }
        start = end + 1;
    }
    while (!lines.empty() && blank(lines.back())) {
        lines.pop_back();
    }
    if (lines.empty() || lines.size() > std::size_t(boardRows) ||
        lines[0].size() > std::size_t(boardColumns)) {
        return std::nullopt;
    }
    Region region{int(lines[0].size()), int(lines.size()), {}};
    region.cells.resize(std::size_t(region.width * region.height));
    for (int row = 0; row < region.height; ++row) {
        const std::string_view line = lines[std::size_t(row)];
        if (line.size() != std::size_t(region.width)) {
            return std::nullopt;
        }
        for (int column = 0; column < region.width; ++column) {
            const std::size_t number = blockCharacters.find(line[std::size_t(column)]);
            if (number == std::string_view::npos) {
                return std::nullopt;
            }
            region.cells[std::size_t(column * region.height + row)] =
                blockCodeFor(std::uint8_t(number));
        }
    }
    return region;
}

std::optional<Region> regionFromCellBytes(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < headerBytes) {
        return std::nullopt;
    }
    const std::uint32_t width = wordAt(bytes, 0);
    const std::uint32_t height = wordAt(bytes, 4);
    if (width < 1 || width > std::uint32_t(boardColumns) || height < 1 ||
        height > std::uint32_t(boardRows) || bytes.size() != headerBytes + 4 * width * height) {
        return std::nullopt;
    }
    Region region{int(width), int(height), {}};
    for (std::size_t at = headerBytes; at < bytes.size(); at += 4) {
        region.cells.push_back(wordAt(bytes, at));
    }
    return region;
}

} // namespace bse
