#include "picture_quality.h"

#include <cmath>

namespace gen {
namespace {

constexpr int tiles = 10, cells = 4, values = cells * cells * 3;
constexpr double flatSpread = 6;     // levels of pixel spread below which a tile reads as one colour
constexpr double alikeDistance = 10; // levels between two signatures below which tiles look alike

double rms(const int *a, const int *b, size_t n)
{
    double d = 0;
    for (size_t i = 0; i < n; ++i)
        d += double(a[i] - b[i]) * (a[i] - b[i]);
    return std::sqrt(d / double(n));
}

} // namespace

double PuzzleQuality::distance(const PuzzleQuality &other) const
{
    return signature.size() == other.signature.size() ? rms(signature.data(), other.signature.data(), signature.size())
                                                      : 255;
}

PuzzleQuality puzzleQuality(const QImage &picture)
{
    PuzzleQuality q;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width() / tiles, h = rgb.height() / tiles;
    for (int k = 0; k < tiles * tiles && w > 0 && h > 0; ++k) {
        const QImage tile = rgb.copy(k % tiles * w, k / tiles * h, w, h);
        // The spread of every other pixel's channels about their mean.
        double sum[3] = {}, square[3] = {}, n = 0;
        for (int y = 0; y < h; y += 2)
            for (int x = 0; x < w; x += 2, ++n) {
                const QRgb c = tile.pixel(x, y);
                const int v[3] = {qRed(c), qGreen(c), qBlue(c)};
                for (int i = 0; i < 3; ++i) {
                    sum[i] += v[i];
                    square[i] += double(v[i]) * v[i];
                }
            }
        double variance = 0;
        for (int i = 0; i < 3; ++i)
            variance += (square[i] - sum[i] * sum[i] / n) / n;
        q.flatTiles += std::sqrt(variance / 3) < flatSpread;
        const QImage small = tile.scaled(cells, cells, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        for (int y = 0; y < cells; ++y)
            for (int x = 0; x < cells; ++x)
                q.signature.insert(q.signature.end(),
                                   {qRed(small.pixel(x, y)), qGreen(small.pixel(x, y)), qBlue(small.pixel(x, y))});
    }
    const size_t count = q.signature.size() / values;
    for (size_t i = 0; i < count; ++i)
        for (size_t j = i + 1; j < count; ++j)
            q.pairsAlike += rms(&q.signature[i * values], &q.signature[j * values], values) < alikeDistance;
    return q;
}

} // namespace gen
