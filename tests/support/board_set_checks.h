#pragma once

// Checks of a whole BoardSet, shared by the tests and the fuzzers: each gives the first thing
// wrong as text, or nothing when all is well, so a failure says where it is.

#include "model/board_set.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace bse::check {

// For the fuzzers: a failed check says what failed before it stops the run.
inline void require(bool condition, const std::string& what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
        std::abort();
    }
}

// The first difference between two BoardSets, over all 200 slots.
inline std::string firstDifference(const BoardSet& a, const BoardSet& b) {
    for (std::size_t s = 0; s < a.boards.size(); ++s) {
        if (a.boards[s].background != b.boards[s].background ||
            a.boards[s].cells != b.boards[s].cells) {
            return "slot " + std::to_string(s);
        }
    }
    if (a.lastBoardIndex != b.lastBoardIndex) {
        return "lastBoardIndex";
    }
    if (a.currentBoard != b.currentBoard) {
        return "currentBoard";
    }
    if (a.brickImagePath != b.brickImagePath || a.backgroundImagePath != b.backgroundImagePath) {
        return "picture paths";
    }
    if (a.boardSetName != b.boardSetName || a.authorName != b.authorName) {
        return "name or author";
    }
    return {};
}

// The first broken invariant: 1 to 200 boards, the current one among them, and strings a file
// can store (at most 254 bytes, no zero byte inside).
inline std::string brokenInvariant(const BoardSet& set) {
    if (set.lastBoardIndex < 0 || set.lastBoardIndex > lastBoardSlot) {
        return "board count outside 1..200";
    }
    if (set.currentBoard < 0 || set.currentBoard > set.lastBoardIndex) {
        return "currentBoard outside the list";
    }
    for (const std::string* text :
         {&set.brickImagePath, &set.backgroundImagePath, &set.boardSetName, &set.authorName}) {
        if (text->size() > 254 || text->find('\0') != std::string::npos) {
            return "a string a file cannot store";
        }
    }
    return {};
}

// Distinct contents in every slot, cells outside anything a file yields, and the current board
// away from the first: a stray or partial write shows in a comparison. Made once.
inline const BoardSet& markedBoardSet() {
    static const BoardSet marked = [] {
        BoardSet set;
        setDefaultStrings(set);
        for (std::size_t b = 0; b < set.boards.size(); ++b) {
            set.boards[b].background = static_cast<std::uint32_t>(1000 + b);
            for (std::size_t c = 0; c < set.boards[b].cells.size(); ++c) {
                set.boards[b].cells[c] = static_cast<BlockCode>(300 + (b * 7 + c) % 500);
            }
        }
        set.lastBoardIndex = 5;
        set.currentBoard = 3;
        return set;
    }();
    return marked;
}

} // namespace bse::check
