#include "platform/pictures/picture_clip.h"

#include <QPainter>
#include <cmath>

namespace {
// The picture as the board shows it: where it is transparent, on white paper, never black.
QImage opaque(const QImage &img)
{
    if (!img.hasAlphaChannel())
        return img.convertToFormat(QImage::Format_RGB32);
    QImage paper(img.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter(&paper).drawImage(0, 0, img);
    return paper;
}
} // namespace

bool PictureClip::load(const picture::Source &source, QSize detail, QString *error)
{
    clear();
    QSize full;
    const QImage img = picture::loadScaled(source, detail * 2, error, &full);
    if (img.isNull())
        return false;
    held_ = opaque(img);
    size_ = full;
    return true;
}

void PictureClip::setPicture(const QImage &image)
{
    held_ = opaque(image);
    size_ = image.size();
}

void PictureClip::clear()
{
    held_ = QImage();
    size_ = QSize();
}

QImage PictureClip::Clip() const
{
    if (held_.isNull() || ClipWidth <= 0 || ClipHeight <= 0 || StretchX <= 0 || StretchY <= 0 || ClipX < 0 ||
        ClipY < 0 || qint64(ClipX) + ClipWidth > size_.width() || qint64(ClipY) + ClipHeight > size_.height())
        return QImage();
    // Map the region from the picture's own pixels onto the copy we hold.
    const double sx = double(held_.width()) / size_.width();
    const double sy = double(held_.height()) / size_.height();
    const int x0 = int(std::lround(ClipX * sx)), y0 = int(std::lround(ClipY * sy));
    const int x1 = std::max(x0 + 1, int(std::lround((ClipX + ClipWidth) * sx)));
    const int y1 = std::max(y0 + 1, int(std::lround((ClipY + ClipHeight) * sy)));
    const QImage piece = held_.copy(x0, y0, std::min(x1, held_.width()) - x0, std::min(y1, held_.height()) - y0);
    return piece.scaled(StretchX, StretchY, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
