// The window: start-up state, layout, the About text and the clicks that hide it, minimising,
// quitting, and a start-up without its frame pictures.
#include "platform/file_list.h"
#include "platform/label.h"
#include "platform/mmcontrol.h"
#include "platform/twips.h"
#include "platform/vb_timer.h"
#include "support.h"

#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

class TestWindow : public QObject
{
    Q_OBJECT
private slots:
    void startUpSetsTheDefaults();
    void startUpTakesTheWholeScreen();
    void theWindowHasEveryMenuAndCaption();
    void labelsLieBeneathEveryOtherControl();
    void layoutMatchesTheWorkedExampleToThePixel();
    void minimisingPausesAndRestoringPlays();
    void aboutTogglesAndClicksHideIt();
    void quitClosesTheMusicAndEndsTheProgram();
    void aMissingFramePictureStopsStartUpWithAMessage();
    void aDamagedFramePictureStopsStartUpWithAMessage();
};

void TestWindow::startUpSetsTheDefaults()
{
    ProgramFolder folder;
    Game game(folder);
    Form1 &f = *game;
    QCOMPARE(f.TessNum, Integer(100));
    QCOMPARE(f.nTess, Integer(0));
    QVERIFY(f.tessere[3]->isChecked() && !f.tessere[1]->isChecked() && !f.tessere[2]->isChecked());
    QVERIFY(f.yes->isChecked() && !f.no->isChecked() && f.fixyes->isChecked() && !f.fixno->isChecked());
    QVERIFY(f.all->isChecked() && !f.nomusic->isChecked());
    // Z from the outer width: 15360 x 0.04124 = 633.45 -> 633; both templates that size.
    QCOMPARE(f.W(), 15360.0);
    QCOMPARE(f.Z, Integer(633));
    for (PictureBox *tpl : {f.Picture2[0], f.Picture1[0]}) {
        QCOMPARE(tpl->size(), QSize(42, 42));
        QCOMPARE(tpl->ScaleWidth, 633.0);
        QVERIFY(tpl->isHidden());
    }
    QVERIFY(!f.CMNew->isEnabled());
    QVERIFY(!f.CMGame->isEnabled());
    QVERIFY(f.CMquit->isEnabled());
    for (QWidget *w : std::initializer_list<QWidget *>{f.Label6, f.Label7, f.Label9, f.LBLcongrat, f.Text2, f.Picture3,
                                                       f.List1, f.File1})
        QVERIFY2(w->isHidden(), qPrintable(w->objectName()));
    QVERIFY(f.Label1->isVisible() && f.Label8->isVisible() && f.Label5->isVisible() && f.MMC1->isVisible());
    QVERIFY(f.Timer1->Enabled());
    for (int i = 1; i <= 6; ++i) {
        QVERIFY(f.Picture4.exists(i));
        QCOMPARE(f.Picture4[i]->size(), QSize(33, 33));
    }
    QVERIFY(game.messages.isEmpty());
}

void TestWindow::startUpTakesTheWholeScreen()
{
    ProgramFolder folder;
    Game game(folder);
    QCOMPARE(game->frameGeometry(), QRect(0, 0, 1024, 768));
    QCOMPARE(game->H(), 11520.0);
}

void TestWindow::theWindowHasEveryMenuAndCaption()
{
    ProgramFolder folder;
    Game game(folder);
    Form1 &f = *game;
    QCOMPARE(f.windowTitle(), QStringLiteral("Rizerizo  -  Vareriz"));
    QStringList top;
    for (QAction *a : f.menuBar()->actions())
        top << a->text();
    QCOMPARE(top, (QStringList{"&Images", "&Options", "&Music", "&About"}));
    QCOMPARE(f.ntessere->title(), QStringLiteral("&N\u00B0 of tesserae"));
    QCOMPARE(f.nobeep->title(), QStringLiteral("&Help beep"));
    QCOMPARE(f.fix->title(), QStringLiteral("&Block on right positions"));
    QCOMPARE(f.canzoni.ubound(), 10);
    QCOMPARE(f.canzoni[7]->text(), QStringLiteral("M01oejjd"));
    QCOMPARE(f.canzoni[10]->text(), QStringLiteral("Sevilana"));
    QCOMPARE(f.LBLcongrat->text(), QStringLiteral("Congratulations"));
    QVERIFY(f.Text2->toPlainText().startsWith(QStringLiteral("Vareriz ver 2.0\n--------------------\n")));
    QCOMPARE(f.CMGame->text(), QStringLiteral("New Image"));
    QCOMPARE(f.CMNew->text(), QStringLiteral("Reshuffle"));
    QVERIFY(!f.windowIcon().isNull());
}

void TestWindow::labelsLieBeneathEveryOtherControl()
{
    ProgramFolder folder;
    Game game(folder);
    const QObjectList children = game->surface->children();
    qsizetype lastLabel = -1, firstOther = children.size();
    for (qsizetype i = 0; i < children.size(); ++i) {
        if (qobject_cast<Label *>(children[i]))
            lastLabel = i;
        else if (qobject_cast<QWidget *>(children[i]))
            firstOther = std::min(firstOther, i);
    }
    // Children are kept from the bottom of the drawing order up.
    QVERIFY(lastLabel < firstOther);
}

