#include "cli/command_support.h"

#include "format/board_set_format.h"

#include <cstdio>

namespace bse::cli {

int fail(const std::string& file, const std::string& reason, int code) {
    std::fprintf(stderr, "boardset: %s: %s\n", file.c_str(), reason.c_str());
    return code;
}

Result<BoardSet> readBoardSetFile(const std::string& path, Input* read) {
    Result<Input> input = readInput(path, longestUsableBoardSetFile);
    if (!input) {
        return Refusal{input.reason()};
    }
    Result<BoardSet> set = readBoardSet(input->bytes);
    if (!set) {
        return refuse("refused: " + set.reason());
    }
    if (read != nullptr) {
        *read = std::move(*input);
    }
    return set;
}

int writeFailed(const std::string& path, const std::string& reason) {
    return fail(shownName(path, true), "could not be written: " + reason);
}

int write(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (const Status written = writeOutput(path, bytes); !written) {
        return writeFailed(path, written.reason());
    }
    if (const std::string warning = keptCopyWarning(path, true); !warning.empty()) {
        fail(shownName(path, true), warning);
    }
    return exitSuccess;
}

int write(const std::string& path, std::string_view text) {
    return write(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace bse::cli
