// The Qt layer as the user meets it. Each file of tests/data/qt/ holds scenarios: "== name", then
// "> action" lines, each followed by the messages the main window or the dialog procedure got
// ("WM_...") and what the action showed; "# " lines are notes. The test replays the actions and
// compares the whole text; BSE_UPDATE_GOLDEN=1 rewrites the files, to be read before committing.
// While a modal dialog or box is up, the next actions act on it. The actions (X Y: pixels in the
// canvas or dialog; NAME: a control's id or Qt object name; BYTES: %XX for bytes and blanks;
// Qt's names of events, buttons and modifiers, "|" between flags):
//   window | editor            a main window that only records | the editor, started on QtPlatform
//   mouse EVENT X Y BUTTONS [MODIFIERS [NAME]]   a mouse event on NAME, else the canvas or dialog
//   context X Y NAME           the context menu asked for on NAME
//   tip X Y                    the canvas's tooltip there
//   key KEYS... [NAME]         "Ctrl+Shift+Z", "Num+Enter"... to NAME, else the dialog or canvas
//   click NAME | type NAME BYTES | fill NAME BYTES | text NAME    controls; "type" gives the text
//                              as an input method does, "fill" sets it
//   menu-item ID 0|1 TEXT TIP  a menu item named, shown or hidden
//   menu ID | close | allow-close | enable ID 0|1 | title BYTES | icon N | loop
//   drop FILE|URL...           a drag of these (files in the test's folder) dropped on the canvas
//   dialog info|background|jump|about [ends]     runDialog; with "ends" the procedure ends the
//                              dialog on any command. Then: set ID BYTES | read ID MAX... |
//                              set-number ID N | number ID | range ID LO HI | place X Y |
//                              big-icon N | invalidate L T R B | end N [N] | accept | reject
//   open|import|open-text|save   a file dialog. Then: list COUNT | filter NAME
//   ask|refuse|fail BYTES      a message box. Then: answer BUTTON
//   refuse-details TEXT | DETAILS    a refusal with its details
//   show [menu] | grab         the top window as text | its pixels against the picture painted
//   draw L T R B Left|Centre BYTES   white text drawn on grey: where it landed, and how
//   round-trip BYTES | to-1252 TEXT | to-1252-units HEX... | path BYTES | picture N
//                              Windows-1252 (from UTF-8 or UTF-16 units), paths, pictures
//   cursor wait|arrow          QtPlatform::setCursor, and whether a cursor overrides the others
//   reader                     the editor's screen reader installed: what it announces is shown
//   accessible [boards] [CHILD...]   the accessible object of the overview's boards (else the
//                              canvas), or of its
//                              child by index, with its children (only those selected or focused
//                              when over 12) and its focused child
//   overview COUNT FRAME | framed   the overview window: shown with plain tiles | which are framed,
//                              and where the highlight is
#include "editor/editor.h"
#include "editor/file_commands.h"
#include "editor/screen_reading.h"
#include "qt/accessibility.h"
#include "qt/dialog_builder.h"
#include "qt/main_window.h"
#include "qt/overview_window.h"
#include "qt/picture_loader.h"
#include "qt/qt_platform.h"
#include "qt/text_codec.h"
#include "shell/startup.h"
#include "support/golden.h"
#include "view/board_tile.h"

#include <QTest>
#include <QtWidgets>

