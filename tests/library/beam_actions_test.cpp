// Moments and shears of the supporting beam along its span, against the
// closed forms of a simply supported beam and of continuous beams on shores.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "library/beam_actions.h"
#include "model/project_model.h"
#include "test_support.h"

using namespace quorvel::library;
using quorvel::model::ProjectModel;

namespace {

constexpr double L = 7200.0;  // mm
constexpr double gG = 1.35, gQ = 1.5;

// Points 0..count evenly along the span.
void evenGrid(ProjectModel& m, int count) {
    m.CalculationPointCount = static_cast<int16_t>(count);
    for (int i = 0; i <= count; ++i) m.CalculationPointX(i) = i * L / count;
}

// A simply supported beam of the given type with 51 even points.
ProjectModel beamModel(const char* type = "SUORA") {
    ProjectModel m;
    m.BeamTypeName = type;
    m.BeamSpan = L;
    evenGrid(m, 50);
    m.PermanentLoadFactorKfi = gG;
    m.VariableLoadFactorKfi = gQ;
    return m;
}

// Closed forms of a simply supported span (beam tables).
// Uniform q over a..a+w: RA = q w (L - a - w/2) / L.
double patchMoment(double q, double a, double w, double x) {
    const double ra = q * w * (L - a - w / 2) / L, rb = q * w - ra;
    if (x < a) return ra * x;
    if (x > a + w) return rb * (L - x);
    return ra * x - q * (x - a) * (x - a) / 2;
}
double patchShear(double q, double a, double w, double x) {
    const double ra = q * w * (L - a - w / 2) / L, rb = q * w - ra;
    if (x < a) return ra;
    if (x > a + w) return -rb;
    return ra - q * (x - a);
}
// Point load P at a: P b x / L left of it, P a (L - x) / L right of it.
double pointMoment(double P, double a, double x) {
    return x < a ? P * (L - a) * x / L : P * a * (L - x) / L;
}
double pointShear(double P, double a, double x) { return x < a ? P * (L - a) / L : -P * a / L; }
// End moments: Ms (1 - x/L) + Me x/L; shear (Me - Ms) / L.
double endMoment(double ms, double me, double x) { return ms * (1 - x / L) + me * x / L; }

// The end moments act whole on their supports: only rounding differs.
double endTolerance(double m) { return std::fabs(m) * 1e-15 + 1e-6; }

}  // namespace

TEST(BeamActions, JointConcreteAlone) {
    // q L^2 / 8 at midspan, q x (L - x) / 2 elsewhere, in row 1 only; the
    // design row with the permanent factor; shears +-q L / 2 at the ends.
    ProjectModel m = beamModel();
    const double q = 12;
    m.JointConcreteLineLoad = q;
    ComputeBeamMomentsAndShears(m);
    EXPECT_NEAR(m.BeamMomentChar(25, 1), q * L * L / 8, 1e-6);
    EXPECT_NEAR(m.BeamMomentDesign(25, 1), gG * q * L * L / 8, 1e-6);
    for (int i = 0; i <= 50; ++i) {
        const double x = i * L / 50;
        EXPECT_NEAR(m.BeamMomentChar(i, 1), q * x * (L - x) / 2, 1e-6);
        for (int r = 2; r <= 5; ++r) {
            EXPECT_EQ(m.BeamMomentChar(i, r), 0) << "row " << r;
            EXPECT_EQ(m.BeamShearDesign(i, r), 0) << "row " << r;
        }
        EXPECT_EQ(m.BeamMomentChar(i, 6), m.BeamMomentChar(i, 1));
    }
    EXPECT_NEAR(m.BeamShearDesign(0, 1), gG * q * L / 2, 1e-9);
    EXPECT_NEAR(m.BeamShearDesign(50, 1), -gG * q * L / 2, 1e-9);
}

