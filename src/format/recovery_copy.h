#pragma once

#include "base/result.h"
#include "model/board_set.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace bse {

// What a recovery copy keeps of an editor's unsaved work.
struct RecoveredWork {
    BoardSet boardSet;    // its current board included
    std::string fileName; // empty: not saved yet
};

// A few text lines ("board N", "path LENGTH" and the path's bytes), then the BoardSet file.
std::vector<std::uint8_t> encodeRecoveryCopy(const BoardSet& boardSet, const std::string& fileName);
// Refused, with the reason, unless every part is whole and the BoardSet file reads.
Result<RecoveredWork> readRecoveryCopy(std::span<const std::uint8_t> bytes);

} // namespace bse
