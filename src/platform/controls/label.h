#pragma once
#include <QFont>
#include <QLabel>

#include <optional>

#include <functional>

// The largest font, from `full` down to 8 points by half points, that `fits` accepts; 8 points when
// none does.
QFont largestFitting(QFont full, const std::function<bool(const QFont &)> &fits);

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
    // Draws a caption too long or too tall for the label smaller, down to 8 points, rather than cut
    // off; the font the label had when first fitted is its caption's full size. A word-wrapped
    // caption fits when every line fits across and all of them down.
    void fitText();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    bool fits(const QFont &f) const;
    bool pressed_ = false;
    std::optional<QFont> fullFont_;
};