TEST(BeamActions, SlabLineLoadVaryingAlongTheBeam) {
    // q1 = 8 at the start, q2 = 20 at the end: RA = L (2 q1 + q2) / 6,
    // M = RA x - q1 x^2 / 2 - (q2 - q1) x^3 / (6 L),
    // V = RA - q1 x - (q2 - q1) x^2 / (2 L).
    // The design row takes the design line load (here 1.2 times, not the
    // permanent factor 1.35) for the slab self weight.
    ProjectModel m = beamModel();
    m.SlabSelfWeightLineLoad(1) = 8.0;
    m.SlabSelfWeightLineLoad(2) = 20.0;
    m.SlabSelfWeightLineLoadDesign(1) = 9.6;
    m.SlabSelfWeightLineLoadDesign(2) = 24.0;
    ComputeBeamMomentsAndShears(m);
    const auto M = [](double q1, double q2, double x) {
        return L * (2 * q1 + q2) / 6 * x - q1 * x * x / 2 - (q2 - q1) * x * x * x / (6 * L);
    };
    const auto V = [](double q1, double q2, double x) {
        return L * (2 * q1 + q2) / 6 - q1 * x - (q2 - q1) * x * x / (2 * L);
    };
    for (int i : {0, 7, 25, 41, 50}) {
        const double x = i * L / 50;
        EXPECT_NEAR(m.BeamMomentChar(i, 1), M(8, 20, x), 1e-5);
        EXPECT_NEAR(m.BeamMomentDesign(i, 1), M(9.6, 24, x), 1e-5);
        EXPECT_NEAR(m.BeamShearDesign(i, 1), V(9.6, 24, x), 1e-9);
        EXPECT_NEAR(m.BeamMomentDesign(i, 6), M(9.6, 24, x), 1e-5);
    }
}

TEST(BeamActions, BeamLoadsAndEndMomentsGoToTheirStages) {
    ProjectModel m = beamModel();
    // Permanent: 10 kN/m over 1800..4200, 30 kN at 2400; variable: 5 kN/m
    // over 3600..7200, 20 kN at 5000.
    m.BeamLineLoadG1 = 10.0;
    m.BeamLineLoadG2 = 10.0;
    m.BeamLineLoadGX = 1800.0;
    m.BeamLineLoadGLength = 2400.0;
    m.BeamLineLoadQ1 = 5.0;
    m.BeamLineLoadQ2 = 5.0;
    m.BeamLineLoadQX = 3600.0;
    m.BeamLineLoadQLength = 3600.0;
    m.BeamPointLoadCount = 2;
    m.BeamPointLoad(1, 1) = 30.0;
    m.BeamPointLoadX(1) = 2400.0;
    m.BeamPointLoad(2, 2) = 20.0;
    m.BeamPointLoadX(2) = 5000.0;
    // Equal end moments before the topping hardens; unequal permanent and
    // variable ones (Nmm).
    m.SupportMomentStartBeforeTopping = -40e6;
    m.SupportMomentEndBeforeTopping = -40e6;
    m.SupportMomentStartPermanent = -30e6;
    m.SupportMomentEndPermanent = -60e6;
    m.SupportMomentStartVariable = -10e6;
    m.SupportMomentEndVariable = 0.0;
    ComputeBeamMomentsAndShears(m);

    for (int i = 0; i <= 50; ++i) {
        const double x = i * L / 50;
        const double m3 = patchMoment(10, 1800, 2400, x) + pointMoment(30000, 2400, x) +
                          endMoment(-30e6, -60e6, x);
        const double m4 = patchMoment(5, 3600, 3600, x) + pointMoment(20000, 5000, x) +
                          endMoment(-10e6, 0, x);
        EXPECT_EQ(m.BeamMomentChar(i, 1), 0);
        // Equal end moments: the same moment at every point, no shear.
        EXPECT_NEAR(m.BeamMomentChar(i, 2), -40e6, endTolerance(40e6));
        EXPECT_NEAR(m.BeamShearDesign(i, 2), 0, 1e-12);
        EXPECT_NEAR(m.BeamMomentChar(i, 3), m3, endTolerance(60e6) + 1e-5);
        EXPECT_NEAR(m.BeamMomentChar(i, 4), m4, endTolerance(10e6) + 1e-5);
        // Design rows: the characteristic rows times their factors.
        EXPECT_NEAR(m.BeamMomentDesign(i, 2), gG * m.BeamMomentChar(i, 2), 1e-6);
        EXPECT_NEAR(m.BeamMomentDesign(i, 3), gG * m.BeamMomentChar(i, 3), 1e-6);
        EXPECT_NEAR(m.BeamMomentDesign(i, 4), gQ * m.BeamMomentChar(i, 4), 1e-6);
        EXPECT_NEAR(m.BeamMomentDesign(i, 5), gG * m3 + gQ * m4, 2 * endTolerance(60e6) + 1e-4);
        EXPECT_NEAR(m.BeamMomentChar(i, 6), -40e6 + m3 + m4, 3 * endTolerance(60e6) + 1e-4);
        EXPECT_NEAR(m.BeamMomentDesign(i, 6), gG * (-40e6 + m3) + gQ * m4,
                    5 * endTolerance(60e6) + 1e-4);
        // Shears (points that do not stand on a point load).
        if (x == 2400 || x == 5000) continue;
        const double v3 = patchShear(10, 1800, 2400, x) + pointShear(30000, 2400, x) - 30e6 / L;
        const double v4 = patchShear(5, 3600, 3600, x) + pointShear(20000, 5000, x) + 10e6 / L;
        EXPECT_NEAR(m.BeamShearDesign(i, 3), gG * v3, 1e-8);
        EXPECT_NEAR(m.BeamShearDesign(i, 4), gQ * v4, 1e-8);
        EXPECT_NEAR(m.BeamShearDesign(i, 6), gG * v3 + gQ * v4, 1e-8);
    }
    // A point load of 30 (kN) is 30000 N: the moment under it is P a b / L.
    EXPECT_NEAR(pointMoment(30000, 2400, 2400), 30000.0 * 2400 * 4800 / L, 1e-6);
}

