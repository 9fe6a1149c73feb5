#include "platform/controls/vb_random.h"

float VbRandom::Rnd()
{
    // 24 random bits make every single-precision value in [0, 1) on a grid of 2^-24, never 1.
    return float(engine_() >> 40) * (1.0f / 16777216.0f);
}
