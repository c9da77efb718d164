#pragma once

#include "model/board_set.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace bse {

// Boards compared and merged as a sequence, the way line-based tools treat lines.

// Which board of `to` each board of `from` became, or -1 when it is gone; ascending. Equal boards
// (cells and background) are matched first, as the longest common run; between two matches, a
// board is paired with a changed one of the other side when more than half its cells are equal.
std::vector<int> alignBoards(std::span<const Board> from, std::span<const Board> to);

bool sameBoard(const Board& a, const Board& b);

struct MergeConflict {
    enum class Kind {
        Cell,       // `cell` of `board`: `ours` and `theirs` are the block codes
        Background, // of `board`: the two numbers
        Text,       // string `text` (0 name, 1 author, 2 brick picture, 3 background picture)
        Boards,     // from `board` on, both sides changed the base boards [baseFirst, baseEnd)
                    // differently: `ours` and `theirs` are how many boards each put there
        TooMany,    // the merge would hold `ours` boards, more than 200
    };
    Kind kind;
    int board = 0; // in the result, from 0
    int cell = 0;
    int text = 0;
    int baseFirst = 0;
    int baseEnd = 0;
    std::uint32_t ours = 0;
    std::uint32_t theirs = 0;
};

struct MergeResult {
    BoardSet merged; // a valid BoardSet; where both sides changed something differently, ours
    std::vector<MergeConflict> conflicts;
};

// Three-way merge: boards matched as a sequence, then each matched board's cells and background,
// and the four strings, each taken from the side that changed it.
MergeResult mergeBoardSets(const BoardSet& base, const BoardSet& ours, const BoardSet& theirs);

// The four strings in the order of MergeConflict::text.
template <typename Set> auto boardSetStrings(Set& set) {
    return std::array{&set.boardSetName, &set.authorName, &set.brickImagePath,
                      &set.backgroundImagePath};
}

} // namespace bse
