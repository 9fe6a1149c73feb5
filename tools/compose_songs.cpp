// The ten songs: short pieces of quiet background music, composed from a seed. Each has a key and a
// mode, a chord progression, a melody built from a motif that returns in varied form, a bass line,
// an accompaniment (held chords, arpeggios or a waltz) and, for some, soft percussion.
#include "common/songs.h"
#include "generator.h"

#include <QByteArray>
#include <algorithm>
#include <cmath>

namespace gen {
namespace {

struct Style {
    int root;        // MIDI note of the key's tonic, in the melody's octave
    const int *mode; // seven steps of the scale
    int beats;       // per bar: 3 or 4
    int bpm;
    int seconds;                     // length aimed at
    int melody, accompaniment, bass; // General MIDI programs
    int accStyle;                    // 0 held chords, 1 arpeggio, 2 waltz
    int drums;                       // 0 none, 1 soft kit, 2 castanets and claps
    const int *progression;          // scale degrees, one per bar, 8 of them
};

const int major[7] = {0, 2, 4, 5, 7, 9, 11};
const int minor[7] = {0, 2, 3, 5, 7, 8, 10};
const int dorian[7] = {0, 2, 3, 5, 7, 9, 10};
const int harmonic[7] = {0, 1, 4, 5, 7, 8, 10}; // Phrygian dominant: the Andalusian colour

const int popProg[8] = {0, 5, 3, 4, 0, 5, 3, 4};
const int softProg[8] = {0, 3, 4, 0, 5, 3, 1, 4};
const int minorProg[8] = {0, 5, 2, 6, 0, 3, 4, 4};
const int jazzProg[8] = {1, 4, 0, 5, 1, 4, 0, 0};
const int andalusian[8] = {3, 2, 1, 0, 3, 2, 1, 0};

const Style styles[10] = {
    {64, major, 4, 84, 70, 0, 48, 32, 0, 0, popProg},         // inds_01: piano over strings
    {62, dorian, 4, 92, 75, 11, 89, 35, 1, 1, minorProg},     // inds_02: vibraphone, warm pad
    {67, major, 3, 96, 65, 73, 24, 32, 2, 0, softProg},       // inds_03: flute and guitar waltz
    {60, minor, 4, 78, 80, 4, 91, 38, 0, 1, minorProg},       // inds_04: electric piano, choir
    {65, major, 4, 100, 60, 12, 46, 42, 1, 0, popProg},       // inds_05: marimba and harp
    {62, minor, 3, 88, 70, 71, 48, 45, 2, 0, minorProg},      // inds_06: clarinet, strings, pizzicato
    {72, major, 4, 90, 55, 10, 8, 32, 1, 0, softProg},        // M01oejjd: music box and celesta
    {65, dorian, 4, 104, 75, 11, 26, 32, 1, 1, jazzProg},     // Gd_vibes: vibes and jazz guitar
    {64, major, 3, 120, 70, 21, 24, 58, 2, 0, popProg},       // Scopa: accordion waltz
    {64, harmonic, 3, 132, 80, 24, 24, 32, 2, 2, andalusian}, // Sevilana: guitar and castanets
};

// The loudness trim of each song, in dB, measured with libebur128 (bench/bench_loudness).
const double trims[10] = {-4.4, -0.6, -1.5, 1.0, 0.2, -2.6, 2.9, -0.2, 0.5, 2.3};

struct Event {
    long long tick;
    int order; // note-offs first, then controls, then note-ons, at the same tick
    QByteArray bytes;
};

class Track
{
public:
    void add(long long tick, int order, std::initializer_list<int> b)
    {
        QByteArray bytes;
        for (int v : b)
            bytes.append(char(v));
        events_.push_back({tick, order, bytes});
    }
    void note(int ch, long long at, long long len, int key, int vel)
    {
        key = std::clamp(key, 0, 127);
        add(at, 2, {0x90 | ch, key, std::clamp(vel, 1, 127)});
        add(at + len, 0, {0x80 | ch, key, 0});
    }
    QByteArray chunk()
    {
        std::stable_sort(events_.begin(), events_.end(), [](const Event &a, const Event &b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        QByteArray data;
        long long last = 0;
        for (const Event &e : events_) {
            vlq(data, e.tick - last);
            last = e.tick;
            data += e.bytes;
        }
        data += QByteArray("\x00\xff\x2f\x00", 4);
        QByteArray out("MTrk");
        be(out, std::uint32_t(data.size()), 4);
        return out + data;
    }
    static void vlq(QByteArray &out, long long v)
    {
        char buf[5];
        int n = 0;
        buf[n++] = char(v & 0x7f);
        while (v >>= 7)
            buf[n++] = char(0x80 | (v & 0x7f));
        while (n--)
            out.append(buf[n]);
    }
    static void be(QByteArray &out, std::uint32_t v, int bytes)
    {
        for (int i = bytes - 1; i >= 0; --i)
            out.append(char((v >> (8 * i)) & 0xff));
    }

private:
    std::vector<Event> events_;
};

constexpr int ppq = 480;

int scaleNote(const Style &s, int index)
{
    const int octave = int(std::floor(index / 7.0));
    return s.root + s.mode[index - octave * 7] + 12 * octave;
}

} // namespace

const std::vector<SongSpec> &songSpecs()
{
    static const std::vector<SongSpec> specs = [] {
        std::vector<SongSpec> out;
        for (size_t i = 0; i < songs::names.size(); ++i)
            out.push_back({songs::names[i], std::uint32_t(101 + i)});
        return out;
    }();
    return specs;
}

QByteArray composeSong(const SongSpec &recipe)
{
    const auto &all = songSpecs();
    const size_t index =
        size_t(std::find_if(all.begin(), all.end(), [&](const SongSpec &s) { return s.seed == recipe.seed; }) -
               all.begin()) %
        10;
    const Style &s = styles[index];
    Rng rng(recipe.seed);
    const long long bar = ppq * s.beats;
    const int bars = std::max(16, int(std::lround(s.seconds * s.bpm / 60.0 / s.beats / 8.0)) * 8);

    Track meta, melody, acc, bass, drums;
    const int us = 60000000 / s.bpm;
    meta.add(0, 1, {0xff, 0x51, 0x03, (us >> 16) & 0xff, (us >> 8) & 0xff, us & 0xff});
    meta.add(0, 1, {0xff, 0x58, 0x04, s.beats, 2, 24, 8});
    const int programs[3] = {s.melody, s.accompaniment, s.bass};
    Track *tracks[3] = {&melody, &acc, &bass};
    // Each song's channel volumes are trimmed so that every song plays at about the same loudness
    // (-20 LUFS through the game's synthesiser): a channel volume follows 40 log10 of its value.
    const auto volume = [&](int v) {
        return std::clamp(int(std::lround(v * std::pow(10.0, trims[index] / 40))), 1, 127);
    };
    const int volumes[3] = {92, 70, 84};
    for (int ch = 0; ch < 3; ++ch) {
        tracks[ch]->add(0, 1, {0xc0 | ch, programs[ch]});
        tracks[ch]->add(0, 1, {0xb0 | ch, 7, volume(volumes[ch])});
        tracks[ch]->add(0, 1, {0xb0 | ch, 91, 64});
    }
    drums.add(0, 1, {0xb9, 7, volume(70)});

    // A two-bar motif: steps through the scale and their lengths in eighths.
    std::vector<std::pair<int, int>> motif;
    for (int eighths = 0; eighths < 4 * s.beats;) {
        const int len = std::min(4 * s.beats - eighths, rng.uniform() < 0.5 ? 2 : (rng.uniform() < 0.5 ? 1 : 3));
        motif.push_back({rng.below(5) - 2, len});
        eighths += len;
    }

    int pos = 2; // the melody's place in the scale, above the tonic
    for (int b = 0; b < bars; ++b) {
        const long long at = b * bar;
        const int section = (b / 8) % 4; // A A' B A''
        const int degree = s.progression[b % 8] + (section == 2 ? (b % 2 ? 3 : 0) : 0);
        const bool last = b == bars - 1;
        // Bass: the chord's root on the first beat, its fifth in the middle of a bar of four.
        bass.note(2, at, ppq * (s.beats == 4 ? 2 : s.beats) - 20, scaleNote(s, degree) - 24, 66);
        if (s.beats == 4 && !last)
            bass.note(2, at + 2 * ppq, 2 * ppq - 20, scaleNote(s, degree + 4) - 24, 58);
        // Accompaniment.
        const int chord[3] = {scaleNote(s, degree) - 12, scaleNote(s, degree + 2) - 12, scaleNote(s, degree + 4) - 12};
        if (s.accStyle == 0 || last) {
            for (int n : chord)
                acc.note(1, at, bar - 10, n, 46);
        } else if (s.accStyle == 1) {
            for (int e = 0; e < s.beats * 2; ++e)
                acc.note(1, at + e * ppq / 2, ppq / 2 + 120, chord[(e % 4 == 3) ? 1 : e % 3] + (e >= 3 ? 12 : 0), 44);
        } else {
            for (int beat = 1; beat < s.beats; ++beat)
                for (int n : chord)
                    acc.note(1, at + beat * ppq, ppq - 40, n, 40);
        }
        // Melody: the motif from the current chord, varied a little in every section.
        if (last) {
            melody.note(0, at, bar * 2, scaleNote(s, 7), 62);
            break;
        }
        if (b % 2 == 0) {
            long long t = at;
            pos = std::clamp(degree + 2 + (section == 2 ? 2 : 0), 0, 9);
            for (const auto &[step, len] : motif) {
                int move = step;
                if (section == 1 && rng.uniform() < 0.3)
                    move = -move;
                if (section == 3 && rng.uniform() < 0.2)
                    move += rng.below(3) - 1;
                pos = std::clamp(pos + move, -2, 11);
                const bool rest = section != 0 && rng.uniform() < 0.08;
                if (!rest)
                    melody.note(0, t, len * ppq / 2 - 30, scaleNote(s, pos), 58 + rng.below(14));
                t += len * ppq / 2;
            }
        }
        // Percussion.
        for (int e = 0; e < s.beats * 2 && s.drums; ++e) {
            const long long t = at + e * ppq / 2;
            if (s.drums == 1) {
                drums.note(9, t, 60, 42, 26 + (e % 2 ? 0 : 8));
                if (e == 0 || (s.beats == 4 && e == 4))
                    drums.note(9, t, 80, 36, 48);
                if (e % 4 == 2)
                    drums.note(9, t, 80, 37, 34);
            } else {
                drums.note(9, t, 60, 85, 30 + (e % 2 ? 0 : 14));
                if (e == 4)
                    drums.note(9, t, 60, 39, 36);
            }
        }
    }

    QByteArray out("MThd");
    Track::be(out, 6, 4);
    Track::be(out, 1, 2);
    Track::be(out, s.drums ? 5 : 4, 2);
    Track::be(out, ppq, 2);
    out += meta.chunk() + melody.chunk() + acc.chunk() + bass.chunk();
    if (s.drums)
        out += drums.chunk();
    return out;
}

} // namespace gen
