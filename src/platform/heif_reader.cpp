#include "platform/heif_reader.h"

#include <QCoreApplication>
#include <QFile>
#include <QTransform>
#include <QtEndian>
#include <libheif/heif.h>
#include <memory>
#include <vector>

namespace heif {

namespace {

struct Free {
    void operator()(heif_context *c) const { heif_context_free(c); }
    void operator()(heif_image_handle *h) const { heif_image_handle_release(h); }
    void operator()(heif_image *i) const { heif_image_release(i); }
    void operator()(heif_decoding_options *o) const { heif_decoding_options_free(o); }
};
template <typename T> using Owned = std::unique_ptr<T, Free>;

QString damaged()
{
    return QCoreApplication::translate("Picture", "it is damaged");
}

// The boxes that follow one another in `in`, as (type, contents); a box that claims more than there
// is ends the list.
QList<std::pair<QByteArray, QByteArrayView>> boxes(QByteArrayView in)
{
    QList<std::pair<QByteArray, QByteArrayView>> out;
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

QByteArrayView child(const QList<std::pair<QByteArray, QByteArrayView>> &list, const char *type)
{
    for (const auto &[t, contents] : list)
        if (t == type)
            return contents;
    return QByteArrayView();
}

// What the file asks of its primary picture to stand it upright, in its own order: quarter turns
// anticlockwise (irot) and mirrors (imir), here as transforms of the picture as stored. `crop` when
// it also asks to be cut (clap): libheif then does it all.
struct Upright {
    QList<QTransform> steps;
    bool onItsSide = false, crop = false;
};

Upright uprightOf(QByteArrayView file)
{
    Upright u;
    const QByteArrayView meta = child(boxes(file), "meta");
    if (meta.size() < 4)
        return u;
    const auto inMeta = boxes(meta.sliced(4));
    const QByteArrayView pitm = child(inMeta, "pitm"), iprp = child(inMeta, "iprp");
    const auto properties = boxes(child(boxes(iprp), "ipco"));
    const QByteArrayView ipma = child(boxes(iprp), "ipma");
    if (pitm.size() < (pitm.isEmpty() || pitm[0] ? 8 : 6) || ipma.size() < 8)
        return u;
    const bool wide = ipma[0] != 0, wideIndex = ipma[3] & 1; // version 1, flag 1
    const quint32 primary =
        pitm[0] ? qFromBigEndian<quint32>(pitm.data() + 4) : qFromBigEndian<quint16>(pitm.data() + 4);
    qsizetype at = 8;
    const auto take = [&](int bytes) -> quint32 {
        const qsizetype from = at;
        at += bytes;
        return at > ipma.size() ? 0
               : bytes == 1     ? quint8(ipma[from])
               : bytes == 2     ? qFromBigEndian<quint16>(ipma.data() + from)
                                : qFromBigEndian<quint32>(ipma.data() + from);
    };
    for (quint32 entries = qFromBigEndian<quint32>(ipma.data() + 4); entries > 0 && at < ipma.size(); --entries) {
        const quint32 item = take(wide ? 4 : 2);
        for (quint32 n = take(1); n > 0 && at <= ipma.size(); --n) {
            const quint32 index = wideIndex ? take(2) & 0x7fff : take(1) & 0x7f;
            if (item != primary || index < 1 || index > quint32(properties.size()))
                continue;
            const auto &[type, contents] = properties[index - 1];
            if (type == "clap")
                u.crop = true;
            else if (type == "irot" && !contents.isEmpty())
                u.steps << QTransform().rotate(-90.0 * (contents[0] & 3)), u.onItsSide ^= contents[0] & 1;
            else if (type == "imir" && !contents.isEmpty()) // as libheif reads it: 1 left to right, 0 upside down
                u.steps << ((contents[0] & 1) ? QTransform::fromScale(-1, 1) : QTransform::fromScale(1, -1));
        }
    }
    return u;
}

// How the picture's own colours (YCbCr, as phones code them) become RGB: the weights of red and blue
// in the brightness, BT.601 where the file says nothing, as libheif takes it.
struct Colours {
    bool known = true, full = true;
    double kr = 0.299, kb = 0.114;
};

Colours coloursOf(const heif_image *image)
{
    Colours c;
    heif_color_profile_nclx *nclx = nullptr;
    if (heif_image_get_nclx_color_profile(image, &nclx).code || !nclx)
        return c;
    c.full = nclx->full_range_flag;
    switch (nclx->matrix_coefficients) {
    case heif_matrix_coefficients_ITU_R_BT_709_5: c.kr = 0.2126, c.kb = 0.0722; break;
    case heif_matrix_coefficients_ITU_R_BT_2020_2_non_constant_luminance: c.kr = 0.2627, c.kb = 0.0593; break;
    case heif_matrix_coefficients_unspecified:
    case heif_matrix_coefficients_ITU_R_BT_470_6_System_B_G:
    case heif_matrix_coefficients_ITU_R_BT_601_6: break;
    default: c.known = false;
    }
    heif_nclx_color_profile_free(nclx);
    return c;
}

// Makes the picture, decoded as YCbCr with colour at half the detail both ways (4:2:0, as phones code
// their photos), at 8 to 16 bits, `factor` times smaller and RGB in one pass: each pixel the mean of a
// block of factor x factor, so that the picture is never held whole in RGB. The few pixels past the
// last whole block are left out. A null picture for colours of another kind.
QImage shrink(const heif_image *image, int factor)
{
    const Colours colours = coloursOf(image);
    const int bits = heif_image_get_bits_per_pixel_range(image, heif_channel_Y);
    struct Plane {
        const uint8_t *data = nullptr;
        int stride = 0;
    } y, cb, cr;
    y.data = heif_image_get_plane_readonly(image, heif_channel_Y, &y.stride);
    cb.data = heif_image_get_plane_readonly(image, heif_channel_Cb, &cb.stride);
    cr.data = heif_image_get_plane_readonly(image, heif_channel_Cr, &cr.stride);
    const QSize size(heif_image_get_width(image, heif_channel_Y), heif_image_get_height(image, heif_channel_Y));
    // The colour planes as deep as brightness's, and half its size both ways, rounded up.
    for (heif_channel c : {heif_channel_Cb, heif_channel_Cr})
        if (heif_image_get_bits_per_pixel_range(image, c) != bits ||
            heif_image_get_width(image, c) < (size.width() + 1) / 2 ||
            heif_image_get_height(image, c) < (size.height() + 1) / 2)
            return QImage();
    if (!colours.known || bits < 8 || bits > 16 || !y.data || !cb.data || !cr.data || size.isEmpty() ||
        heif_image_get_chroma_format(image) != heif_chroma_420)
        return QImage();
    // The mean of a plane over the block of output pixel (ox, oy), on a plane `sub` times smaller than
    // the picture both ways: at least one of its samples.
    const auto mean = [&](const Plane &p, int ox, int oy, int sub) {
        const int x0 = ox * factor / sub, x1 = std::max(x0 + 1, (ox + 1) * factor / sub);
        const int y0 = oy * factor / sub, y1 = std::max(y0 + 1, (oy + 1) * factor / sub);
        double sum = 0;
        for (int row = y0; row < y1; ++row) {
            const uint8_t *line = p.data + qsizetype(row) * p.stride;
            for (int x = x0; x < x1; ++x)
                sum += bits == 8 ? line[x] : reinterpret_cast<const uint16_t *>(line)[x];
        }
        return sum / ((x1 - x0) * (y1 - y0));
    };
    QImage out(size.width() / factor, size.height() / factor, QImage::Format_RGB32);
    // One level of 8 bits in the planes' own levels, in full range or in the video range (brightness
    // 16 to 235 and colour 16 to 240 in 8 bits).
    const double k = 1 << (bits - 8), middle = 128 * k, yFloor = colours.full ? 0 : 16 * k;
    const double yUnit = colours.full ? ((1 << bits) - 1) / 255.0 : 219 * k / 255,
                 cUnit = colours.full ? yUnit : 224 * k / 255;
    const double kg = 1 - colours.kr - colours.kb;
    const auto level = [](double v) { return int(std::clamp(v, 0.0, 255.0) + 0.5); };
    for (int oy = 0; oy < out.height(); ++oy) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(oy));
        for (int ox = 0; ox < out.width(); ++ox) {
            const double l = (mean(y, ox, oy, 1) - yFloor) / yUnit, b = (mean(cb, ox, oy, 2) - middle) / cUnit,
                         r = (mean(cr, ox, oy, 2) - middle) / cUnit;
            line[ox] =
                qRgb(level(l + 2 * (1 - colours.kr) * r),
                     level(l - 2 * colours.kb * (1 - colours.kb) / kg * b - 2 * colours.kr * (1 - colours.kr) / kg * r),
                     level(l + 2 * (1 - colours.kb) * b));
        }
    }
    return out;
}

} // namespace

