// Reads the X server for tests of the real program:
//   x_probe X0 Y0 X Y [X Y ...]   one "R G B" line per pixel at (X0 + X, Y0 + Y), 24-bit screen
//   x_probe bells                 "ready", then one "bell" line per keyboard bell rung, until
//   killed
//   x_probe clipboard silent      owns the clipboard and never answers, taking it anew every
//                                 100 ms; "ready" once it first owns it
//   x_probe clipboard board N B   owns the clipboard with N bytes of the editor's own board type,
//                                 every fourth byte B (from the first), the others 0; "ready"
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

// Offers TARGETS and the board type; answers each request for them, or stays silent.
[[noreturn]] void ownClipboard(Display* display, bool silent, std::size_t size, int byte) {
    const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
    const Atom targets[] = {XInternAtom(display, "TARGETS", False),
                            XInternAtom(display, "application/x-plinkor2-board", False)};
    std::vector<unsigned char> board(size);
    for (std::size_t i = 0; i < size; i += 4) {
        board[i] = static_cast<unsigned char>(byte);
    }
    const Window root = DefaultRootWindow(display);
    const Window owners[] = {XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0),
                             XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0)};
    XSetSelectionOwner(display, clipboard, owners[0], CurrentTime);
    XSync(display, False);
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; }); // a requestor that went away
    std::puts("ready");
    std::fflush(stdout);
    for (int turn = 1;; ++turn) {
        if (silent) { // the other window takes it: the editor hears of a new owner each time
            usleep(100000);
            XSetSelectionOwner(display, clipboard, owners[turn % 2], CurrentTime);
            XSync(display, True); // the questions that came are dropped unanswered
            continue;
        }
        XEvent next;
        XNextEvent(display, &next);
        if (next.type != SelectionRequest) {
            continue;
        }
        const XSelectionRequestEvent& request = next.xselectionrequest;
        // clang-format off
        XSelectionEvent reply{SelectionNotify, 0, True, display, request.requestor,
                              request.selection, request.target, request.property, request.time};
        // clang-format on
        if (request.target == targets[0]) {
            XChangeProperty(display, request.requestor, request.property, XA_ATOM, 32,
                            PropModeReplace, reinterpret_cast<const unsigned char*>(targets), 2);
        } else if (request.target == targets[1]) {
            XChangeProperty(display, request.requestor, request.property, targets[1], 8,
                            PropModeReplace, board.data(), static_cast<int>(size));
        } else {
            reply.property = None;
        }
        XSendEvent(display, request.requestor, False, 0, reinterpret_cast<XEvent*>(&reply));
        XFlush(display);
    }
}

} // namespace

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    int opcode = 0, event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    if (display == nullptr ||
        !XkbQueryExtension(display, &opcode, &event, &error, &major, &minor)) {
        return 2;
    }
    const bool silent = argc == 3 && std::string_view(argv[2]) == "silent";
    if (argc >= 3 && std::string_view(argv[1]) == "clipboard" && (silent || argc == 5)) {
        ownClipboard(display, silent, silent ? 0 : std::size_t(std::atoi(argv[3])),
                     silent ? 0 : std::atoi(argv[4]));
    }
    if (argc == 2 && std::string_view(argv[1]) == "bells") {
        XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
        XSync(display, False); // selected before "ready" is seen
        std::puts("ready");
        for (XEvent next;;) {
            std::fflush(stdout);
            XNextEvent(display, &next);
            if (next.type == event &&
                reinterpret_cast<const XkbAnyEvent*>(&next)->xkb_type == XkbBellNotify) {
                std::puts("bell");
            }
        }
    }
    for (int i = 3; i + 1 < argc; i += 2) {
        XImage* image =
            XGetImage(display, DefaultRootWindow(display), std::atoi(argv[1]) + std::atoi(argv[i]),
                      std::atoi(argv[2]) + std::atoi(argv[i + 1]), 1, 1, AllPlanes, ZPixmap);
        const unsigned long pixel = XGetPixel(image, 0, 0);
        std::printf("%lu %lu %lu\n", (pixel >> 16) & 255, (pixel >> 8) & 255, pixel & 255);
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return argc >= 5 && argc % 2 == 1 ? 0 : 2;
}
