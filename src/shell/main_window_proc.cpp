#include "shell/main_window_proc.h"

#include "editor/board_commands.h"
#include "editor/commands.h"
#include "editor/editor.h"
#include "editor/file_commands.h"
#include "editor/keyboard_painting.h"
#include "editor/overview.h"
#include "editor/pointer.h"
#include "editor/safekeeping.h"
#include "editor/screen.h"
#include "editor/selection.h"
#include "editor/title.h"
#include "platform/platform.h"
#include "shell/menu.h"

#include <array>
#include <cstdint>
#include <vector>

namespace bse {

// The main window's own messages.
bool windowMessage(Editor& editor, Platform& platform, Message message, WParam wParam,
                   LParam lParam);

namespace {

constexpr std::array arrowKeys{
    KeyRoute{BSE_VK_LEFT, ID_BOARD_PREVIOUS},
    KeyRoute{BSE_VK_UP, ID_BOARD_FIRST},
    KeyRoute{BSE_VK_RIGHT, ID_BOARD_NEXT},
    KeyRoute{BSE_VK_DOWN, ID_BOARD_LAST},
    KeyRoute{BSE_VK_LEFT, ID_BOARD_SHIFTLEFT, HeldModifiers::Shift},
    KeyRoute{BSE_VK_UP, ID_BOARD_SHIFTUP, HeldModifiers::Shift},
    KeyRoute{BSE_VK_RIGHT, ID_BOARD_SHIFTRIGHT, HeldModifiers::Shift},
    KeyRoute{BSE_VK_DOWN, ID_BOARD_SHIFTDOWN, HeldModifiers::Shift},
};

void routeKey(Editor& editor, Platform& platform, WParam key, HeldModifiers held) {
    if (keyboardPaintingKey(editor, platform, key)) {
        return;
    }
    if (key == BSE_VK_ESCAPE) {
        cancelRectangle(editor, platform);
        escapeSelection(editor, platform);
        return;
    }
    if (selectionKey(editor, platform, key, held)) {
        return;
    }
    // Any other combination of modifiers goes where none would.
    const HeldModifiers modifiers = held == HeldModifiers::Shift ? held : HeldModifiers::None;
    for (const KeyRoute& route : arrowKeys) {
        if (key == route.virtualKey && modifiers == route.modifiers) {
            sendCommand(editor, platform, route.commandId);
            return;
        }
    }
}

// The board commands the overview's context menu offers, with their texts in the menu bar.
constexpr std::array overviewMenuCommands{ID_EDIT_INSERTBOARD, ID_EDIT_DUPLICATEBOARD,
                                          ID_EDIT_DELETEBOARD, ID_EDIT_COPYBOARD,
                                          ID_EDIT_PASTEBOARD};

// The context menu on a board of the overview: the command chosen runs on that board. A BoardSet
// changed while the menu was open (a file read again) may hold another board there, or none: the
// command is dropped.
void overviewMenu(Editor& editor, Platform& platform, int board) {
    if (board < 0 || board > editor.boardSet.lastBoardIndex) {
        return;
    }
    std::vector<PopupItem> items;
    for (const int command : overviewMenuCommands) {
        for (const MenuBarEntry& entry : mainMenu()) {
            for (const MenuItem& item : entry.items) {
                if (item.commandId == command) {
                    items.push_back({item.text, command});
                }
            }
        }
    }
    const std::uint64_t edits = editor.history.edits();
    if (const int chosen = platform.popupMenu(items);
        chosen != 0 && editor.history.edits() == edits) {
        showBoard(editor, platform, board);
        sendCommand(editor, platform, static_cast<WParam>(chosen));
    }
}

bool dispatch(Editor& editor, Platform& platform, Message message, WParam wParam, LParam lParam) {
    const auto board = static_cast<int>(wParam);
    switch (message) {
    case BSE_WM_OVERVIEW_CLICK:
        overviewClick(editor, platform, board);
        return true;
    case BSE_WM_OVERVIEW_KEY:
        overviewKey(editor, platform, wParam, static_cast<int>(lParam));
        return true;
    case BSE_WM_OVERVIEW_DROP:
        overviewDrop(editor, platform, board, static_cast<int>(lParam));
        return true;
    case BSE_WM_OVERVIEW_MENU:
        overviewMenu(editor, platform, board);
        return true;
    case BSE_WM_OVERVIEW_CLOSED:
        overviewClosed(editor, platform);
        return true;
    default:
        return windowMessage(editor, platform, message, wParam, lParam);
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

bool windowMessage(Editor& editor, Platform& platform, Message message, WParam wParam,
                   LParam lParam) {
    switch (message) {
    case BSE_WM_COMMAND:
        sendCommand(editor, platform, wParam);
        return true;
    case BSE_WM_TIMER:
        if (!onSafekeepingTimer(editor, platform, wParam)) {
            stepIconAnimation(editor, platform);
        }
        return false;
    case BSE_WM_RECOVERYFAILED:
        onRecoveryFailed(editor, platform);
        return true;
    case BSE_WM_FILECHANGED:
        onFileChanged(editor, platform);
        return true;
    case BSE_WM_KEYDOWN:
        routeKey(editor, platform, wParam, heldModifiers(platform));
        return false;
    case BSE_WM_KEYUP:
        keyboardPaintingKeyUp(editor, wParam);
        return false;
    case BSE_WM_PAINT:
        paintWindow(editor, platform);
        return true;
    case BSE_WM_MOUSEMOVE:
        return onPointerMove(editor, platform, pointerX(lParam), pointerY(lParam), wParam);
    case BSE_WM_LBUTTONDOWN:
        return onLeftButtonDown(editor, platform, pointerX(lParam), pointerY(lParam), wParam);
    case BSE_WM_LBUTTONUP:
        return onLeftButtonUp(editor, platform, pointerX(lParam), pointerY(lParam));
    case BSE_WM_RBUTTONDOWN:
        return onRightButtonDown(editor, platform, pointerX(lParam), pointerY(lParam), wParam);
    case BSE_WM_MBUTTONDOWN:
        return onMiddleButtonDown(editor, platform, pointerX(lParam), pointerY(lParam), wParam);
    case BSE_WM_RBUTTONUP:
        return onRightButtonUp(editor, platform);
    case BSE_WM_DROPFILES:
        dropFileCommand(editor, platform);
        return true;
    case BSE_WM_APP_CLIPBOARD:
        clipboardChanged(editor, platform);
        return true;
    case BSE_WM_DESTROY:
        platform.quit(0);
        return false;
    default:
        return false;
    }
}

bool MainWindowProc(Editor& editor, Platform& platform, Message message, WParam wParam,
                    LParam lParam) {
    const bool handled = dispatch(editor, platform, message, wParam, lParam);
    // The overview follows every change, a reload of the watched file too (it comes with a
    // timer).
    showState(editor, platform,
              message == BSE_WM_PAINT || (message == BSE_WM_TIMER && wParam == iconTimerId)
                  ? Reach::Nothing
                  : (message == BSE_WM_MOUSEMOVE ? Reach::CurrentBoard : Reach::Everything));
    return handled;
}

void showState(Editor& editor, Platform& platform, Reach reach) {
    showTitleAndMenus(editor, platform);
    if (reach != Reach::Nothing) {
        refreshOverview(editor, platform, reach == Reach::CurrentBoard);
        showGridOverlay(editor, platform);
        showCellCursor(editor, platform);
    }
    showDocumentChanges(editor, platform);
    keepWorkSafe(editor, platform);
}

} // namespace bse
