// Playing: tiles carried with real mouse events, the rules of a drop, counting, locking, the beep,
// the play options and completion; and a long random game that checks the board after every event.
#include "platform/file_list.h"
#include "platform/label.h"
#include "platform/twips.h"
#include "support.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <random>

class TestDragDrop : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void aTrayTileDroppedOnAFreeCellLandsExactlyOnIt();
    void aDropOnAnOccupiedCellOrOutsideTheFrameReturnsTheTile();
    void aBoardTileMovedToAnotherCellFreesTheFirst();
    void theFramesEdgesAreInclusive();
    void theFramesMarginBeyondTheGridReturnsTheTile();
    void onlyTheLeftButtonAloneCarriesATile();
    void aPlainClickChangesNothing();
    void theLastCarriedTileStaysInFront();
    void rightDropsBeepAndLockByTheOptions();
    void optionsAffectOnlyLaterDrops();
    void sixteenthRightDropCompletesTheGame();
    void withoutTheLockACountMatchesTheBoard();
    void reshuffleAfterCompletionAllowsASecondCompletion();
    void randomPlayKeepsTheBoardConsistent_data();
    void randomPlayKeepsTheBoardConsistent();

private:
    std::unique_ptr<ProgramFolder> folder_;
    std::unique_ptr<Game> game_;
    Form1 *f = nullptr;
    void start(int menuItem);
};

void TestDragDrop::init()
{
    folder_ = std::make_unique<ProgramFolder>();
    folder_->addPicture(QStringLiteral("Test"), QStringLiteral("grid.jpg"), gridPicture(600, 600, 10));
}

void TestDragDrop::cleanup()
{
    game_.reset();
    folder_.reset();
}

void TestDragDrop::start(int menuItem)
{
    game_ = std::make_unique<Game>(*folder_);
    f = game_->form.get();
    f->tessere[menuItem]->trigger();
    game_->choose(QStringLiteral("Test"), QStringLiteral("grid.jpg"));
}

void TestDragDrop::aTrayTileDroppedOnAFreeCellLandsExactlyOnIt()
{
    start(1);
    game_->drag(f->Picture2[7], f->Picture1[3]->pos() + QPoint(5, 7));
    QCOMPARE(f->Picture2[7]->pos(), f->Picture1[3]->pos());
    QCOMPARE(f->Picture2[7]->Tag, QStringLiteral("giocata"));
    QCOMPARE(f->Picture1[3]->Tag, QStringLiteral("1"));
    QCOMPARE(f->DX, Integer(3));
    QCOMPARE(f->DY, Integer(1));
    QCOMPARE(f->nTess, Integer(0));
    QCOMPARE(game_->beeps, 0);
}

void TestDragDrop::aDropOnAnOccupiedCellOrOutsideTheFrameReturnsTheTile()
{
    start(1);
    game_->dropOnCell(7, 3);
    const QPoint trayPlace = f->Picture2[8]->pos();
    game_->dropOnCell(8, 3);
    QCOMPARE(f->Picture2[8]->pos(), trayPlace);
    QVERIFY(f->Picture2[8]->Tag.isEmpty());
    game_->drag(f->Picture2[8], QPoint(2, 2)); // left of and above the frame
    QCOMPARE(f->Picture2[8]->pos(), trayPlace);
    // A board tile dropped outside the frame goes back to its cell, never to the tray.
    game_->drag(f->Picture2[7], QPoint(900, 500));
    QCOMPARE(f->Picture2[7]->pos(), f->Picture1[3]->pos());
    QCOMPARE(f->Picture1[3]->Tag, QStringLiteral("1"));
}

void TestDragDrop::aBoardTileMovedToAnotherCellFreesTheFirst()
{
    start(1);
    game_->dropOnCell(7, 3);
    game_->dropOnCell(7, 10);
    QVERIFY(f->Picture1[3]->Tag.isEmpty());
    QCOMPARE(f->Picture1[10]->Tag, QStringLiteral("1"));
    QCOMPARE(f->DX1, Integer(3));
    QCOMPARE(f->DY1, Integer(1));
    game_->dropOnCell(9, 3);
    QCOMPARE(f->Picture2[9]->pos(), f->Picture1[3]->pos());
    QCOMPARE(tilesOnCells(*f), (QMap<int, int>{{3, 9}, {10, 7}}));
}

