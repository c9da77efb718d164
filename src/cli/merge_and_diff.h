#pragma once

#include "cli/commands.h"

namespace bse::cli {

// As diff and cmp say it: a file could not be read or written.
inline constexpr int exitTrouble = 2;

// boardset merge BASE OURS THEIRS: git's merge driver. Exit 0 merged, 1 merged with conflicts
// (ours kept at each, each named on standard error), 2 a file unreadable or unwritable.
int mergeCommand(const Request& request);

// boardset render FILE: a board, or a sheet of all, as PNG.
int renderCommand(const Request& request);

// boardset diff A B: the changes in words. Exit 0 the same, 1 different, 2 trouble.
int diffCommand(const Request& request);

} // namespace bse::cli
