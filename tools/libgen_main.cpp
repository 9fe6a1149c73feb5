// Writes the sample library into the program folder: one folder per picture category with a model
// folder, frame1.gif ... frame6.gif, and the Music folder; the game's icon at every size; and a
// category of photographs where a package of them is installed.
#include "common/icon.h"
#include "generator.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <atomic>
#include <cstdio>
#include <thread>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

bool writePictures(const QString &dir)
{
    const auto &specs = gen::pictureSpecs();
    std::atomic<size_t> next{0};
    std::atomic<bool> ok{true};
    auto work = [&] {
        for (size_t i = next++; i < specs.size(); i = next++) {
            const gen::PictureSpec &s = specs[i];
            const QString category = QDir(dir).filePath(QString::fromLatin1(s.category));
            const QImage img = s.paint(s);
            const QString name = QString::fromLatin1(s.name);
            if (!img.save(category + u'/' + name + QStringLiteral(".jpg"), "JPEG", 90) ||
                !gen::modelOf(img).save(category + QStringLiteral("/model/") + name + QStringLiteral(".mod"), "PNG"))
                ok = false;
        }
    };
    for (const auto &s : specs)
        QDir(dir).mkpath(QString::fromLatin1(s.category) + QStringLiteral("/model"));
    std::thread helper(work);
    work();
    helper.join();
    return ok;
}

// Real photographs, copied from a Debian package of desktop backgrounds with its copyright file, and
// their models made from them, upright as their EXIF orientation says.
bool copyPhotographs(const QString &dir, const QString &source, const QString &copyright)
{
    // The five that make the best puzzles of the package's nature photographs (bench_pictures).
    static const char *const photos[][2] = {{"LadyBird.jpg", "Lady bird.jpg"},
                                            {"GreenMeadow.jpg", "Green meadow.jpg"},
                                            {"RainDrops.jpg", "Rain drops.jpg"},
                                            {"Garden.jpg", "Garden.jpg"},
                                            {"Blinds.jpg", "Blinds.jpg"}};
    const QString category = QDir(dir).filePath(QStringLiteral("Photographs"));
    bool ok = QDir().mkpath(category + QStringLiteral("/model"));
    QFile::remove(category + QStringLiteral("/copyright"));
    ok &= QFile::copy(copyright, category + QStringLiteral("/copyright"));
    for (const auto &[from, to] : photos) {
        const QString target = category + u'/' + QString::fromLatin1(to);
        QFile::remove(target);
        QImageReader reader(source + u'/' + QString::fromLatin1(from));
        reader.setAutoTransform(true);
        ok &= QFile::copy(reader.fileName(), target) &&
              gen::modelOf(reader.read())
                  .save(category + QStringLiteral("/model/") + QString::fromLatin1(to).chopped(4) +
                            QStringLiteral(".mod"),
                        "PNG");
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: vareriz_libgen PROGRAM_FOLDER [ICON_FOLDER [PHOTO_FOLDER COPYRIGHT]]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    bool ok = true;

    const std::vector<QImage> frames = gen::paintFrames();
    for (size_t i = 0; i < frames.size(); ++i)
        ok &= gen::writeGif(frames[i], QDir(dir).filePath(QStringLiteral("frame%1.gif").arg(i + 1)));

    QDir(dir).mkpath(QStringLiteral("Music"));
    for (const gen::SongSpec &s : gen::songSpecs())
        ok &= writeFile(QDir(dir).filePath(QStringLiteral("Music/%1.mid").arg(QString::fromLatin1(s.name))),
                        gen::composeSong(s));

    ok &= writePictures(dir);
    if (argc > 4)
        ok &= copyPhotographs(dir, QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]));
    // The icon at every size of the desktop's icon theme: ICON_FOLDER/NxN/apps/vareriz.png.
    for (int size = 0; argc > 2 && size < int(iconSizes.size()); ++size) {
        const QString folder =
            QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(iconSizes[size]);
        ok &= QDir().mkpath(folder) && gameIcon(iconSizes[size]).save(folder + QStringLiteral("/vareriz.png"), "PNG");
    }
    if (!ok)
        std::fprintf(stderr, "vareriz_libgen: could not write the library into %s\n", argv[1]);
    return ok ? 0 : 1;
}
