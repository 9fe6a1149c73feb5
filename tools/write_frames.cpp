// The six frames of the waiting animation: a jigsaw piece that turns and changes colour, frame by
// frame, written as 16-colour GIF files (Qt reads GIF but cannot write it).
#include "generator.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <gif_lib.h>

namespace gen {
namespace {

const QRgb framePalette[16] = {qRgb(255, 255, 255), qRgb(0, 0, 0),       qRgb(220, 30, 30),   qRgb(240, 130, 20),
                               qRgb(240, 210, 20),  qRgb(60, 170, 40),   qRgb(20, 150, 160),  qRgb(30, 80, 200),
                               qRgb(130, 50, 190),  qRgb(220, 60, 160),  qRgb(128, 128, 0),   qRgb(150, 150, 150),
                               qRgb(255, 180, 180), qRgb(180, 230, 160), qRgb(170, 200, 255), qRgb(90, 50, 20)};

QPainterPath piece()
{
    // A jigsaw piece on a 20 x 20 square centred on the origin: knobs out on top and right, sockets
    // in on the bottom and left.
    QPainterPath p;
    p.moveTo(-10, -10);
    p.lineTo(-3, -10);
    p.arcTo(-4, -17, 8, 8, 225, -270);
    p.lineTo(10, -10);
    p.lineTo(10, -3);
    p.arcTo(9, -4, 8, 8, 135, -270);
    p.lineTo(10, 10);
    p.lineTo(3, 10);
    p.arcTo(-4, 6, 8, 8, 315, 270);
    p.lineTo(-10, 10);
    p.lineTo(-10, 3);
    p.arcTo(-14, -4, 8, 8, 45, 270);
    p.closeSubpath();
    return p;
}

int nearest(QRgb c)
{
    int best = 0, bestD = 1 << 30;
    for (int i = 0; i < 16; ++i) {
        const int dr = qRed(c) - qRed(framePalette[i]), dg = qGreen(c) - qGreen(framePalette[i]),
                  db = qBlue(c) - qBlue(framePalette[i]);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestD) {
            bestD = d;
            best = i;
        }
    }
    return best;
}

} // namespace

std::vector<QImage> paintFrames()
{
    std::vector<QImage> frames;
    const int fills[6] = {2, 3, 4, 5, 7, 8};
    for (int i = 0; i < 6; ++i) {
        QImage img(33, 33, QImage::Format_RGB32);
        img.fill(framePalette[0]);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.translate(16.5, 16.5);
        p.rotate(60.0 * i);
        const double grow = 0.8 + 0.08 * (i < 3 ? i : 5 - i);
        p.scale(grow, grow);
        p.setPen(QPen(QColor(framePalette[1]), 1.5));
        p.setBrush(QColor(framePalette[fills[i]]));
        p.drawPath(piece());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(framePalette[0]));
        p.drawEllipse(QPointF(-3, -3), 2.2, 2.2);
        p.end();
        frames.push_back(img);
    }
    return frames;
}

bool writeGif(const QImage &image, const QString &path)
{
    int error = 0;
    GifFileType *gif = EGifOpenFileName(path.toLocal8Bit().constData(), false, &error);
    if (!gif)
        return false;
    GifColorType colours[16];
    for (int i = 0; i < 16; ++i)
        colours[i] = {GifByteType(qRed(framePalette[i])), GifByteType(qGreen(framePalette[i])),
                      GifByteType(qBlue(framePalette[i]))};
    ColorMapObject *map = GifMakeMapObject(16, colours);
    bool ok = map && EGifPutScreenDesc(gif, image.width(), image.height(), 4, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
    std::vector<GifPixelType> line(size_t(image.width()));
    for (int y = 0; ok && y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            line[size_t(x)] = GifPixelType(nearest(image.pixel(x, y)));
        ok = EGifPutLine(gif, line.data(), image.width()) == GIF_OK;
    }
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    GifFreeMapObject(map);
    return ok;
}

} // namespace gen
