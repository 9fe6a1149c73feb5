#include "platform/pictures/picture_loader.h"

#include "platform/pictures/heif_reader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstddef>
#include <jpeglib.h>
#include <span>

namespace picture {

namespace {

// The size to decode at: the smallest that keeps the proportions and still gives `atLeast` pixels in
// both directions; invalid when the picture is to be decoded whole.
QSize scaledTarget(QSize full, QSize atLeast)
{
    if (atLeast.isEmpty())
        return QSize();
    const double f = std::max(double(atLeast.width()) / full.width(), double(atLeast.height()) / full.height());
    if (f >= 1.0)
        return QSize();
    return QSize(std::max(1, int(std::ceil(full.width() * f))), std::max(1, int(std::ceil(full.height() * f))));
}

// libjpeg's errors end the reading of the header; its warnings are not the player's. The header is
// read from the picture's own device, a block at a time.
struct JpegReading {
    jpeg_error_mgr errors;
    std::jmp_buf back;
    jpeg_source_mgr source;
    QIODevice *device;
    JOCTET block[4096];
};

JpegReading &readingOf(j_decompress_ptr j)
{
    return *reinterpret_cast<JpegReading *>(reinterpret_cast<char *>(j->src) - offsetof(JpegReading, source));
}

// What a JPEG's decode holds besides its pixels, as libjpeg itself reads the picture up to its first
// scan, whatever stands before the frame header: a picture coded in several scans (progressive, or one
// colour at a time) keeps the coefficients of all its blocks, 64 of two bytes each, at any scale. It is
// read from its start, and left where it was.
qint64 coefficientBytes(QIODevice &device)
{
    const qint64 at = device.pos();
    device.seek(0);
    jpeg_decompress_struct jpeg{};
    JpegReading reading;
    reading.device = &device;
    jpeg.err = jpeg_std_error(&reading.errors);
    reading.errors.error_exit = [](j_common_ptr j) { std::longjmp(reinterpret_cast<JpegReading *>(j->err)->back, 1); };
    reading.errors.output_message = [](j_common_ptr) {};
    reading.source = {};
    reading.source.init_source = reading.source.term_source = [](j_decompress_ptr) {};
    reading.source.resync_to_restart = jpeg_resync_to_restart;
    reading.source.fill_input_buffer = [](j_decompress_ptr j) -> boolean {
        JpegReading &r = readingOf(j);
        qint64 n = r.device->read(reinterpret_cast<char *>(r.block), sizeof r.block);
        if (n <= 0) { // past the end, an end of picture, as libjpeg's own readers do
            r.block[0] = 0xff, r.block[1] = JPEG_EOI, n = 2;
        }
        r.source.next_input_byte = r.block;
        r.source.bytes_in_buffer = size_t(n);
        return TRUE;
    };
    reading.source.skip_input_data = [](j_decompress_ptr j, long n) {
        JpegReading &r = readingOf(j);
        if (n > 0 && size_t(n) <= r.source.bytes_in_buffer) {
            r.source.next_input_byte += n;
            r.source.bytes_in_buffer -= size_t(n);
        } else if (n > 0) {
            r.device->skip(n - qint64(r.source.bytes_in_buffer));
            r.source.bytes_in_buffer = 0;
        }
    };
    const auto done = [&](qint64 bytes) {
        jpeg_destroy_decompress(&jpeg); // nothing to free where it was never made
        device.seek(at);
        return bytes;
    };
    if (setjmp(reading.back))
        return done(0); // the decode meets the same fault, and fails
    jpeg_create_decompress(&jpeg);
    jpeg.src = &reading.source;
    if (jpeg_read_header(&jpeg, TRUE) != JPEG_HEADER_OK || !jpeg_has_multiple_scans(&jpeg))
        return done(0);
    qint64 bytes = 0;
    for (const jpeg_component_info &c : std::span(jpeg.comp_info, jpeg.num_components))
        bytes += qint64(c.width_in_blocks) * c.height_in_blocks * DCTSIZE2 * qint64(sizeof(JCOEF));
    return done(bytes);
}

// What the reader's decode takes in memory. A JPEG is decoded at the smallest number of eighths of
// its size that still covers the target (then scaled to it), with its coefficients where it holds
// them. Other formats are decoded whole, whatever scale their readers offer (PNG's scales only once
// it has decoded the whole picture), at four bytes a pixel or eight for 16-bit ones.
qint64 decodedBytes(const QImageReader &reader, QSize stored, QSize target)
{
    const qint64 coefficients = reader.format() == "jpeg" ? coefficientBytes(*reader.device()) : 0;
    QSize decoded = stored;
    if (target.isValid() && reader.format() == "jpeg") {
        const double f = std::min(double(stored.width()) / target.width(), double(stored.height()) / target.height());
        const int eighths = std::clamp(int(std::ceil(8 / f)), 1, 8);
        decoded =
            QSize(int(std::ceil(stored.width() * eighths / 8.0)), int(std::ceil(stored.height() * eighths / 8.0)));
    }
    const QImage::Format format = reader.imageFormat();
    const qint64 bytesPerPixel = format == QImage::Format_RGBA64 || format == QImage::Format_RGBX64 ||
                                         format == QImage::Format_RGBA64_Premultiplied
                                     ? 8
                                     : 4;
    return coefficients + qint64(decoded.width()) * decoded.height() * bytesPerPixel;
}

QString tooLarge(QSize size)
{
    return QCoreApplication::translate("Picture", "it is too large (%1 x %2 pixels)")
        .arg(size.width())
        .arg(size.height());
}

} // namespace

Source Source::file(const QString &path)
{
    return {path, QByteArray(), false};
}

Source Source::bytes(const QByteArray &data)
{
    return {QString(), data, true};
}

QImage load(const QString &path, QString *error, QSize *fullSize)
{
    return loadScaled(Source::file(path), QSize(), error, fullSize);
}

QImage loadScaled(const Source &source, QSize atLeast, QString *error, QSize *fullSize)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return QImage();
    };
    QFile file(source.path);
    QBuffer buffer;
    QIODevice *device = &buffer;
    if (source.inMemory) {
        buffer.setData(source.data);
        buffer.open(QIODevice::ReadOnly);
    } else {
        const QFileInfo info(source.path);
        if (!info.exists())
            return fail(QCoreApplication::translate("Picture", "the file does not exist"));
        if (!info.isFile())
            return fail(QCoreApplication::translate("Picture", "it is not a file"));
        if (!file.open(QIODevice::ReadOnly))
            return fail(QCoreApplication::translate("Picture", "it cannot be read"));
        device = &file;
    }

    // The smallest file of any picture format is larger than this: a few bytes are never a picture,
    // however they begin.
    if (device->size() < 12)
        return fail(QCoreApplication::translate("Picture", "it is not a picture"));

    if (heif::recognises(device->peek(64))) {
        // Asked for the size of the picture as shown, and of what its decode holds where that is more.
        QSize largest, upright;
        const auto over = [](QSize size) { return qint64(size.width()) * size.height() * 4 > decodeBudget; };
        const QImage img = heif::read(
            *device,
            [&](QSize size) {
                upright = size;
                if (qint64(size.width()) * size.height() > qint64(largest.width()) * largest.height())
                    largest = size;
                if (over(size))
                    return QSize();
                const QSize target = scaledTarget(size, atLeast);
                return target.isValid() ? target : size;
            },
            error);
        if (img.isNull() && largest.isValid() && over(largest))
            return fail(tooLarge(largest));
        if (fullSize)
            *fullSize = upright;
        return img;
    }

    QImageReader reader(device);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return fail(QCoreApplication::translate("Picture", "it is not a picture"));
    // The size as stored; turned upright, its rows may become its columns.
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty())
        return fail(QCoreApplication::translate("Picture", "its size cannot be read"));
    const bool onItsSide = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize upright = onItsSide ? stored.transposed() : stored;
    QSize target = scaledTarget(upright, atLeast);
    if (target.isValid() && onItsSide)
        target.transpose();
    if (decodedBytes(reader, stored, target) > decodeBudget)
        return fail(tooLarge(upright));
    if (fullSize)
        *fullSize = upright;
    if (target.isValid())
        reader.setScaledSize(target);
    const QImage img = reader.read();
    if (img.isNull())
        return fail(QCoreApplication::translate("Picture", "it is damaged (%1)").arg(reader.errorString()));
    return img;
}

} // namespace picture
