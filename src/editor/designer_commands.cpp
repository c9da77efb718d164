#include "editor/designer_commands.h"

#include "editor/board_commands.h"
#include "editor/editor.h"
#include "editor/screen.h"
#include "editor/undo.h"
#include "model/board_tools.h"
#include "platform/platform.h"

#include <algorithm>

namespace bse {

namespace {

// Flips and shifts: the current board's cells changed by `change`, one step when any moved.
template <class Change> void changeCells(Editor& editor, Platform& platform, Change change) {
    BoardCells& cells = editor.boardSet.current().cells;
    const BoardCells before = cells;
    change(cells);
    CellsStep step = cellChanges(editor.boardSet.currentBoard, before, cells);
    if (step.changes.empty()) {
        return;
    }
    redrawBoard(editor, platform);
    markChange(editor, std::move(step));
}

// The current board swapped with its neighbour `delta` away, staying current; at either end the
// bell.
void moveBoardBy(Editor& editor, Platform& platform, int delta) {
    const int from = editor.boardSet.currentBoard;
    const int to = from + delta;
    if (to < 0 || to > editor.boardSet.lastBoardIndex) {
        platform.beep();
        return;
    }
    moveBoardTo(editor, platform, from, to);
}

} // namespace

void moveBoardTo(Editor& editor, Platform& platform, int from, int to) {
    BoardSet& set = editor.boardSet;
    bool equal = true;
    for (int k = std::min(from, to); k <= std::max(from, to); ++k) {
        equal = equal && set.board(k).cells == set.board(from).cells &&
                set.board(k).background == set.board(from).background;
    }
    moveBoard(set, from, to);
    redrawBoard(editor, platform);
    if (!equal) {
        markChange(editor, MoveStep{from, to});
    }
}

void mirrorPaintingCommand(Editor& editor, Platform& platform) {
    editor.mirrorPainting = !editor.mirrorPainting;
    platform.checkMenuItem(ID_EDIT_MIRRORPAINTING, editor.mirrorPainting);
}

void flipLeftRightCommand(Editor& editor, Platform& platform) {
    changeCells(editor, platform, flipLeftRight);
}

void flipTopBottomCommand(Editor& editor, Platform& platform) {
    changeCells(editor, platform, flipTopBottom);
}

void shiftLeftCommand(Editor& editor, Platform& platform) {
    changeCells(editor, platform, [](BoardCells& cells) { shiftCells(cells, -1, 0); });
}

void shiftRightCommand(Editor& editor, Platform& platform) {
    changeCells(editor, platform, [](BoardCells& cells) { shiftCells(cells, 1, 0); });
}

void shiftUpCommand(Editor& editor, Platform& platform) {
    changeCells(editor, platform, [](BoardCells& cells) { shiftCells(cells, 0, -1); });
}

void shiftDownCommand(Editor& editor, Platform& platform) {
    changeCells(editor, platform, [](BoardCells& cells) { shiftCells(cells, 0, 1); });
}

void duplicateBoardCommand(Editor& editor, Platform& platform) {
    if (refuseWhenFull(editor, platform)) {
        return;
    }
    BoardSet& set = editor.boardSet;
    DuplicationStep step{set.currentBoard, std::make_unique<Board>(set.board(set.boardCount()))};
    duplicateBoard(set, set.currentBoard);
    redrawBoard(editor, platform);
    markChange(editor, std::move(step));
}

void moveBoardEarlierCommand(Editor& editor, Platform& platform) {
    moveBoardBy(editor, platform, -1);
}

void moveBoardLaterCommand(Editor& editor, Platform& platform) {
    moveBoardBy(editor, platform, 1);
}

} // namespace bse
