#include "common/random_source.h"

#include <bit>

namespace common {

double SeededRandom::draw() { return double(engine_() >> 11) * 0x1.0p-53; }

void SeededRandom::reseed(double seed) { engine_.seed(engineSeed(seed)); }

std::uint64_t SeededRandom::engineSeed(double seed) { return std::bit_cast<std::uint64_t>(seed == 0.0 ? 0.0 : seed); }

} // namespace common
