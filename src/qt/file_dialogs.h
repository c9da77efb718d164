#pragma once

#include "platform/platform.h"

#include <optional>
#include <string>

class QWidget;

namespace bse {

// The standard dialog to open or save a file, owned by `owner`: the path chosen, or nothing.
std::optional<std::string> runFileDialog(QWidget* owner, const FileDialogOptions& options,
                                         bool save);

} // namespace bse
