// The options menu: the number of tiles for the next picture, and the two play options.
#include "platform/controls/label.h"
#include "platform/controls/picture_box.h"
#include "window/form1.h"

void Form1::tessere_Click(Integer Index)
{
    // The tile count of a game in progress never changes.
    if (scelta_file)
        return;
    for (int i = 1; i <= 3; ++i)
        tessere[i]->setChecked(false);
    tessere[Index]->setChecked(true);
    TessNum = num::CInt(tessere[Index]->text().toDouble());
    Label8->hide();
    sizeTemplates();
}

void Form1::yes_Click()
{
    no->setChecked(false);
    yes->setChecked(true);
}

void Form1::no_Click()
{
    yes->setChecked(false);
    no->setChecked(true);
}

void Form1::fixyes_Click()
{
    fixyes->setChecked(true);
    fixno->setChecked(false);
}

void Form1::fixno_Click()
{
    fixno->setChecked(true);
    fixyes->setChecked(false);
}
