#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace bse::io {

// A file as it stood when last looked at: another program's write or rename shows in one of these.
// On Windows the device is the volume's serial number and the inode the file index.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of what `path` names now (a symbolic link followed); nothing when it is gone.
std::optional<FileIdentity> fileIdentity(const std::string& path);

} // namespace bse::io
