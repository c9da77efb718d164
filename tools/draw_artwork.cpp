// draw_artwork: paints every bitmap the editor ships with and writes them as PNG files.
//
//   draw_artwork <output-folder>
//
// Everything is drawn pixel by pixel (no antialiasing, no system fonts, fixed random
// seeds) so the output is byte-for-byte identical on every run and every machine. The
// pictures themselves live in artwork/.

#include "artwork/artwork.h"

#include <QDir>
#include <QString>

#include <cstdio>

namespace artwork = bse::artwork;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output-folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("pictures")) || !out.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "cannot create folders under %s\n", argv[1]);
        return 1;
    }
    const auto picture = [&](int id) {
        return out.filePath(QStringLiteral("pictures/%1.png").arg(id));
    };
    const auto icon = [&](int id) { return out.filePath(QStringLiteral("icons/%1.png").arg(id)); };

    // Files are named by the resource numbers the editor loads them by.
    const artwork::Canvas strip = artwork::drawBlockStrip();
    bool ok = artwork::saveIndexed(strip, picture(103));
    ok = artwork::saveIndexed(artwork::drawBackdrop(strip), picture(102)) && ok;
    ok = artwork::saveIndexed(artwork::drawStatusStrip(), picture(106)) && ok;
    ok = artwork::saveIndexed(artwork::drawAboutPicture(), picture(124)) && ok;
    ok = artwork::saveTrueColour(artwork::drawAppIcon(artwork::kAppIconSize), icon(105)) && ok;
    for (int frame = 0; frame < artwork::kFrameCount; ++frame)
        ok = artwork::saveIndexed(artwork::drawAnimationFrame(frame), icon(111 + frame)) && ok;
    // Not a resource of the editor: the application icon for the desktop's icon theme.
    const QString largeIcon =
        out.filePath(QStringLiteral("icons/app-%1.png").arg(artwork::kLargeAppIconSize));
    ok = artwork::saveTrueColour(artwork::drawAppIcon(artwork::kLargeAppIconSize), largeIcon) && ok;
    return ok ? 0 : 1;
}
