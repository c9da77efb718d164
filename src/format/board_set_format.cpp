#include "format/board_set_format.h"

#include <algorithm>
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

    std::size_t position() const { return position_; }
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

std::string at(std::size_t offset) {
    return " at byte " + std::to_string(offset);
}

constexpr std::array<const char*, 4> stringNames{"brick picture path", "background picture path",
                                                 "BoardSet name", "author name"};

// A stored string: its length (terminator included), then the characters and a zero byte.
Result<std::string> readString(Reader& reader, const char* name) {
    const std::size_t start = reader.position();
    if (!reader.hasField()) {
        return refuse(std::string("the file ends inside the length of the ") + name + at(start));
    }
    const std::size_t stored = reader.field();
    if (stored == 0) {
        return refuse(std::string("the ") + name + " has a stored length of 0" + at(start));
    }
    if (!reader.has(stored)) {
        return refuse(std::string("the file ends inside the ") + name + at(reader.position()));
    }
    const auto characters = reader.take(stored);
    if (characters.back() != 0) {
        return refuse(std::string("the ") + name + " does not end with a zero byte" +
                      at(reader.position() - 1));
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

Result<BoardSet> readBoardSet(std::span<const std::uint8_t> bytes) {
    if (!checkBoardSetHeader(bytes)) {
        return refuse("not a BoardSet: the file does not start with \"BDST\" version 2 at byte 0");
    }
    Reader reader(bytes);
    reader.seek(countOffset);
    if (!reader.hasField()) {
        return refuse("the file ends inside the board count" + at(countOffset));
    }
    const int count = reader.field();
    if (count < 1 || count > maxBoards) {
        return refuse("the board count is " + std::to_string(count) + ", not 1 to 200" +
                      at(countOffset));
    }
    std::array<std::string, 4> strings;
    for (std::size_t s = 0; s < strings.size(); ++s) {
        Result<std::string> read = readString(reader, stringNames[s]);
        if (!read) {
            return Refusal{read.reason()};
        }
        strings[s] = std::move(*read);
    }
    reader.skip(constantBlock.size());

    BoardSet boardSet;
    boardSet.lastBoardIndex = count - 1;
    boardSet.brickImagePath = std::move(strings[0]);
    boardSet.backgroundImagePath = std::move(strings[1]);
    boardSet.boardSetName = std::move(strings[2]);
    boardSet.authorName = std::move(strings[3]);
    for (int b = 0; b < count; ++b) {
        Board& board = boardSet.board(b);
        board.background = reader.field();
        for (BlockCode& cell : board.cells) {
            cell = blockCodeFor(reader.field());
        }
    }
    return boardSet;
}

std::optional<int> firstIncompleteBoard(std::span<const std::uint8_t> bytes) {
    Reader reader(bytes);
    reader.seek(countOffset);
    const int count = reader.field();
    for (std::size_t s = 0; s < stringNames.size(); ++s) {
        reader.skip(reader.field());
    }
    reader.skip(constantBlock.size());
    for (int b = 0; b < count; ++b) {
        if (!reader.has(boardRecordSize)) {
            return b + 1;
        }
        reader.skip(boardRecordSize);
    }
    return std::nullopt;
}

std::vector<std::uint8_t> encodeBoardSet(const BoardSet& boardSet, std::size_t spaceBefore) {
    const int count = std::clamp(boardSet.boardCount(), 0, maxBoards);
    const std::array<const std::string*, 4> strings{&boardSet.brickImagePath,
                                                    &boardSet.backgroundImagePath,
                                                    &boardSet.boardSetName, &boardSet.authorName};
    std::size_t size = boardSetHeader.size() + fieldSize + constantBlock.size() +
                       boardRecordSize * static_cast<std::size_t>(count);
    for (const std::string* text : strings) {
        size += fieldSize + storedLength(*text) + 1;
    }
    std::vector<std::uint8_t> out(spaceBefore + size);
    Output at = std::copy(boardSetHeader.begin(), boardSetHeader.end(),
                          out.begin() + static_cast<std::ptrdiff_t>(spaceBefore));
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
