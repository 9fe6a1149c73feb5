// The sample pictures: landscapes, fractals, mosaics and cities, painted pixel by pixel so that every
// part of every picture is full of colour and detail, and every one of 100 tiles can be told apart.
#include "generator.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <complex>

namespace gen {
namespace {

constexpr double pi = 3.14159265358979323846;

struct Col {
    double r, g, b;
};
Col operator+(Col a, Col b)
{
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Col operator*(Col a, double k)
{
    return {a.r * k, a.g * k, a.b * k};
}
Col mix(Col a, Col b, double t)
{
    return a * (1 - t) + b * t;
}
QRgb rgb(Col c)
{
    auto ch = [](double v) { return int(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5); };
    return qRgb(ch(c.r), ch(c.g), ch(c.b));
}
Col hsv(double h, double s, double v)
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
double smooth(double e0, double e1, double x)
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
Palette palette(Rng &rng)
{
    Palette p;
    p.a = {0.5, 0.5, 0.5};
    p.b = {rng.range(0.35, 0.5), rng.range(0.35, 0.5), rng.range(0.35, 0.5)};
    p.c = {rng.range(0.8, 1.6), rng.range(0.8, 1.6), rng.range(0.8, 1.6)};
    p.d = {rng.uniform(), rng.uniform(), rng.uniform()};
    return p;
}

// Value noise and its fractal sum, in [0, 1].
double hashAt(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return double(h & 0xffffff) / double(0xffffff);
}
double noise(double x, double y, std::uint32_t seed)
{
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    const double tx = x - fx, ty = y - fy;
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const double a = hashAt(ix, iy, seed), b = hashAt(ix + 1, iy, seed);
    const double c = hashAt(ix, iy + 1, seed), d = hashAt(ix + 1, iy + 1, seed);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}
double fbm(double x, double y, int octaves, std::uint32_t seed)
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

// Layers of mountains (or dunes) under a cloudy sky, or a sea reflecting it.
QImage landscape(const PictureSpec &s, int kind)
{
    Rng rng(s.seed);
    const int w = s.width, h = s.height;
    const double u = std::min(w, h);
    const double horizon = h * (kind == 1 ? 0.5 : 0.42);
    const Col skyTop = hsv(rng.range(0.55, 0.72), 0.7, 0.55), skyLow = hsv(rng.range(0.02, 0.12), 0.65, 1.0);
    const Col cloud = hsv(rng.range(0.85, 1.0), 0.35, 1.0);
    const double sunX = rng.range(0.2, 0.8) * w, sunY = horizon * rng.range(0.45, 0.8);
    const int layers = 5;
    double base[layers], amp[layers], freq[layers];
    Col colour[layers];
    for (int l = 0; l < layers; ++l) {
        const double depth = double(l) / (layers - 1);
        base[l] = horizon + (h - horizon) * (kind == 1 ? 0.0 : depth * 0.75) - (kind == 1 ? (1 - depth) * 0.12 * h : 0);
        amp[l] = (kind == 2 ? 0.08 : 0.22) * h * (1.2 - depth * 0.7);
        freq[l] = rng.range(1.5, 3.0) * (1 + depth);
        colour[l] = kind == 2 ? hsv(rng.range(0.03, 0.11), rng.range(0.5, 0.8), 0.95 - depth * 0.45)
                              : hsv(rng.range(0.25, 0.7) - depth * 0.2, 0.35 + depth * 0.4, 0.85 - depth * 0.5);
    }
    const std::uint32_t seed = s.seed;
    auto ridge = [&](int l, double x) {
        return base[l] - amp[l] * fbm(x / u * freq[l], l * 7.3, 6, seed + 17u * std::uint32_t(l));
    };
    auto sky = [&](double x, double y) {
        const double t = std::clamp(y / horizon, 0.0, 1.0);
        Col c = mix(skyTop, skyLow, std::pow(t, 0.8));
        const double cl = fbm(x / u * 3, y / u * 7, 7, seed + 1);
        const double m = smooth(0.36, 0.7, cl);
        const double shade = fbm(x / u * 9, y / u * 14, 5, seed + 2);
        c = mix(c, mix(cloud * 0.75, cloud, shade), m * 0.85);
        const double d = std::hypot(x - sunX, y - sunY) / u;
        c = c + Col{1.0, 0.85, 0.5} * (0.5 * std::exp(-d * 9));
        // A fine grain over the whole sky, so that no part of it is a flat gradient.
        c = c * (0.9 + 0.2 * fbm(x / u * 45, y / u * 45, 3, seed + 3));
        if (d < 0.045)
            c = mix(c, Col{1.0, 0.95, 0.75}, 0.9);
        return c;
    };
    // Ridge heights per column, computed once.
    std::vector<double> ridges(size_t(layers) * size_t(w));
    for (int l = 0; l < layers; ++l)
        for (int x = 0; x < w; ++x)
            ridges[size_t(l) * size_t(w) + size_t(x)] = ridge(l, x);
    return perPixel(w, h, [&](int x, int y) -> Col {
        int layer = -1;
        for (int l = layers - 1; l >= 0; --l)
            if (y >= ridges[size_t(l) * size_t(w) + size_t(x)]) {
                layer = l;
                break;
            }
        if (kind == 1 && y >= horizon) {
            // The sea: the sky mirrored, broken by waves.
            const double dy = y - horizon;
            const double wave = std::sin(dy * dy / (0.02 * u) + fbm(x / u * 8, y / u * 30, 4, seed + 5) * 12);
            const Col mirrored = sky(x + wave * 6, std::max(0.0, horizon - dy * 1.3 - 2));
            const double sparkle = fbm(x / u * 40, y / u * 90, 3, seed + 6);
            return mix(mirrored * 0.8, Col{0.1, 0.25, 0.45}, 0.35 + 0.2 * wave) * (0.8 + 0.4 * sparkle);
        }
        if (layer < 0)
            return sky(x, y);
        const double depth = double(layer) / (layers - 1);
        const double top = ridges[size_t(layer) * size_t(w) + size_t(x)];
        const double tex =
            fbm(x / u * (14 + 20 * depth), y / u * (14 + 20 * depth), 6, seed + 40u + std::uint32_t(layer));
        Col c = colour[layer] * (0.65 + 0.6 * tex);
        if (kind == 2) {
            const double ripple = std::sin((x + y * 2.5) / (5 + 6 * depth) + tex * 9);
            c = c * (0.85 + 0.15 * ripple);
        } else {
            if (layer < 2 && y - top < amp[layer] * 0.35 * fbm(x / u * 20, 3, 3, seed + 9))
                c = mix(c, Col{0.95, 0.95, 1.0}, 0.8);
            if (layer == layers - 1) {
                // Meadows with flowers in the foreground.
                const double f = fbm(x / u * 90, y / u * 90, 3, seed + 77);
                if (f > 0.68)
                    c = hsv(hashAt(x / 5, y / 5, seed), 0.8, 1.0);
            }
        }
        const double haze = (1 - depth) * 0.25;
        return mix(c, skyLow, haze);
    });
}

// Julia sets with stripe colouring outside and orbit traps inside: detail everywhere.
QImage julia(const PictureSpec &s, bool mandelbrot)
{
    Rng rng(s.seed);
    const Palette pal = palette(rng);
    const int w = s.width, h = s.height;
    const std::complex<double> cs[] = {
        {-0.8, 0.156}, {-0.7269, 0.1889}, {0.285, 0.01}, {-0.4, 0.6}, {-0.70176, -0.3842}};
    const std::complex<double> c0 = cs[s.seed % 5];
    const double cx = mandelbrot ? -0.7453 : 0.0, cy = mandelbrot ? 0.1127 : 0.0;
    const double span = mandelbrot ? 0.012 : 2.6;
    const double scale = span / std::min(w, h);
    const int maxIter = mandelbrot ? 400 : 260;
    const double stripes = rng.range(3, 6);
    return perPixel(w, h, [&](int x, int y) -> Col {
        const std::complex<double> p(cx + (x - w / 2.0) * scale, cy + (y - h / 2.0) * scale);
        std::complex<double> z = mandelbrot ? std::complex<double>(0, 0) : p;
        const std::complex<double> c = mandelbrot ? p : c0;
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
        const double key = (diamond / 3) * 0.13 + ((i / 18 + j / 18) % 3) * 0.21;
        const double jitter = hashAt(i, j, s.seed) * 0.12;
        return pal(key + jitter) * (0.75 + 0.3 * noise(x * 0.2, y * 0.2, s.seed + 1));
    });
}

// A city at night: layers of buildings with lit windows under a sky of stars and lights.
QImage city(const PictureSpec &s, bool harbour)
{
    Rng rng(s.seed);
    const int w = s.width, h = s.height;
    const double u = std::min(w, h);
    const double water = harbour ? h * 0.72 : h;
    const Col skyTop = hsv(rng.range(0.6, 0.75), 0.8, 0.25), skyLow = hsv(rng.range(0.8, 1.05), 0.7, 0.8);
    QImage img = perPixel(w, h, [&](int x, int y) -> Col {
        const double t = double(y) / water;
        Col c = mix(skyTop, skyLow, std::clamp(t, 0.0, 1.0));
        const double aurora = fbm(x / u * 2, y / u * 10, 6, s.seed);
        c = c + hsv(0.35 + aurora * 0.4, 0.8, 0.6) * (smooth(0.5, 0.8, aurora) * (1 - t));
        if (hashAt(x, y, s.seed) > 0.996)
            c = Col{1, 1, 0.9};
        return c;
    });
    QPainter p(&img);
    for (int layer = 0; layer < 3; ++layer) {
        const double depth = layer / 2.0;
        double x = -rng.range(0, u * 0.05);
        while (x < w) {
            const double bw = u * rng.range(0.04, 0.12);
            const double bh = (water * 0.25) + rng.range(0.1, 0.45) * water * (1.1 - depth * 0.4);
            const QRectF r(x, water - bh, bw, bh);
            const Col wall = hsv(rng.uniform(), 0.3 + 0.3 * rng.uniform(), 0.12 + 0.2 * depth);
            p.fillRect(r, QColor(rgb(wall)));
            const double win = u * (0.008 + 0.004 * depth);
            const Col lamp = hsv(rng.range(0.08, 0.18) + (rng.uniform() < 0.3 ? 0.45 : 0), 0.6, 1.0);
            for (double wy = r.top() + win; wy + win < water; wy += win * 2.2)
                for (double wx = r.left() + win; wx + win < r.right(); wx += win * 1.9)
                    if (rng.uniform() < 0.55) {
                        const Col lit = lamp * rng.range(0.6, 1.0);
                        p.fillRect(QRectF(wx, wy, win, win * 1.3), QColor(rgb(lit)));
                    }
            x += bw + u * rng.range(0.0, 0.02);
        }
    }
    p.end();
    if (harbour) {
        // The water mirrors the city above it, broken by ripples.
        for (int y = int(water); y < h; ++y) {
            auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
            const double dy = y - water;
            for (int x = 0; x < w; ++x) {
                const double ripple = fbm(x / u * 6, y / u * 60, 4, s.seed + 9);
                const int sx = std::clamp(int(x + (ripple - 0.5) * 30), 0, w - 1);
                const int sy = std::clamp(int(water - dy - 1), 0, h - 1);
                const QRgb m = reinterpret_cast<const QRgb *>(img.constScanLine(sy))[sx];
                const Col c{qRed(m) / 255.0, qGreen(m) / 255.0, qBlue(m) / 255.0};
                line[x] = rgb(mix(c * (0.6 + 0.5 * ripple), Col{0.02, 0.08, 0.18}, 0.3));
            }
        }
    }
    return img;
}

} // namespace

const std::vector<PictureSpec> &pictureSpecs()
{
    static const std::vector<PictureSpec> specs = {
        {"Landscapes", "Alpine dawn", 1024, 768, 0, 11},     {"Landscapes", "Sea view", 1600, 1000, 1, 12},
        {"Landscapes", "Desert dunes", 2400, 1000, 2, 13},   {"Landscapes", "Autumn valley", 1200, 900, 0, 14},
        {"Landscapes", "Great panorama", 4000, 3000, 0, 15}, {"Fractals", "Julia garden", 1000, 1000, 3, 21},
        {"Fractals", "Seahorse valley", 1280, 960, 4, 22},   {"Fractals", "Julia lace", 900, 1200, 3, 23},
        {"Fractals", "Complex waves", 1400, 1050, 5, 24},    {"Fractals", "Spiral dust", 1200, 900, 3, 25},
        {"Mosaics", "Cathedral window", 900, 1200, 6, 31},   {"Mosaics", "Garden mosaic", 1200, 900, 6, 32},
        {"Mosaics", "Harlequin tiles", 1024, 1024, 7, 33},   {"Mosaics", "Roman floor", 1300, 975, 9, 34},
        {"Mosaics", "Kaleidoscope", 1000, 1000, 8, 35},      {"Cities", "Night harbour", 1600, 1000, 11, 41},
        {"Cities", "Neon avenue", 1200, 900, 10, 42},        {"Cities", "Old town lights", 1024, 768, 10, 43},
        {"Cities", "Skyline at dusk", 2100, 900, 11, 44},    {"Cities", "Tower blocks", 900, 1200, 10, 45},
    };
    return specs;
}

QImage paintPicture(const PictureSpec &s)
{
    switch (s.painter) {
    case 0: return landscape(s, 0);
    case 1: return landscape(s, 1);
    case 2: return landscape(s, 2);
    case 3: return julia(s, false);
    case 4: return julia(s, true);
    case 5: return complexWaves(s);
    case 6: return stainedGlass(s);
    case 7: return truchet(s);
    case 8: return kaleidoscope(s);
    case 9: return romanFloor(s);
    case 10: return city(s, false);
    default: return city(s, true);
    }
}

QImage modelOf(const QImage &picture)
{
    return picture.scaled(136, 136, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace gen
