#pragma once
// How good a puzzle a picture makes when cut into 10 x 10 tiles: how many tiles are flat (almost one
// colour), how many pairs of tiles look alike on a coarse signature of 4 x 4 colours, and how far it
// stands from another picture.
#include <QImage>
#include <vector>

namespace gen {

struct PuzzleQuality {
    int flatTiles = 0;
    int pairsAlike = 0;
    std::vector<int> signature; // every tile's 4 x 4 colours, tile by tile

    // Root-mean-square difference of two pictures' signatures, in levels of 0 ... 255.
    double distance(const PuzzleQuality &other) const;
};

PuzzleQuality puzzleQuality(const QImage &picture);

} // namespace gen
