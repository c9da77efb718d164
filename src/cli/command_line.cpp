#include "cli/command_line.h"

#include "cli/files.h"
#include "model/windows1252.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <utility>

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

// An argument's own bytes: each came in as the Latin-1 character of its value.
std::string bytesOf(const QString& argument) {
    return argument.toLatin1().toStdString();
}

int usageError(const QString& command, const QString& reason) {
    std::fprintf(stderr, "boardset: %s: %s\n", qPrintable(command),
                 shownText(bytesOf(reason)).c_str());
    return exitUsage;
}

// Command-line text as Windows-1252 bytes, at most the 199 characters the editor's dialog takes.
std::variant<std::string, QString> boardSetText(const QString& argument) {
    std::string bytes;
    for (const char32_t c : QString::fromUtf8(argument.toLatin1()).toUcs4()) {
        const auto byte = windows1252Byte(c);
        if (!byte) {
            return QString::fromLatin1(QStringLiteral("\"%1\" cannot be written in Windows-1252")
                                           .arg(QString::fromUcs4(&c, 1))
                                           .toUtf8());
        }
        bytes.push_back(static_cast<char>(*byte));
    }
    if (bytes.size() > 199) {
        return QStringLiteral("at most 199 characters");
    }
    return bytes;
}

std::variant<Request, int> parseSubcommand(const Subcommand& sub, QStringList arguments) {
    const QString name = QString::fromLatin1(sub.name);
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(sub.summary));
    // Qt's own help option would offer a --help-all for Qt's options, which boardset has none of.
    const QCommandLineOption help({"h", "help"}, "Displays this help.");
    parser.addOption(help);
    // Each named input on a line of its own ("BASE OURS THEIRS"), the help on the first.
    QString inputsHelp = QString::fromLatin1(sub.inputsHelp);
    for (const QString& input : QString::fromLatin1(sub.inputs).split(' ')) {
        parser.addPositionalArgument(input, std::exchange(inputsHelp, QString()));
    }
    const QCommandLineOption output({"o", "output"}, "Where to write (\"-\": standard output).",
                                    "FILE");
    const QCommandLineOption json("json", "The same as JSON.");
    const QCommandLineOption board("board", "The board to draw, from 1 (default 1).", "N");
    const QCommandLineOption all("all", "Every board on one sheet.");
    const QCommandLineOption boardSetName("name", "The BoardSet's name (default Untitled Board).",
                                          "TEXT");
    const QCommandLineOption author("author", "The author's name (default Unknown).", "TEXT");
    if (sub.output) {
        parser.addOption(output);
    }
    if (name == "info") {
        parser.addOption(json);
    } else if (name == "render") {
        parser.addOptions({board, all});
    } else if (name == "convert") {
        parser.addOptions({boardSetName, author});
    }

    arguments[0] = "boardset " + name;
    if (!parser.parse(arguments)) {
        return usageError(name, parser.errorText());
    }
    if (parser.isSet(help)) {
        // Qt starts the usage line with the program's path; name the subcommand instead.
        QString help = parser.helpText();
        const QString usage = QStringLiteral("Usage: ");
        const qsizetype options = help.indexOf(QStringLiteral(" [options]"));
        help.replace(0, options, usage + "boardset " + name);
        std::fputs(qPrintable(help), stdout);
        return exitSuccess;
    }

    Request request;
    request.command = sub.name;
    for (const QString& input : parser.positionalArguments()) {
        request.inputs.push_back(bytesOf(input));
    }
    const auto count = request.inputs.size();
    if (count == 0 || (count > 1 && !sub.many)) {
        return usageError(name, count == 0
                                    ? QStringLiteral("no %1 given").arg(sub.inputs).remove("...")
                                    : QStringLiteral("one %1 only").arg(sub.inputs));
    }
    if (sub.output) {
        if (!parser.isSet(output) && name == "export") {
            request.output.assign(1, '-'); // standard output; "= \"-\"" trips gcc 12's -Wrestrict
        } else if (!parser.isSet(output)) {
            return usageError(name, QStringLiteral("no output: give -o FILE, or -o - for "
                                                   "standard output"));
        } else {
            request.output = bytesOf(parser.value(output));
        }
    }
    request.json = name == "info" && parser.isSet(json);
    if (name == "render") {
        request.all = parser.isSet(all);
        bool number = true;
        request.board = parser.isSet(board) ? parser.value(board).toInt(&number) : 1;
        if (!number || request.board < 1 || request.board > 200) {
            return usageError(name, QStringLiteral("--board needs a number from 1 to 200"));
        }
        if (request.all && parser.isSet(board)) {
            return usageError(name, QStringLiteral("--board and --all exclude each other"));
        }
    }
    if (name == "convert") {
        for (const auto& [option, into] :
             {std::pair{&boardSetName, &request.name}, std::pair{&author, &request.author}}) {
            if (!parser.isSet(*option)) {
                continue;
            }
            auto text = boardSetText(parser.value(*option));
            if (const QString* reason = std::get_if<QString>(&text)) {
                return usageError(name, "--" + option->names().constFirst() + ": " + *reason);
            }
            *into = std::get<std::string>(std::move(text));
        }
    }
    return request;
}

} // namespace

std::variant<Request, int> parseCommandLine(const QStringList& arguments) {
    const QString first = arguments.value(1);
    if (first == "-h" || first == "--help") {
        std::fputs(programHelp, stdout);
        return exitSuccess;
    }
    if (first == "-v" || first == "--version") {
        std::printf("boardset %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return exitSuccess;
    }
    for (const Subcommand& sub : subcommands) {
        if (first == QLatin1String(sub.name)) {
            return parseSubcommand(sub, arguments.mid(1));
        }
    }
    if (first.isEmpty()) {
        std::fputs(programHelp, stderr);
        return exitUsage;
    }
    std::fprintf(stderr, "boardset: %s: no such command; see boardset --help\n",
                 shownText(bytesOf(first)).c_str());
    return exitUsage;
}

} // namespace bse::cli
