#include "editor/replace_block_dialog.h"

#include "editor/dialog_setup.h"
#include "editor/editor.h"
#include "editor/screen.h"
#include "editor/undo.h"
#include "model/block_names.h"
#include "model/board_region.h"
#include "platform/dialog_template.h"
#include "platform/dialog_window.h"
#include "platform/platform.h"

#include <string>

namespace bse {

namespace {

struct Choice {
    bool accepted = false;
    BlockCode from = 0;
    BlockCode to = 0;
    bool everyBoard = false;
};

// The lists: the eraser first, then the block kinds in the palette's order.
int listIndex(BlockCode code) {
    return isBlockKind(code) ? static_cast<int>(code - firstBlockKind) + 1 : 0;
}

BlockCode listCode(int index) {
    return index >= 1 && index <= int(lastBlockKind - firstBlockKind) + 1
               ? static_cast<BlockCode>(index - 1) + firstBlockKind
               : eraserCode;
}

bool ReplaceBlockDialog(const Editor& editor, Platform& platform, Choice& choice,
                        DialogWindow& dialog, Message message, WParam wParam) {
    switch (message) {
    case BSE_WM_INITDIALOG:
        centreAndSetIcon(dialog, platform);
        for (const int list : {IDC_REPLACEFROM, IDC_REPLACEWITH}) {
            dialog.addListItem(list, eraserName);
            for (BlockCode code = firstBlockKind; code <= lastBlockKind; ++code) {
                dialog.addListItem(list, blockName(code));
            }
        }
        dialog.setItemSelection(IDC_REPLACEFROM, listIndex(editor.leftBlock));
        dialog.setItemSelection(IDC_REPLACEWITH, listIndex(editor.rightBlock));
        dialog.setItemSelection(IDC_THISBOARD, 1);
        dialog.show();
        return false;
    case BSE_WM_COMMAND:
        if (wParam == BSE_IDOK) {
            choice = {true, listCode(dialog.itemSelection(IDC_REPLACEFROM)),
                      listCode(dialog.itemSelection(IDC_REPLACEWITH)),
                      dialog.itemSelection(IDC_EVERYBOARD) == 1};
            dialog.end(BSE_IDOK);
            return true;
        }
        break;
    default:
        break;
    }
    return finishDialogMessage(dialog, message, wParam);
}

std::string counted(int number, const char* what) {
    return std::to_string(number) + " " + what + (number == 1 ? "" : "s");
}

} // namespace

void replaceBlockCommand(Editor& editor, Platform& platform) {
    Choice choice;
    platform.runDialog(
        replaceBlockTemplate(), [&](DialogWindow& dialog, Message message, WParam wParam, LParam) {
            return ReplaceBlockDialog(editor, platform, choice, dialog, message, wParam);
        });
    if (choice.accepted) {
        replaceBlock(editor, platform, choice.from, choice.to, choice.everyBoard);
    }
}

void replaceBlock(Editor& editor, Platform& platform, BlockCode from, BlockCode to,
                  bool everyBoard) {
    BoardSet& set = editor.boardSet;
    BoardsStep step{set.currentBoard, {}};
    int cells = 0;
    const int first = everyBoard ? 0 : set.currentBoard;
    const int last = everyBoard ? set.lastBoardIndex : set.currentBoard;
    for (int board = first; board <= last; ++board) {
        BoardCells& boardCells = set.board(board).cells;
        const BoardCells before = boardCells;
        if (const int changed = bse::replaceBlock(boardCells, from, to); changed > 0) {
            cells += changed;
            step.boards.push_back(cellChanges(board, before, boardCells));
        }
    }
    const int boards = static_cast<int>(step.boards.size());
    if (boards > 0) {
        redrawBoard(editor, platform);
        if (everyBoard) {
            markChange(editor, std::move(step));
        } else {
            markChange(editor, std::move(step.boards.front()));
        }
    }
    drawStatusText(editor, platform,
                   "Replaced " + counted(cells, "cell") + " on " + counted(boards, "board") + ".",
                   {255, 255, 255});
}

} // namespace bse
