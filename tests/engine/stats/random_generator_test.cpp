#include "engine/stats/random_generator.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/stats/sample_statistics.h"

namespace vostrel {
namespace {

TEST(RandomGenerator, UniformStaysInTheUnitInterval) {
    RandomGenerator rng(12345);
    double low = 1;
    double high = 0;
    long double sum = 0;
    for (int i = 0; i < 100000; ++i) {
        const double u = rng.Uniform();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        low = std::min(low, u);
        high = std::max(high, u);
        sum += u;
    }
    EXPECT_LT(low, 0.001);
    EXPECT_GT(high, 0.999);
    EXPECT_NEAR(static_cast<double>(sum / 100000), 0.5, 0.005);
}

TEST(RandomGenerator, SeedsRepeatAndClockSeedsDiffer) {
    RandomGenerator a(7);
    RandomGenerator b(7);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(a.Uniform(), b.Uniform());
    RandomGenerator c;
    RandomGenerator d;
    bool differ = false;
    for (int i = 0; i < 4; ++i) differ = differ || c.Uniform() != d.Uniform();
    EXPECT_TRUE(differ);
}

TEST(GaussRandom, SecondCallReturnsThePartnerWithoutDrawing) {
    RandomGenerator rng(99);
    const long double first = GaussRandom(rng);
    const auto drawn = rng.UniformCount();
    EXPECT_GE(drawn, 2U);
    EXPECT_EQ(drawn % 2, 0U);
    const long double second = GaussRandom(rng);
    EXPECT_EQ(rng.UniformCount(), drawn);
    EXPECT_NE(first, second);
    GaussRandom(rng);
    EXPECT_GT(rng.UniformCount(), drawn);  // a new pair
}

TEST(GaussRandom, PolarMethodPair) {
    // Replays the two uniforms of the first accepted pair to check both results.
    RandomGenerator rng(2024);
    RandomGenerator replay(2024);
    const long double b = GaussRandom(rng);
    const long double a = GaussRandom(rng);
    long double ua = 0;
    long double ub = 0;
    long double r = 2;
    while (r >= 1 || r == 0) {
        ua = 2.0L * replay.Uniform() - 1;
        ub = 2.0L * replay.Uniform() - 1;
        r = ua * ua + ub * ub;
    }
    const long double f = std::sqrt(-2 * std::log(r) / r);
    EXPECT_EQ(b, ub * f);
    EXPECT_EQ(a, ua * f);
}

TEST(NormalRandom, MomentsOfManyDraws) {
    RandomGenerator rng(31337);
    SampleArray sample;
    for (int i = 0; i < 200000; ++i) sample.Append(static_cast<double>(NormalRandom(rng, 10, 2)));
    SampleStats s;
    DescribeSample(sample, s);
    EXPECT_NEAR(static_cast<double>(s.Mean), 10.0, 0.03);
    EXPECT_NEAR(static_cast<double>(s.StdDev), 2.0, 0.02);
    EXPECT_NEAR(static_cast<double>(s.Skewness), 0.0, 0.03);
    EXPECT_NEAR(static_cast<double>(s.Kurtosis), 0.0, 0.06);
}

TEST(RandomGenerator, RestoredStateRepeatsEveryDraw) {
    RandomGenerator rng(5);
    GaussRandom(rng);  // leaves a kept deviate, which belongs to the state
    const RandomState saved = rng.SaveState();
    const double u1 = rng.Uniform();
    const long double g1 = GaussRandom(rng);
    const long double g2 = GaussRandom(rng);
    rng.RestoreState(saved);
    EXPECT_EQ(rng.Uniform(), u1);
    EXPECT_EQ(GaussRandom(rng), g1);
    EXPECT_EQ(GaussRandom(rng), g2);

    rng.Seed(5);  // re-seeding drops the kept deviate
    RandomGenerator fresh(5);
    EXPECT_EQ(GaussRandom(rng), GaussRandom(fresh));
}

}  // namespace
}  // namespace vostrel