TEST(BeamActions, LoadsPastTheSupportsLoadOnlyTheSpan) {
    // A permanent line load of 2 kN/m entered from 0 over 1.3 L and one from
    // -0.5 L over 2 L act on this beam as 2 kN/m over the span: qL^2/8 at
    // midspan, qL/2 at the support, nothing at x = L. A varying load from
    // -L/2 (0 kN/m) to L/2 (4 kN/m) loads the beam with 2 .. 4 kN/m over
    // 0 .. L/2. A point load beyond the end is not on the span.
    ProjectModel m = beamModel();
    m.BeamLineLoadG1 = 2.0;
    m.BeamLineLoadG2 = 2.0;
    m.BeamLineLoadGX = 0.0;
    m.BeamLineLoadGLength = 1.3 * L;
    m.BeamPointLoadCount = 1;
    m.BeamPointLoad(1, 1) = 30.0;
    m.BeamPointLoadX(1) = L + 100;
    ComputeBeamMomentsAndShears(m);
    EXPECT_NEAR(m.BeamMomentChar(25, 3), 2 * L * L / 8, 1e-3);
    EXPECT_NEAR(m.BeamMomentChar(50, 3), 0, 1e-3);
    EXPECT_NEAR(m.BeamShearDesign(0, 3), gG * 2 * L / 2, 1e-6);

    m.BeamLineLoadGX = -0.5 * L;
    m.BeamLineLoadGLength = 2 * L;
    ComputeBeamMomentsAndShears(m);
    EXPECT_NEAR(m.BeamMomentChar(25, 3), 2 * L * L / 8, 1e-3);

    m.BeamPointLoadCount = 0;
    m.BeamLineLoadG1 = 0.0;
    m.BeamLineLoadG2 = 4.0;
    m.BeamLineLoadGLength = L;
    ComputeBeamMomentsAndShears(m);
    // 2 .. 4 N/mm over 0 .. L/2: W = 1.5 L, centroid (L/2)(2 + 2 x 4)/(3 x 6)
    // = 5L/18 from the start, RB = W (5/18) = 5L/12, M(L/2) = RB L/2 = 5L^2/24.
    EXPECT_NEAR(m.BeamMomentChar(25, 3), 5 * L * L / 24, 1e-3);
    EXPECT_NEAR(m.BeamMomentChar(50, 3), 0, 1e-3);
}

