#include "files/file_commands.h"

#include "shell/editor.h"
#include "shell/platform.h"

namespace bse {

// Files arrive with their own change; until then only Exit acts.
void newCommand(Editor&, Platform&) {}
void openCommand(Editor&, Platform&) {}
void saveCommand(Editor&, Platform&) {}
void saveAsCommand(Editor&, Platform&) {}
void importCommand(Editor&, Platform&) {}
void revertCommand(Editor&, Platform&) {}

void exitCommand(Editor&, Platform& platform) {
    platform.quit(0);
}

} // namespace bse
