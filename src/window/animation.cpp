// The waiting animation: while no picture is chosen, the six frames flash one after another at one
// place over the board, then jump together to another place, and the instruction strip blinks.
// It is driven by a timer, one step per tick of the clock, so that waiting costs no processor time.
#include "platform/controls/label.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/twips.h"
#include "platform/controls/vb_timer.h"
#include "window/form1.h"
#include "window/geometry.h"
#include "window/looks.h"

void Form1::Timer1_Timer()
{
    // Only one run at a time; a run starts only while no picture is chosen.
    if (anim_.running || scelta_file || unloading_)
        return;
    anim_.running = true;
    anim_.t0.start();
    anim_.frame = 1;
    if (PictureBox *f = Picture4[1])
        f->show();
    clock_.start();
    // The run goes on by the clock until it ends: till then every tick of Timer1 (100 a second) would
    // wake the program for nothing.
    Timer1->hold(true);
}

void Form1::animationStep()
{
    if (!anim_.running)
        return;
    if (scelta_file) {
        endAnimation();
        return;
    }
    if (PictureBox *f = Picture4[anim_.frame])
        f->hide();
    if (anim_.frame < 6) {
        ++anim_.frame;
    } else {
        const int c = int(rng_.Rnd() * 6);
        const int r = int(rng_.Rnd() * 6);
        bool failed = false;
        const QPointF place = arrangement().frames(c, r);
        for (int j = 1; j <= 6; ++j) {
            if (PictureBox *f = Picture4[j])
                twips::move(f, place);
            else
                failed = true;
        }
        // A frame that is gone is skipped; the blink's time base starts again, and the run goes on.
        if (failed)
            anim_.t0.start();
        const qint64 seconds = anim_.t0.elapsed() / 1000;
        Label8->setBackground(seconds % 2 == 1 ? looks::olive : looks::black);
        anim_.frame = 1;
    }
    if (PictureBox *f = Picture4[anim_.frame])
        f->show();
}

// Ends a run in progress: the frame on show is hidden at once.
void Form1::endAnimation()
{
    if (!anim_.running)
        return;
    if (PictureBox *f = Picture4[anim_.frame])
        f->hide();
    anim_.running = false;
    clock_.stop();
    Timer1->hold(false);
}
