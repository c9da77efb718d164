#pragma once

#include "editor/history.h"
#include "editor/overview.h"
#include "editor/selection_state.h"
#include "io/file_identity.h"
#include "model/board_set.h"
#include "platform/ids.h"
#include "view/drawing.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bse {

inline constexpr BlockCode defaultLeftBlock = 8;
inline constexpr BlockCode defaultRightBlock = eraserCode;

struct PointerState {
    int pointerX = 0;
    int pointerY = 0;
    bool buttonLatch = false;
};

// A Shift-drag on the grid: the rectangle from the pressed cell, drawn over the board as it was.
struct RectangleDrag {
    bool active = false;
    bool cancelled = false; // by Escape: nothing is painted until the next press
    WParam button = 0;      // MK_LBUTTON or MK_RBUTTON
    BlockCode code = 0;
    int board = 0;
    int column = 0; // the pressed cell, 0-based
    int row = 0;
    bool modifiedBefore = false;
    BoardCells before{};
};

// Edit > Keyboard Painting: the cell cursor (0-based, kept across boards) and a Space stroke.
struct KeyboardPainting {
    bool on = false;
    int column = 0;
    int row = 0;
    bool spaceHeld = false; // from Space's press to its release: moves paint
    BlockCode strokeCode = 0;
    std::optional<GridCellAt> shown; // where the cursor was last drawn
};

// What the desktop was last told: the title, the menu items that follow the state, and the
// document (Platform::showDocument). The menu starts with Undo and Redo greyed, Paste Board on.
struct Shown {
    std::string title;
    bool undo = false;
    bool redo = false;
    bool paste = true;
    std::string path;
    bool modified = false;
    std::string status; // the status line's text
};

// What the recovery copy was last brought up to date with.
struct WorkState {
    std::uint64_t edits = ~0ull; // History::edits()
    bool modified = false;
    int board = -1; // the current one
    friend bool operator==(const WorkState&, const WorkState&) = default;
};

// The recovery copy of unsaved work and the watch on the open file.
struct Safekeeping {
    bool on = false;
    WorkState seen;
    bool copyDue = false;     // its timers run
    bool fileLookDue = false; // a change of the file waits to be looked at
    bool copyKept = false;    // written, or asked to be
    bool failureReported = false;
    bool askingToReload = false; // the question about a changed file is open
    std::string watchedPath;
    std::optional<io::FileIdentity> knownFile;      // as the editor last read or wrote it
    std::optional<io::FileIdentity> declinedChange; // a change not to ask about again
};

// All the state the program keeps for its whole run. main() makes the one instance; tests make
// a fresh one each. Large (over 300 KB): allocate it on the heap.
struct Editor {
    BoardSet boardSet;
    bool modified = false; // changes not yet in a file
    BlockCode leftBlock = defaultLeftBlock;
    BlockCode rightBlock = defaultRightBlock;
    BoardCells boardClipboard{};
    bool boardCopied = false;          // boardClipboard holds a board
    bool clipboardOffersBoard = false; // the desktop's clipboard holds cells or text
    int iconFrame = 1;
    std::string currentFileName;
    bool askInfoBeforeWrite = false;
    PointerState pointer;
    Shown shown;
    Pictures pictures;
    History history; // of the BoardSet, since it was made or read
    bool mirrorPainting = false;
    RectangleDrag rectangle;
    Safekeeping safekeeping;
    Overview overview;
    std::vector<std::string> recentFiles; // opened or saved, most recent first
    SelectionState selection;
    KeyboardPainting keyboard;
};

} // namespace bse
