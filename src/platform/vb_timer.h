#pragma once
#include <QObject>
#include <QTimer>

// A timer with an Enabled switch and an interval in milliseconds, that ticks while enabled.
class VbTimer : public QObject
{
    Q_OBJECT
public:
    explicit VbTimer(QObject *parent = nullptr);
    void setEnabled(bool on);
    bool Enabled() const { return timer_.isActive(); }
    void setInterval(int ms) { timer_.setInterval(ms); }

signals:
    void Timer();

private:
    QTimer timer_;
};
