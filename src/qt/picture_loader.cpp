#include "qt/picture_loader.h"

#include <QPainter>

namespace bse {

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
