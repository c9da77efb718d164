#include "editor/dialog_commands.h"

#include "editor/about_dialog.h"
#include "editor/background_dialog.h"
#include "editor/board_set_info_dialog.h"
#include "editor/editor.h"
#include "editor/jump_dialog.h"
#include "editor/undo.h"
#include "platform/dialog_template.h"
#include "platform/platform.h"

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
    const BoardSet& set = editor.boardSet;
    NamesStep step{set.currentBoard, set.boardSetName, set.authorName, {}, {}};
    runModal(editor, platform, boardSetInfoTemplate(), BoardSetInfoDialog);
    // The lengths travel with the strings.
    if (set.boardSetName != step.nameBefore || set.authorName != step.authorBefore) {
        step.nameAfter = set.boardSetName;
        step.authorAfter = set.authorName;
        markChange(editor, std::move(step));
    }
}

void boardBackgroundCommand(Editor& editor, Platform& platform) {
    const BoardSet& set = editor.boardSet;
    const std::uint32_t before = set.current().background;
    runModal(editor, platform, backgroundTemplate(), PickBackgroundDialog);
    if (set.current().background != before) {
        markChange(editor, BackgroundStep{set.currentBoard, before, set.current().background});
    }
}

void jumpToBoardCommand(Editor& editor, Platform& platform) {
    runModal(editor, platform, jumpToTemplate(), JumpToBoardDialog);
}

void aboutCommand(Editor& editor, Platform& platform) {
    runModal(editor, platform, aboutTemplate(), AboutDialog);
}

} // namespace bse
