#include "editor/pointer.h"

#include "editor/board_commands.h"
#include "editor/commands.h"
#include "editor/editor.h"
#include "editor/screen.h"
#include "editor/screen_reading.h"
#include "editor/selection.h"
#include "editor/undo.h"
#include "model/block_names.h"
#include "model/board_tools.h"
#include "platform/platform.h"
#include "view/geometry.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace bse {

namespace {

constexpr WParam leftOnly = BSE_MK_LBUTTON;
constexpr WParam rightOnly = BSE_MK_RBUTTON;
constexpr Rgb statusColour{255, 255, 255};
constexpr std::string_view paletteHint = "Select Left or Right block.";
// The Clear button asks and clears without the command routing; the others run their command.
constexpr int clearButtonAction = 0;

struct ScreenButton {
    HitBox box;
    std::string_view hint;
    int commandId;
};

// In the order they are tested.
constexpr std::array screenButtons{
    ScreenButton{clearButtonBox, "Clear current board.", clearButtonAction},
    ScreenButton{copyButtonBox, "Copy current board.", ID_EDIT_COPYBOARD},
    ScreenButton{pasteButtonBox, "Paste to board.", ID_EDIT_PASTEBOARD},
    ScreenButton{firstButtonBox, "First Board", ID_BOARD_FIRST},
    ScreenButton{previousButtonBox, "Previous board", ID_BOARD_PREVIOUS},
    ScreenButton{lastButtonBox, "Last board/Add board", ID_BOARD_LAST},
    ScreenButton{nextButtonBox, "Next board/Add board", ID_BOARD_NEXT},
};

constexpr std::array<ButtonReading, screenButtons.size()> buttonNames = [] {
    std::array<ButtonReading, screenButtons.size()> names{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const HitBox& box = screenButtons[i].box;
        names[i] = {screenButtons[i].hint, {box.left, box.top, box.right + 1, box.bottom + 1}};
    }
    return names;
}();

void paintIndex(Editor& editor, Platform& platform, int index, BlockCode code) {
    BlockCode& target = editor.boardSet.current().cells[static_cast<std::size_t>(index)];
    editor.history.notePaint(editor.boardSet.currentBoard, index, target, code);
    target = code;
    markChange(editor);
    drawCell(editor, platform, code, index / boardRows + 1, index % boardRows + 1);
}

void paint(Editor& editor, Platform& platform, GridCell cell, BlockCode code) {
    const int index = screenCellIndex(cell.column, cell.row);
    paintIndex(editor, platform, index, code);
    if (editor.mirrorPainting) {
        paintIndex(editor, platform, mirroredCellIndex(index), code);
    }
}

// The rectangle from the pressed cell to the one nearest the pointer, over the board as it was.
void previewRectangle(Editor& editor, Platform& platform, int x, int y) {
    const RectangleDrag& drag = editor.rectangle;
    const GridCell corner = nearestCellAt(x, y);
    BoardCells& cells = editor.boardSet.current().cells;
    const BoardCells shown = cells;
    cells = drag.before;
    paintRectangle(cells, drag.column, drag.row, corner.column - 1, corner.row - 1, drag.code,
                   editor.mirrorPainting);
    if (drawChangedCells(editor, platform, shown)) {
        markChange(editor);
    }
}

void fill(Editor& editor, Platform& platform, GridCell cell, BlockCode code) {
    BoardCells& cells = editor.boardSet.current().cells;
    const BoardCells before = cells;
    if (fillRegion(cells, screenCellIndex(cell.column, cell.row), code, editor.mirrorPainting)) {
        drawChangedCells(editor, platform, before);
        markChange(editor, cellsStep(editor, before));
    }
}

// The block of the palette slot at (x, y) inside the palette's hit box; nothing over no slot.
std::optional<BlockCode> paletteCodeAt(int x, int y) {
    if (x >= paletteBlankSlots.x && y >= paletteBlankSlots.y) {
        return std::nullopt; // the two blank slots
    }
    const int slotColumn = (x - palettePickOrigin.x) / blockWidth;
    const int slotRow = (y - palettePickOrigin.y) / blockHeight;
    const auto code = static_cast<BlockCode>(paletteSlotsPerRow * slotRow + slotColumn + 1);
    if (slotColumn > paletteSlotsPerRow - 1 || code > eraserCode) {
        return std::nullopt;
    }
    return code == 1 ? eraserCode : code; // the first slot is the eraser
}

// Picks the slot under the pointer; false when the pointer is over no block slot.
bool pick(Editor& editor, Platform& platform, int x, int y, WParam state) {
    const std::optional<BlockCode> slot = paletteCodeAt(x, y);
    if (!slot) {
        return false;
    }
    const BlockCode code = *slot;
    if (state == leftOnly) {
        editor.leftBlock = code;
        drawSelectedBlock(editor, platform, code, leftSlotX);
    } else {
        editor.rightBlock = code;
        drawSelectedBlock(editor, platform, code, rightSlotX);
    }
    return true;
}

void press(Editor& editor, Platform& platform, const ScreenButton& button) {
    if (button.commandId == clearButtonAction) {
        clearBoardCommand(editor, platform);
        return;
    }
    sendCommand(editor, platform, button.commandId);
}

std::string statusText(const Editor& editor, GridCell cell) {
    if (cell.valid()) {
        return cellStatusText(editor, cell.column, cell.row);
    }
    return "Board: " + std::to_string(editor.boardSet.currentBoard + 1) + " of " +
           std::to_string(editor.boardSet.lastBoardIndex + 1);
}

bool handlePointer(Editor& editor, Platform& platform, int x, int y, WParam state) {
    editor.pointer.pointerX = x;
    editor.pointer.pointerY = y;
    std::string_view hint;

    const GridCell cell = gridCellAt(x, y);
    if (editor.rectangle.active || editor.rectangle.cancelled) {
        state = 0; // the drag draws the rectangle alone, and one given up draws nothing
    }
    if (state == leftOnly && cell.valid()) {
        paint(editor, platform, cell, editor.leftBlock);
    }
    if (state == rightOnly && cell.valid()) {
        paint(editor, platform, cell, editor.rightBlock);
    }

    if (paletteHitBox.contains(x, y)) {
        hint = paletteHint;
        if ((state == leftOnly || state == rightOnly) && !pick(editor, platform, x, y, state)) {
            return false; // the status line keeps what it showed
        }
    }

    for (const ScreenButton& button : screenButtons) {
        if (!button.box.contains(x, y)) {
            continue;
        }
        hint = button.hint;
        if (state == leftOnly && editor.pointer.buttonLatch) {
            editor.pointer.buttonLatch = false;
            press(editor, platform, button);
        }
    }

    const std::string text = hint.empty() ? statusText(editor, cell) : std::string(hint);
    drawStatusText(editor, platform, text, statusColour);
    return true;
}

// A press on the grid with Ctrl fills, with Shift starts a rectangle; else it paints as ever.
void pressButton(Editor& editor, Platform& platform, int x, int y, WParam state, WParam button) {
    finishStroke(editor);               // each press starts a stroke of its own
    editor.rectangle.cancelled = false; // its release may have been outside the window
    const GridCell cell = gridCellAt(x, y);
    const BlockCode code = button == leftOnly ? editor.leftBlock : editor.rightBlock;
    if (cell.valid() && (state & BSE_MK_CONTROL) != 0) {
        fill(editor, platform, cell, code);
        handlePointer(editor, platform, x, y, 0);
        return;
    }
    if (cell.valid() && (state & BSE_MK_SHIFT) != 0) {
        editor.rectangle = {.button = button,
                            .code = code,
                            .board = editor.boardSet.currentBoard,
                            .column = cell.column - 1,
                            .row = cell.row - 1,
                            .modifiedBefore = editor.modified,
                            .before = editor.boardSet.current().cells};
        handlePointer(editor, platform, x, y, button); // the press paints its cell as ever
        editor.rectangle.active = true;
        return;
    }
    handlePointer(editor, platform, x, y, button);
}

} // namespace

