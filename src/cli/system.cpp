#include "cli/system.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <string>

#ifdef _WIN32

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace bse::cli::system {

void prepareStandardStreams() {
    // Text mode would turn LF into CRLF and end reading at 0x1A.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}

long readStandardInput(void* buffer, std::size_t size) {
    return _read(0, buffer, static_cast<unsigned>(std::min<std::size_t>(size, 1u << 30)));
}

long writeStandardOutput(const void* bytes, std::size_t size) {
    return _write(1, bytes, static_cast<unsigned>(std::min<std::size_t>(size, 1u << 30)));
}

// File numbers come from the handle: Windows' stat gives no inode.
bool sameFile(const std::string& first, const std::string& second) {
    auto identity = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& information) {
        const HANDLE handle =
            path == "-"
                ? reinterpret_cast<HANDLE>(_get_osfhandle(0))
                : ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        const bool known = handle != INVALID_HANDLE_VALUE &&
                           ::GetFileType(handle) == FILE_TYPE_DISK &&
                           ::GetFileInformationByHandle(handle, &information) != 0;
        if (path != "-" && handle != INVALID_HANDLE_VALUE) {
            ::CloseHandle(handle);
        }
        return known;
    };
    BY_HANDLE_FILE_INFORMATION a{}, b{};
    return identity(first, a) && identity(second, b) &&
           a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

} // namespace bse::cli::system

#else

#include <fcntl.h>
#include <unistd.h>

namespace bse::cli::system {

void prepareStandardStreams() {
    // /dev/null opened the wrong way round in a closed stream's place: its use fails.
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        }
    }
}

long readStandardInput(void* buffer, std::size_t size) {
    return ::read(STDIN_FILENO, buffer, size);
}

long writeStandardOutput(const void* bytes, std::size_t size) {
    return ::write(STDOUT_FILENO, bytes, size);
}

bool sameFile(const std::string& first, const std::string& second) {
    auto identity = [](const std::string& path, struct stat& status) {
        return (path == "-" ? ::fstat(STDIN_FILENO, &status) : ::stat(path.c_str(), &status)) ==
                   0 &&
               S_ISREG(status.st_mode);
    };
    struct stat a {
    }, b{};
    return identity(first, a) && identity(second, b) && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

} // namespace bse::cli::system

#endif
