#include "platform/pictures/heif_reader.h"

#include "platform/pictures/heif_boxes.h"

#include <QCoreApplication>
#include <QHash>
#include <QIODevice>
#include <QTransform>
#include <QtEndian>
#include <algorithm>
#include <climits>
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

bool recognises(QByteArrayView head)
{
    return heif_check_filetype(reinterpret_cast<const uint8_t *>(head.data()), int(head.size())) != heif_filetype_no;
}

QImage read(QIODevice &device, const std::function<QSize(QSize)> &sizeFor, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return QImage();
    };
    // Phones' photos take a few megabytes; a file of more than 256 MB is no photo to play.
    if (device.size() > (qint64(1) << 28))
        return fail(QCoreApplication::translate("Picture", "the file is too large"));
    const QByteArray bytes = device.readAll();
    const Owned<heif_context> context(heif_context_alloc());
    if (!context)
        return fail(damaged());
    const heif_error reading =
        heif_context_read_from_memory_without_copy(context.get(), bytes.constData(), size_t(bytes.size()), nullptr);
    if (reading.subcode == heif_suberror_No_pitm_box)
        return fail(QCoreApplication::translate("Picture", "it holds no picture"));
    if (reading.code)
        return fail(damaged());
    heif_image_handle *primary = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &primary).code || !primary)
        return fail(QCoreApplication::translate("Picture", "it holds no picture"));
    const Owned<heif_image_handle> handle(primary);
    // The picture as shown, and as the file says it is coded: it may be cut from a larger one, turned a
    // quarter or not.
    const QSize size(heif_image_handle_get_width(primary), heif_image_handle_get_height(primary)),
        coded(heif_image_handle_get_ispe_width(primary), heif_image_handle_get_ispe_height(primary));
    if (size.isEmpty())
        return fail(damaged());
    // What the decode holds at once, from the coded streams themselves: the sizes the file states may
    // lie, and libheif decodes what the streams code. It is asked as a size of as many pixels, as wide as
    // the largest picture among them; after the size as shown, so that a picture too large as it is
    // says so in its own size.
    Meta meta = metaOf(bytes);
    heif_item_id id = 0;
    const qint64 atOnce = heif_context_get_primary_image_ID(context.get(), &id).code ? -1 : meta.held(id);
    if (atOnce < 0)
        return fail(damaged());
    const int width = std::max(1, meta.largest.width());
    const QSize held(width, int(std::min<qint64>(INT_MAX, (atOnce + width - 1) / width)));
    if (area(held) > area(size) && (!sizeFor(size).isValid() || !sizeFor(held).isValid()))
        return QImage();
    const QSize wanted = sizeFor(size);
    if (!wanted.isValid())
        return QImage();
    // libheif refuses then any picture with a side longer than those counted, should it read a stream
    // otherwise than the game (builds that check the streams' own sizes do so before decoding them), and
    // decodes as many tiles of a grid at once as counted.
    heif_context_set_maximum_image_size_limit(context.get(), meta.side < INT_MAX ? meta.side + 1 : INT_MAX);
    heif_context_set_max_decoding_threads(context.get(), Meta::tilesAtOnce);
    // Decoded in its own colours and made smaller and RGB in one pass: a 48-megapixel photo then never
    // takes more than its coded planes. The picture is turned upright once it is small: libheif would
    // turn it whole, in a second copy. A picture with transparency, or in colours of another kind, is
    // made RGB by libheif.
    const bool alpha = heif_image_handle_has_alpha_channel(primary);
    const Upright upright = uprightOf(meta, id);
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
