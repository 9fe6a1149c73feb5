// A library full of what players really drop beside the game, and what an attacker would try: the
// game must never crash or hang, must keep its memory bounded, must say clearly what it refuses,
// and must stay usable afterwards.
#include "platform/file_list.h"
#include "platform/label.h"
#include "support.h"

#include <QListWidget>
#include <QPushButton>
#include <sys/stat.h>
#include <unistd.h>

class TestHostile : public QObject
{
    Q_OBJECT
private slots:
    void hostilePicturesAreRefusedOrPlayed_data();
    void hostilePicturesAreRefusedOrPlayed();
    void aHundredMegapixelPhotoIsCutWithBoundedMemory();
    void strangeNamesAreFoundAndShown();
    void unlistableEntriesNeverReachThePictureList();
    void linkLoopsAndVanishingFoldersDoNotHang();
    void aModelThatIsAFolderOrMissingFallsBackToThePicture();
};

namespace {

QByteArray jpegBytes(const QImage &img)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPEG", 90);
    return bytes;
}

// A JPEG whose frame header claims another size than its data holds.
QByteArray jpegClaiming(int w, int h)
{
    QByteArray b = jpegBytes(gridPicture(64, 48, 4));
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
    Form1 &f = *game;
    if (f.scelta_file)
        QTest::mouseClick(f.CMGame, Qt::LeftButton);
    game.choose(QStringLiteral("Good"), QStringLiteral("fine.jpg"));
    QVERIFY(f.scelta_file);
    QCOMPARE(f.Picture2.ubound(), int(f.TessNum));
    QTest::mouseClick(f.CMGame, Qt::LeftButton);
    QVERIFY(!f.scelta_file);
}

void addGood(ProgramFolder &folder)
{
    folder.addPicture(QStringLiteral("Good"), QStringLiteral("fine.jpg"), gridPicture(300, 300, 10));
}

} // namespace

void TestHostile::hostilePicturesAreRefusedOrPlayed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<bool>("removedAfterListing");
    const QByteArray good = jpegBytes(gridPicture(200, 160, 4));
    QByteArray corrupt = good;
    for (qsizetype i = 600; i < corrupt.size() - 2; i += 7)
        corrupt[i] = char(corrupt[i] ^ 0x5a);
    QTest::newRow("zero bytes") << QByteArray() << 3 << true << false;
    QTest::newRow("truncated header") << good.left(40) << 3 << true << false;
    QTest::newRow("truncated data") << good.left(good.size() / 3) << 1 << false << false;
    QTest::newRow("corrupt data") << corrupt << 1 << true << false;
    QTest::newRow("a text file") << QByteArray("<html>not a picture</html>") << 3 << true << false;
    QTest::newRow("a PNG named .jpg") << [] {
        QByteArray b;
        QBuffer buf(&b);
        buf.open(QIODevice::WriteOnly);
        gridPicture(100, 100, 4).save(&buf, "PNG");
        return b;
    }() << 1 << false << false;
    QTest::newRow("header claims 60000 x 60000") << jpegClaiming(60000, 60000) << 3 << true << false;
    QTest::newRow("1 x 1 pixel") << jpegBytes(gridPicture(1, 1, 1)) << 1 << true << false;
    QTest::newRow("3 x 3 pixels, 16 tiles") << jpegBytes(gridPicture(3, 3, 1)) << 1 << true << false;
    QTest::newRow("3 x 3 pixels, 100 tiles") << jpegBytes(gridPicture(3, 3, 1)) << 3 << true << false;
    QTest::newRow("4 x 4 pixels, 16 tiles") << jpegBytes(gridPicture(4, 4, 4)) << 1 << false << false;
    QTest::newRow("removed after it was listed") << good << 3 << true << true;
}

