#include "support/board_set_checks.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace bse
