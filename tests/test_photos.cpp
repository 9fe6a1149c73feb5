// The picture loader and clip with photos as phones and cameras store them.
#include "platform/picture_clip.h"
#include "support.h"

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

class TestPhotos : public QObject
{
    Q_OBJECT
private slots:
    void photosAreCutUprightAtReducedSize_data()
    {
        QTest::addColumn<int>("orientation");
        for (int o = 1; o <= 8; ++o)
            QTest::addRow("EXIF orientation %d", o) << o;
    }

    void photosAreCutUprightAtReducedSize()
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
};

QTEST_MAIN(TestPhotos)
#include "test_photos.moc"
