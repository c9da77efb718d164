// PNG output, reproducible byte for byte.

#include "artwork/artwork.h"

#include <QHash>
#include <QImage>
#include <QList>

#include <cstdio>

namespace bse::artwork {
namespace {

// Qt otherwise stamps the screen's resolution into the file, which varies between machines.
constexpr int kDotsPerMeter = 3780; // 96 dpi

bool savePng(QImage& out, const QString& path) {
    out.setDotsPerMeterX(kDotsPerMeter);
    out.setDotsPerMeterY(kDotsPerMeter);
    if (!out.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

// Writes an exact 8-bit palette image; refuses rather than silently altering colours.
bool saveIndexed(const Canvas& canvas, const QString& path) {
    const QImage& src = canvas.image();
    // Palette in order of first appearance, so it never depends on hashing.
    QList<QRgb> table;
    QHash<QRgb, int> index;
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = src.pixel(x, y) | 0xff000000u;
            if (!index.contains(c)) {
                if (table.size() == 256) {
                    std::fprintf(stderr, "%s: more than 256 colours\n", qPrintable(path));
                    return false;
                }
                index.insert(c, static_cast<int>(table.size()));
                table.append(c);
            }
        }
    QImage out(src.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < src.height(); ++y) {
        uchar* line = out.scanLine(y);
        for (int x = 0; x < src.width(); ++x)
            line[x] = static_cast<uchar>(index.value(src.pixel(x, y) | 0xff000000u));
    }
    return savePng(out, path);
}

bool saveTrueColour(const Canvas& canvas, const QString& path) {
    QImage out = canvas.image().convertToFormat(QImage::Format_RGB888);
    return savePng(out, path);
}

} // namespace bse::artwork
