#pragma once

#include <string>

namespace bse {

struct Editor;
class Platform;

// "%s - %s - Board: %d of %d": name, program title, current board and count, from 1.
// Composed in full, however long the name.
std::string composeTitle(const Editor& editor);

// The title and the menu items that follow the state (Undo, Redo, Paste Board), each told only
// when it differs from what was last shown.
void showTitleAndMenus(Editor& editor, Platform& platform);
// The document's path and modified state, told when either changed since last told.
void showDocumentChanges(Editor& editor, Platform& platform);

} // namespace bse
