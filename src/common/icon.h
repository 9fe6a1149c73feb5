#pragma once
#include <QIcon>
#include <QImage>
#include <array>

// The game's icon, in the colours of the classic 16-colour palette: a 6 x 6 grid of small white
// squares, each with a short black diagonal stroke, on a red ground. Drawn anew at each size.
QImage gameIcon(int size = 32);
// The sizes of the desktop's icon theme, and the icon at all of them.
inline constexpr std::array<int, 8> iconSizes = {16, 22, 24, 32, 48, 64, 128, 256};
QIcon gameIcons();
