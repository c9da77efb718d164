#include "qt/qt_platform.h"

#include "png/embedded_pictures.h"
#include "qt/accessibility.h"
#include "qt/artwork.h"
#include "qt/canvas_widget.h"
#include "qt/clipboard.h"
#include "qt/dialog_builder.h"
#include "qt/file_dialogs.h"
#include "qt/main_window.h"
#include "qt/message_boxes.h"
#include "qt/overview_window.h"
#include "qt/picture_loader.h"
#include "qt/text_codec.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSettings>

namespace bse {

namespace {

// Property changes made outside input handling (a timer tick, a command run from a key) can sit in
// the X connection's buffer until the next input event; push them out so the title and the icon
// change at once.
void flushToDisplay() {
    QGuiApplication::sync();
}

} // namespace

QtPlatform::QtPlatform()
    : font_(pictureFont()), timers_([this](int timerId) { tell(BSE_WM_TIMER, timerId); }),
      watcher_([this] { tell(BSE_WM_FILECHANGED); }),
      clipboard_(std::make_unique<Clipboard>([this] { tell(BSE_WM_APP_CLIPBOARD); })),
      // Told on the writer's thread; the editor hears of it on its own.
      safekeeping_(
          [this] {
              QMetaObject::invokeMethod(
                  &queue_, [this] { tell(BSE_WM_RECOVERYFAILED); }, Qt::QueuedConnection);
          },
          [this](const std::string& path) { return pathForDisplay(path); }) {
    // Qt's file dialog keeps its history in "QtProject" settings of the user's, written whenever
    // one closes; the editor writes settings only under its own name, from an explicit path, so
    // the user's default place for settings is one that cannot be created.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::tell(Message message, int wParam) {
    if (window_) {
        window_->send(message, static_cast<WParam>(wParam), 0);
    }
}

Answer QtPlatform::askQuestion(std::string_view text) {
    return askInBox(window_.get(), text, true);
}

Answer QtPlatform::askYesNo(std::string_view text) {
    return askInBox(window_.get(), text, false);
}

void QtPlatform::showRefusal(std::string_view text) {
    refuseInBox(window_.get(), text);
}

void QtPlatform::showRefusalWithDetails(std::string_view text, std::string_view details) {
    refuseInBox(window_.get(), text, details);
}

void QtPlatform::beep() {
    QApplication::beep();
}

void QtPlatform::reportStartupFailure(std::string_view text) {
    reportStartupFailureInBox(window_.get(), text);
}

bool QtPlatform::createMainWindow(const DialogTemplate& windowTemplate, MessageHandler handler) {
    // A screen reader hears what each message changed.
    handler_ = [this, handler](Message message, WParam wParam, LParam lParam) {
        const bool handled = handler(message, wParam, lParam);
        announceScreenChanges(window_ ? window_->canvas() : nullptr,
                              overview_ != nullptr ? overview_->boards() : nullptr);
        return handled;
    };
    window_ = std::make_unique<MainWindow>(windowTemplate, handler_);
    return true;
}

Rect QtPlatform::mainWindowFrame() {
    const QRect frame = window_->frameGeometry();
    return {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
}

Size QtPlatform::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    return {screen->geometry().width(), screen->geometry().height()};
}

void QtPlatform::moveMainWindow(int x, int y) {
    window_->move(x, y);
}

namespace {

constexpr int clipboardDelayMs = 200;

} // namespace

void QtPlatform::showMainWindow() {
    window_->show();
    window_->canvas()->setFocus();
    // What the clipboard offers is asked once the window is up and drawn, and again on every
    // change.
    QTimer::singleShot(clipboardDelayMs, window_.get(), [this] { clipboard_->watch(); });
}

void QtPlatform::setWindowTitle(std::string_view title) {
    window_->setWindowTitle(shownTitle(title));
    flushToDisplay();
}

bool QtPlatform::loadIcon(int iconId) {
    return icons_.find(iconId) != nullptr;
}

void QtPlatform::setWindowIcon(int iconId) {
    if (const QIcon* icon = icons_.find(iconId)) {
        showWindowIcon(*window_, *icon);
    }
}

void QtPlatform::setCursor(Cursor cursor) {
    if (cursor == Cursor::Wait && !waitCursorShown_) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        waitCursorShown_ = true;
    } else if (cursor == Cursor::Arrow && waitCursorShown_) {
        QGuiApplication::restoreOverrideCursor();
        waitCursorShown_ = false;
    }
}

void QtPlatform::enableMenuItem(int commandId, bool enabled) {
    if (QAction* action = window_->action(commandId)) {
        action->setEnabled(enabled);
    }
}

void QtPlatform::checkMenuItem(int commandId, bool checked) {
    if (QAction* action = window_->action(commandId)) {
        action->setChecked(checked);
    }
}

void QtPlatform::setMenuItem(int commandId, std::string_view text, std::string_view tip,
                             bool shown) {
    if (QAction* action = window_->action(commandId)) {
        action->setText(fromWindows1252(text));
        action->setToolTip(fromWindows1252(tip));
        action->setStatusTip(fromWindows1252(tip));
        window_->showMenuItem(commandId, shown);
    }
}

void QtPlatform::showDocument(std::string_view path, bool modified) {
    window_->setWindowFilePath(fromPathBytes(std::string(path)));
    // The attribute alone: setWindowModified() warns on every change that the title has no "[*]"
    // placeholder, and the title is shown literally, so it has none.
    window_->setAttribute(Qt::WA_WindowModified, modified);
}

std::optional<std::string> QtPlatform::droppedFile() {
    return window_->droppedFile();
}

