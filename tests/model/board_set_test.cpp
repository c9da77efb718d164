#include "model/board_set.h"
#include "shell/editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace bse {
namespace {

TEST(BoardSetModel, FreshEditorHoldsOneEmptyBoardAndTheDefaults) {
    auto editor = std::make_unique<Editor>();
    const BoardSet& set = editor->boardSet;
    EXPECT_EQ(set.lastBoardIndex, 0);
    EXPECT_EQ(set.currentBoard, 0);
    EXPECT_EQ(set.boardCount(), 1);
    EXPECT_FALSE(set.modified);
    for (const Board& board : set.boards) {
        EXPECT_TRUE(std::all_of(board.cells.begin(), board.cells.end(),
                                [](BlockCode c) { return c == 0; }));
        EXPECT_EQ(board.background, 0u);
    }
    EXPECT_EQ(editor->leftBlock, 8u);
    EXPECT_EQ(editor->rightBlock, 44u);
    EXPECT_TRUE(std::all_of(editor->boardClipboard.begin(), editor->boardClipboard.end(),
                            [](BlockCode c) { return c == 0; }));
    EXPECT_EQ(editor->iconFrame, 1);
    EXPECT_TRUE(editor->currentFileName.empty());
    EXPECT_EQ(editor->pointer.pointerX, 0);
    EXPECT_EQ(editor->pointer.pointerY, 0);
    EXPECT_FALSE(editor->pointer.buttonLatch);
}

TEST(BoardSetModel, StorageIsTwoHundredSlotsOf401Words) {
    EXPECT_EQ(sizeof(Board), 401 * sizeof(std::uint32_t));
    BoardSet set;
    EXPECT_EQ(set.boards.size(), 200u);
    EXPECT_EQ(lastBoardSlot, 199);
    set.lastBoardIndex = lastBoardSlot;
    set.currentBoard = lastBoardSlot;
    set.current().background = 9;
    EXPECT_EQ(set.boards[199].background, 9u);
    EXPECT_EQ(set.boardCount(), 200);
}

TEST(BoardSetModel, SetDefaultStringsFillsAllFourWithTheirLengths) {
    BoardSet set;
    set.boardSetName = std::string(199, 'n');
    set.authorName = std::string(7, 'a');
    set.brickImagePath = std::string(40, 'b');
    set.backgroundImagePath = std::string(1, 'c');
    setDefaultStrings(set);
    EXPECT_EQ(set.brickImagePath, "X:\\Plinkor\\Boards\\TollanBrick.img");
    EXPECT_EQ(set.brickImagePath.size(), 33u);
    EXPECT_EQ(set.backgroundImagePath, "X:\\Plinkor\\Boards\\TollanBackground.img");
    EXPECT_EQ(set.backgroundImagePath.size(), 38u);
    EXPECT_EQ(set.boardSetName, "Untitled Board");
    EXPECT_EQ(set.boardSetName.size(), 14u);
    EXPECT_EQ(set.authorName, "Unknown");
    EXPECT_EQ(set.authorName.size(), 7u);
}

TEST(BoardSetModel, CellsAreAddressedColumnByColumn) {
    EXPECT_EQ(screenCellIndex(1, 1), 0);
    EXPECT_EQ(screenCellIndex(2, 1), 20);
    EXPECT_EQ(screenCellIndex(1, 2), 1);
    EXPECT_EQ(screenCellIndex(20, 20), 399);
    EXPECT_EQ(cellIndex(0, 19), 19);
    EXPECT_EQ(cellIndex(19, 0), 380);
    // Every on-screen cell has its own index, and together they cover the board.
    std::array<int, cellsPerBoard> seen{};
    for (int column = 1; column <= 20; ++column) {
        for (int row = 1; row <= 20; ++row) {
            ++seen[static_cast<std::size_t>(screenCellIndex(column, row))];
        }
    }
    EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; }));
}

} // namespace
} // namespace bse
