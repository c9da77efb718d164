#include "editor/editor.h"
#include "editor/title.h"
#include "format/board_set_format.h"
#include "io/file_io.h"
#include "qt/canvas_widget.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"
#include "shell/startup.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWindow>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace bse {
namespace {

using Sent = std::tuple<Message, WParam, LParam>;

// A main window whose messages are only recorded.
struct RecordingWindow {
    std::vector<Sent> sent;
    MainWindow window{mainWindowTemplate(), [this](Message m, WParam w, LParam l) {
                          sent.emplace_back(m, w, l);
                          return true;
                      }};

    std::vector<Sent> take(Message only) {
        std::vector<Sent> picked;
        for (const Sent& s : sent) {
            if (std::get<0>(s) == only) {
                picked.push_back(s);
            }
        }
        sent.clear();
        return picked;
    }
};

// A drag entering the canvas and dropped there; whether the window took it.
bool dragAndDrop(QWidget* canvas, const QMimeData& data) {
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &enter);
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &drop);
    QApplication::processEvents();
    EXPECT_EQ(enter.isAccepted(), drop.isAccepted());
    return drop.isAccepted();
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, buttons,
                      modifiers);
    QApplication::sendEvent(widget, &event);
}

class QtEditor : public ::testing::Test {
  protected:
    std::unique_ptr<Editor> editor = std::make_unique<Editor>();
    QtPlatform platform;
    void SetUp() override { ASSERT_TRUE(startEditor(*editor, platform)); }
    MainWindow* window() { return platform.mainWindow(); }
};

TEST_F(QtEditor, StartsWithTheTitleAFixed640By400ClientAreaAndNoMaximise) {
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(window()->windowTitle(),
              "Untitled Board - BoardSet Editor for Plinkor 2 - Board: 1 of 1");
    EXPECT_EQ(window()->canvas()->size(), QSize(640, 400));
    EXPECT_EQ(window()->canvas()->mapTo(window(), QPoint(0, 0)).y(), window()->menuBar()->height());
    EXPECT_EQ(window()->minimumSize(), window()->maximumSize());
    const Qt::WindowFlags flags = window()->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window()->windowIcon().isNull());
    EXPECT_TRUE(window()->canvas()->hasMouseTracking());
}

TEST_F(QtEditor, TheVisibleTitleIsTheComposedOneWithControlCharactersShownAsPictures) {
    using namespace std::string_literals;
    const std::vector<std::pair<std::string, QString>> names{
        {"Level [*] one", "Level [*] one"},
        {"[*][*][*]x[*", "[*][*][*]x[*"},
        {"\x1b[31mred\x7f\x01\t\0end\xe9"s,
         QString::fromUtf16(u"\u241b[31mred\u2421\u2401\u2409\u2400end\u00e9")},
    };
    for (const auto& [name, shown] : names) {
        SCOPED_TRACE(name);
        editor->boardSet.boardSetName = name;
        updateTitle(*editor, platform);
        ASSERT_NE(window()->windowHandle(), nullptr);
        EXPECT_EQ(window()->windowHandle()->title(),
                  shown + " - BoardSet Editor for Plinkor 2 - Board: 1 of 1");
    }
}