void QtPlatform::invalidate(const Rect& rect) {
    window_->canvas()->update(QRect(rect.left, rect.top, rect.width(), rect.height()));
}

void QtPlatform::paintCanvas(const Picture& canvas) {
    window_->canvas()->paintPicture(canvas);
}

int QtPlatform::popupMenu(std::span<const PopupItem> items) {
    QMenu menu(window_.get());
    for (const PopupItem& item : items) {
        menu.addAction(fromWindows1252(item.text))->setData(item.commandId);
    }
    const QAction* chosen = menu.exec(QCursor::pos());
    return chosen != nullptr ? chosen->data().toInt() : 0;
}

void QtPlatform::startTimer(int timerId, int periodMs) {
    timers_.start(timerId, periodMs);
}

void QtPlatform::stopTimer(int timerId) {
    timers_.stop(timerId);
}

int QtPlatform::runMessageLoop() {
    if (quitRequested_) {
        return exitCode_;
    }
    return QApplication::exec();
}

void QtPlatform::quit(int exitCode) {
    quitRequested_ = true;
    exitCode_ = exitCode;
    if (window_) {
        window_->allowClose();
    }
    QCoreApplication::exit(exitCode);
}

int QtPlatform::runDialog(const DialogTemplate& dialogTemplate, const DialogProc& procedure) {
    TemplateDialog dialog(
        dialogTemplate, procedure, [this](int iconId) { return icons_.find(iconId); },
        window_.get());
    return dialog.run();
}

std::optional<std::string> QtPlatform::chooseFileToOpen(const FileDialogOptions& options) {
    return runFileDialog(window_.get(), options, false);
}

std::optional<std::string> QtPlatform::chooseFileToSave(const FileDialogOptions& options) {
    return runFileDialog(window_.get(), options, true);
}

// The system's reason, in the locale's encoding, as message text.
std::string QtPlatform::messageText(const std::string& reason) {
    return toWindows1252(QString::fromLocal8Bit(reason));
}

std::string QtPlatform::pathForDisplay(const std::string& path) {
    return toWindows1252(QDir::toNativeSeparators(fromPathBytes(path)));
}

bool QtPlatform::keyHeld(WParam virtualKey) {
    // As of the last key or pointer event handed out, like GetKeyState.
    const Qt::KeyboardModifiers held = QGuiApplication::keyboardModifiers();
    switch (virtualKey) {
    case BSE_VK_SHIFT:
        return held.testFlag(Qt::ShiftModifier);
    case BSE_VK_CONTROL:
        return held.testFlag(Qt::ControlModifier);
    case BSE_VK_MENU:
        return held.testFlag(Qt::AltModifier);
    default:
        return false;
    }
}

std::optional<Picture> QtPlatform::loadPicture(int pictureId) {
    // The backdrop is asked for twice in a row (canvas and backdrop): decode it once.
    if (lastPictureId_ != pictureId) {
        lastPicture_ = png::embeddedPicture(pictureId);
        lastPictureId_ = pictureId;
    }
    return lastPicture_;
}

void QtPlatform::watchFile(const std::string& path) {
    watcher_.watch(path);
}

bool QtPlatform::startSafekeeping() {
    return safekeeping_.startSafekeeping();
}

std::vector<std::string> QtPlatform::orphanedRecoveryCopies() {
    return safekeeping_.orphanedRecoveryCopies();
}

Result<Bytes> QtPlatform::readRecoveryCopy(const std::string& name) {
    return safekeeping_.readRecoveryCopy(name);
}

Status QtPlatform::setRecoveryCopyAside(const std::string& name) {
    return safekeeping_.setRecoveryCopyAside(name);
}

void QtPlatform::writeRecoveryCopy(Bytes bytes) {
    safekeeping_.writeRecoveryCopy(std::move(bytes));
}

void QtPlatform::removeRecoveryCopy(const std::string& name) {
    safekeeping_.removeRecoveryCopy(name);
}

std::string QtPlatform::recoveryFailure() {
    return safekeeping_.recoveryFailure();
}

void QtPlatform::showOverview(std::string_view title) {
    if (overview_ == nullptr) {
        overview_ = makeOverview(*window_, handler_);
    }
    overview_->boards()->forget();
    setOverviewTitle(title);
    overview_->show();
    overview_->raise();
    overview_->activateWindow();
    overview_->boards()->setFocus();
}

void QtPlatform::hideOverview() {
    overview_->hide();
    overview_->boards()->forget();
}

void QtPlatform::setOverviewTitle(std::string_view title) {
    overview_->setWindowTitle(shownTitle(title));
}

void QtPlatform::setOverviewCount(int count) {
    overview_->boards()->setCount(count);
}

void QtPlatform::setOverviewTile(int board, const Picture& picture, std::string_view label) {
    overview_->boards()->setTile(board, picture, fromWindows1252(label));
}

void QtPlatform::setOverviewFrame(int board) {
    overview_->boards()->setFrame(board);
}

void QtPlatform::putBoardOnClipboard(std::string_view text, const Bytes& cells) {
    clipboard_->put(text, cells);
}

Platform::ClipboardBoard QtPlatform::clipboardBoard() {
    return clipboard_->board();
}

Platform::ClipboardTypes QtPlatform::clipboardTypes() {
    return clipboard_->offered();
}

std::vector<std::string> QtPlatform::readSettingList(std::string_view key) {
    return settings_.readList(key);
}

void QtPlatform::writeSettingList(std::string_view key, const std::vector<std::string>& values) {
    settings_.writeList(key, values);
}

void QtPlatform::drawText(Picture& picture, const Rect& rect, std::string_view text, Rgb colour,
                          TextAlign align) {
    drawPictureText(font_, picture, rect, text, colour, align);
}

} // namespace bse
