#include "window/geometry.h"

#include "platform/controls/twips.h"

#include <algorithm>
#include <cmath>

namespace geometry {

namespace {

// The fewest logical pixels that make a whole number of the screen's pixels at this scale: 1 at a
// whole scale, 2 at 1.5, 4 at 1.25 and 1.75; 1 where no small number does.
int wholeStep(double scale)
{
    for (int n = 1; n <= 8; ++n)
        if (std::abs(n * scale - std::round(n * scale)) < 1e-6)
            return n;
    return 1;
}

// Sizes the design keeps, whatever the window: the music control's and the buttons' height, the
// strip's width, the About text's and the lists' sizes, and the preview's place as drawn.
constexpr double rowHeight = 360, stripWidth = 1575, previewWidth = 2046, previewHeight = 2042;
const QSizeF aboutSize(3372, 1452), listSize(2772, 2712);
constexpr double picturesTop = 2760;
// Half a pixel, in twips: what rounding to whole pixels may add to a place or a size.
constexpr double halfPixel = 7.5;

} // namespace

Layout arrange(Window window, int tiles)
{
    const double w = window.inner.width(), h = window.inner.height();
    // The design's width: the window's, or less on a window wider than 4:3 ...
    double W = std::min(window.outer.width(), window.outer.height() * 4 / 3);
    // ... or less again where the surface could not hold the tray (0.9824 W, plus a tile's rounding
    // per column) or the olive bar: its top at 0.87 x 0.995 of the height, 1.35 rows high, and on a
    // tall window reaching below the buttons (at 0.87 x 1.002 of the height, one row high) by as much
    // as it reaches above the music control (0.87 x 0.005 of the height).
    W = std::min({W, (w - 20 * halfPixel) / (0.57 + 0.4124),
                  (h - 1.35 * rowHeight - 2 * halfPixel) / (0.75 * 0.87 * 0.995),
                  (h - rowHeight - 2 * halfPixel) / (0.75 * 0.87 * 1.007)});
    W = std::max(W, 0.0);
    const double H = W * 3 / 4;
    Layout l;
    l.area = QRectF(std::max(0.0, (w - W) / 2), std::max(0.0, (h - H) / 2), W, H);
    const QPointF o = l.area.topLeft();

    l.board = QRectF(o.x() + W * 0.03, o.y() + W * 0.03, W * 0.425, W * 0.425);
    l.banner = QRectF(o.x() + W * 0.545, l.board.top(), l.board.width(), l.board.height() * 0.1);
    l.about = QRectF(QPointF(o.x() + W * 0.105, o.y()), aboutSize);
    l.Z = num::CInt(W * 0.04124 * 10 / std::sqrt(double(tiles)));
    l.tray = QPointF(o.x() + 0.57 * W, o.y() + 1.224 * W * 0.03);
    l.cells = QPointF(o.x() + 1.224 * W * 0.03, l.tray.y());
    // Cells stand whole pixels apart; where rounding would take the last one past the board's frame,
    // the tiles are a little smaller. At a fractional scale, grids and tiles take whole numbers of
    // `step` logical pixels, which are whole pixels of the screen, so that every tile meets its
    // neighbours alike.
    const int step = wholeStep(window.scale);
    if (step > 1) {
        const auto onGrid = [&](double t, int at) {
            return twips::fromPixels(int(std::ceil(double(twips::toPixels(t) + at) / step)) * step - at);
        };
        l.tray = QPointF(onGrid(l.tray.x(), window.surfaceAt.x()), onGrid(l.tray.y(), window.surfaceAt.y()));
        l.cells = QPointF(onGrid(l.cells.x(), window.surfaceAt.x()), l.tray.y());
        l.Z = Integer(twips::fromPixels(twips::toPixels(l.Z) / step * step));
    }
    const int side = int(std::lround(std::sqrt(double(tiles))));
    while (l.Z > 0 && twips::fromPixels(twips::toPixels(l.Z)) * side > l.board.right() - l.cells.x())
        l.Z = Integer(l.Z - (step > 1 ? twips::fromPixels(step) : 1));
    // The strip stands against the board's right edge, as tall as the board; never over the tray.
    l.strip =
        QRectF(l.board.right(), l.board.top(), std::min(stripWidth, l.tray.x() - l.board.right()), l.board.height());

    // The music control, the three buttons after it, and the olive bar behind them all.
    l.music = QRectF(o.x() + W * 0.058, o.y() + H * 0.87, W * 0.4325, rowHeight);
    const double button = l.music.width() / 3, row = o.y() + H * 0.87 * 1.002;
    l.newImage = QRectF(l.music.right(), row, button, rowHeight);
    l.reshuffle = l.newImage.translated(button, 0);
    l.quit = l.reshuffle.translated(button, 0);
    // The bar covers them all with a margin. The row's height is fixed while its place follows the
    // height, so on a tall window the buttons would hang below a bar of 1.35 rows.
    const double barTop = o.y() + H * 0.87 * 0.995, margin = l.music.top() - barTop;
    l.bar = QRectF(o.x() + W * 0.058 * 0.932, barTop, l.music.width() * 1.012 * 2,
                   std::max(rowHeight * 1.35, row + rowHeight + margin - barTop));

    // The lists keep their place in the top-left corner of the design, over the board.
    l.categories = QRectF(o, listSize);
    l.pictures = QRectF(o + QPointF(0, picturesTop), listSize);
    return l;
}

QPointF Layout::framesAtStart() const
{
    return area.topLeft() + QPointF(area.width() * 0.105, area.width() * 0.105);
}

QPointF Layout::frames(int c, int r) const
{
    const double W = area.width();
    return area.topLeft() + QPointF(W * 0.04 + W * 0.065 * c, W * 0.04 + W * 0.065 * r);
}

Panel panel(const Layout &l, QSizeF picture)
{
    const double W = l.area.width(), scale = W / 15360;
    QSizeF shown = picture;
    if (shown.width() > previewWidth * scale || shown.height() > previewHeight * scale)
        shown.scale(previewWidth * scale, previewHeight * scale, Qt::KeepAspectRatio);
    const double board = l.board.width();
    Panel p;
    // The white frame is square, and the caption keeps clear of it; a preview taller than wide stands
    // in the middle of it.
    const double left = l.area.left() + 0.547 * W, side = std::max(shown.width(), shown.height()), frame = 1.065 * side;
    p.preview = QRectF(QPointF(left + (side - shown.width()) / 2, l.board.top() + 1.1 * board), shown);
    p.frame = QRectF(l.area.left() + 0.994 * 0.547 * W, l.board.top() + 1.0926 * board, frame, frame);
    p.title = QRectF(left + 1.4 * side, p.frame.top() + 0.4 * frame, 0.25 * W, 1.38 * rowHeight);
    p.library = QRectF(l.area.left() + 0.11 * W, p.title.top(), p.title.width(), p.title.height());
    return p;
}

QRect fitted(QRect free, QMargins frame, double scale)
{
    // At a whole scale logical pixels are whole pixels of the screen. Otherwise the toolkit gives each
    // logical figure as the screen's own divided by the scale and rounded, and back the same way: the
    // free area's edges in the screen's pixels are known to within half a logical pixel. The window
    // stays within the narrowest the free area may be, its frame taken at the widest it may be.
    if (scale == std::round(scale))
        return free.marginsRemoved(frame);
    const auto round = [&](int logical) { return int(std::lround(logical * scale)); };
    const auto least = [&](int logical) { return int(std::ceil((logical - 0.5) * scale - 1e-9)); };
    const auto most = [&](int logical) { return int(std::floor((logical + 0.5) * scale + 1e-9)); };
    const int left = most(free.left()) + most(frame.left()), top = most(free.top()) + most(frame.top());
    const int right = least(free.left()) + least(free.width()) - most(frame.right());
    const int bottom = least(free.top()) + least(free.height()) - most(frame.bottom());
    QRect client(int(std::ceil((left - 0.5) / scale)), int(std::ceil((top - 0.5) / scale)), 0, 0);
    while (round(client.left()) < left)
        client.moveLeft(client.left() + 1);
    while (round(client.top()) < top)
        client.moveTop(client.top() + 1);
    int w = int((right - round(client.left())) / scale) + 1, h = int((bottom - round(client.top())) / scale) + 1;
    while (w > 0 && round(client.left()) + round(w) > right)
        --w;
    while (h > 0 && round(client.top()) + round(h) > bottom)
        --h;
    client.setSize(QSize(w, h));
    return client;
}

QRect keptWithin(QRect window, QRect fit)
{
    if (window.width() <= fit.width() && window.height() <= fit.height() && window.intersects(fit))
        return window;
    window.setSize(window.size().boundedTo(fit.size()));
    window.moveTo(std::clamp(window.x(), fit.left(), fit.right() + 1 - window.width()),
                  std::clamp(window.y(), fit.top(), fit.bottom() + 1 - window.height()));
    return window;
}

} // namespace geometry
