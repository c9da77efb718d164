#include "files/board_set_format.h"
#include "files/file_commands.h"
#include "support/fake_platform.h"

#include <gtest/gtest.h>

namespace bse {
namespace {

using test::FakeDialog;
using test::FakePlatform;

// A BoardSet file of `count` boards whose cells hold 2 + board and backgrounds 10 + board.
Bytes boardSetFile(int count, const std::string& name) {
    auto set = std::make_unique<BoardSet>();
    setDefaultStrings(*set);
    set->boardSetName = name;
    set->lastBoardIndex = count - 1;
    for (int b = 0; b < count; ++b) {
        set->boards[static_cast<std::size_t>(b)].cells.fill(static_cast<BlockCode>(2 + b));
        set->boards[static_cast<std::size_t>(b)].background = static_cast<std::uint32_t>(10 + b);
    }
    return encodeBoardSet(*set);
}

Bytes version1File(int boards, std::uint8_t code) {
    return Bytes(static_cast<std::size_t>(boards) * 400, code);
}

class FileCommands : public ::testing::Test {
  protected:
    FakePlatform platform;
    std::unique_ptr<Editor> editor = test::startedEditor(platform);
    BoardSet& set() { return editor->boardSet; }

    void command(int id) { platform.send(WM_COMMAND, static_cast<WParam>(id), 0); }
    // The BoardSet Information dialog, answered with OK or Cancel.
    void infoDialogAnswers(int button, std::string name = {}) {
        platform.dialogScripts.push_back([button, name](FakeDialog& dialog) {
            if (!name.empty()) {
                dialog.type(IDC_BOARDSETNAME, name);
            }
            dialog.press(button);
        });
    }
    // A titled BoardSet with unsaved changes: file "/work/a.BDS" on disk, board 1 painted.
    void titledAndModified() {
        platform.files["/work/a.BDS"] = boardSetFile(2, "Alpha");
        editor->currentFileName = "/work/a.BDS";
        set().modified = true;
        set().boards[0].cells[0] = 17;
        platform.clearRecords();
    }
    std::string title(const std::string& name, int current, int count) {
        return name + " - BoardSet Editor for Plinkor 2 - Board: " + std::to_string(current) +
               " of " + std::to_string(count);
    }
};

// Every command that discards the BoardSet asks first and goes on only when it may.
TEST_F(FileCommands, TheSaveQuestionGuardsEveryCommandThatDiscards) {
    struct Guarded {
        int command;
        const char* question;
    };
    const Guarded guarded[] = {{ID_FILE_OPEN, openQuestion},       {ID_FILE_IMPORT, openQuestion},
                               {ID_FILE_REVERT, continueQuestion}, {ID_FILE_NEW, continueQuestion},
                               {ID_FILE_EXIT, exitQuestion},       {IDCANCEL, exitQuestion}};
    // Whether the command went on past its question.
    auto wentOn = [](const FakePlatform& p, int id) {
        switch (id) {
        case ID_FILE_OPEN:
        case ID_FILE_IMPORT:
            return !p.openDialogs.empty();
        case ID_FILE_REVERT:
            return std::find(p.log.begin(), p.log.end(), "readFile /work/a.BDS") != p.log.end();
        case ID_FILE_NEW:
            return !p.titles.empty() && p.titles.back().starts_with("Untitled Board");
        default:
            return p.quitCode.has_value();
        }
    };
    for (const Guarded& g : guarded) {
        SCOPED_TRACE(g.command);
        { // Not modified: no question at all.
            FakePlatform p;
            auto e = test::startedEditor(p);
            p.files["/work/a.BDS"] = boardSetFile(1, "A");
            e->currentFileName = "/work/a.BDS";
            p.send(WM_COMMAND, static_cast<WParam>(g.command), 0);
            EXPECT_TRUE(p.questions.empty());
            EXPECT_TRUE(wentOn(p, g.command));
        }
        for (const Answer answer : {Answer::Yes, Answer::No, Answer::Cancel}) {
            titledAndModified();
            platform.quitCode.reset();
            platform.answers = {answer};
            command(g.command);
            EXPECT_EQ(platform.questions, std::vector<std::string>{g.question});
            const bool saved = !platform.writes.empty();
            EXPECT_EQ(saved, answer == Answer::Yes);
            EXPECT_EQ(wentOn(platform, g.command), answer != Answer::Cancel);
            if (answer == Answer::Cancel) {
                EXPECT_TRUE(set().modified);
                EXPECT_EQ(set().boards[0].cells[0], 17u);
            }
        }
        { // Yes on an untitled BoardSet whose Save As is cancelled: nothing is discarded.
            titledAndModified();
            editor->currentFileName.clear();
            platform.quitCode.reset();
            platform.answers = {Answer::Yes};
            command(g.command);
            EXPECT_EQ(platform.saveDialogs.size(), 1u);
            EXPECT_TRUE(platform.writes.empty());
            EXPECT_FALSE(wentOn(platform, g.command));
            EXPECT_TRUE(set().modified);
            EXPECT_EQ(set().boards[0].cells[0], 17u);
        }
        { // Yes whose write fails: the failure is shown and nothing is discarded.
            titledAndModified();
            platform.failingWrites["/work/a.BDS"] = "No space left on device";
            platform.quitCode.reset();
            platform.answers = {Answer::Yes};
            command(g.command);
            platform.failingWrites.clear();
            ASSERT_EQ(platform.refusals.size(), 1u);
            EXPECT_NE(platform.refusals[0].find("/work/a.BDS"), std::string::npos);
            EXPECT_NE(platform.refusals[0].find("No space left on device"), std::string::npos);
            EXPECT_FALSE(wentOn(platform, g.command));
            EXPECT_TRUE(set().modified);
            EXPECT_EQ(platform.files["/work/a.BDS"], boardSetFile(2, "Alpha"));
        }
    }
}

TEST_F(FileCommands, SaveOnAnUntitledBoardSetRunsSaveAs) {
    set().modified = true;
    command(ID_FILE_SAVE);
    ASSERT_EQ(platform.saveDialogs.size(), 1u);
    const FileDialogOptions& options = platform.saveDialogs[0];
    EXPECT_EQ(options.title, "Save as a Plinkor 2 BoardSet");
    ASSERT_EQ(options.filters.size(), 2u);
    EXPECT_EQ(options.filters[0].name, "BoardSets (*.BDS)");
    EXPECT_EQ(options.filters[0].pattern, "*.BDS");
    EXPECT_EQ(options.filters[1].name, "All Files (*.*)");
    EXPECT_EQ(options.filters[1].pattern, "*.*");
    EXPECT_EQ(options.filterIndex, 1);
    EXPECT_EQ(options.defaultExtension, "bds");
    EXPECT_TRUE(options.confirmOverwrite);
    // Cancelled: nothing written, nothing asked, still modified.
    EXPECT_TRUE(platform.writes.empty());
    EXPECT_TRUE(platform.dialogsRun.empty());
    EXPECT_TRUE(set().modified);
    EXPECT_FALSE(editor->askInfoBeforeWrite);
}

TEST_F(FileCommands, SaveAsChoosesAFileAsksForNameAndAuthorThenWrites) {
    set().modified = true;
    platform.saveChoices = {std::string("/work/new.BDS")};
    infoDialogAnswers(IDOK, "Caverns");
    command(ID_FILE_SAVEAS);
    // In this order: the file, the dialog, the write; the file is untouched until then.
    std::vector<std::string> steps;
    for (const std::string& line : platform.log) {
        if (line.starts_with("chooseFileToSave") || line.starts_with("runDialog") ||
            line.starts_with("writeFileAtomically")) {
            steps.push_back(line);
        }
    }
    EXPECT_EQ(steps,
              (std::vector<std::string>{"chooseFileToSave Save as a Plinkor 2 BoardSet",
                                        "runDialog 107", "writeFileAtomically /work/new.BDS"}));
    EXPECT_EQ(editor->currentFileName, "/work/new.BDS");
    EXPECT_FALSE(set().modified);
    EXPECT_EQ(platform.title(), title("Caverns", 1, 1));
    BoardSet reread;
    ASSERT_TRUE(readBoardSet(reread, platform.files["/work/new.BDS"]));
    EXPECT_EQ(reread.boardSetName, "Caverns");

    // Cancel in the dialog keeps the strings and still writes.
    platform.saveChoices = {std::string("/work/other.BDS")};
    infoDialogAnswers(IDCANCEL, "Ignored");
    command(ID_FILE_SAVEAS);
    ASSERT_TRUE(readBoardSet(reread, platform.files["/work/other.BDS"]));
    EXPECT_EQ(reread.boardSetName, "Caverns");
    EXPECT_EQ(editor->currentFileName, "/work/other.BDS");
}

TEST_F(FileCommands, SaveToAKnownFileAsksNothing) {
    titledAndModified();
    command(ID_FILE_SAVE);
    EXPECT_TRUE(platform.saveDialogs.empty());
    EXPECT_TRUE(platform.dialogsRun.empty());
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_EQ(platform.writes, std::vector<std::string>{"/work/a.BDS"});
    EXPECT_EQ(platform.files["/work/a.BDS"], encodeBoardSet(set()));
    EXPECT_FALSE(set().modified);
    EXPECT_TRUE(platform.titles.empty());
}

TEST_F(FileCommands, AFailedWriteKeepsTheOldFileTheOldNameAndTheChanges) {
    titledAndModified();
    platform.failingWrites["/work/b.BDS"] = "Permission denied";
    platform.saveChoices = {std::string("/work/b.BDS")};
    infoDialogAnswers(IDOK);
    command(ID_FILE_SAVEAS);
    ASSERT_EQ(platform.refusals.size(), 1u);
    EXPECT_NE(platform.refusals[0].find("/work/b.BDS"), std::string::npos);
    EXPECT_NE(platform.refusals[0].find("Permission denied"), std::string::npos);
    EXPECT_EQ(editor->currentFileName, "/work/a.BDS");
    EXPECT_TRUE(set().modified);
    EXPECT_FALSE(platform.files.contains("/work/b.BDS"));
}

TEST_F(FileCommands, OpenShowsTheFirstBoardOfTheFileAndTakesItsName) {
    platform.files["/work/three.BDS"] = boardSetFile(3, "Three");
    set().lastBoardIndex = 6;
    set().currentBoard = 4;
    platform.openChoices = {std::string("/work/three.BDS")};
    command(ID_FILE_OPEN);
    ASSERT_EQ(platform.openDialogs.size(), 1u);
    EXPECT_EQ(platform.openDialogs[0].title, "Open a Plinkor 2 BoardSet");
    EXPECT_EQ(platform.openDialogs[0].defaultExtension, "");
    EXPECT_FALSE(platform.openDialogs[0].confirmOverwrite);
    EXPECT_EQ(set().lastBoardIndex, 2);
    EXPECT_EQ(set().currentBoard, 0);
    EXPECT_EQ(set().boardSetName, "Three");
    EXPECT_EQ(set().boards[2].background, 12u);
    EXPECT_EQ(editor->currentFileName, "/work/three.BDS");
    EXPECT_FALSE(set().modified);
    EXPECT_EQ(platform.title(), title("Three", 1, 3));
    // Board 1 is on screen.
    EXPECT_EQ(editor->pictures.editorCanvas.at(25, 10), test::blockPixel(2, 5, 6));
    EXPECT_TRUE(platform.refusals.empty());
}

TEST_F(FileCommands, OpenRefusesMissingForeignAndDamagedFilesChangingNothing) {
    set().boards[0].cells.fill(9);
    set().boardSetName = "Kept";
    Bytes cut = boardSetFile(1, "Cut");
    cut.resize(20);
    Bytes zeroCount = boardSetFile(1, "Zero");
    zeroCount[8] = 0;
    platform.files["/work/cut.BDS"] = cut;
    platform.files["/work/zero.BDS"] = zeroCount;
    platform.files["/work/text.BDS"] = Bytes{'h', 'e', 'l', 'l', 'o'};
    for (const char* path :
         {"/work/missing.BDS", "/work/cut.BDS", "/work/zero.BDS", "/work/text.BDS"}) {
        platform.refusals.clear();
        platform.openChoices = {std::string(path)};
        command(ID_FILE_OPEN);
        EXPECT_EQ(platform.refusals, std::vector<std::string>{"Not a Plinkor 2 BoardSet file!"})
            << path;
        EXPECT_EQ(set().boardSetName, "Kept");
        EXPECT_EQ(set().boards[0].cells[0], 9u);
        EXPECT_TRUE(editor->currentFileName.empty());
    }
    // A cancelled dialog and an empty name end silently.
    platform.refusals.clear();
    platform.openChoices = {std::nullopt, std::string()};
    command(ID_FILE_OPEN);
    command(ID_FILE_OPEN);
    EXPECT_TRUE(platform.refusals.empty());
    EXPECT_TRUE(platform.titles.empty());
}

TEST_F(FileCommands, RevertReloadsTheFileAndRefusesWithoutOne) {
    command(ID_FILE_REVERT);
    EXPECT_EQ(platform.refusals,
              std::vector<std::string>{"Not a Plinkor 2 BoardSet file or file corrupt!"});
    EXPECT_TRUE(platform.titles.empty());

    titledAndModified();
    set().currentBoard = 1;
    platform.answers = {Answer::No};
    command(ID_FILE_REVERT);
    EXPECT_EQ(set().boards[0].cells[0], 2u); // back to what the file holds
    EXPECT_EQ(set().currentBoard, 0);
    EXPECT_FALSE(set().modified);
    EXPECT_EQ(editor->currentFileName, "/work/a.BDS");
    EXPECT_EQ(platform.title(), title("Alpha", 1, 2));

    // After Yes, Revert reloads what the Save has just written.
    titledAndModified();
    platform.answers = {Answer::Yes};
    command(ID_FILE_REVERT);
    EXPECT_EQ(set().boards[0].cells[0], 17u);
    EXPECT_FALSE(set().modified);
}

TEST_F(FileCommands, NewStartsAnUntitledBoardSetOfOneEmptyBoard) {
    titledAndModified();
    set().lastBoardIndex = 1;
    set().currentBoard = 1;
    set().boards[0].background = 4;
    set().boards[1].cells.fill(5);
    editor->boardClipboard.fill(21);
    editor->leftBlock = 30;
    platform.answers = {Answer::No};
    command(ID_FILE_NEW);
    EXPECT_EQ(platform.questions, std::vector<std::string>{continueQuestion});
    EXPECT_EQ(set().lastBoardIndex, 0);
    EXPECT_EQ(set().currentBoard, 0);
    EXPECT_EQ(set().boardSetName, "Untitled Board");
    EXPECT_EQ(set().authorName, "Unknown");
    EXPECT_EQ(set().brickImagePath, defaultBrickImagePath);
    EXPECT_TRUE(editor->currentFileName.empty());
    EXPECT_TRUE(set().modified);
    EXPECT_EQ(set().boards[0].cells[0], 0u);
    EXPECT_EQ(set().boards[0].background, 4u);
    EXPECT_EQ(set().boards[1].cells[0], 5u) << "later slots keep their contents";
    EXPECT_EQ(editor->boardClipboard[0], 21u);
    EXPECT_EQ(editor->leftBlock, 30u);
    EXPECT_EQ(platform.title(), title("Untitled Board", 1, 1));
    // The grid shows the backdrop's own empty cells.
    EXPECT_EQ(editor->pictures.editorCanvas.at(25, 10), test::backdropPixel(25, 10));
    // Exit now asks.
    platform.answers = {Answer::Cancel};
    command(ID_FILE_EXIT);
    EXPECT_EQ(platform.questions.back(), exitQuestion);
    EXPECT_FALSE(platform.quitCode.has_value());
}

TEST_F(FileCommands, ImportTranslatesTheBoardsAndKeepsBackgroundsAndTheFileName) {
    set().lastBoardIndex = 6;
    set().currentBoard = 4;
    for (int b = 0; b < 7; ++b) {
        set().boards[static_cast<std::size_t>(b)].background = static_cast<std::uint32_t>(b + 1);
    }
    set().boardSetName = "Before";
    set().brickImagePath = "bricks";
    editor->currentFileName = "/work/a.BDS";
    platform.files["/work/old.PLK"] = version1File(3, 1);
    platform.openChoices = {std::string("/work/old.PLK")};
    command(ID_FILE_IMPORT);
    ASSERT_EQ(platform.openDialogs.size(), 1u);
    EXPECT_EQ(platform.openDialogs[0].title, "Import a Plinkor (Ver. 1) BoardSet");
    EXPECT_EQ(platform.openDialogs[0].filters.size(), 2u);
    EXPECT_EQ(set().lastBoardIndex, 2);
    EXPECT_EQ(set().currentBoard, 0);
    EXPECT_EQ(set().boards[2].cells[399], 23u);
    EXPECT_EQ(set().boards[3].background, 4u);
    EXPECT_EQ(set().boards[0].background, 1u);
    EXPECT_EQ(set().boardSetName, "Untitled Board");
    EXPECT_EQ(set().authorName, "Unknown");
    EXPECT_EQ(set().brickImagePath, "bricks");
    EXPECT_EQ(editor->currentFileName, "/work/a.BDS");
    EXPECT_TRUE(set().modified);
    EXPECT_EQ(platform.title(), title("Untitled Board", 1, 3));
    EXPECT_EQ(editor->pictures.editorCanvas.at(25, 10), test::blockPixel(23, 5, 6));

    // A later Save writes the imported boards into the file that was open, asking nothing.
    command(ID_FILE_SAVE);
    BoardSet reread;
    ASSERT_TRUE(readBoardSet(reread, platform.files["/work/a.BDS"]));
    EXPECT_EQ(reread.lastBoardIndex, 2);
    EXPECT_EQ(reread.boardSetName, "Untitled Board");
    EXPECT_TRUE(platform.dialogsRun.empty());
}

TEST_F(FileCommands, ImportRefusesWhatItCannotTakeAndSaysWhy) {
    set().boards[0].cells.fill(9);
    platform.files["/work/short.PLK"] = Bytes(399, 1);
    platform.files["/work/big.PLK"] = Bytes(80400, 1);
    platform.files["/work/most.PLK"] = Bytes(80000, 2);
    platform.failingReads["/work/locked.PLK"] = "Permission denied";
    const std::pair<const char*, const char*> refused[] = {
        {"/work/missing.PLK", "could not be opened"},
        {"/work/locked.PLK", "Permission denied"},
        {"/work/short.PLK", "no whole board"},
        {"/work/big.PLK", "201 boards"}};
    for (const auto& [path, why] : refused) {
        platform.refusals.clear();
        platform.openChoices = {std::string(path)};
        command(ID_FILE_IMPORT);
        ASSERT_EQ(platform.refusals.size(), 1u) << path;
        EXPECT_NE(platform.refusals[0].find(why), std::string::npos) << platform.refusals[0];
        EXPECT_NE(platform.refusals[0].find(path), std::string::npos) << platform.refusals[0];
        EXPECT_EQ(set().lastBoardIndex, 0);
        EXPECT_EQ(set().boards[0].cells[0], 9u);
        EXPECT_FALSE(set().modified);
    }
    platform.refusals.clear();
    platform.openChoices = {std::string("/work/most.PLK")};
    command(ID_FILE_IMPORT);
    EXPECT_TRUE(platform.refusals.empty());
    EXPECT_EQ(set().lastBoardIndex, 199);
    EXPECT_EQ(set().boards[199].cells[0], 3u);
}

} // namespace
} // namespace bse
