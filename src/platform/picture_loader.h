#pragma once
#include <QImage>
#include <QSize>
#include <QString>

namespace picture {

// What the loader found out about a file before decoding it.
struct Probe {
    bool ok = false;
    QSize size;    // the picture's own size in pixels, upright as its EXIF orientation says
    QString error; // why it cannot be read, in the player's words
};

// Largest picture, in pixels, that the game agrees to read: a header may claim anything. JPEG
// pictures are decoded at the reduced size the board needs; other formats only whole.
constexpr qint64 maxPixels = 150'000'000;
constexpr qint64 maxPixelsWhole = 40'000'000;

// Reads the header only; the format is decided from the content, never from the file's extension.
Probe probe(const QString &path);

// Decodes a whole picture (format from the content). A null image when it cannot be read; `fullSize`
// receives the picture's own size.
QImage load(const QString &path, QString *error = nullptr, QSize *fullSize = nullptr);

// Decodes a picture so that it is no larger than needed to fill `atLeast` pixels in both directions;
// formats that can (JPEG) decode at a reduced scale directly, which saves time and memory.
QImage loadScaled(const QString &path, QSize atLeast, QString *error = nullptr, QSize *fullSize = nullptr);

} // namespace picture
