// The application icon (bricks, ball and paddle on a dark tile) and the frames of the small
// animation: a ball bouncing around a tiny arena, hitting the middle brick and the paddle.

#include "artwork/artwork.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace bse::artwork {
namespace {

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

Canvas drawAppIcon() {
    Canvas c(kAppIconSize, kAppIconSize, kBlack);
    drawIconTile(c);
    drawIconBricks(c);
    drawIconBall(c);
    drawIconPaddle(c);
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
