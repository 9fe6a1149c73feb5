#pragma once
// HEIF pictures (the .heic photos of phones, .heif) and AVIF pictures, read with libheif: the primary
// picture whole, a grid of tiles included, turned and mirrored as the file says, 8 bits a channel.
// Auxiliary pictures (depth maps, gain maps) and thumbnails are left alone.
#include <QImage>
#include <QString>
#include <functional>

namespace heif {

// Whether the file's first bytes say it is a HEIF or AVIF file, whatever its name.
bool recognises(const QString &path);

// Reads the primary picture. `sizeFor` is asked first, with its upright size, what size to give it:
// it is decoded whole and scaled to that size, or not decoded at all when the size is invalid. A null
// image when the file cannot be read (`error` says why, in the player's words) or was not decoded.
QImage read(const QString &path, const std::function<QSize(QSize)> &sizeFor, QString *error);

} // namespace heif
