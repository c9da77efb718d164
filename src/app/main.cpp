#include "editor/editor.h"
#include "editor/screen_reading.h"
#include "qt/accessibility.h"
#include "qt/qt_platform.h"
#include "shell/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

// The desktops of Linux: Qt aborts when the display it is pointed at does not answer, so the
// editor looks first. Elsewhere the system's own display is always there.
#ifdef __linux__
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

bool set(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// Qt's X11 plugin aborts when the X server that DISPLAY names does not answer; try it once first.
bool xServerAnswers() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

// So does its Wayland plugin when no compositor listens on the socket WAYLAND_DISPLAY names
// (absolute, or in XDG_RUNTIME_DIR; "wayland-0" when unset, as for every Wayland client).
bool waylandCompositorAnswers() {
    const char* name = set("WAYLAND_DISPLAY") ? std::getenv("WAYLAND_DISPLAY") : "wayland-0";
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (*name != '/' && runtime == nullptr) {
        return false;
    }
    const std::string path = *name == '/' ? name : std::string(runtime) + "/" + name;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool answers =
        fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return answers;
}

// The program as the user started it, for a command line to copy: its name when found on PATH,
// else the path given. Quoted for the shell when it holds more than plain characters.
std::string startedAs(const char* argv0) {
    const std::string name = argv0 != nullptr && *argv0 != '\0' ? argv0 : "boardset-editor";
    if (name.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
                               "_-./+,:@%") == std::string::npos) {
        return name;
    }
    std::string quoted = "'";
    for (const char character : name) {
        quoted += character == '\'' ? std::string("'\\''") : std::string(1, character);
    }
    return quoted + "'";
}

// Qt aborts when it cannot reach a display: finds one that answers among those Qt would try, and
// points Qt at it, or says what to do instead.
std::optional<std::string> displayProblem(const char* argv0) {
    const std::string platform = set("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "";
    const bool xcb = platform.empty() || platform.find("xcb") != std::string::npos;
    const bool wayland = platform.find("wayland") != std::string::npos ||
                         (platform.empty() && set("WAYLAND_DISPLAY"));
    if (!xcb && !wayland) {
        return std::nullopt; // offscreen, vnc, ... bring their own
    }
    const bool x = xcb && set("DISPLAY") && xServerAnswers();
    const bool compositor = wayland && waylandCompositorAnswers();
    if (platform.empty() && x != compositor) {
        ::setenv("QT_QPA_PLATFORM", x ? "xcb" : "wayland", 1);
    }
    if (x || compositor) {
        return std::nullopt;
    }
    const std::string command = "xvfb-run -a " + startedAs(argv0) + "\n";
    const std::string virtualX = "under a virtual X server:  " + command;
    if (set("DISPLAY") && xcb) {
        return "the X server of DISPLAY=" + std::string(std::getenv("DISPLAY")) +
               " cannot be reached.\nCheck that it is running and that this user may use it, "
               "or start the editor\n" +
               virtualX;
    }
    if (wayland) {
        return "the Wayland compositor of WAYLAND_DISPLAY=" +
               std::string(set("WAYLAND_DISPLAY") ? std::getenv("WAYLAND_DISPLAY") : "") +
               " cannot be reached.\nStart the editor on a desktop, or " + virtualX;
    }
    return "no display found (DISPLAY is not set).\nStart it on a desktop, or without one under a "
           "virtual X server:\n  " +
           command;
}

} // namespace
#else
namespace {
std::optional<std::string> displayProblem(const char* /*argv0*/) {
    return std::nullopt;
}
} // namespace
#endif

namespace {

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
    if (const auto problem = displayProblem(argv[0])) {
        std::cerr << "boardset-editor: " << *problem;
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("BoardSet Editor for Plinkor 2"));
    // Lets the desktop find the window's desktop entry (Wayland's app id, KDE on X11).
    QApplication::setDesktopFileName(QStringLiteral(BSE_APP_ID));
    // The editor outlives the window, whose handler refers to it.
    auto editor = std::make_unique<bse::Editor>();
    bse::QtPlatform platform;
    bse::installScreenReader([&editor = *editor] { return bse::readScreen(editor); });
    return bse::runEditor(*editor, platform, arguments.file);
}
