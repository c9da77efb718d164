#pragma once

#include "model/board_region.h"

#include <cstdint>
#include <optional>

namespace bse {

struct GridCellAt {
    int column = 0; // 0-based
    int row = 0;
};

// The selection on the grid, a stamp floating under the pointer, and what the grid shows of them.
struct SelectionState {
    bool active = false;
    int board = 0;
    CellRect rect;
    // A drag from the pressed cell: choosing the rectangle, or moving its cells (shown moved on
    // the board as they were before the press, kept at the release).
    enum class Drag { None, Choosing, Moving } drag = Drag::None;
    GridCellAt anchor;
    CellRect rectBefore;
    bool modifiedBefore = false;
    BoardCells before{};

    std::optional<Region> stamp;
    // The part of a board this editor last put on the clipboard (Copy Board puts a board there
    // instead): reading the desktop's clipboard gives nothing while it holds the editor's own.
    std::optional<Region> copiedPart;
    std::optional<GridCellAt> stampAt; // its top-left cell, when the pointer is on the grid

    // Counts full redraws of the grid: what was drawn over it before one is gone.
    std::uint64_t gridRedraws = 0;
    std::uint64_t shownRedraws = ~0ull;
    int shownBoard = -1;
    BoardCells shown{}; // the cells as the grid shows them, the stamp's included
    std::optional<CellRect> shownFrame;
};

} // namespace bse
