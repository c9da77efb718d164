#include "win32/text.h"

#include "model/windows1252.h"

namespace bse {

std::wstring wideFromWindows1252(std::string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (const char byte : text) {
        // Every character of the code page lies in the Basic Multilingual Plane.
        wide.push_back(
            static_cast<wchar_t>(windows1252Character(static_cast<unsigned char>(byte))));
    }
    return wide;
}

} // namespace bse
