#include "board/rules.h"

#include <algorithm>

namespace rules {

Place place(int p, Long side)
{
    return {Long((p - 1) % side), Long((p - 1) / side)};
}

int number(Place at, Long side)
{
    return int(at.row * side + at.col + 1);
}

Corner corner(int p, Long side, double originLeft, double originTop, Integer step)
{
    // Products of wide integers: on a very large screen step x col exceeds 16 bits.
    const Place at = place(p, side);
    return {originLeft + Long(step) * at.col, originTop + Long(step) * at.row};
}

Landing landing(double left, double top, double frameLeft, double frameTop, double frameWidth, Integer step, Long side)
{
    Landing l;
    if (left < frameLeft || frameLeft + frameWidth < left || top < frameTop || frameTop + frameWidth < top || step <= 0)
        return l;
    const double col = num::Int((left - frameLeft) / step) + 1;
    const double row = num::Int((top - frameTop) / step) + 1;
    // The frame is a little larger than the grid: a corner beyond the last column or row names no cell.
    if (col > side || row > side)
        return l;
    l.DX = Integer(col);
    l.DY = Integer(row);
    l.cell = int(l.DX + (l.DY - 1) * side);
    return l;
}

bool standsRight(int tile, Integer DX, Integer DY, Long side)
{
    return tile == DX + (DY - 1) * side;
}

void shuffle(Integer count, std::array<Integer, 101> &tile_pool, std::array<Integer, 101> &tray_order, const Draw &draw)
{
    for (int k = 1; k <= count; ++k)
        tile_pool[size_t(k)] = Integer(k);
    int p = 1;
    while (p <= count) {
        const int k = std::clamp(int(num::Int(draw() * count)) + 1, 1, int(count));
        if (tile_pool[size_t(k)] == 0)
            continue;
        tray_order[size_t(p)] = tile_pool[size_t(k)];
        tile_pool[size_t(k)] = 0;
        ++p;
    }
}

} // namespace rules
