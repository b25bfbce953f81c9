#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "library/beam_formulas.h"
#include "runtime/arrays.h"
#include "runtime/value.h"
#include "test_support.h"

using namespace quorvel::library;
using quorvel::runtime::Array1;
using quorvel::runtime::Value;

namespace {

constexpr double L = 7200.0;   // mm
constexpr double EI = 3.6e14;  // Nmm^2

// Deflection of a simply supported span from its moment diagram:
// EI y'' = -M with y(0) = y(L) = 0, solved with the Green's function of the
// span, y(x) = 1/EI * integral of G(x, s) M(s) ds,
// G = s (L - x) / L for s <= x, x (L - s) / L for s >= x.
// The integral is split at x and at a jump of the diagram (if any).
double deflectionFromMoments(const std::function<double(double)>& moment, double x,
                             double jump = 0) {
    auto g = [&](double s) { return (s <= x ? s * (L - x) : x * (L - s)) / L * moment(s); };
    // The pieces stop just short of the breaks, so that each evaluates the
    // diagram on its own side of a jump.
    const double p = std::min(x, jump), r = std::max(x, jump), e = 1e-7;
    return (libtest::simpson(g, 0, p - e, 20000) + libtest::simpson(g, p + e, r - e, 20000) +
            libtest::simpson(g, r + e, L, 20000)) /
           EI;
}

// dM/dx by central differences.
double slope(const std::function<double(double)>& moment, double x) {
    const double d = 0.01;
    return (moment(x + d) - moment(x - d)) / (2 * d);
}

}  // namespace

TEST(PointLoad, MidspanAndOffCentre) {
    // P = 10 at midspan: shear +5 left, -5 from midspan on, M = PL/4.
    EXPECT_DOUBLE_EQ(ComputePointLoadShear(10, L / 2, L / 2 - 1, L), 5);
    EXPECT_DOUBLE_EQ(ComputePointLoadShear(10, L / 2, L / 2, L), -5);
    EXPECT_DOUBLE_EQ(ComputePointLoadMoment(10, L / 2, L / 2, L), 2.5 * L);
    // P at a = 2000: RA = P b / L, RB = P a / L, M under the load P a b / L.
    const double P = 36000, a = 2000, b = L - a;
    const double ra = ComputePointLoadShear(P, a, 0, L), rb = -ComputePointLoadShear(P, a, L, L);
    EXPECT_NEAR(ra, P * b / L, 1e-9);
    EXPECT_NEAR(ra + rb, P, 1e-9);
    EXPECT_NEAR(ComputePointLoadMoment(P, a, a, L), P * a * b / L, 1e-6);
    EXPECT_NEAR(ComputePointLoadMoment(P, a, a - 1e-9, L), P * a * b / L, 1e-3);
    EXPECT_EQ(ComputePointLoadMoment(P, a, 0, L), 0);
    EXPECT_NEAR(ComputePointLoadMoment(P, a, L, L), 0, 1e-9);
}

TEST(UniformLoad, TextbookValues) {
    const double q = 25;  // N/mm
    EXPECT_DOUBLE_EQ(ComputeUdlMoment(q, L / 2, L), q * L * L / 8);
    EXPECT_DOUBLE_EQ(ComputeUdlShear(q, 0, L), q * L / 2);
    EXPECT_DOUBLE_EQ(ComputeUdlShear(q, L, L), -q * L / 2);
    EXPECT_NEAR(ComputeUdlDeflection(q, L / 2, L, EI), 5 * q * L * L * L * L / (384 * EI), 1e-12);
    // Quarter point: M = 3 q L^2 / 32; y = 57 q L^4 / (6144 EI) (from
    // q x (L^3 - 2 L x^2 + x^3) / 24EI at x = L/4).
    EXPECT_NEAR(ComputeUdlMoment(q, L / 4, L), 3 * q * L * L / 32, 1e-6);
    EXPECT_NEAR(ComputeUdlDeflection(q, L / 4, L, EI), 57 * q * L * L * L * L / (6144 * EI),
                1e-12);
}

