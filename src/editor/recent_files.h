#pragma once

#include <string>

namespace bse {

struct Editor;
class Platform;

inline constexpr std::size_t recentFileLimit = 8;

// The list kept from earlier runs, shown in File > Recent BoardSets.
void loadRecentFiles(Editor& editor, Platform& platform);
// A BoardSet file was opened or saved: it goes first in the list, which is kept.
void rememberRecentFile(Editor& editor, Platform& platform, const std::string& path);
void forgetRecentFile(Editor& editor, Platform& platform, const std::string& path);

// Open of the n-th file of the list (ID_FILE_RECENT_FIRST + n), and Clear List.
void openRecentFileCommand(Editor& editor, Platform& platform, int commandId);
void clearRecentFilesCommand(Editor& editor, Platform& platform);

} // namespace bse
