#pragma once

#include "editor/editor.h"
#include "platform/platform.h"
#include "qt/qt_platform.h"

#include <memory>
#include <optional>
#include <string>

namespace benchmark {
class State;
}

namespace bse::bench {

// The Qt platform with the file dialogs answered at once, so commands can be timed whole.
class BenchPlatform : public QtPlatform {
  public:
    std::string chosenFile;
    std::optional<std::string> chooseFileToOpen(const FileDialogOptions&) override {
        return chosenFile;
    }
    WParam heldKey = 0; // the modifier key held with the keys sent
    bool keyHeld(WParam virtualKey) override { return virtualKey == heldKey; }
};

// One editor started on the Qt platform (offscreen), shared by the benchmarks of a run.
struct Session {
    std::unique_ptr<Editor> editor;
    BenchPlatform platform;
    Session();
};

Session& session();

// A message to the main window, as the desktop delivers it.
bool send(Session& s, Message message, WParam wParam, LParam lParam = 0);

// Times either the undo or the redo of the newest step, with its redraw; the other one puts the
// history back between the timings (for UseManualTime).
void timeUndoOrRedo(benchmark::State& state, Session& s, bool timeUndo);

// Times `command` on the first board, from `lastBoardIndex` again before each time.
void timeCommandOnFirstBoard(benchmark::State& state, Session& s, int lastBoardIndex, int command);

} // namespace bse::bench
