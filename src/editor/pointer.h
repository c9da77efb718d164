#pragma once

#include "platform/ids.h"

namespace bse {

struct Editor;
class Platform;

// Pointer events of the main window; each returns whether the event was handled.
bool onPointerMove(Editor& editor, Platform& platform, int x, int y, WParam buttonState);
bool onLeftButtonDown(Editor& editor, Platform& platform, int x, int y);
bool onRightButtonDown(Editor& editor, Platform& platform, int x, int y);
bool onLeftButtonUp(Editor& editor, Platform& platform, int x, int y);
// Ends the stroke only: the right button acts on its press.
bool onRightButtonUp(Editor& editor, Platform& platform);

} // namespace bse