TEST(BeamActions, SlabFieldSegments) {
    // Two line-load segments (one per side) and one point-load segment of
    // the right side, each a uniform partial load on the beam. The left
    // reaction of uniform q over a..a+w is q w (L - a - w/2) / L.
    ProjectModel m = beamModel();
    m.SlabLineLoadCount(1) = 1;
    m.SlabLineLoadCount(2) = 1;
    m.SlabPointLoadCount(2) = 1;
    m.LineLoadSegmentStart(1) = 1000.0;
    m.LineLoadSegmentLength(1) = 2000.0;
    m.LineLoadSegmentIntensity(1, 1) = 6.0;
    m.LineLoadSegmentIntensity(1, 2) = 3.0;
    m.LineLoadSegmentStart(2) = 4000.0;
    m.LineLoadSegmentLength(2) = 1500.0;
    m.LineLoadSegmentIntensity(2, 1) = 4.0;
    m.PointLoadSegmentStart(1) = 3000.0;
    m.PointLoadSegmentLength(1) = 1200.0;
    m.PointLoadSegmentIntensity(1, 2) = 25.0;
    ComputeBeamMomentsAndShears(m);
    const double ra3 = 6.0 * 2000 * (L - 2000) / L + 4.0 * 1500 * (L - 4750) / L;
    const double ra4 = 3.0 * 2000 * (L - 2000) / L + 25.0 * 1200 * (L - 3600) / L;
    EXPECT_NEAR(m.BeamShearDesign(0, 3), gG * ra3, 1e-9);
    EXPECT_NEAR(m.BeamShearDesign(0, 4), gQ * ra4, 1e-9);
    // The whole load comes down at the two ends.
    EXPECT_NEAR(m.BeamShearDesign(0, 3) - m.BeamShearDesign(50, 3), gG * (12000 + 6000), 1e-8);
    EXPECT_NEAR(m.BeamShearDesign(0, 4) - m.BeamShearDesign(50, 4), gQ * (6000 + 30000), 1e-8);
    EXPECT_NEAR(m.BeamMomentChar(25, 4),
                patchMoment(3, 1000, 2000, L / 2) + patchMoment(25, 3000, 1200, L / 2), 1e-6);
}

TEST(BeamActions, ShearIsTheSlopeOfTheMoment) {
    // Every load at once; the points in threes x - d, x, x + d, so that the
    // central difference of the design moment gives the design shear at x.
    ProjectModel m = beamModel();
    m.SlabSelfWeightLineLoad(1) = 7.0;
    m.SlabSelfWeightLineLoad(2) = 9.0;
    m.SlabSelfWeightLineLoadDesign(1) = 8.4;
    m.SlabSelfWeightLineLoadDesign(2) = 10.8;
    m.JointConcreteLineLoad = 1.5;
    m.ToppingLineLoad(1) = 3.0;
    m.ToppingLineLoad(2) = 2.0;
    m.ImposedPermanentLineLoad(1) = 4.0;
    m.ImposedPermanentLineLoad(2) = 4.0;
    m.ImposedVariableLineLoad(1) = 6.0;
    m.ImposedVariableLineLoad(2) = 9.0;
    m.BeamLineLoadG1 = 3.0;
    m.BeamLineLoadG2 = 7.0;
    m.BeamLineLoadGX = 1100.0;  // no point at the load ends, where the
    m.BeamLineLoadGLength = 3800.0;  // shear has a kink
    m.BeamPointLoadCount = 1;
    m.BeamPointLoad(1, 1) = 15.0;
    m.BeamPointLoad(2, 1) = 10.0;
    m.BeamPointLoadX(1) = 3333.0;
    m.SupportMomentStartBeforeGrouting = -20e6;
    m.SupportMomentEndBeforeGrouting = -35e6;
    m.SupportMomentStartBeforeTopping = -5e6;
    m.SupportMomentStartPermanent = -12e6;
    m.SupportMomentEndVariable = -25e6;
    const double d = 0.5;
    m.CalculationPointCount = 50;
    int i = 0;
    for (int k = 0; k < 17; ++k) {
        const double x = 200 + k * 400.0;
        m.CalculationPointX(i++) = x - d;
        m.CalculationPointX(i++) = x;
        m.CalculationPointX(i++) = x + d;
    }
    ComputeBeamMomentsAndShears(m);
    for (int k = 0; k < 17; ++k) {
        const int c = 3 * k + 1;
        for (int r = 1; r <= 6; ++r) {
            const double slope = (m.BeamMomentDesign(c + 1, r) - m.BeamMomentDesign(c - 1, r)) / (2 * d);
            EXPECT_NEAR(slope, m.BeamShearDesign(c, r), 1e-5 * std::fabs(m.BeamShearDesign(c, r)) + 1e-3)
                << "row " << r << " at " << m.CalculationPointX(c);
        }
    }
}

