#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace picture {

// The most memory a picture may take once decoded, at the scale the game decodes it at: a header may
// claim any size. JPEG pictures are decoded at the reduced size the board needs (by eighths), so that
// a 200-megapixel photo takes a few megabytes, with the coefficients of the whole picture where it is
// coded in several scans (as libjpeg reads the file before decoding it). Other formats are decoded
// whole. A HEIF or AVIF picture is measured from its coded streams (HEVC parameter sets, AV1 sequence
// headers, a grid's own header), not from the sizes the file states, at four bytes a pixel: up to
// about 52 megapixels, the 48- and 50-megapixel photos of today's phones. A grid counts its canvas
// and the tiles decoded at once, a transparency a picture of its own; one whose size its streams do
// not tell is refused as damaged. Grids and 10-bit pictures take a little more than four bytes a
// pixel while decoded: a 48-megapixel grid peaks near 260 MB.
constexpr qint64 decodeBudget = 200 << 20;

// Where a picture is: a file, or data already in memory (a picture pasted from the clipboard).
struct Source {
    static Source file(const QString &path);
    static Source bytes(const QByteArray &data);
    QString path;
    QByteArray data;
    bool inMemory = false;
};

// Decodes a whole picture (format from the content). A null image when it cannot be read; `error`
// says why, in the player's words; `fullSize` receives the picture's own size, upright.
QImage load(const QString &path, QString *error = nullptr, QSize *fullSize = nullptr);

// Decodes a picture so that it is no larger than needed to fill `atLeast` pixels in both directions;
// formats that can (JPEG) decode at a reduced scale directly, which saves time and memory. Photos are
// turned upright as their EXIF orientation, or HEIF's rotation and mirror, say.
QImage loadScaled(const Source &source, QSize atLeast, QString *error = nullptr, QSize *fullSize = nullptr);

} // namespace picture
