#include "cli/command_line.h"

#include "cli/files.h"
#include "model/windows1252.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <span>
#include <string_view>

namespace bse::cli {

namespace {

constexpr const char* programHelp = R"(Usage: boardset COMMAND [options] FILE...
Reads, checks, converts and draws the BoardSet files of Plinkor 2. Needs no display.

Commands:
  info FILE             name, author, and each board's background and number of blocks
  check FILE...         reads each file as the editor's Open does: ok, or why it is refused
  convert OLD -o NEW    a version-1 board file as a new BoardSet, as the editor's Import
  render FILE -o PNG    a board as the editor's grid shows it, or a sheet of all boards
  export FILE [-o JSON] the text form of a BoardSet, made for diffs (standard output without -o)
  import JSON -o FILE   a BoardSet from its text form
  merge BASE OURS THEIRS  three-way merge into OURS, as git's merge driver (exit 1: conflicts)
  diff A B              what changed, in words (exit 1: different)

A FILE of "-" is standard input, and -o - writes standard output.
Exit codes: 0 success, 1 a file was refused or could not be written (standard output too),
2 usage error. A reader that stops early (| head) ends boardset as it ends other tools: by
SIGPIPE, which the shell reports as exit status 141.
"boardset COMMAND --help" describes each command.

Options:
  -h, --help     Displays help.
  -v, --version  Displays version information.
)";

struct Subcommand {
    const char* name;
    const char* summary;
    const char* inputs; // the positional arguments' syntax
    const char* inputsHelp;
    bool many = false;   // several inputs
    bool output = false; // needs -o
};

constexpr Subcommand subcommands[] = {
    {.name = "info",
     .summary = "Name, author, number of boards, and each board's background and blocks.",
     .inputs = "FILE",
     .inputsHelp = "A BoardSet file."},
    {.name = "check",
     .summary = "Reads each file as the editor's Open does and says whether it is ok or why it is "
                "refused, with the byte offset. Exit code 1 when any file is refused.",
     .inputs = "FILE...",
     .inputsHelp = "BoardSet files.",
     .many = true},
    {.name = "convert",
     .summary =
         "A version-1 board file as a new BoardSet holding exactly its boards, translated as the "
         "editor's Import does.",
     .inputs = "OLD",
     .inputsHelp = "A version-1 board file.",
     .output = true},
    {.name = "render",
     .summary =
         "Board N as the editor's grid shows it (600 x 300 PNG), or with --all a sheet of every "
         "board at half size in rows of five, each with its number.",
     .inputs = "FILE",
     .inputsHelp = "A BoardSet file.",
     .output = true},
    {.name = "export",
     .summary =
         "The text form: name, author, paths, and per board its background and 20 rows of 20 "
         "characters, top row first (the table is in README).",
     .inputs = "FILE",
     .inputsHelp = "A BoardSet file.",
     .output = true},
    {.name = "import",
     .summary = "A BoardSet file from the text form; any fault is refused with its line.",
     .inputs = "JSON",
     .inputsHelp = "A text form, as export writes it.",
     .output = true},
    {.name = "merge",
     .summary = "Merges the changes from BASE to THEIRS into OURS, boards as a sequence and cells "
                "three-way; where both changed the same thing differently, OURS stays and standard "
                "error says where. "
                "Exit code 0 merged, 1 conflicts, 2 a file could not be read or written.",
     .inputs = "BASE OURS THEIRS",
     .inputsHelp = "BoardSet files: the common ancestor, ours (the result replaces it) and theirs.",
     .many = true},
    {.name = "diff",
     .summary =
         "The boards added, removed and moved, and each changed board's background and cells, in "
         "words. Exit code 0 the same, 1 different, 2 a file could not be read.",
     .inputs = "A B",
     .inputsHelp = "BoardSet files: the old and the new.",
     .many = true},
};

// The options as boardset has always taken them: -o FILE, -oFILE, -o=FILE, --output FILE,
// --output=FILE, short flags run together (-ho), "--" before inputs that start with a dash.
struct Option {
    const char* shortName; // nullptr: none
    const char* name;
    const char* valueName; // nullptr: a flag
    const char* help;
};

constexpr Option helpOption{"h", "help", nullptr, "Displays this help."};
constexpr Option outputOption{"o", "output", "FILE", "Where to write (\"-\": standard output)."};
constexpr Option jsonOption{nullptr, "json", nullptr, "The same as JSON."};
constexpr Option boardOption{nullptr, "board", "N", "The board to draw, from 1 (default 1)."};
constexpr Option allOption{nullptr, "all", nullptr, "Every board on one sheet."};
constexpr Option nameOption{nullptr, "name", "TEXT",
                            "The BoardSet's name (default Untitled Board)."};
constexpr Option authorOption{nullptr, "author", "TEXT", "The author's name (default Unknown)."};

std::vector<const Option*> optionsOf(std::string_view command, bool output) {
    std::vector<const Option*> options{&helpOption};
    if (output) {
        options.push_back(&outputOption);
    }
    if (command == "info") {
        options.push_back(&jsonOption);
    } else if (command == "render") {
        options.insert(options.end(), {&boardOption, &allOption});
    } else if (command == "convert") {
        options.insert(options.end(), {&nameOption, &authorOption});
    }
    return options;
}

struct Parsed {
    std::vector<const Option*> found;
    std::vector<std::pair<const Option*, std::string>> values;
    std::vector<std::string> inputs;
    std::vector<std::string> unknown;
    std::string error; // a missing or unexpected value; unknown options are counted apart

