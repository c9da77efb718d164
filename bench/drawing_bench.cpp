// Drawing costs of the editor's canvas, through the Qt platform on the offscreen platform:
//   QT_QPA_PLATFORM=offscreen build-bench/bench/drawing_bench
#include "qt/qt_platform.h"
#include "shell/editor.h"
#include "shell/startup.h"
#include "view/drawing.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

struct Session {
    std::unique_ptr<bse::Editor> editor = std::make_unique<bse::Editor>();
    bse::QtPlatform platform;
    Session() {
        if (!bse::startEditor(*editor, platform)) {
            std::abort();
        }
    }
};

Session& session() {
    static Session started;
    return started;
}

void redrawBoardOf400Blocks(benchmark::State& state) {
    Session& s = session();
    bse::Board& board = s.editor->boardSet.current();
    for (std::size_t i = 0; i < board.cells.size(); ++i) {
        board.cells[i] = static_cast<bse::BlockCode>(2 + i % 42);
    }
    for (auto _ : state) {
        bse::redrawBoard(*s.editor, s.platform);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(redrawBoardOf400Blocks)->Unit(benchmark::kMicrosecond);

void drawCellAndStatusLine(benchmark::State& state) {
    Session& s = session();
    int step = 0;
    for (auto _ : state) {
        const int column = step % 20 + 1;
        const int row = step / 20 % 20 + 1;
        bse::drawCell(*s.editor, s.platform, s.editor->leftBlock, column, row);
        const std::string text =
            "Board: 1 - Column: " + std::to_string(column) + ", Row: " + std::to_string(row);
        bse::drawStatusText(*s.editor, s.platform, text, bse::Rgb{255, 255, 255});
        benchmark::ClobberMemory();
        ++step;
    }
}
BENCHMARK(drawCellAndStatusLine)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
