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

// Point load P at a (guarded). At x = a the value right of the load.
double ComputePointLoadShear(double P, double a, double x, double L);
double ComputePointLoadMoment(double P, double a, double x, double L);

// Uniform q over the whole span. Shear and moment guarded.
double ComputeUdlShear(double q, double x, double L);
double ComputeUdlMoment(double q, double x, double L);
double ComputeUdlDeflection(double q, double x, double L, double EI);  // guarded

// Load varying linearly from q1 at x = 0 to q2 at x = L.
double ComputeTrapezoidShear(double q1, double q2, double x, double L);
double ComputeTrapezoidMoment(double q1, double q2, double x, double L);
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
// station on a support is moved 0.001 into the span.
double ComputeEndMomentShear(double M, double L);
double ComputeEndMomentMoment(double M, double a, double x, double L);
double ComputeEndMomentDeflection(double M, double a, double x, double L, double EI);

// Interior support reactions of a span L on n (0..4) equally spaced shores
// under a uniform q, as a continuous beam of n + 1 equal spans: reactions(i)
// for i = 1..n. Elements 1..4 are first set to 1.
template <typename Reactions>
void ComputeShoreReactions(double n, double L, double q, Reactions& reactions) {
    runtime::Array1<double, 1, 4> c;
    for (int i = 1; i <= 4; ++i) {
        c(i) = 1.0;
        reactions(i) = 1;
    }
    const int count = runtime::toInt16(n);
    switch (count) {
    case 1: c(1) = 1.25; break;
    case 2: c(1) = c(2) = 1.1; break;
    case 3:
        c(1) = 1.143;
        c(2) = 0.929;
        c(3) = 1.143;
        break;
    default: c(1) = 1.25; break;
    }
    for (int i = 1; i <= count; ++i) reactions(i) = c(i) * q * L / (n + 1);
}

}  // namespace quorvel::library
