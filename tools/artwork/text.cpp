// A tiny proportional pixel font (7 rows high) for the few printed labels.

#include "artwork/artwork.h"

#include <array>
#include <string_view>

namespace bse::artwork {
namespace {

struct Glyph {
    char ch;
    std::array<std::string_view, 7> rows;
};

constexpr std::array<Glyph, 27> kFont = {{
    {' ', {"...", "...", "...", "...", "...", "...", "..."}},
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {"###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"}},
    {'J', {"..###", "...#.", "...#.", "...#.", "#..#.", "#..#.", ".##.."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
}};

const Glyph& glyphFor(char ch) {
    for (const Glyph& g : kFont)
        if (g.ch == ch)
            return g;
    return kFont[0];
}

int textWidth(std::string_view text) {
    int w = 0;
    for (char ch : text)
        w += static_cast<int>(glyphFor(ch).rows[0].size()) + 1;
    return text.empty() ? 0 : w - 1;
}

} // namespace

// Labels are "engraved": a dark pixel below-right of each lit pixel.
void drawText(Canvas& c, int x, int y, std::string_view text, QRgb ink, QRgb engrave) {
    for (int pass = 0; pass < 2; ++pass) {
        int penX = x;
        for (char ch : text) {
            const Glyph& g = glyphFor(ch);
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < static_cast<int>(g.rows[row].size()); ++col)
                    if (g.rows[row][col] == '#') {
                        if (pass == 0)
                            c.set(penX + col + 1, y + row + 1, engrave);
                        else
                            c.set(penX + col, y + row, ink);
                    }
            penX += static_cast<int>(g.rows[0].size()) + 1;
        }
    }
}

void drawCenteredText(Canvas& c, int left, int width, int y, std::string_view text, QRgb ink,
                      QRgb engrave) {
    drawText(c, left + (width - textWidth(text)) / 2, y, text, ink, engrave);
}

} // namespace bse::artwork
