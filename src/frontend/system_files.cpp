#include "frontend/system_files.h"

#include "io/file_identity.h"
#include "io/file_io.h"

namespace bse {

Result<FileHead, ReadFailure> SystemFiles::readFile(const std::string& path, std::size_t limit,
                                                    LongFile longFile) {
    auto read = io::readFile(path, limit, longFile);
    if (!read) {
        return ReadFailure{messageText(read.reason()), read.error().notRegularFile};
    }
    return read;
}

// Not a toolkit's own saving file: see io/file_io.cpp.
Status SystemFiles::writeFileAtomically(const std::string& path, const Bytes& bytes) {
    const Status written = io::writeFileAtomically(path, bytes);
    if (!written) {
        return refuse(messageText(written.reason()));
    }
    return Done{};
}

std::vector<std::string> SystemFiles::keptCopies(const std::string& path) {
    return io::keptCopies(path);
}

Status SystemFiles::restoreKeptCopy(const std::string& path, const std::string& copy) {
    const Status restored = io::restoreKeptCopy(path, copy);
    if (!restored) {
        return refuse(messageText(restored.reason()));
    }
    return Done{};
}

std::optional<FileIdentity> SystemFiles::fileIdentity(const std::string& path) {
    return io::fileIdentity(path);
}

} // namespace bse
