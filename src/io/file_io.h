#pragma once

#include "base/result.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace bse::io {

// What a read does with a file longer than its limit.
enum class LongFile {
    ReadHead,    // read the first `limit` bytes; the rest is not looked at
    ReadNothing, // read no byte: the size alone answers
};

struct FileHead {
    std::vector<std::uint8_t> bytes; // at most the limit
    std::uint64_t size = 0;          // the whole file's size when it was opened
};

struct ReadFailure {
    std::string reason;
    bool notRegularFile = false; // a FIFO, device or folder: refused before any byte was read
};

// Reads at most `limit` bytes of a regular file. Never blocks on a FIFO or a device, and never
// holds more than `limit` bytes, however large the file is.
Result<FileHead, ReadFailure> readFile(const std::string& path, std::size_t limit,
                                       LongFile longFile = LongFile::ReadHead);

// What a write does when the path names something that is not a regular file (a device, a FIFO).
enum class NotRegular {
    Refuse,    // a document is never put in a device's place
    WriteInto, // as `cat > PATH` does: /dev/null takes the bytes, a FIFO goes to its reader
};

// Replaces `path` with `bytes` so that the path names either the old file, whole, or the new one,
// whole, whatever fails on the way: the old file is touched only by the final rename, after every
// byte is on the disk. The new bytes go into an unnamed file where the file system allows it, so a
// crash leaves nothing behind; otherwise a named one, and a later save removes what a dead save
// left. Keeps the old file's mode bits and, where the system allows, its owner and group (Windows:
// its attributes and access rights). On POSIX a symbolic link is followed: its target is replaced,
// or created when it does not exist; this program's own descriptors (/dev/stdout, /dev/fd/N,
// /proc/self/fd/N) are written into where `notRegular` allows it, never reopened or replaced.
// A file the saver may not write is refused ("The file is read-only"). A file with several hard
// links keeps them, and is the one exception to the whole-or-nothing promise: it is written in
// place after its space is reserved, with a copy of the old bytes beside it (".NAME.XXXXXX.old",
// of the file's mode and owner) from before the first byte changes until the new ones are down.
// A failure puts the old bytes back; a crash in between leaves the copy, which keptCopies finds.
Status writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                           NotRegular notRegular = NotRegular::Refuse);

// The copies of old bytes that interrupted in-place saves of `path` left beside it (while they
// are there, the file may be torn), oldest first; a save still running keeps its own out of this.
std::vector<std::string> keptCopies(const std::string& path);

// Puts a kept copy's bytes back into `path`, as a save writes them, then removes the copy.
Status restoreKeptCopy(const std::string& path, const std::string& copy);

} // namespace bse::io
