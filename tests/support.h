#pragma once
// What the tests share: a temporary program folder with a real library, a song player that writes
// down what it is asked, and the real window built on both and driven with real mouse and touch events.
#include "common/songs.h"
#include "generator.h"
#include "platform/controls/file_list.h"
#include "platform/controls/paths.h"
#include "platform/controls/picture_box.h"
#include "platform/sound/fluid_backend.h"
#include "window/form1.h"

#include <QBuffer>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <libheif/heif.h>
#include <memory>

// A stand-in for the song player: every request is written down; a song "opens" when its file exists.
class RecordingBackend : public MediaBackend
{
public:
    QStringList calls;
    int beeps = 0;
    bool open(const QString &path) override
    {
        calls << "open " + QFileInfo(path).fileName();
        return QFileInfo(paths::resolve(path)).isFile();
    }
    void close() override { calls << QStringLiteral("close"); }
    void play(bool fromStart) override { calls << (fromStart ? QStringLiteral("play") : QStringLiteral("resume")); }
    void pause() override { calls << QStringLiteral("pause"); }
    void beep() override { ++beeps; }
    // The song that is playing reaches its end.
    void end() { emit finished(); }
};

// The captions of the song menu, which are the songs' file names.
inline QStringList songNames()
{
    QStringList out;
    for (const char *n : songs::names)
        out << QString::fromLatin1(n);
    return out;
}

// A Standard MIDI File of `notes` quarter notes at 120 beats a minute (half a second each).
inline QByteArray shortSong(int notes, int key = 60)
{
    QByteArray track("\x00\xff\x51\x03\x07\xa1\x20\x00\xc0\x00", 10);
    for (int i = 0; i < notes; ++i) {
        track.append(QByteArray("\x00\x90", 2)).append(char(key + i % 12)).append(char(0x50));
        track.append(QByteArray("\x83\x60\x80", 3)).append(char(key + i % 12)).append(char(0));
    }
    track.append(QByteArray("\x00\xff\x2f\x00", 4));
    QByteArray b("MThd\0\0\0\x06\0\0\0\x01\x01\xe0MTrk", 18);
    const int n = int(track.size());
    b.append(char(n >> 24)).append(char(n >> 16)).append(char(n >> 8)).append(char(n));
    return b + track;
}

// A temporary program folder: the six frames, and whatever categories and pictures a test adds.
class ProgramFolder
{
public:
    ProgramFolder()
    {
        const std::vector<QImage> frames = gen::paintFrames();
        for (size_t i = 0; i < frames.size(); ++i)
            gen::writeGif(frames[i], dir_.filePath(QStringLiteral("frame%1.gif").arg(i + 1)));
    }
    QString path() const { return dir_.path(); }
    QString file(const QString &relative) const { return dir_.filePath(relative); }
    void addFolder(const QString &relative) { QDir(dir_.path()).mkpath(relative); }
    void addFile(const QString &relative, const QByteArray &bytes)
    {
        addFolder(QFileInfo(relative).path());
        QFile f(dir_.filePath(relative));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Writes a JPEG picture (and, unless told otherwise, a 120 x 90 PNG model) into a category folder.
    void addPicture(const QString &category, const QString &fileName, const QImage &img, bool withModel = true)
    {
        addFolder(category + "/model");
        QVERIFY(img.save(dir_.filePath(category + u'/' + fileName), "JPEG", 95));
        if (withModel)
            QVERIFY(img.scaled(120, 90, Qt::KeepAspectRatio)
                        .save(file(category + "/model/" + fileName.left(fileName.lastIndexOf(u'.')) + ".mod"), "PNG"));
    }
    // Every song of the music menu, each a short well-formed song.
    void addSongs()
    {
        for (const QString &s : songNames())
            addFile(QStringLiteral("Music/%1.mid").arg(s), shortSong(2));
    }

private:
    QTemporaryDir dir_;
};

// The colour of piece k (1-based) of a picture of side x side pieces.
inline QColor pieceColour(int k, int side)
{
    return QColor::fromHsv((k - 1) * 359 / (side * side), 255, k % 2 ? 255 : 170);
}

// A picture whose side x side pieces each have a colour of their own.
inline QImage gridPicture(int w, int h, int side)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixelColor(
                x, y,
                pieceColour(std::min(side - 1, y * side / h) * side + std::min(side - 1, x * side / w) + 1, side));
    return img;
}

