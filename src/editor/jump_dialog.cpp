#include "editor/jump_dialog.h"

#include "editor/dialog_setup.h"
#include "editor/editor.h"
#include "editor/screen.h"
#include "platform/dialog_window.h"

#include <cstdint>

namespace bse {

bool JumpToBoardDialog(Editor& editor, Platform& platform, DialogWindow& dialog, Message message,
                       WParam wParam, LParam) {
    BoardSet& set = editor.boardSet;
    switch (message) {
    case BSE_WM_INITDIALOG:
        centreAndSetIcon(dialog, platform);
        dialog.setItemNumber(IDC_JUMPBOARD, static_cast<unsigned>(set.currentBoard + 1));
        // The arrows run over the boards there are, round and round.
        dialog.setUpDownRange(IDC_JUMPSPIN, 1, set.boardCount());
        dialog.show();
        return false;
    case BSE_WM_COMMAND:
        if (commandIdOf(wParam) == BSE_IDOK) {
            // An empty field and a number too large to read both count as 0, which is no board.
            const unsigned number = dialog.itemNumber(IDC_JUMPBOARD).value_or(0);
            const auto board = static_cast<std::int32_t>(number - 1u);
            if (board < 0 || board > set.lastBoardIndex) {
                // Offer the last board; OK again goes there.
                dialog.setItemNumber(IDC_JUMPBOARD, static_cast<unsigned>(set.boardCount()));
                return true;
            }
            moveToBoard(set, board);
            redrawBoard(editor, platform);
            dialog.end(0);
            return true;
        }
        break;
    default:
        break;
    }
    return finishDialogMessage(dialog, message, wParam);
}

} // namespace bse
