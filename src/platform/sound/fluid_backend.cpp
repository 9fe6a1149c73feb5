#include "platform/sound/fluid_backend.h"

#include "platform/controls/paths.h"
#include "platform/sound/pulse_output.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <alsa/asoundlib.h>
#include <chrono>
#include <fluidsynth.h>
#include <vector>

namespace {

// ALSA and FluidSynth write their own complaints to the terminal (no sound card, no sound server):
// the player is told nothing, so they are silenced once for the whole program.
void silentAlsa(const char *, int, const char *, int, const char *, ...) {}

void silenceLibraries()
{
    static const bool done = [] {
        snd_lib_error_set_handler(silentAlsa);
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
        return true;
    }();
    (void)done;
}

// The end of a song is looked for this often near its last note, and less often before it.
constexpr int pollMs = 40, longestPollMs = 1000;
// The synthesiser's own level: the sample songs are mixed for it, to about -20 LUFS as a listener
// hears them, with true peaks below -1 dBFS.
constexpr double synthGain = 2.2;
// Background music needs no low latency, but the beep should follow a drop within 100 ms. The sound
// server keeps 60 ms queued and asks for 20 ms at a time: a new note is heard at most 60 ms after it
// is played, and the server's 50 requests a second cost the player's machine little. ALSA, used only
// without a sound server, plays two periods of 1024 frames (23 ms each).
constexpr int latencyMs = 60, blockMs = 20;
constexpr int periodFrames = 1024;
// The output counts as lost when it has asked for no sound for this long; while it is lost it is
// opened again at most this often. Songs play on in silence in blocks of this length meanwhile. A
// new output can wait over a second before it asks for its second block, longer on a busy machine:
// until it has asked, it is given longer.
constexpr qint64 lostAfterMs = 1500, startingMs = 6000;
constexpr int watchMs = 250, retryMs = 3000, silentBlockMs = 50;
constexpr int beepVolume = 90; // clear above the music, never harsh
constexpr int beepChannel = 15, beepProgram = 9 /* glockenspiel */, beepKey = 88, beepMs = 160;

} // namespace

void FluidBackend::Deleter::operator()(_fluid_hashtable_t *p) const
{
    delete_fluid_settings(p);
}
void FluidBackend::Deleter::operator()(_fluid_synth_t *p) const
{
    delete_fluid_synth(p);
}
void FluidBackend::Deleter::operator()(_fluid_player_t *p) const
{
    fluid_player_stop(p);
    delete_fluid_player(p);
}
void FluidBackend::Deleter::operator()(_fluid_audio_driver_t *p) const
{
    delete_fluid_audio_driver(p);
}

FluidBackend::FluidBackend() : FluidBackend(Options()) {}

FluidBackend::FluidBackend(Options options) : options_(std::move(options))
{
    silenceLibraries();
    poll_.setSingleShot(true);
    connect(&poll_, &QTimer::timeout, this, &FluidBackend::poll);
    worker_ = std::thread([this] { prepare(); });
}

FluidBackend::~FluidBackend()
{
    stopping_ = true;
    if (worker_.joinable())
        worker_.join();
    closeOutput();
    dropPlayer();
}

// Runs on the worker: everything that takes time (the synthesiser, the SoundFont, the sound output)
// is set up here, and the window is told when it is ready. The worker then keeps the sound output.
void FluidBackend::prepare()
{
    settings_.reset(new_fluid_settings());
    if (!settings_)
        return;
    configure(settings_.get());
    fluid_settings_setint(settings_.get(), "audio.period-size", periodFrames);
    fluid_settings_setint(settings_.get(), "audio.periods", 2);
    synth_.reset(new_fluid_synth(settings_.get()));
    if (!synth_)
        return;
    if (QFileInfo(options_.soundFont).isReadable())
        fluid_synth_sfload(synth_.get(), options_.soundFont.toLocal8Bit().constData(), 1);
    if (options_.soundOutput)
        openOutput();
    if (!hasOutput())
        quieten(true);
    ready_ = true;
    QMetaObject::invokeMethod(this, &FluidBackend::start, Qt::QueuedConnection);
    keepOutput();
}

