#include "platform/sound/pulse_output.h"

#include <algorithm>
#include <pulse/pulseaudio.h>
#include <vector>

namespace {
constexpr size_t frameBytes = 2 * sizeof(float);
constexpr size_t maxFrames = 4096; // made at once at most; a larger request is made in several
} // namespace

struct PulseOutput::State {
    pa_threaded_mainloop *loop = nullptr;
    pa_context *context = nullptr;
    pa_stream *stream = nullptr;
    Render render = nullptr;
    void *data = nullptr;
    std::vector<float> left = std::vector<float>(maxFrames), right = std::vector<float>(maxFrames);

    ~State()
    {
        // The stream's thread is stopped first, so that nothing runs while the rest is let go.
        if (loop)
            pa_threaded_mainloop_stop(loop);
        if (stream)
            pa_stream_unref(stream);
        if (context) {
            pa_context_disconnect(context);
            pa_context_unref(context);
        }
        if (loop)
            pa_threaded_mainloop_free(loop);
    }

    static void contextChanged(pa_context *, void *loop)
    {
        pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop *>(loop), 0);
    }
    static void streamChanged(pa_stream *, void *loop) { contextChanged(nullptr, loop); }

    // With the loop locked: waits until the context (and the stream, once there is one) is ready;
    // false when either failed.
    bool waitReady()
    {
        for (;;) {
            const pa_context_state_t c = pa_context_get_state(context);
            if (!PA_CONTEXT_IS_GOOD(c))
                return false;
            if (c == PA_CONTEXT_READY) {
                if (!stream)
                    return true;
                const pa_stream_state_t s = pa_stream_get_state(stream);
                if (!PA_STREAM_IS_GOOD(s))
                    return false;
                if (s == PA_STREAM_READY)
                    return true;
            }
            pa_threaded_mainloop_wait(loop);
        }
    }

    // On the stream's thread: the server asks for `bytes` more.
    static void write(pa_stream *stream, size_t bytes, void *self)
    {
        auto *s = static_cast<State *>(self);
        while (bytes >= frameBytes) {
            void *buffer = nullptr;
            size_t length = std::min(bytes, maxFrames * frameBytes);
            if (pa_stream_begin_write(stream, &buffer, &length) < 0 || !buffer)
                return;
            const size_t frames = std::min({length, bytes, maxFrames * frameBytes}) / frameBytes;
            if (frames == 0) {
                pa_stream_cancel_write(stream);
                return;
            }
            std::fill_n(s->left.begin(), frames, 0.0f);
            std::fill_n(s->right.begin(), frames, 0.0f);
            float *out[2] = {s->left.data(), s->right.data()};
            s->render(s->data, int(frames), 0, nullptr, 2, out);
            auto *interleaved = static_cast<float *>(buffer);
            for (size_t i = 0; i < frames; ++i) {
                interleaved[2 * i] = s->left[i];
                interleaved[2 * i + 1] = s->right[i];
            }
            if (pa_stream_write(stream, buffer, frames * frameBytes, nullptr, 0, PA_SEEK_RELATIVE) < 0)
                return;
            bytes -= frames * frameBytes;
        }
    }
};

PulseOutput::PulseOutput(std::unique_ptr<State> state) : state_(std::move(state)) {}

PulseOutput::~PulseOutput() = default;

std::unique_ptr<PulseOutput> PulseOutput::open(double rate, int latencyMs, int blockMs, Render render, void *data)
{
    auto s = std::make_unique<State>();
    s->render = render;
    s->data = data;
    s->loop = pa_threaded_mainloop_new();
    if (!s->loop)
        return nullptr;
    std::unique_ptr<pa_proplist, void (*)(pa_proplist *)> props(pa_proplist_new(), pa_proplist_free);
    pa_proplist_sets(props.get(), PA_PROP_APPLICATION_NAME, "Vareriz");
    pa_proplist_sets(props.get(), PA_PROP_MEDIA_ROLE, "music");
    s->context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(s->loop), nullptr, props.get());
    if (!s->context)
        return nullptr;
    pa_context_set_state_callback(s->context, &State::contextChanged, s->loop);
    if (pa_context_connect(s->context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0)
        return nullptr;
    pa_threaded_mainloop_lock(s->loop);
    bool ok = pa_threaded_mainloop_start(s->loop) == 0 && s->waitReady();
    if (ok) {
        const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, uint32_t(rate), 2};
        s->stream = pa_stream_new_with_proplist(s->context, "Music", &format, nullptr, props.get());
        ok = s->stream != nullptr;
        if (ok) {
            pa_buffer_attr attr;
            attr.maxlength = uint32_t(-1);
            attr.tlength = uint32_t(pa_usec_to_bytes(pa_usec_t(latencyMs) * PA_USEC_PER_MSEC, &format));
            attr.prebuf = uint32_t(-1);
            attr.minreq = uint32_t(pa_usec_to_bytes(pa_usec_t(blockMs) * PA_USEC_PER_MSEC, &format));
            attr.fragsize = uint32_t(-1);
            pa_stream_set_state_callback(s->stream, &State::streamChanged, s->loop);
            pa_stream_set_write_callback(s->stream, &State::write, s.get());
            // The latency asked for is the whole of it, the server's own part included.
            ok = pa_stream_connect_playback(s->stream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) ==
                     0 &&
                 s->waitReady();
        }
    }
    pa_threaded_mainloop_unlock(s->loop);
    if (!ok)
        return nullptr;
    return std::unique_ptr<PulseOutput>(new PulseOutput(std::move(s)));
}
