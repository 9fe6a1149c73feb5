#include "platform/controls/vb_timer.h"

VbTimer::VbTimer(QObject *parent) : QObject(parent)
{
    connect(&timer_, &QTimer::timeout, this, &VbTimer::Timer);
}

void VbTimer::setEnabled(bool on)
{
    enabled_ = on;
    update();
}

void VbTimer::hold(bool held)
{
    held_ = held;
    update();
}

void VbTimer::update()
{
    const bool ticking = enabled_ && !held_;
    if (ticking && !timer_.isActive())
        timer_.start();
    else if (!ticking)
        timer_.stop();
}
