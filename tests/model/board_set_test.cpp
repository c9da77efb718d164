#include "model/board_region.h"
#include "model/board_tools.h"
#include "support/board_set_checks.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace bse {
namespace {

// What each operation does to a marked set with the last and the current board given (indexes);
// the set must keep its invariants whatever it is asked.
TEST(BoardSetModel, OperationsKeepTheInvariants) {
    struct Case {
        const char* what;
        int last, current;
        bool (*operation)(BoardSet&, int);
        int at;
        bool done;
        int count, currentAfter;
    };
    const auto insert = [](BoardSet& s, int at) { return insertEmptyBoard(s, at); };
    const auto remove = [](BoardSet& s, int at) { return deleteBoard(s, at); };
    const auto move = [](BoardSet& s, int at) { return moveToBoard(s, at), true; };
    const auto moveCurrent = [](BoardSet& s, int to) { return moveBoard(s, s.currentBoard, to); };
    const auto duplicate = [](BoardSet& s, int at) { return duplicateBoard(s, at); };
    const Case cases[] = {
        {"insert at the front", 5, 3, insert, 0, true, 7, 0},
        {"insert after the last", 5, 3, insert, 6, true, 7, 6},
        {"insert past the end", 5, 3, insert, 7, false, 6, 3},
        {"insert before the front", 5, 3, insert, -1, false, 6, 3},
        {"insert into a full set", lastBoardSlot, 3, insert, 0, false, 200, 3},
        {"delete the current board", 5, 3, remove, 3, true, 5, 3},
        {"delete the last, current, board", 5, 5, remove, 5, true, 5, 4},
        {"delete past the end", 5, 3, remove, 6, false, 6, 3},
        {"delete before the front", 5, 3, remove, -1, false, 6, 3},
        {"delete the only board", 0, 0, remove, 0, false, 1, 0},
        {"move before the front", 5, 3, move, -4, true, 6, 0},
        {"move past the end", 5, 3, move, 9, true, 6, 5},
        {"move the board to the front", 5, 3, moveCurrent, 0, true, 6, 0},
        {"move the board past the end", 5, 3, moveCurrent, 6, false, 6, 3},
        {"duplicate the last board", 5, 3, duplicate, 5, true, 7, 6},
        {"duplicate past the end", 5, 3, duplicate, 6, false, 6, 3},
        {"duplicate in a full set", lastBoardSlot, 3, duplicate, 0, false, 200, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BoardSet set = check::markedBoardSet();
        set.lastBoardIndex = c.last;
        set.currentBoard = c.current;
        EXPECT_EQ(c.operation(set, c.at), c.done);
        EXPECT_EQ(set.boardCount(), c.count);
        EXPECT_EQ(set.currentBoard, c.currentAfter);
        EXPECT_EQ(check::brokenInvariant(set), "");
    }
}

// Moved and duplicated boards carry their background numbers; a move back restores the set.
TEST(BoardSetModel, MovedAndDuplicatedBoardsAreWhole) {
    const BoardSet& marked = check::markedBoardSet();
    BoardSet set = marked;
    const auto expectFrom = [&](int slot, int source) {
        EXPECT_EQ(set.board(slot).background, marked.board(source).background);
        EXPECT_EQ(set.board(slot).cells, marked.board(source).cells);
    };
    for (const auto& [from, to] : {std::pair{3, 1}, std::pair{1, 4}}) {
        ASSERT_TRUE(moveBoard(set, from, to));
        expectFrom(to, from);
        expectFrom(from, from < to ? from + 1 : from - 1); // the neighbour took its place
        ASSERT_TRUE(moveBoard(set, to, from));
        set.currentBoard = marked.currentBoard;
        EXPECT_EQ(check::firstDifference(set, marked), "");
    }
    ASSERT_TRUE(duplicateBoard(set, 2));
    expectFrom(3, 2);
    expectFrom(6, 5);
}

// Where the cell at (column, row) of a board of distinct codes goes; each operation is undone by
// its inverse.
TEST(BoardTools, FlipsAndShiftsMoveEveryCell) {
    struct Case {
        const char* what;
        void (*operation)(BoardCells&);
        void (*inverse)(BoardCells&);
        int column, row, toColumn, toRow;
    };
    const auto left = [](BoardCells& c) { shiftCells(c, -1, 0); };
    const auto right = [](BoardCells& c) { shiftCells(c, 1, 0); };
    const auto up = [](BoardCells& c) { shiftCells(c, 0, -1); };
    const auto down = [](BoardCells& c) { shiftCells(c, 0, 1); };
    const Case cases[] = {
        {"flip left and right, the middle columns too", flipLeftRight, flipLeftRight, 9, 5, 10, 5},
        {"flip top and bottom", flipTopBottom, flipTopBottom, 2, 5, 2, 14},
        {"shift left wraps round", left, right, 0, 7, 19, 7},
        {"shift down wraps round", down, up, 4, 19, 4, 0},
    };
    const BoardCells& marked = check::markedBoardSet().board(0).cells;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BoardCells cells = marked;
        c.operation(cells);
        EXPECT_EQ(cells[cellIndex(c.toColumn, c.toRow)], marked[cellIndex(c.column, c.row)]);
        c.inverse(cells);
        EXPECT_EQ(cells, marked);
    }
}

// Rectangles and fills paint exactly their cells, with the mirrored ones when asked.
TEST(BoardTools, RectanglesAndFillsPaintTheirCells) {
    BoardCells cells{};
    paintRectangle(cells, 3, 4, -2, 1, 9, false); // corners in any order, clamped
    EXPECT_EQ(std::ranges::count(cells, 9u), 16);
    paintRectangle(cells, 1, 0, 1, 0, 8, true);
    EXPECT_EQ(cells[cellIndex(18, 0)], 8u);

    cells.fill(0);
    for (int i = 0; i < boardColumns; ++i) {
        cells[cellIndex(i, i)] = 7;
    }
    EXPECT_TRUE(fillRegion(cells, cellIndex(1, 0), 9, false)); // corners do not join
    EXPECT_EQ(std::ranges::count(cells, 9u), 190);
    EXPECT_FALSE(fillRegion(cells, cellIndex(1, 0), 9, true)); // holds it: not even the mirror

    cells.fill(0);
    for (int r = 0; r < boardRows; ++r) {
        cells[cellIndex(5, r)] = 7;
    }
    EXPECT_TRUE(fillRegion(cells, cellIndex(0, 0), 9, true)); // the mirrored region too
    EXPECT_EQ(std::ranges::count(cells, 9u), 200);
}

// Parts of a board: how many cells each operation changes and empties, none outside `within`,
// and the count Replace Block reports.
TEST(BoardRegion, OperationsChangeOnlyTheirCells) {
    struct Case {
        const char* what;
        int (*operation)(BoardCells&); // the count it reports, or -1
        int changed, emptied;
        CellRect within;
    };
    const Case cases[] = {
        {"a copy placed where it came from",
         [](BoardCells& c) {
             return placeRegion(c, copyRegion(c, {2, 3, 4, 5}), 2, 3, false), -1;
         },
         0,
         0,
         {}},
        {"empty 3 x 2",
         [](BoardCells& c) {
             return emptyRect(c, {1, 1, 3, 2}), -1;
         },
         6,
         6,
         {1, 1, 3, 2}},
        {"placed at the bottom-right corner, cut off",
         [](BoardCells& c) {
             return placeRegion(c, copyRegion(c, {0, 0, 3, 2}), 18, 19, false), -1;
         },
         2,
         0,
         {18, 19, 2, 1}},
        {"placed mirrored",
         [](BoardCells& c) {
             return placeRegion(c, copyRegion(c, {0, 0, 1, 1}), 5, 5, true), -1;
         },
         2,
         0,
         {5, 5, 10, 1}},
        {"moved right by 2",
         [](BoardCells& c) {
             return moveRect(c, {0, 0, 3, 2}, 2, 0), -1;
         },
         10,
         4,
         {0, 0, 5, 2}},
        {"moved off the board",
         [](BoardCells& c) {
             return moveRect(c, {0, 0, 3, 2}, -3, 9), -1;
         },
         6,
         6,
         {0, 0, 3, 2}},
        {"replace a block",
         [](BoardCells& c) { return replaceBlock(c, 2, 44); },
         10,
         0,
         {0, 0, 20, 20}},
        {"replace the eraser (empty cells)",
         [](BoardCells& c) {
             return emptyRect(c, {0, 0, 2, 2}), replaceBlock(c, eraserCode, 5);
         },
         4,
         0,
         {0, 0, 2, 2}},
        {"replace the eraser by the eraser",
         [](BoardCells& c) { return replaceBlock(c, 44, 0); },
         0,
         0,
         {}},
    };
    BoardCells marked{};
    for (int i = 0; i < cellsPerBoard; ++i) {
        marked[std::size_t(i)] = BlockCode(i % 42) + firstBlockKind;
    }
    EXPECT_EQ(cellRectBetween(25, 4, -3, 2), (CellRect{0, 2, 20, 3}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BoardCells cells = marked;
        const int reported = c.operation(cells);
        int changed = 0, emptied = 0;
        for (int i = 0; i < cellsPerBoard; ++i) {
            const std::size_t at = std::size_t(i);
            changed += cells[at] != marked[at];
            emptied += cells[at] == 0;
            EXPECT_TRUE(cells[at] == marked[at] || c.within.contains(i / boardRows, i % boardRows));
        }
        EXPECT_EQ(changed, c.changed);
        EXPECT_EQ(emptied, c.emptied);
        EXPECT_EQ(reported, reported < 0 ? -1 : changed);
        EXPECT_EQ(blockCount(cells), cellsPerBoard - emptied - int(std::ranges::count(cells, 44u)));
    }
}

} // namespace
} // namespace bse