void TestWindow::layoutMatchesTheWorkedExampleToThePixel()
{
    ProgramFolder folder;
    Game game(folder);
    Form1 &f = *game;
    auto px = [](double t) { return twips::toPixels(t); };
    QCOMPARE(f.Label1->geometry(), QRect(px(460.8), px(460.8), px(6528), px(6528)));
    QCOMPARE(f.LBLcongrat->x(), px(8371.2));
    QCOMPARE(f.LBLcongrat->width(), px(6528));
    QCOMPARE(f.LBLcongrat->height(), px(652.8));
    QCOMPARE(f.MMC1->pos(), QPoint(px(890.88), px(10022.4)));
    QCOMPARE(f.MMC1->width(), px(6643.2));
    for (QPushButton *b : {f.CMGame, f.CMNew, f.CMquit})
        QCOMPARE(b->width(), px(2214.4));
    QCOMPARE(f.CMGame->x(), px(7534.08));
    QCOMPARE(f.CMNew->x(), px(9748.48));
    QCOMPARE(f.CMquit->x(), px(11962.88));
    // The strip stands against the frame's right edge, as tall as the frame, black with white text.
    QCOMPARE(f.Label8->geometry(), QRect(f.Label1->geometry().right() + 1, f.Label1->y(), 105, f.Label1->height()));
    QCOMPARE(f.Label8->background(), QColor(0, 0, 0));
    QVERIFY(f.Label8->text().startsWith(QString(100, u' ') + QStringLiteral("       Select the")));
    QCOMPARE(f.Text2->pos(), QPoint(px(15360 * 0.105), 0));
    // The olive bar covers the music control and the three buttons.
    QVERIFY(f.Label5->geometry().contains(f.MMC1->geometry().center()));
    QVERIFY(f.Label5->geometry().right() >= f.CMquit->geometry().right());
}

void TestWindow::minimisingPausesAndRestoringPlays()
{
    ProgramFolder folder;
    folder.addFile(QStringLiteral("Music/inds_01.mid"), QByteArray("anything: the stand-in only looks for the file"));
    Game game(folder);
    QVERIFY(game->MMC1->isPlaying());
    game.media->calls.clear();
    game->showMinimized();
    QCOMPARE(game.media->calls, QStringList{"pause"});
    QVERIFY(!game->MMC1->isPlaying());
    game->showNormal();
    QCOMPARE(game.media->calls, (QStringList{"pause", "resume"}));
    QVERIFY(game->MMC1->isPlaying());
}

void TestWindow::aboutTogglesAndClicksHideIt()
{
    ProgramFolder folder;
    Game game(folder);
    Form1 &f = *game;
    f.about->trigger();
    QVERIFY(f.Text2->isVisible());
    f.about->trigger();
    QVERIFY(f.Text2->isHidden());
    // Each of these clicks hides the text, and does nothing else.
    const std::vector<std::pair<const char *, std::function<void()>>> hiders = {
        {"text itself", [&] { QTest::mouseClick(f.Text2->viewport(), Qt::LeftButton); }},
        {"olive bar", [&] { QTest::mouseClick(f.Label5, Qt::LeftButton, {}, QPoint(2, 2)); }},
        {"library label",
         [&] {
             f.Label9->show();
             QTest::mouseClick(f.Label9, Qt::LeftButton);
             f.Label9->hide();
         }},
        {"instruction strip", [&] { QTest::mouseClick(f.Label8, Qt::LeftButton); }},
        {"board frame", [&] { QTest::mouseClick(f.Label1, Qt::LeftButton); }},
        {"banner",
         [&] {
             f.LBLcongrat->show();
             QTest::mouseClick(f.LBLcongrat, Qt::LeftButton);
         }},
        {"options menu", [&] { emit f.options->aboutToShow(); }},
        {"music menu", [&] { emit f.music->aboutToShow(); }},
        {"background, right button", [&] { QTest::mousePress(f.surface, Qt::RightButton, {}, QPoint(1000, 600)); }},
    };
    for (const auto &[what, click] : hiders) {
        f.about->trigger();
        QVERIFY(f.Text2->isVisible());
        click();
        QVERIFY2(f.Text2->isHidden(), what);
    }
    // The banner's click hides only the About text, not itself.
    QVERIFY(f.LBLcongrat->isVisible());
}

void TestWindow::quitClosesTheMusicAndEndsTheProgram()
{
    ProgramFolder folder;
    folder.addFile(QStringLiteral("Music/inds_01.mid"), QByteArray("x"));
    Game game(folder);
    QVERIFY(game->MMC1->isOpen());
    game.media->calls.clear();
    QTest::mouseClick(game->CMquit, Qt::LeftButton);
    QCOMPARE(game.media->calls, QStringList{"close"});
    QVERIFY(!game->isVisible());
    QVERIFY(!game->MMC1->isOpen());
    QVERIFY(!game->Timer1->Enabled());
}

void TestWindow::aMissingFramePictureStopsStartUpWithAMessage()
{
    ProgramFolder folder;
    QVERIFY(QFile::remove(folder.file(QStringLiteral("frame4.gif"))));
    Game game(folder);
    QVERIFY(!game->startedWell());
    QCOMPARE(game.messages.size(), 1);
    QVERIFY(game.messages.first().contains(QStringLiteral("frame4.gif")));
    QVERIFY(!game->isVisible());
}

void TestWindow::aDamagedFramePictureStopsStartUpWithAMessage()
{
    ProgramFolder folder;
    QFile f(folder.file(QStringLiteral("frame2.gif")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("GIF89a but nothing more");
    f.close();
    // Another case on disk is still found, and read.
    QVERIFY(QFile::rename(folder.file(QStringLiteral("frame1.gif")), folder.file(QStringLiteral("FRAME1.GIF"))));
    Game game(folder);
    QVERIFY(!game->startedWell());
    QCOMPARE(game.messages.size(), 1);
    QVERIFY(game.messages.first().contains(QStringLiteral("frame2.gif")));
    QVERIFY(!game.messages.first().contains(QStringLiteral("frame1")));
}

QTEST_MAIN(TestWindow)
#include "test_window.moc"
