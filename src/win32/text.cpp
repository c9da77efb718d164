#include "win32/text.h"

#include "model/windows1252.h"

#include <windows.h>

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

namespace bse {

std::string windows1252FromWide(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const wchar_t character : text) {
        bytes.push_back(
            static_cast<char>(windows1252Byte(static_cast<char32_t>(character)).value_or('?')));
    }
    return bytes;
}

std::string windows1252FromUtf8(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    std::wstring wide(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return windows1252FromWide(wide);
}

} // namespace bse
