#pragma once

#include "base/result.h"
#include "io/file_lock.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace bse::io {

// $XDG_STATE_HOME/boardset-editor/recovery, or ~/.local/state/boardset-editor/recovery.
std::string defaultRecoveryFolder();

// The recovery copies of every editor in one folder: NAME.recovery beside NAME.lock, which the
// editor that writes the copy holds for as long as it runs. A copy is named by its NAME.
class RecoveryStore {
  public:
    // Looks at `folder`; nothing is written there until this editor keeps a copy.
    explicit RecoveryStore(std::string folder);
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;
    ~RecoveryStore(); // removes the own lock file

    // Before the first copy: makes the folder (only its owner may look in) and takes this
    // editor's own lock.
    Status claim();
    const std::string& folder() const { return folder_; }
    const std::string& ownName() const { return name_; }
    std::string copyPath(const std::string& name) const;
    std::string lockPath(const std::string& name) const;
    // The copies whose editor no longer runs, newest first.
    std::vector<std::string> orphanedCopies() const;
    // A copy that cannot be read is kept for a person to look at: NAME.damaged.
    Status setAside(const std::string& name) const;

  private:
    std::string folder_;
    std::string name_;
    std::optional<FileLock> lock_;
};

// Writes and removes files one after another on a thread of its own, so that the thread that
// asks never waits for a disk. A job waiting for the same path as a newer one is dropped.
class BackgroundWriter {
  public:
    // Told, on the writer's thread, why a job failed.
    explicit BackgroundWriter(std::function<void(const std::string& reason)> onFailure);
    ~BackgroundWriter(); // finishes the jobs already asked for
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    // Replaces the file atomically, or removes it when `bytes` is nothing.
    void post(std::string path, std::optional<std::vector<std::uint8_t>> bytes);
    void waitUntilIdle();

  private:
    struct Job {
        std::string path;
        std::optional<std::vector<std::uint8_t>> bytes;
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
