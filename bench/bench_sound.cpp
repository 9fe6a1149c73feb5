// What a listener's machine pays for the music, and how soon the beep is heard: the game plays the
// sample songs through a PulseAudio server of its own (a null sink standing in for the sound card).
#include "bench_common.h"
#include "platform/sound/fluid_backend.h"
#include "platform/sound/mmcontrol.h"
#include "support.h"

#include <QApplication>
#include <QEventLoop>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SoundServer pulse;
    if (!pulse.start()) {
        std::fprintf(stderr, "bench_sound: no PulseAudio server could be started\n");
        return 1;
    }
    qputenv("PULSE_SERVER", pulse.address().toLocal8Bit());
    ProgramFolder folder;
    folder.addFolder(QStringLiteral("Music"));
    for (const QString &song : songNames())
        QFile::copy(QStringLiteral(PROGRAM_DIR "/Music/%1.mid").arg(song),
                    folder.file(QStringLiteral("Music/%1.mid").arg(song)));
    folder.addPicture(QStringLiteral("Test"), QStringLiteral("p.jpg"), gridPicture(400, 400, 4));
    Game game(folder, true, Game::Sounding);
    Form1 &form = *game;
    auto *fluid = static_cast<FluidBackend *>(game.backend);
    if (!QTest::qWaitFor([&] { return fluid->output() == u"pulseaudio" && fluid->currentTick() > 0; }, 20000)) {
        std::fprintf(stderr, "bench_sound: the song did not play through PulseAudio (%s)\n",
                     qPrintable(fluid->output()));
        return 1;
    }
    const double before = bench::cpuMs();
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop; // the event loop as the game runs it, with nothing of the benchmark's own
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    bench::figure("processor use while a song plays through PulseAudio",
                  (bench::cpuMs() - before) / double(wall.elapsed()) * 100, "% of one core", "< 4 %");

    // The beep of a right drop with the music off, recorded from the sink's monitor.
    form.nomusic->trigger();
    game.deal(16);
    QProcess rec;
    pulse.startClient(rec, QStringLiteral("parec"),
                      {QStringLiteral("--device=null.monitor"), QStringLiteral("--format=s16le"),
                       QStringLiteral("--rate=44100"), QStringLiteral("--channels=1"),
                       QStringLiteral("--latency-msec=5"), QStringLiteral("--raw")});
    QByteArray samples;
    (void)QTest::qWaitFor([&] { return (samples += rec.readAllStandardOutput()).size() > 44100; },
                          5000); // a second of silence
    const qsizetype asked = samples.size() / 2;
    game.dropOnCell(1, 1); // a right drop, with "Help beep" on
    (void)QTest::qWaitFor([&] { return (samples += rec.readAllStandardOutput()).size() / 2 > asked + 44100; }, 5000);
    rec.kill();
    rec.waitForFinished();
    const auto *s = reinterpret_cast<const qint16 *>(samples.constData());
    qsizetype onset = -1;
    int peak = 0;
    for (qsizetype i = asked; i < samples.size() / 2; ++i) {
        peak = std::max(peak, std::abs(int(s[i])));
        if (onset < 0 && std::abs(int(s[i])) > 300)
            onset = i;
    }
    bench::figure("beep heard on the sound server, from the drop", onset < 0 ? -1 : (onset - asked) / 44.1, "ms",
                  "< 100 ms");
    bench::figure("beep's peak level", 20 * std::log10(std::max(1, peak) / 32768.0), "dBFS", "-");

    // The sound server goes away and comes back: what the game costs meanwhile, and how soon its
    // music is heard again.
    form.all->trigger();
    pulse.stop();
    QTest::qWait(3000); // the loss is noticed
    const double away = bench::cpuMs();
    wall.restart();
    QEventLoop idle;
    QTimer::singleShot(15000, &idle, &QEventLoop::quit);
    idle.exec();
    bench::figure("processor use while the sound server is away",
                  (bench::cpuMs() - away) / double(wall.elapsed()) * 100, "% of one core", "< 1 %");
    pulse.start();
    wall.restart();
    const bool back = QTest::qWaitFor(
        [&] {
            return !pulse.client(QStringLiteral("pactl"), {"list", "short", "sink-inputs"}).isEmpty();
        },
        20000);
    bench::figure("music heard again after the sound server returns", back ? wall.elapsed() / 1000.0 : -1, "s",
                  "< 5 s");
    return 0;
}