namespace bse::test {
namespace {

std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << text.toStdString();
}

std::ostream& operator<<(std::ostream& out, const std::optional<unsigned>& number) {
    return number ? out << *number : out << "none";
}

template <typename... Parts> std::string cat(const Parts&... parts) {
    std::ostringstream out;
    ((out << std::boolalpha << parts), ...);
    return out.str();
}

std::string bytes(const std::string& text) {
    return QByteArray::fromPercentEncoding(text.c_str()).toStdString();
}

std::string percent(const std::string& b) {
    return cat(b.size(), " bytes ",
               QByteArray::fromStdString(b).toPercentEncoding("?/").toStdString());
}

std::string rect(const QRect& r) {
    return cat(r.x(), ',', r.y(), ' ', r.width(), 'x', r.height());
}

// Qt's name of a value, or of each of its flags.
template <typename E> std::string key(E value) {
    const QMetaEnum names = QMetaEnum::fromType<E>();
    return names.valueToKey(int(value)) ? names.valueToKey(int(value))
                                        : names.valueToKeys(int(value)).toStdString();
}

// Which of the program's icons this is, by its pixels.
std::string iconName(const QIcon& icon) {
    int id = 100;
    for (; id < 130 && QIcon(QString(":/icons/%1.png").arg(id)).pixmap(32).toImage() !=
                           icon.pixmap(32).toImage();
         ++id) {
    }
    return icon.isNull() ? "none" : id < 130 ? cat(id) : "other";
}

std::string menuBar(MainWindow& window) { // each item with its keys, the first being the one shown
    std::string text;
    for (QAction* entry : window.menuBar()->actions()) {
        text += cat(entry->menu() ? "  menu " : "  command ", entry->text(), '\n');
        for (QAction* item : entry->menu() ? entry->menu()->actions() : QList<QAction*>()) {
            const QString keys = QKeySequence::listToString(item->shortcuts());
            text += cat("    ", item->isSeparator() ? "-" : item->text(),
                        keys.isEmpty() ? "" : "  ", keys, item->isCheckable() ? " checkable" : "",
                        item->isEnabled() ? "\n" : " greyed\n");
            for (QAction* sub : item->menu() ? item->menu()->actions() : QList<QAction*>()) {
                text +=
                    sub->isVisible()
                        ? cat("      ", sub->isSeparator() ? "-" : sub->text(),
                              sub->statusTip().isEmpty() ? QString() : "  tip " + sub->toolTip(),
                              '\n')
                        : "";
            }
        }
    }
    return text;
}

std::string controls(QWidget& dialog) {
    std::string text;
    for (QWidget* c : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString shown = c->property("text").toString();
        auto* arrows = qobject_cast<UpDownControl*>(c);
        // The desktop's font is wider than the template's; no label may lose its end.
        const bool cut = qobject_cast<QLabel*>(c) &&
                         c->fontMetrics().size(0, shown).width() > c->contentsRect().width();
        text += cat("  ", c->objectName(), ' ', c->metaObject()->className(), ' ',
                    rect(c->geometry()), ' ', key(c->focusPolicy()),
                    c->property("default").toBool() ? " default" : "", cut ? " cut" : "",
                    arrows ? cat(" arrows ", key(arrows->upArrow()->arrowType()), ' ',
                                 rect(arrows->upArrow()->geometry()), " and ",
                                 key(arrows->downArrow()->arrowType()), ' ',
                                 rect(arrows->downArrow()->geometry()))
                           : cat(" \"", shown, "\""),
                    '\n');
    }
    text += "  tab order:";
    for (QWidget* at = dialog.nextInFocusChain(); at != &dialog; at = at->nextInFocusChain()) {
        text += at->focusPolicy() & Qt::TabFocus ? cat(' ', at->objectName()) : "";
    }
    return text + '\n';
}

QStringList shownFilters(QFileDialog& files) {
    QStringList texts;
    auto* types = files.findChild<QComboBox*>("fileTypeCombo");
    for (int i = 0; types && i < types->count(); ++i) {
        texts << types->itemText(i);
    }
    return texts;
}

std::string dump(QWidget& top, bool menu) {
    if (auto* box = qobject_cast<QMessageBox*>(&top)) {
        return cat("box \"", box->windowTitle(), "\" ", key(box->icon()), ' ',
                   key(box->textFormat()), ' ', key(box->standardButtons()), " default ",
                   box->defaultButton()->text(), "\n  ", box->text().replace('\n', "\\n"), '\n',
                   box->detailedText().isEmpty() ? ""
                                                 : cat("  details ", box->detailedText(), '\n'));
    }
    if (auto* files = qobject_cast<QFileDialog*>(&top)) {
        return cat("file dialog \"", files->windowTitle(), "\" ", key(files->acceptMode()), ' ',
                   key(files->options()), " suffix \"", files->defaultSuffix(), "\"\n  filters ",
                   files->nameFilters().join(" | "), ", selected ", files->selectedNameFilter(),
                   "\n  shown ", shownFilters(*files).join(" | "), '\n');
    }
    const std::string text = cat(
        '"', top.windowHandle()->title(), "\" ", top.width(), 'x', top.height(),
        top.minimumSize() == top.maximumSize() ? " fixed" : "", top.isVisible() ? "" : " hidden",
        top.isModal() ? " modal " : " ", key(top.windowFlags()), " icon ",
        iconName(qobject_cast<MainWindow*>(&top) && top.windowHandle()
                     ? top.windowHandle()->icon() // the animation sets the window's alone
                     : top.windowIcon()));
    if (auto* dialog = qobject_cast<TemplateDialog*>(&top)) {
        const Rect frame = dialog->frame();
        return cat(text, ", frame ", rect({frame.left, frame.top, frame.width(), frame.height()}),
                   '\n', controls(top));
    }
    auto& window = dynamic_cast<MainWindow&>(top);
    const QWidget* canvas = window.centralWidget();
    return cat(text, "\n  file \"", top.windowFilePath(), "\" modified ", top.isWindowModified(),
               ", canvas ", rect({canvas->mapTo(&top, QPoint()), canvas->size()}),
               " under a menu bar ", window.menuBar()->height(), " high, mouse tracking ",
               canvas->hasMouseTracking(), '\n', menu ? menuBar(window) : "");
}

std::string message(Message m, WParam w, LParam l, const std::string& note, HeldModifiers held) {
    static const std::map<Message, const char*> names{
#define NAMED(m) {m, #m + 4} // "BSE_WM_..." printed as "WM_..."
        NAMED(BSE_WM_DESTROY),        NAMED(BSE_WM_KEYDOWN),       NAMED(BSE_WM_KEYUP),
        NAMED(BSE_WM_INITDIALOG),     NAMED(BSE_WM_COMMAND),       NAMED(BSE_WM_MOUSEMOVE),
        NAMED(BSE_WM_LBUTTONDOWN),    NAMED(BSE_WM_LBUTTONUP),     NAMED(BSE_WM_LBUTTONDBLCLK),
        NAMED(BSE_WM_RBUTTONDOWN),    NAMED(BSE_WM_RBUTTONUP),     NAMED(BSE_WM_RBUTTONDBLCLK),
        NAMED(BSE_WM_MBUTTONDOWN),    NAMED(BSE_WM_MBUTTONUP),     NAMED(BSE_WM_MBUTTONDBLCLK),
        NAMED(BSE_WM_DROPFILES),      NAMED(BSE_WM_APP_CLIPBOARD), NAMED(BSE_WM_OVERVIEW_KEY),
        NAMED(BSE_WM_OVERVIEW_CLICK), NAMED(BSE_WM_OVERVIEW_DROP), NAMED(BSE_WM_OVERVIEW_MENU)};
    const bool pointer = m >= BSE_WM_MOUSEMOVE && m <= BSE_WM_MBUTTONDBLCLK;
    const bool shift = m == BSE_WM_KEYDOWN && held == HeldModifiers::Shift;
    const bool control = m == BSE_WM_KEYDOWN && held == HeldModifiers::Control;
    return cat(names.at(m), ' ', w, pointer ? cat(" at ", pointerX(l), ',', pointerY(l)) : "",
               shift ? " with Shift" : "", control ? " with Ctrl" : "",
               m == BSE_WM_OVERVIEW_KEY ? cat(" in rows of ", l) : "",
               m == BSE_WM_OVERVIEW_DROP ? cat(" before ", l) : "",
               note.empty() ? "" : cat(" (", note, ')'));
}

const char* answers[] = {"Yes", "No", "Cancel"};
using Buttons = QMessageBox::StandardButtons;

FileDialogOptions textFilterThird() { // and the name of that filter leaves its patterns out
    FileDialogOptions options = openDialogOptions();
    options.filters.push_back({"Text", "*.txt;*.TXT"});
    options.filterIndex = 3;
    return options;
}

class Scenarios {
  public:
    Scenarios() {
        for (const char* name : {"a.BDS", "b.bds", "c.txt", "BOARDS"}) {
            QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
        }
        QFile::copy(QString::fromStdString(dataPath("qt/dropped.BDS")), folder.filePath("d.BDS"));
        QObject::connect(&timer, &QTimer::timeout, [this] { poll(); });
        QDir::setCurrent(folder.path()); // where file dialogs start and drops come from
    }

