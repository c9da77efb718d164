#include "model/board_set.h"

namespace bse {

void setDefaultStrings(BoardSet& boardSet) {
    boardSet.brickImagePath = defaultBrickImagePath;
    boardSet.backgroundImagePath = defaultBackgroundImagePath;
    boardSet.boardSetName = defaultBoardSetName;
    boardSet.authorName = defaultAuthorName;
}

} // namespace bse
