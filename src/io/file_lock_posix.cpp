#include "io/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace bse::io {

namespace {

Refusal notRegular(mode_t mode) {
    return refuse(std::string("Not a regular file, but ") + (S_ISLNK(mode)   ? "a symbolic link"
                                                             : S_ISDIR(mode) ? "a folder"
                                                             : S_ISFIFO(mode)
                                                                 ? "a named pipe"
                                                                 : "a device or socket"));
}

} // namespace

Result<int> openRegularFileAt(int folder, const std::string& name, OpenFor use) {
    const int flags = use == OpenFor::Reading   ? O_RDONLY
                      : use == OpenFor::Locking ? O_RDWR | O_CREAT
                                                : O_WRONLY | O_CREAT | O_TRUNC;
    struct stat status {};
    if (::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
        !S_ISREG(status.st_mode)) {
        return notRegular(status.st_mode);
    }
    // Checked again on the descriptor: the name may have changed hands since.
    const int fd = ::openat(folder, name.c_str(),
                            flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    if (fd < 0) {
        return errno == ELOOP ? notRegular(S_IFLNK) : refuse(std::strerror(errno));
    }
    const Refusal refusal = ::fstat(fd, &status) != 0  ? refuse(std::strerror(errno))
                            : !S_ISREG(status.st_mode) ? notRegular(status.st_mode)
                                                       : Refusal{};
    if (!refusal.reason.empty()) {
        ::close(fd);
        return refusal;
    }
    return fd;
}

Result<FileLock> FileLock::acquire(int folder, const std::string& name) {
    // Another editor removing a dead lock of the same name holds it while it does: try again, and
    // the lock taken is on a file that still has its name.
    for (int attempt = 0;; ++attempt) {
        const Result<int> fd = openRegularFileAt(folder, name, OpenFor::Locking);
        if (!fd) {
            return fd.error();
        }
        FileLock lock(*fd);
        struct stat status {};
        const bool taken = ::flock(*fd, LOCK_EX | LOCK_NB) == 0;
        if (taken && ::fstat(*fd, &status) == 0 && status.st_nlink > 0) {
            return lock;
        }
        if (attempt == 10) {
            return refuse(taken ? "The lock file was removed while it was taken"
                                : std::strerror(errno));
        }
    }
}

bool FileLock::isHeld(int folder, const std::string& name, std::optional<FileLock>* taken) {
    const Result<int> fd = openRegularFileAt(folder, name, OpenFor::Reading);
    if (!fd) {
        return false;
    }
    FileLock lock(*fd);
    // Each open is a holder of its own, so this fails while anyone, this process too, holds it.
    if (::flock(*fd, LOCK_EX | LOCK_NB) != 0) {
        return errno == EWOULDBLOCK;
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
    if (file_ >= 0) {
        ::close(file_);
    }
}

} // namespace bse::io
