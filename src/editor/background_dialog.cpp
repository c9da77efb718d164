#include "editor/background_dialog.h"

#include "editor/dialog_setup.h"
#include "editor/editor.h"
#include "editor/undo.h"
#include "platform/dialog_window.h"

#include <optional>

namespace bse {

bool PickBackgroundDialog(Editor& editor, Platform& platform, DialogWindow& dialog, Message message,
                          WParam wParam, LParam) {
    switch (message) {
    case BSE_WM_INITDIALOG:
        centreAndSetIcon(dialog, platform);
        dialog.setItemNumber(IDC_BACKGROUND, editor.boardSet.current().background);
        dialog.show();
        return false;
    case BSE_WM_COMMAND:
        if (commandIdOf(wParam) == BSE_IDOK) {
            // An empty field reads as 0; a number too large to read is above the limit too.
            const std::optional<unsigned> number = dialog.itemNumber(IDC_BACKGROUND);
            if (!number || *number > maxBackgroundNumber) {
                // A larger number would come back from the file as another one.
                dialog.setItemNumber(IDC_BACKGROUND, maxBackgroundNumber);
                return true;
            }
            editor.boardSet.current().background = *number;
            markChange(editor); // OK counts as a change, the same number too
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
