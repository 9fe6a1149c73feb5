// The sample pictures: fractals and mosaics painted here, landscapes and cities in paint_scenes.cpp;
// every part of every picture full of colour and detail, so that every one of 100 tiles can be told
// apart.
#include "paint_kit.h"

#include <complex>

namespace gen {
namespace {

using namespace kit;

// Julia sets with stripe colouring outside and orbit traps inside: detail everywhere.
QImage julia(const PictureSpec &s, std::complex<double> c, double span, int maxIter)
{
    Rng rng(s.seed);
    const Palette pal = palette(rng);
    const int w = s.width, h = s.height;
    const double scale = span / std::min(w, h);
    const double stripes = rng.range(3, 6);
    return perPixel(w, h, [&](int x, int y) -> Col {
        std::complex<double> z((x - w / 2.0) * scale, (y - h / 2.0) * scale);
        double stripe = 0, trap = 1e9;
        int n = 0;
        for (; n < maxIter && std::norm(z) < 1e6; ++n) {
            z = z * z + c;
            stripe += 0.5 + 0.5 * std::sin(stripes * std::arg(z));
            trap = std::min(trap, std::abs(std::abs(z.real()) - 0.3) + std::abs(z.imag()) * 0.5);
        }
        if (n == maxIter)
            return pal(0.6 + trap * 3) * (0.55 + 0.45 * std::cos(trap * 40));
        const double mu = n + 1 - std::log(std::log(std::abs(z))) / std::log(2.0);
        const double avg = stripe / std::max(1, n);
        return pal(mu * 0.035 + avg * 0.35) * (0.55 + 0.55 * avg);
    });
}
QImage juliaSet(const PictureSpec &s)
{
    static const std::complex<double> cs[] = {
        {-0.8, 0.156}, {-0.7269, 0.1889}, {0.285, 0.01}, {-0.4, 0.6}, {-0.70176, -0.3842}};
    return julia(s, cs[s.seed % 5], 2.6, 260);
}
// The Julia set of a point in the seahorse valley of the Mandelbrot set: seahorses all over.
QImage seahorseValley(const PictureSpec &s)
{
    return julia(s, {-0.7453, 0.1127}, 2.0, 400);
}

// Domain colouring of a rational function: hue from the argument, rings from the modulus.
QImage complexWaves(const PictureSpec &s)
{
    Rng rng(s.seed);
    const double shift = rng.uniform();
    const int w = s.width, h = s.height;
    const double scale = 4.0 / std::min(w, h);
    return perPixel(w, h, [&](int x, int y) -> Col {
        const std::complex<double> z((x - w / 2.0) * scale, (y - h / 2.0) * scale);
        const std::complex<double> f = (z * z * z - 1.0) * (z - std::complex<double>(0, 0.5)) *
                                       (z + std::complex<double>(0.8, -0.4)) /
                                       (z * z + z + std::complex<double>(1.0, 0.3));
        const double arg = std::arg(f) / (2 * pi);
        const double lm = std::log(std::abs(f) + 1e-12);
        const double rings = lm * 2 - std::floor(lm * 2);
        const double spokes = arg * 24 - std::floor(arg * 24);
        const double v = 0.55 + 0.3 * rings + 0.15 * smooth(0.0, 0.15, spokes);
        return hsv(arg + shift, 0.75 + 0.25 * std::sin(lm * 3), v);
    });
}

// Stained glass: cells around jittered points, each a colour of its own, with dark lead between.
QImage stainedGlass(const PictureSpec &s)
{
    Rng rng(s.seed);
    const Palette pal = palette(rng);
    const int w = s.width, h = s.height;
    const double cell = std::min(w, h) / 24.0;
    const int gw = int(w / cell) + 2, gh = int(h / cell) + 2;
    std::vector<double> px(size_t(gw) * size_t(gh)), py(px.size());
    for (size_t i = 0; i < px.size(); ++i) {
        px[i] = rng.uniform();
        py[i] = rng.uniform();
    }
    return perPixel(w, h, [&](int x, int y) -> Col {
        const double fx = x / cell, fy = y / cell;
        const int ix = int(fx), iy = int(fy);
        double d1 = 1e9, d2 = 1e9;
        int best = 0;
        for (int j = iy - 1; j <= iy + 1; ++j)
            for (int i = ix - 1; i <= ix + 1; ++i) {
                if (i < 0 || j < 0 || i >= gw || j >= gh)
                    continue;
                const size_t k = size_t(j) * size_t(gw) + size_t(i);
                const double d = std::hypot(i + px[k] - fx, j + py[k] - fy);
                if (d < d1) {
                    d2 = d1;
                    d1 = d;
                    best = int(k);
                } else if (d < d2) {
                    d2 = d;
                }
            }
        if (d2 - d1 < 0.07)
            return Col{0.08, 0.07, 0.06} * (0.8 + 0.4 * noise(x * 0.3, y * 0.3, s.seed));
        const double glow = 1.15 - d1 * 0.6;
        const double grain = fbm(x / cell * 3, y / cell * 3, 4, s.seed + 3);
        return pal(hashAt(best, 7, s.seed) + grain * 0.15) * glow * (0.8 + 0.35 * grain);
    });
}

// Truchet tiles: quarter circles in random turns, every tile tinted differently.
QImage truchet(const PictureSpec &s)
{
    Rng rng(s.seed);
    const Palette pal = palette(rng);
    const int w = s.width, h = s.height;
    const double t = std::min(w, h) / 26.0;
    return perPixel(w, h, [&](int x, int y) -> Col {
        const int i = int(x / t), j = int(y / t);
        double fx = x / t - i, fy = y / t - j;
        if (hashAt(i, j, s.seed) > 0.5)
            fx = 1 - fx;
        const double a = std::abs(std::hypot(fx, fy) - 0.5), b = std::abs(std::hypot(1 - fx, 1 - fy) - 0.5);
        const double d = std::min(a, b);
        const double band = smooth(0.12, 0.16, d);
        const Col ground = pal(hashAt(i, j, s.seed + 1) * 0.6 + (i + j) * 0.01);
        const Col line = pal(0.5 + (a < b ? 0.0 : 0.3) + fbm(x / t, y / t, 3, s.seed) * 0.3);
        return mix(line, ground * (0.7 + 0.3 * fbm(x / t * 4, y / t * 4, 3, s.seed + 2)), band);
    });
}

// A kaleidoscope: fractal noise folded into twelve mirrored wedges.
QImage kaleidoscope(const PictureSpec &s)
{
    Rng rng(s.seed);
    const Palette pal = palette(rng);
    const int w = s.width, h = s.height;
    const double u = std::min(w, h);
    return perPixel(w, h, [&](int x, int y) -> Col {
        const double dx = (x - w / 2.0) / u, dy = (y - h / 2.0) / u;
        const double r = std::hypot(dx, dy);
        double a = std::atan2(dy, dx) / (2 * pi) * 12;
        a = a - std::floor(a);
        if (a > 0.5)
            a = 1 - a;
        const double qx = r * std::cos(a * 2 * pi / 12) * 6, qy = r * std::sin(a * 2 * pi / 12) * 6;
        const double n = fbm(qx * 2, qy * 2, 6, s.seed);
        const double rings = std::sin(r * 60 + n * 8);
        return pal(n * 1.5 + r) * (0.7 + 0.3 * rings);
    });
}

// A floor of small square stones in a pattern of diamonds and bands, each stone its own shade.
QImage romanFloor(const PictureSpec &s)
{
    Rng rng(s.seed);
    const Palette pal = palette(rng);
    const int w = s.width, h = s.height;
    const double t = std::min(w, h) / 90.0;
    return perPixel(w, h, [&](int x, int y) -> Col {
        const int i = int(x / t), j = int(y / t);
        const double fx = x / t - i, fy = y / t - j;
        if (fx < 0.1 || fy < 0.1)
            return Col{0.75, 0.72, 0.65} * (0.7 + 0.3 * noise(x * 0.5, y * 0.5, s.seed));
        const int ci = i % 18, cj = j % 18;
        const int diamond = std::abs(ci - 9) + std::abs(cj - 9);
        // The colours drift across the floor as stones were replaced over the centuries, and wear
        // and stains darken it in patches: no two motifs alike.
        const double key =
            (diamond / 3) * 0.13 + ((i / 18 + j / 18) % 3) * 0.21 + 0.5 * fbm(x / t / 30, y / t / 30, 3, s.seed + 5);
        const double jitter = hashAt(i, j, s.seed) * 0.12;
        return pal(key + jitter) * (0.75 + 0.3 * noise(x * 0.2, y * 0.2, s.seed + 1)) *
               (0.55 + 0.7 * fbm(x / t / 8, y / t / 8, 4, s.seed + 2));
    });
}

} // namespace

const std::vector<PictureSpec> &pictureSpecs()
{
    using namespace kit;
    // Each seed drives its painter's random choices. Some scenes' seeds were picked from a few
    // tried, as ones whose picture, cut into 100 tiles, has no more than 3 pairs of tiles alike.
    static const std::vector<PictureSpec> specs = {
        {"Landscapes", "Alpine dawn", 1024, 768, alpineDawn, 231},
        {"Landscapes", "Sea view", 1600, 1000, seaView, 192},
        {"Landscapes", "Desert dunes", 2400, 1000, desertDunes, 293},
        {"Landscapes", "Autumn valley", 1200, 900, autumnValley, 14},
        {"Landscapes", "Harvest fields", 4000, 3000, harvestFields, 15},
        {"Fractals", "Julia garden", 1000, 1000, juliaSet, 21},
        {"Fractals", "Seahorse valley", 1280, 960, seahorseValley, 22},
        {"Fractals", "Julia lace", 900, 1200, juliaSet, 23},
        {"Fractals", "Complex waves", 1400, 1050, complexWaves, 24},
        {"Fractals", "Spiral dust", 1200, 900, juliaSet, 25},
        {"Mosaics", "Cathedral window", 900, 1200, stainedGlass, 31},
        {"Mosaics", "Garden mosaic", 1200, 900, stainedGlass, 32},
        {"Mosaics", "Harlequin tiles", 1024, 1024, truchet, 33},
        {"Mosaics", "Roman floor", 1300, 975, romanFloor, 34},
        {"Mosaics", "Kaleidoscope", 1000, 1000, kaleidoscope, 35},
        {"Cities", "Night harbour", 1600, 1000, nightHarbour, 41},
        {"Cities", "Neon avenue", 1200, 900, neonAvenue, 42},
        {"Cities", "Old town lights", 1024, 768, oldTown, 63},
        {"Cities", "Skyline at dusk", 2100, 900, skylineAtDusk, 344},
        {"Cities", "Tower blocks", 900, 1200, towerBlocks, 145},
    };
    return specs;
}

QImage modelOf(const QImage &picture)
{
    return picture.scaled(136, 136, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace gen
