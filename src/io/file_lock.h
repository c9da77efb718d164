#pragma once

#include "base/result.h"

#include <string>

namespace bse::io {

// An exclusive flock() on a file, held while the value lives; the system releases it when the
// process dies, however it dies.
class FileLock {
  public:
    // Creates the file when needed; refused when another holder has it.
    static Result<FileLock> acquire(const std::string& path);
    // Whether some other open of the file holds the lock now (this process's included).
    static bool isHeld(const std::string& path);

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    ~FileLock();

  private:
    explicit FileLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

} // namespace bse::io
