#include "io/recovery_store.h"

#include "io/file_io.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>

namespace bse::io {

namespace {

constexpr const char* copySuffix = ".recovery";

Status makeFolders(const std::string& folder) {
    for (std::size_t slash = 1; slash != std::string::npos;) {
        slash = folder.find('/', slash + 1);
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            return refuse(std::strerror(errno));
        }
    }
    return Done{};
}

std::int64_t modifiedNs(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return 0;
    }
    return static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
           status.st_mtim.tv_nsec;
}

} // namespace

std::string defaultRecoveryFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    const std::string base = state && *state == '/' ? state
                             : home                 ? std::string(home) + "/.local/state"
                                                    : std::string("/tmp");
    return base + "/boardset-editor/recovery";
}

RecoveryStore::RecoveryStore(std::string folder) : folder_(std::move(folder)) {
    // The process id names a running editor; the clock keeps a later one with the same id apart.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    static std::atomic<int> made = 0;
    name_ = std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()) +
            "-" + std::to_string(::getpid()) + "-" + std::to_string(made++);
}

RecoveryStore::~RecoveryStore() {
    if (lock_) {
        ::unlink(lockPath(name_).c_str());
    }
}

Status RecoveryStore::claim() {
    if (lock_) {
        return Done{};
    }
    if (const Status made = makeFolders(folder_); !made) {
        return made;
    }
    auto lock = FileLock::acquire(lockPath(name_));
    if (!lock) {
        return lock.error();
    }
    lock_.emplace(std::move(*lock));
    return Done{};
}

std::string RecoveryStore::copyPath(const std::string& name) const {
    return folder_ + "/" + name + copySuffix;
}

std::string RecoveryStore::lockPath(const std::string& name) const {
    return folder_ + "/" + name + ".lock";
}

std::vector<std::string> RecoveryStore::orphanedCopies() const {
    std::vector<std::pair<std::int64_t, std::string>> found;
    if (const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder_.c_str()), ::closedir);
        dir) {
        while (const dirent* entry = ::readdir(dir.get())) {
            const std::string file = entry->d_name;
            const std::size_t suffix = file.size() - std::min(file.size(), std::strlen(copySuffix));
            if (file.size() > std::strlen(copySuffix) && file.substr(suffix) == copySuffix) {
                const std::string name = file.substr(0, suffix);
                if (name != name_ && !FileLock::isHeld(lockPath(name))) {
                    found.emplace_back(modifiedNs(copyPath(name)), name);
                }
            }
        }
    }
    std::sort(found.rbegin(), found.rend());
    std::vector<std::string> names;
    for (auto& [time, name] : found) {
        names.push_back(std::move(name));
    }
    return names;
}

Status RecoveryStore::setAside(const std::string& name) const {
    if (::rename(copyPath(name).c_str(), (folder_ + "/" + name + ".damaged").c_str()) != 0) {
        return refuse(std::strerror(errno));
    }
    ::unlink(lockPath(name).c_str());
    return Done{};
}

BackgroundWriter::BackgroundWriter(std::function<void(const std::string&)> onFailure)
    : onFailure_(std::move(onFailure)), thread_([this] { run(); }) {}

BackgroundWriter::~BackgroundWriter() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void BackgroundWriter::post(std::string path, std::optional<std::vector<std::uint8_t>> bytes) {
    {
        const std::lock_guard lock(mutex_);
        std::erase_if(jobs_, [&path](const Job& job) { return job.path == path; });
        jobs_.push_back({std::move(path), std::move(bytes)});
    }
    changed_.notify_all();
}

void BackgroundWriter::waitUntilIdle() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

void BackgroundWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) {
            return;
        }
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        std::string failure;
        if (job.bytes) {
            if (const Status written = writeFileAtomically(job.path, *job.bytes); !written) {
                failure = written.reason();
            }
        } else if (::unlink(job.path.c_str()) != 0 && errno != ENOENT) {
            failure = std::strerror(errno);
        }
        if (!failure.empty()) {
            onFailure_(failure);
        }
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

} // namespace bse::io
