#pragma once
#include <QObject>
#include <QString>

// What plays a song for the multimedia control. The real one synthesises MIDI with FluidSynth; tests
// put a recording one in its place.
class MediaBackend : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~MediaBackend() override = default;

    // Opens a song; false when it cannot be played (missing, unreadable, malformed), and nothing is
    // open then.
    virtual bool open(const QString &path) = 0;
    virtual void close() = 0;
    // Starts the open song from its beginning, or resumes it where it was paused.
    virtual void play(bool fromStart) = 0;
    // Halts the song, keeping its place.
    virtual void pause() = 0;
    // A short signal, heard whether or not a song plays.
    virtual void beep() = 0;

signals:
    // The song that was playing reached its end. Emitted on the backend's own (the window's) thread.
    void finished();
};
