#include "files/board_set_format.h"

#include <algorithm>
#include <optional>
#include <string>

namespace bse {

namespace {

constexpr std::size_t countOffset = 8;
constexpr std::size_t fieldSize = 4;
constexpr std::array<std::uint8_t, 5> constantBlock{1, 0, 0, 0, 0};

// Reads fields from a file image; fields past the end read as 0, as a short read leaves them.
class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool hasField() const { return position_ + fieldSize <= bytes_.size(); }
    std::uint8_t field() {
        const std::uint8_t value = position_ < bytes_.size() ? bytes_[position_] : 0;
        position_ += fieldSize;
        return value;
    }
    bool has(std::size_t count) const { return position_ + count <= bytes_.size(); }
    std::span<const std::uint8_t> take(std::size_t count) {
        const auto taken = bytes_.subspan(position_, count);
        position_ += count;
        return taken;
    }
    void skip(std::size_t count) { position_ += count; }
    void seek(std::size_t position) { position_ = position; }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

// A stored string: its length (terminator included), then the characters and a zero byte.
std::optional<std::string> readString(Reader& reader) {
    if (!reader.hasField()) {
        return std::nullopt;
    }
    const std::size_t stored = reader.field();
    if (stored == 0 || !reader.has(stored)) {
        return std::nullopt;
    }
    const auto characters = reader.take(stored);
    if (characters.back() != 0) {
        return std::nullopt;
    }
    // Whatever a reader of C strings would see: up to the first zero byte.
    const auto end = std::find(characters.begin(), characters.end(), std::uint8_t{0});
    return std::string(characters.begin(), end);
}

// The encoder writes into a buffer sized beforehand: growing a vector piece by piece makes
// gcc's optimiser warn about writes it cannot prove to be in bounds.
using Output = std::vector<std::uint8_t>::iterator;

std::size_t storedLength(const std::string& text) {
    return std::min(text.size(), maxStoredStringLength);
}

Output writeField(Output at, std::uint32_t value) {
    *at++ = static_cast<std::uint8_t>(value & 0xff);
    return std::fill_n(at, fieldSize - 1, std::uint8_t{0});
}

Output writeString(Output at, const std::string& text) {
    const std::size_t length = storedLength(text);
    at = writeField(at, static_cast<std::uint32_t>(length + 1));
    at = std::copy_n(text.begin(), length, at);
    *at++ = 0;
    return at;
}

} // namespace

bool checkBoardSetHeader(std::span<const std::uint8_t> bytes) {
    std::array<std::uint8_t, 8> header{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), header.size()), header.begin());
    // Compared as zero-terminated strings: "BDST" 02, then the terminator at byte 5.
    return std::equal(header.begin(), header.begin() + 6, boardSetHeader.begin());
}

bool readBoardSet(BoardSet& boardSet, std::span<const std::uint8_t> bytes) {
    if (!checkBoardSetHeader(bytes)) {
        return false;
    }
    Reader reader(bytes);
    reader.seek(countOffset);
    if (!reader.hasField()) {
        return false;
    }
    const int count = reader.field();
    if (count < 1 || count > maxBoards) {
        return false;
    }
    std::array<std::string, 4> strings;
    for (std::string& text : strings) {
        std::optional<std::string> read = readString(reader);
        if (!read) {
            return false;
        }
        text = std::move(*read);
    }
    reader.skip(constantBlock.size());

    boardSet.lastBoardIndex = count - 1;
    boardSet.brickImagePath = std::move(strings[0]);
    boardSet.backgroundImagePath = std::move(strings[1]);
    boardSet.boardSetName = std::move(strings[2]);
    boardSet.authorName = std::move(strings[3]);
    for (int b = 0; b < count; ++b) {
        Board& board = boardSet.boards[static_cast<std::size_t>(b)];
        board.background = reader.field();
        for (BlockCode& cell : board.cells) {
            cell = blockCodeFor(reader.field());
        }
    }
    return true;
}

std::vector<std::uint8_t> encodeBoardSet(const BoardSet& boardSet) {
    const int count = std::clamp(boardSet.boardCount(), 0, maxBoards);
    const std::array<const std::string*, 4> strings{&boardSet.brickImagePath,
                                                    &boardSet.backgroundImagePath,
                                                    &boardSet.boardSetName, &boardSet.authorName};
    std::size_t size = boardSetHeader.size() + fieldSize + constantBlock.size() +
                       boardRecordSize * static_cast<std::size_t>(count);
    for (const std::string* text : strings) {
        size += fieldSize + storedLength(*text) + 1;
    }
    std::vector<std::uint8_t> out(size);
    Output at = std::copy(boardSetHeader.begin(), boardSetHeader.end(), out.begin());
    at = writeField(at, static_cast<std::uint32_t>(count));
    for (const std::string* text : strings) {
        at = writeString(at, *text);
    }
    at = std::copy(constantBlock.begin(), constantBlock.end(), at);
    for (int b = 0; b < count; ++b) {
        const Board& board = boardSet.boards[static_cast<std::size_t>(b)];
        at = writeField(at, board.background);
        for (const BlockCode cell : board.cells) {
            at = writeField(at, blockNumberFor(cell));
        }
    }
    return out;
}

} // namespace bse
