#pragma once
// Whole-number rules of the game: Integer is 16 bits, Long 32 bits, and every conversion of a
// fractional value takes the nearest whole number, halves going to the even neighbour.
#include <cmath>
#include <cstdint>
#include <limits>

using Integer = std::int16_t;
using Long = std::int32_t;

namespace num {

// Nearest whole number, halves to even (the default rounding mode of the floating-point unit).
inline double roundHalfEven(double v)
{
    return std::nearbyint(v);
}

template <typename T> T clampedRound(double v)
{
    if (std::isnan(v))
        return 0;
    const double r = roundHalfEven(v);
    if (r < double(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (r > double(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return T(r);
}

// Out-of-range values saturate instead of stopping the program with an overflow.
inline Integer CInt(double v)
{
    return clampedRound<Integer>(v);
}
inline Long CLng(double v)
{
    return clampedRound<Long>(v);
}

// The largest whole number not above v.
inline double Int(double v)
{
    return std::floor(v);
}

} // namespace num
