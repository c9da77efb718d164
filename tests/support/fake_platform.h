#pragma once

#include "editor/editor.h"
#include "platform/platform.h"

#include <concepts>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ranges>
#include <set>
#include <string>
#include <vector>

namespace bse::test {

std::string rectText(const Rect& rect);
std::string colourText(Pixel pixel); // "#rrggbb"
inline std::string word(std::string_view text) {
    return std::string(text);
}
template <std::integral Number> std::string word(Number number) {
    return std::to_string(number);
}
// A line of the log: the words, separated by blanks.
template <typename... Words> std::string line(const Words&... words) {
    std::string text;
    ((text.append(text.empty() ? "" : " ").append(word(words))), ...);
    return text;
}

// A dialog as a scripted user sees it: controls hold text, buttons can be pressed. What the
// procedure does to it goes into the platform's log.
class FakeDialog : public DialogWindow {
  public:
    FakeDialog(const DialogTemplate& dialogTemplate, const DialogProc& procedure,
               std::vector<std::string>& log);

    void type(int controlId, std::string text); // replaces the control's text
    void press(int controlId);                  // a button, Enter (1) or Escape (2)
    bool send(Message message, WParam wParam = 0, LParam lParam = 0);
    std::string text(int controlId) const;
    bool ended() const { return result_.has_value(); }
    int result() const { return result_.value_or(-1); }

    std::string itemText(int controlId, std::size_t maxLength) override;
    void setItemText(int controlId, std::string_view text) override;
    std::optional<unsigned> itemNumber(int controlId) override;
    void setItemNumber(int controlId, unsigned value) override;
    void setUpDownRange(int controlId, int lowest, int highest) override;
    void addListItem(int controlId, std::string_view) override { ++listSizes_[controlId]; }
    int itemSelection(int controlId) override { return selections_[controlId]; }
    void setItemSelection(int controlId, int index) override {
        note("setItemSelection", controlId, index, "of", listSizes_[controlId]);
        selections_[controlId] = index;
    }
    void select(int controlId, int index) { selections_[controlId] = index; }
    Rect frame() override;
    void move(int x, int y) override;
    void setBigIcon(int iconId) override { note("setBigIcon", iconId); }
    void show() override { note("show"); }
    void paintPicture(const Picture& picture) override;
    void invalidate(const Rect& rect) override { note("invalidate", rectText(rect)); }
    void end(int result) override;

  private:
    template <typename... Words> void note(const Words&... words) {
        log_.push_back("  dialog " + line(words...));
    }

    const DialogTemplate& template_;
    const DialogProc& procedure_;
    std::vector<std::string>& log_;
    std::map<int, std::string> items_;
    std::map<int, int> listSizes_, selections_;
    Point position_{};
    std::optional<int> result_;
};

using DialogScript = std::function<void(FakeDialog&)>;

// The fake font: every byte is a 6 x 10 block with a 1-pixel gap, all in one line.
inline constexpr int fakeGlyphWidth = 6;
inline constexpr int fakeGlyphAdvance = 7;
inline constexpr int fakeGlyphHeight = 10;

// Synthetic artwork whose every pixel tells where it came from.
Pixel backdropPixel(int x, int y);
Pixel blockPixel(int image, int x, int y); // x 0..29, y 0..14 within the image
inline constexpr Pixel statusStripPixel = rgb(8, 8, 8);
Picture syntheticPicture(int pictureId);
Picture filled(int width, int height, const std::function<Pixel(int x, int y)>& pixel);

// A scripted desktop: answers, dialog users, files in memory. Every call the editor makes is a
// line of `log`, in order, so a test compares what the user would see as text.
class FakePlatform : public Platform {
  public:
    FakePlatform();

