// Text drawn with GDI into the core's pictures, in the program's one font.
#include "win32/win32_platform.h"

#include "win32/text.h"

#include <algorithm>

namespace bse {

void Win32Platform::drawText(Picture& picture, const Rect& rect, std::string_view text, Rgb colour,
                             TextAlign align) {
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int width = std::min(rect.right, picture.width) - left;
    const int height = std::min(rect.bottom, picture.height) - top;
    if (width <= 0 || height <= 0 || picture.isIndexed()) {
        return;
    }
    if (font_ == nullptr) {
        // 8 points at 96 dots an inch, as the dialogs' font.
        font_ = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                            DEFAULT_PITCH, L"MS Sans Serif");
    }
    // The rectangle's pixels go into a DIB section, take the text, and come back.
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        DeleteDC(dc);
        return;
    }
    auto* pixels = static_cast<Pixel*>(bits);
    for (int y = 0; y < height; ++y) {
        std::copy_n(picture.row(top + y) + left, width, pixels + y * width);
    }
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(colour.red, colour.green, colour.blue));
    RECT area{rect.left - left, rect.top - top, rect.right - left, rect.bottom - top};
    const std::wstring wide = wideFromWindows1252(text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area,
              DT_NOPREFIX | DT_NOCLIP | (align == TextAlign::Centre ? DT_CENTER : DT_LEFT));
    GdiFlush();
    for (int y = 0; y < height; ++y) {
        Pixel* row = picture.row(top + y) + left;
        for (int x = 0; x < width; ++x) {
            row[x] = pixels[y * width + x] | 0xff000000u; // GDI leaves the top byte clear
        }
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

} // namespace bse
