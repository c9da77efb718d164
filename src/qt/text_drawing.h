#pragma once

#include "view/text_painter.h"

#include <QFont>

namespace bse {

// The one font of all text drawn into pictures.
QFont pictureFont();

// TextPainter's drawing, in `font`.
void drawPictureText(const QFont& font, Picture& picture, const Rect& rect, std::string_view text,
                     Rgb colour, TextAlign align);

} // namespace bse