    bool isSet(const Option& option) const {
        return std::ranges::find(found, &option) != found.end();
    }
    // The last value given.
    std::string value(const Option& option) const {
        for (auto it = values.rbegin(); it != values.rend(); ++it) {
            if (it->first == &option) {
                return it->second;
            }
        }
        return {};
    }
    std::string errorText() const {
        if (!error.empty() || unknown.empty()) {
            return error;
        }
        if (unknown.size() == 1) {
            return "Unknown option '" + unknown.front() + "'.";
        }
        std::string names;
        for (const std::string& name : unknown) {
            names += (names.empty() ? "" : ", ") + name;
        }
        return "Unknown options: " + names + ".";
    }
};

const Option* findOption(std::span<const Option* const> options, std::string_view name,
                         Parsed& parsed) {
    for (const Option* option : options) {
        if (name == option->name || (option->shortName && name == option->shortName)) {
            parsed.found.push_back(option);
            return option;
        }
    }
    parsed.unknown.emplace_back(name);
    return nullptr;
}

// The value of an option written as `argument` ("--output=x", "-o" with the next argument).
void takeValue(const Option& option, const std::string& argument, std::span<const std::string> all,
               std::size_t& next, Parsed& parsed) {
    const auto assign = argument.find('=');
    if (option.valueName == nullptr) {
        if (assign != std::string::npos) {
            parsed.error = "Unexpected value after '" + argument.substr(0, assign) + "'.";
        }
    } else if (assign != std::string::npos) {
        parsed.values.emplace_back(&option, argument.substr(assign + 1));
    } else if (next + 1 < all.size()) {
        parsed.values.emplace_back(&option, all[++next]);
    } else {
        parsed.error = "Missing value after '" + argument + "'.";
    }
}

Parsed parseOptions(std::span<const Option* const> options,
                    std::span<const std::string> arguments) {
    Parsed parsed;
    bool inputsOnly = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (inputsOnly || argument.size() < 2 || argument[0] != '-') {
            parsed.inputs.push_back(argument);
        } else if (argument == "--") {
            inputsOnly = true;
        } else if (argument[1] == '-') {
            const std::string name = argument.substr(2, argument.find('=') - 2);
            if (const Option* option = findOption(options, name, parsed)) {
                takeValue(*option, argument, arguments, i, parsed);
            }
        } else {
            const Option* last = nullptr;
            bool valueFound = false;
            for (std::size_t pos = 1; pos < argument.size(); ++pos) {
                last = findOption(options, argument.substr(pos, 1), parsed);
                if (last == nullptr) {
                    continue;
                }
                const bool more = pos + 1 < argument.size();
                if (last->valueName != nullptr) {
                    if (more) {
                        pos += argument[pos + 1] == '=' ? 1 : 0;
                        parsed.values.emplace_back(last, argument.substr(pos + 1));
                        valueFound = true;
                    }
                    break;
                }
                if (more && argument[pos + 1] == '=') {
                    break;
                }
            }
            if (last != nullptr && !valueFound) {
                takeValue(*last, argument, arguments, i, parsed);
            }
        }
    }
    return parsed;
}

