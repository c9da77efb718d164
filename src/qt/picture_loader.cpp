#include "qt/picture_loader.h"

#include <cstring>

namespace bse {

QImage decodePicture(const QString& path) {
    return QImage(path);
}

Picture pictureFromImage(const QImage& image) {
    Picture picture(image.width(), image.height());
    if (image.format() == QImage::Format_Indexed8) {
        // The artwork is 256-colour: mapping through the colour table needs no second full-size
        // buffer, and start-up waits for every byte that is touched.
        const QList<QRgb> table = image.colorTable();
        Pixel colours[256] = {};
        for (qsizetype i = 0; i < table.size() && i < 256; ++i) {
            colours[i] = 0xff000000u | table[i];
        }
        for (int y = 0; y < image.height(); ++y) {
            const uchar* source = image.constScanLine(y);
            Pixel* target = picture.row(y);
            for (int x = 0; x < image.width(); ++x) {
                target[x] = colours[source[x]];
            }
        }
        return picture;
    }
    const QImage converted = image.convertToFormat(QImage::Format_RGB32);
    const auto rowBytes = static_cast<std::size_t>(converted.width()) * sizeof(Pixel);
    for (int y = 0; y < converted.height(); ++y) {
        std::memcpy(picture.row(y), converted.constScanLine(y), rowBytes);
    }
    return picture;
}

} // namespace bse
