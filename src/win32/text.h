#pragma once

#include <string>
#include <string_view>

namespace bse {

// The core's texts are Windows-1252 bytes; Win32's wide calls take UTF-16.
std::wstring wideFromWindows1252(std::string_view text);

} // namespace bse
