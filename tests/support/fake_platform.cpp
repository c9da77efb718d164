#include "support/fake_platform.h"

#include "platform/item_number.h"
#include "shell/startup.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace bse::test {

namespace {

void fillClipped(Picture& picture, const Rect& clip, int x, int y, Pixel colour) {
    const int right = std::min({x + fakeGlyphWidth, clip.right, picture.width});
    const int bottom = std::min({y + fakeGlyphHeight, clip.bottom, picture.height});
    for (int py = std::max({y, clip.top, 0}); py < bottom; ++py) {
        for (int px = std::max({x, clip.left, 0}); px < right; ++px) {
            picture.set(px, py, colour);
        }
    }
}

Pixel stripPixel(int x, int y) {
    return blockPixel(y / blockHeight + 1, x, y % blockHeight);
}

// The next of the scripted answers, or `otherwise` when none is left.
template <typename T> T take(std::deque<T>& script, T otherwise) {
    if (!script.empty()) {
        otherwise = std::move(script.front());
        script.pop_front();
    }
    return otherwise;
}

} // namespace

Picture filled(int width, int height, const std::function<Pixel(int x, int y)>& pixel) {
    Picture picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.set(x, y, pixel(x, y));
        }
    }
    return picture;
}

std::string rectText(const Rect& r) {
    char text[64];
    std::snprintf(text, sizeof text, "(%d, %d)-(%d, %d)", r.left, r.top, r.right, r.bottom);
    return text;
}

std::string colourText(Pixel pixel) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%06x", pixel & 0xffffffu);
    return hex;
}

// ---- Synthetic artwork ----

Pixel backdropPixel(int x, int y) {
    return rgb(x & 0xff, y & 0xff, 0x40 | ((x >> 8) << 4) | (y >> 8));
}

Pixel blockPixel(int image, int x, int y) {
    return rgb(image, 0x80 | x, 0x80 | y);
}

Picture syntheticPicture(int pictureId) {
    switch (pictureId) {
    case IDB_EDITOR:
        return filled(canvasWidth, canvasHeight, backdropPixel);
    case IDB_BLOCKS:
        return filled(blockStripWidth, blockStripHeight, stripPixel);
    case IDB_STATUS:
        return Picture(statusStripWidth, statusStripHeight, statusStripPixel);
    case IDB_ABOUT:
        return Picture(aboutPictureWidth, aboutPictureHeight);
    default:
        return {};
    }
}

// ---- FakeDialog ----

FakeDialog::FakeDialog(const DialogTemplate& dialogTemplate, const DialogProc& procedure,
                       std::vector<std::string>& log)
    : template_(dialogTemplate), procedure_(procedure), log_(log) {
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
    send(BSE_WM_COMMAND, static_cast<WParam>(controlId), 0);
}

bool FakeDialog::send(Message message, WParam wParam, LParam lParam) {
    const bool handled = procedure_(*this, message, wParam, lParam);
    if (!handled && message != BSE_WM_DESTROY) { // what the system's own handling would take up
        note("message", message, wParam, "not handled");
    }
    return handled;
}

std::string FakeDialog::text(int controlId) const {
    return items_.contains(controlId) ? items_.at(controlId) : std::string();
}

std::string FakeDialog::itemText(int controlId, std::size_t maxLength) {
    return maxLength == 0 ? std::string() : text(controlId).substr(0, maxLength - 1);
}

void FakeDialog::setItemText(int controlId, std::string_view text) {
    note("setItemText", controlId, text);
    items_[controlId] = std::string(text);
}

std::optional<unsigned> FakeDialog::itemNumber(int controlId) {
    return readItemNumber(text(controlId));
}

void FakeDialog::setItemNumber(int controlId, unsigned value) {
    note("setItemNumber", controlId, value);
    items_[controlId] = std::to_string(value);
}

void FakeDialog::setUpDownRange(int controlId, int lowest, int highest) {
    note("setUpDownRange", controlId, lowest, highest);
}

Rect FakeDialog::frame() {
    const int width = dialogUnitsToPixelsX(template_.width) + 6;
    const int height = dialogUnitsToPixelsY(template_.height) + 25;
    return {position_.x, position_.y, position_.x + width, position_.y + height};
}

void FakeDialog::move(int x, int y) {
    note("move", x, y);
    position_ = {x, y};
}

// Which picture it is shows in its size and in the text drawn on it.
void FakeDialog::paintPicture(const Picture& picture) {
    int white = 0;
    for (int at = 0; at < picture.width * picture.height; ++at) {
        white += picture.at(at % picture.width, at / picture.width) == rgb(255, 255, 255) ? 1 : 0;
    }
    note("paintPicture", picture.width, picture.height, "with", white, "white pixels");
}

