// Feeds arbitrary bytes to the version-1 import as File > Import would.
#include "format/version1_import.h"
#include "support/board_set_checks.h"

using namespace bse;
using check::require;

namespace {

const BoardSet& marked() {
    static const BoardSet set = check::markedBoardSet();
    return set;
}

} // namespace

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
    for (std::size_t b = 0; b < boards->size(); ++b) {
        // The file runs row by row, the board column by column.
        for (int row = 0; row < boardRows; ++row) {
            for (int column = 0; column < boardColumns; ++column) {
                const BlockCode cell =
                    (*boards)[b][static_cast<std::size_t>(cellIndex(column, row))];
                const std::uint8_t code =
                    data[b * version1BoardSize +
                         static_cast<std::size_t>(row * boardColumns + column)];
                require(cell == static_cast<BlockCode>(translateVersion1Code(code)) + 1,
                        "a cell is not the translated code at its row and column");
            }
        }
    }
    const BoardSet& before = marked();
    BoardSet set = before;
    adoptBoardCells(set, *boards);
    require(check::brokenInvariant(set).empty(), "import broke an invariant");
    for (int b = 0; b < maxBoards; ++b) {
        require(set.board(b).background == before.board(b).background, "a background changed");
    }
    return 0;
}
