#include "io/file_identity.h"
#include "io/windows_support.h"

namespace bse::io {

std::optional<FileIdentity> fileIdentity(const std::string& path) {
    using namespace windows;
    const Result<std::wstring> wide = widePath(path);
    if (!wide) {
        return std::nullopt;
    }
    // No access asked, and every kind of sharing allowed: looking never gets in a writer's way.
    const Handle file(::CreateFileW(wide->c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (!file.valid() || ::GetFileInformationByHandle(file.get(), &information) == 0) {
        return std::nullopt;
    }
    const auto join = [](DWORD high, DWORD low) { return std::uint64_t{high} << 32 | low; };
    // Hundreds of nanoseconds since 1601; as on POSIX, nanoseconds since 1970.
    const auto written = static_cast<std::int64_t>(join(information.ftLastWriteTime.dwHighDateTime,
                                                        information.ftLastWriteTime.dwLowDateTime));
    return FileIdentity{information.dwVolumeSerialNumber,
                        join(information.nFileIndexHigh, information.nFileIndexLow),
                        join(information.nFileSizeHigh, information.nFileSizeLow),
                        (written - 116'444'736'000'000'000) * 100};
}

} // namespace bse::io
