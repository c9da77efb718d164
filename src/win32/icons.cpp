// Icons by resource number: PNG data in the program's resources, made icons by the system.
#include "win32/win32_platform.h"

namespace bse {

HICON Win32Platform::icon(int iconId) {
    if (const auto known = icons_.find(iconId); known != icons_.end()) {
        return known->second;
    }
    HRSRC found = FindResourceW(instance_, MAKEINTRESOURCEW(iconId), MAKEINTRESOURCEW(10));
    HGLOBAL loaded = found != nullptr ? LoadResource(instance_, found) : nullptr;
    auto* bytes = static_cast<BYTE*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (bytes == nullptr) {
        return nullptr;
    }
    // Drawn at the size the PNG has.
    HICON made = CreateIconFromResourceEx(bytes, SizeofResource(instance_, found), TRUE, 0x00030000,
                                          0, 0, LR_DEFAULTCOLOR);
    if (made != nullptr) {
        icons_[iconId] = made;
    }
    return made;
}

bool Win32Platform::loadIcon(int iconId) {
    return icon(iconId) != nullptr;
}

void Win32Platform::setWindowIcon(int iconId) {
    if (HICON frame = icon(iconId); frame != nullptr) {
        SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(frame));
        SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(frame));
    }
}

} // namespace bse
