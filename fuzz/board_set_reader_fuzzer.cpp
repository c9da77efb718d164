// Feeds arbitrary bytes to the BoardSet file reader as File > Open would.

#include "files/board_set_format.h"
#include "fuzz_checks.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

using namespace bse;
using namespace bse::fuzz;

namespace {

const BoardSet& startingSet() {
    static const BoardSet set = makeStartingSet();
    return set;
}

// What a cell becomes after writing and reading back: the file has block numbers 0..42 only, so
// the writer stores every code outside 1..43 (eraser, values past it) as empty, which reads as 1.
BlockCode afterRoundTrip(BlockCode code) {
    return code >= 1 && code <= lastBlockKind ? code : 1;
}

void checkRoundTrip(const BoardSet& read) {
    const std::vector<std::uint8_t> encoded = encodeBoardSet(read);
    BoardSet again = startingSet();
    require(readBoardSet(again, encoded), "own encoding refused");
    require(again.lastBoardIndex == read.lastBoardIndex, "round trip changed the count");
    require(sameStrings(again, read), "round trip changed a string");
    for (int b = 0; b <= read.lastBoardIndex; ++b) {
        const auto slot = static_cast<std::size_t>(b);
        const Board& expected = read.boards[slot];
        const Board& actual = again.boards[slot];
        require(actual.background == expected.background, "round trip changed a background");
        for (std::size_t c = 0; c < expected.cells.size(); ++c) {
            require(actual.cells[c] == afterRoundTrip(expected.cells[c]),
                    "round trip changed a cell");
        }
    }
    require(encodeBoardSet(again) == encoded, "encoding not stable");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const BoardSet& before = startingSet();
    BoardSet set = before;

    if (!readBoardSet(set, bytes)) {
        require(sameEverything(set, before), "refused file changed the BoardSet");
        checkInvariants(set);
        return 0;
    }

    // Acceptance needs at least the header and a count of 1..200 (one byte carries it).
    require(checkBoardSetHeader(bytes), "accepted a bad header");
    require(size >= 12, "accepted a file that ends inside the count");
    require(data[8] >= 1 && data[8] <= maxBoards, "accepted a count outside 1..200");
    require(set.lastBoardIndex == data[8] - 1, "lastBoardIndex is not count - 1");
    require(set.currentBoard == before.currentBoard, "reader touched currentBoard");
    require(set.modified == before.modified, "reader touched modified");
    checkSlotsAfterListKept(before, set);
    for (int b = 0; b <= set.lastBoardIndex; ++b) {
        const Board& board = set.boards[static_cast<std::size_t>(b)];
        require(board.background <= 255, "background wider than its one stored byte");
        for (const BlockCode cell : board.cells) {
            require(cell >= 1 && cell <= 256, "cell outside block number + 1");
        }
    }

    set.currentBoard = 0; // as File > Open does next
    checkInvariants(set);
    checkRoundTrip(set);
    return 0;
}
