// The game heard through a real sound server (PulseAudio with a null sink): the music is heard, goes
// on in silence while the server is away and is heard again each time it returns; with the music
// off, a right drop's beep is heard.
#include "support.h"

class TestSoundServer : public QObject
{
    Q_OBJECT
    SoundServer pulse;
    QProcess recorder;
    QByteArray sound;

    // Records what the sink plays from now on.
    void listen()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), pulse.address());
        recorder.setProcessEnvironment(env);
        recorder.start(QStringLiteral("parec"), {"--device=null.monitor", "--format=s16le", "--channels=1", "--raw"});
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
    static int playingSong(Form1 &f)
    {
        for (int i = 1; i <= f.canzoni.ubound(); ++i)
            if (f.canzoni[i]->isChecked())
                return i;
        return 0;
    }

private slots:
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
            const int song = playingSong(*game);
            QTRY_VERIFY_WITH_TIMEOUT(playingSong(*game) != song, 20000);
            QVERIFY(pulse.start());
        }
        // With the music off, the sink falls silent, until a right drop beeps.
        game->nomusic->trigger();
        game.deal(16);
        listen();
        QTRY_VERIFY_WITH_TIMEOUT(!heard(sound.size() - 40000) && sound.size() > 40000, 20000);
        const qsizetype drop = sound.size();
        game.dropOnCell(1, 1);
        QTRY_VERIFY_WITH_TIMEOUT(heard(drop), 10000);
        stopListening();
    }
};

QTEST_MAIN(TestSoundServer)
#include "test_sound_server.moc"
