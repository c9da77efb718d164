// boardset render: the core draws, the PNG codec writes; no display, no toolkit.
#include "cli/board_pictures.h"
#include "cli/command_support.h"
#include "cli/merge_and_diff.h"
#include "platform/ids.h"
#include "png/embedded_pictures.h"
#include "png/png.h"

namespace bse::cli {

int renderCommand(const Request& request) {
    const std::string& path = request.inputs.front();
    const Result<BoardSet> set = readBoardSetFile(path);
    if (!set) {
        return fail(shownName(path), set.reason());
    }
    if (!request.all && request.board > set->boardCount()) {
        return fail(shownName(path),
                    "there is no board " + std::to_string(request.board) + ": the BoardSet has " +
                        std::to_string(set->boardCount()),
                    exitUsage);
    }
    std::optional<Picture> blockStrip = png::embeddedPicture(IDB_BLOCKS);
    if (!blockStrip) {
        return fail("render", "the block pictures could not be loaded");
    }
    const Picture picture = request.all ? overviewSheet(*set, *blockStrip)
                                        : boardPicture(set->board(request.board - 1), *blockStrip);
    return write(request.output, png::encode(picture));
}

} // namespace bse::cli
