#pragma once
#include <QObject>

class QWidget;

// Tells when the mouse is taken away from a window in the middle of a press: a popup opens (a menu
// opened by its key), a modal window blocks it, or it is deactivated or hidden. The press's release
// then never reaches the window.
class GrabWatch : public QObject
{
    Q_OBJECT
public:
    explicit GrabWatch(QWidget *window);

signals:
    void taken();

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    QWidget *window_;
};
