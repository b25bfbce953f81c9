#include <gtest/gtest.h>

#include <cmath>

#include "library/beam_formulas.h"
#include "library/load_distribution.h"
#include "model/project_model.h"
#include "test_support.h"

using namespace quorvel::library;
using quorvel::model::ProjectModel;

namespace {

constexpr double L = 7200;  // beam span, mm

// A 7.2 m beam with stations every 200 mm, slabs 265 high under 50 mm of
// topping on the left field, slab span 7200 at both beam ends, the slab field
// ending at the beam ends; load factors 1.35 and 1.5.
ProjectModel beamWithSlabs(double slabSpan = 7200) {
    ProjectModel m;
    m.BeamSpan = L;
    m.CalculationPointCount = 36;
    for (int i = 0; i <= 36; ++i) m.CalculationPointX(i) = 200.0 * i;
    m.SlabSidePresent(1) = 1;
    m.BeamSpacing(1, 1) = m.BeamSpacing(1, 2) = slabSpan;
    m.SideToppingThickness(1) = 50;
    m.SlabHeight(1) = 265;
    m.SlabTopFlangeDesignThickness(1) = 40;
    m.SlabSupportLength(1) = 80;
    m.SlabBcr(1) = 132.5;
    m.PermanentLoadFactorKfi = 1.35;
    m.VariableLoadFactorKfi = 1.5;
    return m;
}

void addPointLoad(ProjectModel& m, int side, double G, double Q, double a, double y) {
    const int p = static_cast<int>(m.SlabPointLoadCount(side)) + 1;
    m.SlabPointLoadCount(side) = p;
    m.SlabPointLoadG(p, side) = G;
    m.SlabPointLoadQ(p, side) = Q;
    m.SlabPointLoadX(p, side) = a;
    m.SlabPointLoadY(p, side) = y;
}

void addLineLoad(ProjectModel& m, int side, double G, double Q, double y) {
    const int l = static_cast<int>(m.SlabLineLoadCount(side)) + 1;
    m.SlabLineLoadCount(side) = l;
    m.SlabLineLoadG(l, side) = G;
    m.SlabLineLoadQ(l, side) = Q;
    m.SlabLineLoadY(l, side) = y;
}

// The two support reactions (kN) that one segment of component c puts on the
// simply supported beam, summed: kN/m * mm / 1000.
template <typename Start, typename Intensity>
double reactions(const Start& start, const Start& length, const Intensity& q, int j, int c) {
    const double a = start(j), w = length(j), load = q(j, c);
    const double left = ComputeUniformPatchShear(load, a, w, 0, L);
    const double right = -ComputeUniformPatchShear(load, a, w, L, L);
    return (left + right) / 1000;
}

double pointReactions(const ProjectModel& m, int j, int c = 1) {
    return reactions(m.PointLoadSegmentStart, m.PointLoadSegmentLength,
                     m.PointLoadSegmentIntensity, j, c);
}

double lineReactions(const ProjectModel& m, int j, int c = 1) {
    return reactions(m.LineLoadSegmentStart, m.LineLoadSegmentLength, m.LineLoadSegmentIntensity,
                     j, c);
}

}  // namespace

// --- Unit shares -------------------------------------------------------------------

TEST(UnitShares, PointLoadAtMidspan) {
    // Ls = 7.2 m, a = 3.6 m (a' = a, Ls / a' = 2, so shares = D):
    //   D1 = 0.2 + 0.2798 exp(-0.23116 * 7.2)                 = 0.252964
    //   D2 = 0.2 + 0.2468 exp(-0.2785 * 7.2) - 0.1397 exp(-1.664352) = 0.206784
    //   D3 = 0.2 - 0.2468 exp(-2.0052)                          = 0.166772
    //   s1 = 1.25 D1 = 0.316205
    //   s2 = D2 (1 - s1) / (1 - D1) = 0.206784 * 0.683795 / 0.747036 = 0.189278
    //   s3 = D3 * 0.915342 = 0.152655
    UnitShareArray s;
    ComputePointLoadShares(7.2, 3.6, 1.25, s);
    EXPECT_NEAR(s(1), 0.31621, 5e-6);
    EXPECT_NEAR(s(2), 0.18927, 1e-5);
    EXPECT_NEAR(s(3), 0.15265, 1e-5);
}

