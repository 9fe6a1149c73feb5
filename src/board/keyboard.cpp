// Playing by keys. Tab goes round the tray, the board and the buttons; the arrows go from tile to
// tile in the tray and from cell to cell on the board; Space or Return picks a tile up and puts it
// down, by the same steps as the mouse; Escape puts a lifted tile back.
#include "board/rules.h"
#include "platform/controls/picture_box.h"
#include "window/form1.h"

#include <QPushButton>

int Form1::trayPlaceWithFocus() const
{
    for (int p = 1; p <= TessNum; ++p)
        if (Picture2[tray_order[size_t(p)]] == focusWidget())
            return inTray(p) ? p : 0;
    return 0;
}

int Form1::cellWithFocus() const
{
    for (int c = 1; c <= TessNum; ++c)
        if (Picture1[c] == focusWidget())
            return c;
    return 0;
}

bool Form1::inTray(int p) const
{
    return p >= 1 && p <= TessNum && tile_cell[size_t(tray_order[size_t(p)])] == 0;
}

// The first tile still in the tray, in reading order; false when the tray is empty.
bool Form1::focusTray()
{
    for (int p = 1; p <= TessNum; ++p)
        if (inTray(p)) {
            Picture2[tray_order[size_t(p)]]->setFocus(Qt::OtherFocusReason);
            return true;
        }
    return false;
}

// The first free cell in reading order, or the first cell of a full board.
void Form1::focusBoard()
{
    int c = 1;
    while (c <= TessNum && !Picture1[c]->Tag.isEmpty())
        ++c;
    Picture1[c <= TessNum ? c : 1]->setFocus(Qt::OtherFocusReason);
}

bool Form1::focusNextPrevChild(bool next)
{
    // The keyboard lost its place (the window came up, a list that had it closed): it goes to the
    // game itself, never on to a button.
    if (!focusWidget() || !focusWidget()->isVisible()) {
        focusGame();
        return true;
    }
    if (!scelta_file)
        return QMainWindow::focusNextPrevChild(next);
    QList<QWidget *> buttons;
    for (QPushButton *b : {CMGame, CMNew, CMquit})
        if (b->isEnabled())
            buttons << b;
    const int stops = 2 + int(buttons.size());
    int at = trayPlaceWithFocus() ? 0 : cellWithFocus() ? 1 : 2 + int(buttons.indexOf(focusWidget()));
    // From outside the round (the window itself), Tab comes to its first stop, Shift+Tab to its last.
    if (at == 1 && !cellWithFocus())
        at = next ? -1 : stops;
    for (int step = 1; step <= stops; ++step) {
        const int stop = ((next ? at + step : at - step) % stops + stops) % stops;
        if (stop == 0 && !focusTray())
            continue;
        if (stop == 1)
            focusBoard();
        else if (stop >= 2)
            buttons[stop - 2]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return true;
}

bool Form1::keyboardPlay(int key, bool repeated)
{
    const int p = trayPlaceWithFocus(), c = cellWithFocus();
    if (!scelta_file || (!p && !c))
        return false;
    const Long s = side();
    const rules::Place at = rules::place(p ? p : c, s);
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A key held down, or one pressed while the mouse carries a tile, lifts nothing.
        if (repeated || carrying_) {
        } else if (p) {
            lift(tray_order[size_t(p)]);
        } else if (lifted_) {
            putDown(c);
        } else {
            for (int k = 1; k <= TessNum; ++k)
                if (tile_cell[size_t(k)] == c)
                    lift(Integer(k));
        }
        return true;
    case Qt::Key_Escape:
        if (const Integer k = carrying_ ? 0 : lifted_) {
            unlift();
            if (tile_cell[size_t(k)] > 0)
                Picture1[tile_cell[size_t(k)]]->setFocus(Qt::OtherFocusReason);
            else
                Picture2[k]->setFocus(Qt::OtherFocusReason);
        }
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: break;
    default: return false;
    }
    const int across = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
    const int down = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
    if (c) {
        // On the board, cell by cell, to the edges and no further.
        const rules::Place to{at.col + across, at.row + down};
        if (to.col >= 0 && to.col < s && to.row >= 0 && to.row < s)
            Picture1[rules::number(to, s)]->setFocus(Qt::OtherFocusReason);
        return true;
    }
    // In the tray, from tile to tile: across in reading order; up and down to the nearest row that
    // holds a tile, at the column nearest this one.
    int to = 0;
    for (int q = p + across; across && !to && q >= 1 && q <= TessNum; q += across)
        if (inTray(q))
            to = q;
    for (Long row = at.row + down; down && !to && row >= 0 && row < s; row += down)
        for (Long d = 0; !to && d < s; ++d)
            for (const Long col : {at.col - d, at.col + d})
                if (!to && col >= 0 && col < s && inTray(rules::number({col, row}, s)))
                    to = rules::number({col, row}, s);
    if (to)
        Picture2[tray_order[size_t(to)]]->setFocus(Qt::OtherFocusReason);
    return true;
}

// Lifts a tile that is not locked: it is marked, and the keyboard goes to the first free cell.
void Form1::lift(Integer k)
{
    if (!Picture2[k]->isEnabled())
        return;
    unlift();
    pickUp(k);
    lifted_ = k;
    Picture2[k]->setLifted(true);
    nameBoard();
    focusBoard();
}

void Form1::unlift()
{
    if (!lifted_)
        return;
    Picture2[lifted_]->setLifted(false);
    lifted_ = 0;
    nameBoard();
}

// Puts the lifted tile down on cell c, or back where it was when the cell is taken; then the
// keyboard goes back to the tray, or stays on the board once the tray is empty.
void Form1::putDown(int c)
{
    unlift();
    const rules::Place at = rules::place(c, side());
    land({Integer(at.col + 1), Integer(at.row + 1), c});
    if (!focusTray())
        Picture1[c]->setFocus(Qt::OtherFocusReason);
}

// What a screen reader says of each tile and cell, and what the tests read. A name that did not
// change is left alone, so that nothing is announced for it.
void Form1::nameBoard()
{
    const auto name = [](QWidget *w, const QString &n) {
        if (w->accessibleName() != n)
            w->setAccessibleName(n);
    };
    std::array<int, 101> holder{};
    for (int k = 1; k <= TessNum; ++k) {
        const int c = tile_cell[size_t(k)];
        holder[size_t(c)] = k;
        name(Picture2[k], k == lifted_ ? tr("tile %1, lifted").arg(k)
                          : c > 0      ? tr("tile %1, on cell %2").arg(k).arg(c)
                                       : tr("tile %1, in the tray").arg(k));
    }
    for (int c = 1; c <= TessNum; ++c) {
        const int k = holder[size_t(c)];
        const rules::Place at = rules::place(c, side());
        const QString cell = (!k                         ? tr("cell %1, row %2, column %3, empty")
                              : Picture2[k]->isEnabled() ? tr("cell %1, row %2, column %3, tile %4")
                                                         : tr("cell %1, row %2, column %3, tile %4, locked"))
                                 .arg(c)
                                 .arg(at.row + 1)
                                 .arg(at.col + 1);
        name(Picture1[c], k ? cell.arg(k) : cell);
    }
}
