#include "editor/pointer.h"
#include "support/fake_platform.h"

#include <gtest/gtest.h>

namespace bse {
namespace {

using test::FakePlatform;

// The pointer as the desktop reports it: moves with a button-state word, presses, releases.
class Pointer : public ::testing::Test {
  protected:
    FakePlatform platform;
    std::unique_ptr<Editor> editor = test::startedEditor(platform);

    bool move(int x, int y, WParam state = 0) {
        return platform.send(WM_MOUSEMOVE, state, makePointerParam(x, y));
    }
    bool leftDown(int x, int y) {
        return platform.send(WM_LBUTTONDOWN, MK_LBUTTON, makePointerParam(x, y));
    }
    bool leftUp(int x, int y) { return platform.send(WM_LBUTTONUP, 0, makePointerParam(x, y)); }
    bool rightDown(int x, int y) {
        return platform.send(WM_RBUTTONDOWN, MK_RBUTTON, makePointerParam(x, y));
    }
    // A whole left click, as the hand makes it: move there, press, release.
    void click(int x, int y) {
        move(x, y);
        leftDown(x, y);
        leftUp(x, y);
    }
    BlockCode cell(int column, int row) {
        return editor->boardSet.current()
            .cells[static_cast<std::size_t>(screenCellIndex(column, row))];
    }
    int paintedCells() {
        const BoardCells& cells = editor->boardSet.current().cells;
        return static_cast<int>(
            std::count_if(cells.begin(), cells.end(), [](BlockCode c) { return c != 0; }));
    }
    std::string status() { return platform.texts.empty() ? "" : platform.texts.back().text; }
    bool copied() { return platform.menuEnabled.at(ID_EDIT_PASTEBOARD); }
};

TEST_F(Pointer, GridEdgesDecideWhatIsPainted) {
    EXPECT_TRUE(leftDown(21, 5));
    EXPECT_EQ(cell(1, 1), 8u);
    EXPECT_EQ(status(), "Board: 1 - Column: 1, Row: 1");
    EXPECT_TRUE(editor->modified);
    EXPECT_EQ(platform.invalidated.front(), (Rect{20, 4, 50, 19}));

    leftDown(619, 303);
    EXPECT_EQ(cell(20, 20), 8u);
    EXPECT_EQ(status(), "Board: 1 - Column: 20, Row: 20");
    leftDown(50, 19); // the first pixel of column 2, row 2
    EXPECT_EQ(cell(2, 2), 8u);
    leftDown(49, 18);
    EXPECT_EQ(cell(1, 1), 8u);
    EXPECT_EQ(paintedCells(), 3);

    for (const auto& [x, y] : {std::pair{20, 5}, {21, 4}, {620, 303}, {619, 304}, {20, 4}}) {
        leftDown(x, y);
        EXPECT_EQ(paintedCells(), 3) << x << "," << y;
        EXPECT_EQ(status(), "Board: 1 of 1") << x << "," << y;
    }
}

TEST_F(Pointer, StatusNamesTheBoardAndCellUnderThePointer) {
    editor->boardSet.lastBoardIndex = 4;
    editor->boardSet.currentBoard = 2;
    EXPECT_TRUE(move(20 + 4 * 30 + 1, 4 + 11 * 15 + 1)); // column 5, row 12
    EXPECT_EQ(status(), "Board: 3 - Column: 5, Row: 12");
    EXPECT_EQ(platform.texts.back().colour.red, 255);
    EXPECT_EQ(platform.texts.back().colour.green, 255);
    EXPECT_EQ(platform.texts.back().colour.blue, 255);
    move(630, 200);
    EXPECT_EQ(status(), "Board: 3 of 5");
    move(520, 375); // the selection panel is no hit area
    EXPECT_EQ(status(), "Board: 3 of 5");
    EXPECT_EQ(editor->pointer.pointerX, 520);
    EXPECT_EQ(editor->pointer.pointerY, 375);
    EXPECT_EQ(paintedCells(), 0);
}

TEST_F(Pointer, OnlyExactlyOneButtonPaintsDuringAMove) {
    editor->rightBlock = 30;
    move(100, 100, 1);
    EXPECT_EQ(cell(3, 7), 8u);
    move(130, 100, 2);
    EXPECT_EQ(cell(4, 7), 30u);
    for (const WParam state : {WParam{0}, WParam{3}, WParam{1 | 4}, WParam{1 | 8}, WParam{2 | 4},
                               WParam{16}, WParam{1 | 16}}) {
        move(160, 100, state);
        EXPECT_EQ(cell(5, 7), 0u) << state;
    }
    EXPECT_EQ(paintedCells(), 2);
    // A press with Shift held still paints: a press is always state 1.
    EXPECT_TRUE(platform.send(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, makePointerParam(160, 100)));
    EXPECT_EQ(cell(5, 7), 8u);
    // The right press paints the right block; the right release is not handled.
    rightDown(190, 100);
    EXPECT_EQ(cell(6, 7), 30u);
    EXPECT_FALSE(platform.send(WM_RBUTTONUP, 0, makePointerParam(190, 100)));
}

TEST_F(Pointer, ADragPaintsOnlyTheCellsUnderTheReportedMoves) {
    leftDown(25, 100);
    move(145, 100, 1);
    move(619, 100, 1);
    leftUp(619, 100);
    EXPECT_EQ(paintedCells(), 3);
    EXPECT_EQ(cell(1, 7), 8u);
    EXPECT_EQ(cell(5, 7), 8u);
    EXPECT_EQ(cell(20, 7), 8u);
    // Painting what a cell already holds still marks the BoardSet modified.
    editor->modified = false;
    move(619, 100, 1);
    EXPECT_TRUE(editor->modified);
}

TEST_F(Pointer, PaletteSlotsPickTheirBlocksIntoThePanel) {
    const Picture& canvas = editor->pictures.editorCanvas;
    EXPECT_TRUE(leftDown(26, 328)); // slot 1: the eraser
    EXPECT_EQ(editor->leftBlock, 44u);
    EXPECT_EQ(canvas.at(500, 368), test::blockPixel(45, 0, 0));
    EXPECT_EQ(status(), "Select Left or Right block.");
    rightDown(55, 328); // slot 2
    EXPECT_EQ(editor->rightBlock, 2u);
    EXPECT_EQ(canvas.at(569, 382), test::blockPixel(2, 29, 14));
    rightDown(84, 341);
    EXPECT_EQ(editor->rightBlock, 2u);
    rightDown(85, 342); // slot 18 on the second row
    EXPECT_EQ(editor->rightBlock, 18u);
    leftDown(445, 356); // the last slot of the second row
    EXPECT_EQ(editor->leftBlock, 30u);
    EXPECT_FALSE(move(445, 357, 1)); // one row lower the arithmetic gives 45: nothing
    EXPECT_EQ(editor->leftBlock, 30u);
    leftDown(416, 371); // slot 44 by the pick arithmetic, left of the blank slots: the eraser
    EXPECT_EQ(editor->leftBlock, 44u);
    leftDown(386, 371); // slot 43
    EXPECT_EQ(editor->leftBlock, 43u);
    EXPECT_EQ(paintedCells(), 0);
    EXPECT_FALSE(editor->modified);
}

TEST_F(Pointer, BlankSlotsTheBottomRowAndTheRightEdgePickNothing) {
    leftDown(100, 100);
    const std::string before = status();
    const std::size_t drawn = platform.texts.size();
    for (const auto& [x, y] : {std::pair{430, 365}, {417, 358}, {476, 360}, {300, 372}}) {
        EXPECT_TRUE(leftDown(x, y)); // a press is handled whatever happens inside
        EXPECT_FALSE(move(x, y, 1)) << x << "," << y;
        EXPECT_FALSE(move(x, y, 2)) << x << "," << y;
    }
    EXPECT_EQ(editor->leftBlock, 8u);
    EXPECT_EQ(editor->rightBlock, 44u);
    EXPECT_EQ(platform.texts.size(), drawn) << "the status line keeps what it showed";
    EXPECT_EQ(status(), before);
    // Only moving there shows the hint.
    EXPECT_TRUE(move(430, 365));
    EXPECT_EQ(status(), "Select Left or Right block.");
    // Just outside the palette.
    leftDown(25, 330);
    leftDown(30, 327);
    leftDown(477, 330);
    EXPECT_EQ(editor->leftBlock, 8u);
}

TEST_F(Pointer, HintsFollowEveryButtonEdge) {
    struct Edge {
        int left, right;
        std::string hint;
    };
    const Edge buttons[] = {{27, 35, "First Board"},
                            {36, 60, "Previous board"},
                            {61, 84, "Next board/Add board"},
                            {85, 94, "Last board/Add board"},
                            {100, 125, "Clear current board."},
                            {128, 155, "Copy current board."},
                            {158, 181, "Paste to board."}};
    for (const Edge& button : buttons) {
        for (const int x : {button.left, button.right}) {
            for (const int y : {375, 398}) {
                move(x, y);
                EXPECT_EQ(status(), button.hint) << x << "," << y;
            }
        }
    }
    for (const auto& [x, y] : {std::pair{26, 380},
                               {95, 380},
                               {99, 380},
                               {126, 380},
                               {127, 380},
                               {156, 380},
                               {157, 380},
                               {182, 380},
                               {140, 374},
                               {140, 399}}) {
        move(x, y);
        EXPECT_EQ(status(), "Board: 1 of 1") << x << "," << y;
    }
}

TEST_F(Pointer, AButtonActsOnTheLeftReleaseOverItNotOnThePress) {
    move(140, 380);
    leftDown(140, 380);
    EXPECT_FALSE(copied());
    leftUp(140, 380);
    EXPECT_TRUE(copied());
    EXPECT_EQ(status(), "Copy current board.");
    EXPECT_FALSE(editor->pointer.buttonLatch);
}

TEST_F(Pointer, AReleaseThatStartsElsewhereStillPressesTheButtonItEndsOn) {
    leftDown(300, 200);
    move(200, 300, 1);
    move(140, 380, 1);
    leftUp(140, 380);
    EXPECT_TRUE(copied());
}

TEST_F(Pointer, PressingAButtonThenReleasingOnTheGridDoesNothing) {
    editor->boardSet.current().cells.fill(5);
    move(110, 380);
    leftDown(110, 380);
    move(100, 300, 1); // paints on the way
    leftUp(100, 300);
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_EQ(cell(3, 20), 8u);
    EXPECT_EQ(cell(1, 1), 5u);
}

TEST_F(Pointer, AReleaseInAGapLeavesNoArmedLatchBehind) {
    for (const int gap : {97, 126, 157}) {
        click(gap, 380);
        EXPECT_FALSE(editor->pointer.buttonLatch) << gap;
        // A later press, or a left drag, onto a button must not act before its release.
        leftDown(140, 380);
        move(141, 381, 1);
        EXPECT_FALSE(copied()) << gap;
    }
}

TEST_F(Pointer, ClearAnsweredNoThenCopyStillWorks) {
    editor->boardSet.current().cells.fill(5);
    platform.answers = {Answer::No};
    click(110, 380);
    EXPECT_EQ(platform.questions,
              std::vector<std::string>{"Are you sure you want to clear the current board?"});
    EXPECT_EQ(cell(1, 1), 5u);
    click(140, 380);
    EXPECT_TRUE(copied());

    platform.answers = {Answer::Yes};
    click(110, 380);
    EXPECT_EQ(paintedCells(), 0);
    EXPECT_EQ(status(), "Clear current board.");
}

TEST_F(Pointer, RightClicksNeverPressButtons) {
    move(140, 380);
    rightDown(140, 380);
    platform.send(WM_RBUTTONUP, 0, makePointerParam(140, 380));
    move(140, 380, 2);
    EXPECT_FALSE(copied());
    EXPECT_EQ(status(), "Copy current board.");
}

TEST_F(Pointer, TheBoardButtonsRunTheirCommands) {
    editor->boardSet.lastBoardIndex = 2;
    editor->boardSet.currentBoard = 1;
    click(50, 380); // Previous
    EXPECT_EQ(editor->boardSet.currentBoard, 0);
    click(90, 380); // Last
    EXPECT_EQ(editor->boardSet.currentBoard, 2);
    click(30, 380); // First
    EXPECT_EQ(editor->boardSet.currentBoard, 0);
    click(70, 380); // Next
    EXPECT_EQ(editor->boardSet.currentBoard, 1);
    EXPECT_EQ(platform.title(), "Untitled Board - BoardSet Editor for Plinkor 2 - Board: 2 of 3");
    click(70, 380);
    click(70, 380); // on the last board: asks to add one
    EXPECT_EQ(platform.questions,
              std::vector<std::string>{"Would you like to add a new board to the boardset?"});
    EXPECT_EQ(status(), "Next board/Add board");
    // Paste works from its button while the menu item is still greyed.
    editor->boardSet.current().cells.fill(9);
    EXPECT_FALSE(copied());
    click(170, 380);
    EXPECT_EQ(paintedCells(), 0);
}

TEST_F(Pointer, AReleaseAwayFromTheButtonRowIsIgnored) {
    move(300, 200);
    const std::size_t drawn = platform.texts.size();
    EXPECT_TRUE(leftUp(140, 380)); // last seen over the grid
    EXPECT_FALSE(copied());
    EXPECT_EQ(platform.texts.size(), drawn);
}

} // namespace
} // namespace bse
