#include "io/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string_view>
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
    void reset(int fd) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = fd;
    }

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

constexpr char temporaryLetters[] =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t temporarySuffix = 6;

// A name beside the target that no file has: ".NAME.XXXXXX" and `tail`.
std::string temporaryName(const std::string& folder, const std::string& name, const char* tail) {
    static std::atomic<unsigned> counter{0};
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    std::uint64_t seed = static_cast<std::uint64_t>(now.tv_nsec) ^
                         (static_cast<std::uint64_t>(::getpid()) << 32) ^ counter++;
    seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    std::string suffix;
    for (std::size_t i = 0; i < temporarySuffix; ++i) {
        suffix += temporaryLetters[(seed >> (10 + 6 * i)) % (sizeof temporaryLetters - 1)];
    }
    return folder + "/." + name + "." + suffix + tail;
}

// Locks a temporary file for the life of its save: a later save removes only the unlocked ones.
// A file removed between its creation and the lock is given up (nlink 0).
bool lockedAndLinked(int fd) {
    struct stat status {};
    return ::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &status) == 0 && status.st_nlink > 0;
}

// A new file beside the target, as mkstemp makes one; opened here so every system call on the
// way is our own (and so visible to the tests' fault injection).
int createTemporary(const std::string& folder, const std::string& name, std::string& tempPath,
                    const char* tail = "") {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = temporaryName(folder, name, tail);
        // 0666 and the umask, as any new file; an existing target's mode replaces it below.
        const int fd = ::open(tempPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd == -1) {
            if (errno != EEXIST) {
                return -1;
            }
        } else if (lockedAndLinked(fd)) {
            return fd;
        } else {
            ::close(fd);
        }
    }
    errno = EEXIST;
    return -1;
}

