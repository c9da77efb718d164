// The real read and write paths of the editor (its commands on the Qt platform, offscreen) under
// system calls made to fail by support/fault_injection.cpp, which CTest preloads.

#include "editor/commands.h"
#include "editor/editor.h"
#include "editor/file_commands.h"
#include "format/board_set_format.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"
#include "shell/startup.h"
#include "support/board_set_checks.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace bse {
namespace {

// Answers the editor's boxes and file dialogs itself, keeping what it was told.
class ScriptedQtPlatform : public QtPlatform {
  public:
    std::vector<std::string> refusals;
    std::string chosenFile;

    Answer askQuestion(std::string_view) override { return Answer::No; }
    void showRefusal(std::string_view text) override { refusals.emplace_back(text); }
    std::optional<std::string> chooseFileToOpen(const FileDialogOptions&) override {
        return chosenFile;
    }
};

Bytes contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void put(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

struct Fault {
    const char* call;
    const char* error;
    long after;
};

void inject(const Fault& fault) {
    setenv("BSE_FAULT", fault.call, 1);
    setenv("BSE_FAULT_ERRNO", fault.error, 1);
    setenv("BSE_FAULT_AFTER", std::to_string(fault.after).c_str(), 1);
}

void stopInjecting() {
    unsetenv("BSE_FAULT");
}

class FileFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(dlsym(RTLD_DEFAULT, "bse_fault_injection_loaded"), nullptr)
            << "run under LD_PRELOAD of the fault injection library, as CTest does";
        ASSERT_TRUE(folder.isValid());
        setenv("BSE_FAULT_FOLDER", folder.path().toStdString().c_str(), 1);
        ASSERT_TRUE(startEditor(*editor, platform));
    }
    void TearDown() override { stopInjecting(); }

    std::vector<std::string> filesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path().toStdString())) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }
    QString title() const { return platform.mainWindow()->windowTitle(); }

    QTemporaryDir folder;
    ScriptedQtPlatform platform;
    std::unique_ptr<Editor> editor = std::make_unique<Editor>();
};

TEST_F(FileFaults, ASaveThatFailsAnywhereLeavesTheOldFileAndSaysWhy) {
    const std::string path = folder.filePath("set.BDS").toStdString();
    const Bytes old{'o', 'l', 'd'};
    editor->boardSet.lastBoardIndex = 2;
    const Bytes fresh = encodeBoardSet(editor->boardSet);
    const std::string partly =
        "The new file holds 4096 of " + std::to_string(fresh.size()) + " bytes";
    const struct Case {
        Fault fault;
        std::string reason; // empty: the save goes through
    } cases[] = {
        {{"open", "EACCES", 0}, "Permission denied"},
        {{"write", "ENOSPC", 0}, "No space left on device"},
        {{"write", "ENOSPC", 4096}, "No space left on device"},
        {{"write", "EIO", 1000}, "Input/output error"},
        {{"shortwrite", "", 1000}, ""},
        {{"lyingwrite", "", 4096}, partly},
        {{"fsync", "EIO", 0}, "Input/output error"},
        {{"close", "EIO", 0}, "Input/output error"},
        {{"rename", "EACCES", 0}, "Permission denied"},
        {{"rename", "EXDEV", 0}, "Invalid cross-device link"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.fault.call) + " " + c.fault.error);
        put(path, old);
        editor->currentFileName = path;
        editor->modified = true;
        platform.refusals.clear();
        const QString titleBefore = title();
        inject(c.fault);
        sendCommand(*editor, platform, ID_FILE_SAVE);
        stopInjecting();
        EXPECT_EQ(filesInFolder(), std::vector<std::string>{"set.BDS"})
            << "a temporary file is left";
        EXPECT_EQ(title(), titleBefore);
        if (c.reason.empty()) {
            EXPECT_EQ(contents(path), fresh);
            EXPECT_TRUE(platform.refusals.empty());
            EXPECT_FALSE(editor->modified);
            continue;
        }
        EXPECT_EQ(contents(path), old);
        EXPECT_TRUE(editor->modified);
        ASSERT_EQ(platform.refusals.size(), 1u);
        EXPECT_EQ(platform.refusals[0],
                  "The BoardSet could not be saved to " + path + ".\n\n" + c.reason);
    }
}

TEST_F(FileFaults, AReadThatFailsChangesNothingAndIsRefused) {
    const std::string boardSetPath = folder.filePath("set.BDS").toStdString();
    const std::string version1Path = folder.filePath("old.PLK").toStdString();
    put(boardSetPath, encodeBoardSet(check::markedBoardSet()));
    put(version1Path, Bytes(800, 1));
    const struct Case {
        Fault fault;
        int command;
        const std::string& path;
        std::string refusal;
    } cases[] = {
        {{"open", "EACCES", 0}, ID_FILE_OPEN, boardSetPath, openRefusal},
        {{"read", "EIO", 0}, ID_FILE_OPEN, boardSetPath, openRefusal},
        {{"read", "EIO", 0}, ID_FILE_REVERT, boardSetPath, revertRefusal},
        {{"open", "EACCES", 0},
         ID_FILE_IMPORT,
         version1Path,
         "The file " + version1Path + " could not be opened.\n\nPermission denied"},
        {{"read", "EIO", 0},
         ID_FILE_IMPORT,
         version1Path,
         "The file " + version1Path + " could not be opened.\n\nInput/output error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.fault.call) + " " + c.fault.error + " " +
                     std::to_string(c.command));
        editor->boardSet.boards[0].cells.fill(9);
        editor->currentFileName = boardSetPath;
        const auto before = std::make_unique<BoardSet>(editor->boardSet);
        platform.chosenFile = c.path;
        platform.refusals.clear();
        inject(c.fault);
        sendCommand(*editor, platform, c.command);
        stopInjecting();
        EXPECT_EQ(check::firstDifference(editor->boardSet, *before), "");
        EXPECT_EQ(platform.refusals, std::vector<std::string>{c.refusal});
    }
}

} // namespace
} // namespace bse
