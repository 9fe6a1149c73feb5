#include "platform/vb_timer.h"

VbTimer::VbTimer(QObject *parent) : QObject(parent)
{
    connect(&timer_, &QTimer::timeout, this, &VbTimer::Timer);
}

void VbTimer::setEnabled(bool on)
{
    if (on && !timer_.isActive())
        timer_.start();
    else if (!on)
        timer_.stop();
}
