// The block strip: one 30 x 15 image per block kind, then the empty cell and the eraser.

#include "artwork/artwork.h"

#include <array>
#include <cstdlib>
#include <initializer_list>

namespace bse::artwork {
namespace {

// Border of an empty cell: these borders are the grid lines on the board.
constexpr QRgb kGridLine = qRgb(39, 41, 41);

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

} // namespace

void drawBlockImage(const Cell& c, int image) {
    const BlockStyle& style = kBlockStyles[image - firstBlockImage];
    style.look(c, makeRamp(style.colour), style.accent);
}

QRgb blockMaterial(int image) {
    return kBlockStyles[image - firstBlockImage].colour;
}

void drawEmptyCell(Canvas& canvas, int x, int y, QRgb inside) {
    canvas.fill(x, y, blockWidth, blockHeight, kGridLine);
    canvas.fill(x + 1, y + 1, blockWidth - 2, blockHeight - 2, inside);
}

Canvas drawBlockStrip() {
    Canvas strip(blockStripWidth, blockStripHeight, kBlack);
    // Image 1 stays plain black: an empty board square.
    for (int image = firstBlockImage; image <= lastBlockImage; ++image)
        drawBlockImage(Cell(strip, 0, blockImageTop(image)), image);
    drawEmptyCell(strip, 0, blockImageTop(emptyCellImage), kBlack);
    drawEraser(strip, 0, blockImageTop(eraserImage));
    return strip;
}

} // namespace bse::artwork
