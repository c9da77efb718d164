#include "view/drawing.h"

#include "shell/editor.h"
#include "shell/platform.h"
#include "view/geometry.h"

namespace bse {

namespace {

// The window shows the changed part of the canvas: its paint handler copies it there again.
void presentCanvas(Platform& platform, const Rect& changed) {
    platform.invalidate(changed);
}

void copyBlockImage(Editor& editor, int image, int x, int y) {
    copyRect(editor.pictures.editorCanvas, x, y, editor.pictures.blockStrip, 0,
             blockImageTop(image), blockWidth, blockHeight);
}

} // namespace

void redrawBoard(Editor& editor, Platform& platform) {
    platform.setCursor(Cursor::Wait);
    const Board& board = editor.boardSet.current();
    for (int column = 1; column <= boardColumns; ++column) {
        for (int row = 1; row <= boardRows; ++row) {
            const Point at = cellOrigin(column, row);
            const auto code = board.cells[static_cast<std::size_t>(screenCellIndex(column, row))];
            copyBlockImage(editor, gridImageFor(code), at.x, at.y);
        }
    }
    presentCanvas(platform, boardRepaintRect);
    platform.setCursor(Cursor::Arrow);
}

void drawCell(Editor& editor, Platform& platform, BlockCode code, int column, int row) {
    editor.boardSet.modified = true;
    const Point at = cellOrigin(column, row);
    copyBlockImage(editor, gridImageFor(code), at.x, at.y);
    presentCanvas(platform, cellRect(column, row));
}

void drawSelectedBlock(Editor& editor, Platform& platform, BlockCode code, int x) {
    copyBlockImage(editor, panelImageFor(code), x, selectionSlotY);
    presentCanvas(platform, selectionSlotRect(x));
}

void drawStatusText(Editor& editor, Platform& platform, std::string_view text, Rgb colour) {
    // The wipe asks for more than the strip holds; only the strip's own pixels are copied.
    copyRect(editor.pictures.editorCanvas, statusOrigin.x, statusOrigin.y,
             editor.pictures.statusStrip, 0, 0, statusWipeWidth, statusWipeHeight);
    platform.drawText(editor.pictures.editorCanvas, statusTextRect, text, colour, TextAlign::Left);
    presentCanvas(platform, statusTextRect);
}

void eraseBoardGrid(Editor& editor, Platform& platform) {
    // Start-up leaves the backdrop in 256 colours; from the first wipe on it is copied plainly.
    makeTrueColour(editor.pictures.editorBackdrop);
    const Rect& area = boardRepaintRect;
    copyRect(editor.pictures.editorCanvas, area.left, area.top, editor.pictures.editorBackdrop,
             area.left, area.top, area.width(), area.height());
    presentCanvas(platform, area);
}

void paintWindow(Editor& editor, Platform& platform) {
    platform.paintCanvas(editor.pictures.editorCanvas);
}

} // namespace bse
