#pragma once

#include "base/result.h"
#include "io/file_identity.h"
#include "io/file_io.h"
#include "platform/dialog_template.h"
#include "platform/dialog_window.h"
#include "view/geometry.h"
#include "view/picture.h"
#include "view/text_painter.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bse {

inline constexpr const char* programTitle = "BoardSet Editor for Plinkor 2";
// The name by which removeRecoveryCopy means this editor's own copy.
inline const std::string ownRecoveryCopy;

enum class Answer { Yes, No, Cancel };
enum class Cursor { Arrow, Wait };

struct Size {
    int width = 0;
    int height = 0;
};

struct FileFilter {
    std::string name;    // "BoardSets (*.BDS)"
    std::string pattern; // "*.BDS"
};

struct FileDialogOptions {
    std::string title;
    std::vector<FileFilter> filters;
    int filterIndex = 1;               // 1-based, the filter selected first
    std::string defaultExtension = {}; // without the dot; empty: none
    // Save: asks before an existing file is replaced.
    bool confirmOverwrite = false;
};

using Bytes = std::vector<std::uint8_t>;

// An item of a context menu: its text, with '&' before the mnemonic, and the command it sends.
struct PopupItem {
    std::string_view text;
    int commandId = 0;
};

// Receives the main window's messages: MainWindowProc bound to the editor.
using MessageHandler = std::function<bool(Message, WParam, LParam)>;

using io::FileHead;
using io::FileIdentity;
using io::LongFile;
using io::ReadFailure;

// What the editor needs of the desktop, by service. Every call is pure: a front end provides each
// service or names, in its own list of bases, the stub of platform/no_services.h that says it has
// none. Message boxes and dialogs are modal and owned by the main window; texts are bytes
// (Windows-1252), paths are the system's own path bytes.

// Questions and refusals, captioned with the program title.
class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    virtual Answer askQuestion(std::string_view text) = 0; // Yes, No, Cancel; question icon
    // A Yes/No question (no Cancel).
    virtual Answer askYesNo(std::string_view text) = 0;
    virtual void showRefusal(std::string_view text) = 0; // OK; exclamation icon
    // The same box, offering `details` (why, more exactly) behind a button of its own.
    virtual void showRefusalWithDetails(std::string_view text, std::string_view details) = 0;
    virtual void beep() = 0;
    // Start-up failures: to stderr, and in a box when a desktop is there.
    virtual void reportStartupFailure(std::string_view text) = 0;
};

class WindowService {
  public:
    virtual ~WindowService() = default;
    // The main window, made from its template with the menu of mainMenu(), not shown yet. Its
    // handler gets every later message of the window.
    virtual bool createMainWindow(const DialogTemplate& windowTemplate, MessageHandler handler) = 0;
    virtual Rect mainWindowFrame() = 0;
    virtual Size screenSize() = 0;
    virtual void moveMainWindow(int x, int y) = 0;
    virtual void showMainWindow() = 0;
    virtual void setWindowTitle(std::string_view title) = 0;
    virtual bool loadIcon(int iconId) = 0;
    virtual void setWindowIcon(int iconId) = 0;
    virtual void setCursor(Cursor cursor) = 0;
    virtual void enableMenuItem(int commandId, bool enabled) = 0;
    // The check mark of a check item of the menu.
    virtual void checkMenuItem(int commandId, bool checked) = 0;
    // A menu item whose text changes while the program runs: its text, its tooltip and status
    // tip, and whether it is there at all.
    virtual void setMenuItem(int commandId, std::string_view text, std::string_view tip,
                             bool shown) = 0;
    // The document the window stands for, for the desktop's own use (the title is left alone):
    // its path, empty while untitled, and whether it has unsaved changes.
    virtual void showDocument(std::string_view path, bool modified) = 0;
    // While WM_DROPFILES is handled: the one local file dropped on the window.
    virtual std::optional<std::string> droppedFile() = 0;
    // Whether a key (VK_SHIFT, VK_CONTROL, VK_MENU) was held when the message being handled was
    // sent, as GetKeyState tells.
    virtual bool keyHeld(WParam virtualKey) = 0;
    // Asks for a repaint of a client rectangle without erasing it first.
    virtual void invalidate(const Rect& rect) = 0;
    // Inside the paint handler only: copies a picture to the client area at (0, 0).
    virtual void paintCanvas(const Picture& canvas) = 0;
    // A context menu at the pointer, modal: the command chosen, 0 for none.
    virtual int popupMenu(std::span<const PopupItem> items) = 0;
};

// Timers (WM_TIMER to the main window) and the message loop.
class LoopService {
  public:
    virtual ~LoopService() = default;
    virtual void startTimer(int timerId, int periodMs) = 0;
    virtual void stopTimer(int timerId) = 0;
    virtual int runMessageLoop() = 0; // returns the code given to quit
    virtual void quit(int exitCode) = 0;
};

