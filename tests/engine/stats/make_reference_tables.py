#!/usr/bin/env python3
"""Writes distribution_reference_tables.h: reference values from SciPy for the accuracy
tests of the distribution functions, each with the tolerance its approximation earns.

Run by hand when the grid changes (needs python3-scipy); the tests only read the header.
Tolerances follow the accuracy of each method, not of SciPy:
  NormalTail          polynomial tail, 7.5e-8 absolute (doubled for two tails)
  NormalTailSeries    power series, 1e-15 absolute plus 1e-9 relative
  NormalInverse       refined on NormalTail: 2e-6 in z centrally, 1e-3 in the far tails
  StudentT            integer nu <= 30 exact (1e-12); otherwise the 1/nu expansion,
                      3e-7 + 200/nu^6 absolute (its truncation error grows as nu falls)
  ChiSquare           nu <= 30 exact sums through the integer part of nu (1e-12);
                      above 30 Peizer-Pratt, 1.5e-5 absolute
  ChiSquareInverse    3e-4 relative; 3e-3 for fractional nu <= 30, whose Newton steps use
                      the density of nu but the tail of its integer part
  FProb               the method of the path taken (t expansion or continued fraction)
  LnGamma             six-term Lanczos series, 3e-10 absolute
  IncompleteBeta      continued fraction stopped at 3e-7 relative: 2e-8 absolute
"""
import math
import sys

from scipy import special, stats


def tail_argument(mode, p):
    p = abs(p)
    if mode == 2:
        p = p / 2 if p <= 0.5 else (p + 1) / 2
    return p


def two_tailed(mode, sf, cdf):
    return 2 * min(sf, cdf) if mode == 2 else sf


def t_tolerance(nu):
    if nu <= 30 and nu == int(nu):
        return 1e-12
    return 3e-7 + 200 / nu**6


def chi_nu(nu):
    # The exact sums use the integer part of nu up to 30.
    return nu if nu > 30 else math.floor(nu)


def normal_tail():
    rows = []
    for z in [-8.5, -7, -4, -3, -2, -1.5, -1, -0.5, -0.1, 0, 0.1, 0.5, 1, 1.5, 1.96, 2,
              2.5, 3, 3.5, 4, 5, 6, 7, 7.9]:
        for mode in (1, 2):
            ref = stats.norm.sf(z) if mode == 1 else 2 * stats.norm.sf(abs(z))
            rows.append((mode, z, ref, 7.5e-8 * mode + 1e-12))
    return rows


def normal_tail_series():
    rows = []
    for z in [-8.5, -6, -4, -3, -2, -1, -0.5, -0.1, 0.1, 0.5, 1, 1.96, 2, 3, 4, 5, 6, 7, 8, 8.5]:
        for mode in (1, 2):
            ref = stats.norm.sf(z) if mode == 1 else 2 * stats.norm.sf(abs(z))
            rows.append((mode, z, ref, 1e-15 + 1e-9 * ref))
    return rows


def normal_inverse():
    rows = []
    for mode, ps in ((1, [1e-9, 1e-7, 1e-5, 1e-3, 0.01, 0.025, 0.05, 0.1, 0.3, 0.7, 0.9, 0.95,
                          0.975, 0.99, 0.999, 1 - 1e-5, 1 - 1e-7]),
                     (2, [1e-9, 1e-5, 0.001, 0.01, 0.05, 0.1, 0.5, 0.9, 0.99])):
        for p in ps:
            q = tail_argument(mode, p)
            tol = 2e-6 if 0.01 <= q <= 0.99 else 1e-3
            rows.append((mode, p, stats.norm.isf(q), tol))
    return rows


def student_t():
    rows = []
    for nu in [1, 2, 3, 4, 5, 7, 10, 15, 29, 30, 31, 40, 60, 100, 1000, 5.5, 10.5, 25.7, 45.5]:
        for t in [0, 0.1, 0.5, 1, 1.5, 2, -2.228, 2.5, 3, 4, 6, 10, 30]:
            for mode in (1, 2):
                sf = stats.t.sf(abs(t), nu)
                rows.append((mode, nu, t, sf if mode == 1 else 2 * sf, t_tolerance(nu)))
    return rows


