#pragma once
#include <QPointer>
#include <QWidget>

// The keyboard's highlight on a surface of picture boxes: two rings, light outside and dark inside,
// around the box that has the keyboard focus, so that it reads on any picture. It shows while the
// keyboard is in use; a mouse press anywhere hides it until the next key.
class FocusRing : public QWidget
{
    Q_OBJECT
public:
    explicit FocusRing(QWidget *surface);
    // The box it stands around, if it shows.
    QWidget *target() const { return isVisible() ? target_.data() : nullptr; }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    void follow(QWidget *focus);
    void place();
    QPointer<QWidget> target_;
    bool keyboard_ = false;
};
