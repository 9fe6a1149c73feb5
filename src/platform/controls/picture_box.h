#pragma once
#include <QPixmap>
#include <QWidget>

// A box that shows a picture at its top-left corner. It carries a Tag, reports the mouse with the
// button masks 1 (left), 2 (right) and 4 (middle) and with positions in its own scale units, and,
// while disabled, swallows the mouse altogether.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent);

    QString Tag;

    void setPicture(const QImage &image);
    void setPicture(const QPixmap &pixmap);
    const QPixmap &picture() const { return picture_; }
    // Makes the box exactly as large as its picture.
    void fitToPicture();

    // The inner coordinate range: X runs from 0 to ScaleWidth across the box, Y from 0 to ScaleHeight.
    // Zero means the box's own size in twips.
    double ScaleWidth = 0, ScaleHeight = 0;

    // A sunken frame drawn inside the box (the board's empty cells use it).
    void setFramed(bool framed);
    // The look of a box lifted to be put down elsewhere: paled, in a dashed frame.
    void setLifted(bool lifted);
    bool lifted() const { return lifted_; }
    void setBackground(const QColor &c);

    // Copies size, place, scale and look of a template; the copy starts hidden.
    void copyFrom(const PictureBox &tpl);

signals:
    void mouseDown(int button, int shift, double x, double y);
    void mouseMove(int button, int shift, double x, double y);
    void mouseUp(int button, int shift, double x, double y);
    void clicked();

protected:
    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    double scaleX() const;
    double scaleY() const;
    QPixmap picture_;
    QColor background_;
    bool framed_ = false, lifted_ = false;
};

// The mouse button masks as the game's handlers know them.
int buttonMask(Qt::MouseButtons buttons);
int shiftMask(Qt::KeyboardModifiers mods);
