// Prints one line per keyboard bell rung on the X server, for tests of the real program:
//   bell_watch > bells.txt &
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <cstdio>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "bell_watch: no display\n");
        return 2;
    }
    int opcode = 0, event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &opcode, &event, &error, &major, &minor)) {
        std::fprintf(stderr, "bell_watch: no XKB\n");
        return 2;
    }
    XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        XEvent next;
        XNextEvent(display, &next);
        if (next.type == event) {
            const auto* xkb = reinterpret_cast<const XkbAnyEvent*>(&next);
            if (xkb->xkb_type == XkbBellNotify) {
                std::printf("bell\n");
                std::fflush(stdout);
            }
        }
    }
}
