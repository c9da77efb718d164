// Recovery copies and settings on a real folder: the locks that keep editors apart, what another
// user, a FIFO or a killed editor leaves there, and a full disk.
#include "io/recovery_store.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <future>
#include <set>

namespace bse::io {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class Recovery : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "bse-recovery-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        folder = name;
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path folder;
};

void put(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST_F(Recovery, AnEditorsCopyIsOfferedToOthersOnceItStoppedAFullDiskIsReported) {
    RecoveryStore other((folder / "state").string());
    std::optional<RecoveryStore> stopping(std::in_place, other.folder());
    ASSERT_TRUE(stopping->claim());
    const std::string name = stopping->ownName();
    // Named while it is written, where the file system makes no unnamed files.
    setenv("BSE_FAULT_FOLDER", folder.c_str(), 1);
    setenv("BSE_NO_TMPFILE", "EOPNOTSUPP", 1);
    ASSERT_TRUE(stopping->writeCopy(Bytes{1}));
    unsetenv("BSE_NO_TMPFILE");
    EXPECT_EQ(fs::status(folder / "state").permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::status(folder / "state" / (name + ".recovery")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(other.orphanedCopies().empty());
    stopping.reset();
    EXPECT_EQ(other.orphanedCopies(), std::vector{name});
    ASSERT_TRUE(other.setAside(name));

    ASSERT_TRUE(other.claim());
    std::vector<std::string> reasons;
    BackgroundWriter writer([&reasons](const std::string& reason) { reasons.push_back(reason); });
    setenv("BSE_FAULT", "write ENOSPC", 1);
    writer.post("own", [&other] { return other.writeCopy(Bytes(5000, 'n')); });
    writer.waitUntilIdle();
    unsetenv("BSE_FAULT");
    // Removals say nothing, the one that finds nothing too; the full disk's errno is still there.
    for (int i = 0; i < 2; ++i) {
        writer.post("own", [&other] { return other.removeCopy(other.ownName()); });
        writer.waitUntilIdle();
    }
    EXPECT_EQ(reasons, std::vector<std::string>{"No space left on device"});
    EXPECT_TRUE(other.orphanedCopies().empty()) << "set aside, and nothing written";

    // No shared place when there is no home: the password database's, or none at all.
    unsetenv("XDG_STATE_HOME");
    unsetenv("HOME");
    EXPECT_EQ(defaultRecoveryFolder(), std::string(::getpwuid(::getuid())->pw_dir) +
                                           "/.local/state/boardset-editor/recovery");
    EXPECT_EQ(RecoveryStore("").claim().reason(),
              "There is no home folder to keep it in: HOME is not set, and the password database "
              "names none for this user.");
}

// Started with standard input closed, the folder may be opened as descriptor 0.
TEST_F(Recovery, AFolderOpenedAsDescriptorZeroIsClosedWithTheStore) {
    const int input = ::dup(0);
    ::close(0);
    {
        RecoveryStore store((folder / "state").string());
        ASSERT_TRUE(store.claim());
        EXPECT_NE(::fcntl(0, F_GETFD), -1);
    }
    EXPECT_EQ(::fcntl(0, F_GETFD), -1);
    ::dup2(input, 0);
    ::close(input);
}

TEST(BackgroundWriter, ALaterJobReplacesOnlyTheWaitingOneUnderItsKey) {
    std::promise<void> release;
    std::vector<std::string> ran;
    BackgroundWriter writer([](const std::string&) {});
    writer.post("first", [future = release.get_future().share()] {
        future.wait(); // holds the thread while the others queue
        return Status(Done{});
    });
    for (const char* job : {"a1", "b", "a2"}) {
        writer.post(std::string(job, 1), [&ran, job] {
            ran.push_back(job);
            return Status(Done{});
        });
    }
    release.set_value();
    writer.waitUntilIdle();
    EXPECT_EQ(ran, (std::vector<std::string>{"b", "a2"}));
}

// Each row leaves something in the folder: a copy "dead" of an editor that stopped, and a link to
// another file where this editor's own copy goes. Nothing is followed and nothing waits.
TEST_F(Recovery, AnotherUsersFolderLinksFifosAndCutOffCopies) {
    const fs::path victim = folder / "notes.txt", state = folder / "state";
    put(victim, "private");
    const struct Case {
        const char* what;
        std::function<void()> plant;
        const char* refusal; // of the claim; none: claimed, and the own copy is written
        const char* read;    // what reading "dead" gives, and whether it is offered at all
        const char* left;    // the files in the folder at the end, the own ones named "own"
        bool asRoot = false; // only root gives a folder away
    } cases[] = {
        {"another user's folder", [&] { ASSERT_EQ(::chown(state.c_str(), 65534, 65534), 0); },
         "The folder belongs to another user (user id 65534), so no copy is kept there.", "",
         "dead.recovery own.recovery", true},
        {"a folder others may write in", [&] { fs::permissions(state, fs::perms::all); },
         "Others may write in the folder (mode 0777), so no copy is kept there.", "",
         "dead.recovery own.recovery"},
        {"a FIFO as a lock", [&] { ASSERT_EQ(::mkfifo((state / "dead.lock").c_str(), 0600), 0); },
         "", "copy", "own.lock own.recovery"},
        {"a link as a copy",
         [&] {
             fs::remove(state / "dead.recovery"),
                 fs::create_symlink(victim, state / "dead.recovery");
         },
         "", "Not a regular file, but a symbolic link", "dead.damaged own.lock own.recovery"},
        {"killed before the rename, and what had no copy",
         [&] {
             fs::rename(state / "dead.recovery", state / "dead.recovery.new");
             put(state / "gone.lock", ""), put(state / "gone.recovery.part", "cut");
         },
         "", "copy", "own.lock own.recovery"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.asRoot && ::geteuid() != 0) {
            continue;
        }
        fs::create_directory(state);
        fs::permissions(state, fs::perms::owner_all);
        put(state / "dead.recovery", "copy");
        RecoveryStore store(state.string());
        fs::create_symlink(victim, state / (store.ownName() + ".recovery"));
        c.plant();
        const auto offered = store.orphanedCopies();
        EXPECT_EQ(offered, *c.read ? std::vector<std::string>{"dead"} : std::vector<std::string>{});
        for (const std::string& name : offered) {
            const auto read = store.readCopy(name, 100);
            EXPECT_EQ(read ? std::string(read->begin(), read->end()) : read.reason(), c.read);
            EXPECT_TRUE(read ? store.removeCopy(name) : store.setAside(name));
        }
        const Status claimed = store.claim();
        EXPECT_EQ(claimed ? "" : claimed.reason(), c.refusal);
        EXPECT_EQ(claimed && store.writeCopy(Bytes{'n'}), !*c.refusal);
        EXPECT_EQ(test::fileContents<std::string>(victim), "private");
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(state)) {
            const std::string name = entry.path().filename().string();
            names.insert(name.starts_with(store.ownName())
                             ? "own" + name.substr(store.ownName().size())
                             : name);
        }
        std::string left;
        for (const std::string& name : names) {
            left += (left.empty() ? "" : " ") + name;
        }
        EXPECT_EQ(left, c.left);
        fs::remove_all(state);
    }
}

TEST_F(Recovery, ASettingsFileThatIsNoRegularFileOrOver1MBIsRefusedUnread) {
    ASSERT_EQ(::mkfifo((folder / "fifo.conf").c_str(), 0600), 0);
    put(folder / "big.conf", std::string((1 << 20) + 1, 'x'));
    put(folder / "small.conf", "[General]");
    const std::pair<const char*, const char*> cases[] = {
        {"fifo.conf", "Not a regular file, but a named pipe"},
        {"big.conf", "Larger than 1 MB, more than a list of BoardSets takes"},
        {"none.conf", "none"},
        {"small.conf", "[General]"},
    };
    for (const auto& [name, result] : cases) {
        const auto read = readSettingsFile((folder / name).string());
        EXPECT_EQ(!read   ? read.reason()
                  : *read ? std::string((*read)->begin(), (*read)->end())
                          : "none",
                  result);
    }
}

} // namespace
} // namespace bse::io
