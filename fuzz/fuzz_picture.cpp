// Any bytes as a picture, cut into any number of tiles: the picture clip must read what it can,
// refuse the rest, and never cut outside the picture.
#include "platform/pictures/picture_clip.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_picture";
    static char *argv[] = {name, nullptr};
    static QGuiApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    if (size < 1)
        return 0;
    // The first byte chooses the tiles per side (1 ... 16) and the detail wanted.
    const int side = 1 + data[0] % 16;
    const int tile = 8 + (data[0] >> 4) * 4;
    // Inputs of odd length are read from a file, the others from memory: the readers take different
    // ways through the two.
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input.jpg"));
    QFile file(path);
    if (size % 2 && (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()))
        return 0;
    file.close();
    PictureClip clip;
    if (!clip.load(size % 2 ? picture::Source::file(path) : picture::Source::bytes(bytes),
                   QSize(side * tile, side * tile)))
        return 0;
    clip.ClipWidth = clip.Width() / side;
    clip.ClipHeight = clip.Height() / side;
    clip.StretchX = clip.StretchY = tile;
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c) {
            clip.ClipX = c * clip.ClipWidth;
            clip.ClipY = r * clip.ClipHeight;
            const QImage piece = clip.Clip();
            if (!piece.isNull() && piece.size() != QSize(tile, tile))
                __builtin_trap();
        }
    return 0;
}
