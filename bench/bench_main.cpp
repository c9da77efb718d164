// The editor's benchmarks, through the Qt platform on the offscreen platform:
//   build-bench/bench/editor_bench
#include "bench_session.h"
#include "shell/startup.h"

#include <QApplication>

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
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
