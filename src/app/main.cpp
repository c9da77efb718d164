#include "editor/editor.h"
#include "qt/qt_platform.h"
#include "shell/startup.h"

#include <QApplication>

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

} // namespace

int main(int argc, char* argv[]) {
    if (!displayReachable()) {
        std::cerr << "boardset-editor: no display found (DISPLAY is not set).\n"
                     "Start it on a desktop, or without one under a virtual X server:\n"
                     "  xvfb-run -a build/boardset-editor\n";
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("BoardSet Editor for Plinkor 2"));
    // The editor outlives the window, whose handler refers to it.
    auto editor = std::make_unique<bse::Editor>();
    bse::QtPlatform platform;
    return bse::runEditor(*editor, platform);
}