bool recognises(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(64);
    return heif_check_filetype(reinterpret_cast<const uint8_t *>(head.constData()), int(head.size())) !=
           heif_filetype_no;
}

QImage read(const QString &path, const std::function<QSize(QSize)> &sizeFor, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return QImage();
    };
    // Phones' photos take a few megabytes; a file of more than 256 MB is no photo to play.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QCoreApplication::translate("Picture", "it cannot be read"));
    if (file.size() > (qint64(1) << 28))
        return fail(QCoreApplication::translate("Picture", "the file is too large"));
    const QByteArray bytes = file.readAll();
    const Owned<heif_context> context(heif_context_alloc());
    if (!context ||
        heif_context_read_from_memory_without_copy(context.get(), bytes.constData(), size_t(bytes.size()), nullptr)
            .code)
        return fail(damaged());
    heif_image_handle *primary = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &primary).code || !primary)
        return fail(QCoreApplication::translate("Picture", "it holds no picture"));
    const Owned<heif_image_handle> handle(primary);
    // The picture as shown, and as coded: it may be cut from a larger one, turned a quarter or not.
    const QSize size(heif_image_handle_get_width(primary), heif_image_handle_get_height(primary)),
        coded(heif_image_handle_get_ispe_width(primary), heif_image_handle_get_ispe_height(primary));
    if (size.isEmpty())
        return fail(damaged());
    if (qint64(coded.width()) * coded.height() > qint64(size.width()) * size.height() && !sizeFor(coded).isValid())
        return QImage();
    const QSize wanted = sizeFor(size);
    if (!wanted.isValid())
        return QImage();
    // Decoded in its own colours and made smaller and RGB in one pass: a 48-megapixel photo then never
    // takes more than its coded planes. The picture is turned upright once it is small: libheif would
    // turn it whole, in a second copy. A picture with transparency, or in colours of another kind, is
    // made RGB by libheif.
    const bool alpha = heif_image_handle_has_alpha_channel(primary);
    const Upright upright = uprightOf(bytes);
    // Where what libheif reads of the turns differs from ours, libheif does them.
    const bool turned = coded != size && coded.transposed() == size;
    const Owned<heif_decoding_options> options(heif_decoding_options_alloc());
    options->ignore_transformations = !upright.crop && turned == upright.onItsSide;
    const QSize stored = options->ignore_transformations && upright.onItsSide ? wanted.transposed() : wanted;
    QImage out;
    Owned<heif_image> image;
    heif_error decoding{};
    const auto decode = [&](heif_colorspace space, heif_chroma chroma) {
        heif_image *decoded = nullptr;
        decoding = heif_decode_image(primary, &decoded, space, chroma, options.get());
        image.reset(decoding.code ? nullptr : decoded);
    };
    if (!alpha) {
        decode(heif_colorspace_YCbCr, heif_chroma_420);
        const QSize got =
            image ? QSize(heif_image_get_primary_width(image.get()), heif_image_get_primary_height(image.get()))
                  : QSize();
        if (!got.isEmpty())
            out = shrink(image.get(),
                         std::max(1, std::min(got.width() / stored.width(), got.height() / stored.height())));
    }
    if (out.isNull() && (alpha || !decoding.code)) {
        image.reset();
        options->convert_hdr_to_8bit = 1;
        decode(heif_colorspace_RGB, alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB);
    }
    if (decoding.code == heif_error_Unsupported_feature)
        return fail(QCoreApplication::translate("Picture", "it is of a kind the game cannot read"));
    if (decoding.code || !image)
        return fail(damaged());
    if (out.isNull()) {
        int stride = 0;
        const uint8_t *pixels = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
        const QSize whole(heif_image_get_primary_width(image.get()), heif_image_get_primary_height(image.get()));
        if (!pixels || whole.isEmpty())
            return fail(damaged());
        const QImage view(pixels, whole.width(), whole.height(), stride,
                          alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
        out = whole != stored ? view.scaled(stored, Qt::IgnoreAspectRatio, Qt::SmoothTransformation) : view.copy();
    } else if (out.size() != stored) {
        out = out.scaled(stored, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    for (const QTransform &step : options->ignore_transformations ? upright.steps : QList<QTransform>())
        out = out.transformed(step);
    return out;
}

} // namespace heif