    // Script.
    std::deque<Answer> answers; // when empty, questions are answered Cancel
    std::deque<DialogScript> dialogScripts;
    std::deque<std::optional<std::string>> openChoices;
    std::deque<std::optional<std::string>> saveChoices;
    std::map<std::string, Bytes> files;                   // also where writes land
    std::map<std::string, std::string> failingReads;      // path -> reason
    std::map<std::string, std::string> failingWrites;     // path -> reason
    std::set<std::string> notRegularFiles;                // of failingReads: FIFOs, folders
    std::map<std::string, std::vector<std::string>> kept; // a file's kept copies, among files
    std::set<int> missingIcons;
    std::map<int, Picture> pictures; // what loadPicture finds; synthetic by default
    bool failWindowCreation = false;
    std::optional<std::string> dropped;                       // what droppedFile gives
    std::set<WParam> heldKeys;                                // what keyHeld finds held
    std::deque<int> menuChoices;                              // what popupMenu gives; 0 when empty
    std::map<std::string, std::vector<std::string>> settings; // kept between runs, by key
    ClipboardBoard clipboard;                                 // the desktop's
    std::function<void(FakePlatform&)> session; // run by runMessageLoop: the user's session
    // What happens while the next question or context menu is open, before it is answered.
    std::vector<std::function<void()>> whileOpen;

    // Safekeeping: on when asked; the copies of editors that stopped by name, newest last.
    bool safekeeping = false;
    std::map<std::string, Bytes> recoveryCopies;
    std::string failedRecovery;

    // Record.
    std::vector<std::string> log;
    std::optional<int> quitCode;
    Picture screen{canvasWidth, canvasHeight}; // what the last paint showed
    std::map<int, Picture> tiles;              // the overview's, by board index
    MessageHandler handler;

    bool send(Message message, WParam wParam = 0, LParam lParam = 0);

