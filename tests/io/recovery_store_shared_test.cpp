// The recovery store's promises that hold on every system it is built for (Linux, and Windows under
// Wine); modes, owners, links, FIFOs and faults are the POSIX side's, in recovery_store_test.cpp.
#include "io/file_identity.h"
#include "io/file_io.h"
#include "io/recovery_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>

namespace bse::io {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

std::string utf8(const fs::path& path) {
    const std::u8string name = path.u8string();
    return {name.begin(), name.end()};
}

std::string text(const Result<Bytes>& read) {
    return read ? std::string(read->begin(), read->end()) : read.reason();
}

class RecoveryStores : public ::testing::Test {
  protected:
    void TearDown() override { fs::remove_all(top); }
    // A name beyond ASCII, so that the UTF-16 of the Windows calls is used.
    const fs::path top = fs::temp_directory_path() / (fs::path(u8"bse-récupération-") +=
                                                      std::to_string(std::random_device{}()));
};

TEST_F(RecoveryStores, ACopyIsOfferedOnceItsLockIsFreeThenReadSetAsideOrRemoved) {
    const fs::path folder = top / "state" / "recovery";
    std::optional<RecoveryStore> stopping(std::in_place, utf8(folder));
    RecoveryStore other(utf8(folder));
    EXPECT_TRUE(other.orphanedCopies().empty());
    EXPECT_FALSE(fs::exists(top)) << "nothing is made before a copy is kept";
    ASSERT_TRUE(stopping->claim());
    const std::string name = stopping->ownName();
    ASSERT_TRUE(stopping->writeCopy(Bytes{'o', 'l', 'd'}));
    ASSERT_TRUE(stopping->writeCopy(Bytes{'n', 'e', 'w', '!'}));
    // What dead editors left: a lock with no copy, a copy cut off, a folder where a copy goes.
    std::ofstream(folder / "gone.lock").close();
    std::ofstream(folder / "cut.recovery.part") << "cu";
    fs::create_directory(folder / "odd.recovery");

    EXPECT_EQ(other.orphanedCopies(), std::vector<std::string>{"odd"}) << "a held lock";
    EXPECT_EQ(text(other.readCopy(name, 100)), "new!");
    EXPECT_EQ(text(other.readCopy(name, 3)), "Larger than any copy the editor writes");
    EXPECT_EQ(text(other.readCopy("odd", 100)), "Not a regular file, but a folder");
    stopping.reset();
    EXPECT_EQ(other.orphanedCopies(), (std::vector<std::string>{"odd", name})) << "newest first";
    EXPECT_TRUE(other.setAside("odd"));
    std::ofstream(folder / (name + ".lock")).close(); // as an editor that was killed leaves it
    EXPECT_TRUE(other.removeCopy(name));
    EXPECT_TRUE(other.removeCopy(name)) << "what is gone already";
    ASSERT_TRUE(other.claim());
    ASSERT_TRUE(other.writeCopy(Bytes{'o'}));
    EXPECT_TRUE(other.orphanedCopies().empty()) << "its own";

    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder)) {
        left.insert(utf8(entry.path().filename()));
    }
    EXPECT_EQ(left, (std::set<std::string>{"odd.damaged", other.ownName() + ".lock",
                                           other.ownName() + ".recovery"}));
    const std::string separator(1, static_cast<char>(fs::path::preferred_separator));
    EXPECT_TRUE(defaultRecoveryFolder().ends_with("boardset-editor" + separator + "recovery"));
}

TEST_F(RecoveryStores, AFilesIdentityChangesWithAWriteOfTheSameSize) {
    fs::create_directories(top);
    const std::string set = utf8(top / "set.BDS");
    ASSERT_TRUE(writeFileAtomically(set, Bytes{'a', 'b'}));
    const std::optional<FileIdentity> before = fileIdentity(set);
    ASSERT_TRUE(before);
    EXPECT_EQ(before->size, 2u);
    EXPECT_EQ(fileIdentity(set), before);
    ASSERT_TRUE(writeFileAtomically(set, Bytes{'c', 'd'}));
    EXPECT_NE(fileIdentity(set), before);
    EXPECT_EQ(fileIdentity(utf8(top / "none.BDS")), std::nullopt);
}

} // namespace
} // namespace bse::io
