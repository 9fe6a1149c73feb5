// The gap between two songs in sequential mode, with real FluidSynth synthesis (into silence): from
// the moment the first song's last note ends to the moment the next song starts.
#include "bench_common.h"
#include "platform/fluid_backend.h"
#include "platform/midi_file.h"
#include "platform/mmcontrol.h"
#include "support.h"

#include <QApplication>

namespace {
QByteArray song(int notes)
{
    QByteArray track("\x00\xff\x51\x03\x07\xa1\x20\x00\xc0\x00", 10);
    for (int i = 0; i < notes; ++i) {
        track.append(QByteArray("\x00\x90", 2)).append(char(60 + i % 12)).append(char(0x50));
        track.append(QByteArray("\x83\x60\x80", 3)).append(char(60 + i % 12)).append(char(0));
    }
    track.append(QByteArray("\x00\xff\x2f\x00", 4));
    QByteArray b("MThd\0\0\0\x06\0\0\0\x01\x01\xe0MTrk", 18);
    const int n = int(track.size());
    b.append(char(n >> 24)).append(char(n >> 16)).append(char(n >> 8)).append(char(n));
    return b + track;
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ProgramFolder folder;
    const char *names[] = {"inds_01", "inds_02", "inds_03", "inds_04", "inds_05",
                           "inds_06", "M01oejjd", "Gd_vibes", "Scopa", "Sevilana"};
    for (const char *n : names)
        folder.addFile(QStringLiteral("Music/%1.mid").arg(QString::fromLatin1(n)), song(3));
    const double seconds = midi::parse(song(3)).seconds;

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
