#include "qt/dialog_builder.h"
#include "qt/qt_platform.h"
#include "support/golden.h"
#include "view/picture.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

namespace bse {
namespace {

using Sent = std::tuple<Message, WParam, LParam>;

// A dialog run for real through QtPlatform::runDialog. The procedure records every message but
// WM_PAINT, shows the dialog on WM_INITDIALOG and then, with the modal loop running, hands it to
// the script. Whatever the script leaves open is ended with -1, so a failing test cannot hang.
struct ScriptedDialog {
    std::function<void(TemplateDialog&)> setUp;  // on WM_INITDIALOG, before show()
    std::function<void(TemplateDialog&)> script; // with the dialog up
    // Extra handling of a message; true when it ended the message.
    std::function<bool(TemplateDialog&, Message, WParam, LParam)> react;
    std::vector<Sent> sent;
    int paints = 0;
    bool visibleAtInit = true;
    bool controlsAtInit = false;

    int run(QtPlatform& platform, const DialogTemplate& dialogTemplate) {
        const DialogProc procedure = [this](DialogWindow& window, Message message, WParam wParam,
                                            LParam lParam) {
            auto& dialog = dynamic_cast<TemplateDialog&>(window);
            if (message == WM_PAINT) {
                ++paints;
            } else {
                sent.emplace_back(message, wParam, lParam);
            }
            if (react && react(dialog, message, wParam, lParam)) {
                return true;
            }
            if (message == WM_INITDIALOG) {
                visibleAtInit = dialog.isVisible();
                controlsAtInit = dialog.findChildren<QWidget*>().size() > 0;
                if (setUp) {
                    setUp(dialog);
                }
                dialog.show();
                QTimer::singleShot(0, &dialog, [this, &dialog] {
                    if (script) {
                        script(dialog);
                    }
                    dialog.end(-1);
                });
            }
            return true;
        };
        return platform.runDialog(dialogTemplate, procedure);
    }

