#include "editor/editor.h"
#include "qt/canvas_widget.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"
#include "shell/startup.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace bse {
namespace {

// The editor on Qt's offscreen platform, driven with real Qt input events.
class QtEditing : public ::testing::Test {
  protected:
    std::unique_ptr<Editor> editor = std::make_unique<Editor>();
    QtPlatform platform;
    QWidget* canvas = nullptr;

    void SetUp() override {
        ASSERT_TRUE(startEditor(*editor, platform));
        canvas = platform.mainWindow()->canvas();
    }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), canvas->mapToGlobal(QPointF(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(canvas, &event);
    }
    BlockCode cell(int column, int row) {
        return editor->boardSet.current()
            .cells[static_cast<std::size_t>(screenCellIndex(column, row))];
    }
    QRgb shown(int x, int y) { return canvas->grab().toImage().pixel(x, y); }
};

TEST_F(QtEditing, APressDragAndReleasePaintsTheCellsUnderTheMoves) {
    mouse(QEvent::MouseButtonPress, {25, 10}, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, {55, 10}, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, {145, 10}, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, {700, 10}, Qt::NoButton, Qt::LeftButton); // outside: ignored
    mouse(QEvent::MouseButtonRelease, {145, 10}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(cell(1, 1), 8u);
    EXPECT_EQ(cell(2, 1), 8u);
    EXPECT_EQ(cell(3, 1), 0u);
    EXPECT_EQ(cell(5, 1), 8u);
    EXPECT_EQ(cell(20, 1), 0u);
    EXPECT_TRUE(editor->modified);
    // The window shows the painted block: the cell's pixels are the block strip's image 8.
    const Picture& strip = editor->pictures.blockStrip;
    EXPECT_EQ(shown(25, 10), strip.at(5, blockImageTop(8) + 6));
    EXPECT_EQ(shown(145, 10), strip.at(5, blockImageTop(8) + 6));
    // The status line was drawn (white text on the strip) after the moves.
    bool white = false;
    const QImage window = canvas->grab().toImage();
    for (int x = 188; x < 300 && !white; ++x) {
        for (int y = 378; y < 394 && !white; ++y) {
            white = window.pixel(x, y) == qRgb(255, 255, 255);
        }
    }
    EXPECT_TRUE(white);
}

TEST_F(QtEditing, APressOnThePalettePicksAndARightClickOnAButtonDoesNothing) {
    mouse(QEvent::MouseButtonPress, {60, 330}, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(editor->rightBlock, 2u);
    const Picture& strip = editor->pictures.blockStrip;
    EXPECT_EQ(shown(545, 372), strip.at(5, blockImageTop(2) + 4));

    mouse(QEvent::MouseMove, {140, 380}, Qt::NoButton, Qt::NoButton);
    mouse(QEvent::MouseButtonPress, {140, 380}, Qt::RightButton, Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, {140, 380}, Qt::RightButton, Qt::NoButton);
    EXPECT_FALSE(platform.mainWindow()->action(ID_EDIT_PASTEBOARD)->isEnabled());
}

TEST_F(QtEditing, AReleaseOverCopyCopiesAndEnablesPaste) {
    editor->boardSet.current().cells.fill(12);
    QTest::mouseMove(canvas, {140, 380});
    QTest::mousePress(canvas, Qt::LeftButton, {}, {140, 380});
    EXPECT_FALSE(platform.mainWindow()->action(ID_EDIT_PASTEBOARD)->isEnabled());
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, {140, 380});
    EXPECT_TRUE(platform.mainWindow()->action(ID_EDIT_PASTEBOARD)->isEnabled());
    EXPECT_EQ(editor->boardClipboard[0], 12u);
}

TEST_F(QtEditing, ArrowKeysMoveBetweenBoardsAndRewriteTheTitle) {
    editor->boardSet.lastBoardIndex = 2;
    editor->boardSet.boards[1].cells.fill(20);
    QTest::keyClick(canvas, Qt::Key_Right);
    EXPECT_EQ(editor->boardSet.currentBoard, 1);
    EXPECT_EQ(platform.mainWindow()->windowTitle(),
              "Untitled Board - BoardSet Editor for Plinkor 2 - Board: 2 of 3");
    EXPECT_EQ(shown(25, 10), editor->pictures.blockStrip.at(5, blockImageTop(20) + 6));
    QTest::keyClick(canvas, Qt::Key_Down);
    EXPECT_EQ(editor->boardSet.currentBoard, 2);
    QTest::keyClick(canvas, Qt::Key_Up);
    EXPECT_EQ(editor->boardSet.currentBoard, 0);
    EXPECT_EQ(platform.mainWindow()->windowTitle(),
              "Untitled Board - BoardSet Editor for Plinkor 2 - Board: 1 of 3");
}

} // namespace
} // namespace bse
