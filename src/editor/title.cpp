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

void updateTitle(Editor& editor, Platform& platform) {
    platform.setWindowTitle(composeTitle(editor));
}

} // namespace bse
