#include "engine/stats/sample_array.h"

#include <gtest/gtest.h>

namespace vostrel {
namespace {

TEST(SampleArray, GrowsButNeverShrinks) {
    SampleArray a;
    EXPECT_EQ(a.Acount(), 0);
    a.MaxSizeA_Array(10);
    EXPECT_EQ(a.Acount(), 10);
    a.MaxSizeA_Array(5);
    EXPECT_EQ(a.Acount(), 10);
    for (int i = 0; i < 25; ++i) a.Append(i);
    EXPECT_EQ(a.SampleCount, 25);
    EXPECT_GE(a.Acount(), 25);
    EXPECT_EQ(a[25], 24.0);
}

}  // namespace
}  // namespace vostrel