// Help as boardset has always laid it out: names in a column, descriptions wrapped at 79.
std::string helpText(const Subcommand& sub, std::span<const Option* const> options) {
    std::vector<std::pair<std::string, std::string>> optionRows;
    for (const Option* option : options) {
        std::string names = option->shortName ? std::string("-") + option->shortName + ", " : "";
        names += std::string("--") + option->name;
        if (option->valueName) {
            names += std::string(" <") + option->valueName + ">";
        }
        optionRows.emplace_back(std::move(names), option->help);
    }
    std::vector<std::pair<std::string, std::string>> inputRows;
    std::string_view inputs = sub.inputs;
    for (std::string_view help = sub.inputsHelp; !inputs.empty(); help = {}) {
        const auto space = std::min(inputs.find(' '), inputs.size());
        inputRows.emplace_back(inputs.substr(0, space), help);
        inputs.remove_prefix(std::min(space + 1, inputs.size()));
    }
    std::size_t width = 0;
    for (const auto* rows : {&optionRows, &inputRows}) {
        for (const auto& row : *rows) {
            width = std::max(width, row.first.size());
        }
    }
    const std::size_t lineLength = 76 - (width + 1);
    std::string text = std::string("Usage: boardset ") + sub.name + " [options] " + sub.inputs +
                       "\n" + sub.summary + "\n";
    for (const auto& [title, rows] :
         {std::pair{"Options", &optionRows}, {"Arguments", &inputRows}}) {
        text += std::string("\n") + title + ":\n";
        for (const auto& [names, help] : *rows) {
            std::string_view words = help;
            std::string name = names;
            if (words.empty()) {
                text += "  " + name + "\n";
            }
            while (!words.empty()) {
                std::size_t end = words.size();
                if (end > lineLength) {
                    end = words.rfind(' ', lineLength);
                }
                name.resize(width, ' ');
                text += "  " + name + "  " + std::string(words.substr(0, end)) + "\n";
                words.remove_prefix(std::min(end + 1, words.size()));
                name.clear();
            }
        }
    }
    return text;
}

int usageError(std::string_view command, const std::string& reason) {
    std::fprintf(stderr, "boardset: %.*s: %s\n", static_cast<int>(command.size()), command.data(),
                 shownText(reason).c_str());
    return exitUsage;
}

// The first character of UTF-8 bytes and its length; U+FFFD for bytes that are not UTF-8.
std::pair<char32_t, std::size_t> firstCharacter(std::string_view bytes) {
    constexpr std::pair<char32_t, std::size_t> invalid{0xfffd, 1};
    const auto lead = static_cast<unsigned char>(bytes[0]);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xc2 ? 0
                               : lead < 0xe0 ? 2
                               : lead < 0xf0 ? 3
                               : lead < 0xf5 ? 4
                                             : 0;
    if (length == 0 || length > bytes.size()) {
        return invalid;
    }
    char32_t c = length == 1 ? lead : lead & (0x7f >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[k]);
        if ((next & 0xc0) != 0x80) {
            return invalid;
        }
        c = c << 6 | (next & 0x3f);
    }
    constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < smallest[length] || c > 0x10ffff || (c >= 0xd800 && c < 0xe000)) {
        return invalid;
    }
    return {c, length};
}

