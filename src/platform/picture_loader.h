#pragma once
#include <QImage>
#include <QSize>
#include <QString>

namespace picture {

// The most memory a picture may take once decoded, at the scale the game decodes it at: a header may
// claim any size. JPEG pictures are decoded at the reduced size the board needs (by eighths), so that
// a 200-megapixel photo takes a few megabytes; other formats are decoded whole. HEIF and AVIF
// pictures (decoded whole, four bytes a pixel) may be up to about 52 megapixels: the 48- and
// 50-megapixel photos of today's phones, with the game under 350 MB while one is decoded.
constexpr qint64 decodeBudget = 200 << 20;

// Decodes a whole picture (format from the content). A null image when it cannot be read; `error`
// says why, in the player's words; `fullSize` receives the picture's own size, upright.
QImage load(const QString &path, QString *error = nullptr, QSize *fullSize = nullptr);

// Decodes a picture so that it is no larger than needed to fill `atLeast` pixels in both directions;
// formats that can (JPEG) decode at a reduced scale directly, which saves time and memory. Photos are
// turned upright as their EXIF orientation, or HEIF's rotation and mirror, say.
QImage loadScaled(const QString &path, QSize atLeast, QString *error = nullptr, QSize *fullSize = nullptr);

} // namespace picture
