// The landscapes and the cities: scenes of different kinds, each full of shapes at every scale, so
// that no part of a picture cut into 100 tiles is flat or looks like another part.
#include "paint_kit.h"

#include <QPainter>
#include <QPainterPath>

namespace gen::kit {
namespace {

QColor qc(Col c, double alpha = 1)
{
    QColor q = QColor::fromRgb(rgb(c));
    q.setAlphaF(float(alpha));
    return q;
}
Col colAt(const QImage &img, int x, int y)
{
    const QRgb c = reinterpret_cast<const QRgb *>(
        img.constScanLine(std::clamp(y, 0, img.height() - 1)))[std::clamp(x, 0, img.width() - 1)];
    return {qRed(c) / 255.0, qGreen(c) / 255.0, qBlue(c) / 255.0};
}
void put(QImage &img, int x, int y, Col c)
{
    reinterpret_cast<QRgb *>(img.scanLine(y))[x] = rgb(c);
}

// Light and shade over a whole part of a picture, as the shadows of passing clouds give.
void cloudShadows(QImage &img, int top, double u, std::uint32_t seed, double depth)
{
    for (int y = std::max(0, top); y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            put(img, x, y, colAt(img, x, y) * (1 - depth + 2 * depth * fbm(x / u * 1.6, y / u * 1.6, 4, seed)));
}

// Water below a line mirrors what stands above it, broken by ripples and darkened by its own colour.
void mirror(QImage &img, int line, double u, std::uint32_t seed, Col water, double depth)
{
    const QImage above = img.copy();
    for (int y = line; y < img.height(); ++y) {
        const double dy = y - line;
        for (int x = 0; x < img.width(); ++x) {
            const double ripple = fbm(x / u * 5, y / u * (40 + dy / u * 60), 4, seed);
            const Col m = colAt(above, int(x + (ripple - 0.5) * u * 0.04), int(line - dy * 0.9 - 1));
            const double swell = 0.6 + 0.8 * fbm(x / u * 3, y / u * 8, 4, seed + 1);
            put(img, x, y, mix(m * (0.55 + 0.7 * ripple), water * swell, depth) + Col{0.1, 0.12, 0.15} * (swell - 0.6));
        }
    }
}

// A wall with rows of windows; each window lit, dark, or mirroring the sky.
void facade(QPainter &p, const QRectF &r, Col wall, Col glass, Col lamp, double win, double lit, Rng &rng)
{
    // Lighter towards the sky, darker down in the street.
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0, qc(wall * 1.15));
    shade.setColorAt(1, qc(wall * 0.7));
    p.fillRect(r, shade);
    const double gapX = win * rng.range(0.4, 1.0), gapY = win * rng.range(0.5, 1.0), tall = rng.range(1.0, 1.6);
    for (double y = r.top() + gapY; y + win * tall < r.bottom(); y += win * tall + gapY)
        for (double x = r.left() + gapX; x + win < r.right() - gapX * 0.5; x += win + gapX)
            p.fillRect(QRectF(x, y, win, win * tall),
                       qc(rng.uniform() < lit ? lamp * rng.range(0.6, 1.0) : glass * rng.range(0.4, 1.4)));
}

// A tree's crown: a cluster of round leaves, lighter where the light falls.
void crown(QPainter &p, QPointF at, double size, Col leaf, Rng &rng)
{
    for (int i = 0; i < 9; ++i) {
        const double r = size * rng.range(0.35, 0.6);
        const QPointF c = at + QPointF(rng.range(-0.6, 0.6) * size, rng.range(-0.5, 0.5) * size);
        QRadialGradient g(c - QPointF(r * 0.4, r * 0.4), r * 1.4);
        g.setColorAt(0, qc(leaf * 1.35));
        g.setColorAt(1, qc(leaf * 0.55));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
}

// The cell of a plane cut round one jittered point per unit square that (x, y) lies in: the
// distances to the nearest point and the next, and a number naming the cell.
struct Cell {
    double nearest, next;
    int id;
};
Cell cellAt(double x, double y, std::uint32_t seed)
{
    const int ix = int(std::floor(x)), iy = int(std::floor(y));
    Cell c{9, 9, 0};
    for (int j = iy - 1; j <= iy + 1; ++j)
        for (int i = ix - 1; i <= ix + 1; ++i) {
            const double d = std::hypot(i + hashAt(i, j, seed) - x, j + hashAt(i, j, seed + 1) - y);
            if (d < c.nearest)
                c = {d, c.nearest, i * 7919 + j};
            else if (d < c.next)
                c.next = d;
        }
    return c;
}

double ridged(double x, double y, int octaves, std::uint32_t seed)
{
    return 1 - std::abs(2 * fbm(x, y, octaves, seed) - 1);
}

} // namespace

Col cloudySky(const SkyLook &k, double x, double y, double horizon, double width, double u, std::uint32_t seed)
{
    const double t = std::clamp(y / horizon, 0.0, 1.0);
    // Brighter towards the side of the sun, on the left or the right.
    const double side = (seed & 1) ? x / width : 1 - x / width;
    Col c = mix(k.top, k.low, std::pow(t, 0.7));
    // High thin veils, lit by the light of the clouds; then the clouds themselves, pushed about by a
    // slow warp, and the more of them the higher up.
    const double veil = fbm(x / u * 8 / k.stretch, y / u * 16, 5, seed + 5);
    c = c * (0.8 + 0.4 * veil) + k.light * (0.12 * smooth(0.45, 0.75, veil));
    const double warp = fbm(x / u * 1.5, y / u * 3, 3, seed + 6) - 0.5;
    const double n = fbm(x / u * 3 / k.stretch + warp * 2, y / u * 5 + warp, 7, seed);
    const double edge = 0.62 - 0.25 * k.cover - 0.08 * (1 - t);
    const double m = smooth(edge - 0.04, edge + 0.06, n);
    const double body = fbm(x / u * 9 / k.stretch + warp * 3, y / u * 12, 5, seed + 7);
    const double thick = std::clamp((n - edge) * 5, 0.0, 1.0);
    const Col cloud = mix(k.light, k.shade, std::clamp(0.45 + 1.5 * (body - 0.5) + 0.3 * (thick - 0.5), 0.0, 1.0));
    return mix(c, cloud, m) * (0.8 + 0.3 * side);
}

// Snowy peaks at dawn above a pine forest and a meadow of flowers.
QImage alpineDawn(const PictureSpec &s)
{
    Rng rng(s.seed);
    const int w = s.width, h = s.height;
    const double u = std::min(w, h), horizon = h * 0.55;
    const SkyLook look{
        hsv(0.68, 0.55, 0.45), hsv(0.05, 0.55, 1.0), hsv(0.97, 0.35, 1.0), hsv(0.75, 0.35, 0.45), 0.55, 2.5};
    const double peak[3] = {h * 0.18, h * 0.32, h * 0.45};
    std::vector<double> ridge(3 * size_t(w));
    for (int l = 0; l < 3; ++l)
        for (int x = 0; x < w; ++x)
            ridge[size_t(l) * size_t(w) + size_t(x)] =
                peak[l] + h * 0.3 * (1 - ridged(x / u * (1.2 + l), l * 3.1, 6, s.seed + std::uint32_t(l)));
    QImage img = perPixel(w, h, [&](int x, int y) -> Col {
        for (int l = 2; l >= 0; --l) {
            const double top = ridge[size_t(l) * size_t(w) + size_t(x)];
            if (y < top)
                continue;
            // Rock with the light from the left; snow on the upper slopes.
            const double rock = ridged(x / u * 14, y / u * 14, 6, s.seed + 20u + std::uint32_t(l));
            const size_t row = size_t(l) * size_t(w);
            const double slope =
                (ridge[row + size_t(std::min(w - 1, x + 25))] - ridge[row + size_t(std::max(0, x - 25))]) / 50;
            // Light from the left on every ridge and gully of the rock.
            const double m0 = ridged((x - 2) / u * 5, y / u * 5, 6, s.seed + 60u + std::uint32_t(l));
            const double m1 = ridged((x + 2) / u * 5, y / u * 5, 6, s.seed + 60u + std::uint32_t(l));
            const double light = 0.85 + 0.15 * std::tanh(slope * 3) + std::clamp((m0 - m1) * u * 0.02, -0.4, 0.4);
            Col c = hsv(0.08 - l * 0.02, 0.25 + l * 0.1, 0.3 + 0.45 * rock) * light;
            if (y - top < h * (0.12 - l * 0.03) * fbm(x / u * 8, y / u * 3, 4, s.seed + 30) * 2)
                c = mix(c, hsv(0.6, 0.1, 1.0) * light, 0.85);
            return mix(c, hsv(0.05, 0.4, 1.0), (2 - l) * 0.15);
        }
        return cloudySky(look, x, y, horizon, w, u, s.seed);
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Pines, smaller and bluer with distance, then the meadow.
    for (int i = 0; i < 900; ++i) {
        const double d = std::pow(rng.uniform(), 0.7), y = h * (0.6 + 0.3 * d), size = u * (0.02 + 0.07 * d);
        const double x = rng.range(-0.05, 1.05) * w;
        const Col pine = mix(hsv(0.6, 0.35, 0.45), hsv(0.33 + rng.range(-0.05, 0.05), 0.7, rng.range(0.2, 0.5)), d);
        QPainterPath tree;
        tree.addPolygon(QPolygonF({{x, y - size * 2.4}, {x - size * 0.6, y}, {x + size * 0.6, y}}));
        p.fillPath(tree, qc(pine));
        p.fillRect(QRectF(x - size * 0.3, y - size * 1.2, size * 0.3, size * 1.2), qc(pine * 1.3));
    }
    for (int i = 0; i < 1500; ++i) {
        const double y = h * rng.range(0.86, 1.0), x = rng.uniform() * w, r = u * rng.range(0.003, 0.01);
        p.setBrush(qc(hsv(rng.uniform(), rng.range(0.3, 0.9), 1.0)));
        p.drawEllipse(QPointF(x, y), r, r);
    }
    p.end();
    return img;
}

// A rocky coast: a cliff with a lighthouse, the open sea with breaking waves, sails, and a beach.
QImage seaView(const PictureSpec &s)
{
    Rng rng(s.seed);
    const int w = s.width, h = s.height;
    const double u = std::min(w, h), horizon = h * 0.42;
    const SkyLook look{hsv(0.6, 0.7, 0.7), hsv(0.55, 0.25, 0.98), {1, 1, 1}, hsv(0.6, 0.2, 0.55), 0.6, 1.8};
    auto shoreAt = [&](double x) { return h * (0.84 + 0.1 * fbm(x / u * 3, 1, 3, s.seed + 4)) - (x - w * 0.5) * 0.2; };
    QImage img = perPixel(w, h, [&](int x, int y) -> Col {
        if (y < horizon)
            return cloudySky(look, x, y, horizon, w, u, s.seed);
        // Waves grow towards the viewer; their crests break white.
        const double d = (y - horizon) / (h - horizon);
        const double f = 1 / (0.05 + d);
        const double wave = fbm(x / u * 3 * f, y / u * 12 * f * f * 0.2 + d * 30, 5, s.seed + 3);
        Col c = mix(hsv(0.55, 0.6, 0.55), hsv(0.52, 0.8, 0.3), d) * (0.6 + 0.8 * wave);
        if (wave > 0.62 - 0.1 * d)
            c = mix(c, Col{0.95, 0.97, 1.0}, smooth(0.62 - 0.1 * d, 0.7, wave));
        // Sand and the foam on it at the bottom right.
        const double shore = shoreAt(x);
        if (y > shore) // sand, wet and dry, with pebbles and weed
            c = hsv(0.08 + 0.04 * fbm(x / u * 4, y / u * 4, 4, s.seed + 5), 0.45,
                    0.35 + 0.6 * fbm(x / u * 9, y / u * 9, 5, s.seed + 6));
        else if (y > shore - u * 0.02)
            c = mix(c, {1, 1, 1}, 0.7);
        return c;
    });
    // The cliff on the left, with rock strata.
    for (int y = int(h * 0.2); y < h; ++y)
        for (int x = 0; x < int(w * 0.45); ++x) {
            const double edge =
                w * (0.12 + 0.22 * (y - h * 0.2) / h * 1.5) * (0.8 + 0.4 * fbm(y / u * 6, 2, 4, s.seed));
            if (x > edge || y < h * 0.2 + (x / u) * u * 0.08 * fbm(x / u * 5, 3, 3, s.seed + 8))
                continue;
            const double strata = std::sin(y / u * 90 + fbm(x / u * 6, y / u * 6, 4, s.seed + 9) * 8);
            const double rock = ridged(x / u * 12, y / u * 12, 5, s.seed + 10);
            Col c = hsv(0.07, 0.35, 0.35 + 0.35 * rock) * (0.8 + 0.2 * strata);
            if (y < h * 0.24 + u * 0.03 * fbm(x / u * 10, 1, 3, s.seed + 11))
                c = hsv(0.25, 0.6, 0.35 + 0.3 * rock); // grass on top
            put(img, x, y, c);
        }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // The lighthouse, red and white bands.
    const double lx = w * 0.08, lw = u * 0.05, lt = h * 0.06;
    for (int band = 0; band < 6; ++band)
        p.fillRect(QRectF(lx, lt + band * (h * 0.15 - lt) / 6 + h * 0.04, lw, (h * 0.15 - lt) / 6 + 1),
                   qc(band % 2 ? Col{0.95, 0.95, 0.92} : Col{0.75, 0.1, 0.1}));
    p.fillRect(QRectF(lx - lw * 0.2, lt, lw * 1.4, h * 0.04), qc({1.0, 0.9, 0.5}));
    // Sailing boats on the sea.
    for (int i = 0; i < 9; ++i) {
        const double d = rng.uniform(), y = horizon + (h * 0.35) * d * d + h * 0.02, size = u * (0.02 + 0.08 * d);
        const double x = w * rng.range(0.4, 0.95);
        p.setBrush(qc(hsv(rng.uniform(), 0.6, 0.5)));
        p.drawPolygon(QPolygonF(
            {{x - size, y}, {x + size, y}, {x + size * 0.7, y + size * 0.3}, {x - size * 0.7, y + size * 0.3}}));
        p.setBrush(qc(rng.uniform() < 0.5 ? Col{0.98, 0.97, 0.9} : hsv(rng.uniform(), 0.7, 0.9)));
        p.drawPolygon(QPolygonF({{x, y - size * 2.2}, {x, y - size * 0.1}, {x + size * 0.9, y - size * 0.1}}));
        p.drawPolygon(QPolygonF(
            {{x - size * 0.1, y - size * 1.8}, {x - size * 0.1, y - size * 0.1}, {x - size * 0.7, y - size * 0.1}}));
    }
    // Pebbles and shells on the beach.
    for (int i = 0; i < 500; ++i) {
        const double x = rng.uniform() * w, y = rng.uniform() * h, r = u * rng.range(0.003, 0.012);
        if (y > shoreAt(x) + r) {
            p.setBrush(qc(hsv(rng.range(0.0, 0.15), rng.range(0.0, 0.4), rng.range(0.3, 1.0))));
            p.drawEllipse(QPointF(x, y), r * 1.3, r);
        }
    }
    // Gulls.
    p.setPen(QPen(qc({0.15, 0.15, 0.2}), u * 0.003));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 14; ++i) {
        const double x = w * rng.range(0.3, 0.95), y = horizon * rng.range(0.1, 0.9), g = u * rng.range(0.01, 0.025);
        QPainterPath wing(QPointF(x - g, y));
        wing.quadTo(x - g * 0.5, y - g * 0.6, x, y);
        wing.quadTo(x + g * 0.5, y - g * 0.6, x + g, y);
        p.drawPath(wing);
    }
    p.end();
    return img;
}

// Dunes with sharp crests, their lit and shaded faces, scattered scrub, and a caravan.
QImage desertDunes(const PictureSpec &s)
{
    Rng rng(s.seed);
    const int w = s.width, h = s.height;
    const double u = std::min(w, h), horizon = h * 0.38;
    const SkyLook look{hsv(0.6, 0.6, 0.75), hsv(0.1, 0.25, 0.9), {0.95, 0.92, 0.88}, hsv(0.08, 0.25, 0.7), 0.7, 2.5};
    const int layers = 6;
    std::vector<double> crest(size_t(layers) * size_t(w));
    for (int l = 0; l < layers; ++l) {
        const double d = double(l) / (layers - 1), freq = rng.range(2, 3) * (2.5 - 1.5 * d), phase = rng.uniform();
        for (int x = 0; x < w; ++x) {
            // A sawtooth bent by noise: a long gentle face, then a steep one.
            double t = x / u * freq / 2 + phase + 0.6 * fbm(x / u * 2, l, 3, s.seed + std::uint32_t(l));
            t -= std::floor(t);
            const double saw = t < 0.7 ? t / 0.7 : (1 - t) / 0.3;
            crest[size_t(l) * size_t(w) + size_t(x)] = horizon + (h - horizon) * (d * 0.8) - u * (0.04 + 0.1 * d) * saw;
        }
    }
    QImage img = perPixel(w, h, [&](int x, int y) -> Col {
        for (int l = layers - 1; l >= 0; --l) {
            const size_t at = size_t(l) * size_t(w) + size_t(x);
            if (y < crest[at])
                continue;
            const double d = double(l) / (layers - 1);
            // The slip face below the crest lies in shadow, its edge slanting down the slope.
            const size_t xs = size_t(l) * size_t(w) + size_t(std::clamp(x - int((y - crest[at]) * 0.8), 0, w - 2));
            const bool lee = crest[xs + 1] > crest[xs];
            const double shadow = lee ? std::exp(-(y - crest[at]) / (u * (0.03 + 0.05 * d))) : 0;
            const double ripple =
                std::sin((x * 0.3 + y * 2.0) / (2 + 5 * d) + fbm(x / u * 8, y / u * 8, 3, s.seed) * 10);
            const double depthIn = std::min(1.0, (y - crest[at]) / (u * 0.15));
            Col sand = hsv(0.07 + 0.03 * fbm(x / u * 3, y / u * 3, 3, s.seed + 50), 0.6 - 0.15 * depthIn, 1.0);
            sand = sand * ((0.95 - 0.4 * shadow) * (0.9 + 0.1 * ripple) *
                           (0.85 + 0.3 * fbm(x / u * 12, y / u * 12, 4, s.seed + 51)));
            return mix(sand, hsv(0.08, 0.2, 1.0), (1 - d) * 0.3);
        }
        return cloudySky(look, x, y, horizon, w, u, s.seed);
    });
    cloudShadows(img, int(horizon), u, s.seed + 9, 0.25);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 700; ++i) {
        const double x = rng.uniform() * w, y = rng.range(horizon + u * 0.05, h),
                     r = u * 0.004 * (1 + 4 * (y - horizon) / h);
        p.setBrush(qc(hsv(rng.range(0.15, 0.3), 0.5, rng.range(0.2, 0.5))));
        p.drawEllipse(QPointF(x, y), r * rng.range(1, 2.5), r);
    }
    // A caravan along the nearest crest but one.
    const double cx0 = w * 0.55;
    for (int i = 0; i < 7; ++i) {
        const int x = int(cx0 + i * u * 0.05);
        const double y = crest[size_t(layers - 2) * size_t(w) + size_t(std::min(x, w - 1))];
        p.setBrush(qc({0.15, 0.1, 0.08}));
        p.drawEllipse(QPointF(x, y - u * 0.03), u * 0.02, u * 0.012);
        p.drawEllipse(QPointF(x + u * 0.018, y - u * 0.045), u * 0.006, u * 0.006);
        p.fillRect(QRectF(x - u * 0.015, y - u * 0.03, u * 0.004, u * 0.03), qc({0.15, 0.1, 0.08}));
        p.fillRect(QRectF(x + u * 0.012, y - u * 0.03, u * 0.004, u * 0.03), qc({0.15, 0.1, 0.08}));
    }
    p.end();
    return img;
}

// A valley in autumn: hillsides covered with trees in every colour of the season, and a river.
QImage autumnValley(const PictureSpec &s)
{
    Rng rng(s.seed);
    const int w = s.width, h = s.height;
    const double u = std::min(w, h), horizon = h * 0.3;
    const SkyLook look{hsv(0.6, 0.5, 0.8), hsv(0.12, 0.2, 1.0), {1, 1, 0.97}, hsv(0.6, 0.15, 0.6), 0.55, 2};
    QImage img = perPixel(w, h, [&](int x, int y) -> Col {
        const double hill = horizon - u * 0.12 * fbm(x / u * 2.5, 0, 5, s.seed + 1);
        if (y < hill)
            return cloudySky(look, x, y, horizon, w, u, s.seed);
        return hsv(0.1, 0.6, 0.3 + 0.3 * fbm(x / u * 20, y / u * 20, 4, s.seed + 2));
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    static const double hues[] = {0.0, 0.04, 0.08, 0.12, 0.15, 0.25, 0.3};
    // Crowns from the far hills to the near ones, each row lower and larger.
    for (int i = 0; i < 2600; ++i) {
        const double d = i / 2600.0, y = horizon - u * 0.05 + (h - horizon + u * 0.1) * d;
        const double size = u * (0.012 + 0.05 * d), x = rng.range(-0.05, 1.05) * w;
        const double hue = hues[rng.below(7)] + 0.03 * fbm(x / u * 2, y / u * 2, 3, s.seed + 3);
        const Col leaf = mix(hsv(0.6, 0.2, 0.7), hsv(hue, rng.range(0.6, 0.95), rng.range(0.55, 0.95)), 0.5 + 0.5 * d);
        crown(p, {x, y}, size, leaf, rng);
    }
    // The river winds down the middle of the valley, mirroring the sky.
    const double base = w * 0.5;
    p.end();
    for (int y = int(horizon + u * 0.1); y < h; ++y) {
        const double t = (y - horizon) / (h - horizon);
        const double cx = base + std::sin(t * 7 + 1) * w * 0.12 * t, half = u * (0.005 + 0.09 * t * t);
        for (int x = std::max(0, int(cx - half)); x < std::min(w, int(cx + half)); ++x) {
            const double ripple = fbm(x / u * 10, y / u * 40, 4, s.seed + 4);
            put(img, x, y,
                mix(cloudySky(look, x, horizon * (1 - t * 0.8), horizon, w, u, s.seed), hsv(0.55, 0.6, 0.3), 0.4) *
                    (0.6 + 0.8 * ripple));
        }
    }
    return img;
}

// Fields in the sun to the far hills: every field its own crop, rows of its own direction, hedges.
QImage harvestFields(const PictureSpec &s)
{
    Rng rng(s.seed);
    const int w = s.width, h = s.height;
    const double u = std::min(w, h), horizon = h * 0.24;
    const SkyLook look{hsv(0.6, 0.6, 0.8), hsv(0.58, 0.2, 1.0), {1, 1, 1}, hsv(0.62, 0.2, 0.6), 0.7, 2};
    static const Col crops[] = {hsv(0.12, 0.7, 0.95), hsv(0.25, 0.7, 0.6), hsv(0.07, 0.55, 0.45), hsv(0.16, 0.9, 1.0),
                                hsv(0.75, 0.4, 0.7),  hsv(0.3, 0.5, 0.45), hsv(0.1, 0.35, 0.8)};
    return perPixel(w, h, [&](int x, int y) -> Col {
        const double hills = horizon - u * 0.16 * fbm(x / u * 3, 0, 5, s.seed + 1);
        if (y < hills)
            return cloudySky(look, x, y, horizon, w, u, s.seed);
        if (y < horizon + u * 0.03) // wooded hills, and woods along the foot of them
            return hsv(0.3 + 0.15 * fbm(x / u * 3, y / u * 3, 3, s.seed + 7), 0.45,
                       0.1 + 0.4 * ridged(x / u * 12, y / u * 12, 5, s.seed + 2) +
                           0.35 * fbm(x / u * 5, y / u * 5, 4, s.seed + 8));
        // The ground seen in perspective: depth from the height on the picture.
        const double z = (h - horizon) / (y - horizon + 1), gx = (x - w / 2.0) / u * z * 1.5, gz = z * 1.5;
        const double fx = gx + 0.3 * fbm(gx, gz, 3, s.seed + 3), fz = gz + 0.3 * fbm(gz, gx, 3, s.seed + 4);
        const auto [d1, d2, best] = cellAt(fx, fz, s.seed);
        const double haze = std::clamp(z / 40, 0.0, 0.35);
        if (d2 - d1 < 0.05 * std::min(1.0, z / 2)) // a hedge
            return mix(hsv(0.3, 0.6, 0.25 + 0.2 * fbm(x / u * 40, y / u * 40, 3, s.seed + 5)), hsv(0.58, 0.2, 0.9),
                       haze);
        const double angle = hashAt(best, 3, s.seed) * pi;
        const double rows = std::sin((fx * std::cos(angle) + fz * std::sin(angle)) * 40);
        const Col crop = crops[int(hashAt(best, 5, s.seed) * 7)] * (0.8 + 0.3 * hashAt(best, 9, s.seed));
        // The light of the sun through the clouds sweeps over the land in broad patches.
        const Col c = crop * (0.8 + 0.2 * rows * (1 - haze)) * (0.6 + 0.8 * fbm(x / u * 5, y / u * 5, 4, s.seed + 6));
        return mix(c, hsv(0.58, 0.2, 0.9), haze);
    });
}

// A city by day: towers of concrete, brick and glass under clouds, a street with trees and cars.
QImage towerBlocks(const PictureSpec &s)
{
    Rng rng(s.seed);
    const int w = s.width, h = s.height;
    const double u = std::min(w, h), street = h * 0.86;
    const SkyLook look{hsv(0.6, 0.65, 0.75), hsv(0.57, 0.25, 0.97), {1, 1, 1}, hsv(0.62, 0.15, 0.6), 0.6, 1.5};
    QImage img = perPixel(w, h, [&](int x, int y) { return cloudySky(look, x, y, h * 0.45, w, u, s.seed); });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    static const Col walls[] = {hsv(0.1, 0.1, 0.75),   hsv(0.03, 0.55, 0.6), hsv(0.55, 0.35, 0.55),
                                hsv(0.12, 0.35, 0.85), hsv(0.0, 0.0, 0.92),  hsv(0.45, 0.25, 0.5)};
    for (int row = 0; row < 3; ++row) {
        const double d = row / 2.0;
        for (double x = -rng.range(0, u * 0.05); x < w;) {
            const double bw = u * rng.range(0.1, 0.22), top = h * (0.08 + 0.25 * d + rng.range(0, 0.2));
            const Col wall = mix(walls[rng.below(6)] * rng.range(0.8, 1.1), look.low, (1 - d) * 0.35);
            const Col glass = mix(hsv(0.58, 0.35, 0.7), look.low, (1 - d) * 0.3);
            const double front = bw * rng.range(0.7, 0.85);
            facade(p, QRectF(x, top, front, street - top), wall, glass, {1, 0.9, 0.6}, u * (0.012 + 0.01 * d), 0.05,
                   rng);
            facade(p, QRectF(x + front, top + u * 0.01, bw - front, street - top), wall * 0.65, glass * 0.7,
                   {1, 0.9, 0.6}, u * (0.008 + 0.006 * d), 0.05, rng);
            x += bw + u * rng.range(-0.02, 0.03);
        }
    }
    p.end();
    cloudShadows(img, 0, u, s.seed + 9, 0.5);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, street, w, h - street), qc({0.3, 0.3, 0.32}));
    p.fillRect(QRectF(0, street, w, u * 0.025), qc({0.6, 0.58, 0.55}));
    for (double x = 0; x < w; x += u * 0.12)
        p.fillRect(QRectF(x, street + (h - street) * 0.6, u * 0.06, u * 0.008), qc({0.95, 0.95, 0.9}));
    for (int i = 0; i < 12; ++i) {
        const double x = rng.uniform() * w, y = street + (h - street) * rng.range(0.25, 0.8);
        p.setBrush(qc(hsv(rng.uniform(), rng.range(0.3, 0.9), rng.range(0.4, 0.95))));
        p.drawRoundedRect(QRectF(x, y - u * 0.03, u * 0.1, u * 0.035), u * 0.01, u * 0.01);
        p.setBrush(qc({0.2, 0.25, 0.3}));
        p.drawRect(QRectF(x + u * 0.02, y - u * 0.028, u * 0.06, u * 0.012));
    }
    for (double x = u * 0.05; x < w; x += u * rng.range(0.12, 0.2)) {
        p.fillRect(QRectF(x - u * 0.005, street - u * 0.06, u * 0.01, u * 0.07), qc({0.3, 0.2, 0.12}));
        crown(p, {x, street - u * 0.09}, u * 0.05, hsv(rng.range(0.22, 0.35), 0.7, 0.55), rng);
    }
    p.end();
    return img;
}

// Towers against a dusk of pink clouds, lit windows, and the trails of cars on a motorway.
QImage skylineAtDusk(const PictureSpec &s)
{
    Rng rng(s.seed);
    const int w = s.width, h = s.height;
    const double u = std::min(w, h), base = h * 0.66;
    const SkyLook look{hsv(0.7, 0.6, 0.45), hsv(0.07, 0.75, 1.0), hsv(0.95, 0.45, 1.0), hsv(0.75, 0.4, 0.3), 0.7, 3};
    QImage img = perPixel(w, h, [&](int x, int y) -> Col {
        if (y >= base) // tarmac in the light of the lamps
            return hsv(0.75, 0.3, 0.05 + 0.35 * fbm(x / u * 6, y / u * 6, 5, s.seed + 3));
        const Col c = cloudySky(look, x, y, base, w, u, s.seed);
        const double sun = std::hypot(x - w * 0.7, y - base * 0.95) / u;
        return c + Col{1.0, 0.6, 0.3} * (0.6 * std::exp(-sun * 6));
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < 2; ++row)
        for (double x = -rng.range(0, u * 0.05); x < w;) {
            const double bw = u * rng.range(0.05, 0.14), top = base - h * rng.range(0.1, 0.5) * (1 - 0.4 * row);
            const Col wall = hsv(rng.range(0.65, 0.8), 0.4, 0.12 + 0.12 * row);
            facade(p, QRectF(x, top, bw, base - top + 1), wall, wall * 1.3, hsv(rng.range(0.08, 0.14), 0.6, 1.0),
                   u * 0.009, 0.45, rng);
            if (rng.uniform() < 0.3) {
                p.fillRect(QRectF(x + bw * 0.45, top - u * 0.08, u * 0.004, u * 0.08), qc(wall));
                p.setBrush(qc({1, 0.15, 0.1}));
                p.setPen(Qt::NoPen);
                p.drawEllipse(QPointF(x + bw * 0.45 + u * 0.002, top - u * 0.08), u * 0.006, u * 0.006);
            }
            x += bw + u * rng.range(0.0, 0.03);
        }
    // The motorway: dark tarmac, lamps, and the long light of the cars.
    p.end();
    cloudShadows(img, int(base), u, s.seed + 9, 0.3);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 140; ++i) {
        const bool head = i % 2;
        const double y0 = base + (h - base) * rng.range(0.05, 1.1), bend = rng.range(-0.2, 0.2) * h;
        QPainterPath trail(QPointF(-10, y0));
        trail.cubicTo(w * 0.3, y0 + bend, w * 0.7, y0 - bend, w + 10, y0 + bend * 0.5);
        const Col light =
            head ? hsv(rng.range(0.1, 0.17), rng.range(0.1, 0.6), 1) : hsv(rng.range(0.97, 1.03), 0.85, 1);
        p.setPen(QPen(qc(light, rng.range(0.1, 0.35)), u * rng.range(0.006, 0.02)));
        p.drawPath(trail);
        p.setPen(QPen(qc(light, 0.9), u * 0.003));
        p.drawPath(trail);
    }
    p.setPen(Qt::NoPen);
    for (double x = u * 0.03; x < w; x += u * rng.range(0.1, 0.25)) {
        p.fillRect(QRectF(x, base - u * 0.04, u * 0.005, u * 0.2), qc({0.2, 0.2, 0.25}));
        QRadialGradient glow(QPointF(x, base - u * 0.04), u * 0.05);
        glow.setColorAt(0, qc({1, 0.75, 0.35}, 0.9));
        glow.setColorAt(1, qc({1, 0.75, 0.35}, 0));
        p.setBrush(glow);
        p.drawEllipse(QPointF(x, base - u * 0.04), u * 0.05, u * 0.05);
    }
    p.end();
    return img;
}

// A street at night in the rain: shop windows and neon signs, mirrored by the wet road.
QImage neonAvenue(const PictureSpec &s)
{
    Rng rng(s.seed);
    const int w = s.width, h = s.height;
    const double u = std::min(w, h), kerb = h * 0.62;
    QImage img = perPixel(
        w, h, [&](int x, int y) -> Col { return hsv(0.7, 0.5, 0.12 + 0.1 * fbm(x / u * 4, y / u * 4, 5, s.seed)); });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (double x = -rng.range(0, u * 0.05); x < w;) {
        const double bw = u * rng.range(0.15, 0.3), top = h * rng.range(-0.1, 0.12);
        const Col wall = hsv(rng.uniform(), 0.35, rng.range(0.12, 0.3));
        facade(p, QRectF(x, top, bw, kerb - top), wall, wall * 0.5, hsv(rng.range(0.05, 0.15), 0.5, 0.9), u * 0.02,
               0.35, rng);
        // The shop on the ground floor.
        const Col shop = hsv(rng.range(0.05, 0.6), 0.4, rng.range(0.6, 1.0));
        p.fillRect(QRectF(x + bw * 0.1, kerb - h * 0.14, bw * 0.55, h * 0.13), qc(shop));
        p.fillRect(QRectF(x + bw * 0.72, kerb - h * 0.15, bw * 0.18, h * 0.15), qc(wall * 0.4));
        x += bw;
    }
    // Neon: signs across the fronts and banners up the walls, each with its glow.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 22; ++i) {
        const Col neon = hsv(std::array{0.92, 0.5, 0.33, 0.78, 0.13}[size_t(rng.below(5))], 0.8, 1.0);
        const bool banner = rng.uniform() < 0.4;
        const double x = rng.uniform() * w, y = banner ? h * rng.range(0.05, 0.35) : kerb - h * rng.range(0.17, 0.24);
        const QRectF r = banner ? QRectF(x, y, u * 0.05, u * rng.range(0.15, 0.3))
                                : QRectF(x, y, u * rng.range(0.12, 0.25), u * 0.05);
        for (const auto &[width, alpha] : {std::pair{0.03, 0.15}, {0.015, 0.3}, {0.005, 1.0}}) {
            p.setPen(QPen(qc(neon, alpha), u * width));
            p.drawRoundedRect(r, u * 0.01, u * 0.01);
        }
        p.setPen(QPen(qc(neon), u * 0.004));
        for (int k = 0; k < 4; ++k) { // the lettering
            const QPointF a = banner ? QPointF(r.center().x(), r.top() + r.height() * (k + 0.5) / 4)
                                     : QPointF(r.left() + r.width() * (k + 0.5) / 4, r.center().y());
            p.drawEllipse(a, u * 0.008 * rng.range(0.6, 1.2), u * 0.012 * rng.range(0.6, 1.2));
        }
    }
    p.end();
    mirror(img, int(kerb), u, s.seed + 7, {0.05, 0.05, 0.1}, 0.3);
    // The rain: short streaks, lit by the street.
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 2500; ++i) {
        const double x = rng.uniform() * w, y = rng.uniform() * h, l = u * rng.range(0.015, 0.04);
        p.setPen(QPen(qc({0.8, 0.85, 1.0}, rng.range(0.15, 0.45)), u * 0.0015));
        p.drawLine(QPointF(x, y), QPointF(x - l * 0.25, y + l));
    }
    p.end();
    return img;
}

