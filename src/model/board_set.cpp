#include "model/board_set.h"

#include <algorithm>

namespace bse {

void setDefaultStrings(BoardSet& boardSet) {
    boardSet.brickImagePath = defaultBrickImagePath;
    boardSet.backgroundImagePath = defaultBackgroundImagePath;
    boardSet.boardSetName = defaultBoardSetName;
    boardSet.authorName = defaultAuthorName;
}

void resetToOneBoard(BoardSet& boardSet) {
    setDefaultStrings(boardSet);
    boardSet.lastBoardIndex = 0;
    boardSet.currentBoard = 0;
    boardSet.current().cells.fill(0);
}

bool insertEmptyBoard(BoardSet& boardSet, int position) {
    if (boardSet.full() || position < 0 || position > boardSet.boardCount()) {
        return false;
    }
    for (int k = boardSet.lastBoardIndex; k >= position; --k) {
        boardSet.board(k + 1).cells = boardSet.board(k).cells;
    }
    ++boardSet.lastBoardIndex;
    boardSet.currentBoard = position;
    boardSet.current().cells.fill(0);
    return true;
}

bool deleteBoard(BoardSet& boardSet, int position) {
    if (boardSet.lastBoardIndex < 1 || position < 0 || position > boardSet.lastBoardIndex) {
        return false;
    }
    for (int k = position; k < boardSet.lastBoardIndex; ++k) {
        boardSet.board(k).cells = boardSet.board(k + 1).cells;
    }
    --boardSet.lastBoardIndex;
    moveToBoard(boardSet, boardSet.currentBoard);
    return true;
}

bool moveBoard(BoardSet& boardSet, int from, int to) {
    const int last = boardSet.lastBoardIndex;
    if (from < 0 || from > last || to < 0 || to > last) {
        return false;
    }
    const auto first = boardSet.boards.begin();
    if (from < to) {
        std::rotate(first + from, first + from + 1, first + to + 1);
    } else {
        std::rotate(first + to, first + from, first + from + 1);
    }
    boardSet.currentBoard = to;
    return true;
}

bool duplicateBoard(BoardSet& boardSet, int position) {
    if (boardSet.full() || position < 0 || position > boardSet.lastBoardIndex) {
        return false;
    }
    const auto first = boardSet.boards.begin();
    std::copy_backward(first + position, first + boardSet.lastBoardIndex + 1,
                       first + boardSet.lastBoardIndex + 2);
    ++boardSet.lastBoardIndex;
    boardSet.currentBoard = position + 1;
    return true;
}

void moveToBoard(BoardSet& boardSet, int position) {
    boardSet.currentBoard = std::clamp(position, 0, boardSet.lastBoardIndex);
}

void adoptBoardSet(BoardSet& boardSet, const BoardSet& loaded) {
    const int count = std::clamp(loaded.boardCount(), 1, maxBoards);
    std::copy_n(loaded.boards.begin(), count, boardSet.boards.begin());
    boardSet.lastBoardIndex = count - 1;
    boardSet.currentBoard = 0;
    boardSet.brickImagePath = loaded.brickImagePath;
    boardSet.backgroundImagePath = loaded.backgroundImagePath;
    boardSet.boardSetName = loaded.boardSetName;
    boardSet.authorName = loaded.authorName;
}

void adoptBoardCells(BoardSet& boardSet, std::span<const BoardCells> cells) {
    const int count = std::clamp(static_cast<int>(cells.size()), 1, maxBoards);
    for (int b = 0; b < count && b < static_cast<int>(cells.size()); ++b) {
        boardSet.board(b).cells = cells[static_cast<std::size_t>(b)];
    }
    boardSet.lastBoardIndex = count - 1;
    boardSet.currentBoard = 0;
}

} // namespace bse