TEST(BeamActions, OneShoreMovesTheMidspanReactionToRow2) {
    // A BE beam on one shore carries q_s = slabs + joint + cast beam
    // concrete = 9 + 2 + (5 - 3) = 13 N/mm while wet; the shore takes the
    // middle reaction of a two-span beam, R = 1.25 q_s L / 2. Removing it
    // puts R at midspan on the hardened beam: row 1 loses R x / 2 (x <= L/2),
    // row 2 gains it, row 6 is the same as on a beam without a shore.
    ProjectModel be = beamModel("BESUPER");
    be.SuperPrestressTerm = 1.0;
    ProjectModel su = beamModel("SUORA");
    for (ProjectModel* m : {&be, &su}) {
        m->SlabSelfWeightLineLoad(1) = 9.0;
        m->SlabSelfWeightLineLoad(2) = 9.0;
        m->SlabSelfWeightLineLoadDesign(1) = 9.0 * gG;
        m->SlabSelfWeightLineLoadDesign(2) = 9.0 * gG;
        m->JointConcreteLineLoad = 2.0;
        m->BeamSelfWeight = 5.0;
        m->BeamPartialSelfWeight = 3.0;
        m->ToppingLineLoad(1) = 2.0;
        m->ToppingLineLoad(2) = 2.0;
        m->SupportMomentStartBeforeGrouting = -15e6;
        m->SupportMomentEndBeforeGrouting = -15e6;
        ComputeBeamMomentsAndShears(*m);
    }
    const double R = 1.25 * 13 * L / 2;
    EXPECT_NEAR(be.PrestressEquivalentLoads(1), R, 1e-9);
    EXPECT_EQ(su.PrestressEquivalentLoads(1), 0);
    for (int i : {0, 10, 25, 40, 50}) {
        const double x = i * L / 50;
        const double ms = x <= L / 2 ? R * x / 2 : R * (L - x) / 2;
        // The end moments before grouting count in row 2 on shores.
        EXPECT_NEAR(be.BeamMomentChar(i, 1), 11 * x * (L - x) / 2 - ms, 1e-5);
        EXPECT_NEAR(be.BeamMomentChar(i, 2), 2 * x * (L - x) / 2 + ms - 15e6, endTolerance(15e6));
        EXPECT_NEAR(be.BeamMomentChar(i, 6), su.BeamMomentChar(i, 6), 1e-5);
        EXPECT_NEAR(be.BeamMomentDesign(i, 6), su.BeamMomentDesign(i, 6), 1e-5);
        EXPECT_NEAR(be.BeamShearDesign(i, 6), su.BeamShearDesign(i, 6), 1e-8);
        EXPECT_NEAR(be.BeamMomentDesign(i, 1), gG * (11 * x * (L - x) / 2 - ms), 1e-5);
        if (i == 25) continue;
        const double vs = x < L / 2 ? R / 2 : -R / 2;
        EXPECT_NEAR(be.BeamShearDesign(i, 1), su.BeamShearDesign(i, 1) - gG * vs, 1e-8);
        EXPECT_NEAR(be.BeamShearDesign(i, 2), su.BeamShearDesign(i, 2) + gG * vs, 1e-8);
    }
    // Start moment -15e6 alone: its shear gG 15e6 / L = 2812.5 N goes to row 2 with it.
    for (ProjectModel* m : {&be, &su}) {
        m->SupportMomentEndBeforeGrouting = 0.0;
        ComputeBeamMomentsAndShears(*m);
    }
    const double shift = gG * R / 2 + 2812.5;
    EXPECT_NEAR(be.BeamShearDesign(10, 2), su.BeamShearDesign(10, 2) + shift, 1e-8);
    EXPECT_NEAR(be.BeamShearDesign(10, 1), su.BeamShearDesign(10, 1) - shift, 1e-8);
}

