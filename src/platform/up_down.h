#pragma once

namespace bse {

// One step of an up-down control: the value its buddy shows next. A value outside the range
// (typed by hand) steps to the nearest end; with wrap, stepping past an end comes round to the
// other.
int stepUpDown(int current, int delta, int lowest, int highest, bool wrap);

} // namespace bse