TEST(UnitShares, PointLoadSharesAddUpAndFollowTheSpan) {
    // At midspan the five units carry the load: s1 + 2 s2 + 2 s3 = f D1 +
    // (1 - f D1)(2 D2 + 2 D3)/(1 - D1), and D1 + 2 D2 + 2 D3 lies within
    // 0.0004 of 1, so the sum is 1 within 0.001.
    double previous = 1;
    for (double Ls : {4.0, 6.0, 8.0, 10.0, 14.0}) {
        UnitShareArray s;
        ComputePointLoadShares(Ls, Ls / 2, 1.25, s);
        EXPECT_NEAR(s(1) + 2 * s(2) + 2 * s(3), 1.0, 1e-3) << Ls;
        EXPECT_LE(s(3), s(2));
        EXPECT_LT(s(1), previous) << "a longer span spreads the load wider";
        previous = s(1);
        // At 0.8 Ls shared as at 0.2 Ls (its distance to the nearer support), adding up to the load.
        UnitShareArray near, far;
        ComputePointLoadShares(Ls, 0.2 * Ls, 1.25, near);
        ComputePointLoadShares(Ls, 0.8 * Ls, 1.25, far);
        for (int u = 1; u <= 3; ++u) EXPECT_NEAR(far(u), near(u), 1e-12) << Ls;
        EXPECT_NEAR(near(1) + 2 * near(2) + 2 * near(3), 1.0, 1e-3) << Ls;
    }
}

TEST(UnitShares, PointLoadAtTheSupportStaysOnItsUnit) {
    // a <= Ls/20: the table part vanishes and s1 = (20 - 2) / 18 = 1.
    for (double a : {0.0, 0.2, 0.36}) {
        UnitShareArray s;
        ComputePointLoadShares(7.2, a, 1.25, s);
        EXPECT_NEAR(s(1), 1.0, 1e-12) << a;
        EXPECT_EQ(s(2), 0) << a;
        EXPECT_EQ(s(3), 0) << a;
    }
    UnitShareArray s;
    EXPECT_EQ(errorOf([&] { ComputePointLoadShares(0, 0, 1.25, s); }), 11);
}

TEST(UnitShares, LineLoadAtTableSpans) {
    // From the span table (the curves pass through the 4 m and 10 m values):
    //   4 m:  s1 = 1.25 * 0.284 = 0.355; outer units scaled by
    //         (1 - 0.355) / (1 - 0.284): 0.216 -> 0.194581, 0.142 -> 0.127919
    //   10 m: s1 = 1.25 * 0.232 = 0.29; factor 0.71 / 0.768:
    //         0.218 -> 0.201536, 0.166 -> 0.153464
    // Both add up to s1 + 2 s2 + 2 s3 = 1 since the table rows do (with the
    // loaded unit at its table share).
    struct Case {
        double Ls, s1, s2, s3;
    };
    for (const Case& c : {Case{4, 0.355, 0.194581, 0.127919}, Case{10, 0.29, 0.201536, 0.153464}}) {
        UnitShareArray s;
        ComputeLineLoadShares(c.Ls, s);
        EXPECT_NEAR(s(1), c.s1, 1e-4) << c.Ls;
        EXPECT_NEAR(s(2), c.s2, 1e-4) << c.Ls;
        EXPECT_NEAR(s(3), c.s3, 1e-4) << c.Ls;
        EXPECT_NEAR(s(1) + 2 * s(2) + 2 * s(3), 1.0, 1e-4) << c.Ls;
    }
}

// --- Point loads on a slab field ----------------------------------------------

TEST(SlabPointLoads, MidBeamLoadReachesTheBeamByTheLeverRule) {
    // G = 10, Q = 20 kN, 2000 mm from the beam on a 7200 span, at midbeam.
    // The beam takes (7200 - 2000) / 7200 = 0.72222 of it: 7.2222 and
    // 14.4444 kN. Spread: h = 50 + 50 + 132.5 + 0.5 * 2000 * 0.72222 =
    // 954.72 on each side, S = 1909.44 mm.
    ProjectModel m = beamWithSlabs();
    addPointLoad(m, 1, 10, 20, 2000, 3600);
    DistributeSlabPointLoads(m);
    const double share = 1 - 2000.0 / 7200;
    EXPECT_NEAR(m.PointLoadSpreadLength(1, 1), 1909.44, 0.01);
    EXPECT_NEAR(m.PointLoadSegmentStart(1), 3600 - 954.72, 0.01);
    EXPECT_NEAR(pointReactions(m, 1, 1), share * 10, 1e-9);
    EXPECT_NEAR(pointReactions(m, 1, 2), share * 20, 1e-9);
    EXPECT_NEAR(m.PointLoadSegmentIntensity(1, 3),
                1.35 * m.PointLoadSegmentIntensity(1, 1) + 1.5 * m.PointLoadSegmentIntensity(1, 2),
                1e-12);
}

