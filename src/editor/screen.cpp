#include "editor/screen.h"

#include "editor/editor.h"
#include "editor/screen.h"
#include "platform/platform.h"

#include <algorithm>
#include <optional>

namespace bse {

void redrawBoard(Editor& editor, Platform& platform) {
    platform.setCursor(Cursor::Wait);
    Pictures& pictures = editor.pictures;
    ++editor.selection.gridRedraws;
    platform.invalidate(
        drawBoardCells(pictures.editorCanvas, pictures.blockStrip, editor.boardSet.current()));
    platform.setCursor(Cursor::Arrow);
}

void drawCell(Editor& editor, Platform& platform, BlockCode code, int column, int row) {
    Pictures& pictures = editor.pictures;
    platform.invalidate(
        drawCellImage(pictures.editorCanvas, pictures.blockStrip, code, column, row));
}

bool drawChangedCells(Editor& editor, Platform& platform, const BoardCells& shown) {
    const BoardCells& cells = editor.boardSet.current().cells;
    Pictures& pictures = editor.pictures;
    std::optional<Rect> changed;
    for (int i = 0; i < cellsPerBoard; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (cells[at] == shown[at]) {
            continue;
        }
        const Rect cell = drawCellImage(pictures.editorCanvas, pictures.blockStrip, cells[at],
                                        i / boardRows + 1, i % boardRows + 1);
        changed = !changed
                      ? cell
                      : Rect{std::min(changed->left, cell.left), std::min(changed->top, cell.top),
                             std::max(changed->right, cell.right),
                             std::max(changed->bottom, cell.bottom)};
    }
    if (changed) {
        platform.invalidate(*changed);
    }
    return changed.has_value();
}

void drawSelectedBlock(Editor& editor, Platform& platform, BlockCode code, int x) {
    Pictures& pictures = editor.pictures;
    platform.invalidate(drawSelectionImage(pictures.editorCanvas, pictures.blockStrip, code, x));
}

void drawStatusText(Editor& editor, Platform& platform, std::string_view text, Rgb colour) {
    Pictures& pictures = editor.pictures;
    editor.shown.status = text;
    platform.invalidate(
        drawStatusLine(pictures.editorCanvas, pictures.statusStrip, platform, text, colour));
}

void eraseBoardGrid(Editor& editor, Platform& platform) {
    Pictures& pictures = editor.pictures;
    ++editor.selection.gridRedraws;
    platform.invalidate(wipeBoardGrid(pictures.editorCanvas, pictures.editorBackdrop));
}

void paintWindow(Editor& editor, Platform& platform) {
    platform.paintCanvas(editor.pictures.editorCanvas);
}

} // namespace bse