TEST(UniformLoad, ZeroSpanGuards) {
    EXPECT_EQ(ComputeUdlMoment(10, 0, 0), 0);
    EXPECT_EQ(ComputeUdlShear(10, 0, 0), 0);
    EXPECT_EQ(ComputeUdlShear(10, 0, 5e-10), 0);
    EXPECT_EQ(ComputeUdlDeflection(10, 0, 0, EI), 0);
    EXPECT_EQ(ComputePointLoadShear(10, 0, 0, 0), 0);
    EXPECT_EQ(ComputePointLoadMoment(10, 0, 0, 0), 0);
    EXPECT_EQ(ComputeTriangularPatchShear(10, 0, 1, 0, 0), 0);
    EXPECT_EQ(ComputeTriangularPatchMoment(10, 0, 1, 0, 0), 0);
    EXPECT_EQ(ComputeEndMomentShear(10, 0), 0);
    EXPECT_EQ(ComputeEndMomentDeflection(10, 0, 0, 0, EI), 0);
    EXPECT_EQ(fpErrorOf([] { return ComputeUdlMoment(10, 0, 0); }), 0);
}

TEST(LinearlyVaryingLoad, FullSpan) {
    // Equal ends: the uniform load.
    for (double x : {0.0, 1000.0, L / 2, 5000.0, L}) {
        EXPECT_NEAR(ComputeTrapezoidShear(12, 12, x, L), ComputeUdlShear(12, x, L), 1e-9);
        EXPECT_NEAR(ComputeTrapezoidMoment(12, 12, x, L), ComputeUdlMoment(12, x, L), 1e-3);
        EXPECT_NEAR(ComputeTrapezoidDeflection(12, 12, x, L, EI),
                    ComputeUdlDeflection(12, x, L, EI), 1e-12);
    }
    // Triangle 0 -> q: RA = qL/6, RB = qL/3, Mmax = qL^2/(9 sqrt 3) at
    // x = L/sqrt 3, y = q x (7L^4 - 10L^2x^2 + 3x^4) / (360 EI L).
    const double q = 30;
    EXPECT_NEAR(ComputeTrapezoidShear(0, q, 0, L), q * L / 6, 1e-9);
    EXPECT_NEAR(ComputeTrapezoidShear(0, q, L, L), -q * L / 3, 1e-9);
    EXPECT_NEAR(ComputeTrapezoidMoment(0, q, L / std::sqrt(3.0), L), q * L * L / (9 * std::sqrt(3.0)),
                1e-3);
    for (double x : {900.0, 3600.0, 6000.0}) {
        const double y = q * x * (7 * std::pow(L, 4) - 10 * L * L * x * x + 3 * std::pow(x, 4)) /
                         (360 * EI * L);
        EXPECT_NEAR(ComputeTrapezoidDeflection(0, q, x, L, EI), y, 1e-9 * std::fabs(y));
    }
    // Triangle q -> 0 mirrors it.
    EXPECT_NEAR(ComputeTrapezoidMoment(q, 0, 2000, L), ComputeTrapezoidMoment(0, q, L - 2000, L),
                1e-3);
    EXPECT_NEAR(ComputeTrapezoidDeflection(q, 0, 2000, L, EI),
                ComputeTrapezoidDeflection(0, q, L - 2000, L, EI), 1e-12);
}

TEST(PartialLoads, OverTheWholeSpanEqualTheFullSpanLoads) {
    for (double x : {0.0, 700.0, L / 2, 6500.0, L}) {
        EXPECT_NEAR(ComputeUniformPatchShear(12, 0, L, x, L), ComputeUdlShear(12, x, L), 1e-9);
        EXPECT_NEAR(ComputeUniformPatchMoment(12, 0, L, x, L), ComputeUdlMoment(12, x, L), 1e-3);
        EXPECT_NEAR(ComputeTriangularPatchShear(12, 0, L, x, L),
                    ComputeTrapezoidShear(0, 12, x, L), 1e-9);
        EXPECT_NEAR(ComputeTriangularPatchMoment(12, 0, L, x, L),
                    ComputeTrapezoidMoment(0, 12, x, L), 1e-3);
        EXPECT_NEAR(ComputeTrapezoidPatchShear(20, 5, 0, L, x, L),
                    ComputeTrapezoidShear(20, 5, x, L), 1e-9);
        EXPECT_NEAR(ComputeTrapezoidPatchMoment(20, 5, 0, L, x, L),
                    ComputeTrapezoidMoment(20, 5, x, L), 1e-3);
    }
}

