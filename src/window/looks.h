#pragma once
#include <QColor>
#include <QFont>

// The window's fonts and colours. The design names Garamond, Arial and MS Sans Serif; they are
// mapped here, once, to the closest fonts that the system packages give (EB Garamond, Liberation
// Sans, DejaVu Sans).
namespace looks {

QFont font(const QString &designFamily, double points, bool bold = false, bool italic = false);

inline const QColor olive{128, 128, 0};
inline const QColor black{0, 0, 0};
inline const QColor formBack{192, 192, 0};
inline const QColor formFore{64, 64, 0};
inline const QColor paleYellow{255, 255, 192};
inline const QColor bannerYellow{255, 255, 128};
inline const QColor stripBlue{0, 0, 255};
// A label with no text colour of its own writes in the ordinary label colour, not the window's
// dark olive, which cannot be read on the olive captions.
inline const QColor labelText{0, 0, 0};

} // namespace looks
