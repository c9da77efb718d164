#include "editor/board_commands.h"
#include "editor/screen.h"
#include "support/fake_platform.h"
#include "view/drawing.h"

#include <gtest/gtest.h>

namespace bse {
namespace {

using test::FakePlatform;

constexpr const char* addQuestion = "Would you like to add a new board to the boardset?";

// Drives the editor by messages, as the menu and the keyboard do.
class BoardList : public ::testing::Test {
  protected:
    FakePlatform platform;
    std::unique_ptr<Editor> editor = test::startedEditor(platform);
    BoardSet& set() { return editor->boardSet; }

    void command(int id) { platform.send(WM_COMMAND, static_cast<WParam>(id), 0); }
    void key(WParam virtualKey) { platform.send(WM_KEYDOWN, virtualKey, 0); }

    // `count` boards whose cells all hold a mark of their own (board k: 2 + k) and whose
    // backgrounds are k + 1; slots past them keep background 100 + k.
    void makeBoards(int count, int current) {
        for (int k = 0; k < maxBoards; ++k) {
            Board& board = set().boards[static_cast<std::size_t>(k)];
            board.cells.fill(k < count ? mark(k) : 0);
            board.background = static_cast<std::uint32_t>(k < count ? k + 1 : 100 + k);
        }
        set().lastBoardIndex = count - 1;
        set().currentBoard = current;
        editor->modified = false;
        platform.clearRecords();
    }
    static BlockCode mark(int board) { return static_cast<BlockCode>(2 + board % 42); }
    // The marks of boards 0..lastBoardIndex, 0 for an empty board.
    std::vector<BlockCode> marks() {
        std::vector<BlockCode> result;
        for (int k = 0; k <= set().lastBoardIndex; ++k) {
            result.push_back(set().boards[static_cast<std::size_t>(k)].cells[217]);
        }
        return result;
    }
    std::vector<std::uint32_t> backgrounds(int count) {
        std::vector<std::uint32_t> result;
        for (int k = 0; k < count; ++k) {
            result.push_back(set().boards[static_cast<std::size_t>(k)].background);
        }
        return result;
    }
    std::string title(int current, int count) {
        return "Untitled Board - BoardSet Editor for Plinkor 2 - Board: " +
               std::to_string(current) + " of " + std::to_string(count);
    }
    // The grid shows block image `image` in its first cell.
    bool gridShowsInFirstCell(int image) {
        return editor->pictures.editorCanvas.at(25, 10) == test::blockPixel(image, 5, 6);
    }
};

TEST_F(BoardList, PreviousAndFirstOnTheFirstBoardOnlyBeep) {
    makeBoards(3, 0);
    key(VK_LEFT);
    key(VK_UP);
    command(ID_BOARD_PREVIOUS);
    command(ID_BOARD_FIRST);
    EXPECT_EQ(platform.beeps, 4);
    EXPECT_TRUE(platform.titles.empty());
    EXPECT_TRUE(platform.invalidated.empty());
    EXPECT_EQ(set().currentBoard, 0);
}

TEST_F(BoardList, MovingBetweenBoardsRewritesTheTitleAndShowsTheBoard) {
    makeBoards(5, 2);
    key(VK_LEFT);
    EXPECT_EQ(set().currentBoard, 1);
    EXPECT_EQ(platform.title(), title(2, 5));
    EXPECT_TRUE(gridShowsInFirstCell(mark(1)));
    // Previous and First rewrite the title before they redraw.
    EXPECT_EQ(platform.log.front(), "setWindowTitle " + title(2, 5));

    key(VK_RIGHT);
    EXPECT_EQ(platform.title(), title(3, 5));
    key(VK_DOWN);
    EXPECT_EQ(set().currentBoard, 4);
    EXPECT_EQ(platform.title(), title(5, 5));
    EXPECT_TRUE(gridShowsInFirstCell(mark(4)));
    key(VK_UP);
    EXPECT_EQ(set().currentBoard, 0);
    EXPECT_EQ(platform.title(), title(1, 5));
    EXPECT_TRUE(gridShowsInFirstCell(mark(0)));

    EXPECT_TRUE(platform.questions.empty());
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_FALSE(editor->modified);
}

TEST_F(BoardList, NextAndLastOnTheLastBoardOfferToAddOne) {
    for (const int id : {ID_BOARD_NEXT, ID_BOARD_LAST}) {
        makeBoards(5, 4);
        platform.answers = {Answer::No, Answer::Cancel};
        command(id);
        command(id);
        EXPECT_EQ(platform.questions, (std::vector<std::string>{addQuestion, addQuestion}));
        EXPECT_EQ(set().lastBoardIndex, 4);
        EXPECT_EQ(set().currentBoard, 4);
        EXPECT_FALSE(editor->modified);
        EXPECT_TRUE(platform.invalidated.empty());
        EXPECT_EQ(platform.titles, (std::vector<std::string>{title(5, 5), title(5, 5)}));

        platform.answers = {Answer::Yes};
        command(id);
        EXPECT_EQ(set().lastBoardIndex, 5);
        EXPECT_EQ(set().currentBoard, 5);
        EXPECT_TRUE(editor->modified);
        EXPECT_EQ(marks(), (std::vector<BlockCode>{2, 3, 4, 5, 6, 0}));
        EXPECT_EQ(set().boards[5].background, 105u) << "the slot keeps its number";
        EXPECT_TRUE(gridShowsInFirstCell(44));
        EXPECT_EQ(platform.title(), title(6, 6));
    }
}

TEST_F(BoardList, AddAppendsOnTheLastBoardAndOpensAfterTheCurrentOneElsewhere) {
    makeBoards(5, 4);
    command(ID_EDIT_ADDBOARD);
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_EQ(marks(), (std::vector<BlockCode>{2, 3, 4, 5, 6, 0}));
    EXPECT_EQ(set().currentBoard, 5);
    EXPECT_TRUE(editor->modified);
    EXPECT_EQ(platform.title(), title(6, 6));

    makeBoards(5, 1);
    command(ID_EDIT_ADDBOARD);
    EXPECT_EQ(marks(), (std::vector<BlockCode>{2, 3, 0, 4, 5, 6}));
    EXPECT_EQ(set().currentBoard, 2);
    EXPECT_EQ(backgrounds(6), (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 105}));
    EXPECT_TRUE(gridShowsInFirstCell(44));
    EXPECT_EQ(platform.title(), title(3, 6));
}

TEST_F(BoardList, InsertOpensAnEmptyBoardAtTheCurrentPosition) {
    makeBoards(5, 2);
    command(ID_EDIT_INSERTBOARD);
    EXPECT_EQ(marks(), (std::vector<BlockCode>{2, 3, 0, 4, 5, 6}));
    EXPECT_EQ(set().currentBoard, 2);
    EXPECT_EQ(backgrounds(6), (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 105}));
    EXPECT_TRUE(editor->modified);
    EXPECT_EQ(platform.title(), title(3, 6));

