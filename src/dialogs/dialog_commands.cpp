#include "dialogs/dialog_commands.h"

#include "dialogs/about_dialog.h"
#include "dialogs/background_dialog.h"
#include "dialogs/board_set_info_dialog.h"
#include "dialogs/dialog_template.h"
#include "dialogs/jump_dialog.h"
#include "shell/editor.h"
#include "shell/platform.h"
#include "shell/title.h"

namespace bse {

namespace {

using Procedure = bool (*)(Editor&, Platform&, DialogWindow&, Message, WParam, LParam);

int runModal(Editor& editor, Platform& platform, const DialogTemplate& dialogTemplate,
             Procedure procedure) {
    return platform.runDialog(
        dialogTemplate, [&](DialogWindow& dialog, Message message, WParam wParam, LParam lParam) {
            return procedure(editor, platform, dialog, message, wParam, lParam);
        });
}

} // namespace

void boardSetSettingsCommand(Editor& editor, Platform& platform) {
    runModal(editor, platform, boardSetInfoTemplate(), BoardSetInfoDialog);
    // The lengths travel with the strings; the title shows the name as it is now.
    updateTitle(editor, platform);
}

void boardBackgroundCommand(Editor& editor, Platform& platform) {
    runModal(editor, platform, backgroundTemplate(), PickBackgroundDialog);
}

void jumpToBoardCommand(Editor& editor, Platform& platform) {
    runModal(editor, platform, jumpToTemplate(), JumpToBoardDialog);
}

void aboutCommand(Editor& editor, Platform& platform) {
    runModal(editor, platform, aboutTemplate(), AboutDialog);
}

} // namespace bse
