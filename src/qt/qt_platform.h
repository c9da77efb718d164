#pragma once

#include "frontend/stored_safekeeping.h"
#include "frontend/system_files.h"
#include "platform/platform.h"
#include "qt/file_watcher.h"
#include "qt/icons.h"
#include "qt/settings_file.h"
#include "qt/text_drawing.h"
#include "qt/timers.h"

#include <QFont>
#include <QImage>
#include <QObject>

#include <memory>

namespace bse {

class Clipboard;
class MainWindow;
class OverviewWindow;

// The desktop side of the Platform seam, on Qt Widgets: the main window's own calls here, each
// other service's Qt half in a file of its own, and the files and the recovery copies from
// src/frontend. A QApplication must exist.
class QtPlatform : public Platform, public SystemFiles {
  public:
    QtPlatform();
    ~QtPlatform() override;

    MainWindow* mainWindow() const { return window_.get(); }
    OverviewWindow* overviewWindow() const { return overview_; }

    // Message boxes.
    Answer askQuestion(std::string_view text) override;
    Answer askYesNo(std::string_view text) override;
    void showRefusal(std::string_view text) override;
    void showRefusalWithDetails(std::string_view text, std::string_view details) override;
    void beep() override;
    void reportStartupFailure(std::string_view text) override;

    // The main window.
    bool createMainWindow(const DialogTemplate& windowTemplate, MessageHandler handler) override;
    Rect mainWindowFrame() override;
    Size screenSize() override;
    void moveMainWindow(int x, int y) override;
    void showMainWindow() override;
    void setWindowTitle(std::string_view title) override;
    bool loadIcon(int iconId) override;
    void setWindowIcon(int iconId) override;
    void setCursor(Cursor cursor) override;
    void enableMenuItem(int commandId, bool enabled) override;
    void checkMenuItem(int commandId, bool checked) override;
    void setMenuItem(int commandId, std::string_view text, std::string_view tip,
                     bool shown) override;
    void showDocument(std::string_view path, bool modified) override;
    std::optional<std::string> droppedFile() override;
    void invalidate(const Rect& rect) override;
    void paintCanvas(const Picture& canvas) override;
    int popupMenu(std::span<const PopupItem> items) override;

    // Timers and the loop.
    void startTimer(int timerId, int periodMs) override;
    void stopTimer(int timerId) override;
    int runMessageLoop() override;
    void quit(int exitCode) override;

    // Dialogs.
    int runDialog(const DialogTemplate& dialogTemplate, const DialogProc& procedure) override;
    std::optional<std::string> chooseFileToOpen(const FileDialogOptions& options) override;
    std::optional<std::string> chooseFileToSave(const FileDialogOptions& options) override;

    // Files (the rest in SystemFiles), the watch and the recovery copies.
    std::string pathForDisplay(const std::string& path) override;
    void watchFile(const std::string& path) override;
    bool keyHeld(WParam virtualKey) override;
    bool startSafekeeping() override;
    std::vector<std::string> orphanedRecoveryCopies() override;
    Result<Bytes> readRecoveryCopy(const std::string& name) override;
    Status setRecoveryCopyAside(const std::string& name) override;
    void writeRecoveryCopy(Bytes bytes) override;
    void removeRecoveryCopy(const std::string& name) override;
    std::string recoveryFailure() override;

    // The overview.
    void showOverview(std::string_view title) override;
    void hideOverview() override;
    void setOverviewTitle(std::string_view title) override;
    void setOverviewCount(int count) override;
    void setOverviewTile(int board, const Picture& picture, std::string_view label) override;
    void setOverviewFrame(int board) override;

    // The clipboard and the settings.
    void putBoardOnClipboard(std::string_view text, const Bytes& cells) override;
    ClipboardBoard clipboardBoard() override;
    ClipboardTypes clipboardTypes() override;
    std::vector<std::string> readSettingList(std::string_view key) override;
    void writeSettingList(std::string_view key, const std::vector<std::string>& values) override;

    // Pictures and text.
    std::optional<Picture> loadPicture(int pictureId) override;
    void drawText(Picture& picture, const Rect& rect, std::string_view text, Rgb colour,
                  TextAlign align) override;

  private:
    std::string messageText(const std::string& reason) override;
    // A message to the main window, once there is one.
    void tell(Message message, int wParam = 0);

    std::unique_ptr<MainWindow> window_;
    MessageHandler handler_;
    OverviewWindow* overview_ = nullptr; // a child of the main window, made when first shown
    Icons icons_;
    int lastPictureId_ = 0;
    std::optional<Picture> lastPicture_;
    bool waitCursorShown_ = false;
    bool quitRequested_ = false;
    int exitCode_ = 0;
    QFont font_;
    WindowTimers timers_;
    FileWatcher watcher_;
    std::unique_ptr<Clipboard> clipboard_;
    SettingsFile settings_;
    QObject queue_;                 // what other threads pass to this one goes through here
    StoredSafekeeping safekeeping_; // last: its writer is done before the rest goes
};

} // namespace bse
