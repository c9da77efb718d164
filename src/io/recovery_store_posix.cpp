#include "io/recovery_store.h"

#include "io/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string_view>
#include <utility>

namespace bse::io {

namespace {

constexpr std::string_view copySuffix = ".recovery";
constexpr std::string_view lockSuffix = ".lock";
// A whole copy, linked under this name, that is renamed to NAME.recovery next.
constexpr std::string_view newSuffix = ".recovery.new";
// Where a file system without unnamed files takes a copy while it is written.
constexpr std::string_view partSuffix = ".recovery.part";

Refusal failure(int number) {
    return refuse(std::strerror(number));
}

struct Closer {
    int fd;
    ~Closer() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home == '/') {
        return home;
    }
    const passwd* user = ::getpwuid(::getuid());
    return user && user->pw_dir && *user->pw_dir == '/' ? user->pw_dir : "";
}

Status writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return failure(written < 0 ? errno : ENOSPC);
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return Done{};
}

} // namespace

std::string defaultRecoveryFolder() {
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/') {
        return std::string(state) + "/boardset-editor/recovery";
    }
    const std::string home = homeFolder();
    return home.empty() ? home : home + "/.local/state/boardset-editor/recovery";
}

Status makePrivateFolders(const std::string& path) {
    for (std::size_t slash = 1; slash != std::string::npos;) {
        slash = path.find('/', slash + 1);
        const std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            return failure(errno);
        }
    }
    return Done{};
}

Result<std::optional<std::vector<std::uint8_t>>> readSettingsFile(const std::string& path) {
    constexpr std::size_t limit = 1 << 20;
    auto read = readFile(path, limit, LongFile::ReadNothing);
    if (!read) {
        struct stat status {};
        if (!read.error().notRegularFile && ::lstat(path.c_str(), &status) != 0 &&
            errno == ENOENT) {
            return std::optional<std::vector<std::uint8_t>>();
        }
        return refuse(read.error().reason);
    }
    if (read->size > limit) {
        return refuse("Larger than 1 MB, more than a list of BoardSets takes");
    }
    return std::optional(std::move(read->bytes));
}

RecoveryStore::RecoveryStore(std::string folder) : folder_(std::move(folder)) {
    // The process id names a running editor; the clock keeps a later one with the same id apart.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    static std::atomic<int> made = 0;
    name_ = std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()) +
            "-" + std::to_string(::getpid()) + "-" + std::to_string(made++);
}

RecoveryStore::~RecoveryStore() {
    if (lock_) {
        ::unlinkat(opened_, (name_ + std::string(lockSuffix)).c_str(), 0);
    }
    if (opened_ >= 0) {
        ::close(opened_);
    }
}

Status RecoveryStore::openFolder(bool make) {
    if (opened_ >= 0) {
        return Done{};
    }
    if (folder_.empty()) {
        return refuse("There is no home folder to keep it in: HOME is not set, and the password "
                      "database names none for this user.");
    }
    if (make) {
        if (Status made = makePrivateFolders(folder_); !made) {
            return made;
        }
    }
    const int fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return failure(errno);
    }
    // Whoever else may write in it may put a link where a copy goes, or read the work.
    struct stat status {};
    Refusal refusal;
    if (::fstat(fd, &status) != 0) {
        refusal = refuse(std::strerror(errno));
    } else if (status.st_uid != ::geteuid()) {
        refusal = refuse("The folder belongs to another user (user id " +
                         std::to_string(status.st_uid) + "), so no copy is kept there.");
    } else if ((status.st_mode & 022) != 0) {
        char mode[8] = {};
        std::snprintf(mode, sizeof mode, "%04o", status.st_mode & 07777);
        refusal = refuse(std::string("Others may write in the folder (mode ") + mode +
                         "), so no copy is kept there.");
    }
    if (!refusal.reason.empty()) {
        ::close(fd);
        return refusal;
    }
    opened_ = fd;
    return Done{};
}

Status RecoveryStore::claim() {
    if (lock_) {
        return Done{};
    }
    if (Status opened = openFolder(true); !opened) {
        return opened;
    }
    auto lock = FileLock::acquire(opened_, name_ + std::string(lockSuffix));
    if (!lock) {
        return lock.error();
    }
    lock_.emplace(std::move(*lock));
    return Done{};
}

