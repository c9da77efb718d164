#include "editor/recent_files.h"

#include "editor/editor.h"
#include "editor/file_commands.h"
#include "platform/platform.h"

#include <algorithm>

namespace bse {

namespace {

constexpr std::string_view settingKey = "recentFiles";

// pathForDisplay gives the system's own form: on Windows either slash may part a folder, elsewhere
// a backslash is part of a name.
#ifdef _WIN32
constexpr std::string_view folderSeparators = "\\/";
#else
constexpr std::string_view folderSeparators = "/";
#endif

// "&1 name", the name's own '&' doubled so that it shows; the folder is the tip. Only the items
// that were shown or are shown now change.
void showRecentFiles(const Editor& editor, Platform& platform, std::size_t shownBefore) {
    const std::size_t count = editor.recentFiles.size();
    for (std::size_t i = 0; i < std::max(count, shownBefore); ++i) {
        const int id = ID_FILE_RECENT_FIRST + static_cast<int>(i);
        if (i >= count) {
            platform.setMenuItem(id, "", "", false);
            continue;
        }
        const std::string shown = platform.pathForDisplay(editor.recentFiles[i]);
        const std::size_t slash = shown.find_last_of(folderSeparators);
        const std::string name = slash == std::string::npos ? shown : shown.substr(slash + 1);
        const std::string folder = slash == std::string::npos ? "" : shown.substr(0, slash + 1);
        std::string text = "&";
        text.append(std::to_string(i + 1)).push_back(' ');
        for (const char c : name) {
            text += c == '&' ? "&&" : std::string(1, c);
        }
        platform.setMenuItem(id, text, folder, true);
    }
    if ((count == 0) != (shownBefore == 0)) {
        platform.enableMenuItem(ID_FILE_RECENT_CLEAR, count != 0);
    }
}

void keepRecentFiles(Editor& editor, Platform& platform, std::size_t shownBefore) {
    platform.writeSettingList(settingKey, editor.recentFiles);
    showRecentFiles(editor, platform, shownBefore);
}

// The list as it is kept now: another editor may have changed it since this one last looked.
std::vector<std::string> keptRecentFiles(Platform& platform) {
    std::vector<std::string> files = platform.readSettingList(settingKey);
    if (files.size() > recentFileLimit) {
        files.resize(recentFileLimit);
    }
    return files;
}

// Another editor's changes to the list, shown without writing it.
void showChangedList(Editor& editor, Platform& platform, std::vector<std::string> files) {
    if (files != editor.recentFiles) {
        const std::size_t shownBefore = editor.recentFiles.size();
        editor.recentFiles = std::move(files);
        showRecentFiles(editor, platform, shownBefore);
    }
}

} // namespace

void loadRecentFiles(Editor& editor, Platform& platform) {
    editor.recentFiles = keptRecentFiles(platform);
    showRecentFiles(editor, platform, 0); // the menu starts as for an empty list
}

void rememberRecentFile(Editor& editor, Platform& platform, const std::string& path) {
    auto files = keptRecentFiles(platform);
    if (!files.empty() && files.front() == path) {
        showChangedList(editor, platform, std::move(files)); // saving again writes nothing
        return;
    }
    std::erase(files, path);
    files.insert(files.begin(), path);
    if (files.size() > recentFileLimit) {
        files.resize(recentFileLimit);
    }
    const std::size_t shownBefore = editor.recentFiles.size();
    editor.recentFiles = std::move(files);
    keepRecentFiles(editor, platform, shownBefore);
}

void forgetRecentFile(Editor& editor, Platform& platform, const std::string& path) {
    auto files = keptRecentFiles(platform);
    if (std::erase(files, path) == 0) {
        showChangedList(editor, platform, std::move(files));
        return;
    }
    const std::size_t shownBefore = editor.recentFiles.size();
    editor.recentFiles = std::move(files);
    keepRecentFiles(editor, platform, shownBefore);
}

void openRecentFileCommand(Editor& editor, Platform& platform, int commandId) {
    const auto at = static_cast<std::size_t>(commandId - ID_FILE_RECENT_FIRST);
    if (at >= editor.recentFiles.size() || !confirmSaveChanges(editor, platform, openQuestion)) {
        return;
    }
    // The list may change on the way: keep the path.
    const std::string path = editor.recentFiles[at];
    if (openBoardSetFile(editor, platform, path) == Opened::Unreadable) {
        forgetRecentFile(editor, platform, path);
    }
}

void clearRecentFilesCommand(Editor& editor, Platform& platform) {
    const std::size_t shownBefore = editor.recentFiles.size();
    editor.recentFiles.clear();
    keepRecentFiles(editor, platform, shownBefore);
}

} // namespace bse
