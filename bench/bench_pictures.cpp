// How good a puzzle each picture of the sample library makes, cut into 100 tiles: how many tiles are
// flat (almost one colour), how many pairs of tiles look alike (on a coarse signature of 4 x 4
// colours), and how far each picture stands from the others of its category.
#include "bench_common.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <cmath>

namespace {

using Signature = std::vector<int>;

// The 100 tiles' signatures, and how far each tile's pixels stray from their mean colour.
std::vector<Signature> cut(const QImage &picture, std::vector<double> &spread)
{
    std::vector<Signature> out;
    const int w = picture.width() / 10, h = picture.height() / 10;
    for (int k = 0; k < 100; ++k) {
        const QImage tile = picture.copy(k % 10 * w, k / 10 * h, w, h).convertToFormat(QImage::Format_RGB32);
        double sum[3] = {}, sq[3] = {}, n = 0;
        for (int y = 0; y < h; y += 2)
            for (int x = 0; x < w; x += 2, ++n) {
                const QRgb c = tile.pixel(x, y);
                const int v[3] = {qRed(c), qGreen(c), qBlue(c)};
                for (int i = 0; i < 3; ++i)
                    sum[i] += v[i], sq[i] += double(v[i]) * v[i];
            }
        double var = 0;
        for (int i = 0; i < 3; ++i)
            var += (sq[i] - sum[i] * sum[i] / n) / n;
        spread.push_back(std::sqrt(var / 3));
        const QImage small = tile.scaled(4, 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        Signature s;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                s.insert(s.end(), {qRed(small.pixel(x, y)), qGreen(small.pixel(x, y)), qBlue(small.pixel(x, y))});
        out.push_back(s);
    }
    return out;
}

// Root-mean-square difference, in levels of 0 ... 255.
double distance(const Signature &a, const Signature &b)
{
    double d = 0;
    for (size_t i = 0; i < a.size(); ++i)
        d += double(a[i] - b[i]) * (a[i] - b[i]);
    return std::sqrt(d / double(a.size()));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The sample library, or any library folder given.
    const QDir library(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(PROGRAM_DIR));
    for (const QString &c : library.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::vector<Signature> pictures;
        for (const QString &p : QDir(library.filePath(c)).entryList({QStringLiteral("*.jpg")}, QDir::Files)) {
            QImageReader reader(library.filePath(c + u'/' + p));
            reader.setAutoTransform(true);
            std::vector<double> spread;
            const std::vector<Signature> tiles = cut(reader.read(), spread);
            const auto flat = std::count_if(spread.begin(), spread.end(), [](double s) { return s < 6; });
            int alike = 0;
            for (size_t i = 0; i < tiles.size(); ++i)
                for (size_t j = i + 1; j < tiles.size(); ++j)
                    alike += distance(tiles[i], tiles[j]) < 10;
            Signature whole;
            for (const Signature &t : tiles)
                whole.insert(whole.end(), t.begin(), t.end());
            double nearest = 255;
            for (const Signature &other : pictures)
                nearest = std::min(nearest, distance(whole, other));
            pictures.push_back(whole);
            std::printf("FIGURE | %s/%s: flat tiles, pairs alike, nearest picture of its category | %d, %d, %.0f | "
                        "<= 5, <= 3, -\n",
                        qPrintable(c), qPrintable(p), int(flat), alike, pictures.size() > 1 ? nearest : 0.0);
        }
    }
    return 0;
}
