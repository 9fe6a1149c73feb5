#pragma once
#include <QImage>

// The window's icon, 32 x 32 in 16 colours: a 6 x 6 grid of small white squares, each with a short
// black diagonal stroke, on a red ground.
QImage gameIcon();
