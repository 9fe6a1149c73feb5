// How good a puzzle each picture of the sample library makes, cut into 100 tiles: how many tiles are
// flat (almost one colour), how many pairs of tiles look alike (on a coarse signature of 4 x 4
// colours), and how far each picture stands from the nearest other of its category.
#include "bench_common.h"
#include "picture_quality.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The sample library, or any library folder given.
    const QDir library(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(PROGRAM_DIR));
    for (const QString &c : library.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::vector<std::pair<QString, gen::PuzzleQuality>> pictures;
        for (const QString &p : QDir(library.filePath(c)).entryList({QStringLiteral("*.jpg")}, QDir::Files)) {
            QImageReader reader(library.filePath(c + u'/' + p));
            reader.setAutoTransform(true);
            pictures.emplace_back(p, gen::puzzleQuality(reader.read()));
        }
        for (const auto &[name, q] : pictures) {
            double nearest = 255;
            for (const auto &other : pictures)
                if (&other.second != &q)
                    nearest = std::min(nearest, q.distance(other.second));
            std::printf("FIGURE | %s/%s: flat tiles, pairs alike, nearest picture of its category | %d, %d, %.0f | "
                        "<= 5, <= 3, -\n",
                        qPrintable(c), qPrintable(name), q.flatTiles, q.pairsAlike, nearest);
        }
    }
    return 0;
}
