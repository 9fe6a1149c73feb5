#include "support.h"

#include "common/songs.h"
#include "generator.h"
#include "platform/fluid_backend.h"
#include "platform/paths.h"

#include <QBuffer>
#include <QFile>
#include <QListWidget>

bool RecordingBackend::open(const QString &path)
{
    calls << "open " + QFileInfo(path).fileName();
    return QFileInfo(paths::resolve(path)).isFile();
}

ProgramFolder::ProgramFolder()
{
    const std::vector<QImage> frames = gen::paintFrames();
    for (size_t i = 0; i < frames.size(); ++i)
        gen::writeGif(frames[i], dir_.filePath(QStringLiteral("frame%1.gif").arg(i + 1)));
}

void ProgramFolder::addFolder(const QString &relative)
{
    QDir(dir_.path()).mkpath(relative);
}

void ProgramFolder::addFile(const QString &relative, const QByteArray &bytes)
{
    addFolder(QFileInfo(relative).path());
    QFile f(dir_.filePath(relative));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void ProgramFolder::addPicture(const QString &category, const QString &fileName, const QImage &img, bool withModel)
{
    addFolder(category + "/model");
    QVERIFY(img.save(dir_.filePath(category + u'/' + fileName), "JPEG", 95));
    if (withModel)
        QVERIFY(img.scaled(120, 90, Qt::KeepAspectRatio)
                    .save(file(category + "/model/" + fileName.chopped(4) + ".mod"), "PNG"));
}

void ProgramFolder::addSongs()
{
    for (const QString &s : songNames())
        addFile(QStringLiteral("Music/%1.mid").arg(s), shortSong(2));
}

QColor pieceColour(int k, int side)
{
    return QColor::fromHsv((k - 1) * 359 / (side * side), 255, k % 2 ? 255 : 170);
}

bool similar(const QColor &a, const QColor &b, int tolerance)
{
    return std::abs(a.red() - b.red()) < tolerance && std::abs(a.green() - b.green()) < tolerance &&
           std::abs(a.blue() - b.blue()) < tolerance;
}

QImage gridPicture(int w, int h, int side)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixelColor(
                x, y,
                pieceColour(std::min(side - 1, y * side / h) * side + std::min(side - 1, x * side / w) + 1, side));
    return img;
}

QByteArray jpegBytes(const QImage &img, int quality)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPEG", quality);
    return bytes;
}

Game::Game(const ProgramFolder &folder, bool start, Music music, const QString &playerFolder)
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

Game::~Game() = default;

bool Game::clickListItem(QListWidget *list, const QString &text)
{
    const auto items = list->findItems(text, Qt::MatchExactly);
    if (items.isEmpty() || !list->isVisible())
        return false;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
    return true;
}

QStringList Game::listed(const QListWidget *list) const
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void Game::choose(const QString &category, const QString &picture)
{
    if (form->List1->isHidden())
        form->files->trigger();
    QVERIFY2(clickListItem(form->List1, category), qPrintable(category));
    QVERIFY2(clickListItem(form->File1, picture), qPrintable(picture));
}

void Game::deal(int tiles, const QString &picture)
{
    form->tessere[tiles == 16 ? 1 : tiles == 25 ? 2 : 3]->trigger();
    choose("Test", picture);
}

void Game::drag(PictureBox *tile, QPoint corner)
{
    QWidget *surface = form->surface;
    const QPoint grab(tile->width() / 3, tile->height() / 3);
    const QPoint start = tile->pos();
    QTest::mousePress(tile, Qt::LeftButton, {}, grab);
    // While the button is held the tile has the mouse: each move is reported in its own coordinates.
    for (int i = 1; i <= 4; ++i)
        QTest::mouseMove(tile, tile->mapFrom(surface, start + (corner - start) * i / 4 + grab));
    // The tile's scale is its template's, a fraction off whole pixels: a last small move puts the
    // corner exactly where it was aimed.
    for (int i = 0; i < 3 && tile->pos() != corner; ++i)
        QTest::mouseMove(tile, grab + (corner - tile->pos()));
    QTest::mouseRelease(tile, Qt::LeftButton, {}, tile->mapFrom(surface, corner + grab));
}

void Game::dropOnCell(int k, int c)
{
    drag(form->Picture2[k], form->Picture1[c]->pos());
}

QMap<int, int> tilesOnCells(Form1 &form)
{
    QMap<int, int> on;
    for (int k = 1; k <= form.TessNum; ++k)
        for (int c = 1; c <= form.TessNum; ++c)
            if (form.Picture2[k]->pos() == form.Picture1[c]->pos())
                on.insert(c, k);
    return on;
}

QByteArray shortSong(int notes, int key)
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

QStringList songNames()
{
    QStringList out;
    for (const char *n : songs::names)
        out << QString::fromLatin1(n);
    return out;
}

double residentMB()
{
    QFile f("/proc/self/statm");
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    return f.readAll().split(' ').value(1).toDouble() * 4096 / (1024 * 1024);
}

bool SoundServer::start()
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

void SoundServer::stop()
{
    server_.terminate();
    server_.waitForFinished(10000);
}

QByteArray SoundServer::client(const QString &program, const QStringList &args, int ms)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PULSE_SERVER", address());
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(ms))
        p.kill(), p.waitForFinished();
    return p.readAllStandardOutput();
}
