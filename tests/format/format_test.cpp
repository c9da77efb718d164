#include "format/board_set_format.h"
#include "format/board_text.h"
#include "format/recovery_copy.h"
#include "format/region_text.h"
#include "format/version1_import.h"
#include "support/board_set_checks.h"
#include "support/golden.h"

#include <algorithm>
#include <filesystem>

namespace bse::test {
namespace {

std::string cells(const Board& board) {
    std::string text;
    for (std::size_t i = 0; i < board.cells.size(); ++i) {
        text += (i % boardRows == 0 ? "\n    " : " ") + std::to_string(board.cells[i]);
    }
    return text;
}

std::string describe(const BoardSet& set) {
    std::string text = std::to_string(set.boardCount()) + " boards, '" + set.brickImagePath +
                       "', '" + set.backgroundImagePath + "', '" + set.boardSetName + "', '" +
                       set.authorName + "'";
    for (int b = 0, same = 1; b < set.boardCount(); b = same++) {
        text += "\n  board " + std::to_string(b + 1) + ", background " +
                std::to_string(set.board(b).background) +
                ", a column a line:" + cells(set.board(b));
        while (same < set.boardCount() && set.board(same).background == set.board(b).background &&
               set.board(same).cells == set.board(b).cells) {
            ++same;
        }
        text += same > b + 1 ? "\n  boards up to " + std::to_string(same) + " the same" : "";
    }
    return text;
}

// The files the format description gives for three BoardSets, byte for byte; reading them
// gives the BoardSets back, as far as a file keeps them.
TEST(BoardSetFormat, WritesAndReadsFilesByteForByte) {
    BoardSet defaults;
    setDefaultStrings(defaults);
    BoardSet names;
    names.boardSetName = "Untitled Board";
    names.authorName = "Unknown";
    BoardSet three;
    three.lastBoardIndex = 2;
    three.brickImagePath = "a";
    three.boardSetName = "\xe9t\xe9 254" + std::string(247, 'n');
    three.authorName = std::string(300, 'x'); // only 254 bytes fit
    for (int k = 0; k < 3; ++k) {
        three.board(k).background = static_cast<std::uint32_t>(7 * k + 1);
        for (std::size_t i = 0; i < 400; ++i) {
            three.board(k).cells[i] = static_cast<BlockCode>((i + k) % 46);
        }
    }
    three.board(3).background = 99; // past the list: not written
    const std::pair<const char*, const BoardSet*> cases[] = {{"default_one_board.bds", &defaults},
                                                             {"names_only.bds", &names},
                                                             {"three_boards.bds", &three}};
    for (const auto& [file, set] : cases) {
        SCOPED_TRACE(file);
        const auto expected = fileContents(dataPath(std::string("format/") + file));
        EXPECT_EQ(encodeBoardSet(*set), expected);
        const Result<BoardSet> read = readBoardSet(expected);
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(encodeBoardSet(*read), expected);
    }
}

// Every file of the fuzzers' seed corpus, read as File > Open reads it: what it holds, or why it
// is refused and where.
TEST(BoardSetFormat, ReadsOrRefusesEverySeedFile) {
    std::vector<std::filesystem::path> files;
    std::ranges::copy(std::filesystem::directory_iterator(BSE_CORPUS "/board_set_reader"),
                      std::back_inserter(files));
    std::ranges::sort(files);
    std::string text;
    for (const auto& path : files) {
        const auto bytes = fileContents(path);
        const Result<BoardSet> read = readBoardSet(bytes);
        text += "== " + path.filename().string() + ": " +
                (read ? describe(*read) : "refused: " + read.reason()) + "\n";
        if (read) {
            EXPECT_EQ(check::brokenInvariant(*read), "") << path;
            EXPECT_EQ(encodeBoardSet(*readBoardSet(encodeBoardSet(*read))), encodeBoardSet(*read));
        }
    }
    expectGolden("format/corpus.log", text);
}

// The first game's files: the translation of every code at every position of two boards, and
// the sizes refused.
TEST(Version1Import, TranslatesEveryCodeRowByRow) {
    std::vector<std::uint8_t> file(800);
    for (std::size_t i = 0; i < file.size(); ++i) {
        file[i] = static_cast<std::uint8_t>(i % 256);
    }
    std::string text;
    const auto boards = readVersion1Boards(file);
    ASSERT_TRUE(boards.ok());
    for (const BoardCells& board : *boards) {
        text += "== board, a column a line:" + cells(Board{board, 0}) + "\n";
    }
    for (const std::size_t size : {0, 399, 400, 80399, 80400, 1000000}) {
        const Status check = checkVersion1Size(size);
        text += std::to_string(size) + " bytes: " + (check ? "ok" : check.reason()) + "\n";
        EXPECT_EQ(readVersion1Boards(std::vector<std::uint8_t>(size)).ok(), check.ok());
    }
    expectGolden("format/version1.log", text);
}

} // namespace
} // namespace bse::test

