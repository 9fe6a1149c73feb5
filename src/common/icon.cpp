#include "common/icon.h"

#include <QPainter>

QImage gameIcon(int size)
{
    QImage img(size, size, QImage::Format_RGB32);
    img.fill(QColor(255, 0, 0));
    // Six squares across and down on a whole-pixel pitch, so that every size is crisp: at 32 pixels,
    // squares of 4 with a gap of 1, starting 1 pixel in.
    const int pitch = std::max(2, size * 5 / 32), side = std::max(1, pitch * 4 / 5);
    const int offset = (size - (5 * pitch + side)) / 2;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 6; ++c) {
            const int x0 = offset + c * pitch, y0 = offset + r * pitch;
            p.fillRect(x0, y0, side, side, Qt::white);
            // A short black stroke rising across the square, where there is room for one.
            if (side < 4)
                continue;
            const int in = side / 4;
            p.setPen(QPen(Qt::black, std::max(1, side / 8), Qt::SolidLine, Qt::FlatCap));
            p.drawLine(x0 + in, y0 + side - 1 - in, x0 + side - 1 - in, y0 + in);
        }
    return img;
}

QIcon gameIcons()
{
    QIcon icon;
    for (int size : iconSizes)
        icon.addPixmap(QPixmap::fromImage(gameIcon(size)));
    return icon;
}
