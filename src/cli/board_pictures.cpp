#include "cli/board_pictures.h"

#include "view/drawing.h"

#include <array>
#include <string>

namespace bse::cli {

namespace {

constexpr int tileWidth = 300;
constexpr int tileHeight = 150;
constexpr int tilesPerRow = 5;
constexpr int gap = 10;
constexpr int labelHeight = 16;
constexpr int digitScale = 2;
constexpr Pixel sheetColour = rgb(40, 40, 48);
constexpr Pixel labelColour = rgb(236, 236, 236);

// 3 x 5 digits, one row of three bits per entry, top row first.
constexpr std::array<std::array<std::uint8_t, 5>, 10> digitRows{{
    {7, 5, 5, 5, 7},
    {2, 6, 2, 2, 7},
    {7, 1, 7, 4, 7},
    {7, 1, 7, 1, 7},
    {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7},
    {7, 4, 7, 5, 7},
    {7, 1, 1, 1, 1},
    {7, 5, 7, 5, 7},
    {7, 5, 7, 1, 7},
}};

void drawNumber(Picture& sheet, int x, int y, int number) {
    for (const char digit : std::to_string(number)) {
        const auto& rows = digitRows[static_cast<std::size_t>(digit - '0')];
        for (int row = 0; row < 5; ++row) {
            for (int column = 0; column < 3; ++column) {
                if ((rows[static_cast<std::size_t>(row)] >> (2 - column) & 1) == 0) {
                    continue;
                }
                for (int k = 0; k < digitScale * digitScale; ++k) {
                    sheet.set(x + column * digitScale + k % digitScale,
                              y + row * digitScale + k / digitScale, labelColour);
                }
            }
        }
        x += 4 * digitScale;
    }
}

// The grid area of a canvas the size the editor draws boards in.
Picture drawnGrid(const Board& board, const Picture& blockStrip) {
    Picture canvas(boardGridRect.right, boardGridRect.bottom);
    drawBoardCells(canvas, blockStrip, board);
    return canvas;
}

} // namespace

Picture boardPicture(const Board& board, const Picture& blockStrip) {
    const Picture canvas = drawnGrid(board, blockStrip);
    Picture picture(boardGridRect.width(), boardGridRect.height());
    copyRect(picture, 0, 0, canvas, boardGridRect.left, boardGridRect.top, picture.width,
             picture.height);
    return picture;
}

Picture overviewSheet(const BoardSet& boardSet, const Picture& blockStrip) {
    const int count = boardSet.boardCount();
    const int columns = std::min(count, tilesPerRow);
    const int rows = (count + tilesPerRow - 1) / tilesPerRow;
    Picture sheet(gap + columns * (tileWidth + gap), gap + rows * (labelHeight + tileHeight + gap),
                  sheetColour);
    for (int b = 0; b < count; ++b) {
        const int x = gap + b % tilesPerRow * (tileWidth + gap);
        const int y = gap + b / tilesPerRow * (labelHeight + tileHeight + gap);
        drawNumber(sheet, x, y + 2, b + 1);
        const Picture canvas = drawnGrid(boardSet.board(b), blockStrip);
        for (int row = 0; row < tileHeight; ++row) {
            const Pixel* from = canvas.row(boardGridRect.top + 2 * row) + boardGridRect.left;
            Pixel* to = sheet.row(y + labelHeight + row) + x;
            for (int column = 0; column < tileWidth; ++column) {
                to[column] = from[2 * column];
            }
        }
    }
    return sheet;
}

} // namespace bse::cli
