#pragma once

#include "base/result.h"

#include <optional>
#include <string>

namespace bse::io {

// What the system hands out for an open file or folder: a descriptor on POSIX, a HANDLE on
// Windows. An open folder is how the files in it are reached, each by its name alone.
#ifdef _WIN32
using SystemHandle = void*;
inline constexpr SystemHandle noHandle = nullptr;
#else
using SystemHandle = int;
inline constexpr SystemHandle noHandle = -1;
#endif

// What a file is opened for.
enum class OpenFor {
    Reading,
    Locking,   // reading and writing; made when missing
    Replacing, // writing; made when missing, emptied when not
};

// Opens `name` in the open folder `folder` as a regular file only: a symbolic link (on Windows any
// reparse point) is not followed, and a FIFO, device or folder is refused before it is opened, so
// nothing waits on one. The handle is the caller's to close.
Result<SystemHandle> openRegularFileAt(SystemHandle folder, const std::string& name, OpenFor use);

// An exclusive lock on a file in a folder (flock, or LockFileEx on Windows), held while the value
// lives; the system releases it when the process dies, however it dies.
class FileLock {
  public:
    // Creates the file when needed; refused when it is not a regular file.
    static Result<FileLock> acquire(SystemHandle folder, const std::string& name);
    // Whether some other open of the file holds the lock now (this process's included). A lock
    // file that is missing or not a regular file has no holder. When it has none and is a regular
    // file, `taken` holds it from then on, so that no one takes it while it is removed.
    static bool isHeld(SystemHandle folder, const std::string& name,
                       std::optional<FileLock>* taken = nullptr);

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    ~FileLock();

  private:
    explicit FileLock(SystemHandle file) : file_(file) {}
    SystemHandle file_ = noHandle;
};

} // namespace bse::io
