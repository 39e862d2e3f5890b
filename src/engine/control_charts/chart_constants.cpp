#include "engine/control_charts/chart_constants.h"

#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "engine/stats/chi_square.h"
#include "engine/stats/gamma_beta.h"
#include "engine/stats/normal_distribution.h"
#include "engine/stats/tail_mode.h"

namespace vostrel {

namespace {

struct TableRow {
    long double d2, d3, d2m, v;
};

// Index n - 2 for n = 2..30; v is 0 where it is not tabled.
constexpr std::array<TableRow, 29> ConstantTable = {{
    {1.12838L, 0.8525L, 0.9539L, 0.5L},          {1.69257L, 0.8884L, 1.5878L, 0.4486711046L},
    {2.05875L, 0.8798L, 1.9783L, 0.2981996185L}, {2.32593L, 0.8641L, 2.2569L, 0.28668336616L},
    {2.53441L, 0.848L, 2.4717L, 0.2147426666L},  {2.70436L, 0.8332L, 2.6455L, 0.2104468615L},
    {2.8472L, 0.8198L, 2.7908L, 0.1681808552L},  {2.97003L, 0.8078L, 2.9154L, 0.1661012814L},
    {3.07751L, 0.7971L, 3.0242L, 0.1383264359L}, {3.17287L, 0.7873L, 3.1205L, 0.1371624335L},
    {3.25846L, 0.7785L, 3.2069L, 0.1175161871L}, {3.33598L, 0.7704L, 3.285L, 0.116798995L},
    {3.40676L, 0.763L, 3.3562L, 0.1021678368L},  {3.47183L, 0.7562L, 3.4217L, 0.1016946521L},
    {3.53198L, 0.7499L, 3.4821L, 0.0903752113L}, {3.58788L, 0.7441L, 3.5383L, 0.0900465814L},
    {3.64006L, 0.7386L, 3.5907L, 0.0810285101L}, {3.68896L, 0.7335L, 3.6398L, 0.0807909751L},
    {3.73495L, 0.7287L, 3.6859L, 0.0734370277L}, {3.77834L, 0.7242L, 3.7294L, 0.0L},
    {3.81938L, 0.7199L, 3.7706L, 0.0L},          {3.85832L, 0.7159L, 3.8097L, 0.0L},
    {3.89535L, 0.7121L, 3.8468L, 0.0L},          {3.93063L, 0.7084L, 3.8821L, 0.0L},
    {3.96432L, 0.705L, 3.9159L, 0.0L},           {3.99654L, 0.7017L, 3.9482L, 0.0L},
    {4.02741L, 0.6986L, 3.9791L, 0.0L},          {4.05704L, 0.6955L, 4.0088L, 0.0L},
    {4.08552L, 0.6927L, 4.0373L, 0.0L},
}};

const TableRow& Row(int n) { return ConstantTable[static_cast<std::size_t>(n - 2)]; }

bool TooSmall(StatContext& stat, int n) {
    if (n >= 2) return false;
    stat.StatErrorCode = 1;
    return true;
}

constexpr long double RangeStep = 0.03L;  // trapezoid step of the d2 integral
constexpr long double GridStep = 0.05L;   // grid of the d3 double integral
constexpr int GridHalfSteps = 180;        // u runs over -9..9
constexpr int GridWidthSteps = 360;       // w runs over 0..18 (even, for Simpson's rule)

// x^n by repeated squaring: exact enough and far quicker than pow for integer n.
long double IntegerPower(long double x, int n) {
    long double result = 1.0L;
    while (n > 0) {
        if (n & 1) result *= x;
        x *= x;
        n >>= 1;
    }
    return result;
}

}  // namespace

long double SeriesUpperTail(long double x) { return NormalTailSeries(UpperTail, x); }

long double ErfcUpperTail(long double x) {
    return 0.5L * std::erfc(x / std::numbers::sqrt2_v<long double>);
}

ChartConstants::ChartConstants(UpperTailFunction upperTail) : upperTail_(std::move(upperTail)) {}

void ChartConstants::SetUpperTail(UpperTailFunction upperTail) {
    upperTail_ = std::move(upperTail);
    d2Cache_.clear();
    d3Cache_.clear();
    cdfTable_.clear();
}

long double ChartConstants::ChartConstantD2(StatContext& stat, int n) {
    if (TooSmall(stat, n)) return 0.0L;
    if (n <= TableLast) return Row(n).d2;
    return IntegratedD2(n);
}

long double ChartConstants::ChartConstantD3(StatContext& stat, int n) {
    if (TooSmall(stat, n)) return 0.0L;
    if (n <= TableLast) return Row(n).d3;
    return IntegratedD3(n);
}

long double ChartConstants::MedianRangeConstant(StatContext& stat, int n) {
    if (TooSmall(stat, n)) return 0.0L;
    if (n <= TableLast) return Row(n).d2m;
    return D2mFromD2(IntegratedD2(n));
}

long double ChartConstants::MedianVariance(StatContext& stat, int n) {
    if (TooSmall(stat, n)) return 0.0L;
    if (n <= MedianTableLast) return Row(n).v;
    return std::numbers::pi_v<long double> / (2.0L * n);
}

long double ChartConstants::MedianStdError(StatContext& stat, int n, long double sigma) {
    if (TooSmall(stat, n)) return 0.0L;
    return sigma * std::sqrt(MedianVariance(stat, n));
}

long double ChartConstants::SigmaFromRangeValue(StatContext& stat, int n, long double range) {
    if (TooSmall(stat, n)) return 0.0L;
    return range / ChartConstantD2(stat, n);
}

long double ChartConstants::ChartConstantC4(StatContext& stat, int n) {
    if (TooSmall(stat, n)) return 0.0L;
    // Charts ask for c4 once per point, nearly always with the same few sizes.
    const std::size_t slot = static_cast<std::size_t>(n);
    if (slot < c4Cache_.size() && c4Cache_[slot] != 0.0L) return c4Cache_[slot];
    const long double m = n;
    const long double c4 = std::exp(0.5L * std::log(2.0L / (m - 1.0L)) + LnGamma(m / 2.0L) -
                                    LnGamma((m - 1.0L) / 2.0L));
    if (slot < 1024) {
        if (slot >= c4Cache_.size()) c4Cache_.resize(slot + 1, 0.0L);
        c4Cache_[slot] = c4;
    }
    return c4;
}

long double ChartConstants::SigmaFromMedianS(StatContext& stat, int n, long double m) {
    if (TooSmall(stat, n)) return 0.0L;
    auto it = medianSCache_.find(n);
    if (it == medianSCache_.end()) {
        const long double df = n - 1;
        const long double median = ChiSquareInverse(UpperTail, df, 0.5L);
        it = medianSCache_.emplace(n, std::sqrt(df / median)).first;
    }
    return m * it->second;
}

long double ChartConstants::D2mFromD2(long double x) {
    return ((((1.5678783e-5L * x - 0.00052043421L) * x + 0.006798329575L) * x - 0.043371568875L) *
                x +
            1.135844528837L) *
               x -
           0.215703930721L;
}

// 1 - Q^n - (1 - Q)^n, written so that the far tail keeps its precision.
long double ChartConstants::RangeMeanIntegrand(long double x, int n) const {
    const long double q = upperTail_(x);
    return -std::expm1(n * std::log1p(-q)) - std::pow(q, static_cast<long double>(n));
}

long double ChartConstants::IntegratedD2(int n) {
    if (n < 2) return 0.0L;
    if (auto it = d2Cache_.find(n); it != d2Cache_.end()) return it->second;

    // E(R) = 2 * integral over x >= 0 of an even integrand, by the trapezoid rule, which
    // is very accurate here because the integrand is flat at 0.
    long double sum = 0.0L;
    long double left = RangeMeanIntegrand(0.0L, n);
    for (int step = 1; step <= 2000; ++step) {
        const long double right = RangeMeanIntegrand(step * RangeStep, n);
        const long double contribution = RangeStep * (left + right) / 2.0L;
        sum += contribution;
        if (contribution < 1e-20L) break;
        left = right;
    }
    const long double d2 = 2.0L * sum;
    d2Cache_[n] = d2;
    return d2;
}

long double ChartConstants::IntegratedD3(int n) {
    if (n < 2) return 0.0L;
    if (auto it = d3Cache_.find(n); it != d3Cache_.end()) return it->second;
    if (cdfTable_.empty()) BuildCdfTable();

    // Phi^n and (1 - Phi)^n at every grid point; only (Phi(x) - Phi(u))^n mixes two.
    const std::size_t size = cdfTable_.size();
    std::vector<long double> cdfPow(size);
    std::vector<long double> upperPow(size);
    for (std::size_t k = 0; k < size; ++k) {
        cdfPow[k] = IntegerPower(cdfTable_[k], n);
        upperPow[k] = IntegerPower(1.0L - cdfTable_[k], n);
    }

    // E(R^2) = 2 * integral over u < x of 1 - Phi(x)^n - (1 - Phi(u))^n + (Phi(x) - Phi(u))^n.
    // With x = u + w the inner integral over u runs over the whole line, where the
    // trapezoid rule of a smooth decaying function is very accurate; Simpson's rule
    // takes the outer integral over w >= 0.
    long double secondMoment = 0.0L;
    for (int j = 0; j <= GridWidthSteps; ++j) {
        long double inner = 0.0L;
        for (int i = 0; i <= 2 * GridHalfSteps; ++i) {
            const std::size_t iu = static_cast<std::size_t>(i);
            const int x = i + j;
            const auto ix = static_cast<std::size_t>(x);
            inner +=
                1.0L - cdfPow[ix] - upperPow[iu] + IntegerPower(cdfTable_[ix] - cdfTable_[iu], n);
        }
        inner *= GridStep;
        const long double weight =
            (j == 0 || j == GridWidthSteps) ? 1.0L : (j % 2 == 1 ? 4.0L : 2.0L);
        secondMoment += weight * inner;
    }
    secondMoment *= 2.0L * GridStep / 3.0L;

    const long double d2 = IntegratedD2(n);
    const long double variance = secondMoment - d2 * d2;
    const long double d3 = variance > 0.0L ? std::sqrt(variance) : 0.0L;
    d3Cache_[n] = d3;
    return d3;
}

void ChartConstants::BuildCdfTable() {
    // Phi at -GridHalf*h .. (GridHalf + GridWidth)*h; so far out it is 1 to working precision.
    const int size = 2 * GridHalfSteps + GridWidthSteps + 1;
    cdfTable_.resize(static_cast<std::size_t>(size));
    for (int k = 0; k < size; ++k) {
        const long double x = (k - GridHalfSteps) * GridStep;
        long double p = 1.0L;
        if (x < 0.0L) {
            p = upperTail_(-x);
        } else if (x <= GridHalfSteps * GridStep) {
            p = 1.0L - upperTail_(x);
        }
        cdfTable_[static_cast<std::size_t>(k)] = p;
    }
}

}  // namespace vostrel
