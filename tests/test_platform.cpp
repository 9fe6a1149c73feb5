// The stand-ins for the platform: number rules, case-insensitive paths, the picture clip, the
// reading of song files.
#include "platform/midi_file.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/picture_clip.h"
#include "platform/picture_loader.h"
#include "support.h"

#include <QFile>

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void conversionsRoundHalvesToEven_data();
    void conversionsRoundHalvesToEven();
    void conversionsSaturateInsteadOfWrapping();

    void pathsAreFoundWhateverTheCaseOnDisk();
    void pathsPreferTheExactName();
    void missingPathsComeBackAsGiven();

    void loaderDecidesTheFormatFromTheContent();
    void loaderRefusesWhatIsNoPicture();
    void clipCutsRegionsInThePicturesOwnPixels();
    void clipOfAReducedCopyMatchesTheFullCut();
    void clipRefusesRegionsOutsideThePicture();

    void midiReaderAcceptsAWellFormedSong();
    void midiReaderRejectsDamagedSongs_data();
    void midiReaderRejectsDamagedSongs();
};

void TestPlatform::conversionsRoundHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("0.5 to 0") << 0.5 << 0;
    QTest::newRow("1.5 to 2") << 1.5 << 2;
    QTest::newRow("2.5 to 2") << 2.5 << 2;
    QTest::newRow("-0.5 to 0") << -0.5 << 0;
    QTest::newRow("-1.5 to -2") << -1.5 << -2;
    QTest::newRow("-2.5 to -2") << -2.5 << -2;
    QTest::newRow("2.4999 to 2") << 2.4999 << 2;
    QTest::newRow("2.5001 to 3") << 2.5001 << 3;
    // A tile side: a window 12000 twips wide with 25 tiles gives 12000 x 0.04124 x 10 / 5 = 989.76.
    QTest::newRow("Z for 25 tiles") << 12000 * 0.04124 * 10 / 5 << 990;
}

void TestPlatform::conversionsRoundHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(int(num::CInt(value)), expected);
    QCOMPARE(int(num::CLng(value)), expected);
}

void TestPlatform::conversionsSaturateInsteadOfWrapping()
{
    QCOMPARE(num::CInt(40000.0), Integer(32767));
    QCOMPARE(num::CInt(-40000.0), Integer(-32768));
    QCOMPARE(num::CLng(1e12), Long(2147483647));
    QCOMPARE(num::CLng(std::nan("")), Long(0));
    QCOMPARE(num::Int(-0.5), -1.0);
}

void TestPlatform::pathsAreFoundWhateverTheCaseOnDisk()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Landscapes/MODEL"));
    QFile(dir.filePath(QStringLiteral("Landscapes/MODEL/Sea View.MOD"))).open(QIODevice::WriteOnly);
    QFile(dir.filePath(QStringLiteral("FRAME1.GIF"))).open(QIODevice::WriteOnly);
    QCOMPARE(paths::resolve(dir.path(), QStringLiteral("landscapes/model/sea view.mod")),
             dir.filePath(QStringLiteral("Landscapes/MODEL/Sea View.MOD")));
    QCOMPARE(paths::resolve(dir.path(), QStringLiteral("frame1.gif")), dir.filePath(QStringLiteral("FRAME1.GIF")));
    QCOMPARE(paths::resolve(dir.filePath(QStringLiteral("LANDSCAPES/Model/sea view.Mod"))),
             dir.filePath(QStringLiteral("Landscapes/MODEL/Sea View.MOD")));
}

void TestPlatform::pathsPreferTheExactName()
{
    QTemporaryDir dir;
    QFile(dir.filePath(QStringLiteral("SCOPA.MID"))).open(QIODevice::WriteOnly);
    QFile(dir.filePath(QStringLiteral("Scopa.mid"))).open(QIODevice::WriteOnly);
    QCOMPARE(paths::resolve(dir.path(), QStringLiteral("Scopa.mid")), dir.filePath(QStringLiteral("Scopa.mid")));
    QCOMPARE(paths::resolve(dir.path(), QStringLiteral("SCOPA.MID")), dir.filePath(QStringLiteral("SCOPA.MID")));
}

void TestPlatform::missingPathsComeBackAsGiven()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Music"));
    QCOMPARE(paths::resolve(dir.path(), QStringLiteral("music/none/x.mid")),
             dir.filePath(QStringLiteral("Music/none/x.mid")));
    QVERIFY(!QFileInfo::exists(paths::resolve(dir.path(), QStringLiteral("music/none/x.mid"))));
}

void TestPlatform::loaderDecidesTheFormatFromTheContent()
{
    QTemporaryDir dir;
    // A PNG named ".jpg" and a JPEG named ".mod" both read, as they are.
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::red);
    QVERIFY(img.save(dir.filePath(QStringLiteral("png.jpg")), "PNG"));
    QVERIFY(img.save(dir.filePath(QStringLiteral("jpeg.mod")), "JPEG"));
    for (const char *name : {"png.jpg", "jpeg.mod"}) {
        const QImage read = picture::load(dir.filePath(QString::fromLatin1(name)));
        QCOMPARE(read.size(), QSize(40, 30));
    }
}

