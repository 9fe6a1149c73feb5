#include "platform/pictures/heif_boxes.h"

#include <QtEndian>
#include <algorithm>
#include <climits>

namespace heif {

namespace {

// The boxes that follow one another in `in`, as (type, contents); a box that claims more than there
// is ends the list.
Boxes boxes(QByteArrayView in)
{
    Boxes out;
    while (in.size() >= 8) {
        const quint64 size = qFromBigEndian<quint32>(in.data());
        const qsizetype head = size == 1 ? 16 : 8;
        if (in.size() < head)
            break;
        const quint64 whole = size == 0   ? quint64(in.size())
                              : size == 1 ? qFromBigEndian<quint64>(in.data() + 8)
                                          : size;
        if (whole < quint64(head) || whole > quint64(in.size()))
            break;
        out.append({in.sliced(4, 4).toByteArray(), in.sliced(head, qsizetype(whole) - head)});
        in = in.sliced(qsizetype(whole));
    }
    return out;
}

QByteArrayView child(const Boxes &list, const char *type)
{
    for (const auto &[t, contents] : list)
        if (t == type)
            return contents;
    return QByteArrayView();
}

QSize sizeOf(quint64 width, quint64 height)
{
    return QSize(int(std::min<quint64>(width, INT_MAX)), int(std::min<quint64>(height, INT_MAX)));
}

// Big-endian numbers one after another; past the end, zeros, and `over` says so.
struct Reader {
    QByteArrayView in;
    qsizetype at = 0;
    bool over = false;
    quint64 take(int bytes)
    {
        if (bytes > in.size() - at) {
            over = true, at = in.size();
            return 0;
        }
        quint64 v = 0;
        for (const qsizetype end = at + bytes; at < end; ++at)
            v = v << 8 | quint8(in[at]);
        return v;
    }
};

// Bits one after another, each byte's highest first; past the end, zeros, and `over` says so.
struct Bits {
    QByteArrayView in;
    qsizetype at = 0;
    bool over = false;
    quint32 take(int n) // up to 32
    {
        quint64 v = 0;
        for (; n > 0; --n, ++at) {
            if (at >= in.size() * 8) {
                over = true;
                return 0;
            }
            v = v << 1 | ((quint8(in[at / 8]) >> (7 - at % 8)) & 1);
        }
        return quint32(v);
    }
    void skip(int n)
    {
        for (; n > 32; n -= 32)
            take(32);
        take(n);
    }
    // A number in exponential Golomb code, as HEVC and AV1 both write some: past 31 leading zeros the
    // two read on differently, and no picture's parameters need as many.
    quint32 golomb()
    {
        int zeros = 0;
        while (take(1) == 0 && !over)
            if (++zeros > 31) {
                over = true;
                return 0;
            }
        return zeros ? quint32((quint64(1) << zeros) - 1 + take(zeros)) : 0;
    }
};

// An item's data as libheif hands it to the decoder, its pieces (extents) one after another: read as
// one without copying them together, as many tiles may share one large piece.
struct Chain {
    QList<QByteArrayView> pieces;
    qsizetype piece = 0, at = 0;
    quint64 left = 0;
    explicit Chain(const QList<QByteArrayView> &all) : pieces(all)
    {
        for (QByteArrayView p : all)
            left += quint64(p.size());
    }
    // Up to `n` bytes from where reading is, without moving on.
    QByteArray peek(quint64 n) const
    {
        QByteArray out;
        for (qsizetype p = piece, a = at; p < pieces.size() && quint64(out.size()) < n; ++p, a = 0)
            out.append(pieces[p].sliced(a, qsizetype(std::min(quint64(pieces[p].size() - a), n - out.size()))));
        return out;
    }
    void skip(quint64 n)
    {
        n = std::min(n, left);
        left -= n;
        while (n > 0) {
            const quint64 step = std::min(n, quint64(pieces[piece].size() - at));
            n -= step, at += qsizetype(step);
            if (at == pieces[piece].size())
                ++piece, at = 0;
        }
    }
};

// What a coded stream makes, as far as its parameters say before it is decoded: the largest picture
// and how many pictures (the decoder may keep them all). Not `readable` where a parameter set (HEVC)
// or sequence header (AV1) cannot be read, or the stream is too long to look through.
struct Coded {
    QSize largest;
    int pictures = 0;
    bool readable = true;
    void add(QSize s)
    {
        readable &= s.isValid();
        if (area(s) > area(largest))
            largest = s;
    }
};

// The size of the pictures an HEVC sequence parameter set codes (its NAL unit, header included),
// before any cropping; invalid when it cannot be read.
QSize spsSize(QByteArrayView nal)
{
    // Its bits without the bytes that keep them from looking like a start code (00 00 03); the size
    // comes within the first hundred bytes or so.
    QByteArray rbsp;
    for (qsizetype i = 2, zeros = 0; i < nal.size() && rbsp.size() < 256; ++i) {
        if (zeros >= 2 && nal[i] == 3) {
            zeros = 0;
            continue;
        }
        zeros = nal[i] ? 0 : zeros + 1;
        rbsp += nal[i];
    }
    Bits b{rbsp};
    b.skip(4);
    const int subLayers = int(b.take(3)); // beyond the first
    b.skip(1 + 96);                       // the profile, tier and level of the whole
    int skipped = 0;
    for (int i = 0; i < subLayers; ++i) {
        const bool profile = b.take(1), level = b.take(1); // of a sub-layer of its own
        skipped += (profile ? 88 : 0) + (level ? 8 : 0);
    }
    b.skip((subLayers ? 2 * (8 - subLayers) : 0) + skipped);
    b.golomb();          // its number
    if (b.golomb() == 3) // colour at full detail
        b.skip(1);       // in planes of their own or not
    const quint32 width = b.golomb(), height = b.golomb();
    return b.over || subLayers > 6 || !width || !height ? QSize() : sizeOf(width, height);
}

// The largest frame an AV1 sequence header (an OBU's payload) allows; invalid when it cannot be read.
QSize sequenceSize(QByteArrayView obu)
{
    Bits b{obu};
    b.skip(4);       // profile, still picture
    if (b.take(1)) { // a header cut down to a still picture's
        b.skip(5);
    } else {
        bool model = false;
        int delay = 0;
        if (b.take(1)) { // timing
            b.skip(64);
            if (b.take(1))
                b.golomb();
            model = b.take(1);
            if (model) {
                delay = int(b.take(5)) + 1;
                b.skip(32 + 5 + 5);
            }
        }
        const bool display = b.take(1);
        for (int points = int(b.take(5)) + 1; points > 0 && !b.over; --points) {
            b.skip(12);
            if (b.take(5) > 7)
                b.skip(1);
            if (model && b.take(1))
                b.skip(2 * delay + 1);
            if (display && b.take(1))
                b.skip(4);
        }
    }
    const int widthBits = int(b.take(4)) + 1, heightBits = int(b.take(4)) + 1;
    const int width = int(b.take(widthBits)) + 1, height = int(b.take(heightBits)) + 1;
    return b.over ? QSize() : QSize(width, height);
}

// One HEVC NAL unit (its first bytes at least): the size a parameter set gives, or a picture's start.
void hevcUnit(Coded &c, QByteArrayView nal)
{
    if (nal.size() < 3)
        return;
    const int type = quint8(nal[0]) >> 1 & 63, layer = (quint8(nal[0]) & 1) << 5 | quint8(nal[1]) >> 3;
    if (layer) // libde265 leaves the units of other layers alone
        return;
    if (type < 32 && quint8(nal[2]) & 0x80) // the first slice of a picture
        ++c.pictures;
    else if (type == 33)
        c.add(spsSize(nal));
}

// Looks through an HEVC stream as libheif hands it to the decoder: the NAL units of the item's hvcC
// (each after a 2-byte length, in arrays), then its data (each after a 4-byte length). `steps`
// bounds the units looked at, over all streams.
void hevcStream(Coded &c, QByteArrayView hvcC, Chain data, int &steps)
{
    Reader r{hvcC, 22};
    for (quint64 arrays = r.take(1); arrays > 0 && !r.over; --arrays) {
        r.take(1);
        for (quint64 units = r.take(2); units > 0 && !r.over; --units) {
            if (--steps < 0) {
                c.readable = false;
                return;
            }
            const qsizetype length = qsizetype(r.take(2));
            if (length > r.in.size() - r.at)
                break;
            hevcUnit(c, r.in.sliced(r.at, std::min<qsizetype>(length, 258)));
            r.at += length;
        }
    }
    while (data.left >= 4) {
        if (--steps < 0) {
            c.readable = false;
            return;
        }
        const quint32 length = qFromBigEndian<quint32>(data.peek(4).constData());
        data.skip(4);
        if (length > data.left) // libheif hands over nothing then
            return;
        hevcUnit(c, data.peek(std::min<quint64>(length, 258)));
        data.skip(length);
    }
}

// Looks through an AV1 stream as libheif hands it to the decoder, the OBUs of the item's av1C then of
// its data in one: each with its header and its size, or to the end.
void av1Stream(Coded &c, Chain data, int &steps)
{
    while (data.left > 0) {
        if (--steps < 0) {
            c.readable = false;
            return;
        }
        const QByteArray head = data.peek(10);
        const quint8 h = quint8(head[0]);
        qsizetype at = 1 + (h >> 2 & 1);
        quint64 size = 0;
        bool sized = !(h & 2);
        for (int i = 0; !sized && i < 8 && at < head.size(); ++i) {
            const quint8 byte = quint8(head[at++]);
            size |= quint64(byte & 127) << (7 * i);
            sized = !(byte & 128);
        }
        if (!sized || at > head.size()) // the decoder stops there
            return;
        data.skip(quint64(at));
        if (!(h & 2))
            size = data.left;
        if (size > data.left)
            return;
        if ((h >> 3 & 15) == 1)
            c.add(sequenceSize(data.peek(std::min<quint64>(size, 512))));
        else if ((h >> 3 & 15) == 3 || (h >> 3 & 15) == 6) // a frame's header, or a frame
            ++c.pictures;
        data.skip(size);
    }
}

} // namespace

qint64 area(QSize s)
{
    return s.isEmpty() ? 0 : qint64(s.width()) * s.height();
}

QByteArrayView Meta::property(const Item &item, const char *type) const
{
    for (quint32 p : item.properties)
        if (p >= 1 && p <= quint32(properties.size()) && properties[p - 1].first == type)
            return properties[p - 1].second;
    return QByteArrayView();
}

bool Meta::transparency(const Item &item) const
{
    for (quint32 p : item.properties)
        if (p >= 1 && p <= quint32(properties.size()) && properties[p - 1].first == "auxC") {
            const QByteArrayView auxC = properties[p - 1].second,
                                 urn = auxC.sliced(std::min<qsizetype>(4, auxC.size()));
            const QByteArrayView name = urn.first(urn.contains('\0') ? urn.indexOf('\0') : urn.size());
            if (name == "urn:mpeg:mpegB:cicp:systems:auxiliary:alpha" || name == "urn:mpeg:hevc:2015:auxid:1" ||
                name == "urn:mpeg:avc:2015:auxid:1")
                return true;
        }
    return false;
}

qint64 Meta::held(quint32 id, int depth)
{
    // Counts saturate here, beyond any memory and far from overflowing.
    constexpr qint64 beyond = qint64(1) << 48;
    if (const auto k = known.constFind(id); k != known.cend())
        return *k;
    const auto found = items.constFind(id);
    if (crowded || depth > 4 || found == items.cend() || found->unreachable)
        return -1;
    known[id] = -1; // a picture made of itself cannot be told
    const Item &item = *found;
    const auto note = [&](QSize s) {
        largest = area(s) > area(largest) ? s : largest;
        side = std::max({side, s.width(), s.height()});
    };
    qint64 n = -1;
    if (item.type == "hvc1" || item.type == "av01") {
        Coded c;
        if (item.type == "hvc1") {
            hevcStream(c, property(item, "hvcC"), Chain(item.data), steps);
        } else {
            const QByteArrayView av1C = property(item, "av1C");
            av1Stream(c, Chain(QList<QByteArrayView>{av1C.sliced(std::min<qsizetype>(4, av1C.size()))} + item.data),
                      steps);
        }
        if (c.readable && !c.largest.isEmpty()) {
            const qint64 each = std::min(beyond, area(c.largest));
            note(c.largest);
            n = std::min<qint64>(beyond / each, std::max(1, c.pictures)) * each;
        }
    } else if ((item.type == "grid" || item.type == "iovl" || item.type == "iden") && !item.parts.isEmpty()) {
        QSize canvas(0, 0);
        if (item.type != "iden") {
            const QByteArray head = Chain(item.data).peek(20);
            Reader r{head};
            const quint64 version = r.take(1), wide = r.take(1) & 1;
            r.take(item.type == "grid" ? 2 : 8); // its rows and columns, or its background colour
            const quint64 width = r.take(wide ? 4 : 2), height = r.take(wide ? 4 : 2);
            canvas = r.over || (item.type == "iovl" && version) ? QSize() : sizeOf(width, height);
        }
        qint64 part = 0;
        for (qsizetype i = 0; i < item.parts.size() && part >= 0; ++i) {
            const qint64 h = held(item.parts[i], depth + 1);
            part = h < 0 ? -1 : std::max(part, h);
        }
        if (canvas.isValid() && part >= 0) {
            note(canvas);
            n = std::min(beyond, area(canvas)) +
                part * (item.type == "grid" ? std::min<qsizetype>(tilesAtOnce, item.parts.size()) : 1);
        }
    }
    // Its transparency is decoded after it, as a picture of its own: the first one, as libheif takes.
    for (quint32 a : item.auxiliaries)
        if (const auto alpha = items.constFind(a); n >= 0 && alpha != items.cend() && transparency(*alpha)) {
            const qint64 h = held(a, depth + 1);
            n = h < 0 ? -1 : std::min(beyond, n + h);
            break;
        }
    return known[id] = n < 0 ? -1 : std::min(n, beyond);
}

Meta metaOf(QByteArrayView file)
{
    Meta m;
    const QByteArrayView meta = child(boxes(file), "meta");
    if (meta.size() < 4)
        return m;
    const Boxes inMeta = boxes(meta.sliced(4));
    const Boxes inIprp = boxes(child(inMeta, "iprp"));
    m.properties = boxes(child(inIprp, "ipco"));
    // Entries kept, beyond which the file says more than any photo does.
    int room = 1 << 18;
    const auto item = [&](quint32 id) -> Meta::Item & {
        room -= !m.items.contains(id);
        return m.items[id];
    };

    Reader ipma{child(inIprp, "ipma")};
    const bool wide = ipma.take(1), wideIndex = ipma.take(3) & 1;
    for (quint64 entries = ipma.take(4); entries > 0 && !ipma.over && room > 0; --entries) {
        QList<quint32> &properties = item(quint32(ipma.take(wide ? 4 : 2))).properties;
        for (quint64 n = ipma.take(1); n > 0 && !ipma.over && room-- > 0; --n)
            properties << quint32(wideIndex ? ipma.take(2) & 0x7fff : ipma.take(1) & 0x7f);
    }

    const QByteArrayView iinf = child(inMeta, "iinf");
    for (const auto &[type, infe] :
         boxes(iinf.sliced(std::min<qsizetype>(iinf.size(), iinf.isEmpty() || iinf[0] ? 8 : 6)))) {
        Reader r{infe};
        const quint64 version = r.take(1);
        r.take(3);
        const quint32 id = quint32(r.take(version == 3 ? 4 : 2));
        r.take(2);
        // An item's first entry counts, as libheif reads them; one before version 2 gives no type.
        if (type == "infe" && version >= 2 && infe.size() - r.at >= 4 && room > 0 && item(id).type.isEmpty())
            item(id).type = infe.sliced(r.at, 4).toByteArray();
    }

    // Where each item's data lies: in the file, or in `idat`, whose pieces libheif bounds by the box's
    // whole size, header included. Sizes of fields other than 4 and 8 bytes are read as none, as libheif
    // does; it reads an item's first entry only.
    const QByteArrayView idatContents = child(inMeta, "idat");
    const QByteArrayView idat =
        idatContents.data()
            ? QByteArrayView(idatContents.data(), std::min<qsizetype>(idatContents.size() + 16,
                                                                      file.data() + file.size() - idatContents.data()))
            : QByteArrayView();
    Reader iloc{child(inMeta, "iloc")};
    const quint64 version = iloc.take(1);
    iloc.take(3);
    const quint64 sizes = iloc.take(2);
    const auto bytes = [](quint64 size) { return size == 4 || size == 8 ? int(size) : 0; };
    const int offsetBytes = bytes(sizes >> 12 & 15), lengthBytes = bytes(sizes >> 8 & 15),
              baseBytes = bytes(sizes >> 4 & 15), indexBytes = version == 2 ? bytes(sizes & 15) : 0;
    // An extent index in version 1 is read by libheif 1.15 as no field and by later ones as one.
    const bool unclear = version == 1 && (sizes & 15);
    for (quint64 count = iloc.take(version < 2 ? 2 : 4); count > 0 && !iloc.over && room > 0; --count) {
        Meta::Item &it = item(quint32(iloc.take(version < 2 ? 2 : 4)));
        const quint64 method = version ? iloc.take(2) & 15 : 0;
        iloc.take(2); // the file it lies in: libheif reads this one whatever it says
        const quint64 base = iloc.take(baseBytes), extents = iloc.take(2);
        const bool first = !it.located;
        it.located = true;
        it.unreachable |= first && (method > 1 || unclear);
        const QByteArrayView in = method ? idat : file;
        for (quint64 e = 0; e < extents && indexBytes + offsetBytes + lengthBytes && !iloc.over && room > 0; ++e) {
            iloc.take(indexBytes);
            const quint64 offset = iloc.take(offsetBytes), length = iloc.take(lengthBytes);
            const quint64 size = quint64(in.size());
            if (first && length && base <= size && offset <= size - base && length <= size - base - offset) {
                it.data << in.sliced(qsizetype(base + offset), qsizetype(length));
                --room;
            }
        }
    }

    const QByteArrayView iref = child(inMeta, "iref");
    const bool wideIds = !iref.isEmpty() && iref[0];
    for (const auto &[type, reference] : boxes(iref.sliced(std::min<qsizetype>(4, iref.size())))) {
        Reader r{reference};
        const quint32 from = quint32(r.take(wideIds ? 4 : 2));
        for (quint64 n = r.take(2); n > 0 && room > 0; --n, --room) {
            const quint32 to = quint32(r.take(wideIds ? 4 : 2));
            if (r.over)
                break;
            if (type == "dimg")
                item(from).parts << to;
            else if (type == "auxl")
                item(to).auxiliaries << from;
        }
    }
    m.crowded = room <= 0;
    return m;
}

Upright uprightOf(const Meta &meta, quint32 primary)
{
    Upright u;
    for (quint32 index : meta.items.value(primary).properties) {
        if (index < 1 || index > quint32(meta.properties.size()))
            continue;
        const auto &[type, contents] = meta.properties[index - 1];
        if (type == "clap")
            u.crop = true;
        else if (type == "irot" && !contents.isEmpty())
            u.steps << QTransform().rotate(-90.0 * (contents[0] & 3)), u.onItsSide ^= contents[0] & 1;
        else if (type == "imir" && !contents.isEmpty()) // as libheif reads it: 1 left to right, 0 upside down
            u.steps << ((contents[0] & 1) ? QTransform::fromScale(-1, 1) : QTransform::fromScale(1, -1));
    }
    return u;
}

} // namespace heif
