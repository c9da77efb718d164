#include "format/text_form.h"

#include "format/board_set_format.h"
#include "model/windows1252.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <vector>

namespace bse {

namespace {

// The fields of a BoardSet, each once and in this order when written: its strings, then the boards.
constexpr std::array<const char*, 5> boardSetFields{"name", "author", "brickImagePath",
                                                    "backgroundImagePath", "boards"};
constexpr auto stringFields = std::span(boardSetFields).first<4>();
// A board's number comes first, so that a diff's hunk header can name the board (git's
// xfuncname); text written before it had none, so it may be missing.
constexpr std::array<const char*, 3> boardFields{"board", "background", "rows"};

// The strings in the order of stringFields.
template <typename Set> auto stringsOf(Set& set) {
    return std::array{&set.boardSetName, &set.authorName, &set.brickImagePath,
                      &set.backgroundImagePath};
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

constexpr std::array<std::int8_t, 128> blockNumbers = [] {
    std::array<std::int8_t, 128> table{};
    table.fill(-1);
    for (std::size_t n = 0; n < blockCharacters.size(); ++n) {
        table[static_cast<unsigned char>(blockCharacters[n])] = static_cast<std::int8_t>(n);
    }
    return table;
}();

// The block number of a row character, or -1.
int blockNumberOf(char32_t c) {
    return c < blockNumbers.size() ? blockNumbers[c] : -1;
}

// Reads the one schema of the text form straight from the characters, so that the first fault
// in the text is the one reported, with its line.
class TextReader {
  public:
    explicit TextReader(std::string_view text) : text_(text) {}

    Result<BoardSet> read() {
        BoardSet set;
        if (readBoardSet(set)) {
            skipSpace();
            if (atEnd()) {
                return set;
            }
            fail("text after the closing }");
        }
        return refuse(*fault_);
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    std::optional<std::string> fault_;

    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }

    // Records the first fault; always false, so callers can return it.
    bool fail(const std::string& what, int line = 0) {
        if (!fault_) {
            fault_ = "line " + std::to_string(line ? line : line_) + ": " + what;
        }
        return false;
    }

    void skipSpace() {
        while (!atEnd()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
            } else if (c != ' ' && c != '\t' && c != '\r') {
                return;
            }
            ++pos_;
        }
    }

    std::string found() {
        if (atEnd()) {
            return "the end of the text";
        }
        if (static_cast<unsigned char>(text_[pos_]) >= 0x80) {
            return "a character outside ASCII";
        }
        return std::string("'") + text_[pos_] + "'";
    }

    // The opening bracket of an object or list, or the colon after a field name.
    bool expect(char c, const std::string& what) {
        skipSpace();
        if (peek() != c) {
            return fail(what + " should start with " + c + ", found " + found());
        }
        ++pos_;
        return true;
    }

    // A field name, then its colon.
    bool readKey(std::string& key, int& line) {
        skipSpace();
        line = line_;
        std::u32string characters;
        if (!readString(characters, "a field name")) {
            return false;
        }
        key.clear();
        for (const char32_t c : characters) {
            appendUtf8(key, c);
        }
        skipSpace();
        if (peek() != ':') {
            return fail("expected : after \"" + key + "\", found " + found());
        }
        ++pos_;
        return true;
    }

    // After an item of an object or array: true and `more` when a comma follows, true and not
    // `more` at the closing bracket.
    bool next(char close, bool& more) {
        skipSpace();
        if (peek() == ',') {
            ++pos_;
            more = true;
            return true;
        }
        if (peek() == close) {
            ++pos_;
            more = false;
            return true;
        }
        return fail(std::string("expected , or ") + close + ", found " + found());
    }

    // Whether an object or array closes at once (empty).
    bool closesAt(char close) {
        skipSpace();
        if (peek() == close) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool readUtf8(char32_t& c) {
        const auto byte = [this](std::size_t at) {
            return at < text_.size() ? static_cast<unsigned char>(text_[at]) : 0u;
        };
        const unsigned lead = byte(pos_);
        int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
        c = lead & (0x3Fu >> extra);
        for (int k = 1; k <= extra; ++k) {
            const unsigned b = byte(pos_ + static_cast<std::size_t>(k));
            if ((b & 0xC0) != 0x80) {
                return fail("the text is not UTF-8");
            }
            c = (c << 6) | (b & 0x3F);
        }
        constexpr std::array<char32_t, 4> least{0, 0x80, 0x800, 0x10000};
        if (lead < 0xC2 || lead > 0xF4 || c < least[static_cast<std::size_t>(extra)] ||
            c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            return fail("the text is not UTF-8");
        }
        pos_ += static_cast<std::size_t>(extra) + 1;
        return true;
    }

    bool readHex(char32_t& c) {
        c = 0;
        for (int k = 0; k < 4; ++k, ++pos_) {
            const char h = peek();
            const int digit = h >= '0' && h <= '9'   ? h - '0'
                              : h >= 'a' && h <= 'f' ? h - 'a' + 10
                              : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                     : -1;
            if (digit < 0) {
                return fail("\\u needs four hexadecimal digits");
            }
            c = c * 16 + static_cast<char32_t>(digit);
        }
        return true;
    }

    bool readEscape(char32_t& c) {
        constexpr std::string_view from = "\"\\/bfnrt", to = "\"\\/\b\f\n\r\t";
        const char e = peek();
        ++pos_;
        if (const auto k = from.find(e); e != '\0' && k != std::string_view::npos) {
            c = static_cast<unsigned char>(to[k]);
            return true;
        }
        if (e != 'u') {
            return fail("unknown escape \\" + std::string(1, e));
        }
        if (!readHex(c)) {
            return false;
        }
        if (c >= 0xD800 && c <= 0xDBFF && text_.substr(pos_, 2) == "\\u") {
            pos_ += 2;
            char32_t low = 0;
            if (!readHex(low) || low < 0xDC00 || low > 0xDFFF) {
                return fault_ ? false : fail("a \\u surrogate pair is broken");
            }
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            return fail("a \\u surrogate pair is broken");
        }
        return true;
    }

    bool readString(std::u32string& out, const char* what) {
        skipSpace();
        if (peek() != '"') {
            return fail(std::string(what) + " should be a string, found " + found());
        }
        ++pos_;
        out.clear();
        for (;;) {
            if (atEnd()) {
                return fail("the text ends inside a string");
            }
            const auto c = static_cast<unsigned char>(text_[pos_]);
            if (c == '"') {
                ++pos_;
                return true;
            }
            char32_t character = c;
            if (c < 0x20) {
                return fail("a control character or line break inside a string");
            } else if (c == '\\') {
                ++pos_;
                if (!readEscape(character)) {
                    return false;
                }
            } else if (c >= 0x80) {
                if (!readUtf8(character)) {
                    return false;
                }
            } else {
                ++pos_;
            }
            out.push_back(character);
        }
    }

    bool readText(std::string& out, const char* field) {
        std::u32string characters;
        const std::string what = std::string("\"") + field + "\"";
        if (!readString(characters, what.c_str())) {
            return false;
        }
        out.clear();
        for (const char32_t c : characters) {
            const auto byte = windows1252Byte(c);
            if (!byte) {
                std::string shown;
                appendUtf8(shown, c);
                return fail(what + " has \"" + shown + "\", which Windows-1252 cannot hold");
            }
            if (*byte == 0) {
                return fail(what + " holds a zero character");
            }
            out.push_back(static_cast<char>(*byte));
        }
        if (out.size() > maxStoredStringLength) {
            return fail(what + " takes " + std::to_string(out.size()) +
                        " bytes; a BoardSet file holds at most 254");
        }
        return true;
    }

    // A whole number from 0 to 255, as "background" and "board" hold.
    bool readNumber(std::uint32_t& out, const std::string& what) {
        skipSpace();
        const std::size_t start = pos_;
        while (peek() == '-' || peek() == '+' || peek() == '.' || peek() == 'e' || peek() == 'E' ||
               (peek() >= '0' && peek() <= '9')) {
            ++pos_;
        }
        const std::string_view number = text_.substr(start, pos_ - start);
        const bool digits = !number.empty() && number.size() <= 3 &&
                            number.find_first_not_of("0123456789") == std::string_view::npos &&
                            (number == "0" || number[0] != '0');
        const unsigned value = digits ? static_cast<unsigned>(std::stoi(std::string(number))) : 0;
        if (!digits || value > 255) {
            pos_ = start;
            return fail(what + " should be a whole number from 0 to 255, found " +
                        (number.empty() ? found() : std::string(number)));
        }
        out = value;
        return true;
    }

    bool readBoardNumber(int number, const std::string& board) {
        std::uint32_t value = 0;
        if (!readNumber(value, board + "\"board\"")) {
            return false;
        }
        return value == static_cast<std::uint32_t>(number) ||
               fail(board + "\"board\" is " + std::to_string(value) + ", not its place " +
                    std::to_string(number));
    }

    bool readRows(BoardCells& cells, const std::string& board) {
        if (!expect('[', board + "\"rows\"")) {
            return false;
        }
        if (closesAt(']')) {
            return fail(board + "\"rows\" is empty; a board has 20");
        }
        std::u32string row;
        int r = 0;
        for (bool more = true; more; ++r) {
            skipSpace();
            if (r == boardRows) {
                return fail(board + "more than 20 rows");
            }
            const std::string where = board + "row " + std::to_string(r + 1);
            if (!readString(row, where.c_str())) {
                return false;
            }
            if (row.size() != boardColumns) {
                return fail(where + " has " + std::to_string(row.size()) + " characters, not 20");
            }
            for (int column = 0; column < boardColumns; ++column) {
                const int number = blockNumberOf(row[static_cast<std::size_t>(column)]);
                if (number < 0) {
                    std::string shown;
                    appendUtf8(shown, row[static_cast<std::size_t>(column)]);
                    return fail(where + ", column " + std::to_string(column + 1) + ": \"" + shown +
                                "\" is not a block character");
                }
                cells[static_cast<std::size_t>(cellIndex(column, r))] =
                    blockCodeFor(static_cast<std::uint8_t>(number));
            }
            if (!next(']', more)) {
                return false;
            }
        }
        if (r != boardRows) {
            return fail(board + std::to_string(r) + " rows, not 20");
        }
        return true;
    }

    // The rest of an object of the named fields, after its {: each field once, none missing but
    // the `optional` one, and `readField` reads the value of the one with the index given. Faults
    // start with `prefix`.
    template <typename ReadField>
    bool readFields(std::span<const char* const> names, const std::string& prefix,
                    const ReadField& readField, std::size_t optional = ~std::size_t{0}) {
        std::vector<bool> seen(names.size());
        if (!closesAt('}')) {
            std::string key;
            int line = 0;
            for (bool more = true; more;) {
                if (!readKey(key, line)) {
                    return false;
                }
                const auto field = static_cast<std::size_t>(
                    std::ranges::find(names, std::string_view(key)) - names.begin());
                if (field == names.size()) {
                    return fail(prefix + "unknown field \"" + key + "\"", line);
                }
                if (seen[field]) {
                    return fail(prefix + "\"" + key + "\" appears twice", line);
                }
                seen[field] = true;
                if (!readField(field) || !next('}', more)) {
                    return false;
                }
            }
        }
        if (optional < seen.size()) {
            seen[optional] = true;
        }
        const auto missing =
            static_cast<std::size_t>(std::ranges::find(seen, false) - seen.begin());
        return missing == names.size() || fail(prefix + "\"" + names[missing] + "\" is missing");
    }

    bool readBoard(Board& board, int number) {
        const std::string name = "board " + std::to_string(number) + ": ";
        if (!expect('{', name.substr(0, name.size() - 2))) {
            return false;
        }
        return readFields(
            boardFields, name,
            [&](std::size_t field) {
                return field == 0   ? readBoardNumber(number, name)
                       : field == 1 ? readNumber(board.background, name + "\"background\"")
                                    : readRows(board.cells, name);
            },
            0);
    }

    bool readBoards(BoardSet& set) {
        if (!expect('[', "\"boards\"")) {
            return false;
        }
        if (closesAt(']')) {
            return fail("no boards; a BoardSet holds 1 to 200");
        }
        int count = 0;
        for (bool more = true; more;) {
            skipSpace();
            if (count == maxBoards) {
                return fail("board 201: a BoardSet holds at most 200 boards");
            }
            if (!readBoard(set.board(count), count + 1)) {
                return false;
            }
            ++count;
            if (!next(']', more)) {
                return false;
            }
        }
        set.lastBoardIndex = count - 1;
        return true;
    }

    bool readBoardSet(BoardSet& set) {
        if (!expect('{', "the text form")) {
            return false;
        }
        return readFields(boardSetFields, "", [&](std::size_t field) {
            return field < stringFields.size()
                       ? readText(*stringsOf(set)[field], stringFields[field])
                       : readBoards(set);
        });
    }
};

} // namespace

std::string jsonString(std::string_view windows1252) {
    constexpr char hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char byte : windows1252) {
        const char32_t c = windows1252Character(static_cast<unsigned char>(byte));
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(static_cast<char>(c));
        } else if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
            // Controls, seen or not, stay visible in a diff.
            out += "\\u00";
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 0xF]);
        } else {
            appendUtf8(out, c);
        }
    }
    out.push_back('"');
    return out;
}

