#pragma once

// The pictures of draw_artwork and the pieces they share. Positions on the backdrop come from
// view/geometry.h, so the editor's widgets land exactly on what is drawn for them.

#include "artwork/canvas.h"

#include <QString>

#include <string_view>

namespace bse::artwork {

// Sizes of the icons; the screen layout does not fix them. The application icon is designed at
// 48 x 48; the large one is for the desktop's icon theme.
inline constexpr int kAppIconSize = 48;
inline constexpr int kLargeAppIconSize = 256;
inline constexpr int kFrameSize = 16;
inline constexpr int kFrameCount = 10;

// Inside of an empty cell on the backdrop.
inline constexpr QRgb kCellInside = qRgb(8, 8, 8);

// Block images (blocks.cpp). `image` is a block-kind image of the strip, 2..43.
void drawBlockImage(const Cell& c, int image);
QRgb blockMaterial(int image);
// An empty board cell: the grid line colour as a border, `inside` within.
void drawEmptyCell(Canvas& canvas, int x, int y, QRgb inside);
Canvas drawBlockStrip();

// Engraved labels in a small pixel font (text.cpp).
void drawText(Canvas& c, int x, int y, std::string_view text, QRgb ink, QRgb engrave);
void drawCenteredText(Canvas& c, int left, int width, int y, std::string_view text, QRgb ink,
                      QRgb engrave);

// The pictures.
Canvas drawBackdrop(const Canvas& strip); // backdrop.cpp
Canvas drawStatusStrip();                 // backdrop.cpp
Canvas drawAboutPicture();                // about.cpp
Canvas drawAppIcon(int size);             // icons.cpp
Canvas drawAnimationFrame(int frame);     // icons.cpp

// PNG output (png.cpp); both print the reason and return false on failure.
bool saveIndexed(const Canvas& canvas, const QString& path);
bool saveTrueColour(const Canvas& canvas, const QString& path);

} // namespace bse::artwork
