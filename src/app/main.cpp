#include "editor/editor.h"
#include "qt/qt_platform.h"
#include "shell/startup.h"

#include <QApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>

namespace {

// Qt aborts when it cannot reach a display; say what to do instead.
bool displayReachable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0' && std::strncmp(platform, "xcb", 3) != 0 &&
        std::strncmp(platform, "wayland", 7) != 0) {
        return true; // offscreen, vnc, ... bring their own
    }
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (display != nullptr && *display != '\0') || (wayland != nullptr && *wayland != '\0');
}

// Qt's X11 plugin aborts when the X server that DISPLAY names does not answer; try it once first.
bool xServerUnreachable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const bool xcbChosen = platform != nullptr && std::strncmp(platform, "xcb", 3) == 0;
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool xcbDefault =
        (platform == nullptr || *platform == '\0') && (wayland == nullptr || *wayland == '\0');
    if (!xcbChosen && !xcbDefault) {
        return false;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    return failed;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!displayReachable()) {
        std::cerr << "boardset-editor: no display found (DISPLAY is not set).\n"
                     "Start it on a desktop, or without one under a virtual X server:\n"
                     "  xvfb-run -a build/boardset-editor\n";
        return 2;
    }
    if (xServerUnreachable()) {
        const char* display = std::getenv("DISPLAY");
        std::cerr << "boardset-editor: the X server of DISPLAY=" << (display ? display : "")
                  << " cannot be reached.\n"
                     "Check that it is running and that this user may use it, or start the editor\n"
                     "under a virtual X server:  xvfb-run -a build/boardset-editor\n";
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("BoardSet Editor for Plinkor 2"));
    // The editor outlives the window, whose handler refers to it.
    auto editor = std::make_unique<bse::Editor>();
    bse::QtPlatform platform;
    return bse::runEditor(*editor, platform);
}
