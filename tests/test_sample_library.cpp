// The sample library that the build paints: complete, well-formed, and the same on every run.
#include "platform/midi_file.h"
#include "support.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QImageReader>
#include <QProcess>

class TestSampleLibrary : public QObject
{
    Q_OBJECT
private slots:
    void everyPictureHasADecodableModel();
    void picturesComeInEveryShapeTheGameMeets();
    void theFramesAreSmallGifs();
    void everySongIsAStandardMidiFileOfTheRightLength();
    void generatingTwiceGivesTheSameBytes();
};

static QString programDir()
{
    return QStringLiteral(PROGRAM_DIR);
}

static QStringList categories()
{
    QStringList out = QDir(programDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    out.removeAll(QStringLiteral("Music"));
    return out;
}

void TestSampleLibrary::everyPictureHasADecodableModel()
{
    const QStringList cats = categories();
    QVERIFY(cats.size() >= 4);
    for (const QString &c : cats) {
        const QStringList pictures = QDir(programDir() + u'/' + c).entryList({QStringLiteral("*.jpg")}, QDir::Files);
        QVERIFY2(pictures.size() >= 5, qPrintable(c));
        for (const QString &p : pictures) {
            QImageReader reader(programDir() + u'/' + c + u'/' + p);
            reader.setDecideFormatFromContent(true);
            QCOMPARE(reader.format(), QByteArray("jpeg"));
            QVERIFY2(!reader.read().isNull(), qPrintable(p));
            const QImage model(programDir() + u'/' + c + QStringLiteral("/model/") + p.chopped(4) +
                               QStringLiteral(".mod"));
            QVERIFY2(!model.isNull(), qPrintable(p));
            QVERIFY(model.width() <= 136 && model.height() <= 136);
        }
    }
}

void TestSampleLibrary::picturesComeInEveryShapeTheGameMeets()
{
    bool vga = false, wide = false, portrait = false, square = false, large = false, spaces = false;
    for (const QString &c : categories())
        for (const QString &p : QDir(programDir() + u'/' + c).entryList({QStringLiteral("*.jpg")}, QDir::Files)) {
            const QSize s = QImageReader(programDir() + u'/' + c + u'/' + p).size();
            vga |= s == QSize(1024, 768);
            wide |= s.width() * 9 > s.height() * 16;
            portrait |= s.height() > s.width();
            square |= s.height() == s.width();
            large |= s.width() >= 4000 && s.height() >= 3000;
            spaces |= p.contains(u' ');
        }
    QVERIFY(vga && wide && portrait && square && large && spaces);
}

void TestSampleLibrary::theFramesAreSmallGifs()
{
    for (int i = 1; i <= 6; ++i) {
        QImageReader reader(programDir() + QStringLiteral("/frame%1.gif").arg(i));
        QCOMPARE(reader.format(), QByteArray("gif"));
        const QImage img = reader.read();
        QCOMPARE(img.size(), QSize(33, 33));
        QVERIFY(img.pixelColor(0, 0) == QColor(Qt::white));
    }
}

void TestSampleLibrary::everySongIsAStandardMidiFileOfTheRightLength()
{
    const char *names[] = {"inds_01", "inds_02",  "inds_03",  "inds_04", "inds_05",
                           "inds_06", "M01oejjd", "Gd_vibes", "Scopa",   "Sevilana"};
    QSet<QByteArray> seen;
    for (const char *n : names) {
        QFile f(programDir() + QStringLiteral("/Music/%1.mid").arg(QString::fromLatin1(n)));
        QVERIFY2(f.open(QIODevice::ReadOnly), n);
        const QByteArray bytes = f.readAll();
        const MidiInfo info = midi::parse(bytes);
        QVERIFY2(info.ok, qPrintable(info.error));
        QVERIFY2(info.seconds >= 40 && info.seconds <= 120,
                 qPrintable(QStringLiteral("%1: %2 s").arg(n).arg(info.seconds)));
        QVERIFY(info.notes > 100);
        seen.insert(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256));
    }
    QCOMPARE(seen.size(), 10);
}

static QMap<QString, QByteArray> digests(const QString &dir)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        out.insert(QDir(dir).relativeFilePath(path), QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256));
    }
    return out;
}

static int generate(const QString &dir)
{
    QProcess p;
    // The generator is a build tool: its output is compared here, its memory checked by the tests
    // of the game (and the leak checker's own tracer is the least reliable part of a sanitizer run).
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(QStringLiteral(LIBGEN), {dir, dir + QStringLiteral("/icon.png")});
    if (!p.waitForFinished(180000) || p.exitStatus() != QProcess::NormalExit)
        return -1;
    return p.exitCode();
}

void TestSampleLibrary::generatingTwiceGivesTheSameBytes()
{
    QTemporaryDir a, b;
    QCOMPARE(generate(a.path()), 0);
    QCOMPARE(generate(b.path()), 0);
    const auto first = digests(a.path()), second = digests(b.path());
    QVERIFY(first.size() > 50);
    QCOMPARE(first, second);
}

QTEST_MAIN(TestSampleLibrary)
#include "test_sample_library.moc"
