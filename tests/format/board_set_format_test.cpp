#include "format/board_set_format.h"
#include "model/board_set.h"
#include "support/legacy_checks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace bse {
namespace {

using test::expectSameBoard;
using test::expectSameSet;
using test::markedSet;

using Bytes = std::vector<std::uint8_t>;

// Builds file images by hand, straight from the layout, so the reader is never checked against
// the writer alone.
class FileImage {
  public:
    FileImage& raw(std::initializer_list<int> values) {
        for (const int v : values) {
            bytes.push_back(static_cast<std::uint8_t>(v));
        }
        return *this;
    }
    FileImage& chars(const std::string& text) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        return *this;
    }
    FileImage& field(int value) { return raw({value, 0, 0, 0}); }
    FileImage& text(const std::string& characters) {
        field(static_cast<int>(characters.size()) + 1);
        chars(characters);
        return raw({0});
    }
    FileImage& header() { return raw({0x42, 0x44, 0x53, 0x54, 0x02, 0x00, 0x00, 0x00}); }
    FileImage& constant() { return raw({0x01, 0x00, 0x00, 0x00, 0x00}); }
    FileImage& zeros(std::size_t count) {
        bytes.insert(bytes.end(), count, 0);
        return *this;
    }
    Bytes bytes;
};

// One board of one cell value, as a file stores it.
Board filledBoard(std::uint32_t background, BlockCode code) {
    Board board;
    board.background = background;
    board.cells.fill(code);
    return board;
}

