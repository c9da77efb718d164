#pragma once

#include "editor/history.h"
#include "editor/overview.h"
#include "model/board_set.h"
#include "platform/ids.h"
#include "view/drawing.h"

#include <string>

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
    WParam button = 0; // MK_LBUTTON or MK_RBUTTON
    BlockCode code = 0;
    int board = 0;
    int column = 0; // the pressed cell, 0-based
    int row = 0;
    bool modifiedBefore = false;
    BoardCells before{};
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
    int iconFrame = 1;
    std::string currentFileName;
    bool askInfoBeforeWrite = false;
    PointerState pointer;
    ShownDocument shownDocument;
    Pictures pictures;
    History history; // of the BoardSet, since it was made or read
    bool mirrorPainting = false;
    RectangleDrag rectangle;
    Overview overview;
};

} // namespace bse
