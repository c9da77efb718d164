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
#include <limits>
#include <string_view>
#include <tuple>
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
constexpr std::string_view keptTail = ".old";
constexpr std::size_t longestName = 255; // NAME_MAX of the file systems a BoardSet lives on

// What the temporary names of `name` start with: the name itself, or, where ".NAME.XXXXXX.old"
// would not fit in a name, the name's start and a hash of the whole name.
std::string temporaryStem(const std::string& name) {
    constexpr std::size_t added = 2 + temporarySuffix + keptTail.size();
    if (name.size() + added <= longestName) {
        return name;
    }
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const char c : name) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    static constexpr char hex[] = "0123456789abcdef";
    std::string stem = name.substr(0, longestName - added - 9) + "~";
    for (int shift = 28; shift >= 0; shift -= 4) {
        stem += hex[(hash >> shift) & 15];
    }
    return stem;
}

// A name beside the target that no file has: ".STEM.XXXXXX".
std::string temporaryName(const std::string& folder, const std::string& stem) {
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
    return folder + "/." + stem + "." + suffix;
}

// Whether `found` is ".STEM.XXXXXX" and `tail`.
bool isTemporaryOf(std::string_view found, const std::string& stem, std::string_view tail) {
    const std::size_t prefix = stem.size() + 2;
    return found.size() == prefix + temporarySuffix + tail.size() && found[0] == '.' &&
           found.substr(1, stem.size()) == stem && found[prefix - 1] == '.' &&
           found.substr(prefix, temporarySuffix).find_first_not_of(temporaryLetters) ==
               std::string_view::npos &&
           found.ends_with(tail);
}

// Locks a temporary file for the life of its save: a later save removes only the unlocked ones.
// A file removed between its creation and the lock is given up (nlink 0).
bool lockedAndLinked(int fd) {
    struct stat status {};
    return ::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &status) == 0 && status.st_nlink > 0;
}

