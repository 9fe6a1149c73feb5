#include "platform/vb_random.h"

#include <chrono>

void VbRandom::Randomize()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(std::uint64_t(now) ^ 0x9e3779b97f4a7c15ull);
}

float VbRandom::Rnd()
{
    // 24 random bits make every single-precision value in [0, 1) on a grid of 2^-24, never 1.
    return float(engine_() >> 40) * (1.0f / 16777216.0f);
}
