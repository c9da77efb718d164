#pragma once

#include "platform/platform.h"

#include <string_view>

class QWidget;

namespace bse {

// Message boxes owned by `owner` (none: on their own), captioned with the program title.
Answer askInBox(QWidget* owner, std::string_view text, bool withCancel);
// OK and an exclamation; `details`, when given, behind a button of their own.
void refuseInBox(QWidget* owner, std::string_view text, std::string_view details = {});
// A start-up failure: to stderr, and in a box when a screen is there.
void reportStartupFailureInBox(QWidget* owner, std::string_view text);

} // namespace bse
