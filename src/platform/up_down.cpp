#include "platform/up_down.h"

namespace bse {

int stepUpDown(int current, int delta, int lowest, int highest, bool wrap) {
    if (highest < lowest) {
        return lowest;
    }
    if (current < lowest) {
        return delta > 0 ? lowest : (wrap ? highest : lowest);
    }
    if (current > highest) {
        return delta < 0 ? highest : (wrap ? lowest : highest);
    }
    const long long next = static_cast<long long>(current) + delta;
    if (next > highest) {
        return wrap ? lowest : highest;
    }
    if (next < lowest) {
        return wrap ? highest : lowest;
    }
    return static_cast<int>(next);
}

} // namespace bse
