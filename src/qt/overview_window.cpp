#include "qt/overview_window.h"

#include "qt/canvas_widget.h"
#include "qt/main_window.h"
#include "view/geometry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace bse {

namespace {

WParam overviewKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left:
        return BSE_VK_LEFT;
    case Qt::Key_Right:
        return BSE_VK_RIGHT;
    case Qt::Key_Up:
        return BSE_VK_UP;
    case Qt::Key_Down:
        return BSE_VK_DOWN;
    case Qt::Key_Home:
        return BSE_VK_HOME;
    case Qt::Key_End:
        return BSE_VK_END;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return BSE_VK_RETURN;
    default:
        return 0;
    }
}

} // namespace

QPoint overviewPlace(const QRect& screen, const QRect& main, const QRect& grid, const QSize& size) {
    const auto onScreen = [&](int x, int y) {
        return QPoint(std::clamp(x, screen.left(),
                                 std::max(screen.left(), screen.right() + 1 - size.width())),
                      std::clamp(y, screen.top(),
                                 std::max(screen.top(), screen.bottom() + 1 - size.height())));
    };
    const int right = main.right() + 1;
    const int left = main.left() - size.width();
    for (const int x : {right, left}) {
        const QPoint place = onScreen(x, main.top());
        if (place.x() == x && screen.contains(QRect(place, size))) {
            return place;
        }
    }
    // The least is found at a side of the screen or next to a side of the grid.
    QPoint best;
    int least = -1;
    for (const int x : {right, left, grid.right() + 1, grid.left() - size.width()}) {
        for (const int y : {main.top(), grid.bottom() + 1, grid.top() - size.height()}) {
            const QPoint place = onScreen(x, y);
            const QRect covered = QRect(place, size) & grid;
            const int area = covered.width() * covered.height();
            if (least < 0 || area < least) {
                best = place;
                least = area;
            }
        }
    }
    return best;
}

OverviewWindow::OverviewWindow(MessageHandler handler, QWidget* owner)
    : QScrollArea(owner), handler_(std::move(handler)) {
    setWindowFlags(Qt::Window);
    setWidgetResizable(true);
    // A scroll bar that comes and goes would change the width, the rows and the height again.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    boards_ = new OverviewBoards(handler_, this);
    setWidget(boards_);
    boards_->setFocus();
    resize(3 * OverviewBoards::cellWidth + OverviewBoards::margin +
               verticalScrollBar()->sizeHint().width() + 2 * frameWidth(),
           5 * OverviewBoards::cellHeight + OverviewBoards::margin);
}

void OverviewWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    boards_->forget();
    handler_(BSE_WM_OVERVIEW_CLOSED, 0, 0);
}

OverviewBoards::OverviewBoards(const MessageHandler& handler, QWidget* parent)
    : QWidget(parent), handler_(handler) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    changeTimer_.setSingleShot(true);
    changeTimer_.setInterval(30);
    connect(&changeTimer_, &QTimer::timeout, this, [this] {
        update(changed_);
        changed_ = QRegion();
    });
}

int OverviewBoards::columns() const {
    return std::max(1, (width() - margin) / cellWidth);
}

QRect OverviewBoards::tileRect(int board) const {
    return {margin + board % columns() * cellWidth, margin + board / columns() * cellHeight,
            cellWidth - margin, cellHeight - margin};
}

int OverviewBoards::boardAt(const QPoint& at) const {
    const int column = (at.x() - margin) / cellWidth;
    const int board = (at.y() - margin) / cellHeight * columns() + column;
    const bool inside = at.x() >= margin && at.y() >= margin && column < columns() &&
                        board < static_cast<int>(tiles_.size()) && tileRect(board).contains(at);
    return inside ? board : -1;
}

int OverviewBoards::gapAt(const QPoint& at) const {
    const int row = std::max(0, (at.y() - margin) / cellHeight);
    const int column = std::clamp((at.x() - margin + cellWidth / 2) / cellWidth, 0, columns());
    return std::clamp(row * columns() + column, 0, static_cast<int>(tiles_.size()));
}

// A bar in the margin before a board, or after the last one of a row.
QRect OverviewBoards::gapRect(int gap) const {
    const bool rowEnd = gap > 0 && gap % columns() == 0;
    const QRect next = tileRect(rowEnd ? gap - 1 : gap);
    const int x = rowEnd ? next.right() + 1 : next.left() - margin;
    return {x + 1, next.top(), margin - 2, next.height()};
}

void OverviewBoards::fitHeight() {
    const int rows = (static_cast<int>(tiles_.size()) + columns() - 1) / columns();
    setMinimumHeight(margin + rows * cellHeight);
    // At once, not at the next layout: a frame set right after must be scrolled to.
    resize(width(), std::max(minimumHeight(), parentWidget()->height()));
}

void OverviewBoards::setCount(int count) {
    if (pressed_ >= count) {
        dropPress();
    }
    tiles_.resize(static_cast<std::size_t>(count));
    fitHeight();
    update();
}

