#include "qt/artwork.h"

#include "qt/picture_loader.h"

#include <QImage>

namespace bse {

QString artworkPath(const char* folder, int id) {
    return QStringLiteral(":/%1/%2.png").arg(QLatin1String(folder)).arg(id);
}

std::optional<Picture> loadArtworkPicture(int pictureId) {
    const QImage image(artworkPath("pictures", pictureId));
    if (image.isNull()) {
        return std::nullopt;
    }
    return pictureFromImage(image);
}

} // namespace bse
