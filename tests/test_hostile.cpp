// A library full of what players really drop beside the game, photos as phones and cameras store
// them (turned by EXIF orientation, very large), and what an attacker would try: the game never crashes or hangs, keeps
// its memory bounded, says clearly what it refuses, and stays usable afterwards.
#include "platform/controls/label.h"
#include "support.h"

#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A JPEG whose frame header claims another size than its data holds.
QByteArray jpegClaiming(int w, int h, QByteArray b = jpegBytes(gridPicture(64, 48, 4)))
{
    for (int i = 0; i + 8 < b.size(); ++i)
        if (uchar(b[i]) == 0xff && (uchar(b[i + 1]) == 0xc0 || uchar(b[i + 1]) == 0xc2)) {
            b[i + 5] = char(h >> 8);
            b[i + 6] = char(h);
            b[i + 7] = char(w >> 8);
            b[i + 8] = char(w);
            break;
        }
    return b;
}

// After anything hostile, the window still plays: a good picture makes a whole board.
void stillUsable(Game &game)
{
    if (game->scelta_file)
        QTest::mouseClick(game->CMGame, Qt::LeftButton);
    game.choose("Good", "fine.jpg");
    QVERIFY(game->scelta_file);
    QCOMPARE(game->Picture2.ubound(), int(game->TessNum));
}

// A JPEG photo as a camera stores it when it must be turned by EXIF orientation o to stand upright.
QByteArray photo(const QImage &upright, int o)
{
    // An Exif block with the one Orientation tag, right after the JPEG's start marker.
    QByteArray exif("\xff\xe1\x00\x22"
                    "Exif\0\0MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\0\0\0\0\0\0\0",
                    36);
    exif[29] = char(o);
    return jpegBytes(stored(upright, o), 95).insert(2, exif);
}

// The bytes of a HEIF file with one box's type changed, or with bytes of its grid changed.
QByteArray patched(QByteArray heif, const char *box, const QByteArray &with, int at = 4)
{
    const qsizetype i = heif.indexOf(box);
    if (i < 0)
        qFatal("the test's HEIF file has no %s box", box);
    return heif.replace(i + at, with.size(), with);
}

void addGood(ProgramFolder &folder)
{
    folder.addPicture("Good", "fine.jpg", gridPicture(300, 300, 10));
}

} // namespace