namespace bse {
namespace {

// A recovery copy gives back the BoardSet, its current board and its file; a damaged one is
// refused.
TEST(RecoveryCopy, KeepsBoardsCurrentBoardAndFileAndRefusesDamage) {
    BoardSet set = check::markedBoardSet();
    set.currentBoard = set.lastBoardIndex;
    const std::vector<std::uint8_t> bytes = encodeRecoveryCopy(set, "/w/a b.BDS");
    const Result<RecoveredWork> read = readRecoveryCopy(bytes);
    ASSERT_TRUE(read) << read.reason();
    BoardSet saved = *readBoardSet(encodeBoardSet(set)); // what a Save would keep of it
    saved.currentBoard = set.currentBoard;
    EXPECT_EQ(check::firstDifference(read->boardSet, saved), "");
    EXPECT_EQ(read->fileName, "/w/a b.BDS");
    const std::string head = "BoardSet recovery copy 1\nboard ";
    const auto refusal = [&](const std::string& text) {
        return readRecoveryCopy(std::vector<std::uint8_t>(text.begin(), text.end())).reason();
    };
    EXPECT_EQ(refusal("BoardSet"), "It is not a recovery copy of this editor.");
    // The path's length past the end, to the end, or short of its line end.
    for (const char* damaged :
         {"1\npath 9\n/w/a.BDS", "1\npath 8\n/w/a.BDS", "1\npath 3\n/w/a.BDS\n"}) {
        SCOPED_TRACE(damaged);
        EXPECT_EQ(refusal(head + damaged), "Its description of the BoardSet is damaged.");
    }
    std::vector<std::uint8_t> other = bytes;
    other[head.size()] = '9'; // of 6 boards
    EXPECT_EQ(readRecoveryCopy(other).reason(), "Its current board 9 is not in the BoardSet.");
}

// Text from other programs: Windows line ends read as the others; past the limit, no board.
TEST(BoardText, ReadsWindowsLineEndsAndNothingPastTheLimit) {
    BoardCells cells{};
    cells[0] = 2;
    cells[cellsPerBoard - 1] = 43;
    std::string text;
    for (const char c : boardText(cells)) {
        text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    const auto read = boardFromText(text), unix = boardFromText(boardText(cells));
    ASSERT_TRUE(read && *read) << (read ? read->reason() : "not a board");
    EXPECT_EQ(read->value(), unix->value());
    EXPECT_EQ(read->value()[0], 2u);
    EXPECT_FALSE(boardFromText(boardText(cells) + std::string(clipboardByteLimit, ' ')));
}

// The clipboard's own type: four bytes a cell, lowest first, whatever a damaged file put there.
TEST(BoardCellBytes, KeepEveryBitOfEveryCell) {
    BoardCells cells{};
    cells[1] = 0x01020304;
    std::vector<std::uint8_t> bytes = boardCellBytes(cells);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 4, bytes.begin() + 8),
              (std::vector<std::uint8_t>{4, 3, 2, 1}));
    EXPECT_EQ(boardFromCellBytes(bytes).value(), cells);
    bytes.resize(clipboardByteLimit + 1);
    EXPECT_EQ(boardFromCellBytes(bytes).reason(),
              "The board on the clipboard has more than 65536 bytes, not the 1600 of 400 cells, "
              "so it is no board of this editor's.");
}

// A part of a board on the clipboard comes back as it went; text that is no part of a board, and
// a whole board's bytes, are nothing.
TEST(RegionText, ComesBackAsItWentAndTellsPartsFromOtherText) {
    const Region region{2, 3, {2, 3, 1, 43, 1, 5}};
    EXPECT_EQ(regionText(region), "1g\n2.\n.4\n");
    EXPECT_EQ(regionFromText("\n \n1g\r\n2.\n.4\n\n"), region);
    EXPECT_EQ(regionFromCellBytes(regionCellBytes(region)), region);
    const Region wide{20, 1, std::vector<BlockCode>(20, 0x01020304)}; // every bit of a cell kept
    EXPECT_EQ(regionFromCellBytes(regionCellBytes(wide)), wide);
    EXPECT_EQ(regionFromText(std::string(20, '1'))->width, 20);
    const std::string rows21 = regionText({1, 21, std::vector<BlockCode>(21, 2)});
    for (const std::string& text : {std::string("12\n1"), std::string("1 2"), std::string(21, '1'),
                                    std::string("\n\n"), rows21}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(regionFromText(text), std::nullopt);
    }
    EXPECT_EQ(regionFromCellBytes(boardCellBytes(BoardCells{})), std::nullopt);
}

} // namespace
} // namespace bse
