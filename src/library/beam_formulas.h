#pragma once
// Closed forms for one simply supported span: shear, moment and deflection at
// a station x from one load (point load, full-span uniform or linearly
// varying load, partial uniform / triangular / trapezoidal load, a
// concentrated moment), and the reactions of intermediate shores.
//
// Unit-neutral; as used: mm, N/mm, N, Nmm, Nmm^2. Shear is positive when it
// equals the left reaction, sagging moment positive, deflection positive
// downward. Functions marked "guarded" return 0 for a span below 1e-9; the
// others need L > 0.

#include "runtime/arrays.h"
#include "runtime/errors.h"
#include "runtime/value.h"

namespace quorvel::library {

// The closed forms that every station of every moment and shear table
// evaluates are defined in this header, so that the compiler can share the
// station's x / L among them.

namespace detail {
constexpr double MinSpan = 1e-9;
inline bool noSpan(double L) { return L < MinSpan; }
}  // namespace detail

// Point load P at a (guarded). At x = a the value right of the load.
double ComputePointLoadShear(double P, double a, double x, double L);
double ComputePointLoadMoment(double P, double a, double x, double L);

// Uniform q over the whole span. Shear and moment guarded.
inline double ComputeUdlShear(double q, double x, double L) {
    if (detail::noSpan(L)) return 0.0;
    return 0.5 * q * L * (1.0 - 2.0 * x / L);
}
inline double ComputeUdlMoment(double q, double x, double L) {
    if (detail::noSpan(L)) return 0.0;
    return 0.5 * q * L * L * (x / L) * (1.0 - x / L);
}
double ComputeUdlDeflection(double q, double x, double L, double EI);  // guarded

// Load varying linearly from q1 at x = 0 to q2 at x = L.
inline double ComputeTrapezoidShear(double q1, double q2, double x, double L) {
    const double xi = x / L;
    return L / 6.0 * (q1 * (2.0 + 3.0 * xi * (xi - 2.0)) + q2 * (1.0 - 3.0 * xi * xi));
}
inline double ComputeTrapezoidMoment(double q1, double q2, double x, double L) {
    const double xi = x / L;
    return L * L / 6.0 * (q1 * xi * (xi * (xi - 3.0) + 2.0) + q2 * xi * (1.0 - xi * xi));
}
double ComputeTrapezoidDeflection(double q1, double q2, double x, double L, double EI);

// Uniform q over a..a+w.
double ComputeUniformPatchShear(double q, double a, double w, double x, double L);
double ComputeUniformPatchMoment(double q, double a, double w, double x, double L);

// Load rising linearly from 0 at a to q at a+w (guarded; a patch of no width
// gives 0).
double ComputeTriangularPatchShear(double q, double a, double w, double x, double L);
double ComputeTriangularPatchMoment(double q, double a, double w, double x, double L);

// Load varying linearly from q1 at a to q2 at a+w: uniform q1 plus a
// triangle of q2 - q1.
double ComputeTrapezoidPatchShear(double q1, double q2, double a, double w, double x, double L);
double ComputeTrapezoidPatchMoment(double q1, double q2, double a, double w, double x, double L);

// Concentrated moment M applied at a. Shear (-M/L everywhere) and deflection
// guarded. The moment is M (1 - x/L) for a = 0 and -M x/L for a = L; a
// station on the support where the moment acts shows the whole moment (the
// side of the jump inside the span, whatever the last digit of a station
// computed as i L / n), and the other support none, exactly:
// the design moment over a support is then the factored entered moment to
// the last digit, as the report's table of support moments prints it.
double ComputeEndMomentShear(double M, double L);
inline double ComputeEndMomentMoment(double M, double a, double x, double L) {
    if (a < 0) return M;
    if (a == 0) return M * (1.0 - x / L);
    if (a >= L || x < a) return -M * (x / L);
    return M * (1.0 - x / L);
}
double ComputeEndMomentDeflection(double M, double a, double x, double L, double EI);

// Deflection at x (guarded) of a point load P at a:
// P b x (L^2 - b^2 - x^2) / (6 L EI) left of the load, b = L - a.
double pointLoadDeflection(double P, double a, double x, double L, double EI);

// Deflections at x (guarded) of the partial loads above: uniform q over
// a..a+w, a load rising from 0 at a to q at a+w, and one varying from q1 at
// a to q2 at a+w. Each is the deflection of the moment diagram of the
// matching moment function, zero at both supports.
double uniformPatchDeflection(double q, double a, double w, double x, double L, double EI);
double triangularPatchDeflection(double q, double a, double w, double x, double L, double EI);
double trapezoidPatchDeflection(double q1, double q2, double a, double w, double x, double L,
                                double EI);

// Highest number of intermediate shores of a beam built on shores.
inline constexpr int MaxShoreCount = 4;

// Reaction of shore i (1..n) of n equally spaced shores under a uniform
// load, in units of q L / (n + 1): the interior support reactions of a beam
// continuous over n + 1 equal spans. Two spans 1.25; three 1.1, 1.1; four
// 8/7, 13/14, 8/7 (tabulated 1.143, 0.929); five 43/38, 37/38, 37/38, 43/38
// (1.1316, 0.9737). n outside 1..4 raises error 9.
double shoreReactionCoefficient(int n, int i);

// Interior support reactions of a span L on n (0..4) equally spaced shores
// under a uniform q, as a continuous beam of n + 1 equal spans: reactions(i)
// for i = 1..n. Elements 1..4 are first set to 1. The count is derived, not
// typed: a count outside 0..4 (a negative one too, which would read as no
// shores) is a fault of the run and raises error 9.
template <typename Reactions>
void ComputeShoreReactions(double n, double L, double q, Reactions& reactions) {
    const int count = runtime::toInt16(n);
    if (count < 0 || count > MaxShoreCount)
        throw runtime::RunTimeError(runtime::ErrSubscriptOutOfRange, "shore count");
    for (int i = 1; i <= MaxShoreCount; ++i) reactions(i) = 1;
    for (int i = 1; i <= count; ++i)
        reactions(i) = shoreReactionCoefficient(count, i) * q * L / (count + 1);
}

// The part of the shore reactions of a span L on n (1..4) equally spaced
// shores that a load varying linearly from -dq/2 at the start to +dq/2 at
// the end gives (the antisymmetric rest of a trapezoid about its mean), as
// a continuous beam of n + 1 equal spans: the reactions whose deflections
// of the simply supported span cancel the load's own at every shore.
// reactions[i - 1] for shore i; antisymmetric, so 0 at a middle shore.
void antisymmetricShoreReactions(int n, double L, double dq, double reactions[MaxShoreCount]);

// Interior support reactions of a span L on n (0..4) equally spaced shores
// under a load varying linearly from q1 at the start to q2 at the end, as a
// continuous beam of n + 1 equal spans: the mean (q1 + q2) / 2 as the
// uniform load of ComputeShoreReactions, plus the antisymmetric rest. Equal
// ends give ComputeShoreReactions's values; a load and its mirror image
// give the same reactions in reverse order.
template <typename Reactions>
void ComputeTrapezoidShoreReactions(double n, double L, double q1, double q2, Reactions& reactions) {
    ComputeShoreReactions(n, L, 0.5 * (q1 + q2), reactions);
    const int count = runtime::toInt16(n);
    if (count == 0) return;
    double rest[MaxShoreCount] = {};
    antisymmetricShoreReactions(count, L, q2 - q1, rest);
    for (int i = 1; i <= count; ++i) {
        const double uniform = reactions(i);
        reactions(i) = uniform + rest[i - 1];
    }
}

}  // namespace quorvel::library
