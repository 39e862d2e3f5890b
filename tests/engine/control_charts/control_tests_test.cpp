#include "engine/control_charts/control_tests.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace vostrel {
namespace {

using Row = ChartArrayType::Row;

// One location chart with a centerline of 0, a standard error of 1 and limits at +-3,
// and only the tests a case names enabled.
class ControlTestsTest : public ::testing::Test {
  protected:
    void SetPoints(const std::vector<double>& xs) {
        count_ = static_cast<int>(xs.size());
        arrays_.EnsureCapacity(count_);
        for (int p = 1; p <= count_; ++p) {
            arrays_(Row::LocStat, p) = xs[static_cast<std::size_t>(p - 1)];
            arrays_(Row::LocCL, p) = 0.0;
            arrays_(Row::LocStdError, p) = 1.0;
            arrays_(Row::LocUCL, p) = 3.0;
            arrays_(Row::LocLCL, p) = -3.0;
            arrays_(Row::SetNumber, p) = 0.0;
            arrays_(Row::BreakAfter, p) = 0.0;
        }
    }

    void Enable(std::initializer_list<int> tests) {
        settings_.StdTestEnabled.fill(false);
        for (int t : tests) settings_.StdTestEnabled[static_cast<std::size_t>(t)] = true;
    }

    // The codes of points 1..count.
    std::vector<std::string> Codes(int chart = LocationChart, bool movingRange = false) {
        EvaluateControlTests(arrays_, count_, settings_, chart, movingRange,
                             chart == LocationChart ? LocationTestRows : DispersionTestRows,
                             codes_);
        std::vector<std::string> result;
        for (int p = 1; p <= count_; ++p) result.push_back(CodesOfPoint(codes_, chart, p));
        return result;
    }

    static std::vector<std::string> Marked(int continued, const std::string& symbol,
                                           std::vector<std::string> tail) {
        std::vector<std::string> result(static_cast<std::size_t>(continued), symbol);
        result.insert(result.end(), tail.begin(), tail.end());
        return result;
    }

