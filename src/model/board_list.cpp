#include "model/board_list.h"

#include "shell/editor.h"
#include "shell/platform.h"

namespace bse {

// The board list editing arrives with its own change; until then the commands do nothing.
void clearBoard(Editor&, Platform&) {}
void copyBoardCommand(Editor&, Platform&) {}
void pasteBoardCommand(Editor&, Platform&) {}
void clearBoardCommand(Editor&, Platform&) {}
void addBoardCommand(Editor&, Platform&) {}
void insertBoardCommand(Editor&, Platform&) {}
void deleteBoardCommand(Editor&, Platform&) {}
void previousBoardCommand(Editor&, Platform&) {}
void nextBoardCommand(Editor&, Platform&) {}
void firstBoardCommand(Editor&, Platform&) {}
void lastBoardCommand(Editor&, Platform&) {}

} // namespace bse
