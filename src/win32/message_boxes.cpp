// Questions and refusals as MessageBoxW, owned by the main window and captioned with the title.
#include "win32/win32_platform.h"

#include "win32/text.h"

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

// Until a task dialog with its expanded text comes, the details follow the text in the box.
void Win32Platform::showRefusalWithDetails(std::string_view text, std::string_view details) {
    messageBox(window_, std::string(text) + "\n\n" + std::string(details),
               MB_OK | MB_ICONEXCLAMATION);
}

void Win32Platform::beep() {
    MessageBeep(MB_OK);
}

void Win32Platform::reportStartupFailure(std::string_view text) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
    messageBox(window_, text, MB_OK | MB_ICONERROR);
}

} // namespace bse
