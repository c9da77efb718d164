#include "platform/up_down.h"

#include <algorithm>

namespace bse {

int stepUpDown(int current, int delta, int lowest, int highest, bool wrap) {
    highest = std::max(highest, lowest); // no range at all is the one value `lowest`
    // A value outside the range (typed by hand) counts as one step beyond its nearest end.
    const long long next = std::clamp<long long>(current, lowest - 1LL, highest + 1LL) + delta;
    if (next > highest) {
        return wrap ? lowest : highest;
    }
    if (next < lowest) {
        return wrap ? highest : lowest;
    }
    return static_cast<int>(next);
}

} // namespace bse
