// Cutting the chosen picture into tiles, and laying out the tray, the board and the preview panel.
#include "board/rules.h"
#include "platform/label.h"
#include "platform/mmcontrol.h"
#include "platform/picture_box.h"
#include "platform/twips.h"
#include "window/form1.h"

void Form1::graphic_load()
{
    if (!PictureClip1.hasPicture())
        return;
    // The picture's own size; kept in wide integers, as a photograph may be wider than 32767 pixels.
    WidthX = PictureClip1.Width();
    HeightY = PictureClip1.Height();
    const Long s = side();
    PictureClip1.ClipWidth = int(WidthX / s);
    PictureClip1.ClipHeight = int(HeightY / s);
    // Pieces are cut at the screen's own resolution, so that tiles stay sharp on a high-density screen.
    const qreal dpr = devicePixelRatioF();
    PictureClip1.StretchX = int(Picture2[0]->width() * dpr);
    PictureClip1.StretchY = int(Picture2[0]->height() * dpr);
    int k = 0;
    for (int r = 0; r < s; ++r)
        for (int c = 0; c < s; ++c) {
            ++k;
            PictureClip1.ClipX = c * PictureClip1.ClipWidth;
            PictureClip1.ClipY = r * PictureClip1.ClipHeight;
            QImage piece = PictureClip1.Clip();
            PictureBox *tile = Picture2[k];
            if (piece.isNull() || !tile)
                return;
            piece.setDevicePixelRatio(dpr);
            tile->setPicture(piece);
        }
}

void Form1::disponi_celle()
{
    wdt = num::CInt(twips::width(Picture2[1]));
    const Long s = side();
    const double w = W();
    const double l1Left = twips::left(Label1), l1Top = twips::top(Label1);
    // Tray and board share one vertical origin, so that their rows line up.
    for (int p = 1; p <= TessNum; ++p) {
        PictureBox *tile = Picture2[tray_order[size_t(p)]];
        tile->show();
        const rules::Corner at = rules::corner(p, s, 0.57 * w, 1.224 * l1Top, wdt);
        twips::move(tile, at.left, at.top);
    }
    for (int p = 1; p <= TessNum; ++p) {
        PictureBox *cell = Picture1[p];
        cell->show();
        const rules::Corner at = rules::corner(p, s, 1.224 * l1Left, 1.224 * l1Top, wdt);
        twips::move(cell, at.left, at.top);
    }

    twips::move(Picture3, 0.547 * w, l1Top + 1.1 * twips::width(Label1));
    Picture3->show();
    twips::setGeometry(Label6, 0.994 * twips::left(Picture3), l1Top + 1.0926 * twips::width(Label1),
                       1.065 * twips::width(Picture3), 1.065 * twips::width(Picture3));
    Label6->lower();
    Label6->show();
    twips::setGeometry(Label7, twips::left(Picture3) + 1.4 * twips::width(Picture3),
                       twips::top(Label6) + 0.4 * twips::width(Label6), 0.25 * w, 1.38 * twips::height(MMC1));
    Label7->show();
    twips::setGeometry(Label9, 0.11 * w, twips::top(Label7), twips::width(Label7), 1.38 * twips::height(MMC1));
    Label9->show();
}