// Colours equal but for what JPEG compression and smooth scaling change.
inline bool similar(const QColor &a, const QColor &b, int tolerance = 24)
{
    return std::abs(a.red() - b.red()) < tolerance && std::abs(a.green() - b.green()) < tolerance &&
           std::abs(a.blue() - b.blue()) < tolerance;
}

inline QByteArray jpegBytes(const QImage &img, int quality = 90, const char *format = "JPEG")
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, format, quality);
    return bytes;
}

// The picture as a camera stores it when it must be turned by orientation o (as EXIF numbers them)
// to stand upright.
inline QImage stored(const QImage &upright, int o)
{
    // The inverse of each orientation's turn, as a matrix.
    static const int m[9][4] = {{},           {1, 0, 0, 1},  {-1, 0, 0, 1},  {-1, 0, 0, -1}, {1, 0, 0, -1},
                                {0, 1, 1, 0}, {0, -1, 1, 0}, {0, -1, -1, 0}, {0, 1, -1, 0}};
    return upright.transformed(QTransform(m[o][0], m[o][1], m[o][2], m[o][3], 0, 0));
}

// A HEIC photo as a phone stores it: `upright` stored turned, with the rotation and mirror that
// stand it upright again. A size that the codec cannot take whole is stored as a grid of tiles.
inline QByteArray heifBytes(const QImage &upright, int o = 1)
{
    const QImage img = stored(upright, o).convertToFormat(QImage::Format_RGB888);
    heif_context *context = heif_context_alloc();
    heif_encoder *encoder = nullptr;
    heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder);
    heif_encoder_set_lossy_quality(encoder, 90);
    heif_encoder_set_parameter(encoder, "preset", "ultrafast");
    heif_image *picture = nullptr;
    heif_image_create(img.width(), img.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB, &picture);
    heif_image_add_plane(picture, heif_channel_interleaved, img.width(), img.height(), 8);
    int stride = 0;
    uint8_t *rows = heif_image_get_plane(picture, heif_channel_interleaved, &stride);
    for (int y = 0; y < img.height(); ++y)
        std::memcpy(rows + qsizetype(y) * stride, img.constScanLine(y), size_t(img.width()) * 3);
    heif_encoding_options *options = heif_encoding_options_alloc();
    options->image_orientation = heif_orientation(o);
    heif_context_encode_image(context, picture, encoder, options, nullptr);
    QTemporaryFile file;
    file.open();
    heif_context_write_to_file(context, QFile::encodeName(file.fileName()).constData());
    const QByteArray bytes = file.readAll();
    heif_encoding_options_free(options);
    heif_image_release(picture);
    heif_encoder_release(encoder);
    heif_context_free(context);
    return bytes;
}

// A picture made by a program of the system's (heif-enc, ImageMagick's convert, WebP's img2webp) from
// the pictures given, saved as 1.png, 2.png ...; it writes the file "out".
inline QByteArray made(const QString &program, const QStringList &args, const QList<QImage> &from = {})
{
    QTemporaryDir dir;
    for (int i = 0; i < from.size(); ++i)
        from[i].save(dir.filePath(QStringLiteral("%1.png").arg(i + 1)));
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.start(program, args);
    p.waitForFinished(60000);
    QFile out(dir.filePath("out"));
    return out.open(QIODevice::ReadOnly) ? out.readAll() : QByteArray();
}

