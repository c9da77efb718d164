#include "files/file_commands.h"
#include "files/version1_import.h"
#include "shell/editor.h"
#include "shell/title.h"
#include "view/drawing.h"

namespace bse {

namespace {

// Why a file cannot be imported, or nothing when it can.
std::optional<std::string> importRefusal(Platform& platform, const std::string& path,
                                         const ReadResult& read) {
    if (read.notRegularFile) {
        return "The file " + platform.pathForDisplay(path) + " is not a regular file.";
    }
    if (!read.ok) {
        return "The file " + platform.pathForDisplay(path) + " could not be opened.\n\n" +
               read.error;
    }
    // A file too long to take was not read: its size alone refuses it.
    const std::size_t size =
        read.fileSize > longestVersion1File ? read.fileSize : read.bytes.size();
    switch (checkVersion1File(size)) {
    case Version1Check::NoWholeBoard:
        return "The file " + platform.pathForDisplay(path) +
               " holds no whole board: a Plinkor (Ver. 1) board takes 400 bytes.";
    case Version1Check::TooManyBoards:
        return "The file " + platform.pathForDisplay(path) + " holds " +
               std::to_string(version1BoardCount(size)) +
               " boards, but a BoardSet holds at most 200.";
    case Version1Check::Ok:
        break;
    }
    return std::nullopt;
}

} // namespace

void importCommand(Editor& editor, Platform& platform) {
    if (!confirmSaveChanges(editor, platform, openQuestion)) {
        return;
    }
    const auto path = chosenPath(platform.chooseFileToOpen(importDialogOptions()));
    if (!path) {
        return;
    }
    const ReadResult read = platform.readFile(*path, longestVersion1File, LongFile::ReadNothing);
    if (const auto refusal = importRefusal(platform, *path, read)) {
        platform.showRefusal(*refusal);
        return;
    }
    BoardSet& set = editor.boardSet;
    platform.setCursor(Cursor::Wait);
    importVersion1File(set, read.bytes);
    platform.setCursor(Cursor::Arrow);
    set.boardSetName = defaultBoardSetName;
    set.authorName = defaultAuthorName;
    set.currentBoard = 0;
    // The imported boards are in no BoardSet file yet.
    set.modified = true;
    updateTitle(editor, platform);
    redrawBoard(editor, platform);
}

} // namespace bse
