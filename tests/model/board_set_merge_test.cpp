#include "model/block_names.h"
#include "model/board_set_merge.h"

#include <gtest/gtest.h>

#include <cctype>
#include <numeric>
#include <set>

namespace bse {
namespace {

// A board per letter: every cell holds the capital's block; a small letter is its capital with
// the first cell emptied, so the two pair as one board changed.
BoardSet setOf(const std::string& letters) {
    BoardSet set;
    for (std::size_t b = 0; b < letters.size(); ++b) {
        const char letter = letters[b];
        set.boards[b].cells.fill(
            static_cast<BlockCode>(firstBlockKind + std::toupper(letter) - 'A'));
        if (std::islower(letter)) {
            set.boards[b].cells[0] = 1;
        }
    }
    set.lastBoardIndex = static_cast<int>(letters.size()) - 1;
    return set;
}

std::string lettersOf(const BoardSet& set) {
    std::string letters;
    for (int b = 0; b < set.boardCount(); ++b) {
        const char capital = static_cast<char>('A' + set.board(b).cells[1] - firstBlockKind);
        letters += set.board(b).cells[0] == 1 ? static_cast<char>(std::tolower(capital)) : capital;
    }
    return letters;
}

TEST(BoardSetMerge, BoardsMergeAsASequence) {
    const std::string many(110, 'X'), others(110, 'Y');
    struct Case {
        std::string base, ours, theirs, merged;
        std::vector<MergeConflict::Kind> conflicts;
    };
    using enum MergeConflict::Kind;
    const Case cases[] = {
        {"ABC", "aBC", "ABc", "aBc", {}},
        {"ABC", "AXBC", "AbC", "AXbC", {}},
        {"ABC", "AC", "ABC", "AC", {}},
        {"ABC", "BCA", "ABC", "BCA", {}},
        {"AB", "aB", "aB", "aB", {}},
        {"AB", "AB", "XY", "XY", {}},
        {"ABC", "AC", "AbC", "AC", {Boards}},
        {"ABC", "ABCX", "ABCY", "ABCX", {Boards}},
        {"AB", "XB", "YB", "XB", {Boards}},
        {"AB", "A" + many + "B", "AB" + others, "A" + many + "B", {TooMany}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.base + " " + c.ours + " " + c.theirs);
        const MergeResult result = mergeBoardSets(setOf(c.base), setOf(c.ours), setOf(c.theirs));
        EXPECT_EQ(lettersOf(result.merged), c.merged);
        std::vector<MergeConflict::Kind> kinds;
        for (const MergeConflict& conflict : result.conflicts) {
            kinds.push_back(conflict.kind);
        }
        EXPECT_EQ(kinds, c.conflicts);
    }
}

// Past 64 x 64 changed boards between two equal ones, boards pair in order, not by the table.
TEST(BoardSetMerge, ALongRunOfChangedBoardsPairsInOrder) {
    std::vector<Board> from(70), to(70);
    for (std::size_t b = 0; b < from.size(); ++b) {
        for (std::size_t c = 0; c < cellsPerBoard; ++c) {
            from[b].cells[c] = static_cast<BlockCode>(2 + c * (b + 1) % 42);
        }
        to[b] = from[b];
        to[b].cells[b] = 1;
    }
    to[3] = Board{}; // unlike its base board: no pair
    std::vector<int> expected(70);
    std::iota(expected.begin(), expected.end(), 0);
    expected[3] = -1;
    EXPECT_EQ(alignBoards(from, to), expected);
}

// Runs of equal boards, as empty boards come: the first removed, each other one keeps its place.
TEST(BoardSetMerge, TheFirstOfManyEqualBoardsRemoved) {
    std::vector<Board> from(65), to(64);
    from[0].cells.fill(firstBlockKind);
    std::vector<int> expected(65);
    std::iota(expected.begin(), expected.end(), -1);
    EXPECT_EQ(alignBoards(from, to), expected);
}

TEST(BoardSetMerge, EveryBlockHasItsOwnName) {
    std::set<std::string_view> names;
    for (BlockCode code = 0; code <= eraserCode; ++code) {
        names.insert(blockName(code));
    }
    EXPECT_EQ(names.size(), 43u); // 42 blocks and the empty cell
    EXPECT_EQ(blockName(firstBlockKind + 6), "orange brick");
}

} // namespace
} // namespace bse
