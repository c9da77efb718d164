#pragma once

#include "editor/history.h"

namespace bse {

struct Editor;
class Platform;

// Takes a finished change of the BoardSet as one step, after the stroke in progress if any.
void recordStep(Editor& editor, Platform& platform, Step step);
// Ends the paint stroke in progress: a step when it changed a cell.
void finishStroke(Editor& editor, Platform& platform);
// An empty history for a BoardSet just made or read from its file.
void startHistory(Editor& editor, Platform& platform);

// Edit > Undo and Edit > Redo: the step's board is shown with the change undone or redone.
void undoCommand(Editor& editor, Platform& platform);
void redoCommand(Editor& editor, Platform& platform);

} // namespace bse
