// The main window: a modeless dialog from template 101 with the menu bar of the shell's data,
// its messages handed to the core, the canvas drawn as a DIB; the timers and the message loop.
#include "win32/win32_platform.h"

#include "io/windows_support.h"
#include "platform/ids.h"
#include "shell/menu.h"
#include "win32/dialog_memory.h"
#include "win32/dib.h"
#include "win32/menus.h"
#include "win32/text.h"

#include <shellapi.h>

namespace bse {

Win32Platform::Win32Platform(HINSTANCE instance)
    : instance_(instance),
      safekeeping_([this] { PostMessageW(window_, BSE_WM_RECOVERYFAILED, 0, 0); },
                   [this](const std::string& path) { return pathForDisplay(path); }) {}

Win32Platform::~Win32Platform() {
    handler_ = nullptr; // the editor hears no more of a window it has left
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    if (watch_ != INVALID_HANDLE_VALUE) {
        FindCloseChangeNotification(watch_);
    }
    if (overview_ != nullptr) {
        DestroyWindow(overview_);
    }
    if (accelerators_ != nullptr) {
        DestroyAcceleratorTable(accelerators_);
        DestroyAcceleratorTable(overviewAccelerators_);
    }
    for (const auto& [iconId, made] : icons_) {
        DestroyIcon(made);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

bool Win32Platform::createMainWindow(const DialogTemplate& windowTemplate, MessageHandler handler) {
    handler_ = std::move(handler);
    const std::vector<std::uint8_t> bytes = dialogTemplateBytes(windowTemplate);
    window_ =
        CreateDialogIndirectParamW(instance_, reinterpret_cast<const DLGTEMPLATE*>(bytes.data()),
                                   nullptr, mainWindowProc, reinterpret_cast<LPARAM>(this));
    if (window_ == nullptr) {
        return false;
    }
    DragAcceptFiles(window_, TRUE);
    // What the clipboard offers is known at once, and anew after each change.
    AddClipboardFormatListener(window_);
    PostMessageW(window_, WM_CLIPBOARDUPDATE, 0, 0);
    menuBar_ = createMenuBar(mainMenu());
    SetMenu(window_, menuBar_);
    std::vector<ACCEL> keys = acceleratorTable(mainMenu());
    accelerators_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
    std::erase_if(keys, [](const ACCEL& key) {
        return key.cmd != ID_BOARD_OVERVIEW && key.cmd != ID_EDIT_UNDO && key.cmd != ID_EDIT_REDO &&
               key.cmd != ID_FILE_SAVE;
    });
    overviewAccelerators_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
    // The canvas fills the client area exactly, whatever the font makes of the dialog units.
    RECT frame{0, 0, dialogUnitsToPixelsX(windowTemplate.width),
               dialogUnitsToPixelsY(windowTemplate.height)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    createScreenAreas();
    return true;
}

INT_PTR CALLBACK Win32Platform::mainWindowProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<Win32Platform*>(lParam)->window_ = window;
    }
    auto* self = reinterpret_cast<Win32Platform*>(GetWindowLongPtrW(window, DWLP_USER));
    if (self == nullptr || !self->handler_) {
        return FALSE;
    }
    const INT_PTR handled = self->mainWindowMessage(message, wParam, lParam);
    self->showScreenNames(); // what the message changed, for a screen reader
    return handled;
}

INT_PTR Win32Platform::mainWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const WParam w = static_cast<WParam>(wParam);
    const LParam l = static_cast<LParam>(lParam);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        paintDc_ = BeginPaint(window_, &paint);
        handler_(BSE_WM_PAINT, 0, 0);
        EndPaint(window_, &paint);
        paintDc_ = nullptr;
        return TRUE;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        // The grid follows a drag past the window's edge.
        SetCapture(window_);
        return handler_(message, w, l) ? TRUE : FALSE;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if ((w & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
            ReleaseCapture();
        }
        return handler_(message, w, l) ? TRUE : FALSE;
    case WM_DROPFILES: {
        // Only one local file is taken; the core asks for it while it handles the message.
        auto* drop = reinterpret_cast<HDROP>(wParam);
        if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) == 1) {
            std::wstring path(DragQueryFileW(drop, 0, nullptr, 0) + 1, L'\0');
            path.resize(DragQueryFileW(drop, 0, path.data(), static_cast<UINT>(path.size())));
            droppedFile_ = io::windows::utf8(path);
        }
        DragFinish(drop);
        handler_(BSE_WM_DROPFILES, 0, 0);
        droppedFile_.reset();
        return TRUE;
    }
    case WM_CLIPBOARDUPDATE:
        return handler_(BSE_WM_APP_CLIPBOARD, 0, 0) ? TRUE : FALSE;
    case WM_CLOSE:
        if (!handler_(message, w, l)) {
            DestroyWindow(window_);
        }
        return TRUE;
    case WM_SETFOCUS:
        // The window keeps the keys: a dialog would give them to its first child, and its
        // children are only names for screen readers.
        return TRUE;
    case WM_COMMAND:
    case WM_TIMER:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_DESTROY:
    case BSE_WM_RECOVERYFAILED:
    case BSE_WM_FILECHANGED:
        return handler_(message, w, l) ? TRUE : FALSE;
    default:
        return FALSE;
    }
}

