// What a tile landing on the board means: counted, signalled and locked when it stands on its
// right cell, and the whole picture complete when every tile does.
#include "board/rules.h"
#include "platform/controls/label.h"
#include "platform/controls/picture_box.h"
#include "window/form1.h"

#include <QPlainTextEdit>

void Form1::placement()
{
    if (!rules::standsRight(drag_index, DX, DY, side()))
        return;
    ++nTess;
    if (yes->isChecked())
        beep();
    if (fixyes->isChecked())
        Picture2[drag_index]->setEnabled(false);
    if (nTess == TessNum)
        LBLcongrat->show();
}

// A tile carried off its right cell no longer counts, so that the count always matches the board.
void Form1::carryAway()
{
    if (drag_cell == drag_index && nTess > 0)
        --nTess;
}

void Form1::LBLcongrat_Click()
{
    Text2->hide();
}
