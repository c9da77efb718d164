#pragma once

#include "platform/ids.h"

namespace bse {

struct Editor;
class DialogWindow;
class Platform;

// The file keeps a background number in one byte.
inline constexpr unsigned maxBackgroundNumber = 255;

// The procedure of "Pick Board Background": the background number of the current board.
bool PickBackgroundDialog(Editor& editor, Platform& platform, DialogWindow& dialog, Message message,
                          WParam wParam, LParam lParam);

} // namespace bse
