#pragma once
#include <QObject>
#include <QTimer>

// A timer with an Enabled switch and an interval in milliseconds, that ticks while enabled. A handler
// whose work goes on after it returns can hold the timer meanwhile: it does not tick while held, and
// Enabled is unchanged.
class VbTimer : public QObject
{
    Q_OBJECT
public:
    explicit VbTimer(QObject *parent = nullptr);
    void setEnabled(bool on);
    bool Enabled() const { return enabled_; }
    void setInterval(int ms) { timer_.setInterval(ms); }
    void hold(bool held);

signals:
    void Timer();

private:
    void update();

    QTimer timer_;
    bool enabled_ = false, held_ = false;
};
