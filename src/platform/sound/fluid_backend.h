#pragma once
#include "platform/sound/media_backend.h"
#include "platform/sound/midi_file.h"

#include <QByteArray>
#include <QTimer>
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;
struct _fluid_audio_driver_t;
class PulseOutput;

// Plays MIDI songs through FluidSynth with a General MIDI SoundFont. The synthesiser, the SoundFont
// and the sound output are set up on a worker thread, so that creating the backend costs the window
// nothing; a song requested meanwhile starts as soon as the synthesiser is ready. Sound goes to the
// desktop's sound server (PulseAudio, which PipeWire also serves) or else straight to ALSA; with
// neither, songs are still played in real time into silence, so that the music's timing stays the
// same on every machine. An output that is lost (the sound server restarts) is opened again.
class FluidBackend : public MediaBackend
{
    Q_OBJECT
public:
    struct Options {
        QString soundFont = QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2");
        bool soundOutput = true; // false: always play into silence
    };
    FluidBackend();
    explicit FluidBackend(Options options);
    ~FluidBackend() override;

    bool open(const QString &path) override;
    void close() override;
    void play(bool fromStart) override;
    void pause() override;
    // A glockenspiel note on a channel of its own, through the same output as the songs; the desktop's
    // bell where there is no output or no SoundFont.
    void beep() override;

    // The synthesiser's settings, which an offline rendering shares so that it sounds as the game does.
    static void configure(_fluid_hashtable_t *settings);

    // Which output the worker chose ("pulseaudio", "alsa" or "silent"); empty until it is ready.
    QString output() const;
    bool isReady() const { return ready_.load(); }
    // Where the open song stands, in its own ticks; -1 when no song is open.
    long long currentTick() const;
    const MidiInfo &song() const { return info_; }

private:
    struct Deleter {
        void operator()(_fluid_hashtable_t *) const;
        void operator()(_fluid_synth_t *) const;
        void operator()(_fluid_player_t *) const;
        void operator()(_fluid_audio_driver_t *) const;
    };
    void prepare();
    void start();
    void startPlayer(long long fromTick);
    void dropPlayer();
    void poll();
    void openOutput();
    bool hasOutput() const;
    void closeOutput();
    void keepOutput();
    void quieten(bool quiet);
    static qint64 now();
    static int render(void *self, int len, int nfx, float *fx[], int nout, float *out[]);

    Options options_;
    // Declared so that they are destroyed in the order FluidSynth requires: the sound output first,
    // then the player, the synthesiser and the settings.
    std::unique_ptr<_fluid_hashtable_t, Deleter> settings_;
    std::unique_ptr<_fluid_synth_t, Deleter> synth_;
    std::unique_ptr<_fluid_player_t, Deleter> player_;
    std::unique_ptr<_fluid_audio_driver_t, Deleter> driver_; // ALSA
    std::unique_ptr<PulseOutput> pulse_;

    // FluidSynth's player may not be created or deleted while the synthesiser renders (its timer
    // runs inside the rendering): both happen under this lock, on whatever thread renders.
    std::mutex render_;
    std::thread worker_;

    std::atomic<bool> ready_{false};
    std::atomic<bool> stopping_{false};
    enum class Output { Silent, PulseAudio, Alsa };
    std::atomic<Output> output_{Output::Silent};
    std::atomic<qint64> lastRender_{0}; // when the output last asked for sound, in ms
    std::atomic<int> renders_{0};       // blocks of sound the output has asked for since it opened
    std::atomic<bool> retryNow_{false}; // a song starts: open a lost output again without waiting

    QByteArray bytes_;
    MidiInfo info_;
    bool open_ = false;
    bool playing_ = false;
    long long pausedTick_ = 0;
    QTimer poll_;
};
