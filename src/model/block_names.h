#pragma once

#include "model/board.h"

#include <string_view>

namespace bse {

// What each block looks like, in a few words: the one table of block names, for messages and
// menus alike. Every code that is not a block kind (0, 1, 44 and what only a damaged file brings)
// shows as an empty cell, and is named so.
std::string_view blockName(BlockCode code);

inline constexpr std::string_view emptyCellName = "empty";
inline constexpr std::string_view eraserName = "eraser";

} // namespace bse