void OverviewBoards::setTile(int board, const Picture& picture, const QString& label) {
    if (board < 0 || board >= static_cast<int>(tiles_.size())) {
        return;
    }
    if (board == pressed_) { // another board now, or changed: a drag started on it drops nothing
        dropPress();
    }
    Tile& tile = tiles_[static_cast<std::size_t>(board)];
    // While painting only the picture changes: its label is left alone.
    const QRect area = tileRect(board);
    changed_ +=
        tile.label == label ? QRect(area.topLeft(), QSize(picture.width, picture.height)) : area;
    if (!changeTimer_.isActive()) {
        changeTimer_.start();
    }
    tile = {&picture, label};
}

void OverviewBoards::setFrame(int board) {
    if (frame_ >= 0) {
        update(tileRect(frame_).adjusted(-4, -4, 4, 4));
    }
    frame_ = board;
    update(tileRect(frame_).adjusted(-4, -4, 4, 4));
    if (auto* area = qobject_cast<QScrollArea*>(parentWidget()->parentWidget())) {
        const QRect r = tileRect(board);
        area->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + margin,
                            r.height() / 2 + margin);
    }
}

void OverviewBoards::dropPress() {
    if (dropGap_ >= 0) {
        update(gapRect(dropGap_));
    }
    pressed_ = dropGap_ = -1;
}

void OverviewBoards::forget() {
    tiles_.clear();
    changeTimer_.stop();
    changed_ = QRegion();
    frame_ = pressed_ = dropGap_ = -1;
}

void OverviewBoards::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    const int first = std::max(0, (event->rect().top() - margin) / cellHeight * columns());
    const int last = std::min(static_cast<int>(tiles_.size()),
                              ((event->rect().bottom() - margin) / cellHeight + 1) * columns());
    for (int board = first; board < last; ++board) {
        const Tile& tile = tiles_[static_cast<std::size_t>(board)];
        const QRect area = tileRect(board);
        if (tile.picture != nullptr) {
            const Picture& picture = *tile.picture;
            const QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                               picture.height,
                               static_cast<qsizetype>(picture.rowLength() * sizeof(Pixel)),
                               QImage::Format_RGB32);
            painter.drawImage(area.topLeft(), image);
        }
        const QRect labelArea(area.left(), area.top() + 75, area.width(), labelHeight);
        if (event->rect().intersects(labelArea)) {
            painter.setPen(palette().windowText().color());
            painter.drawText(labelArea, Qt::AlignCenter, tile.label);
        }
    }
    if (frame_ >= 0 && frame_ < static_cast<int>(tiles_.size())) {
        painter.setPen(QPen(palette().highlight().color(), 3));
        painter.drawRect(tileRect(frame_).adjusted(-2, -2, 1, 1));
    }
    if (dropGap_ >= 0) {
        painter.fillRect(gapRect(dropGap_), palette().highlight());
    }
}

void OverviewBoards::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitHeight();
}

void OverviewBoards::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = boardAt(event->position().toPoint());
        pressedAt_ = event->position().toPoint();
    }
}

void OverviewBoards::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (pressed_ < 0 || !(event->buttons() & Qt::LeftButton)) {
        return;
    }
    if (dropGap_ < 0 && (at - pressedAt_).manhattanLength() < QApplication::startDragDistance()) {
        return;
    }
    const int gap = gapAt(at);
    if (gap != dropGap_) {
        if (dropGap_ >= 0) {
            update(gapRect(dropGap_));
        }
        dropGap_ = gap;
        update(gapRect(dropGap_));
    }
}

void OverviewBoards::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || pressed_ < 0) {
        return;
    }
    const int board = pressed_;
    const int gap = dropGap_;
    pressed_ = -1;
    if (gap >= 0) {
        dropGap_ = -1;
        update(gapRect(gap));
        handler_(BSE_WM_OVERVIEW_DROP, static_cast<WParam>(board), gap);
    } else if (boardAt(event->position().toPoint()) == board) {
        handler_(BSE_WM_OVERVIEW_CLICK, static_cast<WParam>(board), 0);
    }
}

void OverviewBoards::contextMenuEvent(QContextMenuEvent* event) {
    const int board = boardAt(event->pos());
    if (board >= 0) {
        handler_(BSE_WM_OVERVIEW_MENU, static_cast<WParam>(board), 0);
    }
}

void OverviewBoards::keyPressEvent(QKeyEvent* event) {
    const WParam key = overviewKey(event->key());
    if (key == 0 || event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    handler_(BSE_WM_OVERVIEW_KEY, key, columns());
}

OverviewWindow* makeOverview(MainWindow& main, MessageHandler handler) {
    auto* overview = new OverviewWindow(std::move(handler), &main);
    // The commands with Ctrl work from it too; plain keys are its own.
    for (const int command : {ID_BOARD_OVERVIEW, ID_EDIT_UNDO, ID_EDIT_REDO, ID_FILE_SAVE}) {
        if (QAction* action = main.action(command)) {
            overview->addAction(action);
        }
    }
    // Placed once: a later opening shows it where the user last put it. Its frame will be as wide
    // as the main window's.
    const QRect frame = main.frameGeometry();
    const QSize border = frame.size() - main.size();
    const QRect grid(main.canvas()->mapToGlobal(QPoint(boardGridRect.left, boardGridRect.top)),
                     QSize(boardGridRect.width(), boardGridRect.height()));
    overview->move(
        overviewPlace(main.screen()->availableGeometry(), frame, grid, overview->size() + border));
    return overview;
}

} // namespace bse
