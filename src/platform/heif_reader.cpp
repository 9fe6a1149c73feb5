#include "platform/heif_reader.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <libheif/heif.h>
#include <memory>

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
    // Four bytes a pixel, so that the picture is scaled where it lies, without a copy.
    const bool alpha = heif_image_handle_has_alpha_channel(primary);
    const Owned<heif_decoding_options> options(heif_decoding_options_alloc());
    options->convert_hdr_to_8bit = 1;
    heif_image *decoded = nullptr;
    const heif_error decoding =
        heif_decode_image(primary, &decoded, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, options.get());
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
    const QImage view(pixels, got.width(), got.height(), stride,
                      alpha ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888);
    return wanted != got ? view.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation) : view.copy();
}

} // namespace heif
