#pragma once
// Pearson correlation of pairs added one at a time. One instance lives in the Workspace.

namespace vostrel {

class TCorr {
  public:
    // Clears the sums, the count, the regression coefficients and the p-value.
    void Init();
    // Adds a pair; pairs with a missing value are ignored.
    void AddPair(double X, double Y);
    // The correlation r of the pairs so far, with its two-tailed p-value in pvalue.
    // With fewer than two pairs or no variation in x or y: Error is set, pvalue is 999
    // and the result is 0.
    long double PearsonR();

    int n = 0;
    long double sx2 = 0;
    long double sx = 0;
    long double sy = 0;
    long double sy2 = 0;
    long double sd = 0;   // sum of x - y
    long double sd2 = 0;  // sum of (x - y)^2
    long double sxy = 0;
    long double A = 0;  // regression intercept
    long double B = 0;  // regression slope
    long double pvalue = 0;
    bool Error = false;
};

}  // namespace vostrel
