// The board as the player meets it: the picture cut into tiles and dealt, tiles carried with real
// mouse and touch events onto the cells or sent back, right tiles counted, signalled and locked by the options,
// the whole picture completed, "Reshuffle", and the tile count.
#include "platform/controls/focus_ring.h"
#include "platform/controls/label.h"
#include "platform/controls/twips.h"
#include "support.h"

#include <QAccessible>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

// Where a test carries a tile: a point of the window's surface, found on the dealt board.
using Aim = std::function<QPoint(Form1 &)>;
using Board = QMap<int, int>; // cell -> the tile standing on it
// What carries a tile: the mouse, or a finger, with a second one touching meanwhile or resting long first.
enum By { Mouse, Finger, TwoFingers, Held };
Q_DECLARE_METATYPE(Aim)

class TestBoard : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        folder_ = std::make_unique<ProgramFolder>();
        folder_->addPicture(QStringLiteral("Test"), QStringLiteral("p.jpg"), gridPicture(600, 600, 10));
    }

    void cleanup()
    {
        game_.reset();
        folder_.reset();
    }

    void cuttingGivesEachTileItsPiece_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("tiles");
        QTest::addColumn<QSize>("piece");
        QTest::newRow("400 x 300, 16 tiles") << QSize(400, 300) << 16 << QSize(100, 75);
        QTest::newRow("103 x 103, 16 tiles: 3 pixels left over") << QSize(103, 103) << 16 << QSize(25, 25);
        QTest::newRow("1024 x 768, 100 tiles") << QSize(1024, 768) << 100 << QSize(102, 76);
        QTest::newRow("509 x 911, 25 tiles") << QSize(509, 911) << 25 << QSize(101, 182);
    }

    void cuttingGivesEachTileItsPiece()
    {
        QFETCH(QSize, picture);
        QFETCH(int, tiles);
        QFETCH(QSize, piece);
        const int side = int(std::lround(std::sqrt(tiles)));
        // The strip left over by the cut is white, so that it shows if a tile takes any of it.
        QImage img(picture, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter(&img).drawImage(0, 0, gridPicture(piece.width() * side, piece.height() * side, side));
        folder_->addPicture(QStringLiteral("Test"), QStringLiteral("odd.jpg"), img);
        game_ = std::make_unique<Game>(*folder_);
        game_->deal(tiles, QStringLiteral("odd.jpg"));
        Form1 &g = *game_->form;
        QCOMPARE(g.Picture2.ubound(), tiles);
        for (int k = 1; k <= tiles; ++k) {
            const QImage t = g.Picture2[k]->picture().toImage();
            QCOMPARE(t.size(), g.Picture2[0]->size());
            // Away from the edges, where scaling blends neighbours, each tile shows its own piece.
            for (QPoint at : {QPoint(t.width() / 2, t.height() / 2), QPoint(t.width() / 5, t.height() / 5),
                              QPoint(t.width() * 4 / 5, t.height() * 4 / 5)})
                QVERIFY2(similar(t.pixelColor(at), pieceColour(k, side)), qPrintable(QStringLiteral("tile %1").arg(k)));
        }
    }

    void theDealLaysTrayAndBoardOutRowByRow()
    {
        start(25);
        const int step = f->Picture2[1]->width();
        const QPoint board = f->Picture1[1]->pos(), tray = f->Picture2[f->trayOrder()[1]]->pos();
        QVERIFY(f->Label1->geometry().contains(QRect(board, QSize(5 * step, 5 * step))));
        QVERIFY(tray.x() > f->Label8->geometry().right());
        QSet<int> dealt;
        for (int p = 1; p <= 25; ++p) {
            // Tray place p holds the tile dealt there; the rows of tray and board line up.
            const QPoint grid((p - 1) % 5 * step, (p - 1) / 5 * step);
            dealt.insert(f->trayOrder()[size_t(p)]);
            QVERIFY((f->Picture2[f->trayOrder()[size_t(p)]]->pos() - tray - grid).manhattanLength() <= 2);
            QVERIFY((f->Picture1[p]->pos() - board - grid).manhattanLength() <= 2 && tray.y() == board.y());
            QVERIFY(f->Picture2[p]->isVisible() && f->Picture1[p]->isVisible());
        }
        QCOMPARE(dealt.size(), 25);
        // The preview below the frame's level, in its white frame, with the two captions side by side.
        QVERIFY(f->Label6->geometry().contains(f->Picture3->geometry()) && f->Picture3->y() > f->Label1->y() + 435);
        QCOMPARE(f->Label9->y(), f->Label7->y());
    }

    void aDropLandsOnAFreeCellOrGoesBack_data()
    {
        QTest::addColumn<int>("by");
        QTest::addColumn<QList<QPoint>>("before"); // tile -> cell drops made first, all on wrong cells
        QTest::addColumn<int>("tile");
        QTest::addColumn<Aim>("aim");
        QTest::addColumn<int>("landsOn"); // 0: back where it was picked up
        QTest::addColumn<Board>("board");
        const auto cell = [](int c, QPoint off = {}) {
            return Aim([=](Form1 &g) { return g.Picture1[c]->pos() + off; });
        };
        const auto frame = [](double fx, double fy, QPoint off = {}) {
            return Aim([=](Form1 &g) {
                const QRect r = g.Label1->geometry();
                return QPoint(r.x() + int(fx * r.width()), r.y() + int(fy * r.height())) + off;
            });
        };
        for (By by : {Mouse, Finger}) {
            const auto row = [by](const char *name) -> QTestData & {
                return QTest::addRow("%s%s", name, by == Finger ? ", by touch" : "") << int(by);
            };
            row("from the tray onto a free cell, a little off")
                << QList<QPoint>{} << 7 << cell(3, {5, 7}) << 3 << Board{{3, 7}};
            row("onto a taken cell") << QList<QPoint>{{7, 3}} << 8 << cell(3) << 0 << Board{{3, 7}};
            row("to another cell frees the first") << QList<QPoint>{{7, 3}} << 7 << cell(10) << 10 << Board{{10, 7}};
            row("into the freed cell") << QList<QPoint>{{7, 3}, {7, 10}} << 9 << cell(3) << 3 << Board{{3, 9}, {10, 7}};
            row("a board tile outside the frame")
                << QList<QPoint>{{7, 3}} << 7 << frame(1.5, 0.5) << 3 << Board{{3, 7}};
            row("on the frame's corner") << QList<QPoint>{} << 5 << frame(0, 0) << 1 << Board{{1, 5}};
            row("a click on a tray tile")
                << QList<QPoint>{} << 2 << Aim([](Form1 &g) { return g.Picture2[2]->pos(); }) << 0 << Board{};
            row("a click on a board tile") << QList<QPoint>{{2, 9}} << 2 << cell(9) << 9 << Board{{9, 2}};
        }
        QTest::newRow("two fingers") << int(TwoFingers) << QList<QPoint>{} << 7 << cell(3) << 3 << Board{{3, 7}};
        QTest::newRow("two fingers, onto a taken cell")
            << int(TwoFingers) << QList<QPoint>{{7, 3}} << 8 << cell(3) << 0 << Board{{3, 7}};
        QTest::newRow("a long press, then a carry")
            << int(Held) << QList<QPoint>{} << 7 << cell(3) << 3 << Board{{3, 7}};
    }

    void aDropLandsOnAFreeCellOrGoesBack()
    {
        QFETCH(int, by);
        QFETCH(QList<QPoint>, before);
        QFETCH(int, tile);
        QFETCH(Aim, aim);
        QFETCH(int, landsOn);
        QFETCH(Board, board);
        start(16, by == Mouse ? nullptr : touchscreen_.get());
        for (const QPoint &d : before)
            game_->dropOnCell(d.x(), d.y());
        PictureBox *t = f->Picture2[tile];
        const QPoint from = t->pos(), one = f->Picture2[1]->pos();
        game_->secondFinger = by == TwoFingers ? std::optional(f->Picture2[1]->geometry().center()) : std::nullopt;
        game_->hold = by == Held;
        game_->drag(t, aim(*f));
        QCOMPARE(t->pos(), landsOn ? f->Picture1[landsOn]->pos() : from);
        QCOMPARE(tilesOnCells(*f), board);
        QCOMPARE(game_->media->beeps, 0);
        // The tile last carried stays in front of all others.
        QCOMPARE(f->surface->childAt(t->geometry().center()), t);
        // Nothing else moved or popped up, and no carry is left over: the keys and then the mouse play on.
        f->Picture2[1]->setFocus();
        QTest::keyClick(f->Picture2[1], Qt::Key_Space);
        QVERIFY(f->Picture2[1]->pos() == one && !QApplication::activePopupWidget() && f->liftedTile() == 1);
        game_->finger = nullptr;
        game_->dropOnCell(1, 16);
        QCOMPARE(f->Picture2[1]->pos(), f->Picture1[16]->pos());
    }

    void onlyTheLeftButtonAloneCarriesATile()
    {
        start(16);
        PictureBox *t = f->Picture2[2];
        const QPoint place = t->pos(), onCell = f->Picture1[3]->pos() - place + QPoint(5, 5);
        for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
            QTest::mousePress(t, b, {}, QPoint(5, 5));
            QTest::mouseMove(t, onCell);
            QTest::mouseRelease(t, b, {}, onCell);
            QCOMPARE(t->pos(), place);
        }
        // Left and right held together: the move does not carry the tile.
        QTest::mousePress(t, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mousePress(t, Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseMove(t, onCell);
        QCOMPARE(t->pos(), place);
        QTest::mouseRelease(t, Qt::RightButton, {}, onCell);
        QTest::mouseRelease(t, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(t->pos(), place);
        QVERIFY(tilesOnCells(*f).isEmpty());
    }

    void rightTilesCountBeepLockAndComplete_data()
    {
        QTest::addColumn<bool>("beep");
        QTest::addColumn<bool>("lock");
        QTest::addColumn<bool>("byTouch");
        QTest::newRow("beep and lock") << true << true << false;
        QTest::newRow("beep, no lock") << true << false << false;
        QTest::newRow("lock, no beep") << false << true << false;
        QTest::newRow("neither") << false << false << false;
        QTest::newRow("beep and lock, by touch") << true << true << true;
    }

    void rightTilesCountBeepLockAndComplete()
    {
        QFETCH(bool, beep);
        QFETCH(bool, lock);
        QFETCH(bool, byTouch);
        start(16, byTouch ? touchscreen_.get() : nullptr);
        // "yes", the start-up choice of both, stays chosen when chosen again.
        (beep ? f->yes : f->no)->trigger();
        (lock ? f->fixyes : f->fixno)->trigger();
        QCOMPARE(f->yes->isChecked(), beep);
        QCOMPARE(f->no->isChecked(), !beep);
        QCOMPARE(f->fixyes->isChecked(), lock);
        QCOMPARE(f->fixno->isChecked(), !lock);
        game_->dropOnCell(2, 3); // wrong: neither counted nor signalled
        QCOMPARE(f->nTess, Integer(0));
        QCOMPARE(game_->media->beeps, 0);
        for (int k = 1; k <= 15; ++k)
            game_->dropOnCell(k, k);
        QCOMPARE(f->nTess, Integer(15));
        QCOMPARE(game_->media->beeps, beep ? 15 : 0);
        // The other lock option, chosen now (twice: still one mark), changes only later drops: the tiles
        // placed keep their state.
        for (int twice = 0; twice < 2; ++twice)
            (lock ? f->fixno : f->fixyes)->trigger();
        QVERIFY(f->fixyes->isChecked() != lock && f->fixno->isChecked() == lock);
        for (int k = 1; k <= 15; ++k)
            QCOMPARE(f->Picture2[k]->isEnabled(), !lock);
        QVERIFY(f->LBLcongrat->isHidden());
        // A tile carried off its right cell: locked, it does not move; free, it no longer counts.
        game_->dropOnCell(1, 16);
        QCOMPARE(f->Picture2[1]->pos(), f->Picture1[lock ? 1 : 16]->pos());
        QCOMPARE(f->nTess, Integer(lock ? 15 : 14));
        if (!lock)
            game_->dropOnCell(1, 1);
        QVERIFY(f->LBLcongrat->isHidden());
        game_->dropOnCell(16, 16);
        QCOMPARE(f->Picture2[16]->isEnabled(), lock);
        QCOMPARE(f->nTess, Integer(16));
        QVERIFY(f->LBLcongrat->isVisible());
        QCOMPARE(game_->media->beeps, beep ? (lock ? 16 : 17) : 0);
        // Complete: every drop goes back, and the banner stays, also when clicked.
        game_->dropOnCell(5, 9);
        QCOMPARE(f->Picture2[5]->pos(), f->Picture1[5]->pos());
        game_->click(f->LBLcongrat);
        QVERIFY(f->LBLcongrat->isVisible());
        QCOMPARE(f->nTess, Integer(16));
        // "Reshuffle" deals the picture again; "New Image" lets another be chosen, with another tile count.
        game_->click(f->CMNew);
        QVERIFY(f->LBLcongrat->isHidden() && tilesOnCells(*f).isEmpty() && f->Picture2[16]->isEnabled());
        game_->click(f->CMGame);
        game_->deal(25);
        QCOMPARE(f->Picture2.ubound(), 25);
    }

    void aWholeGameIsPlayedByKeys_data()
    {
        QTest::addColumn<bool>("lock");
        QTest::newRow("lock on") << true;
        QTest::newRow("lock off") << false;
    }

    // A whole game by keys alone: the tray's rows and the board's cells, a tile lifted and put back,
    // Tab round the game, a refused drop, a tile on a wrong cell moved on, a locked tile, the end.
    void aWholeGameIsPlayedByKeys()
    {
        QFETCH(bool, lock);
        start(16);
        (lock ? f->fixyes : f->fixno)->trigger();
        const auto keys = [&](std::initializer_list<Qt::Key> ks) {
            for (Qt::Key k : ks)
                QTest::keyClick(f->focusWidget(), k);
        };
        const auto has = [&](const QString &name) { return f->focusWidget()->accessibleName() == name; };
        const auto trayTile = [&](int p) {
            return QStringLiteral("tile %1, in the tray").arg(f->trayOrder()[size_t(p)]);
        };
        const auto focused = [&](const ControlArray<PictureBox> &boxes) {
            int i = 16;
            while (i > 0 && boxes[i] != f->focusWidget())
                --i;
            return i;
        };
        // From the cell that has the keyboard to cell c, arrow by arrow, as a player goes.
        const auto toCell = [&](int c) {
            for (int at, n = 0; (at = focused(f->Picture1)) != c && n < 8; ++n)
                keys({(at - 1) / 4 < (c - 1) / 4   ? Qt::Key_Down
                      : (at - 1) / 4 > (c - 1) / 4 ? Qt::Key_Up
                      : at < c                     ? Qt::Key_Right
                                                   : Qt::Key_Left});
            QVERIFY2(focused(f->Picture1) == c,
                     qPrintable(QStringLiteral("to %1: %2").arg(c).arg(f->focusWidget()->accessibleName())));
        };
        const auto place = [&](int k) { // the tile with the keyboard to cell k
            keys({Qt::Key_Return});
            toCell(k);
            keys({Qt::Key_Return});
        };
        // What a screen reader hears: a tile is a button, a cell a table cell.
        QCOMPARE(QAccessible::queryAccessibleInterface(f->focusWidget())->role(), QAccessible::Button);
        QCOMPARE(QAccessible::queryAccessibleInterface(f->Picture1[16])->role(), QAccessible::Cell);
        // The tray's reading order and its edges; the keyboard's highlight shows.
        keys({Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down});
        QVERIFY(has(trayTile(6)) && f->ring->target() == f->focusWidget());
        // Held down, Space lifts once: the X server repeats a held key as a release and a press at one
        // and the same time. Lifted, the keyboard goes to the first free cell; Escape puts the tile back.
        const auto space = [&](QEvent::Type type, ulong at) {
            QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            e.setTimestamp(at);
            QApplication::sendEvent(f->focusWidget(), &e);
        };
        space(QEvent::KeyPress, 1000);
        for (ulong at = 1500; at < 4000; at += 40)
            space(QEvent::KeyRelease, at), space(QEvent::KeyPress, at);
        space(QEvent::KeyRelease, 4100);
        keys({Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right});
        QVERIFY(has("cell 4, row 1, column 4, empty") && f->liftedTile() == f->trayOrder()[6]); // the edges hold
        keys({Qt::Key_Escape});
        QVERIFY(has(trayTile(6)) && f->liftedTile() == 0);
        // Tab goes round the tray, the board and the buttons.
        for (const QString &stop :
             QStringList{"cell 1, row 1, column 1, empty", "New Image", "Reshuffle", "Quit", trayTile(1)}) {
            keys({Qt::Key_Tab});
            QVERIFY2(f->focusWidget()->accessibleName() == stop || f->focusWidget()->property("text") == stop,
                     qPrintable(stop));
        }
        // A tile on another's cell; that one, refused there, stays in the tray.
        const int a = f->trayOrder()[1], b = f->trayOrder()[2];
        place(b);
        QVERIFY(has(trayTile(2)) && f->Picture2[a]->pos() == f->Picture1[b]->pos());
        place(b);
        QVERIFY(has(trayTile(2)) && f->Picture2[b]->pos() != f->Picture1[b]->pos() && f->nTess == 0);
        // The tile on the wrong cell is lifted from the board and put on its own, and locked there or not.
        keys({Qt::Key_Tab});
        toCell(b);
        place(a);
        QVERIFY(f->nTess == 1 && f->surface->childAt(f->Picture1[a]->geometry().center()) == f->Picture2[a]);
        keys({Qt::Key_Tab});
        toCell(a);
        keys({Qt::Key_Return});
        QCOMPARE(f->liftedTile(), lock ? Integer(0) : Integer(a));
        keys({Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab}); // round to the tray
        // A mouse press puts a lifted tile back, and hides the highlight; while the mouse carries a
        // tile, Space lifts nothing. A resize gives the carried tile back: a tile lifted then is the
        // keyboard's, and the button still held neither moves nor drops it.
        keys({Qt::Key_Return});
        PictureBox *grabbed = f->Picture2[f->trayOrder()[16]];
        QTest::mousePress(grabbed, Qt::LeftButton);
        QVERIFY(f->liftedTile() == 0 && !f->ring->target());
        keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space});
        QCOMPARE(f->liftedTile(), Integer(0));
        f->resize(f->size() + QSize(40, 30));
        keys({Qt::Key_Space});
        const Integer held = f->liftedTile();
        const QPoint heldAt = f->Picture2[held]->pos();
        const QPoint toFreeCell = grabbed->rect().center() + f->focusWidget()->pos() - heldAt;
        QTest::mouseMove(grabbed, toFreeCell);
        QTest::mouseRelease(grabbed, Qt::LeftButton, {}, toFreeCell);
        QVERIFY(held && f->liftedTile() == held && f->Picture2[held]->pos() == heldAt);
        keys({Qt::Key_Escape});
        // The mouse carries off the tile the keyboard is on: the keyboard goes on to the tray's first tile.
        const int carried = focused(f->Picture2);
        game_->dropOnCell(carried, carried);
        QVERIFY(focused(f->Picture2) != carried && f->focusWidget()->accessibleName().endsWith("in the tray"));
        // The rest, to "Congratulations".
        for (int n = 0; n < 16 && f->nTess < 16 && !QTest::currentTestFailed(); ++n)
            place(focused(f->Picture2)); // each tile to its own cell
        QVERIFY(f->LBLcongrat->isVisible() && f->isVisible());
        QCOMPARE(game_->media->beeps, 16);
    }

    void aCarryEndsWhenTheMouseIsTakenAway_data()
    {
        QTest::addColumn<int>("tiles");
        QTest::addColumn<int>("key"); // the key that opens a menu, with Alt; none: another window is activated
        QTest::newRow("the Options menu opened by its key, 16 tiles") << 16 << int(Qt::Key_O);
        QTest::newRow("the Music menu opened by its key, 100 tiles") << 100 << int(Qt::Key_M);
        QTest::newRow("another window, 100 tiles") << 100 << 0;
    }

    // A tile let go while the mouse is taken away goes back to its tray place, and the keys still play.
    void aCarryEndsWhenTheMouseIsTakenAway()
    {
        QFETCH(int, tiles);
        QFETCH(int, key);
        start(tiles);
        PictureBox *t = f->Picture2[f->trayOrder()[1]];
        const QPoint from = t->pos(), over = t->mapFrom(f->surface, f->Picture1[1]->pos() + QPoint(9, 9));
        QTest::mousePress(t, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseMove(t, over);
        QWidget other;
        if (key)
            QTest::keyClick(f, Qt::Key(key), Qt::AltModifier);
        else
            other.show(), other.activateWindow();
        QVERIFY(QApplication::activePopupWidget() || QTest::qWaitForWindowActive(&other));
        QTest::mouseRelease(t, Qt::LeftButton, {}, over);
        while (QWidget *menu = QApplication::activePopupWidget())
            QTest::keyClick(menu, Qt::Key_Escape);
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QCOMPARE(t->pos(), from);
        QTest::keyClick(f->surface, Qt::Key_Escape); // out of the menu bar
        t->setFocus();
        QTest::keyClick(t, Qt::Key_Space);
        QCOMPARE(f->liftedTile(), Integer(f->trayOrder()[1]));
    }

    void reshuffleDealsAgainAndClearsThePlay()
    {
        start(16);
        for (int k = 1; k <= 16; ++k)
            game_->dropOnCell(k, k);
        QVERIFY(f->LBLcongrat->isVisible());
        QList<QPoint> places;
        for (int round = 0; round < 3; ++round) {
            f->about->trigger();
            QTest::mouseClick(f->CMNew, Qt::LeftButton);
            QVERIFY(f->LBLcongrat->isHidden() && f->Text2->isHidden() && tilesOnCells(*f).isEmpty());
            QCOMPARE(f->nTess, Integer(0));
            QList<QPoint> now;
            for (int k = 1; k <= 16; ++k) {
                QVERIFY(f->Picture2[k]->isEnabled() && f->Picture2[k]->Tag.isEmpty() && f->Picture1[k]->Tag.isEmpty());
                now << f->Picture2[k]->pos();
            }
            // The same sixteen tray places, filled in a new order each time.
            QCOMPARE(QSet<QPoint>(now.begin(), now.end()).size(), 16);
            QVERIFY(places.isEmpty() || (now != places && QSet<QPoint>(now.begin(), now.end()) ==
                                                              QSet<QPoint>(places.begin(), places.end())));
            places = now;
        }
        // Every tile can be played again, the locked ones too, to a second completion.
        for (int k = 1; k <= 16; ++k)
            game_->dropOnCell(k, k);
        QVERIFY(f->LBLcongrat->isVisible());
        QCOMPARE(game_->media->beeps, 32);
    }

    void theTileCountIsChosenBeforeAPictureOnly()
    {
        game_ = std::make_unique<Game>(*folder_);
        f = game_->form.get();
        f->tessere[2]->trigger();
        QVERIFY(f->tessere[2]->isChecked() && !f->tessere[1]->isChecked() && !f->tessere[3]->isChecked());
        QVERIFY(f->Label8->isHidden());
        // 15360 x 0.04124 x 10 / 5 = 1266.9 twips: 84 pixels.
        QCOMPARE(f->Picture1[0]->size(), QSize(84, 84));
        f->tessere[1]->trigger();
        game_->choose(QStringLiteral("Test"), QStringLiteral("p.jpg"));
        QCOMPARE(f->Picture2.ubound(), 16);
        QCOMPARE(f->Picture2[16]->size(), QSize(106, 106));
        // With a picture on the board the count does not change.
        f->tessere[3]->trigger();
        QVERIFY(f->tessere[1]->isChecked() && !f->tessere[3]->isChecked());
        QCOMPARE(f->Picture2[0]->size(), QSize(106, 106));
    }

private:
    std::unique_ptr<ProgramFolder> folder_;
    std::unique_ptr<Game> game_;
    Form1 *f = nullptr;
    const std::unique_ptr<QPointingDevice> touchscreen_{QTest::createTouchDevice()};
    void start(int tiles, QPointingDevice *finger = nullptr)
    {
        game_ = std::make_unique<Game>(*folder_);
        f = game_->form.get();
        game_->finger = finger;
        game_->deal(tiles);
    }
};

QTEST_MAIN(TestBoard)
#include "test_board.moc"
