#pragma once

#include <cstdint>

// Random whole numbers, and the error report of the maths routines.
namespace mathsFunctions {

// A whole number from low to high inclusive, each equally likely; the upper bound comes first.
// With high below low it reports error 4 and returns 0. high - low + 1 must fit 16 bits.
float randomNumber(const std::int16_t& high, const std::int16_t& low);

// Shows the exclamation box "MathsFunctions error" for the code.
void reportMathsError(const std::int16_t& code);

} // namespace mathsFunctions