class TestHostile : public QObject
{
    Q_OBJECT
private slots:
    void everyPictureIsPlayedOrRefusedWithAMessage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("tiles");
        QTest::addColumn<QString>("refused"); // why, as the message says; empty when it is played
        QTest::addColumn<bool>("pieces");     // a 4 x 4 grid: each tile must show its own piece, upright
        const QImage grid = gridPicture(200, 160, 4);
        const QByteArray good = jpegBytes(grid), heif = heifBytes(grid), heifGrid = heifBytes(gridPicture(201, 161, 4));
        const QByteArray largeHeif = heifBytes(gridPicture(2600, 2000, 4)); // decoded, then made smaller
        QByteArray corrupt = good;
        for (qsizetype i = 600; i < corrupt.size() - 2; i += 7)
            corrupt[i] = char(corrupt[i] ^ 0x5a);
        QTest::newRow("zero bytes") << "bad.jpg" << QByteArray() << 100 << "not a picture" << false;
        QTest::newRow("5 bytes") << "bad.jpg" << good.left(5) << 100 << "not a picture" << false;
        QTest::newRow("truncated header") << "bad.jpg" << good.left(40) << 100 << "size cannot be read" << false;
        QTest::newRow("truncated data") << "bad.jpg" << good.left(good.size() / 3) << 16 << "" << false;
        QTest::newRow("corrupt data") << "bad.jpg" << corrupt << 16 << "size cannot be read" << false;
        QTest::newRow("a text file") << "bad.jpg" << QByteArray("<html>not a picture</html>") << 100 << "not a picture"
                                     << false;
        QTest::newRow("a PNG named .jpg") << "bad.jpg" << jpegBytes(grid, -1, "PNG") << 16 << "" << true;
        QTest::newRow("header claims 60000 x 60000")
            << "bad.jpg" << jpegClaiming(60000, 60000) << 100 << "too large" << false;
        QTest::newRow("header claims 65000 x 65000")
            << "bad.jpg" << jpegClaiming(65000, 65000) << 16 << "too large" << false;
        // A progressive JPEG holds all its picture's coefficients while it is decoded, at any scale.
        QTest::newRow("progressive, header claims 20000 x 20000")
            << "bad.jpg"
            << jpegClaiming(20000, 20000, made("convert", {"1.png", "-interlace", "JPEG", "jpg:out"}, {grid})) << 16
            << "too large" << false;
        QTest::newRow("a progressive JPEG")
            << "bad.jpg" << made("convert", {"1.png", "-interlace", "JPEG", "jpg:out"}, {grid}) << 16 << "" << true;
        // Phones write EXIF, colour profiles and previews of tens of kilobytes before the frame header.
        QByteArray padded =
            jpegClaiming(12000, 12000, made("convert", {"1.png", "-interlace", "JPEG", "jpg:out"}, {grid}));
        for (int i = 0; i < 2; ++i)
            padded.insert(2, QByteArray("\xff\xe2\x9c\x40", 4) + QByteArray(40000 - 2, 0));
        QTest::newRow("progressive behind 80 KB of headers, claims 12000 x 12000")
            << "bad.jpg" << padded << 16 << "too large" << false;
        QTest::newRow("1 x 1 pixel") << "bad.jpg" << jpegBytes(gridPicture(1, 1, 1)) << 16 << "too small" << false;
        QTest::newRow("3 x 3 pixels, 16 tiles")
            << "bad.jpg" << jpegBytes(gridPicture(3, 3, 1)) << 16 << "too small" << false;
        QTest::newRow("4 x 4 pixels, 16 tiles") << "bad.jpg" << jpegBytes(gridPicture(4, 4, 4)) << 16 << "" << false;
        QTest::newRow("removed after it was listed")
            << "bad.jpg" << QByteArray("gone") << 100 << "does not exist" << false;
        for (int o = 1; o <= 8; ++o)
            QTest::addRow("a photo to turn by EXIF orientation %d", o)
                << "bad.jpg" << photo(gridPicture(1200, 800, 4), o) << 16 << "" << true;
        QImage huge(12000, 8400, QImage::Format_Grayscale8); // 400 MB, were it decoded whole in colour
        huge.fill(90);
        QTest::newRow("12000 x 8400 pixels") << "bad.jpg" << jpegBytes(huge) << 100 << "" << false;
        // Photos of phones and pictures of the web, read by what they hold, whatever their names say.
        for (int o = 1; o <= 8; ++o)
            QTest::addRow("a HEIC grid to turn by orientation %d", o)
                << "bad.HEIC" << heifBytes(gridPicture(301, 201, 4), o) << 16 << "" << true;
        QTest::newRow("a HEIF of 10 bits")
            << "bad.heif"
            << made("heif-enc", {"-b", "10", "-p", "preset=ultrafast", "1.png", "-o", "out"},
                    {grid.convertToFormat(QImage::Format_RGBA64)})
            << 16 << "" << true;
        QTest::newRow("an AVIF of odd size")
            << "bad.avif"
            << made("heif-enc", {"-A", "-p", "chroma=444", "1.png", "-o", "out"}, {gridPicture(201, 161, 4)}) << 16
            << "" << true;
        QTest::newRow("a .heic that is a JPEG") << "bad.heic" << good << 16 << "" << true;
        QTest::newRow("a .jpg that is a HEIC") << "bad.jpg" << largeHeif << 16 << "" << true;
        QTest::newRow("a WebP") << "bad.webp" << jpegBytes(grid, 90, "WEBP") << 16 << "" << true;
        QImage black(grid.size(), QImage::Format_RGB32);
        black.fill(Qt::black);
        QTest::newRow("a WebP animation: its first frame")
            << "bad.webp" << made("img2webp", {"-lossy", "1.png", "2.png", "-o", "out"}, {grid, black}) << 16 << ""
            << true;
        QTest::newRow("a PNG of 16 bits")
            << "bad.png" << jpegBytes(grid.convertToFormat(QImage::Format_RGBA64), -1, "PNG") << 16 << "" << true;
        QTest::newRow("a grey PNG, transparent")
            << "bad.png"
            << made("convert", {"-size", "64x64", "xc:black", "-alpha", "set", "-channel", "A", "-evaluate", "set", "0",
                                "-define", "png:color-type=4", "png:out"})
            << 16 << "" << false;
        QImage bomb(12000, 12000, QImage::Format_Mono); // a few kilobytes that decode to half a gigabyte
        bomb.fill(0);
        QTest::newRow("a PNG bomb") << "bad.png" << jpegBytes(bomb, -1, "PNG") << 16 << "too large" << false;
        QTest::newRow("a truncated HEIC") << "bad.heic" << heif.left(heif.size() * 2 / 3) << 16 << "damaged" << false;
        QTest::newRow("a HEIC with no picture")
            << "bad.heic" << patched(heif, "pitm", "free", 0) << 16 << "holds no picture" << false;
        QTest::newRow("a HEIC grid of more tiles than it holds")
            << "bad.heic" << patched(heifGrid, "idat", QByteArray("\1\1", 2), 6) << 16 << "damaged" << false;
    }

    void everyPictureIsPlayedOrRefusedWithAMessage()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, tiles);
        QFETCH(QString, refused);
        QFETCH(bool, pieces);
        ProgramFolder folder;
        addGood(folder);
        folder.addFile("Bad/" + name, bytes);
        Game game(folder);
        Form1 &f = *game;
        f.tessere[tiles == 16 ? 1 : 3]->trigger();
        f.files->trigger();
        QVERIFY(game.clickListItem(f.List1, "Bad"));
        if (bytes == "gone")
            QVERIFY(QFile::remove(folder.file("Bad/" + name)));
        const double before = residentMB();
        QVERIFY(resetPeak());
        QVERIFY(game.clickListItem(f.File1, name));
        const double peak = peakMB() - before;
        QCOMPARE(f.scelta_file, refused.isEmpty());
        QVERIFY2(peak > -1 && peak < 100, qPrintable(QStringLiteral("%1 MB at the most").arg(peak)));
        if (!refused.isEmpty()) {
            QCOMPARE(game.messages.size(), 1);
            QVERIFY2(game.messages.first().contains(name) && game.messages.first().contains(refused),
                     qPrintable(game.messages.first()));
            QCOMPARE(f.Picture2.ubound(), 0);
            QVERIFY(f.File1->isVisible());
        } else {
            // Damaged but readable data makes a board of whatever could be decoded; never a black tile.
            QVERIFY(game.messages.isEmpty());
            QCOMPARE(f.Picture2.ubound(), tiles);
            for (int k = 1; k <= tiles; ++k) {
                const QImage t = f.Picture2[k]->picture().toImage();
                const QColor c = t.pixelColor(t.width() / 2, t.height() / 2);
                QVERIFY2(pieces ? similar(c, pieceColour(k, 4)) : c.lightness() > 0, qPrintable(QString::number(k)));
            }
            QTest::mouseClick(f.CMNew, Qt::LeftButton);
        }
        stillUsable(game);
    }

    // The lists show categories and pictures by name, whatever their case, and leave out what is not
    // one: the game's own folders, hidden entries, other files, and all that an attacker could plant.
    void theListsHoldCategoriesAndPicturesByNameAndLeaveTheRestOut()
    {
        ProgramFolder folder;
        addGood(folder);
        for (const char *name : {"Music", "Puzzle", "music", "PUZZLE", "animals", ".hidden", "Empty"})
            folder.addFolder(QString::fromLatin1(name));
        folder.addFile("notes.txt", "a file, never a category");
        // Quotes, a backslash and letters beyond ASCII, in a category and a picture name.
        const QString category = "Qu'it \"é\" \\ ünïcode";
        const QString name = "Caffè \"latte\" \\ 1.jpg";
        for (const QString &p : QStringList{name, "B.JPG", "a.jpg", ".secret.jpg", "d.jpeg", "E.JPEG", "F.HEIC",
                                            "g.Png", "h.webp", "i.heif", "j.AVIF"})
            folder.addPicture(category, p, gridPicture(200, 200, 4));
        // Entries that are not pictures: another kind of file, a folder, a pipe, a dangling link; and
        // a picture that cannot be read.
        folder.addFile(category + "/c.gif", "not listed");
        folder.addFolder(category + "/folder.jpg");
        QVERIFY(mkfifo(QFile::encodeName(folder.file(category + "/pipe.jpg")).constData(), 0644) == 0);
        QVERIFY(QFile::link(folder.file("nowhere"), folder.file(category + "/dangling.jpg")));
        folder.addFile(category + "/locked.jpg", jpegBytes(gridPicture(100, 100, 4)));
        chmod(QFile::encodeName(folder.file(category + "/locked.jpg")).constData(), 0);
        // Link loops, and a category that vanishes after the scan.
        QVERIFY(QFile::link(folder.path(), folder.file("Loop")));
        QVERIFY(QFile::link(folder.file("Knot2"), folder.file("Knot1")));
        QVERIFY(QFile::link(folder.file("Knot1"), folder.file("Knot2")));
        folder.addPicture("Gone", "x.jpg", gridPicture(100, 100, 4));
        Game game(folder);
        QCOMPARE(game.listed(game->List1),
                 (QStringList{"animals", "Empty", "Gone", "Good", "Loop", "music", "PUZZLE", category}));
        game->files->trigger();
        // Categories without a photo to play say so, and leave the picture list hidden; one that
        // vanished says so, and the categories are read again.
        QVERIFY(game.clickListItem(game->List1, "Empty"));
        QVERIFY(game.clickListItem(game->List1, "Loop")); // the program folder holds no photos
        QVERIFY(QDir(folder.file("Gone")).removeRecursively());
        QVERIFY(game.clickListItem(game->List1, "Gone"));
        QVERIFY(game->File1->isHidden() && game->List1->isVisible() && !game.listed(game->List1).contains("Gone"));
        QCOMPARE(game.messages.size(), 3);
        QVERIFY(game.messages[1].contains("\"Loop\"") && game.messages[1].contains(".heic, .heif or .avif"));
        QVERIFY2(game.messages[2].contains("\"Gone\" is no longer there"), qPrintable(game.messages[2]));
        game.messages.clear();
        QVERIFY(game.clickListItem(game->List1, category));
        QCOMPARE(game.listed(game->File1), (QStringList{"a.jpg", "B.JPG", name, "d.jpeg", "E.JPEG", "F.HEIC", "g.Png",
                                                        "h.webp", "i.heif", "j.AVIF", "locked.jpg"}));
        // A file the player cannot read is refused with a message; one that root can read is played.
        QVERIFY(game.clickListItem(game->File1, "locked.jpg"));
        QCOMPARE(game.messages.size(), geteuid() != 0 ? 1 : 0);
        if (game->scelta_file)
            QTest::mouseClick(game->CMGame, Qt::LeftButton);
        game->tessere[1]->trigger();
        game.choose(category, name);
        QVERIFY(game->scelta_file);
        QCOMPARE(game->Label7->text(), "Caffè \"latte\" \\ 1");
        QCOMPARE(game->Label9->text(), category + " Library");
        QCOMPARE(game->Picture3->size(), QSize(90, 90)); // its model was found
        stillUsable(game);
    }

    void thePreviewFitsItsPlaceWhateverTheModel_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QSize>("preview");
        QTest::newRow("a folder where the model should be") << QSize(400, 200) << "folder" << QSize(136, 68);
        QTest::newRow("no model folder: the picture itself") << QSize(200, 400) << "none" << QSize(68, 136);
        QTest::newRow("a model of 3000 x 1500") << QSize(400, 400) << "huge" << QSize(136, 68);
    }

    void thePreviewFitsItsPlaceWhateverTheModel()
    {
        QFETCH(QSize, picture);
        QFETCH(QString, model);
        QFETCH(QSize, preview);
        ProgramFolder folder;
        addGood(folder);
        folder.addPicture("Models", "p.jpg", gridPicture(picture.width(), picture.height(), 4), false);
        if (model == u"folder")
            folder.addFolder("Models/model/p.mod");
        else if (model == u"none")
            QVERIFY(QDir(folder.file("Models/model")).removeRecursively());
        else
            QVERIFY(gridPicture(3000, 1500, 4).save(folder.file("Models/model/p.mod"), "PNG"));
        Game game(folder);
        game.choose("Models", "p.jpg");
        QCOMPARE(game->Picture3->size(), preview);
        QVERIFY(similar(game->Picture3->picture().toImage().pixelColor(5, 5), pieceColour(1, 4)));
        QVERIFY(game.messages.isEmpty());
        stillUsable(game);
    }
};

QTEST_MAIN(TestHostile)
#include "test_hostile.moc"
