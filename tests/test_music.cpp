// Background music: the song menu, sequential mode, a chosen song, none; the multimedia control with
// a recording stand-in and with real FluidSynth synthesis; broken song files.
#include "platform/file_list.h"
#include "platform/fluid_backend.h"
#include "platform/mmcontrol.h"
#include "support.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

void allSongs(ProgramFolder &folder)
{
    for (const QString &s : songNames())
        folder.addFile(QStringLiteral("Music/%1.mid").arg(s), shortSong(2));
}

QStringList checked(Form1 &f)
{
    QStringList out;
    if (f.nomusic->isChecked())
        out << QStringLiteral("none");
    if (f.all->isChecked())
        out << QStringLiteral("all");
    for (int i = 1; i <= f.canzoni.ubound(); ++i)
        if (f.canzoni[i]->isChecked())
            out << f.canzoni[i]->text();
    return out;
}

// The real window with the real synthesiser, playing into silence so that no sound card is needed.
struct RealGame {
    explicit RealGame(const ProgramFolder &folder)
    {
        Form1Context c;
        c.programFolder = folder.path();
        FluidBackend::Options o;
        o.soundOutput = false;
        auto b = std::make_unique<FluidBackend>(o);
        backend = b.get();
        c.media = std::move(b);
        c.tell = [](const QString &) {};
        c.beep = [] {};
        form = std::make_unique<Form1>(std::move(c));
        form->start();
    }
    FluidBackend *backend;
    std::unique_ptr<Form1> form;
};

} // namespace

class TestMusic : public QObject
{
    Q_OBJECT
private slots:
    void startUpPlaysTheFirstSongInSequence();
    void theEndOfASongStartsTheNextAndTenWrapsToOne();
    void aChosenSongPlaysAloneAndStartsAgainAtItsEnd();
    void sequentialModeAfterAChosenSongStartsWithSongOne();
    void sequentialModeWhileSequentialSkipsToTheNext();
    void noneClosesTheMusicAndResizingPlaysNothing();
    void doneWithAnotherCodeOnlyHidesTheAboutText();
    void songFilesAreFoundWhateverTheirCase();
    void theControlsButtonsActOnTheOpenSong();

    void realSynthesisPlaysSongOneThenSongTwo();
    void realPauseAndResumeContinueFromTheSamePlace();
    void brokenSongsNeverCrashOrRaceThroughTheList_data();
    void brokenSongsNeverCrashOrRaceThroughTheList();
};

void TestMusic::startUpPlaysTheFirstSongInSequence()
{
    ProgramFolder folder;
    allSongs(folder);
    Game game(folder);
    QCOMPARE(checked(*game), (QStringList{"all", "inds_01"}));
    QCOMPARE(game->Brano, Integer(1));
    QCOMPARE(game.media->calls, (QStringList{"open inds_01.mid", "play"}));
    QVERIFY(game->MMC1->isPlaying());
}

void TestMusic::theEndOfASongStartsTheNextAndTenWrapsToOne()
{
    ProgramFolder folder;
    allSongs(folder);
    Game game(folder);
    for (int i = 2; i <= 10; ++i) {
        game.media->calls.clear();
        game.media->end();
        QCOMPARE(game->Brano, Integer(i));
        QCOMPARE(checked(*game), (QStringList{"all", songNames()[i - 1]}));
        QCOMPARE(game.media->calls,
                 (QStringList{"close", QStringLiteral("open %1.mid").arg(songNames()[i - 1]), "play"}));
    }
    game.media->end();
    QCOMPARE(game->Brano, Integer(1));
    QCOMPARE(checked(*game), (QStringList{"all", "inds_01"}));
}

void TestMusic::aChosenSongPlaysAloneAndStartsAgainAtItsEnd()
{
    ProgramFolder folder;
    allSongs(folder);
    Game game(folder);
    game.media->calls.clear();
    game->canzoni[7]->trigger();
    QCOMPARE(checked(*game), QStringList{"M01oejjd"});
    QCOMPARE(game->Brano, Integer(0));
    QCOMPARE(game.media->calls, (QStringList{"close", "open M01oejjd.MID", "play"}));
    QVERIFY(!game->MMC1->Wait());
    game.media->calls.clear();
    game.media->end();
    QCOMPARE(game.media->calls, QStringList{"play"});
    QCOMPARE(checked(*game), QStringList{"M01oejjd"});
    game.media->end();
    QCOMPARE(game.media->calls, (QStringList{"play", "play"}));
}

void TestMusic::sequentialModeAfterAChosenSongStartsWithSongOne()
{
    ProgramFolder folder;
    allSongs(folder);
    Game game(folder);
    game->canzoni[7]->trigger();
    game.media->calls.clear();
    game->all->trigger();
    QCOMPARE(checked(*game), (QStringList{"all", "inds_01"}));
    QCOMPARE(game->Brano, Integer(1));
    QCOMPARE(game.media->calls, (QStringList{"close", "open inds_01.mid", "play"}));
}

void TestMusic::sequentialModeWhileSequentialSkipsToTheNext()
{
    ProgramFolder folder;
    allSongs(folder);
    Game game(folder);
    game->all->trigger();
    QCOMPARE(game->Brano, Integer(2));
    QCOMPARE(checked(*game), (QStringList{"all", "inds_02"}));
}

void TestMusic::noneClosesTheMusicAndResizingPlaysNothing()
{
    ProgramFolder folder;
    allSongs(folder);
    Game game(folder);
    game.media->calls.clear();
    game->nomusic->trigger();
    QCOMPARE(checked(*game), QStringList{"none"});
    QCOMPARE(game->Brano, Integer(0));
    QCOMPARE(game.media->calls, QStringList{"close"});
    game->resize(900, 700);
    game->Form_Resize();
    QCOMPARE(game.media->calls, QStringList{"close"});
    QVERIFY(!game->MMC1->isOpen());
    // The end of a song cannot arrive; sequential mode starts song 1 again.
    game->all->trigger();
    QCOMPARE(game->Brano, Integer(1));
}

