// The window's layout: every part placed for the window's current size, the board included, and the
// window itself fitted to the screen where the platform lets a window place itself.
#include "platform/controls/file_list.h"
#include "platform/controls/label.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/twips.h"
#include "platform/sound/mmcontrol.h"
#include "window/form1.h"
#include "window/looks.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>
#include <QWindow>

namespace {
const char *const instructions =
    QT_TRANSLATE_NOOP("Form1", "       Select the   number of   tesserae in    Option          Menu......    "
                               "                        then        choose the Image.");
}

geometry::Layout Form1::arrangement() const
{
    return geometry::arrange(
        {QSizeF(W(), H()), twips::fromPixels(surface->size()), devicePixelRatioF(), surface->mapTo(this, QPoint())},
        TessNum);
}

void Form1::Form_Resize()
{
    if (isMinimized()) {
        MMC1->setCommand(QStringLiteral("pause"));
        return;
    }
    MMC1->setCommand(QStringLiteral("play"));
    const geometry::Layout l = arrangement();

    twips::setGeometry(Label1, l.board);
    twips::setGeometry(LBLcongrat, l.banner);
    twips::move(Text2, l.about.topLeft());

    twips::setGeometry(Label8, l.strip);
    Label8->setBackground(looks::black);
    Label8->setForeground(Qt::white);
    QFont f = Label8->font();
    f.setPointSizeF(14);
    // Bold: white on the olive of the blink needs large text to be read (4.2:1).
    f.setBold(true);
    Label8->setFont(f);
    Label8->setText(QString(100, u' ') + tr(instructions));
    Label8->fitText();
    LBLcongrat->fitText();

    twips::setGeometry(MMC1, l.music);
    MMC1->setWait(false);
    MMC1->show();
    twips::setGeometry(CMGame, l.newImage);
    twips::setGeometry(CMNew, l.reshuffle);
    twips::setGeometry(CMquit, l.quit);
    // A caption too wide for its button is drawn smaller, as a long caption of a label is.
    for (QPushButton *b : {CMGame, CMNew, CMquit})
        b->setFont(largestFitting(looks::font(QStringLiteral("Arial"), 12, true), [b](const QFont &font) {
            const int margins = 2 * (b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) +
                                     b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b));
            return QFontMetrics(font).size(Qt::TextShowMnemonic, b->text()).width() + margins <= b->width();
        }));
    twips::setGeometry(Label5, l.bar);
    twips::move(List1, l.categories.topLeft());
    twips::move(File1, l.pictures.topLeft());

    // The tiles follow the board's size: the next board's, and the one in play.
    if (l.Z != Z)
        sizeTemplates();
    if (scelta_file)
        fitBoard();
}

// A window made larger than the free area from outside (a tool, a window manager's rule) is fitted
// back into it.
void Form1::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    // Once the window manager has said all it says of this resize (a maximised window learns it is
    // maximised after its new size).
    QMetaObject::invokeMethod(this, &Form1::fitToScreen, Qt::QueuedConnection);
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

// Under Wayland a window can neither place itself nor learn the size of its frame or of the panels:
// it asks to be maximised and takes whatever size the compositor gives it.
bool Form1::placesItself()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// A window manager frames the window only after it is shown, and may frame it anew (a restore, another
// theme); a panel may come or go. Each time the whole window, frame included, is larger than the area
// the panels leave free, it is fitted into it again. A window no larger keeps the size and place the
// player or the window manager gave it, even partly off the screen or across two monitors; an
// un-maximised window stays un-maximised.
void Form1::fitToScreen()
{
    // Only an X11 window manager frames the window and says where the panels are. A window the player
    // maximised or made full screen is the window manager's to place.
    if (QGuiApplication::platformName() != u"xcb" || isMinimized() || isMaximized() || isFullScreen() || !screen())
        return;
    fittedFrame_ = frameMargins();
    const QRect kept = geometry::keptWithin(
        geometry(), geometry::fitted(screen()->availableGeometry(), fittedFrame_, devicePixelRatioF()));
    if (kept != geometry())
        setGeometry(kept);
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
