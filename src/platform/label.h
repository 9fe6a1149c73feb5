#pragma once
#include <QLabel>

// A label that reports a click (a left press and release over it).
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent);
    void setBackground(const QColor &c);
    void setForeground(const QColor &c);
    QColor background() const;
    void setBordered(bool on);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    bool pressed_ = false;
};
