#include "bench_session.h"
#include "editor/screen.h"

#include <benchmark/benchmark.h>

#include <string>

namespace bse::bench {
namespace {

void redrawBoardOf400Blocks(benchmark::State& state) {
    Session& s = session();
    Board& board = s.editor->boardSet.current();
    for (std::size_t i = 0; i < board.cells.size(); ++i) {
        board.cells[i] = static_cast<BlockCode>(2 + i % 42);
    }
    for (auto _ : state) {
        redrawBoard(*s.editor, s.platform);
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
        drawCell(*s.editor, s.platform, s.editor->leftBlock, column, row);
        const std::string text =
            "Board: 1 - Column: " + std::to_string(column) + ", Row: " + std::to_string(row);
        drawStatusText(*s.editor, s.platform, text, Rgb{255, 255, 255});
        benchmark::ClobberMemory();
        ++step;
    }
}
BENCHMARK(drawCellAndStatusLine)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace bse::bench
