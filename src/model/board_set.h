#pragma once

#include "model/board.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace bse {

inline constexpr int maxBoards = 200;
inline constexpr int lastBoardSlot = maxBoards - 1;

inline constexpr const char* defaultBrickImagePath = "X:\\Plinkor\\Boards\\TollanBrick.img";
inline constexpr const char* defaultBackgroundImagePath =
    "X:\\Plinkor\\Boards\\TollanBackground.img";
inline constexpr const char* defaultBoardSetName = "Untitled Board";
inline constexpr const char* defaultAuthorName = "Unknown";

// The one BoardSet in memory. Slots past lastBoardIndex keep what they last held: background
// numbers belong to positions, so that content is observable when the list grows again.
// The strings are bytes (Windows-1252 text); std::string keeps length and terminator in step.
struct BoardSet {
    std::array<Board, maxBoards> boards{};
    std::int32_t lastBoardIndex = 0;
    std::int32_t currentBoard = 0;
    std::string brickImagePath;
    std::string backgroundImagePath;
    std::string boardSetName;
    std::string authorName;

    int boardCount() const { return lastBoardIndex + 1; }
    bool full() const { return lastBoardIndex >= lastBoardSlot; }
    Board& board(int position) { return boards[static_cast<std::size_t>(position)]; }
    const Board& board(int position) const { return boards[static_cast<std::size_t>(position)]; }
    Board& current() { return board(currentBoard); }
    const Board& current() const { return board(currentBoard); }
};

// The operations below keep the invariants: 1 to 200 boards, currentBoard among them.

void setDefaultStrings(BoardSet& boardSet);

// One empty board with the default strings; later slots keep what they held.
void resetToOneBoard(BoardSet& boardSet);

// Opens an empty board at `position` (0 .. count), moving the cells from there on up one slot;
// background numbers stay with their slots. It becomes current. False, nothing changed, when the
// set is full.
bool insertEmptyBoard(BoardSet& boardSet, int position);

// Removes the board at `position`, moving later cells down; the current board stays at its
// position, or the last one. False, nothing changed, on a one-board set.
bool deleteBoard(BoardSet& boardSet, int position);

// Moves the board at `from` (cells and background number: a designer reorders boards whole) to
// `to`, the boards between moving one place towards `from`. It becomes current. False, nothing
// changed, when either position is outside the set.
bool moveBoard(BoardSet& boardSet, int from, int to);

// Inserts a copy of the board at `position` (cells and background number) right after it; the
// copy becomes current and later boards move up with their backgrounds. False, nothing changed,
// when the set is full or the position outside it.
bool duplicateBoard(BoardSet& boardSet, int position);

// Makes `position` current, kept inside the set.
void moveToBoard(BoardSet& boardSet, int position);

// Takes the count, strings and boards 1 to count (cells and backgrounds) of a BoardSet read from
// a file; later slots keep what they held. The current board becomes the first.
void adoptBoardSet(BoardSet& boardSet, const BoardSet& loaded);

// Replaces the count and the cells of the first boards; backgrounds and later slots stay.
// `cells` holds 1 to 200 boards. The current board becomes the first.
void adoptBoardCells(BoardSet& boardSet, std::span<const BoardCells> cells);

} // namespace bse
