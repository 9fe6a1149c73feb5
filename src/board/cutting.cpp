// Cutting the chosen picture into tiles, and laying out the tray, the board and the preview panel.
#include "board/rules.h"
#include "platform/controls/label.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/twips.h"
#include "platform/sound/mmcontrol.h"
#include "window/form1.h"
#include "window/geometry.h"

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

// Cells first, then the tiles: each in its tray place, or on the cell it stands on. Tray and board
// share one vertical origin, so that their rows line up.
void Form1::disponi_celle()
{
    wdt = num::CInt(twips::width(Picture2[1]));
    const Long s = side();
    const geometry::Layout l = arrangement();
    for (int p = 1; p <= TessNum; ++p) {
        PictureBox *cell = Picture1[p];
        cell->show();
        const rules::Corner at = rules::corner(p, s, l.cells.x(), l.cells.y(), wdt);
        twips::move(cell, at.left, at.top);
    }
    for (int p = 1; p <= TessNum; ++p) {
        const int k = tray_order[size_t(p)];
        PictureBox *tile = Picture2[k];
        tile->show();
        const rules::Corner at = rules::corner(p, s, l.tray.x(), l.tray.y(), wdt);
        if (tile_cell[size_t(k)] > 0)
            tile->move(Picture1[tile_cell[size_t(k)]]->pos());
        else
            twips::move(tile, at.left, at.top);
    }

    // The preview, smaller where its place is smaller than the picture; its frame; the two captions.
    const geometry::Panel panel = geometry::panel(l, twips::fromPixels(preview_.size()));
    const QSize shown(twips::toPixels(panel.preview.width()), twips::toPixels(panel.preview.height()));
    if (Picture3->picture().deviceIndependentSize().toSize() != shown) {
        const qreal dpr = devicePixelRatioF();
        QImage img = shown == preview_.size()
                         ? preview_
                         : preview_.scaled(shown * dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        img.setDevicePixelRatio(shown == preview_.size() ? 1 : dpr);
        Picture3->setPicture(img);
        Picture3->fitToPicture();
    }
    twips::move(Picture3, panel.preview.topLeft());
    Picture3->show();
    twips::setGeometry(Label6, panel.frame);
    Label6->lower();
    Label6->show();
    twips::setGeometry(Label7, panel.title);
    Label7->fitText();
    Label7->show();
    twips::setGeometry(Label9, panel.library);
    Label9->fitText();
    Label9->show();
    nameBoard();
}

// The board of a window that changed its size: tiles and cells take the new tile size, the pieces
// are cut again at that size, and every tile keeps its place, on its cell or in the tray. A tile
// being carried is given back.
void Form1::fitBoard()
{
    drag_index = 0;
    carrying_ = false;
    if (Picture2[1]->size() != Picture2[0]->size()) {
        for (int i = 1; i <= TessNum; ++i) {
            square(Picture2[i]);
            square(Picture1[i]);
        }
        graphic_load();
    }
    disponi_celle();
    // A tile the keyboard lifted stays lifted, from where it now stands.
    if (lifted_)
        pickUp(lifted_);
}
