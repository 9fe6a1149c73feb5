// Any bytes as a song: our own reading of the file decides whether it may be played; whatever it
// accepts is handed to FluidSynth's player and synthesised for a while, as the game would.
#include "platform/sound/midi_file.h"

#include <QByteArray>
#include <cstdint>
#include <fluidsynth.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static fluid_settings_t *settings = [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
        fluid_settings_t *s = new_fluid_settings();
        fluid_settings_setint(s, "synth.cpu-cores", 1);
        fluid_settings_setint(s, "player.reset-synth", 1);
        return s;
    }();
    static fluid_synth_t *synth = [] {
        fluid_synth_t *s = new_fluid_synth(settings);
        fluid_synth_sfload(s, "/usr/share/sounds/sf2/default-GM.sf2", 1);
        return s;
    }();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const MidiInfo info = midi::parse(bytes);
    if (!info.ok)
        return 0;
    fluid_player_t *player = new_fluid_player(synth);
    fluid_player_add_mem(player, bytes.constData(), size_t(bytes.size()));
    fluid_player_play(player);
    // A second of music at most, in blocks as a sound card would ask for them.
    std::vector<float> left(512), right(512);
    for (int block = 0; block < 86 && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING; ++block)
        fluid_synth_write_float(synth, 512, left.data(), 0, 1, right.data(), 0, 1);
    fluid_player_stop(player);
    delete_fluid_player(player);
    fluid_synth_system_reset(synth);
    return 0;
}
