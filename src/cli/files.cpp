#include "cli/files.h"

#include "cli/system.h"
#include "io/file_io.h"

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

// The first `keep` bytes of standard input; with `countRest`, one byte more, which tells that the
// input is longer than the limit: no endless source is read for ever.
Result<Input> readStandardInput(std::size_t keep, bool countRest) {
    Input input;
    std::uint8_t chunk[65536];
    const std::size_t most = keep + countRest;
    while (input.size < most) {
        const std::size_t want = std::min<std::size_t>(sizeof chunk, most - input.size);
        const long got = system::readStandardInput(chunk, want);
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
        const long written = system::writeStandardOutput(bytes.data(), bytes.size());
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

// The length of the whole UTF-8 sequence that `bytes` starts with, and its character; 0 for none.
std::size_t utf8Sequence(std::string_view bytes, char32_t& c) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                                                             : 0;
    if (length == 0 || bytes.size() < length) {
        return 0;
    }
    c = lead & (0xFFu >> (length + (length > 1)));
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[i]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        c = c << 6 | (next & 0x3F);
    }
    constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool valid = c >= least[length] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
    return valid ? length : 0;
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
    return io::writeFileAtomically(path, bytes, io::NotRegular::WriteInto);
}

std::string keptCopyWarning(const std::string& path, bool saved) {
    const std::vector<std::string> kept =
        path == "-" ? std::vector<std::string>{} : io::keptCopies(path);
    if (kept.empty()) {
        return {};
    }
    const std::string copy = shownText(kept.front());
    return "warning: a save of it was interrupted, and the bytes it held before that save are "
           "kept in " +
           copy +
           (saved ? "; remove that copy once you no longer need it"
                  : "; if the file is incomplete, `cp " + copy + " " + shownName(path) +
                        "` puts them back; remove the copy once the file is as it should be");
}

std::string shownName(const std::string& path, bool output) {
    if (path == "-") {
        return output ? "standard output" : "standard input";
    }
    return shownText(path);
}

std::string shownText(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t c = 0;
        if (const std::size_t length = utf8Sequence(bytes.substr(i), c); length > 0) {
            // Control characters, as in the names read from inside files.
            out += c < 0x20 || (c >= 0x7F && c <= 0x9F) ? std::string_view("?")
                                                        : bytes.substr(i, length);
            i += length;
            continue;
        }
        static constexpr char hex[] = "0123456789ABCDEF";
        const auto byte = static_cast<unsigned char>(bytes[i++]);
        out += std::string("\\x") + hex[byte >> 4] + hex[byte & 15];
    }
    return out;
}

} // namespace bse::cli
