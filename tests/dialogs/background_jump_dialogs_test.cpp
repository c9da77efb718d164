#include "support/fake_platform.h"

#include <gtest/gtest.h>

namespace bse {
namespace {

using test::FakeDialog;
using test::FakePlatform;

class NumberDialogs : public ::testing::Test {
  protected:
    FakePlatform platform;
    std::unique_ptr<Editor> editor = test::startedEditor(platform);
    BoardSet& set() { return editor->boardSet; }

    // Runs a command whose dialog the user fills with `typed` (nullptr: leaves it) and answers
    // with the buttons in `presses`; returns what the field showed on opening.
    std::string runDialog(int command, int field, const char* typed, std::vector<int> presses,
                          std::vector<std::string>* shownAfterPresses = nullptr) {
        std::string opened;
        platform.dialogScripts.push_back([&, field, typed, presses](FakeDialog& dialog) {
            opened = dialog.text(field);
            EXPECT_TRUE(dialog.shown);
            EXPECT_EQ(dialog.bigIcon, IDI_APPICON);
            if (typed != nullptr) {
                dialog.type(field, typed);
            }
            for (const int button : presses) {
                dialog.press(button);
                if (shownAfterPresses != nullptr) {
                    shownAfterPresses->push_back(dialog.ended() ? "closed" : dialog.text(field));
                }
            }
        });
        platform.send(WM_COMMAND, static_cast<WParam>(command), 0);
        return opened;
    }
    void makeBoards(int count, int current) {
        set().lastBoardIndex = count - 1;
        set().currentBoard = current;
        for (int b = 0; b < count; ++b) {
            set().boards[static_cast<std::size_t>(b)].cells.fill(static_cast<BlockCode>(2 + b));
        }
        platform.clearRecords();
    }
};

TEST_F(NumberDialogs, BackgroundShowsAndStoresTheCurrentBoardsNumberOnly) {
    makeBoards(3, 1);
    set().boards[1].background = 7;
    EXPECT_EQ(runDialog(ID_BOARD_BACKGROUND, IDC_BACKGROUND, "12", {IDOK}), "7");
    EXPECT_EQ(platform.dialogsRun, std::vector<int>{IDD_BACKGROUND});
    EXPECT_EQ(set().boards[1].background, 12u);
    EXPECT_EQ(set().boards[0].background, 0u);
    EXPECT_EQ(set().boards[2].background, 0u);
    EXPECT_TRUE(set().modified);
    // No redraw and no title.
    EXPECT_TRUE(platform.invalidated.empty());
    EXPECT_TRUE(platform.titles.empty());
}

TEST_F(NumberDialogs, BackgroundTakesEmptyAsZeroSetsModifiedAlwaysAndCancelKeepsAll) {
    set().current().background = 5;
    runDialog(ID_BOARD_BACKGROUND, IDC_BACKGROUND, nullptr, {IDOK});
    EXPECT_EQ(set().current().background, 5u);
    EXPECT_TRUE(set().modified) << "OK marks the BoardSet modified even when nothing changed";

    set().modified = false;
    runDialog(ID_BOARD_BACKGROUND, IDC_BACKGROUND, "", {IDOK});
    EXPECT_EQ(set().current().background, 0u);

    set().modified = false;
    runDialog(ID_BOARD_BACKGROUND, IDC_BACKGROUND, "9", {IDCANCEL});
    EXPECT_EQ(set().current().background, 0u);
    EXPECT_FALSE(set().modified);
}

TEST_F(NumberDialogs, BackgroundAbove255StaysOpenOffering255) {
    // A number too large to read is above 255 like any other.
    for (const char* typed : {"256", "4294967296", "99999999999999999999"}) {
        SCOPED_TRACE(typed);
        std::vector<std::string> after;
        runDialog(ID_BOARD_BACKGROUND, IDC_BACKGROUND, typed, {IDOK, IDCANCEL}, &after);
        EXPECT_EQ(after, (std::vector<std::string>{"255", "closed"}));
        EXPECT_EQ(set().current().background, 0u);
        EXPECT_FALSE(set().modified);
    }

    std::vector<std::string> after;
    runDialog(ID_BOARD_BACKGROUND, IDC_BACKGROUND, "255", {IDOK}, &after);
    EXPECT_EQ(after, std::vector<std::string>{"closed"});
    EXPECT_EQ(set().current().background, 255u);
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_TRUE(platform.refusals.empty());
}

TEST_F(NumberDialogs, JumpShowsTheChosenBoardAndRewritesTheTitle) {
    makeBoards(10, 2);
    EXPECT_EQ(runDialog(ID_BOARD_JUMP, IDC_JUMPBOARD, "10", {IDOK}), "3");
    EXPECT_EQ(platform.dialogsRun, std::vector<int>{IDD_JUMPTO});
    EXPECT_EQ(set().currentBoard, 9);
    EXPECT_EQ(platform.title(), "Untitled Board - BoardSet Editor for Plinkor 2 - Board: 10 of 10");
    EXPECT_EQ(editor->pictures.editorCanvas.at(25, 10), test::blockPixel(11, 5, 6));
    EXPECT_FALSE(set().modified);

    // The board already shown: the dialog closes and the board is drawn again.
    platform.clearRecords();
    runDialog(ID_BOARD_JUMP, IDC_JUMPBOARD, nullptr, {IDOK});
    EXPECT_EQ(set().currentBoard, 9);
    EXPECT_EQ(platform.invalidated, (std::vector<Rect>{{0, 0, 620, 304}}));
}

TEST_F(NumberDialogs, JumpOutsideTheBoardSetOffersTheLastBoardSilently) {
    makeBoards(10, 2);
    for (const char* typed : {"11", "0", "", "4294967295", "4294967296"}) {
        std::vector<std::string> after;
        runDialog(ID_BOARD_JUMP, IDC_JUMPBOARD, typed, {IDOK, IDOK}, &after);
        EXPECT_EQ(after, (std::vector<std::string>{"10", "closed"})) << typed;
        EXPECT_EQ(set().currentBoard, 9) << typed;
        set().currentBoard = 2;
    }
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_TRUE(platform.refusals.empty());

    runDialog(ID_BOARD_JUMP, IDC_JUMPBOARD, "5", {IDCANCEL});
    EXPECT_EQ(set().currentBoard, 2);
}

TEST_F(NumberDialogs, JumpArrowsRunOverTheBoardsAndWrap) {
    makeBoards(3, 0);
    std::vector<std::string> steps;
    platform.dialogScripts.push_back([&](FakeDialog& dialog) {
        EXPECT_EQ(dialog.upDownRanges.at(IDC_JUMPSPIN), (std::pair{1, 3}));
        for (const int delta : {+1, +1, +1, -1, -1}) {
            dialog.clickArrow(IDC_JUMPSPIN, delta);
            steps.push_back(dialog.text(IDC_JUMPBOARD));
        }
        dialog.press(IDOK);
    });
    platform.send(WM_COMMAND, ID_BOARD_JUMP, 0);
    EXPECT_EQ(steps, (std::vector<std::string>{"2", "3", "1", "3", "2"}));
    EXPECT_EQ(set().currentBoard, 1);
}

} // namespace
} // namespace bse
