// Questions and refusals as MessageBoxW, owned by the main window and captioned with the title.
#include "win32/win32_platform.h"

#include "win32/text.h"

#include <commctrl.h>

#include <cstdio>

namespace bse {

namespace {

int messageBox(HWND owner, std::string_view text, UINT type) {
    return MessageBoxW(owner, wideFromWindows1252(text).c_str(),
                       wideFromWindows1252(programTitle).c_str(), type);
}

Answer answerOf(int button) {
    return button == IDYES ? Answer::Yes : button == IDNO ? Answer::No : Answer::Cancel;
}

} // namespace

Answer Win32Platform::askQuestion(std::string_view text) {
    return answerOf(messageBox(window_, text, MB_YESNOCANCEL | MB_ICONQUESTION));
}

Answer Win32Platform::askYesNo(std::string_view text) {
    return answerOf(messageBox(window_, text, MB_YESNO | MB_ICONQUESTION));
}

void Win32Platform::showRefusal(std::string_view text) {
    messageBox(window_, text, MB_OK | MB_ICONEXCLAMATION);
}

// A task dialog with the details behind "Show Details" (version 6 of the common controls, which
// the manifest asks for); where it is missing, the details follow the text in a message box.
void Win32Platform::showRefusalWithDetails(std::string_view text, std::string_view details) {
    using TaskDialogIndirectCall = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "TaskDialogIndirect");
    if (found == nullptr) {
        messageBox(window_, std::string(text) + "\n\n" + std::string(details),
                   MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // Through void (*)(), which stands for any function type.
    const auto taskDialog =
        reinterpret_cast<TaskDialogIndirectCall>(reinterpret_cast<void (*)()>(found));
    const std::wstring title = wideFromWindows1252(programTitle);
    const std::wstring content = wideFromWindows1252(text);
    const std::wstring expanded = wideFromWindows1252(details);
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof(config);
    config.hwndParent = window_;
    config.dwCommonButtons = TDCBF_OK_BUTTON;
    config.pszWindowTitle = title.c_str();
    config.pszMainIcon = TD_WARNING_ICON;
    config.pszContent = content.c_str();
    config.pszExpandedInformation = expanded.c_str();
    config.pszExpandedControlText = L"Hide Details";
    config.pszCollapsedControlText = L"Show Details";
    taskDialog(&config, nullptr, nullptr, nullptr);
}

void Win32Platform::beep() {
    MessageBeep(MB_OK);
}

void Win32Platform::reportStartupFailure(std::string_view text) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
    messageBox(window_, text, MB_OK | MB_ICONERROR);
}

} // namespace bse