TEST(SlabPointLoads, ThinSlabSpreadsOverOneUnit) {
    // a = 300: h = 232.5 + 150 * (1 - 300/7200) = 376.25 < 600, so S = 1200.
    ProjectModel m = beamWithSlabs();
    addPointLoad(m, 1, 12, 0, 300, 3600);
    DistributeSlabPointLoads(m);
    EXPECT_NEAR(m.PointLoadSpreadLength(1, 1), 1200, 1e-9);
    EXPECT_NEAR(m.PointLoadSegmentIntensity(1, 1), (1 - 300.0 / 7200) * 12 / 1.2, 1e-9);
}

TEST(SlabPointLoads, NearAFieldEdgeTheBeamReceivesTheWholeShare) {
    // 100 mm from the beam start with the field ending there: the spread is
    // cut to 100 before the load and keeps 600 after it, S = 700, and the
    // segment [0, 700] carries the whole (1 - 300/7200) G.
    ProjectModel m = beamWithSlabs();
    addPointLoad(m, 1, 12, 6, 300, 100);
    addPointLoad(m, 1, 12, 6, 300, L - 50);  // the same at the beam end
    addPointLoad(m, 1, 12, 6, 300, L / 2);   // and in the middle
    DistributeSlabPointLoads(m);
    const double share = 1 - 300.0 / 7200;
    EXPECT_NEAR(m.PointLoadSpreadLength(1, 1), 700, 1e-9);
    EXPECT_EQ(m.PointLoadSegmentStart(1), 0);
    EXPECT_NEAR(m.PointLoadSegmentLength(1), 700, 1e-9);
    EXPECT_NEAR(m.PointLoadSegmentStart(2) + m.PointLoadSegmentLength(2), L, 1e-9);
    for (int j = 1; j <= 3; ++j) {
        EXPECT_NEAR(pointReactions(m, j, 1), share * 12, 1e-9) << j;
        EXPECT_NEAR(pointReactions(m, j, 2), share * 6, 1e-9) << j;
    }
}

TEST(SlabPointLoads, AtAFieldEdgeTheUnitsThereCarryTheWholeLoad) {
    // y = 100, the field's edge at 0: the units at -1200, -2400 are beyond it, the three left carry
    // the load. Point load at midspan: 0.316205 / (0.316205 + 0.189278 + 0.152655) = 0.480454 of
    // P a b / Ls per 1.2 m; line load, 10 m span: 0.29 / (0.29 + 0.201536 + 0.153464) = 0.449612 of q Ls^2 / 8.
    ProjectModel m = beamWithSlabs();
    addPointLoad(m, 1, 10, 20, 3600, 100);
    DistributeSlabPointLoads(m);
    EXPECT_NEAR(m.PointLoadSlabMomentK(1, 0), 0.480454 * 30 * 1.5e6, 1e-4 * 30 * 1.5e6);
    m = beamWithSlabs(10000);
    addLineLoad(m, 1, 2, 3, 100);
    DistributeSlabLineLoads(m);
    EXPECT_NEAR(m.LineLoadSlabMomentK(1, 0), 0.449612 * 5 * 0.125e8 / 1.2, 1e-4 * 5 * 0.125e8 / 1.2);
}

TEST(SlabPointLoads, FieldBeyondTheBeamEndKeepsItsPart) {
    // The field runs on 300 mm before the beam start: the spread is cut to
    // 400 before the load (y + E1), so the segment [-300, 700] of S = 1000
    // gives the beam the 700 of it that lie on the beam.
    ProjectModel m = beamWithSlabs();
    m.SlabFieldEdgeDistance1 = 300;
    addPointLoad(m, 1, 12, 0, 300, 100);
    DistributeSlabPointLoads(m);
    EXPECT_NEAR(m.PointLoadSpreadLength(1, 1), 1000, 1e-9);
    EXPECT_NEAR(pointReactions(m, 1), 0.7 * (1 - 300.0 / 7200) * 12, 1e-9);
}

