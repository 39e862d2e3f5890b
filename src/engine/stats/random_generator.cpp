#include "engine/stats/random_generator.h"

#include <chrono>
#include <cmath>

namespace vostrel {
namespace {

std::uint64_t ClockSeed() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace

RandomGenerator::RandomGenerator() { Randomize(); }

RandomGenerator::RandomGenerator(std::uint64_t seed) { Seed(seed); }

void RandomGenerator::Randomize() { Seed(ClockSeed()); }

void RandomGenerator::Seed(std::uint64_t seed) {
    state_.engine.seed(seed);
    state_.savedDeviate = 0;
    state_.savedDeviateValid = false;
}

double RandomGenerator::Uniform() {
    ++uniformCount_;
    // The top 53 bits as a fraction: exactly representable and never 1.
    return static_cast<double>(state_.engine() >> 11U) * 0x1.0p-53;
}

bool RandomGenerator::TakeSavedDeviate(long double& z) {
    if (!state_.savedDeviateValid) return false;
    state_.savedDeviateValid = false;
    z = state_.savedDeviate;
    return true;
}

void RandomGenerator::KeepDeviate(long double z) {
    state_.savedDeviate = z;
    state_.savedDeviateValid = true;
}

long double GaussRandom(RandomGenerator& rng) {
    long double z = 0;
    if (rng.TakeSavedDeviate(z)) return z;
    long double a = 0;
    long double b = 0;
    long double r = 0;
    do {
        a = 2.0L * rng.Uniform() - 1.0L;
        b = 2.0L * rng.Uniform() - 1.0L;
        r = a * a + b * b;
    } while (r >= 1.0L || r == 0.0L);  // r = 0 would give 0 * infinity
    const long double f = std::sqrt(-2.0L * std::log(r) / r);
    rng.KeepDeviate(a * f);
    return b * f;
}

long double NormalRandom(RandomGenerator& rng, long double mean, long double sd) {
    return mean + sd * GaussRandom(rng);
}

}  // namespace vostrel
