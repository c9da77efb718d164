#pragma once

#include "model/board_set.h"
#include "view/picture.h"

namespace bse::cli {

// Board N as the editor's grid shows it: the 600 x 300 pixels drawBoardCells puts there.
Picture boardPicture(const Board& board, const Picture& blockStrip);

// Every board of the set at half size (300 x 150, every other pixel), in rows of five, each
// with its number above it in a small built-in digit font: no fonts, so no display is needed.
Picture overviewSheet(const BoardSet& boardSet, const Picture& blockStrip);

} // namespace bse::cli