TEST(SlabPointLoads, RowOfLoadsParallelToTheBeam) {
    // A line load of 1 kN/m parallel to the beam, 2000 mm out on the slab,
    // as five 1.44 kN loads 1440 apart over the 7.2 m: the beam takes
    // (7200 - 2000) / 7200 of the 7.2 kN, also from the two loads 720 from
    // the beam ends, whose spread is cut at the field edges.
    ProjectModel m = beamWithSlabs();
    for (int p = 0; p < 5; ++p) addPointLoad(m, 1, 1.44, 0, 2000, 720 + 1440 * p);
    DistributeSlabPointLoads(m);
    double total = 0;
    for (int j = 1; j <= 5; ++j) total += pointReactions(m, j);
    EXPECT_NEAR(total, 7.2 * (1 - 2000.0 / 7200), 1e-9);
}

TEST(SlabPointLoads, SegmentsNumberSideOneFirst) {
    ProjectModel m = beamWithSlabs();
    m.SlabSidePresent(2) = 1;
    m.BeamSpacing(2, 1) = m.BeamSpacing(2, 2) = 7200;
    addPointLoad(m, 2, 5, 0, 1000, 2000);
    DistributeSlabPointLoads(m);
    EXPECT_NEAR(pointReactions(m, 1), 5 * (1 - 1000.0 / 7200), 1e-9);  // side 2 only: segment 1
    addPointLoad(m, 1, 7, 0, 1000, 5000);
    DistributeSlabPointLoads(m);
    EXPECT_NEAR(pointReactions(m, 1), 7 * (1 - 1000.0 / 7200), 1e-9);
    EXPECT_NEAR(pointReactions(m, 2), 5 * (1 - 1000.0 / 7200), 1e-9);
}

TEST(SlabPointLoads, SlabMomentsAndShearsPerStation) {
    // G = 10, Q = 20 at midspan of the slab (a = 3600, Ls = 7200), at
    // y = 3600. The slab moment under a point load is P Ls / 4 = P (1 -
    // a/Ls) a; per metre of a 1.2 m unit, times the unit's share (see
    // UnitShares.PointLoadAtMidspan): station 18 (under the load) unit 1,
    // station 12 (1200 away) unit 2, station 3 (3000 away) unit 3, station 2
    // (3200 away) none.
    ProjectModel m = beamWithSlabs();
    addPointLoad(m, 1, 10, 20, 3600, 3600);
    DistributeSlabPointLoads(m);
    const double perUnit = 0.5 * 3600 / 1.2 * 1000;
    EXPECT_NEAR(m.PointLoadSlabMomentK(1, 18), 0.316205 * 30 * perUnit, 0.0001 * 30 * perUnit);
    EXPECT_NEAR(m.PointLoadSlabMomentD(1, 18), 0.316205 * 43.5 * perUnit, 0.0001 * 43.5 * perUnit);
    EXPECT_NEAR(m.PointLoadSlabMomentK(1, 12), 0.189278 * 30 * perUnit, 0.0001 * 30 * perUnit);
    EXPECT_NEAR(m.PointLoadSlabMomentK(1, 3), 0.152655 * 30 * perUnit, 0.0001 * 30 * perUnit);
    EXPECT_EQ(m.PointLoadSlabMomentK(1, 2), 0);
    EXPECT_EQ(m.PointLoadSlabMomentK(2, 18), 0);  // the other side
    // The slab support shear along the spread is the design intensity.
    const double S = m.PointLoadSpreadLength(1, 1);
    EXPECT_NEAR(m.PointLoadSlabShear(1, 18), 0.5 * 43.5 / S * 1000, 1e-9);
    EXPECT_EQ(m.PointLoadSlabShear(1, 0), 0);
    // The permanent load's own part, for expression (6.10a): G = 10 alone.
    EXPECT_NEAR(m.PointLoadSlabMomentG(1, 18), 0.316205 * 10 * perUnit, 0.0001 * 10 * perUnit);
    EXPECT_NEAR(m.PointLoadSlabShearG(1, 18), 0.5 * 10 / S * 1000, 1e-9);
}

