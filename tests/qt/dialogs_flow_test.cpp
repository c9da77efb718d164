#include "editor/editor.h"
#include "modal_user.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"
#include "shell/startup.h"

#include <QAction>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace bse {
namespace {

using test::whenDialogOpens;

// The dialogs of the Board and About menus, opened from the menu on the real desktop layer.
class QtDialogs : public ::testing::Test {
  protected:
    std::unique_ptr<Editor> editor = std::make_unique<Editor>();
    QtPlatform platform;
    void SetUp() override { ASSERT_TRUE(startEditor(*editor, platform)); }
    void choose(int command) { platform.mainWindow()->action(command)->trigger(); }
    static void click(QWidget& dialog, const char* id) {
        QPushButton* button = dialog.findChild<QPushButton*>(id);
        ASSERT_NE(button, nullptr) << id;
        button->click();
    }
};

TEST_F(QtDialogs, BackgroundIsTypedWithTheKeyboardAndKeptForTheBoard) {
    editor->boardSet.current().background = 7;
    QString shown;
    whenDialogOpens([&shown](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Pick Board Background");
        auto* field = dialog.findChild<QLineEdit*>("1003");
        ASSERT_NE(field, nullptr);
        shown = field->text();
        field->selectAll();
        QTest::keyClicks(field, "3x00"); // letters do not go in
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(field->text(), "255"); // the dialog stays open offering the largest
        QTest::keyClick(field, Qt::Key_Return);
    });
    choose(ID_BOARD_BACKGROUND);
    EXPECT_EQ(shown, "7");
    EXPECT_EQ(editor->boardSet.current().background, 255u);
    EXPECT_TRUE(editor->modified);
}

TEST_F(QtDialogs, JumpArrowsWrapOverTheBoardsAndOkShowsTheBoard) {
    editor->boardSet.lastBoardIndex = 2;
    QStringList steps;
    whenDialogOpens([&steps](QWidget& dialog) {
        auto* field = dialog.findChild<QLineEdit*>("1005");
        ASSERT_NE(field, nullptr);
        steps << field->text();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(field, Qt::Key_Up);
            steps << field->text();
        }
        QTest::keyClick(field, Qt::Key_Down);
        steps << field->text();
        click(dialog, "1");
    });
    choose(ID_BOARD_JUMP);
    EXPECT_EQ(steps, (QStringList{"1", "2", "3", "1", "3"}));
    EXPECT_EQ(editor->boardSet.currentBoard, 2);
    EXPECT_EQ(platform.mainWindow()->windowTitle(),
              "Untitled Board - BoardSet Editor for Plinkor 2 - Board: 3 of 3");
}

TEST_F(QtDialogs, AboutClosesOnALeftReleaseOnlyAndItsTextHasAShadow) {
    bool stayedOpen = false;
    whenDialogOpens([&stayedOpen](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Who done it!");
        QTest::keyClick(&dialog, Qt::Key_Return);
        QTest::mouseClick(&dialog, Qt::RightButton, {}, QPoint(100, 100));
        stayedOpen = dialog.isVisible();
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(100, 100));
    });
    choose(ID_ABOUT);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // White text pixels carry black 2 to the right and 1 below, unless more white is there.
    // (The artwork has white stars of its own: only pixels the text changed count.)
    const Picture& picture = editor->pictures.aboutPicture;
    const Picture original = platform.loadPicture(IDB_ABOUT).value();
    const Pixel white = rgb(255, 255, 255);
    int whites = 0;
    for (int y = 0; y < 318; ++y) {
        for (int x = 0; x < 422; ++x) {
            if (picture.at(x, y) != white || original.at(x, y) == white) {
                continue;
            }
            ++whites;
            const Pixel below = picture.at(x + 2, y + 1);
            ASSERT_TRUE(below == white || below == rgb(0, 0, 0)) << x << "," << y;
        }
    }
    EXPECT_GT(whites, 1000);
    // The first line starts at the top: white within the first rows, centred.
    int firstRow = -1;
    for (int y = 0; y < 40 && firstRow < 0; ++y) {
        for (int x = 0; x < 424; ++x) {
            if (picture.at(x, y) == white && original.at(x, y) != white) {
                firstRow = y;
                break;
            }
        }
    }
    EXPECT_GE(firstRow, 0);
    EXPECT_LT(firstRow, 6);
}

} // namespace
} // namespace bse
