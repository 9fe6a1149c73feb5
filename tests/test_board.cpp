// The board: cutting the picture into tiles, laying out tray and board, shuffling, "Reshuffle",
// and the tile-count option.
#include "platform/file_list.h"
#include "platform/label.h"
#include "platform/twips.h"
#include "support.h"

#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

class TestBoard : public QObject
{
    Q_OBJECT
private slots:
    void cuttingGivesEachTileItsPiece_data();
    void cuttingGivesEachTileItsPiece();
    void trayAndBoardAreLaidOutRowByRow();
    void everyShuffleIsAPermutation();
    void everyTileReachesEveryTrayPosition();
    void reshuffleClearsThePlay();
    void tileCountChoosesTheNextBoard();
    void tileCountIsLockedWhileAPictureIsOnTheBoard();
    void tileSizeIsNotChangedByResizing();
};

void TestBoard::cuttingGivesEachTileItsPiece_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<int>("side");
    QTest::addColumn<QSize>("piece");
    QTest::newRow("400 x 300, 16 tiles") << 400 << 300 << 1 << 4 << QSize(100, 75);
    QTest::newRow("103 x 103, 16 tiles") << 103 << 103 << 1 << 4 << QSize(25, 25);
    QTest::newRow("1024 x 768, 100 tiles") << 1024 << 768 << 3 << 10 << QSize(102, 76);
    QTest::newRow("500 x 900, 25 tiles") << 500 << 900 << 2 << 5 << QSize(100, 180);
}

void TestBoard::cuttingGivesEachTileItsPiece()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, menuItem);
    QFETCH(int, side);
    QFETCH(QSize, piece);
    ProgramFolder folder;
    // The strip left over by the cut is painted in a colour of its own, so that it shows if used.
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        p.drawImage(QRect(0, 0, piece.width() * side, piece.height() * side),
                    gridPicture(piece.width() * side, piece.height() * side, side));
    }
    folder.addPicture(QStringLiteral("Test"), QStringLiteral("p.jpg"), img);
    Game game(folder);
    Form1 &f = *game;
    f.tessere[menuItem]->trigger();
    game.choose(QStringLiteral("Test"), QStringLiteral("p.jpg"));
    QCOMPARE(f.WidthX, Long(width));
    QCOMPARE(f.HeightY, Long(height));
    QCOMPARE(QSize(f.PictureClip1.ClipWidth, f.PictureClip1.ClipHeight), piece);
    QCOMPARE(f.PictureClip1.StretchX, f.Picture2[0]->width());
    for (int k = 1; k <= side * side; ++k) {
        const QImage t = f.Picture2[k]->picture().toImage();
        QCOMPARE(t.size(), f.Picture2[0]->size());
        // Away from the edges, where scaling blends neighbours, each tile shows its own piece.
        for (QPoint at : {QPoint(t.width() / 2, t.height() / 2), QPoint(t.width() / 4, t.height() / 4),
                          QPoint(t.width() * 3 / 4, t.height() * 3 / 4)})
            QVERIFY2(similar(t.pixelColor(at), pieceColour(k, side)), qPrintable(QStringLiteral("tile %1").arg(k)));
    }
}

void TestBoard::trayAndBoardAreLaidOutRowByRow()
{
    ProgramFolder folder;
    folder.addPicture(QStringLiteral("Test"), QStringLiteral("p.jpg"), gridPicture(500, 500, 5));
    Game game(folder);
    Form1 &f = *game;
    f.tessere[2]->trigger();
    game.choose(QStringLiteral("Test"), QStringLiteral("p.jpg"));
    QCOMPARE(f.wdt, Integer(twips::width(f.Picture2[1])));
    const double w = f.W(), top = twips::top(f.Label1) * 1.224, left = twips::left(f.Label1) * 1.224;
    for (int p = 1; p <= 25; ++p) {
        const int row = (p - 1) / 5, col = (p - 1) % 5;
        PictureBox *tile = f.Picture2[f.trayOrder()[size_t(p)]];
        QVERIFY(tile->isVisible());
        QCOMPARE(tile->pos(), QPoint(twips::toPixels(0.57 * w + f.wdt * col), twips::toPixels(top + f.wdt * row)));
        QCOMPARE(f.Picture1[p]->pos(), QPoint(twips::toPixels(left + f.wdt * col), twips::toPixels(top + f.wdt * row)));
        QVERIFY(f.Picture1[p]->Tag.isEmpty());
    }
    // Tray position 6 is in row 1, column 0; the rows of tray and board line up.
    QCOMPARE(f.Picture2[f.trayOrder()[6]]->y(), f.Picture1[6]->y());
    QCOMPARE(f.Picture1[6]->x(), f.Picture1[1]->x());
    // The preview panel beside the board.
    QCOMPARE(f.Picture3->pos(),
             QPoint(twips::toPixels(0.547 * w), twips::toPixels(twips::top(f.Label1) + 1.1 * twips::width(f.Label1))));
    QCOMPARE(f.Label6->width(), twips::toPixels(1.065 * twips::width(f.Picture3)));
    QCOMPARE(f.Label9->y(), f.Label7->y());
}

