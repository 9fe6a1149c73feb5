// The game heard through a real sound server (PulseAudio with a null sink): the music comes back each
// time the server restarts, it goes on in silence meanwhile, and a right drop's beep is heard.
#include "support.h"

class TestSoundServer : public QObject
{
    Q_OBJECT
private slots:
    void musicComesBackAfterEachRestartAndTheBeepIsHeard();
};

static int playingSong(Form1 &f)
{
    for (int i = 1; i <= f.canzoni.ubound(); ++i)
        if (f.canzoni[i]->isChecked())
            return i;
    return 0;
}

void TestSoundServer::musicComesBackAfterEachRestartAndTheBeepIsHeard()
{
    SoundServer pulse;
    QVERIFY(pulse.start());
    qputenv("PULSE_SERVER", pulse.address().toLocal8Bit());
    ProgramFolder folder;
    folder.addSongs(); // a second each
    folder.addPicture(QStringLiteral("Test"), QStringLiteral("p.jpg"), gridPicture(400, 400, 4));
    Game game(folder, true, Game::Sounding);
    const auto streams = [&] { return pulse.client(QStringLiteral("pactl"), {"list", "short", "sink-inputs"}); };
    QTRY_VERIFY_WITH_TIMEOUT(!streams().isEmpty(), 20000);
    for (int round = 0; round < 3; ++round) {
        pulse.stop();
        // Sequential play moves on while nothing can be heard.
        const int song = playingSong(*game);
        QTRY_VERIFY_WITH_TIMEOUT(playingSong(*game) != song, 20000);
        QVERIFY(pulse.start());
        QTRY_VERIFY_WITH_TIMEOUT(!streams().isEmpty(), 20000);
    }
    // With the music off, a right drop is heard on the sink's monitor.
    game->nomusic->trigger();
    game.deal(16);
    QProcess rec;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), pulse.address());
    rec.setProcessEnvironment(env);
    rec.start(QStringLiteral("parec"), {"--device=null.monitor", "--format=s16le", "--channels=1", "--raw"});
    QByteArray sound;
    QTRY_VERIFY((sound += rec.readAllStandardOutput()).size() > 20000);
    game.dropOnCell(1, 1);
    const auto heard = [&] {
        sound += rec.readAllStandardOutput();
        const auto *s = reinterpret_cast<const qint16 *>(sound.constData());
        return std::any_of(s, s + sound.size() / 2, [](qint16 v) { return std::abs(int(v)) > 300; });
    };
    QTRY_VERIFY_WITH_TIMEOUT(heard(), 10000);
    rec.kill();
    rec.waitForFinished();
}

QTEST_MAIN(TestSoundServer)
#include "test_sound_server.moc"
