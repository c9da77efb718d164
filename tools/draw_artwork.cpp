// draw_artwork: paints every bitmap the editor ships with and writes them as PNG files.
//
//   draw_artwork <output-folder>
//
// Everything is drawn pixel by pixel (no antialiasing, no system fonts, fixed random
// seeds) so the output is byte-for-byte identical on every run and every machine.

#include "view/geometry.h"

#include <QDir>
#include <QHash>
#include <QImage>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace bse {
namespace {

// ---------------------------------------------------------------------------------------------
// Sizes of the pictures the screen layout does not fix, and the shared colours. Everything the
// editor positions over the backdrop comes from view/geometry.h.

constexpr int kAppIconSize = 48;
constexpr int kFrameSize = 16;
constexpr int kFrameCount = 10;

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kGridLine = qRgb(39, 41, 41);
constexpr QRgb kCellInside = qRgb(8, 8, 8);
constexpr QRgb kStatusFill = qRgb(8, 8, 8);

// ---------------------------------------------------------------------------------------------
// Colour arithmetic. Integer only, so results never depend on floating-point quirks.

QRgb mix(QRgb a, QRgb b, int percentOfB) {
    auto ch = [&](int ca, int cb) {
        return (ca * (100 - percentOfB) + cb * percentOfB + 50) / 100;
    };
    return qRgb(ch(qRed(a), qRed(b)), ch(qGreen(a), qGreen(b)), ch(qBlue(a), qBlue(b)));
}

QRgb scaled(QRgb c, int percent) {
    return mix(kBlack, c, percent);
}

// Five tones of one material: bright edge, lit face, face, shaded face, dark edge.
struct Ramp {
    QRgb edgeLight;
    QRgb light;
    QRgb face;
    QRgb shadow;
    QRgb edgeDark;
};

Ramp makeRamp(QRgb face) {
    return {mix(face, kWhite, 62), mix(face, kWhite, 30), face, scaled(face, 68), scaled(face, 40)};
}

// Small deterministic generator; the same seed always yields the same picture.
class Lcg {
  public:
    explicit Lcg(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }

  private:
    std::uint32_t state_;
};

// Cheap position hash for textures that must not change when drawing order changes.
int hashAt(int x, int y, int salt) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(salt) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<int>((h ^ (h >> 16)) & 0xffffu);
}

constexpr std::array<std::array<int, 4>, 4> kBayer = {
    {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}}};

// ---------------------------------------------------------------------------------------------
// Pixel canvas helpers. Coordinates are inclusive for lines, width/height for rectangles.

class Canvas {
  public:
    Canvas(int w, int h, QRgb fill) : img_(w, h, QImage::Format_RGB32) { img_.fill(fill); }

    int width() const { return img_.width(); }
    int height() const { return img_.height(); }
    const QImage& image() const { return img_; }

    void set(int x, int y, QRgb c) {
        if (img_.valid(x, y))
            img_.setPixel(x, y, c);
    }
    QRgb at(int x, int y) const { return img_.pixel(x, y) | 0xff000000u; }

    void fill(int x, int y, int w, int h, QRgb c) {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                set(i, j, c);
    }
    void hline(int x0, int x1, int y, QRgb c) { fill(x0, y, x1 - x0 + 1, 1, c); }
    void vline(int x, int y0, int y1, QRgb c) { fill(x, y0, 1, y1 - y0 + 1, c); }

    void line(int x0, int y0, int x1, int y1, QRgb c) {
        const int dx = std::abs(x1 - x0);
        const int dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1;
        const int sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            set(x0, y0, c);
            if (x0 == x1 && y0 == y1)
                break;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y0 += sy;
            }
        }
    }

    // Raised (or, with the colours swapped, sunken) one-pixel ring on the rectangle's edge.
    void bevelRing(int x, int y, int w, int h, QRgb topLeft, QRgb bottomRight) {
        hline(x, x + w - 1, y, topLeft);
        vline(x, y, y + h - 1, topLeft);
        hline(x + 1, x + w - 1, y + h - 1, bottomRight);
        vline(x + w - 1, y + 1, y + h - 1, bottomRight);
    }

    void blit(const Canvas& src, int sx, int sy, int w, int h, int dx, int dy) {
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i)
                set(dx + i, dy + j, src.at(sx + i, sy + j));
    }

    // Filled disc around a half-pixel centre (cx2/2, cy2/2) so even sizes stay symmetric.
    template <typename Shader> void disc(int cx2, int cy2, int r2, Shader shader) {
        for (int y = (cy2 - r2) / 2 - 1; y <= (cy2 + r2) / 2 + 1; ++y)
            for (int x = (cx2 - r2) / 2 - 1; x <= (cx2 + r2) / 2 + 1; ++x) {
                const int dx = 2 * x + 1 - cx2;
                const int dy = 2 * y + 1 - cy2;
                if (dx * dx + dy * dy <= r2 * r2)
                    set(x, y, shader(dx, dy));
            }
    }

  private:
    QImage img_;
};

// ---------------------------------------------------------------------------------------------
// A tiny proportional pixel font (7 rows high) for the few printed labels.

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

// ---------------------------------------------------------------------------------------------
// Block images. A Cell clips all drawing to one 30 x 15 image so patterns never leak.

class Cell {
  public:
    Cell(Canvas& canvas, int ox, int oy) : canvas_(canvas), ox_(ox), oy_(oy) {}

    void set(int x, int y, QRgb c) const {
        if (x >= 0 && x < blockWidth && y >= 0 && y < blockHeight)
            canvas_.set(ox_ + x, oy_ + y, c);
    }
    void fill(int x, int y, int w, int h, QRgb c) const {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                set(i, j, c);
    }
    void hline(int x0, int x1, int y, QRgb c) const { fill(x0, y, x1 - x0 + 1, 1, c); }
    void vline(int x, int y0, int y1, QRgb c) const { fill(x, y0, 1, y1 - y0 + 1, c); }

  private:
    Canvas& canvas_;
    int ox_;
    int oy_;
};

// Inner face of a bevelled brick (inside the two bevel rings).
constexpr int kFaceLeft = 2;
constexpr int kFaceRight = 27;
constexpr int kFaceTop = 2;
constexpr int kFaceBottom = 12;

// Classic brick: two rings of light on the top/left, two of shade on the bottom/right.
void drawBevel(const Cell& c, const Ramp& r) {
    c.fill(0, 0, blockWidth, blockHeight, r.face);
    c.hline(0, blockWidth - 2, 0, r.edgeLight);
    c.vline(0, 0, blockHeight - 2, r.edgeLight);
    c.hline(0, blockWidth - 1, blockHeight - 1, r.edgeDark);
    c.vline(blockWidth - 1, 0, blockHeight - 1, r.edgeDark);
    c.hline(1, blockWidth - 3, 1, r.light);
    c.vline(1, 1, blockHeight - 3, r.light);
    c.hline(1, blockWidth - 2, blockHeight - 2, r.shadow);
    c.vline(blockWidth - 2, 1, blockHeight - 2, r.shadow);
    // Mitred corners where light meets shade.
    c.set(blockWidth - 1, 0, r.face);
    c.set(0, blockHeight - 1, r.face);
}

// Engraves a stroke mask into the face: dark seam with a bright lip just below it.
void engrave(const Cell& c, const Ramp& r, const Canvas& mask) {
    for (int y = 0; y < blockHeight; ++y)
        for (int x = 0; x < blockWidth; ++x)
            if (mask.at(x, y) == kWhite) {
                c.set(x, y, r.edgeDark);
                if (y + 1 < blockHeight && mask.at(x, y + 1) != kWhite)
                    c.set(x, y + 1, r.light);
            }
}

