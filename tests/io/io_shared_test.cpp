// The file layer's promises that hold on every system it is built for (Linux, and Windows under
// Wine): files, recovery copies and identities. Devices, full disks, modes, owners, links, FIFOs
// and faults are the POSIX side's, in file_io_test.cpp and recovery_store_test.cpp.
#include "io/file_identity.h"
#include "io/file_io.h"
#include "io/recovery_store.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
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

TEST(Files, BinaryRoundTripsNamesReadLimitsRefusalsReadOnlyFilesAndHardLinks) {
    const fs::path folder =
        fs::temp_directory_path() / ("bse-io-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    const std::string set = utf8(folder / "set.BDS");
    const Bytes bytes{'B', 0x0A, 0x1A, 0x0D, 0x0A, 0, 0xFF, 'E'}; // no line ends or EOF mark
    for (const fs::path& path : {folder / "set.BDS", folder / fs::path(u8"Été Ж.bds"),
                                 folder / (std::string(251, 's') + ".BDS")}) { // the longest name
        SCOPED_TRACE(utf8(path));
        ASSERT_TRUE(writeFileAtomically(utf8(path), Bytes{'o'})); // new, then replaced
        ASSERT_TRUE(writeFileAtomically(utf8(path), bytes));
        EXPECT_EQ(readFile(utf8(path), 100).value().bytes, bytes);
        EXPECT_EQ(fs::file_size(path), bytes.size());
    }
    const auto head = readFile(set, 3), nothing = readFile(set, 3, LongFile::ReadNothing);
    EXPECT_EQ(head.value().bytes, Bytes(bytes.begin(), bytes.begin() + 3));
    EXPECT_EQ(nothing.value().bytes, Bytes{});
    EXPECT_EQ(nothing.value().size, bytes.size());
    EXPECT_TRUE(readFile(utf8(folder), 100).error().notRegularFile);
    EXPECT_FALSE(readFile(utf8(folder / "none.BDS"), 100).error().notRegularFile);

    fs::create_hard_link(set, folder / "link.BDS");
    ASSERT_TRUE(writeFileAtomically(set, Bytes{'n'}));
    EXPECT_EQ(readFile(utf8(folder / "link.BDS"), 100).value().bytes, Bytes{'n'});
    // A failed write leaves the old file, and no temporary file.
    fs::permissions(set, fs::perms::owner_read);
    const Status readOnly = writeFileAtomically(set, bytes);
    EXPECT_EQ(readOnly ? "" : readOnly.reason(), "The file is read-only");
    fs::permissions(set, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(readFile(set, 100).value().bytes, Bytes{'n'});
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 4);
    fs::remove_all(folder);
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
    EXPECT_FALSE(fs::exists(folder / (name + ".lock"))) << "another's lock goes with its copy";
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
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    EXPECT_LT(std::chrono::abs(std::chrono::nanoseconds(before->modifiedNs) - now),
              std::chrono::seconds(60))
        << "nanoseconds since 1970";
    EXPECT_EQ(fileIdentity(set), before);
    ASSERT_TRUE(writeFileAtomically(set, Bytes{'c', 'd'}));
    EXPECT_NE(fileIdentity(set), before);
    EXPECT_EQ(fileIdentity(utf8(top / "none.BDS")), std::nullopt);
}

} // namespace
} // namespace bse::io
