#include "format/board_text.h"

#include "format/board_set_format.h"
#include "format/text_form.h"

namespace bse {

namespace {

bool blank(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

} // namespace

std::string boardText(const BoardCells& cells) {
    std::string text;
    text.reserve(boardRows * (boardColumns + 1));
    for (int row = 0; row < boardRows; ++row) {
        for (int column = 0; column < boardColumns; ++column) {
            text += blockCharacters[blockNumberFor(cells[std::size_t(cellIndex(column, row))])];
        }
        text += '\n';
    }
    return text;
}

std::optional<Result<BoardCells>> boardFromText(std::string_view text) {
    if (text.size() > clipboardByteLimit) {
        return std::nullopt;
    }
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    while (!lines.empty() && blank(lines.back())) {
        lines.pop_back();
    }
    std::size_t first = 0;
    while (first < lines.size() && blank(lines[first])) {
        ++first;
    }
    if (lines.size() - first != std::size_t(boardRows)) {
        return std::nullopt;
    }
    BoardCells cells{};
    for (int row = 0; row < boardRows; ++row) {
        std::string_view line = lines[first + std::size_t(row)];
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        const std::string name =
            "Row " + std::to_string(row + 1) + " of the board on the clipboard";
        if (line.size() != std::size_t(boardColumns)) {
            return Result<BoardCells>(
                refuse(name + " has " + std::to_string(line.size()) + " characters, not 20."));
        }
        for (int column = 0; column < boardColumns; ++column) {
            const std::size_t number = blockCharacters.find(line[std::size_t(column)]);
            if (number == std::string_view::npos) {
                return Result<BoardCells>(refuse(name +
                                                 " has a character that is no block at column " +
                                                 std::to_string(column + 1) + "."));
            }
            cells[std::size_t(cellIndex(column, row))] = blockCodeFor(std::uint8_t(number));
        }
    }
    return Result<BoardCells>(cells);
}

std::vector<std::uint8_t> boardCellBytes(const BoardCells& cells) {
    std::vector<std::uint8_t> bytes;
    for (const BlockCode code : cells) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(std::uint8_t(code >> shift));
        }
    }
    return bytes;
}

Result<BoardCells> boardFromCellBytes(const std::vector<std::uint8_t>& bytes) {
    BoardCells cells{};
    if (bytes.size() != cells.size() * 4) {
        const std::string size = bytes.size() > clipboardByteLimit
                                     ? "more than " + std::to_string(clipboardByteLimit)
                                     : std::to_string(bytes.size());
        return refuse("The board on the clipboard has " + size +
                      " bytes, not the 1600 of 400 cells, so it is no board of this editor's.");
    }
    for (std::size_t i = 0; i < cells.size(); ++i) {
        cells[i] = BlockCode(bytes[4 * i]) | BlockCode(bytes[4 * i + 1]) << 8 |
                   BlockCode(bytes[4 * i + 2]) << 16 | BlockCode(bytes[4 * i + 3]) << 24;
    }
    return cells;
}

} // namespace bse
