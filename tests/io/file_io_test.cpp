// Reading and writing files for real: on real file systems (a FIFO, a folder, a device, a 64 GB
// sparse file, a full tmpfs, someone else's file behind a link), and under system calls made to
// fail by support/fault_injection.cpp, which CTest preloads. How the editor reports a failed read
// or write is tested in the core, through the fake desktop.
#include "io/file_identity.h"
#include "io/file_io.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace bse::io {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

void put(const fs::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// A folder of its own, where the faults chosen by BSE_FAULT happen.
class Files : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(dlsym(RTLD_DEFAULT, "bse_fault_injection_loaded"), nullptr)
            << "run under LD_PRELOAD of the fault injection library, as CTest does";
        std::string name = (fs::temp_directory_path() / "bse-io-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        folder = name;
        setenv("BSE_FAULT_FOLDER", folder.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("BSE_FAULT");
        fs::remove_all(folder);
    }
    fs::path folder;
};
using FileFaults = Files;
using WriteFileAtomically = Files;

// A file as last seen: its device and inode, size, and time to the nanosecond.
TEST_F(Files, IdentityNamesTheFileItsSizeAndTimeToTheNanosecond) {
    const fs::path path = folder / "a.BDS";
    put(path, Bytes(3, 'a'));
    const timespec times[2] = {{1, 5}, {1, 5}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(fileIdentity(path.string()),
              (FileIdentity{status.st_dev, status.st_ino, 3, 1'000'000'005}));
}

// A real full disk: a tmpfs of 16 KB with 4 KB left, as a nearly full disk has.
TEST_F(WriteFileAtomically, AFullDiskIsRefusedWithTheSystemsReasonAndTheOldFileStays) {
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=16k") != 0) {
        GTEST_SKIP() << "mounting a small tmpfs is not allowed here (" << strerror(errno)
                     << "); the full-disk test needs root";
    }
    struct Unmount {
        const fs::path& path;
        ~Unmount() { ::umount2(path.c_str(), MNT_DETACH); }
    } unmount{folder};
    const fs::path path = folder / "set.BDS";
    const Bytes old(3000, 'o');
    put(path, old);
    // Fill the rest, then give back one page.
    const fs::path filler = folder / "filler";
    for (std::ofstream out(filler, std::ios::binary); out.write("page", 4).flush();) {
    }
    fs::resize_file(filler, fs::file_size(filler) / 4096 * 4096 - 4096);

    for (const bool linked : {false, true}) {
        if (linked) { // written in place: the reserved space refuses first
            fs::create_hard_link(path, folder / "link.BDS");
        }
        for (const std::size_t size : {std::size_t{4'929}, std::size_t{320'929}}) {
            SCOPED_TRACE(std::to_string(size) + (linked ? " linked" : ""));
            const Status written = writeFileAtomically(path.string(), Bytes(size, 'n'));
            ASSERT_FALSE(written);
            EXPECT_EQ(written.reason(), "No space left on device");
            EXPECT_EQ(test::fileContents(path), old);
            EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 2 + linked);
        }
    }
}

TEST_F(WriteFileAtomically, AReplacementKeepsModeOwnerAndGroupAndTheLinkToIt) {
    const fs::path target = folder / "set.BDS";
    const fs::path link = folder / "link.BDS";
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
    EXPECT_EQ(test::fileContents(target), Bytes(5, 'n'));
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(status.st_uid, 65534u);
        EXPECT_EQ(status.st_gid, 4u);
    }
    // A document never goes into one of the program's descriptors (boardset's -o does, through
    // the descriptor: the transcripts show it).
    const Status descriptor = writeFileAtomically("/dev/fd/1", Bytes(5, 'n'));
    EXPECT_EQ(descriptor ? "" : descriptor.reason(),
              "Not a regular file, but a descriptor of this program");
}

// Devices made here (root only), never the system's own; a FIFO with a reader.
TEST_F(WriteFileAtomically, NoDeviceIsReplacedAReadOnlyFileIsRefusedDeadSavesAreCleared) {
    const fs::path readOnly = folder / "set.BDS", null = folder / "null", full = folder / "full",
                   fifo = folder / "fifo";
    if (::mknod(null.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
        ::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
        GTEST_SKIP() << "making device nodes needs root";
    }
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    put(readOnly, Bytes(3, 'o'));
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    const Bytes fresh(70'000, 'n');
    const struct Case {
        fs::path path;
        NotRegular notRegular;
        const char* reason;
    } cases[] = {
        {readOnly, NotRegular::WriteInto, "The file is read-only"},
        {null, NotRegular::Refuse, "Not a regular file, but a device"},
        {null, NotRegular::WriteInto, ""},
        {full, NotRegular::WriteInto, "No space left on device"},
        {fifo, NotRegular::WriteInto, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.filename().string() + " " + c.reason);
        const auto type = fs::symlink_status(c.path).type();
        Bytes read;
        std::thread reader([&] { read = c.path == fifo ? test::fileContents(fifo) : fresh; });
        const Status written = writeFileAtomically(c.path.string(), fresh, c.notRegular);
        reader.join();
        EXPECT_EQ(written ? "" : written.reason(), c.reason);
        EXPECT_EQ(fs::symlink_status(c.path).type(), type);
        EXPECT_EQ(read, fresh);
    }
    EXPECT_EQ(test::fileContents(readOnly), Bytes(3, 'o'));

    // What a killed save left goes with the next save; a save still running keeps its file.
    ASSERT_EQ(::chmod(readOnly.c_str(), 0644), 0);
    const fs::path dead = folder / ".set.BDS.abc123", running = folder / ".set.BDS.XYZ789";
    put(dead, fresh);
    put(running, fresh);
    const int lock = ::open(running.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    ASSERT_TRUE(writeFileAtomically(readOnly.string(), fresh));
    ::close(lock);
    EXPECT_FALSE(fs::exists(dead));
    EXPECT_TRUE(fs::exists(running));
}

TEST_F(FileFaults, AWriteThatFailsAnywhereLeavesTheOldFileAndSaysWhy) {
    const std::string path = folder / "set.BDS";
    const Bytes old{'o', 'l', 'd'}, fresh(4929, 'n');
    // BSE_FAULT as the library's head describes it, and the reason given (none: written).
    const std::string noReplacement =
        "The folder " + folder.string() + " does not allow a safe replacement: Permission denied";
    const std::pair<const char*, const char*> cases[] = {
        {"open EACCES", noReplacement.c_str()}, // the file opens in place; nothing opens beside it
        {"write ENOSPC", "No space left on device"},
        {"write ENOSPC 4096", "No space left on device"},
        {"write EIO 1000", "Input/output error"},
        {"shortwrite - 1000", ""},
        {"lyingwrite - 4096", "The new file holds 4096 of 4929 bytes"},
        {"fsync EIO", "Input/output error"},
        {"close EIO", "Input/output error"},
        {"rename EACCES", "Permission denied"},
        {"rename EXDEV", "Invalid cross-device link"},
    };
    // Written through an unnamed file; a named one where the file system makes no unnamed files,
    // as each says so; and in place for a file with two names.
    for (const char* way : {"unnamed", "EOPNOTSUPP", "EISDIR", "EINVAL", "in place"}) {
        const bool linked = *way == 'i';
        if (*way == 'E') {
            setenv("BSE_NO_TMPFILE", way, 1);
        }
        for (auto [fault, reason] : cases) {
            SCOPED_TRACE(std::string(way) + ": " + fault);
            put(path, old);
            if (linked) {
                fs::create_hard_link(path, folder / "link.BDS");
                const std::string_view call = fault;
                reason = call.starts_with("rename") ? ""
                         : call.starts_with("open") ? "Permission denied"
                                                    : reason;
            }
            setenv("BSE_FAULT", fault, 1);
            const Status written = writeFileAtomically(path, fresh);
            unsetenv("BSE_FAULT");
            EXPECT_EQ(written ? "" : written.reason(), reason);
            EXPECT_EQ(test::fileContents(folder / (linked ? "link.BDS" : "set.BDS")),
                      *reason == '\0' ? fresh : old);
            EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1 + linked)
                << "a temporary file is left";
            fs::remove(folder / "link.BDS");
        }
    }
    unsetenv("BSE_NO_TMPFILE");
}

// A save killed on its way, as by a power cut, on names as long as the file system allows: the
// file is old and whole, or may be torn in place while a kept copy of its old bytes, whole and as
// private as the file, waits beside it until it is restored. Later saves clear what dead saves
// left, but no kept copy.
TEST_F(FileFaults, AKilledSaveLeavesTheOldFileOrAKeptCopyOfIt) {
    const fs::path path = folder / (std::string(251, 's') + ".BDS"), link = folder / "link.BDS";
    const Bytes old(3000, 'o'), fresh(2000, 'n');
    Bytes torn = old, longer = fresh;
    std::fill_n(torn.begin(), 1000, 'n');
    longer.resize(old.size(), 'o');
    const struct Case {
        const char* fault;
        bool linked;
        Bytes after;
    } cases[] = {
        {"write SIGKILL 1000", false, old}, // a named temporary file
        {"fsync SIGKILL 1", true, old},     // the copy not yet whole: not kept
        {"write SIGKILL 1000", true, torn},
        {"ftruncate SIGKILL", true, longer}, // not yet cut to its new length
    };
    const bool root = ::geteuid() == 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.fault) + (c.linked ? " in place" : ""));
        fs::remove_all(folder), fs::create_directory(folder), put(path, old);
        ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
        ASSERT_TRUE(!root || ::chown(path.c_str(), 65534, 4) == 0);
        if (c.linked) {
            fs::create_hard_link(path, link);
        }
        const pid_t child = ::fork();
        if (child == 0) {
            setenv("BSE_NO_TMPFILE", "EOPNOTSUPP", 1);
            setenv("BSE_FAULT", c.fault, 1);
            _exit(writeFileAtomically(path.string(), fresh) ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
        EXPECT_EQ(test::fileContents(path), c.after);
        const std::vector<std::string> kept = keptCopies(path.string());
        ASSERT_EQ(kept.size(), c.after != old);
        struct stat copy {};
        if (!kept.empty() && ::stat(kept[0].c_str(), &copy) == 0) {
            // The name's start and its FNV-1a hash, where the whole name would not fit.
            EXPECT_EQ(fs::path(kept[0]).filename().string().substr(0, 245),
                      "." + std::string(234, 's') + "~eae3380d.");
            EXPECT_EQ(test::fileContents(kept[0]), old);
            EXPECT_EQ(copy.st_mode & 07777, 0600u);
            EXPECT_EQ(copy.st_uid, root ? 65534u : ::geteuid());
        }
        ASSERT_TRUE(writeFileAtomically(path.string(), fresh));
        EXPECT_EQ(test::fileContents(path), fresh);
        EXPECT_EQ(keptCopies(path.string()), kept);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1 + c.linked + kept.size());
        if (!kept.empty()) {
            ASSERT_TRUE(restoreKeptCopy(path.string(), kept[0]));
            EXPECT_EQ(test::fileContents(link), old);
            EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 2);
        }
    }
}

TEST_F(FileFaults, AReadRefusesWhatIsNoRegularFileSaysWhyItFailsAndReadsOnlyAsFarAsAsked) {
    const fs::path fifo = folder / "pipe.BDS";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path sparse = folder / "huge.BDS";
    constexpr std::uint64_t gigabytes64 = 64ULL << 30;
    put(sparse, {});
    ASSERT_EQ(::truncate(sparse.c_str(), static_cast<off_t>(gigabytes64)), 0) << strerror(errno);
    const struct Case {
        fs::path path;
        std::size_t limit;
        LongFile longFile;
        std::string refusal; // none: read, the head or nothing
        const char* fault = "";
    } cases[] = {
        {fifo, 100, LongFile::ReadHead, "Not a regular file, but a named pipe"},
        {"/dev/zero", 100, LongFile::ReadHead, "Not a regular file, but a device"},
        {sparse, 100, LongFile::ReadHead, "Permission denied", "open EACCES"},
        {sparse, 100, LongFile::ReadHead, "Input/output error", "read EIO"},
        {sparse, 321'853, LongFile::ReadHead, ""},
        {sparse, 80'399, LongFile::ReadNothing, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.string() + " " + std::to_string(c.limit) + " " + c.fault);
        setenv("BSE_FAULT", c.fault, 1);
        const auto read = readFile(c.path.string(), c.limit, c.longFile);
        unsetenv("BSE_FAULT");
        if (!c.refusal.empty()) {
            ASSERT_FALSE(read);
            EXPECT_EQ(read.error().reason, c.refusal);
            EXPECT_EQ(read.error().notRegularFile, c.refusal.starts_with("Not a regular file"));
            continue;
        }
        ASSERT_TRUE(read) << read.error().reason;
        EXPECT_EQ(read.value().size, gigabytes64);
        EXPECT_EQ(read.value().bytes.size(), c.longFile == LongFile::ReadHead ? c.limit : 0);
        EXPECT_EQ(read.value().bytes, Bytes(read.value().bytes.size(), 0));
    }
}

} // namespace
} // namespace bse::io
