#include "editor/editor.h"
#include "editor/file_commands.h"
#include "editor/screen.h"
#include "editor/title.h"
#include "format/version1_import.h"

namespace bse {

void importCommand(Editor& editor, Platform& platform) {
    if (!confirmSaveChanges(editor, platform, openQuestion)) {
        return;
    }
    const auto path = chosenPath(platform.chooseFileToOpen(importDialogOptions()));
    if (!path) {
        return;
    }
    const std::string file = "The file " + platform.pathForDisplay(*path);
    const auto read = platform.readFile(*path, longestVersion1File, LongFile::ReadNothing);
    if (!read) {
        platform.showRefusal(read.error().notRegularFile
                                 ? file + " is not a regular file."
                                 : file + " could not be opened.\n\n" + read.reason());
        return;
    }
    // A file too long to take was not read: its size alone refuses it.
    if (const Status size =
            checkVersion1Size(read->size > longestVersion1File ? read->size : read->bytes.size());
        !size) {
        platform.showRefusal(file + " " + size.reason() + ".");
        return;
    }
    platform.setCursor(Cursor::Wait);
    const Result<std::vector<BoardCells>> boards = readVersion1Boards(read->bytes);
    BoardSet& set = editor.boardSet;
    adoptBoardCells(set, *boards);
    platform.setCursor(Cursor::Arrow);
    set.boardSetName = defaultBoardSetName;
    set.authorName = defaultAuthorName;
    // The imported boards are in no BoardSet file yet.
    editor.modified = true;
    updateTitle(editor, platform);
    redrawBoard(editor, platform);
}

} // namespace bse
