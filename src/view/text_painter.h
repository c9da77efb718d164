#pragma once

#include "view/geometry.h"
#include "view/picture.h"

#include <string_view>

namespace bse {

enum class TextAlign { Left, Centre };

// Draws text into a picture in the program's one font, transparent background, clipped to the
// rectangle; lines break only at line feeds. The desktop provides it: fonts are its business.
class TextPainter {
  public:
    virtual ~TextPainter() = default;
    virtual void drawText(Picture& picture, const Rect& rect, std::string_view text, Rgb colour,
                          TextAlign align) = 0;
};

} // namespace bse
