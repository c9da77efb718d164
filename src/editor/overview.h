#pragma once

#include "model/board.h"
#include "platform/ids.h"
#include "view/picture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace bse {

struct Editor;
class Platform;

// A board as the overview last showed it.
struct OverviewTile {
    BoardCells cells{};
    std::uint32_t background = 0;
    bool shown = false;
    Picture picture;
};

// The board overview window: what it shows, so that only what changed is drawn again. Holds
// nothing while it is closed.
struct Overview {
    bool open = false;
    std::vector<OverviewTile> tiles; // one per slot while open
    Picture stamps;                  // makeTileStamps of the block strip
    std::string title;
    int count = 0;
    int current = -1; // the current board when last seen
    int frame = 0;    // the framed board
};

// Board > Board Overview: shows or hides it.
void overviewCommand(Editor& editor, Platform& platform);
// Its close box was used: it is hidden already.
void overviewClosed(Editor& editor, Platform& platform);
// Shows what changed since the last call: the title, the count, the boards, the frame. When
// only the current board's cells can have changed (a pointer move), only it is compared.
void refreshOverview(Editor& editor, Platform& platform, bool onlyCurrentBoard = false);

// Gestures in the overview, boards counted from 0.
void overviewClick(Editor& editor, Platform& platform, int board);
void overviewKey(Editor& editor, Platform& platform, WParam key, int boardsPerRow);
void overviewDrop(Editor& editor, Platform& platform, int board, int before);
// Makes a board current as Jump to Board does; nothing happens when there is no such board.
void showBoard(Editor& editor, Platform& platform, int board);

} // namespace bse
