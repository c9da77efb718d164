#include "io/file_io.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace bse::io {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void put(const fs::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

class Folder {
  public:
    Folder() {
        std::string name = (fs::temp_directory_path() / "bse-io-XXXXXX").string();
        path = ::mkdtemp(name.data()) != nullptr ? name : "";
    }
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    fs::path path;
};

long maxResidentKilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(ReadFile, RefusesWhatIsNoRegularFileAndReadsHugeFilesOnlyAsFarAsAsked) {
    Folder folder;
    ASSERT_FALSE(folder.path.empty());
    const fs::path fifo = folder.path / "pipe.BDS";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path sparse = folder.path / "huge.BDS";
    constexpr std::uint64_t gigabytes64 = 64ULL << 30;
    put(sparse, {});
    ASSERT_EQ(::truncate(sparse.c_str(), static_cast<off_t>(gigabytes64)), 0) << strerror(errno);
    const struct Case {
        fs::path path;
        std::size_t limit;
        LongFile longFile;
        const char* refusal; // nullptr: read
        bool notRegular;
        std::size_t bytesRead;
    } cases[] = {
        {fifo, 100, LongFile::ReadHead, "Not a regular file, but a named pipe", true, 0},
        {folder.path, 100, LongFile::ReadHead, "Not a regular file, but a folder", true, 0},
        {"/dev/zero", 100, LongFile::ReadHead, "Not a regular file, but a device", true, 0},
        {folder.path / "missing.BDS", 100, LongFile::ReadHead, "No such file or directory", false,
         0},
        {sparse, 321'853, LongFile::ReadHead, nullptr, false, 321'853},
        {sparse, 80'399, LongFile::ReadNothing, nullptr, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.string() + " " + std::to_string(c.limit));
        const long residentBefore = maxResidentKilobytes();
        const auto start = std::chrono::steady_clock::now();
        const auto read = readFile(c.path.string(), c.limit, c.longFile);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_LT(elapsed, std::chrono::seconds(1));
        EXPECT_LT(maxResidentKilobytes() - residentBefore, 16 * 1024);
        if (c.refusal != nullptr) {
            ASSERT_FALSE(read);
            EXPECT_EQ(read.error().reason, c.refusal);
            EXPECT_EQ(read.error().notRegularFile, c.notRegular);
            continue;
        }
        ASSERT_TRUE(read) << read.error().reason;
        EXPECT_EQ(read.value().size, gigabytes64);
        EXPECT_EQ(read.value().bytes, Bytes(c.bytesRead, 0));
    }
}

// A real full disk: a tmpfs of 16 KB with 4 KB left, as a nearly full disk has.
TEST(WriteFileAtomically, AFullDiskIsRefusedWithTheSystemsReasonAndTheOldFileStays) {
    Folder folder;
    ASSERT_FALSE(folder.path.empty());
    if (::mount("tmpfs", folder.path.c_str(), "tmpfs", 0, "size=16k") != 0) {
        GTEST_SKIP() << "mounting a small tmpfs is not allowed here (" << strerror(errno)
                     << "); the full-disk test needs root";
    }
    struct Unmount {
        const fs::path& path;
        ~Unmount() { ::umount2(path.c_str(), MNT_DETACH); }
    } unmount{folder.path};
    const fs::path path = folder.path / "set.BDS";
    const Bytes old(3000, 'o');
    put(path, old);
    // Fill the rest, then give back one page.
    const fs::path filler = folder.path / "filler";
    {
        std::ofstream out(filler, std::ios::binary);
        const std::string page(4096, 'f');
        while (out.write(page.data(), static_cast<std::streamsize>(page.size())).flush()) {
        }
    }
    fs::resize_file(filler, fs::file_size(filler) / 4096 * 4096 - 4096);

    for (const std::size_t size : {std::size_t{4'929}, std::size_t{320'929}}) {
        SCOPED_TRACE(size);
        const Status written = writeFileAtomically(path.string(), Bytes(size, 'n'));
        ASSERT_FALSE(written);
        EXPECT_EQ(written.reason(), "No space left on device");
        EXPECT_EQ(contents(path), old);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), fs::directory_iterator()), 2);
    }
}

TEST(WriteFileAtomically, AReplacementKeepsModeOwnerAndGroupAndTheLinkToIt) {
    Folder folder;
    ASSERT_FALSE(folder.path.empty());
    const fs::path target = folder.path / "set.BDS";
    const fs::path link = folder.path / "link.BDS";
    put(target, Bytes(10, 'o'));
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    // Someone else's file, where root may give it away.
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(target.c_str(), 65534, 4), 0);
    }
    fs::create_symlink(target.filename(), link);

    ASSERT_TRUE(writeFileAtomically(link.string(), Bytes(5, 'n')));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(target), Bytes(5, 'n'));
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(status.st_uid, 65534u);
        EXPECT_EQ(status.st_gid, 4u);
    }
}

} // namespace
} // namespace bse::io
