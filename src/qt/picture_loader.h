#pragma once

#include "view/picture.h"

#include <QImage>
#include <QString>

#include <optional>

namespace bse {

// Decodes an image file or resource; a null image when it cannot.
QImage decodePicture(const QString& path);

// The pixels of a decoded image as a Picture.
Picture pictureFromImage(const QImage& image);

} // namespace bse