TEST_F(QtEditor, MenuBarCarriesTheMenuWithPasteGreyed) {
    const QList<QAction*> bar = window()->menuBar()->actions();
    ASSERT_EQ(bar.size(), 4);
    EXPECT_EQ(bar[0]->text(), "&File");
    EXPECT_EQ(bar[1]->text(), "&Edit");
    EXPECT_EQ(bar[2]->text(), "&Board");
    EXPECT_EQ(bar[3]->text(), "&About");
    EXPECT_EQ(bar[3]->menu(), nullptr);
    QStringList edit;
    for (QAction* action : bar[1]->menu()->actions()) {
        edit << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(edit,
              (QStringList{"&Undo", "&Redo", "-", "&Copy Board", "&Paste Board", "-",
                           "C&lear Board", "&Add a Board", "&Insert Board", "&Delete Board"}));
    EXPECT_EQ(bar[0]->menu()->actions().size(), 9);
    EXPECT_EQ(bar[2]->menu()->actions().size(), 8);
    EXPECT_EQ(bar[2]->menu()->actions()[6]->text(), "Set Board Back&ground...");
    EXPECT_FALSE(window()->action(ID_EDIT_PASTEBOARD)->isEnabled());
    EXPECT_TRUE(window()->action(ID_EDIT_COPYBOARD)->isEnabled());
    EXPECT_EQ(window()->action(ID_ABOUT), bar[3]);
}

TEST_F(QtEditor, PaintShowsTheCanvas) {
    const QImage shown = window()->canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(640, 400));
    const Picture& canvas = editor->pictures.editorCanvas;
    int differing = 0;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 640; ++x) {
            differing += shown.pixel(x, y) != canvas.at(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
}

// The window's file path and modified state follow the editor's; the title stays its own.
TEST_F(QtEditor, ADroppedBoardSetOpensAndTheWindowKnowsItsFileAndChanges) {
    QTemporaryDir folder;
    BoardSet set;
    setDefaultStrings(set);
    set.boardSetName = "Dropped";
    const std::string path = folder.filePath("d.BDS").toStdString();
    ASSERT_TRUE(io::writeFileAtomically(path, encodeBoardSet(set)));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    EXPECT_TRUE(dragAndDrop(window()->canvas(), data));
    const QString title = "Dropped - BoardSet Editor for Plinkor 2 - Board: 1 of 1";
    EXPECT_EQ(window()->windowTitle(), title);
    EXPECT_EQ(window()->windowFilePath().toStdString(), path);
    EXPECT_FALSE(window()->isWindowModified());
    window()->send(WM_LBUTTONDOWN, MK_LBUTTON, makePointerParam(35, 10));
    EXPECT_TRUE(window()->isWindowModified());
    EXPECT_EQ(window()->windowTitle(), title);
}

TEST_F(QtEditor, EachTimerTickChangesTheWindowIcon) {
    const qint64 first = window()->windowIcon().cacheKey();
    window()->send(WM_TIMER, iconTimerId, 0); // frame 1 again: initialisation showed it
    window()->send(WM_TIMER, iconTimerId, 0);
    const qint64 second = window()->windowIcon().cacheKey();
    EXPECT_NE(first, second);
    EXPECT_EQ(editor->iconFrame, 3);
    const QImage shown = window()->windowIcon().pixmap(16, 16).toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32),
              QImage(":/icons/112.png").convertToFormat(QImage::Format_ARGB32));
}

TEST_F(QtEditor, TheCloseBoxAndFileExitEndTheLoopWithCodeZero) {
    QTimer::singleShot(0, [this] { window()->close(); });
    EXPECT_EQ(platform.runMessageLoop(), 0);

    QtPlatform second;
    auto other = std::make_unique<Editor>();
    ASSERT_TRUE(startEditor(*other, second));
    QTimer::singleShot(0, [&second] { second.mainWindow()->action(ID_FILE_EXIT)->trigger(); });
    EXPECT_EQ(second.runMessageLoop(), 0);
}

TEST(MainWindowEvents, MenuActionsAndArrowKeysArriveAsCommandAndKeyMessages) {
    RecordingWindow recording;
    recording.window.show();
    recording.window.action(ID_BOARD_NEXT)->trigger();
    recording.window.action(ID_ABOUT)->trigger();
    EXPECT_EQ(recording.take(WM_COMMAND),
              (std::vector<Sent>{{WM_COMMAND, 40028, 0}, {WM_COMMAND, 40012, 0}}));

    QWidget* canvas = recording.window.canvas();
    QTest::keyClick(canvas, Qt::Key_Left);
    QTest::keyClick(canvas, Qt::Key_Up);
    QTest::keyClick(canvas, Qt::Key_Right);
    QTest::keyClick(canvas, Qt::Key_Down);
    EXPECT_EQ(
        recording.take(WM_KEYDOWN),
        (std::vector<Sent>{
            {WM_KEYDOWN, 37, 0}, {WM_KEYDOWN, 38, 0}, {WM_KEYDOWN, 39, 0}, {WM_KEYDOWN, 40, 0}}));
}

