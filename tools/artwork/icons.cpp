// The application icon (bricks, ball and paddle on a dark tile) and the frames of the small
// animation: a ball bouncing around a tiny arena, hitting the middle brick and the paddle.

#include "artwork/artwork.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace bse::artwork {
namespace {

// The application icon is designed on a 48 x 48 grid. Other sizes scale its positions and
// thicken its one-pixel edges, so every size shows the same picture.
struct IconScale {
    int size;
    // Pixel position of a design position.
    int at(int v) const { return v * size / kAppIconSize; }
    // Thickness of a one-pixel edge of the design.
    int edge() const { return size / kAppIconSize; }
};

// Dark tile with a vertical gradient and a two-ring raised frame.
void drawIconTile(Canvas& c, const IconScale& s) {
    const int n = s.size;
    for (int y = 0; y < n; ++y)
        c.hline(0, n - 1, y, mix(qRgb(14, 16, 40), qRgb(40, 22, 70), y * 100 / (n - 1)));
    const int e = s.edge();
    for (int i = 0; i < e; ++i)
        c.bevelRing(i, i, n - 2 * i, n - 2 * i, qRgb(120, 130, 190), qRgb(6, 6, 16));
    for (int i = e; i < 2 * e; ++i)
        c.bevelRing(i, i, n - 2 * i, n - 2 * i, qRgb(64, 70, 120), qRgb(18, 18, 40));
}

// Three rows of three bricks, one knocked out of the bottom row.
void drawIconBricks(Canvas& c, const IconScale& s) {
    constexpr int kBrickW = 13, kBrickH = 6, kGap = 1, kLeft = 3, kTop = 4;
    constexpr std::array<QRgb, 3> kRows = {qRgb(226, 54, 40), qRgb(238, 198, 40),
                                           qRgb(44, 168, 72)};
    constexpr std::array<std::string_view, 3> kLayout = {"###", "###", "#.#"};
    const int e = s.edge();
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            if (kLayout[row][col] != '#')
                continue;
            const Ramp r = makeRamp(kRows[row]);
            const int left = kLeft + col * (kBrickW + kGap);
            const int top = kTop + row * (kBrickH + kGap);
            const int x = s.at(left), w = s.at(left + kBrickW) - x;
            const int y = s.at(top), h = s.at(top + kBrickH) - y;
            c.fill(x, y, w, h, r.face);
            for (int i = 0; i < e; ++i)
                c.bevelRing(x + i, y + i, w - 2 * i, h - 2 * i, r.edgeLight, r.edgeDark);
            c.fill(x + e, y + e, w - 3 * e, e, r.light);
        }
}

// The ball rising from the paddle, with a short trail.
void drawIconBall(Canvas& c, const IconScale& s) {
    constexpr std::array<QRgb, 3> kTrail = {qRgb(50, 44, 100), qRgb(72, 70, 140),
                                            qRgb(100, 104, 180)};
    for (int i = 0; i < 3; ++i)
        c.disc(2 * s.at(17 + 4 * i), 2 * s.at(39 - 3 * i), s.at(2 + i),
               [&](int, int) { return kTrail[i]; });
    const int r2 = s.at(8);
    const int rim2 = 46 * r2 * r2 / 64; // the outermost ring of the ball
    const int highlight = s.at(-5), face = s.at(3);
    c.disc(2 * s.at(31), 2 * s.at(29), r2, [&](int dx, int dy) {
        if (dx * dx + dy * dy >= rim2)
            return qRgb(120, 128, 180);
        if (dx + dy <= highlight)
            return kWhite;
        if (dx + dy <= face)
            return qRgb(212, 218, 240);
        return qRgb(150, 158, 204);
    });
}

void drawIconPaddle(Canvas& c, const IconScale& s) {
    constexpr int kPadX = 12, kPadY = 40, kPadW = 22, kPadH = 5;
    const int x = s.at(kPadX), w = s.at(kPadX + kPadW) - x;
    const int y = s.at(kPadY), h = s.at(kPadY + kPadH) - y;
    const int e = s.edge();
    const Ramp pad = makeRamp(qRgb(150, 160, 200));
    c.fill(x, y, w, h, pad.face);
    c.fill(x + e, y, w - 2 * e, e, pad.edgeLight);
    c.fill(x + e, y + e, w - 2 * e, e, pad.light);
    c.fill(x + e, y + h - e, w - 2 * e, e, pad.edgeDark);
    c.fill(x, y + e, e, h - 2 * e, pad.shadow);
    c.fill(x + w - e, y + e, e, h - 2 * e, pad.edgeDark);
    // Red end caps, as on the classic bat.
    const Ramp cap = makeRamp(qRgb(220, 50, 40));
    for (int capLeft : {kPadX + 1, kPadX + kPadW - 4}) {
        const int capX = s.at(capLeft), capW = s.at(capLeft + 3) - capX;
        c.fill(capX, y + e, capW, h - 2 * e, cap.face);
        c.fill(capX, y + e, capW, e, cap.light);
    }
}

// Animation frames.

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

} // namespace

Canvas drawAppIcon(int size) {
    const IconScale scale{size};
    Canvas c(size, size, kBlack);
    drawIconTile(c, scale);
    drawIconBricks(c, scale);
    drawIconBall(c, scale);
    drawIconPaddle(c, scale);
    return c;
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

} // namespace bse::artwork
