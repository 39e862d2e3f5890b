#include "engine/stats/elementary_functions.h"

#include <cmath>
#include <cstdint>

namespace vostrel {
namespace {

constexpr long double kPowerCap = 1.1e4932L;

// Keeps an overflowed result finite, with its sign, so that no report prints "inf".
long double CapOverflow(long double v) {
    if (std::isinf(v)) return v > 0 ? kPowerCap : -kPowerCap;
    return v;
}

long double IntegerPower(long double x, std::int64_t n) {
    const bool reciprocal = n < 0;
    std::uint64_t e = static_cast<std::uint64_t>(reciprocal ? -n : n);
    long double result = 1.0L;
    long double base = x;
    while (e != 0) {
        if (e & 1U) result *= base;
        e >>= 1U;
        if (e != 0) base *= base;
    }
    if (reciprocal) result = 1.0L / result;
    return CapOverflow(result);
}

}  // namespace

long double Power(long double x, long double y) {
    if (y == 0.0L) return 1.0L;
    if (x == 0.0L && y > 0.0L) return 0.0L;
    if (std::trunc(y) == y && std::fabs(y) <= 2147483647.0L) {
        return IntegerPower(x, static_cast<std::int64_t>(y));
    }
    if (x >= 0.0L) {
        const long double l = y * std::log(x);
        if (l < std::log(3.4e-4932L)) return 0.0L;
        if (l > std::log(kPowerCap)) return kPowerCap;
        return std::exp(l);
    }
    return 0.0L;
}

long double Sign(long double x) { return x >= 0.0L ? 1.0L : -1.0L; }

long double Log10Guarded(long double x) {
    if (x > 0.0L) return std::log(x) / std::log(10.0L);
    return 99.0L;
}

double PowerOfTen(int k) {
    long double r = 1.0L;
    // Stop once the value has left the range: further steps cannot change it.
    if (k > 0) {
        for (int i = 0; i < k && !std::isinf(r); ++i) r *= 10.0L;
    } else {
        for (int i = 0; i > k && r != 0.0L; --i) r /= 10.0L;
    }
    return static_cast<double>(r);
}

long double MinReal(long double a, long double b) { return a > b ? b : a; }
long double MaxReal(long double a, long double b) { return a >= b ? a : b; }
int MinInt(int a, int b) { return a > b ? b : a; }
int MaxInt(int a, int b) { return a >= b ? a : b; }

}  // namespace vostrel
