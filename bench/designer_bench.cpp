#include "bench_session.h"
#include "editor/undo.h"
#include "shell/main_window_proc.h"

#include <benchmark/benchmark.h>

namespace bse::bench {
namespace {

LParam cellAt(int column, int row) {
    return makePointerParam(25 + 30 * column, 10 + 15 * row);
}

// 200 boards of distinct blocks, a fresh history, on `current`.
Session& boardsSession(int current) {
    Session& s = session();
    BoardSet& set = s.editor->boardSet;
    for (int k = 0; k < maxBoards; ++k) {
        BoardCells& cells = set.boards[static_cast<std::size_t>(k)].cells;
        for (int c = 0; c < cellsPerBoard; ++c) {
            cells[static_cast<std::size_t>(c)] = static_cast<BlockCode>(2 + (k + c) % 42);
        }
    }
    set.lastBoardIndex = lastBoardSlot;
    set.currentBoard = current;
    startHistory(*s.editor);
    return s;
}

// A Shift-drag from the first cell whose corner walks the diagonal to the last cell and back:
// each move grows or shrinks the rectangle by a row and a column. The time is per move.
void rectanglePreviewMove(benchmark::State& state) {
    Session& s = boardsSession(0);
    send(s, BSE_WM_LBUTTONDOWN, BSE_MK_LBUTTON | BSE_MK_SHIFT, cellAt(0, 0));
    for (auto _ : state) {
        for (int step = 1; step < 40; ++step) {
            const int k = step < 20 ? step : 39 - step;
            send(s, BSE_WM_MOUSEMOVE, BSE_MK_LBUTTON | BSE_MK_SHIFT, cellAt(k, k));
        }
        benchmark::ClobberMemory();
    }
    send(s, BSE_WM_LBUTTONUP, 0, cellAt(0, 0));
    state.SetItemsProcessed(state.iterations() * 39);
}
BENCHMARK(rectanglePreviewMove)->Unit(benchmark::kMicrosecond);

// The worst preview step: from one cell to the whole board and back.
void rectanglePreviewWholeBoard(benchmark::State& state) {
    Session& s = boardsSession(0);
    send(s, BSE_WM_LBUTTONDOWN, BSE_MK_LBUTTON | BSE_MK_SHIFT, cellAt(0, 0));
    int corner = 0;
    for (auto _ : state) {
        corner = 19 - corner;
        send(s, BSE_WM_MOUSEMOVE, BSE_MK_LBUTTON | BSE_MK_SHIFT, cellAt(corner, corner));
    }
    send(s, BSE_WM_LBUTTONUP, 0, cellAt(0, 0));
}
BENCHMARK(rectanglePreviewWholeBoard)->Unit(benchmark::kMicrosecond);

// A Ctrl-click filling a whole board of one code with another, each drawn and recorded.
void fillWholeBoard(benchmark::State& state) {
    Session& s = boardsSession(0);
    s.editor->boardSet.current().cells.fill(0);
    int pass = 0;
    for (auto _ : state) {
        s.editor->leftBlock = static_cast<BlockCode>(2 + pass++ % 42);
        send(s, BSE_WM_LBUTTONDOWN, BSE_MK_LBUTTON | BSE_MK_CONTROL, cellAt(7, 7));
        send(s, BSE_WM_LBUTTONUP, 0, cellAt(7, 7));
    }
}
BENCHMARK(fillWholeBoard)->Unit(benchmark::kMicrosecond);

// Flips and shifts of a board of mixed blocks, with their redraws and steps.
void boardCommand(benchmark::State& state) {
    Session& s = boardsSession(0);
    for (auto _ : state) {
        send(s, BSE_WM_COMMAND, static_cast<WParam>(state.range(0)), 0);
    }
}
BENCHMARK(boardCommand)
    ->ArgName("id")
    ->Arg(ID_BOARD_FLIPLEFTRIGHT)
    ->Arg(ID_BOARD_FLIPTOPBOTTOM)
    ->Arg(ID_BOARD_SHIFTLEFT)
    ->Arg(ID_BOARD_SHIFTDOWN)
    ->Unit(benchmark::kMicrosecond);

// Move Board at 200 boards: the current board goes one later, then one earlier.
void moveBoardAt200Boards(benchmark::State& state) {
    Session& s = boardsSession(100);
    int delta = 1;
    for (auto _ : state) {
        send(s, BSE_WM_COMMAND, delta > 0 ? ID_BOARD_MOVELATER : ID_BOARD_MOVEEARLIER, 0);
        delta = -delta;
    }
}
BENCHMARK(moveBoardAt200Boards)->Unit(benchmark::kMicrosecond);

// Duplicate Board on the first of 199 boards: every board after it moves.
void duplicateBoardAt199Boards(benchmark::State& state) {
    timeCommandOnFirstBoard(state, boardsSession(0), 198, ID_EDIT_DUPLICATEBOARD);
}
BENCHMARK(duplicateBoardAt199Boards)->Unit(benchmark::kMicrosecond);

// The undo (redo 0) or the redo (redo 1) of one Move Board (command 0) or Duplicate Board
// (command 1) on the first board, at 200 boards, with its redraw.
void undoRedoMoveOrDuplicate(benchmark::State& state) {
    Session& s = boardsSession(0);
    if (state.range(1) == 1) {
        s.editor->boardSet.lastBoardIndex = 198;
    }
    send(s, BSE_WM_COMMAND, state.range(1) == 0 ? ID_BOARD_MOVELATER : ID_EDIT_DUPLICATEBOARD, 0);
    const bool timeUndo = state.range(0) == 0;
    if (!timeUndo) {
        send(s, BSE_WM_COMMAND, ID_EDIT_UNDO, 0);
    }
    timeUndoOrRedo(state, s, timeUndo);
}
BENCHMARK(undoRedoMoveOrDuplicate)
    ->ArgNames({"redo", "duplicate"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace bse::bench
