// The file layer on Windows: the same promises as the POSIX side, in the system's own calls. Paths
// are UTF-8 and become UTF-16; every handle is binary, so no byte is translated.
#include "io/file_io.h"
#include "io/windows_support.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <limits>
#include <string_view>
#include <utility>

namespace bse::io {

namespace windows {

std::string utf8(const wchar_t* text, int length) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(std::max(size, 0)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    return out;
}

std::string systemReason(DWORD error) {
    if (error == ERROR_HANDLE_DISK_FULL) {
        error = ERROR_DISK_FULL;
    }
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string reason = length > 0 ? utf8(buffer, static_cast<int>(length))
                                    : "System error " + std::to_string(error);
    ::LocalFree(buffer);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                               reason.back() == ' ' || reason.back() == '.')) {
        reason.pop_back();
    }
    return reason;
}

Result<std::wstring> widePath(const std::string& path) {
    const int size = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(),
                                           static_cast<int>(path.size()), nullptr, 0);
    if (size <= 0 && !path.empty()) {
        return refuse("The file name is not valid UTF-8");
    }
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), static_cast<int>(path.size()),
                          wide.data(), size);
    return wide;
}

Status writeAll(HANDLE handle, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const auto want = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        DWORD written = 0;
        if (::WriteFile(handle, bytes.data(), want, &written, nullptr) == 0) {
            return failure();
        }
        if (written == 0) {
            return failure(ERROR_DISK_FULL);
        }
        bytes = bytes.subspan(written);
    }
    return Done{};
}

} // namespace windows

