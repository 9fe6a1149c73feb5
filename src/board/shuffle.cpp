// Dealing the tiles into the tray in random order, and "Reshuffle".
#include "platform/label.h"
#include "platform/picture_box.h"
#include "window/form1.h"

#include <QPlainTextEdit>

void Form1::mescola()
{
    for (int k = 1; k <= TessNum; ++k)
        tile_pool[size_t(k)] = Integer(k);
    rng_.Randomize();
    // Draws without replacement: a tile already dealt is drawn again for the same position.
    int p = 1;
    while (p <= TessNum) {
        const double r = rng_.Rnd();
        const int k = std::min(int(num::Int(r * TessNum)) + 1, int(TessNum));
        if (tile_pool[size_t(k)] == 0)
            continue;
        tray_order[size_t(p)] = tile_pool[size_t(k)];
        tile_pool[size_t(k)] = 0;
        ++p;
    }
}

void Form1::CMNew_Click()
{
    LBLcongrat->hide();
    Text2->hide();
    for (int i = 1; i <= TessNum; ++i) {
        Picture2[i]->Tag.clear();
        Picture2[i]->setEnabled(true);
        Picture1[i]->Tag.clear();
    }
    nTess = 0;
    graphic_load();
    mescola();
    disponi_celle();
}
