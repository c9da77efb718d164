#include "support/board_set_checks.h"

#include <gtest/gtest.h>

namespace bse {
namespace {

// What each operation does to a marked set of 6 boards with the fourth current; the set must
// keep its invariants whatever it is asked.
TEST(BoardSetModel, OperationsKeepTheInvariants) {
    struct Case {
        const char* what;
        bool (*operation)(BoardSet&);
        bool done;
        int count, current;
    };
    const Case cases[] = {
        {"insert at the front", [](BoardSet& s) { return insertEmptyBoard(s, 0); }, true, 7, 0},
        {"insert after the last", [](BoardSet& s) { return insertEmptyBoard(s, 6); }, true, 7, 6},
        {"insert past the end", [](BoardSet& s) { return insertEmptyBoard(s, 7); }, false, 6, 3},
        {"insert before the front", [](BoardSet& s) { return insertEmptyBoard(s, -1); }, false, 6,
         3},
        {"insert into a full set",
         [](BoardSet& s) {
             s.lastBoardIndex = lastBoardSlot;
             return insertEmptyBoard(s, 0);
         },
         false, 200, 3},
        {"delete the current board", [](BoardSet& s) { return deleteBoard(s, 3); }, true, 5, 3},
        {"delete the last, current, board",
         [](BoardSet& s) {
             s.currentBoard = 5;
             return deleteBoard(s, 5);
         },
         true, 5, 4},
        {"delete past the end", [](BoardSet& s) { return deleteBoard(s, 6); }, false, 6, 3},
        {"delete the only board",
         [](BoardSet& s) {
             s.lastBoardIndex = s.currentBoard = 0;
             return deleteBoard(s, 0);
         },
         false, 1, 0},
        {"move before the front", [](BoardSet& s) { return moveToBoard(s, -4), true; }, true, 6, 0},
        {"move past the end", [](BoardSet& s) { return moveToBoard(s, 9), true; }, true, 6, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BoardSet set = check::markedBoardSet();
        EXPECT_EQ(c.operation(set), c.done);
        EXPECT_EQ(set.boardCount(), c.count);
        EXPECT_EQ(set.currentBoard, c.current);
        EXPECT_EQ(check::brokenInvariant(set), "");
    }
}

} // namespace
} // namespace bse
