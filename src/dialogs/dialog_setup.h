#pragma once

namespace bse {

class DialogWindow;
class Platform;

// What every dialog does as it opens: centre itself on the screen (halves truncated toward
// zero, size kept) and take the application icon as its big icon.
void centreAndSetIcon(DialogWindow& dialog, Platform& platform);

} // namespace bse
