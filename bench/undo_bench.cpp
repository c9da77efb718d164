#include "bench_session.h"
#include "editor/undo.h"
#include "shell/main_window_proc.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace bse::bench {
namespace {

LParam cellAt(int cell) {
    return makePointerParam(25 + 30 * (cell % 20), 10 + 15 * (cell / 20 % 20));
}

// Press, a move over each further cell of the grid, release: one stroke of `cells` cells.
void stroke(Session& s, int cells) {
    send(s, BSE_WM_LBUTTONDOWN, BSE_MK_LBUTTON, cellAt(0));
    for (int cell = 1; cell < cells; ++cell) {
        send(s, BSE_WM_MOUSEMOVE, BSE_MK_LBUTTON, cellAt(cell));
    }
    send(s, BSE_WM_LBUTTONUP, 0, cellAt(cells - 1));
}

// A fresh history on board 1 of 200 boards, all blocks.
Session& freshSession() {
    Session& s = session();
    BoardSet& set = s.editor->boardSet;
    for (int k = 0; k < maxBoards; ++k) {
        set.boards[static_cast<std::size_t>(k)].cells.fill(static_cast<BlockCode>(2 + k % 42));
    }
    set.lastBoardIndex = lastBoardSlot;
    set.currentBoard = 0;
    startHistory(*s.editor);
    return s;
}

void undoRedoDeleteBoardAt200Boards(benchmark::State& state) {
    Session& s = freshSession();
    send(s, BSE_WM_COMMAND, ID_EDIT_DELETEBOARD, 0);
    if (state.range(0) == 1) {
        send(s, BSE_WM_COMMAND, ID_EDIT_UNDO, 0); // timing the redo: start undone
    }
    timeUndoOrRedo(state, s, state.range(0) == 0);
}
BENCHMARK(undoRedoDeleteBoardAt200Boards)
    ->ArgName("redo")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

void undoRedoStrokeOf400Cells(benchmark::State& state) {
    Session& s = freshSession();
    s.editor->leftBlock = eraserCode;
    stroke(s, cellsPerBoard);
    if (state.range(0) == 1) {
        send(s, BSE_WM_COMMAND, ID_EDIT_UNDO, 0);
    }
    timeUndoOrRedo(state, s, state.range(0) == 0);
}
BENCHMARK(undoRedoStrokeOf400Cells)
    ->ArgName("redo")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// Strokes of 400 painting moves, each changing its cell and being recorded; the time is per
// move, the release that takes the step included.
void paintingMoveWithRecording(benchmark::State& state) {
    Session& s = freshSession();
    int pass = 0;
    for (auto _ : state) {
        s.editor->leftBlock = static_cast<BlockCode>(2 + pass++ % 42);
        stroke(s, cellsPerBoard);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * cellsPerBoard);
}
BENCHMARK(paintingMoveWithRecording)->Unit(benchmark::kMicrosecond);

// What 1,000 one-cell strokes cost: the history's own count and the heap's growth.
void memoryOf1000OneCellStrokes(benchmark::State& state) {
    Session& s = freshSession();
    for (auto _ : state) {
        startHistory(*s.editor);
        const std::size_t heapBefore = mallinfo2().uordblks;
        for (int k = 0; k < 1000; ++k) {
            s.editor->leftBlock = static_cast<BlockCode>(3 + k % 41); // never what the cell holds
            send(s, BSE_WM_LBUTTONDOWN, BSE_MK_LBUTTON, cellAt(k));
            send(s, BSE_WM_LBUTTONUP, 0, cellAt(k));
        }
        state.counters["history_bytes"] = static_cast<double>(s.editor->history.bytes());
        state.counters["heap_growth_bytes"] =
            static_cast<double>(mallinfo2().uordblks - heapBefore);
        state.counters["steps"] = static_cast<double>(s.editor->history.size());
    }
}
BENCHMARK(memoryOf1000OneCellStrokes)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace bse::bench
