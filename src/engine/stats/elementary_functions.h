#pragma once
// Small numeric helpers shared by the statistics, the transforms and the graphs.

namespace vostrel {

// x to the power y. 0^0 = 1; a negative base with a fractional exponent gives 0;
// results beyond the extended range are capped at 1.1e4932, results below it give 0.
long double Power(long double x, long double y);

// 1 for x >= 0, else -1.
long double Sign(long double x);

// Decimal logarithm of x for x > 0, else 99.
long double Log10Guarded(long double x);

// 10^k built by repeated multiplication or division, rounded to a double.
double PowerOfTen(int k);

long double MinReal(long double a, long double b);
long double MaxReal(long double a, long double b);
int MinInt(int a, int b);
int MaxInt(int a, int b);

}  // namespace vostrel
