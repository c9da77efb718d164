#pragma once

#include <QString>

namespace bse {

// The icons embedded in the program as Qt resources, by resource number. The pictures travel as
// PNG bytes of their own (png/embedded_pictures.h), which every front end decodes alike.
QString artworkPath(const char* folder, int id);

} // namespace bse
