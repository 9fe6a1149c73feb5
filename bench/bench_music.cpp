// The gap between two songs in sequential mode, with real FluidSynth synthesis (into silence): from
// the moment the first song's last note ends to the moment the next song starts.
#include "bench_common.h"
#include "platform/sound/fluid_backend.h"
#include "platform/sound/midi_file.h"
#include "platform/sound/mmcontrol.h"
#include "support.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ProgramFolder folder;
    for (const QString &n : songNames())
        folder.addFile(QStringLiteral("Music/%1.mid").arg(n), shortSong(3));
    const double seconds = midi::parse(shortSong(3)).seconds;

    Form1Context c;
    c.programFolder = folder.path();
    FluidBackend::Options o;
    o.soundOutput = false;
    auto backend = std::make_unique<FluidBackend>(o);
    FluidBackend *fluid = backend.get();
    c.media = std::move(backend);
    c.tell = [](const QString &) {};
    Form1 form(std::move(c));
    form.start();

    // Each song starts when its player first moves; the gap is what lies between the end of one
    // song's last note and the start of the next beyond the song's own length.
    std::vector<double> gaps;
    QElapsedTimer clock;
    clock.start();
    int brano = form.Brano;
    double started = -1;
    while (gaps.size() < 8 && clock.elapsed() < 60000) {
        QTest::qWait(1);
        if (form.Brano != brano) {
            brano = form.Brano;
            started = -1;
        }
        if (started < 0 && fluid->currentTick() > 0) {
            const double now = clock.nsecsElapsed() / 1e6;
            static double previous = -1;
            if (previous >= 0)
                gaps.push_back(now - previous - seconds * 1000);
            previous = now;
            started = now;
        }
    }
    bench::figure("gap between songs in sequential mode, median", bench::median(gaps), "ms", "< 500 ms");
    bench::figure("gap between songs in sequential mode, worst", bench::percentile(gaps, 100), "ms", "< 500 ms");
    std::printf("(%zu gaps measured, songs of %.2f s)\n", gaps.size(), seconds);
    return 0;
}
