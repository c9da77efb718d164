#include "shell/main_window_proc.h"

#include "editor/board_commands.h"
#include "editor/commands.h"
#include "editor/editor.h"
#include "editor/file_commands.h"
#include "editor/pointer.h"
#include "editor/screen.h"
#include "platform/platform.h"

#include <array>

namespace bse {

namespace {

constexpr std::array arrowKeys{
    KeyRoute{VK_LEFT, ID_BOARD_PREVIOUS},
    KeyRoute{VK_UP, ID_BOARD_FIRST},
    KeyRoute{VK_RIGHT, ID_BOARD_NEXT},
    KeyRoute{VK_DOWN, ID_BOARD_LAST},
};

void routeKey(Editor& editor, Platform& platform, WParam key) {
    for (const KeyRoute& route : arrowKeys) {
        if (key == route.virtualKey) {
            sendCommand(editor, platform, route.commandId);
            return;
        }
    }
}

} // namespace

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

void showDocumentChanges(Editor& editor, Platform& platform) {
    ShownDocument& shown = editor.shownDocument;
    if (shown.path != editor.currentFileName || shown.modified != editor.modified) {
        shown = {editor.currentFileName, editor.modified};
        platform.showDocument(shown.path, shown.modified);
    }
}

bool MainWindowProc(Editor& editor, Platform& platform, Message message, WParam wParam,
                    LParam lParam) {
    switch (message) {
    case WM_COMMAND:
        sendCommand(editor, platform, wParam);
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
    case WM_RBUTTONUP:
        return onRightButtonUp(editor, platform);
    case WM_DROPFILES:
        dropFileCommand(editor, platform);
        return true;
    case WM_APP_CLIPBOARD:
        clipboardChanged(editor, platform);
        return true;
    case WM_DESTROY:
        platform.quit(0);
        return false;
    default:
        return false;
    }
}

} // namespace bse