TEST(PartialLoads, ReactionsCarryTheLoad) {
    const double a = 1500, w = 2400, q = 18;
    // Uniform patch: RA + RB = q w; RA = q w (L - a - w/2) / L.
    const double ra = ComputeUniformPatchShear(q, a, w, 0, L);
    const double rb = -ComputeUniformPatchShear(q, a, w, L, L);
    EXPECT_NEAR(ra + rb, q * w, 1e-9);
    EXPECT_NEAR(ra, q * w * (L - a - w / 2) / L, 1e-9);
    // Triangular patch: resultant q w / 2 at a + 2w/3.
    const double ta = ComputeTriangularPatchShear(q, a, w, 0, L);
    const double tb = -ComputeTriangularPatchShear(q, a, w, L, L);
    EXPECT_NEAR(ta + tb, q * w / 2, 1e-9);
    EXPECT_NEAR(tb * L, q * w / 2 * (a + 2 * w / 3), 1e-6);
    // Trapezoidal patch 10 -> 30 over w: (10 + 30) / 2 * w.
    const double pa = ComputeTrapezoidPatchShear(10, 30, a, w, 0, L);
    const double pb = -ComputeTrapezoidPatchShear(10, 30, a, w, L, L);
    EXPECT_NEAR(pa + pb, 20 * w, 1e-9);
    // The moment vanishes at both supports and is continuous at the load ends.
    for (auto mom : {std::function<double(double)>(
                         [&](double x) { return ComputeUniformPatchMoment(q, a, w, x, L); }),
                     std::function<double(double)>(
                         [&](double x) { return ComputeTriangularPatchMoment(q, a, w, x, L); })}) {
        EXPECT_NEAR(mom(0), 0, 1e-6);
        EXPECT_NEAR(mom(L), 0, 1e-6);
        EXPECT_NEAR(mom(a - 1e-7), mom(a + 1e-7), 1e-2);
        EXPECT_NEAR(mom(a + w - 1e-7), mom(a + w + 1e-7), 1e-2);
    }
    EXPECT_NEAR(ComputeTriangularPatchShear(q, a, w, a + w - 1e-7, L),
                ComputeTriangularPatchShear(q, a, w, a + w + 1e-7, L), 1e-3);
}

TEST(AllLoads, MomentSlopeEqualsShear) {
    const double a = 1800, w = 3000;
    struct Load {
        const char* name;
        std::function<double(double)> V, M;
    };
    const Load loads[] = {
        {"udl", [](double x) { return ComputeUdlShear(14, x, L); },
         [](double x) { return ComputeUdlMoment(14, x, L); }},
        {"trapezoid", [](double x) { return ComputeTrapezoidShear(8, 21, x, L); },
         [](double x) { return ComputeTrapezoidMoment(8, 21, x, L); }},
        {"point", [](double x) { return ComputePointLoadShear(5e4, 2500, x, L); },
         [](double x) { return ComputePointLoadMoment(5e4, 2500, x, L); }},
        {"patch", [&](double x) { return ComputeUniformPatchShear(9, a, w, x, L); },
         [&](double x) { return ComputeUniformPatchMoment(9, a, w, x, L); }},
        {"triangle", [&](double x) { return ComputeTriangularPatchShear(9, a, w, x, L); },
         [&](double x) { return ComputeTriangularPatchMoment(9, a, w, x, L); }},
        {"trapezoid patch", [&](double x) { return ComputeTrapezoidPatchShear(4, 16, a, w, x, L); },
         [&](double x) { return ComputeTrapezoidPatchMoment(4, 16, a, w, x, L); }},
        {"moment", [](double) { return ComputeEndMomentShear(3e7, L); },
         [](double x) { return ComputeEndMomentMoment(3e7, 3000, x, L); }},
    };
    for (const auto& load : loads) {
        for (double x = 150; x < L; x += 300) {
            EXPECT_NEAR(slope(load.M, x), load.V(x), 1e-4 * (std::fabs(load.V(x)) + 1))
                << load.name << " at " << x;
        }
    }
}

