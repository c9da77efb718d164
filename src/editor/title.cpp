#include "editor/title.h"

#include "editor/editor.h"
#include "platform/platform.h"

namespace bse {

std::string composeTitle(const Editor& editor) {
    const BoardSet& boardSet = editor.boardSet;
    std::string title;
    title += boardSet.boardSetName;
    title += " - ";
    title += programTitle;
    title += " - Board: ";
    title += std::to_string(boardSet.currentBoard + 1);
    title += " of ";
    title += std::to_string(boardSet.lastBoardIndex + 1);
    return title;
}

void showTitleAndMenus(Editor& editor, Platform& platform) {
    Shown& shown = editor.shown;
    if (std::string title = composeTitle(editor); title != shown.title) {
        shown.title = std::move(title);
        platform.setWindowTitle(shown.title);
    }
    const auto showItem = [&platform](int commandId, bool& shownState, bool state) {
        if (shownState != state) {
            shownState = state;
            platform.enableMenuItem(commandId, state);
        }
    };
    showItem(ID_EDIT_UNDO, shown.undo, editor.history.canUndo());
    showItem(ID_EDIT_REDO, shown.redo, editor.history.canRedo());
    showItem(ID_EDIT_PASTEBOARD, shown.paste, editor.boardCopied || editor.clipboardOffersBoard);
}

void showDocumentChanges(Editor& editor, Platform& platform) {
    Shown& shown = editor.shown;
    if (shown.path != editor.currentFileName || shown.modified != editor.modified) {
        shown.path = editor.currentFileName;
        shown.modified = editor.modified;
        platform.showDocument(shown.path, shown.modified);
    }
}

} // namespace bse
