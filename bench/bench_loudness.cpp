// How loud each sample song is as the player hears it: rendered offline with the game's synthesiser
// settings and SoundFont, and measured with libebur128 (EBU R128 integrated loudness, true peak).
#include "bench_common.h"
#include "support.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    double low = 0, high = -100;
    for (const QString &song : songNames()) {
        const Loudness l = measureSong(QStringLiteral(PROGRAM_DIR "/Music/%1.mid").arg(song));
        std::printf("FIGURE | %s: loudness, true peak | %.1f LUFS, %.1f dBFS | -20 +- 2 LUFS, <= -1 dBFS\n",
                    qPrintable(song), l.lufs, l.truePeak);
        low = std::min(low, l.lufs);
        high = std::max(high, l.lufs);
    }
    bench::figure("spread of the songs' loudness", high - low, "LU", "<= 2 LU");
    return 0;
}