TEST(SlabPointLoads, NoShareWithoutSlabsOrSpan) {
    // Loads on the empty right side, on a left span that is 0 at the beam
    // start, and outside the field: empty segments, no slab moments and no
    // floating-point fault; segments still numbered side 1 first.
    ProjectModel m = beamWithSlabs();
    m.BeamSpacing(1, 1) = 0;
    addPointLoad(m, 1, 10, 10, 0, 0);     // span 0 here
    addPointLoad(m, 1, 10, 10, 500, -50); // before the field
    addPointLoad(m, 1, 10, 10, 500, 3600);
    addPointLoad(m, 2, 10, 10, 500, 3600);  // no slabs on side 2
    quorvel::runtime::clearFloatingPointFlags();
    DistributeSlabPointLoads(m);
    EXPECT_EQ(errorOf([] { quorvel::runtime::checkFloatingPoint(); }), 0);
    for (int j : {1, 2, 4}) {
        EXPECT_EQ(pointReactions(m, j), 0) << j;
        EXPECT_EQ(m.PointLoadSegmentLength(j), 0) << j;
        // The beam's moments take each segment as a patch load: an empty one
        // adds nothing, also at a station where it starts.
        const double a = m.PointLoadSegmentStart(j), q = m.PointLoadSegmentIntensity(j, 1);
        for (double x : {0.0, a, L}) {
            EXPECT_EQ(ComputeTrapezoidPatchMoment(q, q, a, 0, x, L), 0) << j;
            EXPECT_EQ(ComputeTrapezoidPatchShear(q, q, a, 0, x, L), 0) << j;
        }
    }
    EXPECT_GT(pointReactions(m, 3), 0);
    for (int i = 0; i <= 36; ++i) EXPECT_EQ(m.PointLoadSlabMomentK(2, i), 0) << i;
}

TEST(SlabPointLoads, LoadBeyondTheNextSupportIsNotThisBeams) {
    // 8000 out on a 7200 span stands past the next beam: it reaches this
    // beam with nothing; a negative distance counts as on this support.
    ProjectModel m = beamWithSlabs();
    addPointLoad(m, 1, 10, 0, 8000, 3600);
    addPointLoad(m, 1, 10, 0, -100, 3600);
    DistributeSlabPointLoads(m);
    EXPECT_NEAR(pointReactions(m, 1), 0, 1e-12);
    EXPECT_NEAR(pointReactions(m, 2), 10, 1e-9);
    for (int i = 0; i <= 36; ++i) EXPECT_EQ(m.PointLoadSlabMomentK(1, i), 0) << i;
}

TEST(SlabPointLoads, DegenerateInput) {
    ProjectModel m = beamWithSlabs();
    m.SlabPointLoadCount(1) = 6;  // more loads than the model holds
    EXPECT_EQ(errorOf([&] { DistributeSlabPointLoads(m); }), 9);
    m = beamWithSlabs();
    m.CalculationPointCount = 51;
    EXPECT_EQ(errorOf([&] { DistributeSlabPointLoads(m); }), 9);
    m = beamWithSlabs();
    m.BeamSpan = 0;
    addPointLoad(m, 1, 10, 0, 500, 0);
    EXPECT_EQ(errorOf([&] { DistributeSlabPointLoads(m); }), 11);
}

// --- Line loads across a slab field -----------------------------------------------

TEST(SlabLineLoads, HalfOfALoadAcrossTheSpanReachesTheBeam) {
    // 2 + 3 kN/m across the 7200 span: each end support of the slab takes
    // half, 7.2 and 10.8 kN. Spread width B = max(2 (50 + 40) + 0.106 * 7200
    // + 750, 1200) = 1693.2 mm in the middle; at 100 mm from the beam start
    // (field edge there) it is cut to 100 + 846.6 and still holds it all.
    ProjectModel m = beamWithSlabs();
    addLineLoad(m, 1, 2, 3, L / 2);
    addLineLoad(m, 1, 2, 3, 100);
    DistributeSlabLineLoads(m);
    EXPECT_NEAR(m.LineLoadSegmentLength(1), 1693.2, 1e-9);
    EXPECT_NEAR(m.LineLoadSegmentStart(1), L / 2 - 846.6, 1e-9);
    EXPECT_EQ(m.LineLoadSegmentStart(2), 0);
    EXPECT_NEAR(m.LineLoadSegmentLength(2), 946.6, 1e-9);
    for (int j = 1; j <= 2; ++j) {
        EXPECT_NEAR(lineReactions(m, j, 1), 7.2, 1e-9) << j;
        EXPECT_NEAR(lineReactions(m, j, 2), 10.8, 1e-9) << j;
        EXPECT_NEAR(lineReactions(m, j, 3), 1.35 * 7.2 + 1.5 * 10.8, 1e-9) << j;
    }
}

