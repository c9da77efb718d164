#pragma once

#include "shell/editor.h"
#include "shell/platform.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace bse::test {

class FakePlatform;

// A dialog as a scripted user sees it: controls hold text, buttons can be pressed.
class FakeDialog : public DialogWindow {
  public:
    FakeDialog(const DialogTemplate& dialogTemplate, const DialogProc& procedure);

    // The user's side.
    void type(int controlId, std::string text); // replaces the control's text
    void press(int controlId);                  // a button, Enter (1) or Escape (2)
    void clickArrow(int upDownId, int delta);   // +1 up, -1 down: steps the buddy edit
    bool send(Message message, WParam wParam = 0, LParam lParam = 0);
    std::string text(int controlId) const;
    bool ended() const { return result_.has_value(); }
    int result() const { return result_.value_or(-1); }
    const DialogTemplate& dialogTemplate() const { return template_; }

    // What the procedure did.
    Point position{};
    int bigIcon = 0;
    bool shown = false;
    std::vector<Rect> invalidated;
    std::vector<const Picture*> paintedPictures;
    std::map<int, std::pair<int, int>> upDownRanges;

    std::string itemText(int controlId, std::size_t maxLength) override;
    void setItemText(int controlId, std::string_view text) override;
    std::optional<unsigned> itemNumber(int controlId) override;
    void setItemNumber(int controlId, unsigned value) override;
    void setUpDownRange(int controlId, int lowest, int highest) override;
    Rect frame() override;
    void move(int x, int y) override;
    void setBigIcon(int iconId) override;
    void show() override;
    void paintPicture(const Picture& picture) override;
    void invalidate(const Rect& rect) override;
    void end(int result) override;

  private:
    const DialogTemplate& template_;
    const DialogProc& procedure_;
    std::map<int, std::string> items_;
    std::optional<int> result_;
};

using DialogScript = std::function<void(FakeDialog&)>;

struct TextCall {
    Rect rect;
    std::string text;
    Rgb colour;
    TextAlign align;
};

// The fake font: every byte is a 6 x 10 block with a 1-pixel gap, lines 13 pixels apart.
inline constexpr int fakeGlyphWidth = 6;
inline constexpr int fakeGlyphAdvance = 7;
inline constexpr int fakeGlyphHeight = 10;
inline constexpr int fakeLineHeight = 13;

// Synthetic artwork whose every pixel tells where it came from.
Pixel backdropPixel(int x, int y);
Pixel blockPixel(int image, int x, int y); // x 0..29, y 0..14 within the image
inline constexpr Pixel statusStripPixel = rgb(8, 8, 8);
Pixel aboutPixel(int x, int y);
Picture syntheticPicture(int pictureId);

// A scripted desktop: answers, dialog users, files in memory; records what the editor did.
class FakePlatform : public Platform {
  public:
    FakePlatform();

    // Script.
    std::deque<Answer> answers; // when empty, questions are answered Cancel
    std::deque<DialogScript> dialogScripts;
    std::deque<std::optional<std::string>> openChoices;
    std::deque<std::optional<std::string>> saveChoices;
    std::map<std::string, Bytes> files;
    std::map<std::string, std::string> failingReads;  // path -> reason
    std::map<std::string, std::string> failingWrites; // path -> reason
    std::set<int> missingPictures;
    std::set<int> missingIcons;
    std::map<int, Picture> pictures; // what loadPicture gives; synthetic by default
    bool failWindowCreation = false;
    Rect windowFrame{0, 0, 646, 446};
    Size screen{1920, 1080};
    // Run by runMessageLoop, standing in for the user's session.
    std::function<void(FakePlatform&)> session;

    // Record.
    std::vector<std::string> log; // every call, in order
    std::vector<std::string> questions;
    std::vector<std::string> refusals;
    std::vector<std::string> startupFailures;
    std::vector<std::string> titles;
    int beeps = 0;
    std::vector<Cursor> cursors;
    std::vector<int> loadedIcons;
    std::vector<int> windowIcons;
    std::map<int, bool> menuEnabled;
    std::vector<Rect> invalidated;
    std::vector<TextCall> texts;
    std::vector<int> dialogsRun;
    std::vector<FileDialogOptions> openDialogs;
    std::vector<FileDialogOptions> saveDialogs;
    std::vector<std::string> writes;
    std::optional<int> quitCode;
    std::map<int, int> runningTimers; // id -> period
    Point windowPosition{};
    bool windowShown = false;
    Picture screenContents{canvasWidth, canvasHeight}; // what the last paint showed
    int paints = 0;
    MessageHandler handler;

    // Sends a message to the main window, as the desktop would.
    bool send(Message message, WParam wParam = 0, LParam lParam = 0);
    std::string title() const { return titles.empty() ? std::string() : titles.back(); }
    void clearRecords();

    Answer askQuestion(std::string_view text) override;
    void showRefusal(std::string_view text) override;
    void beep() override;
    void setCursor(Cursor cursor) override;
    void reportStartupFailure(std::string_view text) override;
    bool createMainWindow(const DialogTemplate& windowTemplate, MessageHandler handler) override;
    Rect mainWindowFrame() override;
    Size screenSize() override;
    void moveMainWindow(int x, int y) override;
    void showMainWindow() override;
    void setWindowTitle(std::string_view title) override;
    bool loadIcon(int iconId) override;
    void setWindowIcon(int iconId) override;
    void enableMenuItem(int commandId, bool enabled) override;
    void invalidate(const Rect& rect) override;
    void paintCanvas(const Picture& canvas) override;
    void startTimer(int timerId, int periodMs) override;
    void stopTimer(int timerId) override;
    int runMessageLoop() override;
    void quit(int exitCode) override;
    int runDialog(const DialogTemplate& dialogTemplate, const DialogProc& procedure) override;
    std::optional<std::string> chooseFileToOpen(const FileDialogOptions& options) override;
    std::optional<std::string> chooseFileToSave(const FileDialogOptions& options) override;
    ReadResult readFile(const std::string& path) override;
    WriteResult writeFileAtomically(const std::string& path, const Bytes& bytes) override;
    std::optional<Picture> loadPicture(int pictureId) override;
    void drawText(Picture& picture, const Rect& rect, std::string_view text, Rgb colour,
                  TextAlign align) override;
};

// An editor started on the fake platform as the program starts (short of the message loop),
// with the records of start-up cleared.
std::unique_ptr<Editor> startedEditor(FakePlatform& platform);

} // namespace bse::test
