#include "editor/commands.h"

#include "editor/board_commands.h"
#include "editor/designer_commands.h"
#include "editor/dialog_commands.h"
#include "editor/file_commands.h"
#include "editor/keyboard_painting.h"
#include "editor/overview.h"
#include "editor/recent_files.h"
#include "editor/replace_block_dialog.h"
#include "editor/selection.h"
#include "editor/undo.h"

#include <array>

namespace bse {

namespace {

constexpr std::array commands{
    CommandRoute{ID_FILE_NEW, newCommand},
    CommandRoute{ID_FILE_OPEN, openCommand},
    CommandRoute{ID_FILE_SAVE, saveCommand},
    CommandRoute{ID_FILE_SAVEAS, saveAsCommand},
    CommandRoute{ID_FILE_IMPORT, importCommand},
    CommandRoute{ID_FILE_REVERT, revertCommand},
    CommandRoute{ID_FILE_EXIT, exitCommand},
    CommandRoute{ID_FILE_RECENT_CLEAR, clearRecentFilesCommand},
    CommandRoute{BSE_IDCANCEL, exitCommand}, // the close box
    CommandRoute{ID_EDIT_UNDO, undoCommand},
    CommandRoute{ID_EDIT_REDO, redoCommand},
    CommandRoute{ID_EDIT_COPYBOARD, copyBoardCommand},
    CommandRoute{ID_EDIT_PASTEBOARD, pasteBoardCommand},
    CommandRoute{ID_EDIT_CLEARBOARD, clearBoardCommand},
    CommandRoute{ID_EDIT_ADDBOARD, addBoardCommand},
    CommandRoute{ID_EDIT_INSERTBOARD, insertBoardCommand},
    CommandRoute{ID_EDIT_DELETEBOARD, deleteBoardCommand},
    CommandRoute{ID_BOARD_PREVIOUS, previousBoardCommand},
    CommandRoute{ID_BOARD_NEXT, nextBoardCommand},
    CommandRoute{ID_BOARD_FIRST, firstBoardCommand},
    CommandRoute{ID_BOARD_LAST, lastBoardCommand},
    CommandRoute{ID_BOARD_JUMP, jumpToBoardCommand},
    CommandRoute{ID_BOARD_BACKGROUND, boardBackgroundCommand},
    CommandRoute{ID_BOARD_SETTINGS, boardSetSettingsCommand},
    CommandRoute{ID_ABOUT, aboutCommand},
    CommandRoute{ID_EDIT_MIRRORPAINTING, mirrorPaintingCommand},
    CommandRoute{ID_BOARD_FLIPLEFTRIGHT, flipLeftRightCommand},
    CommandRoute{ID_BOARD_FLIPTOPBOTTOM, flipTopBottomCommand},
    CommandRoute{ID_BOARD_SHIFTLEFT, shiftLeftCommand},
    CommandRoute{ID_BOARD_SHIFTRIGHT, shiftRightCommand},
    CommandRoute{ID_BOARD_SHIFTUP, shiftUpCommand},
    CommandRoute{ID_BOARD_SHIFTDOWN, shiftDownCommand},
    CommandRoute{ID_EDIT_DUPLICATEBOARD, duplicateBoardCommand},
    CommandRoute{ID_BOARD_MOVEEARLIER, moveBoardEarlierCommand},
    CommandRoute{ID_BOARD_MOVELATER, moveBoardLaterCommand},
    CommandRoute{ID_BOARD_OVERVIEW, overviewCommand},
    CommandRoute{ID_EDIT_SELECTALL, selectAllCommand},
    CommandRoute{ID_EDIT_REPLACEBLOCK, replaceBlockCommand},
    CommandRoute{ID_EDIT_KEYBOARDPAINTING, keyboardPaintingCommand},
};

} // namespace

void sendCommand(Editor& editor, Platform& platform, WParam wParam) {
    const int command = commandIdOf(wParam);
    // A command in the middle of a drag comes after the cells painted so far.
    finishStroke(editor);
    selectionRelease(editor, platform); // so does a selection moved so far
    // File > Recent BoardSets: the files by their places in the list.
    if (command >= ID_FILE_RECENT_FIRST && command <= ID_FILE_RECENT_LAST) {
        openRecentFileCommand(editor, platform, command);
        return;
    }
    for (const CommandRoute& route : commands) {
        if (command == route.commandId) {
            route.handler(editor, platform);
            return;
        }
    }
}

} // namespace bse
