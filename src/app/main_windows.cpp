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

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The up-down control's class.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);

    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::optional<std::string> file;
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
    return bse::runEditor(*editor, platform, file);
}
