#pragma once

#include "shell/ids.h"

#include <span>

namespace bse {

struct Editor;
class Platform;

using CommandHandler = void (*)(Editor&, Platform&);

struct CommandRoute {
    int commandId;
    CommandHandler handler;
};

struct KeyRoute {
    WParam virtualKey;
    int commandId;
};

std::span<const CommandRoute> commandTable();
std::span<const KeyRoute> arrowKeyTable();

// The single dispatcher of the main window's messages; returns the handled flag.
bool MainWindowProc(Editor& editor, Platform& platform, Message message, WParam wParam,
                    LParam lParam);

// Runs a command to its end before returning, as the menu would: also from inside a command.
void sendCommand(Editor& editor, Platform& platform, int commandId);

// One tick of the window-icon animation.
void stepIconAnimation(Editor& editor, Platform& platform);

} // namespace bse
