#include "qt/qt_platform.h"

#include "io/file_identity.h"
#include "io/file_io.h"
#include "io/recovery_store.h"
#include "platform/platform.h"
#include "qt/artwork.h"
#include "qt/canvas_widget.h"
#include "qt/clipboard.h"
#include "qt/dialog_builder.h"
#include "qt/main_window.h"
#include "qt/overview_window.h"
#include "qt/picture_loader.h"
#include "qt/text_codec.h"
#include "view/geometry.h"

#include <QAction>
#include <QApplication>
#include <QChildEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QWindow>

#include <iostream>

#if BSE_XCB && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

namespace bse {

namespace {

// Qt reads the patterns from the last parentheses of a filter, separated by spaces; the options
// keep them apart, separated by semicolons. Names need no dot here, so "*.*" means every file.
// Qt's own dialog matches without regard to case; the desktop's dialogs may not, so each pattern
// also comes in lower and upper case, the given one first (Save takes its suffix from it).
QString nameFilter(const FileFilter& filter) {
    QStringList patterns;
    for (const QString& pattern : fromWindows1252(filter.pattern).split(QLatin1Char(';'))) {
        const QString any = pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
        for (const QString& variant : {any, any.toLower(), any.toUpper()}) {
            if (!patterns.contains(variant)) {
                patterns << variant;
            }
        }
    }
    return QStringLiteral("%1 (%2)").arg(fromWindows1252(filter.name), patterns.join(' '));
}

// The file dialog's own question before replacing a file names it; like every box, it shows the
// name as text. Its boxes are the dialog's children, polished just before they are shown. Qt's own
// dialog shows each filter as given, not the patterns it matches by (the desktop's show the names).
class FileDialogTexts : public QObject {
  public:
    FileDialogTexts(QObject* parent, QStringList filterNames)
        : QObject(parent), filterNames_(std::move(filterNames)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ChildPolished) {
            if (auto* box = qobject_cast<QMessageBox*>(static_cast<QChildEvent*>(event)->child())) {
                box->setTextFormat(Qt::PlainText);
            }
        } else if (event->type() == QEvent::Show) {
            if (auto* types = watched->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
                for (int i = 0; i < types->count() && i < filterNames_.size(); ++i) {
                    types->setItemText(i, filterNames_.at(i));
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QStringList filterNames_;
};

std::optional<std::string> runFileDialog(QWidget* owner, const FileDialogOptions& options,
                                         QFileDialog::AcceptMode mode) {
    QFileDialog dialog(owner, fromWindows1252(options.title));
    QStringList filters;
    QStringList filterNames;
    for (const FileFilter& filter : options.filters) {
        filters << nameFilter(filter);
        filterNames << fromWindows1252(filter.name);
    }
    FileDialogTexts texts(&dialog, filterNames);
    dialog.installEventFilter(&texts);
    dialog.setAcceptMode(mode);
    // Any typed name comes back, so that the editor's own refusal answers one that does not exist.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
    dialog.setNameFilters(filters);
    if (options.filterIndex >= 1 && options.filterIndex <= filters.size()) {
        dialog.selectNameFilter(filters.at(options.filterIndex - 1));
    }
    if (!options.defaultExtension.empty()) {
        dialog.setDefaultSuffix(fromWindows1252(options.defaultExtension));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return toPathBytes(dialog.selectedFiles().constFirst());
}

// Message boxes show their text as text: left to itself, Qt renders one that looks like markup
// (a name or path holding "<b>") as rich text.
QMessageBox::StandardButton showMessageBox(QWidget* owner, QMessageBox::Icon icon,
                                           std::string_view text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton,
                                           std::string_view details = {}) {
    QMessageBox box(icon, QString::fromLatin1(programTitle), fromWindows1252(text), buttons, owner);
    box.setTextFormat(Qt::PlainText);
    if (!details.empty()) {
        box.setDetailedText(fromWindows1252(details));
    }
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// The title as the editor composed it. Qt takes "[*]" for its modified mark and shows "[*][*]" as
// "[*]", so each is doubled. Control characters (escape sequences too) would reach the window
// manager as they are; each shows as its Unicode control picture, which still tells which it was.
QString shownTitle(std::string_view title) {
    QString text = fromWindows1252(title);
    for (QChar& character : text) {
        const char16_t unit = character.unicode();
        if (unit < 0x20) {
            character = QChar(static_cast<char16_t>(0x2400 + unit));
        } else if (unit == 0x7F) {
            character = QChar(static_cast<char16_t>(0x2421));
        }
    }
    text.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return text;
}

// Property changes made outside input handling (a timer tick, a command run from a key) can sit in
// the X connection's buffer until the next input event; push them out so the title and the icon
// change at once.
void flushToDisplay() {
    QGuiApplication::sync();
}

} // namespace

QtPlatform::QtPlatform()
    : font_(pictureFont()), clipboard_(std::make_unique<Clipboard>([this] {
          if (window_) {
              window_->send(WM_APP_CLIPBOARD, 0, 0);
          }
      })),
      // Told on the writer's thread; the editor hears of it on its own.
      safekeeping_(
          [this] {
              QMetaObject::invokeMethod(
                  &iconTimer_,
                  [this] {
                      if (window_) {
                          window_->send(WM_RECOVERYFAILED, 0, 0);
                      }
                  },
                  Qt::QueuedConnection);
          },
          [this](const std::string& path) { return pathForDisplay(path); }) {
    // Qt's file dialog keeps its history in "QtProject" settings of the user's, written whenever
    // one closes; the editor writes settings only under its own name, from an explicit path, so
    // the user's default place for settings is one that cannot be created.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    QObject::connect(&iconTimer_, &QTimer::timeout, [this] {
        if (window_) {
            window_->send(WM_TIMER, static_cast<WParam>(timerId_), 0);
        }
    });
    // Git and atomic savers rename a new file onto the old one: the folder tells of that, and
    // the file, once there again, is watched anew.
    const auto changed = [this] {
        if (!watchedPath_.empty() && window_) {
            const QString file = QString::fromLocal8Bit(watchedPath_);
            if (!watcher_.files().contains(file) && QFileInfo::exists(file)) {
                watcher_.addPath(file);
            }
            window_->send(WM_FILECHANGED, 0, 0);
        }
    };
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, changed);
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, changed);
}

QtPlatform::~QtPlatform() = default;

QFont QtPlatform::pictureFont() {
    // Stands in for the system font of the first platform: bold, crisp, one size, narrow enough
    // for the longest credits line (59 characters) to fit the about picture's 424 pixels.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

Answer QtPlatform::askQuestion(std::string_view text) {
    switch (showMessageBox(window_.get(), QMessageBox::Question, text,
                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                           QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void QtPlatform::showRefusal(std::string_view text) {
    showMessageBox(window_.get(), QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtPlatform::showRefusalWithDetails(std::string_view text, std::string_view details) {
    showMessageBox(window_.get(), QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok,
                   details);
}

void QtPlatform::beep() {
    QApplication::beep();
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

void QtPlatform::reportStartupFailure(std::string_view text) {
    std::cerr << "boardset-editor: " << text << '\n';
    if (QGuiApplication::primaryScreen() != nullptr) {
        showMessageBox(window_.get(), QMessageBox::Critical, text, QMessageBox::Ok,
                       QMessageBox::Ok);
    }
}

bool QtPlatform::createMainWindow(const DialogTemplate& windowTemplate, MessageHandler handler) {
    handler_ = handler;
    window_ = std::make_unique<MainWindow>(windowTemplate, std::move(handler));
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

void QtPlatform::putBoardOnClipboard(std::string_view text, const Bytes& cells) {
    clipboard_->put(text, cells);
}

Platform::ClipboardBoard QtPlatform::clipboardBoard() {
    return clipboard_->board();
}

Platform::ClipboardTypes QtPlatform::clipboardTypes() {
    return clipboard_->offered();
}

void QtPlatform::setWindowTitle(std::string_view title) {
    window_->setWindowTitle(shownTitle(title));
    flushToDisplay();
}

const QIcon* QtPlatform::icon(int iconId) {
    auto found = icons_.find(iconId);
    if (found == icons_.end()) {
        const QPixmap pixmap(artworkPath("icons", iconId));
        if (pixmap.isNull()) {
            return nullptr;
        }
        found = icons_.emplace(iconId, QIcon(pixmap)).first;
    }
    return &found->second;
}

bool QtPlatform::loadIcon(int iconId) {
    return icon(iconId) != nullptr;
}

void QtPlatform::setWindowIcon(int iconId) {
    // Every 350 ms while the editor runs, so as little as the desktop needs: the native window's
    // icon alone (the widgets inside have no use for the change). Qt's X11 plugin sends what it
    // buffered only after input, so a tick with none would show nothing: the property is pushed
    // out here, without waiting for the server's answer as a sync would.
    if (const QIcon* found = icon(iconId)) {
        if (QWindow* window = window_->windowHandle()) {
            window->setIcon(*found);
        } else {
            window_->setWindowIcon(*found);
        }
#if BSE_XCB && QT_CONFIG(xcb)
        // Off X11 there is no connection to push.
        if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
            x11 != nullptr && x11->connection() != nullptr) {
            xcb_flush(x11->connection());
        }
#endif
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
        action->setVisible(shown);
    }
}

std::vector<std::string> QtPlatform::readSettingList(std::string_view key) {
    return settings_.readList(key);
}

void QtPlatform::writeSettingList(std::string_view key, const std::vector<std::string>& values) {
    settings_.writeList(key, values);
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

void QtPlatform::startTimer(int timerId, int periodMs) {
    if (timerId != iconTimerId) {
        std::unique_ptr<QTimer>& timer = timers_[timerId];
        if (!timer) {
            timer = std::make_unique<QTimer>();
            QObject::connect(timer.get(), &QTimer::timeout, [this, timerId] {
                if (window_) {
                    window_->send(WM_TIMER, static_cast<WParam>(timerId), 0);
                }
            });
        }
        timer->start(periodMs);
        return;
    }
    timerId_ = timerId;
    iconTimer_.start(periodMs);
}

void QtPlatform::stopTimer(int timerId) {
    if (timerId != iconTimerId) {
        if (const auto timer = timers_.find(timerId); timer != timers_.end()) {
            timer->second->stop();
        }
        return;
    }
    iconTimer_.stop();
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
        dialogTemplate, procedure, [this](int iconId) { return icon(iconId); }, window_.get());
    return dialog.run();
}

std::optional<std::string> QtPlatform::chooseFileToOpen(const FileDialogOptions& options) {
    return runFileDialog(window_.get(), options, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtPlatform::chooseFileToSave(const FileDialogOptions& options) {
    return runFileDialog(window_.get(), options, QFileDialog::AcceptSave);
}

// The system's reason, in the locale's encoding, as message text.
std::string QtPlatform::messageText(const std::string& reason) {
    return toWindows1252(QString::fromLocal8Bit(reason));
}

std::string QtPlatform::pathForDisplay(const std::string& path) {
    return toWindows1252(QDir::toNativeSeparators(fromPathBytes(path)));
}

std::optional<Picture> QtPlatform::loadPicture(int pictureId) {
    // The backdrop is asked for twice in a row (canvas and backdrop): decode it once.
    if (lastPictureId_ != pictureId) {
        lastPicture_ = QImage(artworkPath("pictures", pictureId));
        lastPictureId_ = pictureId;
    }
    if (lastPicture_.isNull()) {
        return std::nullopt;
    }
    return pictureFromImage(lastPicture_);
}

int QtPlatform::popupMenu(std::span<const PopupItem> items) {
    QMenu menu(window_.get());
    for (const PopupItem& item : items) {
        menu.addAction(fromWindows1252(item.text))->setData(item.commandId);
    }
    const QAction* chosen = menu.exec(QCursor::pos());
    return chosen != nullptr ? chosen->data().toInt() : 0;
}

void QtPlatform::showOverview(std::string_view title) {
    if (overview_ == nullptr) {
        overview_ = new OverviewWindow(handler_, window_.get());
        // The commands with Ctrl work from it too; plain keys are its own.
        for (const int command : {ID_BOARD_OVERVIEW, ID_EDIT_UNDO, ID_EDIT_REDO, ID_FILE_SAVE}) {
            if (QAction* action = window_->action(command)) {
                overview_->addAction(action);
            }
        }
        // Placed once: a later opening shows it where the user last put it. Its frame will be
        // as wide as the main window's.
        const QRect main = window_->frameGeometry();
        const QSize frame = main.size() - window_->size();
        const QRect grid(
            window_->canvas()->mapToGlobal(QPoint(boardGridRect.left, boardGridRect.top)),
            QSize(boardGridRect.width(), boardGridRect.height()));
        overview_->move(overviewPlace(window_->screen()->availableGeometry(), main, grid,
                                      overview_->size() + frame));
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

void QtPlatform::drawText(Picture& picture, const Rect& rect, std::string_view text, Rgb colour,
                          TextAlign align) {
    if (picture.empty()) {
        return;
    }
    QImage image = imageOver(picture);
    QPainter painter(&image);
    painter.setFont(font_);
    painter.setPen(QColor(colour.red, colour.green, colour.blue));
    const QRect area(rect.left, rect.top, rect.width(), rect.height());
    painter.setClipRect(area);
    const int horizontal = align == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    painter.drawText(area, horizontal | Qt::AlignTop, fromWindows1252(text));
}

} // namespace bse

namespace bse {

Answer QtPlatform::askYesNo(std::string_view text) {
    return showMessageBox(window_.get(), QMessageBox::Question, text,
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes
               ? Answer::Yes
               : Answer::No;
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

void QtPlatform::watchFile(const std::string& path) {
    if (!watcher_.files().isEmpty() || !watcher_.directories().isEmpty()) {
        watcher_.removePaths(watcher_.files() + watcher_.directories());
    }
    watchedPath_ = path;
    if (!path.empty()) {
        const QString file = QString::fromLocal8Bit(path);
        watcher_.addPath(file);
        watcher_.addPath(QFileInfo(file).absolutePath());
    }
}

} // namespace bse
