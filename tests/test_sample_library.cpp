// The sample library that the build paints: complete, well-formed, and the same on every build.
#include "picture_quality.h"
#include "platform/sound/midi_file.h"
#include "support.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QImageReader>
#include <QProcess>

static const QString programDir = QStringLiteral(PROGRAM_DIR);

static QMap<QString, QByteArray> generate(const QString &dir)
{
    QProcess p;
    // The generator is a build tool: its output is compared here, its memory checked by the tests
    // of the game (and the leak checker's own tracer is the least reliable part of a sanitizer run).
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(QStringLiteral(LIBGEN),
            QStringList{dir, dir + "/icons"} + QString::fromLocal8Bit(PHOTO_ARGS).split(u'|', Qt::SkipEmptyParts));
    QMap<QString, QByteArray> out;
    if (!p.waitForFinished(300000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return out;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        f.open(QIODevice::ReadOnly);
        out.insert(QDir(dir).relativeFilePath(f.fileName()),
                   QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256));
    }
    return out;
}

class TestSampleLibrary : public QObject
{
    Q_OBJECT
private slots:
    void everyCategoryHoldsGoodPuzzlesWithModels()
    {
        QStringList categories = QDir(programDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        categories.removeAll("Music");
        // Real photographs too, where the packages they come from are installed.
        QCOMPARE(categories.contains("Photographs"), !QByteArray(PHOTO_ARGS).isEmpty());
        QVERIFY(categories.size() >= 4);
        bool wide = false, portrait = false, large = false, spaces = false;
        for (const QString &c : categories) {
            const QDir dir(programDir + u'/' + c);
            const QStringList pictures = dir.entryList({"*.jpg"}, QDir::Files);
            QVERIFY2(pictures.size() >= 5, qPrintable(c));
            std::vector<gen::PuzzleQuality> seen;
            for (const QString &p : pictures) {
                QImageReader reader(dir.filePath(p));
                QCOMPARE(reader.format(), QByteArray("jpeg"));
                const QSize s = reader.size();
                // Cut into 100 tiles: hardly a tile of one colour, hardly two tiles alike, and a picture
                // clearly unlike the others of its category.
                reader.setAutoTransform(true);
                const gen::PuzzleQuality q = gen::puzzleQuality(reader.read());
                const QString name = c + u'/' + p;
                QVERIFY2(q.flatTiles <= 5, qPrintable(QStringLiteral("%1: %2 flat tiles").arg(name).arg(q.flatTiles)));
                QVERIFY2(q.pairsAlike <= 3,
                         qPrintable(QStringLiteral("%1: %2 pairs alike").arg(name).arg(q.pairsAlike)));
                for (const gen::PuzzleQuality &other : seen)
                    QVERIFY2(q.distance(other) >= 30, qPrintable(name + " looks like another picture"));
                seen.push_back(q);
                wide |= s.width() * 9 > s.height() * 16;
                portrait |= s.height() > s.width();
                large |= s.width() >= 4000 && s.height() >= 3000;
                spaces |= p.contains(u' ');
                const QImage model(dir.filePath("model/" + p.chopped(4) + ".mod"));
                QVERIFY2(!model.isNull() && model.width() <= 136 && model.height() <= 136, qPrintable(p));
            }
        }
        // Every shape the game meets: wider than 16:9, portrait, a large photograph, names with spaces.
        QVERIFY(wide && portrait && large && spaces);
    }

    void theFramesAndSongsAreThere()
    {
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(QImageReader(programDir + QStringLiteral("/frame%1.gif").arg(i)).size(), QSize(33, 33));
        QSet<QByteArray> seen;
        for (const QString &n : songNames()) {
            QFile f(programDir + QStringLiteral("/Music/%1.mid").arg(n));
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(n));
            const QByteArray bytes = f.readAll();
            const MidiInfo info = midi::parse(bytes);
            QVERIFY2(info.ok && info.seconds >= 40 && info.seconds <= 120 && info.notes > 100,
                     qPrintable(QStringLiteral("%1: %2 s %3").arg(n).arg(info.seconds).arg(info.error)));
            seen.insert(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256));
        }
        QCOMPARE(seen.size(), 10);
    }

    void generatingTwiceGivesTheSameBytes()
    {
        QTemporaryDir a, b;
        const auto first = generate(a.path());
        QVERIFY(first.size() > 50);
        QCOMPARE(generate(b.path()), first);
    }
};

QTEST_MAIN(TestSampleLibrary)
#include "test_sample_library.moc"