void TestHostile::hostilePicturesAreRefusedOrPlayed()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, menuItem);
    QFETCH(bool, refused);
    QFETCH(bool, removedAfterListing);
    ProgramFolder folder;
    addGood(folder);
    folder.addFile(QStringLiteral("Bad/bad.jpg"), bytes);
    Game game(folder);
    Form1 &f = *game;
    f.tessere[menuItem]->trigger();
    f.files->trigger();
    QVERIFY(game.clickListItem(f.List1, QStringLiteral("Bad")));
    if (removedAfterListing)
        QVERIFY(QFile::remove(folder.file(QStringLiteral("Bad/bad.jpg"))));
    QVERIFY(game.clickListItem(f.File1, QStringLiteral("bad.jpg")));
    if (refused) {
        QCOMPARE(game.messages.size(), 1);
        QVERIFY2(game.messages.first().contains(QStringLiteral("bad.jpg")), qPrintable(game.messages.first()));
        QVERIFY(!f.scelta_file);
        QCOMPARE(f.Picture2.ubound(), 0);
        QVERIFY(f.File1->isVisible());
    } else {
        // Damaged but readable data makes a board of whatever could be decoded.
        QVERIFY(game.messages.isEmpty());
        QVERIFY(f.scelta_file);
        QCOMPARE(f.Picture2.ubound(), int(f.TessNum));
        QTest::mouseClick(f.CMNew, Qt::LeftButton);
    }
    stillUsable(game);
}

void TestHostile::aHundredMegapixelPhotoIsCutWithBoundedMemory()
{
    ProgramFolder folder;
    addGood(folder);
    {
        QImage big(12000, 8400, QImage::Format_Grayscale8);
        for (int y = 0; y < big.height(); ++y) {
            uchar *line = big.scanLine(y);
            for (int x = 0; x < big.width(); ++x)
                line[x] = uchar((x / 1200 + y / 840) * 12 + (x ^ y) % 7);
        }
        folder.addFolder(QStringLiteral("Huge"));
        QVERIFY(big.save(folder.file(QStringLiteral("Huge/huge.jpg")), "JPEG", 80));
    }
    Game game(folder);
    const double before = residentMB();
    game.choose(QStringLiteral("Huge"), QStringLiteral("huge.jpg"));
    QVERIFY(game->scelta_file);
    QCOMPARE(game->WidthX, Long(12000));
    QCOMPARE(game->HeightY, Long(8400));
    // The whole picture would be 400 MB in memory; it is never decoded whole.
    const double grown = residentMB() - before;
    qInfo("resident memory grew by %.1f MB for a 100-megapixel picture", grown);
    QVERIFY2(grown < 60, qPrintable(QString::number(grown)));
    stillUsable(game);
}

void TestHostile::strangeNamesAreFoundAndShown()
{
    ProgramFolder folder;
    addGood(folder);
    const QString category = QStringLiteral("Qu'it \"é\" \\ ünïcode");
    const QString name = QStringLiteral("Caffè \"latte\" \\ 1.jpg");
    folder.addPicture(category, name, gridPicture(200, 200, 4));
    Game game(folder);
    game->tessere[1]->trigger();
    game.choose(category, name);
    QVERIFY(game->scelta_file);
    QCOMPARE(game->Label7->text(), QStringLiteral("Caffè \"latte\" \\ 1"));
    QCOMPARE(game->Label9->text(), category + QStringLiteral(" Library"));
    // Its model was found too: the preview has the model's size, not the picture's.
    QCOMPARE(game->Picture3->size(), QSize(90, 90));
    stillUsable(game);
}

