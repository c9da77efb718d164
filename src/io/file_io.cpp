#include "io/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <utility>

// Writes go through plain POSIX calls rather than QSaveFile: Qt 6.4's buffered QSaveFile accepts
// the whole write(), and commit() then reports success although its flush wrote only part of the
// file on a full disk. Here every count is checked and nothing is buffered behind our back.

namespace bse::io {

namespace {

std::string systemReason(int number) {
    return std::strerror(number);
}

class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    // Closes and reports the result; the descriptor is gone either way.
    int close() { return ::close(std::exchange(fd_, -1)); }

  private:
    int fd_;
};

std::string notRegularReason(mode_t mode) {
    const char* kind = S_ISDIR(mode)                    ? "a folder"
                       : S_ISFIFO(mode)                 ? "a named pipe"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                       : S_ISSOCK(mode)                 ? "a socket"
                                                        : "something else";
    return std::string("Not a regular file, but ") + kind;
}

// The folder that holds `path`, and the name in it.
std::pair<std::string, std::string> splitPath(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return {".", path};
    }
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// A new file beside the target, as mkstemp makes one; opened here so every system call on the
// way is our own (and so visible to the tests' fault injection).
int createTemporary(const std::string& folder, const std::string& name, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    std::uint64_t seed =
        static_cast<std::uint64_t>(now.tv_nsec) ^ (static_cast<std::uint64_t>(::getpid()) << 32);
    for (int attempt = 0; attempt < 100; ++attempt) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL + counter++;
        std::string suffix;
        for (int i = 0; i < 6; ++i) {
            suffix += letters[(seed >> (10 + 6 * i)) % (sizeof letters - 1)];
        }
        tempPath = folder + "/." + name + "." + suffix;
        // 0666 and the umask, as any new file; an existing target's mode replaces it below.
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Unlinks the temporary file unless it has become the target.
struct TemporaryName {
    std::string path;
    bool renamed = false;
    ~TemporaryName() {
        if (!path.empty() && !renamed) {
            ::unlink(path.c_str());
        }
    }
};

Status failure(int number) {
    return refuse(systemReason(number));
}

Status keepOwnerAndMode(int fd, const struct stat& old) {
    // Only root may give a file away; an owner in the old file's group may still keep the group.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        if (errno != EPERM) {
            return failure(errno);
        }
        if (::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0 && errno != EPERM) {
            return failure(errno);
        }
    }
    // After fchown, which may clear the set-user-ID bits.
    if (::fchmod(fd, old.st_mode & 07777) != 0) {
        return failure(errno);
    }
    return Done{};
}

Status writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return failure(errno);
        }
        if (written == 0) {
            // A regular file takes nothing only when there is no room for it.
            return failure(ENOSPC);
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return Done{};
}

} // namespace

Result<FileHead, ReadFailure> readFile(const std::string& path, std::size_t limit,
                                       LongFile longFile) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused below anyway.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        return ReadFailure{systemReason(errno)};
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) {
        return ReadFailure{systemReason(errno)};
    }
    if (!S_ISREG(status.st_mode)) {
        return ReadFailure{notRegularReason(status.st_mode), true};
    }
    FileHead head;
    head.size = static_cast<std::uint64_t>(status.st_size);
    if (head.size > limit && longFile == LongFile::ReadNothing) {
        return head;
    }
    head.bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(head.size, limit)));
    std::size_t filled = 0;
    while (filled < head.bytes.size()) {
        const ssize_t got =
            ::read(fd.get(), head.bytes.data() + filled, head.bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return ReadFailure{systemReason(errno)};
        }
        if (got == 0) {
            break; // the file shrank since it was opened
        }
        filled += static_cast<std::size_t>(got);
    }
    head.bytes.resize(filled);
    return head;
}

Status writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    // Replace what a symbolic link points at, not the link.
    std::string target = path;
    struct stat old {};
    if (::lstat(path.c_str(), &old) == 0 && S_ISLNK(old.st_mode)) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    const auto [folder, name] = splitPath(target);

    TemporaryName temporary;
    Descriptor fd(createTemporary(folder, name, temporary.path));
    if (fd.get() < 0) {
        temporary.path.clear(); // nothing was created
        return failure(errno);
    }
    if (replacing) {
        if (Status kept = keepOwnerAndMode(fd.get(), old); !kept) {
            return kept;
        }
    }
    if (Status written = writeAll(fd.get(), bytes); !written) {
        return written;
    }
    if (::fsync(fd.get()) != 0) {
        return failure(errno);
    }
    // What is on the disk is what the file system says it holds, not what write() returned.
    struct stat written {};
    if (::fstat(fd.get(), &written) != 0) {
        return failure(errno);
    }
    if (static_cast<std::uint64_t>(written.st_size) != bytes.size()) {
        return refuse("The new file holds " + std::to_string(written.st_size) + " of " +
                      std::to_string(bytes.size()) + " bytes");
    }
    if (fd.close() != 0) {
        return failure(errno);
    }
    if (::rename(temporary.path.c_str(), target.c_str()) != 0) {
        return failure(errno);
    }
    temporary.renamed = true;
    // Makes the rename itself durable. Its failure is not reported: the file is already whole under
    // its name, and a crash now would leave either the old file or the new one, both whole.
    Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0) {
        ::fsync(directory.get());
    }
    return Done{};
}

} // namespace bse::io
