// Writes the sample library into the program folder: one folder per picture category with a model
// folder, frame1.gif ... frame6.gif, and the Music folder; the game's icon at every size; and a
// category of photographs where a package of them is installed.
#include "common/icon.h"
#include "generator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    // Each category afresh: a picture dropped from the library must not linger from an earlier run.
    for (const auto &s : specs) {
        const QString category = QDir(dir).filePath(QString::fromLatin1(s.category));
        QDir(category).removeRecursively();
        QDir().mkpath(category + QStringLiteral("/model"));
    }
    std::thread helper(work);
    work();
    helper.join();
    return ok;
}

// Real photographs from Debian's packages of desktop backgrounds, with the packages' copyright
// files, and their models made from them, upright as their EXIF orientation says. Some are cut down
// to their most detailed part: a wallpaper's calm expanse of sky or blur makes tiles that cannot
// be told apart.
bool copyPhotographs(const QString &dir, const QString &backgrounds, const QStringList &copyrights)
{
    struct Photo {
        const char *from, *name;
        QRect part; // empty: the whole photograph, copied byte for byte
    };
    static const Photo photos[] = {{"mate/nature/LadyBird.jpg", "Lady bird", {}},
                                   {"mate/nature/GreenMeadow.jpg", "Green meadow", {}},
                                   {"mate/nature/Dune.jpg", "Dune grass", {0, 354, 1008, 630}},
                                   {"mate/nature/Garden.jpg", "Marigold", {1260, 348, 768, 480}},
                                   {"life_by_Aitzol_Berasategi.jpg", "Forest stream", {}}};
    const QString category = QDir(dir).filePath(QStringLiteral("Photographs"));
    QDir(category).removeRecursively();
    bool ok = QDir().mkpath(category + QStringLiteral("/model"));
    // Each package's copyright file under the package's name.
    for (const QString &copyright : copyrights) {
        const QString target = category + u'/' + QFileInfo(copyright).dir().dirName() + QStringLiteral(".copyright");
        ok &= QFile::copy(copyright, target);
    }
    for (const Photo &photo : photos) {
        const QString target = category + u'/' + QString::fromLatin1(photo.name) + QStringLiteral(".jpg");
        QImageReader reader(backgrounds + u'/' + QString::fromLatin1(photo.from));
        reader.setAutoTransform(true);
        QImage upright = reader.read();
        if (!photo.part.isEmpty())
            upright = upright.copy(photo.part);
        ok &= photo.part.isEmpty() ? QFile::copy(reader.fileName(), target) : upright.save(target, "JPEG", 92);
        ok &= gen::modelOf(upright).save(
            category + QStringLiteral("/model/") + QString::fromLatin1(photo.name) + QStringLiteral(".mod"), "PNG");
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: vareriz_libgen PROGRAM_FOLDER [ICON_FOLDER [BACKGROUNDS COPYRIGHT...]]\n");
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
        ok &= copyPhotographs(dir, QString::fromLocal8Bit(argv[3]), QCoreApplication::arguments().mid(4));
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
