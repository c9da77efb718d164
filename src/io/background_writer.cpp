#include "io/recovery_store.h"

namespace bse::io {

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

void BackgroundWriter::post(std::string key, std::function<Status()> job) {
    {
        const std::lock_guard lock(mutex_);
        std::erase_if(jobs_, [&key](const Job& waiting) { return waiting.key == key; });
        jobs_.push_back({std::move(key), std::move(job)});
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
        if (const Status done = job.run(); !done) {
            onFailure_(done.reason());
        }
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

} // namespace bse::io
