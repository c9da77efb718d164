#pragma once

#include "platform/platform.h"

#include <optional>
#include <string>
#include <string_view>

namespace bse {

struct Editor;

// The commands of the File menu; the close box runs exitCommand too.
void newCommand(Editor& editor, Platform& platform);
void openCommand(Editor& editor, Platform& platform);
void saveCommand(Editor& editor, Platform& platform);
void saveAsCommand(Editor& editor, Platform& platform);
void importCommand(Editor& editor, Platform& platform);
void revertCommand(Editor& editor, Platform& platform);
void exitCommand(Editor& editor, Platform& platform);

// Open once the file is chosen: the file's first board, or Open's refusal and nothing changed.
// The file named on the command line opens this way too. Unreadable only when the file itself
// could not be read; a kept copy that could not be put back leaves the file as it is.
enum class Opened { Yes, No, Unreadable };
Opened openBoardSetFile(Editor& editor, Platform& platform, const std::string& path);
// The open file read again, as Revert reads it but without a question, on the same board where
// it still exists; Revert's refusal and nothing changed when it cannot be read.
bool reloadBoardSetFile(Editor& editor, Platform& platform);
// A file dropped on the window opens as with Open, after Open's save question.
void dropFileCommand(Editor& editor, Platform& platform);

// The question before the open BoardSet is discarded. Asks only while it is modified; Yes runs
// Save, and the caller goes on only if that really wrote the file; No goes on; Cancel stops.
bool confirmSaveChanges(Editor& editor, Platform& platform, std::string_view question);

// The first steps of Open and Import: the save question, then the file chosen in an open dialog
// of these options; nothing when the user stops at either.
std::optional<std::string> askForFileToOpen(Editor& editor, Platform& platform,
                                            const FileDialogOptions& options);

// The file dialogs of Open, Save As and Import.
FileDialogOptions openDialogOptions();
FileDialogOptions saveDialogOptions();
FileDialogOptions importDialogOptions();

inline constexpr const char* openQuestion =
    "Would you like to save changes before opening a new file?";
inline constexpr const char* continueQuestion = "Would you like to save changes before continuing?";
inline constexpr const char* exitQuestion = "Would you like to save changes before exiting?";
inline constexpr const char* openRefusal = "Not a Plinkor 2 BoardSet file!";
inline constexpr const char* revertRefusal = "Not a Plinkor 2 BoardSet file or file corrupt!";

} // namespace bse
