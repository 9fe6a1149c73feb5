// Background music: sequential mode, a chosen song, none, the control's buttons, with a recording
// stand-in for the song player; real synthesis; broken song files. Last, the game heard through a
// real sound server (PulseAudio with a null sink): the music is heard, goes on in silence while the
// server is away and is heard again each time it returns; with the music off, a right drop's beep is
// heard once the game's output is back.
#include "platform/sound/mmcontrol.h"
#include "support.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

QStringList checked(Form1 &f)
{
    QStringList out;
    for (const QAction *a : f.music->actions())
        if (a->isChecked())
            out << a->text();
    return out;
}

} // namespace

class TestMusic : public QObject
{
    Q_OBJECT
    // The sound server of the last test, and what its sink plays.
    SoundServer pulse;
    QProcess recorder;
    QByteArray sound;

    // Records what the sink plays from now on.
    void listen()
    {
        pulse.startClient(recorder, "parec", {"--device=null.monitor", "--format=s16le", "--channels=1", "--raw"});
        sound.clear();
    }
    void stopListening()
    {
        recorder.kill();
        recorder.waitForFinished();
    }
    // Whether anything louder than a whisper has been recorded since byte `from` of the recording.
    bool heard(qsizetype from = 0)
    {
        sound += recorder.readAllStandardOutput();
        const auto *s = reinterpret_cast<const qint16 *>(sound.constData());
        return std::any_of(s + std::max<qsizetype>(0, from / 2), s + sound.size() / 2,
                           [](qint16 v) { return std::abs(int(v)) > 300; });
    }

private slots:
    void sequentialModePlaysEverySongInTurn()
    {
        ProgramFolder folder;
        folder.addSongs();
        Game game(folder);
        QCOMPARE(checked(*game), (QStringList{"Sequential mode", "inds_01"}));
        QCOMPARE(game.media->calls, (QStringList{"open inds_01.mid", "play"}));
        for (int i = 2; i <= 11; ++i) {
            const QString song = songNames()[(i - 1) % 10];
            game.media->calls.clear();
            game.media->end();
            QCOMPARE(checked(*game), (QStringList{"Sequential mode", song}));
            QCOMPARE(game.media->calls, (QStringList{"close", QStringLiteral("open %1.mid").arg(song), "play"}));
        }
        // "Sequential mode" while it is on skips to the next song at once.
        game->all->trigger();
        QCOMPARE(checked(*game), (QStringList{"Sequential mode", "inds_02"}));
        // The end of anything else only hides the About text.
        game->about->trigger();
        game.media->calls.clear();
        game->MMC1_Done(2);
        QVERIFY(game->Text2->isHidden());
        QVERIFY(game.media->calls.isEmpty());
        QCOMPARE(checked(*game), (QStringList{"Sequential mode", "inds_02"}));
    }

    void aChosenSongPlaysAloneAndAgainAtItsEndAndNoneStops()
    {
        ProgramFolder folder;
        folder.addSongs();
        Game game(folder);
        game.media->calls.clear();
        game->canzoni[7]->trigger();
        QCOMPARE(checked(*game), QStringList{"M01oejjd"});
        QCOMPARE(game.media->calls, (QStringList{"close", "open M01oejjd.MID", "play"}));
        QVERIFY(!game->MMC1->Wait());
        game.media->calls.clear();
        game.media->end();
        game.media->end();
        QCOMPARE(game.media->calls, (QStringList{"play", "play"}));
        QCOMPARE(checked(*game), QStringList{"M01oejjd"});
        // Sequential mode after a chosen song starts with song 1, not song 8.
        game->all->trigger();
        QCOMPARE(checked(*game), (QStringList{"Sequential mode", "inds_01"}));
        // "none" closes the music; a resize then sends "play" to the closed control, and nothing plays.
        game.media->calls.clear();
        game->nomusic->trigger();
        game->resize(900, 700);
        QCOMPARE(checked(*game), QStringList{"none"});
        QCOMPARE(game.media->calls, QStringList{"close"});
        game->all->trigger();
        QCOMPARE(checked(*game), (QStringList{"Sequential mode", "inds_01"}));
    }

    void theControlsButtonsActOnTheOpenSong()
    {
        ProgramFolder folder;
        folder.addSongs();
        Game game(folder);
        const auto buttons = game->MMC1->findChildren<QToolButton *>();
        QCOMPARE(buttons.size(), 3);
        // Each says what it does, also to a screen reader.
        QVERIFY(buttons[0]->accessibleName() == "Play" && buttons[1]->accessibleName() == "Pause" &&
                buttons[2]->accessibleName() == "Stop");
        game.media->calls.clear();
        buttons[1]->click(); // pause
        buttons[0]->click(); // play: resumes
        buttons[2]->click(); // stop
        buttons[0]->click(); // play: from the start
        QCOMPARE(game.media->calls, (QStringList{"pause", "resume", "pause", "play"}));
    }