namespace {

using namespace windows;

// What the path names now: nothing, a file on disk, or something else.
struct Found {
    bool exists = false;
    DWORD attributes = 0;
    DWORD type = FILE_TYPE_DISK;
    DWORD links = 1;
};

Found find(const std::wstring& path) {
    // No access asked: only the handle's information, so nothing is opened for reading.
    Handle handle(::CreateFileW(path.c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    Found found;
    if (!handle.valid()) {
        return found;
    }
    found.exists = true;
    found.type = ::GetFileType(handle.get());
    BY_HANDLE_FILE_INFORMATION information{};
    if (found.type == FILE_TYPE_DISK &&
        ::GetFileInformationByHandle(handle.get(), &information) != 0) {
        found.attributes = information.dwFileAttributes;
        found.links = information.nNumberOfLinks;
    }
    return found;
}

std::string notRegularReason(const Found& found) {
    const char* kind = (found.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? "a folder"
                       : found.type == FILE_TYPE_PIPE                     ? "a named pipe"
                       : found.type == FILE_TYPE_CHAR                     ? "a device"
                                                                          : "something else";
    return std::string("Not a regular file, but ") + kind;
}

bool regular(const Found& found) {
    return found.type == FILE_TYPE_DISK &&
           (found.attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

// The folder that holds `path` (either separator), and the name in it.
std::pair<std::wstring, std::wstring> splitPath(const std::wstring& path) {
    const auto slash = path.find_last_of(L"/\\");
    if (slash == std::wstring::npos) {
        return {L".", path};
    }
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// The path in full, with backslashes: Wine's ReplaceFileW refuses a relative or slashed name of
// the file it replaces ("Directory name invalid"), which the command line passes on as typed.
std::wstring fullPath(const std::wstring& path) {
    const DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD length =
        size == 0 ? 0 : ::GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) {
        return path;
    }
    full.resize(length);
    return full;
}

// What the temporary names of `name` start with: the name itself, or, where ".NAME.XXXXXX.old"
// would not fit in the 255 characters of a name, the name's start and a hash of the whole name.
std::wstring temporaryStem(const std::wstring& name) {
    constexpr std::size_t longestName = 255, added = 12;
    if (name.size() + added <= longestName) {
        return name;
    }
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const wchar_t c : name) {
        hash = (hash ^ static_cast<std::uint16_t>(c)) * 16777619u;
    }
    std::wstring stem = name.substr(0, longestName - added - 9) + L"~";
    for (int shift = 28; shift >= 0; shift -= 4) {
        stem += L"0123456789abcdef"[(hash >> shift) & 15];
    }
    return stem;
}

std::wstring inFolder(const std::wstring& folder) {
    const bool separated = folder.ends_with(L'/') || folder.ends_with(L'\\');
    return folder + (separated ? L"" : L"\\");
}

// A name beside the target that no file has: ".STEM.XXXXXX".
std::wstring temporaryName(const std::wstring& folder, const std::wstring& stem) {
    static std::atomic<unsigned> counter{0};
    constexpr wchar_t letters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
    std::uint64_t seed = ::GetTickCount64() ^ (std::uint64_t{::GetCurrentProcessId()} << 32);
    seed = (seed ^ counter++) * 6364136223846793005ULL + 1442695040888963407ULL;
    std::wstring suffix;
    for (int i = 0; i < 6; ++i) {
        suffix += letters[(seed >> (10 + 6 * i)) % (sizeof letters / sizeof *letters - 1)];
    }
    return inFolder(folder) + L"." + stem + L"." + suffix;
}

// A new file beside the target, opened for this save alone: while it is open no other save can
// remove it, and a dead save's file is removed by the next one.
HANDLE createTemporary(const std::wstring& folder, const std::wstring& stem, std::wstring& path) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = temporaryName(folder, stem);
        const HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                            CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) {
            return handle;
        }
    }
    return INVALID_HANDLE_VALUE;
}

// Calls `found` with the path and data of each file ".STEM.XXXXXX" and `tail` beside `name`.
template <class Found>
void forEachTemporary(const std::wstring& folder, const std::wstring& name, const wchar_t* tail,
                      Found found) {
    const std::wstring prefix = inFolder(folder), stem = temporaryStem(name);
    const std::wstring pattern = L"." + stem + L".??????" + tail;
    WIN32_FIND_DATAW entry{};
    const HANDLE search = ::FindFirstFileW((prefix + pattern).c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if (std::wstring_view(entry.cFileName).size() == pattern.size()) {
            found(prefix + entry.cFileName, entry);
        }
    } while (::FindNextFileW(search, &entry) != 0);
    ::FindClose(search);
}

// A running save holds its file open unshared, and the deletion fails. Kept copies of old bytes
// stay: the file may need them.
void removeDeadTemporaries(const std::wstring& folder, const std::wstring& name) {
    forEachTemporary(folder, name, L"", [](const std::wstring& path, const WIN32_FIND_DATAW&) {
        ::DeleteFileW(path.c_str());
    });
}

// A file that may be written, beside which no new file may be made: it cannot be replaced safely.
Status creationFailure(const std::wstring& folder, DWORD error, bool replacing) {
    if (!replacing || error != ERROR_ACCESS_DENIED) {
        return failure(error);
    }
    std::wstring shown = folder;
    if (shown.size() > 1 && (shown.ends_with(L'/') || shown.ends_with(L'\\'))) {
        shown.pop_back();
    }
    return refuse("The folder " + utf8(shown.c_str(), static_cast<int>(shown.size())) +
                  " does not allow a safe replacement: " + systemReason(error));
}

// Removes the temporary file unless it has become the target.
struct TemporaryName {
    std::wstring path;
    bool kept = false;
    ~TemporaryName() {
        if (!path.empty() && !kept) {
            ::DeleteFileW(path.c_str());
        }
    }
};

Status writeInto(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    Handle handle(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr));
    if (!handle.valid()) {
        return failure();
    }
    if (Status written = writeAll(handle.get(), bytes); !written) {
        return written;
    }
    return handle.close() ? Status{Done{}} : failure();
}

// A file with several names keeps them: its own file takes the new bytes, after its space is
// reserved and with a copy of the old bytes beside it until the new ones are down.
Status writeInPlace(const std::wstring& target, const std::wstring& folder,
                    const std::wstring& name, std::span<const std::uint8_t> bytes) {
    // Made whole under a temporary name, then named as a kept copy: a kept copy is always whole.
    TemporaryName copy;
    Handle reserved(createTemporary(folder, temporaryStem(name), copy.path));
    if (!reserved.valid()) {
        const DWORD error = ::GetLastError();
        copy.path.clear();
        return creationFailure(folder, error, true);
    }
    reserved.close();
    if (::CopyFileW(target.c_str(), copy.path.c_str(), FALSE) == 0) {
        return failure();
    }
    Handle copied(
        ::CreateFileW(copy.path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!copied.valid() || ::FlushFileBuffers(copied.get()) == 0 || !copied.close()) {
        return failure();
    }
    const std::wstring kept = copy.path + L".old";
    if (::MoveFileExW(copy.path.c_str(), kept.c_str(), MOVEFILE_WRITE_THROUGH) == 0) {
        return failure();
    }
    copy.path = kept;
    Handle handle(::CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, 0, nullptr));
    if (!handle.valid()) {
        return failure();
    }
    FILE_ALLOCATION_INFO allocation{};
    allocation.AllocationSize.QuadPart = static_cast<LONGLONG>(bytes.size());
    // A system that cannot reserve (Wine) goes on, as a file system without fallocate does.
    if (::SetFileInformationByHandle(handle.get(), FileAllocationInfo, &allocation,
                                     sizeof allocation) == 0 &&
        ::GetLastError() != ERROR_CALL_NOT_IMPLEMENTED && ::GetLastError() != ERROR_NOT_SUPPORTED) {
        return failure();
    }
    LARGE_INTEGER start{};
    Status written = ::SetFilePointerEx(handle.get(), start, nullptr, FILE_BEGIN) != 0
                         ? writeAll(handle.get(), bytes)
                         : failure();
    if (written && (::SetEndOfFile(handle.get()) == 0 || ::FlushFileBuffers(handle.get()) == 0 ||
                    !handle.close())) {
        written = failure();
    }
    if (!written) {
        handle.close();
        if (::CopyFileW(copy.path.c_str(), target.c_str(), FALSE) == 0) {
            copy.kept = true; // the only whole copy of the old bytes
            return refuse(written.reason() + "; the old bytes are kept in " +
                          utf8(copy.path.c_str(), static_cast<int>(copy.path.size())));
        }
    }
    return written;
}

} // namespace