void TestDragDrop::theFramesEdgesAreInclusive()
{
    start(1);
    const QRect frame = f->Label1->geometry();
    // Exactly on the left edge, in the first row: the first cell.
    game_->drag(f->Picture2[5], frame.topLeft());
    QCOMPARE(f->Picture2[5]->pos(), f->Picture1[1]->pos());
    // One pixel further out: back to the tray.
    const QPoint tray = f->Picture2[6]->pos();
    game_->drag(f->Picture2[6], frame.topLeft() - QPoint(1, 0));
    QCOMPARE(f->Picture2[6]->pos(), tray);
    game_->drag(f->Picture2[6], frame.topLeft() - QPoint(0, 1));
    QCOMPARE(f->Picture2[6]->pos(), tray);
}

void TestDragDrop::theFramesMarginBeyondTheGridReturnsTheTile()
{
    start(1);
    // On the right edge (inclusive) lies the margin beyond the last column: no cell, back to the tray.
    const QRect frame = f->Label1->geometry();
    const QPoint tray = f->Picture2[4]->pos();
    game_->drag(f->Picture2[4], QPoint(frame.x() + frame.width(), frame.y() + 10));
    QCOMPARE(f->Picture2[4]->pos(), tray);
    QVERIFY(f->Picture1[5]->Tag.isEmpty()); // the first cell of the next row is not taken
    game_->drag(f->Picture2[4], QPoint(frame.x() + 10, frame.y() + frame.height()));
    QCOMPARE(f->Picture2[4]->pos(), tray);
    QVERIFY(tilesOnCells(*f).isEmpty());
}

