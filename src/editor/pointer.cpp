#include "editor/pointer.h"

#include "editor/board_commands.h"
#include "editor/commands.h"
#include "editor/editor.h"
#include "editor/screen.h"
#include "editor/undo.h"
#include "platform/platform.h"
#include "view/geometry.h"

#include <array>
#include <string>
#include <string_view>

namespace bse {

namespace {

constexpr WParam leftOnly = MK_LBUTTON;
constexpr WParam rightOnly = MK_RBUTTON;
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

struct GridCell {
    int column = 0; // 1..20, 0 when the pointer is not over the grid
    int row = 0;
    bool valid() const { return column != 0; }
};

// The grid's first pixel column and row count as outside.
GridCell gridCellAt(int x, int y) {
    const int dx = x - boardGridRect.left;
    const int dy = y - boardGridRect.top;
    const int column = dx >= 1 && dx <= 599 ? dx / blockWidth + 1 : 0;
    const int row = dy >= 1 && dy <= 299 ? dy / blockHeight + 1 : 0;
    if (column == 0 || row == 0) {
        return {};
    }
    return {column, row};
}

void paint(Editor& editor, Platform& platform, GridCell cell, BlockCode code) {
    const int index = screenCellIndex(cell.column, cell.row);
    BlockCode& target = editor.boardSet.current().cells[static_cast<std::size_t>(index)];
    editor.history.notePaint(editor.boardSet.currentBoard, index, target, code);
    target = code;
    drawCell(editor, platform, code, cell.column, cell.row);
}

// Picks the slot under the pointer; false when the pointer is over no block slot.
bool pick(Editor& editor, Platform& platform, int x, int y, WParam state) {
    if (x >= 417 && y >= 358) {
        return false; // the two blank slots
    }
    // The pick boundaries lie 2 pixels left of and 1 above the slot pictures.
    const int slotColumn = (x - 25) / blockWidth;
    const int slotRow = (y - 327) / blockHeight;
    BlockCode code = static_cast<BlockCode>(paletteSlotsPerRow * slotRow + slotColumn + 1);
    if (slotColumn > paletteSlotsPerRow - 1 || code > eraserCode) {
        return false;
    }
    if (code == 1) {
        code = eraserCode; // the first slot is the eraser
    }
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
    const std::string board = std::to_string(editor.boardSet.currentBoard + 1);
    if (cell.valid()) {
        return "Board: " + board + " - Column: " + std::to_string(cell.column) +
               ", Row: " + std::to_string(cell.row);
    }
    return "Board: " + board + " of " + std::to_string(editor.boardSet.lastBoardIndex + 1);
}

bool handlePointer(Editor& editor, Platform& platform, int x, int y, WParam state) {
    editor.pointer.pointerX = x;
    editor.pointer.pointerY = y;
    std::string_view hint;

    const GridCell cell = gridCellAt(x, y);
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

} // namespace

bool onPointerMove(Editor& editor, Platform& platform, int x, int y, WParam buttonState) {
    // No button held: any stroke is over, also one whose release happened outside the window.
    if ((buttonState & (MK_LBUTTON | MK_RBUTTON)) == 0) {
        finishStroke(editor, platform);
    }
    return handlePointer(editor, platform, x, y, buttonState);
}

bool onLeftButtonDown(Editor& editor, Platform& platform, int x, int y) {
    finishStroke(editor, platform); // each press starts a stroke of its own
    handlePointer(editor, platform, x, y, leftOnly);
    return true;
}

bool onRightButtonDown(Editor& editor, Platform& platform, int x, int y) {
    finishStroke(editor, platform);
    handlePointer(editor, platform, x, y, rightOnly);
    return true;
}

bool onLeftButtonUp(Editor& editor, Platform& platform, int x, int y) {
    // Buttons act on the release, judged by where the pointer was last seen.
    if (buttonReleaseZone.contains(editor.pointer.pointerX, editor.pointer.pointerY)) {
        editor.pointer.buttonLatch = true;
        handlePointer(editor, platform, x, y, leftOnly);
        // A release that made no button act (one in a gap between buttons) must not leave the
        // latch armed, or the next press on a button would act at once.
        editor.pointer.buttonLatch = false;
    }
    finishStroke(editor, platform);
    return true;
}

bool onRightButtonUp(Editor& editor, Platform& platform) {
    finishStroke(editor, platform);
    return false;
}

} // namespace bse
