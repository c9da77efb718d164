#pragma once

#include "platform/ids.h"

namespace bse {

struct Editor;
class DialogWindow;
class Platform;

// The procedure of "Jump to Board": makes any board current by its number (from 1).
bool JumpToBoardDialog(Editor& editor, Platform& platform, DialogWindow& dialog, Message message,
                       WParam wParam, LParam lParam);

} // namespace bse