    ChartArrayType arrays_;
    int count_ = 0;
    ControlTestSettings settings_;
    ControlCodes codes_;
};

TEST_F(ControlTestsTest, OutsideLimitsFiresOnlyStrictlyBeyondAPresentLimit) {
    SetPoints({3.0, 3.01, -3.0, -3.01, 10.0});
    arrays_(Row::LocUCL, 5) = MissingValue;
    Enable({1});
    EXPECT_EQ(Codes(), (std::vector<std::string>{"", "O", "", "O", ""}));

    Enable({});
    EXPECT_EQ(Codes(), (std::vector<std::string>(5, "")));
}

TEST_F(ControlTestsTest, RunOfEightMarksTheEighthAndKeepsEarlierMarks) {
    Enable({2});
    SetPoints(std::vector<double>(7, 1.0));
    EXPECT_EQ(Codes(), std::vector<std::string>(7, ""));

    SetPoints(std::vector<double>(8, 1.0));
    EXPECT_EQ(Codes(), Marked(7, "¶", {"R"}));

    SetPoints(std::vector<double>(9, -1.0));
    EXPECT_EQ(Codes(), Marked(7, "¶", {"R", "R"}));
}

TEST_F(ControlTestsTest, APointOnTheCenterlineEndsARun) {
    Enable({2});
    std::vector<double> xs(8, 1.0);
    xs[3] = 0.0;
    SetPoints(xs);
    EXPECT_EQ(Codes(), std::vector<std::string>(8, ""));
    // Each point is compared with its own centerline.
    arrays_(Row::LocCL, 4) = -0.5;
    EXPECT_EQ(Codes(), Marked(7, "¶", {"R"}));
}

TEST_F(ControlTestsTest, PatternsStopAtBreaksSetChangesAndMissingPoints) {
    Enable({2});
    SetPoints(std::vector<double>(9, 1.0));
    arrays_(Row::BreakAfter, 7) = 1.0;
    EXPECT_EQ(Codes(), std::vector<std::string>(9, ""));

    SetPoints(std::vector<double>(9, 1.0));
    for (int p = 8; p <= 9; ++p) arrays_(Row::SetNumber, p) = 2.0;
    EXPECT_EQ(Codes(), std::vector<std::string>(9, ""));

    SetPoints(std::vector<double>(9, 1.0));
    arrays_(Row::LocStat, 2) = MissingValue;
    EXPECT_EQ(Codes(), std::vector<std::string>(9, ""));

    // A break after the first point leaves room for a run of 8 after it.
    SetPoints(std::vector<double>(9, 1.0));
    arrays_(Row::BreakAfter, 1) = 1.0;
    EXPECT_EQ(Codes(), (std::vector<std::string>{"", "¶", "¶", "¶", "¶", "¶", "¶", "¶", "R"}));
}

TEST_F(ControlTestsTest, WindowOKChecksOnlyThePointsBeforeTheLast) {
    SetPoints({1, 2, 3, 4});
    auto evaluator = [this] {
        return ControlTestEvaluator(arrays_, count_, settings_, LocationTestRows,
                                    codes_.Codes[LocationChart]);
    };
    EXPECT_TRUE(evaluator().WindowOK(1, 1));
    EXPECT_TRUE(evaluator().WindowOK(4, 4));
    EXPECT_FALSE(evaluator().WindowOK(3, 4));  // the window would start before point 1
    arrays_(Row::BreakAfter, 4) = 1.0;         // a break after the last point does not count
    EXPECT_TRUE(evaluator().WindowOK(4, 4));
    arrays_(Row::BreakAfter, 3) = 1.0;
    EXPECT_FALSE(evaluator().WindowOK(4, 4));
    EXPECT_TRUE(evaluator().WindowOK(3, 3));
    arrays_(Row::SetNumber, 2) = 1.0;
    EXPECT_FALSE(evaluator().WindowOK(3, 3));
    EXPECT_TRUE(evaluator().WindowOK(3, 1));
}

TEST_F(ControlTestsTest, TrendNeedsStrictSteps) {
    Enable({3});
    SetPoints({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(Codes(), Marked(5, "¸", {"T"}));
    SetPoints({6, 5, 4, 3, 2, 1, 0});
    EXPECT_EQ(Codes(), Marked(5, "¸", {"T", "T"}));
    SetPoints({1, 2, 3, 3, 4, 5});
    EXPECT_EQ(Codes(), std::vector<std::string>(6, ""));
    SetPoints({0, 1, 2, 3, 4});
    EXPECT_EQ(Codes(), std::vector<std::string>(5, ""));
}

TEST_F(ControlTestsTest, ExcessiveVariabilityNeedsBothSidesBeyondOneStandardError) {
    Enable({4});
    SetPoints({1.5, -1.5, 1.5, -1.5, 1.5, -1.5, 1.5, -1.5});
    EXPECT_EQ(Codes(), Marked(7, "©", {"E"}));
    SetPoints(std::vector<double>(8, 1.5));  // all on one side
    EXPECT_EQ(Codes(), std::vector<std::string>(8, ""));
    SetPoints({1.5, -1.5, 1.5, -1.5, 1.0, -1.5, 1.5, -1.5});  // one exactly at CL + SE
    EXPECT_EQ(Codes(), std::vector<std::string>(8, ""));
    SetPoints({1.5, -1.5, 1.5, -1.5, 1.5, -1.5, 1.5, -1.5});
    arrays_(Row::LocStdError, 4) = MissingValue;
    EXPECT_EQ(Codes(), std::vector<std::string>(8, ""));
}

TEST_F(ControlTestsTest, LackOfVariabilityNeedsFifteenStrictlyInside) {
    Enable({5});
    SetPoints(std::vector<double>(15, 0.5));
    EXPECT_EQ(Codes(), Marked(14, "°", {"L"}));
    std::vector<double> xs(15, 0.5);
    xs[7] = -1.0;  // exactly CL - SE is not inside
    SetPoints(xs);
    EXPECT_EQ(Codes(), std::vector<std::string>(15, ""));
}

TEST_F(ControlTestsTest, AlternatingNeedsEveryInteriorPointAPeakOrValley) {
    Enable({6});
    std::vector<double> xs;
    for (int i = 0; i < 14; ++i) xs.push_back(i % 2 == 0 ? 1.0 : -1.0);
    SetPoints(xs);
    EXPECT_EQ(Codes(), Marked(13, "¥", {"A"}));
    xs.pop_back();
    SetPoints(xs);
    EXPECT_EQ(Codes(), std::vector<std::string>(13, ""));
    xs.push_back(1.0);  // two equal values in a row
    SetPoints(xs);
    EXPECT_EQ(Codes(), std::vector<std::string>(14, ""));
}

TEST_F(ControlTestsTest, ZoneRuleOneCountsFourOfFiveOnEitherSide) {
    Enable({7});
    SetPoints({1.5, -1.5, 0.0, 1.5, -1.5});
    EXPECT_EQ(Codes(), Marked(4, "•", {"1"}));
    SetPoints({1.5, 1.0, 0.0, 1.5, -1.5});  // three beyond, one exactly at CL + SE
    EXPECT_EQ(Codes(), std::vector<std::string>(5, ""));
    // More than M beyond also signals, at every point where the window holds M or more.
    SetPoints({1.5, 1.5, 1.5, 1.5, 1.5, 0.0});
    EXPECT_EQ(Codes(), Marked(4, "•", {"1", "1"}));
}

TEST_F(ControlTestsTest, ZoneRuleTwoCountsTwoOfThreeBeyondTwoStandardErrors) {
    Enable({8});
    SetPoints({2.5, 0.0, -2.5});
    EXPECT_EQ(Codes(), Marked(2, "–", {"2"}));
    SetPoints({2.5, 1.9, 2.0});
    EXPECT_EQ(Codes(), std::vector<std::string>(3, ""));
    SetPoints({2.5, 2.5, 2.5});
    EXPECT_EQ(Codes(), Marked(2, "–", {"2"}));

    settings_.TestValues[TestValueZone2M] = 2;
    settings_.TestValues[TestValueZone2N] = 4;
    SetPoints({2.5, 0.0, 0.0, 2.5});
    EXPECT_EQ(Codes(), Marked(3, "–", {"2"}));
}

TEST_F(ControlTestsTest, ExcessiveMovingRangeComparesWithTheSignallingPointsError) {
    Enable({9});
    SetPoints({0.0, 3.7, -0.1, 3.7});
    arrays_(Row::LocStdError, 4) = 2.0;
    EXPECT_EQ(Codes(), (std::vector<std::string>{"", "M", "M", ""}));
    SetPoints({0.0, 3.6, -0.05});
    EXPECT_EQ(Codes(), (std::vector<std::string>{"", "", ""}));
    SetPoints({0.0, 3.7});
    arrays_(Row::BreakAfter, 1) = 1.0;
    EXPECT_EQ(Codes(), (std::vector<std::string>{"", ""}));
    SetPoints({0.0, 3.7});
    arrays_(Row::LocStdError, 2) = MissingValue;
    EXPECT_EQ(Codes(), (std::vector<std::string>{"", ""}));
}

TEST_F(ControlTestsTest, APointCarriesTheCodesOfEveryTestInOrder) {
    Enable({1, 2, 5});
    std::vector<double> xs(8, 0.5);
    xs[7] = 4.0;
    SetPoints(xs);
    // Points 1..7 are inside one standard error and above the centerline.
    const std::vector<std::string> codes = Codes();
    EXPECT_EQ(codes[6], "¶");
    EXPECT_EQ(codes[7], "OR");
    EXPECT_EQ(CodesOfPoint(codes_, LocationChart, 0), "");
    EXPECT_EQ(CodesOfPoint(codes_, LocationChart, 9), "");
    EXPECT_EQ(CodesOfPoint(codes_, 2, 1), "");
}

TEST_F(ControlTestsTest, MovingRangeChartUsesItsOwnFlags) {
    SetPoints({});
    count_ = 9;
    arrays_.EnsureCapacity(count_);
    for (int p = 1; p <= count_; ++p) {
        arrays_(Row::DispStat, p) = p == 9 ? 5.0 : 1.0;
        arrays_(Row::DispCL, p) = 0.5;
        arrays_(Row::DispUCL, p) = 4.0;
        arrays_(Row::DispLCL, p) = MissingValue;
        arrays_(Row::DispStdError, p) = 1.0;
        arrays_(Row::LocStat, p) = MissingValue;
    }
    Enable({1, 2});
    EXPECT_EQ(Codes(DispersionChart, false)[8], "OR");
    EXPECT_EQ(Codes(DispersionChart, true), Marked(8, "", {"O"}));  // test 1 only by default
    // The location chart has no statistics, so none of its points has codes.
    EXPECT_EQ(Codes(LocationChart), std::vector<std::string>(9, ""));
}

TEST(ControlTestNames, InsertTheCurrentCounts) {
    ControlTestSettings settings;
    EXPECT_EQ(TestName(settings, 1), "Points Outside Control Limits");
    EXPECT_EQ(TestName(settings, 2), "Run of 8 or More Above/Below the Centerline");
    EXPECT_EQ(TestName(settings, 3), "Trend of 6 or More Increasing/Decreasing");
    EXPECT_EQ(TestName(settings, 4), "Excessive Variability, 8 or More Outside One Standard Error");
    EXPECT_EQ(TestName(settings, 5), "Lack of Variability, 15 or More Inside One Standard Error");
    EXPECT_EQ(TestName(settings, 6), "14 or More Alternating Values");
    EXPECT_EQ(TestName(settings, 7), "4 of 5 Outside One Standard Error");
    EXPECT_EQ(TestName(settings, 8), "2 of 3 Outside Two Standard Error");
    EXPECT_EQ(TestName(settings, 9), "Excessive Moving Range Between Two Points");
    settings.TestValues[TestValueRun] = 12;
    EXPECT_EQ(TestName(settings, 2), "Run of 12 or More Above/Below the Centerline");
}

}  // namespace
}  // namespace vostrel