// A harbour at night under the moon: cranes and warehouses on the quay, boats with their lights.
QImage nightHarbour(const PictureSpec &s)
{
    Rng rng(s.seed);
    const int w = s.width, h = s.height;
    const double u = std::min(w, h), quay = h * 0.58;
    const SkyLook look{hsv(0.64, 0.7, 0.15), hsv(0.6, 0.45, 0.45), hsv(0.6, 0.1, 0.85), hsv(0.68, 0.3, 0.2), 0.65, 2};
    QImage img = perPixel(w, h, [&](int x, int y) -> Col {
        Col c = cloudySky(look, x, y, quay, w, u, s.seed);
        const double moon = std::hypot(x - w * 0.25, y - h * 0.14) / u;
        c = c + Col{0.9, 0.9, 0.8} * (0.5 * std::exp(-moon * 8));
        return moon < 0.04 ? Col{0.98, 0.97, 0.88} * (0.85 + 0.15 * fbm(x / u * 60, y / u * 60, 3, s.seed)) : c;
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (double x = -rng.range(0, u * 0.05); x < w;) {
        const double bw = u * rng.range(0.08, 0.2), top = quay - h * rng.range(0.05, 0.16);
        facade(p, QRectF(x, top, bw, quay - top + 1), hsv(rng.uniform(), 0.4, 0.2), {0.1, 0.1, 0.15},
               hsv(0.12, 0.5, 1.0), u * 0.01, 0.4, rng);
        x += bw + u * 0.005;
    }
    // Cranes: lattice towers and jibs.
    p.setBrush(Qt::NoBrush);
    for (int c = 0; c < 3; ++c) {
        const double x = w * (0.5 + 0.16 * c), top = quay - h * rng.range(0.3, 0.42);
        p.setPen(QPen(qc(hsv(0.05 + 0.5 * c, 0.6, 0.5)), u * 0.004));
        p.drawLine(QPointF(x, quay), QPointF(x, top));
        p.drawLine(QPointF(x + u * 0.03, quay), QPointF(x + u * 0.03, top));
        for (double y = top; y < quay; y += u * 0.03)
            p.drawLine(QPointF(x, y), QPointF(x + u * 0.03, y + u * 0.03));
        p.drawLine(QPointF(x - u * 0.12, top), QPointF(x + u * 0.25, top));
        p.drawLine(QPointF(x + u * 0.015, top - u * 0.05), QPointF(x + u * 0.25, top));
        p.drawLine(QPointF(x + u * 0.015, top - u * 0.05), QPointF(x - u * 0.12, top));
        p.drawLine(QPointF(x + u * 0.18, top), QPointF(x + u * 0.18, top + h * 0.15));
    }
    p.end();
    mirror(img, int(quay), u, s.seed + 3, hsv(0.62, 0.6, 0.15), 0.35);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 20; ++i) {
        const double d = (i + rng.uniform()) / 20, y = quay + (h - quay) * (0.1 + 0.85 * d),
                     size = u * (0.03 + 0.07 * d);
        const double x = rng.range(-0.05, 0.95) * w;
        const Col hull = hsv(rng.uniform(), rng.range(0.2, 0.8), rng.range(0.35, 0.8));
        p.setBrush(qc(hull * 0.5, 0.5)); // its reflection
        p.drawRect(QRectF(x, y, size * 2, size * 0.5));
        p.setBrush(qc(hull));
        p.drawPolygon(
            QPolygonF({{x - size * 0.3, y - size * 0.5}, {x + size * 2.3, y - size * 0.5}, {x + size * 2, y}, {x, y}}));
        p.setBrush(qc({0.9, 0.88, 0.8}));
        p.drawRect(QRectF(x + size * 0.5, y - size * 0.95, size * 0.9, size * 0.45));
        for (int k = 0; k < 3; ++k) {
            p.setBrush(qc({1, 0.85, 0.45}));
            p.drawEllipse(QPointF(x + size * (0.7 + 0.25 * k), y - size * 0.72), size * 0.07, size * 0.07);
        }
        p.fillRect(QRectF(x + size * 0.95, y - size * 2.2, size * 0.05, size * 1.3), qc({0.7, 0.7, 0.7}));
    }
    p.end();
    return img;
}

// An old town in the evening: narrow gabled houses in many colours, shutters, lanterns, cobbles.
QImage oldTown(const PictureSpec &s)
{
    Rng rng(s.seed);
    const int w = s.width, h = s.height;
    const double u = std::min(w, h), ground = h * 0.8;
    const SkyLook look{hsv(0.62, 0.5, 0.55), hsv(0.08, 0.5, 1.0), hsv(0.05, 0.3, 1.0), hsv(0.7, 0.3, 0.4), 0.85, 1.5};
    QImage img = perPixel(w, h, [&](int x, int y) -> Col {
        if (y < ground)
            return cloudySky(look, x, y, ground * 0.5, w, u, s.seed);
        // Cobblestones: cells round jittered points, with dark joints.
        const double fx = x / (u * 0.03), fy = (y - ground) / (u * 0.02);
        const auto [d1, d2, best] = cellAt(fx, fy, s.seed);
        const double lamp = 0.7 + 0.5 * fbm(x / u * 3, y / u * 3, 3, s.seed + 2);
        if (d2 - d1 < 0.12)
            return Col{0.12, 0.1, 0.08} * lamp;
        return hsv(0.07 + 0.05 * hashAt(best, 1, s.seed), 0.3, 0.35 + 0.35 * hashAt(best, 2, s.seed)) * lamp *
               (1.1 - d1 * 0.4);
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (double x = -rng.range(0, u * 0.04); x < w;) {
        const double bw = u * rng.range(0.12, 0.2), eaves = ground - h * rng.range(0.38, 0.55);
        const Col wall = hsv(rng.uniform(), rng.range(0.3, 0.6), rng.range(0.6, 0.95));
        QPainterPath house;
        const int gable = rng.below(3);
        house.moveTo(x, ground);
        house.lineTo(x, eaves);
        if (gable == 0) { // pointed
            house.lineTo(x + bw / 2, eaves - bw * 0.6);
        } else if (gable == 1) { // stepped
            for (int k = 0; k < 3; ++k) {
                house.lineTo(x + bw * (0.12 * k + 0.12), eaves - bw * 0.18 * k);
                house.lineTo(x + bw * (0.12 * k + 0.12), eaves - bw * 0.18 * (k + 1));
            }
            house.lineTo(x + bw * 0.64, eaves - bw * 0.54);
            for (int k = 2; k >= 0; --k) {
                house.lineTo(x + bw * (0.88 - 0.12 * k), eaves - bw * 0.18 * (k + 1));
                house.lineTo(x + bw * (0.88 - 0.12 * k), eaves - bw * 0.18 * k);
            }
        } else { // bell
            house.cubicTo(x + bw * 0.1, eaves - bw * 0.5, x + bw * 0.9, eaves - bw * 0.5, x + bw, eaves);
        }
        house.lineTo(x + bw, eaves);
        house.lineTo(x + bw, ground);
        house.closeSubpath();
        p.fillPath(house, qc(wall));
        p.fillRect(QRectF(x, eaves, bw, u * 0.008), qc({0.95, 0.95, 0.9}));
        // Windows with white frames and shutters; the lower ones lit.
        const Col shutter = hsv(rng.range(0.25, 0.6), 0.6, 0.35);
        for (double y = eaves + u * 0.03; y + u * 0.06 < ground - u * 0.08; y += u * 0.085)
            for (int k = 0; k < 2; ++k) {
                const double wx = x + bw * (0.2 + 0.38 * k), ww = bw * 0.22;
                p.fillRect(QRectF(wx - u * 0.004, y - u * 0.004, ww + u * 0.008, u * 0.068), qc({0.95, 0.95, 0.92}));
                p.fillRect(QRectF(wx, y, ww, u * 0.06), qc(rng.uniform() < 0.5 ? hsv(0.11, 0.6, rng.range(0.7, 1.0))
                                                                               : hsv(0.6, 0.3, rng.range(0.15, 0.35))));
                p.fillRect(QRectF(wx - ww * 0.45, y, ww * 0.4, u * 0.06), qc(shutter));
                p.fillRect(QRectF(wx + ww * 1.05, y, ww * 0.4, u * 0.06), qc(shutter));
            }
        p.fillRect(QRectF(x + bw * 0.35, ground - u * 0.08, bw * 0.3, u * 0.08), qc(hsv(0.05, 0.6, 0.3)));
        x += bw;
    }
    for (double x = u * 0.1; x < w; x += u * 0.3) {
        p.fillRect(QRectF(x, ground - u * 0.15, u * 0.008, u * 0.2), qc({0.1, 0.1, 0.1}));
        QRadialGradient glow(QPointF(x + u * 0.004, ground - u * 0.16), u * 0.06);
        glow.setColorAt(0, qc({1, 0.85, 0.45}, 1));
        glow.setColorAt(1, qc({1, 0.85, 0.45}, 0));
        p.setBrush(glow);
        p.drawEllipse(QPointF(x + u * 0.004, ground - u * 0.16), u * 0.06, u * 0.06);
    }
    p.end();
    return img;
}

} // namespace gen::kit
