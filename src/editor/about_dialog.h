#pragma once

#include "platform/ids.h"

#include <string_view>

namespace bse {

struct Editor;
class DialogWindow;
class Platform;

// The credits shown by the about box: 19 lines.
extern const std::string_view aboutText;

// Writes the credits into the about picture: a black shadow 2 right and 1 down, white on top.
// Drawing them again leaves the picture as it was.
void drawAboutText(Editor& editor, Platform& platform);

// The procedure of "Who done it!": the about picture with the credits; a left click closes it.
bool AboutDialog(Editor& editor, Platform& platform, DialogWindow& dialog, Message message,
                 WParam wParam, LParam lParam);

} // namespace bse
