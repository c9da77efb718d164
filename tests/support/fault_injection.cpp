// Loaded with LD_PRELOAD: makes one system call fail for files under one folder, so that the real
// read and write paths meet the faults of a real disk. Chosen by the environment, read at each
// call:
//   BSE_FAULT_FOLDER  absolute folder whose files are affected; nothing else is touched
//   BSE_FAULT         open | read | write | shortwrite | lyingwrite | fsync | close | rename
//   BSE_FAULT_ERRNO   ENOSPC | EIO | EACCES | EXDEV (for open, read, write, fsync, close, rename)
//   BSE_FAULT_AFTER   write: bytes that fit before ENOSPC; shortwrite: the most one call takes;
//                     lyingwrite: bytes really written while every call claims its whole count
// Byte counts start again at each file created under the folder.

#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

long bytesWritten = 0;

template <class F> F real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

bool underFolder(const std::string& path) {
    const char* folder = std::getenv("BSE_FAULT_FOLDER");
    if (folder == nullptr || *folder == '\0') {
        return false;
    }
    const std::size_t length = std::strlen(folder);
    return path.compare(0, length, folder) == 0 && (path.size() == length || path[length] == '/');
}

bool fdUnderFolder(int fd) {
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    char target[PATH_MAX] = {};
    return readlink(link.c_str(), target, sizeof target - 1) > 0 && underFolder(target);
}

// The error to give when `call` is the chosen fault, or 0.
int faultFor(const char* call) {
    const char* chosen = std::getenv("BSE_FAULT");
    if (chosen == nullptr || std::strcmp(chosen, call) != 0) {
        return 0;
    }
    const char* name = std::getenv("BSE_FAULT_ERRNO");
    const std::string error = name != nullptr ? name : "EIO";
    return error == "ENOSPC" ? ENOSPC : error == "EACCES" ? EACCES : error == "EXDEV" ? EXDEV : EIO;
}

long after() {
    const char* value = std::getenv("BSE_FAULT_AFTER");
    return value != nullptr ? std::atol(value) : 0;
}

int failWith(int error) {
    errno = error;
    return -1;
}

// True when the open is to fail, with errno set. Relative paths are left alone: the code under
// test names its files in full.
bool openFaulted(const char* path, int flags) {
    if (!underFolder(path)) {
        return false;
    }
    if (const int error = faultFor("open")) {
        errno = error;
        return true;
    }
    if ((flags & O_CREAT) != 0) {
        bytesWritten = 0;
    }
    return false;
}

} // namespace

extern "C" {

// Lets a test see that it runs under this library.
int bse_fault_injection_loaded() {
    return 1;
}

#define BSE_MODE_ARGUMENT                                                                          \
    va_list arguments;                                                                             \
    va_start(arguments, flags);                                                                    \
    const mode_t mode =                                                                            \
        (flags & (O_CREAT | O_TMPFILE)) != 0 ? static_cast<mode_t>(va_arg(arguments, int)) : 0;    \
    va_end(arguments);

int open(const char* path, int flags, ...) {
    BSE_MODE_ARGUMENT
    using Open = int (*)(const char*, int, ...);
    return openFaulted(path, flags) ? -1 : real<Open>("open")(path, flags, mode);
}

int open64(const char* path, int flags, ...) {
    BSE_MODE_ARGUMENT
    using Open = int (*)(const char*, int, ...);
    return openFaulted(path, flags) ? -1 : real<Open>("open64")(path, flags, mode);
}

int openat(int dirfd, const char* path, int flags, ...) {
    BSE_MODE_ARGUMENT
    using OpenAt = int (*)(int, const char*, int, ...);
    return openFaulted(path, flags) ? -1 : real<OpenAt>("openat")(dirfd, path, flags, mode);
}

int openat64(int dirfd, const char* path, int flags, ...) {
    BSE_MODE_ARGUMENT
    using OpenAt = int (*)(int, const char*, int, ...);
    return openFaulted(path, flags) ? -1 : real<OpenAt>("openat64")(dirfd, path, flags, mode);
}

ssize_t read(int fd, void* buffer, size_t count) {
    if (const int error = faultFor("read"); error != 0 && fdUnderFolder(fd)) {
        return failWith(error);
    }
    return real<ssize_t (*)(int, void*, size_t)>("read")(fd, buffer, count);
}

ssize_t write(int fd, const void* buffer, size_t count) {
    static const auto realWrite = real<ssize_t (*)(int, const void*, size_t)>("write");
    const char* chosen = std::getenv("BSE_FAULT");
    if (chosen == nullptr || !fdUnderFolder(fd)) {
        return realWrite(fd, buffer, count);
    }
    const long limit = after();
    const auto fits = static_cast<size_t>(std::max(0L, limit - bytesWritten));
    if (std::strcmp(chosen, "write") == 0) {
        if (fits == 0) {
            return failWith(faultFor("write"));
        }
        count = std::min(count, fits); // a short write first, as a filling disk gives
    } else if (std::strcmp(chosen, "shortwrite") == 0) {
        count = std::min(count, static_cast<size_t>(limit));
    } else if (std::strcmp(chosen, "lyingwrite") == 0) {
        const ssize_t done = fits == 0 ? 0 : realWrite(fd, buffer, std::min(count, fits));
        bytesWritten += std::max<ssize_t>(done, 0);
        return static_cast<ssize_t>(count);
    }
    const ssize_t done = realWrite(fd, buffer, count);
    bytesWritten += std::max<ssize_t>(done, 0);
    return done;
}

int fsync(int fd) {
    if (const int error = faultFor("fsync"); error != 0 && fdUnderFolder(fd)) {
        return failWith(error);
    }
    return real<int (*)(int)>("fsync")(fd);
}

int close(int fd) {
    const int error = faultFor("close");
    const bool faulted = error != 0 && fdUnderFolder(fd);
    // As on Linux, the descriptor is gone even when close reports an error.
    const int result = real<int (*)(int)>("close")(fd);
    return faulted ? failWith(error) : result;
}

int rename(const char* from, const char* to) {
    if (const int error = faultFor("rename");
        error != 0 && (underFolder(from) || underFolder(to))) {
        return failWith(error);
    }
    return real<int (*)(const char*, const char*)>("rename")(from, to);
}

} // extern "C"