    std::string replay(const std::string& name) {
        std::ifstream file(dataPath(name));
        log.clear();
        for (std::string line; std::getline(file, line);) {
            if (line.starts_with("== ") && !actions.empty()) {
                run();
            }
            if (line.starts_with("== ") || line.starts_with("> ") || line.starts_with("# ")) {
                actions.push_back(line);
            }
        }
        run();
        return QString::fromStdString(log).replace(folder.path(), "TMP").toStdString();
    }

  private:
    void run() {
        platform = std::make_unique<QtPlatform>();
        picture = *platform->loadPicture(IDB_ABOUT);
        timer.start(1);
        EXPECT_TRUE(QTest::qWaitFor([this] { return actions.empty() && underWay.empty(); }, 20000));
        timer.stop();
        platform.reset();
        editor.reset();
        installScreenReader({});
        listenToScreenChanges(nullptr);
    }

    // Polled: starts the next action unless the one under way is busy with anything but a new
    // modal window, whose turn it then is. Each action runs from a timer of its own: Qt does not
    // fire a timer inside its own handler.
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (starting || (!underWay.empty() && underWay.back() == modal)) {
            return;
        }
        if (actions.empty() && !underWay.empty()) { // a window left open must not hang the test
            line("(left open)");
            auto* templated = qobject_cast<TemplateDialog*>(modal);
            if (templated) {
                templated->end(-1);
            } else if (modal) {
                modal->close();
            } else {
                QCoreApplication::exit(-1);
            }
        }
        starting = !actions.empty();
        if (starting) {
            QTimer::singleShot(0, &timer, [this, modal] { act(modal); });
        }
    }

