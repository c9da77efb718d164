#pragma once

#include "platform/ids.h"
#include "view/geometry.h"

namespace bse {

struct Editor;
class Platform;

// Part of a board on the grid: Ctrl+Shift held at a press drags a selection; with one, Ctrl+C,
// Ctrl+X and Delete act on its cells and a drag inside it moves them. Ctrl+V with a part of a
// board on the clipboard floats it as a stamp, placed by each left click until Escape or a right
// click. Without a selection or a stamp the keys are Copy Board and Paste Board as ever.

// A press on the grid (or any press while a stamp floats); true when the selection or the stamp
// took it, and nothing else may happen.
bool selectionPress(Editor& editor, Platform& platform, int x, int y, WParam state, WParam button);
// A pointer move; true when a drag of the selection or a stamp took it: nothing is painted.
bool selectionMove(Editor& editor, Platform& platform, int x, int y, WParam state);
void selectionRelease(Editor& editor, Platform& platform);
// Ctrl+C, Ctrl+X, Ctrl+V and Delete; true when taken.
bool selectionKey(Editor& editor, Platform& platform, WParam key, HeldModifiers held);
// Escape: a move being dragged goes back, the stamp and the selection go.
void escapeSelection(Editor& editor, Platform& platform);
// Draws what changed of the selection's frame and the stamp over the grid; nothing when neither
// was there. Drops a selection of another board. The window's handler runs it after every
// message.
void showGridOverlay(Editor& editor, Platform& platform);
// Draws the cell (0-based) as the grid shows it, the stamp and the selection's frame over it
// included: what the keyboard's cursor covered. The rectangle it changed.
Rect redrawShownCell(Editor& editor, int column, int row);

// Edit > Select All.
void selectAllCommand(Editor& editor, Platform& platform);

} // namespace bse
