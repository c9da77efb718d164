#pragma once

#include "model/board_set.h"

#include <gtest/gtest.h>

#include <memory>

namespace bse::test {

// A BoardSet whose every field holds a value no file or import produces by accident, so that
// any stray write shows.
inline std::unique_ptr<BoardSet> markedSet() {
    auto set = std::make_unique<BoardSet>();
    for (std::size_t k = 0; k < set->boards.size(); ++k) {
        Board& board = set->boards[k];
        board.background = static_cast<std::uint32_t>(1000 + k);
        for (std::size_t i = 0; i < board.cells.size(); ++i) {
            board.cells[i] = static_cast<BlockCode>(500 + (k * 7 + i) % 300);
        }
    }
    set->lastBoardIndex = 122;
    set->currentBoard = 57;
    set->brickImagePath = "old brick";
    set->backgroundImagePath = "old background";
    set->boardSetName = "old name";
    set->authorName = "old author";
    return set;
}

inline void expectSameBoard(const Board& actual, const Board& expected, std::size_t slot) {
    EXPECT_EQ(actual.background, expected.background) << "slot " << slot;
    EXPECT_EQ(actual.cells, expected.cells) << "slot " << slot;
}

// Every field alike, all 200 slots.
inline void expectSameSet(const BoardSet& actual, const BoardSet& expected) {
    EXPECT_EQ(actual.lastBoardIndex, expected.lastBoardIndex);
    EXPECT_EQ(actual.currentBoard, expected.currentBoard);
    EXPECT_EQ(actual.brickImagePath, expected.brickImagePath);
    EXPECT_EQ(actual.backgroundImagePath, expected.backgroundImagePath);
    EXPECT_EQ(actual.boardSetName, expected.boardSetName);
    EXPECT_EQ(actual.authorName, expected.authorName);
    for (std::size_t k = 0; k < actual.boards.size(); ++k) {
        expectSameBoard(actual.boards[k], expected.boards[k], k);
    }
}

} // namespace bse::test

#include "format/board_set_format.h"
#include "format/version1_import.h"
namespace bse {
inline bool readBoardSet(BoardSet& set, std::span<const std::uint8_t> bytes) {
    auto r = readBoardSet(bytes);
    if (!r) return false;
    int cur = set.currentBoard;
    adoptBoardSet(set, *r);
    set.currentBoard = cur;
    return true;
}
inline bool importVersion1File(BoardSet& set, std::span<const std::uint8_t> bytes) {
    auto r = readVersion1Boards(bytes);
    if (!r) return false;
    int cur = set.currentBoard;
    adoptBoardCells(set, *r);
    set.currentBoard = cur;
    return true;
}
enum class Version1Check { Ok, NoWholeBoard, TooManyBoards };
inline Version1Check checkVersion1File(std::size_t size) {
    auto s = checkVersion1Size(size);
    if (s) return Version1Check::Ok;
    return size < 400 ? Version1Check::NoWholeBoard : Version1Check::TooManyBoards;
}
}
