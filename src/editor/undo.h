#pragma once

#include "editor/history.h"

#include <optional>

namespace bse {

struct Editor;
class Platform;

// Every change of the BoardSet passes here: it marks the BoardSet modified and records the
// change's step, when it made one, after the stroke in progress. Some commands count as a change
// even when nothing changed (OK in the BoardSet Information dialog, Clear Board, Paste Board,
// Import) and pass no step; so does each cell a paint stroke paints, the stroke becoming one step
// when it ends.
void markChange(Editor& editor, std::optional<Step> step = std::nullopt);
// The cells of the current board changed from `before`, as a step; none when no cell did.
std::optional<Step> cellsStep(const Editor& editor, const BoardCells& before);
// A change taken back before it became a step (Escape during a rectangle or a move): the
// BoardSet is as modified as it was before it.
void takeBackChange(Editor& editor, bool modifiedBefore);
// What the window shows is in no file (restored unsaved work, the file gone): modified, and no
// undo makes it saved.
void markInNoFile(Editor& editor);
// The BoardSet is exactly as its file has it: just read, or just written.
void markRead(Editor& editor);
void markSaved(Editor& editor);

// Ends the paint stroke in progress: a step when it changed a cell.
void finishStroke(Editor& editor);
// An empty history for a BoardSet just made or read from its file.
void startHistory(Editor& editor);

// Edit > Undo and Edit > Redo: the step's board is shown with the change undone or redone.
void undoCommand(Editor& editor, Platform& platform);
void redoCommand(Editor& editor, Platform& platform);

} // namespace bse
