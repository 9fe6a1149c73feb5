#include "platform/label.h"

#include <QFontMetricsF>
#include <QMouseEvent>

Label::Label(QWidget *parent) : QLabel(parent)
{
    setAutoFillBackground(true);
    setTextFormat(Qt::PlainText);
}

void Label::setBackground(const QColor &c)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
}

void Label::setForeground(const QColor &c)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, c);
    setPalette(p);
}

QColor Label::background() const
{
    return palette().color(QPalette::Window);
}

void Label::setBordered(bool on)
{
    setFrameShape(on ? QFrame::Box : QFrame::NoFrame);
    setLineWidth(1);
}

void Label::fitText()
{
    if (!fullFont_)
        fullFont_ = font();
    QFont f = *fullFont_;
    const double room = contentsRect().width() - 2;
    while (f.pointSizeF() > 8 && QFontMetricsF(f).horizontalAdvance(text()) > room)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    setFont(f);
}

void Label::mousePressEvent(QMouseEvent *e)
{
    pressed_ = e->button() == Qt::LeftButton;
    e->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *e)
{
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    e->accept();
    if (click)
        emit clicked();
}
