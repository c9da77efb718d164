// Feeds arbitrary bytes to the BoardSet file reader as File > Open would.
#include "format/board_set_format.h"
#include "support/board_set_checks.h"

using namespace bse;
using check::require;

namespace {

// The file keeps block numbers 0..42 only: every other code is written as empty, read as 1.
BlockCode afterRoundTrip(BlockCode code) {
    return code >= 1 && code <= lastBlockKind ? code : 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const Result<BoardSet> read = readBoardSet(bytes);
    if (!read) {
        require(!read.reason().empty(), "a refusal without a reason");
        return 0;
    }
    require(checkBoardSetHeader(bytes) && size >= 12, "accepted without header and count");
    require(read->lastBoardIndex == data[8] - 1, "lastBoardIndex is not the count - 1");
    require(check::brokenInvariant(*read).empty(), check::brokenInvariant(*read));

    // What the editor does with it: slots past the list keep what they held.
    BoardSet adopted = check::markedBoardSet();
    adoptBoardSet(adopted, *read);
    for (int b = read->boardCount(); b < maxBoards; ++b) {
        require(adopted.board(b).background == static_cast<std::uint32_t>(1000 + b),
                "a slot past the list changed");
    }

    // Written and read back, it is the same BoardSet up to what the file cannot keep.
    const std::vector<std::uint8_t> encoded = encodeBoardSet(*read);
    const Result<BoardSet> again = readBoardSet(encoded);
    require(again.ok(), "own encoding refused");
    BoardSet expected = *read;
    for (int b = 0; b < read->boardCount(); ++b) {
        for (BlockCode& cell : expected.board(b).cells) {
            cell = afterRoundTrip(cell);
        }
    }
    require(check::firstDifference(*again, expected).empty(),
            "round trip: " + check::firstDifference(*again, expected));
    require(encodeBoardSet(*again) == encoded, "encoding not stable");
    return 0;
}
