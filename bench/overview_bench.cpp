#include "bench_session.h"
#include "qt/overview_window.h"
#include "shell/main_window_proc.h"

#include <QApplication>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <string>

namespace bse::bench {
namespace {

void fill200Boards(Session& s) {
    BoardSet& set = s.editor->boardSet;
    for (int k = 0; k < maxBoards; ++k) {
        for (int cell = 0; cell < cellsPerBoard; ++cell) {
            set.board(k).cells[static_cast<std::size_t>(cell)] =
                static_cast<BlockCode>((cell * 7 + k) % 45);
        }
    }
    set.lastBoardIndex = lastBoardSlot;
    set.currentBoard = 0;
}

void setOverview(Session& s, bool open) {
    if (s.editor->overview.open != open) {
        send(s, BSE_WM_COMMAND, ID_BOARD_OVERVIEW);
    }
}

long residentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string word; status >> word;) {
        if (word == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
    }
    return 0;
}

// Ctrl+B on 200 boards until the whole window is drawn: shown, exposed by the X server, painted.
// Under Xvfb: QT_QPA_PLATFORM=xcb xvfb-run -a editor_bench --benchmark_filter=overview
void overviewOpenOn200Boards(benchmark::State& state) {
    Session& s = session();
    fill200Boards(s);
    s.platform.showMainWindow();
    long grownKb = 0;
    for (auto _ : state) {
        state.PauseTiming();
        setOverview(s, false);
        QApplication::processEvents();
        const long before = residentKb();
        state.ResumeTiming();
        setOverview(s, true);
        OverviewWindow* window = s.platform.overviewWindow();
        while (window->windowHandle() == nullptr || !window->windowHandle()->isExposed()) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        window->repaint();
        window->boards()->repaint();
        state.PauseTiming();
        grownKb = std::max(grownKb, residentKb() - before); // the first opening: later ones reuse
        state.ResumeTiming();
    }
    std::size_t bytes = 0;
    for (const OverviewTile& tile : s.editor->overview.tiles) {
        bytes += tile.picture.pixels.size() * sizeof(Pixel);
    }
    state.counters["pictureMB"] = static_cast<double>(bytes) / 1e6;
    state.counters["overviewMB"] =
        static_cast<double>(bytes + s.editor->overview.tiles.size() * sizeof(OverviewTile)) / 1e6;
    state.counters["rssGrowthMB"] = static_cast<double>(grownKb) / 1e3;
}
BENCHMARK(overviewOpenOn200Boards)->Unit(benchmark::kMillisecond)->Iterations(20);

// The painting move of dragOf400Moves on 200 boards, with the windows' repaints when the first
// argument is 1, with the overview open when the second is.
void overviewOpenPaintingMove(benchmark::State& state) {
    Session& s = session();
    fill200Boards(s);
    setOverview(s, state.range(1) == 1);
    QApplication::processEvents();
    const bool repaint = state.range(0) == 1;
    for (auto _ : state) {
        for (int move = 0; move < 400; ++move) {
            send(s, BSE_WM_MOUSEMOVE, BSE_MK_LBUTTON,
                 makePointerParam(25 + 30 * (move % 20), 10 + 15 * (move / 20)));
            if (repaint) {
                QApplication::processEvents();
            }
        }
        s.editor->leftBlock = s.editor->leftBlock % 43 + 2;
    }
    state.SetItemsProcessed(state.iterations() * 400);
    setOverview(s, false);
}
BENCHMARK(overviewOpenPaintingMove)
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace bse::bench