TEST(BoardSetFormat, HeaderTestLooksAtTheFirstSixBytesOnly) {
    const Bytes exact{0x42, 0x44, 0x53, 0x54, 0x02, 0x00, 0x00, 0x00};
    EXPECT_TRUE(checkBoardSetHeader(exact));
    EXPECT_TRUE(checkBoardSetHeader(Bytes{0x42, 0x44, 0x53, 0x54, 0x02, 0x00, 0xFF, 0xFF}));
    EXPECT_TRUE(checkBoardSetHeader(Bytes{0x42, 0x44, 0x53, 0x54, 0x02, 0x00, 0x01, 0x00, 0x07}));
    // Missing bytes count as zero.
    EXPECT_TRUE(checkBoardSetHeader(Bytes{0x42, 0x44, 0x53, 0x54, 0x02, 0x00}));
    EXPECT_TRUE(checkBoardSetHeader(Bytes{0x42, 0x44, 0x53, 0x54, 0x02}));

    EXPECT_FALSE(checkBoardSetHeader(Bytes{}));
    EXPECT_FALSE(checkBoardSetHeader(Bytes{0x42, 0x44, 0x53, 0x54}));
    EXPECT_FALSE(checkBoardSetHeader(Bytes{0x42, 0x44, 0x53, 0x54, 0x03, 0x00, 0x00, 0x00}));
    EXPECT_FALSE(checkBoardSetHeader(Bytes{0x42, 0x44, 0x53, 0x54, 0x02, 0x01, 0x00, 0x00}));
    EXPECT_FALSE(checkBoardSetHeader(Bytes{0x62, 0x64, 0x73, 0x74, 0x02, 0x00, 0x00, 0x00}));
    EXPECT_FALSE(checkBoardSetHeader(Bytes{0x42, 0x44, 0x53, 0x54, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_FALSE(checkBoardSetHeader(Bytes{0x02, 0x00, 0x00, 0x00}));

    // Any change in bytes 0..5 refuses; bytes 6 and 7 may hold anything.
    for (std::size_t position = 0; position < exact.size(); ++position) {
        for (const int delta : {1, 0x20, 0x80}) {
            Bytes changed = exact;
            changed[position] = static_cast<std::uint8_t>(changed[position] + delta);
            EXPECT_EQ(checkBoardSetHeader(changed), position >= 6)
                << "byte " << position << " changed by " << delta;
        }
    }
}

TEST(BoardSetFormat, WritesOneClearedBoardWithUntitledNamesByteForByte) {
    auto set = std::make_unique<BoardSet>();
    set->boardSetName = "Untitled Board";
    set->authorName = "Unknown";
    Bytes expected{
        0x42, 0x44, 0x53, 0x54, 0x02, 0x00, 0x00, 0x00,                      // "BDST", version 2
        0x01, 0x00, 0x00, 0x00,                                              // one board
        0x01, 0x00, 0x00, 0x00, 0x00,                                        // brick path ""
        0x01, 0x00, 0x00, 0x00, 0x00,                                        // background path ""
        0x0F, 0x00, 0x00, 0x00, 'U',  'n',  't',  'i',  't', 'l', 'e',       // name
        'd',  ' ',  'B',  'o',  'a',  'r',  'd',  0x00,                      //
        0x08, 0x00, 0x00, 0x00, 'U',  'n',  'k',  'n',  'o', 'w', 'n', 0x00, // author
        0x01, 0x00, 0x00, 0x00, 0x00,                                        // constant
    };
    expected.insert(expected.end(), 1604, 0x00);
    ASSERT_EQ(expected.size(), 1662u);
    EXPECT_EQ(encodeBoardSet(*set), expected);
}

TEST(BoardSetFormat, WritesTheDefaultStringsInOrderWithTheirLengths) {
    auto set = std::make_unique<BoardSet>();
    setDefaultStrings(*set);
    const FileImage expected = FileImage()
                                   .header()
                                   .raw({0x01, 0x00, 0x00, 0x00})
                                   .raw({0x22, 0x00, 0x00, 0x00})
                                   .chars("X:\\Plinkor\\Boards\\TollanBrick.img")
                                   .raw({0x00})
                                   .raw({0x27, 0x00, 0x00, 0x00})
                                   .chars("X:\\Plinkor\\Boards\\TollanBackground.img")
                                   .raw({0x00})
                                   .raw({0x0F, 0x00, 0x00, 0x00})
                                   .chars("Untitled Board")
                                   .raw({0x00})
                                   .raw({0x08, 0x00, 0x00, 0x00})
                                   .chars("Unknown")
                                   .raw({0x00})
                                   .constant()
                                   .zeros(1604);
    EXPECT_EQ(expected.bytes.size(), 1641u + 33 + 38 + 14 + 7);
    EXPECT_EQ(encodeBoardSet(*set), expected.bytes);

    // Four different strings land in the fixed order: brick, background, name, author.
    set->brickImagePath = "a";
    set->backgroundImagePath = "bc";
    set->boardSetName = "def";
    set->authorName = "ghij";
    const Bytes ordered = FileImage()
                              .header()
                              .raw({1, 0, 0, 0})
                              .raw({2, 0, 0, 0, 'a', 0})
                              .raw({3, 0, 0, 0, 'b', 'c', 0})
                              .raw({4, 0, 0, 0, 'd', 'e', 'f', 0})
                              .raw({5, 0, 0, 0, 'g', 'h', 'i', 'j', 0})
                              .raw({1, 0, 0, 0, 0})
                              .zeros(1604)
                              .bytes;
    EXPECT_EQ(encodeBoardSet(*set), ordered);
}

TEST(BoardSetFormat, StringLengthsIncludeTheTerminator) {
    for (const std::size_t characters : {0u, 1u, 199u, 254u}) {
        auto set = std::make_unique<BoardSet>();
        const std::string text(characters, 'q');
        set->authorName = text;
        // Brick, background and name are empty: one length field and a zero byte each.
        Bytes expected{0x42, 0x44, 0x53, 0x54, 0x02, 0x00, 0x00, 0x00, 0x01,
                       0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x01,
                       0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00};
        expected.push_back(static_cast<std::uint8_t>(characters + 1));
        expected.insert(expected.end(), {0x00, 0x00, 0x00});
        expected.insert(expected.end(), characters, 'q');
        expected.insert(expected.end(), {0x00, 0x01, 0x00, 0x00, 0x00, 0x00});
        expected.insert(expected.end(), 1604, 0x00);
        const Bytes written = encodeBoardSet(*set);
        EXPECT_EQ(written.size(), 1641 + characters);
        EXPECT_EQ(written, expected) << characters << " characters";
    }
    const std::vector<std::pair<std::size_t, int>> storedLengths{
        {0, 1}, {1, 2}, {199, 200}, {254, 255}};
    for (const auto& [characters, stored] : storedLengths) {
        auto set = std::make_unique<BoardSet>();
        set->brickImagePath = std::string(characters, 'z');
        const Bytes written = encodeBoardSet(*set);
        ASSERT_GT(written.size(), 16u);
        EXPECT_EQ(written[12], stored) << characters << " characters";
        EXPECT_EQ(written[13], 0);
        EXPECT_EQ(written[14], 0);
        EXPECT_EQ(written[15], 0);
        EXPECT_EQ(written[16 + characters], 0) << "terminator after " << characters;
    }
}

TEST(BoardSetFormat, FileSizeFollowsBoardCountAndCharacters) {
    auto set = std::make_unique<BoardSet>();
    EXPECT_EQ(encodeBoardSet(*set).size(), 1641u);
    set->lastBoardIndex = 1;
    EXPECT_EQ(encodeBoardSet(*set).size(), 1641u + 1604);
    set->lastBoardIndex = 9;
    EXPECT_EQ(encodeBoardSet(*set).size(), 1641u + 9 * 1604);
    set->boardSetName = "abc";
    EXPECT_EQ(encodeBoardSet(*set).size(), 1641u + 9 * 1604 + 3);
    set->brickImagePath = "x";
    set->authorName = "yy";
    set->backgroundImagePath = "wwww";
    EXPECT_EQ(encodeBoardSet(*set).size(), 1641u + 9 * 1604 + 10);

    auto full = std::make_unique<BoardSet>();
    setDefaultStrings(*full);
    full->lastBoardIndex = 199;
    const Bytes written = encodeBoardSet(*full);
    EXPECT_EQ(written.size(), 320929u);
    ASSERT_GT(written.size(), 12u);
    EXPECT_EQ((Bytes{written.begin() + 8, written.begin() + 12}), (Bytes{0xC8, 0x00, 0x00, 0x00}));
}

TEST(BoardSetFormat, WritesBoardsColumnMajorAsBlockNumbersAndOnlyUpToTheCount) {
    auto set = std::make_unique<BoardSet>();
    set->lastBoardIndex = 1;
    Board& first = set->boards[0];
    first.background = 300;
    first.cells[0] = 2;
    first.cells[1] = 43;  // column 0, row 1
    first.cells[20] = 44; // column 1, row 0
    first.cells[21] = 45;
    first.cells[100] = 1;
    first.cells[101] = 10;
    first.cells[398] = 258; // above every block: written as empty, not as its low byte
    first.cells[399] = 23;  // column 19, row 19
    Board& second = set->boards[1];
    second.background = 255;
    second.cells.fill(7);
    // Slots past the count are left out of the file.
    set->boards[2] = filledBoard(9, 9);
    set->boards[199] = filledBoard(9, 9);

    FileImage expected;
    expected.header()
        .raw({0x02, 0x00, 0x00, 0x00})
        .raw({0x01, 0x00, 0x00, 0x00, 0x00})
        .raw({0x01, 0x00, 0x00, 0x00, 0x00})
        .raw({0x01, 0x00, 0x00, 0x00, 0x00})
        .raw({0x01, 0x00, 0x00, 0x00, 0x00})
        .raw({0x01, 0x00, 0x00, 0x00, 0x00});
    // First board: background 300 keeps its low byte 0x2C.
    expected.raw({0x2C, 0x00, 0x00, 0x00})
        .raw({0x01, 0x00, 0x00, 0x00})  // cell 0: code 2
        .raw({0x2A, 0x00, 0x00, 0x00}); // cell 1: code 43
    expected.zeros(4 * 18);             // cells 2..19
    expected
        .raw({0x00, 0x00, 0x00, 0x00})  // cell 20: code 44, the eraser
        .raw({0x00, 0x00, 0x00, 0x00}); // cell 21: code 45
    expected.zeros(4 * 78);             // cells 22..99
    expected
        .raw({0x00, 0x00, 0x00, 0x00})  // cell 100: code 1
        .raw({0x09, 0x00, 0x00, 0x00}); // cell 101: code 10
    expected.zeros(4 * 296);            // cells 102..397
    expected
        .raw({0x00, 0x00, 0x00, 0x00})  // cell 398: code 258
        .raw({0x16, 0x00, 0x00, 0x00}); // cell 399: code 23
    // Second board: background 255, every cell code 7.
    expected.raw({0xFF, 0x00, 0x00, 0x00});
    for (int i = 0; i < 400; ++i) {
        expected.raw({0x06, 0x00, 0x00, 0x00});
    }
    ASSERT_EQ(expected.bytes.size(), 1641u + 1604);
    EXPECT_EQ(encodeBoardSet(*set), expected.bytes);
}

TEST(BoardSetFormat, EveryCellCodeWritesItsBlockNumberOrZero) {
    // Codes 0..299, spread over one board; the expected value follows the rule, not the writer.
    auto set = std::make_unique<BoardSet>();
    for (std::size_t i = 0; i < 300; ++i) {
        set->boards[0].cells[i] = static_cast<BlockCode>(i);
    }
    set->boards[0].cells[300] = 0x100 + 5;
    set->boards[0].cells[301] = 0xFFFFFFFFu;
    const Bytes written = encodeBoardSet(*set);
    ASSERT_EQ(written.size(), 1641u);
    const std::size_t cellsStart = 37 + 4; // after the constant bytes and the background
    for (std::size_t i = 0; i < 400; ++i) {
        const std::size_t at = cellsStart + 4 * i;
        const int expected = (i >= 1 && i <= 43) ? static_cast<int>(i) - 1 : 0;
        EXPECT_EQ(written[at], expected) << "cell " << i;
        EXPECT_EQ(written[at + 1], 0) << "cell " << i;
        EXPECT_EQ(written[at + 2], 0) << "cell " << i;
        EXPECT_EQ(written[at + 3], 0) << "cell " << i;
    }
}

TEST(BoardSetFormat, ReadsAHandWrittenFileAndLeavesTheRestAlone) {
    FileImage file;
    file.header().field(3).text("bricks.img").text("").text("My Boards").text("Ann").constant();
    // Board 0: background 17; cells 0 (→1), 1 (→2), 42 (→43), 43 (→44), 255 (→256), rest 0.
    file.field(17).field(0).field(1).field(42).field(43).field(255);
    for (int i = 5; i < 400; ++i) {
        file.field(0);
    }
    // Board 1: background 255; cell i holds i % 256.
    file.field(255);
    for (int i = 0; i < 400; ++i) {
        file.field(i % 256);
    }
    // Board 2: fields whose upper three bytes are not zero: only the first byte counts.
    file.raw({0x2C, 0x01, 0x00, 0x00});
    for (int i = 0; i < 400; ++i) {
        file.raw({0x05, 0xFF, 0xFF, 0xFF});
    }
    ASSERT_EQ(file.bytes.size(), 33u + 11 + 1 + 10 + 4 + 3 * 1604);

    auto set = markedSet();
    set->currentBoard = 150;
    auto expected = markedSet();
    expected->currentBoard = 150;
    expected->lastBoardIndex = 2;
    expected->brickImagePath = "bricks.img";
    expected->backgroundImagePath = "";
    expected->boardSetName = "My Boards";
    expected->authorName = "Ann";
    expected->boards[0] = filledBoard(17, 1);
    expected->boards[0].cells[1] = 2;
    expected->boards[0].cells[2] = 43;
    expected->boards[0].cells[3] = 44;
    expected->boards[0].cells[4] = 256;
    expected->boards[1].background = 255;
    for (std::size_t i = 0; i < 400; ++i) {
        expected->boards[1].cells[i] = static_cast<BlockCode>(i % 256 + 1);
    }
    expected->boards[2] = filledBoard(0x2C, 6);

    EXPECT_TRUE(readBoardSet(*set, file.bytes));
    expectSameSet(*set, *expected);
}

TEST(BoardSetFormat, OnlyTheFirstByteOfCountAndLengthFieldsCounts) {
    // 2C 01 00 00 is 44 boards, not 300; a length field 04 07 00 00 is 4.
    FileImage file;
    file.header()
        .raw({0x2C, 0x01, 0x00, 0x00})
        .raw({0x04, 0x07, 0x00, 0x00})
        .chars("abc")
        .raw({0})
        .raw({0x01, 0xFF, 0xFF, 0xFF, 0x00})
        .raw({0x02, 0x01, 0x00, 0x00, 'n', 0x00})
        .raw({0x01, 0x00, 0x00, 0x80, 0x00})
        .constant();
    for (int b = 0; b < 44; ++b) {
        file.field(b);
        file.zeros(1600);
    }
    auto set = markedSet();
    auto expected = markedSet();
    expected->lastBoardIndex = 43;
    expected->brickImagePath = "abc";
    expected->backgroundImagePath = "";
    expected->boardSetName = "n";
    expected->authorName = "";
    for (std::size_t b = 0; b < 44; ++b) {
        expected->boards[b] = filledBoard(static_cast<std::uint32_t>(b), 1);
    }
    EXPECT_TRUE(readBoardSet(*set, file.bytes));
    expectSameSet(*set, *expected);
}

TEST(BoardSetFormat, StringKeepsOnlyTheCharactersBeforeItsFirstZero) {
    FileImage file;
    file.header()
        .field(1)
        .raw({0x06, 0x00, 0x00, 0x00, 'A', 'B', 0x00, 'C', 'D', 0x00})
        .raw({0x03, 0x00, 0x00, 0x00, 0x00, 'x', 0x00})
        .raw({0x01, 0x00, 0x00, 0x00, 0x00})
        .raw({0x05, 0x00, 0x00, 0x00, 'W', 'X', 'Y', 'Z', 0x00})
        .constant()
        .zeros(1604);
    auto set = markedSet();
    EXPECT_TRUE(readBoardSet(*set, file.bytes));
    EXPECT_EQ(set->brickImagePath, "AB");
    EXPECT_EQ(set->backgroundImagePath, "");
    EXPECT_EQ(set->boardSetName, "");
    EXPECT_EQ(set->authorName, "WXYZ");
    EXPECT_EQ(set->lastBoardIndex, 0);

    // The longest string a length byte can describe reads back whole, and bytes above 0x7F stay.
    const std::string longest(254, '\xE9');
    FileImage longFile;
    longFile.header().field(1).text(longest).text("").text("").text("").constant().zeros(1604);
    auto other = markedSet();
    EXPECT_TRUE(readBoardSet(*other, longFile.bytes));
    EXPECT_EQ(other->brickImagePath, longest);
}

TEST(BoardSetFormat, RefusesDamagedFilesWithoutChangingAnything) {
    const auto good = [] {
        FileImage file;
        file.header().field(2).text("b").text("g").text("n").text("a").constant();
        file.zeros(2 * 1604);
        return file;
    };
    // Offsets in the good file: count 8; strings at 12, 18, 24, 30 (each 4 + 2 bytes).
    std::vector<std::pair<std::string, Bytes>> damaged;
    const auto add = [&damaged](std::string what, Bytes bytes) {
        damaged.emplace_back(std::move(what), std::move(bytes));
    };
    const auto changed = [&good](std::size_t at, std::uint8_t value) {
        Bytes bytes = good().bytes;
        bytes[at] = value;
        return bytes;
    };
    const auto cut = [&good](std::size_t size) {
        Bytes bytes = good().bytes;
        bytes.resize(size);
        return bytes;
    };

    add("empty", {});
    add("lower-case magic", changed(0, 'b'));
    add("version 3", changed(4, 3));
    add("version 02 01", changed(5, 1));
    for (std::size_t size = 5; size < 12; ++size) {
        add("ends inside the count, size " + std::to_string(size), cut(size));
    }
    add("count 0", changed(8, 0));
    {
        Bytes bytes = changed(8, 0);
        bytes[9] = 1; // 00 01 00 00: still a count of 0
        add("count 00 01", bytes);
    }
    add("count 201", changed(8, 201));
    add("count 255", changed(8, 255));
    const std::size_t stringStarts[] = {12, 18, 24, 30};
    for (int s = 0; s < 4; ++s) {
        const std::size_t at = stringStarts[s];
        const std::string which = "string " + std::to_string(s);
        for (std::size_t size = at; size < at + 4; ++size) {
            add(which + " ends inside its length field, size " + std::to_string(size), cut(size));
        }
        add(which + " ends after its first stored byte", cut(at + 5));
        add(which + " stored length 0", changed(at, 0));
        add(which + " last stored byte not zero", changed(at + 5, 'z'));
    }
    {
        // The length reaches exactly one byte past the end.
        FileImage file;
        file.header().field(1).text("").text("").text("").raw({0x03, 0, 0, 0, 'x', 0});
        add("last string one byte short", file.bytes);
    }
    {
        // The last byte is zero but an earlier one is not: the terminator is the last one.
        FileImage file;
        file.header().field(1).text("").raw({0x03, 0, 0, 0, 0x00, 0x00, 'x'}).text("").text("");
        file.constant().zeros(1604);
        add("string ending in a character after a zero", file.bytes);
    }

    for (const auto& [what, bytes] : damaged) {
        SCOPED_TRACE(what);
        auto set = markedSet();
        const auto untouched = markedSet();
        EXPECT_FALSE(readBoardSet(*set, bytes));
        expectSameSet(*set, *untouched);
    }

    // The undamaged original and its limits are accepted, so the refusals above are about
    // the damage only.
    auto set = markedSet();
    EXPECT_TRUE(readBoardSet(*set, good().bytes));
    EXPECT_EQ(set->lastBoardIndex, 1);
    auto most = markedSet();
    EXPECT_TRUE(readBoardSet(*most, changed(8, 200)));
    EXPECT_EQ(most->lastBoardIndex, 199);
}

TEST(BoardSetFormat, MissingBoardDataLoadsAsBackgroundZeroAndEmptyCells) {
    // Three boards announced; the file stops inside the second.
    FileImage file;
    file.header().field(3).text("").text("").text("").text("").constant();
    file.field(4);
    for (int i = 0; i < 400; ++i) {
        file.field(2);
    }
    file.field(9); // second board's background
    for (int i = 0; i < 10; ++i) {
        file.field(20 + i); // cells 0..9
    }
    file.raw({0x07}); // cell 10: only its first byte is present

    auto set = markedSet();
    auto expected = markedSet();
    expected->lastBoardIndex = 2;
    expected->brickImagePath = "";
    expected->backgroundImagePath = "";
    expected->boardSetName = "";
    expected->authorName = "";
    expected->boards[0] = filledBoard(4, 3);
    expected->boards[1] = filledBoard(9, 1);
    for (std::size_t i = 0; i < 10; ++i) {
        expected->boards[1].cells[i] = static_cast<BlockCode>(21 + i);
    }
    expected->boards[1].cells[10] = 8;
    expected->boards[2] = filledBoard(0, 1);
    EXPECT_TRUE(readBoardSet(*set, file.bytes));
    expectSameSet(*set, *expected);

    // A file that stops right after the strings, and one whose background field is cut short.
    FileImage bare;
    bare.header().field(2).text("p").text("").text("").text("");
    auto emptied = markedSet();
    EXPECT_TRUE(readBoardSet(*emptied, bare.bytes));
    EXPECT_EQ(emptied->lastBoardIndex, 1);
    EXPECT_EQ(emptied->brickImagePath, "p");
    expectSameBoard(emptied->boards[0], filledBoard(0, 1), 0);
    expectSameBoard(emptied->boards[1], filledBoard(0, 1), 1);
    expectSameBoard(emptied->boards[2], markedSet()->boards[2], 2);

    bare.constant().raw({0x21, 0x00});
    auto partial = markedSet();
    EXPECT_TRUE(readBoardSet(*partial, bare.bytes));
    expectSameBoard(partial->boards[0], filledBoard(0x21, 1), 0);
    expectSameBoard(partial->boards[1], filledBoard(0, 1), 1);
}

TEST(BoardSetFormat, WriteReadWriteGivesTheSameBytes) {
    // Every background 0..255 and every cell code, spread over two full files.
    for (int half = 0; half < 2; ++half) {
        SCOPED_TRACE("half " + std::to_string(half));
        auto original = std::make_unique<BoardSet>();
        original->lastBoardIndex = 199;
        original->brickImagePath = "bricks\\set.img";
        original->backgroundImagePath = std::string(254, 'b');
        original->boardSetName = half == 0 ? "" : "Name \xC4\xE9";
        original->authorName = "Someone";
        for (std::size_t b = 0; b < 200; ++b) {
            Board& board = original->boards[b];
            board.background = static_cast<std::uint32_t>(half == 0 ? b : 56 + b);
            for (std::size_t i = 0; i < 400; ++i) {
                board.cells[i] = static_cast<BlockCode>((b + i) % 46);
            }
        }
        const Bytes first = encodeBoardSet(*original);
        auto copy = std::make_unique<BoardSet>();
        ASSERT_TRUE(readBoardSet(*copy, first));
        EXPECT_EQ(copy->lastBoardIndex, 199);
        EXPECT_EQ(copy->boardSetName, original->boardSetName);
        EXPECT_EQ(copy->backgroundImagePath, original->backgroundImagePath);
        for (std::size_t b = 0; b < 200; ++b) {
            const Board& board = copy->boards[b];
            EXPECT_EQ(board.background, original->boards[b].background);
            for (std::size_t i = 0; i < 400; ++i) {
                const BlockCode code = original->boards[b].cells[i];
                // Empty cells (0, 1, 44) come back as 1; blocks come back as they were.
                const BlockCode expected = (code >= 2 && code <= 43) ? code : 1;
                if (board.cells[i] != expected) {
                    ADD_FAILURE() << "board " << b << " cell " << i << ": code " << code
                                  << " read back as " << board.cells[i];
                }
            }
        }
        EXPECT_EQ(encodeBoardSet(*copy), first);
    }
}

} // namespace
} // namespace bse
