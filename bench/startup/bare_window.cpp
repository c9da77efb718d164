// The yardstick for the editor's start-up: the least a Qt Widgets program with a menu bar has to
// do before its window appears. Keep it as plain as this; anything added here hides the editor's
// own cost.

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <array>
#include <utility>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));

    // Roughly the shape of the editor's menu bar, so that the comparison includes building menus.
    using Menu = std::pair<const char*, std::array<const char*, 4>>;
    const std::array<Menu, 4> menus{{
        {"&File", {"&New", "&Open...", "&Save", "E&xit"}},
        {"&Edit", {"&Undo", "Cu&t", "&Copy", "&Paste"}},
        {"&View", {"Zoom &In", "Zoom &Out", "&Grid", "&Status Bar"}},
        {"&Help", {"&Contents", "&Index", "&Search", "&About"}},
    }};
    for (const auto& [title, items] : menus) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        for (const char* item : items) {
            menu->addAction(QString::fromLatin1(item));
        }
    }

    auto* central = new QWidget(&window);
    central->setFixedSize(640, 400);
    window.setCentralWidget(central);

    window.show();

    // The editor's icon animation, for its idle cost: ten 16 x 16 frames, one every 350 ms, each
    // set on the native window and pushed out to the X server as the editor does.
    std::array<QIcon, 10> frames;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        QPixmap pixmap(16, 16);
        pixmap.fill(QColor::fromHsv(static_cast<int>(i) * 36, 255, 255));
        frames[i] = QIcon(pixmap);
    }
    std::size_t frame = 0;
    QTimer icons;
    QObject::connect(&icons, &QTimer::timeout, [&] {
        window.windowHandle()->setIcon(frames[frame]);
        if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
            x11 != nullptr && x11->connection() != nullptr) {
            xcb_flush(x11->connection());
        }
        frame = (frame + 1) % frames.size();
    });
    icons.start(350);
    return QApplication::exec();
}
