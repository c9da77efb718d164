#pragma once

#include "editor/screen_reading.h"
#include "frontend/stored_safekeeping.h"
#include "frontend/system_files.h"
#include "platform/platform.h"

#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bse {

// The desktop side of the Platform seam on the Win32 API alone: the main window a modeless dialog
// from its template, dialogs from theirs, the menus and keys from the shell's data, pictures as
// DIBs. One file per service; the files from src/frontend.
class Win32Platform : public Platform, public SystemFiles {
  public:
    explicit Win32Platform(HINSTANCE instance);
    // The icon of the dialogs' title bars.
    HICON dialogIcon(int iconId) { return icon(iconId); }
    ~Win32Platform() override;
    // Where the names for screen readers come from, read after each message (screen_names.cpp).
    void readScreenWith(std::function<ScreenReading()> source);

    // Message boxes (message_boxes.cpp).
    Answer askQuestion(std::string_view text) override;
    Answer askYesNo(std::string_view text) override;
    void showRefusal(std::string_view text) override;
    void showRefusalWithDetails(std::string_view text, std::string_view details) override;
    void beep() override;
    void reportStartupFailure(std::string_view text) override;

    // The main window and its menus (main_window.cpp; icons.cpp).
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
    bool keyHeld(WParam virtualKey) override;
    void invalidate(const Rect& rect) override;
    void paintCanvas(const Picture& canvas) override;
    int popupMenu(std::span<const PopupItem> items) override;

    // Timers and the loop (main_window.cpp).
    void startTimer(int timerId, int periodMs) override;
    void stopTimer(int timerId) override;
    int runMessageLoop() override;
    void quit(int exitCode) override;

    // Dialogs (dialogs.cpp, file_dialogs.cpp).
    int runDialog(const DialogTemplate& dialogTemplate, const DialogProc& procedure) override;
    std::optional<std::string> chooseFileToOpen(const FileDialogOptions& options) override;
    std::optional<std::string> chooseFileToSave(const FileDialogOptions& options) override;

    // The clipboard (clipboard.cpp).
    void putBoardOnClipboard(std::string_view text, const Bytes& cells) override;
    ClipboardBoard clipboardBoard() override;
    ClipboardTypes clipboardTypes() override;

    // The board overview (overview_window.cpp).
    void showOverview(std::string_view title) override;
    void hideOverview() override;
    void setOverviewTitle(std::string_view title) override;
    void setOverviewCount(int count) override;
    void setOverviewTile(int board, const Picture& picture, std::string_view label) override;
    void setOverviewFrame(int board) override;

    // The open file, watched (file_watcher.cpp).
    void watchFile(const std::string& path) override;

    // Recovery copies (safekeeping.cpp).
    bool startSafekeeping() override;
    std::vector<std::string> orphanedRecoveryCopies() override;
    Result<Bytes> readRecoveryCopy(const std::string& name) override;
    Status setRecoveryCopyAside(const std::string& name) override;
    void writeRecoveryCopy(Bytes bytes) override;
    void removeRecoveryCopy(const std::string& name) override;
    std::string recoveryFailure() override;

    // Settings (settings_file.cpp).
    using SettingLists = std::map<std::string, std::vector<std::string>, std::less<>>;
    std::vector<std::string> readSettingList(std::string_view key) override;
    void writeSettingList(std::string_view key, const std::vector<std::string>& values) override;

    // Files (the rest in SystemFiles), text and pictures (text_drawing.cpp, pictures.cpp).
    std::string pathForDisplay(const std::string& path) override;
    void drawText(Picture& picture, const Rect& rect, std::string_view text, Rgb colour,
                  TextAlign align) override;
    std::optional<Picture> loadPicture(int pictureId) override;

  protected:
    std::string messageText(const std::string& reason) override;

  private:
    static INT_PTR CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR mainWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void rebuildMenu();

    HINSTANCE instance_;
    HWND window_ = nullptr;
    HMENU menuBar_ = nullptr;
    HACCEL accelerators_ = nullptr;
    HFONT font_ = nullptr;
    MessageHandler handler_;
    HDC paintDc_ = nullptr;                  // while WM_PAINT is handled
    std::optional<std::string> droppedFile_; // while WM_DROPFILES is handled
    // What the editor set of the items the menu data starts with otherwise.
    std::map<int, std::string> itemTexts_;
    std::map<int, bool> itemsShown_;
    std::map<int, bool> itemsEnabled_;
    std::map<int, bool> itemsChecked_;
    static LRESULT CALLBACK overviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT overviewMessage(UINT message, WPARAM wParam, LPARAM lParam);
    int overviewColumns() const;
    RECT overviewTileRect(int board) const;
    int overviewBoardAt(POINT at) const;
    int overviewGapAt(POINT at) const;
    void updateOverviewScroll();

    struct OverviewTile {
        const Picture* picture = nullptr; // the editor's, read at each paint
        std::string label;
    };
    HWND overview_ = nullptr;
    HACCEL overviewAccelerators_ = nullptr; // the commands with Ctrl, from the overview too
    std::vector<OverviewTile> overviewTiles_;
    int overviewFrame_ = -1;
    int overviewScroll_ = 0;   // pixels scrolled down
    int overviewPressed_ = -1; // the board the left button went down on
    POINT overviewPressedAt_{};
    int overviewDropGap_ = -1; // while a board is dragged

    // icons.cpp: made once, kept for the run; nothing when there is no such icon.
    HICON icon(int iconId);
    std::map<int, HICON> icons_;

    // pictures.cpp: the last picture decoded, as the backdrop is asked for twice in a row.
    int lastPictureId_ = 0;
    std::optional<Picture> lastPicture_;

    // screen_names.cpp: the canvas's parts as named windows, with the names they show.
    void createScreenAreas();
    void showScreenNames();
    std::function<ScreenReading()> screenSource_;
    std::vector<std::pair<HWND, std::string>> screenAreas_;
    std::optional<ScreenReading> screenRead_; // what the names were last made from

    void fileChanged();
    HANDLE watch_ = INVALID_HANDLE_VALUE; // the open file's folder
    std::optional<Bytes> settingsBytes();
    bool settingsRefused_ = false;
    Bytes settingsParsed_; // the bytes that settings_ was read from
    SettingLists settings_;
    bool quitRequested_ = false;
    int exitCode_ = 0;
    StoredSafekeeping safekeeping_; // last: its writer is done before the rest goes
};

} // namespace bse
