#pragma once

#include "platform/ids.h"

namespace bse {

class DialogWindow;
class Platform;

// What every dialog does as it opens: centre itself on the screen (halves truncated toward
// zero, size kept) and take the application icon as its big icon.
void centreAndSetIcon(DialogWindow& dialog, Platform& platform);

// What every dialog handles alike, after its own messages: Cancel (also Escape and the close
// box) closes it with result 1, changing nothing; WM_DESTROY is handled; the rest is left to
// the platform.
bool finishDialogMessage(DialogWindow& dialog, Message message, WParam wParam);

} // namespace bse
