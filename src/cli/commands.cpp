#include "cli/commands.h"

#include "cli/command_support.h"
#include "cli/files.h"
#include "cli/merge_and_diff.h"
#include "cli/system.h"
#include "format/board_set_format.h"
#include "format/text_form.h"
#include "format/version1_import.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace bse::cli {

namespace {

void print(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

int blockCount(const Board& board) {
    int blocks = 0;
    for (const BlockCode cell : board.cells) {
        blocks += cell >= firstBlockKind && cell <= lastBlockKind;
    }
    return blocks;
}

int info(const Request& request) {
    const std::string& path = request.inputs.front();
    const Result<BoardSet> set = readBoardSetFile(path);
    if (!set) {
        return fail(shownName(path), set.reason());
    }
    std::string out;
    if (request.json) {
        out = "{\n  \"name\": " + jsonString(set->boardSetName) +
              ",\n  \"author\": " + jsonString(set->authorName) +
              ",\n  \"count\": " + std::to_string(set->boardCount()) + ",\n  \"boards\": [\n";
        for (int b = 0; b < set->boardCount(); ++b) {
            out += "    {\"board\": " + std::to_string(b + 1) +
                   ", \"background\": " + std::to_string(set->board(b).background) +
                   ", \"blocks\": " + std::to_string(blockCount(set->board(b))) + "}" +
                   (b + 1 < set->boardCount() ? ",\n" : "\n");
        }
        out += "  ]\n}\n";
    } else {
        out = "name: " + terminalText(set->boardSetName) +
              "\nauthor: " + terminalText(set->authorName) +
              "\nboards: " + std::to_string(set->boardCount()) + "\n";
        for (int b = 0; b < set->boardCount(); ++b) {
            out += "board " + std::to_string(b + 1) + ": background " +
                   std::to_string(set->board(b).background) + ", " +
                   std::to_string(blockCount(set->board(b))) + " blocks\n";
        }
    }
    print(out);
    return exitSuccess;
}

// Where the last board's record ends in a file that readBoardSet accepts: the header, the count,
// four strings each after its length field, five constant bytes and the board records.
std::uint64_t endOfLastBoard(const Bytes& bytes, int count) {
    std::size_t end = 12;
    for (int s = 0; s < 4 && end < bytes.size(); ++s) {
        end += 4 + bytes[end];
    }
    return end + 5 + static_cast<std::uint64_t>(count) * boardRecordSize;
}

int check(const Request& request) {
    int code = exitSuccess;
    for (const std::string& path : request.inputs) {
        Input input;
        const Result<BoardSet> set = readBoardSetFile(path, &input);
        const Bytes& bytes = input.bytes;
        std::string line = shownName(path) + ": ";
        if (!set) {
            line += set.reason();
            code = exitRefused;
        } else {
            const int count = set->boardCount();
            line += "ok (" + std::to_string(count) + (count == 1 ? " board)" : " boards)");
            if (const auto board = firstIncompleteBoard(bytes)) {
                line += "; warning: board " + std::to_string(*board) +
                        " is incomplete: the file ends at byte " + std::to_string(bytes.size()) +
                        ", and the editor loads the missing cells as empty";
            } else if (const std::uint64_t end = endOfLastBoard(bytes, count); input.size > end) {
                line += "; warning: " + std::to_string(input.size - end) +
                        " bytes follow the last board, and the editor ignores them";
            }
        }
        if (const std::string warning = keptCopyWarning(path, false); !warning.empty()) {
            line += "; " + warning;
        }
        print(line + "\n");
    }
    return code;
}

int convert(const Request& request) {
    const std::string& path = request.inputs.front();
    // A file too large to import is refused by its size alone, unread.
    const Result<Input> input = readInput(path, longestVersion1File, false);
    if (!input) {
        return fail(shownName(path), input.reason());
    }
    const std::size_t size = input->size > longestVersion1File ? input->size : input->bytes.size();
    if (const Status sized = checkVersion1Size(size); !sized) {
        return fail(shownName(path), sized.reason());
    }
    const Result<std::vector<BoardCells>> boards = readVersion1Boards(input->bytes);
    BoardSet set;
    setDefaultStrings(set);
    adoptBoardCells(set, *boards);
    set.boardSetName = request.name.value_or(set.boardSetName);
    set.authorName = request.author.value_or(set.authorName);
    return write(request.output, encodeBoardSet(set));
}

int exportText(const Request& request) {
    const std::string& path = request.inputs.front();
    const Result<BoardSet> set = readBoardSetFile(path);
    if (!set) {
        return fail(shownName(path), set.reason());
    }
    return write(request.output, bse::exportText(*set));
}

int importText(const Request& request) {
    const std::string& path = request.inputs.front();
    const Result<Input> input = readInput(path, maxTextFormSize, false);
    if (!input) {
        return fail(shownName(path), input.reason());
    }
    if (input->size > maxTextFormSize) {
        return fail(shownName(path), "refused: longer than a text form can be (4 MiB)");
    }
    std::string_view text(reinterpret_cast<const char*>(input->bytes.data()), input->bytes.size());
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3); // a byte-order mark, as some editors put before UTF-8
    }
    const Result<BoardSet> set = bse::importText(text);
    if (!set) {
        return fail(shownName(path), "refused: " + set.reason());
    }
    return write(request.output, encodeBoardSet(*set));
}

// Writing onto an input would destroy what is still to be read (as cp refuses, by device and inode,
// so that another name of the same file is caught too).
bool writesOntoAnInput(const Request& request) {
    if (request.output.empty() || request.output == "-") {
        return false;
    }
    return std::any_of(request.inputs.begin(), request.inputs.end(), [&](const std::string& input) {
        return system::sameFile(input, request.output);
    });
}

} // namespace

int runCommand(const Request& request) {
    if (writesOntoAnInput(request)) {
        return fail(shownName(request.output, true), "input and output are the same file");
    }
    using Command = int (*)(const Request&);
    constexpr std::pair<std::string_view, Command> commands[] = {
        {"info", info},          {"check", check},
        {"convert", convert},    {"render", renderCommand},
        {"export", exportText},  {"import", importText},
        {"merge", mergeCommand}, {"diff", diffCommand},
    };
    for (const auto& [name, command] : commands) {
        if (name == request.command) {
            return command(request);
        }
    }
    return fail(request.command, "no such command", exitUsage);
}

} // namespace bse::cli
