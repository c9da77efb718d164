#include "model/board_set_merge.h"

#include <algorithm>
#include <cstring>

namespace bse {

namespace {

std::uint64_t boardHash(const Board& board) {
    std::uint64_t hash = 1469598103934665603u ^ board.background;
    for (const BlockCode cell : board.cells) {
        hash = (hash ^ cell) * 1099511628211u;
    }
    return hash;
}

int equalCells(const Board& a, const Board& b) {
    int equal = 0;
    for (std::size_t c = 0; c < a.cells.size(); ++c) {
        equal += a.cells[c] == b.cells[c];
    }
    return equal;
}

// Between two matches of equal boards: pairs of changed boards, in order, with the most equal
// cells in all; a pair needs more than half its cells equal. Gaps too large for the table are
// paired in order.
void pairChanged(std::span<const Board> from, std::span<const Board> to, int i0, int i1, int j0,
                 int j1, std::vector<int>& match) {
    const int n = i1 - i0, m = j1 - j0;
    if (n == 0 || m == 0) {
        return;
    }
    const auto similar = [&](int i, int j) {
        const int equal =
            equalCells(from[static_cast<std::size_t>(i)], to[static_cast<std::size_t>(j)]);
        return equal > cellsPerBoard / 2 ? equal : -1;
    };
    if (n * m > 64 * 64) {
        for (int k = 0; k < std::min(n, m); ++k) {
            if (similar(i0 + k, j0 + k) > 0) {
                match[static_cast<std::size_t>(i0 + k)] = j0 + k;
            }
        }
        return;
    }
    // score[i][j]: the best for the first i and j boards of the gap.
    std::vector<int> score(static_cast<std::size_t>((n + 1) * (m + 1)));
    const auto at = [&](int i, int j) -> int& {
        return score[static_cast<std::size_t>(i * (m + 1) + j)];
    };
    std::vector<int> sim(static_cast<std::size_t>(n * m));
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= m; ++j) {
            const int s = sim[static_cast<std::size_t>((i - 1) * m + j - 1)] =
                similar(i0 + i - 1, j0 + j - 1);
            at(i, j) = std::max({at(i - 1, j), at(i, j - 1), s > 0 ? at(i - 1, j - 1) + s : 0});
        }
    }
    for (int i = n, j = m; i > 0 && j > 0;) {
        const int s = sim[static_cast<std::size_t>((i - 1) * m + j - 1)];
        if (s > 0 && at(i, j) == at(i - 1, j - 1) + s) {
            match[static_cast<std::size_t>(i0 + i - 1)] = j0 + j - 1;
            --i, --j;
        } else if (at(i, j) == at(i - 1, j)) {
            --i;
        } else {
            --j;
        }
    }
}

// The boards of a set, 1 to count.
std::span<const Board> boardsOf(const BoardSet& set) {
    return std::span(set.boards).first(static_cast<std::size_t>(set.boardCount()));
}

template <typename T> bool mergeValue(const T& base, const T& ours, const T& theirs, T& into) {
    into = ours == base ? theirs : ours;
    return ours == theirs || ours == base || theirs == base;
}

} // namespace

bool sameBoard(const Board& a, const Board& b) {
    return a.background == b.background && a.cells == b.cells;
}

std::vector<int> alignBoards(std::span<const Board> from, std::span<const Board> to) {
    const int n = static_cast<int>(from.size()), m = static_cast<int>(to.size());
    std::vector<std::uint64_t> fromHash(from.size()), toHash(to.size());
    std::ranges::transform(from, fromHash.begin(), boardHash);
    std::ranges::transform(to, toHash.begin(), boardHash);
    const auto equal = [&](int i, int j) {
        const auto a = static_cast<std::size_t>(i), b = static_cast<std::size_t>(j);
        return fromHash[a] == toHash[b] && sameBoard(from[a], to[b]);
    };
    // The longest common run of equal boards, from the ends backwards.
    std::vector<std::int16_t> common(static_cast<std::size_t>((n + 1) * (m + 1)));
    const auto at = [&](int i, int j) -> std::int16_t& {
        return common[static_cast<std::size_t>(i * (m + 1) + j)];
    };
    for (int i = n - 1; i >= 0; --i) {
        for (int j = m - 1; j >= 0; --j) {
            at(i, j) = equal(i, j) ? static_cast<std::int16_t>(at(i + 1, j + 1) + 1)
                                   : std::max(at(i + 1, j), at(i, j + 1));
        }
    }
    std::vector<int> match(from.size(), -1);
    int gapFrom = 0, gapTo = 0;
    for (int i = 0, j = 0; i < n && j < m;) {
        if (equal(i, j) && at(i, j) == at(i + 1, j + 1) + 1) {
            pairChanged(from, to, gapFrom, i, gapTo, j, match);
            match[static_cast<std::size_t>(i)] = j;
            gapFrom = ++i;
            gapTo = ++j;
        } else if (at(i + 1, j) >= at(i, j + 1)) {
            ++i;
        } else {
            ++j;
        }
    }
    pairChanged(from, to, gapFrom, n, gapTo, m, match);
    return match;
}