TEST(EndMoments, DiagramAndStationsOnTheSupports) {
    const double M = 4e7;
    // Applied at the left end: M (1 - x/L), at the right end: -M x/L.
    EXPECT_NEAR(ComputeEndMomentMoment(M, 0, 1800, L), M * 0.75, 1e-6);
    EXPECT_NEAR(ComputeEndMomentMoment(M, L, 1800, L), -M * 0.25, 1e-6);
    // On its own support the whole moment, on the other none, exactly.
    EXPECT_EQ(ComputeEndMomentMoment(M, 0, 0, L), M);
    EXPECT_EQ(ComputeEndMomentMoment(M, L, L, L), -M);
    EXPECT_EQ(ComputeEndMomentMoment(M, L, 0, L), 0.0);
    EXPECT_EQ(ComputeEndMomentMoment(M, 0, L, L), 0.0);
    // Start and end moments of a beam (the end one passed reversed)
    // interpolate linearly: Mstart (1 - x/L) + Mend x/L.
    const double ms = -3e7, me = -5e7;
    for (double x : {600.0, 3600.0, 7000.0}) {
        EXPECT_NEAR(ComputeEndMomentMoment(ms, 0, x, L) + ComputeEndMomentMoment(-me, L, x, L),
                    ms * (1 - x / L) + me * x / L, 1e-6);
    }
    // Applied inside: the diagram jumps by +M at a.
    EXPECT_NEAR(ComputeEndMomentMoment(M, 3000, 3000 - 1e-6, L), -M * 3000 / L, 1);
    EXPECT_NEAR(ComputeEndMomentMoment(M, 3000, 3000, L), M * (1 - 3000 / L), 1e-6);
    EXPECT_EQ(ComputeEndMomentMoment(M, -1, 2000, L), M);
    EXPECT_DOUBLE_EQ(ComputeEndMomentShear(M, L), -M / L);
}

TEST(Deflections, AgreeWithTheMomentDiagram) {
    const double M = 4e7;
    // Left end moment: M x (L - x)(2L - x) / (6 EI L).
    for (double x : {0.0, 1000.0, 3600.0, 6000.0, L}) {
        EXPECT_NEAR(ComputeEndMomentDeflection(M, 0, x, L, EI),
                    M * x * (L - x) * (2 * L - x) / (6 * EI * L), 1e-12);
        EXPECT_NEAR(ComputeEndMomentDeflection(M, L, x, L, EI),
                    -M * x * (L * L - x * x) / (6 * EI * L), 1e-12);
    }
    // Moment applied inside the span and the distributed loads: integrate
    // the textbook moment diagrams.
    const double a = 2600, q1 = 6, q2 = 20;
    auto inside = [&](double s) { return s < a ? -M * s / L : M * (1 - s / L); };
    auto udl = [&](double s) { return 0.5 * q1 * s * (L - s); };
    auto trap = [&](double s) {
        const double ra = L * (2 * q1 + q2) / 6;
        const double qs = q1 + (q2 - q1) * s / L;
        return ra * s - q1 * s * s / 2 - (qs - q1) * s * s / 6;
    };
    for (double x : {500.0, 2600.0, 4100.0, 6900.0}) {
        EXPECT_NEAR(ComputeEndMomentDeflection(M, a, x, L, EI), deflectionFromMoments(inside, x, a),
                    1e-7);
        EXPECT_NEAR(ComputeUdlDeflection(q1, x, L, EI), deflectionFromMoments(udl, x), 1e-7);
        EXPECT_NEAR(ComputeTrapezoidDeflection(q1, q2, x, L, EI), deflectionFromMoments(trap, x),
                    1e-7);
    }
}

