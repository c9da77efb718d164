#pragma once

// Pixel-level drawing for the artwork: integer colour arithmetic, seeded randomness and a canvas
// that only ever sets whole pixels, so every picture comes out the same on every machine.

#include "view/geometry.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace bse::artwork {

inline constexpr QRgb kBlack = qRgb(0, 0, 0);
inline constexpr QRgb kWhite = qRgb(255, 255, 255);

// ---------------------------------------------------------------------------------------------
// Colour arithmetic. Integer only, so results never depend on floating-point quirks.

inline QRgb mix(QRgb a, QRgb b, int percentOfB) {
    auto ch = [&](int ca, int cb) {
        return (ca * (100 - percentOfB) + cb * percentOfB + 50) / 100;
    };
    return qRgb(ch(qRed(a), qRed(b)), ch(qGreen(a), qGreen(b)), ch(qBlue(a), qBlue(b)));
}

inline QRgb scaled(QRgb c, int percent) {
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

inline Ramp makeRamp(QRgb face) {
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
inline int hashAt(int x, int y, int salt) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(salt) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<int>((h ^ (h >> 16)) & 0xffffu);
}

inline constexpr std::array<std::array<int, 4>, 4> kBayer = {
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
// A Cell clips all drawing to one block image so patterns never leak into the next.

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

} // namespace bse::artwork
