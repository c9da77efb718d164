#include "qt/artwork.h"

namespace bse {

QString artworkPath(const char* folder, int id) {
    return QStringLiteral(":/%1/%2.png").arg(QLatin1String(folder)).arg(id);
}

} // namespace bse
