#pragma once
// Positions and sizes are computed in twips; widgets live in logical pixels, 15 twips each.
// A value handed to a widget is rounded to whole pixels, and reading it back gives pixels x 15.
#include "platform/controls/numbers.h"
#include <QWidget>

namespace twips {

constexpr double perPixel = 15.0;

inline int toPixels(double t)
{
    return int(num::roundHalfEven(t / perPixel));
}
inline double fromPixels(int px)
{
    return px * perPixel;
}

inline double left(const QWidget *w)
{
    return fromPixels(w->x());
}
inline double top(const QWidget *w)
{
    return fromPixels(w->y());
}
inline double width(const QWidget *w)
{
    return fromPixels(w->width());
}
inline double height(const QWidget *w)
{
    return fromPixels(w->height());
}

inline void move(QWidget *w, double l, double t)
{
    w->move(toPixels(l), toPixels(t));
}
inline void setWidth(QWidget *w, double v)
{
    w->resize(toPixels(v), w->height());
}
inline void setHeight(QWidget *w, double v)
{
    w->resize(w->width(), toPixels(v));
}
inline void setGeometry(QWidget *w, double l, double t, double wd, double h)
{
    w->setGeometry(toPixels(l), toPixels(t), toPixels(wd), toPixels(h));
}
inline void setGeometry(QWidget *w, const QRectF &r)
{
    setGeometry(w, r.left(), r.top(), r.width(), r.height());
}
inline void move(QWidget *w, QPointF p)
{
    move(w, p.x(), p.y());
}
inline QSizeF fromPixels(QSize s)
{
    return QSizeF(fromPixels(s.width()), fromPixels(s.height()));
}

} // namespace twips
