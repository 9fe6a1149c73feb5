#include "platform/controls/grab_watch.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

GrabWatch::GrabWatch(QWidget *window) : QObject(window), window_(window)
{
    qApp->installEventFilter(this);
}

bool GrabWatch::eventFilter(QObject *watched, QEvent *e)
{
    switch (e->type()) {
    case QEvent::Show:
        if (watched->isWidgetType() && static_cast<QWidget *>(watched)->windowType() == Qt::Popup)
            emit taken();
        break;
    case QEvent::WindowBlocked:
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        if (watched == window_)
            emit taken();
        break;
    default: break;
    }
    return false;
}