// The desktop's sound server first (PulseAudio, which PipeWire also serves), then ALSA itself.
void FluidBackend::openOutput()
{
    double rate = 44100;
    fluid_settings_getnum(settings_.get(), "synth.sample-rate", &rate);
    lastRender_ = now();
    renders_ = 0;
    pulse_ = PulseOutput::open(rate, latencyMs, blockMs, &FluidBackend::render, this);
    if (pulse_) {
        output_ = Output::PulseAudio;
        return;
    }
    fluid_settings_setstr(settings_.get(), "audio.driver", "alsa");
    lastRender_ = now();
    renders_ = 0;
    driver_.reset(new_fluid_audio_driver2(settings_.get(), &FluidBackend::render, this));
    output_ = driver_ ? Output::Alsa : Output::Silent;
}

bool FluidBackend::hasOutput() const
{
    return pulse_ || driver_;
}

void FluidBackend::closeOutput()
{
    pulse_.reset();
    driver_.reset();
}

// While nothing is heard, songs are still played in real time so that they take as long as with
// sound and end when they should, but by one voice and without effects, which costs next to nothing.
void FluidBackend::quieten(bool quiet)
{
    std::lock_guard lock(render_);
    fluid_synth_set_polyphony(synth_.get(), quiet ? 1 : 256);
    fluid_synth_reverb_on(synth_.get(), -1, !quiet);
    fluid_synth_chorus_on(synth_.get(), -1, !quiet);
}

// The worker's life after start-up. A sound server that goes away (an update, a resume, a new
// headset) leaves the output's thread stopped: no more sound is asked for. That is noticed, the song
// plays on in silence, and the output is opened again every few seconds, or at once when a song
// starts or the player chooses music, until it is heard again.
void FluidBackend::keepOutput()
{
    using namespace std::chrono;
    double rate = 44100;
    fluid_settings_getnum(settings_.get(), "synth.sample-rate", &rate);
    const int frames = int(rate * silentBlockMs / 1000);
    std::vector<float> left(static_cast<size_t>(frames)), right(static_cast<size_t>(frames));
    auto next = steady_clock::now(), retry = next + milliseconds(retryMs);
    while (!stopping_) {
        if (hasOutput()) {
            std::this_thread::sleep_for(milliseconds(watchMs));
            if (now() - lastRender_ < (renders_ > 1 ? lostAfterMs : startingMs))
                continue;
            closeOutput();
            output_ = Output::Silent;
            quieten(true);
            next = steady_clock::now();
            retry = next + milliseconds(retryMs);
        }
        if (options_.soundOutput && (retryNow_.exchange(false) || steady_clock::now() >= retry)) {
            openOutput();
            retry = steady_clock::now() + milliseconds(retryMs);
            if (hasOutput()) {
                quieten(false);
                continue;
            }
        }
        {
            std::lock_guard lock(render_);
            fluid_synth_write_float(synth_.get(), frames, left.data(), 0, 1, right.data(), 0, 1);
        }
        next += milliseconds(silentBlockMs);
        std::this_thread::sleep_until(next);
    }
}

qint64 FluidBackend::now()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void FluidBackend::configure(_fluid_hashtable_t *settings)
{
    fluid_settings_setnum(settings, "synth.gain", synthGain);
    fluid_settings_setint(settings, "synth.cpu-cores", 1);
}

// On the window's thread, once the synthesiser is ready: a song asked for meanwhile starts now.
void FluidBackend::start()
{
    if (open_ && playing_ && !player_) {
        startPlayer(pausedTick_);
        if (player_)
            poll_.start(pollMs);
    }
}

// The sound output's thread asks for each block of sound here.
int FluidBackend::render(void *self, int len, int nfx, float *fx[], int nout, float *out[])
{
    auto *b = static_cast<FluidBackend *>(self);
    b->lastRender_ = now();
    ++b->renders_;
    std::lock_guard lock(b->render_);
    // Outputs without effect buffers get the effects mixed into the sound itself.
    if (!fx)
        return fluid_synth_process(b->synth_.get(), len, nout, out, nout, out);
    return fluid_synth_process(b->synth_.get(), len, nfx, fx, nout, out);
}

