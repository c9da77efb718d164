#pragma once

#include "platform/ids.h"

namespace bse {

struct Editor;
class Platform;

// Pointer events of the main window; each returns whether the event was handled.
bool onPointerMove(Editor& editor, Platform& platform, int x, int y, WParam buttonState);
// A press with Ctrl on the grid fills, one with Shift starts a rectangle kept at the release.
bool onLeftButtonDown(Editor& editor, Platform& platform, int x, int y, WParam buttonState);
bool onRightButtonDown(Editor& editor, Platform& platform, int x, int y, WParam buttonState);
// Gives the block of the cell under the pointer to the left button, with Shift to the right one.
bool onMiddleButtonDown(Editor& editor, Platform& platform, int x, int y, WParam buttonState);
// Escape: the board as it was before the press of a rectangle being dragged.
void cancelRectangle(Editor& editor, Platform& platform);
bool onLeftButtonUp(Editor& editor, Platform& platform, int x, int y);
// Ends the stroke only: the right button acts on its press.
bool onRightButtonUp(Editor& editor, Platform& platform);

} // namespace bse
