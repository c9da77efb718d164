#include "win32/dialog_memory.h"

#include "platform/ids.h"
#include "win32/text.h"

#include <windows.h>

#include <commctrl.h>

#include <string_view>

namespace bse {

namespace {

class TemplateWriter {
  public:
    void word(std::uint32_t value) {
        bytes_.push_back(static_cast<std::uint8_t>(value & 0xff));
        bytes_.push_back(static_cast<std::uint8_t>((value >> 8) & 0xff));
    }
    void dword(std::uint32_t value) {
        word(value & 0xffff);
        word(value >> 16);
    }
    void text(std::wstring_view text) {
        for (const wchar_t character : text) {
            word(static_cast<std::uint32_t>(character));
        }
        word(0);
    }
    // Each control starts on a DWORD boundary.
    void alignToDword() {
        while (bytes_.size() % 4 != 0) {
            bytes_.push_back(0);
        }
    }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

  private:
    std::vector<std::uint8_t> bytes_;
};

// The class (a predefined atom, or a name for comctl32's classes) and the styles each kind adds
// to the template's own.
struct ControlClass {
    std::uint32_t atom = 0; // 0: by name
    std::wstring_view name;
    std::uint32_t styles = 0;
};

ControlClass controlClass(ControlKind kind) {
    switch (kind) {
    case ControlKind::DefaultPushButton:
        return {0x0080, {}, BS_DEFPUSHBUTTON};
    case ControlKind::PushButton:
        return {0x0080, {}, BS_PUSHBUTTON};
    case ControlKind::RadioButton:
        return {0x0080, {}, 0};
    case ControlKind::Edit:
        return {0x0081, {}, ES_LEFT};
    case ControlKind::Label:
        return {0x0082, {}, SS_LEFT | SS_NOPREFIX};
    case ControlKind::ComboBox:
        return {0x0085, {}, 0};
    case ControlKind::UpDown:
        return {0, UPDOWN_CLASSW, 0};
    }
    return {};
}

} // namespace

std::uint32_t dialogStyle(const DialogTemplate& dialogTemplate) {
    const std::uint32_t frame = dialogTemplate.id == IDD_MAINWINDOW
                                    ? WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX
                                    : DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    return frame | DS_SETFONT;
}

std::vector<std::uint8_t> dialogTemplateBytes(const DialogTemplate& dialogTemplate) {
    TemplateWriter out;
    out.dword(dialogStyle(dialogTemplate));
    out.dword(0); // extended styles
    out.word(static_cast<std::uint32_t>(dialogTemplate.controls.size()));
    out.word(0); // x and y: the system places the window
    out.word(0);
    out.word(static_cast<std::uint32_t>(dialogTemplate.width));
    out.word(static_cast<std::uint32_t>(dialogTemplate.height));
    out.word(0); // no menu resource
    out.word(0); // the dialog class
    out.text(wideFromWindows1252(dialogTemplate.caption));
    out.word(static_cast<std::uint32_t>(dialogTemplate.fontPointSize));
    out.text(wideFromWindows1252(dialogTemplate.fontName));
    for (const DialogControl& control : dialogTemplate.controls) {
        const ControlClass kind = controlClass(control.kind);
        out.alignToDword();
        out.dword(WS_CHILD | WS_VISIBLE | kind.styles | control.styles);
        out.dword(0);
        out.word(static_cast<std::uint32_t>(control.x));
        out.word(static_cast<std::uint32_t>(control.y));
        out.word(static_cast<std::uint32_t>(control.width));
        out.word(static_cast<std::uint32_t>(control.height));
        out.word(static_cast<std::uint32_t>(control.id)); // a label's -1 is Win32's IDC_STATIC
        if (kind.atom != 0) {
            out.word(0xffff);
            out.word(kind.atom);
        } else {
            out.text(kind.name);
        }
        out.text(wideFromWindows1252(control.text));
        out.word(0); // no creation data
    }
    return out.take();
}

} // namespace bse