std::vector<std::string> RecoveryStore::orphanedCopies() {
    if (!openFolder(false)) {
        return {};
    }
    std::set<std::string> names; // every NAME that has a file here
    if (const std::unique_ptr<DIR, int (*)(DIR*)> dir(
            ::fdopendir(::openat(opened_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)), ::closedir);
        dir) {
        while (const dirent* entry = ::readdir(dir.get())) {
            const std::string_view file = entry->d_name;
            for (const std::string_view suffix : {copySuffix, lockSuffix, newSuffix, partSuffix}) {
                if (file.size() > suffix.size() && file.ends_with(suffix)) {
                    names.emplace(file.substr(0, file.size() - suffix.size()));
                    break;
                }
            }
        }
    }
    std::vector<std::pair<std::int64_t, std::string>> found;
    for (const std::string& name : names) {
        std::optional<FileLock> taken;
        if (name == name_ || FileLock::isHeld(opened_, name + std::string(lockSuffix), &taken)) {
            continue;
        }
        const std::string copy = name + std::string(copySuffix);
        // Killed after its copy was whole and linked but before the rename: that is the newest.
        ::renameat(opened_, (name + std::string(newSuffix)).c_str(), opened_, copy.c_str());
        ::unlinkat(opened_, (name + std::string(partSuffix)).c_str(), 0);
        struct stat status {};
        if (::fstatat(opened_, copy.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0) {
            found.emplace_back(static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
                                   status.st_mtim.tv_nsec,
                               name);
        } else {
            ::unlinkat(opened_, (name + std::string(lockSuffix)).c_str(), 0);
        }
    }
    std::sort(found.rbegin(), found.rend());
    std::vector<std::string> copies;
    for (auto& [time, name] : found) {
        copies.push_back(std::move(name));
    }
    return copies;
}

Result<std::vector<std::uint8_t>> RecoveryStore::readCopy(const std::string& name,
                                                          std::size_t limit) {
    if (Status opened = openFolder(false); !opened) {
        return opened.error();
    }
    const Result<int> fd =
        openRegularFileAt(opened_, name + std::string(copySuffix), OpenFor::Reading);
    if (!fd) {
        return fd.error();
    }
    const Closer file{*fd};
    struct stat status {};
    if (::fstat(*fd, &status) != 0) {
        return failure(errno);
    }
    if (static_cast<std::uint64_t>(status.st_size) > limit) {
        return refuse("Larger than any copy the editor writes");
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(status.st_size));
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(*fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return failure(errno);
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

Status RecoveryStore::setAside(const std::string& name) {
    if (Status opened = openFolder(false); !opened) {
        return opened;
    }
    if (::renameat(opened_, (name + std::string(copySuffix)).c_str(), opened_,
                   (name + ".damaged").c_str()) != 0) {
        return failure(errno);
    }
    ::unlinkat(opened_, (name + std::string(lockSuffix)).c_str(), 0);
    return Done{};
}

Status RecoveryStore::writeCopy(std::span<const std::uint8_t> bytes) {
    if (!lock_) {
        return refuse("The recovery folder was not claimed");
    }
    const std::string part = name_ + std::string(partSuffix),
                      fresh = name_ + std::string(newSuffix);
    // Unnamed until it is whole where the file system allows it; where not, a name of its own.
    Closer file{::openat(opened_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600)};
    const bool unnamed = file.fd >= 0;
    if (!unnamed) {
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            return failure(errno);
        }
        const Result<int> named = openRegularFileAt(opened_, part, OpenFor::Replacing);
        if (!named) {
            return named.error();
        }
        file.fd = *named;
    }
    if (Status written = writeAll(file.fd, bytes); !written) {
        return written;
    }
    struct stat status {};
    if (::fsync(file.fd) != 0 || ::fstat(file.fd, &status) != 0) {
        return failure(errno);
    }
    if (static_cast<std::uint64_t>(status.st_size) != bytes.size()) {
        return refuse("The copy holds " + std::to_string(status.st_size) + " of " +
                      std::to_string(bytes.size()) + " bytes");
    }
    if (unnamed) {
        ::unlinkat(opened_, fresh.c_str(), 0);
        const std::string self = "/proc/self/fd/" + std::to_string(file.fd);
        if (::linkat(AT_FDCWD, self.c_str(), opened_, fresh.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            return failure(errno);
        }
    }
    if (::close(std::exchange(file.fd, -1)) != 0) {
        return failure(errno);
    }
    if (::renameat(opened_, (unnamed ? fresh : part).c_str(), opened_,
                   (name_ + std::string(copySuffix)).c_str()) != 0) {
        return failure(errno);
    }
    ::fsync(opened_); // the rename made durable; the copy is whole under one name or the other
    return Done{};
}

Status RecoveryStore::removeCopy(const std::string& name) {
    if (opened_ < 0) {
        return Done{}; // nothing was ever kept
    }
    if (::unlinkat(opened_, (name + std::string(copySuffix)).c_str(), 0) != 0 && errno != ENOENT) {
        return failure(errno);
    }
    if (name != name_) {
        ::unlinkat(opened_, (name + std::string(lockSuffix)).c_str(), 0);
    }
    return Done{};
}

} // namespace bse::io
