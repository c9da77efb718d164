#include "cli/command_support.h"
#include "cli/merge_and_diff.h"
#include "format/board_set_format.h"
#include "format/text_form.h"
#include "model/block_names.h"
#include "model/board_set_merge.h"

#include <algorithm>
#include <cstdio>

namespace bse::cli {

namespace {

constexpr const char* stringNames[] = {"name", "author", "brick picture path",
                                       "background picture path"};

std::string conflictLine(const MergeConflict& c, const BoardSet& ours, const BoardSet& theirs) {
    using Kind = MergeConflict::Kind;
    const std::string board = "board " + std::to_string(c.board + 1);
    switch (c.kind) {
    case Kind::Cell:
        return board + ", column " + std::to_string(c.cell / boardRows + 1) + ", row " +
               std::to_string(c.cell % boardRows + 1) + ": ours " + std::string(blockName(c.ours)) +
               ", theirs " + std::string(blockName(c.theirs));
    case Kind::Background:
        return board + ", background: ours " + std::to_string(c.ours) + ", theirs " +
               std::to_string(c.theirs);
    case Kind::Text: {
        const auto s = static_cast<std::size_t>(c.text);
        return std::string(stringNames[s]) + ": ours " + jsonString(*boardSetStrings(ours)[s]) +
               ", theirs " + jsonString(*boardSetStrings(theirs)[s]);
    }
    case Kind::Boards: {
        const auto boards = [](std::uint32_t n) {
            return std::to_string(n) + (n == 1 ? " board" : " boards");
        };
        if (c.baseFirst == c.baseEnd) {
            return board + ": ours added " + boards(c.ours) + " here, theirs " +
                   std::to_string(c.theirs) + "; ours kept";
        }
        const std::string first = std::to_string(c.baseFirst + 1);
        return board + ": base " +
               (c.baseEnd - c.baseFirst == 1
                    ? "board " + first + " is "
                    : "boards " + first + " to " + std::to_string(c.baseEnd) + " are ") +
               boards(c.ours) + " in ours, " + std::to_string(c.theirs) + " in theirs; ours kept";
    }
    case Kind::TooMany:
        break;
    }
    return "the merge would hold " + std::to_string(c.ours) + " boards, more than 200; ours kept";
}

} // namespace

int mergeCommand(const Request& request) {
    if (request.inputs.size() != 3) {
        return fail("merge", "give BASE OURS THEIRS", exitUsage);
    }
    Input ourInput;
    Result<BoardSet> sets[3] = {readBoardSetFile(request.inputs[0]),
                                readBoardSetFile(request.inputs[1], &ourInput),
                                readBoardSetFile(request.inputs[2])};
    for (std::size_t k = 0; k < 3; ++k) {
        if (!sets[k]) {
            return fail(shownName(request.inputs[k]), sets[k].reason(), exitTrouble);
        }
    }
    const MergeResult result = mergeBoardSets(*sets[0], *sets[1], *sets[2]);
    std::string report;
    for (const MergeConflict& conflict : result.conflicts) {
        report += conflictLine(conflict, *sets[1], *sets[2]) + "\n";
    }
    std::fputs(report.c_str(), stderr);
    const std::vector<std::uint8_t> bytes = encodeBoardSet(result.merged);
    // A merge that changes nothing of ours leaves the file alone.
    if (!std::ranges::equal(bytes, ourInput.bytes)) {
        if (const Status written = writeOutput(request.inputs[1], bytes); !written) {
            writeFailed(request.inputs[1], written.reason());
            return exitTrouble;
        }
    }
    return result.conflicts.empty() ? exitSuccess : exitRefused;
}

} // namespace bse::cli
