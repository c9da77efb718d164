#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace bse {

// Names, authors and stored paths are Windows-1252 bytes; the desktop shows Unicode.
QString fromWindows1252(std::string_view bytes);
// Characters that Windows-1252 cannot hold become '?'.
std::string toWindows1252(const QString& text);

// A window's title as the editor composed it, shown literally.
QString shownTitle(std::string_view title);

// File names as the system keeps them, for the core's path bytes.
QString fromPathBytes(const std::string& path);
std::string toPathBytes(const QString& path);

} // namespace bse
