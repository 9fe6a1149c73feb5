#include "platform/controls/label.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QTextLayout>

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

QFont largestFitting(QFont full, const std::function<bool(const QFont &)> &fits)
{
    while (full.pointSizeF() > 8 && !fits(full))
        full.setPointSizeF(full.pointSizeF() - 0.5);
    return full;
}

void Label::fitText()
{
    if (!fullFont_)
        fullFont_ = font();
    setFont(largestFitting(*fullFont_, [this](const QFont &f) { return fits(f); }));
}

bool Label::fits(const QFont &f) const
{
    // Lines broken as the label breaks them, if it does: between words, and between the letters of
    // Chinese and Japanese; as tall as the tallest of the fonts that draw their letters.
    const QSizeF room = contentsRect().size() - QSizeF(2, 0);
    QTextLayout layout(text(), f);
    QTextOption wrap;
    wrap.setWrapMode(wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(wrap);
    layout.beginLayout();
    double height = 0;
    bool across = true;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room.width());
        across = across && line.naturalTextWidth() <= room.width();
        height += line.height();
    }
    layout.endLayout();
    return across && height <= room.height();
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
