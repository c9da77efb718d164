#include "dialogs/dialog_commands.h"

#include "shell/editor.h"
#include "shell/platform.h"

namespace bse {

// The dialogs arrive with their own changes; until then the commands do nothing.
void boardSetSettingsCommand(Editor&, Platform&) {}
void boardBackgroundCommand(Editor&, Platform&) {}
void jumpToBoardCommand(Editor&, Platform&) {}
void aboutCommand(Editor&, Platform&) {}

} // namespace bse
