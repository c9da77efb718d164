// Feeds arbitrary bytes to the version-1 import as File > Import would.
#include "format/version1_import.h"
#include "support/board_set_checks.h"

using namespace bse;
using check::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const auto boards = readVersion1Boards(bytes);
    const bool acceptable = size >= version1BoardSize && size <= longestVersion1File;
    require(boards.ok() == acceptable, "accepted unless 400 <= size < 80400");
    require(checkVersion1Size(size).ok() == acceptable, "the size check disagrees");
    if (!boards) {
        return 0;
    }
    require(boards->size() == size / version1BoardSize, "not one board per 400 bytes");
    // Where each code goes, the golden test of every code at every position shows.
    const BoardSet& before = check::markedBoardSet();
    BoardSet set = before;
    adoptBoardCells(set, *boards);
    require(check::brokenInvariant(set).empty(), "import broke an invariant");
    for (int b = 0; b < maxBoards; ++b) {
        require(set.board(b).background == before.board(b).background, "a background changed");
    }
    return 0;
}