TEST(Shores, ContinuousBeamReactions) {
    // Interior reactions of continuous beams of equal spans l = L/(n+1)
    // under q (beam tables): two spans 10/8 q l; three 11/10 q l; four 8/7,
    // 13/14, 8/7 q l (tabulated 1.143, 0.929); five 43/38, 37/38, 37/38,
    // 43/38 q l, end reactions 15/38 q l, so that all six carry 5 q l.
    Array1<Value, 0, 12> r;
    ComputeShoreReactions(1, 10, 2, r);
    EXPECT_DOUBLE_EQ(r(1), 12.5);
    EXPECT_EQ(r(2), 1.0);  // elements up to 4 are set to 1 first
    ComputeShoreReactions(2, 9000, 3, r);
    EXPECT_NEAR(r(1), 1.1 * 3 * 3000, 1e-9);
    EXPECT_NEAR(r(2), 1.1 * 3 * 3000, 1e-9);
    ComputeShoreReactions(3, 8000, 2, r);
    EXPECT_NEAR(r(1), 8.0 / 7 * 2 * 2000, 1e-9);
    EXPECT_NEAR(r(2), 13.0 / 14 * 2 * 2000, 1e-9);
    EXPECT_NEAR(r(3), 8.0 / 7 * 2 * 2000, 1e-9);

    // Four shores: symmetric, 1.1316 and 0.9737 to four digits, and the
    // whole load carried. (As once written the four got 1.25, 1, 1, 1.)
    const double q = 2.5, span = 9000, l = span / 5;
    ComputeShoreReactions(4, span, q, r);
    EXPECT_NEAR(r(1), 1.1316 * q * l, 5e-5 * q * l);
    EXPECT_NEAR(r(2), 0.9737 * q * l, 5e-5 * q * l);
    EXPECT_DOUBLE_EQ(r(3), r(2));
    EXPECT_DOUBLE_EQ(r(4), r(1));
    EXPECT_NEAR(r(1) + r(2) + r(3) + r(4) + 2 * 15.0 / 38 * q * l, q * span, 1e-9 * q * span);

    Array1<Value, 0, 12> none;
    ComputeShoreReactions(0, 8000, 2, none);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(none(i), 1.0);
    EXPECT_TRUE(none(5).isEmpty());
    // A derived count outside 0..4 is a fault, never "no shores".
    for (const double count : {5.0, -1.0, -2.0})
        EXPECT_EQ(errorOf([&] { ComputeShoreReactions(count, 8000, 2, none); }), 9) << count;
}

TEST(Shores, TaperedLoadAsItLiesAlongTheBeam) {
    // A load varying linearly from q1 at the start to q2 at the end is its
    // mean qm = (q1 + q2)/2 plus the antisymmetric rest dq (x/L - 1/2),
    // dq = q2 - q1. Spans l = L/(n+1).
    //   One shore (two spans): the rest bends the two spans in opposite
    //   senses and leaves the middle moment 0; its reactions at the middle
    //   are -dq l/12 from the left span and +dq l/12 from the right, so
    //   R = 1.25 qm l.
    //   Two shores (three spans), by the three-moment equation with the
    //   load terms 6 A xbar / l of a uniform w (w l^3/4) and of a triangle
    //   rising to w (2 w l^3/15 about its low end, 7 w l^3/60 about its
    //   high end): span 1 carries -dq/2 rising by dq/3, term about A
    //   -dq l^3/8 + 2 dq l^3/45 = -29 dq l^3/360; span 2 -dq/6 rising by
    //   dq/3, term about C -dq l^3/24 + 7 dq l^3/180 = -dq l^3/360.
    //   4 l MB + l MC = 30 dq l^3/360 with MC = -MB: MB = dq l^2/36.
    //   Free reactions at B: span 1 -dq l/4 + dq l/9, span 2 -dq l/12 +
    //   dq l/18, together -dq l/6; the moments add -(2 MB - MC)/l = -dq l/12:
    //   R1 = 1.1 qm l - dq l/4, R2 = 1.1 qm l + dq l/4.
    //   A triangle 0 -> q: R1 = 0.30 q l, R2 = 0.80 q l (of the 1.5 q l on
    //   the beam, 0.4 q l left for the two ends).
    const double L = 9000, q1 = 3, q2 = 13, qm = 8, dq = 10;
    Array1<Value, 0, 12> r;
    ComputeTrapezoidShoreReactions(1, L, q1, q2, r);
    EXPECT_NEAR(r(1), 1.25 * qm * L / 2, 1e-9 * qm * L);
    const double l = L / 3;
    ComputeTrapezoidShoreReactions(2, L, q1, q2, r);
    EXPECT_NEAR(r(1), 1.1 * qm * l - dq * l / 4, 1e-9 * qm * L);
    EXPECT_NEAR(r(2), 1.1 * qm * l + dq * l / 4, 1e-9 * qm * L);
    ComputeTrapezoidShoreReactions(2, L, 0, 6, r);
    EXPECT_NEAR(r(1), 0.30 * 6 * l, 1e-9 * 6 * L);
    EXPECT_NEAR(r(2), 0.80 * 6 * l, 1e-9 * 6 * L);

    // Every count: equal ends give the uniform table; a load and its mirror
    // image the same reactions in reverse order; the rest alone carries no
    // net load (antisymmetric reactions).
    for (int n = 1; n <= 4; ++n) {
        Array1<Value, 0, 12> forward, mirrored, uniform, flat;
        ComputeTrapezoidShoreReactions(n, L, q1, q2, forward);
        ComputeTrapezoidShoreReactions(n, L, q2, q1, mirrored);
        ComputeShoreReactions(n, L, qm, uniform);
        ComputeTrapezoidShoreReactions(n, L, qm, qm, flat);
        double sum = 0, uniformSum = 0;
        for (int i = 1; i <= n; ++i) {
            EXPECT_NEAR(forward(i), mirrored(n + 1 - i), 1e-9 * qm * L) << n << " shores, " << i;
            EXPECT_DOUBLE_EQ(flat(i), uniform(i)) << n << " shores, " << i;
            sum += forward(i);
            uniformSum += uniform(i);
        }
        EXPECT_NEAR(sum, uniformSum, 1e-9 * qm * L) << n << " shores";
    }
}

