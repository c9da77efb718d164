#include "editor/undo.h"

#include "editor/editor.h"
#include "editor/screen.h"
#include "editor/title.h"
#include "platform/platform.h"

namespace bse {

namespace {

// Tells the menu only when an item changes state. The menu starts with both greyed, so start-up
// makes no call.
void showUndoState(Editor& editor, Platform& platform) {
    History& history = editor.history;
    if (history.undoShown != history.canUndo()) {
        history.undoShown = history.canUndo();
        platform.enableMenuItem(ID_EDIT_UNDO, history.undoShown);
    }
    if (history.redoShown != history.canRedo()) {
        history.redoShown = history.canRedo();
        platform.enableMenuItem(ID_EDIT_REDO, history.redoShown);
    }
}

void showStepDone(Editor& editor, Platform& platform) {
    editor.modified = !editor.history.atCleanPoint();
    redrawBoard(editor, platform);
    updateTitle(editor, platform);
    showUndoState(editor, platform);
}

} // namespace

void recordStep(Editor& editor, Platform& platform, Step step) {
    finishStroke(editor, platform);
    editor.history.record(std::move(step));
    showUndoState(editor, platform);
}

void finishStroke(Editor& editor, Platform& platform) {
    std::optional<Step> stroke = editor.history.takeStroke();
    if (RectangleDrag& drag = editor.rectangle; drag.active) {
        // The rectangle kept is the step; the stroke of its press is inside it.
        drag.active = false;
        CellsStep step =
            cellChanges(drag.board, drag.before, editor.boardSet.board(drag.board).cells);
        stroke = step.changes.empty() ? std::nullopt : std::optional<Step>(std::move(step));
    }
    if (stroke) {
        editor.history.record(std::move(*stroke));
        showUndoState(editor, platform);
    }
}

void startHistory(Editor& editor, Platform& platform) {
    editor.history.clear();
    editor.rectangle.active = false; // a BoardSet read in the middle of a drag ends it
    editor.selection.active = false; // and a selection, or a move of one
    editor.selection.drag = {};
    showUndoState(editor, platform);
}

void undoCommand(Editor& editor, Platform& platform) {
    if (const Step* step = editor.history.stepBack()) {
        undoStep(editor.boardSet, *step);
        showStepDone(editor, platform);
    }
}

void redoCommand(Editor& editor, Platform& platform) {
    if (const Step* step = editor.history.stepForward()) {
        redoStep(editor.boardSet, *step);
        showStepDone(editor, platform);
    }
}

} // namespace bse
