#pragma once

#include "model/board.h"
#include "platform/ids.h"

#include <string>
#include <string_view>

namespace bse {

struct Editor;
class Platform;

// A cell of the grid by 1-based column and row; 0 when the pointer is not over the grid.
struct GridCell {
    int column = 0;
    int row = 0;
    bool valid() const { return column != 0; }
};
// The cell under the pointer (the grid's first pixel column and row count as outside), and with
// the pointer outside the grid the nearest edge cell.
GridCell gridCellAt(int x, int y);
GridCell nearestCellAt(int x, int y);

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

// The grid's cells as the pointer reaches them, for the keyboard too (1-based column and row): a
// cell painted (mirrored when Mirror Painting is on; part of the stroke in progress), a fill from
// it (a step of its own), its block given to a button, and the status line's text for it.
void paintCell(Editor& editor, Platform& platform, int column, int row, BlockCode code);
void fillFrom(Editor& editor, Platform& platform, int column, int row, BlockCode code);
void pickCellBlock(Editor& editor, Platform& platform, int column, int row, bool right);
std::string cellStatusText(const Editor& editor, int column, int row);
// The palette slot's block at (x, y) by name, for its tooltip; empty over no slot.
std::string_view paletteTip(int x, int y);

} // namespace bse
