#include "shell/main_window_proc.h"

#include "dialogs/dialog_commands.h"
#include "files/file_commands.h"
#include "model/board_list.h"
#include "shell/editor.h"
#include "shell/platform.h"
#include "shell/startup.h"
#include "view/drawing.h"
#include "view/pointer.h"

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
    CommandRoute{IDCANCEL, exitCommand}, // the close box
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
};

constexpr std::array arrowKeys{
    KeyRoute{VK_LEFT, ID_BOARD_PREVIOUS},
    KeyRoute{VK_UP, ID_BOARD_FIRST},
    KeyRoute{VK_RIGHT, ID_BOARD_NEXT},
    KeyRoute{VK_DOWN, ID_BOARD_LAST},
};

// The whole wParam is compared, so only plain menu commands and the close request match.
void routeCommand(Editor& editor, Platform& platform, WParam wParam) {
    for (const CommandRoute& route : commands) {
        if (wParam == static_cast<WParam>(route.commandId)) {
            route.handler(editor, platform);
            return;
        }
    }
}

void routeKey(Editor& editor, Platform& platform, WParam key) {
    for (const KeyRoute& route : arrowKeys) {
        if (key == route.virtualKey) {
            sendCommand(editor, platform, route.commandId);
            return;
        }
    }
}

} // namespace

std::span<const CommandRoute> commandTable() {
    return commands;
}
std::span<const KeyRoute> arrowKeyTable() {
    return arrowKeys;
}

void stepIconAnimation(Editor& editor, Platform& platform) {
    if (editor.iconFrame > 10) {
        editor.iconFrame = 1;
    }
    if (editor.iconFrame >= 1 && editor.iconFrame <= 10) {
        platform.setWindowIcon(IDI_FRAME_FIRST - 1 + editor.iconFrame);
    }
    ++editor.iconFrame;
}

bool MainWindowProc(Editor& editor, Platform& platform, Message message, WParam wParam,
                    LParam lParam) {
    switch (message) {
    case WM_INITDIALOG:
        initialiseMainWindow(editor, platform);
        return true;
    case WM_COMMAND:
        routeCommand(editor, platform, wParam);
        return true;
    case WM_TIMER:
        stepIconAnimation(editor, platform);
        return false;
    case WM_KEYDOWN:
        routeKey(editor, platform, wParam);
        return false;
    case WM_PAINT:
        paintWindow(editor, platform);
        return true;
    case WM_MOUSEMOVE:
        return onPointerMove(editor, platform, pointerX(lParam), pointerY(lParam), wParam);
    case WM_LBUTTONDOWN:
        return onLeftButtonDown(editor, platform, pointerX(lParam), pointerY(lParam));
    case WM_LBUTTONUP:
        return onLeftButtonUp(editor, platform, pointerX(lParam), pointerY(lParam));
    case WM_RBUTTONDOWN:
        return onRightButtonDown(editor, platform, pointerX(lParam), pointerY(lParam));
    case WM_DESTROY:
        platform.quit(0);
        return false;
    default:
        return false;
    }
}

void sendCommand(Editor& editor, Platform& platform, int commandId) {
    MainWindowProc(editor, platform, WM_COMMAND, static_cast<WParam>(commandId), 0);
}

} // namespace bse
