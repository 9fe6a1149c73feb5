#include "platform/picture_loader.h"

#include "platform/heif_reader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLoggingCategory>
#include <algorithm>
#include <cmath>

namespace picture {

namespace {

void prepare(QImageReader &reader)
{
    // The image plugins' own complaints about damaged files would land on the terminal; the player is
    // told in the game's own words instead. The reader's own allocation guard (in MB) lets through
    // whatever the budget does.
    static const bool once = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
        QImageReader::setAllocationLimit(int(decodeBudget >> 20) + 1);
        return true;
    }();
    (void)once;
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
}

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

// Whether a JPEG file is progressive: its frame header (SOF2, 6, 10 or 14) comes before its first scan.
bool progressive(const QString &path)
{
    QFile file(path);
    const QByteArray b = file.open(QIODevice::ReadOnly) ? file.read(1 << 16) : QByteArray();
    for (qsizetype at = 2; at + 4 <= b.size() && uchar(b[at]) == 0xff;) {
        const uchar marker = uchar(b[at + 1]);
        if (marker == 0xda)
            break;
        if (marker == 0xc2 || marker == 0xc6 || marker == 0xca || marker == 0xce)
            return true;
        at += 2 + (uchar(b[at + 2]) << 8 | uchar(b[at + 3]));
    }
    return false;
}

// What the reader's decode takes in memory. A JPEG is decoded at the smallest number of eighths of
// its size that still covers the target (then scaled to it); a progressive one also keeps its
// coefficients for the whole picture, up to six bytes a pixel, whatever the scale. Other formats are
// decoded whole, at four bytes a pixel or eight for 16-bit ones.
qint64 decodedBytes(const QImageReader &reader, QSize stored, QSize target)
{
    const qint64 coefficients =
        reader.format() == "jpeg" && progressive(reader.fileName()) ? qint64(stored.width()) * stored.height() * 6 : 0;
    QSize decoded = stored;
    if (target.isValid() && reader.format() == "jpeg") {
        const double f = std::min(double(stored.width()) / target.width(), double(stored.height()) / target.height());
        const int eighths = std::clamp(int(std::ceil(8 / f)), 1, 8);
        decoded =
            QSize(int(std::ceil(stored.width() * eighths / 8.0)), int(std::ceil(stored.height() * eighths / 8.0)));
    } else if (target.isValid() && reader.supportsOption(QImageIOHandler::ScaledSize)) {
        decoded = target;
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

QImage load(const QString &path, QString *error, QSize *fullSize)
{
    return loadScaled(path, QSize(), error, fullSize);
}

QImage loadScaled(const QString &path, QSize atLeast, QString *error, QSize *fullSize)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return QImage();
    };
    const QFileInfo info(path);
    if (!info.exists())
        return fail(QCoreApplication::translate("Picture", "the file does not exist"));
    if (!info.isFile())
        return fail(QCoreApplication::translate("Picture", "it is not a file"));
    if (!info.isReadable())
        return fail(QCoreApplication::translate("Picture", "it cannot be read"));

    if (heif::recognises(path)) {
        // Asked first for the size of the picture as coded, where it is larger (a crop), then as shown.
        QSize largest, upright;
        const auto over = [](QSize size) { return qint64(size.width()) * size.height() * 4 > decodeBudget; };
        const QImage img = heif::read(
            path,
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

    QImageReader reader(path);
    prepare(reader);
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
