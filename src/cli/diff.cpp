#include "cli/command_support.h"
#include "cli/merge_and_diff.h"
#include "format/text_form.h"
#include "model/block_names.h"
#include "model/board_set_merge.h"

#include <cstdio>

namespace bse::cli {

namespace {

constexpr const char* stringNames[] = {"name", "author", "brick picture path",
                                       "background picture path"};

std::string number(int index) {
    return std::to_string(index + 1);
}

// What changed inside a board that both files hold.
void boardChanges(const Board& a, const Board& b, const std::string& board, std::string& out) {
    if (a.background != b.background) {
        out += board + ": background " + std::to_string(a.background) + " → " +
               std::to_string(b.background) + "\n";
    }
    for (int row = 0; row < boardRows; ++row) {
        for (int column = 0; column < boardColumns; ++column) {
            const auto c = static_cast<std::size_t>(cellIndex(column, row));
            if (a.cells[c] != b.cells[c]) {
                out += board + ": column " + number(column) + ", row " + number(row) + ": " +
                       std::string(blockName(a.cells[c])) + " → " +
                       std::string(blockName(b.cells[c])) + "\n";
            }
        }
    }
}

} // namespace

int diffCommand(const Request& request) {
    if (request.inputs.size() != 2) {
        return fail("diff", "give A B", exitUsage);
    }
    const Result<BoardSet> sets[2] = {readBoardSetFile(request.inputs[0]),
                                      readBoardSetFile(request.inputs[1])};
    for (std::size_t k = 0; k < 2; ++k) {
        if (!sets[k]) {
            return fail(shownName(request.inputs[k]), sets[k].reason(), exitTrouble);
        }
    }
    const BoardSet &a = *sets[0], &b = *sets[1];
    std::string out;
    for (std::size_t s = 0; s < 4; ++s) {
        const std::string &from = *boardSetStrings(a)[s], &to = *boardSetStrings(b)[s];
        if (from != to) {
            out += std::string(stringNames[s]) + ": " + jsonString(from) + " → " + jsonString(to) +
                   "\n";
        }
    }
    const int countA = a.boardCount(), countB = b.boardCount();
    const std::vector<int> match =
        alignBoards(std::span(a.boards).first(static_cast<std::size_t>(countA)),
                    std::span(b.boards).first(static_cast<std::size_t>(countB)));
    // A board gone from one place and equal to one new in another has moved.
    std::vector<int> movedTo(static_cast<std::size_t>(countA), -1);
    std::vector<bool> added(static_cast<std::size_t>(countB), true);
    for (const int j : match) {
        if (j >= 0) {
            added[static_cast<std::size_t>(j)] = false;
        }
    }
    for (int i = 0; i < countA; ++i) {
        for (int j = 0; j < countB && match[static_cast<std::size_t>(i)] < 0; ++j) {
            if (added[static_cast<std::size_t>(j)] && sameBoard(a.board(i), b.board(j))) {
                movedTo[static_cast<std::size_t>(i)] = j;
                added[static_cast<std::size_t>(j)] = false;
                break;
            }
        }
    }
    for (int i = 0, j = 0; i < countA || j < countB;) {
        const int to = i < countA ? match[static_cast<std::size_t>(i)] : -1;
        if (i < countA && to < 0) {
            const int moved = movedTo[static_cast<std::size_t>(i)];
            out += "board " + number(i) +
                   (moved < 0 ? " removed\n" : " moved to " + number(moved) + "\n");
            ++i;
        } else if (j < countB && (i == countA || to != j)) {
            if (added[static_cast<std::size_t>(j)]) {
                out += "board " + number(j) + " added\n";
            }
            ++j;
        } else {
            boardChanges(a.board(i), b.board(j),
                         "board " + number(j) + (i == j ? "" : " (was " + number(i) + ")"), out);
            ++i, ++j;
        }
    }
    std::fputs(out.c_str(), stdout);
    return out.empty() ? exitSuccess : exitRefused;
}

} // namespace bse::cli
