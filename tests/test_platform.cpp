// The stand-ins for the platform: number rules, the picture clip, the reading of song files.
#include "platform/midi_file.h"
#include "platform/picture_clip.h"
#include "support.h"

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void conversionsRoundHalvesToEvenAndSaturate_data();
    void conversionsRoundHalvesToEvenAndSaturate();
    void aReducedCopyIsCutLikeTheWholePicture();
    void damagedSongsAreRejected_data();
    void damagedSongsAreRejected();
};

void TestPlatform::conversionsRoundHalvesToEvenAndSaturate_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("integer");
    QTest::newRow("halves to even") << -2.5 << -2;
    QTest::newRow("above a half") << 2.5001 << 3;
    QTest::newRow("a tile side for 25 tiles") << 12000 * 0.04124 * 10 / 5 << 990;
    QTest::newRow("past 16 bits") << 40000.0 << 32767;
    QTest::newRow("below 16 bits") << -40000.0 << -32768;
    QTest::newRow("not a number") << std::nan("") << 0;
}

void TestPlatform::conversionsRoundHalvesToEvenAndSaturate()
{
    QFETCH(double, value);
    QFETCH(int, integer);
    QCOMPARE(int(num::CInt(value)), integer);
    if (std::abs(value) < 32768)
        QCOMPARE(int(num::CLng(value)), integer);
}

void TestPlatform::aReducedCopyIsCutLikeTheWholePicture()
{
    // A large picture decoded at reduced size still yields every piece with its colour, while the
    // regions are given in the picture's own pixels.
    ProgramFolder folder;
    QVERIFY(gridPicture(4000, 3000, 10).save(folder.file(QStringLiteral("big.jpg")), "JPEG", 95));
    PictureClip clip;
    QVERIFY(clip.load(folder.file(QStringLiteral("big.jpg")), QSize(330, 330)));
    QCOMPARE(QSize(clip.Width(), clip.Height()), QSize(4000, 3000));
    QVERIFY(clip.heldImage().width() < 4000);
    clip.ClipWidth = 400;
    clip.ClipHeight = 300;
    clip.StretchX = clip.StretchY = 33;
    for (int k : {1, 10, 45, 91, 100}) {
        clip.ClipX = (k - 1) % 10 * 400;
        clip.ClipY = (k - 1) / 10 * 300;
        QVERIFY2(similar(clip.Clip().pixelColor(16, 16), pieceColour(k, 10), 12), qPrintable(QString::number(k)));
    }
    clip.ClipX = 3601; // past the right edge
    QVERIFY(clip.Clip().isNull());
}

static QByteArray song(const QByteArray &track, int tracks = 1)
{
    QByteArray b("MThd\0\0\0\x06\0\0\0", 11);
    b.append(char(tracks)).append("\x01\xe0", 2);
    for (int i = 0; i < tracks; ++i) {
        const int n = int(track.size());
        b.append("MTrk").append(char(n >> 24)).append(char(n >> 16)).append(char(n >> 8)).append(char(n));
        b.append(track);
    }
    return b;
}

void TestPlatform::damagedSongsAreRejected_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("seconds"); // up to the last note
    const QByteArray good("\x00\x90\x3c\x40\x60\x80\x3c\x00\x00\xff\x2f\x00", 12);
    QTest::newRow("a well-formed song") << song(good) << true << 0.1;
    QTest::newRow("the sample songs' kind") << shortSong(3) << true << 1.5;
    QTest::newRow("empty") << QByteArray() << false << 0.0;
    QTest::newRow("random bytes") << QByteArray("\x13\x37\xde\xad\xbe\xef lorem ipsum", 18) << false << 0.0;
    QTest::newRow("truncated track") << song(good).chopped(5) << false << 0.0;
    QTest::newRow("running status without a status") << song(QByteArray("\x00\x3c\x40", 3)) << false << 0.0;
    QTest::newRow("endless length") << song(QByteArray("\x00\xff\x01\xff\xff\xff\xff\x7f", 8)) << false << 0.0;
    QTest::newRow("tempo zero") << song(QByteArray("\x00\xff\x51\x03\x00\x00\x00", 7)) << false << 0.0;
    QTest::newRow("format 0 with two tracks") << song(good, 2) << false << 0.0;
    QByteArray smpte = song(good);
    smpte[12] = char(0xe7);
    QTest::newRow("SMPTE time") << smpte << false << 0.0;
}

void TestPlatform::damagedSongsAreRejected()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    const MidiInfo info = midi::parse(bytes);
    QCOMPARE(info.ok, ok);
    QCOMPARE(info.error.isEmpty(), ok);
    QFETCH(double, seconds);
    if (ok)
        QCOMPARE(info.seconds, seconds);
}

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