TEST(SlabLineLoads, SlabMomentsAndShearsPerStation) {
    // A 10 m slab span (shares 0.29, 0.201536, 0.153464 from the table):
    // the slab moment of a line load q across the span is q Ls^2 / 8, per
    // metre of a 1.2 m unit, times the unit's share.
    ProjectModel m = beamWithSlabs(10000);
    addLineLoad(m, 1, 2, 3, L / 2);
    DistributeSlabLineLoads(m);
    const double perUnit = 0.125 * 10000.0 * 10000.0 / 1.2;
    EXPECT_NEAR(m.LineLoadSlabMomentK(1, 18), 0.29 * 5 * perUnit, 1e-4 * 5 * perUnit);
    EXPECT_NEAR(m.LineLoadSlabMomentD(1, 18), 0.29 * 7.2 * perUnit, 1e-4 * 7.2 * perUnit);
    EXPECT_NEAR(m.LineLoadSlabMomentK(1, 12), 0.201536 * 5 * perUnit, 1e-4 * 5 * perUnit);
    EXPECT_EQ(m.LineLoadSlabMomentK(1, 2), 0);
    // Support shear under the spread: design intensity times the share of
    // the span beyond the support and shear section (10000 - 80 - 132.5).
    const double q3 = m.LineLoadSegmentIntensity(1, 3);
    EXPECT_NEAR(q3, (1.35 * 2 + 1.5 * 3) * 5000 / m.LineLoadSegmentLength(1), 1e-9);
    EXPECT_NEAR(m.LineLoadSlabShear(1, 18), q3 * 9787.5 / 10000.001, 1e-9);
    EXPECT_EQ(m.LineLoadSlabShear(1, 0), 0);
    // The permanent load's own part, for expression (6.10a): g = 2 alone.
    EXPECT_NEAR(m.LineLoadSlabMomentG(1, 18), 0.29 * 2 * perUnit, 1e-4 * 2 * perUnit);
    EXPECT_NEAR(m.LineLoadSlabShearG(1, 18), 2 * 5000 / m.LineLoadSegmentLength(1) * 9787.5 / 10000.001, 1e-9);
}

TEST(SlabLineLoads, NoShareWithoutSlabsOrSpan) {
    ProjectModel m = beamWithSlabs();
    addLineLoad(m, 2, 2, 3, L / 2);  // right side has no slabs
    m.BeamSpacing(1, 1) = 0;
    addLineLoad(m, 1, 2, 3, 0);  // left span 0 at the beam start
    quorvel::runtime::clearFloatingPointFlags();
    DistributeSlabLineLoads(m);
    EXPECT_EQ(errorOf([] { quorvel::runtime::checkFloatingPoint(); }), 0);
    EXPECT_EQ(lineReactions(m, 1), 0);
    EXPECT_EQ(lineReactions(m, 2), 0);
    for (int i = 0; i <= 36; ++i) {
        EXPECT_EQ(m.LineLoadSlabMomentK(1, i), 0) << i;
        EXPECT_EQ(m.LineLoadSlabMomentK(2, i), 0) << i;
    }
}

TEST(SlabLineLoads, TablesAreClearedOnEveryRun) {
    ProjectModel m = beamWithSlabs();
    addLineLoad(m, 1, 2, 3, L / 2);
    DistributeSlabLineLoads(m);
    const double once = m.LineLoadSlabMomentK(1, 18);
    DistributeSlabLineLoads(m);
    EXPECT_EQ(m.LineLoadSlabMomentK(1, 18), once);
    EXPECT_GT(once, 0);
}
