#include "bench_session.h"
#include "editor/replace_block_dialog.h"
#include "editor/undo.h"
#include "format/region_text.h"
#include "model/board_region.h"
#include "shell/main_window_proc.h"

#include <benchmark/benchmark.h>

namespace bse::bench {
namespace {

LParam cellAt(int column, int row) {
    return makePointerParam(25 + 30 * column, 10 + 15 * row);
}

void controlKey(Session& s, WParam key) {
    s.platform.heldKey = BSE_VK_CONTROL;
    send(s, BSE_WM_KEYDOWN, key);
    s.platform.heldKey = 0;
}

// 200 boards of mixed blocks, a fresh history, on the first board.
Session& mixedSession() {
    Session& s = session();
    BoardSet& set = s.editor->boardSet;
    for (int k = 0; k < maxBoards; ++k) {
        for (int c = 0; c < cellsPerBoard; ++c) {
            set.board(k).cells[static_cast<std::size_t>(c)] =
                static_cast<BlockCode>(2 + (k + c) % 42);
        }
    }
    set.lastBoardIndex = lastBoardSlot;
    set.currentBoard = 0;
    startHistory(*s.editor);
    return s;
}

// The largest stamp there is, 20 x 19 cells, floated by Ctrl+V.
Session& stampSession() {
    Session& s = mixedSession();
    const Region region = copyRegion(s.editor->boardSet.current().cells, {0, 0, 20, 19});
    s.platform.putBoardOnClipboard(regionText(region), regionCellBytes(region));
    send(s, BSE_WM_MOUSEMOVE, 0, cellAt(0, 0));
    controlKey(s, 'V');
    return s;
}

// A move of the pointer one cell along the diagonal and back, the stamp drawn anew; per move.
void stampPreviewMove(benchmark::State& state) {
    Session& s = stampSession();
    int k = 0;
    for (auto _ : state) {
        k = (k + 1) % 20;
        send(s, BSE_WM_MOUSEMOVE, 0, cellAt(k, k));
    }
    send(s, BSE_WM_KEYDOWN, BSE_VK_ESCAPE, 0);
}
BENCHMARK(stampPreviewMove)->Unit(benchmark::kMicrosecond);

// A click placing the 20 x 19 stamp, alternately one row lower, each a step.
void stampPlacement(benchmark::State& state) {
    Session& s = stampSession();
    int row = 0;
    for (auto _ : state) {
        row = 1 - row;
        send(s, BSE_WM_LBUTTONDOWN, BSE_MK_LBUTTON, cellAt(0, row));
        send(s, BSE_WM_LBUTTONUP, 0, cellAt(0, row));
    }
    send(s, BSE_WM_KEYDOWN, BSE_VK_ESCAPE, 0);
}
BENCHMARK(stampPlacement)->Unit(benchmark::kMicrosecond);

// Ctrl+X of the whole board selected (the board also goes on the clipboard); undone untimed.
void cutWholeBoard(benchmark::State& state) {
    Session& s = mixedSession();
    for (auto _ : state) {
        state.PauseTiming();
        send(s, BSE_WM_COMMAND, ID_EDIT_UNDO, 0);
        send(s, BSE_WM_COMMAND, ID_EDIT_SELECTALL, 0);
        state.ResumeTiming();
        controlKey(s, 'X');
    }
}
BENCHMARK(cutWholeBoard)->Unit(benchmark::kMicrosecond);

// A drag of the whole board selected by one cell: press, move, release and its step.
void moveWholeSelection(benchmark::State& state) {
    Session& s = mixedSession();
    int column = 5;
    for (auto _ : state) {
        state.PauseTiming();
        send(s, BSE_WM_COMMAND, ID_EDIT_SELECTALL, 0);
        state.ResumeTiming();
        send(s, BSE_WM_LBUTTONDOWN, BSE_MK_LBUTTON, cellAt(column, 5));
        column = column == 5 ? 6 : 5;
        send(s, BSE_WM_MOUSEMOVE, BSE_MK_LBUTTON, cellAt(column, 5));
        send(s, BSE_WM_LBUTTONUP, 0, cellAt(column, 5));
    }
}
BENCHMARK(moveWholeSelection)->Unit(benchmark::kMicrosecond);

// Replace Block on every one of 200 boards of mixed blocks (a block that fills 1/42 of each),
// back and forth.
void replaceBlockOn200Boards(benchmark::State& state) {
    Session& s = mixedSession();
    int pass = 0;
    for (auto _ : state) {
        const bool back = pass++ % 2 == 1;
        replaceBlock(*s.editor, s.platform, back ? 44 : 7, back ? 7 : 44, true);
    }
}
BENCHMARK(replaceBlockOn200Boards)->Unit(benchmark::kMicrosecond);

// The undo (redo 0) or the redo (redo 1) of Replace Block on 200 boards.
void undoRedoReplaceBlock(benchmark::State& state) {
    Session& s = mixedSession();
    replaceBlock(*s.editor, s.platform, 7, 44, true);
    const bool timeUndo = state.range(0) == 0;
    if (!timeUndo) {
        send(s, BSE_WM_COMMAND, ID_EDIT_UNDO, 0);
    }
    timeUndoOrRedo(state, s, timeUndo);
}
BENCHMARK(undoRedoReplaceBlock)
    ->ArgName("redo")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace bse::bench