void drawCrack(const Cell& c, const Ramp& r, std::initializer_list<std::array<int, 2>> points) {
    Canvas mask(blockWidth, blockHeight, kBlack);
    auto it = points.begin();
    std::array<int, 2> prev = *it;
    for (++it; it != points.end(); ++it) {
        mask.line(prev[0], prev[1], (*it)[0], (*it)[1], kWhite);
        prev = *it;
    }
    engrave(c, r, mask);
}

void drawStoneTexture(const Cell& c, const Ramp& r, int salt) {
    for (int y = kFaceTop; y <= kFaceBottom; ++y)
        for (int x = kFaceLeft; x <= kFaceRight; ++x) {
            const int h = hashAt(x, y, salt) % 11;
            if (h == 0)
                c.set(x, y, r.light);
            else if (h == 1 || h == 2)
                c.set(x, y, r.shadow);
        }
}

// Two courses of smaller bricks with mortar joints.
void drawMasonryJoints(const Cell& c, const Ramp& r) {
    constexpr int kCourseJoint = 7;
    c.hline(kFaceLeft, kFaceRight, kCourseJoint, r.edgeDark);
    c.hline(kFaceLeft, kFaceRight, kCourseJoint + 1, r.light);
    // Head joints are staggered between the courses, as in a real wall.
    auto headJoint = [&](int x, int top, int bottom) {
        c.vline(x, top, bottom, r.edgeDark);
        c.vline(x + 1, top, bottom, r.light);
    };
    headJoint(14, kFaceTop, kCourseJoint - 1);
    headJoint(7, kCourseJoint + 2, kFaceBottom);
    headJoint(21, kCourseJoint + 2, kFaceBottom);
    c.set(7, kCourseJoint + 1, r.edgeDark);
    c.set(21, kCourseJoint + 1, r.edgeDark);
}

void drawRivet(const Cell& c, const Ramp& r, int x, int y) {
    c.set(x, y, r.edgeLight);
    c.set(x + 1, y, r.light);
    c.set(x, y + 1, r.light);
    c.set(x + 1, y + 1, r.shadow);
    c.set(x + 2, y + 1, r.edgeDark);
    c.set(x + 1, y + 2, r.edgeDark);
    c.set(x + 2, y + 2, r.edgeDark);
}

// ---------------------------------------------------------------------------------------------
// The looks. Each draws a whole block image from its material's ramp and, for the few that
// have a second material, the accent colour. Most sit on the classic bevelled brick.

void drawPlainBrick(const Cell& c, const Ramp& r, QRgb /*accent*/) {
    drawBevel(c, r);
}

// A raised, rounded boss of the accent colour in the middle of the brick.
void drawBossBrick(const Cell& c, const Ramp& r, QRgb accent) {
    drawBevel(c, r);
    const Ramp p = makeRamp(accent);
    constexpr int kL = 8, kR = 21, kT = 4, kB = 10;
    c.fill(kL, kT, kR - kL + 1, kB - kT + 1, p.face);
    c.hline(kL + 1, kR - 1, kT, p.edgeLight);
    c.vline(kL, kT + 1, kB - 1, p.light);
    c.hline(kL + 1, kR - 1, kB, p.edgeDark);
    c.vline(kR, kT + 1, kB - 1, p.shadow);
    c.hline(kL + 2, kL + 5, kT + 1, p.light);
    // Rounded corners show the brick face again.
    for (int x : {kL, kR})
        for (int y : {kT, kB})
            c.set(x, y, r.face);
}

// A faint, almost-invisible block: dark body, dotted border in the accent colour.
void drawDottedOutline(const Cell& c, const Ramp& r, QRgb accent) {
    c.fill(0, 0, blockWidth, blockHeight, r.face);
    for (int x = 0; x < blockWidth; ++x)
        for (int y = 0; y < blockHeight; ++y) {
            const bool edge = x == 0 || y == 0 || x == blockWidth - 1 || y == blockHeight - 1;
            if (edge && (x + y) % 2 == 0)
                c.set(x, y, accent);
        }
    for (int x = 3; x < blockWidth - 3; x += 4)
        for (int y = 3; y < blockHeight - 3; y += 4)
            c.set(x + (y / 4) % 2 * 2, y, r.light);
}

void drawStone(const Cell& c, const Ramp& r, QRgb /*accent*/) {
    drawBevel(c, r);
    drawStoneTexture(c, r, 5);
}

void drawCrackedStone(const Cell& c, const Ramp& r, QRgb /*accent*/) {
    drawBevel(c, r);
    drawStoneTexture(c, r, 6);
    drawCrack(c, r, {{9, 2}, {12, 6}, {11, 9}, {14, 12}});
}

void drawShatteredStone(const Cell& c, const Ramp& r, QRgb /*accent*/) {
    drawBevel(c, r);
    drawStoneTexture(c, r, 7);
    drawCrack(c, r, {{5, 2}, {8, 5}, {7, 8}, {10, 12}});
    drawCrack(c, r, {{8, 5}, {14, 6}, {19, 4}, {22, 2}});
    drawCrack(c, r, {{14, 6}, {17, 9}, {24, 11}});
}

void drawMasonry(const Cell& c, const Ramp& r, QRgb /*accent*/) {
    drawBevel(c, r);
    drawMasonryJoints(c, r);
}

void drawCrackedMasonry(const Cell& c, const Ramp& r, QRgb /*accent*/) {
    drawBevel(c, r);
    drawMasonryJoints(c, r);
    drawCrack(c, r, {{18, 2}, {20, 5}, {19, 8}, {22, 12}});
}

void drawShatteredMasonry(const Cell& c, const Ramp& r, QRgb /*accent*/) {
    drawBevel(c, r);
    drawMasonryJoints(c, r);
    drawCrack(c, r, {{4, 3}, {8, 5}, {10, 9}, {9, 12}});
    drawCrack(c, r, {{18, 2}, {20, 5}, {19, 8}, {22, 12}});
    drawCrack(c, r, {{20, 5}, {26, 4}});
}

void drawGlossyBrick(const Cell& c, const Ramp& r, QRgb /*accent*/) {
    drawBevel(c, r);
    c.hline(4, 24, 3, r.edgeLight);
    c.hline(4, 13, 4, r.light);
    c.set(25, 3, r.light);
    c.set(26, 3, r.light);
    c.hline(6, 25, 11, r.shadow);
}

// Raised plus sign with its own highlight and shadow.
void drawPlusBrick(const Cell& c, const Ramp& r, QRgb /*accent*/) {
    drawBevel(c, r);
    c.fill(13, 3, 3, 9, r.edgeLight);
    c.fill(9, 6, 11, 3, r.edgeLight);
    c.vline(16, 3, 5, r.edgeDark);
    c.vline(16, 9, 11, r.edgeDark);
    c.hline(13, 15, 12, r.edgeDark);
    c.hline(9, 12, 9, r.edgeDark);
    c.hline(16, 19, 9, r.edgeDark);
    c.vline(20, 6, 9, r.edgeDark);
}

// Drilled holes: dark pit with a lit lower-right rim.
void drawDrilledBrick(const Cell& c, const Ramp& r, QRgb /*accent*/) {
    drawBevel(c, r);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 5; ++col) {
            const int x = 4 + col * 5 + row * 2;
            const int y = 4 + row * 5;
            c.set(x, y, r.edgeDark);
            c.set(x + 1, y, r.edgeDark);
            c.set(x, y + 1, r.edgeDark);
            c.set(x + 1, y + 1, r.shadow);
            c.set(x + 2, y + 1, r.light);
            c.set(x + 1, y + 2, r.light);
            c.set(x + 2, y + 2, r.edgeLight);
        }
}