void TestDragDrop::onlyTheLeftButtonAloneCarriesATile()
{
    start(1);
    PictureBox *t = f->Picture2[2];
    const QPoint place = t->pos();
    for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(t, b, {}, QPoint(5, 5));
        QTest::mouseMove(t, QPoint(-300, 40));
        QTest::mouseRelease(t, b, {}, QPoint(-300, 40));
        QCOMPARE(t->pos(), place);
    }
    // Left and right held together: the move does not carry the tile.
    QTest::mousePress(t, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(t, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseMove(t, QPoint(-300, 40));
    QCOMPARE(t->pos(), place);
    QTest::mouseRelease(t, Qt::RightButton, {}, QPoint(-300, 40));
    QTest::mouseRelease(t, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(t->pos(), place);
    QVERIFY(tilesOnCells(*f).isEmpty());
}

void TestDragDrop::aPlainClickChangesNothing()
{
    start(1);
    game_->dropOnCell(6, 6); // right cell, locked
    game_->dropOnCell(2, 9); // wrong cell
    const QPoint onBoard = f->Picture2[2]->pos(), inTray = f->Picture2[3]->pos();
    for (PictureBox *t : {f->Picture2[2], f->Picture2[3], f->Picture2[6]})
        QTest::mouseClick(t, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(f->Picture2[2]->pos(), onBoard);
    QCOMPARE(f->Picture2[3]->pos(), inTray);
    QCOMPARE(f->nTess, Integer(1));
    QCOMPARE(game_->beeps, 1);
    QCOMPARE(f->Picture1[9]->Tag, QStringLiteral("1"));
}

void TestDragDrop::theLastCarriedTileStaysInFront()
{
    start(1);
    game_->dropOnCell(3, 7);
    game_->drag(f->Picture2[9], f->Picture2[3]->pos() + QPoint(3, 3)); // refused: back to the tray
    const QObjectList order = f->surface->children();
    QCOMPARE(order.last(), f->Picture2[9]);
}

void TestDragDrop::rightDropsBeepAndLockByTheOptions()
{
    start(1);
    game_->dropOnCell(1, 1);
    QCOMPARE(game_->beeps, 1);
    QVERIFY(!f->Picture2[1]->isEnabled());
    // A locked tile ignores the mouse.
    const QPoint place = f->Picture2[1]->pos();
    game_->drag(f->Picture2[1], QPoint(900, 100));
    QCOMPARE(f->Picture2[1]->pos(), place);
    game_->dropOnCell(2, 3); // wrong: silent, movable
    QCOMPARE(game_->beeps, 1);
    QVERIFY(f->Picture2[2]->isEnabled());
    f->no->trigger();
    f->fixno->trigger();
    QVERIFY(!f->yes->isChecked() && f->no->isChecked() && !f->fixyes->isChecked() && f->fixno->isChecked());
    game_->dropOnCell(4, 4);
    QCOMPARE(game_->beeps, 1);
    QVERIFY(f->Picture2[4]->isEnabled());
    QCOMPARE(f->nTess, Integer(2));
    f->yes->trigger();
    f->yes->trigger(); // chosen twice: still one mark
    QVERIFY(f->yes->isChecked() && !f->no->isChecked());
    game_->dropOnCell(5, 5);
    QCOMPARE(game_->beeps, 2);
}

void TestDragDrop::optionsAffectOnlyLaterDrops()
{
    start(1);
    f->fixno->trigger();
    game_->dropOnCell(1, 1);
    QVERIFY(f->Picture2[1]->isEnabled());
    f->fixyes->trigger();
    QVERIFY(f->Picture2[1]->isEnabled()); // not locked by the change
    game_->dropOnCell(2, 2);
    QVERIFY(!f->Picture2[2]->isEnabled());
    f->fixno->trigger();
    QVERIFY(!f->Picture2[2]->isEnabled()); // not unlocked either
}

void TestDragDrop::sixteenthRightDropCompletesTheGame()
{
    start(1);
    for (int k = 1; k <= 15; ++k)
        game_->dropOnCell(k, k);
    QCOMPARE(f->nTess, Integer(15));
    QVERIFY(f->LBLcongrat->isHidden());
    game_->dropOnCell(16, 16);
    QCOMPARE(f->nTess, Integer(16));
    QVERIFY(f->LBLcongrat->isVisible());
    QCOMPARE(game_->beeps, 16);
    // Every tile is locked: nothing moves any more, and the banner stays, also when clicked.
    for (int k = 1; k <= 16; ++k)
        QVERIFY(!f->Picture2[k]->isEnabled());
    f->about->trigger();
    QTest::mouseClick(f->LBLcongrat, Qt::LeftButton);
    QVERIFY(f->LBLcongrat->isVisible());
    QVERIFY(f->Text2->isHidden());
}

void TestDragDrop::withoutTheLockACountMatchesTheBoard()
{
    start(1);
    f->fixno->trigger();
    game_->dropOnCell(1, 1);
    game_->dropOnCell(1, 2); // carried off its right cell
    QCOMPARE(f->nTess, Integer(0));
    game_->dropOnCell(1, 1);
    QCOMPARE(f->nTess, Integer(1));
    // Back and forth many times: the banner comes only with the whole picture.
    for (int i = 0; i < 20; ++i) {
        game_->dropOnCell(1, 3);
        game_->dropOnCell(1, 1);
    }
    QCOMPARE(f->nTess, Integer(1));
    QVERIFY(f->LBLcongrat->isHidden());
    for (int k = 2; k <= 16; ++k)
        game_->dropOnCell(k, k);
    QVERIFY(f->LBLcongrat->isVisible());
    // With every cell taken, every drop returns its tile.
    game_->dropOnCell(5, 9);
    QCOMPARE(f->Picture2[5]->pos(), f->Picture1[5]->pos());
    QCOMPARE(f->nTess, Integer(16));
}

void TestDragDrop::reshuffleAfterCompletionAllowsASecondCompletion()
{
    start(1);
    for (int round = 0; round < 2; ++round) {
        for (int k = 1; k <= 16; ++k)
            game_->dropOnCell(k, k);
        QVERIFY(f->LBLcongrat->isVisible());
        QTest::mouseClick(f->CMNew, Qt::LeftButton);
        QVERIFY(f->LBLcongrat->isHidden());
    }
    QCOMPARE(game_->beeps, 32);
}

void TestDragDrop::randomPlayKeepsTheBoardConsistent_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("16 tiles") << 1 << 16u;
    QTest::newRow("25 tiles") << 2 << 25u;
    QTest::newRow("100 tiles") << 3 << 100u;
}

void TestDragDrop::randomPlayKeepsTheBoardConsistent()
{
    QFETCH(int, menuItem);
    QFETCH(unsigned, seed);
    start(menuItem);
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return int(rng() % unsigned(n)); };
    const int n = f->TessNum;
    // Where each tile was dealt, as the board's own layout put it.
    QMap<int, QPoint> dealt;
    auto remember = [&] {
        dealt.clear();
        for (int k = 1; k <= n; ++k)
            dealt[k] = f->Picture2[k]->pos();
    };
    remember();
    PictureBox *inHand = nullptr;
    auto tileNumber = [&](PictureBox *t) {
        for (int k = 1; k <= n; ++k)
            if (f->Picture2[k] == t)
                return k;
        return 1;
    };
    int rightDrops = 0, landings = 0, lastRight = 0, lastOnBoard = 0;
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                       Qt::MiddleButton};
    for (int event = 0; event < 5000; ++event) {
        const int what = pick(100);
        if (what < 2) {
            QTest::mouseClick(f->CMNew, Qt::LeftButton);
            remember();
            inHand = nullptr;
            lastOnBoard = lastRight = 0;
        } else if (what < 5) {
            QAction *opts[] = {f->yes, f->no, f->fixyes, f->fixno};
            opts[pick(4)]->trigger();
        } else if (!inHand) {
            PictureBox *t = f->Picture2[1 + pick(n)];
            const Qt::MouseButton b = buttons[pick(5)];
            QTest::mousePress(t, b, {}, QPoint(pick(t->width()), pick(t->height())));
            if (b == Qt::LeftButton && t->isEnabled())
                inHand = t;
            else
                QTest::mouseRelease(t, b, {}, QPoint(2, 2));
        } else if (what < 70) {
            // Anywhere, also outside the window; often onto a cell, now and then the tile's own.
            const int target = pick(3) == 0 ? tileNumber(inHand) : 1 + pick(n);
            QPoint to = pick(3) ? f->Picture1[target]->pos() + QPoint(pick(30) - 10, pick(30) - 10)
                                : QPoint(pick(1400) - 200, pick(1000) - 150);
            QTest::mouseMove(inHand, inHand->mapFrom(f->surface, to));
        } else {
            QTest::mouseRelease(inHand, Qt::LeftButton, {}, QPoint(pick(20), pick(20)));
            inHand = nullptr;
        }
        if (inHand)
            continue;
        // After every finished event: each tile in the tray where it was dealt or exactly on a cell,
        // the Tags telling exactly which cells are taken, the count matching the board.
        QMap<int, int> cellOf;   // tile -> cell it stands on
        QMap<int, int> standing; // cell -> how many tiles stand on it
        for (int k = 1; k <= n; ++k)
            for (int c = 1; c <= n; ++c)
                if (f->Picture2[k]->pos() == f->Picture1[c]->pos()) {
                    cellOf[k] = c;
                    ++standing[c];
                }
        int right = 0;
        for (int k = 1; k <= n; ++k) {
            if (!cellOf.contains(k))
                QVERIFY2(f->Picture2[k]->pos() == dealt[k],
                         qPrintable(QStringLiteral("tile %1 adrift, event %2").arg(k).arg(event)));
            else if (cellOf[k] == k)
                ++right;
            QVERIFY2(standing.value(k) <= 1, "two tiles on one cell");
            QCOMPARE(f->Picture1[k]->Tag == u"1", standing.value(k) == 1);
        }
        QCOMPARE(int(f->nTess), right);
        landings += std::max(0, int(cellOf.size()) - lastOnBoard);
        rightDrops += std::max(0, right - lastRight);
        lastOnBoard = int(cellOf.size());
        lastRight = right;
        QCOMPARE(f->LBLcongrat->isVisible(), right == n);
    }
    // The run really played: tiles landed on the board, some on their right cells.
    QVERIFY2(landings >= 60, qPrintable(QString::number(landings)));
    QVERIFY2(rightDrops >= 5, qPrintable(QString::number(rightDrops)));
}

QTEST_MAIN(TestDragDrop)
#include "test_drag_drop.moc"
