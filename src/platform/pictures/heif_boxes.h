#pragma once
// What a HEIF or AVIF file's own boxes say of its primary picture before anything is decoded: how it
// is to be stood upright, and how much its decode holds, measured from its coded streams (HEVC
// parameter sets, AV1 sequence headers, a grid's own header) rather than from the sizes the file states.
#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QSize>
#include <QTransform>
#include <utility>

namespace heif {

using Boxes = QList<std::pair<QByteArray, QByteArrayView>>;

qint64 area(QSize s);

// What the file's `meta` box says of its items, as far as the game reads it: each one's type,
// properties (by their place in `properties`, from 1), data, the pictures it is made of (`dimg`) and
// the auxiliary ones made for it (`auxl`). `crowded` when it says more than any photo needs.
struct Meta {
    struct Item {
        QByteArray type;
        QList<quint32> properties, parts, auxiliaries;
        QList<QByteArrayView> data;
        bool located = false, unreachable = false; // in `iloc`; some data where libheif does not read it
    };
    Boxes properties;
    QHash<quint32, Item> items;
    bool crowded = false;

    QByteArrayView property(const Item &item, const char *type) const;
    // Whether an auxiliary picture is a transparency (alpha), which libheif decodes with the picture.
    bool transparency(const Item &item) const;

    // What decoding an item holds at once, in pixels: its pictures as coded; or the canvas a grid or
    // overlay is composed on, with what it is composed of (a grid's tiles `tilesAtOnce` at a time);
    // then its transparency. -1 when that cannot be told before decoding. The largest picture and the
    // longest side among them are noted.
    static constexpr int tilesAtOnce = 4;
    QSize largest;
    int side = 0, steps = 1 << 20;
    QHash<quint32, qint64> known;
    qint64 held(quint32 id, int depth = 0);
};

Meta metaOf(QByteArrayView file);

// What the file asks of its primary picture to stand it upright, in its own order: quarter turns
// anticlockwise (irot) and mirrors (imir), here as transforms of the picture as stored. `crop` when
// it also asks to be cut (clap): libheif then does it all.
struct Upright {
    QList<QTransform> steps;
    bool onItsSide = false, crop = false;
};

Upright uprightOf(const Meta &meta, quint32 primary);

} // namespace heif
