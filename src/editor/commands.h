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
// The whole wParam is compared, so only plain menu commands and the close request match.
void sendCommand(Editor& editor, Platform& platform, WParam command);

} // namespace bse
