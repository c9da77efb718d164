#pragma once

#include "platform/ids.h"

#include <span>

namespace bse {

struct Editor;
class Platform;

struct KeyRoute {
    WParam virtualKey;
    int commandId;
    HeldModifiers modifiers = HeldModifiers::None; // Shift: only with Shift alone held
};

std::span<const KeyRoute> arrowKeyTable();

// The single dispatcher of the main window's messages; returns the handled flag.
bool MainWindowProc(Editor& editor, Platform& platform, Message message, WParam wParam,
                    LParam lParam);

// After each message, the one step that brings what the desktop shows up to date with the state,
// telling only what changed: the title and menu items, the overview and the selection's overlay
// on the grid, the document's path and modified state, and the recovery copy.
// `reach` is what the message may have changed on the grid: a paint or an icon tick nothing, a
// pointer move only the current board.
enum class Reach { Everything, CurrentBoard, Nothing };
void showState(Editor& editor, Platform& platform, Reach reach = Reach::Everything);

// One tick of the window-icon animation.
void stepIconAnimation(Editor& editor, Platform& platform);

} // namespace bse