    // The messages of one kind, in order.
    std::vector<Sent> only(Message message) const {
        std::vector<Sent> picked;
        for (const Sent& s : sent) {
            if (std::get<0>(s) == message) {
                picked.push_back(s);
            }
        }
        return picked;
    }
};

Sent command(int id) {
    return {WM_COMMAND, static_cast<WParam>(id), 0};
}

template <typename T> T* child(QWidget& dialog, int controlId) {
    return dialog.findChild<T*>(QString::number(controlId));
}

// Object names of the controls the Tab key visits, from the first one round.
QStringList tabOrder(QWidget& dialog) {
    QStringList names;
    QWidget* first = nullptr;
    for (QWidget* at = dialog.nextInFocusChain(); at != &dialog; at = at->nextInFocusChain()) {
        if ((at->focusPolicy() & Qt::TabFocus) != 0) {
            if (at == first) {
                break;
            }
            first = first == nullptr ? at : first;
            names << at->objectName();
        }
    }
    return names;
}

// A built dialog as text: its window, then every control in the order made, then the tab order.
std::string describe(TemplateDialog& dialog) {
    const auto rect = [](const QRect& r) {
        return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    const Qt::WindowFlags flags = dialog.windowFlags();
    QString text = QString("\"%1\" %2%3%4%5%6\n")
                       .arg(dialog.windowTitle(), rect(dialog.rect()))
                       .arg(dialog.minimumSize() == dialog.maximumSize() ? " fixed" : "")
                       .arg(dialog.isModal() ? " modal" : "")
                       .arg(flags & Qt::WindowCloseButtonHint ? " close-box" : "")
                       .arg(flags & (Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint)
                                ? " maximise-or-help"
                                : "");
    for (QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QString shown;
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            shown = button->text() + (button->isDefault() ? " (default)" : "");
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            shown = edit->text();
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            shown = label->text();
            // The desktop's font is wider than the template's; no label may lose its end.
            if (label->fontMetrics().size(0, shown).width() > label->contentsRect().width()) {
                shown += " (cut)";
            }
        } else if (auto* upDown = qobject_cast<UpDownControl*>(control)) {
            shown = "arrows " + rect(upDown->upArrow()->geometry()) + " and " +
                    rect(upDown->downArrow()->geometry());
        }
        text += QString("  %1 %2 %3 focus %4 \"%5\"\n")
                    .arg(control->objectName(), control->metaObject()->className(),
                         rect(control->geometry()))
                    .arg(static_cast<int>(control->focusPolicy()))
                    .arg(shown);
    }
    return (text + "  tab order: " + tabOrder(dialog).join(' ') + "\n").toStdString();
}

// Every template built into widgets at the program's dialog units; the procedure sees it on
// WM_INITDIALOG with its controls made but not yet shown.
TEST(TemplateDialogBuild, EveryTemplateBuildsItsWindowAndControls) {
    QtPlatform platform;
    std::string text;
    for (const DialogTemplate* dialogTemplate :
         {&boardSetInfoTemplate(), &backgroundTemplate(), &jumpToTemplate(), &aboutTemplate()}) {
        ScriptedDialog run;
        run.script = [&text](TemplateDialog& dialog) { text += describe(dialog); };
        EXPECT_EQ(run.run(platform, *dialogTemplate), -1);
        EXPECT_EQ(run.sent.front(), (Sent{WM_INITDIALOG, 0, 0}));
        EXPECT_FALSE(run.visibleAtInit);
        text += run.controlsAtInit ? "  controls made before WM_INITDIALOG\n" : "";
    }
    test::expectGolden("qt/dialogs.txt", text);
}

TEST(TemplateDialogInput, ButtonsEnterEscapeAndTheCloseBoxOnlyReportUntilTheProcedureEnds) {
    QtPlatform platform;
    ScriptedDialog run;
    bool stayedOpen = false;
    run.script = [&stayedOpen](TemplateDialog& dialog) {
        auto* name = child<QLineEdit>(dialog, IDC_BOARDSETNAME);
        auto* ok = child<QPushButton>(dialog, IDOK);
        auto* cancel = child<QPushButton>(dialog, IDCANCEL);
        ASSERT_TRUE(name && ok && cancel);
        QTest::keyClick(name, Qt::Key_Return);
        QTest::keyClick(name, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(name, Qt::Key_Escape);
        dialog.close();
        QTest::mouseClick(cancel, Qt::LeftButton);
        QTest::mouseClick(ok, Qt::LeftButton);
        // Enter on a button presses that button, as it did on the first platform.
        QTest::keyClick(cancel, Qt::Key_Return);
        // Qt's own ways out are not the procedure's.
        dialog.accept();
        dialog.reject();
        stayedOpen = dialog.isVisible();
        dialog.end(5);
        dialog.end(6); // the first end stands
    };
    EXPECT_EQ(run.run(platform, boardSetInfoTemplate()), 5);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(run.sent, (std::vector<Sent>{{WM_INITDIALOG, 0, 0},
                                           command(IDOK),
                                           command(IDOK),
                                           command(IDCANCEL),
                                           command(IDCANCEL),
                                           command(IDCANCEL),
                                           command(IDOK),
                                           command(IDCANCEL),
                                           {WM_DESTROY, 0, 0}}));
}

TEST(TemplateDialogInput, TheProcedureCanEndFromACommandOrFromTheCloseBox) {
    QtPlatform platform;
    for (const bool useCloseBox : {false, true}) {
        ScriptedDialog run;
        run.react = [](TemplateDialog& dialog, Message message, WParam wParam, LParam) {
            if (message == WM_COMMAND) {
                dialog.end(static_cast<int>(wParam));
                return true;
            }
            return false;
        };
        bool hidden = false;
        run.script = [&](TemplateDialog& dialog) {
            if (useCloseBox) {
                dialog.close();
            } else {
                QTest::mouseClick(child<QPushButton>(dialog, IDOK), Qt::LeftButton);
            }
            hidden = !dialog.isVisible();
        };
        EXPECT_EQ(run.run(platform, backgroundTemplate()), useCloseBox ? IDCANCEL : IDOK);
        EXPECT_TRUE(hidden);
        EXPECT_EQ(run.sent.back(), (Sent{WM_DESTROY, 0, 0}));
        EXPECT_EQ(run.only(WM_COMMAND).size(), 1u);
    }
}

TEST(TemplateDialogText, EditsHoldLongWindows1252TextAndNumbers) {
    QtPlatform platform;
    ScriptedDialog run;
    std::string read;
    std::string author;
    run.setUp = [](TemplateDialog& dialog) { dialog.setItemText(IDC_AUTHORNAME, "Caf\xE9"); };
    run.react = [&](TemplateDialog& dialog, Message message, WParam wParam, LParam) {
        if (message == WM_COMMAND && wParam == IDOK) {
            read = dialog.itemText(IDC_BOARDSETNAME, 200);
            author = dialog.itemText(IDC_AUTHORNAME, 200);
            dialog.end(IDOK);
            return true;
        }
        return false;
    };
    QString shownAuthor;
    run.script = [&](TemplateDialog& dialog) {
        auto* name = child<QLineEdit>(dialog, IDC_BOARDSETNAME);
        auto* writer = child<QLineEdit>(dialog, IDC_AUTHORNAME);
        ASSERT_TRUE(name && writer);
        shownAuthor = writer->text();
        QTest::keyClick(writer, Qt::Key_Space);
        // A key whose character is outside Latin-1: the euro sign.
        QKeyEvent euro(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(0x20AC)));
        QApplication::sendEvent(writer, &euro);
        QTest::keyClicks(name, QString(250, QLatin1Char('x')));
        EXPECT_EQ(name->text().size(), 250);
        EXPECT_EQ(dialog.itemText(IDC_BOARDSETNAME, 1), "");
        EXPECT_EQ(dialog.itemText(IDC_BOARDSETNAME, 0), "");
        EXPECT_EQ(dialog.itemText(IDC_BOARDSETNAME, 1000).size(), 250u);
        QTest::keyClick(name, Qt::Key_Return);
    };
    EXPECT_EQ(run.run(platform, boardSetInfoTemplate()), IDOK);
    EXPECT_EQ(read, std::string(199, 'x'));
    EXPECT_EQ(shownAuthor, QString::fromUtf8("Caf\xC3\xA9"));
    EXPECT_EQ(author, "Caf\xE9 \x80");

    ScriptedDialog numbers;
    numbers.script = [](TemplateDialog& dialog) {
        auto* edit = child<QLineEdit>(dialog, IDC_BACKGROUND);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(dialog.itemNumber(IDC_BACKGROUND), 0u);
        QTest::keyClicks(edit, "1a2 -3.");
        EXPECT_EQ(edit->text(), "123");
        EXPECT_EQ(dialog.itemNumber(IDC_BACKGROUND), 123u);
        dialog.setItemNumber(IDC_BACKGROUND, 4000000000u);
        EXPECT_EQ(edit->text(), "4000000000");
        EXPECT_EQ(dialog.itemNumber(IDC_BACKGROUND), 4000000000u);
        dialog.setItemText(IDC_BACKGROUND, "4294967296");
        EXPECT_EQ(dialog.itemNumber(IDC_BACKGROUND), std::nullopt);
        // Texts set by the program are not checked; they are just no number.
        dialog.setItemText(IDC_BACKGROUND, "7x");
        EXPECT_EQ(dialog.itemNumber(IDC_BACKGROUND), 0u);
    };
    numbers.run(platform, backgroundTemplate());
}

// The arrows and the arrow keys step the buddy over the range the procedure set, wrapping as the
// template says (the stepping itself is the platform layer's); they send no command.
TEST(TemplateDialogUpDown, ArrowsAndArrowKeysStepTheBuddy) {
    QtPlatform platform;
    ScriptedDialog run;
    run.setUp = [](TemplateDialog& dialog) {
        dialog.setUpDownRange(IDC_JUMPSPIN, 1, 3);
        dialog.setItemNumber(IDC_JUMPBOARD, 3);
    };
    QStringList shown;
    run.script = [&shown](TemplateDialog& dialog) {
        auto* edit = child<QLineEdit>(dialog, IDC_JUMPBOARD);
        auto* upDown = child<UpDownControl>(dialog, IDC_JUMPSPIN);
        ASSERT_TRUE(edit && upDown);
        QTest::mouseClick(upDown->upArrow(), Qt::LeftButton);
        shown << edit->text();
        QTest::mouseClick(upDown->downArrow(), Qt::LeftButton);
        shown << edit->text();
        QTest::keyClick(edit, Qt::Key_Down);
        shown << edit->text();
        QTest::keyClick(edit, Qt::Key_Up);
        shown << edit->text();
    };
    run.run(platform, jumpToTemplate());
    EXPECT_EQ(shown, (QStringList{"1", "3", "2", "3"}));
    EXPECT_TRUE(run.only(WM_COMMAND).empty());
}

TEST(TemplateDialogAbout, ReleasesPaintsIconPositionAndEnd) {
    QtPlatform platform;
    Picture picture(425, 320);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            picture.set(x, y, rgb(x & 0xff, y & 0xff, 0x80 | (x >> 8)));
        }
    }
    ScriptedDialog run;
    run.setUp = [](TemplateDialog& dialog) {
        dialog.setBigIcon(IDI_APPICON);
        dialog.setBigIcon(999); // no such icon: the old one stays
        dialog.move(100, 120);
    };
    run.react = [&picture](TemplateDialog& dialog, Message message, WParam, LParam) {
        if (message == WM_PAINT) {
            dialog.paintPicture(picture);
            return true;
        }
        return false;
    };
    QImage shown;
    Rect frame;
    QImage icon;
    int paintsBefore = 0;
    bool repainted = false;
    run.script = [&](TemplateDialog& dialog) {
        EXPECT_EQ(dialog.size(), QSize(425, 320));
        EXPECT_TRUE(dialog.findChildren<QWidget*>().isEmpty());
        frame = dialog.frame();
        icon = dialog.windowIcon().pixmap(48, 48).toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint at(30, 40);
        QTest::mousePress(&dialog, Qt::LeftButton, {}, at);
        QTest::mouseRelease(&dialog, Qt::LeftButton, {}, at);
        QTest::mousePress(&dialog, Qt::RightButton, {}, at);
        QTest::mouseRelease(&dialog, Qt::RightButton, {}, at);
        QTest::mouseRelease(&dialog, Qt::LeftButton, {}, QPoint(424, 319));
        QTest::mouseRelease(&dialog, Qt::LeftButton, {}, QPoint(425, 10)); // beyond the client
        // No buttons at all: Enter is still OK and Escape still Cancel.
        QTest::keyClick(&dialog, Qt::Key_Return);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        shown = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
        paintsBefore = run.paints;
        dialog.invalidate({10, 10, 50, 30});
        repainted = QTest::qWaitFor([&] { return run.paints > paintsBefore; }, 2000);
        dialog.end(5);
    };
    EXPECT_EQ(run.run(platform, aboutTemplate()), 5);
    EXPECT_EQ(run.only(WM_LBUTTONUP),
              (std::vector<Sent>{{WM_LBUTTONUP, 0, makePointerParam(30, 40)},
                                 {WM_LBUTTONUP, 0, makePointerParam(424, 319)}}));
    EXPECT_EQ(run.only(WM_COMMAND), (std::vector<Sent>{command(IDOK), command(IDCANCEL)}));
    EXPECT_EQ(run.sent.back(), (Sent{WM_DESTROY, 0, 0}));
    EXPECT_TRUE(repainted);

    EXPECT_EQ(frame.left, 100);
    EXPECT_EQ(frame.top, 120);
    EXPECT_GE(frame.width(), 425);
    EXPECT_GE(frame.height(), 320);
    EXPECT_EQ(
        icon,
        QIcon(":/icons/105.png").pixmap(48, 48).toImage().convertToFormat(QImage::Format_RGB32));

    ASSERT_EQ(shown.size(), QSize(425, 320));
    int differing = 0;
    for (int y = 0; y < 320; ++y) {
        for (int x = 0; x < 425; ++x) {
            differing += shown.pixel(x, y) != picture.at(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
}

} // namespace
} // namespace bse
