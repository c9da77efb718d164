// Loaded with LD_PRELOAD: makes one system call fail for files under one folder, so that the real
// read and write paths meet the faults of a real disk. Chosen by the environment, read at each
// call:
//   BSE_FAULT_FOLDER  absolute folder whose files are affected; nothing else is touched
//   BSE_FAULT         "CALL ERROR [BYTES]": the call, one of open, read, write, shortwrite,
//                     lyingwrite, fsync, ftruncate, close, rename; the error it gives, one of
//                     ENOSPC, EIO, EACCES, EXDEV ("-" when it gives none), or SIGKILL: the
//                     process dies there, as in a power cut; BYTES for the writes:
//                       write       the bytes that fit, then ERROR
//                       shortwrite  the most one call takes
//                       lyingwrite  the bytes really written, while every call claims its count
//   BSE_NO_TMPFILE    the folder's file system makes no unnamed files (O_TMPFILE), and says so
//                     with this error: EISDIR (old kernels), EINVAL, or else EOPNOTSUPP
// Byte counts start again at each file created under the folder. The code under test opens its
// files with open(2) and full paths, or with openat(2) in a folder it opened (BSE_NO_TMPFILE only).

#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <signal.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

long bytesWritten = 0;

template <class F> F real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

bool underFolder(const std::string& path) {
    const char* folder = std::getenv("BSE_FAULT_FOLDER");
    const std::string prefix = folder != nullptr ? folder : "";
    return !prefix.empty() && path.starts_with(prefix) &&
           (path.size() == prefix.size() || path[prefix.size()] == '/');
}

bool fdUnderFolder(int fd) {
    char target[PATH_MAX] = {};
    return readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), target, PATH_MAX - 1) > 0 &&
           underFolder(target);
}

constexpr int killed = -1; // the "error" SIGKILL

struct Fault {
    std::string call;
    int error = 0;
    long bytes = 0;
};

Fault chosen() {
    char call[16] = "", error[16] = "";
    Fault fault;
    if (const char* value = std::getenv("BSE_FAULT")) {
        std::sscanf(value, "%15s %15s %ld", call, error, &fault.bytes);
    }
    const std::string e = error;
    fault.call = call;
    fault.error = e == "ENOSPC"    ? ENOSPC
                  : e == "EACCES"  ? EACCES
                  : e == "EXDEV"   ? EXDEV
                  : e == "SIGKILL" ? killed
                                   : EIO;
    return fault;
}

int failWith(int error) {
    if (error == killed) {
        raise(SIGKILL);
    }
    errno = error;
    return -1;
}

// The error to give when `call` is the chosen fault and its file is in the folder, or 0.
template <class InFolder> int faultFor(const char* call, InFolder inFolder) {
    const Fault fault = chosen();
    return fault.call == call && inFolder() ? fault.error : 0;
}

// The error BSE_NO_TMPFILE chooses for an unnamed file in the folder, or 0.
template <class InFolder> int noTemporary(int flags, InFolder inFolder) {
    const char* no = std::getenv("BSE_NO_TMPFILE");
    if (no == nullptr || (flags & O_TMPFILE) != O_TMPFILE || !inFolder()) {
        return 0;
    }
    const std::string said = no;
    return said == "EISDIR" ? EISDIR : said == "EINVAL" ? EINVAL : EOPNOTSUPP;
}

} // namespace

extern "C" {

// Lets a test see that it runs under this library.
int bse_fault_injection_loaded() {
    return 1;
}

int open(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode =
        (flags & (O_CREAT | O_TMPFILE)) != 0 ? static_cast<mode_t>(va_arg(arguments, int)) : 0;
    va_end(arguments);
    if (const int error = faultFor("open", [&] { return underFolder(path); })) {
        return failWith(error);
    }
    if (const int error = noTemporary(flags, [&] { return underFolder(path); })) {
        return failWith(error);
    }
    if (((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE) && underFolder(path)) {
        bytesWritten = 0;
    }
    return real<int (*)(const char*, int, ...)>("open")(path, flags, mode);
}

// Files opened through their folder's descriptor: only BSE_NO_TMPFILE applies.
int openat(int folder, const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode =
        (flags & (O_CREAT | O_TMPFILE)) != 0 ? static_cast<mode_t>(va_arg(arguments, int)) : 0;
    va_end(arguments);
    if (const int error = noTemporary(flags, [&] { return fdUnderFolder(folder); })) {
        return failWith(error);
    }
    return real<int (*)(int, const char*, int, ...)>("openat")(folder, path, flags, mode);
}

ssize_t read(int fd, void* buffer, size_t count) {
    if (const int error = faultFor("read", [&] { return fdUnderFolder(fd); })) {
        return failWith(error);
    }
    return real<ssize_t (*)(int, void*, size_t)>("read")(fd, buffer, count);
}

ssize_t write(int fd, const void* buffer, size_t count) {
    static const auto realWrite = real<ssize_t (*)(int, const void*, size_t)>("write");
    const Fault fault = chosen();
    if (fault.call.find("write") == std::string::npos || !fdUnderFolder(fd)) {
        return realWrite(fd, buffer, count);
    }
    const auto fits = static_cast<size_t>(std::max(0L, fault.bytes - bytesWritten));
    if (fault.call == "write" && fits == 0) {
        return failWith(fault.error); // SIGKILL: after the bytes that fit
    }
    // A filling disk takes what fits first; a short write takes at most its bytes.
    const size_t taken =
        std::min(count, fault.call == "shortwrite" ? static_cast<size_t>(fault.bytes) : fits);
    const ssize_t done = realWrite(fd, buffer, taken);
    bytesWritten += std::max<ssize_t>(done, 0);
    return fault.call == "lyingwrite" ? static_cast<ssize_t>(count) : done;
}

int fsync(int fd) {
    if (const int error = faultFor("fsync", [&] { return fdUnderFolder(fd); })) {
        return failWith(error);
    }
    return real<int (*)(int)>("fsync")(fd);
}

int ftruncate(int fd, off_t length) {
    if (const int error = faultFor("ftruncate", [&] { return fdUnderFolder(fd); })) {
        return failWith(error);
    }
    return real<int (*)(int, off_t)>("ftruncate")(fd, length);
}

int close(int fd) {
    const int error = faultFor("close", [&] { return fdUnderFolder(fd); });
    // As on Linux, the descriptor is gone even when close reports an error.
    const int result = real<int (*)(int)>("close")(fd);
    return error != 0 ? failWith(error) : result;
}

int rename(const char* from, const char* to) {
    if (const int error =
            faultFor("rename", [&] { return underFolder(from) || underFolder(to); })) {
        return failWith(error);
    }
    return real<int (*)(const char*, const char*)>("rename")(from, to);
}

} // extern "C"
