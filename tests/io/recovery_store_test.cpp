// Recovery copies on a real folder: the locks that keep editors apart, and a full disk.
#include "io/file_io.h"
#include "io/recovery_store.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace bse::io {
namespace {

namespace fs = std::filesystem;

class RecoveryFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "bse-recovery-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        folder = name;
        setenv("BSE_FAULT_FOLDER", folder.c_str(), 1);
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path folder;
};

TEST_F(RecoveryFiles, AnEditorsCopyIsOfferedToOthersOnlyOnceItStoppedAndSetAsideWhole) {
    RecoveryStore other((folder / "state/recovery").string());
    auto stopping = std::make_unique<RecoveryStore>(other.folder());
    ASSERT_TRUE(stopping->claim());
    const std::string name = stopping->ownName(), copy = stopping->copyPath(name);
    ASSERT_TRUE(writeFileAtomically(copy, std::vector<std::uint8_t>{1, 2}));
    EXPECT_TRUE(other.orphanedCopies().empty());
    stopping.reset();
    EXPECT_EQ(other.orphanedCopies(), std::vector{name});
    ASSERT_TRUE(other.setAside(name));
    EXPECT_EQ(test::fileContents(other.folder() + "/" + name + ".damaged"),
              (std::vector<std::uint8_t>{1, 2}));
    EXPECT_TRUE(other.orphanedCopies().empty());
}

TEST_F(RecoveryFiles, ABackgroundWriteOnAFullDiskSaysWhyAndLeavesNoFile) {
    std::vector<std::string> reasons;
    BackgroundWriter writer([&reasons](const std::string& reason) { reasons.push_back(reason); });
    setenv("BSE_FAULT", "write ENOSPC", 1);
    writer.post((folder / "own.recovery").string(), std::vector<std::uint8_t>(5000, 'n'));
    writer.waitUntilIdle();
    unsetenv("BSE_FAULT");
    EXPECT_EQ(reasons, std::vector<std::string>{"No space left on device"});
    EXPECT_TRUE(fs::is_empty(folder));
}

} // namespace
} // namespace bse::io
