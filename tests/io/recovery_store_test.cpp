// Recovery copies on a real folder: the locks that keep editors apart, and a full disk.
#include "io/file_io.h"
#include "io/recovery_store.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace bse::io {
namespace {

TEST(RecoveryFiles, AnEditorsCopyIsOfferedToOthersOnceItStoppedAFullDiskIsReported) {
    std::string folder = (std::filesystem::temp_directory_path() / "bse-recovery-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    RecoveryStore other(folder + "/state");
    std::optional<RecoveryStore> stopping(std::in_place, other.folder());
    ASSERT_TRUE(stopping->claim());
    const std::string name = stopping->ownName();
    ASSERT_TRUE(writeFileAtomically(stopping->copyPath(name), std::vector<std::uint8_t>{1}));
    EXPECT_TRUE(other.orphanedCopies().empty());
    stopping.reset();
    EXPECT_EQ(other.orphanedCopies(), std::vector{name});
    ASSERT_TRUE(other.setAside(name));

    std::vector<std::string> reasons;
    BackgroundWriter writer([&reasons](const std::string& reason) { reasons.push_back(reason); });
    setenv("BSE_FAULT_FOLDER", folder.c_str(), 1);
    setenv("BSE_FAULT", "write ENOSPC", 1);
    writer.post(other.copyPath("own"), std::vector<std::uint8_t>(5000, 'n'));
    writer.waitUntilIdle();
    unsetenv("BSE_FAULT");
    // Removals say nothing, the one that finds nothing too; the full disk's errno is still there.
    ASSERT_TRUE(writeFileAtomically(other.copyPath("old"), std::vector<std::uint8_t>{1}));
    writer.post(other.copyPath("old"), std::nullopt);
    writer.post(other.copyPath("old"), std::nullopt);
    writer.waitUntilIdle();
    EXPECT_FALSE(std::filesystem::exists(other.copyPath("old")));
    EXPECT_EQ(reasons, std::vector<std::string>{"No space left on device"});
    EXPECT_TRUE(other.orphanedCopies().empty()) << "set aside, and nothing written";
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace bse::io