void drawInsetBrick(const Cell& c, const Ramp& r, QRgb /*accent*/) {
    drawBevel(c, r);
    constexpr int kL = 6, kR = 23, kT = 4, kB = 10;
    c.fill(kL, kT, kR - kL + 1, kB - kT + 1, r.shadow);
    c.hline(kL, kR, kT, r.edgeDark);
    c.vline(kL, kT, kB, r.edgeDark);
    c.hline(kL + 1, kR, kB, r.edgeLight);
    c.vline(kR, kT + 1, kB, r.edgeLight);
    c.hline(kL + 3, kR - 3, kT + 3, r.face);
}

void drawRivetedBrick(const Cell& c, const Ramp& r, QRgb /*accent*/) {
    drawBevel(c, r);
    for (int x : {3, 24})
        for (int y : {3, 9})
            drawRivet(c, r, x, y);
    c.hline(8, 21, 7, r.shadow);
    c.hline(8, 21, 8, r.light);
}

void drawDiagonalBrick(const Cell& c, const Ramp& r, QRgb /*accent*/) {
    drawBevel(c, r);
    for (int y = kFaceTop; y <= kFaceBottom; ++y)
        for (int x = kFaceLeft; x <= kFaceRight; ++x) {
            const int band = (x + y) % 6;
            if (band == 0)
                c.set(x, y, r.light);
            else if (band == 1 || band == 2)
                c.set(x, y, r.shadow);
        }
}

void drawCheckeredBrick(const Cell& c, const Ramp& r, QRgb /*accent*/) {
    drawBevel(c, r);
    for (int y = kFaceTop; y <= kFaceBottom; ++y)
        for (int x = kFaceLeft; x <= kFaceRight; ++x)
            if (((x - 1) / 4 + (y + 1) / 4) % 2 == 1)
                c.set(x, y, r.shadow);
}

// Cut gem in the accent tint: four facets lit from the top left, dark rim. Each row steps two
// pixels so the edges are clean pixel diagonals.
void drawGemBrick(const Cell& c, const Ramp& r, QRgb accent) {
    drawBevel(c, r);
    const Ramp g = makeRamp(accent);
    constexpr int kMidRow = 7, kHalfRows = 5;
    for (int y = kMidRow - kHalfRows; y <= kMidRow + kHalfRows; ++y) {
        const int d = std::abs(y - kMidRow);
        const int half = 2 * (kHalfRows - d) + 1; // pixels each side of the centre line
        const int x0 = 15 - half, x1 = 14 + half;
        for (int x = x0; x <= x1; ++x) {
            const bool left = x < 15;
            QRgb col;
            if (y < kMidRow)
                col = left ? g.edgeLight : g.light;
            else
                col = left ? g.face : g.shadow;
            if (x <= x0 + 1 || x >= x1 - 1 || d == kHalfRows)
                col = r.edgeDark;
            c.set(x, y, col);
        }
    }
    c.set(11, 5, kWhite);
}

void drawCrossBrick(const Cell& c, const Ramp& r, QRgb /*accent*/) {
    drawBevel(c, r);
    Canvas mask(blockWidth, blockHeight, kBlack);
    for (int t = 0; t < 9; ++t) {
        const int y = 3 + t;
        for (int x : {10 + t, 11 + t, 19 - t, 18 - t})
            mask.set(x, y, kWhite);
    }
    engrave(c, r, mask);
}

// Bars separated by two engraved grooves.
void drawGroovedBrick(const Cell& c, const Ramp& r, QRgb /*accent*/) {
    drawBevel(c, r);
    for (int y : {5, 9}) {
        c.hline(kFaceLeft, kFaceRight, y, r.edgeDark);
        c.hline(kFaceLeft, kFaceRight, y + 1, r.light);
    }
}

// A rounded bar: shading runs top to bottom, the ends are rounded off.
void drawTube(const Cell& c, const Ramp& r, QRgb /*accent*/) {
    constexpr std::array<int, blockHeight> kRowTone = {4, 3, 3, 2, 2, 2, 2, 2, 1, 1, 1, 1, 0, 0, 0};
    for (int y = 0; y < blockHeight; ++y) {
        const QRgb tones[] = {r.edgeDark, r.shadow, r.face, r.light, r.edgeLight};
        c.hline(0, blockWidth - 1, y, tones[kRowTone[y]]);
    }
    c.hline(3, 11, 2, kWhite);
    for (int y = 0; y < blockHeight; ++y) {
        c.set(0, y, r.shadow);
        c.set(blockWidth - 1, y, r.edgeDark);
    }
    c.set(0, 0, r.edgeDark);
    c.set(0, blockHeight - 1, r.edgeDark);
    c.set(1, 0, r.shadow);
    c.set(blockWidth - 2, 0, r.shadow);
    c.set(1, blockHeight - 1, r.edgeDark);
    c.set(blockWidth - 2, blockHeight - 1, r.edgeDark);
}

void drawPlankBrick(const Cell& c, const Ramp& r, QRgb /*accent*/) {
    drawBevel(c, r);
    for (int x : {8, 14, 20}) {
        c.vline(x, kFaceTop, kFaceBottom, r.edgeDark);
        c.vline(x + 1, kFaceTop, kFaceBottom, r.light);
    }
    for (int x : {5, 11, 17, 23})
        c.set(x, 7, r.edgeDark);
}

// A band zigzagging across the brick in the accent colour.
void drawZigzagBrick(const Cell& c, const Ramp& r, QRgb accent) {
    drawBevel(c, r);
    const Ramp z = makeRamp(accent);
    for (int x = kFaceLeft; x <= kFaceRight; ++x) {
        const int phase = (x - kFaceLeft) % 8;
        const int y = 4 + (phase < 4 ? phase : 8 - phase);
        c.set(x, y - 1, z.light);
        c.set(x, y, z.face);
        c.set(x, y + 1, z.face);
        c.set(x, y + 2, z.edgeDark);
    }
}

// ---------------------------------------------------------------------------------------------
// The block kinds: material, look and accent for each strip image.

using Look = void (*)(const Cell& c, const Ramp& r, QRgb accent);

struct BlockStyle {
    QRgb colour;
    Look look;
    QRgb accent; // second material for looks that need one
};

// Material colours, grouped the way the game groups its block kinds.
constexpr QRgb kYellow = qRgb(236, 204, 40);
constexpr QRgb kPink = qRgb(240, 116, 172);
constexpr QRgb kDarkPurple = qRgb(60, 26, 84);
constexpr QRgb kPurpleDots = qRgb(178, 120, 220);
constexpr QRgb kGreyStone = qRgb(128, 126, 122);
constexpr QRgb kOrange = qRgb(232, 118, 28);
constexpr QRgb kGold = qRgb(222, 172, 36);
constexpr QRgb kBlueGreyStone = qRgb(94, 110, 134);
constexpr QRgb kBrightBlue = qRgb(36, 136, 255);
constexpr QRgb kGreen = qRgb(36, 164, 56);
constexpr QRgb kDarkGold = qRgb(164, 124, 22);
constexpr QRgb kMagenta = qRgb(204, 36, 172);
constexpr QRgb kBlue = qRgb(46, 76, 200);
constexpr QRgb kOlive = qRgb(118, 126, 38);
constexpr QRgb kCopper = qRgb(186, 102, 54);
constexpr QRgb kSkyBlue = qRgb(30, 114, 188);
constexpr QRgb kLightGreen = qRgb(128, 218, 106);
constexpr QRgb kDarkCopper = qRgb(152, 78, 40);
constexpr QRgb kZigzagRed = qRgb(220, 30, 26);
constexpr QRgb kGemPink = qRgb(248, 150, 226);
constexpr QRgb kGemCyan = qRgb(110, 214, 250);

