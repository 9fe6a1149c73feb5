#include "common/icon.h"

QImage gameIcon()
{
    QImage img(32, 32, QImage::Format_Indexed8);
    // The 16 colours of the classic palette; only red, white and black are used.
    img.setColorTable({qRgb(0, 0, 0), qRgb(128, 0, 0), qRgb(0, 128, 0), qRgb(128, 128, 0), qRgb(0, 0, 128),
                       qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192), qRgb(128, 128, 128), qRgb(255, 0, 0),
                       qRgb(0, 255, 0), qRgb(255, 255, 0), qRgb(0, 0, 255), qRgb(255, 0, 255), qRgb(0, 255, 255),
                       qRgb(255, 255, 255)});
    constexpr int red = 9, white = 15, black = 0;
    img.fill(red);
    // Squares of 4 pixels with a gap of 1, starting 1 pixel in: 1 + 6 x 5 = 31.
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 6; ++c) {
            const int x0 = 1 + c * 5, y0 = 1 + r * 5;
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 4; ++x)
                    img.setPixel(x0 + x, y0 + y, white);
            for (int d = 1; d < 3; ++d)
                img.setPixel(x0 + d, y0 + 3 - d, black);
        }
    return img;
}
