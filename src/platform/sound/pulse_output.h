#pragma once
#include <memory>

// A playback stream on the desktop's sound server (PulseAudio, or PipeWire's PulseAudio service) that
// asks for sound in blocks of its own size. The server is told both how much sound to keep queued
// (which is how soon a new note is heard) and how much to ask for at a time. FluidSynth's own
// PulseAudio output ties the two together: with its 23 ms queue the server asked for a few
// milliseconds at a time, some 170 times a second, and every request woke two of the program's
// threads several times over, which cost two to three times what the synthesis itself did. Here each
// request is one block, made by the render function on the stream's thread as the server asks.
class PulseOutput
{
public:
    // FluidSynth's audio callback: `len` frames into `nout` planar buffers, which it mixes into; the
    // effects are mixed in too when `fx` is null.
    using Render = int (*)(void *data, int len, int nfx, float *fx[], int nout, float *out[]);

    // Connects to the server that libpulse finds (PULSE_SERVER or the desktop's own) for float stereo
    // at `rate`, keeping `latencyMs` of sound queued and asking for `blockMs` at a time; null when
    // there is no server or it refuses the stream.
    static std::unique_ptr<PulseOutput> open(double rate, int latencyMs, int blockMs, Render render, void *data);
    ~PulseOutput();
    PulseOutput(const PulseOutput &) = delete;
    PulseOutput &operator=(const PulseOutput &) = delete;

private:
    struct State;
    explicit PulseOutput(std::unique_ptr<State> state);
    std::unique_ptr<State> state_;
};
