// Carrying tiles with the mouse: pick up with the left button, carry, drop onto a free board cell.
// A refused drop sends the tile back to where it was picked up. The keyboard picks up and puts down
// through the same steps.
#include "board/rules.h"
#include "platform/controls/focus_ring.h"
#include "platform/controls/label.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/twips.h"
#include "window/form1.h"

void Form1::Picture2_MouseDown(Integer Index, int Button, int, double X, double Y)
{
    if (Button != 1 || !Picture2[Index])
        return;
    // A tile the keyboard lifted goes back first: the mouse carries one tile at a time.
    unlift();
    carrying_ = true;
    down_x = num::CLng(X);
    down_y = num::CLng(Y);
    pickUp(Index);
}

// A tile picked up, by the mouse or the keyboard: where it stood, and the cell it leaves, if any.
void Form1::pickUp(Integer Index)
{
    PictureBox *tile = Picture2[Index];
    Interno = false;
    drag_index = Index;
    drag_left = num::CLng(twips::left(tile));
    drag_top = num::CLng(twips::top(tile));
    if (tile->Tag == u"giocata")
        Interno = true;
    drag_cell = Interno ? tile_cell[size_t(Index)] : Integer(0);
}

// Only a carry the mouse began moves and drops a tile: one given back meanwhile (a resize,
// Reshuffle) is over, and a tile the keyboard lifted since is the keyboard's.
void Form1::Picture2_MouseMove(Integer, int Button, int, double X, double Y)
{
    if (Button != 1 || !carrying_)
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
    if (Button != 1 || !carrying_)
        return;
    carrying_ = false;
    PictureBox *tile = Picture2[drag_index];
    if (drag_index < 1 || !tile)
        return;
    land(rules::landing(twips::left(tile), twips::top(tile), twips::left(Label1), twips::top(Label1),
                        twips::width(Label1), wdt, side()));
}

// A carry ends however the mouse is taken away: a menu or a message opens, the window is
// deactivated or hidden. The tile goes back where it was picked up, as after a refused drop.
void Form1::giveBack()
{
    if (!carrying_)
        return;
    carrying_ = false;
    if (PictureBox *tile = Picture2[drag_index])
        twips::move(tile, drag_left, drag_top);
}

// The tile picked up is put down on the cell it landed on, if that cell is free; otherwise, or when
// it landed on none, it goes back where it was picked up. The mouse and the keyboard alike.
void Form1::land(const rules::Landing &at)
{
    PictureBox *tile = Picture2[drag_index];
    const auto giveBack = [&] { twips::move(tile, drag_left, drag_top); };
    if (at.cell == 0)
        return giveBack();
    DX = at.DX;
    DY = at.DY;
    PictureBox *cell = Picture1[at.cell];
    if (!cell || !cell->Tag.isEmpty())
        return giveBack();
    tile->move(cell->pos());
    tile->raise(); // over the cell, whether it was carried there or put down by the keyboard
    ring->raise();
    tile->Tag = QStringLiteral("giocata");
    cell->Tag = QStringLiteral("1");
    tile_cell[size_t(drag_index)] = Integer(at.cell);
    // The keyboard, if it was on the tile, stays in the tray: on its first tile, now that this one
    // has left it.
    if (focusWidget() == tile && !focusTray())
        cell->setFocus(Qt::OtherFocusReason);
    if (Interno && drag_cell > 0) {
        const rules::Place left = rules::place(drag_cell, side());
        DX1 = Integer(left.col + 1);
        DY1 = Integer(left.row + 1);
        if (DX != DX1 || DY != DY1) {
            Picture1[drag_cell]->Tag.clear();
            carryAway();
        }
    }
    placement();
    nameBoard();
}