// Command-line text (UTF-8) as Windows-1252 bytes, at most the 199 characters the editor's dialog
// takes; or why not.
bool boardSetText(std::string_view argument, std::string& bytes, std::string& reason) {
    bytes.clear();
    while (!argument.empty()) {
        const auto [c, length] = firstCharacter(argument);
        const auto byte = windows1252Byte(c);
        if (!byte) {
            // Appended piece by piece: gcc 12 sees a false overlap in "\"" + std::string.
            reason.assign(1, '"');
            reason.append(c == 0xfffd ? "\xef\xbf\xbd" : argument.substr(0, length));
            reason.append("\" cannot be written in Windows-1252");
            return false;
        }
        bytes.push_back(static_cast<char>(*byte));
        argument.remove_prefix(length);
    }
    if (bytes.size() > 199) {
        reason = "at most 199 characters";
        return false;
    }
    return true;
}

// A whole number as boardset has always read it: spaces around it and a sign allowed.
bool readNumber(std::string_view text, int& number) {
    const auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!text.empty() && space(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && space(text.back())) {
        text.remove_suffix(1);
    }
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') {
        text.remove_prefix(1);
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

std::variant<Request, int> parseSubcommand(const Subcommand& sub,
                                           std::span<const std::string> arguments) {
    const std::string_view name = sub.name;
    const std::vector<const Option*> options = optionsOf(name, sub.output);
    const Parsed parsed = parseOptions(options, arguments);
    if (const std::string error = parsed.errorText(); !error.empty()) {
        return usageError(name, error);
    }
    if (parsed.isSet(helpOption)) {
        std::fputs(helpText(sub, options).c_str(), stdout);
        return exitSuccess;
    }

    Request request;
    request.command = sub.name;
    request.inputs = parsed.inputs;
    const auto count = request.inputs.size();
    if (count == 0 || (count > 1 && !sub.many)) {
        std::string inputs = sub.inputs;
        if (count == 0) {
            std::erase(inputs, '.');
        }
        return usageError(name, count == 0 ? "no " + inputs + " given" : "one " + inputs + " only");
    }
    if (sub.output) {
        if (!parsed.isSet(outputOption) && name == "export") {
            request.output.assign(1, '-'); // standard output; "= \"-\"" trips gcc 12's -Wrestrict
        } else if (!parsed.isSet(outputOption)) {
            return usageError(name, "no output: give -o FILE, or -o - for standard output");
        } else {
            request.output = parsed.value(outputOption);
        }
    }
    request.json = name == "info" && parsed.isSet(jsonOption);
    if (name == "render") {
        request.all = parsed.isSet(allOption);
        const bool number =
            !parsed.isSet(boardOption) || readNumber(parsed.value(boardOption), request.board);
        if (!number || request.board < 1 || request.board > 200) {
            return usageError(name, "--board needs a number from 1 to 200");
        }
        if (request.all && parsed.isSet(boardOption)) {
            return usageError(name, "--board and --all exclude each other");
        }
    }
    if (name == "convert") {
        for (const auto& [option, into] :
             {std::pair{&nameOption, &request.name}, std::pair{&authorOption, &request.author}}) {
            if (!parsed.isSet(*option)) {
                continue;
            }
            std::string bytes, reason;
            if (!boardSetText(parsed.value(*option), bytes, reason)) {
                return usageError(name, std::string("--") + option->name + ": " + reason);
            }
            *into = std::move(bytes);
        }
    }
    return request;
}

} // namespace

std::variant<Request, int> parseCommandLine(const std::vector<std::string>& arguments) {
    const std::string first = arguments.size() > 1 ? arguments[1] : std::string();
    if (first == "-h" || first == "--help") {
        std::fputs(programHelp, stdout);
        return exitSuccess;
    }
    if (first == "-v" || first == "--version") {
        std::printf("boardset %s\n", BSE_VERSION);
        return exitSuccess;
    }
    for (const Subcommand& sub : subcommands) {
        if (first == sub.name) {
            return parseSubcommand(sub, std::span(arguments).subspan(2));
        }
    }
    if (first.empty()) {
        std::fputs(programHelp, stderr);
        return exitUsage;
    }
    std::fprintf(stderr, "boardset: %s: no such command; see boardset --help\n",
                 shownText(first).c_str());
    return exitUsage;
}

} // namespace bse::cli