void FakeDialog::end(int result) {
    note("end", result);
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

void FakePlatform::runWhileOpen() {
    for (const auto& action : std::exchange(whileOpen, {})) {
        action();
    }
}

Answer FakePlatform::askQuestion(std::string_view text) {
    note("askQuestion", text);
    runWhileOpen();
    return take(answers, Answer::Cancel);
}

int FakePlatform::runMessageLoop() {
    note("runMessageLoop");
    if (session && !quitCode) {
        session(*this);
    }
    return quitCode.value_or(0);
}

int FakePlatform::runDialog(const DialogTemplate& dialogTemplate, const DialogProc& procedure) {
    note("runDialog", dialogTemplate.id);
    FakeDialog dialog(dialogTemplate, procedure, log);
    dialog.send(BSE_WM_INITDIALOG);
    if (const DialogScript script = take(dialogScripts, DialogScript())) {
        script(dialog);
    }
    // A user who walks away closes the dialog with its close box.
    if (!dialog.ended()) {
        dialog.press(BSE_IDCANCEL);
    }
    dialog.send(BSE_WM_DESTROY);
    return dialog.result();
}

std::optional<std::string> FakePlatform::choose(const char* what, const FileDialogOptions& options,
                                                std::deque<std::optional<std::string>>& choices) {
    std::string line = std::string(what) + " " + options.title + " |";
    for (const FileFilter& filter : options.filters) {
        line += " " + filter.name + " " + filter.pattern + " |";
    }
    log.push_back(line + " " + std::to_string(options.filterIndex) + " ." +
                  options.defaultExtension + (options.confirmOverwrite ? " on" : " off"));
    return take(choices, std::optional<std::string>());
}

Result<FileHead, ReadFailure> FakePlatform::readFile(const std::string& path, std::size_t limit,
                                                     LongFile longFile) {
    log.push_back("readFile " + path + " at most " + std::to_string(limit) +
                  (longFile == LongFile::ReadNothing ? ", or nothing" : ""));
    if (const auto failing = failingReads.find(path); failing != failingReads.end()) {
        return ReadFailure{failing->second, notRegularFiles.contains(path)};
    }
    const auto found = files.find(path);
    if (found == files.end()) {
        return ReadFailure{"No such file or directory"};
    }
    const Bytes& whole = found->second;
    if (whole.size() > limit && longFile == LongFile::ReadNothing) {
        return FileHead{{}, whole.size()};
    }
    const auto taken = static_cast<std::ptrdiff_t>(std::min(whole.size(), limit));
    return FileHead{Bytes(whole.begin(), whole.begin() + taken), whole.size()};
}

Status FakePlatform::writeFileAtomically(const std::string& path, const Bytes& bytes) {
    note("writeFileAtomically", path, bytes.size());
    if (const auto failing = failingWrites.find(path); failing != failingWrites.end()) {
        return refuse(failing->second);
    }
    files[path] = bytes;
    return Done{};
}

Status FakePlatform::restoreKeptCopy(const std::string& path, const std::string& copy) {
    note("restoreKeptCopy", path, copy);
    if (!files.contains(copy)) {
        return refuse("No such file or directory");
    }
    files[path] = files[copy];
    files.erase(copy);
    std::erase(kept[path], copy);
    return Done{};
}

std::optional<Picture> FakePlatform::loadPicture(int pictureId) {
    note("loadPicture", pictureId);
    const auto found = pictures.find(pictureId);
    if (found == pictures.end()) {
        return std::nullopt;
    }
    return found->second;
}

int FakePlatform::popupMenu(std::span<const PopupItem> items) {
    std::string shown;
    for (const PopupItem& item : items) {
        shown.append(shown.empty() ? "" : " | ").append(item.text);
    }
    note("popupMenu", shown);
    runWhileOpen();
    return take(menuChoices, 0);
}

void FakePlatform::drawText(Picture& picture, const Rect& rect, std::string_view text, Rgb colour,
                            TextAlign align) {
    std::string shown(text);
    std::replace(shown.begin(), shown.end(), '\n', '|');
    const Pixel pixel = rgb(colour.red, colour.green, colour.blue);
    note("drawText", rectText(rect), colourText(pixel),
         align == TextAlign::Centre ? "centre" : "left", shown);
    makeTrueColour(picture);
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
        fillClipped(picture, rect, rect.left + i * fakeGlyphAdvance, rect.top, pixel);
    }
}

std::unique_ptr<Editor> startedEditor(FakePlatform& platform) {
    auto editor = std::make_unique<Editor>();
    startEditor(*editor, platform);
    platform.log.clear();
    return editor;
}

} // namespace bse::test
