#include "format/recovery_copy.h"

#include "format/board_set_format.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace bse {

namespace {

constexpr std::string_view magic = "BoardSet recovery copy 1\n";

// "WORD NUMBER\n" at `at`, moving past it; nothing when the bytes there are not that.
std::optional<std::size_t> field(std::string_view text, std::size_t& at, std::string_view word) {
    if (text.substr(at, word.size()) != word) {
        return std::nullopt;
    }
    const std::size_t end = text.find('\n', at);
    std::size_t value = 0;
    const char* first = text.data() + at + word.size();
    const char* last = text.data() + (end == std::string_view::npos ? at : end);
    if (first >= last || std::from_chars(first, last, value).ptr != last) {
        return std::nullopt;
    }
    at = end + 1;
    return value;
}

} // namespace

std::vector<std::uint8_t> encodeRecoveryCopy(const BoardSet& boardSet,
                                             const std::string& fileName) {
    const std::string head = std::string(magic) + "board " +
                             std::to_string(boardSet.currentBoard + 1) + "\npath " +
                             std::to_string(fileName.size()) + "\n" + fileName + "\n";
    // One buffer, filled once: this runs on the thread that paints.
    std::vector<std::uint8_t> bytes = encodeBoardSet(boardSet, head.size());
    std::copy(head.begin(), head.end(), bytes.begin());
    return bytes;
}

Result<RecoveredWork> readRecoveryCopy(std::span<const std::uint8_t> bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::size_t at = magic.size();
    if (!text.starts_with(magic)) {
        return refuse("It is not a recovery copy of this editor.");
    }
    const auto board = field(text, at, "board ");
    const auto length = field(text, at, "path ");
    if (!board || !length || *length >= text.size() - at || text[at + *length] != '\n') {
        return refuse("Its description of the BoardSet is damaged.");
    }
    Result<BoardSet> read = readBoardSet(bytes.subspan(at + *length + 1));
    if (!read) {
        return refuse("Its BoardSet is damaged: " + read.reason());
    }
    if (*board < 1 || *board > static_cast<std::size_t>(read->boardCount())) {
        return refuse("Its current board " + std::to_string(*board) + " is not in the BoardSet.");
    }
    read->currentBoard = static_cast<std::int32_t>(*board - 1);
    return RecoveredWork{std::move(*read), std::string(text.substr(at, *length))};
}

} // namespace bse
