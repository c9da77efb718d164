#include "view/drawing.h"

namespace bse {

namespace {

void copyBlockImage(Picture& canvas, const Picture& blockStrip, int image, int x, int y) {
    copyRect(canvas, x, y, blockStrip, 0, blockImageTop(image), blockWidth, blockHeight);
}

} // namespace

Rect drawBoardCells(Picture& canvas, const Picture& blockStrip, const Board& board) {
    for (int column = 1; column <= boardColumns; ++column) {
        for (int row = 1; row <= boardRows; ++row) {
            const Point at = cellOrigin(column, row);
            const auto code = board.cells[static_cast<std::size_t>(screenCellIndex(column, row))];
            copyBlockImage(canvas, blockStrip, gridImageFor(code), at.x, at.y);
        }
    }
    return boardRepaintRect;
}

Rect drawCellImage(Picture& canvas, const Picture& blockStrip, BlockCode code, int column,
                   int row) {
    const Point at = cellOrigin(column, row);
    copyBlockImage(canvas, blockStrip, gridImageFor(code), at.x, at.y);
    return cellRect(column, row);
}

Rect drawSelectionImage(Picture& canvas, const Picture& blockStrip, BlockCode code, int x) {
    copyBlockImage(canvas, blockStrip, panelImageFor(code), x, selectionSlotY);
    return selectionSlotRect(x);
}

Rect drawStatusLine(Picture& canvas, const Picture& statusStrip, TextPainter& painter,
                    std::string_view text, Rgb colour) {
    // The wipe asks for more than the strip holds; only the strip's own pixels are copied.
    copyRect(canvas, statusOrigin.x, statusOrigin.y, statusStrip, 0, 0, statusWipeWidth,
             statusWipeHeight);
    painter.drawText(canvas, statusTextRect, text, colour, TextAlign::Left);
    return statusTextRect;
}

Rect wipeBoardGrid(Picture& canvas, Picture& backdrop) {
    // Start-up leaves the backdrop in 256 colours; from the first wipe on it is copied plainly.
    makeTrueColour(backdrop);
    const Rect& area = boardRepaintRect;
    copyRect(canvas, area.left, area.top, backdrop, area.left, area.top, area.width(),
             area.height());
    return area;
}

} // namespace bse
