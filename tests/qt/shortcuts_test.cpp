#include "qt/canvas_widget.h"
#include "qt/main_window.h"

#include <QAction>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace bse {
namespace {

TEST(Shortcuts, EachKeySendsItsMenuCommandAndTheMenuShowsIt) {
    std::vector<std::pair<Message, WParam>> sent;
    MainWindow window(mainWindowTemplate(), [&sent](Message message, WParam wParam, LParam) {
        sent.emplace_back(message, wParam);
        return true;
    });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.action(ID_EDIT_UNDO)->setEnabled(true);
    window.action(ID_EDIT_REDO)->setEnabled(true);

    struct Case {
        QKeyCombination keys;
        int commandId;
        bool shownInMenu; // the first of the command's keys
    };
    const Case cases[] = {
        {Qt::CTRL | Qt::Key_N, ID_FILE_NEW, true},
        {Qt::CTRL | Qt::Key_O, ID_FILE_OPEN, true},
        {Qt::CTRL | Qt::Key_S, ID_FILE_SAVE, true},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_S, ID_FILE_SAVEAS, true},
        {Qt::CTRL | Qt::Key_Q, ID_FILE_EXIT, true},
        {Qt::CTRL | Qt::Key_C, ID_EDIT_COPYBOARD, true},
        {Qt::CTRL | Qt::Key_V, ID_EDIT_PASTEBOARD, true},
        {QKeyCombination(Qt::Key_PageUp), ID_BOARD_PREVIOUS, true},
        {QKeyCombination(Qt::Key_PageDown), ID_BOARD_NEXT, true},
        {QKeyCombination(Qt::Key_Home), ID_BOARD_FIRST, true},
        {QKeyCombination(Qt::Key_End), ID_BOARD_LAST, true},
        {Qt::CTRL | Qt::Key_Z, ID_EDIT_UNDO, true},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, ID_EDIT_REDO, true},
        {Qt::CTRL | Qt::Key_Y, ID_EDIT_REDO, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QKeySequence(c.keys).toString().toStdString());
        sent.clear();
        QTest::keyClick(window.canvas(), c.keys.key(), c.keys.keyboardModifiers());
        EXPECT_EQ(sent, (std::vector<std::pair<Message, WParam>>{
                            {WM_COMMAND, static_cast<WParam>(c.commandId)}}));
        const QKeySequence shown = window.action(c.commandId)->shortcut();
        EXPECT_EQ(shown == QKeySequence(c.keys), c.shownInMenu);
    }
    // Greyed, Undo's keys do nothing but reach the canvas as before.
    window.action(ID_EDIT_UNDO)->setEnabled(false);
    sent.clear();
    QTest::keyClick(window.canvas(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(sent, (std::vector<std::pair<Message, WParam>>{{WM_KEYDOWN, 'Z'}}));
}

} // namespace
} // namespace bse
