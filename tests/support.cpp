#include "support.h"

#include "generator.h"
#include "platform/file_list.h"
#include "platform/paths.h"

#include <QFile>
#include <QListWidget>

bool RecordingBackend::open(const QString &path)
{
    calls << QStringLiteral("open ") + QFileInfo(path).fileName();
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
    addFolder(category + QStringLiteral("/model"));
    QVERIFY(img.save(dir_.filePath(category + u'/' + fileName), "JPEG", 95));
    if (withModel)
        QVERIFY(img.scaled(120, 90, Qt::KeepAspectRatio)
                    .save(dir_.filePath(category + QStringLiteral("/model/") + fileName.chopped(4) +
                                        QStringLiteral(".mod")),
                          "PNG"));
}

QColor pieceColour(int k, int side)
{
    const int n = side * side;
    return QColor::fromHsv((k - 1) * 359 / n, 255, k % 2 ? 255 : 170);
}

bool similar(const QColor &a, const QColor &b, int tolerance)
{
    return std::abs(a.red() - b.red()) < tolerance && std::abs(a.green() - b.green()) < tolerance &&
           std::abs(a.blue() - b.blue()) < tolerance;
}

QImage gridPicture(int w, int h, int side)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::black);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int c = std::min(side - 1, x * side / w), r = std::min(side - 1, y * side / h);
            img.setPixelColor(x, y, pieceColour(r * side + c + 1, side));
        }
    return img;
}

Game::Game(const ProgramFolder &folder, bool start)
{
    Form1Context context;
    context.programFolder = folder.path();
    auto backend = std::make_unique<RecordingBackend>();
    media = backend.get();
    context.media = std::move(backend);
    context.beep = [this] { ++beeps; };
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
    const QRect r = list->visualItemRect(items.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    return true;
}

void Game::choose(const QString &category, const QString &picture)
{
    if (form->List1->isHidden())
        form->files->trigger();
    QVERIFY2(clickListItem(form->List1, category), qPrintable(category));
    QVERIFY2(clickListItem(form->File1, picture), qPrintable(picture));
}

void Game::drag(PictureBox *tile, QPoint corner, int steps)
{
    QWidget *surface = form->surface;
    const QPoint grab(tile->width() / 3, tile->height() / 3);
    const QPoint start = tile->pos();
    QTest::mousePress(tile, Qt::LeftButton, {}, grab);
    // While the button is held the tile has the mouse: each move is reported in its own coordinates.
    for (int i = 1; i <= steps; ++i) {
        const QPoint at = start + (corner - start) * i / steps + grab;
        QTest::mouseMove(tile, tile->mapFrom(surface, at));
    }
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
    return {"inds_01", "inds_02",  "inds_03",  "inds_04", "inds_05",
            "inds_06", "M01oejjd", "Gd_vibes", "Scopa",   "Sevilana"};
}

double residentMB()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    return f.readAll().split(' ').value(1).toDouble() * 4096 / (1024 * 1024);
}
