#include "editor/dialog_setup.h"

#include "platform/dialog_window.h"
#include "platform/platform.h"

namespace bse {

void centreAndSetIcon(DialogWindow& dialog, Platform& platform) {
    const Rect frame = dialog.frame();
    const Size screen = platform.screenSize();
    dialog.move(screen.width / 2 - frame.width() / 2, screen.height / 2 - frame.height() / 2);
    dialog.setBigIcon(IDI_APPICON);
}

bool finishDialogMessage(DialogWindow& dialog, Message message, WParam wParam) {
    if (message == BSE_WM_COMMAND && commandIdOf(wParam) == BSE_IDCANCEL) {
        dialog.end(1);
        return true;
    }
    return message == BSE_WM_DESTROY;
}

} // namespace bse
