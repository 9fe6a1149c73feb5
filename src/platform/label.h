#pragma once
#include <QFont>
#include <QLabel>

#include <optional>

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
    // Draws a caption too long for the label smaller, down to 8 points, rather than cut off at both
    // ends; the font the label had when first fitted is its caption's full size.
    void fitText();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    bool pressed_ = false;
    std::optional<QFont> fullFont_;
};
