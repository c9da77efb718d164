#include "editor/screen_reading.h"

#include "editor/editor.h"
#include "model/block_names.h"

#include <array>

namespace bse {

namespace {

constexpr std::array<BlockCode, lastBlockKind - firstBlockKind + 2> paletteOrder = [] {
    std::array<BlockCode, lastBlockKind - firstBlockKind + 2> codes{};
    codes[0] = eraserCode;
    for (std::size_t i = 1; i < codes.size(); ++i) {
        codes[i] = static_cast<BlockCode>(firstBlockKind + i - 1);
    }
    return codes;
}();

} // namespace

ScreenReading readScreen(const Editor& editor) {
    ScreenReading reading;
    reading.cells = editor.boardSet.current().cells;
    reading.board = editor.boardSet.currentBoard;
    reading.left = editor.leftBlock;
    reading.right = editor.rightBlock;
    reading.cursorShown = editor.keyboard.on;
    reading.cursorColumn = editor.keyboard.column + 1;
    reading.cursorRow = editor.keyboard.row + 1;
    reading.status = editor.shown.status;
    if (editor.overview.open) {
        for (int board = 0; board < editor.boardSet.boardCount(); ++board) {
            reading.overviewBackgrounds.push_back(editor.boardSet.board(board).background);
        }
        reading.overviewFrame = editor.overview.frame;
    }
    return reading;
}

std::string gridReading(int board) {
    return "Board " + std::to_string(board + 1);
}

std::string cellReading(int column, int row, BlockCode code) {
    return "Column " + std::to_string(column) + ", Row " + std::to_string(row) + ": " +
           std::string(blockName(code));
}

std::span<const BlockCode> paletteCodes() {
    return paletteOrder;
}

std::string_view paletteName(BlockCode code) {
    return code == eraserCode ? eraserName : blockName(code);
}

Rect paletteSlotRect(int index) {
    const Point origin = paletteSlotOrigin(index + 1);
    return {origin.x, origin.y, origin.x + blockWidth, origin.y + blockHeight};
}

std::string paletteItemReading(BlockCode code, BlockCode left, BlockCode right) {
    const std::string name(paletteName(code));
    if (code == left && code == right) {
        return name + ", left and right button";
    }
    return code == left ? name + ", left button" : code == right ? name + ", right button" : name;
}

std::string slotReading(bool right, BlockCode code) {
    return std::string(right ? "Right button: " : "Left button: ") + std::string(paletteName(code));
}

std::string overviewBoardReading(int board, std::uint32_t background) {
    return "Board " + std::to_string(board + 1) + " - background " + std::to_string(background);
}

} // namespace bse
