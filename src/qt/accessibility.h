#pragma once

#include "editor/screen_reading.h"

#include <functional>

class QAccessibleEvent;
class QWidget;

namespace bse {

// The custom-drawn parts of the main window and the overview, for screen readers: the grid as a
// table of cells, the palette as a list, the LEFT and RIGHT slots, the seven buttons and the status
// line; the overview's boards as a list. Their words come from `source`, read when a reader asks.
// Costs nothing until an assistive technology first asks for the tree. An empty source takes the
// reader away.
void installScreenReader(std::function<ScreenReading()> source);
// After each message: tells a listening reader what changed since the last call.
void announceScreenChanges(QWidget* canvas, QWidget* overviewBoards);
// Where the changes go instead of the desktop's reader, and whether or not one listens (tests
// have none); nullptr: to the reader.
void listenToScreenChanges(void (*told)(QAccessibleEvent*));

} // namespace bse
