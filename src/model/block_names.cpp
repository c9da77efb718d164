#include "model/block_names.h"

#include <array>

namespace bse {

namespace {

// Codes 2 to 43 in order, named after the block strip's pictures: colour, then the look.
constexpr std::array<std::string_view, lastBlockKind - firstBlockKind + 1> names{
    "yellow boss brick",
    "yellow brick",
    "purple dotted block",
    "grey stone",
    "cracked grey stone",
    "shattered grey stone",
    "orange brick",
    "orange diagonal brick",
    "gold riveted brick",
    "gold grooved brick",
    "blue-grey masonry",
    "cracked blue-grey masonry",
    "shattered blue-grey masonry",
    "glossy blue brick",
    "bright blue plus brick",
    "green brick",
    "green drilled brick",
    "green inset brick",
    "dark gold riveted brick",
    "dark gold diagonal brick",
    "dark gold checkered brick",
    "magenta gem brick",
    "magenta cross brick",
    "blue grooved brick",
    "blue tube",
    "blue drilled brick",
    "olive brick",
    "olive riveted brick",
    "olive plank",
    "copper brick",
    "copper inset brick",
    "copper cross brick",
    "sky-blue diagonal brick",
    "sky-blue gem brick",
    "sky-blue checkered brick",
    "light green tube",
    "light green grooved brick",
    "light green plus brick",
    "dark copper masonry",
    "dark copper plank",
    "dark copper drilled brick",
    "yellow zigzag brick",
};

} // namespace

std::string_view blockName(BlockCode code) {
    return code >= firstBlockKind && code <= lastBlockKind ? names[code - firstBlockKind]
                                                           : emptyCellName;
}

} // namespace bse