Result<FileHead, ReadFailure> readFile(const std::string& path, std::size_t limit,
                                       LongFile longFile) {
    const Result<std::wstring> wide = widePath(path);
    if (!wide) {
        return ReadFailure{wide.reason()};
    }
    if (const Found found = find(*wide); found.exists && !regular(found)) {
        return ReadFailure{notRegularReason(found), true};
    }
    Handle handle(::CreateFileW(wide->c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle.valid()) {
        return ReadFailure{systemReason()};
    }
    LARGE_INTEGER size{};
    if (::GetFileType(handle.get()) != FILE_TYPE_DISK ||
        ::GetFileSizeEx(handle.get(), &size) == 0) {
        return ReadFailure{"Not a regular file, but a device", true};
    }
    FileHead head;
    head.size = static_cast<std::uint64_t>(size.QuadPart);
    if (head.size > limit && longFile == LongFile::ReadNothing) {
        return head;
    }
    head.bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(head.size, limit)));
    std::size_t filled = 0;
    while (filled < head.bytes.size()) {
        DWORD got = 0;
        const auto want =
            static_cast<DWORD>(std::min<std::size_t>(head.bytes.size() - filled, 1u << 20));
        if (::ReadFile(handle.get(), head.bytes.data() + filled, want, &got, nullptr) == 0) {
            return ReadFailure{systemReason()};
        }
        if (got == 0) {
            break; // the file shrank since it was opened
        }
        filled += got;
    }
    head.bytes.resize(filled);
    return head;
}

Status writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                           NotRegular notRegular) {
    const Result<std::wstring> wide = widePath(path);
    if (!wide) {
        return Refusal{wide.reason()};
    }
    const std::wstring target = fullPath(*wide);
    const Found old = find(target);
    if (old.exists && !regular(old)) {
        return notRegular == NotRegular::WriteInto && old.type != FILE_TYPE_DISK
                   ? writeInto(target, bytes)
                   : refuse(notRegularReason(old));
    }
    if (old.exists && (old.attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return refuse("The file is read-only");
    }
    const auto [folder, name] = splitPath(target);
    removeDeadTemporaries(folder, name);
    if (old.exists && old.links > 1) {
        return writeInPlace(target, folder, name, bytes);
    }

    TemporaryName temporary;
    Handle handle(createTemporary(folder, temporaryStem(name), temporary.path));
    if (!handle.valid()) {
        const DWORD error = ::GetLastError();
        temporary.path.clear(); // nothing was created
        return creationFailure(folder, error, old.exists);
    }
    if (Status written = writeAll(handle.get(), bytes); !written) {
        return written;
    }
    if (::FlushFileBuffers(handle.get()) == 0) {
        return failure();
    }
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(handle.get(), &size) == 0) {
        return failure();
    }
    if (static_cast<std::uint64_t>(size.QuadPart) != bytes.size()) {
        return refuse("The new file holds " + std::to_string(size.QuadPart) + " of " +
                      std::to_string(bytes.size()) + " bytes");
    }
    if (!handle.close()) {
        return failure();
    }
    // ReplaceFileW keeps the old file's attributes and access rights; a new file is moved in.
    const bool replaced =
        old.exists ? ::ReplaceFileW(target.c_str(), temporary.path.c_str(), nullptr,
                                    REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0
                   : ::MoveFileExW(temporary.path.c_str(), target.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!replaced) {
        return failure();
    }
    temporary.kept = true;
    return Done{};
}

// A save in progress elsewhere cannot be told from a dead one here: its copy is listed too.
std::vector<std::string> keptCopies(const std::string& path) {
    const Result<std::wstring> wide = widePath(path);
    if (!wide) {
        return {};
    }
    const auto [folder, name] = splitPath(*wide);
    std::vector<std::pair<std::uint64_t, std::string>> found;
    forEachTemporary(
        folder, name, L".old", [&](const std::wstring& copy, const WIN32_FIND_DATAW& entry) {
            found.emplace_back(std::uint64_t{entry.ftLastWriteTime.dwHighDateTime} << 32 |
                                   entry.ftLastWriteTime.dwLowDateTime,
                               utf8(copy.c_str(), static_cast<int>(copy.size())));
        });
    std::sort(found.begin(), found.end());
    std::vector<std::string> copies;
    for (auto& [time, copy] : found) {
        copies.push_back(std::move(copy));
    }
    return copies;
}

Status restoreKeptCopy(const std::string& path, const std::string& copy) {
    const auto read = readFile(copy, std::numeric_limits<std::size_t>::max());
    if (!read) {
        return refuse(read.reason());
    }
    if (Status written = writeFileAtomically(path, read->bytes); !written) {
        return written;
    }
    const Result<std::wstring> wide = widePath(copy);
    return wide && ::DeleteFileW(wide->c_str()) != 0 ? Status{Done{}} : failure();
}

} // namespace bse::io