    makeBoards(1, 0);
    command(ID_EDIT_INSERTBOARD);
    EXPECT_EQ(marks(), (std::vector<BlockCode>{0, 2}));
    EXPECT_EQ(platform.title(), title(1, 2));
}

TEST_F(BoardList, DeleteMovesLaterBoardsDownAndBackgroundsStayWithPositions) {
    makeBoards(5, 2);
    command(ID_EDIT_DELETEBOARD);
    EXPECT_EQ(marks(), (std::vector<BlockCode>{2, 3, 5, 6}));
    EXPECT_EQ(backgrounds(4), (std::vector<std::uint32_t>{1, 2, 3, 4}));
    EXPECT_EQ(set().currentBoard, 2);
    EXPECT_TRUE(editor->modified);
    EXPECT_TRUE(gridShowsInFirstCell(5));
    EXPECT_EQ(platform.title(), title(3, 4));
    EXPECT_TRUE(platform.questions.empty());

    makeBoards(5, 4);
    command(ID_EDIT_DELETEBOARD);
    EXPECT_EQ(marks(), (std::vector<BlockCode>{2, 3, 4, 5}));
    EXPECT_EQ(set().currentBoard, 3);
    EXPECT_EQ(platform.title(), title(4, 4));
}

TEST_F(BoardList, DeleteOnTheOnlyBoardBeepsAndKeepsIt) {
    makeBoards(1, 0);
    command(ID_EDIT_DELETEBOARD);
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(set().lastBoardIndex, 0);
    EXPECT_EQ(marks(), std::vector<BlockCode>{2});
    EXPECT_FALSE(editor->modified);
    EXPECT_TRUE(platform.titles.empty());
}