MergeResult mergeBoardSets(const BoardSet& base, const BoardSet& ours, const BoardSet& theirs) {
    MergeResult result{ours, {}};
    const auto baseBoards = boardsOf(base), ourBoards = boardsOf(ours),
               theirBoards = boardsOf(theirs);
    const std::vector<int> toOurs = alignBoards(baseBoards, ourBoards);
    const std::vector<int> toTheirs = alignBoards(baseBoards, theirBoards);
    // Boards go straight into the result, counted on past 200 to tell a merge that is too long.
    int count = 0;
    const auto put = [&](const Board& board) {
        if (count < maxBoards) {
            result.merged.boards[static_cast<std::size_t>(count)] = board;
        }
        ++count;
    };
    const auto take = [&](std::span<const Board> boards, int first, int end) {
        std::for_each(boards.begin() + first, boards.begin() + end, put);
    };
    // A stretch of the base between boards both sides kept is taken from the side that changed
    // it; a board both kept is merged cell by cell.
    const auto unchanged = [&](const std::vector<int>& match, std::span<const Board> side, int b0,
                               int b1, int s0, int s1) {
        if (s1 - s0 != b1 - b0) {
            return false;
        }
        for (int k = b0; k < b1; ++k) {
            const int s = match[static_cast<std::size_t>(k)];
            if (s != s0 + k - b0 || !sameBoard(side[static_cast<std::size_t>(s)],
                                               baseBoards[static_cast<std::size_t>(k)])) {
                return false;
            }
        }
        return true;
    };
    int b0 = 0, o0 = 0, t0 = 0;
    const int baseCount = base.boardCount();
    for (int b = 0; b <= baseCount; ++b) {
        const bool end = b == baseCount;
        const int o = end ? ours.boardCount() : toOurs[static_cast<std::size_t>(b)];
        const int t = end ? theirs.boardCount() : toTheirs[static_cast<std::size_t>(b)];
        if (o < 0 || t < 0) {
            continue;
        }
        const bool oursSame = unchanged(toOurs, ourBoards, b0, b, o0, o);
        const bool theirsSame = unchanged(toTheirs, theirBoards, b0, b, t0, t);
        const bool bothAlike =
            o - o0 == t - t0 && std::equal(ourBoards.begin() + o0, ourBoards.begin() + o,
                                           theirBoards.begin() + t0, sameBoard);
        if (oursSame && !theirsSame) {
            take(theirBoards, t0, t);
        } else {
            if (!theirsSame && !bothAlike) {
                result.conflicts.push_back({.kind = MergeConflict::Kind::Boards,
                                            .board = count,
                                            .baseFirst = b0,
                                            .baseEnd = b,
                                            .ours = static_cast<std::uint32_t>(o - o0),
                                            .theirs = static_cast<std::uint32_t>(t - t0)});
            }
            take(ourBoards, o0, o);
        }
        if (end) {
            break;
        }
        const Board& baseBoard = baseBoards[static_cast<std::size_t>(b)];
        const Board& ourBoard = ourBoards[static_cast<std::size_t>(o)];
        const Board& theirBoard = theirBoards[static_cast<std::size_t>(t)];
        Board board;
        const int at = count;
        if (!mergeValue(baseBoard.background, ourBoard.background, theirBoard.background,
                        board.background)) {
            result.conflicts.push_back({.kind = MergeConflict::Kind::Background,
                                        .board = at,
                                        .ours = ourBoard.background,
                                        .theirs = theirBoard.background});
        }
        for (std::size_t c = 0; c < board.cells.size(); ++c) {
            if (!mergeValue(baseBoard.cells[c], ourBoard.cells[c], theirBoard.cells[c],
                            board.cells[c])) {
                result.conflicts.push_back({.kind = MergeConflict::Kind::Cell,
                                            .board = at,
                                            .cell = static_cast<int>(c),
                                            .ours = ourBoard.cells[c],
                                            .theirs = theirBoard.cells[c]});
            }
        }
        put(board);
        b0 = b + 1, o0 = o + 1, t0 = t + 1;
    }
    for (int s = 0; s < 4; ++s) {
        std::string& into = *boardSetStrings(result.merged)[static_cast<std::size_t>(s)];
        const auto index = static_cast<std::size_t>(s);
        if (!mergeValue(*boardSetStrings(base)[index], *boardSetStrings(ours)[index],
                        *boardSetStrings(theirs)[index], into)) {
            result.conflicts.push_back({.kind = MergeConflict::Kind::Text, .text = s});
        }
    }
    if (count > maxBoards) {
        return {
            ours,
            {{.kind = MergeConflict::Kind::TooMany, .ours = static_cast<std::uint32_t>(count)}}};
    }
    result.merged.lastBoardIndex = count - 1;
    result.merged.currentBoard = 0;
    return result;
}

} // namespace bse
