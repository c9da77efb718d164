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

Result<int> openRegularFileAt(int folder, const std::string& name, int flags) {
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
        const Result<int> fd = openRegularFileAt(folder, name, O_RDWR | O_CREAT);
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
    const Result<int> fd = openRegularFileAt(folder, name, O_RDONLY);
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

FileLock::FileLock(FileLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
}

FileLock::~FileLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

} // namespace bse::io
