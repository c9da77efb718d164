#pragma once

#include "editor/editor.h"
#include "qt/qt_platform.h"

#include <memory>
#include <optional>
#include <string>

namespace bse::bench {

// The Qt platform with the file dialogs answered at once, so commands can be timed whole.
class BenchPlatform : public QtPlatform {
  public:
    std::string chosenFile;
    std::optional<std::string> chooseFileToOpen(const FileDialogOptions&) override {
        return chosenFile;
    }
};

// One editor started on the Qt platform (offscreen), shared by the benchmarks of a run.
struct Session {
    std::unique_ptr<Editor> editor;
    BenchPlatform platform;
    Session();
};

Session& session();

} // namespace bse::bench
