// The waiting animation: frames flashed one at a time on a 6 x 6 grid over the board, the blinking
// strip, the end of the run when a picture is chosen, and a new run after New Image.
#include "platform/label.h"
#include "platform/twips.h"
#include "platform/vb_timer.h"
#include "support.h"

#include <QPushButton>

namespace {

// Looks at the frames and the strip every few milliseconds while the event loop runs.
struct Watch : QObject {
    explicit Watch(Form1 &form) : f(form)
    {
        connect(&timer, &QTimer::timeout, this, &Watch::look);
        timer.start(3);
    }
    void look()
    {
        int shown = 0;
        for (int i = 1; i <= 6; ++i)
            if (f.Picture4.exists(i) && f.Picture4[i]->isVisible()) {
                ++shown;
                places.insert(f.Picture4[i]->pos());
                frames.insert(i);
            }
        twoAtOnce |= shown > 1;
        strip.insert(f.Label8->background().rgb());
    }
    Form1 &f;
    QTimer timer;
    QSet<QPoint> places;
    QSet<int> frames;
    QSet<QRgb> strip;
    bool twoAtOnce = false;
};

} // namespace

class TestAnimation : public QObject
{
    Q_OBJECT
private slots:
    void framesFlashOneAtATimeOnTheGridAndTheStripBlinks()
    {
        ProgramFolder folder;
        Game game(folder);
        const double w = game->W();
        QSet<QPoint> grid{QPoint(twips::toPixels(w * 0.105), twips::toPixels(w * 0.105))}; // where start-up puts them
        for (int c = 0; c < 6; ++c)
            for (int r = 0; r < 6; ++r)
                grid.insert(
                    QPoint(twips::toPixels(w * 0.04 + w * 0.065 * c), twips::toPixels(w * 0.04 + w * 0.065 * r)));
        Watch seen(*game);
        QTRY_VERIFY_WITH_TIMEOUT(seen.frames.size() == 6 && seen.places.size() >= 3, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(seen.strip.contains(QColor(128, 128, 0).rgb()) && seen.strip.contains(qRgb(0, 0, 0)),
                                 20000);
        QVERIFY(!seen.twoAtOnce);
        for (const QPoint &p : seen.places)
            QVERIFY2(grid.contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    }

    void aRunGoesOnWithTheListsOpenEndsWithAChoiceAndNewImageStartsAnother()
    {
        ProgramFolder folder;
        folder.addPicture(QStringLiteral("Zoo"), QStringLiteral("x.jpg"), gridPicture(300, 300, 4));
        Game game(folder);
        Form1 &f = *game;
        Watch seen(f);
        QTRY_VERIFY(!seen.frames.isEmpty());
        f.files->trigger();
        QVERIFY(game.clickListItem(f.List1, QStringLiteral("Zoo")));
        QVERIFY(!f.Timer1->Enabled());
        // The frames that opening the list hid come back: the run goes on.
        seen.frames.clear();
        QTRY_VERIFY(seen.frames.size() >= 2);
        QVERIFY(game.clickListItem(f.File1, QStringLiteral("x.jpg")));
        for (int i = 1; i <= 6; ++i)
            QVERIFY(f.Picture4[i]->isHidden());
        // Nothing shows a frame again, nor blinks the strip, a few steps of the clock later.
        const QRgb strip = f.Label8->background().rgb();
        seen.frames.clear();
        QTest::qWait(3 * Form1::clockStepMs);
        QVERIFY(seen.frames.isEmpty());
        QCOMPARE(f.Label8->background().rgb(), strip);
        QTest::mouseClick(f.CMGame, Qt::LeftButton);
        QTRY_VERIFY(!seen.frames.isEmpty());
    }
};

QTEST_MAIN(TestAnimation)
#include "test_animation.moc"