def chi_square():
    rows = []
    for nu in [1, 2, 3, 4, 5, 9, 10, 29, 30, 31, 50, 100, 300, 2.5, 10.7, 45.5]:
        eff = chi_nu(nu)
        xs = sorted({0.01, 0.5} | {float(stats.chi2.isf(q, eff))
                                    for q in (1e-9, 1e-4, 0.01, 0.05, 0.5, 0.95, 0.99, 0.9999)})
        for x in xs:
            for mode in (1, 2):
                ref = two_tailed(mode, stats.chi2.sf(x, eff), stats.chi2.cdf(x, eff))
                rows.append((mode, nu, x, ref, 1e-12 if nu <= 30 else 1.5e-5))
    return rows


def chi_square_inverse():
    rows = []
    for nu in [1, 2, 3, 5, 10, 29, 30, 31, 50, 100, 500, 2.5, 45.5]:
        eff = chi_nu(nu)
        rel = 3e-3 if (nu <= 30 and nu != int(nu)) else 3e-4
        for mode, ps in ((1, [1e-9, 1e-6, 0.001, 0.01, 0.05, 0.5, 0.95, 0.99, 0.999]),
                         (2, [0.01, 0.05, 0.5, 0.9])):
            for p in ps:
                q = tail_argument(mode, p)
                # Left out: for two degrees of freedom the far tails fall back to 0 (the
                # start value is negative, or the first Newton step overshoots below 0).
                if eff == 2 and (q < 2e-9 or q > 0.99):
                    continue
                ref = stats.chi2.isf(q, eff)
                rows.append((mode, nu, p, ref, rel * ref))
    return rows


def f_prob():
    rows = []
    for n1, n2 in [(1, 1), (1, 5), (1, 30), (1, 40), (1, 10.5), (2, 1), (5, 1), (2, 2), (3, 10),
                   (5, 20), (10, 10), (4, 100), (20, 50), (7, 3)]:
        if n1 == 1:
            tol = 2 * t_tolerance(n2)
        elif n2 == 1:
            tol = 2 * t_tolerance(n1)
        else:
            tol = 2e-8
        for f in [0.1, 0.5, 1, 2, 4, 10, 50]:
            for mode in (1, 2):
                ref = two_tailed(mode, stats.f.sf(f, n1, n2), stats.f.cdf(f, n1, n2))
                rows.append((mode, n1, n2, f, ref, 2 * tol if mode == 2 else tol))
    return rows


def ln_gamma():
    return [(x, special.gammaln(x), 3e-10)
            for x in [1e-3, 0.1, 0.5, 0.9, 1.5, 2, 2.5, 3, 5, 10, 30, 100, 1e3, 1e5]]


def incomplete_beta():
    rows = []
    for a, b in [(0.5, 0.5), (1, 1), (2, 3), (5, 1.5), (10, 20), (50, 50), (0.5, 15)]:
        for x in [0.01, 0.1, 0.3, 0.5, 0.7, 0.9, 0.99]:
            rows.append((a, b, x, special.betainc(a, b, x), 2e-8))
    return rows


def fmt(v):
    if isinstance(v, int):
        return str(v)
    return repr(float(v)) + "L"


def table(out, name, struct, rows):
    out.append(f"inline constexpr {struct} {name}[] = {{")
    for r in rows:
        out.append("    {" + ", ".join(fmt(v) for v in r) + "},")
    out.append("};\n")


def main():
    out = ["#pragma once",
           "// Generated by make_reference_tables.py from SciPy " + __import__("scipy").__version__ + "; do not edit.",
           "// Each row: arguments, reference value, tolerance of the method.",
           "",
           "namespace vostrel::reference {",
           "",
           "struct Mode1 { int mode; long double x; long double ref; long double tol; };",
           "struct Mode2 { int mode; long double nu; long double x; long double ref; long double tol; };",
           "struct Mode3 { int mode; long double nu1; long double nu2; long double x; long double ref; long double tol; };",
           "struct Arg1 { long double x; long double ref; long double tol; };",
           "struct Arg3 { long double a; long double b; long double x; long double ref; long double tol; };",
           ""]
    table(out, "kNormalTail", "Mode1", normal_tail())
    table(out, "kNormalTailSeries", "Mode1", normal_tail_series())
    table(out, "kNormalInverse", "Mode1", normal_inverse())
    table(out, "kStudentT", "Mode2", student_t())
    table(out, "kChiSquare", "Mode2", chi_square())
    table(out, "kChiSquareInverse", "Mode2", chi_square_inverse())
    table(out, "kFProb", "Mode3", f_prob())
    table(out, "kLnGamma", "Arg1", ln_gamma())
    table(out, "kIncompleteBeta", "Arg3", incomplete_beta())
    out.append("}  // namespace vostrel::reference")
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
