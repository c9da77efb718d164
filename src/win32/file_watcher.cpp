// Watching the open file: a change notification on its folder, which tells of the file's own
// writes too and of a new file renamed onto it (git, atomic savers). The message loop waits on
// it beside the window's messages; any change comes to the window as WM_FILECHANGED.
#include "win32/win32_platform.h"

#include "io/windows_support.h"

namespace bse {

void Win32Platform::watchFile(const std::string& path) {
    if (watch_ != INVALID_HANDLE_VALUE) {
        FindCloseChangeNotification(watch_);
        watch_ = INVALID_HANDLE_VALUE;
    }
    const Result<std::wstring> wide = io::windows::widePath(path);
    if (path.empty() || !wide) {
        return;
    }
    const std::wstring folder = wide->substr(0, wide->find_last_of(L"\\/") + 1);
    watch_ = FindFirstChangeNotificationW(
        folder.empty() ? L"." : folder.c_str(), FALSE,
        FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_SIZE |
            FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_ATTRIBUTES);
}

void Win32Platform::fileChanged() {
    FindNextChangeNotification(watch_);
    PostMessageW(window_, BSE_WM_FILECHANGED, 0, 0);
}

} // namespace bse
