#pragma once
// HEIF pictures (the .heic photos of phones, .heif) and AVIF pictures, read with libheif: the primary
// picture whole, a grid of tiles included, turned and mirrored as the file says, 8 bits a channel.
// Auxiliary pictures (depth maps, gain maps) and thumbnails are left alone.
#include <QByteArrayView>
#include <QIODevice>
#include <QImage>
#include <QString>
#include <functional>

namespace heif {

// Whether a file's first bytes say it is a HEIF or AVIF file, whatever its name.
bool recognises(QByteArrayView head);

// Reads the primary picture. `sizeFor` is asked, with its upright size, what size to give it: it is
// decoded whole and scaled to that size, or not decoded at all when the size is invalid. Where its
// decode holds more (a stream coded larger than the file states, a grid's tiles), it is asked that
// too, as a size of as many pixels. A null image when the file cannot be read (`error` says why, in
// the player's words) or was not decoded.
QImage read(QIODevice &device, const std::function<QSize(QSize)> &sizeFor, QString *error);

} // namespace heif
