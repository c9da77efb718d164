// Recovery copies on Windows: the folder under the local application data folder, opened once and
// held (so that it is neither renamed nor removed meanwhile), plain files only, and a copy written
// under a name of its own and moved over the old one.
#include "io/file_io.h"
#include "io/recovery_store.h"
#include "io/windows_support.h"

#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <string_view>
#include <utility>

namespace bse::io {

namespace {

using namespace windows;

constexpr std::string_view copySuffix = ".recovery";
constexpr std::string_view lockSuffix = ".lock";
// Where a copy is written before it takes its name.
constexpr std::string_view partSuffix = ".recovery.part";

bool absolute(const std::wstring& path) {
    return (path.size() > 2 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/')) ||
           path.starts_with(L"\\\\");
}

std::wstring localAppData() {
    wchar_t* known = nullptr;
    std::wstring folder;
    if (::SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &known) == S_OK) {
        folder = known;
    }
    ::CoTaskMemFree(known);
    if (folder.empty()) {
        const DWORD size = ::GetEnvironmentVariableW(L"LOCALAPPDATA", nullptr, 0);
        folder.resize(size);
        folder.resize(size > 0 ? ::GetEnvironmentVariableW(L"LOCALAPPDATA", folder.data(), size)
                               : 0);
    }
    return absolute(folder) ? folder : L"";
}

// Removes a file the store named itself, when it is there; as on POSIX, nobody is told otherwise.
void removeFile(const Result<std::wstring>& path) {
    if (path) {
        ::DeleteFileW(path->c_str());
    }
}

} // namespace

std::string defaultRecoveryFolder() {
    const std::wstring folder = localAppData();
    return folder.empty() ? "" : utf8(folder) + "\\boardset-editor\\recovery";
}

Status makePrivateFolders(const std::string& path) {
    const Result<std::wstring> wide = widePath(path);
    if (!wide) {
        return wide.error();
    }
    // A drive is there or not; so are a network share's server and share, which are skipped.
    std::size_t end = 0;
    if (wide->starts_with(L"\\\\")) {
        end = wide->find_first_of(L"\\/", 2);
        end = end == std::wstring::npos ? end : wide->find_first_of(L"\\/", end + 1);
    }
    while (end != std::wstring::npos) {
        end = wide->find_first_of(L"\\/", end + 1);
        const std::wstring part = wide->substr(0, end);
        if (::GetFileAttributesW(part.c_str()) == INVALID_FILE_ATTRIBUTES &&
            ::CreateDirectoryW(part.c_str(), nullptr) == 0 &&
            ::GetLastError() != ERROR_ALREADY_EXISTS) {
            return failure();
        }
    }
    return Done{};
}

Result<std::optional<std::vector<std::uint8_t>>> readSettingsFile(const std::string& path) {
    constexpr std::size_t limit = 1 << 20;
    auto read = readFile(path, limit, LongFile::ReadNothing);
    if (!read) {
        const Result<std::wstring> wide = widePath(path);
        if (!read.error().notRegularFile && wide &&
            ::GetFileAttributesW(wide->c_str()) == INVALID_FILE_ATTRIBUTES &&
            (::GetLastError() == ERROR_FILE_NOT_FOUND ||
             ::GetLastError() == ERROR_PATH_NOT_FOUND)) {
            return std::optional<std::vector<std::uint8_t>>();
        }
        return refuse(read.error().reason);
    }
    if (read->size > limit) {
        return refuse("Larger than 1 MB, more than a list of BoardSets takes");
    }
    return std::optional(std::move(read->bytes));
}

RecoveryStore::RecoveryStore(std::string folder) : folder_(std::move(folder)) {
    // The process id names a running editor; the clock keeps a later one with the same id apart.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    static std::atomic<int> made = 0;
    name_ = std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()) +
            "-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(made++);
}

RecoveryStore::~RecoveryStore() {
    if (lock_) {
        removeFile(pathInFolder(opened_, name_ + std::string(lockSuffix)));
    }
    if (opened_ != noHandle) {
        ::CloseHandle(opened_);
    }
}

