#pragma once

#include "model/board.h"

#include <array>
#include <cstdint>
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
    bool modified = false;

    int boardCount() const { return lastBoardIndex + 1; }
    Board& current() { return boards[static_cast<std::size_t>(currentBoard)]; }
    const Board& current() const { return boards[static_cast<std::size_t>(currentBoard)]; }
};

void setDefaultStrings(BoardSet& boardSet);

} // namespace bse
