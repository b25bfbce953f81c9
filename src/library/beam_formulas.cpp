#include "library/beam_formulas.h"

#include <functional>

namespace quorvel::library {

namespace {

using detail::noSpan;

// <x - a>^p: the bracket of Macaulay's method, 0 left of a.
double bracket(double x, double a, int p) {
    if (x <= a) return 0.0;
    double r = 1.0;
    for (int k = 0; k < p; ++k) r *= x - a;
    return r;
}

// Deflection (downward positive) of a simply supported span whose moment
// diagram, integrated twice from 0, is F: EI v'' = -M gives
// EI v = -F(x) + a straight line through F at both supports.
double deflectionFromIntegral(const std::function<double(double)>& F, double x, double L,
                              double EI) {
    const double xi = x / L;
    return (F(0.0) * (1.0 - xi) + F(L) * xi - F(x)) / EI;
}

}  // namespace

double ComputePointLoadShear(double P, double a, double x, double L) {
    if (noSpan(L)) return 0.0;
    const double ra = P * (L - a) / L;
    const double rb = P - ra;
    return x < a ? ra : -rb;
}

double ComputePointLoadMoment(double P, double a, double x, double L) {
    if (noSpan(L)) return 0.0;
    const double ra = P * (L - a) / L;
    const double rb = P - ra;
    return x < a ? ra * x : rb * (L - x);
}

double ComputeUdlDeflection(double q, double x, double L, double EI) {
    if (noSpan(L)) return 0.0;
    const double xi = x / L;
    return q * L * L * L * x / (24.0 * EI) * (1.0 - 2.0 * xi * xi + xi * xi * xi);
}

double ComputeTrapezoidDeflection(double q1, double q2, double x, double L, double EI) {
    const double xi = x / L;
    const double xi2 = xi * xi;
    return L * L * L * L / (24.0 * EI) *
           (q1 * xi * (xi2 * (xi - 2.0) + 1.0) +
            (q2 - q1) * xi * (xi2 * (3.0 * xi2 - 10.0) + 7.0) / 15.0);
}

double ComputeUniformPatchShear(double q, double a, double w, double x, double L) {
    const double Q = q * w;
    const double c = a + 0.5 * w;
    const double ra = Q * (1.0 - c / L);
    const double rb = Q - ra;
    if (x < a) return ra;
    if (x > a + w) return -rb;
    return ra - q * (x - a);
}

double ComputeUniformPatchMoment(double q, double a, double w, double x, double L) {
    const double Q = q * w;
    const double c = a + 0.5 * w;
    const double ra = Q * (1.0 - c / L);
    const double rb = Q - ra;
    if (x < a) return ra * x;
    if (x > a + w) return rb * (L - x);
    return ra * x - 0.5 * q * (x - a) * (x - a);
}

double ComputeTriangularPatchShear(double q, double a, double w, double x, double L) {
    if (noSpan(L) || !(w > 0)) return 0.0;  // a patch of no width carries nothing
    const double Q = 0.5 * q * w;
    const double c = a + 2.0 * w / 3.0;
    const double ra = Q * (1.0 - c / L);
    const double rb = Q - ra;
    if (x < a) return ra;
    if (x > a + w) return -rb;
    return ra - q * (x - a) * (x - a) / (2.0 * w);
}

double ComputeTriangularPatchMoment(double q, double a, double w, double x, double L) {
    if (noSpan(L) || !(w > 0)) return 0.0;  // a patch of no width carries nothing
    const double Q = 0.5 * q * w;
    const double c = a + 2.0 * w / 3.0;
    const double ra = Q * (1.0 - c / L);
    const double rb = Q - ra;
    if (x < a) return ra * x;
    if (x > a + w) return rb * (L - x);
    const double d = x - a;
    return ra * x - q * d * d * d / (6.0 * w);
}

double ComputeTrapezoidPatchShear(double q1, double q2, double a, double w, double x, double L) {
    return ComputeUniformPatchShear(q1, a, w, x, L) +
           ComputeTriangularPatchShear(q2 - q1, a, w, x, L);
}

double ComputeTrapezoidPatchMoment(double q1, double q2, double a, double w, double x,
                                   double L) {
    return ComputeUniformPatchMoment(q1, a, w, x, L) +
           ComputeTriangularPatchMoment(q2 - q1, a, w, x, L);
}

double ComputeEndMomentShear(double M, double L) {
    if (noSpan(L)) return 0.0;
    return -M / L;
}

double ComputeEndMomentDeflection(double M, double a, double x, double L, double EI) {
    if (noSpan(L)) return 0.0;
    const double alpha = a / L;
    const double xi = x / L;
    if (x < a) return M * L * x / (6.0 * EI) * (xi * xi + 2.0 - 6.0 * alpha + 3.0 * alpha * alpha);
    const double b = 1.0 - alpha, r = 1.0 - xi;
    return -M * L * (L - x) / (6.0 * EI) * (r * r + 2.0 - 6.0 * b + 3.0 * b * b);
}

double pointLoadDeflection(double P, double a, double x, double L, double EI) {
    if (noSpan(L)) return 0.0;
    const double ra = P * (L - a) / L;
    const auto F = [&](double s) { return ra * s * s * s / 6.0 - P * bracket(s, a, 3) / 6.0; };
    return deflectionFromIntegral(F, x, L, EI);
}

double uniformPatchDeflection(double q, double a, double w, double x, double L, double EI) {
    if (noSpan(L)) return 0.0;
    // M = RA x - q <x - a>^2 / 2 + q <x - a - w>^2 / 2, RA as the moment uses.
    const double ra = q * w * (1.0 - (a + 0.5 * w) / L);
    const double c = a + w;
    const auto F = [&](double s) {
        return ra * s * s * s / 6.0 - q * bracket(s, a, 4) / 24.0 + q * bracket(s, c, 4) / 24.0;
    };
    return deflectionFromIntegral(F, x, L, EI);
}

double triangularPatchDeflection(double q, double a, double w, double x, double L, double EI) {
    if (noSpan(L) || !(w > 0)) return 0.0;  // a patch of no width carries nothing
    // M = RA x - k <x - a>^3 / 6 + k <x - c>^3 / 6 + q <x - c>^2 / 2 with the
    // slope k = q / w and c = a + w: the ramp stops at c and leaves no load
    // beyond it.
    const double ra = 0.5 * q * w * (1.0 - (a + 2.0 * w / 3.0) / L);
    const double k = q / w, c = a + w;
    const auto F = [&](double s) {
        return ra * s * s * s / 6.0 - k * bracket(s, a, 5) / 120.0 + k * bracket(s, c, 5) / 120.0 +
               q * bracket(s, c, 4) / 24.0;
    };
    return deflectionFromIntegral(F, x, L, EI);
}

double trapezoidPatchDeflection(double q1, double q2, double a, double w, double x, double L,
                                double EI) {
    return uniformPatchDeflection(q1, a, w, x, L, EI) +
           triangularPatchDeflection(q2 - q1, a, w, x, L, EI);
}

double shoreReactionCoefficient(int n, int i) {
    // Rows by shore count, columns by shore: interior reactions of a beam
    // continuous over n + 1 equal spans, in units of q l, as exact
    // fractions, so that the small midspan deflection left between the
    // shores is not swamped by rounding. Three shores (four spans): the
    // three-moment equation gives M1 = M3 = -3/28 q l^2, M2 = -1/14 q l^2;
    // the outer shore takes 17/28 + 15/28 = 8/7 q l, the middle one
    // 2 x 13/28 = 13/14 q l (tables round them to 1.143 and 0.929).
    static constexpr double coefficients[MaxShoreCount][MaxShoreCount] = {
        {1.25, 0, 0, 0},
        {1.1, 1.1, 0, 0},
        {8.0 / 7.0, 13.0 / 14.0, 8.0 / 7.0, 0},
        {43.0 / 38.0, 37.0 / 38.0, 37.0 / 38.0, 43.0 / 38.0},
    };
    if (n < 1 || n > MaxShoreCount || i < 1 || i > n)
        throw runtime::RunTimeError(runtime::ErrSubscriptOutOfRange, "shore count");
    return coefficients[n - 1][i - 1];
}

void antisymmetricShoreReactions(int n, double L, double dq, double reactions[MaxShoreCount]) {
    if (n < 1 || n > MaxShoreCount)
        throw runtime::RunTimeError(runtime::ErrSubscriptOutOfRange, "shore count");
    // Compatibility at the shores: sum over k of R_k f(a_i, a_k) = u(a_i),
    // f the deflection of a unit point load and u the load's own deflection
    // on the simply supported span (EI = 1 cancels). The matrix is
    // symmetric and positive definite; Gaussian elimination without
    // pivoting is exact enough for four unknowns.
    double f[MaxShoreCount][MaxShoreCount + 1] = {};
    for (int i = 0; i < n; ++i) {
        const double ai = (i + 1) * L / (n + 1);
        for (int k = 0; k < n; ++k) f[i][k] = pointLoadDeflection(1.0, (k + 1) * L / (n + 1), ai, L, 1.0);
        f[i][n] = ComputeTrapezoidDeflection(-0.5 * dq, 0.5 * dq, ai, L, 1.0);
    }
    for (int p = 0; p < n; ++p)
        for (int i = p + 1; i < n; ++i) {
            const double r = f[i][p] / f[p][p];
            for (int k = p; k <= n; ++k) f[i][k] -= r * f[p][k];
        }
    for (int i = n - 1; i >= 0; --i) {
        double v = f[i][n];
        for (int k = i + 1; k < n; ++k) v -= f[i][k] * reactions[k];
        reactions[i] = v / f[i][i];
    }
}

}  // namespace quorvel::library
