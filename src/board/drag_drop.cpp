// Carrying tiles with the mouse: pick up with the left button, carry, drop onto a free board cell.
// A refused drop sends the tile back to where it was picked up.
#include "board/rules.h"
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
    // The cell it leaves, if it stands on one: the cell freed when it lands on another.
    drag_cell = Interno ? tile_cell[size_t(Index)] : Integer(0);
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
    const Long s = side();
    const rules::Landing at = rules::landing(twips::left(tile), twips::top(tile), twips::left(Label1),
                                             twips::top(Label1), twips::width(Label1), wdt, s);
    if (at.cell == 0)
        return giveBack();
    DX = at.DX;
    DY = at.DY;
    PictureBox *cell = Picture1[at.cell];
    if (!cell || !cell->Tag.isEmpty())
        return giveBack();
    tile->move(cell->pos());
    tile->Tag = QStringLiteral("giocata");
    cell->Tag = QStringLiteral("1");
    tile_cell[size_t(drag_index)] = Integer(at.cell);
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