Status RecoveryStore::openFolder(bool make) {
    if (opened_ != noHandle) {
        return Done{};
    }
    if (folder_.empty()) {
        return refuse("There is no local application data folder to keep it in: the system names "
                      "none for this user, and LOCALAPPDATA is not set.");
    }
    if (make) {
        if (Status made = makePrivateFolders(folder_); !made) {
            return made;
        }
    }
    const Result<std::wstring> wide = widePath(folder_);
    if (!wide) {
        return wide.error();
    }
    // Not shared for deletion: while it is open, the folder is neither removed nor renamed.
    Handle folder(::CreateFileW(
        wide->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!folder.valid()) {
        return failure();
    }
    // A junction or link in its place may lead anywhere, another user's folder too.
    FILE_ATTRIBUTE_TAG_INFO information{};
    if (::GetFileInformationByHandleEx(folder.get(), FileAttributeTagInfo, &information,
                                       sizeof information) == 0) {
        return failure();
    }
    if (const std::string kind = notPlainKind(information.FileAttributes, information.ReparseTag);
        kind != "a folder") {
        return refuse("The folder is " + (kind.empty() ? "a file" : kind) +
                      ", so no copy is kept there.");
    }
    opened_ = folder.release();
    return Done{};
}

Status RecoveryStore::claim() {
    if (lock_) {
        return Done{};
    }
    if (Status opened = openFolder(true); !opened) {
        return opened;
    }
    auto lock = FileLock::acquire(opened_, name_ + std::string(lockSuffix));
    if (!lock) {
        return lock.error();
    }
    lock_.emplace(std::move(*lock));
    return Done{};
}

std::vector<std::string> RecoveryStore::orphanedCopies() {
    if (!openFolder(false)) {
        return {};
    }
    std::set<std::string> names; // every NAME that has a file here
    if (const Result<std::wstring> pattern = pathInFolder(opened_, "*"); pattern) {
        WIN32_FIND_DATAW entry{};
        if (const HANDLE search = ::FindFirstFileW(pattern->c_str(), &entry);
            search != INVALID_HANDLE_VALUE) {
            do {
                const std::string file = utf8(std::wstring(entry.cFileName));
                for (const std::string_view suffix : {copySuffix, lockSuffix, partSuffix}) {
                    if (file.size() > suffix.size() && file.ends_with(suffix)) {
                        names.emplace(file.substr(0, file.size() - suffix.size()));
                        break;
                    }
                }
            } while (::FindNextFileW(search, &entry) != 0);
            ::FindClose(search);
        }
    }
    std::vector<std::pair<std::uint64_t, std::string>> found;
    for (const std::string& name : names) {
        std::optional<FileLock> taken;
        if (name == name_ || FileLock::isHeld(opened_, name + std::string(lockSuffix), &taken)) {
            continue;
        }
        // Killed while it wrote: whether the copy was whole is not known.
        removeFile(pathInFolder(opened_, name + std::string(partSuffix)));
        const Result<std::wstring> copy = pathInFolder(opened_, name + std::string(copySuffix));
        WIN32_FILE_ATTRIBUTE_DATA status{};
        if (copy && ::GetFileAttributesExW(copy->c_str(), GetFileExInfoStandard, &status) != 0) {
            found.emplace_back(std::uint64_t{status.ftLastWriteTime.dwHighDateTime} << 32 |
                                   status.ftLastWriteTime.dwLowDateTime,
                               name);
        } else {
            removeFile(pathInFolder(opened_, name + std::string(lockSuffix)));
        }
    }
    std::sort(found.rbegin(), found.rend());
    std::vector<std::string> copies;
    for (auto& [time, name] : found) {
        copies.push_back(std::move(name));
    }
    return copies;
}

Result<std::vector<std::uint8_t>> RecoveryStore::readCopy(const std::string& name,
                                                          std::size_t limit) {
    if (Status opened = openFolder(false); !opened) {
        return opened.error();
    }
    const Result<SystemHandle> opened =
        openRegularFileAt(opened_, name + std::string(copySuffix), OpenFor::Reading);
    if (!opened) {
        return opened.error();
    }
    const Handle file(*opened);
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file.get(), &size) == 0) {
        return failure();
    }
    if (static_cast<std::uint64_t>(size.QuadPart) > limit) {
        return refuse("Larger than any copy the editor writes");
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        DWORD got = 0;
        if (::ReadFile(file.get(), bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled),
                       &got, nullptr) == 0) {
            return failure();
        }
        if (got == 0) {
            break;
        }
        filled += got;
    }
    bytes.resize(filled);
    return bytes;
}

Status RecoveryStore::setAside(const std::string& name) {
    if (Status opened = openFolder(false); !opened) {
        return opened;
    }
    const Result<std::wstring> copy = pathInFolder(opened_, name + std::string(copySuffix)),
                               damaged = pathInFolder(opened_, name + ".damaged");
    if (!copy || !damaged) {
        return (copy ? damaged : copy).error();
    }
    if (::MoveFileExW(copy->c_str(), damaged->c_str(), MOVEFILE_REPLACE_EXISTING) == 0) {
        return failure();
    }
    removeFile(pathInFolder(opened_, name + std::string(lockSuffix)));
    return Done{};
}

Status RecoveryStore::writeCopy(std::span<const std::uint8_t> bytes) {
    if (!lock_) {
        return refuse("The recovery folder was not claimed");
    }
    const Result<std::wstring> part = pathInFolder(opened_, name_ + std::string(partSuffix)),
                               copy = pathInFolder(opened_, name_ + std::string(copySuffix));
    if (!part || !copy) {
        return (part ? copy : part).error();
    }
    const Result<SystemHandle> opened =
        openRegularFileAt(opened_, name_ + std::string(partSuffix), OpenFor::Replacing);
    if (!opened) {
        return opened.error();
    }
    Handle file(*opened);
    LARGE_INTEGER size{};
    Status written = writeAll(file.get(), bytes);
    if (written &&
        (::FlushFileBuffers(file.get()) == 0 || ::GetFileSizeEx(file.get(), &size) == 0)) {
        written = failure();
    }
    if (written && static_cast<std::uint64_t>(size.QuadPart) != bytes.size()) {
        written = refuse("The copy holds " + std::to_string(size.QuadPart) + " of " +
                         std::to_string(bytes.size()) + " bytes");
    }
    if (written && !file.close()) {
        written = failure();
    }
    // The old copy is replaced only by a whole new one.
    if (written && ::MoveFileExW(part->c_str(), copy->c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        written = failure();
    }
    if (!written) {
        if (file.valid()) {
            file.close();
        }
        ::DeleteFileW(part->c_str());
    }
    return written;
}

Status RecoveryStore::removeCopy(const std::string& name) {
    if (opened_ == noHandle) {
        return Done{}; // nothing was ever kept
    }
    const Result<std::wstring> copy = pathInFolder(opened_, name + std::string(copySuffix));
    if (!copy) {
        return copy.error();
    }
    if (::DeleteFileW(copy->c_str()) == 0 && ::GetLastError() != ERROR_FILE_NOT_FOUND) {
        return failure();
    }
    if (name != name_) {
        removeFile(pathInFolder(opened_, name + std::string(lockSuffix)));
    }
    return Done{};
}

} // namespace bse::io
