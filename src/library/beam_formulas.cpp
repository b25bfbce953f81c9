#include "library/beam_formulas.h"

namespace quorvel::library {

namespace {

constexpr double MinSpan = 1e-9;

bool noSpan(double L) { return L < MinSpan; }

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

double ComputeUdlShear(double q, double x, double L) {
    if (noSpan(L)) return 0.0;
    return 0.5 * q * L * (1.0 - 2.0 * x / L);
}

double ComputeUdlMoment(double q, double x, double L) {
    if (noSpan(L)) return 0.0;
    return 0.5 * q * L * L * (x / L) * (1.0 - x / L);
}

double ComputeUdlDeflection(double q, double x, double L, double EI) {
    if (noSpan(L)) return 0.0;
    const double xi = x / L;
    return q * L * L * L * x / (24.0 * EI) * (1.0 - 2.0 * xi * xi + xi * xi * xi);
}

double ComputeTrapezoidShear(double q1, double q2, double x, double L) {
    const double xi = x / L;
    return L / 6.0 * (q1 * (2.0 + 3.0 * xi * (xi - 2.0)) + q2 * (1.0 - 3.0 * xi * xi));
}

double ComputeTrapezoidMoment(double q1, double q2, double x, double L) {
    const double xi = x / L;
    return L * L / 6.0 * (q1 * xi * (xi * (xi - 3.0) + 2.0) + q2 * xi * (1.0 - xi * xi));
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

double ComputeEndMomentMoment(double M, double a, double x, double L) {
    // A station on a support moves just into the span, so that the end where
    // the moment acts shows the applied moment rather than the other side of
    // the jump.
    double xs = x;
    if (x == 0) xs = 0.001;
    else if (x == L) xs = L - 0.001;
    if (a < 0) return M;
    if (xs < a) return -M * xs / L;
    if (a > L) return -M;
    return M * (1.0 - xs / L);
}

double ComputeEndMomentDeflection(double M, double a, double x, double L, double EI) {
    if (noSpan(L)) return 0.0;
    const double alpha = a / L;
    const double xi = x / L;
    if (x < a) return M * L * x / (6.0 * EI) * (xi * xi + 2.0 - 6.0 * alpha + 3.0 * alpha * alpha);
    const double b = 1.0 - alpha, r = 1.0 - xi;
    return -M * L * (L - x) / (6.0 * EI) * (r * r + 2.0 - 6.0 * b + 3.0 * b * b);
}

}  // namespace quorvel::library
