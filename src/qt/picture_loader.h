#pragma once

#include "view/picture.h"

#include <QImage>

class QPainter;

namespace bse {

// A QImage over a true-colour Picture's own memory, for drawing into it.
QImage imageOver(Picture& picture);

// Paints a Picture at (0, 0), pixel for pixel: on a scaled screen without smoothing, so block
// edges stay sharp.
void paintPicture(QPainter& painter, const Picture& picture);

} // namespace bse
