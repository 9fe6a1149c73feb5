#pragma once
// The songs of the music menu, in menu order. Each caption is also its song's file name in the Music
// folder, so the game's menu, the sample library's composer and the tests all read this one table.
#include <array>

namespace songs {

inline constexpr std::array<const char *, 10> names = {"inds_01", "inds_02",  "inds_03",  "inds_04", "inds_05",
                                                       "inds_06", "M01oejjd", "Gd_vibes", "Scopa",   "Sevilana"};

} // namespace songs