    void realSynthesisPlaysTheSongsInTurn()
    {
        ProgramFolder folder;
        folder.addSongs();
        // Stored in another case than the game asks for: the songs are still found.
        QVERIFY(QDir(folder.path()).rename("Music", "MUSIC"));
        Game game(folder, true, Game::Synthesised);
        QCOMPARE(checked(*game), (QStringList{"Sequential mode", "inds_01"}));
        QVERIFY(game->MMC1->isPlaying());
        QTRY_COMPARE_WITH_TIMEOUT(checked(*game), (QStringList{"Sequential mode", "inds_02"}), 20000);
        QVERIFY(game->MMC1->isPlaying());
        // Pause and play go on from where the song was.
        game->showMinimized();
        QVERIFY(!game->MMC1->isPlaying());
        game->showNormal();
        QVERIFY(game->MMC1->isPlaying());
        QTRY_COMPARE_WITH_TIMEOUT(checked(*game), (QStringList{"Sequential mode", "inds_03"}), 20000);
    }

    void aListOfBrokenSongsIsTriedOnceRoundThenRests()
    {
        ProgramFolder folder; // no Music folder at all
        Game game(folder);
        // Songs that cannot be played were never heard to end: the About text stays open through the
        // whole round, and then the control rests.
        game->about->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(game->canzoni[10]->isChecked() && game->MMC1->resting(), 30000);
        QVERIFY(game->Text2->isVisible());
        // Asking again tries the list once more.
        game->all->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(game->canzoni[2]->isChecked(), 30000);
    }

    void brokenSongsNeverStopTheGame_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no Music folder at all
        QTest::newRow("no Music folder") << QByteArray();
        QTest::newRow("random bytes") << QByteArray("\x4d\x54\x68\x64\xff\x00\x13\x37 not a song", 19);
        QTest::newRow("truncated tracks") << shortSong(8).chopped(9);
    }

    void brokenSongsNeverStopTheGame()
    {
        QFETCH(QByteArray, bytes);
        ProgramFolder folder;
        if (!bytes.isEmpty())
            for (const QString &s : songNames())
                folder.addFile(QStringLiteral("Music/%1.mid").arg(s), bytes);
        Game game(folder, true, Game::Synthesised);
        QVERIFY(!game->MMC1->isOpen());
        // A song that cannot be played counts as ended: sequential mode moves on.
        QTRY_VERIFY_WITH_TIMEOUT(game->canzoni[3]->isChecked(), 20000);
        QVERIFY(game->all->isChecked());
        game->canzoni[5]->trigger();
        QCOMPARE(checked(*game), QStringList{"inds_05"});
        game->nomusic->trigger();
        QCOMPARE(checked(*game), QStringList{"none"});
    }

    void musicComesBackAfterEachRestartAndTheBeepIsHeard()
    {
        QVERIFY(pulse.start());
        qputenv("PULSE_SERVER", pulse.address().toLocal8Bit());
        ProgramFolder folder;
        folder.addSongs(); // a second each
        folder.addPicture(QStringLiteral("Test"), QStringLiteral("p.jpg"), gridPicture(400, 400, 4));
        Game game(folder, true, Game::Sounding);
        for (int round = 0; round < 3; ++round) {
            listen();
            QTRY_VERIFY_WITH_TIMEOUT(heard(), 20000);
            stopListening();
            pulse.stop();
            // Sequential play moves on while nothing can be heard.
            const QStringList song = checked(*game);
            QTRY_VERIFY_WITH_TIMEOUT(checked(*game) != song, 20000);
            QVERIFY(pulse.start());
        }
        // With the music off, a right drop beeps: once the game's output is back on the server, and
        // the sink is being recorded.
        game->nomusic->trigger();
        game.deal(16);
        listen();
        QTRY_VERIFY_WITH_TIMEOUT(
            pulse.client("pactl", {"list", "short", "sink-inputs"}).contains("protocol-native") &&
                pulse.client("pactl", {"list", "short", "source-outputs"}).contains("protocol-native"),
            20000);
        heard();
        const qsizetype drop = sound.size();
        game.dropOnCell(1, 1);
        QTRY_VERIFY_WITH_TIMEOUT(heard(drop), 10000);
        stopListening();
    }
};

QTEST_MAIN(TestMusic)
#include "test_music.moc"
