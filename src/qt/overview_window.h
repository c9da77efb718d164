#pragma once

#include "platform/platform.h"

#include <QRegion>
#include <QScrollArea>
#include <QString>
#include <QTimer>

#include <vector>

namespace bse {

class MainWindow;
class OverviewBoards;

// Where a window of the overview's size opens, all in screen pixels: beside the main window where
// the screen has room, right or else left, at its top; else on the screen where it covers the
// least of the grid.
QPoint overviewPlace(const QRect& screen, const QRect& main, const QRect& grid, const QSize& size);

// The board overview: a window of its own, beside the main one, that shows the pictures the
// editor gives it and reports clicks, keys, drops, context menus and its close box as messages.
class OverviewWindow : public QScrollArea {
    Q_OBJECT
  public:
    OverviewWindow(MessageHandler handler, QWidget* owner);

    OverviewBoards* boards() const { return boards_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    MessageHandler handler_;
    OverviewBoards* boards_ = nullptr;
};

// The overview of `main`, made when first shown: placed beside it, and the commands with Ctrl
// working from it too.
OverviewWindow* makeOverview(MainWindow& main, MessageHandler handler);

// The boards in rows as wide as the window holds.
class OverviewBoards : public QWidget {
    Q_OBJECT
  public:
    static constexpr int margin = 8;
    static constexpr int labelHeight = 18;
    static constexpr int cellWidth = 150 + margin;
    static constexpr int cellHeight = 75 + labelHeight + margin;

    OverviewBoards(const MessageHandler& handler, QWidget* parent);

    void setCount(int count);
    // The picture stays the editor's: it is read at each paint.
    void setTile(int board, const Picture& picture, const QString& label);
    void setFrame(int board);
    // Lets go of the pictures.
    void forget();
    int columns() const;
    // Where a board is drawn, and the gap (0 to the count) nearest to a point.
    QRect tileRect(int board) const;
    int boardAt(const QPoint& at) const;
    int gapAt(const QPoint& at) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct Tile {
        const Picture* picture = nullptr;
        QString label;
    };
    void fitHeight();
    QRect gapRect(int gap) const;
    // The press and any drag from it end without a message.
    void dropPress();

    const MessageHandler& handler_;
    std::vector<Tile> tiles_;
    int frame_ = -1;
    int pressed_ = -1; // the board the left button went down on
    QPoint pressedAt_;
    int dropGap_ = -1; // while a board is dragged
    // Pictures drawn again wait a moment, so that a painting stroke repaints them a few times a
    // second rather than at every pointer move.
    QRegion changed_;
    QTimer changeTimer_;
};

} // namespace bse
