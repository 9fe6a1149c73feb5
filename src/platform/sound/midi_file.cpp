#include "platform/sound/midi_file.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <vector>

namespace midi {
namespace {

struct Reader {
    const unsigned char *p;
    const unsigned char *end;
    bool failed = false;

    bool has(qsizetype n) const { return end - p >= n; }
    unsigned byte()
    {
        if (!has(1)) {
            failed = true;
            return 0;
        }
        return *p++;
    }
    unsigned be(int n)
    {
        unsigned v = 0;
        for (int i = 0; i < n; ++i)
            v = (v << 8) | byte();
        return v;
    }
    // Variable-length quantity: at most four bytes.
    unsigned vlq()
    {
        unsigned v = 0;
        for (int i = 0; i < 4; ++i) {
            const unsigned b = byte();
            v = (v << 7) | (b & 0x7f);
            if (!(b & 0x80))
                return v;
        }
        failed = true;
        return 0;
    }
};

struct Scan {
    MidiInfo info;
    std::multimap<long long, unsigned> tempos; // tick -> microseconds per quarter note
};

QString scanTrack(Reader r, Scan &s)
{
    long long tick = 0;
    unsigned running = 0;
    bool ended = false;
    while (r.p < r.end && !ended) {
        tick += r.vlq();
        if (tick > (1ll << 31))
            return QStringLiteral("a track runs too long");
        unsigned status = r.byte();
        if (r.failed)
            return QStringLiteral("a track is cut short");
        if (status < 0x80) {
            if (!running)
                return QStringLiteral("a data byte stands where an event must start");
            --r.p;
            status = running;
        }
        if (status == 0xff) {
            const unsigned type = r.byte();
            const unsigned len = r.vlq();
            if (r.failed || !r.has(len))
                return QStringLiteral("a meta event is cut short");
            if (type == 0x51) {
                if (len != 3)
                    return QStringLiteral("a tempo event has the wrong length");
                const unsigned us = (unsigned(r.p[0]) << 16) | (unsigned(r.p[1]) << 8) | r.p[2];
                if (us == 0)
                    return QStringLiteral("a tempo of zero");
                s.tempos.emplace(tick, us);
            }
            if (type == 0x2f)
                ended = true;
            r.p += len;
            running = 0;
        } else if (status == 0xf0 || status == 0xf7) {
            const unsigned len = r.vlq();
            if (r.failed || !r.has(len))
                return QStringLiteral("a system-exclusive message is cut short");
            r.p += len;
            running = 0;
        } else if (status >= 0xf0) {
            return QStringLiteral("a system message that has no place in a file");
        } else {
            const unsigned kind = status & 0xf0;
            const int n = (kind == 0xc0 || kind == 0xd0) ? 1 : 2;
            unsigned d[2] = {0, 0};
            for (int i = 0; i < n; ++i) {
                d[i] = r.byte();
                if (r.failed)
                    return QStringLiteral("a channel message is cut short");
                if (d[i] & 0x80)
                    return QStringLiteral("a channel message with a bad data byte");
            }
            running = status;
            if (kind == 0x90 || kind == 0x80) {
                s.info.lastNoteTick = std::max(s.info.lastNoteTick, tick);
                if (kind == 0x90 && d[1] > 0)
                    ++s.info.notes;
            }
        }
    }
    return QString();
}

double seconds(const Scan &s, long long upTo)
{
    double sec = 0;
    long long at = 0;
    unsigned us = 500000;
    for (const auto &[tick, tempo] : s.tempos) {
        if (tick >= upTo)
            break;
        sec += double(tick - at) * us / 1e6 / s.info.division;
        at = tick;
        us = tempo;
    }
    return sec + double(upTo - at) * us / 1e6 / s.info.division;
}

Scan scan(const QByteArray &bytes)
{
    Scan s;
    MidiInfo &info = s.info;
    auto fail = [&](const QString &why) {
        info.ok = false;
        info.error = why;
        return s;
    };
    if (bytes.size() > maxFileBytes)
        return fail(QStringLiteral("the file is too large for a song"));
    Reader r{reinterpret_cast<const unsigned char *>(bytes.constData()),
             reinterpret_cast<const unsigned char *>(bytes.constData()) + bytes.size()};
    if (!r.has(14) || std::string_view(reinterpret_cast<const char *>(r.p), 4) != "MThd")
        return fail(QStringLiteral("not a MIDI file"));
    r.p += 4;
    const unsigned hlen = r.be(4);
    if (hlen < 6 || !r.has(hlen))
        return fail(QStringLiteral("the header is damaged"));
    const unsigned char *afterHeader = r.p + hlen;
    info.format = int(r.be(2));
    info.tracks = int(r.be(2));
    const unsigned division = r.be(2);
    r.p = afterHeader;
    if (info.format > 1)
        return fail(QStringLiteral("MIDI format %1 is not played").arg(info.format));
    if (info.tracks < 1 || info.tracks > maxTracks || (info.format == 0 && info.tracks != 1))
        return fail(QStringLiteral("a wrong number of tracks"));
    if (division == 0 || (division & 0x8000))
        return fail(QStringLiteral("an unsupported time division"));
    info.division = int(division);
    int found = 0;
    while (found < info.tracks) {
        if (!r.has(8))
            return fail(QStringLiteral("the file is cut short"));
        const std::string_view id(reinterpret_cast<const char *>(r.p), 4);
        r.p += 4;
        const unsigned len = r.be(4);
        if (!r.has(len))
            return fail(QStringLiteral("a track is cut short"));
        if (id == "MTrk") {
            const QString why = scanTrack(Reader{r.p, r.p + len}, s);
            if (!why.isEmpty())
                return fail(why);
            ++found;
        }
        r.p += len;
    }
    info.seconds = seconds(s, info.lastNoteTick);
    if (info.seconds > maxSeconds)
        return fail(QStringLiteral("the song is too long"));
    info.ok = true;
    return s;
}

} // namespace

MidiInfo parse(const QByteArray &bytes)
{
    return scan(bytes).info;
}

} // namespace midi