// Styles for strip images 2..43, in image order.
constexpr std::array<BlockStyle, lastBlockImage - firstBlockImage + 1> kBlockStyles = {{
    {kYellow, drawBossBrick, kPink},               // 2
    {kYellow, drawPlainBrick, 0},                  // 3
    {kDarkPurple, drawDottedOutline, kPurpleDots}, // 4
    {kGreyStone, drawStone, 0},                    // 5
    {kGreyStone, drawCrackedStone, 0},             // 6
    {kGreyStone, drawShatteredStone, 0},           // 7
    {kOrange, drawPlainBrick, 0},                  // 8
    {kOrange, drawDiagonalBrick, 0},               // 9
    {kGold, drawRivetedBrick, 0},                  // 10
    {kGold, drawGroovedBrick, 0},                  // 11
    {kBlueGreyStone, drawMasonry, 0},              // 12
    {kBlueGreyStone, drawCrackedMasonry, 0},       // 13
    {kBlueGreyStone, drawShatteredMasonry, 0},     // 14
    {kBrightBlue, drawGlossyBrick, 0},             // 15
    {kBrightBlue, drawPlusBrick, 0},               // 16
    {kGreen, drawPlainBrick, 0},                   // 17
    {kGreen, drawDrilledBrick, 0},                 // 18
    {kGreen, drawInsetBrick, 0},                   // 19
    {kDarkGold, drawRivetedBrick, 0},              // 20
    {kDarkGold, drawDiagonalBrick, 0},             // 21
    {kDarkGold, drawCheckeredBrick, 0},            // 22
    {kMagenta, drawGemBrick, kGemPink},            // 23
    {kMagenta, drawCrossBrick, 0},                 // 24
    {kBlue, drawGroovedBrick, 0},                  // 25
    {kBlue, drawTube, 0},                          // 26
    {kBlue, drawDrilledBrick, 0},                  // 27
    {kOlive, drawPlainBrick, 0},                   // 28
    {kOlive, drawRivetedBrick, 0},                 // 29
    {kOlive, drawPlankBrick, 0},                   // 30
    {kCopper, drawPlainBrick, 0},                  // 31
    {kCopper, drawInsetBrick, 0},                  // 32
    {kCopper, drawCrossBrick, 0},                  // 33
    {kSkyBlue, drawDiagonalBrick, 0},              // 34
    {kSkyBlue, drawGemBrick, kGemCyan},            // 35
    {kSkyBlue, drawCheckeredBrick, 0},             // 36
    {kLightGreen, drawTube, 0},                    // 37
    {kLightGreen, drawGroovedBrick, 0},            // 38
    {kLightGreen, drawPlusBrick, 0},               // 39
    {kDarkCopper, drawMasonry, 0},                 // 40
    {kDarkCopper, drawPlankBrick, 0},              // 41
    {kDarkCopper, drawDrilledBrick, 0},            // 42
    {kYellow, drawZigzagBrick, kZigzagRed},        // 43
}};

void drawBlock(const Cell& c, const BlockStyle& style) {
    style.look(c, makeRamp(style.colour), style.accent);
}

// An empty board cell: the grid line colour as a border, the given colour inside.
void drawEmptyCell(Canvas& canvas, int x, int y, QRgb inside) {
    canvas.fill(x, y, blockWidth, blockHeight, kGridLine);
    canvas.fill(x + 1, y + 1, blockWidth - 2, blockHeight - 2, inside);
}

// The eraser: a pale X centred in an empty grid cell.
void drawEraser(Canvas& canvas, int x, int y) {
    constexpr QRgb kStroke = qRgb(214, 216, 222);
    constexpr QRgb kStrokeShade = qRgb(120, 122, 130);
    drawEmptyCell(canvas, x, y, kBlack);
    for (int t = 0; t < 9; ++t) {
        const int row = y + 3 + t;
        canvas.set(x + 10 + t, row, kStroke);
        canvas.set(x + 11 + t, row, kStroke);
        canvas.set(x + 19 - t, row, kStroke);
        canvas.set(x + 18 - t, row, kStroke);
    }
    // A soft shadow under each stroke end gives the mark a little depth.
    for (int t = 0; t < 9; ++t) {
        const int row = y + 4 + t;
        if (t == 8 || t < 3) {
            if (canvas.at(x + 11 + t, row) == kBlack)
                canvas.set(x + 11 + t, row, kStrokeShade);
            if (canvas.at(x + 18 - t, row) == kBlack)
                canvas.set(x + 18 - t, row, kStrokeShade);
        }
    }
}

Canvas drawBlockStrip() {
    Canvas strip(blockStripWidth, blockStripHeight, kBlack);
    // Image 1 stays plain black: an empty board square.
    for (int image = firstBlockImage; image <= lastBlockImage; ++image)
        drawBlock(Cell(strip, 0, blockImageTop(image)), kBlockStyles[image - firstBlockImage]);
    drawEmptyCell(strip, 0, blockImageTop(emptyCellImage), kBlack);
    drawEraser(strip, 0, blockImageTop(eraserImage));
    return strip;
}

Canvas drawStatusStrip() {
    return Canvas(statusStripWidth, statusStripHeight, kStatusFill);
}

// ---------------------------------------------------------------------------------------------
// Backdrop: grid well at the top, a control deck at the bottom.

constexpr QRgb kChassis = qRgb(26, 28, 38);
constexpr QRgb kChassisDark = qRgb(20, 22, 30);
constexpr QRgb kDeck = qRgb(40, 43, 56);
constexpr QRgb kDeckLight = qRgb(78, 84, 104);
constexpr QRgb kDeckShade = qRgb(16, 17, 23);
constexpr QRgb kWellDark = qRgb(6, 6, 9);
constexpr QRgb kWellLight = qRgb(64, 68, 86);
constexpr QRgb kLabelInk = qRgb(168, 176, 198);
constexpr QRgb kLabelEngrave = qRgb(14, 15, 20);

constexpr QRgb kButtonFace = qRgb(72, 77, 96);
constexpr QRgb kButtonLight = qRgb(124, 131, 156);
constexpr QRgb kButtonHighlight = qRgb(172, 178, 200);
constexpr QRgb kButtonShade = qRgb(38, 41, 53);
constexpr QRgb kButtonDark = qRgb(8, 8, 12);
constexpr QRgb kGlyph = qRgb(226, 230, 240);
constexpr QRgb kGlyphShadow = qRgb(22, 24, 32);

constexpr int kDeckTop = 310;

// Sunken well: dark above/left, light below/right, `depth` rings outside the rectangle.
void drawSunkenFrame(Canvas& c, int x, int y, int w, int h, int depth) {
    for (int ring = 1; ring <= depth; ++ring) {
        const QRgb tl = ring == 1 ? kWellDark : kDeckShade;
        const QRgb br = ring == 1 ? kWellLight : kDeckLight;
        c.bevelRing(x - ring, y - ring, w + 2 * ring, h + 2 * ring, tl, br);
    }
}

void drawScrew(Canvas& c, int x, int y) {
    // h = highlight, m = head, d = shade, s = slot.
    constexpr std::array<std::string_view, 7> kScrew = {"..hhh..", ".hhmmm.", "hhmmmmd", "hsssssd",
                                                        "mmmmmdd", ".mmddd.", "..ddd.."};
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 7; ++col) {
            QRgb tone = 0;
            switch (kScrew[row][col]) {
            case 'h':
                tone = kButtonHighlight;
                break;
            case 'm':
                tone = qRgb(100, 106, 128);
                break;
            case 'd':
                tone = kButtonShade;
                break;
            case 's':
                tone = kWellDark;
                break;
            default:
                continue;
            }
            c.set(x - 3 + col, y - 3 + row, tone);
        }
    // Drop shadow on the deck.
    c.set(x + 3, y + 2, kDeckShade);
    c.set(x + 2, y + 3, kDeckShade);
    c.hline(x - 1, x + 1, y + 4, kDeckShade);
    c.vline(x + 4, y - 1, y + 1, kDeckShade);
}

