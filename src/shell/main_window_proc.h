#pragma once

#include "platform/ids.h"

#include <span>

namespace bse {

struct Editor;
class Platform;

struct KeyRoute {
    WParam virtualKey;
    int commandId;
    WParam modifiers = 0; // MK_SHIFT: only with Shift held
};

std::span<const KeyRoute> arrowKeyTable();

// The single dispatcher of the main window's messages; returns the handled flag.
bool MainWindowProc(Editor& editor, Platform& platform, Message message, WParam wParam,
                    LParam lParam);

// Tells the desktop the document's path and modified state when either changed since it was
// last told. The window's handler runs it after every message.
void showDocumentChanges(Editor& editor, Platform& platform);

// One tick of the window-icon animation.
void stepIconAnimation(Editor& editor, Platform& platform);

} // namespace bse
