#include "editor/board_set_info_dialog.h"

#include "editor/dialog_setup.h"
#include "editor/editor.h"
#include "editor/undo.h"
#include "platform/dialog_window.h"
#include "platform/platform.h"

namespace bse {

bool BoardSetInfoDialog(Editor& editor, Platform& platform, DialogWindow& dialog, Message message,
                        WParam wParam, LParam) {
    switch (message) {
    case BSE_WM_INITDIALOG:
        centreAndSetIcon(dialog, platform);
        dialog.setItemText(IDC_BOARDSETNAME, editor.boardSet.boardSetName);
        dialog.setItemText(IDC_AUTHORNAME, editor.boardSet.authorName);
        dialog.show();
        return false;
    case BSE_WM_COMMAND:
        if (commandIdOf(wParam) == BSE_IDOK) {
            editor.boardSet.boardSetName = dialog.itemText(IDC_BOARDSETNAME, boardSetInfoFieldSize);
            editor.boardSet.authorName = dialog.itemText(IDC_AUTHORNAME, boardSetInfoFieldSize);
            markChange(editor); // OK counts as a change, with nothing changed too
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
