#pragma once
// What the tests share: a temporary program folder with a real library, a song player that writes
// down what it is asked, and the real window built on both and driven with real mouse events.
#include "platform/file_list.h"
#include "platform/media_backend.h"
#include "platform/picture_box.h"
#include "window/form1.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// A stand-in for the song player: every request is written down; a song "opens" when its file exists.
class RecordingBackend : public MediaBackend
{
    Q_OBJECT
public:
    QStringList calls;
    bool open(const QString &path) override;
    void close() override { calls << QStringLiteral("close"); }
    void play(bool fromStart) override { calls << (fromStart ? QStringLiteral("play") : QStringLiteral("resume")); }
    void pause() override { calls << QStringLiteral("pause"); }
    void beep() override { ++beeps; }
    int beeps = 0;
    // The song that is playing reaches its end.
    void end() { emit finished(); }
};

// A temporary program folder: the six frames, and whatever categories and pictures a test adds.
class ProgramFolder
{
public:
    ProgramFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString &relative) const { return dir_.filePath(relative); }
    // Writes a JPEG picture (and, unless told otherwise, a 120 x 90 PNG model) into a category folder.
    void addPicture(const QString &category, const QString &fileName, const QImage &img, bool withModel = true);
    void addFile(const QString &relative, const QByteArray &bytes);
    void addFolder(const QString &relative);
    // Every song of the music menu, each a short well-formed song.
    void addSongs();

private:
    QTemporaryDir dir_;
};

// A picture whose side x side pieces each have a colour of their own.
QImage gridPicture(int w, int h, int side);
// The colour of piece k (1-based) of such a picture.
QColor pieceColour(int k, int side);
// Colours equal but for what JPEG compression and smooth scaling change.
bool similar(const QColor &a, const QColor &b, int tolerance = 24);
QByteArray jpegBytes(const QImage &img, int quality = 90);

// The real window on a program folder, with a song player and the messages shown to the player.
struct Game {
    // The recording stand-in; the real synthesiser playing into silence; or heard, through the
    // sound server that PULSE_SERVER names.
    enum Music { Recorded, Synthesised, Sounding };
    // `playerFolder` stands for the player's own picture folder, beside the library.
    explicit Game(const ProgramFolder &folder, bool start = true, Music music = Recorded,
                  const QString &playerFolder = QString());
    ~Game();
    Form1 &operator*() { return *form; }
    Form1 *operator->() { return form.get(); }

    // Opens "&Images", clicks the category and then the picture, as a player does.
    void choose(const QString &category, const QString &picture);
    bool clickListItem(QListWidget *list, const QString &text);
    QStringList listed(const QListWidget *list) const;
    // Chooses `picture` of category "Test" with 16, 25 or 100 tiles.
    void deal(int tiles, const QString &picture = QStringLiteral("p.jpg"));

    // Carries a tile with the left button so that its top-left corner ends at `corner` (in pixels of
    // the window's surface), with real press, move and release events.
    void drag(PictureBox *tile, QPoint corner);
    // Drops tile k onto cell c.
    void dropOnCell(int k, int c);

    MediaBackend *backend = nullptr;
    RecordingBackend *media = nullptr; // null with the real synthesiser
    QStringList messages;
    std::unique_ptr<Form1> form;
};

// A PulseAudio server of our own with one null sink, as a desktop's sound server stands in for a
// sound card: what is played into it can be listed (pactl) and recorded from its monitor (parec).
class SoundServer
{
public:
    ~SoundServer() { stop(); }
    bool start();
    void stop();
    // Where libpulse finds the server: set it as PULSE_SERVER before the sound output is opened.
    QString address() const { return QStringLiteral("unix:") + dir_.filePath(QStringLiteral("native")); }
    // Runs a PulseAudio client program against this server; its standard output.
    QByteArray client(const QString &program, const QStringList &args, int ms = 10000);

private:
    QTemporaryDir dir_;
    QProcess server_;
};

// A Standard MIDI File of `notes` quarter notes at 120 beats a minute (half a second each).
QByteArray shortSong(int notes, int key = 60);
// The captions of the song menu, which are the songs' file names.
QStringList songNames();
// This process's resident memory, in megabytes.
double residentMB();
// The tiles standing on the board's cells (cell number -> tile number), read from their places.
QMap<int, int> tilesOnCells(Form1 &form);
