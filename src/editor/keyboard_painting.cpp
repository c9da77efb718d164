#include "editor/keyboard_painting.h"

#include "editor/editor.h"
#include "editor/pointer.h"
#include "editor/screen.h"
#include "editor/selection.h"
#include "editor/undo.h"
#include "platform/platform.h"
#include "view/selection_frame.h"

#include <algorithm>

namespace bse {

namespace {

constexpr Rgb statusColour{255, 255, 255};

void showPosition(Editor& editor, Platform& platform) {
    const KeyboardPainting& k = editor.keyboard;
    drawStatusText(editor, platform, cellStatusText(editor, k.column + 1, k.row + 1), statusColour);
}

// The palette's order: the eraser, then the block kinds.
BlockCode stepped(BlockCode code, int step) {
    static_assert(eraserCode == lastBlockKind + 1); // so the eraser comes round to slot 0
    constexpr int slots = lastBlockKind - firstBlockKind + 2;
    const int slot = (code - firstBlockKind + 1) % slots;
    const int next = (slot + step + slots) % slots;
    return next == 0 ? eraserCode : static_cast<BlockCode>(firstBlockKind + next - 1);
}

void stepBlock(Editor& editor, Platform& platform, bool right, int step) {
    BlockCode& code = right ? editor.rightBlock : editor.leftBlock;
    code = stepped(code, step);
    drawSelectedBlock(editor, platform, code, right ? rightSlotX : leftSlotX);
}

void paintUnderCursor(Editor& editor, Platform& platform) {
    const KeyboardPainting& k = editor.keyboard;
    paintCell(editor, platform, k.column + 1, k.row + 1, k.strokeCode);
}

// An arrow: the cursor one cell on, stopping at the edges; with Space held it paints there.
bool moveCursor(Editor& editor, Platform& platform, WParam key) {
    KeyboardPainting& k = editor.keyboard;
    const int dx = key == BSE_VK_LEFT ? -1 : key == BSE_VK_RIGHT ? 1 : 0;
    const int dy = key == BSE_VK_UP ? -1 : key == BSE_VK_DOWN ? 1 : 0;
    k.column = std::clamp(k.column + dx, 0, boardColumns - 1);
    k.row = std::clamp(k.row + dy, 0, boardRows - 1);
    if (k.spaceHeld) {
        paintUnderCursor(editor, platform);
    }
    showPosition(editor, platform);
    return true;
}

bool spaceKey(Editor& editor, Platform& platform, bool shift, bool control) {
    KeyboardPainting& k = editor.keyboard;
    const BlockCode code = shift ? editor.rightBlock : editor.leftBlock;
    if (control) {
        finishStroke(editor);
        fillFrom(editor, platform, k.column + 1, k.row + 1, code);
    } else if (!k.spaceHeld) { // the key repeating while held paints nothing more
        finishStroke(editor);  // a stroke of its own
        k.spaceHeld = true;
        k.strokeCode = code;
        paintUnderCursor(editor, platform);
    }
    showPosition(editor, platform);
    return true;
}

} // namespace

void keyboardPaintingCommand(Editor& editor, Platform& platform) {
    KeyboardPainting& k = editor.keyboard;
    k.on = !k.on;
    k.spaceHeld = false;
    finishStroke(editor); // Escape comes here with Space held, not through the command routing
    platform.checkMenuItem(ID_EDIT_KEYBOARDPAINTING, k.on);
    if (k.on) {
        showPosition(editor, platform);
    }
}

bool keyboardPaintingKey(Editor& editor, Platform& platform, WParam key) {
    KeyboardPainting& k = editor.keyboard;
    if (!k.on) {
        return false;
    }
    const bool shift = platform.keyHeld(BSE_VK_SHIFT);
    const bool control = platform.keyHeld(BSE_VK_CONTROL);
    if (platform.keyHeld(BSE_VK_MENU)) {
        return false;
    }
    switch (key) {
    case BSE_VK_ESCAPE:
        keyboardPaintingCommand(editor, platform);
        return false; // Escape also does what it does without the mode
    case BSE_VK_LEFT:
    case BSE_VK_UP:
    case BSE_VK_RIGHT:
    case BSE_VK_DOWN:
        // Shift with an arrow shifts the board as ever, but not during a Shift+Space stroke.
        return !control && (!shift || k.spaceHeld) && moveCursor(editor, platform, key);
    case BSE_VK_SPACE:
        return spaceKey(editor, platform, shift, control);
    case 'P':
        if (control) {
            return false;
        }
        pickCellBlock(editor, platform, k.column + 1, k.row + 1, shift);
        return true;
    case BSE_VK_OEM_COMMA:
    case BSE_VK_OEM_PERIOD:
        if (control) {
            return false;
        }
        stepBlock(editor, platform, shift, key == BSE_VK_OEM_COMMA ? -1 : 1);
        return true;
    default:
        return false;
    }
}

void keyboardPaintingKeyUp(Editor& editor, WParam key) {
    KeyboardPainting& k = editor.keyboard;
    if (key == BSE_VK_SPACE && k.spaceHeld) {
        k.spaceHeld = false;
        finishStroke(editor);
    }
}

void showCellCursor(Editor& editor, Platform& platform) {
    KeyboardPainting& k = editor.keyboard;
    Picture& canvas = editor.pictures.editorCanvas;
    if (k.shown && (!k.on || k.shown->column != k.column || k.shown->row != k.row)) {
        // Unless something has been drawn over it since (a new board, a painted cell).
        if (cellCursorDrawn(canvas, k.shown->column + 1, k.shown->row + 1)) {
            platform.invalidate(redrawShownCell(editor, k.shown->column, k.shown->row));
        }
        k.shown.reset();
    }
    if (!k.on) {
        return;
    }
    if (!cellCursorDrawn(canvas, k.column + 1, k.row + 1)) {
        platform.invalidate(drawCellCursor(canvas, k.column + 1, k.row + 1));
    }
    k.shown = GridCellAt{k.column, k.row};
}

} // namespace bse
