#pragma once
// Where every control of the window stands, apart from any widget. The design is drawn for a 4:3
// window, as fractions of its width; a window of any other shape gets the design at the size of the
// largest 4:3 area it holds, centred, so that nothing falls off the window or under the button row.
// All in twips.
#include "platform/controls/numbers.h"

#include <QRectF>

namespace geometry {

// The window's outer size (frame included), which the design's fractions read, and the size of its
// inner surface, where the controls stand. At a fractional scale (1.25, 1.5 ...) a logical pixel is
// not a whole number of the screen's: the grids are then placed where they fall on whole pixels of
// the screen, which needs the scale and where the surface stands in the window, in logical pixels.
struct Window {
    Window(QSizeF outer, QSizeF inner, double scale = 1, QPoint surfaceAt = {})
        : outer(outer), inner(inner), scale(scale), surfaceAt(surfaceAt)
    {
    }
    QSizeF outer, inner;
    double scale;
    QPoint surfaceAt;
};

struct Layout {
    QRectF area; // the 4:3 area the design is drawn in: its width is the design's window width
    QRectF board, banner, strip, about, music, newImage, reshuffle, quit, bar, categories, pictures;
    Integer Z = 0;       // side of a tile and of a cell
    QPointF tray, cells; // the first tray place and the first cell; the others follow Z apart
    // Where the waiting animation's frames stand: at start-up, and on column c, row r of its grid.
    QPointF framesAtStart() const;
    QPointF frames(int c, int r) const;
};
Layout arrange(Window window, int tiles);

// The preview of the chosen picture under the tray, its white frame and the two captions. A preview
// picture larger than its place is shown smaller, keeping its proportions.
struct Panel {
    QRectF preview, frame, title, library;
};
Panel panel(const Layout &layout, QSizeF picture);

// Where a window framed by `frame` is placed so that, frame included, it fills the free area of the
// screen: all in logical pixels, as the toolkit rounds them from the screen's own pixels at `scale`.
// At a fractional scale the window is made a pixel or two smaller where rounding could take it past
// the free area.
QRect fitted(QRect free, QMargins frame, double scale);

// Where a window at `window` stands once fitted into `fit` (the place `fitted` gives): a window larger
// than it, either way, is made as small and moved inside it, and one wholly outside it (its monitor
// gone) is moved inside; any other keeps its size and its place, even partly off the screen, where the
// player put it.
QRect keptWithin(QRect window, QRect fit);

} // namespace geometry
