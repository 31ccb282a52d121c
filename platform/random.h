#pragma once

#include <cstdint>

// The platform's uniform random generator.
namespace platform {

// The next value, a float with 0 <= r < 1.
float rnd();

// Reseeds from the clock. Two reseeds within the same millisecond still give different sequences.
void randomize();

// Makes every later reseed deterministic: the n-th reseed after this call always starts the same
// sequence for the same seed. For tests and soak runs.
void fixSeed(std::uint64_t seed);

// Back to reseeding from the clock.
void unfixSeed();

} // namespace platform
