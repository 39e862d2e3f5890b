// Checks every distribution function over a grid against independent reference values
// (distribution_reference_tables.h), each within the accuracy its approximation has.
#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <string>

#include "engine/stats/distribution_reference_tables.h"
#include "engine/stats/distributions.h"

namespace vostrel {
namespace {

using namespace reference;

// Compares one row; the message names the arguments so a failing grid point is obvious.
void ExpectWithin(long double got, long double ref, long double tol, const std::string& what) {
    EXPECT_LE(std::fabs(got - ref), tol) << what << ": got " << static_cast<double>(got)
                                         << ", reference " << static_cast<double>(ref);
}

std::string Args(long double a, long double b) {
    return "(" + std::to_string(static_cast<double>(a)) + ", " +
           std::to_string(static_cast<double>(b)) + ")";
}

TEST(DistributionAccuracy, NormalTail) {
    for (const Mode1& r : kNormalTail) {
        ExpectWithin(NormalTail(r.mode, r.x), r.ref, r.tol, "NormalTail" + Args(r.mode, r.x));
    }
}

TEST(DistributionAccuracy, NormalTailSeries) {
    for (const Mode1& r : kNormalTailSeries) {
        ExpectWithin(NormalTailSeries(r.mode, r.x), r.ref, r.tol,
                     "NormalTailSeries" + Args(r.mode, r.x));
    }
}

TEST(DistributionAccuracy, NormalInverse) {
    for (const Mode1& r : kNormalInverse) {
        ExpectWithin(NormalInverse(r.mode, r.x), r.ref, r.tol, "NormalInverse" + Args(r.mode, r.x));
    }
}

TEST(DistributionAccuracy, StudentTBothBranches) {
    for (const Mode2& r : kStudentT) {
        ExpectWithin(
            StudentT(r.mode, r.nu, r.x), r.ref, r.tol,
            "StudentT" + Args(r.mode, r.nu) + " t=" + std::to_string(static_cast<double>(r.x)));
    }
}

TEST(DistributionAccuracy, ChiSquareExactSumsAndNormalApproximation) {
    for (const Mode2& r : kChiSquare) {
        ExpectWithin(
            ChiSquare(r.mode, r.nu, r.x), r.ref, r.tol,
            "ChiSquare" + Args(r.mode, r.nu) + " x=" + std::to_string(static_cast<double>(r.x)));
    }
}

TEST(DistributionAccuracy, ChiSquareInverse) {
    for (const Mode2& r : kChiSquareInverse) {
        ExpectWithin(ChiSquareInverse(r.mode, r.nu, r.x), r.ref, r.tol,
                     "ChiSquareInverse" + Args(r.mode, r.nu) +
                         " p=" + std::to_string(static_cast<double>(r.x)));
    }
}

TEST(DistributionAccuracy, FProbAllThreePaths) {
    StatContext ctx;
    for (const Mode3& r : kFProb) {
        ExpectWithin(FProb(ctx, r.mode, r.nu1, r.nu2, r.x), r.ref, r.tol,
                     "FProb" + Args(r.mode, r.nu1) + Args(r.nu2, r.x));
    }
    EXPECT_EQ(ctx.StatErrorCode, 0);
}

TEST(DistributionAccuracy, LnGamma) {
    for (const Arg1& r : kLnGamma) {
        ExpectWithin(LnGamma(r.x), r.ref, r.tol,
                     "LnGamma(" + std::to_string(static_cast<double>(r.x)) + ")");
    }
}

TEST(DistributionAccuracy, IncompleteBeta) {
    StatContext ctx;
    for (const Arg3& r : kIncompleteBeta) {
        ExpectWithin(
            IncompleteBeta(ctx, r.a, r.b, r.x), r.ref, r.tol,
            "IncompleteBeta" + Args(r.a, r.b) + " x=" + std::to_string(static_cast<double>(r.x)));
    }
    EXPECT_EQ(ctx.StatErrorCode, 0);
}

}  // namespace
}  // namespace vostrel
