#pragma once

#include "platform/platform.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace bse {

namespace io {
class BackgroundWriter;
class RecoveryStore;
} // namespace io

// Safekeeping in the recovery store of the file layer, its copies written on a background thread.
// A front end owns one and forwards the service's calls; it is told of a failed write on the
// writer's thread (`failed`, which passes WM_RECOVERYFAILED to the window's own thread), and says
// how a path shows in a message (`pathForDisplay`). Destroyed, it waits for the writer, so it goes
// before whatever `failed` uses.
class StoredSafekeeping final : public SafekeepingService {
  public:
    StoredSafekeeping(std::function<void()> failed,
                      std::function<std::string(const std::string&)> pathForDisplay);
    ~StoredSafekeeping() override;

    bool startSafekeeping() override;
    std::vector<std::string> orphanedRecoveryCopies() override;
    Result<Bytes> readRecoveryCopy(const std::string& name) override;
    Status setRecoveryCopyAside(const std::string& name) override;
    void writeRecoveryCopy(Bytes bytes) override;
    void removeRecoveryCopy(const std::string& name) override;
    std::string recoveryFailure() override;

  private:
    void reportFailure(const std::string& reason);

    std::function<void()> failed_;
    std::function<std::string(const std::string&)> pathForDisplay_;
    std::unique_ptr<io::RecoveryStore> store_;
    std::unique_ptr<io::BackgroundWriter> writer_; // goes before the store
    std::mutex failureMutex_;
    std::string failure_;
};

} // namespace bse
