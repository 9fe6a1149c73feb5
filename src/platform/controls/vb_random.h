#pragma once
#include <cstdint>
#include <random>

// The game's one pseudo-random generator: uniform draws in [0, 1) with single precision.
class VbRandom
{
public:
    void seed(std::uint64_t s) { engine_.seed(s); }
    float Rnd();

private:
    std::mt19937_64 engine_{0x5eed};
};
