// Dealing the tiles into the tray in random order, and "Reshuffle".
#include "board/rules.h"
#include "platform/controls/label.h"
#include "platform/controls/picture_box.h"
#include "window/form1.h"

#include <QPlainTextEdit>

// The window's generator was seeded once, at start-up: every deal draws on from where the last one
// stopped, so two deals in quick succession still differ.
void Form1::mescola()
{
    rules::shuffle(TessNum, tile_pool, tray_order, [this] { return double(rng_.Rnd()); });
}

void Form1::CMNew_Click()
{
    LBLcongrat->hide();
    Text2->hide();
    unlift();
    drag_index = 0; // a tile being carried is dealt with the rest
    carrying_ = false;
    for (int i = 1; i <= TessNum; ++i) {
        Picture2[i]->Tag.clear();
        Picture2[i]->setEnabled(true);
        Picture1[i]->Tag.clear();
    }
    tile_cell.fill(0);
    nTess = 0;
    graphic_load();
    mescola();
    disponi_celle();
    focusGame();
}
