#pragma once

#include "platform/ids.h"

namespace bse {

struct Editor;
class Platform;

// Painting without a mouse: Edit > Keyboard Painting (F7) shows a cell cursor on the grid. While
// it is on, the arrows move the cursor instead of stepping through boards; Space paints the LEFT
// block under it, Shift+Space the RIGHT one, and moves with Space held paint a stroke, one undo
// step up to Space's release; Ctrl+Space fills from the cursor (Ctrl+Shift+Space with the RIGHT
// block); P gives the cell's block to the LEFT button, Shift+P to the RIGHT one; comma and period
// step the LEFT block back and on through the palette, with Shift the RIGHT one. Escape leaves the
// mode. Every other key keeps its meaning.

void keyboardPaintingCommand(Editor& editor, Platform& platform);
// A key pressed; true when the mode took it.
bool keyboardPaintingKey(Editor& editor, Platform& platform, WParam key);
// A key released: Space ends its stroke.
void keyboardPaintingKeyUp(Editor& editor, WParam key);
// Draws the cursor where it is and takes it from where it was; nothing while the mode is off and
// the cursor is gone. The window's handler runs it after every message.
void showCellCursor(Editor& editor, Platform& platform);

} // namespace bse
