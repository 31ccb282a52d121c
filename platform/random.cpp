#include "platform/random.h"

#include <chrono>
#include <random>

namespace platform {

namespace {

std::mt19937 generator;      // the values that rnd() hands out
std::uint64_t reseeds = 0;   // reseeds so far; mixed into every seed so no two repeat
bool seedFixed = false;      // true: seeds come from fixedSeed, not the clock
std::uint64_t fixedSeed = 0; // the seed that fixSeed() gave

// SplitMix64 finaliser: spreads neighbouring inputs over the whole seed space.
std::uint64_t mix(std::uint64_t value) {
    value += 0x9E3779B97F4A7C15ULL;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}

void seedWith(std::uint64_t value) {
    const std::uint64_t mixed = mix(value);
    std::seed_seq seq{static_cast<std::uint32_t>(mixed), static_cast<std::uint32_t>(mixed >> 32)};
    generator.seed(seq);
}

} // namespace

float rnd() {
    // 24 random bits fill a float's mantissa exactly, so the result never rounds up to 1.
    return static_cast<float>(generator() >> 8) * (1.0f / 16777216.0f);
}

void randomize() {
    ++reseeds;
    if (seedFixed) {
        seedWith(fixedSeed ^ mix(reseeds));
        return;
    }
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    seedWith(static_cast<std::uint64_t>(nanoseconds) ^ mix(reseeds));
}

void fixSeed(std::uint64_t seed) {
    seedFixed = true;
    fixedSeed = seed;
    reseeds = 0;
    seedWith(seed);
}

void unfixSeed() {
    seedFixed = false;
}

} // namespace platform
