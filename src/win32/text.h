#pragma once

#include <string>
#include <string_view>

namespace bse {

// The core's texts are Windows-1252 bytes; Win32's wide calls take UTF-16.
std::wstring wideFromWindows1252(std::string_view text);

} // namespace bse

namespace bse {

// Back to the core's bytes: a character the code page cannot hold becomes '?'.
std::string windows1252FromWide(std::wstring_view text);
// The system's UTF-8 (paths, reasons) as Windows-1252 message text.
std::string windows1252FromUtf8(std::string_view text);

} // namespace bse