void drawBackdropChassis(Canvas& c) {
    // Fine vertical brushing on the chassis, regular so it compresses and never flickers.
    for (int y = 0; y < kDeckTop; ++y)
        for (int x = 0; x < canvasWidth; ++x)
            if ((x * 7 + y / 3) % 11 == 0)
                c.set(x, y, kChassisDark);

    // Grid well.
    const Rect& grid = boardGridRect;
    drawSunkenFrame(c, grid.left, grid.top, grid.width(), grid.height(), 3);
    for (int row = 1; row <= grid.height() / blockHeight; ++row)
        for (int column = 1; column <= grid.width() / blockWidth; ++column) {
            const Point at = cellOrigin(column, row);
            drawEmptyCell(c, at.x, at.y, kCellInside);
        }

    // Control deck.
    c.fill(0, kDeckTop, canvasWidth, canvasHeight - kDeckTop, kDeck);
    c.hline(0, canvasWidth - 1, kDeckTop - 1, kDeckShade);
    c.hline(0, canvasWidth - 1, kDeckTop, kDeckLight);
    c.hline(0, canvasWidth - 1, kDeckTop + 1, mix(kDeck, kDeckLight, 50));
    for (int y = kDeckTop + 2; y < canvasHeight; ++y)
        for (int x = 0; x < canvasWidth; ++x)
            if ((x + 2 * y) % 4 == 0)
                c.set(x, y, mix(kDeck, kDeckShade, 18));
    for (auto [x, y] : {std::array<int, 2>{11, 320}, {11, 390}, {628, 320}, {628, 390}})
        drawScrew(c, x, y);
}

void drawPalette(Canvas& c, const Canvas& strip) {
    constexpr Point kOrigin = paletteSlotOrigin(1);
    constexpr int kW = paletteSlotsPerRow * blockWidth;
    constexpr int kH = paletteSlotCount / paletteSlotsPerRow * blockHeight;
    // Frame is two pixels so it fits between the palette and the buttons below.
    drawSunkenFrame(c, kOrigin.x, kOrigin.y, kW, kH, 2);
    drawText(c, kOrigin.x, kOrigin.y - 12, "BLOCKS", kLabelInk, kLabelEngrave);

    for (int slot = 1; slot <= paletteSlotCount; ++slot) {
        const auto [x, y] = paletteSlotOrigin(slot);
        if (slot == 1)
            c.blit(strip, 0, blockImageTop(eraserImage), blockWidth, blockHeight, x, y);
        else if (slot <= lastBlockImage)
            c.blit(strip, 0, blockImageTop(slot), blockWidth, blockHeight, x, y);
        else
            drawEmptyCell(c, x, y, kCellInside);
    }
}

// Raised button filling the button's hit box.
void drawButtonBody(Canvas& c, const HitBox& box) {
    const int w = box.right - box.left + 1;
    const int h = box.bottom - box.top + 1;
    c.fill(box.left, box.top, w, h, kButtonFace);
    c.bevelRing(box.left, box.top, w, h, kButtonHighlight, kButtonDark);
    c.bevelRing(box.left + 1, box.top + 1, w - 2, h - 2, kButtonLight, kButtonShade);
    // A slightly lighter upper half reads as a rounded, lit surface.
    c.fill(box.left + 2, box.top + 2, w - 4, (h - 4) / 2, mix(kButtonFace, kButtonLight, 30));
}

// Upper of the two middle rows of the button row.
constexpr int kButtonMidTop = (buttonReleaseZone.top + buttonReleaseZone.bottom) / 2;

// Filled arrowhead: `dir` -1 points left, +1 right. Column heights are even so the arrow
// centres on the button's half-pixel middle; `drop` shifts it down for the shadow pass.
void drawArrowHead(Canvas& c, int tipX, int dir, int columns, int drop, QRgb colour) {
    for (int i = 0; i < columns; ++i)
        c.vline(tipX - dir * i, kButtonMidTop - i + drop, kButtonMidTop + 1 + i + drop, colour);
}

void drawArrow(Canvas& c, int tipX, int dir, int headColumns, int shaftLength, int shaftHalf,
               int drop, QRgb colour) {
    drawArrowHead(c, tipX, dir, headColumns, drop, colour);
    const int shaftStart = tipX - dir * headColumns;
    for (int i = 0; i < shaftLength; ++i)
        c.vline(shaftStart - dir * i, kButtonMidTop - shaftHalf + 1 + drop,
                kButtonMidTop + shaftHalf + drop, colour);
}

void drawPage(Canvas& c, int x, int y, int w, int h, bool withLines) {
    constexpr QRgb kPaper = qRgb(240, 240, 232);
    constexpr QRgb kPaperShade = qRgb(196, 198, 206);
    constexpr QRgb kInk = qRgb(20, 22, 30);
    constexpr QRgb kText = qRgb(120, 126, 150);
    constexpr int kEar = 3;
    std::array<std::array<QRgb, kEar>, kEar> under{};
    for (int i = 0; i < kEar; ++i)
        for (int j = 0; j < kEar; ++j)
            under[i][j] = c.at(x + w - kEar + j, y + i);
    c.fill(x, y, w, h, kInk);
    c.fill(x + 1, y + 1, w - 2, h - 2, kPaper);
    c.vline(x + w - 2, y + kEar + 1, y + h - 2, kPaperShade);
    c.hline(x + 1, x + w - 2, y + h - 2, kPaperShade);
    // Dog-eared corner.
    for (int i = 0; i < kEar; ++i)
        for (int j = i; j < kEar; ++j)
            c.set(x + w - kEar + j, y + i, under[i][j]);
    c.line(x + w - kEar - 1, y, x + w - 1, y + kEar, kInk);
    c.vline(x + w - kEar - 1, y, y + kEar, kInk);
    c.hline(x + w - kEar - 1, x + w - 1, y + kEar, kInk);
    c.fill(x + w - kEar, y + 1, kEar - 1, kEar - 1, kPaperShade);
    c.set(x + w - 2, y + 1, under[1][1]);
    if (withLines)
        for (int ly = y + 3; ly < y + h - 3; ly += 2)
            c.hline(x + 2, x + w - (ly == y + 3 ? kEar + 3 : 4), ly, kText);
}

// Navigation group: First, Previous, Next, Last as one segmented control.
void drawNavigationButtons(Canvas& c) {
    for (const HitBox& box : {firstButtonBox, previousButtonBox, nextButtonBox, lastButtonBox})
        drawButtonBody(c, box);
    // Shadow pass one pixel down and right, then the light glyphs on top.
    for (auto [o, col] : {std::pair<int, QRgb>{1, kGlyphShadow}, {0, kGlyph}}) {
        drawArrowHead(c, firstButtonBox.left + 2 + o, -1, 4, o, col);
        drawArrow(c, previousButtonBox.left + 5 + o, -1, 7, 8, 3, o, col);
        drawArrow(c, nextButtonBox.right - 5 + o, +1, 7, 8, 3, o, col);
        drawArrowHead(c, lastButtonBox.right - 3 + o, +1, 4, o, col);
    }
}

// Whether a pixel of the mask, or one beside it (not diagonally), is set.
bool touchesMask(const Canvas& mask, int a, int b) {
    for (auto [dx, dy] : {std::array<int, 2>{0, -1}, {-1, 0}, {0, 0}, {1, 0}, {0, 1}}) {
        const int na = a + dx, nb = b + dy;
        if (na >= 0 && nb >= 0 && na < mask.width() && nb < mask.height() &&
            mask.at(na, nb) == kWhite)
            return true;
    }
    return false;
}

