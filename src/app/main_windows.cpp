// The editor on Windows: the Win32 front end, one FILE argument at most.
#include "editor/editor.h"
#include "io/windows_support.h"
#include "shell/startup.h"
#include "win32/win32_platform.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view usage = R"(Usage: boardset-editor [options] [FILE]
Edits the BoardSet files of Plinkor 2.

Options:
  -h, --help     Shows this help and exits.
  -v, --version  Shows the version and exits.

Arguments:
  FILE           A BoardSet to open.
)";

// On standard output when there is one (redirected, or under Wine in a terminal), else on the
// console the program was started from: a windowed program gets none of its own.
void writeOut(std::string_view text) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if ((out == nullptr || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        out = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                          nullptr);
    }
    DWORD written = 0;
    if (out != nullptr && out != INVALID_HANDLE_VALUE) {
        WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The up-down control's class.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);

    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::optional<std::string> file;
    // --help and --version as on Linux.
    const std::wstring first = count == 2 ? arguments[1] : L"";
    if (first == L"-h" || first == L"--help" || first == L"-v" || first == L"--version") {
        writeOut(first == L"-h" || first == L"--help" ? usage
                                                      : "boardset-editor " BSE_VERSION "\n");
        LocalFree(arguments);
        return 0;
    }
    if (count > 2) {
        MessageBoxW(nullptr, L"Only one FILE can be opened.", L"boardset-editor",
                    MB_OK | MB_ICONERROR);
        LocalFree(arguments);
        return 2;
    }
    if (count == 2) {
        // Made absolute, as the file dialog would give it.
        std::wstring absolute(32768, L'\0');
        const DWORD length = GetFullPathNameW(arguments[1], static_cast<DWORD>(absolute.size()),
                                              absolute.data(), nullptr);
        absolute.resize(length > 0 && length < absolute.size() ? length : 0);
        file = bse::io::windows::utf8(absolute.empty() ? std::wstring(arguments[1]) : absolute);
    }
    LocalFree(arguments);

    // The editor outlives the window, whose handler refers to it.
    auto editor = std::make_unique<bse::Editor>();
    bse::Win32Platform platform(instance);
    platform.readScreenWith([&editor = *editor] { return bse::readScreen(editor); });
    return bse::runEditor(*editor, platform, file);
}