QString FluidBackend::output() const
{
    if (!ready_)
        return QString();
    switch (output_.load()) {
    case Output::PulseAudio: return QStringLiteral("pulseaudio");
    case Output::Alsa: return QStringLiteral("alsa");
    default: return QStringLiteral("silent");
    }
}

bool FluidBackend::open(const QString &path)
{
    close();
    retryNow_ = true;
    QFile f(paths::resolve(path));
    if (!f.open(QIODevice::ReadOnly) || f.size() > midi::maxFileBytes)
        return false;
    QByteArray bytes = f.readAll();
    MidiInfo info = midi::parse(bytes);
    if (!info.ok)
        return false;
    bytes_ = std::move(bytes);
    info_ = info;
    open_ = true;
    return true;
}

void FluidBackend::close()
{
    poll_.stop();
    dropPlayer();
    if (ready_ && synth_)
        fluid_synth_all_sounds_off(synth_.get(), -1);
    bytes_.clear();
    info_ = MidiInfo();
    open_ = false;
    playing_ = false;
    pausedTick_ = 0;
}

void FluidBackend::startPlayer(long long fromTick)
{
    std::lock_guard lock(render_);
    player_.reset(new_fluid_player(synth_.get()));
    if (!player_)
        return;
    fluid_player_add_mem(player_.get(), bytes_.constData(), size_t(bytes_.size()));
    fluid_player_play(player_.get());
    if (fromTick > 0)
        fluid_player_seek(player_.get(), int(fromTick));
}

void FluidBackend::dropPlayer()
{
    std::lock_guard lock(render_);
    player_.reset();
}

void FluidBackend::play(bool fromStart)
{
    if (!open_ || playing_)
        return;
    if (fromStart)
        pausedTick_ = 0;
    playing_ = true;
    // Until the synthesiser is ready the song waits; it starts as soon as it can.
    if (!ready_ || !synth_)
        return;
    startPlayer(pausedTick_);
    if (!player_) {
        playing_ = false;
        return;
    }
    poll_.start(pollMs);
}

void FluidBackend::pause()
{
    if (!playing_)
        return;
    pausedTick_ = currentTick();
    dropPlayer();
    if (ready_ && synth_)
        fluid_synth_all_sounds_off(synth_.get(), -1);
    playing_ = false;
    poll_.stop();
}

long long FluidBackend::currentTick() const
{
    if (!open_)
        return -1;
    if (!playing_ || !player_)
        return pausedTick_;
    return fluid_player_get_current_tick(player_.get());
}

// FluidSynth itself reports the end of a song only after seconds of silence; the song has ended for
// us when the player has passed its last note. Until then the player is asked again after half the
// time the last note is still away at the present tempo (at most a second, at least pollMs), so that
// a song costs a few wake-ups a second rather than 25, and its end is still noticed within pollMs.
void FluidBackend::poll()
{
    if (!playing_ || !player_)
        return;
    const long long tick = fluid_player_get_current_tick(player_.get());
    if (tick < info_.lastNoteTick && fluid_player_get_status(player_.get()) != FLUID_PLAYER_DONE) {
        const double quarterMs = fluid_player_get_midi_tempo(player_.get()) / 1000.0;
        const double awayMs = double(info_.lastNoteTick - tick) * quarterMs / std::max(1, info_.division);
        poll_.start(int(std::clamp(awayMs / 2, double(pollMs), double(longestPollMs))));
        return;
    }
    dropPlayer();
    playing_ = false;
    pausedTick_ = 0;
    emit finished();
}

void FluidBackend::beep()
{
    if (!ready_ || !synth_ || output_ == Output::Silent || fluid_synth_sfcount(synth_.get()) == 0) {
        QApplication::beep();
        return;
    }
    std::lock_guard lock(render_);
    fluid_synth_program_change(synth_.get(), beepChannel, beepProgram);
    fluid_synth_cc(synth_.get(), beepChannel, 7, beepVolume);
    fluid_synth_noteon(synth_.get(), beepChannel, beepKey, 110);
    QTimer::singleShot(beepMs, this, [this] {
        std::lock_guard lock(render_);
        fluid_synth_noteoff(synth_.get(), beepChannel, beepKey);
    });
}
