#pragma once
// What the Windows side of the file layer shares: UTF-8 paths as UTF-16, the system's reasons as
// text, and a handle that is closed once.

#include "base/result.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <utility>

namespace bse::io::windows {

std::string utf8(const wchar_t* text, int length);
inline std::string utf8(const std::wstring& text) {
    return utf8(text.c_str(), static_cast<int>(text.size()));
}

// The system's own message, as UTF-8, without its closing full stop and line break. Both kinds of
// full disk read as one.
std::string systemReason(DWORD error = ::GetLastError());

inline Refusal failure(DWORD error = ::GetLastError()) {
    return refuse(systemReason(error));
}

Result<std::wstring> widePath(const std::string& path);

// Writes every byte, or says why not.
Status writeAll(HANDLE handle, std::span<const std::uint8_t> bytes);

// The path of `name` in an open folder, reached through the folder's own path as the system
// resolved it when it was opened.
Result<std::wstring> pathInFolder(HANDLE folder, const std::string& name);

// What a file's attributes and reparse tag make it, when not a plain file ("a folder", "a
// symbolic link"); empty for a plain file.
std::string notPlainKind(DWORD attributes, DWORD reparseTag);

class Handle {
  public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (valid()) {
            ::CloseHandle(handle_);
        }
    }
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    bool close() { return ::CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0; }
    HANDLE release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }

  private:
    HANDLE handle_;
};

} // namespace bse::io::windows
