#pragma once

#include "view/picture.h"

#include <QString>

#include <optional>

namespace bse {

// The pictures and icons embedded in the program, by resource number. Needs no QGuiApplication:
// the command-line program decodes them too.
QString artworkPath(const char* folder, int id);

// A picture by resource number (256-colour images stay 256-colour), or nothing when missing.
std::optional<Picture> loadArtworkPicture(int pictureId);

} // namespace bse
