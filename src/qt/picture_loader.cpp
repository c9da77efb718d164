#include "qt/picture_loader.h"

#include <QPainter>

#include <cstring>

namespace bse {

Picture pictureFromImage(const QImage& image) {
    if (image.format() == QImage::Format_Indexed8) {
        const QList<QRgb> table = image.colorTable();
        std::vector<Pixel> colours;
        for (qsizetype i = 0; i < table.size() && i < 256; ++i) {
            colours.push_back(0xff000000u | table[i]);
        }
        Picture picture = Picture::indexed(image.width(), image.height(), std::move(colours));
        for (int y = 0; y < image.height(); ++y) {
            std::memcpy(picture.indexRow(y), image.constScanLine(y), picture.rowLength());
        }
        return picture;
    }
    const QImage converted = image.convertToFormat(QImage::Format_RGB32);
    Picture picture(converted.width(), converted.height());
    const auto rowBytes = picture.rowLength() * sizeof(Pixel);
    for (int y = 0; y < converted.height(); ++y) {
        std::memcpy(picture.row(y), converted.constScanLine(y), rowBytes);
    }
    return picture;
}

QImage imageOver(Picture& picture) {
    makeTrueColour(picture);
    return QImage(reinterpret_cast<uchar*>(picture.pixels.data()), picture.width, picture.height,
                  picture.width * static_cast<int>(sizeof(Pixel)), QImage::Format_RGB32);
}

void paintPicture(QPainter& painter, const Picture& picture) {
    if (picture.empty()) {
        return;
    }
    QImage image;
    if (picture.isIndexed()) {
        image = QImage(picture.indices.data(), picture.width, picture.height, picture.width,
                       QImage::Format_Indexed8);
        image.setColorTable(QList<QRgb>(picture.palette.begin(), picture.palette.end()));
    } else {
        image = QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                       picture.height, picture.width * static_cast<int>(sizeof(Pixel)),
                       QImage::Format_RGB32);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, picture.width, picture.height), image);
}

} // namespace bse