TEST(MainWindowEvents, PointerMovesCarryPositionAndButtonState) {
    RecordingWindow recording;
    recording.window.show();
    QWidget* canvas = recording.window.canvas();
    struct Case {
        Qt::MouseButtons buttons;
        Qt::KeyboardModifiers modifiers;
        WParam state;
    };
    const Case cases[] = {
        {Qt::NoButton, Qt::NoModifier, 0},
        {Qt::LeftButton, Qt::NoModifier, 1},
        {Qt::RightButton, Qt::NoModifier, 2},
        {Qt::LeftButton | Qt::RightButton, Qt::NoModifier, 3},
        {Qt::LeftButton, Qt::ShiftModifier, 5},
        {Qt::LeftButton, Qt::ControlModifier, 9},
        {Qt::MiddleButton, Qt::NoModifier, 16},
        {Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, 14},
    };
    for (const Case& c : cases) {
        sendMouse(canvas, QEvent::MouseMove, QPoint(123, 45), Qt::NoButton, c.buttons, c.modifiers);
        EXPECT_EQ(recording.take(WM_MOUSEMOVE),
                  (std::vector<Sent>{{WM_MOUSEMOVE, c.state, makePointerParam(123, 45)}}));
    }
    // The corners of the client area arrive; a drag beyond it does not.
    sendMouse(canvas, QEvent::MouseMove, QPoint(639, 399), Qt::NoButton, Qt::LeftButton);
    sendMouse(canvas, QEvent::MouseMove, QPoint(0, 0), Qt::NoButton, Qt::LeftButton);
    sendMouse(canvas, QEvent::MouseMove, QPoint(640, 10), Qt::NoButton, Qt::LeftButton);
    sendMouse(canvas, QEvent::MouseMove, QPoint(10, -1), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(recording.take(WM_MOUSEMOVE),
              (std::vector<Sent>{{WM_MOUSEMOVE, 1, makePointerParam(639, 399)},
                                 {WM_MOUSEMOVE, 1, makePointerParam(0, 0)}}));
}

TEST(MainWindowEvents, PressesAndReleasesBecomeButtonMessages) {
    RecordingWindow recording;
    recording.window.show();
    QWidget* canvas = recording.window.canvas();
    sendMouse(canvas, QEvent::MouseButtonPress, QPoint(21, 5), Qt::LeftButton, Qt::LeftButton);
    sendMouse(canvas, QEvent::MouseButtonRelease, QPoint(140, 380), Qt::LeftButton, Qt::NoButton);
    sendMouse(canvas, QEvent::MouseButtonPress, QPoint(30, 30), Qt::RightButton, Qt::RightButton);
    sendMouse(canvas, QEvent::MouseButtonRelease, QPoint(30, 30), Qt::RightButton, Qt::NoButton);
    sendMouse(canvas, QEvent::MouseButtonDblClick, QPoint(30, 30), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(recording.sent, (std::vector<Sent>{
                                  {WM_LBUTTONDOWN, 1, makePointerParam(21, 5)},
                                  {WM_LBUTTONUP, 0, makePointerParam(140, 380)},
                                  {WM_RBUTTONDOWN, 2, makePointerParam(30, 30)},
                                  {WM_RBUTTONUP, 0, makePointerParam(30, 30)},
                                  {WM_LBUTTONDBLCLK, 1, makePointerParam(30, 30)},
                              }));
}

TEST(MainWindowEvents, OnlyOneLocalFileIsTakenFromADrop) {
    QTemporaryDir folder;
    const QUrl local = QUrl::fromLocalFile(folder.filePath("a.BDS"));
    const std::pair<const char*, QList<QUrl>> cases[] = {
        {"one local file", {local}},
        {"two files", {local, local}},
        {"a folder", {QUrl::fromLocalFile(folder.path())}},
        {"a web address", {QUrl("https://example.org/a.BDS")}},
        {"no address", {}},
    };
    for (const auto& [name, urls] : cases) {
        SCOPED_TRACE(name);
        RecordingWindow recording;
        recording.window.show();
        QMimeData data;
        data.setUrls(urls);
        data.setText(QStringLiteral("a.BDS"));
        const bool one = urls.size() == 1 && urls[0] == local;
        EXPECT_EQ(dragAndDrop(recording.window.canvas(), data), one);
        EXPECT_EQ(recording.take(WM_DROPFILES).size(), one ? 1U : 0U);
    }
}

TEST(MainWindowEvents, TheCloseBoxSendsCommandTwoAndKeepsTheWindowUntilAllowed) {
    RecordingWindow recording;
    recording.window.show();
    recording.window.close();
    EXPECT_EQ(recording.take(WM_COMMAND), (std::vector<Sent>{{WM_COMMAND, 2, 0}}));
    EXPECT_TRUE(recording.window.isVisible());
    recording.window.allowClose();
    recording.window.close();
    EXPECT_FALSE(recording.window.isVisible());
    EXPECT_TRUE(recording.take(WM_COMMAND).empty());
}

} // namespace
} // namespace bse
