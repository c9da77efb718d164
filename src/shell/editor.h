#pragma once

#include "model/board_set.h"
#include "view/picture.h"

#include <string>

namespace bse {

inline constexpr const char* programTitle = "BoardSet Editor for Plinkor 2";

inline constexpr BlockCode defaultLeftBlock = 8;
inline constexpr BlockCode defaultRightBlock = eraserCode;

struct PointerState {
    int pointerX = 0;
    int pointerY = 0;
    bool buttonLatch = false;
};

struct Pictures {
    Picture editorCanvas;   // what the window shows; all drawing goes here
    Picture editorBackdrop; // never drawn on; wipes the grid
    Picture blockStrip;
    Picture statusStrip;
    Picture aboutPicture;
};

// All the state the program keeps for its whole run. main() makes the one instance; tests make
// a fresh one each. Large (over 300 KB): allocate it on the heap.
struct Editor {
    BoardSet boardSet;
    BlockCode leftBlock = defaultLeftBlock;
    BlockCode rightBlock = defaultRightBlock;
    BoardCells boardClipboard{};
    int iconFrame = 1;
    std::string currentFileName;
    bool askInfoBeforeWrite = false;
    PointerState pointer;
    Pictures pictures;
    std::string startupFailure; // set when the main window's initialisation cannot finish
};

} // namespace bse