void TestPlatform::loaderRefusesWhatIsNoPicture()
{
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("text.jpg")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("this is not a picture at all");
    f.close();
    QString why;
    QVERIFY(picture::load(f.fileName(), &why).isNull());
    QVERIFY(!why.isEmpty());
    QVERIFY(!picture::probe(dir.filePath(QStringLiteral("missing.jpg"))).ok);
    QVERIFY(!picture::probe(dir.path()).ok);
}

void TestPlatform::clipCutsRegionsInThePicturesOwnPixels()
{
    PictureClip clip;
    clip.setPicture(gridPicture(400, 300, 4));
    QCOMPARE(clip.Width(), 400);
    clip.ClipWidth = 100;
    clip.ClipHeight = 75;
    clip.StretchX = clip.StretchY = 50;
    clip.ClipX = 300;
    clip.ClipY = 225;
    const QImage piece = clip.Clip();
    QCOMPARE(piece.size(), QSize(50, 50));
    QCOMPARE(piece.pixelColor(25, 25).rgb(), pieceColour(16, 4).rgb());
}

void TestPlatform::clipOfAReducedCopyMatchesTheFullCut()
{
    // A large picture decoded at reduced size still yields every piece with the right colours,
    // while the regions are given in the picture's own pixels.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.jpg"));
    QVERIFY(gridPicture(4000, 3000, 10).save(path, "JPEG", 95));
    PictureClip clip;
    QVERIFY(clip.load(path, QSize(330, 330)));
    QCOMPARE(clip.Width(), 4000);
    QCOMPARE(clip.Height(), 3000);
    QVERIFY(clip.heldImage().width() < 4000);
    QVERIFY(clip.heldImage().width() >= 660 || clip.heldImage().height() >= 660);
    clip.ClipWidth = 400;
    clip.ClipHeight = 300;
    clip.StretchX = clip.StretchY = 33;
    for (int k : {1, 10, 45, 91, 100}) {
        clip.ClipX = (k - 1) % 10 * 400;
        clip.ClipY = (k - 1) / 10 * 300;
        QVERIFY2(similar(clip.Clip().pixelColor(16, 16), pieceColour(k, 10), 12),
                 qPrintable(QStringLiteral("piece %1").arg(k)));
    }
}

void TestPlatform::clipRefusesRegionsOutsideThePicture()
{
    PictureClip clip;
    QVERIFY(clip.Clip().isNull());
    clip.setPicture(gridPicture(3, 3, 1));
    clip.StretchX = clip.StretchY = 10;
    clip.ClipWidth = clip.ClipHeight = 0; // a picture narrower than the tiles per side
    QVERIFY(clip.Clip().isNull());
    clip.ClipWidth = clip.ClipHeight = 2;
    clip.ClipX = 2;
    QVERIFY(clip.Clip().isNull());
}

static QByteArray song(const QByteArray &track, int tracks = 1)
{
    QByteArray b("MThd\0\0\0\x06\0\0\0", 11);
    b.append(char(tracks)).append("\x01\xe0", 2);
    for (int i = 0; i < tracks; ++i) {
        b.append("MTrk");
        const int n = int(track.size());
        b.append(char(n >> 24)).append(char(n >> 16)).append(char(n >> 8)).append(char(n));
        b.append(track);
    }
    return b;
}

void TestPlatform::midiReaderAcceptsAWellFormedSong()
{
    // Tempo 0.5 s a quarter; a note of one quarter (480 ticks), with running status for the note-off.
    const QByteArray track("\x00\xff\x51\x03\x07\xa1\x20"
                           "\x00\x90\x3c\x40"
                           "\x83\x60\x3c\x00"
                           "\x00\xff\x2f\x00",
                           19);
    const MidiInfo info = midi::parse(song(track));
    QVERIFY2(info.ok, qPrintable(info.error));
    QCOMPARE(info.division, 480);
    QCOMPARE(info.lastNoteTick, 480LL);
    QCOMPARE(info.notes, 1);
    QCOMPARE(info.seconds, 0.5);
}

void TestPlatform::midiReaderRejectsDamagedSongs_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good("\x00\x90\x3c\x40\x60\x80\x3c\x00\x00\xff\x2f\x00", 12);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("random bytes") << QByteArray("\x13\x37\xde\xad\xbe\xef lorem ipsum", 18);
    QTest::newRow("truncated track") << song(good).chopped(5);
    QTest::newRow("running status without a status") << song(QByteArray("\x00\x3c\x40", 3));
    QTest::newRow("endless length") << song(QByteArray("\x00\xff\x01\xff\xff\xff\xff\x7f", 8));
    QTest::newRow("tempo zero") << song(QByteArray("\x00\xff\x51\x03\x00\x00\x00", 7));
    QTest::newRow("format 0 with two tracks") << song(good, 2);
    QByteArray smpte = song(good);
    smpte[12] = char(0xe7);
    QTest::newRow("SMPTE time") << smpte;
}

void TestPlatform::midiReaderRejectsDamagedSongs()
{
    QFETCH(QByteArray, bytes);
    const MidiInfo info = midi::parse(bytes);
    QVERIFY(!info.ok);
    QVERIFY(!info.error.isEmpty());
}

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