// The Clear button's red cross: two thick diagonals, lit along their top edges and outlined.
void drawClearCross(Canvas& c, int x, int y) {
    constexpr QRgb kRed = qRgb(226, 44, 34);
    constexpr QRgb kRedLight = qRgb(255, 130, 110);
    constexpr QRgb kRedDark = qRgb(90, 10, 10);
    constexpr int kSize = 13;
    // The mask has a one-pixel margin for the outline.
    Canvas mask(kSize + 2, kSize + 2, kBlack);
    for (int b = 0; b < kSize; ++b)
        for (int a = 0; a < kSize; ++a)
            if (std::abs(a - b) <= 1 || std::abs(a + b - (kSize - 1)) <= 1)
                mask.set(a + 1, b + 1, kWhite);
    for (int b = 0; b < mask.height(); ++b)
        for (int a = 0; a < mask.width(); ++a) {
            if (mask.at(a, b) == kWhite) {
                const bool litEdge = b > 0 && mask.at(a, b - 1) != kWhite;
                c.set(x - 1 + a, y - 1 + b, litEdge ? kRedLight : kRed);
            } else if (touchesMask(mask, a, b)) {
                c.set(x - 1 + a, y - 1 + b, kRedDark);
            }
        }
}

void drawClearButton(Canvas& c, const HitBox& box) {
    drawButtonBody(c, box);
    drawClearCross(c, box.left + 6, box.top + 5);
}

// Two overlapping pages.
void drawCopyButton(Canvas& c, const HitBox& box) {
    drawButtonBody(c, box);
    drawPage(c, box.left + 5, box.top + 3, 11, 14, true);
    drawPage(c, box.left + 11, box.top + 7, 11, 14, true);
}

// A blue arrow from (x, y) down and bending right, into the page of the Paste button.
void drawPasteArrow(Canvas& c, int x, int y) {
    constexpr QRgb kBlueArrow = qRgb(56, 132, 236);
    constexpr QRgb kBlueLight = qRgb(150, 200, 255);
    constexpr QRgb kBlueDark = qRgb(14, 40, 110);
    // Outline first, then the body one pixel inside it.
    auto arrow = [&](int grow, QRgb col) {
        c.fill(x - grow, y - grow, 3 + 2 * grow, 9 + grow, col);     // vertical shaft
        c.fill(x - grow, y + 7 - grow, 8 + grow, 3 + 2 * grow, col); // bend towards page
        for (int i = 0; i < 4; ++i)                                  // head
            c.vline(x + 11 - i + grow, y + 8 - i - grow, y + 8 + i + grow, col);
    };
    arrow(1, kBlueDark);
    arrow(0, kBlueArrow);
    c.vline(x, y, y + 7, kBlueLight);
    c.hline(x, x + 7, y + 7, kBlueLight);
}

void drawPasteButton(Canvas& c, const HitBox& box) {
    drawButtonBody(c, box);
    drawPage(c, box.left + 9, box.top + 6, 11, 14, true);
    drawPasteArrow(c, box.left + 3, box.top + 4);
}

void drawButtons(Canvas& c) {
    drawNavigationButtons(c);
    drawClearButton(c, clearButtonBox);
    drawCopyButton(c, copyButtonBox);
    drawPasteButton(c, pasteButtonBox);
}

void drawStatusWell(Canvas& c) {
    // Black one pixel beyond the text rectangle, so the pasted strip never shows a seam.
    const Rect& text = statusTextRect;
    const int w = text.width() + 1;
    const int h = text.height() + 1;
    drawSunkenFrame(c, text.left, text.top, w, h, 2);
    c.fill(text.left, text.top, w, h, kBlack);
}

void drawSelectionPanel(Canvas& c) {
    // The panel holds both slots with a margin, and their labels above them.
    constexpr int kMargin = 7, kLabelY = selectionSlotY - 10;
    constexpr int kPanelX = leftSlotX - kMargin, kPanelY = kLabelY - kMargin;
    constexpr int kPanelW = rightSlotX + blockWidth + kMargin - kPanelX;
    constexpr int kPanelH = selectionSlotY + blockHeight + kMargin + 1 - kPanelY;
    drawSunkenFrame(c, kPanelX, kPanelY, kPanelW, kPanelH, 1);
    c.fill(kPanelX, kPanelY, kPanelW, kPanelH, mix(kDeck, kDeckShade, 30));
    c.bevelRing(kPanelX, kPanelY, kPanelW, kPanelH, kDeckLight, kDeckShade);
    for (auto [x, label] :
         {std::pair<int, std::string_view>{leftSlotX, "LEFT"}, {rightSlotX, "RIGHT"}}) {
        drawCenteredText(c, x, blockWidth, kLabelY, label, kLabelInk, kLabelEngrave);
        drawSunkenFrame(c, x, selectionSlotY, blockWidth, blockHeight, 1);
        drawEmptyCell(c, x, selectionSlotY, kCellInside);
    }
}

// Ventilation grille in the otherwise empty corner of the deck.
void drawGrille(Canvas& c) {
    constexpr int kX = 590, kY = 332, kW = 30, kSlots = 8;
    for (int i = 0; i < kSlots; ++i) {
        const int y = kY + i * 6;
        c.hline(kX, kX + kW - 1, y, kDeckShade);
        c.hline(kX, kX + kW - 1, y + 1, kWellDark);
        c.hline(kX + 1, kX + kW, y + 2, kDeckLight);
        c.set(kX - 1, y + 1, kDeckShade);
        c.set(kX + kW, y + 1, kDeckLight);
    }
}

Canvas drawBackdrop(const Canvas& strip) {
    Canvas c(canvasWidth, canvasHeight, kChassis);
    drawBackdropChassis(c);
    drawPalette(c, strip);
    drawButtons(c);
    drawStatusWell(c);
    drawSelectionPanel(c);
    drawGrille(c);
    return c;
}

// ---------------------------------------------------------------------------------------------
// About picture: night sky over a half-demolished wall.

QRgb aboutSky(int level, int levels) {
    // Near-black at the top so overlaid text stays readable; violet towards the horizon.
    struct Stop {
        int at;
        QRgb colour;
    };
    constexpr std::array<Stop, 4> kStops = {{{0, qRgb(2, 2, 10)},
                                             {55, qRgb(8, 8, 30)},
                                             {85, qRgb(26, 12, 52)},
                                             {100, qRgb(70, 24, 76)}}};
    const int t = level * 100 / (levels - 1);
    for (std::size_t i = 1; i < kStops.size(); ++i)
        if (t <= kStops[i].at) {
            const int span = kStops[i].at - kStops[i - 1].at;
            return mix(kStops[i - 1].colour, kStops[i].colour, (t - kStops[i - 1].at) * 100 / span);
        }
    return kStops.back().colour;
}

// Dithered sky from near-black at the top to violet at the horizon.
void drawAboutSky(Canvas& c) {
    constexpr int kLevels = 28;
    for (int y = 0; y < c.height(); ++y) {
        const int pos16 = y * (kLevels - 1) * 16 / (c.height() - 1);
        for (int x = 0; x < c.width(); ++x) {
            int level = pos16 / 16;
            if (pos16 % 16 > kBayer[y % 4][x % 4])
                ++level;
            c.set(x, y, aboutSky(level, kLevels));
        }
    }
}

// Stars, thinning out towards the horizon glow.
void drawStars(Canvas& c) {
    Lcg rng(0x504C4B32u);
    constexpr std::array<QRgb, 4> kStarDim = {qRgb(60, 60, 92), qRgb(74, 68, 104),
                                              qRgb(58, 72, 100), qRgb(84, 84, 116)};
    for (int i = 0; i < 260; ++i) {
        const int x = rng.below(c.width());
        const int y = rng.below(250);
        const int kind = rng.below(100);
        if (kind < 72) {
            c.set(x, y, kStarDim[static_cast<std::size_t>(rng.below(4))]);
        } else if (kind < 94) {
            c.set(x, y, qRgb(150, 150, 190));
        } else {
            constexpr QRgb kGlint = qRgb(96, 100, 150);
            c.set(x, y, qRgb(236, 236, 255));
            c.set(x - 1, y, kGlint);
            c.set(x + 1, y, kGlint);
            c.set(x, y - 1, kGlint);
            c.set(x, y + 1, kGlint);
        }
    }
}

