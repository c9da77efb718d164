#pragma once

#include "model/board_set.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace bse {

// Each step keeps only what its change touched, so a long session of small edits stays small.

struct CellChange {
    std::uint16_t index; // cellIndex of the cell
    BlockCode before;
    BlockCode after;
};

// Cells of one board: a paint stroke, Paste Board, Clear Board.
struct CellsStep {
    int board = 0;
    std::vector<CellChange> changes;
};

// An empty board opened at `position` (Add, Insert, Next or Last adding one). The move up
// overwrote the slot past the old last board, whose cells are kept here.
struct InsertionStep {
    int position = 0;
    int boardBefore = 0;
    std::unique_ptr<BoardCells> overwritten;
};

// The board at `position` removed; it was the current one.
struct DeletionStep {
    int position = 0;
    std::unique_ptr<BoardCells> removed;
};

struct BackgroundStep {
    int board = 0;
    std::uint32_t before = 0;
    std::uint32_t after = 0;
};

// Name and author of the BoardSet Information dialog, shown on `board`.
struct NamesStep {
    int board = 0;
    std::string nameBefore, authorBefore, nameAfter, authorAfter;
};

// The first boards' cells, the count, the current board and the names, as Import sets them.
struct LeadingBoards {
    std::vector<BoardCells> cells; // slots 0 .. size - 1
    int lastBoardIndex = 0;
    int currentBoard = 0;
    std::string boardSetName, authorName;
};

// Import: the boards it replaced and the ones it brought.
struct ImportStep {
    LeadingBoards before, after;
};

// Move Board: the board at `from`, background and all, went to `to`.
struct MoveStep {
    int from = 0;
    int to = 0;
};

// Duplicate Board: a copy of the board at `position` went after it; the move up overwrote the
// slot past the old last board, kept here whole.
struct DuplicationStep {
    int position = 0;
    std::unique_ptr<Board> overwritten;
};

// Cells of several boards at once (Replace Block on every board), done on `board`.
struct BoardsStep {
    int board = 0;
    std::vector<CellsStep> boards;
};

using Step = std::variant<CellsStep, InsertionStep, DeletionStep, BackgroundStep, NamesStep,
                          ImportStep, MoveStep, DuplicationStep, BoardsStep>;

// Brings the BoardSet from the state before a step to the state after it, or back, including
// the current board each side had.
void redoStep(BoardSet& boardSet, const Step& step);
void undoStep(BoardSet& boardSet, const Step& step);

// The cells that differ between two states of a board.
CellsStep cellChanges(int board, const BoardCells& before, const BoardCells& after);

// What a step costs in memory, its own record included.
std::size_t stepBytes(const Step& step);

// The undo history of the open BoardSet: the steps done and undone, the point where the
// BoardSet was last as its file has it, and the paint stroke being drawn.
class History {
  public:
    static constexpr std::size_t defaultByteLimit = 64u << 20;

    // Takes a finished step: the steps undone before it go, and the oldest while over the limit.
    void record(Step step);
    // Empty, with the clean point here: after New, Open and Revert.
    void clear();
    // The BoardSet now is as its file has it: after a successful Save.
    void markClean() { clean_ = position_, ++edits_; }
    // The BoardSet now is in no file (restored unsaved work): no undo makes it clean.
    void forgetClean() { clean_.reset(); }
    bool atCleanPoint() const { return clean_ == position_; }

    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < steps_.size(); }
    // The step to undo or redo, the position moved past it; nullptr when there is none.
    const Step* stepBack();
    const Step* stepForward();

    // A cell a stroke paints; the first value before the stroke and the last one count.
    void notePaint(int board, int index, BlockCode before, BlockCode after);
    // The stroke so far as a step; nothing when it changed no cell. Starts the next stroke.
    std::optional<Step> takeStroke();

    std::size_t size() const { return steps_.size(); }
    // Counts every change of the BoardSet or of its clean point, for those who keep a copy.
    std::uint64_t edits() const { return edits_; }
    std::size_t bytes() const { return bytes_; }
    void setByteLimit(std::size_t limit);

  private:
    struct Entry {
        Step step;
        std::size_t bytes;
    };
    void dropOldestOverLimit();

    std::deque<Entry> steps_;
    std::size_t position_ = 0; // steps done: the ones before it
    std::optional<std::size_t> clean_ = 0;
    std::size_t bytes_ = 0;
    std::size_t byteLimit_ = defaultByteLimit;
    std::uint64_t edits_ = 0;

    CellsStep stroke_;
    // Where each cell of the stroke sits in stroke_.changes, -1 when not painted yet: keeps a
    // move that paints O(1).
    std::array<std::int16_t, cellsPerBoard> strokeSlot_ = filledSlots();
    static std::array<std::int16_t, cellsPerBoard> filledSlots();
};

} // namespace bse
