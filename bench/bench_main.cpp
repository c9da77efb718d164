// The editor's benchmarks, through the Qt platform on the offscreen platform:
//   build-bench/bench/editor_bench
#include "bench_session.h"
#include "shell/startup.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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