GridCell gridCellAt(int x, int y) {
    const int dx = x - boardGridRect.left;
    const int dy = y - boardGridRect.top;
    const int column = dx >= 1 && dx < boardGridRect.width() ? dx / blockWidth + 1 : 0;
    const int row = dy >= 1 && dy < boardGridRect.height() ? dy / blockHeight + 1 : 0;
    if (column == 0 || row == 0) {
        return {};
    }
    return {column, row};
}

GridCell nearestCellAt(int x, int y) {
    const int dx = std::clamp(x - boardGridRect.left, 1, boardGridRect.width() - 1);
    const int dy = std::clamp(y - boardGridRect.top, 1, boardGridRect.height() - 1);
    return {dx / blockWidth + 1, dy / blockHeight + 1};
}

bool onPointerMove(Editor& editor, Platform& platform, int x, int y, WParam buttonState) {
    if (selectionMove(editor, platform, x, y, buttonState)) {
        buttonState = 0; // the selection's drag or the stamp takes the move: nothing is painted
    }
    // No button held: any stroke is over, also one whose release happened outside the window.
    // So is a rectangle whose button is no longer held.
    const bool rectangleReleased =
        editor.rectangle.active && (buttonState & editor.rectangle.button) == 0;
    // A stroke of the keyboard's Space goes on while the pointer wanders.
    const bool noButton = (buttonState & (BSE_MK_LBUTTON | BSE_MK_RBUTTON)) == 0;
    if ((noButton && !editor.keyboard.spaceHeld) || rectangleReleased) {
        finishStroke(editor);
    }
    if (editor.rectangle.active && (buttonState & editor.rectangle.button) != 0) {
        previewRectangle(editor, platform, x, y);
    }
    return handlePointer(editor, platform, x, y, buttonState);
}

