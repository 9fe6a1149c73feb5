#include "platform/picture_loader.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLoggingCategory>
#include <algorithm>
#include <cmath>

namespace picture {

static void prepare(QImageReader &reader)
{
    // The image plugins' own complaints about damaged files would land on the terminal; the player is
    // told in the game's own words instead.
    // The reader's own allocation guard (in MB) must let the largest accepted picture through.
    static const bool once = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
        QImageReader::setAllocationLimit(int(maxPixels * 4 / (1024 * 1024)) + 1);
        return true;
    }();
    (void)once;
    reader.setDecideFormatFromContent(true);
    // Photographs from phones and cameras say how they were held (EXIF orientation): they are shown
    // upright, as every photo viewer shows them.
    reader.setAutoTransform(true);
}

// Whether the picture's stored rows become its columns once it is turned upright.
static bool turnsOnItsSide(const QImageReader &reader)
{
    return reader.transformation() & QImageIOHandler::TransformationRotate90;
}

Probe probe(const QString &path)
{
    Probe p;
    const QFileInfo info(path);
    if (!info.exists()) {
        p.error = QStringLiteral("the file does not exist");
        return p;
    }
    if (!info.isFile()) {
        p.error = QStringLiteral("it is not a file");
        return p;
    }
    if (!info.isReadable()) {
        p.error = QStringLiteral("it cannot be read");
        return p;
    }
    QImageReader reader(path);
    prepare(reader);
    if (!reader.canRead()) {
        p.error = QStringLiteral("it is not a picture");
        return p;
    }
    p.size = reader.size();
    if (turnsOnItsSide(reader))
        p.size.transpose();
    if (!p.size.isValid() || p.size.isEmpty()) {
        p.error = QStringLiteral("its size cannot be read");
        return p;
    }
    // Formats that cannot decode at a reduced size are decoded whole: they get a lower ceiling.
    const qint64 ceiling = reader.supportsOption(QImageIOHandler::ScaledSize) ? maxPixels : maxPixelsWhole;
    if (qint64(p.size.width()) * p.size.height() > ceiling) {
        p.error = QStringLiteral("it is too large (%1 x %2 pixels)").arg(p.size.width()).arg(p.size.height());
        return p;
    }
    p.ok = true;
    return p;
}

// The size to decode at: the smallest that keeps the proportions and still gives `atLeast` pixels in
// both directions; invalid when the picture is to be decoded whole.
static QSize scaledTarget(QSize full, QSize atLeast)
{
    if (atLeast.isEmpty())
        return QSize();
    const double f = std::max(double(atLeast.width()) / full.width(), double(atLeast.height()) / full.height());
    if (f >= 1.0)
        return QSize();
    return QSize(std::max(1, int(std::ceil(full.width() * f))), std::max(1, int(std::ceil(full.height() * f))));
}

QImage load(const QString &path, QString *error, QSize *fullSize)
{
    return loadScaled(path, QSize(), error, fullSize);
}

QImage loadScaled(const QString &path, QSize atLeast, QString *error, QSize *fullSize)
{
    const Probe p = probe(path);
    if (!p.ok) {
        if (error)
            *error = p.error;
        return QImage();
    }
    if (fullSize)
        *fullSize = p.size;
    QImageReader reader(path);
    prepare(reader);
    // The reduced size is decoded from the stored rows, before the picture is turned upright.
    QSize target = scaledTarget(p.size, atLeast);
    if (target.isValid() && turnsOnItsSide(reader))
        target.transpose();
    if (target.isValid())
        reader.setScaledSize(target);
    QImage img = reader.read();
    if (img.isNull() && error)
        *error = QStringLiteral("it is damaged (%1)").arg(reader.errorString());
    return img;
}

} // namespace picture
