#pragma once
#include <cstdint>
#include <random>

// The game's one pseudo-random generator: uniform draws in [0, 1) with single precision, reseeded
// from the clock on request.
class VbRandom
{
public:
    // Reseeds from a high-resolution reading of the clock.
    void Randomize();
    void seed(std::uint64_t s) { engine_.seed(s); }
    float Rnd();

private:
    std::mt19937_64 engine_{0x5eed};
};
