// How loud each sample song is as the player hears it: rendered offline with the game's synthesiser
// settings and SoundFont, and measured with libebur128 (EBU R128 integrated loudness, true peak).
#include "bench_common.h"
#include "platform/sound/fluid_backend.h"
#include "support.h"

#include <QCoreApplication>
#include <cmath>
#include <ebur128.h>
#include <fluidsynth.h>

namespace {

struct Loudness {
    double lufs = -70, truePeak = -70; // LUFS, dBFS
};

Loudness measureSong(const QString &path)
{
    Loudness out;
    fluid_settings_t *settings = new_fluid_settings();
    FluidBackend::configure(settings);
    fluid_synth_t *synth = new_fluid_synth(settings);
    fluid_player_t *player = new_fluid_player(synth);
    constexpr int rate = 44100, block = 4410;
    ebur128_state *meter = ebur128_init(2, rate, EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK);
    if (fluid_synth_sfload(synth, FluidBackend::Options().soundFont.toLocal8Bit().constData(), 1) != FLUID_FAILED &&
        fluid_player_add(player, QFile::encodeName(path).constData()) == FLUID_OK &&
        fluid_player_play(player) == FLUID_OK) {
        std::vector<float> left(block), right(block), frames(2 * block);
        // The song, and the ring of its last notes.
        for (int tail = 0; tail < 2 * rate / block;) {
            fluid_synth_write_float(synth, block, left.data(), 0, 1, right.data(), 0, 1);
            for (int i = 0; i < block; ++i)
                frames[size_t(2 * i)] = left[size_t(i)], frames[size_t(2 * i + 1)] = right[size_t(i)];
            ebur128_add_frames_float(meter, frames.data(), block);
            tail += fluid_player_get_status(player) == FLUID_PLAYER_DONE;
        }
        double peak = 0, channel = 0;
        ebur128_loudness_global(meter, &out.lufs);
        for (unsigned c = 0; c < 2; ++c)
            if (ebur128_true_peak(meter, c, &channel) == EBUR128_SUCCESS)
                peak = std::max(peak, channel);
        out.truePeak = 20 * std::log10(std::max(peak, 1e-9));
    }
    ebur128_destroy(&meter);
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return out;
}

} // namespace

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
