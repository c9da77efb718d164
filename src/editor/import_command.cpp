#include "editor/editor.h"
#include "editor/file_commands.h"
#include "editor/screen.h"
#include "editor/undo.h"
#include "format/version1_import.h"

#include <algorithm>
#include <iterator>

namespace bse {

namespace {

// What Import replaces: the first `count` boards' cells, the count, the current board, names.
LeadingBoards leadingBoards(const BoardSet& set, std::size_t count) {
    const auto first = set.boards.begin();
    LeadingBoards state{{}, set.lastBoardIndex, set.currentBoard, set.boardSetName, set.authorName};
    state.cells.reserve(count);
    std::transform(first, first + static_cast<std::ptrdiff_t>(count),
                   std::back_inserter(state.cells), [](const Board& board) { return board.cells; });
    return state;
}

} // namespace

void importCommand(Editor& editor, Platform& platform) {
    const auto path = askForFileToOpen(editor, platform, importDialogOptions());
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
    ImportStep step{leadingBoards(set, boards->size()), {}};
    adoptBoardCells(set, *boards);
    platform.setCursor(Cursor::Arrow);
    set.boardSetName = defaultBoardSetName;
    set.authorName = defaultAuthorName;
    redrawBoard(editor, platform);
    step.after = leadingBoards(set, boards->size());
    const LeadingBoards& before = step.before;
    const LeadingBoards& after = step.after;
    // The imported boards are in no BoardSet file yet; like any other command, one that changed
    // nothing is no step.
    const bool same =
        before.cells == after.cells && before.lastBoardIndex == after.lastBoardIndex &&
        before.boardSetName == after.boardSetName && before.authorName == after.authorName;
    markChange(editor, same ? std::nullopt : std::optional<Step>(std::move(step)));
}

} // namespace bse
