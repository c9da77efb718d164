#include "editor/safekeeping.h"

#include "editor/editor.h"
#include "editor/file_commands.h"
#include "editor/screen.h"
#include "editor/undo.h"
#include "format/recovery_copy.h"

namespace bse {

namespace {

WorkState workState(const Editor& editor) {
    return {.edits = editor.history.edits(),
            .modified = editor.modified,
            .board = editor.boardSet.currentBoard};
}

void stopCopyTimers(Safekeeping& safe, Platform& platform) {
    if (safe.copyDue) {
        platform.stopTimer(recoveryQuietTimerId);
        platform.stopTimer(recoveryLongestTimerId);
        safe.copyDue = false;
    }
}

void writeCopy(Editor& editor, Platform& platform) {
    Safekeeping& safe = editor.safekeeping;
    stopCopyTimers(safe, platform);
    // Only the encoding happens here; the desktop writes and syncs on a thread of its own.
    platform.writeRecoveryCopy(encodeRecoveryCopy(editor.boardSet, editor.currentFileName));
    safe.copyKept = true;
    safe.seen = workState(editor);
}

std::string fileText(Platform& platform, const std::string& path) {
    return path.empty() ? "not saved yet" : platform.pathForDisplay(path);
}

void restore(Editor& editor, Platform& platform, const RecoveredWork& work) {
    adoptBoardSet(editor.boardSet, work.boardSet);
    editor.boardSet.currentBoard = work.boardSet.currentBoard;
    editor.currentFileName = work.fileName;
    startHistory(editor);
    // The restored changes are in no file, so Exit asks and no undo makes them saved.
    markInNoFile(editor);
    redrawBoard(editor, platform);
    if (!work.fileName.empty()) {
        noteFileKnown(editor, platform, work.fileName);
    }
}

// Removed or moved away: what the window shows is in no file now.
void forgetFile(Editor& editor) {
    editor.safekeeping.knownFile.reset();
    markInNoFile(editor);
}

void lookAtWatchedFile(Editor& editor, Platform& platform) {
    Safekeeping& safe = editor.safekeeping;
    platform.stopTimer(fileSettleTimerId);
    platform.stopTimer(fileLongestWaitTimerId);
    safe.fileLookDue = false;
    // One question at a time: changes while it is open are taken up by its answer.
    if (editor.currentFileName.empty() || safe.askingToReload) {
        return;
    }
    const auto now = platform.fileIdentity(editor.currentFileName);
    if (now == safe.knownFile || (now && now == safe.declinedChange)) {
        return;
    }
    if (!now) {
        forgetFile(editor);
        return;
    }
    if (editor.modified) {
        safe.askingToReload = true;
        const Answer answer =
            platform.askYesNo("The file " + platform.pathForDisplay(editor.currentFileName) +
                              " was changed by another program. Reload it and lose your changes?");
        safe.askingToReload = false;
        if (answer != Answer::Yes) {
            // The file as it is now is declined, whatever happened to it while asked.
            safe.declinedChange = platform.fileIdentity(editor.currentFileName);
            if (!safe.declinedChange) {
                forgetFile(editor);
            }
            return;
        }
    }
    reloadBoardSetFile(editor, platform);
}

} // namespace

void keepWorkSafe(Editor& editor, Platform& platform) {
    Safekeeping& safe = editor.safekeeping;
    if (!safe.on) {
        return;
    }
    if (safe.watchedPath != editor.currentFileName) {
        safe.watchedPath = editor.currentFileName;
        platform.watchFile(safe.watchedPath);
    }
    const auto state = workState(editor);
    if (state == safe.seen) {
        return;
    }
    safe.seen = state;
    if (!editor.modified) {
        stopCopyTimers(safe, platform);
        if (safe.copyKept) {
            platform.removeRecoveryCopy(ownRecoveryCopy);
            safe.copyKept = false;
        }
        return;
    }
    // Written once the changes pause, and during a long stroke at least every so often.
    platform.startTimer(recoveryQuietTimerId, recoveryQuietMs);
    if (!safe.copyDue) {
        platform.startTimer(recoveryLongestTimerId, recoveryLongestMs);
        safe.copyDue = true;
    }
}

bool onSafekeepingTimer(Editor& editor, Platform& platform, WParam timerId) {
    switch (timerId) {
    case recoveryQuietTimerId:
    case recoveryLongestTimerId:
        if (editor.safekeeping.copyDue) {
            writeCopy(editor, platform);
        }
        return true;
    case fileSettleTimerId:
    case fileLongestWaitTimerId:
        lookAtWatchedFile(editor, platform);
        return true;
    default:
        return false;
    }
}

void onRecoveryFailed(Editor& editor, Platform& platform) {
    const std::string failure = platform.recoveryFailure();
    if (!editor.safekeeping.failureReported && !failure.empty()) {
        editor.safekeeping.failureReported = true;
        platform.showRefusal(failure);
    }
}

void onFileChanged(Editor& editor, Platform& platform) {
    Safekeeping& safe = editor.safekeeping;
    if (safe.on) {
        platform.startTimer(fileSettleTimerId, fileSettleMs);
        if (!safe.fileLookDue) {
            platform.startTimer(fileLongestWaitTimerId, fileLongestWaitMs);
            safe.fileLookDue = true;
        }
    }
}

bool offerRecovery(Editor& editor, Platform& platform, const std::optional<std::string>& file) {
    for (const std::string& name : platform.orphanedRecoveryCopies()) {
        const auto bytes = platform.readRecoveryCopy(name);
        const Result<RecoveredWork> work =
            bytes ? readRecoveryCopy(*bytes) : Result<RecoveredWork>(bytes.error());
        if (!work) {
            const Status aside = platform.setRecoveryCopyAside(name);
            platform.showRefusal(
                "The recovery copy " + name + " cannot be read" +
                (aside ? ", so it was kept aside as " + name + ".damaged.\n\n"
                       : " and could not be kept aside: " + aside.reason() + "\n\n") +
                work.reason());
            continue;
        }
        if (file && work->fileName != *file) {
            continue;
        }
        const std::string question = "The BoardSet " + work->boardSet.boardSetName + " (" +
                                     fileText(platform, work->fileName) +
                                     ") has changes that were not saved when the editor "
                                     "stopped. Restore them?";
        const bool restored = platform.askYesNo(question) == Answer::Yes;
        if (restored) {
            restore(editor, platform, *work);
            // This editor's own copy is asked for first, so the work is never in no copy.
            writeCopy(editor, platform);
        }
        platform.removeRecoveryCopy(name);
        return restored;
    }
    return false;
}

void noteFileKnown(Editor& editor, Platform& platform, const std::string& path) {
    if (editor.safekeeping.on) {
        editor.safekeeping.knownFile = platform.fileIdentity(path);
        editor.safekeeping.declinedChange.reset();
    }
}

bool confirmReplaceChangedFile(Editor& editor, Platform& platform) {
    const Safekeeping& safe = editor.safekeeping;
    if (!safe.on) {
        return true;
    }
    const auto now = platform.fileIdentity(editor.currentFileName);
    return !now || now == safe.knownFile ||
           platform.askYesNo("The file " + platform.pathForDisplay(editor.currentFileName) +
                             " was changed by another program since it was opened. Replace "
                             "it?") == Answer::Yes;
}

void endSafekeeping(Editor& editor, Platform& platform) {
    Safekeeping& safe = editor.safekeeping;
    stopCopyTimers(safe, platform);
    if (safe.copyKept) {
        platform.removeRecoveryCopy(ownRecoveryCopy);
        safe.copyKept = false;
    }
}

} // namespace bse
