// The editor's commands as the user meets them. Each file of tests/data/editor/ holds scenarios:
// "== name", then lines "> action" that drive the editor through MainWindowProc on the fake
// desktop, each followed by every call the desktop got, and the editor's state at the end. The
// test replays the actions and compares the whole text; BSE_UPDATE_GOLDEN=1 rewrites the files
// from the actions, to be read before they are committed. Undo and Redo are also walked through
// random sessions of the same actions, against a model of the states they pass.
#include "editor/title.h"
#include "format/board_set_format.h"
#include "format/recovery_copy.h"
#include "shell/menu.h"
#include "shell/startup.h"
#include "support/board_set_checks.h"
#include "support/fake_platform.h"
#include "support/golden.h"
#include "view/board_tile.h"
#include "view/drawing.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>

namespace bse::test {
namespace {

// The menu's commands by their items' words: "Save As..." is "save-as", "&Copy Board" "copy-board".
std::map<std::string, int> commandNames() {
    std::map<std::string, int> names{{"close-box", BSE_IDCANCEL}};
    const auto add = [&names](std::string_view text, int id) { // id 0: a drop-down or a line
        std::string name;
        for (const char c : text.substr(0, text.find("..."))) {
            name += c == ' '   ? "-"
                    : c == '&' ? ""
                               : std::string(1, static_cast<char>(std::tolower(c)));
        }
        if (id != 0) {
            names[name] = id;
        }
    };
    for (const MenuBarEntry& entry : mainMenu()) {
        add(entry.text, entry.commandId);
        for (const MenuItem& item : entry.items) {
            add(item.text, item.commandId);
            for (const MenuItem& inner : item.submenu) {
                add(inner.text, inner.commandId);
            }
        }
    }
    return names;
}
const std::map<std::string, int> commandIds = commandNames();
// A pointer action's message, and the buttons it holds unless it says.
const std::map<std::string, std::pair<Message, WParam>> pointerMessages{
    {"lc", {BSE_WM_LBUTTONDOWN, BSE_MK_LBUTTON}}, // a click: press and release
    {"ld", {BSE_WM_LBUTTONDOWN, BSE_MK_LBUTTON}},
    {"lu", {BSE_WM_LBUTTONUP, 0}},
    {"m", {BSE_WM_MOUSEMOVE, 0}},
    {"rd", {BSE_WM_RBUTTONDOWN, BSE_MK_RBUTTON}},
    {"ru", {BSE_WM_RBUTTONUP, 0}},
    {"md", {BSE_WM_MBUTTONDOWN, BSE_MK_MBUTTON}}};
const std::map<std::string, Answer> answerWords{
    {"yes", Answer::Yes}, {"no", Answer::No}, {"cancel", Answer::Cancel}};

// The rest of an action's words, as typed (without the blanks around them).
std::string rest(std::istream& in) {
    std::string text;
    std::getline(in >> std::ws, text);
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

int number(std::istream& in) {
    int n = 0;
    in >> n;
    return n;
}

// `count` boards, board k holding k + 1 cells of block (k + first) % 42 + 2 and background
// k + first + 10, so a moved or lost board shows in the state.
void markBoards(BoardSet& set, int count, int current, int first = 0) {
    for (int k = 0; k < maxBoards; ++k) {
        Board& board = set.board(k);
        board.background = static_cast<std::uint32_t>(k + first + 10);
        board.cells.fill(0);
        std::fill_n(board.cells.begin(), k + 1, static_cast<BlockCode>((k + first) % 42 + 2));
    }
    set.lastBoardIndex = count - 1;
    set.currentBoard = current - 1;
}

// A file of `count` boards marked as the editor's are, but from 20 on: board 1 has background 30.
Bytes boardSetFile(int count, const std::string& name) {
    BoardSet set;
    setDefaultStrings(set);
    set.boardSetName = name;
    markBoards(set, count, 1, 20);
    return encodeBoardSet(set);
}

// Words left over are a typing mistake that would otherwise pass unseen.
void expectAllRead(std::istream& in, const std::string& action) {
    in.clear();
    if (std::string extra; in >> extra) {
        ADD_FAILURE() << "words not read: " << action;
    }
}

// A user's actions in one dialog, separated by " ; ": type ID TEXT, press ID, select ID INDEX,
// message NUMBER.
DialogScript dialogScript(const std::string& actions) {
    return [actions](FakeDialog& dialog) {
        std::istringstream all(actions);
        std::string action;
        while (std::getline(all, action, ';')) {
            std::istringstream in(action);
            std::string verb;
            int id = 0;
            in >> verb >> id;
            if (verb == "type") {
                dialog.type(id, rest(in));
            } else if (verb == "press") {
                dialog.press(id);
            } else if (verb == "select") {
                dialog.select(id, number(in));
            } else if (verb == "message") {
                dialog.send(static_cast<Message>(id));
            } else {
                ADD_FAILURE() << "unknown dialog action: " << action;
            }
            expectAllRead(in, action);
        }
    };
}

// A message the window's procedure leaves to the system's own handling shows in the log.
void send(FakePlatform& platform, Message message, WParam wParam = 0, LParam lParam = 0) {
    if (!platform.send(message, wParam, lParam)) {
        platform.note("not handled");
    }
}

void act(FakePlatform& platform, Editor& editor, const std::string& line) {
    std::istringstream in(line);
    std::string verb;
    in >> verb;
    // Messages go through the window's handler, as the desktop delivers them.
    if (commandIds.contains(verb)) { // [TIMES], or by-key: as a key of the menu sends it
        auto command = static_cast<WParam>(commandIds.at(verb));
        std::string times = "1";
        if (in >> times && times == "by-key") {
            command |= WParam{1} << 16;
            times = "1";
        }
        for (int n = std::stoi(times); n > 0; --n) {
            send(platform, BSE_WM_COMMAND, command);
        }
    } else if (pointerMessages.contains(verb)) { // X Y [+KEYS], for a move X Y BUTTONS; again...
        const auto [message, held] = pointerMessages.at(verb);
        const bool several = std::count(line.begin(), line.end(), ' ') > (verb == "m" ? 3 : 2) &&
                             line.find('+') == std::string::npos;
        while (in && !(in >> std::ws).eof()) {
            const int x = number(in), y = number(in);
            auto buttons = verb == "m" ? static_cast<WParam>(number(in)) : held;
            if ((in >> std::ws).peek() == '+') { // keys also held: +4 Shift, +8 Ctrl
                buttons |= static_cast<WParam>(number(in));
            }
            if (several) {
                platform.note("at", x, y);
            }
            send(platform, message, buttons, makePointerParam(x, y));
            if (verb == "lc") {
                send(platform, BSE_WM_LBUTTONUP, 0, makePointerParam(x, y));
            }
        }
    } else if (verb == "key") { // KEY [Shift] [Ctrl] [Alt] [xTIMES]: held with it, pressed again
        const auto key = static_cast<WParam>(number(in));
        int times = 1;
        for (std::string held; in >> held;) {
            if (held.starts_with('x')) {
                times = std::stoi(held.substr(1));
                continue;
            }
            platform.heldKeys.insert(held == "Shift"  ? BSE_VK_SHIFT
                                     : held == "Ctrl" ? BSE_VK_CONTROL
                                                      : BSE_VK_MENU);
        }
        for (; times > 0; --times) {
            send(platform, BSE_WM_KEYDOWN, key);
        }
        platform.heldKeys.clear();
    } else if (verb == "keyup") {
        send(platform, BSE_WM_KEYUP, static_cast<WParam>(number(in)));
    } else if (verb == "boards") { // COUNT CURRENT
        const int count = number(in);
        markBoards(editor.boardSet, count, number(in));
        editor.shown.title = composeTitle(editor); // as if a session had made them
    } else if (verb == "blocks") {                 // LEFT RIGHT: the blocks the buttons paint
        in >> editor.leftBlock >> editor.rightBlock;
    } else if (verb == "answers") {
        for (std::string word; in >> word;) {
            platform.answers.push_back(answerWords.at(word));
        }
    } else if (verb == "dialog") {
        platform.dialogScripts.push_back(dialogScript(rest(in)));
    } else if (verb == "choose-open" || verb == "choose-save") { // PATH... or nothing: a blank
        std::vector<std::string> paths(std::istream_iterator<std::string>(in), {});
        auto& choices = verb == "choose-open" ? platform.openChoices : platform.saveChoices;
        for (const std::string& path : paths.empty() ? std::vector<std::string>{""} : paths) {
            choices.push_back(path == "(cancel)" ? std::nullopt : std::optional(path));
        }
    } else if (verb == "boardset-file") {
        std::string path;
        int count = 0;
        in >> path >> count;
        platform.files[path] = boardSetFile(count, rest(in));
    } else if (verb == "kept-copy") { // FILE COPY COUNT NAME: a copy an interrupted save kept
        std::string path, copy;
        int count = 0;
        in >> path >> copy >> count;
        platform.files[copy] = boardSetFile(count, rest(in));
        platform.kept[path].push_back(copy);
    } else if (verb == "bytes-file") { // PATH SIZE, then the first bytes; the rest repeat them
        std::string path;
        std::size_t size = 0;
        in >> path >> size;
        Bytes pattern;
        for (int byte = 0; in >> byte;) {
            pattern.push_back(static_cast<std::uint8_t>(byte));
        }
        Bytes& file = platform.files[path] = Bytes(size, 0);
        for (std::size_t i = 0; i < size && !pattern.empty(); ++i) {
            file[i] = pattern[i % pattern.size()];
        }
    } else if (verb == "read-fails" || verb == "write-fails" || verb == "not-regular") {
        std::string path;
        in >> path;
        (verb == "write-fails" ? platform.failingWrites : platform.failingReads)[path] = rest(in);
        if (verb == "not-regular") {
            platform.notRegularFiles.insert(path);
        }
    } else if (verb == "current-file") {
        editor.currentFileName = rest(in);
    } else if (verb == "name") {
        editor.boardSet.boardSetName = rest(in);
        editor.shown.title = composeTitle(editor);
    } else if (verb == "modified") {
        editor.modified = true;
    } else if (verb == "message") { // NUMBER WPARAM [LPARAM [TIMES]]: any message, handled?
        const auto message = static_cast<Message>(number(in));
        const auto wParam = static_cast<WParam>(number(in));
        const auto lParam = static_cast<LParam>((in >> std::ws).eof() ? 0 : number(in));
        for (int times = (in >> std::ws).eof() ? 1 : number(in); times > 0; --times) {
            platform.note("handled", platform.send(message, wParam, lParam));
        }
    } else if (verb == "menu-choice") {
        platform.menuChoices.push_back(number(in));
    } else if (verb == "drop") { // PATH, or nothing: what the desktop hands over
        const std::string path = rest(in);
        platform.dropped = path.empty() ? std::nullopt : std::optional(path);
        send(platform, BSE_WM_DROPFILES);
    } else if (verb == "missing-picture") {
        platform.pictures.erase(number(in));
    } else if (verb == "missing-icon") {
        platform.missingIcons.insert(number(in));
    } else if (verb == "picture-size") { // ID WIDTH HEIGHT
        const int id = number(in), width = number(in), height = number(in);
        platform.pictures[id] = Picture(width, height);
    } else if (verb == "pixels") { // X Y...: the colours the window last painted there
        for (int x = 0, y = 0; in >> x >> y;) {
            platform.note("pixel", x, y, colourText(platform.screen.at(x, y)));
        }
    } else if (verb == "tile") { // BOARD: its overview tile against every fourth pixel of its grid
        const int board = number(in);
        Picture grid(canvasWidth, canvasHeight);
        drawBoardCells(grid, editor.pictures.blockStrip, editor.boardSet.board(board - 1));
        const Picture& tile = platform.tiles.at(board - 1);
        int wrong = 0;
        for (int y = 0; y < tileHeight; ++y) {
            for (int x = 0; x < tileWidth; ++x) {
                wrong +=
                    tile.at(x, y) != grid.at(boardGridRect.left + 4 * x, boardGridRect.top + 4 * y);
            }
        }
        platform.note("tile", board, wrong, "pixels wrong");
    } else if (verb == "safekeeping") { // [WHAT A FAILED RECOVERY WRITE SAYS]
        platform.safekeeping = editor.safekeeping.on = true;
        platform.failedRecovery = rest(in);
    } else if (verb == "recovery-copy") { // NAME COUNT CURRENT [PATH], or NAME only: damaged
        std::string name;
        const int count = (in >> name, number(in)), current = number(in);
        BoardSet set;
        markBoards(set, count, current);
        platform.recoveryCopies[name] = count ? encodeRecoveryCopy(set, rest(in)) : Bytes(9);
    } else if (verb == "remove") {
        platform.files.erase(rest(in));
    } else if (verb == "recent") { // PATH...: the list kept from an earlier run
        for (std::string path; in >> path;) {
            platform.settings["recentFiles"].push_back(path);
        }
    } else if (verb == "clipboard-text") { // TEXT, '|' between lines
        std::string text = rest(in);
        std::replace(text.begin(), text.end(), '|', '\n');
        platform.clipboard = {std::nullopt, text};
    } else if (verb == "clipboard-cells") { // SIZE BYTE: every fourth byte BYTE, the others 0
        Bytes cells(static_cast<std::size_t>(number(in)));
        const auto byte = static_cast<std::uint8_t>(number(in));
        for (std::size_t i = 0; i < cells.size(); i += 4) {
            cells[i] = byte;
        }
        platform.clipboard = {cells, std::nullopt};
    } else if (verb == "clipboard-own") { // holds this editor's own copy: reading gives nothing
        platform.clipboard = {};
    } else if (verb == "clipboard-silent") { // its owner never answers
        platform.clipboard = {std::nullopt, std::nullopt, false};
    } else if (verb == "while-open") { // ACTION: done while the next question or menu is open
        platform.whileOpen.push_back([&platform, &editor, action = rest(in)] {
            platform.note("while open >", action);
            act(platform, editor, action);
        });
    } else if (verb == "no-window") {
        platform.failWindowCreation = true;
    } else {
        ADD_FAILURE() << "unknown action: " << line;
    }
    expectAllRead(in, line);
}

// The list, one slot past it, and the editor's own fields; a board as its count of each code.
std::string state(const Editor& editor) {
    const BoardSet& set = editor.boardSet;
    std::ostringstream text;
    text << "state: " << set.boardCount() << " boards, current " << set.currentBoard + 1
         << (editor.modified ? ", modified" : "") << ", file '" << editor.currentFileName
         << "', name '" << set.boardSetName << "', author '" << set.authorName << "', blocks "
         << editor.leftBlock << "/" << editor.rightBlock << "\n";
    for (int k = 0; k <= std::min(set.lastBoardIndex + 1, lastBoardSlot); ++k) {
        std::map<BlockCode, int> counts;
        for (const BlockCode cell : set.board(k).cells) {
            ++counts[cell];
        }
        text << "  board " << k + 1 << (k > set.lastBoardIndex ? " (past)" : "") << ": background "
             << set.board(k).background << ",";
        for (const auto& [code, count] : counts) {
            text << " " << code << "x" << count;
        }
        text << "\n";
    }
    return text.str();
}

// One scenario: its actions, each followed by the desktop calls it caused. A first action
// "start [FILE]" runs the program's start-up with the rest as the user's session (actions before
// it arrange the desktop); otherwise the editor starts before the first action.
std::string play(const std::vector<std::string>& actions) {
    FakePlatform platform;
    auto editor = std::make_unique<Editor>();
    std::string text;
    const auto flush = [&] {
        for (const std::string& line : platform.log) {
            text += line + "\n";
        }
        platform.log.clear();
    };
    const auto run = [&](auto from, auto to) {
        for (auto action = from; action != to; ++action) {
            flush();
            text += "> " + *action + "\n";
            act(platform, *editor, *action);
            flush();
        }
    };
    const auto start = std::find_if(actions.begin(), actions.end(),
                                    [](const std::string& a) { return a.starts_with("start"); });
    if (start == actions.end()) {
        editor = startedEditor(platform);
        run(actions.begin(), actions.end());
    } else {
        run(actions.begin(), start);
        const std::string file = start->size() > 6 ? start->substr(6) : "";
        platform.session = [&](FakePlatform&) { run(start + 1, actions.end()); };
        text += "> " + *start + "\n";
        const int exitCode =
            runEditor(*editor, platform, file.empty() ? std::nullopt : std::optional(file));
        flush();
        text += "exit code " + std::to_string(exitCode) + "\n";
    }
    // Every answer and file the scenario arranged was used: else the step tests nothing.
    EXPECT_TRUE(platform.answers.empty() && platform.dialogScripts.empty() &&
                platform.openChoices.empty() && platform.saveChoices.empty())
        << "script left unused";
    for (const std::string& action : actions) {
        std::istringstream in(action);
        std::string verb, path;
        in >> verb >> path;
        const bool write = verb == "write-fails";
        const std::string use = (write ? "writeFileAtomically " : "readFile ") + path + ' ';
        if (write || verb == "boardset-file" || verb == "bytes-file" || verb == "read-fails" ||
            verb == "not-regular") {
            EXPECT_NE(text.find(use), std::string::npos) << "never used: " << action;
        }
    }
    return text + state(*editor);
}

// Replays the scenarios of each file: its "== " and "> " lines; everything else is what they gave.
TEST(Editor, Scenarios) {
    for (const char* folder : {"editor", "shell"}) {
        for (const auto& entry : std::filesystem::directory_iterator(dataPath(folder))) {
            const std::string name = std::string(folder) + '/' + entry.path().filename().string();
            SCOPED_TRACE(name);
            std::ifstream file(entry.path());
            std::vector<std::pair<std::string, std::vector<std::string>>> scenarios;
            for (std::string line; std::getline(file, line);) {
                if (line.starts_with("== ")) {
                    scenarios.push_back({line, {}});
                } else if (line.starts_with("> ") && !scenarios.empty()) {
                    scenarios.back().second.push_back(line.substr(2));
                }
            }
            std::string text;
            for (const auto& [header, actions] : scenarios) {
                SCOPED_TRACE(header);
                text += header + "\n" + play(actions);
            }
            expectGolden(name, text);
        }
    }
}

// The pointer at the top left of a cell, from 0-based column and row.
std::string cellAt(int column, int row) {
    return std::to_string(21 + 30 * column) + " " + std::to_string(5 + 15 * row);
}

// Random sessions of commands, strokes and answers. Every step that changed the BoardSet beyond
// which board is current is undone back to the start and redone to the end, each time showing the
// BoardSet as it was, on the board it was done on, unmodified exactly where it was saved.
TEST(Editor, UndoAndRedoWalkRandomSessionsBackToTheStartAndOnToTheEnd) {
    const char* const commands[] = {"copy-board",
                                    "paste-board",
                                    "clear-board",
                                    "add-a-board",
                                    "insert-board",
                                    "delete-board",
                                    "previous-board",
                                    "next-board",
                                    "first-board",
                                    "last-board",
                                    "set-board-background",
                                    "boardset-settings",
                                    "import",
                                    "save",
                                    "flip-left-and-right",
                                    "flip-top-and-bottom",
                                    "shift-left",
                                    "shift-down",
                                    "duplicate-board",
                                    "move-board-earlier",
                                    "move-board-later",
                                    "mirror-painting",
                                    "select-all",
                                    "replace-block",
                                    "key 46",
                                    "key 67 8",
                                    "key 88 8",
                                    "key 86 8"};
    for (const unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        const auto pick = [&](int n) { return std::uniform_int_distribution(0, n - 1)(random); };
        FakePlatform platform;
        auto editor = startedEditor(platform);
        const auto run = [&](const std::string& action) { act(platform, *editor, action); };
        run("boards 6 4");
        run("current-file /walk.bds");
        // The BoardSet after each step (the first: before any), and the board current before it.
        std::vector<BoardSet> states{editor->boardSet};
        std::vector<int> boardsBefore;
        std::size_t at = 0;
        std::optional<std::size_t> saved = 0;
        const auto expectStep = [&](int currentBoard) {
            BoardSet expected = states[at];
            expected.currentBoard = currentBoard;
            ASSERT_EQ(check::firstDifference(editor->boardSet, expected), "");
            EXPECT_EQ(editor->modified, saved != at);
        };
        const auto undo = [&] { run("undo"), --at, expectStep(boardsBefore[at]); };
        const auto redo = [&] { run("redo"), ++at, expectStep(states[at].currentBoard); };
        for (int n = 0; n < 100; ++n) {
            SCOPED_TRACE(n);
            const int kind = pick(10);
            if ((kind == 0 && at > 0) || (kind == 1 && at + 1 < states.size())) {
                ASSERT_NO_FATAL_FAILURE(kind == 0 ? undo() : redo());
                continue;
            }
            const BoardSet before = editor->boardSet;
            const int typed = pick(4);
            run("dialog type 1003 " + std::to_string(typed) + " ; type 1000 " + // background, name
                (typed < 2 ? "Caves" : "Lakes") + " ; select 1023 " + std::to_string(typed % 2) +
                " ; press 1");
            run("bytes-file /old.dat " + std::to_string(400 * (1 + pick(3))) + " " +
                std::to_string(typed));
            run("choose-open /old.dat");
            const auto which = static_cast<std::size_t>(pick(std::size(commands) + 6));
            if (which < std::size(commands)) {
                // Import's question is answered No: a save there would move the saved state
                // in the middle of a step.
                const bool no = std::string(commands[which]) == "import" || pick(3) == 0;
                run(no ? "answers no" : "answers yes");
                run(commands[which]);
            } else { // a stroke, a rectangle, a fill, a selection or a move of one, a stamp's
                     // placement: press, moves to neighbouring cells, release
                const std::string button = pick(2) == 0 ? "l" : "r";
                const std::string held = std::to_string((button == "l" ? 1 : 2) + 4 * pick(4));
                run("blocks " + std::to_string(pick(45)) + " " + std::to_string(pick(45)));
                int column = pick(20), row = pick(20);
                run(button + "d " + cellAt(column, row) + " +" + held);
                for (int moves = pick(6); moves > 0; --moves) {
                    column = (column + 19 + pick(3)) % 20;
                    row = (row + 19 + pick(3)) % 20;
                    run("m " + cellAt(column, row) + " " + held);
                }
                run(pick(5) == 0 ? "key 27" : "md " + cellAt(column, row)); // Escape or a pick
                run(button + "u " + cellAt(column, row));
            }
            platform.answers.clear();
            platform.dialogScripts.clear();
            platform.openChoices.clear();
            BoardSet after = editor->boardSet;
            after.currentBoard = before.currentBoard;
            if (!check::firstDifference(before, after).empty()) {
                states.resize(++at);
                boardsBefore.resize(at - 1);
                saved = saved < at ? saved : std::nullopt;
                states.push_back(editor->boardSet);
                boardsBefore.push_back(before.currentBoard);
            }
            saved = editor->modified ? saved : at;
        }
        ASSERT_GT(states.size(), 20u);
        while (at > 0) {
            ASSERT_NO_FATAL_FAILURE(undo());
        }
        while (at + 1 < states.size()) {
            ASSERT_NO_FATAL_FAILURE(redo());
        }
        run("redo"); // nothing left: nothing changes
        expectStep(states.back().currentBoard);
    }
}

TEST(Editor, UndoKeepsAThousandOneCellStrokesInAMegabyteAndDropsTheOldestPastItsLimit) {
    FakePlatform platform;
    auto editor = startedEditor(platform);
    std::vector<BoardCells> after;
    for (int k = 0; k < 1000; ++k) { // a new block on every visit to a cell
        act(platform, *editor, "blocks " + std::to_string(2 + k % 41) + " 0");
        act(platform, *editor, "ld " + cellAt(k % 20, k / 20 % 20));
        act(platform, *editor, "lu " + cellAt(k % 20, k / 20 % 20));
        after.push_back(editor->boardSet.current().cells);
    }
    ASSERT_EQ(editor->history.size(), 1000u);
    EXPECT_LE(editor->history.bytes(), 1u << 20);
    editor->history.setByteLimit(editor->history.bytes()); // exactly at the limit: all stay
    ASSERT_EQ(editor->history.size(), 1000u);
    editor->history.setByteLimit(editor->history.bytes() / 4);
    const std::size_t kept = editor->history.size();
    EXPECT_LT(kept, 300u);
    for (std::size_t k = 0; k <= kept; ++k) { // one more than kept: changes nothing
        act(platform, *editor, "undo");
    }
    EXPECT_EQ(editor->boardSet.current().cells, after[999 - kept]);
    EXPECT_TRUE(editor->modified);   // the saved state went with the oldest steps
    editor->history.setByteLimit(0); // all undone: every step is one to redo, and stays
    EXPECT_EQ(editor->history.size(), kept);
}

} // namespace
} // namespace bse::test
