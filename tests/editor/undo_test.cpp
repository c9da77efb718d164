#include "editor/title.h"
#include "support/board_set_checks.h"
#include "support/fake_platform.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <random>

namespace bse {
namespace {

using test::FakeDialog;
using test::FakePlatform;

class Undo : public ::testing::Test {
  protected:
    FakePlatform platform;
    std::unique_ptr<Editor> editor = test::startedEditor(platform);
    std::mt19937 random;

    int pick(int n) { return std::uniform_int_distribution(0, n - 1)(random); }
    void command(int id) { platform.send(WM_COMMAND, static_cast<WParam>(id), 0); }
    static LParam cellAt(int column, int row) {
        return makePointerParam(21 + 30 * column, 5 + 15 * row);
    }
    // Press, `moves` moves to neighbouring cells, release: one stroke.
    void stroke(bool left, int column, int row, int moves = 0) {
        const WParam state = left ? MK_LBUTTON : MK_RBUTTON;
        platform.send(left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, state, cellAt(column, row));
        for (int m = 0; m < moves; ++m) {
            column = (column + 19 + pick(3)) % 20;
            row = (row + 19 + pick(3)) % 20;
            platform.send(WM_MOUSEMOVE, state, cellAt(column, row));
        }
        platform.send(left ? WM_LBUTTONUP : WM_RBUTTONUP, 0, cellAt(column, row));
    }
    bool menuEnabled(int id) { return platform.menuEnabled[id]; }

    // Any command but Undo and Redo, or a stroke; the user answers at random.
    void randomCommand() {
        constexpr std::array commands{ID_EDIT_COPYBOARD, ID_EDIT_PASTEBOARD,  ID_EDIT_CLEARBOARD,
                                      ID_EDIT_ADDBOARD,  ID_EDIT_INSERTBOARD, ID_EDIT_DELETEBOARD,
                                      ID_BOARD_PREVIOUS, ID_BOARD_NEXT,       ID_BOARD_FIRST,
                                      ID_BOARD_LAST,     ID_BOARD_BACKGROUND, ID_BOARD_SETTINGS,
                                      ID_FILE_IMPORT,    ID_FILE_SAVE};
        const int typed = pick(4);
        platform.dialogScripts = {[typed](FakeDialog& dialog) {
            dialog.type(IDC_BACKGROUND, std::to_string(typed));
            dialog.type(IDC_BOARDSETNAME, typed < 2 ? "Caves" : "Lakes");
            dialog.press(IDOK);
        }};
        platform.files["/old.dat"] = Bytes(400 * (1 + pick(3)), static_cast<std::uint8_t>(typed));
        platform.openChoices = {std::string("/old.dat")};
        const std::size_t which =
            static_cast<std::size_t>(pick(static_cast<int>(commands.size()) + 6));
        if (which >= commands.size()) {
            editor->leftBlock = static_cast<BlockCode>(pick(45));
            editor->rightBlock = static_cast<BlockCode>(pick(45));
            stroke(pick(2) == 0, pick(20), pick(20), pick(6));
        } else {
            // Import's question about unsaved changes is answered No: a save there would move
            // the clean point in the middle of a command.
            const bool importing = commands[which] == ID_FILE_IMPORT;
            platform.answers = {importing || pick(3) == 0 ? Answer::No : Answer::Yes};
            command(commands[which]);
        }
        platform.answers.clear();
        platform.dialogScripts.clear();
        platform.openChoices.clear();
    }
};

// The model: the BoardSet after each step (the first entry: before any) and the board current
// just before each step; a step is any command that changed the BoardSet beyond its current
// board.
struct Model {
    std::deque<BoardSet> states;
    std::vector<int> boardsBefore;
    std::size_t position = 0;
    std::optional<std::size_t> clean = 0;
};

TEST_F(Undo, RandomSessionsUndoToTheStartAndRedoToTheEnd) {
    for (const unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        platform.log.clear();
        editor = test::startedEditor(platform);
        editor->boardSet = check::markedBoardSet();
        editor->currentFileName = "/walk.bds";
        random.seed(seed);
        Model model{{editor->boardSet}, {}, 0, 0};
        const auto expectState = [&](std::size_t at, int currentBoard) {
            BoardSet expected = model.states[at];
            expected.currentBoard = currentBoard;
            ASSERT_EQ(check::firstDifference(editor->boardSet, expected), "");
            EXPECT_EQ(editor->modified, model.clean != at);
        };
        const auto undo = [&] {
            command(ID_EDIT_UNDO);
            --model.position;
            expectState(model.position, model.boardsBefore[model.position]);
        };
        const auto redo = [&] {
            command(ID_EDIT_REDO);
            ++model.position;
            expectState(model.position, model.states[model.position].currentBoard);
        };
        for (int n = 0; n < 100; ++n) {
            SCOPED_TRACE(n);
            const int kind = pick(10);
            if (kind == 0 && model.position > 0) {
                ASSERT_NO_FATAL_FAILURE(undo());
                continue;
            }
            if (kind == 1 && model.position + 1 < model.states.size()) {
                ASSERT_NO_FATAL_FAILURE(redo());
                continue;
            }
            const BoardSet before = editor->boardSet;
            randomCommand();
            BoardSet after = editor->boardSet;
            after.currentBoard = before.currentBoard;
            if (!check::firstDifference(before, after).empty()) {
                model.states.resize(model.position + 1);
                model.boardsBefore.resize(model.position);
                if (model.clean > model.position) {
                    model.clean.reset();
                }
                model.states.push_back(editor->boardSet);
                model.boardsBefore.push_back(before.currentBoard);
                ++model.position;
            }
            if (!editor->modified) {
                model.clean = model.position; // saved
            }
        }
        ASSERT_GT(model.states.size(), 20u);
        while (model.position > 0) {
            ASSERT_NO_FATAL_FAILURE(undo());
        }
        EXPECT_FALSE(menuEnabled(ID_EDIT_UNDO));
        while (model.position + 1 < model.states.size()) {
            ASSERT_NO_FATAL_FAILURE(redo());
        }
        EXPECT_FALSE(menuEnabled(ID_EDIT_REDO));
        command(ID_EDIT_REDO); // nothing left: nothing changes
        expectState(model.position, model.states.back().currentBoard);
    }
}

TEST_F(Undo, KeepsAThousandOneCellStrokesInAMegabyteAndDropsTheOldestPastTheLimit) {
    std::vector<BoardCells> after;
    for (int k = 0; k < 1000; ++k) {
        editor->leftBlock = static_cast<BlockCode>(2 + k % 41); // a new block on every visit
        stroke(true, k % 20, k / 20 % 20);
        after.push_back(editor->boardSet.current().cells);
    }
    ASSERT_EQ(editor->history.size(), 1000u);
    EXPECT_LE(editor->history.bytes(), 1u << 20);
    editor->history.setByteLimit(editor->history.bytes() / 4);
    const std::size_t kept = editor->history.size();
    EXPECT_LT(kept, 300u);
    for (std::size_t k = 0; k < kept; ++k) {
        command(ID_EDIT_UNDO);
    }
    EXPECT_EQ(editor->boardSet.current().cells, after[999 - kept]);
    EXPECT_FALSE(menuEnabled(ID_EDIT_UNDO));
    EXPECT_TRUE(editor->modified); // the saved state went with the oldest steps
}

} // namespace
} // namespace bse
