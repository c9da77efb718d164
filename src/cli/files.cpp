#include "cli/files.h"

#include "io/file_io.h"

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>

// Named files go through the io layer, as the editor's do; standard input and output are the
// program's own.

namespace bse::cli {

namespace {

Refusal systemReason(int number = errno) {
    return refuse(std::strerror(number));
}

// The first `keep` bytes of standard input; with `countRest`, read on to count the others.
Result<Input> readStandardInput(std::size_t keep, bool countRest) {
    Input input;
    std::uint8_t chunk[65536];
    while (countRest || input.size < keep) {
        const std::size_t want =
            countRest ? sizeof chunk : std::min(sizeof chunk, keep - input.bytes.size());
        const ssize_t got = ::read(STDIN_FILENO, chunk, want);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return refuse("could not be read: " + std::string(std::strerror(errno)));
        }
        if (got == 0) {
            break;
        }
        const auto n = static_cast<std::size_t>(got);
        const std::size_t kept = std::min(n, keep - std::min(keep, input.bytes.size()));
        input.bytes.insert(input.bytes.end(), chunk, chunk + kept);
        input.size += n;
    }
    if (input.size > keep && countRest) {
        input.bytes.clear(); // as a named file too long to read
    }
    return input;
}

Status writeStandardOutput(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
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
        return readStandardInput(limit, !readHead);
    }
    auto head =
        io::readFile(path, limit, readHead ? io::LongFile::ReadHead : io::LongFile::ReadNothing);
    if (!head) {
        const std::string& reason = head.reason();
        // Worded as the editor's Import words it.
        if (head.error().notRegularFile && !reason.empty()) {
            return refuse("is " + std::string(1, static_cast<char>(std::tolower(reason[0]))) +
                          reason.substr(1));
        }
        return refuse("could not be opened: " + reason);
    }
    return Input{std::move(head->bytes), head->size};
}

Status writeOutput(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (path == "-") {
        return writeStandardOutput(bytes);
    }
    return io::writeFileAtomically(path, bytes);
}

std::string shownName(const std::string& path, bool output) {
    if (path == "-") {
        return output ? "standard output" : "standard input";
    }
    return path;
}

} // namespace bse::cli
