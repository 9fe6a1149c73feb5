#include "platform/controls/focus_ring.h"

#include "platform/controls/picture_box.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace {
constexpr int ring = 3; // each ring's width, in pixels; the two stand over the box's edge
}

FocusRing::FocusRing(QWidget *surface) : QWidget(surface)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
}

void FocusRing::follow(QWidget *focus)
{
    auto *box = qobject_cast<PictureBox *>(focus);
    target_ = box && box->parentWidget() == parentWidget() ? box : nullptr;
    place();
}

void FocusRing::place()
{
    if (!target_ || !keyboard_) {
        hide();
        return;
    }
    setGeometry(target_->geometry().adjusted(-ring, -ring, ring, ring));
    raise();
    show();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *e)
{
    switch (e->type()) {
    case QEvent::KeyPress:
        if (!keyboard_) {
            keyboard_ = true;
            place();
        }
        break;
    case QEvent::MouseButtonPress:
        keyboard_ = false;
        hide();
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Hide:
    case QEvent::Show:
        if (watched == target_)
            place();
        break;
    default: break;
    }
    return false;
}

void FocusRing::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QPen(Qt::white, ring));
    p.drawRect(QRectF(rect()).adjusted(ring / 2.0, ring / 2.0, -ring / 2.0, -ring / 2.0));
    p.setPen(QPen(Qt::black, ring));
    p.drawRect(QRectF(rect()).adjusted(ring * 1.5, ring * 1.5, -ring * 1.5, -ring * 1.5));
}
