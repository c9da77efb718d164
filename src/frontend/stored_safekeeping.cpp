#include "frontend/stored_safekeeping.h"

#include "io/recovery_store.h"

namespace bse {

StoredSafekeeping::StoredSafekeeping(std::function<void()> failed,
                                     std::function<std::string(const std::string&)> pathForDisplay)
    : failed_(std::move(failed)), pathForDisplay_(std::move(pathForDisplay)) {}

StoredSafekeeping::~StoredSafekeeping() = default;

bool StoredSafekeeping::startSafekeeping() {
    store_ = std::make_unique<io::RecoveryStore>(io::defaultRecoveryFolder());
    writer_ = std::make_unique<io::BackgroundWriter>(
        [this](const std::string& reason) { reportFailure(reason); });
    return true;
}

void StoredSafekeeping::reportFailure(const std::string& reason) {
    {
        const std::lock_guard lock(failureMutex_);
        const std::string& folder = store_->folder();
        failure_ = (folder.empty() ? "No recovery copy of the unsaved changes is kept."
                                   : "The recovery copy of the unsaved changes could not be "
                                     "written in " +
                                         pathForDisplay_(folder) + ".") +
                   "\n\n" + reason;
    }
    failed_();
}

std::string StoredSafekeeping::recoveryFailure() {
    const std::lock_guard lock(failureMutex_);
    return failure_;
}

std::vector<std::string> StoredSafekeeping::orphanedRecoveryCopies() {
    return store_ ? store_->orphanedCopies() : std::vector<std::string>{};
}

Result<Bytes> StoredSafekeeping::readRecoveryCopy(const std::string& name) {
    return store_->readCopy(name, 1 << 20); // well over a copy of 200 boards
}

Status StoredSafekeeping::setRecoveryCopyAside(const std::string& name) {
    return store_->setAside(name);
}

void StoredSafekeeping::writeRecoveryCopy(Bytes bytes) {
    if (const Status claimed = store_->claim(); !claimed) {
        reportFailure(claimed.reason());
        return;
    }
    io::RecoveryStore* store = store_.get();
    writer_->post(store->ownName(),
                  [store, bytes = std::move(bytes)] { return store->writeCopy(bytes); });
}

void StoredSafekeeping::removeRecoveryCopy(const std::string& name) {
    io::RecoveryStore* store = store_.get();
    const std::string copy = name.empty() ? store->ownName() : name;
    writer_->post(copy, [store, copy] { return store->removeCopy(copy); });
}

} // namespace bse