void TestBoard::everyShuffleIsAPermutation()
{
    ProgramFolder folder;
    folder.addPicture(QStringLiteral("Test"), QStringLiteral("p.jpg"), gridPicture(400, 400, 4));
    Game game(folder);
    Form1 &f = *game;
    game.choose(QStringLiteral("Test"), QStringLiteral("p.jpg"));
    const auto hundred = f.trayOrder();
    QTest::mouseClick(f.CMGame, Qt::LeftButton);
    f.tessere[1]->trigger();
    game.choose(QStringLiteral("Test"), QStringLiteral("p.jpg"));
    for (int round = 0; round < 50; ++round) {
        QTest::mouseClick(f.CMNew, Qt::LeftButton);
        QList<int> seen;
        for (int p = 1; p <= 16; ++p)
            seen << f.trayOrder()[size_t(p)];
        std::sort(seen.begin(), seen.end());
        for (int p = 1; p <= 16; ++p)
            QCOMPARE(seen[p - 1], p);
        // The entries beyond the tile count keep what the last 100-tile deal left there.
        for (size_t p = 17; p <= 100; ++p)
            QCOMPARE(f.trayOrder()[p], hundred[p]);
    }
}

void TestBoard::everyTileReachesEveryTrayPosition()
{
    ProgramFolder folder;
    Game game(folder);
    Form1 &f = *game;
    f.tessere[1]->trigger();
    int hits[17][17] = {};
    const int rounds = 3200;
    for (int round = 0; round < rounds; ++round) {
        f.mescola();
        for (int p = 1; p <= 16; ++p)
            ++hits[p][f.trayOrder()[size_t(p)]];
    }
    // 200 expected in each place; a shuffle that favoured places would leave some far off.
    for (int p = 1; p <= 16; ++p)
        for (int k = 1; k <= 16; ++k)
            QVERIFY2(hits[p][k] > 120 && hits[p][k] < 280,
                     qPrintable(QStringLiteral("tile %1 at %2: %3 times").arg(k).arg(p).arg(hits[p][k])));
}

void TestBoard::reshuffleClearsThePlay()
{
    ProgramFolder folder;
    folder.addPicture(QStringLiteral("Test"), QStringLiteral("p.jpg"), gridPicture(400, 400, 4));
    Game game(folder);
    Form1 &f = *game;
    f.tessere[1]->trigger();
    game.choose(QStringLiteral("Test"), QStringLiteral("p.jpg"));
    game.dropOnCell(1, 1); // right, and locked
    game.dropOnCell(2, 5); // wrong
    QCOMPARE(f.nTess, Integer(1));
    QVERIFY(!f.Picture2[1]->isEnabled());
    f.about->trigger();
    QTest::mouseClick(f.CMNew, Qt::LeftButton);
    QCOMPARE(f.nTess, Integer(0));
    QVERIFY(f.Text2->isHidden());
    QVERIFY(tilesOnCells(f).isEmpty());
    for (int k = 1; k <= 16; ++k) {
        QVERIFY(f.Picture2[k]->isEnabled());
        QVERIFY(f.Picture2[k]->Tag.isEmpty());
        QVERIFY(f.Picture1[k]->Tag.isEmpty());
    }
    QVERIFY(f.LBLcongrat->isHidden());
    // Every tile can be dragged again, also the one that was locked.
    game.dropOnCell(1, 1);
    QCOMPARE(f.nTess, Integer(1));
}

void TestBoard::tileCountChoosesTheNextBoard()
{
    ProgramFolder folder;
    Game game(folder);
    Form1 &f = *game;
    f.tessere[2]->trigger();
    QVERIFY(f.tessere[2]->isChecked() && !f.tessere[1]->isChecked() && !f.tessere[3]->isChecked());
    QCOMPARE(f.TessNum, Integer(25));
    QVERIFY(f.Label8->isHidden());
    // 15360 x 0.04124 x 10 / 5 = 1266.9
    QCOMPARE(f.Z, Integer(1267));
    QCOMPARE(f.Picture2[0]->size(), QSize(84, 84));
    QCOMPARE(f.Picture1[0]->size(), QSize(84, 84));
    QCOMPARE(f.Picture2[0]->ScaleWidth, 1267.0);
    f.tessere[1]->trigger();
    QCOMPARE(f.TessNum, Integer(16));
    QCOMPARE(f.Z, Integer(1584));
    // The item already checked stays checked.
    f.tessere[1]->trigger();
    QVERIFY(f.tessere[1]->isChecked());
}

void TestBoard::tileCountIsLockedWhileAPictureIsOnTheBoard()
{
    ProgramFolder folder;
    folder.addPicture(QStringLiteral("Test"), QStringLiteral("p.jpg"), gridPicture(400, 400, 4));
    Game game(folder);
    Form1 &f = *game;
    game.choose(QStringLiteral("Test"), QStringLiteral("p.jpg"));
    const Integer z = f.Z;
    f.tessere[1]->trigger();
    QCOMPARE(f.TessNum, Integer(100));
    QCOMPARE(f.Z, z);
    QVERIFY(f.tessere[3]->isChecked() && !f.tessere[1]->isChecked());
}

void TestBoard::tileSizeIsNotChangedByResizing()
{
    ProgramFolder folder;
    Game game(folder);
    Form1 &f = *game;
    f.tessere[2]->trigger();
    f.resize(800, 600);
    QCOMPARE(f.Z, Integer(1267));
    QCOMPARE(f.Picture2[0]->width(), 84);
    QCOMPARE(f.Label1->width(), twips::toPixels(800 * 15 * 0.425));
}

QTEST_MAIN(TestBoard)
#include "test_board.moc"