Rect Win32Platform::mainWindowFrame() {
    RECT frame{};
    GetWindowRect(window_, &frame);
    return {frame.left, frame.top, frame.right, frame.bottom};
}

Size Win32Platform::screenSize() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {work.right - work.left, work.bottom - work.top};
}

void Win32Platform::moveMainWindow(int x, int y) {
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Platform::showMainWindow() {
    ShowWindow(window_, SW_SHOW);
    SetFocus(window_);
}

void Win32Platform::setWindowTitle(std::string_view title) {
    SetWindowTextW(window_, wideFromWindows1252(title).c_str());
}

void Win32Platform::setCursor(Cursor cursor) {
    SetCursor(LoadCursorW(nullptr, cursor == Cursor::Wait ? IDC_WAIT : IDC_ARROW));
}

void Win32Platform::enableMenuItem(int commandId, bool enabled) {
    itemsEnabled_[commandId] = enabled;
    EnableMenuItem(menuBar_, static_cast<UINT>(commandId),
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    DrawMenuBar(window_);
}

void Win32Platform::checkMenuItem(int commandId, bool checked) {
    itemsChecked_[commandId] = checked;
    CheckMenuItem(menuBar_, static_cast<UINT>(commandId),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Win32Platform::setMenuItem(int commandId, std::string_view text, std::string_view,
                                bool shown) {
    const auto known = itemTexts_.find(commandId);
    if (known != itemTexts_.end() && known->second == text && itemsShown_[commandId] == shown) {
        return;
    }
    itemTexts_[commandId] = std::string(text);
    itemsShown_[commandId] = shown;
    rebuildMenu();
}

// Win32 menus cannot hide an item: the bar is made anew with the editor's texts and states.
void Win32Platform::rebuildMenu() {
    HMENU old = menuBar_;
    menuBar_ =
        createMenuBar(mainMenu(), [this](const MenuItem& item) -> std::optional<std::string> {
            const auto text = itemTexts_.find(item.commandId);
            if (item.commandId == menuSeparator || text == itemTexts_.end()) {
                return item.startsHidden ? std::nullopt : std::optional<std::string>(item.text);
            }
            return itemsShown_[item.commandId] ? std::optional<std::string>(text->second)
                                               : std::nullopt;
        });
    for (const auto& [commandId, enabled] : itemsEnabled_) {
        EnableMenuItem(menuBar_, static_cast<UINT>(commandId),
                       MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
    for (const auto& [commandId, checked] : itemsChecked_) {
        CheckMenuItem(menuBar_, static_cast<UINT>(commandId),
                      MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    }
    SetMenu(window_, menuBar_);
    DestroyMenu(old);
}

void Win32Platform::showDocument(std::string_view, bool) {}

std::optional<std::string> Win32Platform::droppedFile() {
    return droppedFile_;
}

bool Win32Platform::keyHeld(WParam virtualKey) {
    return (GetKeyState(static_cast<int>(virtualKey)) & 0x8000) != 0;
}

void Win32Platform::invalidate(const Rect& rect) {
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    InvalidateRect(window_, &area, FALSE);
}

void Win32Platform::paintCanvas(const Picture& canvas) {
    if (paintDc_ != nullptr) {
        drawPicture(paintDc_, 0, 0, canvas);
    }
}

int Win32Platform::popupMenu(std::span<const PopupItem> items) {
    HMENU menu = CreatePopupMenu();
    for (const PopupItem& item : items) {
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.commandId),
                    wideFromWindows1252(item.text).c_str());
    }
    POINT at{};
    GetCursorPos(&at);
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x,
                                      at.y, 0, window_, nullptr);
    DestroyMenu(menu);
    return chosen;
}

void Win32Platform::startTimer(int timerId, int periodMs) {
    SetTimer(window_, static_cast<UINT_PTR>(timerId), static_cast<UINT>(periodMs), nullptr);
}

void Win32Platform::stopTimer(int timerId) {
    KillTimer(window_, static_cast<UINT_PTR>(timerId));
}

int Win32Platform::runMessageLoop() {
    if (quitRequested_) {
        return exitCode_;
    }
    for (;;) {
        // The watched file's folder beside the messages.
        const DWORD handles = watch_ != INVALID_HANDLE_VALUE ? 1 : 0;
        if (MsgWaitForMultipleObjectsEx(handles, &watch_, INFINITE, QS_ALLINPUT,
                                        MWMO_INPUTAVAILABLE) == WAIT_OBJECT_0 &&
            handles != 0) {
            fileChanged();
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return exitCode_;
            }
            // The main window has no controls: its keys are the accelerators and WM_KEYDOWN,
            // not a dialog's navigation.
            if ((message.hwnd == window_ &&
                 TranslateAcceleratorW(window_, accelerators_, &message)) ||
                (message.hwnd == overview_ && overview_ != nullptr &&
                 TranslateAcceleratorW(window_, overviewAccelerators_, &message))) {
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void Win32Platform::quit(int exitCode) {
    if (!quitRequested_) {
        quitRequested_ = true;
        exitCode_ = exitCode;
        PostQuitMessage(exitCode);
    }
}

} // namespace bse
