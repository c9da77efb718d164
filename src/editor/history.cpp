#include "editor/history.h"

#include <algorithm>

namespace bse {

namespace {

template <class... F> struct Visitor : F... { using F::operator()...; };

std::size_t stringBytes(const std::string& text) {
    // Short strings live inside the string object.
    return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

void applyCells(BoardSet& set, const CellsStep& step, bool forward) {
    BoardCells& cells = set.board(step.board).cells;
    for (const CellChange& change : step.changes) {
        cells[change.index] = forward ? change.after : change.before;
    }
    set.currentBoard = step.board;
}

void applyBoards(BoardSet& set, const BoardsStep& step, bool forward) {
    for (const CellsStep& board : step.boards) {
        applyCells(set, board, forward);
    }
    set.currentBoard = step.board;
}

void applyLeadingBoards(BoardSet& set, const LeadingBoards& state) {
    for (std::size_t b = 0; b < state.cells.size(); ++b) {
        set.boards[b].cells = state.cells[b];
    }
    set.lastBoardIndex = state.lastBoardIndex;
    set.currentBoard = state.currentBoard;
    set.boardSetName = state.boardSetName;
    set.authorName = state.authorName;
}

} // namespace

void redoStep(BoardSet& set, const Step& step) {
    std::visit(Visitor{
                   [&](const CellsStep& s) { applyCells(set, s, true); },
                   [&](const InsertionStep& s) { insertEmptyBoard(set, s.position); },
                   [&](const DeletionStep& s) {
                       set.currentBoard = s.position;
                       deleteBoard(set, s.position);
                   },
                   [&](const BackgroundStep& s) {
                       set.board(s.board).background = s.after;
                       set.currentBoard = s.board;
                   },
                   [&](const NamesStep& s) {
                       set.boardSetName = s.nameAfter;
                       set.authorName = s.authorAfter;
                       set.currentBoard = s.board;
                   },
                   [&](const ImportStep& s) { applyLeadingBoards(set, s.after); },
                   [&](const MoveStep& s) { moveBoard(set, s.from, s.to); },
                   [&](const DuplicationStep& s) { duplicateBoard(set, s.position); },
                   [&](const BoardsStep& s) { applyBoards(set, s, true); },
               },
               step);
}

void undoStep(BoardSet& set, const Step& step) {
    std::visit(Visitor{
                   [&](const CellsStep& s) { applyCells(set, s, false); },
                   [&](const InsertionStep& s) {
                       const int overwrittenSlot = set.lastBoardIndex;
                       deleteBoard(set, s.position);
                       set.board(overwrittenSlot).cells = *s.overwritten;
                       set.currentBoard = s.boardBefore;
                   },
                   [&](const DeletionStep& s) {
                       insertEmptyBoard(set, s.position);
                       set.current().cells = *s.removed;
                   },
                   [&](const BackgroundStep& s) {
                       set.board(s.board).background = s.before;
                       set.currentBoard = s.board;
                   },
                   [&](const NamesStep& s) {
                       set.boardSetName = s.nameBefore;
                       set.authorName = s.authorBefore;
                       set.currentBoard = s.board;
                   },
                   [&](const ImportStep& s) { applyLeadingBoards(set, s.before); },
                   [&](const MoveStep& s) { moveBoard(set, s.to, s.from); },
                   [&](const DuplicationStep& s) {
                       const int last = set.lastBoardIndex;
                       const auto first = set.boards.begin();
                       std::copy(first + s.position + 2, first + last + 1, first + s.position + 1);
                       set.board(last) = *s.overwritten;
                       --set.lastBoardIndex;
                       set.currentBoard = s.position;
                   },
                   [&](const BoardsStep& s) { applyBoards(set, s, false); },
               },
               step);
}

CellsStep cellChanges(int board, const BoardCells& before, const BoardCells& after) {
    CellsStep step{board, {}};
    for (std::size_t c = 0; c < before.size(); ++c) {
        if (before[c] != after[c]) {
            step.changes.push_back({static_cast<std::uint16_t>(c), before[c], after[c]});
        }
    }
    return step;
}

std::size_t stepBytes(const Step& step) {
    const auto leading = [](const LeadingBoards& state) {
        return state.cells.capacity() * sizeof(BoardCells) + stringBytes(state.boardSetName) +
               stringBytes(state.authorName);
    };
    return sizeof(Step) +
           std::visit(
               Visitor{
                   [](const CellsStep& s) { return s.changes.capacity() * sizeof(CellChange); },
                   [](const InsertionStep&) { return sizeof(BoardCells); },
                   [](const DeletionStep&) { return sizeof(BoardCells); },
                   [](const BackgroundStep&) { return std::size_t{0}; },
                   [](const NamesStep& s) {
                       return stringBytes(s.nameBefore) + stringBytes(s.authorBefore) +
                              stringBytes(s.nameAfter) + stringBytes(s.authorAfter);
                   },
                   [&](const ImportStep& s) { return leading(s.before) + leading(s.after); },
                   [](const MoveStep&) { return std::size_t{0}; },
                   [](const DuplicationStep&) { return sizeof(Board); },
                   [](const BoardsStep& s) {
                       std::size_t bytes = s.boards.capacity() * sizeof(CellsStep);
                       for (const CellsStep& board : s.boards) {
                           bytes += board.changes.capacity() * sizeof(CellChange);
                       }
                       return bytes;
                   },
               },
               step);
}

void History::record(Step step) {
    // A new change makes the undone steps unreachable, and the clean point with them if it
    // lay there.
    while (steps_.size() > position_) {
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
    }
    if (clean_ && *clean_ > position_) {
        clean_.reset();
    }
    const std::size_t cost = stepBytes(step) + sizeof(Entry) - sizeof(Step);
    steps_.push_back({std::move(step), cost});
    ++edits_;
    bytes_ += cost;
    ++position_;
    dropOldestOverLimit();
}

void History::dropOldestOverLimit() {
    // The step to redo next stays: dropping it would leave redo a gap.
    while (bytes_ > byteLimit_ && steps_.size() > 1 && position_ > 0) {
        bytes_ -= steps_.front().bytes;
        steps_.pop_front();
        --position_;
        if (clean_) {
            clean_ = *clean_ == 0 ? std::nullopt : std::optional(*clean_ - 1);
        }
    }
}

void History::setByteLimit(std::size_t limit) {
    byteLimit_ = limit;
    dropOldestOverLimit();
}

void History::clear() {
    steps_.clear();
    position_ = 0;
    clean_ = 0;
    bytes_ = 0;
    ++edits_;
    takeStroke();
}

const Step* History::stepBack() {
    if (!canUndo()) {
        return nullptr;
    }
    --position_;
    ++edits_;
    return &steps_[position_].step;
}

const Step* History::stepForward() {
    if (!canRedo()) {
        return nullptr;
    }
    ++edits_;
    return &steps_[position_++].step;
}

std::array<std::int16_t, cellsPerBoard> History::filledSlots() {
    std::array<std::int16_t, cellsPerBoard> slots{};
    slots.fill(-1);
    return slots;
}

void History::notePaint(int board, int index, BlockCode before, BlockCode after) {
    ++edits_;
    if (stroke_.changes.empty()) {
        stroke_.board = board;
    }
    std::int16_t& slot = strokeSlot_[static_cast<std::size_t>(index)];
    if (slot >= 0) {
        stroke_.changes[static_cast<std::size_t>(slot)].after = after;
        return;
    }
    slot = static_cast<std::int16_t>(stroke_.changes.size());
    stroke_.changes.push_back({static_cast<std::uint16_t>(index), before, after});
}

std::optional<Step> History::takeStroke() {
    for (const CellChange& change : stroke_.changes) {
        strokeSlot_[change.index] = -1;
    }
    std::vector<CellChange>& changes = stroke_.changes;
    // Cells painted back to what they were are no change.
    std::erase_if(changes, [](const CellChange& c) { return c.before == c.after; });
    CellsStep stroke{stroke_.board, std::move(changes)};
    stroke_ = {};
    if (stroke.changes.empty()) {
        return std::nullopt;
    }
    stroke.changes.shrink_to_fit();
    return stroke;
}

} // namespace bse
