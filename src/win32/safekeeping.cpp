// Recovery copies: the file layer's store under %LOCALAPPDATA%, written on a background thread
// (src/frontend); a failed write comes to the window as WM_RECOVERYFAILED.
#include "win32/win32_platform.h"

namespace bse {

bool Win32Platform::startSafekeeping() {
    return safekeeping_.startSafekeeping();
}

std::vector<std::string> Win32Platform::orphanedRecoveryCopies() {
    return safekeeping_.orphanedRecoveryCopies();
}

Result<Bytes> Win32Platform::readRecoveryCopy(const std::string& name) {
    return safekeeping_.readRecoveryCopy(name);
}

Status Win32Platform::setRecoveryCopyAside(const std::string& name) {
    return safekeeping_.setRecoveryCopyAside(name);
}

void Win32Platform::writeRecoveryCopy(Bytes bytes) {
    safekeeping_.writeRecoveryCopy(std::move(bytes));
}

void Win32Platform::removeRecoveryCopy(const std::string& name) {
    safekeeping_.removeRecoveryCopy(name);
}

std::string Win32Platform::recoveryFailure() {
    return safekeeping_.recoveryFailure();
}

} // namespace bse