TEST_F(BoardList, AtTwoHundredBoardsNothingAddsAndNothingIsAskedFirst) {
    const int adders[] = {ID_BOARD_NEXT, ID_BOARD_LAST, ID_EDIT_ADDBOARD, ID_EDIT_INSERTBOARD};
    for (const int id : adders) {
        makeBoards(200, 199);
        platform.answers = {Answer::Yes};
        command(id);
        EXPECT_TRUE(platform.questions.empty()) << id;
        ASSERT_EQ(platform.refusals.size(), 1u) << id;
        EXPECT_NE(platform.refusals[0].find("200"), std::string::npos);
        EXPECT_EQ(set().lastBoardIndex, 199);
        EXPECT_EQ(set().currentBoard, 199);
        EXPECT_FALSE(editor->modified);
        EXPECT_EQ(marks().back(), mark(199));
    }
    // Insert on the first board of a full BoardSet loses nothing either.
    makeBoards(200, 0);
    command(ID_EDIT_INSERTBOARD);
    EXPECT_EQ(marks().front(), mark(0));
    EXPECT_EQ(marks().back(), mark(199));
    // Below the limit the last slot can still be filled.
    makeBoards(199, 198);
    command(ID_EDIT_ADDBOARD);
    EXPECT_EQ(set().lastBoardIndex, 199);
    EXPECT_EQ(platform.title(), title(200, 200));
}

TEST_F(BoardList, CopyAndPasteMoveCellsOnlyAndPasteEnablesForGood) {
    makeBoards(3, 0);
    command(ID_EDIT_COPYBOARD);
    EXPECT_EQ(platform.menuEnabled.at(ID_EDIT_PASTEBOARD), true);
    EXPECT_FALSE(editor->modified);
    EXPECT_TRUE(platform.invalidated.empty());
    set().currentBoard = 2;
    command(ID_EDIT_PASTEBOARD);
    EXPECT_EQ(marks(), (std::vector<BlockCode>{2, 3, 2}));
    EXPECT_EQ(set().boards[2].background, 3u);
    EXPECT_TRUE(editor->modified);
    EXPECT_EQ(platform.invalidated, (std::vector<Rect>{{0, 0, 620, 304}}));
    EXPECT_TRUE(gridShowsInFirstCell(2));
    EXPECT_TRUE(platform.titles.empty());
    // The clipboard keeps its cells after the board it came from changes.
    set().boards[0].cells.fill(30);
    set().currentBoard = 1;
    command(ID_EDIT_PASTEBOARD);
    EXPECT_EQ(marks(), (std::vector<BlockCode>{30, 2, 2}));
}

TEST_F(BoardList, PasteBeforeAnyCopyEmptiesTheBoard) {
    makeBoards(2, 1);
    command(ID_EDIT_PASTEBOARD);
    EXPECT_EQ(marks(), (std::vector<BlockCode>{2, 0}));
    EXPECT_TRUE(editor->modified);
}

TEST_F(BoardList, ClearAsksAndClearsToTheBackdropsOwnEmptyCells) {
    makeBoards(2, 1);
    set().boards[1].background = 7;
    redrawBoard(*editor, platform);
    platform.clearRecords();
    platform.answers = {Answer::No, Answer::Cancel, Answer::Yes};
    command(ID_EDIT_CLEARBOARD);
    command(ID_EDIT_CLEARBOARD);
    EXPECT_EQ(marks(), (std::vector<BlockCode>{2, 3}));
    EXPECT_FALSE(editor->modified);
    EXPECT_TRUE(platform.invalidated.empty());

    command(ID_EDIT_CLEARBOARD);
    EXPECT_EQ(platform.questions,
              std::vector<std::string>(3, "Are you sure you want to clear the current board?"));
    EXPECT_EQ(marks(), (std::vector<BlockCode>{2, 0}));
    EXPECT_EQ(set().boards[1].background, 7u);
    EXPECT_TRUE(editor->modified);
    EXPECT_EQ(platform.cursors, (std::vector<Cursor>{Cursor::Wait, Cursor::Arrow}));
    EXPECT_EQ(platform.invalidated, (std::vector<Rect>{{0, 0, 620, 304}}));
    EXPECT_EQ(editor->pictures.editorCanvas.at(25, 10), test::backdropPixel(25, 10));
    EXPECT_TRUE(platform.titles.empty());

    // Clearing an empty board still marks the BoardSet modified.
    editor->modified = false;
    clearBoard(*editor, platform);
    EXPECT_TRUE(editor->modified);
}

} // namespace
} // namespace bse
