#pragma once

#include "base/result.h"
#include "io/file_lock.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

namespace bse::io {

// $XDG_STATE_HOME/boardset-editor/recovery, or ~/.local/state/boardset-editor/recovery with the
// home folder from HOME or else the password database. On Windows the local application data
// folder's boardset-editor\recovery, that folder as the system names it or else LOCALAPPDATA.
// Empty when the user has none: there is no shared place to fall back on.
std::string defaultRecoveryFolder();

// Makes the missing folders of `path`, each for its owner alone (0700; on Windows, as the folder
// above allows).
Status makePrivateFolders(const std::string& path);

// The bytes of the program's settings file; nothing when there is none. A file that is not a
// regular file or is over 1 MB is refused unread, and nothing waits on a FIFO.
Result<std::optional<std::vector<std::uint8_t>>> readSettingsFile(const std::string& path);

// The recovery copies of every editor in one folder of the user's own: NAME.recovery beside
// NAME.lock, which the editor that writes the copy holds for as long as it runs. A copy is named by
// its NAME. Every file in it is reached through the folder opened once and checked, never through
// a symbolic link, and only if it is a regular file.
class RecoveryStore {
  public:
    // Looks at `folder` (empty: there is none); nothing is written there until this editor keeps
    // a copy.
    explicit RecoveryStore(std::string folder);
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;
    ~RecoveryStore(); // removes the own lock file

    // Before the first copy: makes the folder (only its owner may look in) and takes this
    // editor's own lock. Refused when the folder belongs to someone else or others may write in it
    // (POSIX), or is not a plain folder (Windows: a junction or other reparse point).
    Status claim();
    const std::string& folder() const { return folder_; }
    const std::string& ownName() const { return name_; }
    // The copies whose editor no longer runs, newest first. A copy whose editor died after it was
    // written but before it took its name is given the name; what a dead editor left with no copy
    // goes.
    std::vector<std::string> orphanedCopies();
    Result<std::vector<std::uint8_t>> readCopy(const std::string& name, std::size_t limit);
    // A copy that cannot be read is kept for a person to look at: NAME.damaged.
    Status setAside(const std::string& name);
    // After claim(), from one thread at a time: replaces the own copy (0600) whole, or removes a
    // copy, with the lock of another editor's. Removing before anything was looked at finds none.
    Status writeCopy(std::span<const std::uint8_t> bytes);
    Status removeCopy(const std::string& name);

  private:
    Status openFolder(bool make);

    std::string folder_;
    std::string name_;
    std::atomic<SystemHandle> opened_ = noHandle; // the folder, once opened and found the user's
    std::optional<FileLock> lock_;
};

// Runs jobs one after another on a thread of its own, so that the thread that asks never waits
// for a disk. A job waiting under the same key as a newer one is dropped.
class BackgroundWriter {
  public:
    // Told, on the writer's thread, why a job failed.
    explicit BackgroundWriter(std::function<void(const std::string& reason)> onFailure);
    ~BackgroundWriter(); // finishes the jobs already asked for
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    void post(std::string key, std::function<Status()> job);
    void waitUntilIdle();

  private:
    struct Job {
        std::string key;
        std::function<Status()> run;
    };
    void run();

    std::function<void(const std::string&)> onFailure_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> jobs_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace bse::io