    void act(QWidget* modal) {
        const std::string next = actions.front();
        actions.erase(actions.begin());
        line(next);
        const std::string action = next.starts_with("> ") ? next.substr(2) : "";
        const std::string verb = action.substr(0, action.find(' '));
        text = action.substr(std::min(action.size(), verb.size() + 1));
        std::istringstream split(text);
        words.assign(std::istream_iterator<std::string>(split),
                     std::istream_iterator<std::string>());
        underWay.push_back(modal);
        starting = false;
        read = 0;
        verbs.contains(verb) ? verbs.at(verb)() : verb.empty() ? void() : ADD_FAILURE() << next;
        EXPECT_EQ(read, words.size()) << "words not read: " << next;
        underWay.pop_back();
    }

    void line(const std::string& text) { log += text + '\n'; }
    static std::string told(QAccessibleInterface* node) {
        const QAccessible::State state = node->state();
        return cat(key(node->role()), " \"", node->text(QAccessible::Name), '"',
                   state.selected ? " selected" : "", state.focused ? " focused" : "");
    }
    void accessible() {
        const bool boards = !words.empty() && word(0) == "boards";
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(
            boards ? platform->overviewWindow()->boards() : canvas());
        for (std::size_t i = boards ? 1 : 0; i < words.size() && node != nullptr; ++i) {
            node = node->child(n(i));
        }
        if (node == nullptr) {
            return line("none");
        }
        line(cat(told(node), ", ", node->childCount(), " children"));
        for (int i = 0; i < node->childCount(); ++i) {
            const QAccessible::State state = node->child(i)->state();
            if (node->childCount() <= 12 || state.selected || state.focused) {
                line(cat("  ", i, ' ', told(node->child(i))));
            }
        }
        if (QAccessibleInterface* focus = node->focusChild()) {
            line("  focus " + told(focus));
        }
    }
    const std::string& word(std::size_t i) { return read = std::max(read, i + 1), words.at(i); }
    const std::string& all() { return read = words.size(), text; }
    int n(std::size_t i) { return std::stoi(word(i)); }
    MainWindow* window() const { return platform->mainWindow(); }
    QWidget* top() const { return underWay.back() ? underWay.back() : window(); }
    QWidget* target() const { return underWay.back() ? underWay.back() : canvas(); } // of input
    QWidget* canvas() const { return window()->centralWidget(); }
    TemplateDialog* dialog() const { return qobject_cast<TemplateDialog*>(underWay.back()); }
    QFileDialog* files() const { return qobject_cast<QFileDialog*>(underWay.back()); }
    QMessageBox* box() const { return qobject_cast<QMessageBox*>(underWay.back()); }
    QWidget* named(std::size_t i) { return top()->findChild<QWidget*>(word(i).c_str()); }
    template <typename E> int parse(std::size_t i) {
        return i < words.size() ? QMetaEnum::fromType<E>().keysToValue(word(i).c_str()) : 0;
    }
    QImage grab() const { return target()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    Picture& painted() { return editor ? editor->pictures.editorCanvas : picture; }
    void chose(const std::optional<std::string>& p) { line(cat("chose ", p.value_or("nothing"))); }
    // The main loop: the window is never modal, so the next actions run inside it.
    int loop() { return underWay.back() = window(), platform->runMessageLoop(); }

    // The only-recording window's handler: every message but paints, timer ticks and news of the
    // clipboard (they come when the desktop sends them).
    const MessageHandler recorder = [this](Message m, WParam w, LParam l) {
        const QAction* action = m == BSE_WM_COMMAND ? window()->action(int(w)) : nullptr;
        const auto file = m == BSE_WM_DROPFILES ? platform->droppedFile() : std::nullopt;
        const std::string note = action ? cat(action->text()) : file ? "file " + *file : "";
        if (m != BSE_WM_PAINT && m != BSE_WM_TIMER && m != BSE_WM_APP_CLIPBOARD) {
            line(message(m, w, l, note, heldModifiers(*platform)));
        }
        return true;
    };

    void mouse() {
        const auto type = QEvent::Type(parse<QEvent::Type>(0));
        const auto buttons = Qt::MouseButtons::fromInt(parse<Qt::MouseButtons>(3));
        const auto button = Qt::MouseButton(type == QEvent::MouseMove ? 0 : buttons.toInt());
        const auto held = type == QEvent::MouseButtonRelease ? Qt::NoButton : buttons;
        const QPointF at(n(1), n(2));
        QWidget* to = words.size() > 5 ? named(5) : target();
        QMouseEvent event(type, at, to->mapToGlobal(at), button, held,
                          Qt::KeyboardModifiers::fromInt(parse<Qt::KeyboardModifiers>(4)));
        QApplication::sendEvent(to, &event);
    }

    void drop() {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& name : QString::fromStdString(all()).split(' ', Qt::SkipEmptyParts)) {
            urls << QUrl::fromUserInput(name, QDir::currentPath()); // files of the test's folder
        }
        data.setUrls(urls);
        data.setText("a.BDS");
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(canvas(), &enter);
        QApplication::sendEvent(canvas(), &drop);
        line(cat("drag taken ", enter.isAccepted(), ", drop taken ", drop.isAccepted()));
        QApplication::processEvents(); // the drop's message comes once the drag has ended
    }

