#pragma once

#include <string>

namespace bse {

struct Editor;
class Platform;

// "%s - %s - Board: %d of %d": name, program title, current board and count, from 1.
// Composed in full, however long the name.
std::string composeTitle(const Editor& editor);
void updateTitle(Editor& editor, Platform& platform);

} // namespace bse