TEST(BeamActions, ShoresGiveTheContinuousBeamSupportMoments) {
    // Under the joint concrete q alone, row 1 of a BE beam on n shores is
    // the moment of a beam continuous over n + 1 spans l = L / (n + 1).
    // Support moments (beam tables), in q l^2:
    //   two spans -1/8; three -1/10; four -3/28, -2/28; five -4/38, -3/38.
    struct Case {
        int n;
        double first, second, tolerance;
    };
    const Case cases[] = {{1, -1.0 / 8, -1.0 / 8, 1e-9},
                          {2, -1.0 / 10, -1.0 / 10, 1e-9},
                          {3, -3.0 / 28, -2.0 / 28, 1e-9},
                          {4, -4.0 / 38, -3.0 / 38, 1e-9}};
    const double q = 10;
    for (const Case& c : cases) {
        ProjectModel m = beamModel("BEAM");
        m.SuperPrestressTerm = c.n;
        m.JointConcreteLineLoad = q;
        const int count = 10 * (c.n + 1);
        evenGrid(m, count);
        ComputeBeamMomentsAndShears(m);
        const double l = L / (c.n + 1), ql2 = q * l * l;
        EXPECT_NEAR(m.BeamMomentChar(10, 1) / ql2, c.first, c.tolerance) << c.n << " shores";
        if (c.n >= 2) {
            EXPECT_NEAR(m.BeamMomentChar(20, 1) / ql2, c.second, c.tolerance) << c.n << " shores";
        }
        for (int i = 0; i <= count; ++i)
            EXPECT_NEAR(m.BeamMomentChar(i, 1), m.BeamMomentChar(count - i, 1), 1e-6 * ql2)
                << c.n << " shores, symmetry at point " << i;
    }
}

TEST(BeamActions, NoLoadsGiveZeroTablesWithoutFloatingPointErrors) {
    // The beam line loads are at position 0 with length 0 when none is
    // given; the point at x = 0 stands on them.
    ProjectModel m = beamModel();
    EXPECT_EQ(fpErrorOf([&] {
                  ComputeBeamMomentsAndShears(m);
                  return 0.0;
              }),
              0);
    for (int i = 0; i <= 50; ++i)
        for (int r = 1; r <= 6; ++r) {
            EXPECT_EQ(m.BeamMomentChar(i, r), 0);
            EXPECT_EQ(m.BeamMomentDesign(i, r), 0);
            EXPECT_EQ(m.BeamShearDesign(i, r), 0);
        }
}

TEST(BeamActions, DegenerateInputRaisesItsErrorNumber) {
    const auto run = [](const std::function<void(ProjectModel&)>& change) {
        ProjectModel m = beamModel();
        m.JointConcreteLineLoad = 5.0;
        change(m);
        return errorOf([&] { ComputeBeamMomentsAndShears(m); });
    };
    EXPECT_EQ(run([](ProjectModel&) {}), 0);
    EXPECT_EQ(run([](ProjectModel& m) { m.BeamSpan = 0.0; }), 11);
    EXPECT_EQ(run([](ProjectModel& m) { m.BeamSpan = -7200.0; }), 5);
    EXPECT_EQ(run([](ProjectModel& m) { m.BeamSpan = std::nan(""); }), 5);
    EXPECT_EQ(run([](ProjectModel& m) { m.BeamSpan = std::numeric_limits<double>::infinity(); }),
              6);
    EXPECT_EQ(run([](ProjectModel& m) { m.CalculationPointCount = 51; }), 9);
    EXPECT_EQ(run([](ProjectModel& m) { m.BeamPointLoadCount = 6; }), 9);
    EXPECT_EQ(run([](ProjectModel& m) {
                  m.SlabLineLoadCount(1) = 6;
                  m.SlabLineLoadCount(2) = 5;
              }),
              9);
    EXPECT_EQ(run([](ProjectModel& m) { m.SlabPointLoadCount(2) = std::nan(""); }), 6);
    EXPECT_EQ(run([](ProjectModel& m) {
                  m.BeamTypeName = "BESUPER";
                  m.SuperPrestressTerm = 5;
              }),
              9);
}

