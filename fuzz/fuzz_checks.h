#pragma once

// What both harnesses share: the BoardSet every input starts from and the checks made after it.

#include "model/board_set.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace bse::fuzz {

// Fails loudly with a reason, so a finding reads as more than a bare trap.
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void require(bool condition, const char* what) {
    if (!condition) {
        fail(what);
    }
}

// Contents that differ from anything a read or an import writes: distinct backgrounds, cells
// outside every range a file yields, data beyond the list, and currentBoard away from 0, so a
// stray or partial write shows up in the comparisons.
inline BoardSet makeStartingSet() {
    BoardSet set;
    setDefaultStrings(set);
    for (std::size_t b = 0; b < set.boards.size(); ++b) {
        Board& board = set.boards[b];
        board.background = static_cast<std::uint32_t>(1000 + b);
        for (std::size_t c = 0; c < board.cells.size(); ++c) {
            board.cells[c] = static_cast<BlockCode>(300 + (b * 7 + c) % 500);
        }
    }
    set.lastBoardIndex = 5;
    set.currentBoard = 3;
    set.modified = true;
    return set;
}

inline bool sameBoard(const Board& a, const Board& b) {
    return a.background == b.background && a.cells == b.cells;
}

inline bool sameStrings(const BoardSet& a, const BoardSet& b) {
    return a.brickImagePath == b.brickImagePath && a.backgroundImagePath == b.backgroundImagePath &&
           a.boardSetName == b.boardSetName && a.authorName == b.authorName;
}

// Every field of every slot, not only the listed boards.
inline bool sameEverything(const BoardSet& a, const BoardSet& b) {
    for (std::size_t i = 0; i < a.boards.size(); ++i) {
        if (!sameBoard(a.boards[i], b.boards[i])) {
            return false;
        }
    }
    return a.lastBoardIndex == b.lastBoardIndex && a.currentBoard == b.currentBoard &&
           a.modified == b.modified && sameStrings(a, b);
}

// The old program keeps each string in 256 bytes with a length field beside it: at most 254
// characters plus the terminator, and no zero byte before its end.
inline bool storableString(const std::string& text) {
    return text.size() <= 254 && text.find('\0') == std::string::npos;
}

inline void checkInvariants(const BoardSet& set) {
    require(0 <= set.currentBoard, "currentBoard < 0");
    require(set.currentBoard <= set.lastBoardIndex, "currentBoard > lastBoardIndex");
    require(set.lastBoardIndex <= lastBoardSlot, "lastBoardIndex > 199");
    require(storableString(set.brickImagePath), "brick image path not storable");
    require(storableString(set.backgroundImagePath), "background image path not storable");
    require(storableString(set.boardSetName), "board set name not storable");
    require(storableString(set.authorName), "author name not storable");
}

// Slots past the new list keep what they held; the count does not own them.
inline void checkSlotsAfterListKept(const BoardSet& before, const BoardSet& after) {
    for (std::size_t b = static_cast<std::size_t>(after.lastBoardIndex) + 1;
         b < after.boards.size(); ++b) {
        require(sameBoard(before.boards[b], after.boards[b]), "slot past the list changed");
    }
}

} // namespace bse::fuzz
