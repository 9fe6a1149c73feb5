#pragma once
// The painter's kit shared by every sample picture: colours, value noise and its fractal sum, a
// picture painted pixel by pixel, skies of clouds.
#include "generator.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace gen::kit {

inline constexpr double pi = 3.14159265358979323846;

struct Col {
    double r, g, b;
};
inline Col operator+(Col a, Col b)
{
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Col operator*(Col a, double k)
{
    return {a.r * k, a.g * k, a.b * k};
}
inline Col mix(Col a, Col b, double t)
{
    return a * (1 - t) + b * t;
}
inline QRgb rgb(Col c)
{
    auto ch = [](double v) { return int(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5); };
    return qRgb(ch(c.r), ch(c.g), ch(c.b));
}
inline Col hsv(double h, double s, double v)
{
    h = h - std::floor(h);
    const double i = std::floor(h * 6), f = h * 6 - i;
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    switch (int(i) % 6) {
    case 0: return {v, t, p};
    case 1: return {q, v, p};
    case 2: return {p, v, t};
    case 3: return {p, q, v};
    case 4: return {t, p, v};
    default: return {v, p, q};
    }
}
inline double smooth(double e0, double e1, double x)
{
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// A cosine palette: each picture gets its own from its seed.
struct Palette {
    Col a, b, c, d;
    Col operator()(double t) const
    {
        return {a.r + b.r * std::cos(2 * pi * (c.r * t + d.r)), a.g + b.g * std::cos(2 * pi * (c.g * t + d.g)),
                a.b + b.b * std::cos(2 * pi * (c.b * t + d.b))};
    }
};
inline Palette palette(Rng &rng)
{
    Palette p;
    p.a = {0.5, 0.5, 0.5};
    p.b = {rng.range(0.35, 0.5), rng.range(0.35, 0.5), rng.range(0.35, 0.5)};
    p.c = {rng.range(0.8, 1.6), rng.range(0.8, 1.6), rng.range(0.8, 1.6)};
    p.d = {rng.uniform(), rng.uniform(), rng.uniform()};
    return p;
}

// Value noise and its fractal sum, in [0, 1].
inline double hashAt(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return double(h & 0xffffff) / double(0xffffff);
}
inline double noise(double x, double y, std::uint32_t seed)
{
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    const double tx = x - fx, ty = y - fy;
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const double a = hashAt(ix, iy, seed), b = hashAt(ix + 1, iy, seed);
    const double c = hashAt(ix, iy + 1, seed), d = hashAt(ix + 1, iy + 1, seed);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}
inline double fbm(double x, double y, int octaves, std::uint32_t seed)
{
    double sum = 0, amp = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * noise(x, y, seed + std::uint32_t(i) * 101u);
        norm += amp;
        x *= 2.03;
        y *= 2.03;
        amp *= 0.5;
    }
    return sum / norm;
}

template <typename F> QImage perPixel(int w, int h, F &&f)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = rgb(f(x, y));
    }
    return img;
}

// A sky from a colour at the top to another at the horizon, under clouds whose light side and
// shaded side differ, so that every part of it has shapes of its own.
struct SkyLook {
    Col top, low;     // the clear sky
    Col light, shade; // the clouds
    double cover;     // 0 clear ... 1 overcast
    double stretch;   // how much wider than tall the clouds are
};
Col cloudySky(const SkyLook &look, double x, double y, double horizon, double width, double u, std::uint32_t seed);

// The painters of scenes, one per kind of picture.
QImage alpineDawn(const PictureSpec &s);
QImage seaView(const PictureSpec &s);
QImage desertDunes(const PictureSpec &s);
QImage autumnValley(const PictureSpec &s);
QImage harvestFields(const PictureSpec &s);
QImage towerBlocks(const PictureSpec &s);
QImage skylineAtDusk(const PictureSpec &s);
QImage neonAvenue(const PictureSpec &s);
QImage nightHarbour(const PictureSpec &s);
QImage oldTown(const PictureSpec &s);

} // namespace gen::kit
