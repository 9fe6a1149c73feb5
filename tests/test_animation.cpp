// The waiting animation: frames flashed one at a time on a 6 x 6 grid over the board, the blinking
// strip, the end of the run when a picture is chosen, and its low cost while the player hesitates.
#include "platform/file_list.h"
#include "platform/label.h"
#include "platform/twips.h"
#include "platform/vb_timer.h"
#include "support.h"

#include <QPushButton>
#include <sys/resource.h>

class TestAnimation : public QObject
{
    Q_OBJECT
private slots:
    void framesFlashOneAtATimeOnTheGrid();
    void theStripBlinksOliveAndBlack();
    void choosingAPictureEndsTheRunAndHidesEveryFrame();
    void aRunSurvivesTheTimerBeingSwitchedOff();
    void newImageStartsANewRun();
    void waitingCostsAlmostNoProcessorTime();
};

namespace {

// Watches the frames for a while and returns every place a frame was seen at, and whether two
// frames were ever on show together.
struct Watch {
    QSet<QPoint> places;
    QSet<int> framesSeen;
    bool twoAtOnce = false;
    QSet<QRgb> stripColours;
};

Watch watch(Form1 &f, int ms)
{
    Watch w;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QTest::qWait(5);
        int shown = 0;
        for (int i = 1; i <= 6; ++i)
            if (f.Picture4.exists(i) && f.Picture4[i]->isVisible()) {
                ++shown;
                w.places.insert(f.Picture4[i]->pos());
                w.framesSeen.insert(i);
            }
        w.twoAtOnce |= shown > 1;
        w.stripColours.insert(f.Label8->background().rgb());
    }
    return w;
}

} // namespace

void TestAnimation::framesFlashOneAtATimeOnTheGrid()
{
    ProgramFolder folder;
    Game game(folder);
    Form1 &f = *game;
    QSet<QPoint> grid;
    const double w = f.W();
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 6; ++r)
            grid.insert(QPoint(twips::toPixels(w * 0.04 + w * 0.065 * c), twips::toPixels(w * 0.04 + w * 0.065 * r)));
    const QPoint first(twips::toPixels(w * 0.105), twips::toPixels(w * 0.105));
    const Watch seen = watch(f, 2500);
    QVERIFY(f.animationRunning());
    QVERIFY(!seen.twoAtOnce);
    QCOMPARE(seen.framesSeen.size(), 6);
    QVERIFY(seen.places.size() >= 3);
    for (const QPoint &p : seen.places)
        QVERIFY2(grid.contains(p) || p == first, qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
}

void TestAnimation::theStripBlinksOliveAndBlack()
{
    ProgramFolder folder;
    Game game(folder);
    const Watch seen = watch(*game, 2600);
    QVERIFY(seen.stripColours.contains(QColor(128, 128, 0).rgb()));
    QVERIFY(seen.stripColours.contains(QColor(0, 0, 0).rgb()));
}

void TestAnimation::choosingAPictureEndsTheRunAndHidesEveryFrame()
{
    ProgramFolder folder;
    folder.addPicture(QStringLiteral("Zoo"), QStringLiteral("x.jpg"), gridPicture(300, 300, 4));
    Game game(folder);
    Form1 &f = *game;
    QTRY_VERIFY(f.animationRunning());
    f.files->trigger();
    QVERIFY(game.clickListItem(f.List1, QStringLiteral("Zoo")));
    // Wait for a frame to be on show, then choose.
    QTRY_VERIFY([&] {
        for (int i = 1; i <= 6; ++i)
            if (f.Picture4[i]->isVisible())
                return true;
        return false;
    }());
    QVERIFY(game.clickListItem(f.File1, QStringLiteral("x.jpg")));
    QVERIFY(!f.animationRunning());
    const Watch after = watch(f, 400);
    QVERIFY(after.framesSeen.isEmpty());
}

void TestAnimation::aRunSurvivesTheTimerBeingSwitchedOff()
{
    ProgramFolder folder;
    folder.addFolder(QStringLiteral("Zoo"));
    Game game(folder);
    Form1 &f = *game;
    QTRY_VERIFY(f.animationRunning());
    f.files->trigger();
    QVERIFY(game.clickListItem(f.List1, QStringLiteral("Zoo")));
    QVERIFY(!f.Timer1->Enabled());
    const Watch seen = watch(f, 800);
    QVERIFY(f.animationRunning());
    QVERIFY(!seen.framesSeen.isEmpty());
}

void TestAnimation::newImageStartsANewRun()
{
    ProgramFolder folder;
    folder.addPicture(QStringLiteral("Zoo"), QStringLiteral("x.jpg"), gridPicture(300, 300, 4));
    Game game(folder);
    game.choose(QStringLiteral("Zoo"), QStringLiteral("x.jpg"));
    QVERIFY(!game->animationRunning());
    QTest::mouseClick(game->CMGame, Qt::LeftButton);
    QTRY_VERIFY(game->animationRunning());
    QVERIFY(!watch(*game, 500).framesSeen.isEmpty());
}

void TestAnimation::waitingCostsAlmostNoProcessorTime()
{
    ProgramFolder folder;
    Game game(folder);
    QTRY_VERIFY(game->animationRunning());
    auto cpu = [] {
        rusage u{};
        getrusage(RUSAGE_SELF, &u);
        return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
    };
    const double before = cpu();
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(3000);
    const double share = (cpu() - before) / double(wall.elapsed());
    qInfo("FIGURE | processor use while waiting | %.2f %% of one core | < 5 %%", share * 100);
    QVERIFY2(share < 0.05, qPrintable(QString::number(share * 100)));
}

QTEST_MAIN(TestAnimation)
#include "test_animation.moc"
