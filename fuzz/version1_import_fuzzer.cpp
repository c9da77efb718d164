// Feeds arbitrary bytes to the version-1 import as File > Import would.

#include "files/version1_import.h"
#include "fuzz_checks.h"

#include <cstddef>
#include <cstdint>
#include <span>

using namespace bse;
using namespace bse::fuzz;

namespace {

const BoardSet& startingSet() {
    static const BoardSet set = makeStartingSet();
    return set;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const BoardSet& before = startingSet();
    BoardSet set = before;

    const bool accepted = importVersion1File(set, bytes);
    const bool acceptable = size >= version1BoardSize && size < (maxBoards + 1) * version1BoardSize;
    require(accepted == acceptable, "accepted unless 400 <= size < 80400, or refused within");
    require((checkVersion1File(size) == Version1Check::Ok) == acceptable,
            "checkVersion1File disagrees with the size rule");
    if (!accepted) {
        require(sameEverything(set, before), "refused file changed the BoardSet");
        checkInvariants(set);
        return 0;
    }

    const int count = static_cast<int>(size / version1BoardSize);
    require(set.lastBoardIndex == count - 1, "lastBoardIndex is not size / 400 - 1");
    require(sameStrings(set, before), "import changed a string");
    require(set.modified == before.modified, "import touched modified");
    checkSlotsAfterListKept(before, set);
    for (int b = 0; b < count; ++b) {
        const auto slot = static_cast<std::size_t>(b);
        const Board& board = set.boards[slot];
        require(board.background == before.boards[slot].background, "import changed a background");
        // The file runs row by row, the board column by column.
        for (int row = 0; row < boardRows; ++row) {
            for (int column = 0; column < boardColumns; ++column) {
                const BlockCode cell =
                    board.cells[static_cast<std::size_t>(cellIndex(column, row))];
                require(cell >= 1 && cell <= 41, "imported cell outside 1..41");
                const std::uint8_t code =
                    data[slot * version1BoardSize +
                         static_cast<std::size_t>(row * boardColumns + column)];
                require(cell == static_cast<BlockCode>(translateVersion1Code(code)) + 1,
                        "imported cell is not the translated code at its row and column");
            }
        }
    }

    set.currentBoard = 0; // as File > Import does next
    checkInvariants(set);
    return 0;
}
