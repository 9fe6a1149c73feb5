#pragma once
// The board's rules, apart from any widget: where a grid place lies, which cell a dropped tile lands
// on, whether a tile stands on its right cell, and the deal into the tray. The window's handlers call
// them with what its controls hold; the tests call them directly.
#include "platform/controls/numbers.h"

#include <array>
#include <functional>

namespace rules {

// Places of a grid are numbered from 1, row by row, `side` places to a row.
struct Place {
    Long col = 0, row = 0; // 0-based
};
Place place(int p, Long side);
int number(Place at, Long side);

// The top-left corner of place p of a grid whose first place stands at (originLeft, originTop), its
// neighbours `step` apart across and down.
struct Corner {
    double left = 0, top = 0;
};
Corner corner(int p, Long side, double originLeft, double originTop, Integer step);

// Where a tile dropped with its top-left corner at (left, top) lands. The board frame is a square; a
// corner on its edges is inside. Steps are counted from the frame's own corner.
// `cell` is 0 when the drop names no cell: outside the frame, or in the frame's margin beyond the
// last column or row.
struct Landing {
    Integer DX = 0, DY = 0; // 1-based column and row
    int cell = 0;
};
Landing landing(double left, double top, double frameLeft, double frameTop, double frameWidth, Integer step, Long side);

// A tile stands right when its number is the number of the cell it landed on.
bool standsRight(int tile, Integer DX, Integer DY, Long side);

// Deals tiles 1 ... count into tray places 1 ... count in random order: draws without replacement,
// a tile already dealt being drawn again for the same place. `draw` gives numbers in [0, 1).
// Entries above `count` are left as they are.
using Draw = std::function<double()>;
void shuffle(Integer count, std::array<Integer, 101> &tile_pool, std::array<Integer, 101> &tray_order,
             const Draw &draw);

} // namespace rules