TEST(Deflections, PointLoad) {
    // P L^3 / (48 EI) at midspan; P b x (L^2 - b^2 - x^2) / (6 L EI) left of
    // the load and the mirror image right of it; zero at the supports.
    const double P = 50000;
    EXPECT_NEAR(pointLoadDeflection(P, L / 2, L / 2, L, EI), P * L * L * L / (48 * EI), 1e-12);
    const double a = 2000, b = L - a;
    for (double x : {500.0, 1999.0}) {
        EXPECT_NEAR(pointLoadDeflection(P, a, x, L, EI),
                    P * b * x * (L * L - b * b - x * x) / (6 * L * EI), 1e-12);
    }
    for (double x : {2001.0, 4000.0, 7000.0}) {
        const double y = L - x;
        EXPECT_NEAR(pointLoadDeflection(P, a, x, L, EI),
                    P * a * y * (L * L - a * a - y * y) / (6 * L * EI), 1e-12);
    }
    EXPECT_NEAR(pointLoadDeflection(P, a, 0, L, EI), 0, 1e-15);
    EXPECT_NEAR(pointLoadDeflection(P, a, L, L, EI), 0, 1e-12);
    EXPECT_EQ(pointLoadDeflection(P, a, 0, 0, EI), 0);
}

TEST(Deflections, PartialLoads) {
    // Uniform q over a central length b: q b (8L^3 - 4L b^2 + b^3) / (384 EI)
    // at midspan (beam tables); over the whole span 5 q L^4 / (384 EI).
    const double q = 15, b = 2400, a = (L - b) / 2;
    EXPECT_NEAR(uniformPatchDeflection(q, a, b, L / 2, L, EI),
                q * b * (8 * L * L * L - 4 * L * b * b + b * b * b) / (384 * EI), 1e-12);
    EXPECT_NEAR(uniformPatchDeflection(q, 0, L, L / 2, L, EI), 5 * q * std::pow(L, 4) / (384 * EI),
                1e-12);
    // A triangle over the whole span is the full-span triangle.
    for (double x : {800.0, 3600.0, 6100.0})
        EXPECT_NEAR(triangularPatchDeflection(q, 0, L, x, L, EI),
                    ComputeTrapezoidDeflection(0, q, x, L, EI), 1e-12);
    // Off-centre patches against their moment diagrams integrated.
    const double pa = 1300, pw = 3100;
    auto uniform = [&](double s) { return ComputeUniformPatchMoment(q, pa, pw, s, L); };
    auto triangle = [&](double s) { return ComputeTriangularPatchMoment(q, pa, pw, s, L); };
    auto trapezoid = [&](double s) { return ComputeTrapezoidPatchMoment(6, 21, pa, pw, s, L); };
    for (double x : {600.0, 2000.0, 4400.0, 6800.0}) {
        EXPECT_NEAR(uniformPatchDeflection(q, pa, pw, x, L, EI), deflectionFromMoments(uniform, x),
                    1e-7);
        EXPECT_NEAR(triangularPatchDeflection(q, pa, pw, x, L, EI),
                    deflectionFromMoments(triangle, x), 1e-7);
        EXPECT_NEAR(trapezoidPatchDeflection(6, 21, pa, pw, x, L, EI),
                    deflectionFromMoments(trapezoid, x), 1e-7);
    }
}