void TestMusic::doneWithAnotherCodeOnlyHidesTheAboutText()
{
    ProgramFolder folder;
    allSongs(folder);
    Game game(folder);
    game->about->trigger();
    game.media->calls.clear();
    game->MMC1_Done(2);
    QVERIFY(game->Text2->isHidden());
    QCOMPARE(game->Brano, Integer(1));
    QVERIFY(game.media->calls.isEmpty());
}

void TestMusic::songFilesAreFoundWhateverTheirCase()
{
    ProgramFolder folder;
    folder.addFile(QStringLiteral("MUSIC/SCOPA.MID"), shortSong(1));
    Game game(folder);
    game->canzoni[9]->trigger();
    QVERIFY(game->MMC1->isOpen());
    game->all->trigger();
    game->Brano = 8;
    game->MMC1_Done(1);
    QCOMPARE(game->Brano, Integer(9));
    QVERIFY(game->MMC1->isOpen());
}

void TestMusic::theControlsButtonsActOnTheOpenSong()
{
    ProgramFolder folder;
    allSongs(folder);
    Game game(folder);
    const auto buttons = game->MMC1->findChildren<QToolButton *>();
    QCOMPARE(buttons.size(), 3);
    game.media->calls.clear();
    buttons[1]->click(); // pause
    buttons[0]->click(); // play: resumes
    buttons[2]->click(); // stop
    buttons[0]->click(); // play: from the start
    QCOMPARE(game.media->calls, (QStringList{"pause", "resume", "pause", "play"}));
}

void TestMusic::realSynthesisPlaysSongOneThenSongTwo()
{
    ProgramFolder folder;
    folder.addFile(QStringLiteral("Music/inds_01.mid"), shortSong(2));
    folder.addFile(QStringLiteral("Music/INDS_02.MID"), shortSong(2, 72));
    RealGame game(folder);
    QCOMPARE(game.form->Brano, Integer(1));
    QVERIFY(game.form->MMC1->isPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(game.backend->isReady(), 5000);
    QCOMPARE(game.backend->output(), QStringLiteral("silent"));
    QTRY_VERIFY_WITH_TIMEOUT(game.backend->currentTick() > 0, 3000);
    QElapsedTimer clock;
    clock.start();
    QTRY_COMPARE_WITH_TIMEOUT(game.form->Brano, Integer(2), 4000);
    // Two notes of half a second: the song is over after about one second, not many more.
    QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(game.form->canzoni[2]->isChecked() && !game.form->canzoni[1]->isChecked());
    QVERIFY(game.form->MMC1->isPlaying());
}

void TestMusic::realPauseAndResumeContinueFromTheSamePlace()
{
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("long.mid")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(shortSong(12));
    f.close();
    FluidBackend::Options o;
    o.soundOutput = false;
    FluidBackend backend(o);
    QVERIFY(backend.open(f.fileName()));
    QCOMPARE(backend.song().lastNoteTick, 12LL * 480);
    backend.play(true);
    QTRY_VERIFY_WITH_TIMEOUT(backend.currentTick() > 700, 5000);
    backend.pause();
    const long long at = backend.currentTick();
    QTest::qWait(400);
    QCOMPARE(backend.currentTick(), at);
    backend.play(false);
    QTest::qWait(250);
    // Resumed: on from where it stopped, not from the beginning.
    QTRY_VERIFY_WITH_TIMEOUT(backend.currentTick() > at, 2000);
    QVERIFY(backend.currentTick() < at + 900);
}

void TestMusic::brokenSongsNeverCrashOrRaceThroughTheList_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("no Music folder") << "missing";
    QTest::newRow("zero-byte songs") << "empty";
    QTest::newRow("random bytes") << "random";
    QTest::newRow("truncated tracks") << "truncated";
}

void TestMusic::brokenSongsNeverCrashOrRaceThroughTheList()
{
    QFETCH(QString, kind);
    ProgramFolder folder;
    for (const QString &s : songNames()) {
        const QString name = QStringLiteral("Music/%1.mid").arg(s);
        if (kind == u"empty")
            folder.addFile(name, QByteArray());
        else if (kind == u"random")
            folder.addFile(name, QByteArray("\x4d\x54\x68\x64\xff\x00\x13\x37 not a song", 19));
        else if (kind == u"truncated")
            folder.addFile(name, shortSong(8).chopped(9));
    }
    RealGame game(folder);
    QCOMPARE(game.form->Brano, Integer(1));
    QVERIFY(!game.form->MMC1->isOpen());
    // A song that cannot be played counts as ended, but the list moves on at most once a second.
    QTest::qWait(2600);
    const int brano = game.form->Brano;
    QVERIFY2(brano >= 2 && brano <= 4, qPrintable(QString::number(brano)));
    QVERIFY(game.form->all->isChecked());
    QVERIFY(game.form->canzoni[brano]->isChecked());
    // A chosen broken song does not loop either; "none" silences everything.
    game.form->canzoni[5]->trigger();
    QTest::qWait(1300);
    QCOMPARE(game.form->Brano, Integer(0));
    QCOMPARE(checked(*game.form), QStringList{"inds_05"});
    game.form->nomusic->trigger();
    QCOMPARE(checked(*game.form), QStringList{"none"});
}

QTEST_MAIN(TestMusic)
#include "test_music.moc"