    Answer askQuestion(std::string_view text) override;
    Answer askYesNo(std::string_view text) override { return askQuestion(text); }
    void showRefusal(std::string_view text) override { note("showRefusal", text); }
    void showRefusalWithDetails(std::string_view text, std::string_view details) override {
        note("showRefusal", std::string(text) + "\n  details: " + std::string(details));
    }
    void beep() override { note("beep"); }
    void setCursor(Cursor cursor) override {
        note(cursor == Cursor::Wait ? "setCursor wait" : "setCursor arrow");
    }
    void reportStartupFailure(std::string_view text) override {
        note("reportStartupFailure", text);
    }
    bool createMainWindow(const DialogTemplate& windowTemplate,
                          MessageHandler newHandler) override {
        note("createMainWindow", windowTemplate.id);
        handler = std::move(newHandler);
        return !failWindowCreation;
    }
    Rect mainWindowFrame() override { return note("mainWindowFrame"), Rect{0, 0, 646, 446}; }
    Size screenSize() override { return note("screenSize"), Size{1920, 1080}; }
    void moveMainWindow(int x, int y) override { note("moveMainWindow", x, y); }
    void showMainWindow() override { note("showMainWindow"); }
    void setWindowTitle(std::string_view title) override { note("setWindowTitle", title); }
    bool loadIcon(int iconId) override {
        return note("loadIcon", iconId), !missingIcons.contains(iconId);
    }
    void setWindowIcon(int iconId) override { note("setWindowIcon", iconId); }
    void enableMenuItem(int commandId, bool enabled) override {
        note("enableMenuItem", commandId, enabled ? "on" : "off");
    }
    void checkMenuItem(int commandId, bool checked) override {
        note("checkMenuItem", commandId, checked ? "on" : "off");
    }
    void setMenuItem(int commandId, std::string_view text, std::string_view tip,
                     bool shown) override {
        note("setMenuItem", commandId, shown ? line(text, "tip", tip) : "hidden");
    }
    void putBoardOnClipboard(std::string_view text, const Bytes& cells) override {
        note("putBoardOnClipboard", text.size(), "bytes of text,", cells.size(), "of cells");
        clipboard = {cells, std::string(text)};
    }
    ClipboardBoard clipboardBoard() override { return clipboard; }
    ClipboardTypes clipboardTypes() override {
        return {clipboard.cells.has_value(), clipboard.text.has_value()};
    }
    std::vector<std::string> readSettingList(std::string_view key) override {
        return settings[std::string(key)];
    }
    void writeSettingList(std::string_view key, const std::vector<std::string>& values) override {
        note("writeSettingList", key, values.size());
        settings[std::string(key)] = values;
    }
    void showDocument(std::string_view path, bool modified) override {
        note("showDocument",
             std::string(1, '\'').append(path).append(modified ? "' modified" : "'"));
    }
    std::optional<std::string> droppedFile() override {
        return note("droppedFile", dropped.value_or("(none)")), dropped;
    }
    void invalidate(const Rect& rect) override { note("invalidate", rectText(rect)); }
    void paintCanvas(const Picture& canvas) override { note("paintCanvas"), screen = canvas; }
    void startTimer(int timerId, int periodMs) override { note("startTimer", timerId, periodMs); }
    void stopTimer(int timerId) override { note("stopTimer", timerId); }
    int runMessageLoop() override;
    void quit(int exitCode) override {
        note("quit", exitCode), quitCode = quitCode.value_or(exitCode);
    }
    int runDialog(const DialogTemplate& dialogTemplate, const DialogProc& procedure) override;
    std::optional<std::string> chooseFileToOpen(const FileDialogOptions& options) override {
        return choose("chooseFileToOpen", options, openChoices);
    }
    std::optional<std::string> chooseFileToSave(const FileDialogOptions& options) override {
        return choose("chooseFileToSave", options, saveChoices);
    }
    Result<FileHead, ReadFailure> readFile(const std::string& path, std::size_t limit,
                                           LongFile longFile) override;
    Status writeFileAtomically(const std::string& path, const Bytes& bytes) override;
    std::vector<std::string> keptCopies(const std::string& path) override { return kept[path]; }
    Status restoreKeptCopy(const std::string& path, const std::string& copy) override;
    std::string pathForDisplay(const std::string& path) override { return path; }
    std::optional<Picture> loadPicture(int pictureId) override;
    bool keyHeld(WParam virtualKey) override { return heldKeys.contains(virtualKey); }
    bool startSafekeeping() override { return safekeeping && (note("startSafekeeping"), true); }
    std::vector<std::string> orphanedRecoveryCopies() override {
        const auto names = std::views::reverse(std::views::keys(recoveryCopies));
        return {names.begin(), names.end()};
    }
    Result<Bytes> readRecoveryCopy(const std::string& name) override {
        return recoveryCopies[name];
    }
    Status setRecoveryCopyAside(const std::string& name) override {
        return note("setRecoveryCopyAside", name), recoveryCopies.erase(name), Done{};
    }
    void writeRecoveryCopy(Bytes bytes) override { note("writeRecoveryCopy", bytes.size()); }
    void removeRecoveryCopy(const std::string& name) override {
        note("removeRecoveryCopy", name.empty() ? "own" : name), recoveryCopies.erase(name);
    }
    std::string recoveryFailure() override { return failedRecovery; }
    void watchFile(const std::string& path) override { note("watchFile", path); }
    // Another program's change shows as other bytes.
    std::optional<FileIdentity> fileIdentity(const std::string& path) override {
        const auto file = files.find(path);
        return file == files.end()
                   ? std::nullopt
                   : std::optional(FileIdentity{0, std::hash<std::string>{}(std::string(
                                                       file->second.begin(), file->second.end()))});
    }
    int popupMenu(std::span<const PopupItem> items) override;
    void showOverview(std::string_view title) override { note("showOverview", title); }
    void hideOverview() override { note("hideOverview"); }
    void setOverviewTitle(std::string_view title) override { note("setOverviewTitle", title); }
    void setOverviewCount(int count) override { note("setOverviewCount", count); }
    void setOverviewTile(int board, const Picture& picture, std::string_view label) override {
        tiles[board] = picture;
        note("setOverviewTile", board, label);
    }
    void setOverviewFrame(int board) override { note("setOverviewFrame", board); }
    void drawText(Picture& picture, const Rect& rect, std::string_view text, Rgb colour,
                  TextAlign align) override;

    template <typename... Words> void note(const Words&... words) { log.push_back(line(words...)); }

  private:
    void runWhileOpen();
    std::optional<std::string> choose(const char* what, const FileDialogOptions& options,
                                      std::deque<std::optional<std::string>>& choices);
};

// An editor started on the fake platform as the program starts (short of the message loop),
// with the log of start-up cleared.
std::unique_ptr<Editor> startedEditor(FakePlatform& platform);

} // namespace bse::test