    // White text drawn on grey: where it landed, the first line alone, and any other colour.
    void draw() {
        const Pixel white = rgb(255, 255, 255), grey = rgb(8, 8, 8);
        Picture page(640, 400, grey);
        const TextAlign align = word(4) == "Centre" ? TextAlign::Centre : TextAlign::Left;
        platform->drawText(page, {n(0), n(1), n(2), n(3)}, bytes(word(5)), {255, 255, 255}, align);
        QRect where, first;
        int others = 0;
        for (int at = 0; at < 640 * 400; ++at) {
            const Pixel pixel = page.pixels[std::size_t(at)];
            const QRect dot = pixel == white ? QRect(at % 640, at / 640, 1, 1) : QRect();
            where |= dot;
            first |= dot.y() < n(1) + 13 ? dot : QRect(); // the line height of the font
            others += pixel != white && pixel != grey ? 1 : 0;
        }
        line(cat("text ", rect(where), ", first line ", rect(first), ", other colours ", others));
    }

    int listed(int count) { // the file dialog fills in its list in the background
        auto* v = files()->findChild<QAbstractItemView*>("listView");
        (void)QTest::qWaitFor([&] { return v->model()->rowCount(v->rootIndex()) == count; }, 5000);
        return v->model()->rowCount(v->rootIndex());
    }

    // A procedure that records every message but WM_PAINT, paints `picture`, and shows the dialog
    // on WM_INITDIALOG; with "ends", it ends the dialog on any command.
    void runDialog() {
        const bool ends = words.size() > 1;
        EXPECT_TRUE(!ends || word(1) == "ends") << text;
        const DialogProc procedure = [this, ends](DialogWindow& d, Message m, WParam w, LParam l) {
            auto& dialog = dynamic_cast<TemplateDialog&>(d);
            const auto* pushed = qobject_cast<QPushButton*>(dialog.control(int(w)));
            const std::string button = pushed && m == BSE_WM_COMMAND ? cat(pushed->text()) : "";
            const auto made = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size();
            const std::string init = cat(made, " controls, shown ", dialog.isVisible());
            const std::string note = m == BSE_WM_INITDIALOG ? init : button;
            paints += m == BSE_WM_PAINT ? 1 : 0;
            if (m == BSE_WM_PAINT) {
                dialog.paintPicture(picture);
            } else {
                line(message(m, w, l, note, heldModifiers(*platform)));
            }
            if (m == BSE_WM_INITDIALOG) {
                for (const int list : {IDC_REPLACEFROM, IDC_REPLACEWITH}) { // the replace dialog's
                    dialog.addListItem(list, "first");
                    dialog.addListItem(list, "second");
                }
                dialog.show();
            }
            if (m == BSE_WM_COMMAND && ends) {
                dialog.end(int(w));
            }
            return true;
        };
        static const std::map<std::string, const DialogTemplate& (*)()> templates{
            std::make_pair("info", boardSetInfoTemplate),
            std::make_pair("background", backgroundTemplate),
            std::make_pair("jump", jumpToTemplate), std::make_pair("about", aboutTemplate),
            std::make_pair("replace", replaceBlockTemplate)};
        line(cat("returned ", platform->runDialog(templates.at(word(0))(), procedure)));
    }

