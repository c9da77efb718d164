#pragma once

#include "platform/ids.h"

namespace bse {

struct Editor;
class DialogWindow;
class Platform;

// Each field takes at most this many bytes, terminator included: 199 characters.
inline constexpr std::size_t boardSetInfoFieldSize = 200;

// The procedure of "BoardSet Information": edits the name and the author.
bool BoardSetInfoDialog(Editor& editor, Platform& platform, DialogWindow& dialog, Message message,
                        WParam wParam, LParam lParam);

} // namespace bse
