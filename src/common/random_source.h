// The uniform random source behind every roll. Windows are handed one through their services, so
// tests can script the draws.
#pragma once

#include <cstdint>
#include <random>

namespace common {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform number in [0, 1).
    virtual double draw() = 0;
    // Starts the sequence again from a number; the same number gives the same sequence.
    virtual void reseed(double seed) = 0;
};

// A 64-bit Mersenne Twister. Reseeding uses the IEEE-754 bit pattern of the seed number (with -0
// read as 0) as the engine's seed, and each draw keeps the top 53 bits of one engine output, so a
// seed gives the same draws on every platform and compiler.
class SeededRandom final : public RandomSource {
public:
    double draw() override;
    void reseed(double seed) override;

    static std::uint64_t engineSeed(double seed);

private:
    std::mt19937_64 engine_;
};

} // namespace common
