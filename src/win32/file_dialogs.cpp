// The standard file dialogs, and paths and the system's reasons as message text.
#include "win32/win32_platform.h"

#include "io/windows_support.h"
#include "win32/text.h"

#include <commdlg.h>

namespace bse {

namespace {

std::optional<std::string> runFileDialog(HWND owner, const FileDialogOptions& options, bool save) {
    // Name and pattern pairs, each ended by a null, the list by one more.
    std::wstring filter;
    for (const FileFilter& each : options.filters) {
        filter +=
            wideFromWindows1252(each.name) + L'\0' + wideFromWindows1252(each.pattern) + L'\0';
    }
    filter += L'\0';
    const std::wstring title = wideFromWindows1252(options.title);
    const std::wstring extension = wideFromWindows1252(options.defaultExtension);
    std::wstring path(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(options.filterIndex);
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                   (save ? (options.confirmOverwrite ? OFN_OVERWRITEPROMPT : 0u)
                         : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen) {
        return std::nullopt;
    }
    path.resize(path.find(L'\0'));
    return io::windows::utf8(path);
}

} // namespace

std::optional<std::string> Win32Platform::chooseFileToOpen(const FileDialogOptions& options) {
    return runFileDialog(window_, options, false);
}

std::optional<std::string> Win32Platform::chooseFileToSave(const FileDialogOptions& options) {
    return runFileDialog(window_, options, true);
}

std::string Win32Platform::pathForDisplay(const std::string& path) {
    return windows1252FromUtf8(path);
}

std::string Win32Platform::messageText(const std::string& reason) {
    return windows1252FromUtf8(reason);
}

} // namespace bse
