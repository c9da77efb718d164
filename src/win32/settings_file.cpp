// The editor's settings: %APPDATA%\boardset-editor\boardset-editor.ini, lines "KEY=VALUE" in
// UTF-8, a list being its key's lines in order. The file layer reads the bytes (a regular file of
// at most 1 MB) and replaces the file atomically; every access reads it again, so two editors keep
// each other's changes. A refused file is left alone for the rest of the run, said once on
// standard error; the lists then live in memory.
#include "win32/win32_platform.h"

#include "io/file_io.h"
#include "io/recovery_store.h"
#include "io/windows_support.h"

#include <shlobj.h>

#include <cstdio>
#include <cstdlib>

namespace bse {

namespace {

// The roaming application data folder as the system names it, else APPDATA.
std::optional<std::string> settingsFolder() {
    PWSTR known = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known))) {
        folder = known;
    }
    CoTaskMemFree(known);
    if (const wchar_t* variable = _wgetenv(L"APPDATA"); folder.empty() && variable != nullptr) {
        folder = variable;
    }
    if (folder.empty()) {
        return std::nullopt;
    }
    return io::windows::utf8(folder + L"\\boardset-editor");
}

Win32Platform::SettingLists parse(const Bytes& bytes) {
    Win32Platform::SettingLists lists;
    const std::string text(bytes.begin(), bytes.end());
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        std::string line = text.substr(start, end - start);
        if (line.ends_with('\r')) {
            line.pop_back();
        }
        if (const std::size_t equals = line.find('='); equals != std::string::npos) {
            lists[line.substr(0, equals)].push_back(line.substr(equals + 1));
        }
        start = end + 1;
    }
    return lists;
}

Bytes format(const Win32Platform::SettingLists& lists) {
    std::string text;
    for (const auto& [key, values] : lists) {
        for (const std::string& value : values) {
            text += key + "=" + value + "\r\n";
        }
    }
    return Bytes(text.begin(), text.end());
}

} // namespace

// The file's bytes now; nothing once it was refused.
std::optional<Bytes> Win32Platform::settingsBytes() {
    if (settingsRefused_) {
        return std::nullopt;
    }
    const std::optional<std::string> folder = settingsFolder();
    if (!folder) {
        settingsRefused_ = true;
        std::fprintf(stderr, "boardset-editor: no application data folder: the recent BoardSets "
                             "are kept for this run only\n");
        return std::nullopt;
    }
    const std::string path = *folder + "\\boardset-editor.ini";
    const auto read = io::readSettingsFile(path);
    if (!read) {
        settingsRefused_ = true;
        std::fprintf(stderr,
                     "boardset-editor: the settings file %s is left alone, and the recent "
                     "BoardSets are kept for this run only: %s\n",
                     path.c_str(), read.reason().c_str());
        return std::nullopt;
    }
    return read->value_or(Bytes{});
}

std::vector<std::string> Win32Platform::readSettingList(std::string_view key) {
    // Parsed again only when the bytes changed since.
    if (const std::optional<Bytes> bytes = settingsBytes(); bytes && *bytes != settingsParsed_) {
        settings_ = parse(*bytes);
        settingsParsed_ = *bytes;
    }
    const auto list = settings_.find(key);
    return list == settings_.end() ? std::vector<std::string>() : list->second;
}

void Win32Platform::writeSettingList(std::string_view key, const std::vector<std::string>& values) {
    settings_[std::string(key)] = values;
    const std::optional<Bytes> bytes = settingsBytes();
    if (!bytes) {
        return;
    }
    // Until the file changes, the list stays as set here even when it cannot be written.
    SettingLists lists = parse(*bytes);
    settingsParsed_ = *bytes;
    lists[std::string(key)] = values;
    const Bytes fresh = format(lists);
    const std::string folder = *settingsFolder();
    if (io::makePrivateFolders(folder) &&
        io::writeFileAtomically(folder + "\\boardset-editor.ini", fresh)) {
        settings_ = std::move(lists);
        settingsParsed_ = fresh;
    }
}

} // namespace bse