void TestHostile::unlistableEntriesNeverReachThePictureList()
{
    ProgramFolder folder;
    addGood(folder);
    folder.addPicture(QStringLiteral("Odd"), QStringLiteral("real.jpg"), gridPicture(100, 100, 4));
    folder.addFolder(QStringLiteral("Odd/folder.jpg"));
    QVERIFY(mkfifo(QFile::encodeName(folder.file(QStringLiteral("Odd/pipe.jpg"))).constData(), 0644) == 0);
    QVERIFY(QFile::link(folder.file(QStringLiteral("Odd/nowhere")), folder.file(QStringLiteral("Odd/dangling.jpg"))));
    folder.addFile(QStringLiteral("Odd/locked.jpg"), jpegBytes(gridPicture(100, 100, 4)));
    chmod(QFile::encodeName(folder.file(QStringLiteral("Odd/locked.jpg"))).constData(), 0);
    Game game(folder);
    game->files->trigger();
    QVERIFY(game.clickListItem(game->List1, QStringLiteral("Odd")));
    QStringList listed;
    for (int i = 0; i < game->File1->count(); ++i)
        listed << game->File1->item(i)->text();
    QVERIFY(!listed.contains(QStringLiteral("folder.jpg")));
    QVERIFY(!listed.contains(QStringLiteral("pipe.jpg")));
    QVERIFY(!listed.contains(QStringLiteral("dangling.jpg")));
    QVERIFY(listed.contains(QStringLiteral("real.jpg")));
    // A file the player cannot read is refused with a message; one that root can read is played.
    QVERIFY(game.clickListItem(game->File1, QStringLiteral("locked.jpg")));
    if (geteuid() != 0) {
        QCOMPARE(game.messages.size(), 1);
        QVERIFY(game.messages.first().contains(QStringLiteral("locked.jpg")));
    } else {
        QVERIFY(game->scelta_file);
    }
    stillUsable(game);
}

void TestHostile::linkLoopsAndVanishingFoldersDoNotHang()
{
    ProgramFolder folder;
    addGood(folder);
    QVERIFY(QFile::link(folder.path(), folder.file(QStringLiteral("Loop"))));
    QVERIFY(QFile::link(folder.file(QStringLiteral("Knot2")), folder.file(QStringLiteral("Knot1"))));
    QVERIFY(QFile::link(folder.file(QStringLiteral("Knot1")), folder.file(QStringLiteral("Knot2"))));
    folder.addPicture(QStringLiteral("Gone"), QStringLiteral("x.jpg"), gridPicture(100, 100, 4));
    QVERIFY(QFile::link(folder.file(QStringLiteral("Gone/model")), folder.file(QStringLiteral("Good/model/loop"))));
    Game game(folder);
    QStringList cats;
    for (int i = 0; i < game->List1->count(); ++i)
        cats << game->List1->item(i)->text();
    QVERIFY(cats.contains(QStringLiteral("Loop")));
    QVERIFY(!cats.contains(QStringLiteral("Knot1")));
    game->files->trigger();
    QVERIFY(game.clickListItem(game->List1, QStringLiteral("Loop")));
    QVERIFY(game->File1->isHidden()); // the program folder holds no pictures
    QVERIFY(QDir(folder.file(QStringLiteral("Gone"))).removeRecursively());
    QVERIFY(game.clickListItem(game->List1, QStringLiteral("Gone")));
    QVERIFY(game->File1->isHidden());
    QVERIFY(game.messages.isEmpty());
    stillUsable(game);
}

void TestHostile::aModelThatIsAFolderOrMissingFallsBackToThePicture()
{
    ProgramFolder folder;
    addGood(folder);
    folder.addPicture(QStringLiteral("Models"), QStringLiteral("dir.jpg"), gridPicture(400, 200, 4), false);
    folder.addFolder(QStringLiteral("Models/model/dir.mod"));
    folder.addFolder(QStringLiteral("NoModels"));
    QVERIFY(gridPicture(200, 400, 4).save(folder.file(QStringLiteral("NoModels/tall.jpg")), "JPEG"));
    Game game(folder);
    game.choose(QStringLiteral("Models"), QStringLiteral("dir.jpg"));
    QVERIFY(game->scelta_file);
    // The preview is the picture itself, at the size a model would have.
    QCOMPARE(game->Picture3->size(), QSize(136, 68));
    QVERIFY(similar(game->Picture3->picture().toImage().pixelColor(5, 5), pieceColour(1, 4)));
    QTest::mouseClick(game->CMGame, Qt::LeftButton);
    game.choose(QStringLiteral("NoModels"), QStringLiteral("tall.jpg"));
    QVERIFY(game->scelta_file);
    QCOMPARE(game->Picture3->size(), QSize(68, 136));
    QVERIFY(game.messages.isEmpty());
    stillUsable(game);
}

QTEST_MAIN(TestHostile)
#include "test_hostile.moc"
