#pragma once

#include "editor/history.h"
#include "model/board_set.h"
#include "view/drawing.h"

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

// What the desktop was last told of the document (Platform::showDocument).
struct ShownDocument {
    std::string path;
    bool modified = false;
};

// All the state the program keeps for its whole run. main() makes the one instance; tests make
// a fresh one each. Large (over 300 KB): allocate it on the heap.
struct Editor {
    BoardSet boardSet;
    bool modified = false; // changes not yet in a file
    BlockCode leftBlock = defaultLeftBlock;
    BlockCode rightBlock = defaultRightBlock;
    BoardCells boardClipboard{};
    bool boardCopied = false; // boardClipboard holds a board
    int iconFrame = 1;
    std::string currentFileName;
    bool askInfoBeforeWrite = false;
    PointerState pointer;
    ShownDocument shownDocument;
    Pictures pictures;
    History history;                      // of the BoardSet, since it was made or read
    std::vector<std::string> recentFiles; // opened or saved, most recent first
};

} // namespace bse
