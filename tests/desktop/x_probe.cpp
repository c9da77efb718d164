// Reads the X server for tests of the real program:
//   x_probe X0 Y0 X Y [X Y ...]   one "R G B" line per pixel at (X0 + X, Y0 + Y), 24-bit screen
//   x_probe bells                 "ready", then one "bell" line per keyboard bell rung, until
//   killed
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    int opcode = 0, event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    if (display == nullptr ||
        !XkbQueryExtension(display, &opcode, &event, &error, &major, &minor)) {
        return 2;
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
