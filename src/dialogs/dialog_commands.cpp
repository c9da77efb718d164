#include "dialogs/dialog_commands.h"

#include "dialogs/board_set_info_dialog.h"
#include "dialogs/dialog_template.h"
#include "shell/editor.h"
#include "shell/platform.h"
#include "shell/title.h"

namespace bse {

void boardSetSettingsCommand(Editor& editor, Platform& platform) {
    platform.runDialog(boardSetInfoTemplate(),
                       [&](DialogWindow& dialog, Message message, WParam wParam, LParam lParam) {
                           return BoardSetInfoDialog(editor, platform, dialog, message, wParam,
                                                     lParam);
                       });
    // The lengths travel with the strings; the title shows the name as it is now.
    updateTitle(editor, platform);
}

// The remaining dialogs arrive with their own change; until then the commands do nothing.
void boardBackgroundCommand(Editor&, Platform&) {}
void jumpToBoardCommand(Editor&, Platform&) {}
void aboutCommand(Editor&, Platform&) {}

} // namespace bse