// A new file beside the target, as mkstemp makes one; opened here so every system call on the
// way is our own (and so visible to the tests' fault injection).
int createTemporary(const std::string& folder, const std::string& stem, std::string& tempPath,
                    mode_t mode = 0666) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = temporaryName(folder, stem);
        // 0666 and the umask, as any new file; an existing target's mode replaces it below.
        const int fd = ::open(tempPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
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

// Calls `found` with the folder's descriptor and each name of a regular file in it that `wanted`
// accepts and no save holds locked.
template <class Wanted, class Found>
void forEachUnlocked(const std::string& folder, Wanted wanted, Found found) {
    DIR* directory = ::opendir(folder.c_str());
    if (directory == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(directory)) {
        if (!wanted(std::string_view(entry->d_name))) {
            continue;
        }
        Descriptor fd(::openat(::dirfd(directory), entry->d_name,
                               O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat status {};
        if (fd.get() >= 0 && ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0 &&
            ::fstat(fd.get(), &status) == 0 && S_ISREG(status.st_mode)) {
            found(::dirfd(directory), entry->d_name, status);
        }
    }
    ::closedir(directory);
}

// Removes the temporary files that dead saves of `name` left: those that no save holds locked.
// Kept copies of old bytes stay: the file may need them.
void removeDeadTemporaries(const std::string& folder, const std::string& name) {
    const std::string stem = temporaryStem(name);
    forEachUnlocked(
        folder, [&](std::string_view found) { return isTemporaryOf(found, stem, ""); },
        [](int directory, const char* found, const struct stat&) {
            ::unlinkat(directory, found, 0);
        });
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

// Copies `size` bytes from the start of one file to the start of another, empty one, in the
// kernel.
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
    return ::fsync(to) == 0 ? Status{Done{}} : failure(errno);
}

// The length of the longest start of the file that holds `bytes`.
std::size_t bytesInPlace(int fd, std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> read(bytes.size());
    const ssize_t got = ::pread(fd, read.data(), read.size(), 0);
    const auto end = read.begin() + std::max<ssize_t>(got, 0);
    return static_cast<std::size_t>(std::mismatch(read.begin(), end, bytes.begin()).first -
                                    read.begin());
}

// Makes new and removed names in the folder durable.
void syncFolder(const std::string& folder) {
    Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0) {
        ::fsync(directory.get());
    }
}

// A file that may be written, beside which no new file may be made: it cannot be replaced safely.
Status creationFailure(const std::string& folder, int number, bool replacing) {
    if (!replacing || (number != EACCES && number != EPERM)) {
        return failure(number);
    }
    char* resolved = ::realpath(folder.c_str(), nullptr);
    const std::string shown = resolved != nullptr ? resolved : folder;
    std::free(resolved);
    return refuse("The folder " + shown +
                  " does not allow a safe replacement: " + systemReason(number));
}

// A file with several names keeps them all: its own inode takes the new bytes. Its space is
// reserved first, so a full disk refuses before a byte changes, and a copy of the old bytes waits
// beside it until the new ones are down; a failure puts the old bytes back from it. The copy is
// made whole under a temporary name (a dead save's is removed as any) and only then named as a
// kept copy, so a kept copy is always whole, and never readable by more users than the file.
Status writeInPlace(const std::string& target, const std::string& folder, const std::string& name,
                    const struct stat& old, std::span<const std::uint8_t> bytes) {
    Descriptor fd(::open(target.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        return failure(errno);
    }
    TemporaryName copyName;
    Descriptor copy(createTemporary(folder, temporaryStem(name), copyName.path, 0600));
    if (copy.get() < 0) {
        copyName.path.clear();
        return creationFailure(folder, errno, true);
    }
    if (Status kept = keepOwnerAndMode(copy.get(), old); !kept) {
        return kept;
    }
    if (Status copied = copyFile(fd.get(), copy.get(), static_cast<std::uint64_t>(old.st_size));
        !copied) {
        return copied;
    }
    // link() never replaces a file, and a file system of hard links has it.
    const std::string keptPath = copyName.path + std::string(keptTail);
    if (::link(copyName.path.c_str(), keptPath.c_str()) != 0) {
        return failure(errno);
    }
    ::unlink(copyName.path.c_str());
    copyName.path = keptPath;
    syncFolder(folder);
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
        Descriptor restore(::open(target.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC));
        if (restore.get() < 0 ||
            !copyFile(copy.get(), restore.get(), static_cast<std::uint64_t>(old.st_size))) {
            copyName.renamed = true; // the only whole copy of the old bytes: kept
            return refuse(written.reason() + "; the old bytes are kept in " + copyName.path);
        }
    }
    return written;
}

// What a write goes to once symbolic links are followed: a path (a dangling link's target is
// created, as `cat >` creates it), or one of this program's open descriptors.
struct Target {
    std::string path;
    int descriptor = -1;
};

// Whether `folder` is this process's folder of descriptors (/proc/self/fd, /dev/fd), whose
// entries are links to what each descriptor has open: reopening one would start at its first
// byte or truncate it, where the descriptor itself appends or goes on from where it is.
bool descriptorFolder(const std::string& folder) {
    char* resolved = ::realpath(folder.c_str(), nullptr);
    if (resolved == nullptr) {
        return false;
    }
    const std::string real = resolved;
    std::free(resolved);
    const std::string own = "/proc/" + std::to_string(::getpid());
    return real == own + "/fd" || (real.starts_with(own + "/task/") && real.ends_with("/fd"));
}

Target resolveTarget(const std::string& path) {
    Target target{path};
    for (int hop = 0; hop < 40; ++hop) {
        const auto [folder, name] = splitPath(target.path);
        if (!name.empty() && name.size() < 10 &&
            name.find_first_not_of("0123456789") == std::string::npos && descriptorFolder(folder)) {
            target.descriptor = std::stoi(name);
            return target;
        }
        struct stat status {};
        if (::lstat(target.path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return target;
        }
        std::string link(PATH_MAX, '\0');
        const ssize_t length = ::readlink(target.path.c_str(), link.data(), link.size());
        if (length <= 0 || static_cast<std::size_t>(length) == link.size()) {
            return target;
        }
        link.resize(static_cast<std::size_t>(length));
        target.path = link.front() == '/' ? link : folder + "/" + link;
    }
    return target; // a loop of links: opening it says so
}

// Kept copies by the time each was made, then by name.
bool olderThan(const std::pair<timespec, std::string>& a,
               const std::pair<timespec, std::string>& b) {
    return std::tie(a.first.tv_sec, a.first.tv_nsec, a.second) <
           std::tie(b.first.tv_sec, b.first.tv_nsec, b.second);
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
    const Target resolved = resolveTarget(path);
    if (resolved.descriptor >= 0) {
        return notRegular == NotRegular::WriteInto
                   ? writeAll(resolved.descriptor, bytes)
                   : refuse("Not a regular file, but a descriptor of this program");
    }
    const std::string& target = resolved.path;
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (!replacing && errno != ENOENT) {
        return failure(errno);
    }
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
    const std::string stem = temporaryStem(name);
    TemporaryName temporary;
    Descriptor fd(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    const bool unnamed = fd.get() >= 0 && ::flock(fd.get(), LOCK_EX) == 0;
    if (!unnamed) {
        if (fd.get() < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            return creationFailure(folder, errno, replacing);
        }
        fd.reset(createTemporary(folder, stem, temporary.path));
        if (fd.get() < 0) {
            temporary.path.clear(); // nothing was created
            return creationFailure(folder, errno, replacing);
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
        temporary.path = temporaryName(folder, stem);
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
    syncFolder(folder);
    return Done{};
}

std::vector<std::string> keptCopies(const std::string& path) {
    const Target resolved = resolveTarget(path);
    if (resolved.descriptor >= 0) {
        return {};
    }
    const auto [folder, name] = splitPath(resolved.path);
    const std::string stem = temporaryStem(name);
    std::vector<std::pair<timespec, std::string>> found;
    forEachUnlocked(
        folder, [&](std::string_view entry) { return isTemporaryOf(entry, stem, keptTail); },
        [&](int, const char* entry, const struct stat& status) {
            found.emplace_back(status.st_mtim, folder + "/" + entry);
        });
    std::sort(found.begin(), found.end(), olderThan);
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
    return ::unlink(copy.c_str()) == 0 ? Status{Done{}} : failure(errno);
}

} // namespace bse::io
