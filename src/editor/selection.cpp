#include "editor/selection.h"
#include "editor/board_commands.h"

#include "editor/commands.h"
#include "editor/editor.h"
#include "editor/pointer.h"
#include "editor/screen.h"
#include "editor/undo.h"
#include "format/board_text.h"
#include "format/region_text.h"
#include "platform/platform.h"
#include "view/selection_frame.h"

#include <algorithm>
#include <string>

namespace bse {

namespace {

constexpr Rgb statusColour{255, 255, 255};
constexpr WParam bothModifiers = BSE_MK_CONTROL | BSE_MK_SHIFT;

// The cell under the pointer as painting finds it, 0-based.
std::optional<GridCellAt> cellAt(int x, int y) {
    const GridCell cell = gridCellAt(x, y);
    return cell.valid() ? std::optional(GridCellAt{cell.column - 1, cell.row - 1}) : std::nullopt;
}

GridCellAt nearestCell(int x, int y) {
    const GridCell cell = nearestCellAt(x, y);
    return {cell.column - 1, cell.row - 1};
}

std::string size(int width, int height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

void tell(Editor& editor, Platform& platform, const std::string& text) {
    drawStatusText(editor, platform, text, statusColour);
}

SelectionState& state(Editor& editor) {
    return editor.selection;
}

bool selected(const Editor& editor) {
    const SelectionState& s = editor.selection;
    return s.active && s.board == editor.boardSet.currentBoard;
}

void dropSelection(Editor& editor) {
    editor.selection.active = false;
    editor.selection.drag = SelectionState::Drag::None;
}

// The current board's cells changed from `before`: one step when any did.
void keepChange(Editor& editor, const BoardCells& before) {
    if (std::optional<Step> step = cellsStep(editor, before)) {
        markChange(editor, std::move(step));
    }
}

void placeStamp(Editor& editor, GridCellAt at) {
    BoardCells& cells = editor.boardSet.current().cells;
    const BoardCells before = cells;
    placeRegion(cells, *state(editor).stamp, at.column, at.row, editor.mirrorPainting);
    keepChange(editor, before);
}

void finishMove(Editor& editor) {
    SelectionState& s = state(editor);
    s.drag = SelectionState::Drag::None;
    keepChange(editor, s.before);
}

// The selection moved by the pointer's cells since the press, cut off at the board's edges.
void dragMove(Editor& editor, GridCellAt to) {
    SelectionState& s = state(editor);
    const int columns = to.column - s.anchor.column;
    const int rows = to.row - s.anchor.row;
    BoardCells& cells = editor.boardSet.current().cells;
    cells = s.before;
    moveRect(cells, s.rectBefore, columns, rows);
    const CellRect& r = s.rectBefore;
    s.rect = cellRectBetween(r.column + columns, r.row + rows, r.column + columns + r.width - 1,
                             r.row + rows + r.height - 1);
}

// Copy, Cut and Delete: the selection's cells to the clipboard, emptied, or both.
void actOnSelection(Editor& editor, Platform& platform, bool copy, bool empty) {
    SelectionState& s = state(editor);
    BoardCells& cells = editor.boardSet.current().cells;
    if (copy) {
        const Region region = copyRegion(cells, s.rect);
        if (region.wholeBoard()) {
            sendCommand(editor, platform, ID_EDIT_COPYBOARD); // 20 full rows remain a board
        } else {
            platform.putBoardOnClipboard(regionText(region), regionCellBytes(region));
            s.copiedPart = region;
        }
    }
    const BoardCells before = cells;
    if (empty) {
        emptyRect(cells, s.rect);
        keepChange(editor, before);
    }
    const char* done = !empty ? "Copied " : copy ? "Cut " : "Emptied ";
    tell(editor, platform, done + size(s.rect.width, s.rect.height) + " cells.");
}

// Ctrl+V: a part of a board floats as a stamp; else Paste Board where it is offered, with the
// clipboard as read here (its owner is waited on once).
void pasteKey(Editor& editor, Platform& platform) {
    const Platform::ClipboardBoard desktop = platform.clipboardBoard();
    std::optional<Region> region =
        desktop.cells ? regionFromCellBytes(*desktop.cells) : std::nullopt;
    const bool board = desktop.cells && boardFromCellBytes(*desktop.cells);
    if (!region && !board && desktop.text && !boardFromText(*desktop.text)) {
        region = regionFromText(*desktop.text);
    }
    if (desktop.answered && !desktop.cells && !desktop.text) {
        region = state(editor).copiedPart; // the clipboard holds the editor's own
    }
    if (region && !region->wholeBoard()) {
        SelectionState& s = state(editor);
        dropSelection(editor);
        s.stamp = std::move(region);
        s.stampAt = cellAt(editor.pointer.pointerX, editor.pointer.pointerY);
        tell(editor, platform,
             "Stamp " + size(s.stamp->width, s.stamp->height) + ": click, Esc ends.");
        return;
    }
    if (!desktop.answered || editor.boardCopied || board ||
        (desktop.text && boardFromText(*desktop.text))) {
        finishStroke(editor); // as sendCommand does before a command
        selectionRelease(editor, platform);
        pasteBoard(editor, platform, desktop);
    }
}

Rect unite(const std::optional<Rect>& a, const Rect& b) {
    return !a ? b
              : Rect{std::min(a->left, b.left), std::min(a->top, b.top),
                     std::max(a->right, b.right), std::max(a->bottom, b.bottom)};
}

bool onBorder(const CellRect& r, int column, int row) {
    return r.contains(column, row) &&
           (column == r.column || row == r.row || column == r.column + r.width - 1 ||
            row == r.row + r.height - 1);
}

} // namespace

bool selectionPress(Editor& editor, Platform&, int x, int y, WParam keys, WParam button) {
    SelectionState& s = state(editor);
    const std::optional<GridCellAt> cell = cellAt(x, y);
    if (s.stamp) {
        if (button == BSE_MK_RBUTTON) {
            s.stamp.reset();
            s.stampAt.reset();
        } else if (cell) {
            s.stampAt = cell;
            finishStroke(editor);
            placeStamp(editor, *cell);
        }
        return button == BSE_MK_RBUTTON || cell.has_value();
    }
    const bool wasSelected = selected(editor);
    if (cell && (keys & bothModifiers) == bothModifiers) {
        finishStroke(editor);
        s.active = true;
        s.board = editor.boardSet.currentBoard;
        s.drag = SelectionState::Drag::Choosing;
        s.anchor = *cell;
        s.rect = {cell->column, cell->row, 1, 1};
    } else if (wasSelected && cell && button == BSE_MK_LBUTTON &&
               s.rect.contains(cell->column, cell->row)) {
        finishStroke(editor);
        s.drag = SelectionState::Drag::Moving;
        s.anchor = *cell;
        s.rectBefore = s.rect;
        s.before = editor.boardSet.current().cells;
        s.modifiedBefore = editor.modified;
    } else if (wasSelected) {
        dropSelection(editor); // a click outside it: on the grid it does nothing else
    } else {
        return false;
    }
    return cell.has_value();
}

bool selectionMove(Editor& editor, Platform& platform, int x, int y, WParam keys) {
    SelectionState& s = state(editor);
    const bool held = (keys & (BSE_MK_LBUTTON | BSE_MK_RBUTTON)) != 0;
    if (s.drag != SelectionState::Drag::None && !held) {
        selectionRelease(editor, platform); // released outside the window
    }
    if (s.drag == SelectionState::Drag::Choosing) {
        const GridCellAt to = nearestCell(x, y);
        s.rect = cellRectBetween(s.anchor.column, s.anchor.row, to.column, to.row);
    } else if (s.drag == SelectionState::Drag::Moving) {
        dragMove(editor, nearestCell(x, y));
    } else if (s.stamp) {
        s.stampAt = cellAt(x, y);
    } else {
        return false;
    }
    return true;
}

void selectionRelease(Editor& editor, Platform& platform) {
    SelectionState& s = state(editor);
    if (s.drag == SelectionState::Drag::Choosing) {
        s.drag = SelectionState::Drag::None;
        tell(editor, platform, "Selected " + size(s.rect.width, s.rect.height) + " cells.");
    } else if (s.drag == SelectionState::Drag::Moving) {
        finishMove(editor);
    }
}

bool selectionKey(Editor& editor, Platform& platform, WParam key, HeldModifiers held) {
    const bool ctrl = held == HeldModifiers::Control;
    if (key == BSE_VK_DELETE && !ctrl && selected(editor)) {
        actOnSelection(editor, platform, false, true);
    } else if (!ctrl || (key != 'C' && key != 'X' && key != 'V')) {
        return false;
    } else if (key == 'V') {
        pasteKey(editor, platform);
    } else if (selected(editor)) {
        actOnSelection(editor, platform, true, key == 'X');
    } else if (key == 'C') {
        sendCommand(editor, platform, ID_EDIT_COPYBOARD);
    }
    return true;
}

void escapeSelection(Editor& editor, Platform&) {
    SelectionState& s = state(editor);
    if (s.drag == SelectionState::Drag::Moving) {
        editor.boardSet.current().cells = s.before;
        takeBackChange(editor, s.modifiedBefore);
    }
    dropSelection(editor);
    s.stamp.reset();
    s.stampAt.reset();
}

void selectAllCommand(Editor& editor, Platform& platform) {
    SelectionState& s = state(editor);
    s.stamp.reset();
    s.active = true;
    s.board = editor.boardSet.currentBoard;
    s.drag = SelectionState::Drag::None;
    s.rect = {0, 0, boardColumns, boardRows};
    tell(editor, platform, "Selected " + size(boardColumns, boardRows) + " cells.");
}

Rect redrawShownCell(Editor& editor, int column, int row) {
    const SelectionState& s = state(editor);
    const BoardSet& set = editor.boardSet;
    const bool overlay = s.shownRedraws == s.gridRedraws && s.shownBoard == set.currentBoard;
    const auto at = static_cast<std::size_t>(cellIndex(column, row));
    Pictures& pictures = editor.pictures;
    Rect changed =
        drawCellImage(pictures.editorCanvas, pictures.blockStrip,
                      overlay ? s.shown[at] : set.current().cells[at], column + 1, row + 1);
    if (overlay && s.shownFrame && onBorder(*s.shownFrame, column, row)) {
        const CellRect& frame = *s.shownFrame;
        changed = drawSelectionFrame(pictures.editorCanvas, frame.column + 1, frame.row + 1,
                                     frame.width, frame.height);
    }
    return changed;
}

void showGridOverlay(Editor& editor, Platform& platform) {
    SelectionState& s = state(editor);
    const BoardSet& set = editor.boardSet;
    if (s.active && s.board != set.currentBoard && s.drag != SelectionState::Drag::Moving) {
        dropSelection(editor);
    }
    const bool trusted = s.shownRedraws == s.gridRedraws && s.shownBoard == set.currentBoard;
    const std::optional<CellRect> frame = s.active ? std::optional(s.rect) : std::nullopt;
    const bool stamp = s.stamp && s.stampAt;
    if (!frame && !stamp && (!trusted || (!s.shownFrame && s.shown == set.current().cells))) {
        s.shownRedraws = ~0ull; // nothing over the grid
        return;
    }
    const BoardCells& cells = set.current().cells;
    BoardCells wanted = cells;
    if (stamp) {
        placeRegion(wanted, *s.stamp, s.stampAt->column, s.stampAt->row, editor.mirrorPainting);
    }
    if (!trusted) {
        s.shown = cells;
        s.shownFrame.reset();
    }
    const bool frameMoved = s.shownFrame != frame;
    Pictures& pictures = editor.pictures;
    std::optional<Rect> changed;
    for (int c = 0; c < boardColumns; ++c) {
        for (int r = 0; r < boardRows; ++r) {
            const auto at = static_cast<std::size_t>(cellIndex(c, r));
            if (s.shown[at] != wanted[at] ||
                (frameMoved && s.shownFrame && onBorder(*s.shownFrame, c, r))) {
                changed = unite(changed, drawCellImage(pictures.editorCanvas, pictures.blockStrip,
                                                       wanted[at], c + 1, r + 1));
            }
        }
    }
    if (frame && (changed || frameMoved)) {
        changed = unite(changed, drawSelectionFrame(pictures.editorCanvas, frame->column + 1,
                                                    frame->row + 1, frame->width, frame->height));
    }
    if (changed) {
        platform.invalidate(*changed);
    }
    s.shown = wanted;
    s.shownFrame = frame;
    s.shownRedraws = s.gridRedraws;
    s.shownBoard = set.currentBoard;
}

} // namespace bse
