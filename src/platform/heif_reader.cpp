#include "platform/heif_reader.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
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

// Makes a picture of three bytes a pixel `factor` times smaller, each pixel the mean of a block of
// factor x factor, straight into four bytes a pixel: the toolkit would first copy the whole picture
// at four bytes a pixel to scale it. The few pixels past the last whole block are left out.
QImage shrink(const uint8_t *pixels, int stride, QSize size, int factor)
{
    QImage out(size.width() / factor, size.height() / factor, QImage::Format_RGB32);
    std::vector<quint32> sums(size_t(out.width()) * 3);
    const quint32 n = quint32(factor * factor);
    for (int y = 0; y < out.height(); ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int row = y * factor; row < (y + 1) * factor; ++row) {
            const uint8_t *p = pixels + qsizetype(row) * stride;
            for (size_t x = 0; x < size_t(out.width()); ++x)
                for (int i = 0; i < factor; ++i, p += 3) {
                    sums[x * 3] += p[0];
                    sums[x * 3 + 1] += p[1];
                    sums[x * 3 + 2] += p[2];
                }
        }
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (size_t x = 0; x < size_t(out.width()); ++x)
            line[x] = qRgb(int(sums[x * 3] / n), int(sums[x * 3 + 1] / n), int(sums[x * 3 + 2] / n));
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
    const Owned<heif_context> context(heif_context_alloc());
    if (!context || heif_context_read_from_file(context.get(), QFile::encodeName(path).constData(), nullptr).code)
        return fail(damaged());
    heif_image_handle *primary = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &primary).code || !primary)
        return fail(QCoreApplication::translate("Picture", "it holds no picture"));
    const Owned<heif_image_handle> handle(primary);
    const QSize size(heif_image_handle_get_width(primary), heif_image_handle_get_height(primary));
    if (size.isEmpty())
        return fail(damaged());
    const QSize wanted = sizeFor(size);
    if (!wanted.isValid())
        return QImage();
    // Three bytes a pixel where there is no transparency: a 48-megapixel photo then takes 146 MB.
    const bool alpha = heif_image_handle_has_alpha_channel(primary);
    const Owned<heif_decoding_options> options(heif_decoding_options_alloc());
    options->convert_hdr_to_8bit = 1;
    heif_image *decoded = nullptr;
    const heif_error decoding =
        heif_decode_image(primary, &decoded, heif_colorspace_RGB,
                          alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options.get());
    if (decoding.code == heif_error_Unsupported_feature)
        return fail(QCoreApplication::translate("Picture", "it is of a kind the game cannot read"));
    if (decoding.code || !decoded)
        return fail(damaged());
    const Owned<heif_image> image(decoded);
    int stride = 0;
    const uint8_t *pixels = heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const QSize got(heif_image_get_width(decoded, heif_channel_interleaved),
                    heif_image_get_height(decoded, heif_channel_interleaved));
    if (!pixels || got.isEmpty())
        return fail(damaged());
    const int factor = std::min(got.width() / wanted.width(), got.height() / wanted.height());
    const QImage shown = alpha         ? QImage(pixels, got.width(), got.height(), stride, QImage::Format_RGBA8888)
                         : factor >= 2 ? shrink(pixels, stride, got, factor)
                                       : QImage(pixels, got.width(), got.height(), stride, QImage::Format_RGB888);
    return shown.size() != wanted ? shown.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                  : shown.copy();
}

} // namespace heif
