#include "qt/main_window.h"

#include "qt/canvas_widget.h"
#include "qt/text_codec.h"
#include "shell/menu.h"

#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

namespace bse {

namespace {

// "Ctrl+Shift+Z;Ctrl+Y" as key sequences, the first shown in the menu.
QList<QKeySequence> keySequences(std::string_view text) {
    QList<QKeySequence> sequences;
    for (const QString& part : QString::fromLatin1(text).split(';', Qt::SkipEmptyParts)) {
        sequences << QKeySequence(part, QKeySequence::PortableText);
    }
    return sequences;
}

} // namespace

MainWindow::MainWindow(const DialogTemplate& windowTemplate, MessageHandler handler)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      handler_(std::move(handler)) {
    setWindowTitle(fromWindows1252(windowTemplate.caption));
    setContextMenuPolicy(Qt::NoContextMenu);
    canvas_ = new CanvasWidget(handler_, this);
    canvas_->setFixedSize(dialogUnitsToPixelsX(windowTemplate.width),
                          dialogUnitsToPixelsY(windowTemplate.height));
    setCentralWidget(canvas_);
    if (windowTemplate.menuId != 0) {
        buildMenu();
    }
    // The client area keeps its size; the menu bar adds its own height.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    canvas_->setFocus();
    adjustSize();
    setAcceptDrops(true);
}

void MainWindow::buildMenu() {
    for (const MenuBarEntry& entry : mainMenu()) {
        const QString title = fromWindows1252(entry.text);
        if (entry.items.empty()) {
            addCommand(menuBar()->addAction(title), entry.commandId);
            continue;
        }
        addMenuItems(menuBar()->addMenu(title), entry.items);
    }
}

void MainWindow::addMenuItems(QMenu* menu, std::span<const MenuItem> items) {
    std::vector<int> waiting; // hidden items, till the next shown one
    const auto placeWaiting = [&](QAction* next) {
        for (const int commandId : waiting) {
            hideable_[commandId] = {menu, next};
            menu->removeAction(actions_[commandId]);
        }
        waiting.clear();
    };
    for (const MenuItem& item : items) {
        if (!item.submenu.empty()) {
            addMenuItems(menu->addMenu(fromWindows1252(item.text)), item.submenu);
            placeWaiting(menu->actions().constLast());
        } else if (item.commandId == menuSeparator) {
            placeWaiting(menu->addSeparator());
        } else {
            QAction* action = menu->addAction(fromWindows1252(item.text));
            action->setShortcuts(keySequences(item.shortcuts));
            action->setEnabled(!item.startsGreyed);
            action->setVisible(!item.startsHidden);
            action->setCheckable(item.checkable);
            addCommand(action, item.commandId);
            if (item.startsHidden) {
                waiting.push_back(item.commandId);
            } else {
                placeWaiting(action);
            }
        }
    }
    placeWaiting(nullptr);
}

void MainWindow::showMenuItem(int commandId, bool shown) {
    QAction* action = this->action(commandId);
    const auto found = hideable_.find(commandId);
    if (action == nullptr) {
        return;
    }
    action->setVisible(shown);
    if (found == hideable_.end()) {
        return;
    }
    // Its group goes back in the order of the menu, the shown ones only.
    const Hideable place = found->second;
    for (const auto& [id, other] : hideable_) {
        if (other.menu == place.menu && other.before == place.before) {
            place.menu->removeAction(actions_[id]);
            if (actions_[id]->isVisible()) {
                place.menu->insertAction(place.before, actions_[id]);
            }
        }
    }
}

void MainWindow::addCommand(QAction* action, int commandId) {
    actions_[commandId] = action;
    connect(action, &QAction::triggered, this,
            [this, commandId] { send(BSE_WM_COMMAND, static_cast<WParam>(commandId), 0); });
}

QAction* MainWindow::action(int commandId) const {
    const auto found = actions_.find(commandId);
    return found == actions_.end() ? nullptr : found->second;
}

bool MainWindow::send(Message message, WParam wParam, LParam lParam) {
    return handler_(message, wParam, lParam);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closeAllowed_) {
        event->accept();
        return;
    }
    // The close box is the Exit command; it decides whether the editor ends.
    event->ignore();
    send(BSE_WM_COMMAND, BSE_IDCANCEL, 0);
}

std::optional<std::string> MainWindow::localFile(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile()) {
        return std::nullopt;
    }
    const QString path = urls.constFirst().toLocalFile();
    if (QFileInfo(path).isDir()) {
        return std::nullopt;
    }
    return toPathBytes(path);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (localFile(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const auto file = localFile(event->mimeData());
    if (!file) {
        return;
    }
    event->acceptProposedAction();
    // The drag's source waits for the drop to end: the editor's questions and refusals come after.
    QMetaObject::invokeMethod(
        this,
        [this, file] {
            dropped_ = file;
            send(BSE_WM_DROPFILES, 0, 0);
            dropped_.reset();
        },
        Qt::QueuedConnection);
}

} // namespace bse
