#pragma once
// A HEIC photo stored as phones store theirs: a grid of 512 x 512 tiles, each coded on its own, that
// together make the picture, with the rotation that stands it upright. libheif writes no such grid
// itself; its tiles are coded with libheif, and the file around them is written here.
#include "support.h"
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <cstring>

namespace grid {

inline QByteArray u16(int v)
{
    QByteArray b(2, 0);
    qToBigEndian(quint16(v), b.data());
    return b;
}
inline QByteArray u32(quint32 v)
{
    QByteArray b(4, 0);
    qToBigEndian(v, b.data());
    return b;
}
inline QByteArray box(const char *type, const QByteArray &payload)
{
    return u32(quint32(8 + payload.size())) + QByteArray(type, 4) + payload;
}
inline QByteArray fullBox(const char *type, int version, int flags, const QByteArray &payload)
{
    return box(type, u32(quint32(version << 24 | flags)) + payload);
}

// The whole of the first box of a type, and the payload of the first box of another.
inline QByteArray find(const QByteArray &file, const char *type, bool whole)
{
    const qsizetype at = file.indexOf(QByteArray(type, 4));
    if (at < 4)
        return QByteArray();
    const quint32 size = qFromBigEndian<quint32>(file.constData() + at - 4);
    return whole ? file.mid(at - 4, size) : file.mid(at + 4, size - 8);
}

// One tile coded alone, as the test's own HEIC photos are: its decoder configuration (the hvcC box)
// and its coded data.
inline void codeTile(const QImage &tile, QByteArray &config, QByteArray &data)
{
    const QByteArray file = heifBytes(tile);
    config = find(file, "hvcC", true);
    data = find(file, "mdat", false);
}

// `upright`, stored turned by `quarters` quarter turns clockwise, as a grid of 512 x 512 tiles with the
// rotation (irot) that turns it back.
inline QByteArray heic(const QImage &upright, int quarters)
{
    const QImage stored = upright.transformed(QTransform().rotate(90.0 * quarters));
    const int side = 512, columns = (stored.width() + side - 1) / side, rows = (stored.height() + side - 1) / side;
    const int tiles = columns * rows;
    QByteArray config, mdat;
    QList<QByteArray> data;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            QImage tile(side, side, QImage::Format_RGB32);
            tile.fill(Qt::black);
            QPainter(&tile).drawImage(0, 0, stored, c * side, r * side, side, side);
            QByteArray tileConfig, tileData;
            codeTile(tile, tileConfig, tileData);
            if (config.isEmpty())
                config = tileConfig;
            data << tileData;
        }
    // Item 1 is the grid; items 2 ... are its tiles, hidden.
    QByteArray infe, iloc, dimg = u16(1) + u16(tiles), ipma;
    infe += fullBox("infe", 2, 0, u16(1) + u16(0) + QByteArray("grid") + QByteArray(1, 0));
    for (int i = 0; i < tiles; ++i) {
        infe += fullBox("infe", 2, 1, u16(2 + i) + u16(0) + QByteArray("hvc1") + QByteArray(1, 0));
        dimg += u16(2 + i);
    }
    const QByteArray descriptor =
        QByteArray(2, 0) + char(rows - 1) + char(columns - 1) + u16(stored.width()) + u16(stored.height());
    // Properties: 1 the tiles' configuration, 2 their size, 3 the picture's size, 4 the rotation.
    const int rotation = quarters % 4; // in quarter turns anticlockwise
    const QByteArray ipco =
        box("ipco", config + fullBox("ispe", 0, 0, u32(side) + u32(side)) +
                        fullBox("ispe", 0, 0, u32(quint32(stored.width())) + u32(quint32(stored.height()))) +
                        box("irot", QByteArray(1, char(rotation))));
    ipma += u16(1) + char(2) + char(3) + char(0x80 | 4);
    for (int i = 0; i < tiles; ++i)
        ipma += u16(2 + i) + char(2) + char(0x80 | 1) + char(2);
    // The file: ftyp, meta, then mdat with the tiles' data one after another. iloc's offsets are
    // counted from the file's start, so meta is written twice: once to learn its size.
    const QByteArray ftyp = box("ftyp", QByteArray("heic") + u32(0) + QByteArray("mif1heic"));
    const auto meta = [&](quint32 dataStart) {
        QByteArray items =
            u16(1 + tiles) + u16(1) + u16(1) /* idat */ + u16(0) + u16(1) + u32(0) + u32(quint32(descriptor.size()));
        quint32 at = dataStart;
        for (int i = 0; i < tiles; ++i) {
            items += u16(2 + i) + u16(0) + u16(0) + u16(1) + u32(at) + u32(quint32(data[i].size()));
            at += quint32(data[i].size());
        }
        return fullBox("meta", 0, 0,
                       fullBox("hdlr", 0, 0, u32(0) + QByteArray("pict") + QByteArray(12, 0) + QByteArray(1, 0)) +
                           fullBox("pitm", 0, 0, u16(1)) + fullBox("iloc", 1, 0, QByteArray("\x44\x00", 2) + items) +
                           fullBox("iinf", 0, 0, u16(1 + tiles) + infe) + fullBox("iref", 0, 0, box("dimg", dimg)) +
                           box("iprp", ipco + fullBox("ipma", 0, 0, u32(quint32(1 + tiles)) + ipma)) +
                           box("idat", descriptor));
    };
    const quint32 start = quint32(ftyp.size() + meta(0).size() + 8);
    for (const QByteArray &d : data)
        mdat += d;
    return ftyp + meta(start) + box("mdat", mdat);
}

} // namespace grid
