// The editor's benchmarks, through the Qt platform on the offscreen platform:
//   build-bench/bench/editor_bench
#include "bench_session.h"
#include "shell/main_window_proc.h"
#include "shell/startup.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

namespace bse::bench {

Session::Session() : editor(std::make_unique<Editor>()) {
    if (!startEditor(*editor, platform)) {
        std::abort();
    }
}

Session& session() {
    // Never destroyed: its window must not outlive the QApplication of main(), gone by exit time.
    static Session* const started = new Session;
    return *started;
}

bool send(Session& s, Message message, WParam wParam, LParam lParam) {
    return MainWindowProc(*s.editor, s.platform, message, wParam, lParam);
}

void timeUndoOrRedo(benchmark::State& state, Session& s, bool timeUndo) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        send(s, BSE_WM_COMMAND, timeUndo ? ID_EDIT_UNDO : ID_EDIT_REDO);
        const auto end = std::chrono::steady_clock::now();
        send(s, BSE_WM_COMMAND, timeUndo ? ID_EDIT_REDO : ID_EDIT_UNDO);
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

void timeCommandOnFirstBoard(benchmark::State& state, Session& s, int lastBoardIndex, int command) {
    for (auto _ : state) {
        state.PauseTiming();
        s.editor->boardSet.lastBoardIndex = lastBoardIndex;
        s.editor->boardSet.currentBoard = 0;
        state.ResumeTiming();
        send(s, BSE_WM_COMMAND, static_cast<WParam>(command));
    }
}

} // namespace bse::bench

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The editor's recovery copies go where no earlier editor left any.
    setenv("XDG_STATE_HOME", QDir::temp().filePath(QStringLiteral("bench-state")).toUtf8(), 1);
    QApplication application(argc, argv);
    // The editor keeps the files it opened in the user's settings: a run keeps its own apart.
    const QTemporaryDir settings;
    setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
