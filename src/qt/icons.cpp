#include "qt/icons.h"

#include "qt/artwork.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QWidget>
#include <QWindow>

#if BSE_XCB && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

namespace bse {

const QIcon* Icons::find(int iconId) {
    auto found = icons_.find(iconId);
    if (found == icons_.end()) {
        const QPixmap pixmap(artworkPath("icons", iconId));
        if (pixmap.isNull()) {
            return nullptr;
        }
        found = icons_.emplace(iconId, QIcon(pixmap)).first;
    }
    return &found->second;
}

void showWindowIcon(QWidget& window, const QIcon& icon) {
    // Every 350 ms while the editor runs, so as little as the desktop needs: the native window's
    // icon alone (the widgets inside have no use for the change). Qt's X11 plugin sends what it
    // buffered only after input, so a tick with none would show nothing: the property is pushed
    // out here, without waiting for the server's answer as a sync would.
    if (QWindow* native = window.windowHandle()) {
        native->setIcon(icon);
    } else {
        window.setWindowIcon(icon);
    }
#if BSE_XCB && QT_CONFIG(xcb)
    // Off X11 there is no connection to push.
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        x11 != nullptr && x11->connection() != nullptr) {
        xcb_flush(x11->connection());
    }
#endif
}

} // namespace bse
