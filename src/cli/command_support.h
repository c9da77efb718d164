#pragma once

#include "cli/commands.h"
#include "cli/files.h"
#include "model/board_set.h"

#include <span>
#include <string>
#include <string_view>

namespace bse::cli {

// What every command shares.

// Says `boardset: FILE: reason` on standard error; returns the exit code.
int fail(const std::string& file, const std::string& reason, int code = exitRefused);

// A BoardSet file read as the editor's Open reads it, or why not, with the byte offset. `input`
// receives what was read.
Result<BoardSet> readBoardSetFile(const std::string& path, Input* input = nullptr);

// Says that the output `path` could not be written, and why; returns the exit code.
int writeFailed(const std::string& path, const std::string& reason);

// Writes an output, or says why it could not; returns the exit code.
int write(const std::string& path, std::span<const std::uint8_t> bytes);
int write(const std::string& path, std::string_view text);

} // namespace bse::cli
