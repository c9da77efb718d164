// The file layer's promises that hold on every system it is built for (Linux, and Windows under
// Wine); devices, full disks and faults are the POSIX side's, in file_io_test.cpp.
#include "io/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <random>

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

} // namespace
} // namespace bse::io
