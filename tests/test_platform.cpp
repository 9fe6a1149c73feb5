// The stand-ins for the platform: number rules, the picture loader and clip with photos as cameras
// store them, the reading of song files.
#include "platform/midi_file.h"
#include "platform/picture_clip.h"
#include "support.h"

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void conversionsRoundHalvesToEvenAndSaturate_data();
    void conversionsRoundHalvesToEvenAndSaturate();
    void photosAreCutUprightAtReducedSize_data();
    void photosAreCutUprightAtReducedSize();
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

// The picture as a camera stores it when the photo must be turned by EXIF orientation o to stand upright.
static QByteArray photo(const QImage &upright, int o)
{
    const QTransform quarter = QTransform().rotate(90), threeQuarters = QTransform().rotate(270);
    const QImage stored = o == 2   ? upright.mirrored(true, false)
                          : o == 3 ? upright.mirrored(true, true)
                          : o == 4 ? upright.mirrored(false, true)
                          : o == 5 ? upright.transformed(quarter).mirrored(true, false)
                          : o == 6 ? upright.transformed(threeQuarters)
                          : o == 7 ? upright.transformed(threeQuarters).mirrored(true, false)
                          : o == 8 ? upright.transformed(quarter)
                                   : upright;
    // An Exif block with the one Orientation tag, right after the JPEG's start marker.
    QByteArray exif("\xff\xe1\x00\x22"
                    "Exif\0\0MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\0\0\0\0\0\0\0",
                    36);
    exif[29] = char(o);
    return jpegBytes(stored, 95).insert(2, exif);
}

void TestPlatform::photosAreCutUprightAtReducedSize_data()
{
    QTest::addColumn<int>("orientation");
    for (int o = 1; o <= 8; ++o)
        QTest::addRow("EXIF orientation %d", o) << o;
}

void TestPlatform::photosAreCutUprightAtReducedSize()
{
    // A photo decoded at reduced size, turned upright, yields every piece with its colour, while the
    // regions are given in the upright picture's own pixels.
    QFETCH(int, orientation);
    ProgramFolder folder;
    folder.addFile(QStringLiteral("p.jpg"), photo(gridPicture(1200, 800, 4), orientation));
    PictureClip clip;
    QVERIFY(clip.load(folder.file(QStringLiteral("p.jpg")), QSize(100, 100)));
    QCOMPARE(QSize(clip.Width(), clip.Height()), QSize(1200, 800));
    QVERIFY(clip.heldImage().width() < 1200);
    clip.ClipWidth = 300;
    clip.ClipHeight = 200;
    clip.StretchX = clip.StretchY = 33;
    for (int k = 1; k <= 16; ++k) {
        clip.ClipX = (k - 1) % 4 * 300;
        clip.ClipY = (k - 1) / 4 * 200;
        QVERIFY2(similar(clip.Clip().pixelColor(16, 16), pieceColour(k, 4), 12), qPrintable(QString::number(k)));
    }
    clip.ClipX = 901; // past the right edge
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
