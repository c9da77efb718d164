#pragma once

#include "qt/qt_platform.h"
#include "shell/editor.h"

#include <memory>

namespace bse::bench {

// One editor started on the Qt platform (offscreen), shared by the benchmarks of a run.
struct Session {
    std::unique_ptr<Editor> editor;
    QtPlatform platform;
    Session();
};

Session& session();

} // namespace bse::bench
