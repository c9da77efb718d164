#pragma once

#include "base/result.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bse::cli {

// Every file the program reads or writes goes through here; "-" is standard input or output.

using Bytes = std::vector<std::uint8_t>;

struct Input {
    Bytes bytes;            // at most the limit
    std::uint64_t size = 0; // the whole input's
};

// Reads at most `limit` bytes of a regular file or of standard input; never blocks on a FIFO or
// a device given by name. With `readHead` false, an input longer than the limit is not kept at
// all: its size alone answers. A refusal completes a sentence that starts with the file's name.
Result<Input> readInput(const std::string& path, std::size_t limit, bool readHead = true);

// Replaces `path` with `bytes` atomically: the old file stays whole unless every new byte is on
// the disk.
Status writeOutput(const std::string& path, std::span<const std::uint8_t> bytes);

// Where an interrupted save of `path` kept the file's old bytes: a warning that names the copy
// and what to do with it (`saved`: the file has just been written whole); empty when none is.
std::string keptCopyWarning(const std::string& path, bool saved);

// The name of a file in messages, made safe for a terminal as shownText makes it.
std::string shownName(const std::string& path, bool output = false);

// Bytes from the command line or the file system as a terminal may show them: UTF-8 as it is, a
// byte that is not UTF-8 as \xHH, control characters as '?'.
std::string shownText(std::string_view bytes);

} // namespace bse::cli
