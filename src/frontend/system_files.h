#pragma once

#include "platform/platform.h"

namespace bse {

// The file service on the file layer (src/io), as every front end provides it: a front end names
// it beside Platform and says how the system's reasons read as message text, and how paths show.
class SystemFiles : public virtual FileService {
  public:
    Result<FileHead, ReadFailure> readFile(const std::string& path, std::size_t limit,
                                           LongFile longFile) override;
    Status writeFileAtomically(const std::string& path, const Bytes& bytes) override;
    std::vector<std::string> keptCopies(const std::string& path) override;
    Status restoreKeptCopy(const std::string& path, const std::string& copy) override;
    std::optional<FileIdentity> fileIdentity(const std::string& path) override;

  protected:
    // A reason the system gave, in its own encoding, as Windows-1252 message text.
    virtual std::string messageText(const std::string& reason) = 0;
};

} // namespace bse
