// The editor's commands as the user meets them: each scenario drives the editor through
// MainWindowProc on the fake desktop, and everything the desktop was asked to do, followed by
// the editor's state, is compared with a golden log in tests/data/editor/.
#include "format/board_set_format.h"
#include "platform/dialog_template.h"
#include "shell/main_window_proc.h"
#include "support/fake_platform.h"
#include "support/golden.h"

#include <functional>
#include <map>
#include <sstream>

namespace bse::test {
namespace {

struct Session {
    FakePlatform platform;
    std::unique_ptr<Editor> editor = startedEditor(platform);

    // `count` boards, board k holding k + 1 cells of block k + 2 and background k + 10, so a
    // moved or lost board shows in the state.
    void boards(int count, int current) {
        for (int k = 0; k < maxBoards; ++k) {
            Board& board = editor->boardSet.board(k);
            board.background = static_cast<std::uint32_t>(k + 10);
            board.cells.fill(0);
            std::fill_n(board.cells.begin(), k + 1, static_cast<BlockCode>(k % 42 + 2));
        }
        editor->boardSet.lastBoardIndex = count - 1;
        editor->boardSet.currentBoard = current;
    }
    void send(Message message, WParam wParam = 0, int x = 0, int y = 0) {
        MainWindowProc(*editor, platform, message, wParam, makePointerParam(x, y));
    }
    void command(int id) { send(WM_COMMAND, static_cast<WParam>(id)); }
    void answer(std::initializer_list<Answer> answers) { platform.answers = answers; }
    void dialog(DialogScript script) { platform.dialogScripts.push_back(std::move(script)); }
    void file(const std::string& path, Bytes bytes) { platform.files[path] = std::move(bytes); }
    void click(int x, int y) {
        send(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
        send(WM_LBUTTONUP, 0, x, y);
    }
};

using Scenario = std::pair<std::string, std::function<void(Session&)>>;

std::string cellSummary(const Board& board) {
    std::map<BlockCode, int> counts;
    for (const BlockCode cell : board.cells) {
        ++counts[cell];
    }
    std::string text;
    for (const auto& [code, count] : counts) {
        text += " " + std::to_string(code) + "x" + std::to_string(count);
    }
    return text;
}

// The editor's state after a scenario: the list, one slot past it, and the editor's own fields.
std::string state(const Editor& editor) {
    const BoardSet& set = editor.boardSet;
    std::string text = "state: " + std::to_string(set.boardCount()) + " boards, current " +
                       std::to_string(set.currentBoard + 1) +
                       (editor.modified ? ", modified" : "") + ", file '" + editor.currentFileName +
                       "', name '" + set.boardSetName + "', author '" + set.authorName +
                       "', blocks " + std::to_string(editor.leftBlock) + "/" +
                       std::to_string(editor.rightBlock) + "\n";
    for (int k = 0; k <= std::min(set.lastBoardIndex + 1, lastBoardSlot); ++k) {
        text += "  board " + std::to_string(k + 1) + (k > set.lastBoardIndex ? " (past)" : "") +
                ": background " + std::to_string(set.board(k).background) + "," +
                cellSummary(set.board(k)) + "\n";
    }
    return text;
}

void expectScenarios(const std::string& golden, const std::vector<Scenario>& scenarios) {
    std::string text;
    for (const auto& [name, run] : scenarios) {
        Session session;
        run(session);
        text += "== " + name + "\n";
        for (const std::string& line : session.platform.log) {
            text += line + "\n";
        }
        text += state(*session.editor);
    }
    expectGolden(golden, text);
}

Bytes boardSetFile(int count, const std::string& name) {
    BoardSet set;
    setDefaultStrings(set);
    set.boardSetName = name;
    set.lastBoardIndex = count - 1;
    for (int k = 0; k < count; ++k) {
        set.board(k).background = static_cast<std::uint32_t>(k + 1);
        set.board(k).cells.fill(static_cast<BlockCode>(k + 30));
    }
    return encodeBoardSet(set);
}

TEST(Editor, BoardCommands) {
    std::vector<Scenario> scenarios{
        {"previous and first on the first board",
         [](Session& s) {
             s.boards(3, 0);
             s.command(ID_BOARD_PREVIOUS);
             s.command(ID_BOARD_FIRST);
         }},
        {"previous then first",
         [](Session& s) {
             s.boards(4, 3);
             s.command(ID_BOARD_PREVIOUS);
             s.command(ID_BOARD_FIRST);
         }},
        {"next then last",
         [](Session& s) {
             s.boards(4, 0);
             s.command(ID_BOARD_NEXT);
             s.command(ID_BOARD_LAST);
         }},
        {"next and last on the last board: No, then Yes",
         [](Session& s) {
             s.boards(2, 1);
             s.answer({Answer::No, Answer::Yes});
             s.command(ID_BOARD_NEXT);
             s.command(ID_BOARD_LAST);
         }},
        {"add on a middle board",
         [](Session& s) {
             s.boards(3, 1);
             s.command(ID_EDIT_ADDBOARD);
         }},
        {"insert",
         [](Session& s) {
             s.boards(3, 1);
             s.command(ID_EDIT_INSERTBOARD);
         }},
        {"delete a middle board",
         [](Session& s) {
             s.boards(3, 1);
             s.command(ID_EDIT_DELETEBOARD);
         }},
        {"delete the last board",
         [](Session& s) {
             s.boards(3, 2);
             s.command(ID_EDIT_DELETEBOARD);
         }},
        {"delete the only board", [](Session& s) { s.command(ID_EDIT_DELETEBOARD); }},
        {"at 200 boards nothing adds",
         [](Session& s) {
             s.boards(200, 199);
             s.answer({Answer::Yes, Answer::Yes});
             for (const int id :
                  {ID_EDIT_ADDBOARD, ID_EDIT_INSERTBOARD, ID_BOARD_NEXT, ID_BOARD_LAST}) {
                 s.command(id);
             }
         }},
        {"copy, then paste on the next board",
         [](Session& s) {
             s.boards(2, 0);
             s.command(ID_EDIT_COPYBOARD);
             s.command(ID_BOARD_NEXT);
             s.command(ID_EDIT_PASTEBOARD);
         }},
        {"paste before any copy",
         [](Session& s) {
             s.boards(1, 0);
             s.command(ID_EDIT_PASTEBOARD);
         }},
        {"clear: No, then Yes",
         [](Session& s) {
             s.boards(2, 1);
             s.answer({Answer::No, Answer::Yes});
             s.command(ID_EDIT_CLEARBOARD);
             s.command(ID_EDIT_CLEARBOARD);
         }},
        {"arrow keys",
         [](Session& s) {
             s.boards(3, 1);
             for (const WParam key : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, WParam{65}}) {
                 s.send(WM_KEYDOWN, key);
             }
         }},
    };
    expectScenarios("editor/board_commands.log", scenarios);
}

TEST(Editor, SaveQuestionGuardsEveryCommandThatDiscards) {
    std::vector<Scenario> scenarios;
    const std::pair<const char*, int> commands[] = {
        {"New", ID_FILE_NEW},       {"Open", ID_FILE_OPEN}, {"Import", ID_FILE_IMPORT},
        {"Revert", ID_FILE_REVERT}, {"Exit", ID_FILE_EXIT}, {"close box", IDCANCEL},
    };
    const std::pair<const char*, std::function<void(Session&)>> answers[] = {
        {"Cancel", [](Session& s) { s.answer({Answer::Cancel}); }},
        {"No", [](Session& s) { s.answer({Answer::No}); }},
        {"Yes, saved", [](Session& s) { s.answer({Answer::Yes}); }},
        {"Yes, the save fails",
         [](Session& s) {
             s.answer({Answer::Yes});
             s.platform.failingWrites["/work/a.BDS"] = "No space left on device";
         }},
    };
    for (const auto& [commandName, id] : commands) {
        for (const auto& [answerName, arrange] : answers) {
            scenarios.emplace_back(std::string(commandName) + ", " + answerName,
                                   [id, arrange](Session& s) {
                                       s.file("/work/a.BDS", boardSetFile(2, "saved"));
                                       s.editor->currentFileName = "/work/a.BDS";
                                       s.editor->modified = true;
                                       arrange(s);
                                       s.command(id);
                                   });
        }
    }
    scenarios.emplace_back("Revert unmodified asks nothing", [](Session& s) {
        s.file("/work/a.BDS", boardSetFile(2, "saved"));
        s.editor->currentFileName = "/work/a.BDS";
        s.command(ID_FILE_REVERT);
    });
    expectScenarios("editor/save_question.log", scenarios);
}

TEST(Editor, FileCommands) {
    const auto typeInfo = [](FakeDialog& d) {
        d.type(IDC_BOARDSETNAME, "Named");
        d.type(IDC_AUTHORNAME, "Someone");
        d.press(IDOK);
    };
    std::vector<Scenario> scenarios{
        {"save untitled runs Save As, cancelled",
         [](Session& s) {
             s.editor->modified = true;
             s.command(ID_FILE_SAVE);
         }},
        {"save as asks name and author, then writes",
         [typeInfo](Session& s) {
             s.boards(2, 1);
             s.platform.saveChoices = {"/work/new.BDS"};
             s.dialog(typeInfo);
             s.command(ID_FILE_SAVEAS);
             s.command(ID_FILE_SAVE);
         }},
        {"save as with an empty name",
         [](Session& s) {
             s.platform.saveChoices = {""};
             s.command(ID_FILE_SAVEAS);
         }},
        {"a failed write keeps the old name and the changes",
         [](Session& s) {
             s.editor->currentFileName = "/work/old.BDS";
             s.editor->modified = true;
             s.platform.saveChoices = {"/ro/new.BDS"};
             s.platform.failingWrites["/ro/new.BDS"] = "Permission denied";
             s.command(ID_FILE_SAVEAS);
         }},
        {"open shows the first board of the file",
         [](Session& s) {
             s.boards(5, 3);
             s.file("/work/three.BDS", boardSetFile(3, "Three"));
             s.platform.openChoices = {"/work/three.BDS"};
             s.command(ID_FILE_OPEN);
         }},
        {"open refuses missing, foreign and damaged files",
         [](Session& s) {
             s.boards(2, 1);
             Bytes cut = boardSetFile(1, "cut");
             cut.resize(14);
             s.file("/work/cut.BDS", cut);
             s.file("/work/foreign.BDS", {'B', 'D', 'S', 'T', 1, 0, 0, 0, 1, 0, 0, 0});
             s.platform.openChoices = {"/work/missing.BDS", "/work/cut.BDS", "/work/foreign.BDS",
                                       std::nullopt};
             for (int k = 0; k < 4; ++k) {
                 s.command(ID_FILE_OPEN);
             }
         }},
        {"revert reloads the file",
         [](Session& s) {
             s.file("/work/a.BDS", boardSetFile(2, "saved"));
             s.editor->currentFileName = "/work/a.BDS";
             s.boards(4, 2);
             s.command(ID_FILE_REVERT);
         }},
        {"revert without a file, and of a damaged file",
         [](Session& s) {
             s.command(ID_FILE_REVERT);
             s.file("/work/a.BDS", {'B', 'D', 'S', 'T', 2, 0, 0, 0, 0, 0, 0, 0});
             s.editor->currentFileName = "/work/a.BDS";
             s.command(ID_FILE_REVERT);
         }},
        {"new",
         [](Session& s) {
             s.boards(3, 2);
             s.editor->currentFileName = "/work/a.BDS";
             s.editor->boardSet.boardSetName = "Old";
             s.command(ID_FILE_NEW);
         }},
        {"import two boards",
         [](Session& s) {
             s.boards(4, 3);
             s.editor->currentFileName = "/work/a.BDS";
             Bytes file(800, 0);
             for (std::size_t i = 0; i < file.size(); ++i) {
                 file[i] = static_cast<std::uint8_t>(i % 25);
             }
             s.file("/work/old.BRD", file);
             s.platform.openChoices = {"/work/old.BRD"};
             s.command(ID_FILE_IMPORT);
         }},
        {"import refuses what it cannot take",
         [](Session& s) {
             s.file("/work/short.BRD", Bytes(399, 1));
             s.file("/work/long.BRD", Bytes(80400, 1));
             s.platform.failingReads["/work/locked.BRD"] = "Permission denied";
             s.platform.failingReads["/work/pipe"] = "Not a regular file, but a named pipe";
             s.platform.notRegularFiles.insert("/work/pipe");
             s.platform.openChoices = {"/work/short.BRD", "/work/long.BRD", "/work/locked.BRD",
                                       "/work/pipe"};
             for (int k = 0; k < 4; ++k) {
                 s.command(ID_FILE_IMPORT);
             }
         }},
    };
    expectScenarios("editor/file_commands.log", scenarios);
}

TEST(Editor, FilesWrittenAreTheFormatOfTheBoardSet) {
    Session s;
    s.boards(2, 1);
    s.platform.saveChoices = {"/work/new.BDS"};
    s.command(ID_FILE_SAVEAS);
    EXPECT_EQ(s.platform.files["/work/new.BDS"], encodeBoardSet(s.editor->boardSet));
}

TEST(Editor, Dialogs) {
    const std::string longText(250, 'x');
    std::vector<Scenario> scenarios{
        {"settings: OK stores at most 199 characters",
         [longText](Session& s) {
             s.dialog([longText](FakeDialog& d) {
                 d.type(IDC_BOARDSETNAME, longText);
                 d.type(IDC_AUTHORNAME, "An author");
                 d.press(IDOK);
             });
             s.command(ID_BOARD_SETTINGS);
         }},
        {"settings: Cancel and Escape change nothing",
         [](Session& s) {
             for (const int button : {IDCANCEL, IDCANCEL}) {
                 s.dialog([button](FakeDialog& d) {
                     d.type(IDC_BOARDSETNAME, "Changed");
                     d.press(button);
                 });
                 s.command(ID_BOARD_SETTINGS);
             }
         }},
        {"background: shown, then stored on OK",
         [](Session& s) {
             s.boards(2, 1);
             s.dialog([](FakeDialog& d) {
                 d.type(IDC_BACKGROUND, "250");
                 d.press(IDOK);
             });
             s.command(ID_BOARD_BACKGROUND);
         }},
        {"background: above 255 stays open offering 255",
         [](Session& s) {
             s.dialog([](FakeDialog& d) {
                 d.type(IDC_BACKGROUND, "256");
                 d.press(IDOK);
                 d.press(IDOK);
             });
             s.command(ID_BOARD_BACKGROUND);
         }},
        {"background: empty is 0; Cancel keeps all",
         [](Session& s) {
             s.dialog([](FakeDialog& d) {
                 d.type(IDC_BACKGROUND, "");
                 d.press(IDOK);
             });
             s.dialog([](FakeDialog& d) {
                 d.type(IDC_BACKGROUND, "7");
                 d.press(IDCANCEL);
             });
             s.command(ID_BOARD_BACKGROUND);
             s.command(ID_BOARD_BACKGROUND);
         }},
        {"jump: to a board",
         [](Session& s) {
             s.boards(5, 0);
             s.dialog([](FakeDialog& d) {
                 d.type(IDC_JUMPBOARD, "4");
                 d.press(IDOK);
             });
             s.command(ID_BOARD_JUMP);
         }},
        {"jump: outside the set offers the last board",
         [](Session& s) {
             s.boards(5, 0);
             s.dialog([](FakeDialog& d) {
                 for (const char* typed : {"0", "", "6", "4294967296"}) {
                     d.type(IDC_JUMPBOARD, typed);
                     d.press(IDOK);
                 }
                 d.press(IDOK);
             });
             s.command(ID_BOARD_JUMP);
         }},
        {"jump: the arrows wrap over the boards",
         [](Session& s) {
             s.boards(3, 2);
             s.dialog([](FakeDialog& d) {
                 d.clickArrow(IDC_JUMPSPIN, 1);
                 d.clickArrow(IDC_JUMPSPIN, -1);
                 d.clickArrow(IDC_JUMPSPIN, -1);
                 d.press(IDOK);
             });
             s.command(ID_BOARD_JUMP);
         }},
        {"about: Enter and the right button leave it open, a left release closes it",
         [](Session& s) {
             s.dialog([](FakeDialog& d) {
                 d.press(IDOK);
                 d.send(WM_RBUTTONUP);
                 d.send(WM_PAINT);
                 d.send(WM_LBUTTONUP);
             });
             s.command(ID_ABOUT);
         }},
        {"about: opened twice",
         [](Session& s) {
             s.command(ID_ABOUT);
             s.command(ID_ABOUT);
         }},
    };
    expectScenarios("editor/dialogs.log", scenarios);
}

// Pointer input as a line of events: "ld X Y" / "lu X Y" left down / up, "rd X Y" right down,
// "m X Y STATE" a move with that button-state word.
void pointer(Session& s, const std::string& events) {
    std::istringstream in(events);
    std::string kind;
    int x = 0, y = 0;
    while (in >> kind >> x >> y) {
        const Message message = kind == "ld"   ? WM_LBUTTONDOWN
                                : kind == "lu" ? WM_LBUTTONUP
                                : kind == "rd" ? WM_RBUTTONDOWN
                                               : WM_MOUSEMOVE;
        WParam state = 0;
        if (kind == "m") {
            in >> state;
        }
        s.platform.log.push_back("> " + kind + " " + std::to_string(x) + " " + std::to_string(y) +
                                 (kind == "m" ? " " + std::to_string(state) : ""));
        s.send(message, state, x, y);
    }
}

TEST(Editor, PointerInput) {
    const std::pair<const char*, const char*> cases[] = {
        {"grid edges decide what is painted",
         "m 20 50 1 m 21 50 1 m 50 4 1 m 50 5 1 m 619 303 1 m 620 50 1 m 50 304 1"},
        {"only exactly one button paints", "m 50 50 5 m 50 50 3 m 80 50 2 m 110 50 0"},
        {"the status line follows the pointer", "m 0 0 0 m 80 80 0 m 30 330 0 m 700 50 1"},
        {"palette slots pick their blocks", "ld 27 329 ld 57 329 rd 474 344 ld 416 360 rd 26 371"},
        {"blank slots, the bottom row and the right edge pick nothing",
         "ld 417 360 rd 475 360 ld 476 330 ld 300 372"},
        {"hints at every button edge",
         "m 100 375 0 m 125 398 0 m 128 375 0 m 155 398 0 m 158 375 0 m 181 398 0 m 27 375 0 m "
         "35 398 0 m 36 375 0 m 60 398 0 m 61 375 0 m 84 398 0 m 85 375 0 m 94 398 0 m 126 380 0"},
        {"buttons act on the left release over them",
         "ld 130 380 lu 130 380 ld 90 380 lu 90 380 ld 30 380 lu 30 380 ld 70 380 lu 70 380 ld 40 "
         "380 lu 40 380 ld 160 380 lu 160 380"},
        {"a release that starts elsewhere presses the button it ends on",
         "ld 50 50 m 70 380 1 lu 70 380"},
        {"a press on a button released on the grid does nothing", "ld 70 380 m 50 50 1 lu 50 50"},
        {"a release in a gap leaves no armed latch", "m 126 380 1 lu 126 380 ld 70 380 m 70 381 1"},
        {"right clicks never press buttons", "rd 70 380 rd 110 380"},
        {"a release away from the button row is ignored", "ld 300 380 lu 300 380 m 70 380 1"},
        {"clear answered No, then copy still works", "ld 110 380 lu 110 380 ld 130 380 lu 130 380"},
    };
    std::vector<Scenario> scenarios;
    for (const auto& [name, events] : cases) {
        scenarios.emplace_back(name, [events](Session& s) {
            s.boards(3, 1);
            s.answer({Answer::No});
            pointer(s, events);
        });
    }
    expectScenarios("editor/pointer.log", scenarios);
}

TEST(Editor, AboutPicturePaintedIsTheOneItDrewOn) {
    Session s;
    const Picture* painted = nullptr;
    s.dialog([&](FakeDialog& d) {
        d.send(WM_PAINT);
        painted = d.painted;
    });
    s.command(ID_ABOUT);
    EXPECT_EQ(painted, &s.editor->pictures.aboutPicture);
}

} // namespace
} // namespace bse::test
