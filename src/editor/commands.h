#pragma once

#include "platform/ids.h"

namespace bse {

struct Editor;
class Platform;

using CommandHandler = void (*)(Editor&, Platform&);

struct CommandRoute {
    int commandId;
    CommandHandler handler;
};

// Runs a command to its end before returning, as the menu would: also from inside a command.
// The command id is wParam's low word, wherever the command came from.
void sendCommand(Editor& editor, Platform& platform, WParam wParam);

} // namespace bse
