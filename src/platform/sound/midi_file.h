#pragma once
#include <QByteArray>
#include <QString>

// What our own reading of a Standard MIDI File found. Songs are checked with it before they reach the
// synthesiser, so that nothing malformed is ever handed on, and it tells where a song really ends.
struct MidiInfo {
    bool ok = false;
    QString error;
    int format = 0;
    int tracks = 0;
    int division = 0;           // ticks per quarter note
    long long lastNoteTick = 0; // tick of the last note-on or note-off
    double seconds = 0;         // playing time up to the last note
    int notes = 0;              // note-on events with a velocity
};

namespace midi {

constexpr qsizetype maxFileBytes = 8 * 1024 * 1024;
constexpr int maxTracks = 256;
constexpr double maxSeconds = 4 * 3600;

MidiInfo parse(const QByteArray &bytes);

} // namespace midi
