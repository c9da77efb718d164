#pragma once

#include "base/result.h"

#include <optional>
#include <string>

namespace bse::io {

// Opens `name` in the open folder `folder` as a regular file only: a symbolic link is not
// followed and a FIFO or device is refused before it is opened, so nothing waits on one. The
// descriptor is the caller's to close.
Result<int> openRegularFileAt(int folder, const std::string& name, int flags);

// An exclusive flock() on a file in a folder, held while the value lives; the system releases it
// when the process dies, however it dies.
class FileLock {
  public:
    // Creates the file when needed; refused when it is not a regular file.
    static Result<FileLock> acquire(int folder, const std::string& name);
    // Whether some other open of the file holds the lock now (this process's included). A lock
    // file that is missing or not a regular file has no holder. When it has none and is a regular
    // file, `taken` holds it from then on, so that no one takes it while it is removed.
    static bool isHeld(int folder, const std::string& name,
                       std::optional<FileLock>* taken = nullptr);

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    ~FileLock();

  private:
    explicit FileLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

} // namespace bse::io
