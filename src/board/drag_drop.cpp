// Carrying tiles with the mouse: pick up with the left button, carry, drop onto a free board cell.
// A refused drop sends the tile back to where it was picked up.
#include "platform/label.h"
#include "platform/picture_box.h"
#include "platform/twips.h"
#include "window/form1.h"

void Form1::Picture2_MouseDown(Integer Index, int Button, int, double X, double Y)
{
    if (Button != 1)
        return;
    PictureBox *tile = Picture2[Index];
    if (!tile)
        return;
    Interno = false;
    down_x = num::CLng(X);
    down_y = num::CLng(Y);
    drag_index = Index;
    drag_left = num::CLng(twips::left(tile));
    drag_top = num::CLng(twips::top(tile));
    if (tile->Tag == u"giocata")
        Interno = true;
    // A tile on the board stands exactly on one cell: remember which, so that the cell it leaves
    // is the one freed, whatever the size of the window.
    drag_cell = 0;
    if (Interno)
        for (int c = 1; c <= TessNum; ++c)
            if (Picture1[c]->pos() == tile->pos() && Picture1[c]->Tag == u"1") {
                drag_cell = Integer(c);
                break;
            }
}

void Form1::Picture2_MouseMove(Integer, int Button, int, double X, double Y)
{
    if (Button != 1)
        return;
    PictureBox *tile = Picture2[drag_index];
    if (drag_index < 1 || !tile)
        return;
    // The point at which the tile was grabbed stays under the pointer.
    twips::move(tile, twips::left(tile) - down_x + X, twips::top(tile) - down_y + Y);
    tile->raise();
}

void Form1::Picture2_MouseUp(Integer, int Button, int, double, double)
{
    if (Button != 1)
        return;
    PictureBox *tile = Picture2[drag_index];
    if (drag_index < 1 || !tile)
        return;
    const auto giveBack = [&] { twips::move(tile, drag_left, drag_top); };
    const double frameLeft = twips::left(Label1), frameWidth = twips::width(Label1);
    const double left = twips::left(tile), top = twips::top(tile);
    // The corner may lie on the frame's edges: both tests are inclusive.
    if (left < frameLeft || frameLeft + frameWidth < left)
        return giveBack();
    if (top < frameLeft || frameLeft + frameWidth < top)
        return giveBack();
    const double col = num::Int((left - frameLeft) / wdt) + 1;
    const double row = num::Int((top - frameLeft) / wdt) + 1;
    // The frame is a little larger than the grid: a corner beyond the last column or row names no cell.
    const Long s = side();
    if (col > s || row > s)
        return giveBack();
    DX = Integer(col);
    DY = Integer(row);
    PictureBox *cell = Picture1[DX + (DY - 1) * s];
    if (!cell || !cell->Tag.isEmpty())
        return giveBack();
    tile->move(cell->pos());
    tile->Tag = QStringLiteral("giocata");
    cell->Tag = QStringLiteral("1");
    if (Interno && drag_cell > 0) {
        DX1 = Integer((drag_cell - 1) % s + 1);
        DY1 = Integer((drag_cell - 1) / s + 1);
        if (DX != DX1 || DY != DY1) {
            Picture1[drag_cell]->Tag.clear();
            carryAway();
        }
    }
    placement();
}
