// Prints the colour of screen pixels, for tests of the real program under an X server:
//   screen_probe X Y [X Y ...]   ->  one "R G B" line per point
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc < 3 || argc % 2 == 0) {
        std::fprintf(stderr, "usage: screen_probe X Y [X Y ...]\n");
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return 2;
    }
    const QImage shot = screen->grabWindow(0).toImage();
    for (int i = 1; i + 1 < argc; i += 2) {
        const int x = std::atoi(argv[i]);
        const int y = std::atoi(argv[i + 1]);
        if (!shot.valid(x, y)) {
            std::printf("outside\n");
            continue;
        }
        const QRgb pixel = shot.pixel(x, y);
        std::printf("%d %d %d\n", qRed(pixel), qGreen(pixel), qBlue(pixel));
    }
    return 0;
}
