#include "support/fake_platform.h"

#include "dialogs/item_number.h"
#include "dialogs/up_down.h"
#include "shell/startup.h"

#include <algorithm>
#include <sstream>

namespace bse::test {

namespace {

std::string rectText(const Rect& r) {
    std::ostringstream out;
    out << '(' << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ')';
    return out.str();
}

void fillClipped(Picture& picture, const Rect& clip, int x, int y, int width, int height,
                 Pixel colour) {
    const int left = std::max({x, clip.left, 0});
    const int top = std::max({y, clip.top, 0});
    const int right = std::min({x + width, clip.right, picture.width});
    const int bottom = std::min({y + height, clip.bottom, picture.height});
    for (int py = top; py < bottom; ++py) {
        for (int px = left; px < right; ++px) {
            picture.set(px, py, colour);
        }
    }
}

} // namespace

// ---- Synthetic artwork ----

Pixel backdropPixel(int x, int y) {
    return rgb(x & 0xff, y & 0xff, 0x40 | ((x >> 8) << 4) | (y >> 8));
}

Pixel blockPixel(int image, int x, int y) {
    return rgb(image, 0x80 | x, 0x80 | y);
}

Pixel aboutPixel(int x, int y) {
    return rgb(x & 0xff, y & 0xff, 0xc0 | (x >> 8));
}

Picture syntheticPicture(int pictureId) {
    switch (pictureId) {
    case IDB_EDITOR: {
        Picture picture(canvasWidth, canvasHeight);
        for (int y = 0; y < canvasHeight; ++y) {
            for (int x = 0; x < canvasWidth; ++x) {
                picture.set(x, y, backdropPixel(x, y));
            }
        }
        return picture;
    }
    case IDB_BLOCKS: {
        Picture picture(blockStripWidth, blockStripHeight);
        for (int y = 0; y < blockStripHeight; ++y) {
            for (int x = 0; x < blockStripWidth; ++x) {
                picture.set(x, y, blockPixel(y / blockHeight + 1, x, y % blockHeight));
            }
        }
        return picture;
    }
    case IDB_STATUS:
        return Picture(statusStripWidth, statusStripHeight, statusStripPixel);
    case IDB_ABOUT: {
        Picture picture(aboutPictureWidth, aboutPictureHeight);
        for (int y = 0; y < aboutPictureHeight; ++y) {
            for (int x = 0; x < aboutPictureWidth; ++x) {
                picture.set(x, y, aboutPixel(x, y));
            }
        }
        return picture;
    }
    default:
        return {};
    }
}

// ---- FakeDialog ----

FakeDialog::FakeDialog(const DialogTemplate& dialogTemplate, const DialogProc& procedure)
    : template_(dialogTemplate), procedure_(procedure) {
    for (const DialogControl& control : dialogTemplate.controls) {
        if (control.id != noControlId) {
            items_[control.id] = control.text;
        }
    }
}

void FakeDialog::type(int controlId, std::string text) {
    items_[controlId] = std::move(text);
}

void FakeDialog::press(int controlId) {
    send(WM_COMMAND, static_cast<WParam>(controlId), 0);
}

void FakeDialog::clickArrow(int upDownId, int delta) {
    // The buddy is the control just before the up-down in the template.
    const auto& controls = template_.controls;
    for (std::size_t i = 1; i < controls.size(); ++i) {
        if (controls[i].id != upDownId) {
            continue;
        }
        const int buddy = controls[i - 1].id;
        const auto range =
            upDownRanges.contains(upDownId) ? upDownRanges.at(upDownId) : std::pair{0, 100};
        const int current = static_cast<int>(parseItemNumber(text(buddy)).value_or(0));
        const bool wrap = (controls[i].styles & UDS_WRAP) != 0;
        items_[buddy] = std::to_string(stepUpDown(current, delta, range.first, range.second, wrap));
    }
}

bool FakeDialog::send(Message message, WParam wParam, LParam lParam) {
    return procedure_(*this, message, wParam, lParam);
}

std::string FakeDialog::text(int controlId) const {
    const auto found = items_.find(controlId);
    return found == items_.end() ? std::string() : found->second;
}

std::string FakeDialog::itemText(int controlId, std::size_t maxLength) {
    const std::string whole = text(controlId);
    return maxLength == 0 ? std::string() : whole.substr(0, maxLength - 1);
}

void FakeDialog::setItemText(int controlId, std::string_view text) {
    items_[controlId] = std::string(text);
}

std::optional<unsigned> FakeDialog::itemNumber(int controlId) {
    return readItemNumber(text(controlId));
}

void FakeDialog::setItemNumber(int controlId, unsigned value) {
    items_[controlId] = std::to_string(value);
}

void FakeDialog::setUpDownRange(int controlId, int lowest, int highest) {
    upDownRanges[controlId] = {lowest, highest};
}

Rect FakeDialog::frame() {
    const int width = dialogUnitsToPixelsX(template_.width) + 6;
    const int height = dialogUnitsToPixelsY(template_.height) + 25;
    return {position.x, position.y, position.x + width, position.y + height};
}

void FakeDialog::move(int x, int y) {
    position = {x, y};
}
void FakeDialog::setBigIcon(int iconId) {
    bigIcon = iconId;
}
void FakeDialog::show() {
    shown = true;
}
void FakeDialog::paintPicture(const Picture& picture) {
    paintedPictures.push_back(&picture);
}
void FakeDialog::invalidate(const Rect& rect) {
    invalidated.push_back(rect);
}

void FakeDialog::end(int result) {
    if (!result_) {
        result_ = result;
    }
}

// ---- FakePlatform ----

FakePlatform::FakePlatform() {
    for (const int id : {IDB_EDITOR, IDB_BLOCKS, IDB_STATUS, IDB_ABOUT}) {
        pictures[id] = syntheticPicture(id);
    }
}

bool FakePlatform::send(Message message, WParam wParam, LParam lParam) {
    return handler ? handler(message, wParam, lParam) : false;
}

void FakePlatform::clearRecords() {
    log.clear();
    questions.clear();
    refusals.clear();
    titles.clear();
    beeps = 0;
    cursors.clear();
    windowIcons.clear();
    invalidated.clear();
    texts.clear();
    dialogsRun.clear();
    openDialogs.clear();
    saveDialogs.clear();
    writes.clear();
}

Answer FakePlatform::askQuestion(std::string_view text) {
    log.push_back("askQuestion " + std::string(text));
    questions.emplace_back(text);
    if (answers.empty()) {
        return Answer::Cancel;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakePlatform::showRefusal(std::string_view text) {
    log.push_back("showRefusal " + std::string(text));
    refusals.emplace_back(text);
}

void FakePlatform::beep() {
    log.emplace_back("beep");
    ++beeps;
}

void FakePlatform::setCursor(Cursor cursor) {
    log.emplace_back(cursor == Cursor::Wait ? "setCursor wait" : "setCursor arrow");
    cursors.push_back(cursor);
}

void FakePlatform::reportStartupFailure(std::string_view text) {
    log.push_back("reportStartupFailure " + std::string(text));
    startupFailures.emplace_back(text);
}

bool FakePlatform::createMainWindow(const DialogTemplate& windowTemplate,
                                    MessageHandler newHandler) {
    log.push_back("createMainWindow " + std::to_string(windowTemplate.id));
    if (failWindowCreation) {
        return false;
    }
    handler = std::move(newHandler);
    send(WM_INITDIALOG);
    return true;
}

Rect FakePlatform::mainWindowFrame() {
    log.emplace_back("mainWindowFrame");
    return windowFrame;
}

Size FakePlatform::screenSize() {
    log.emplace_back("screenSize");
    return screen;
}

void FakePlatform::moveMainWindow(int x, int y) {
    log.push_back("moveMainWindow " + std::to_string(x) + " " + std::to_string(y));
    windowPosition = {x, y};
}

void FakePlatform::showMainWindow() {
    log.emplace_back("showMainWindow");
    windowShown = true;
}

void FakePlatform::setWindowTitle(std::string_view title) {
    log.push_back("setWindowTitle " + std::string(title));
    titles.emplace_back(title);
}

bool FakePlatform::loadIcon(int iconId) {
    log.push_back("loadIcon " + std::to_string(iconId));
    if (missingIcons.contains(iconId)) {
        return false;
    }
    loadedIcons.push_back(iconId);
    return true;
}

void FakePlatform::setWindowIcon(int iconId) {
    log.push_back("setWindowIcon " + std::to_string(iconId));
    windowIcons.push_back(iconId);
}

void FakePlatform::enableMenuItem(int commandId, bool enabled) {
    log.push_back("enableMenuItem " + std::to_string(commandId) + (enabled ? " on" : " off"));
    menuEnabled[commandId] = enabled;
}

void FakePlatform::invalidate(const Rect& rect) {
    log.push_back("invalidate " + rectText(rect));
    invalidated.push_back(rect);
}

void FakePlatform::paintCanvas(const Picture& canvas) {
    ++paints;
    screenContents = canvas;
}

void FakePlatform::startTimer(int timerId, int periodMs) {
    log.push_back("startTimer " + std::to_string(timerId) + " " + std::to_string(periodMs));
    runningTimers[timerId] = periodMs;
}

void FakePlatform::stopTimer(int timerId) {
    log.push_back("stopTimer " + std::to_string(timerId));
    runningTimers.erase(timerId);
}

int FakePlatform::runMessageLoop() {
    log.emplace_back("runMessageLoop");
    if (session && !quitCode) {
        session(*this);
    }
    return quitCode.value_or(0);
}

void FakePlatform::quit(int exitCode) {
    log.push_back("quit " + std::to_string(exitCode));
    if (!quitCode) {
        quitCode = exitCode;
    }
}

int FakePlatform::runDialog(const DialogTemplate& dialogTemplate, const DialogProc& procedure) {
    log.push_back("runDialog " + std::to_string(dialogTemplate.id));
    dialogsRun.push_back(dialogTemplate.id);
    FakeDialog dialog(dialogTemplate, procedure);
    dialog.send(WM_INITDIALOG);
    if (!dialogScripts.empty()) {
        const DialogScript script = std::move(dialogScripts.front());
        dialogScripts.pop_front();
        script(dialog);
    }
    // A user who walks away closes the dialog with its close box.
    if (!dialog.ended()) {
        dialog.press(IDCANCEL);
    }
    dialog.send(WM_DESTROY);
    return dialog.result();
}

std::optional<std::string> FakePlatform::chooseFileToOpen(const FileDialogOptions& options) {
    log.push_back("chooseFileToOpen " + options.title);
    openDialogs.push_back(options);
    if (openChoices.empty()) {
        return std::nullopt;
    }
    auto choice = std::move(openChoices.front());
    openChoices.pop_front();
    return choice;
}

std::optional<std::string> FakePlatform::chooseFileToSave(const FileDialogOptions& options) {
    log.push_back("chooseFileToSave " + options.title);
    saveDialogs.push_back(options);
    if (saveChoices.empty()) {
        return std::nullopt;
    }
    auto choice = std::move(saveChoices.front());
    saveChoices.pop_front();
    return choice;
}

ReadResult FakePlatform::readFile(const std::string& path) {
    log.push_back("readFile " + path);
    if (const auto failing = failingReads.find(path); failing != failingReads.end()) {
        return {false, {}, failing->second};
    }
    const auto found = files.find(path);
    if (found == files.end()) {
        return {false, {}, "No such file or directory"};
    }
    return {true, found->second, {}};
}

WriteResult FakePlatform::writeFileAtomically(const std::string& path, const Bytes& bytes) {
    log.push_back("writeFileAtomically " + path);
    if (const auto failing = failingWrites.find(path); failing != failingWrites.end()) {
        return {false, failing->second};
    }
    files[path] = bytes;
    writes.push_back(path);
    return {true, {}};
}

std::optional<Picture> FakePlatform::loadPicture(int pictureId) {
    log.push_back("loadPicture " + std::to_string(pictureId));
    const auto found = pictures.find(pictureId);
    if (missingPictures.contains(pictureId) || found == pictures.end()) {
        return std::nullopt;
    }
    return found->second;
}

void FakePlatform::drawText(Picture& picture, const Rect& rect, std::string_view text, Rgb colour,
                            TextAlign align) {
    texts.push_back({rect, std::string(text), colour, align});
    makeTrueColour(picture);
    const Pixel pixel = rgb(colour.red, colour.green, colour.blue);
    int lineTop = rect.top;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const int count = static_cast<int>(end - start);
        const int lineWidth = count > 0 ? count * fakeGlyphAdvance - 1 : 0;
        int x = rect.left;
        if (align == TextAlign::Centre) {
            x += (rect.width() - lineWidth) / 2;
        }
        for (int i = 0; i < count; ++i) {
            fillClipped(picture, rect, x + i * fakeGlyphAdvance, lineTop, fakeGlyphWidth,
                        fakeGlyphHeight, pixel);
        }
        lineTop += fakeLineHeight;
        start = end + 1;
    }
}

std::unique_ptr<Editor> startedEditor(FakePlatform& platform) {
    auto editor = std::make_unique<Editor>();
    startEditor(*editor, platform);
    platform.clearRecords();
    return editor;
}

} // namespace bse::test
