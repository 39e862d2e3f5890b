#pragma once
// The program's one source of random numbers: uniform numbers from a generator whose
// whole state can be saved and restored, so that a unit of data can be extracted again
// with the same draws, and normal numbers by the polar method, which keeps the second
// deviate of each pair for the next call.

#include <cstdint>
#include <random>

namespace vostrel {

// Everything that decides the next numbers drawn, including the kept normal deviate.
struct RandomState {
    std::mt19937_64 engine;
    long double savedDeviate = 0;
    bool savedDeviateValid = false;
};

class RandomGenerator {
  public:
    // Seeded from the clock.
    RandomGenerator();
    // A fixed seed, for reproducible runs and tests.
    explicit RandomGenerator(std::uint64_t seed);

    // Starts a new sequence from the clock, or from a given seed; the kept deviate is dropped.
    void Randomize();
    void Seed(std::uint64_t seed);

    // Uniform in [0, 1).
    double Uniform();

    RandomState SaveState() const { return state_; }
    void RestoreState(const RandomState& state) { state_ = state; }

    // The normal deviate kept from the last pair, if any; taking it uses it up.
    bool TakeSavedDeviate(long double& z);
    void KeepDeviate(long double z);

    // Number of uniform numbers drawn so far (lets tests see what a call consumed).
    std::uint64_t UniformCount() const { return uniformCount_; }

  private:
    RandomState state_;
    std::uint64_t uniformCount_ = 0;
};

// A standard normal number (polar method): every second call returns the partner of
// the previous one without drawing.
long double GaussRandom(RandomGenerator& rng);

// mean + sd * GaussRandom.
long double NormalRandom(RandomGenerator& rng, long double mean, long double sd);

}  // namespace vostrel
