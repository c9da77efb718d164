// Modal dialogs from the core's templates (DialogBoxIndirectParamW), their procedures seeing them
// through DialogWindow.
#include "win32/win32_platform.h"

#include "platform/item_number.h"
#include "win32/dialog_memory.h"
#include "win32/dib.h"
#include "win32/text.h"

#include <commctrl.h>

namespace bse {

namespace {

class TemplateDialog : public DialogWindow {
  public:
    TemplateDialog(const DialogProc& procedure, Win32Platform& platform)
        : procedure_(procedure), platform_(platform) {}

    static INT_PTR CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(window, DWLP_USER, lParam);
            reinterpret_cast<TemplateDialog*>(lParam)->window_ = window;
        }
        auto* self = reinterpret_cast<TemplateDialog*>(GetWindowLongPtrW(window, DWLP_USER));
        return self != nullptr ? self->handle(message, wParam, lParam) : FALSE;
    }

    std::string itemText(int controlId, std::size_t maxLength) override {
        std::wstring text(maxLength == 0 ? 1 : maxLength, L'\0');
        const UINT length =
            GetDlgItemTextW(window_, controlId, text.data(), static_cast<int>(text.size()));
        text.resize(length);
        return windows1252FromWide(text);
    }
    void setItemText(int controlId, std::string_view text) override {
        SetDlgItemTextW(window_, controlId, wideFromWindows1252(text).c_str());
    }
    std::optional<unsigned> itemNumber(int controlId) override {
        return readItemNumber(itemText(controlId, 64));
    }
    void setItemNumber(int controlId, unsigned value) override {
        SetDlgItemInt(window_, controlId, value, FALSE);
    }
    void setUpDownRange(int controlId, int lowest, int highest) override {
        SendDlgItemMessageW(window_, controlId, UDM_SETRANGE32, static_cast<WPARAM>(lowest),
                            highest);
    }
    void addListItem(int controlId, std::string_view text) override {
        SendDlgItemMessageW(window_, controlId, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(wideFromWindows1252(text).c_str()));
    }
    int itemSelection(int controlId) override {
        if (isRadioButton(controlId)) {
            return IsDlgButtonChecked(window_, controlId) == BST_CHECKED ? 1 : 0;
        }
        return static_cast<int>(SendDlgItemMessageW(window_, controlId, CB_GETCURSEL, 0, 0));
    }
    void setItemSelection(int controlId, int index) override {
        if (isRadioButton(controlId)) {
            // The group runs from the control with WS_GROUP to the next one.
            HWND first = GetDlgItem(window_, controlId);
            while (first != nullptr && (GetWindowLongPtrW(first, GWL_STYLE) & WS_GROUP) == 0) {
                first = GetWindow(first, GW_HWNDPREV);
            }
            for (HWND each = first; each != nullptr; each = GetWindow(each, GW_HWNDNEXT)) {
                if (each != first && (GetWindowLongPtrW(each, GWL_STYLE) & WS_GROUP) != 0) {
                    break;
                }
                if (isRadioButton(GetDlgCtrlID(each))) {
                    CheckDlgButton(window_, GetDlgCtrlID(each), BST_UNCHECKED);
                }
            }
            CheckDlgButton(window_, controlId, index != 0 ? BST_CHECKED : BST_UNCHECKED);
            return;
        }
        SendDlgItemMessageW(window_, controlId, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    Rect frame() override {
        RECT frame{};
        GetWindowRect(window_, &frame);
        return {frame.left, frame.top, frame.right, frame.bottom};
    }
    void move(int x, int y) override {
        SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void setBigIcon(int iconId) override {
        if (HICON icon = platform_.dialogIcon(iconId); icon != nullptr) {
            SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        }
    }
    void show() override { ShowWindow(window_, SW_SHOW); }
    void paintPicture(const Picture& picture) override {
        if (paintDc_ != nullptr) {
            drawPicture(paintDc_, 0, 0, picture);
        }
    }
    void invalidate(const Rect& rect) override {
        const RECT area{rect.left, rect.top, rect.right, rect.bottom};
        InvalidateRect(window_, &area, FALSE);
    }
    void end(int result) override { EndDialog(window_, result); }

  private:
    bool isRadioButton(int controlId) {
        const LONG_PTR style = GetWindowLongPtrW(GetDlgItem(window_, controlId), GWL_STYLE);
        wchar_t name[16] = {};
        GetClassNameW(GetDlgItem(window_, controlId), name, 16);
        return lstrcmpiW(name, L"Button") == 0 && (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
    }

    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam) {
        const WParam w = static_cast<WParam>(wParam);
        const LParam l = static_cast<LParam>(lParam);
        switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            paintDc_ = BeginPaint(window_, &paint);
            const bool painted = procedure_(*this, BSE_WM_PAINT, 0, 0);
            EndPaint(window_, &paint);
            paintDc_ = nullptr;
            return painted ? TRUE : FALSE;
        }
        case WM_INITDIALOG:
            // The focus goes to the first control with a tab stop.
            procedure_(*this, BSE_WM_INITDIALOG, w, l);
            return TRUE;
        case WM_COMMAND:
        case WM_TIMER:
        case WM_KEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_MOUSEMOVE:
            return procedure_(*this, message, w, l) ? TRUE : FALSE;
        default:
            return FALSE;
        }
    }

    const DialogProc& procedure_;
    Win32Platform& platform_;
    HWND window_ = nullptr;
    HDC paintDc_ = nullptr;
};

} // namespace

int Win32Platform::runDialog(const DialogTemplate& dialogTemplate, const DialogProc& procedure) {
    const std::vector<std::uint8_t> bytes = dialogTemplateBytes(dialogTemplate);
    TemplateDialog dialog(procedure, *this);
    return static_cast<int>(
        DialogBoxIndirectParamW(instance_, reinterpret_cast<const DLGTEMPLATE*>(bytes.data()),
                                window_, TemplateDialog::proc, reinterpret_cast<LPARAM>(&dialog)));
}

} // namespace bse
