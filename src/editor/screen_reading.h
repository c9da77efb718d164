#pragma once

#include "model/board.h"
#include "view/geometry.h"

#include <compare>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bse {

struct Editor;

// What the main window and the overview show, as a screen reader tells it: the front end reads it
// after each message and announces what changed. Words come from here, so that every front end
// says the same.
struct ScreenReading {
    BoardCells cells{}; // of the current board
    int board = 0;      // the current one, 0-based
    BlockCode left = 0;
    BlockCode right = 0;
    bool cursorShown = false; // Keyboard Painting's cursor, 1-based
    int cursorColumn = 0;
    int cursorRow = 0;
    std::string status;
    std::vector<std::uint32_t> overviewBackgrounds; // one per board while the overview is open
    int overviewFrame = 0;
    friend bool operator==(const ScreenReading&, const ScreenReading&) = default;
};

ScreenReading readScreen(const Editor& editor);

// The grid's name, "Board 3", and the palette's.
std::string gridReading(int board);
inline constexpr std::string_view paletteReading = "Blocks";

// "Column C, Row R: orange brick", or ": empty".
std::string cellReading(int column, int row, BlockCode code);
// The palette's slots in order (the eraser first) and their names.
std::span<const BlockCode> paletteCodes();
std::string_view paletteName(BlockCode code);
Rect paletteSlotRect(int index); // 0-based, in palette order
// A palette slot's name, and which buttons have its block: "orange brick, left button".
std::string paletteItemReading(BlockCode code, BlockCode left, BlockCode right);
// "Left button: orange brick".
std::string slotReading(bool right, BlockCode code);
// The seven buttons under the grid: their names (the status line's hints) and where they are.
struct ButtonReading {
    std::string_view name;
    Rect rect;
};
std::span<const ButtonReading> buttonReadings();
// "Board 3 - background 2", counted from 1.
std::string overviewBoardReading(int board, std::uint32_t background);

} // namespace bse
