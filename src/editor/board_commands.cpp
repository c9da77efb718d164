#include "editor/board_commands.h"
#include "format/board_text.h"
#include "format/region_text.h"

#include "editor/editor.h"
#include "editor/screen.h"
#include "editor/undo.h"
#include "platform/platform.h"

namespace bse {

namespace {

constexpr const char* clearQuestion = "Are you sure you want to clear the current board?";
constexpr const char* addQuestion = "Would you like to add a new board to the boardset?";
constexpr const char* fullRefusal =
    "This BoardSet already holds 200 boards, as many as a BoardSet can hold.";
constexpr const char* noAnswerRefusal =
    "The program that holds the clipboard did not answer in time, so nothing was pasted.";
constexpr const char* noBoardRefusal =
    "The text on the clipboard is no board: a board is 20 rows of 20 block characters.";
constexpr const char* partRefusal =
    "The clipboard holds a part of a board, not a whole one: Ctrl+V on the grid places it as a "
    "stamp.";

// An empty board opened at `position` and wiped on screen, as Clear Board does; the step for
// the caller to record once the board is shown.
InsertionStep openBoardAt(Editor& editor, Platform& platform, int position) {
    BoardSet& set = editor.boardSet;
    InsertionStep step{position, set.currentBoard,
                       std::make_unique<BoardCells>(set.board(set.boardCount()).cells)};
    insertEmptyBoard(set, position);
    clearBoard(editor, platform);
    return step;
}

// The add path of Next Board and Last Board, after their question.
void appendAfterAsking(Editor& editor, Platform& platform) {
    if (refuseWhenFull(editor, platform)) {
        return;
    }
    if (platform.askQuestion(addQuestion) != Answer::Yes) {
        return;
    }
    // On the last board: nothing after it moves.
    InsertionStep step = openBoardAt(editor, platform, editor.boardSet.currentBoard + 1);
    redrawBoard(editor, platform);
    markChange(editor, std::move(step));
}

// Add a Board and Insert Board: an empty board at `position`, shown, unless the set is full.
void addBoardAt(Editor& editor, Platform& platform, int position) {
    if (refuseWhenFull(editor, platform)) {
        return;
    }
    InsertionStep step = openBoardAt(editor, platform, position);
    redrawBoard(editor, platform);
    markChange(editor, std::move(step));
}

// Previous and First: on the first board only a beep, else back to `target`.
void goBackTo(Editor& editor, Platform& platform, int target) {
    if (editor.boardSet.currentBoard < 1) {
        platform.beep();
        return;
    }
    moveToBoard(editor.boardSet, target);
    redrawBoard(editor, platform);
}

// Next and Last: on the last board the offer to add one, else on to `target`.
void goOnTo(Editor& editor, Platform& platform, int target) {
    BoardSet& set = editor.boardSet;
    if (set.currentBoard < set.lastBoardIndex) {
        moveToBoard(set, target);
        redrawBoard(editor, platform);
    } else {
        appendAfterAsking(editor, platform);
    }
}

} // namespace

bool refuseWhenFull(Editor& editor, Platform& platform) {
    if (!editor.boardSet.full()) {
        return false;
    }
    platform.showRefusal(fullRefusal);
    return true;
}

void clearBoard(Editor& editor, Platform& platform) {
    platform.setCursor(Cursor::Wait);
    editor.boardSet.current().cells.fill(0);
    eraseBoardGrid(editor, platform);
    platform.setCursor(Cursor::Arrow);
}

void copyBoardCommand(Editor& editor, Platform& platform) {
    const BoardCells& cells = editor.boardSet.current().cells;
    editor.boardClipboard = cells;
    editor.boardCopied = true;
    editor.selection.copiedPart.reset();
    platform.putBoardOnClipboard(boardText(cells), boardCellBytes(cells));
}

void clipboardChanged(Editor& editor, Platform& platform) {
    const Platform::ClipboardTypes offered = platform.clipboardTypes();
    editor.clipboardOffersBoard = offered.cells || offered.text;
}

void pasteBoardCommand(Editor& editor, Platform& platform) {
    pasteBoard(editor, platform, platform.clipboardBoard());
}

void pasteBoard(Editor& editor, Platform& platform, const Platform::ClipboardBoard& desktop) {
    // Another window's board comes first, then 20 rows of text, then the editor's own copy.
    if (!desktop.answered) {
        platform.showRefusal(noAnswerRefusal);
        return;
    }
    const bool own = !desktop.cells && !desktop.text;
    if (desktop.cells ? regionFromCellBytes(*desktop.cells).has_value()
                      : own && editor.selection.copiedPart) {
        platform.showRefusal(partRefusal);
        return;
    }
    std::optional<Result<BoardCells>> found;
    if (desktop.cells) {
        found = boardFromCellBytes(*desktop.cells);
    } else if (desktop.text) {
        found = boardFromText(*desktop.text);
    }
    if (found && !*found) {
        platform.showRefusal(found->reason());
        return;
    }
    // Other text on the clipboard turned Paste Board on; it wipes no board.
    if (!found && desktop.text && !editor.boardCopied) {
        platform.showRefusal(noBoardRefusal);
        return;
    }
    const BoardCells before = editor.boardSet.current().cells;
    editor.boardSet.current().cells = found ? **found : editor.boardClipboard;
    redrawBoard(editor, platform);
    markChange(editor, cellsStep(editor, before)); // even a paste that changes no cell
}

void clearBoardCommand(Editor& editor, Platform& platform) {
    if (platform.askQuestion(clearQuestion) == Answer::Yes) {
        const BoardCells before = editor.boardSet.current().cells;
        clearBoard(editor, platform);
        markChange(editor, cellsStep(editor, before)); // even on an empty board
    }
}

void addBoardCommand(Editor& editor, Platform& platform) {
    // Right after the current board, so what the user sees next to it stays together.
    addBoardAt(editor, platform, editor.boardSet.currentBoard + 1);
}

void insertBoardCommand(Editor& editor, Platform& platform) {
    addBoardAt(editor, platform, editor.boardSet.currentBoard);
}

void deleteBoardCommand(Editor& editor, Platform& platform) {
    BoardSet& set = editor.boardSet;
    DeletionStep step{set.currentBoard, std::make_unique<BoardCells>(set.current().cells)};
    // A BoardSet always holds one board at least.
    if (!deleteBoard(set, set.currentBoard)) {
        platform.beep();
        return;
    }
    redrawBoard(editor, platform);
    markChange(editor, std::move(step));
}

void previousBoardCommand(Editor& editor, Platform& platform) {
    goBackTo(editor, platform, editor.boardSet.currentBoard - 1);
}

void firstBoardCommand(Editor& editor, Platform& platform) {
    goBackTo(editor, platform, 0);
}

void nextBoardCommand(Editor& editor, Platform& platform) {
    goOnTo(editor, platform, editor.boardSet.currentBoard + 1);
}

void lastBoardCommand(Editor& editor, Platform& platform) {
    goOnTo(editor, platform, editor.boardSet.lastBoardIndex);
}

} // namespace bse