std::string terminalText(std::string_view windows1252) {
    std::string out;
    for (const char byte : windows1252) {
        const char32_t c = windows1252Character(static_cast<unsigned char>(byte));
        appendUtf8(out, c < 0x20 || (c >= 0x7F && c <= 0x9F) ? U'?' : c);
    }
    return out;
}

std::string exportText(const BoardSet& boardSet) {
    std::string out;
    const int count = std::clamp(boardSet.boardCount(), 0, maxBoards);
    out.reserve(1024 + static_cast<std::size_t>(count) * 600);
    out += "{\n";
    for (std::size_t field = 0; field < stringFields.size(); ++field) {
        out += "  \"";
        out += stringFields[field];
        out += "\": ";
        out += jsonString(*stringsOf(boardSet)[field]);
        out += ",\n";
    }
    out += "  \"boards\": [";
    for (int b = 0; b < count; ++b) {
        const Board& board = boardSet.board(b);
        out += b == 0 ? "\n" : ",\n";
        out += "    {\n      \"board\": " + std::to_string(b + 1) +
               ",\n      \"background\": " + std::to_string(board.background & 0xff) +
               ",\n      \"rows\": [\n";
        for (int row = 0; row < boardRows; ++row) {
            out += "        \"";
            for (int column = 0; column < boardColumns; ++column) {
                const BlockCode code =
                    board.cells[static_cast<std::size_t>(cellIndex(column, row))];
                out.push_back(blockCharacters[blockNumberFor(code)]);
            }
            out += row + 1 < boardRows ? "\",\n" : "\"\n";
        }
        out += "      ]\n    }";
    }
    out += "\n  ]\n}\n";
    return out;
}

Result<BoardSet> importText(std::string_view text) {
    return TextReader(text).read();
}

} // namespace bse
