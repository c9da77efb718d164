#include "bench_session.h"
#include "format/board_text.h"
#include "shell/main_window_proc.h"

#include <QClipboard>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace bse::bench {
namespace {

// A left drag of 400 moves across the whole grid, each move painting one cell and rewriting the
// status line; the time is per move.
void dragOf400Moves(benchmark::State& state) {
    Session& s = session();
    s.editor->boardSet.lastBoardIndex = 0;
    s.editor->boardSet.currentBoard = 0;
    for (auto _ : state) {
        for (int move = 0; move < 400; ++move) {
            const int x = 25 + 30 * (move % 20);
            const int y = 10 + 15 * (move / 20);
            send(s, BSE_WM_MOUSEMOVE, BSE_MK_LBUTTON, makePointerParam(x, y));
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 400);
}
BENCHMARK(dragOf400Moves)->Unit(benchmark::kMicrosecond);

// Keyboard Painting: 400 arrow keys that take the cursor through every cell of the grid, row by
// row and back, each move redrawing the cell it left and the one it reached and the status line;
// with Space held (argument 1) each also paints its cell. The time is per move; limit 50 us.
void keyboardCursorOf400Moves(benchmark::State& state) {
    Session& s = session();
    s.editor->boardSet.lastBoardIndex = 0;
    s.editor->boardSet.currentBoard = 0;
    s.editor->keyboard = KeyboardPainting{};
    s.editor->keyboard.on = true;
    const bool painting = state.range(0) == 1;
    if (painting) {
        send(s, BSE_WM_KEYDOWN, BSE_VK_SPACE);
    }
    for (auto _ : state) {
        for (int move = 0; move < 400; ++move) {
            const bool rightwards = move / 20 % 2 == 0;
            const WParam key = move % 20 == 19 ? (move < 380 ? BSE_VK_DOWN : BSE_VK_UP)
                                               : (rightwards ? BSE_VK_RIGHT : BSE_VK_LEFT);
            send(s, BSE_WM_KEYDOWN, key);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 400);
    send(s, BSE_WM_KEYUP, BSE_VK_SPACE);
    s.editor->keyboard = {};
}
BENCHMARK(keyboardCursorOf400Moves)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Copy Board onto the desktop's clipboard (text and the editor's own type), and Paste Board of 20
// rows of text from it, as typed in another program; limit 1 ms each.
void copyBoardToTheDesktop(benchmark::State& state) {
    Session& s = session();
    for (auto _ : state) {
        send(s, BSE_WM_COMMAND, ID_EDIT_COPYBOARD, 0);
    }
}
BENCHMARK(copyBoardToTheDesktop)->Unit(benchmark::kMicrosecond);

void pasteBoardOfTextFromTheDesktop(benchmark::State& state) {
    Session& s = session();
    BoardCells cells{};
    cells.fill(12);
    QGuiApplication::clipboard()->setText(QString::fromStdString(boardText(cells)));
    for (auto _ : state) {
        send(s, BSE_WM_COMMAND, ID_EDIT_PASTEBOARD, 0);
    }
}
BENCHMARK(pasteBoardOfTextFromTheDesktop)->Unit(benchmark::kMicrosecond);

void fillTo200Boards(Session& s) {
    for (int k = 0; k < 200; ++k) {
        s.editor->boardSet.boards[static_cast<std::size_t>(k)].cells.fill(
            static_cast<BlockCode>(2 + k % 42));
    }
}

// Insert on the first board of 199 (moving every board) and Delete it again, with their redraws.
void insertBoardAt199Boards(benchmark::State& state) {
    Session& s = session();
    fillTo200Boards(s);
    timeCommandOnFirstBoard(state, s, 198, ID_EDIT_INSERTBOARD);
}
BENCHMARK(insertBoardAt199Boards)->Unit(benchmark::kMicrosecond);

void deleteBoardAt200Boards(benchmark::State& state) {
    Session& s = session();
    fillTo200Boards(s);
    timeCommandOnFirstBoard(state, s, 199, ID_EDIT_DELETEBOARD);
}
BENCHMARK(deleteBoardAt200Boards)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace bse::bench
