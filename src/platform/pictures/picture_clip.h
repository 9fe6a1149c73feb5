#pragma once
#include "platform/pictures/picture_loader.h"

#include <QImage>
#include <QString>

// The picture-clip control: holds one picture and hands out rectangular pieces of it, each scaled to
// a size in pixels. Regions are always given in the picture's own pixels. A large picture may be held
// at a reduced resolution (see load): it is then cut from that copy, which still has at least the
// detail the pieces are scaled to.
class PictureClip
{
public:
    // Loads the picture from a file or from memory. `detail` is the number of pixels, across and down, that the whole
    // picture is ever shown at; the picture is decoded with at least twice that detail where it is
    // larger, never more than its own size. False (and the picture emptied) when it cannot be read.
    bool load(const picture::Source &source, QSize detail = QSize(), QString *error = nullptr);
    void setPicture(const QImage &image);
    void clear();
    bool hasPicture() const { return !held_.isNull(); }

    int Width() const { return size_.width(); }
    int Height() const { return size_.height(); }
    const QImage &heldImage() const { return held_; }

    int ClipX = 0, ClipY = 0, ClipWidth = 0, ClipHeight = 0;
    int StretchX = 0, StretchY = 0;

    // A new picture of the region, scaled to StretchX x StretchY; a null image when the region lies
    // outside the picture or any size is not positive.
    QImage Clip() const;

private:
    QImage held_;
    QSize size_;
};
