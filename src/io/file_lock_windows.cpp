// Locks and plain files in a folder on Windows: the folder is a handle held open, the files in it
// are opened without following a reparse point, and a lock is LockFileEx on the file's first byte.
#include "io/file_lock.h"
#include "io/windows_support.h"

#include <utility>

namespace bse::io {

namespace windows {

Result<std::wstring> pathInFolder(HANDLE folder, const std::string& name) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetFinalPathNameByHandleW(folder, path.data(), static_cast<DWORD>(path.size()), 0);
        if (length == 0) {
            return failure();
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(length);
    }
    const Result<std::wstring> wide = widePath(name);
    if (!wide) {
        return wide;
    }
    return path + (path.ends_with(L'\\') ? L"" : L"\\") + *wide;
}

std::string notPlainKind(DWORD attributes, DWORD reparseTag) {
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return reparseTag == IO_REPARSE_TAG_SYMLINK       ? "a symbolic link"
               : reparseTag == IO_REPARSE_TAG_MOUNT_POINT ? "a junction"
                                                          : "a reparse point";
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? "a folder"
           : (attributes & FILE_ATTRIBUTE_DEVICE) != 0  ? "a device"
                                                        : "";
}

} // namespace windows

namespace {

using namespace windows;

Refusal notRegular(const std::string& kind) {
    return refuse("Not a regular file, but " + kind);
}

constexpr DWORD lockFlags = LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY;

} // namespace

Result<SystemHandle> openRegularFileAt(SystemHandle folder, const std::string& name, OpenFor use) {
    const Result<std::wstring> path = pathInFolder(folder, name);
    if (!path) {
        return path.error();
    }
    // Looked at before it is opened, so that no folder or device is; the entry found is the name's
    // own, a link's and not its target's.
    WIN32_FIND_DATAW entry{};
    if (const HANDLE search = ::FindFirstFileW(path->c_str(), &entry);
        search != INVALID_HANDLE_VALUE) {
        ::FindClose(search);
        if (const std::string kind = notPlainKind(entry.dwFileAttributes, entry.dwReserved0);
            !kind.empty()) {
            return notRegular(kind);
        }
    }
    const DWORD access = use == OpenFor::Reading   ? GENERIC_READ
                         : use == OpenFor::Locking ? GENERIC_READ | GENERIC_WRITE
                                                   : GENERIC_WRITE;
    // Every kind of sharing: a lock file is removed while it is held, by its holder.
    Handle file(::CreateFileW(path->c_str(), access,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              use == OpenFor::Reading ? OPEN_EXISTING : OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.valid()) {
        return failure();
    }
    // Checked again on the handle: the name may have changed hands since.
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
        return notRegular("a device");
    }
    FILE_ATTRIBUTE_TAG_INFO information{};
    if (::GetFileInformationByHandleEx(file.get(), FileAttributeTagInfo, &information,
                                       sizeof information) == 0) {
        return failure();
    }
    if (const std::string kind = notPlainKind(information.FileAttributes, information.ReparseTag);
        !kind.empty()) {
        return notRegular(kind);
    }
    if (use == OpenFor::Replacing && ::SetEndOfFile(file.get()) == 0) {
        return failure();
    }
    return file.release();
}

Result<FileLock> FileLock::acquire(SystemHandle folder, const std::string& name) {
    // Another editor removing a dead lock of the same name holds it while it does: try again, and
    // the lock taken is on a file that is not on its way out.
    for (int attempt = 0;; ++attempt) {
        const Result<SystemHandle> file = openRegularFileAt(folder, name, OpenFor::Locking);
        if (!file) {
            return file.error();
        }
        FileLock lock(*file);
        OVERLAPPED start{};
        const bool taken = ::LockFileEx(*file, lockFlags, 0, 1, 0, &start) != 0;
        const DWORD error = ::GetLastError();
        FILE_STANDARD_INFO standard{};
        if (taken &&
            ::GetFileInformationByHandleEx(*file, FileStandardInfo, &standard, sizeof standard) !=
                0 &&
            !standard.DeletePending) {
            return lock;
        }
        if (attempt == 10) {
            return taken ? refuse("The lock file was removed while it was taken") : failure(error);
        }
    }
}

bool FileLock::isHeld(SystemHandle folder, const std::string& name,
                      std::optional<FileLock>* taken) {
    const Result<SystemHandle> file = openRegularFileAt(folder, name, OpenFor::Reading);
    if (!file) {
        return false;
    }
    FileLock lock(*file);
    // Each handle is a holder of its own, so this fails while anyone, this process too, holds it.
    OVERLAPPED start{};
    if (::LockFileEx(*file, lockFlags, 0, 1, 0, &start) == 0) {
        return ::GetLastError() == ERROR_LOCK_VIOLATION;
    }
    if (taken) {
        taken->emplace(std::move(lock));
    }
    return false;
}

FileLock::FileLock(FileLock&& other) noexcept : file_(std::exchange(other.file_, noHandle)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    std::swap(file_, other.file_);
    return *this;
}

FileLock::~FileLock() {
    if (file_ != noHandle) {
        // Given back at once: the system may take its time with the locks of a closed handle.
        ::UnlockFile(file_, 0, 0, 1, 0);
        ::CloseHandle(file_);
    }
}

} // namespace bse::io