// The real window on a program folder, with a song player and the messages shown to the player.
struct Game {
    // The recording stand-in; the real synthesiser playing into silence; or heard, through the
    // sound server that PULSE_SERVER names.
    enum Music { Recorded, Synthesised, Sounding };
    // `playerFolder` stands for the player's own picture folder, beside the library.
    explicit Game(const ProgramFolder &folder, bool start = true, Music music = Recorded,
                  const QString &playerFolder = QString())
    {
        Form1Context context;
        context.programFolder = folder.path();
        context.playerFolder = playerFolder;
        context.randomSeed = 2026;
        if (music == Recorded) {
            auto recording = std::make_unique<RecordingBackend>();
            media = recording.get();
            context.media = std::move(recording);
        } else {
            FluidBackend::Options o;
            o.soundOutput = music == Sounding;
            context.media = std::make_unique<FluidBackend>(o);
        }
        backend = context.media.get();
        context.tell = [this](const QString &m) { messages << m; };
        form = std::make_unique<Form1>(std::move(context));
        if (start)
            form->start();
    }
    Form1 &operator*() { return *form; }
    Form1 *operator->() { return form.get(); }

    bool clickListItem(QListWidget *list, const QString &text)
    {
        const auto items = list->findItems(text, Qt::MatchExactly);
        if (items.isEmpty() || !list->isVisible())
            return false;
        click(list->viewport(), list->visualItemRect(items.first()).center());
        return true;
    }
    QStringList listed(const QListWidget *list) const
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    // Opens "&Images", clicks the category and then the picture, as a player does.
    void choose(const QString &category, const QString &picture)
    {
        if (form->List1->isHidden())
            finger ? pick({form->files}) : form->files->trigger();
        QVERIFY2(clickListItem(form->List1, category), qPrintable(category));
        QVERIFY2(clickListItem(form->File1, picture), qPrintable(picture));
    }
    // Chooses `picture` of category "Test" with 16, 25 or 100 tiles.
    void deal(int tiles, const QString &picture = QStringLiteral("p.jpg"))
    {
        QAction *count = form->tessere[tiles == 16 ? 1 : tiles == 25 ? 2 : 3];
        finger ? pick({form->options->menuAction(), form->ntessere->menuAction(), count}) : count->trigger();
        choose("Test", picture);
    }

    // Set, a finger on a touchscreen clicks and carries for the mouse. In its next carry a second finger may
    // touch here from the first move until after the first is lifted, or the first may rest long before moving.
    QPointingDevice *finger = nullptr;
    std::optional<QPoint> secondFinger;
    bool hold = false;
    // A click of the left button at `at` of `w` (its centre when null), or a tap of the finger.
    void click(QWidget *w, QPoint at = {})
    {
        if (!finger)
            return QTest::mouseClick(w, Qt::LeftButton, {}, at);
        at = at.isNull() ? w->rect().center() : at;
        QTest::touchEvent(w->window(), finger).press(0, at, w);
        QTest::touchEvent(w->window(), finger).release(0, at, w);
    }
    // Opens the menus along `path` from the menu bar, and clicks its last item.
    void pick(std::initializer_list<QAction *> path)
    {
        QWidget *in = form->menuBar();
        for (QAction *a : path) {
            const auto *menu = qobject_cast<QMenu *>(in);
            click(in, (menu ? menu->actionGeometry(a) : form->menuBar()->actionGeometry(a)).center());
            in = a->menu();
        }
    }

    // Carries a tile with the left button or the finger so that its top-left corner ends at `corner` (in
    // pixels of the window's surface), with real press, move and release events.
    void drag(PictureBox *tile, QPoint corner)
    {
        QWidget *surface = form->surface;
        const QPoint grab(tile->width() / 3, tile->height() / 3);
        const QPoint start = tile->pos();
        auto touch = QTest::touchEvent(form.get(), finger, false);
        auto send = [&, n = 0](QTest::MouseAction what, QPoint at) mutable {
            // While the button is held the tile has the mouse: each event is reported in its own coordinates.
            if (!finger)
                return QTest::mouseEvent(what, tile, Qt::LeftButton, {}, tile->mapFrom(surface, at));
            if (secondFinger && n++)
                n == 2 ? touch.press(1, *secondFinger, surface) : touch.stationary(1);
            (what == QTest::MousePress  ? touch.press(0, at, surface)
             : what == QTest::MouseMove ? touch.move(0, at, surface)
                                        : touch.release(0, at, surface))
                .commit();
        };
        send(QTest::MousePress, start + grab);
        const QDeadlineTimer longPress(2 * qApp->styleHints()->mousePressAndHoldInterval());
        QTRY_VERIFY_WITH_TIMEOUT(!hold || longPress.hasExpired(), 20000);
        // The tile's scale is its template's, a fraction off whole pixels: after the four steps, up to three
        // more put the corner exactly where it was aimed.
        for (int i = 1; i <= 7 && (i <= 4 || tile->pos() != corner); ++i)
            send(QTest::MouseMove, start + (corner - start) * std::min(i, 4) / 4 + grab);
        send(QTest::MouseRelease, corner + grab);
        if (finger && secondFinger)
            touch.release(1, *secondFinger, surface).commit();
        secondFinger.reset(), hold = false;
    }
    // Drops tile k onto cell c.
    void dropOnCell(int k, int c) { drag(form->Picture2[k], form->Picture1[c]->pos()); }

