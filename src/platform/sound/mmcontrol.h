#pragma once
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class MediaBackend;
class QToolButton;

// The multimedia control: command words ("open", "play", "pause", "stop", "close", in any case), a file
// name, a start position, the Wait option and the Done event, with its own row of device buttons
// (play, pause, stop) that act on the open song.
//
// The Boolean option is Wait: when True, the next command does not return until it has finished (for
// "play", until the song has ended); it applies to that one command and is then False again. The game
// sets it to False, so that "play" returns at once and the song plays on in the background. Done is
// raised whether or not the command waited, so a chosen song that reaches its end is reported and can
// start again.
class MMControl : public QWidget
{
    Q_OBJECT
public:
    MMControl(QWidget *parent, MediaBackend *backend);

    // Carries out a command word at once; unknown words and requests that cannot be carried out (no
    // song open, nothing to pause, nothing to close) change nothing.
    void setCommand(const QString &word);
    void setFileName(const QString &path) { fileName_ = path; }
    // The start position of the next "play", in milliseconds from the start of the song (0 only).
    void setFrom(long position);
    void setWait(bool wait) { wait_ = wait; }
    bool Wait() const { return wait_; }

    // After this many songs in a row could not be opened, the control rests: a further song that
    // cannot be opened is not reported as ended, so that a list of broken songs is tried once
    // round and not again and again. 0: never rests.
    void setRestAfterFailures(int songs) { restAfter_ = songs; }
    // Ends a rest: the player asked for music again.
    void wake() { failures_ = 0; }
    bool resting() const { return restAfter_ > 0 && failures_ >= restAfter_; }
    // True while Done reports a song that could not be played, rather than one that reached its end.
    bool reportingFailure() const { return reportingFailure_; }

    bool isOpen() const { return open_; }
    bool isPlaying() const { return playing_; }

signals:
    // NotifyCode 1: the song started by "play" has run to its end, or a named song could not be opened
    // (it counts as ended at once, but such reports come at most once a second).
    void Done(int notifyCode);

private:
    void play();
    void pause();
    void stop();
    void open();
    void close();
    void onFinished();
    void updateButtons();

    MediaBackend *backend_;
    QString fileName_;
    bool wait_ = false;
    bool open_ = false;
    bool playing_ = false;
    bool fromStart_ = true;
    bool failedOpen_ = false, reportingFailure_ = false;
    int failures_ = 0, restAfter_ = 0;
    QTimer failed_;
    QElapsedTimer sinceFailure_;
    QToolButton *playButton_, *pauseButton_, *stopButton_;
};
