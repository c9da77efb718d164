#include "qt/settings_file.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace bse::test {
namespace {

// A settings folder of the test's own for as long as it runs.
struct OwnConfigHome {
    QTemporaryDir folder;
    std::string before = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    OwnConfigHome() { setenv("XDG_CONFIG_HOME", folder.path().toUtf8().constData(), 1); }
    ~OwnConfigHome() { setenv("XDG_CONFIG_HOME", before.c_str(), 1); }
    std::string file() const {
        return folder.filePath("boardset-editor/boardset-editor.conf").toStdString();
    }
};

TEST(SettingsFile, AListWrittenByAnotherEditorIsReadAgain) {
    const OwnConfigHome home;
    SettingsFile mine;
    mine.writeList("recentFiles", {"/a.bds", "/b.bds"});
    EXPECT_EQ(mine.readList("recentFiles"), (std::vector<std::string>{"/a.bds", "/b.bds"}));

    SettingsFile other;
    other.writeList("recentFiles", {"/c.bds"});
    EXPECT_EQ(mine.readList("recentFiles"), std::vector<std::string>{"/c.bds"});

    std::ofstream(home.file(), std::ios::trunc) << "";
    EXPECT_TRUE(mine.readList("recentFiles").empty());
}

} // namespace
} // namespace bse::test