    QTemporaryDir folder;
    std::optional<Editor> editor;
    std::unique_ptr<QtPlatform> platform;
    std::vector<std::string> actions;
    std::vector<QWidget*> underWay; // the modal window up as each action under way began
    bool starting = false;
    std::string text;               // of the action, after its verb
    std::vector<std::string> words; // of the text
    std::size_t read = 0;           // of the words, by the action
    std::string log;
    Picture picture;                                          // what the dialog procedure paints
    const Picture tile{tileWidth, tileHeight, rgb(0, 90, 0)}; // every board's in the overview
    int paints = 0;
    QTimer timer;

    const std::map<std::string, std::function<void()>> verbs{
        {"window",
         [this] {
             platform->createMainWindow(mainWindowTemplate(), recorder);
             platform->showMainWindow();
         }},
        {"editor", [this] { EXPECT_TRUE(startEditor(editor.emplace(), *platform)); }},
        {"mouse", [this] { mouse(); }},
        {"context",
         [this] {
             const QPoint at(n(0), n(1));
             QContextMenuEvent event(QContextMenuEvent::Mouse, at, named(2)->mapToGlobal(at));
             QApplication::sendEvent(named(2), &event);
         }},
        {"key",
         [this] { // the last word a control's name: the keys go there
             QWidget* to =
                 words.size() > 1 ? top()->findChild<QWidget*>(words.back().c_str()) : nullptr;
             for (std::size_t i = 0; i + (to ? 1 : 0) < words.size(); ++i) {
                 QTest::keySequence(to ? to : target(), QKeySequence(word(i).c_str()));
             }
             read = words.size();
         }},
        {"tip",
         [this] {
             const QPoint at(n(0), n(1));
             QHelpEvent event(QEvent::ToolTip, at, canvas()->mapToGlobal(at));
             QApplication::sendEvent(canvas(), &event);
             line(cat("tip \"", QToolTip::text(), '"'));
         }},
        {"click", [this] { QTest::mouseClick(named(0), Qt::LeftButton); }},
        {"type",
         [this] {
             for (const QChar c : QString::fromStdString(bytes(word(1)))) {
                 QTest::sendKeyEvent(QTest::Click, named(0), Qt::Key_unknown, QString(c), {});
             }
         }},
        {"fill", [this] { named(0)->setProperty("text", QString::fromStdString(bytes(word(1)))); }},
        {"text", [this] { line(cat('"', named(0)->property("text").toString(), '"')); }},
        {"menu", [this] { window()->action(n(0))->trigger(); }},
        {"reader",
         [this] {
             if (!words.empty() && word(0) == "off") {
                 return installScreenReader({});
             }
             static std::string* announced = nullptr;
             announced = &log;
             installScreenReader([this] { return readScreen(*editor); });
             listenToScreenChanges([](QAccessibleEvent* event) {
                 *announced += cat("announced ", key(event->type()), ' ',
                                   told(event->accessibleInterface()), '\n');
             });
         }},
        {"accessible", [this] { accessible(); }},
        {"close", [this] { top()->close(); }},
        {"allow-close", [this] { window()->allowClose(); }},
        {"enable", [this] { platform->enableMenuItem(n(0), n(1) != 0); }},
        {"title", [this] { platform->setWindowTitle(bytes(all())); }},
        {"icon", [this] { platform->setWindowIcon(n(0)); }},
        {"loop", [this] { line(cat("loop returned ", loop())); }},
        {"drop", [this] { drop(); }},
        {"dialog", [this] { runDialog(); }},
        {"select", [this] { dialog()->setItemSelection(n(0), n(1)); }},
        {"selection", [this] { line(cat("selection ", dialog()->itemSelection(n(0)))); }},
        {"open", [this] { chose(platform->chooseFileToOpen(openDialogOptions())); }},
        {"import", [this] { chose(platform->chooseFileToOpen(importDialogOptions())); }},
        {"open-text", [this] { chose(platform->chooseFileToOpen(textFilterThird())); }},
        {"save", [this] { chose(platform->chooseFileToSave(saveDialogOptions())); }},
        {"ask",
         [this] { line(cat("answered ", answers[int(platform->askQuestion(bytes(all())))])); }},
        {"menu-item", // ID SHOWN TEXT TIP
         [this] { platform->setMenuItem(n(0), bytes(word(2)), bytes(word(3)), n(1) != 0); }},
        {"refuse", [this] { platform->showRefusal(bytes(all())); }},
        {"refuse-details",
         [this] {
             const std::string text = bytes(all());
             const auto bar = text.find(" | ");
             platform->showRefusalWithDetails(text.substr(0, bar), text.substr(bar + 3));
         }},
        {"fail", [this] { platform->reportStartupFailure(bytes(all())); }},
        {"show", [this] { log += dump(*top(), all() == "menu"); }},
        {"grab", [this] { line(cat("as painted ", grab() == imageOver(painted()))); }},
        {"draw", [this] { draw(); }},
        {"round-trip", [this] { line(percent(toWindows1252(fromWindows1252(bytes(all()))))); }},
        {"to-1252", [this] { line(percent(toWindows1252(QString::fromStdString(all())))); }},
        {"to-1252-units", // UTF-16 code units in hex, where lone surrogates can be written
         [this] {
             QString text;
             for (const QString& unit : QString::fromStdString(all()).split(' ')) {
                 text.append(QChar(static_cast<char16_t>(unit.toUShort(nullptr, 16))));
             }
             line(percent(toWindows1252(text)));
         }},
        {"path", [this] { line(percent(platform->pathForDisplay(bytes(all())))); }},
        {"picture", [this] { line(cat("loaded ", platform->loadPicture(n(0)).has_value())); }},
        {"overview", // COUNT FRAME: shows COUNT boards, FRAME framed; named "boards" for input
         [this] {
             platform->showOverview("Boards");
             platform->setOverviewCount(n(0));
             for (int k = 0; k < n(0); ++k) {
                 platform->setOverviewTile(k, tile, std::to_string(k + 1));
             }
             platform->setOverviewFrame(n(1));
             platform->overviewWindow()->boards()->setObjectName("boards");
         }},
        {"tile", [this] { platform->setOverviewTile(n(0), tile, "drawn anew"); }}, // BOARD
        {"framed", // the boards with the highlight's colour at their left edge
         [this] {
             OverviewBoards& boards = *platform->overviewWindow()->boards();
             const QImage shown = boards.grab().toImage();
             std::string framed = "framed";
             for (int k = 0; boards.tileRect(k).bottom() < shown.height(); ++k) {
                 const QPoint edge = boards.tileRect(k).topLeft() + QPoint(-2, 9);
                 framed += shown.pixel(edge) == boards.palette().highlight().color().rgb()
                               ? cat(' ', k)
                               : "";
             }
             const QRgb highlight = boards.palette().highlight().color().rgb();
             int count = 0, left = shown.width(), right = -1;
             for (int y = 0; y < shown.height(); ++y) {
                 for (int x = 0; x < shown.width(); ++x) {
                     if (shown.pixel(x, y) == highlight) {
                         ++count, left = std::min(left, x), right = std::max(right, x);
                     }
                 }
             }
             line(cat(framed, ", ", count, " highlight pixels",
                      count > 0 ? cat(" from x ", left, " to ", right) : ""));
         }},
        {"cursor",
         [this] {
             platform->setCursor(word(0) == "wait" ? Cursor::Wait : Cursor::Arrow);
             line(cat("override ", QGuiApplication::overrideCursor() != nullptr));
         }},
        // In a dialog.
        {"set", [this] { dialog()->setItemText(n(0), bytes(word(1))); }},
        {"read",
         [this] {
             for (std::size_t i = 1; i < words.size(); ++i) {
                 line(percent(dialog()->itemText(n(0), std::size_t(n(i)))));
             }
         }},
        {"set-number", [this] { dialog()->setItemNumber(n(0), std::stoul(word(1))); }},
        {"number", [this] { line(cat("number ", dialog()->itemNumber(n(0)))); }},
        {"range", [this] { dialog()->setUpDownRange(n(0), n(1), n(2)); }},
        {"place", [this] { dialog()->move(n(0), n(1)); }},
        {"big-icon", [this] { dialog()->setBigIcon(n(0)); }},
        {"invalidate",
         [this] {
             const int before = paints;
             dialog()->invalidate({n(0), n(1), n(2), n(3)});
             line(cat("repainted ", QTest::qWaitFor([&] { return paints > before; }, 2000)));
         }},
        {"end",
         [this] { // a second number: the end that must not count
             dialog()->end(n(0));
             if (words.size() > 1) {
                 dialog()->end(n(1));
             }
         }},
        {"accept", [this] { dialog()->accept(); }},
        {"reject", [this] { dialog()->reject(); }},
        // In a file dialog, and in a message box.
        {"list", [this] { line(cat(listed(n(0)), " files listed")); }},
        {"filter", [this] { files()->selectNameFilter(all().c_str()); }}, // as shown
        {"clipboard",
         [this] { // TEXT: put with 1600 bytes of cells; what the desktop holds, what is read
             platform->putBoardOnClipboard(all(), Bytes(1600, 7));
             const QMimeData* held = QGuiApplication::clipboard()->mimeData();
             const Platform::ClipboardBoard back = platform->clipboardBoard();
             line(cat(held->text(), ", cells ",
                      held->data(QStringLiteral("application/x-plinkor2-board")).size(),
                      back.text || back.cells ? ", read" : ", nothing read"));
         }},
        {"foreign-clipboard",
         [this] { // SIZE: another program's text, and what is read of it
             auto* data = new QMimeData;
             data->setText(QString(n(0), QLatin1Char('.')));
             QGuiApplication::clipboard()->setMimeData(data);
             line(cat(platform->clipboardBoard().text.value_or("").size(), " bytes read"));
         }},
        {"answer",
         [this] { box()->button(QMessageBox::StandardButton(parse<Buttons>(0)))->click(); }},
    };
};

