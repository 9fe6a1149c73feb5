// Start-up, shutdown, and the About text with the clicks that hide it.
#include "platform/controls/accessible.h"
#include "platform/controls/label.h"
#include "platform/controls/paths.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/twips.h"
#include "platform/controls/vb_timer.h"
#include "platform/pictures/picture_loader.h"
#include "platform/sound/mmcontrol.h"
#include "window/form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

void Form1::Form_Load()
{
    // The window is sized before it is first shown; New Image leaves it the size and place the player
    // or the window manager gave it.
    if (!isVisible() && placesItself()) {
        // The window, its frame included, takes the whole of the screen that panels leave free; each
        // change of size lays it out (that of a window not yet shown, once it is). The frame is known
        // once a window manager has framed the window (fitToScreen then fits it again); until then it
        // counts as nothing.
        fittedFrame_ = frameMargins();
        const QRect fit = geometry::fitted(screen()->availableGeometry(), fittedFrame_, devicePixelRatioF());
        resize(fit.size());
        // Placed by its frame's corner, so that the window manager moves it when it frames it.
        move(fit.topLeft() - QPoint(fittedFrame_.left(), fittedFrame_.top()));
    } else if (!isVisible()) {
        // Maximised, it fills what the panels leave free. Restored, it asks for three quarters of
        // the screen, which the panels leave free on any desktop.
        resize(screen()->availableGeometry().size() * 3 / 4);
        setWindowState(Qt::WindowMaximized);
    }

    // A window not yet shown sizes its surface only when asked; the tiles' size below depends on it.
    layout()->invalidate();
    layout()->activate();
    nTess = 0;
    Picture3->hide();
    Label6->hide();
    Label7->hide();
    Label8->show();

    if (!loadFrames())
        return;

    CMNew->setEnabled(false);
    CMGame->setEnabled(false);
    yes->setChecked(true);
    fixyes->setChecked(true);
    no->setChecked(false);
    fixno->setChecked(false);
    tessere[1]->setChecked(false);
    tessere[2]->setChecked(false);
    tessere[3]->setChecked(true);
    TessNum = 100;
    sizeTemplates();

    show();

    for (int i = 1; i <= canzoni.ubound(); ++i)
        canzoni[i]->setChecked(false);
    nomusic->setChecked(false);
    all->setChecked(true);
    Brano = 0;
    MMC1_Done(1);
    importa_dati();
}

// The six frames of the waiting animation. Without them start-up cannot go on: the player is told
// which file is missing or damaged, and the program ends.
bool Form1::loadFrames()
{
    for (int i = 1; i <= 6; ++i) {
        PictureBox *frame = Picture4.load(i);
        setAccessibleRole(frame, QAccessible::Graphic);
        frame->setAccessibleName(tr("Waiting animation"));
        const QString name = QStringLiteral("frame%1.gif").arg(i);
        const QString path = paths::resolve(appPath(), name);
        QString why;
        const QImage img = picture::load(path, &why);
        if (img.isNull()) {
            tell(tr("Vareriz cannot start without the picture \"%1\": %2.")
                     .arg(QDir::toNativeSeparators(paths::join(appPath(), name)), why));
            startedWell_ = false;
            Form_Unload();
            return false;
        }
        frame->setPicture(img);
        frame->fitToPicture();
        twips::move(frame, arrangement().framesAtStart());
    }
    return true;
}

void Form1::sizeTemplates()
{
    Z = arrangement().Z;
    for (PictureBox *tpl : {Picture2[0], Picture1[0]})
        square(tpl);
}

void Form1::square(PictureBox *box) const
{
    twips::setWidth(box, Z);
    twips::setHeight(box, Z);
    box->ScaleWidth = Z;
    box->ScaleHeight = Z;
}

void Form1::Form_Activate()
{
    Label6->hide();
    Label7->hide();
    Label9->hide();
    LBLcongrat->hide();
    Text2->hide();
    Timer1->setEnabled(true);
}

void Form1::start()
{
    Form_Load();
    if (startedWell_)
        Form_Activate();
    focusGame();
}

void Form1::focusGame()
{
    if (!scelta_file || !focusTray())
        surface->setFocus();
}

void Form1::about_Click()
{
    if (Text2->isVisible()) {
        Text2->hide();
    } else {
        Text2->raise(); // above the tiles, whatever was carried last
        Text2->show();
    }
}

void Form1::CMquit_Click()
{
    close();
}

void Form1::closeEvent(QCloseEvent *e)
{
    Form_Unload();
    e->accept();
}

// Closing stops the music and ends the program at once, also in the middle of the waiting animation.
void Form1::Form_Unload()
{
    if (unloading_)
        return;
    unloading_ = true;
    MMC1->setCommand(QStringLiteral("close"));
    Timer1->setEnabled(false);
    endAnimation();
    QCoreApplication::exit(startedWell_ ? 0 : 1);
}

void Form1::Text2_Click()
{
    Text2->hide();
}
void Form1::Label5_Click()
{
    Text2->hide();
}
void Form1::Label6_Click()
{
    Text2->hide();
}
void Form1::Label9_Click()
{
    Text2->hide();
}
void Form1::options_Click()
{
    Text2->hide();
}
