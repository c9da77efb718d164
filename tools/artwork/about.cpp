// The About picture: night sky over a half-demolished wall.

#include "artwork/artwork.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace bse::artwork {
namespace {

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

// The wall's bricks by letter, as images of the block strip.
int wallImage(char code) {
    switch (code) {
    case 'a':
        return 3;
    case 'b':
        return 8;
    case 'c':
        return 17;
    case 'd':
        return 15;
    default:
        return 23;
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
            drawBlockImage(Cell(c, x, course.y), wallImage(course.layout[i]));
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
    // Chips of the plain orange, glossy blue and plain yellow bricks.
    const Ramp chipRamps[] = {makeRamp(blockMaterial(wallImage('b'))),
                              makeRamp(blockMaterial(wallImage('d'))),
                              makeRamp(blockMaterial(wallImage('a')))};
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

} // namespace

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

} // namespace bse::artwork