// The wall's bricks by letter: a few kinds of the strip.
BlockStyle wallBrick(char code) {
    switch (code) {
    case 'a':
        return kBlockStyles[3 - firstBlockImage];
    case 'b':
        return kBlockStyles[8 - firstBlockImage];
    case 'c':
        return kBlockStyles[17 - firstBlockImage];
    case 'd':
        return kBlockStyles[15 - firstBlockImage];
    default:
        return kBlockStyles[23 - firstBlockImage];
    }
}

// The wall: three staggered courses of blocks, the top ones partly knocked out.
void drawWall(Canvas& c) {
    struct Course {
        int y;
        int offset;
        std::string_view layout; // one letter per brick, '.' = missing
    };
    constexpr std::array<Course, 3> kCourses = {{{275, 15, "a..b.c....d.eb."},
                                                 {290, 0, "cdeabc.abdeacdbe"},
                                                 {305, 15, "eabdcaebdcaebdca"}}};
    for (const Course& course : kCourses)
        for (std::size_t i = 0; i < course.layout.size(); ++i) {
            if (course.layout[i] == '.')
                continue;
            const int x = static_cast<int>(i) * blockWidth - course.offset;
            drawBlock(Cell(c, x, course.y), wallBrick(course.layout[i]));
        }
}

// Broken fragments tumbling out of the gap.
void drawChips(Canvas& c) {
    constexpr std::array<std::array<int, 3>, 7> kChips = {{{200, 262, 0},
                                                           {214, 252, 1},
                                                           {188, 250, 2},
                                                           {226, 266, 0},
                                                           {206, 240, 2},
                                                           {178, 266, 1},
                                                           {232, 246, 1}}};
    const Ramp chipRamps[] = {makeRamp(kOrange), makeRamp(kBrightBlue), makeRamp(kYellow)};
    for (const auto& chip : kChips) {
        const Ramp& r = chipRamps[chip[2]];
        c.set(chip[0], chip[1], r.edgeLight);
        c.set(chip[0] + 1, chip[1], r.face);
        c.set(chip[0], chip[1] + 1, r.face);
        c.set(chip[0] + 1, chip[1] + 1, r.edgeDark);
    }
}

constexpr int kBallX = 292, kBallY = 234, kBallDiameter = 15;

// A fading trail from the hole in the wall to the ball.
void drawBallTrail(Canvas& c) {
    constexpr int kTrailSteps = 6;
    constexpr std::array<QRgb, kTrailSteps> kTrail = {qRgb(34, 30, 70),    qRgb(46, 42, 92),
                                                      qRgb(62, 58, 118),   qRgb(82, 80, 144),
                                                      qRgb(108, 108, 172), qRgb(140, 144, 200)};
    constexpr int kTrailX = 196, kTrailY = 286;
    for (int i = 0; i < kTrailSteps; ++i) {
        const int tx = kTrailX + (kBallX - kTrailX) * i / (kTrailSteps + 1);
        const int ty = kTrailY + (kBallY - kTrailY) * i / (kTrailSteps + 1);
        c.disc(2 * tx + 1, 2 * ty + 1, 3 + i * 2, [&](int, int) { return kTrail[i]; });
    }
}

void drawBall(Canvas& c) {
    // Halo: a checkerboard of one glow colour, the cheapest soft edge in a 256-colour picture.
    constexpr QRgb kHalo = qRgb(52, 48, 110);
    c.disc(2 * kBallX + 1, 2 * kBallY + 1, kBallDiameter + 8, [&](int dx, int dy) {
        const int x = (2 * kBallX + 1 + dx) / 2;
        const int y = (2 * kBallY + 1 + dy) / 2;
        return (x + y) % 2 == 0 ? kHalo : c.at(x, y);
    });
    c.disc(2 * kBallX + 1, 2 * kBallY + 1, kBallDiameter, [](int dx, int dy) {
        const int light = -dx - dy; // lit from the upper left
        if (dx * dx + dy * dy >= (kBallDiameter - 2) * (kBallDiameter - 2))
            return qRgb(70, 74, 118);
        if ((dx + 6) * (dx + 6) + (dy + 6) * (dy + 6) <= 12)
            return kWhite;
        if (light > 10)
            return qRgb(222, 226, 242);
        if (light > -2)
            return qRgb(176, 182, 212);
        if (light > -12)
            return qRgb(124, 130, 172);
        return qRgb(88, 92, 136);
    });
}

Canvas drawAboutPicture() {
    Canvas c(aboutPictureWidth, aboutPictureHeight, kBlack);
    drawAboutSky(c);
    drawStars(c);
    drawWall(c);
    drawChips(c);
    drawBallTrail(c);
    drawBall(c);
    return c;
}

// ---------------------------------------------------------------------------------------------
// Application icon: bricks, ball and paddle on a dark tile.

// Dark tile with a vertical gradient and a two-ring raised frame.
void drawIconTile(Canvas& c) {
    const int s = c.width();
    for (int y = 0; y < s; ++y)
        c.hline(0, s - 1, y, mix(qRgb(14, 16, 40), qRgb(40, 22, 70), y * 100 / (s - 1)));
    c.bevelRing(0, 0, s, s, qRgb(120, 130, 190), qRgb(6, 6, 16));
    c.bevelRing(1, 1, s - 2, s - 2, qRgb(64, 70, 120), qRgb(18, 18, 40));
}

// Three rows of three bricks, one knocked out of the bottom row.
void drawIconBricks(Canvas& c) {
    constexpr int kBrickW = 13, kBrickH = 6, kGap = 1, kLeft = 3, kTop = 4;
    constexpr std::array<QRgb, 3> kRows = {qRgb(226, 54, 40), qRgb(238, 198, 40),
                                           qRgb(44, 168, 72)};
    constexpr std::array<std::string_view, 3> kLayout = {"###", "###", "#.#"};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            if (kLayout[row][col] != '#')
                continue;
            const Ramp r = makeRamp(kRows[row]);
            const int x = kLeft + col * (kBrickW + kGap);
            const int y = kTop + row * (kBrickH + kGap);
            c.fill(x, y, kBrickW, kBrickH, r.face);
            c.bevelRing(x, y, kBrickW, kBrickH, r.edgeLight, r.edgeDark);
            c.hline(x + 1, x + kBrickW - 3, y + 1, r.light);
        }
}

// The ball rising from the paddle, with a short trail.
void drawIconBall(Canvas& c) {
    constexpr std::array<QRgb, 3> kTrail = {qRgb(50, 44, 100), qRgb(72, 70, 140),
                                            qRgb(100, 104, 180)};
    for (int i = 0; i < 3; ++i)
        c.disc(2 * (17 + 4 * i), 2 * (39 - 3 * i), 2 + i, [&](int, int) { return kTrail[i]; });
    c.disc(2 * 31, 2 * 29, 8, [](int dx, int dy) {
        if (dx * dx + dy * dy >= 46)
            return qRgb(120, 128, 180);
        if (dx + dy <= -5)
            return kWhite;
        if (dx + dy <= 3)
            return qRgb(212, 218, 240);
        return qRgb(150, 158, 204);
    });
}

void drawIconPaddle(Canvas& c) {
    constexpr int kPadX = 12, kPadY = 40, kPadW = 22, kPadH = 5;
    const Ramp pad = makeRamp(qRgb(150, 160, 200));
    c.fill(kPadX, kPadY, kPadW, kPadH, pad.face);
    c.hline(kPadX + 1, kPadX + kPadW - 2, kPadY, pad.edgeLight);
    c.hline(kPadX + 1, kPadX + kPadW - 2, kPadY + 1, pad.light);
    c.hline(kPadX + 1, kPadX + kPadW - 2, kPadY + kPadH - 1, pad.edgeDark);
    c.vline(kPadX, kPadY + 1, kPadY + kPadH - 2, pad.shadow);
    c.vline(kPadX + kPadW - 1, kPadY + 1, kPadY + kPadH - 2, pad.edgeDark);
    // Red end caps, as on the classic bat.
    const Ramp cap = makeRamp(qRgb(220, 50, 40));
    for (int x : {kPadX + 1, kPadX + kPadW - 4}) {
        c.fill(x, kPadY + 1, 3, kPadH - 2, cap.face);
        c.hline(x, x + 2, kPadY + 1, cap.light);
    }
}

