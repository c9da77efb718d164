#include "editor/file_commands.h"

#include "editor/board_commands.h"
#include "editor/commands.h"
#include "editor/dialog_commands.h"
#include "editor/editor.h"
#include "editor/recent_files.h"
#include "editor/safekeeping.h"
#include "editor/screen.h"
#include "editor/undo.h"
#include "format/board_set_format.h"

#include <algorithm>

namespace bse {

namespace {

std::vector<FileFilter> boardSetFilters() {
    return {{"BoardSets (*.BDS)", "*.BDS"}, {"All Files (*.*)", "*.*"}};
}

// Loads a BoardSet file and shows its first board; refused with the reader's reason (nothing
// changed) when the file cannot be read or is no BoardSet.
Status loadBoardSetFile(Editor& editor, Platform& platform, const std::string& path) {
    const auto read = platform.readFile(path, longestUsableBoardSetFile, LongFile::ReadHead);
    if (!read) {
        return refuse(read.reason());
    }
    platform.setCursor(Cursor::Wait);
    const Result<BoardSet> loaded = readBoardSet(read->bytes);
    platform.setCursor(Cursor::Arrow);
    if (!loaded) {
        return refuse(loaded.reason());
    }
    adoptBoardSet(editor.boardSet, *loaded);
    // What is on screen now is exactly what the file holds.
    markRead(editor);
    noteFileKnown(editor, platform, path);
    return Done{};
}

// Writes the BoardSet to `path`, first asking for name and author when Save As wants it.
// The old file stays whole unless every byte of the new one is down.
bool writeBoardSet(Editor& editor, Platform& platform, const std::string& path) {
    if (editor.askInfoBeforeWrite) {
        boardSetSettingsCommand(editor, platform);
        editor.askInfoBeforeWrite = false;
    }
    platform.setCursor(Cursor::Wait);
    const Status written = platform.writeFileAtomically(path, encodeBoardSet(editor.boardSet));
    platform.setCursor(Cursor::Arrow);
    if (!written) {
        platform.showRefusal("The BoardSet could not be saved to " + platform.pathForDisplay(path) +
                             ".\n\n" + written.reason());
        return false;
    }
    markSaved(editor);
    noteFileKnown(editor, platform, path);
    rememberRecentFile(editor, platform, path);
    if (const std::vector<std::string> kept = platform.keptCopies(path); !kept.empty()) {
        platform.showRefusal(platform.pathForDisplay(path) +
                             " is saved. An earlier save of it was interrupted, and the bytes the "
                             "file held before that save are still kept in " +
                             platform.pathForDisplay(kept.front()) +
                             "; delete that copy once you no longer need it.");
    }
    return true;
}

// An interrupted save kept the file's old bytes beside it, and the file may be torn: Open offers
// to put them back. False when they were to be put back and could not be.
bool offerKeptCopy(Platform& platform, const std::string& path) {
    const std::vector<std::string> kept = platform.keptCopies(path);
    if (kept.empty()) {
        return true;
    }
    const std::string file = platform.pathForDisplay(path);
    const std::string copy = platform.pathForDisplay(kept.front());
    if (platform.askYesNo("A save of " + file +
                          " was interrupted, so the file may be incomplete. The bytes it held "
                          "before that save are kept in " +
                          copy + ".\n\nPut them back into " + file +
                          " and remove the copy? No opens the file as it is and keeps the copy.") !=
        Answer::Yes) {
        return true;
    }
    if (const Status restored = platform.restoreKeptCopy(path, kept.front()); !restored) {
        platform.showRefusal("The bytes kept in " + copy + " could not be put back into " + file +
                             ".\n\n" + restored.reason());
        return false;
    }
    return true;
}

// The file a dialog gave, or nothing when it was cancelled or left without a name.
std::optional<std::string> chosenPath(std::optional<std::string> choice) {
    if (!choice || choice->empty()) {
        return std::nullopt;
    }
    return choice;
}

} // namespace

std::optional<std::string> askForFileToOpen(Editor& editor, Platform& platform,
                                            const FileDialogOptions& options) {
    if (!confirmSaveChanges(editor, platform, openQuestion)) {
        return std::nullopt;
    }
    return chosenPath(platform.chooseFileToOpen(options));
}

FileDialogOptions openDialogOptions() {
    return {.title = "Open a Plinkor 2 BoardSet", .filters = boardSetFilters()};
}

FileDialogOptions saveDialogOptions() {
    return {.title = "Save as a Plinkor 2 BoardSet",
            .filters = boardSetFilters(),
            .defaultExtension = "bds",
            .confirmOverwrite = true};
}

FileDialogOptions importDialogOptions() {
    return {.title = "Import a Plinkor (Ver. 1) BoardSet", .filters = boardSetFilters()};
}

bool confirmSaveChanges(Editor& editor, Platform& platform, std::string_view question) {
    if (!editor.modified) {
        return true;
    }
    switch (platform.askQuestion(question)) {
    case Answer::Yes:
        sendCommand(editor, platform, ID_FILE_SAVE);
        // Only a save that really wrote lets the caller discard the changes.
        return !editor.modified;
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

void newCommand(Editor& editor, Platform& platform) {
    if (!confirmSaveChanges(editor, platform, continueQuestion)) {
        return;
    }
    resetToOneBoard(editor.boardSet);
    editor.currentFileName.clear();
    clearBoard(editor, platform);
    markChange(editor); // a new BoardSet counts as changed, as Clear Board does
    startHistory(editor);
}

void openCommand(Editor& editor, Platform& platform) {
    if (const auto path = askForFileToOpen(editor, platform, openDialogOptions())) {
        openBoardSetFile(editor, platform, *path);
    }
}

Opened openBoardSetFile(Editor& editor, Platform& platform, const std::string& path) {
    if (!offerKeptCopy(platform, path)) {
        return Opened::No;
    }
    if (const Status loaded = loadBoardSetFile(editor, platform, path); !loaded) {
        platform.showRefusalWithDetails(openRefusal, loaded.reason());
        return Opened::Unreadable;
    }
    editor.currentFileName = path;
    redrawBoard(editor, platform);
    startHistory(editor);
    rememberRecentFile(editor, platform, path);
    return Opened::Yes;
}

void dropFileCommand(Editor& editor, Platform& platform) {
    const auto path = platform.droppedFile();
    if (!path || !confirmSaveChanges(editor, platform, openQuestion)) {
        return;
    }
    openBoardSetFile(editor, platform, *path);
}

void saveCommand(Editor& editor, Platform& platform) {
    if (editor.currentFileName.empty()) {
        sendCommand(editor, platform, ID_FILE_SAVEAS);
        return;
    }
    editor.askInfoBeforeWrite = false;
    if (confirmReplaceChangedFile(editor, platform)) {
        writeBoardSet(editor, platform, editor.currentFileName);
    }
}

void saveAsCommand(Editor& editor, Platform& platform) {
    editor.askInfoBeforeWrite = true;
    const auto path = chosenPath(platform.chooseFileToSave(saveDialogOptions()));
    if (!path) {
        editor.askInfoBeforeWrite = false;
        return;
    }
    if (writeBoardSet(editor, platform, *path)) {
        editor.currentFileName = *path;
    }
}

void revertCommand(Editor& editor, Platform& platform) {
    if (!confirmSaveChanges(editor, platform, continueQuestion)) {
        return;
    }
    if (editor.currentFileName.empty()) {
        platform.showRefusal(revertRefusal);
        return;
    }
    if (const Status loaded = loadBoardSetFile(editor, platform, editor.currentFileName); !loaded) {
        platform.showRefusalWithDetails(revertRefusal, loaded.reason());
        return;
    }
    redrawBoard(editor, platform);
    startHistory(editor);
}

bool reloadBoardSetFile(Editor& editor, Platform& platform) {
    const int board = editor.boardSet.currentBoard;
    if (const Status loaded = loadBoardSetFile(editor, platform, editor.currentFileName); !loaded) {
        platform.showRefusalWithDetails(revertRefusal, loaded.reason());
        return false;
    }
    editor.boardSet.currentBoard = std::min(board, editor.boardSet.lastBoardIndex);
    redrawBoard(editor, platform);
    startHistory(editor);
    return true;
}

void exitCommand(Editor& editor, Platform& platform) {
    if (!confirmSaveChanges(editor, platform, exitQuestion)) {
        return;
    }
    platform.quit(0);
}

} // namespace bse
