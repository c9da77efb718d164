#include "editor/undo.h"

#include "editor/editor.h"
#include "editor/screen.h"
#include "platform/platform.h"

namespace bse {

namespace {

void showStepDone(Editor& editor, Platform& platform) {
    editor.modified = !editor.history.atCleanPoint();
    redrawBoard(editor, platform);
}

} // namespace

void markChange(Editor& editor, std::optional<Step> step) {
    editor.modified = true;
    if (step) {
        finishStroke(editor);
        editor.history.record(std::move(*step));
    }
}

std::optional<Step> cellsStep(const Editor& editor, const BoardCells& before) {
    const BoardSet& set = editor.boardSet;
    CellsStep step = cellChanges(set.currentBoard, before, set.current().cells);
    if (step.changes.empty()) {
        return std::nullopt;
    }
    return step;
}

void takeBackChange(Editor& editor, bool modifiedBefore) {
    editor.modified = modifiedBefore;
}

void markInNoFile(Editor& editor) {
    editor.history.forgetClean();
    editor.modified = true;
}

void markRead(Editor& editor) {
    editor.modified = false;
}

void markSaved(Editor& editor) {
    editor.modified = false;
    editor.history.markClean();
}

void finishStroke(Editor& editor) {
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
    }
}

void startHistory(Editor& editor) {
    editor.history.clear();
    editor.rectangle.active = false; // a BoardSet read in the middle of a drag ends it
    editor.selection.active = false; // and a selection, or a move of one
    editor.selection.drag = {};
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
