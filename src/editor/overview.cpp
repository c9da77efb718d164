#include "editor/overview.h"

#include "editor/designer_commands.h"
#include "editor/editor.h"
#include "editor/screen.h"
#include "editor/undo.h"
#include "model/board_region.h"
#include "platform/platform.h"
#include "view/board_tile.h"

#include <algorithm>

namespace bse {

namespace {

std::string overviewTitle(const Editor& editor) {
    return "Boards - " + editor.boardSet.boardSetName;
}

// The cells that differ from what the tile shows, drawn into it; all of them the first time.
void drawTile(Overview& overview, OverviewTile& tile, const Board& board) {
    if (tile.picture.empty()) {
        tile.picture = Picture(tileWidth, tileHeight);
    }
    for (int column = 1; column <= boardColumns; ++column) {
        for (int row = 1; row <= boardRows; ++row) {
            const auto at = static_cast<std::size_t>(screenCellIndex(column, row));
            if (!tile.shown || tile.cells[at] != board.cells[at]) {
                drawTileCell(tile.picture, overview.stamps, board.cells[at], column, row);
            }
        }
    }
    tile.cells = board.cells;
}

void refreshBoard(Editor& editor, Platform& platform, int position) {
    Overview& overview = editor.overview;
    OverviewTile& tile = overview.tiles[static_cast<std::size_t>(position)];
    const Board& board = editor.boardSet.board(position);
    if (tile.shown && tile.background == board.background && tile.cells == board.cells) {
        return;
    }
    drawTile(overview, tile, board);
    tile.background = board.background;
    tile.shown = true;
    const int blocks = blockCount(board.cells);
    const std::string label =
        std::to_string(position + 1) + " - background " + std::to_string(board.background) +
        (blocks == 0 ? " - empty"
                     : " - " + std::to_string(blocks) + (blocks == 1 ? " block" : " blocks"));
    platform.setOverviewTile(position, tile.picture, label);
}

void setFrame(Editor& editor, Platform& platform, int board) {
    editor.overview.frame = board;
    platform.setOverviewFrame(board);
}

void openOverview(Editor& editor, Platform& platform) {
    Overview& overview = editor.overview;
    overview = Overview{};
    overview.open = true;
    overview.tiles.resize(maxBoards);
    overview.stamps = makeTileStamps(editor.pictures.blockStrip);
    overview.title = overviewTitle(editor);
    platform.showOverview(overview.title);
    refreshOverview(editor, platform);
}

} // namespace

void overviewCommand(Editor& editor, Platform& platform) {
    if (editor.overview.open) {
        platform.hideOverview();
        overviewClosed(editor, platform);
    } else {
        openOverview(editor, platform);
        platform.checkMenuItem(ID_BOARD_OVERVIEW, true);
    }
}

void overviewClosed(Editor& editor, Platform& platform) {
    editor.overview = Overview{};
    platform.checkMenuItem(ID_BOARD_OVERVIEW, false);
}

void refreshOverview(Editor& editor, Platform& platform, bool onlyCurrentBoard) {
    Overview& overview = editor.overview;
    if (!overview.open) {
        return;
    }
    const BoardSet& set = editor.boardSet;
    if (onlyCurrentBoard) {
        refreshBoard(editor, platform, set.currentBoard);
        return;
    }
    if (const std::string title = overviewTitle(editor); title != overview.title) {
        overview.title = title;
        platform.setOverviewTitle(title);
    }
    if (overview.count != set.boardCount()) {
        overview.count = set.boardCount();
        platform.setOverviewCount(overview.count);
    }
    for (int position = 0; position < set.boardCount(); ++position) {
        refreshBoard(editor, platform, position);
    }
    if (overview.current != set.currentBoard) {
        overview.current = set.currentBoard;
        setFrame(editor, platform, set.currentBoard);
    } else if (overview.frame > set.lastBoardIndex) {
        setFrame(editor, platform, set.lastBoardIndex);
    }
}

void showBoard(Editor& editor, Platform& platform, int board) {
    BoardSet& set = editor.boardSet;
    if (board < 0 || board > set.lastBoardIndex) {
        return;
    }
    moveToBoard(set, board);
    redrawBoard(editor, platform);
}

void overviewClick(Editor& editor, Platform& platform, int board) {
    showBoard(editor, platform, board);
}

void overviewKey(Editor& editor, Platform& platform, WParam key, int boardsPerRow) {
    const Overview& overview = editor.overview;
    const int last = editor.boardSet.lastBoardIndex;
    const int row = std::max(boardsPerRow, 1);
    int frame = overview.frame;
    switch (key) {
    case BSE_VK_RETURN:
        showBoard(editor, platform, frame);
        return;
    case BSE_VK_LEFT:
        frame = std::max(frame - 1, 0);
        break;
    case BSE_VK_RIGHT:
        frame = std::min(frame + 1, last);
        break;
    case BSE_VK_UP:
        frame = frame >= row ? frame - row : frame;
        break;
    case BSE_VK_DOWN:
        frame = frame + row <= last ? frame + row : frame;
        break;
    case BSE_VK_HOME:
        frame = 0;
        break;
    case BSE_VK_END:
        frame = last;
        break;
    default:
        return;
    }
    if (overview.open && frame != overview.frame) {
        setFrame(editor, platform, frame);
    }
}

void overviewDrop(Editor& editor, Platform& platform, int board, int before) {
    const BoardSet& set = editor.boardSet;
    if (board < 0 || board > set.lastBoardIndex || before < 0 || before > set.boardCount()) {
        return;
    }
    // The gaps on either side of the board leave it where it is.
    const int to = before > board ? before - 1 : before;
    if (to != board) {
        moveBoardTo(editor, platform, board, to);
    }
}

} // namespace bse