Canvas drawAppIcon() {
    Canvas c(kAppIconSize, kAppIconSize, kBlack);
    drawIconTile(c);
    drawIconBricks(c);
    drawIconBall(c);
    drawIconPaddle(c);
    return c;
}

// ---------------------------------------------------------------------------------------------
// Animation: a ball bouncing around a tiny arena, hitting the middle brick and the paddle.

// Ball path: a diamond touching paddle (frame 0), right wall, brick (frame 5), left wall.
constexpr std::array<std::array<int, 2>, kFrameCount> kBallPath = {
    {{6, 10}, {8, 9}, {10, 8}, {10, 6}, {8, 5}, {6, 4}, {4, 5}, {2, 6}, {2, 8}, {4, 9}}};
constexpr int kHitBrick = 5;
constexpr int kHitPaddle = 0;

// Walls left, right and at the top; the bottom stays open.
void drawArena(Canvas& c) {
    constexpr QRgb kWall = qRgb(92, 98, 124);
    constexpr QRgb kWallLight = qRgb(150, 156, 184);
    const int s = c.width();
    c.vline(0, 0, s - 1, kWallLight);
    c.vline(1, 0, s - 1, kWall);
    c.vline(s - 2, 0, s - 1, kWall);
    c.vline(s - 1, 0, s - 1, scaled(kWall, 60));
    c.hline(0, s - 1, 0, kWallLight);
}

// Three bricks; the middle one flashes when the ball hits it.
void drawFrameBricks(Canvas& c, int frame) {
    const std::array<QRgb, 3> brickColours = {qRgb(226, 54, 40), qRgb(238, 198, 40),
                                              qRgb(44, 168, 72)};
    for (int i = 0; i < 3; ++i) {
        Ramp r = makeRamp(brickColours[i]);
        if (i == 1 && frame == kHitBrick)
            r = makeRamp(qRgb(255, 250, 220));
        else if (i == 1 && frame == kHitBrick + 1)
            r = makeRamp(qRgb(250, 228, 130));
        const int x = 2 + 4 * i;
        c.fill(x, 1, 4, 3, r.face);
        c.hline(x, x + 2, 1, r.edgeLight);
        c.set(x + 3, 1, r.face);
        c.hline(x, x + 3, 3, r.edgeDark);
        c.vline(x + 3, 2, 3, r.edgeDark);
    }
}

// The paddle, lit up when the ball hits it.
void drawFramePaddle(Canvas& c, int frame) {
    const Ramp pad = makeRamp(frame == kHitPaddle ? qRgb(230, 236, 255) : qRgb(140, 150, 196));
    c.fill(4, 14, 8, 2, pad.face);
    c.hline(5, 10, 14, pad.edgeLight);
    c.set(4, 15, pad.shadow);
    c.set(11, 15, pad.edgeDark);
}

void drawFrameBall(Canvas& c, int frame) {
    // Faint ghost of the previous position gives the motion direction.
    const auto& prev = kBallPath[static_cast<std::size_t>((frame + kFrameCount - 1) % kFrameCount)];
    c.fill(prev[0] + 1, prev[1] + 1, 2, 2, qRgb(44, 46, 90));

    const auto& b = kBallPath[static_cast<std::size_t>(frame)];
    constexpr QRgb kBallLight = qRgb(255, 255, 255);
    constexpr QRgb kBallFace = qRgb(200, 206, 232);
    constexpr QRgb kBallShade = qRgb(120, 126, 170);
    c.hline(b[0] + 1, b[0] + 2, b[1], kBallFace);
    c.hline(b[0], b[0] + 3, b[1] + 1, kBallFace);
    c.hline(b[0], b[0] + 3, b[1] + 2, kBallFace);
    c.hline(b[0] + 1, b[0] + 2, b[1] + 3, kBallShade);
    c.set(b[0] + 3, b[1] + 2, kBallShade);
    c.set(b[0] + 1, b[1] + 1, kBallLight);
}

// Sparks at the moment of impact.
void drawSparks(Canvas& c, int frame) {
    if (frame == kHitBrick) {
        for (auto [x, y] : {std::array<int, 2>{5, 5}, {10, 5}, {4, 4}, {11, 4}})
            c.set(x, y, qRgb(255, 236, 140));
    } else if (frame == kHitPaddle) {
        for (auto [x, y] : {std::array<int, 2>{5, 12}, {10, 12}, {4, 13}, {11, 13}})
            c.set(x, y, qRgb(180, 220, 255));
    }
}

Canvas drawAnimationFrame(int frame) {
    Canvas c(kFrameSize, kFrameSize, qRgb(6, 6, 20));
    drawArena(c);
    drawFrameBricks(c, frame);
    drawFramePaddle(c, frame);
    drawFrameBall(c, frame);
    drawSparks(c, frame);
    return c;
}

// ---------------------------------------------------------------------------------------------
// Output.

// Qt otherwise stamps the screen's resolution into the file, which varies between machines.
constexpr int kDotsPerMeter = 3780; // 96 dpi

// Writes an exact 8-bit palette image; refuses rather than silently altering colours.
bool saveIndexed(const Canvas& canvas, const QString& path) {
    const QImage& src = canvas.image();
    QList<QRgb> table;
    QHash<QRgb, int> index;
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = src.pixel(x, y) | 0xff000000u;
            if (!index.contains(c)) {
                if (table.size() == 256) {
                    std::fprintf(stderr, "%s: more than 256 colours\n", qPrintable(path));
                    return false;
                }
                index.insert(c, static_cast<int>(table.size()));
                table.append(c);
            }
        }
    QImage out(src.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < src.height(); ++y) {
        uchar* line = out.scanLine(y);
        for (int x = 0; x < src.width(); ++x)
            line[x] = static_cast<uchar>(index.value(src.pixel(x, y) | 0xff000000u));
    }
    out.setDotsPerMeterX(kDotsPerMeter);
    out.setDotsPerMeterY(kDotsPerMeter);
    if (!out.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool saveTrueColour(const Canvas& canvas, const QString& path) {
    QImage out = canvas.image().convertToFormat(QImage::Format_RGB888);
    out.setDotsPerMeterX(kDotsPerMeter);
    out.setDotsPerMeterY(kDotsPerMeter);
    if (!out.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace
} // namespace bse

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output-folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("pictures")) || !out.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "cannot create folders under %s\n", argv[1]);
        return 1;
    }
    const auto picture = [&](int id) {
        return out.filePath(QStringLiteral("pictures/%1.png").arg(id));
    };
    const auto icon = [&](int id) { return out.filePath(QStringLiteral("icons/%1.png").arg(id)); };

    const bse::Canvas strip = bse::drawBlockStrip();
    bool ok = bse::saveIndexed(strip, picture(103));
    ok = bse::saveIndexed(bse::drawBackdrop(strip), picture(102)) && ok;
    ok = bse::saveIndexed(bse::drawStatusStrip(), picture(106)) && ok;
    ok = bse::saveIndexed(bse::drawAboutPicture(), picture(124)) && ok;
    ok = bse::saveTrueColour(bse::drawAppIcon(), icon(105)) && ok;
    for (int frame = 0; frame < bse::kFrameCount; ++frame)
        ok = bse::saveIndexed(bse::drawAnimationFrame(frame), icon(111 + frame)) && ok;
    return ok ? 0 : 1;
}