TEST(QtScenarios, Replay) {
    Scenarios scenarios;
    for (const QString& name : QDir(QString::fromStdString(dataPath("qt"))).entryList({"*.txt"})) {
        SCOPED_TRACE(name.toStdString());
        expectGolden("qt/" + name.toStdString(), scenarios.replay("qt/" + name.toStdString()));
    }
}

// A picture painted at a fractional scale keeps hard edges: no colour between two of its own.
TEST(PaintPicture, ScalesWithoutSmoothing) {
    Picture picture(4, 4);
    for (int k = 0; k < 16; ++k) {
        picture.set(k % 4, k / 4, (k + k / 4) % 2 != 0 ? rgb(255, 255, 255) : rgb(0, 0, 0));
    }
    QImage target(6, 6, QImage::Format_RGB32);
    target.setDevicePixelRatio(1.5);
    paintPicture(*std::make_unique<QPainter>(&target), picture); // painted when the painter goes
    const auto pixels = reinterpret_cast<const QRgb*>(target.constBits());
    EXPECT_EQ(std::count_if(pixels, pixels + 36,
                            [](QRgb p) { return p != qRgb(0, 0, 0) && p != qRgb(255, 255, 255); }),
              0);
}

// The overview (500 x 513) opens beside the main window (its grid 20 in, 29 down), right where
// the screen has room, else left, else where it covers the least of the grid.
TEST(OverviewPlace, BesideTheMainWindowElseOverTheLeastOfTheGrid) {
    struct Case {
        QRect screen, main;
        QPoint place;
    };
    for (const Case& c : {Case{{0, 0, 1920, 1080}, {100, 100, 660, 450}, {760, 100}},
                          Case{{0, 0, 1920, 1080}, {1200, 600, 660, 450}, {700, 567}},
                          Case{{0, 0, 1280, 1024}, {320, 300, 640, 425}, {780, 511}},
                          Case{{1280, 0, 1280, 1024}, {1600, 0, 640, 425}, {2060, 329}}}) {
        SCOPED_TRACE(c.main.x());
        const QRect grid(c.main.topLeft() + QPoint(20, 29), QSize(600, 300));
        EXPECT_EQ(overviewPlace(c.screen, c.main, grid, {500, 513}), c.place);
    }
}

} // namespace
} // namespace bse::test
