#include "cli/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

// Plain POSIX calls until the shared file layer lands; only this file changes then.

namespace bse::cli {

namespace {

Refusal systemReason(int number = errno) {
    return refuse(std::strerror(number));
}

struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd > 2) {
            ::close(fd);
        }
    }
};

// Reads the first `keep` bytes; with `countRest`, reads on to the end to count the others.
Result<Input> readFrom(int fd, std::size_t keep, bool countRest) {
    Input input;
    std::uint8_t chunk[65536];
    while (countRest || input.size < keep) {
        const std::size_t want =
            countRest ? sizeof chunk : std::min(sizeof chunk, keep - input.bytes.size());
        const ssize_t got = ::read(fd, chunk, want);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return systemReason();
        }
        if (got == 0) {
            return input;
        }
        const auto n = static_cast<std::size_t>(got);
        const std::size_t kept = std::min(n, keep - std::min(keep, input.bytes.size()));
        input.bytes.insert(input.bytes.end(), chunk, chunk + kept);
        input.size += n;
    }
    return input;
}

Status writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return systemReason(written < 0 ? errno : ENOSPC);
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return Done{};
}

} // namespace

Result<Input> readInput(const std::string& path, std::size_t limit, bool readHead) {
    if (path == "-") {
        Result<Input> input = readFrom(STDIN_FILENO, limit, !readHead);
        if (input && input->size > limit) {
            input->bytes.clear();
        }
        return input;
    }
    // Non-blocking: opening a FIFO must not wait for a writer; it is refused below anyway.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    struct stat status {};
    if (file.fd < 0 || ::fstat(file.fd, &status) != 0) {
        return systemReason();
    }
    if (!S_ISREG(status.st_mode)) {
        return refuse(S_ISDIR(status.st_mode) ? "not a regular file, but a folder"
                                              : "not a regular file");
    }
    const auto size = static_cast<std::uint64_t>(status.st_size);
    if (size > limit && !readHead) {
        return Input{{}, size};
    }
    Result<Input> input = readFrom(file.fd, limit, false);
    if (input) {
        input->size = std::max(input->size, size);
    }
    return input;
}

Status writeOutput(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (path == "-") {
        return writeAll(STDOUT_FILENO, bytes);
    }
    std::string target = path;
    if (char* resolved = ::realpath(path.c_str(), nullptr)) {
        target = resolved; // a link's target is replaced, not the link
        std::free(resolved);
    }
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    std::string temporary = folder + ".boardset-XXXXXX";
    Descriptor file{::mkostemp(temporary.data(), O_CLOEXEC)};
    if (file.fd < 0) {
        return systemReason();
    }
    // A replaced file keeps its mode; a new one gets what the umask leaves, as any new file.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    Status written = Done{};
    if (::fchmod(file.fd, mode) != 0) {
        written = systemReason();
    }
    if (written) {
        written = writeAll(file.fd, bytes);
    }
    if (written && ::fsync(file.fd) != 0) {
        written = systemReason();
    }
    if (written && ::close(std::exchange(file.fd, -1)) != 0) {
        written = systemReason();
    }
    if (written && ::rename(temporary.c_str(), target.c_str()) != 0) {
        written = systemReason();
    }
    if (!written) {
        ::unlink(temporary.c_str());
    }
    return written;
}

std::string shownName(const std::string& path, bool output) {
    if (path == "-") {
        return output ? "standard output" : "standard input";
    }
    return path;
}

} // namespace bse::cli
