// The Windows clipboard: a board as text (CF_UNICODETEXT, lines ended by CR LF) and as the cells in
// a registered format of the editor's own, named as the Linux editor's type.
#include "win32/win32_platform.h"

#include "format/board_text.h"
#include "win32/text.h"

#include <algorithm>
#include <cstring>

namespace bse {

namespace {

UINT cellsFormat() {
    static const UINT format = RegisterClipboardFormatW(L"application/x-plinkor2-board");
    return format;
}

// Puts a copy of `size` bytes on the open clipboard in `format`.
void put(UINT format, const void* data, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    void* locked = memory != nullptr ? GlobalLock(memory) : nullptr;
    if (locked == nullptr) {
        GlobalFree(memory);
        return;
    }
    std::memcpy(locked, data, size);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
    }
}

// At most `limit` + 1 bytes of a format on the open clipboard: a longer one comes cut.
std::optional<Bytes> take(UINT format, std::size_t limit) {
    HANDLE memory = GetClipboardData(format);
    const void* locked = memory != nullptr ? GlobalLock(memory) : nullptr;
    if (locked == nullptr) {
        return std::nullopt;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(locked);
    Bytes taken(bytes, bytes + std::min(GlobalSize(memory), limit + 1));
    GlobalUnlock(memory);
    return taken;
}

} // namespace

void Win32Platform::putBoardOnClipboard(std::string_view text, const Bytes& cells) {
    if (!OpenClipboard(window_)) {
        return;
    }
    EmptyClipboard();
    std::wstring wide;
    for (const wchar_t character : wideFromWindows1252(text)) {
        wide += character == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, character);
    }
    put(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    put(cellsFormat(), cells.data(), cells.size());
    CloseClipboard();
}

Platform::ClipboardBoard Win32Platform::clipboardBoard() {
    // The editor's own copy is read from the editor, not from the clipboard.
    if (GetClipboardOwner() == window_ || !OpenClipboard(window_)) {
        return {};
    }
    ClipboardBoard board;
    board.cells = take(cellsFormat(), clipboardByteLimit);
    // Two bytes a character, the terminator dropped; the limit counts the text's bytes.
    if (const std::optional<Bytes> wide = take(CF_UNICODETEXT, 2 * (clipboardByteLimit + 1))) {
        std::wstring text(wide->size() / 2, L'\0');
        std::memcpy(text.data(), wide->data(), text.size() * sizeof(wchar_t));
        text.resize(std::min(text.find(L'\0'), clipboardByteLimit + 1));
        board.text = windows1252FromWide(text);
    }
    CloseClipboard();
    return board;
}

Platform::ClipboardTypes Win32Platform::clipboardTypes() {
    if (GetClipboardOwner() == window_) {
        return {};
    }
    return {IsClipboardFormatAvailable(cellsFormat()) != 0,
            IsClipboardFormatAvailable(CF_UNICODETEXT) != 0};
}

} // namespace bse