// Removes the temporary files that dead saves of `name` left: those that no save holds locked.
void removeDeadTemporaries(const std::string& folder, const std::string& name) {
    DIR* directory = ::opendir(folder.c_str());
    if (directory == nullptr) {
        return;
    }
    const std::string prefix = "." + name + ".";
    while (const dirent* entry = ::readdir(directory)) {
        const std::string_view found = entry->d_name;
        if (found.size() != prefix.size() + temporarySuffix || !found.starts_with(prefix) ||
            found.find_first_not_of(temporaryLetters, prefix.size()) != std::string_view::npos) {
            continue;
        }
        Descriptor fd(::openat(::dirfd(directory), entry->d_name,
                               O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat status {};
        if (fd.get() >= 0 && ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0 &&
            ::fstat(fd.get(), &status) == 0 && S_ISREG(status.st_mode)) {
            ::unlinkat(::dirfd(directory), entry->d_name, 0);
        }
    }
    ::closedir(directory);
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

// The saver may not write it: the file system of the game's own platform refuses to open such a
// file for writing. Root may write anything, so for root it is a file with no write bit at all.
bool readOnly(const std::string& path, const struct stat& status) {
    if (::geteuid() == 0) {
        return (status.st_mode & 0222) == 0;
    }
    return ::access(path.c_str(), W_OK) != 0 && errno == EACCES;
}

// A device, a FIFO or a terminal takes the bytes as `cat > PATH` gives them; it is never replaced.
Status writeInto(const std::string& path, std::span<const std::uint8_t> bytes) {
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (fd.get() < 0 || ::fstat(fd.get(), &status) != 0) {
        return failure(errno);
    }
    if (S_ISREG(status.st_mode)) {
        return refuse("The file was replaced while it was being written");
    }
    if (Status written = writeAll(fd.get(), bytes); !written) {
        return written;
    }
    return fd.close() == 0 ? Status{Done{}} : failure(errno);
}

// Copies `size` bytes from the start of one file to the start of another, in the kernel.
Status copyFile(int from, int to, std::uint64_t size) {
    loff_t in = 0, out = 0;
    while (static_cast<std::uint64_t>(in) < size) {
        const ssize_t copied =
            ::copy_file_range(from, &in, to, &out, static_cast<std::size_t>(size - in), 0);
        if (copied < 0 && errno == EINTR) {
            continue;
        }
        if (copied <= 0) {
            return failure(copied < 0 ? errno : EIO);
        }
    }
    return ::ftruncate(to, static_cast<off_t>(size)) == 0 && ::fsync(to) == 0 ? Status{Done{}}
                                                                              : failure(errno);
}

// The length of the longest start of the file that holds `bytes`.
std::size_t bytesInPlace(int fd, std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> read(bytes.size());
    const ssize_t got = ::pread(fd, read.data(), read.size(), 0);
    const auto end = read.begin() + std::max<ssize_t>(got, 0);
    return static_cast<std::size_t>(std::mismatch(read.begin(), end, bytes.begin()).first -
                                    read.begin());
}

// A file with several names keeps them all: its own inode takes the new bytes. Its space is
// reserved first, so a full disk refuses before a byte changes, and a copy of the old bytes waits
// beside it until the new ones are down; a failure puts the old bytes back from it.
Status writeInPlace(const std::string& target, const std::string& folder, const std::string& name,
                    const struct stat& old, std::span<const std::uint8_t> bytes) {
    Descriptor fd(::open(target.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        return failure(errno);
    }
    TemporaryName copyName;
    Descriptor copy(createTemporary(folder, name, copyName.path, ".old"));
    if (copy.get() < 0) {
        copyName.path.clear();
        return failure(errno);
    }
    if (Status copied = copyFile(fd.get(), copy.get(), static_cast<std::uint64_t>(old.st_size));
        !copied) {
        return copied;
    }
    if (const int error = ::posix_fallocate(fd.get(), 0, static_cast<off_t>(bytes.size()));
        error != 0 && error != EOPNOTSUPP && error != EINVAL) {
        return failure(error);
    }
    Status written =
        ::lseek(fd.get(), 0, SEEK_SET) == 0 ? writeAll(fd.get(), bytes) : failure(errno);
    if (written &&
        (::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd.get()) != 0)) {
        written = failure(errno);
    }
    if (const std::size_t held = bytesInPlace(fd.get(), bytes); written && held != bytes.size()) {
        written = refuse("The new file holds " + std::to_string(held) + " of " +
                         std::to_string(bytes.size()) + " bytes");
    }
    if (written && fd.close() != 0) {
        written = failure(errno);
    }
    if (!written) {
        Descriptor restore(::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
        if (restore.get() < 0 ||
            !copyFile(copy.get(), restore.get(), static_cast<std::uint64_t>(old.st_size))) {
            copyName.renamed = true; // the only whole copy of the old bytes: kept
            return refuse(written.reason() + "; the old bytes are kept in " + copyName.path);
        }
    }
    return written;
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

Status writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                           NotRegular notRegular) {
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
    if (replacing && !S_ISREG(old.st_mode)) {
        return notRegular == NotRegular::WriteInto ? writeInto(target, bytes)
                                                   : refuse(notRegularReason(old.st_mode));
    }
    if (replacing && readOnly(target, old)) {
        return refuse("The file is read-only");
    }
    const auto [folder, name] = splitPath(target);
    removeDeadTemporaries(folder, name);
    if (replacing && old.st_nlink > 1) {
        return writeInPlace(target, folder, name, old, bytes);
    }

    // Unnamed until it is whole, where the file system allows it; named and locked where not.
    TemporaryName temporary;
    Descriptor fd(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    const bool unnamed = fd.get() >= 0 && ::flock(fd.get(), LOCK_EX) == 0;
    if (!unnamed) {
        if (fd.get() < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            return failure(errno);
        }
        fd.reset(createTemporary(folder, name, temporary.path));
        if (fd.get() < 0) {
            temporary.path.clear(); // nothing was created
            return failure(errno);
        }
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
    while (unnamed) {
        temporary.path = temporaryName(folder, name, "");
        const std::string self = "/proc/self/fd/" + std::to_string(fd.get());
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.path.c_str(), AT_SYMLINK_FOLLOW) ==
            0) {
            break;
        }
        const int error = errno;
        temporary.path.clear();
        if (error != EEXIST) {
            return failure(error);
        }
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