bool onLeftButtonDown(Editor& editor, Platform& platform, int x, int y, WParam buttonState) {
    if (selectionPress(editor, platform, x, y, buttonState, leftOnly)) {
        return true;
    }
    pressButton(editor, platform, x, y, buttonState, leftOnly);
    return true;
}

bool onRightButtonDown(Editor& editor, Platform& platform, int x, int y, WParam buttonState) {
    if (selectionPress(editor, platform, x, y, buttonState, rightOnly)) {
        return true;
    }
    pressButton(editor, platform, x, y, buttonState, rightOnly);
    return true;
}

bool onMiddleButtonDown(Editor& editor, Platform& platform, int x, int y, WParam buttonState) {
    const GridCell cell = gridCellAt(x, y);
    if (!cell.valid()) {
        return false;
    }
    pickCellBlock(editor, platform, cell.column, cell.row, (buttonState & BSE_MK_SHIFT) != 0);
    return true;
}

void paintCell(Editor& editor, Platform& platform, int column, int row, BlockCode code) {
    paint(editor, platform, {column, row}, code);
}

void fillFrom(Editor& editor, Platform& platform, int column, int row, BlockCode code) {
    fill(editor, platform, {column, row}, code);
}

void pickCellBlock(Editor& editor, Platform& platform, int column, int row, bool right) {
    const auto index = static_cast<std::size_t>(screenCellIndex(column, row));
    BlockCode code = editor.boardSet.current().cells[index];
    if (code < firstBlockKind || code > lastBlockKind) {
        code = eraserCode; // an empty cell, or one no palette slot shows
    }
    (right ? editor.rightBlock : editor.leftBlock) = code;
    drawSelectedBlock(editor, platform, code, right ? rightSlotX : leftSlotX);
}

std::span<const ButtonReading> buttonReadings() {
    return buttonNames;
}

std::string_view paletteTip(int x, int y) {
    const std::optional<BlockCode> code =
        paletteHitBox.contains(x, y) ? paletteCodeAt(x, y) : std::nullopt;
    return !code ? std::string_view() : *code == eraserCode ? eraserName : blockName(*code);
}

std::string cellStatusText(const Editor& editor, int column, int row) {
    return "Board: " + std::to_string(editor.boardSet.currentBoard + 1) +
           " - Column: " + std::to_string(column) + ", Row: " + std::to_string(row);
}

void cancelRectangle(Editor& editor, Platform& platform) {
    RectangleDrag& drag = editor.rectangle;
    if (!drag.active) {
        return;
    }
    drag.active = false;
    drag.cancelled = true;
    editor.history.takeStroke(); // the press's cell goes back with the rest
    const BoardCells shown = editor.boardSet.current().cells;
    editor.boardSet.current().cells = drag.before;
    drawChangedCells(editor, platform, shown);
    takeBackChange(editor, drag.modifiedBefore);
}

bool onLeftButtonUp(Editor& editor, Platform& platform, int x, int y) {
    selectionRelease(editor, platform);
    // Buttons act on the release, judged by where the pointer was last seen.
    if (buttonReleaseZone.contains(editor.pointer.pointerX, editor.pointer.pointerY)) {
        editor.pointer.buttonLatch = true;
        handlePointer(editor, platform, x, y, leftOnly);
        // A release that made no button act (one in a gap between buttons) must not leave the
        // latch armed, or the next press on a button would act at once.
        editor.pointer.buttonLatch = false;
    }
    finishStroke(editor);
    return true;
}

bool onRightButtonUp(Editor& editor, Platform& platform) {
    selectionRelease(editor, platform);
    finishStroke(editor);
    return false;
}

} // namespace bse
