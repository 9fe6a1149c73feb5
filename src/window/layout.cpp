// The window's layout: every fixed part placed as a fraction of the window's size.
#include "platform/label.h"
#include "platform/mmcontrol.h"
#include "platform/twips.h"
#include "window/form1.h"
#include "window/looks.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>

namespace {
const char *const instructions = "       Select the   number of   tesserae in    Option          Menu......    "
                                 "                        then        choose the Image.";
}

void Form1::Form_Resize()
{
    if (isMinimized()) {
        MMC1->setCommand(QStringLiteral("pause"));
        return;
    }
    MMC1->setCommand(QStringLiteral("play"));
    const double w = W(), h = H();

    twips::setGeometry(Label1, w * 0.03, w * 0.03, w * 0.425, w * 0.425);
    twips::setGeometry(LBLcongrat, w * 0.545, twips::top(Label1), twips::width(Label1), twips::height(Label1) * 0.1);
    twips::move(Text2, w * 0.105, 0);

    twips::move(Label8, twips::left(Label1) + twips::width(Label1), twips::top(Label1));
    twips::setHeight(Label8, twips::height(Label1));
    Label8->setBackground(looks::black);
    Label8->setForeground(Qt::white);
    QFont f = Label8->font();
    f.setPointSizeF(14);
    // Bold: white on the olive of the blink needs large text to be read (4.2:1).
    f.setBold(true);
    Label8->setFont(f);
    Label8->setText(QString(100, u' ') + QString::fromLatin1(instructions));

    twips::setWidth(MMC1, w * 0.4325);
    twips::move(MMC1, w * 0.058, h * 0.87);
    MMC1->setWait(false);
    MMC1->show();

    const double row = twips::top(MMC1) * 1.002;
    const double after = twips::left(MMC1) + twips::width(MMC1);
    twips::setWidth(CMGame, twips::width(MMC1) / 3);
    twips::move(CMGame, after, row);
    twips::setWidth(CMNew, twips::width(MMC1) / 3);
    twips::move(CMNew, after + twips::width(CMGame), row);
    twips::setWidth(CMquit, twips::width(MMC1) / 3);
    twips::move(CMquit, after + twips::width(CMGame) + twips::width(CMNew), row);

    twips::setGeometry(Label5, twips::left(MMC1) * 0.932, twips::top(MMC1) * 0.995, twips::width(MMC1) * 1.012 * 2,
                       twips::height(MMC1) * 1.35);
}

void Form1::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    Form_Resize();
    if (frameMargins() != fittedFrame_)
        fitToScreen();
}

void Form1::moveEvent(QMoveEvent *e)
{
    QMainWindow::moveEvent(e);
    if (frameMargins() != fittedFrame_)
        fitToScreen();
}

QMargins Form1::frameMargins() const
{
    return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

// A window manager frames the window only after it is shown, and may frame it anew (a restore, another
// theme); a panel may come or go. Each time, the whole window, frame included, is fitted again into the
// area the panels leave free, and laid out from that outer size. A window the player moved keeps its
// place until one of these happens.
void Form1::fitToScreen()
{
    // A window the player maximised or made full screen is the window manager's to place.
    if (isMinimized() || isMaximized() || isFullScreen() || !screen())
        return;
    fittedFrame_ = frameMargins();
    const QRect inner = screen()->availableGeometry().marginsRemoved(fittedFrame_);
    if (geometry() != inner)
        setGeometry(inner);
}

void Form1::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange)
        return;
    const auto old = static_cast<QWindowStateChangeEvent *>(e)->oldState();
    // Minimising pauses the music; coming back lays the window out again and resumes it.
    if (isMinimized() || (old & Qt::WindowMinimized))
        Form_Resize();
    if (old & Qt::WindowMinimized)
        fitToScreen();
}