    MediaBackend *backend = nullptr;
    RecordingBackend *media = nullptr; // null with the real synthesiser
    QStringList messages;
    std::unique_ptr<Form1> form;
};

// The tiles standing on the board's cells (cell number -> tile number), read from their places.
inline QMap<int, int> tilesOnCells(Form1 &form)
{
    QMap<int, int> on;
    for (int k = 1; k <= form.TessNum; ++k)
        for (int c = 1; c <= form.TessNum; ++c)
            if (form.Picture2[k]->pos() == form.Picture1[c]->pos())
                on.insert(c, k);
    return on;
}

// This process's resident memory, in megabytes.
inline double residentMB()
{
    QFile f("/proc/self/statm");
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    return f.readAll().split(' ').value(1).toDouble() * 4096 / (1024 * 1024);
}

// Sets the kernel's mark of the most memory this process has held back to what it holds now.
inline bool resetPeak()
{
    QFile f("/proc/self/clear_refs");
    return f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && f.write("5") == 1;
}

// The most memory this process has held since resetPeak, in megabytes (VmHWM); -1 if unknown.
inline double peakMB()
{
    QFile f("/proc/self/status");
    const QByteArray status = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    const qsizetype at = status.indexOf("VmHWM:");
    return at < 0 ? -1
                  : status.mid(at + 6, status.indexOf('\n', at) - at - 6).trimmed().split(' ')[0].toDouble() / 1024;
}

// A PulseAudio server of our own with one null sink, as a desktop's sound server stands in for a
// sound card: what is played into it can be listed (pactl) and recorded from its monitor (parec).
class SoundServer
{
public:
    ~SoundServer() { stop(); }
    bool start()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", dir_.path());
        env.insert("PULSE_RUNTIME_PATH", dir_.path());
        server_.setProcessEnvironment(env);
        server_.start("pulseaudio",
                      {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--log-target=stderr", "-L",
                       "module-native-protocol-unix auth-anonymous=1 socket=" + dir_.filePath("native"), "-L",
                       "module-null-sink sink_name=null"});
        return server_.waitForStarted() &&
               QTest::qWaitFor([&] { return client("pactl", {"info"}).contains("null"); }, 15000);
    }
    void stop()
    {
        server_.terminate();
        server_.waitForFinished(10000);
    }
    // Where libpulse finds the server: set it as PULSE_SERVER before the sound output is opened.
    QString address() const { return QStringLiteral("unix:") + dir_.filePath(QStringLiteral("native")); }
    // Starts a PulseAudio client program against this server.
    void startClient(QProcess &p, const QString &program, const QStringList &args) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PULSE_SERVER", address());
        p.setProcessEnvironment(env);
        p.start(program, args);
    }
    // Runs a PulseAudio client program against this server; its standard output.
    QByteArray client(const QString &program, const QStringList &args, int ms = 10000) const
    {
        QProcess p;
        startClient(p, program, args);
        if (!p.waitForFinished(ms))
            p.kill(), p.waitForFinished();
        return p.readAllStandardOutput();
    }

private:
    QTemporaryDir dir_;
    QProcess server_;
};