TEST(BeamMaxima, GoverningValuesAndTheirPoints) {
    ProjectModel m = beamModel();
    m.CalculationPointCount = 10;
    m.BeamMomentChar(7, 6) = 80e6;
    m.BeamMomentChar(9, 6) = 80e6;  // a tie keeps the first point
    m.BeamMomentDesign(3, 6) = -90e6;
    m.BeamMomentDesign(4, 6) = 20e6;
    m.BeamShearDesign(3, 0) = -50e3;  // rows 0 and 1 together
    m.BeamShearDesign(3, 1) = -30e3;
    m.BeamShearDesign(5, 1) = 70e3;
    m.BeamShearDesign(6, 2) = -40e3;
    m.BeamShearDesign(2, 5) = -33e3;
    m.BeamShearDesign(0, 6) = 120e3;
    m.BeamShearDesign(10, 6) = -120e3;
    m.BeamMomentChar(11, 6) = 1e9;  // beyond the last point
    FindBeamMaxima(m);
    EXPECT_EQ(m.MaxCharMoment, 80e6);
    EXPECT_EQ(m.MaxCharMomentStation, 7);
    EXPECT_EQ(m.MaxDesignMoment, 20e6);
    EXPECT_EQ(m.MaxDesignMomentStation, 4);
    EXPECT_EQ(m.MaxShearStage01, 80e3);
    EXPECT_EQ(m.MaxShearStage01Station, 3);
    EXPECT_EQ(m.MaxShearStage2, 40e3);
    EXPECT_EQ(m.MaxShearStage2Station, 6);
    EXPECT_EQ(m.MaxShearStage5, 33e3);
    EXPECT_EQ(m.MaxShearStage6, 120e3);
    EXPECT_EQ(m.MaxShearStage6Station, 0);

    // Moments negative everywhere: the characteristic maximum is the least
    // negative one, as it is (never a sagging 0), at its point; the design
    // maximum, whose check is of sagging only, stays 0 at point 0.
    for (int i = 0; i <= 10; ++i) {
        m.BeamMomentChar(i, 6) = -1e6 * std::abs(i - 4) - 2e6;
        m.BeamMomentDesign(i, 6) = -1e6 * (i + 1);
    }
    FindBeamMaxima(m);
    EXPECT_EQ(m.MaxCharMoment, -2e6);
    EXPECT_EQ(m.MaxCharMomentStation, 4);
    EXPECT_EQ(m.MaxDesignMoment, 0);
    EXPECT_EQ(m.MaxDesignMomentStation, 0);
}

TEST(BeamMaxima, PeaksBetweenTheStations) {
    // n stations (49: L/2 falls between two), G at aG, Q (kN), self weight q = 10 N/mm to the
    // peak search only, L = 7200, tolerance 1 Nmm:
    //   G = Q = 150 at L/2: Mk = 300e3 L/4 + q L^2/8 = 604.8e6, Md = 2.85 150e3 L/4 + 1.35 q L^2/8 = 856.98e6;
    //   G 100 at 2000: Mk = P a b / L + q a b / 2 = 196.444e6, Md = 1.35 Mk;
    //   + Q 60 at 5000: V = 0 at x = 2000 + 6555.6 / 10 = 2655.56, Mk = 126555.6 x - 100e3 (x - 2000)
    //     - 5 x^2 = 235.2599e6; design RA = 173600, x = 2000 + 11600 / 13.5 = 2859.26, Md = 325.1837e6;
    //   G 300 at L/2, (6.10a) 1.35 x K_FI 1.1 = 1.485 > 1.35: Md = 1.485 x 604.8e6 = 898.128e6.
    // The nearest stations give 235.2397e6 (x 2592), 325.1808e6 (x 2880); (6.10b) 816.48e6.
    const struct { int n; double G, aG, Q, Mk, Md, a = 0.0; } cases[] = {{49, 150, 3600, 150, 604.8e6, 856.98e6},
                 {50, 100, 2000, 0, 196444444.44, 265200000.0},
                 {50, 100, 2000, 60, 235259876.54, 325183703.70},
                 {49, 300, 3600, 0, 604.8e6, 898.128e6, 1.485}};
    for (const auto& c : cases) {
        ProjectModel m = beamModel();
        m.PermanentOnlyLoadFactorKfi = c.a;
        evenGrid(m, c.n);
        m.BeamPointLoadCount = 2;
        m.BeamPointLoad(1, 1) = c.G;
        m.BeamPointLoadX(1) = c.aG;
        m.BeamPointLoad(2, 2) = c.Q;
        m.BeamPointLoadX(2) = c.n == 49 ? 3600 : 5000;
        ComputeBeamMomentsAndShears(m);
        DesignBeamWithGoverningExpression(m);
        FindBeamMomentPeaks(m, 10, gG * 10);
        EXPECT_NEAR(m.MaxCharMoment, c.Mk, 1.0) << c.Q;
        EXPECT_NEAR(m.MaxDesignMoment, c.Md, 1.0) << c.Q;
        EXPECT_EQ(m.BeamMomentExpression, c.a > 0 ? 1 : 0) << c.Q;
    }
}
