#include "bench_session.h"
#include "editor/file_commands.h"
#include "editor/safekeeping.h"
#include "format/board_set_format.h"
#include "format/recovery_copy.h"
#include "format/version1_import.h"
#include "shell/main_window_proc.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

namespace bse::bench {
namespace {

// 200 boards with every kind of cell and the default strings: 320,929 bytes.
std::unique_ptr<BoardSet> fullBoardSet() {
    auto set = std::make_unique<BoardSet>();
    setDefaultStrings(*set);
    set->lastBoardIndex = 199;
    for (int b = 0; b < 200; ++b) {
        Board& board = set->boards[static_cast<std::size_t>(b)];
        board.background = static_cast<std::uint32_t>(b % 21);
        for (std::size_t i = 0; i < board.cells.size(); ++i) {
            board.cells[i] = static_cast<BlockCode>((i + static_cast<std::size_t>(b)) % 45);
        }
    }
    return set;
}

void writeBoardSetOf200Boards(benchmark::State& state) {
    const auto set = fullBoardSet();
    for (auto _ : state) {
        auto bytes = encodeBoardSet(*set);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["bytes"] = static_cast<double>(encodeBoardSet(*set).size());
}
BENCHMARK(writeBoardSetOf200Boards)->Unit(benchmark::kMicrosecond);

void readBoardSetOf200Boards(benchmark::State& state) {
    const auto bytes = encodeBoardSet(*fullBoardSet());
    for (auto _ : state) {
        const auto read = readBoardSet(bytes);
        benchmark::DoNotOptimize(read.ok());
    }
}
BENCHMARK(readBoardSetOf200Boards)->Unit(benchmark::kMicrosecond);

// The Open command on a 200-board file on disk: read, check, load, title and redraw.
void openCommandFromDisk(benchmark::State& state) {
    Session& s = session();
    const QString path = QDir::temp().filePath(QStringLiteral("bench-200.BDS"));
    {
        const auto bytes = encodeBoardSet(*fullBoardSet());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    }
    s.platform.chosenFile = path.toStdString();
    s.editor->modified = false;
    for (auto _ : state) {
        MainWindowProc(*s.editor, s.platform, BSE_WM_COMMAND, ID_FILE_OPEN, 0);
    }
    if (s.editor->boardSet.lastBoardIndex != 199) {
        state.SkipWithError("the file did not open");
    }
    QFile::remove(path);
}
BENCHMARK(openCommandFromDisk)->Unit(benchmark::kMicrosecond);

void importVersion1FileOf200Boards(benchmark::State& state) {
    std::vector<std::uint8_t> bytes(80000);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i % 31);
    }
    for (auto _ : state) {
        const auto imported = readVersion1Boards(bytes);
        benchmark::DoNotOptimize(imported.ok());
    }
}
BENCHMARK(importVersion1FileOf200Boards)->Unit(benchmark::kMicrosecond);

// What the painting thread does for a recovery copy: encode only.
void recoveryCopyOf200Boards(benchmark::State& state) {
    const auto set = fullBoardSet();
    for (auto _ : state) {
        auto bytes = encodeRecoveryCopy(*set, "/home/someone/boards/Levels.BDS");
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(recoveryCopyOf200Boards)->Unit(benchmark::kMicrosecond);

// A painting move as the window delivers it, with the recovery copy's bookkeeping after it.
void paintingMoveWithRecovery(benchmark::State& state) {
    Session& s = session();
    s.editor->boardSet.currentBoard = 0;
    int move = 0;
    for (auto _ : state) {
        const int x = 25 + 30 * (move % 20), y = 10 + 15 * (move / 20 % 20);
        MainWindowProc(*s.editor, s.platform, BSE_WM_MOUSEMOVE, BSE_MK_LBUTTON,
                       makePointerParam(x, y));
        keepWorkSafe(*s.editor, s.platform);
        ++move;
    }
}
BENCHMARK(paintingMoveWithRecovery)->Unit(benchmark::kMicrosecond);

// A 200-board file changed by another program, read again: read, check, load, title, redraw.
void reloadAfterExternalChange(benchmark::State& state) {
    Session& s = session();
    const std::string path =
        QDir::temp().filePath(QStringLiteral("bench-reload.BDS")).toStdString();
    if (!io::writeFileAtomically(path, encodeBoardSet(*fullBoardSet()))) {
        state.SkipWithError("no file to read");
        return;
    }
    s.editor->currentFileName = path;
    for (auto _ : state) {
        reloadBoardSetFile(*s.editor, s.platform);
    }
    if (s.editor->boardSet.lastBoardIndex != 199) {
        state.SkipWithError("the file did not load");
    }
    QFile::remove(QString::fromStdString(path));
}
BENCHMARK(reloadAfterExternalChange)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace bse::bench
