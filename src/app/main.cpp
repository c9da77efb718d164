#include "editor/editor.h"
#include "qt/qt_platform.h"
#include "shell/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

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

struct Arguments {
    std::optional<std::string> file;
    std::optional<int> exitCode; // set when the program ends here
};

// Parsed before the display is checked, so --help and --version work anywhere. No application
// object exists yet: that is the display's, and Qt's own options are not taken.
Arguments parseArguments(int argc, char* argv[]) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Edits the BoardSet files of Plinkor 2."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and exits."));
    parser.addOptions({help, version});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A BoardSet to open."),
                                 QStringLiteral("[FILE]"));
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QFile::decodeName(argv[i]);
    }
    const bool parsed = parser.parse(arguments);
    // Without an application object Qt puts a placeholder where the program's name goes.
    const std::string usage =
        parser.helpText()
            .replace(QLatin1String("<executable_name>"), QStringLiteral("boardset-editor"))
            .toStdString();
    const QStringList files = parser.positionalArguments();
    if (!parsed || files.size() > 1) {
        std::cerr << "boardset-editor: "
                  << (parsed ? "only one FILE can be opened." : parser.errorText().toStdString())
                  << "\n\n"
                  << usage;
        return {std::nullopt, 2};
    }
    if (parser.isSet(help)) {
        std::cout << usage;
        return {std::nullopt, 0};
    }
    if (parser.isSet(version)) {
        std::cout << "boardset-editor " BSE_VERSION "\n";
        return {std::nullopt, 0};
    }
    if (files.empty()) {
        return {};
    }
    // The path's own bytes, as the file manager gave them (decoding may not give them back), made
    // absolute as the file dialog would give it.
    std::string path;
    for (int i = argc - 1; i > 0; --i) {
        if (QFile::decodeName(argv[i]) == files.constFirst()) {
            path = argv[i];
            break;
        }
    }
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return {error ? path : absolute.string(), std::nullopt};
}

} // namespace

int main(int argc, char* argv[]) {
    const Arguments arguments = parseArguments(argc, argv);
    if (arguments.exitCode) {
        return *arguments.exitCode;
    }
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
    // Lets the desktop find the window's desktop entry (Wayland's app id, KDE on X11).
    QApplication::setDesktopFileName(QStringLiteral(BSE_APP_ID));
    // The editor outlives the window, whose handler refers to it.
    auto editor = std::make_unique<bse::Editor>();
    bse::QtPlatform platform;
    return bse::runEditor(*editor, platform, arguments.file);
}
