#include "platform/controls/picture_box.h"

#include "platform/controls/twips.h"

#include <QMouseEvent>
#include <QPainter>

int buttonMask(Qt::MouseButtons buttons)
{
    int m = 0;
    if (buttons & Qt::LeftButton)
        m |= 1;
    if (buttons & Qt::RightButton)
        m |= 2;
    if (buttons & Qt::MiddleButton)
        m |= 4;
    // Any other button held makes the mask differ from every single-button value.
    if (buttons & ~(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton))
        m |= 8;
    return m;
}

int shiftMask(Qt::KeyboardModifiers mods)
{
    return (mods & Qt::ShiftModifier ? 1 : 0) | (mods & Qt::ControlModifier ? 2 : 0) | (mods & Qt::AltModifier ? 4 : 0);
}

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const QImage &image)
{
    setPicture(QPixmap::fromImage(image));
}

void PictureBox::setPicture(const QPixmap &pixmap)
{
    picture_ = pixmap;
    update();
}

void PictureBox::fitToPicture()
{
    if (!picture_.isNull())
        resize(picture_.deviceIndependentSize().toSize());
}

void PictureBox::setFramed(bool framed)
{
    framed_ = framed;
    update();
}

void PictureBox::setLifted(bool lifted)
{
    lifted_ = lifted;
    update();
}

void PictureBox::setBackground(const QColor &c)
{
    background_ = c;
    update();
}

void PictureBox::copyFrom(const PictureBox &tpl)
{
    setGeometry(tpl.geometry());
    ScaleWidth = tpl.ScaleWidth;
    ScaleHeight = tpl.ScaleHeight;
    background_ = tpl.background_;
    framed_ = tpl.framed_;
    picture_ = tpl.picture_;
    hide();
}

double PictureBox::scaleX() const
{
    const double full = ScaleWidth > 0 ? ScaleWidth : twips::width(this);
    return width() > 0 ? full / width() : twips::perPixel;
}

double PictureBox::scaleY() const
{
    const double full = ScaleHeight > 0 ? ScaleHeight : twips::height(this);
    return height() > 0 ? full / height() : twips::perPixel;
}

bool PictureBox::event(QEvent *e)
{
    // A locked box ignores the mouse: nothing reaches it, and nothing falls through to the window.
    if (!isEnabled()) {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: e->accept(); return true;
        default: break;
        }
    }
    return QWidget::event(e);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), background_.isValid() ? background_ : palette().color(QPalette::Button));
    if (!picture_.isNull())
        p.drawPixmap(0, 0, picture_);
    if (framed_) {
        const QRect r = rect().adjusted(0, 0, -1, -1);
        p.setPen(QColor(128, 128, 128));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(Qt::white);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    if (lifted_) {
        p.fillRect(rect(), QColor(255, 255, 255, 110));
        p.setPen(QPen(Qt::black, 2, Qt::DashLine));
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void PictureBox::mousePressEvent(QMouseEvent *e)
{
    const QPointF pos = e->position();
    emit mouseDown(buttonMask(e->button()), shiftMask(e->modifiers()), pos.x() * scaleX(), pos.y() * scaleY());
}

void PictureBox::mouseMoveEvent(QMouseEvent *e)
{
    const QPointF pos = e->position();
    emit mouseMove(buttonMask(e->buttons()), shiftMask(e->modifiers()), pos.x() * scaleX(), pos.y() * scaleY());
}

void PictureBox::mouseReleaseEvent(QMouseEvent *e)
{
    const QPointF pos = e->position();
    const bool inside = rect().contains(pos.toPoint());
    emit mouseUp(buttonMask(e->button()), shiftMask(e->modifiers()), pos.x() * scaleX(), pos.y() * scaleY());
    if (inside && e->button() == Qt::LeftButton)
        emit clicked();
}
