#include "view/pointer.h"

#include "shell/editor.h"
#include "shell/platform.h"

namespace bse {

// Painting, picking and the on-screen buttons arrive with their own change.
bool onPointerMove(Editor&, Platform&, int, int, WParam) {
    return true;
}
bool onLeftButtonDown(Editor&, Platform&, int, int) {
    return true;
}
bool onRightButtonDown(Editor&, Platform&, int, int) {
    return true;
}
bool onLeftButtonUp(Editor&, Platform&, int, int) {
    return true;
}

} // namespace bse