class DialogService {
  public:
    virtual ~DialogService() = default;
    // Modal dialogs from templates; returns the result the procedure ended with.
    virtual int runDialog(const DialogTemplate& dialogTemplate, const DialogProc& procedure) = 0;
    // Standard file dialogs: the chosen path, or nothing when cancelled.
    virtual std::optional<std::string> chooseFileToOpen(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> chooseFileToSave(const FileDialogOptions& options) = 0;
};

class FileService {
  public:
    virtual ~FileService() = default;
    // Reads of at most `limit` bytes that never block, and writes that replace the old file only
    // once all bytes are down. A failure carries the system's reason.
    virtual Result<FileHead, ReadFailure> readFile(const std::string& path, std::size_t limit,
                                                   LongFile longFile) = 0;
    virtual Status writeFileAtomically(const std::string& path, const Bytes& bytes) = 0;
    // The copies of old bytes that interrupted saves of `path` kept beside it (the file may be
    // torn while one is there), oldest first; and putting one back, which removes it.
    virtual std::vector<std::string> keptCopies(const std::string& path) = 0;
    virtual Status restoreKeptCopy(const std::string& path, const std::string& copy) = 0;
    virtual std::optional<FileIdentity> fileIdentity(const std::string& path) = 0;
    // A path as text for a message (Windows-1252).
    virtual std::string pathForDisplay(const std::string& path) = 0;
};

// Watches one file and its folder (empty: none); changes come as WM_FILECHANGED.
class FileWatchService {
  public:
    virtual ~FileWatchService() = default;
    virtual void watchFile(const std::string& path) = 0;
};

// Keeping work safe in recovery copies.
class SafekeepingService {
  public:
    virtual ~SafekeepingService() = default;
    // Takes this editor's place among the recovery copies; false: no recovery copies in this run.
    virtual bool startSafekeeping() = 0;
    // The copies of editors that no longer run, newest first, by name.
    virtual std::vector<std::string> orphanedRecoveryCopies() = 0;
    virtual Result<Bytes> readRecoveryCopy(const std::string& name) = 0;
    // Renames a copy that cannot be read aside (NAME.damaged).
    virtual Status setRecoveryCopyAside(const std::string& name) = 0;
    // This editor's own copy, written and removed in the background in the order asked; a
    // failure comes back as WM_RECOVERYFAILED, and recoveryFailure() says why.
    virtual void writeRecoveryCopy(Bytes bytes) = 0;
    virtual void removeRecoveryCopy(const std::string& name /*or ownRecoveryCopy*/) = 0;
    virtual std::string recoveryFailure() = 0;
};

// The board overview: a second window, its gestures sent as WM_OVERVIEW_* messages.
class OverviewService {
  public:
    virtual ~OverviewService() = default;
    // Shown with its title and no boards; hidden, it forgets them.
    virtual void showOverview(std::string_view title) = 0;
    virtual void hideOverview() = 0;
    virtual void setOverviewTitle(std::string_view title) = 0;
    // How many boards it shows; boards past the count go.
    virtual void setOverviewCount(int count) = 0;
    // Board `board` shows `picture` (the caller keeps it, unmoved, until the overview is hidden)
    // and `label` under it; drawn again on each call.
    virtual void setOverviewTile(int board, const Picture& picture, std::string_view label) = 0;
    // The framed board, scrolled into view.
    virtual void setOverviewFrame(int board) = 0;
};

// The desktop's clipboard, shared with the other windows and programs: a board goes on it as text
// and as the editor's own type. What another program holds there is read only for a paste, and
// never waited on for long: at most clipboardByteLimit bytes of each type (a longer one comes cut
// to one byte more). While the clipboard holds the editor's own copy, reading gives nothing and no
// type is offered.
class ClipboardService {
  public:
    virtual ~ClipboardService() = default;
    struct ClipboardBoard {
        std::optional<Bytes> cells; // the editor's own type
        std::optional<std::string> text;
        bool answered = true; // false: its owner did not answer in time
    };
    struct ClipboardTypes {
        bool cells = false;
        bool text = false;
    };
    virtual void putBoardOnClipboard(std::string_view text, const Bytes& cells) = 0;
    virtual ClipboardBoard clipboardBoard() = 0;
    // The types offered, as last heard (asked without waiting; WM_APP_CLIPBOARD tells of news).
    virtual ClipboardTypes clipboardTypes() = 0;
};

// Settings kept between runs under the program's own name: lists of texts by key. Nothing is
// written before a list is set.
class SettingsService {
  public:
    virtual ~SettingsService() = default;
    virtual std::vector<std::string> readSettingList(std::string_view key) = 0;
    virtual void writeSettingList(std::string_view key, const std::vector<std::string>& values) = 0;
};

// Pictures by resource number; text is drawn through TextPainter.
class PictureService {
  public:
    virtual ~PictureService() = default;
    virtual std::optional<Picture> loadPicture(int pictureId) = 0;
};

// All of them. The services are virtual bases, so that a front end may take one from a class of
// its own (a stub, or a half shared by front ends) beside Platform.
class Platform : public TextPainter,
                 public virtual MessageBoxService,
                 public virtual WindowService,
                 public virtual LoopService,
                 public virtual DialogService,
                 public virtual FileService,
                 public virtual FileWatchService,
                 public virtual SafekeepingService,
                 public virtual OverviewService,
                 public virtual ClipboardService,
                 public virtual SettingsService,
                 public virtual PictureService {};

// Shift alone, Ctrl alone, neither, or another combination held with the key being handled.
inline HeldModifiers heldModifiers(Platform& platform) {
    const bool shift = platform.keyHeld(BSE_VK_SHIFT);
    const bool control = platform.keyHeld(BSE_VK_CONTROL);
    if (platform.keyHeld(BSE_VK_MENU) || (shift && control)) {
        return HeldModifiers::Other;
    }
    return shift ? HeldModifiers::Shift : control ? HeldModifiers::Control : HeldModifiers::None;
}

} // namespace bse
