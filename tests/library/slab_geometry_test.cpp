#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <utility>

#include "library/slab_geometry.h"
#include "model/project_model.h"
#include "runtime/errors.h"
#include "test_support.h"

using namespace quorvel::library;
using quorvel::model::PointArray;
using quorvel::model::ProjectModel;
using quorvel::model::SideArray;
using quorvel::model::SideEndArray;
using quorvel::model::SideIntArray;
using quorvel::model::SidePointArray;
using quorvel::model::ZeroPointArray;
using quorvel::runtime::Value;

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// ---------------------------------------------------------------------------
// Effective support length

// Both sides: bearing 400, catalogue limit 300, grout 30, unit width 1200,
// slab concrete Ecm 35000 and I = 1.0e9 mm4, seat plate 20 thick.
ProjectModel seatModel(const char* type) {
    ProjectModel m;
    m.BeamTypeName = type;
    m.SteelModulus = 210000.0;
    m.ConcreteEcm(1) = 35000.0;
    for (int side = 1; side <= 2; ++side) {
        m.SlabSupportLength(side) = 400.0;
        m.SlabSupportLengthLimit(side) = 300.0;
        m.JointGroutWidth(side) = 30.0;
        m.SlabWorkingWidth(side) = 1200.0;
        m.ConcreteEcm(side + 3) = 35000.0;
        m.SlabMomentOfInertia(side) = 1.0e9;
    }
    m.LeftLedgeHeight = 20.0;
    m.RightLedgeHeight = 20.0;
    m.LeftLedgeWidth = 200.0;
    m.RightLedgeWidth = 200.0;
    m.BeamSpacing(1, 1) = 8000.0;
    m.BeamSpacing(1, 2) = 8400.0;
    m.BeamSpacing(2, 1) = 6000.0;
    m.BeamSpacing(2, 2) = 6000.0;
    return m;
}

TEST(EffectiveSupportLength, SteelSeatFollowsTheSlabEndOverTheReachOfItsStiffness) {
    // HQ: steel seat. D = Es b t^3 / 12 = 210000 * 1200 * 20^3 / 12 = 1.68e11 Nmm;
    // EIs = 0.75 * 35000 * 1.0e9 = 2.625e13 Nmm2; D / (18 EIs) = 1.68e11 / 4.725e14
    // = 3.5556e-4, root 0.0188562.
    // Left: L = (8000 + 8400) / 2 = 8200, a = 8200 * 0.0188562 = 154.621 (< 200),
    //       2 (154.621 - 30) = 249.24 (< limit 300 < bearing 400).
    // Right: L = 6000, a = 113.137, 2 (113.137 - 30) = 166.27.
    ProjectModel m = seatModel("HQ");
    ComputeEffectiveSupportLength(m);
    EXPECT_NEAR(m.EffectiveSupportLength(1), 249.24, 0.01);
    EXPECT_NEAR(m.EffectiveSupportLength(2), 166.27, 0.01);

    // A very stiff seat reaches past its projection: a = 200, 2 (200 - 30) = 340,
    // cut to the catalogue limit 300; a bearing of 250 cuts it to 250.
    m.LeftLedgeHeight = 200.0;
    m.SlabSupportLength(2) = 250.0;
    m.RightLedgeHeight = 200.0;
    ComputeEffectiveSupportLength(m);
    EXPECT_DOUBLE_EQ(m.EffectiveSupportLength(1), 300.0);
    EXPECT_DOUBLE_EQ(m.EffectiveSupportLength(2), 250.0);

    // A seat narrower than the joint grout carries nothing.
    m.LeftLedgeWidth = 25.0;
    ComputeEffectiveSupportLength(m);
    EXPECT_DOUBLE_EQ(m.EffectiveSupportLength(1), 0.0);
}

TEST(EffectiveSupportLength, ConcreteLedgeTakesTheLedgeDepthAndTheBeamConcrete) {
    // JALO: ledge 100 thick, Es = Ecm(1) = 35000:
    // D = 35000 * 1200 * 1e6 / 12 = 3.5e12; D / (18 EIs) = 3.5e12 / 4.725e14 = 7.407e-3,
    // root 0.086066; left a = min(8200 * 0.086066 = 705.7, depth 150) = 150;
    // 2 (150 - 30) = 240. The ledge width (500) would give the limit 300.
    ProjectModel m = seatModel("JALO");
    m.LeftLedgeHeight = 100.0;
    m.LeftLedgeDepth = 150.0;
    m.LeftLedgeWidth = 500.0;
    ComputeEffectiveSupportLength(m);
    EXPECT_NEAR(m.EffectiveSupportLength(1), 240.0, 1e-9);

    // With a softer ledge the modulus shows: Ecm(1) = 3500 gives root 0.027217,
    // a = 8200 * 0.027217 = 223.18 -> 150 still; ledge 30 thick instead:
    // D = 3500 * 1200 * 27000 / 12 = 9.45e9, / 4.725e14 = 2.0e-5, root 4.4721e-3,
    // a = 36.67, 2 (36.67 - 30) = 13.35. (The steel modulus would give
    // D / (18 EIs) = 1.2e-3, a = 8200 * 0.034641 = 284 -> 150 and 240.)
    m.ConcreteEcm(1) = 3500.0;
    m.LeftLedgeHeight = 30.0;
    ComputeEffectiveSupportLength(m);
    EXPECT_NEAR(m.EffectiveSupportLength(1), 13.35, 0.01);
}

TEST(EffectiveSupportLength, FamiliesWithAFixedRule) {
    // SU and BI: the nominal bearing, whatever the seat.
    for (const char* type : {"SUORA", "BI"}) {
        ProjectModel m = seatModel(type);
        m.SlabMomentOfInertia(1) = 0.0;  // not used
        ComputeEffectiveSupportLength(m);
        EXPECT_DOUBLE_EQ(m.EffectiveSupportLength(1), 400.0) << type;
    }
    // DE: flanges 300 and 300.5 are one width, so bearing 80 loses half the
    // seat thickness 20: 70; with 300 and 320 it stays 80.
    ProjectModel m = seatModel("DELTA");
    m.SlabSupportLength(1) = 80.0;
    m.TopFlangeWidth = 300.0;
    m.BottomFlangeWidth = 300.5;
    ComputeEffectiveSupportLength(m);
    EXPECT_DOUBLE_EQ(m.EffectiveSupportLength(1), 70.0);
    m.BottomFlangeWidth = 320.0;
    ComputeEffectiveSupportLength(m);
    EXPECT_DOUBLE_EQ(m.EffectiveSupportLength(1), 80.0);
}

TEST(EffectiveSupportLength, ZeroSlabStiffnessIsDivisionByZero) {
    ProjectModel m = seatModel("HQ");
    m.SlabMomentOfInertia(2) = 0.0;
    EXPECT_EQ(errorOf([&] { ComputeEffectiveSupportLength(m); }), 11);
    m = seatModel("HQ");
    m.ConcreteEcm(4) = -35000.0;
    EXPECT_EQ(errorOf([&] { ComputeEffectiveSupportLength(m); }), 5);
    m = seatModel("HQ");
    m.BeamSpacing(1, 1) = NaN;
    EXPECT_EQ(errorOf([&] { ComputeEffectiveSupportLength(m); }), 5);
}

// ---------------------------------------------------------------------------
// Core-filling zones

// n = 10 points 1000 apart on a 10000 beam; the listed points of side 1 are
// flagged.
struct ZoneCase {
    ProjectModel m;
    SidePointArray flags;
    SideEndArray limits;
    explicit ZoneCase(std::initializer_list<int> flagged) {
        m.BeamSpan = 10000.0;
        m.CalculationPointCount = 10;
        for (int i = 0; i <= 10; ++i) m.CalculationPointX(i) = 1000.0 * i;
        for (int i : flagged) flags(1, i) = 1;
        FindCoreFillingZones(m, flags, limits);
    }
};

// The end factor's p = u^2 / (4 d), u = max(2 d - a, 0), by hand for a
// P27 slab (d = 265 - 45 = 220): a = 112.5 gives 327.5^2 / 880 = 121.8821;
// from a = 2 d on the check lies beyond the support's reach (without the
// bound a = 450 would give 100 / 880). d = 0 raises 11.
TEST(EndZoneReach, TheSupportsReachEndsAtTwiceTheDepth) {
    const struct { double a, p; } rows[] = {{112.5, 107256.25 / 880}, {440, 0}, {450, 0}};
    for (const auto& row : rows) EXPECT_NEAR(EndZoneReach(220, row.a), row.p, 1e-9) << row.a;
    EXPECT_EQ(errorOf([] { EndZoneReach(0, 100); }), 11);
}

TEST(CoreFillingZones, EachZoneReachesOnePointBeyondTheLastFlaggedPoint) {
    ZoneCase none({});
    EXPECT_DOUBLE_EQ(none.limits(1, 1), 0.0);
    EXPECT_DOUBLE_EQ(none.limits(1, 2), 0.0);

    ZoneCase start({0, 1, 2, 3});  // to X(4)
    EXPECT_DOUBLE_EQ(start.limits(1, 1), 4000.0);
    EXPECT_DOUBLE_EQ(start.limits(1, 2), 0.0);

    ZoneCase far({8, 9, 10});  // back to X(7): 10000 - 7000
    EXPECT_DOUBLE_EQ(far.limits(1, 1), 0.0);
    EXPECT_DOUBLE_EQ(far.limits(1, 2), 3000.0);

    ZoneCase both({0, 1, 9, 10});  // symmetric flags give equal zones
    EXPECT_DOUBLE_EQ(both.limits(1, 1), 2000.0);
    EXPECT_DOUBLE_EQ(both.limits(1, 2), 2000.0);

    // Every point flagged: both zones the whole span.
    ZoneCase all({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    EXPECT_DOUBLE_EQ(all.limits(1, 1), 10000.0);
    EXPECT_DOUBLE_EQ(all.limits(1, 2), 10000.0);

    // A flagged inner point joins the zone of its half, one at midspan (X(5)) both: mirror flags,
    // mirror zones. {0, 1, 4, 9, 10}: X(5) / back to X(8); {0, 1, 6, 9, 10}: X(2) / X(5); {0, 1, 5, 9, 10}: X(6) / X(4).
    const struct { int inner; double start, end; } rows[] = {{4, 5000, 2000}, {6, 2000, 5000}, {5, 6000, 6000}};
    for (const auto& r : rows) {
        ZoneCase z({0, 1, r.inner, 9, 10});
        EXPECT_DOUBLE_EQ(z.limits(1, 1), r.start) << r.inner;
        EXPECT_DOUBLE_EQ(z.limits(1, 2), r.end) << r.inner;
    }

    ZoneCase lastButOne({9});  // point 10 free: back to X(8)
    EXPECT_DOUBLE_EQ(lastButOne.limits(1, 2), 2000.0);

    // Side 2 carries no flags in any case, and element side + 3 * point
    // addresses the same table.
    EXPECT_DOUBLE_EQ(start.limits(2, 1), 0.0);
    EXPECT_DOUBLE_EQ(start.limits(2, 2), 0.0);
    EXPECT_EQ(start.flags[1 + 3 * 2], 1);
}

TEST(CoreFillingZones, AGridWithoutIntervalsIsASubscriptError) {
    ProjectModel m;
    m.BeamSpan = 10000.0;
    SidePointArray flags;
    SideEndArray limits;
    EXPECT_EQ(errorOf([&] { FindCoreFillingZones(m, flags, limits); }), 9);
}

// ---------------------------------------------------------------------------
// Zero points of the design moment

struct ZeroCase {
    ProjectModel m;
    PointArray X, M;
    ZeroPointArray zero;
    Value span;
    int16_t n;
    ZeroCase(double L, int points, const std::function<double(double)>& moment) : n(int16_t(points)) {
        m.BeamSpan = L;
        for (int i = 0; i <= points; ++i) {
            X(i) = L * i / points;
            M(i) = moment(X(i));
        }
    }
    void run() { FindZeroMomentPoints(m, X, M, n, zero, span); }
    int error() { return errorOf([&] { run(); }); }
};

// Uniform load q = 10 N/mm on L = 10000 with end moments -M0 at both ends:
// M(x) = q x (L - x) / 2 - M0.
std::function<double(double)> hoggedUniform(double M0) {
    return [M0](double x) { return 10.0 * x * (10000.0 - x) / 2.0 - M0; };
}

TEST(ZeroMomentPoints, SimplySupportedBeamSpansBetweenItsSupports) {
    ZeroCase c(10000, 50, hoggedUniform(0));
    c.run();
    EXPECT_DOUBLE_EQ(c.zero(1), 0.0);
    EXPECT_DOUBLE_EQ(c.zero(2), 10000.0);
    EXPECT_DOUBLE_EQ(c.span, 10000.0);
}

TEST(ZeroMomentPoints, EqualEndMomentsGiveTheRootsOfTheParabola) {
    // M0 = q * 2100 * 7900 / 2 = 82.95e6 Nmm puts the roots of
    // 5 x (10000 - x) = M0 at x = 5000 -+ sqrt(5000^2 - 2 M0 / q)
    // = 5000 -+ sqrt(25e6 - 16.59e6) = 5000 -+ 2900: 2100 and 7900.
    // The points are 200 apart; the chord between M(2000) = 80e6 - 82.95e6
    // = -2.95e6 and M(2200) = 85.8e6 - 82.95e6 = 2.85e6 meets 0 at
    // 2000 + 200 * 2.95 / 5.80 = 2101.724; by symmetry the second at 7898.276.
    // The chord stays within h^2 q / 8 / |M'| = 200^2 * 10 / 8 / 29000 = 1.72 mm
    // of the root (M' = q (L - 2x) / 2 = 29000 N at the root).
    ZeroCase c(10000, 50, hoggedUniform(82.95e6));
    c.run();
    EXPECT_NEAR(c.zero(1), 2101.724, 0.001);
    EXPECT_NEAR(c.zero(2), 7898.276, 0.001);
    EXPECT_NEAR(c.zero(1), 2100.0, 1.73);
    EXPECT_NEAR(c.zero(2), 7900.0, 1.73);
    EXPECT_NEAR(c.span, 5796.552, 0.002);
}

TEST(ZeroMomentPoints, AMomentOfExactlyZeroAtAPointCountsOnce) {
    // M0 = q * 2000 * 8000 / 2 = 80e6: the roots 2000 and 8000 fall on
    // points 10 and 40, where the moment is exactly 0.
    ZeroCase c(10000, 50, hoggedUniform(80e6));
    ASSERT_EQ(c.M(10), 0.0);
    ASSERT_EQ(c.M(40), 0.0);
    c.run();
    EXPECT_DOUBLE_EQ(c.zero(1), 2000.0);
    EXPECT_DOUBLE_EQ(c.zero(2), 8000.0);
    EXPECT_DOUBLE_EQ(c.span, 6000.0);

    // Zero over several points at the start (0 and 1), then sagging, then
    // hogging at the far end: the first zero point has no sign change of
    // its own and is the start, without dividing by zero.
    ZeroCase flat(10000, 50, [](double x) {
        return x <= 200 ? 0.0 : 10.0 * (x - 200) * (8000 - x) / 2.0;
    });
    quorvel::runtime::clearFloatingPointFlags();
    flat.run();
    EXPECT_EQ(errorOf([] { quorvel::runtime::checkFloatingPoint(); }), 0);
    EXPECT_DOUBLE_EQ(flat.zero(1), 0.0);
    EXPECT_DOUBLE_EQ(flat.zero(2), 8000.0);
}

TEST(ZeroMomentPoints, OneChangeNearTheFarEnd) {
    // Pinned start, end moment -1.25e8 at the far end:
    // M = 5 x (10000 - x) - 1.25e8 x / 10000, root x = 10000 - 2 * 1.25e8 / (10 * 10000) = 7500.
    // Chord: M(7400) = 96.2e6 - 92.5e6 = 3.7e6, M(7600) = 91.2e6 - 95e6 = -3.8e6,
    // 7400 + 200 * 3.7 / 7.5 = 7498.667. The first zero point comes from the
    // bracket (0, 1), where M(0) = 0: X(0).
    auto propped = [](double x) { return 5.0 * x * (10000.0 - x) - 1.25e8 * x / 10000.0; };
    ZeroCase c(10000, 50, propped);
    c.run();
    EXPECT_DOUBLE_EQ(c.zero(1), 0.0);
    EXPECT_NEAR(c.zero(2), 7498.667, 0.001);
    EXPECT_NEAR(c.span, 7498.667, 0.001);

    // A sagging start moment of 4e6: the line through M(0) = 4e6 and
    // M(200) = 4e6 + 9.8e6 - 2.5e6 = 11.3e6 meets 0 before the start: kept at 0.
    ZeroCase s(10000, 50, [&](double x) { return propped(x) + 4e6; });
    s.run();
    EXPECT_DOUBLE_EQ(s.zero(1), 0.0);
}

TEST(ZeroMomentPoints, AnEndWithoutASignChangeIsTheBeamEnd) {
    // Hogging at the start, sagging and rising to the far end: M = 5 i^2 - 20
    // kNm at 11 stations i = 0..10 over 10 m: -20, -15, 0, 25, 60, 105, 160,
    // 225, 300, 385, 480. The moment reaches 0 at station 2 (2000 mm) and
    // stays positive to the end, so the zero-moment zone runs from 2000 to
    // the beam end 10000: span 8000. The chord of the end bracket
    // (385 at 9000, 480 at 10000), extended inward, would meet 0 at
    // 9000 - 385 * 1000 / 95 = 4947.4, where the moment is +105 kNm.
    // Turned end for end (480, 385, ..., 0, -15, -20) the zone is 0 .. 8000;
    // the start bracket's chord would give 0 - 480 * 1000 / (385 - 480) = 5052.6.
    const auto rising = [](double x) { return (5.0 * (x / 1000) * (x / 1000) - 20.0) * 1e6; };
    ZeroCase c(10000, 10, rising);
    ZeroCase mirrored(10000, 10, [&](double x) { return rising(10000 - x); });
    ASSERT_EQ(c.M(3), 25e6);
    c.run();
    mirrored.run();
    EXPECT_DOUBLE_EQ(c.zero(1), 2000.0);
    EXPECT_DOUBLE_EQ(c.zero(2), 10000.0);
    EXPECT_DOUBLE_EQ(c.span, 8000.0);
    EXPECT_DOUBLE_EQ(mirrored.zero(1), 0.0);
    EXPECT_DOUBLE_EQ(mirrored.zero(2), 8000.0);
    EXPECT_DOUBLE_EQ(mirrored.span, 8000.0);
}

TEST(ZeroMomentPoints, AThirdSignChangeAndAMomentThatIsNoNumberAreErrors) {
    // Hogging, sagging, hogging, sagging: three changes in the scan.
    ZeroCase wave(10000, 50, [](double x) { return -std::cos(3.0 * M_PI * x / 10000.0); });
    EXPECT_EQ(wave.error(), 9);
    ZeroCase nan(10000, 50, hoggedUniform(0));
    nan.M(25) = NaN;
    EXPECT_EQ(nan.error(), 5);
}

// ---------------------------------------------------------------------------
// Slab web positions

// Slab unit of 1200 with 6 cores (the P27 of the shipped catalogue): core
// width 135, edge core distance 110, spacing (1200 - 2 * 110) / 5 = 196,
// width deduction 20. Edge web we = ((110 - 67.5) + 10) / 2 = 26.25; step to
// the first inner web d1 = 110 + 98 - 26.25 = 181.75. Webs of a unit from
// its edge: 26.25, 208, 404, 600, 796, 992, 1173.75, then 1226.25 in the next.
struct WebCase {
    SideArray dB, coreWidth, edgeCore, spacing;
    SideIntArray cores;
    Value first, last, nearest, gap;
    WebCase() {
        for (int side = 1; side <= 2; ++side) setSide(side, 20, 6, 135, 110, 196);
    }
    void setSide(int side, double deduction, int16_t n, double d, double e, double s) {
        dB(side) = deduction;
        cores(side) = n;
        coreWidth(side) = d;
        edgeCore(side) = e;
        spacing(side) = s;
    }
    void run(double x0, double xa, double xb, double L = 12000) {
        FindSlabWebPositions(L, x0, dB, cores, coreWidth, edgeCore, spacing, xa, xb, first, last,
                             nearest, gap);
    }
    int error(double x0, double xa, double xb, double L = 12000) {
        return errorOf([&] { run(x0, xa, xb, L); });
    }
};

TEST(SlabWebPositions, FiveUnitsFromTheFirstJointSpanFiveUnitWidths) {
    // First joint at 300; the zone starts 5 units on, at 300 + 5 * 1200 = 6300:
    // the first web beyond it is that unit's edge web, 6326.25. The zone ends
    // on the fourth web of that unit, 6300 + 600 = 6900, which is the last web.
    WebCase c;
    c.run(300, 6300, 6900);
    EXPECT_NEAR(c.first, 6326.25, 1e-9);
    EXPECT_NEAR(c.last, 6900.0, 1e-9);
    // 26.25 from xa against 0 from xb: the last web is nearest.
    EXPECT_NEAR(c.nearest, 6900.0, 1e-9);
    EXPECT_NEAR(c.gap, 0.0, 1e-9);

    // A zone from the beam start: the first web is x0 + we.
    c.run(0, 0, 6900);
    EXPECT_NEAR(c.first, 26.25, 1e-9);
    // Units lie before the first joint too, as after the last: with the
    // joint at 300 the unit -900 .. 300 has its webs at 92 (-900 + 992)
    // and 273.75, so the first web from 0 is 92 (326.25 when only the
    // webs from the joint on were laid); at 900, -300 + 404 = 104. On a
    // beam of 7800 the mirror joint (7800 - 300) mod 1200 = 300 gives the
    // last web 7800 - 92 = 7708: 7500 + 208.
    for (const auto& [x0, firstWeb] : {std::pair{300.0, 92.0}, std::pair{900.0, 104.0}}) {
        c.run(x0, 0, 7800, 7800);
        EXPECT_NEAR(c.first, firstWeb, 1e-9) << "first joint at " << x0;
    }
    c.run(300, 0, 7800, 7800);
    EXPECT_NEAR(c.last, 7708.0, 1e-9);
}

TEST(SlabWebPositions, TheWalkKeepsItsPlaceInTheUnitAcrossTheZone) {
    // The zone starts at 500 (first web 600, the fourth of unit 0) and ends
    // at 3000, which is the fourth web of unit 2 (2400 + 600).
    WebCase c;
    c.run(0, 500, 3000);
    EXPECT_NEAR(c.first, 600.0, 1e-9);
    EXPECT_NEAR(c.last, 3000.0, 1e-9);
    // And 10 mm short of it, the web before: 2400 + 404.
    c.run(0, 500, 2990);
    EXPECT_NEAR(c.last, 2804.0, 1e-9);
}

TEST(SlabWebPositions, ZoneInsideACoreLiesBetweenTwoWebs) {
    // 420..590 lies between the webs 404 and 600: the first web is after the
    // zone and the last before it. 180 from xa against 186 from xb.
    WebCase c;
    c.run(0, 420, 590);
    EXPECT_NEAR(c.first, 600.0, 1e-9);
    EXPECT_NEAR(c.last, 404.0, 1e-9);
    EXPECT_NEAR(c.nearest, 600.0, 1e-9);
    EXPECT_NEAR(c.gap, 180.0, 1e-9);
}

TEST(SlabWebPositions, TwoCoreUnitsAndTwoSides) {
    // Right side: 600 units with two cores, core width 200, edge distance
    // 150, spacing 300, deduction 20: we = ((150 - 100) + 10) / 2 = 30,
    // d1 = 150 + 150 - 30 = 270; webs 30, 300, 570, then 630, 900, 1170,
    // 1230, 1500, 1770, 1830, 2100.
    WebCase c;
    c.setSide(2, 20, 2, 200, 150, 300);
    // Left (1200 units): first 600, last 1996 (webs 1800, 1996, 2192).
    // Right: first 570, last 1830. Over both: 570 and 1996; 70 from xa
    // against 4 from xb.
    c.run(0, 500, 2000);
    EXPECT_NEAR(c.first, 570.0, 1e-9);
    EXPECT_NEAR(c.last, 1996.0, 1e-9);
    EXPECT_NEAR(c.nearest, 1996.0, 1e-9);
    EXPECT_NEAR(c.gap, 4.0, 1e-9);
    // Just past the far edge web of a unit the next web is across the joint.
    c.setSide(1, 20, 2, 200, 150, 300);
    c.run(0, 580, 2000);
    EXPECT_NEAR(c.first, 630.0, 1e-9);
}

TEST(SlabWebPositions, EqualDistancesChooseTheFirstWeb) {
    // First web 600 is 100 after xa = 500; last web 1996 is 100 before 2096.
    WebCase c;
    c.run(0, 500, 2096);
    EXPECT_NEAR(c.nearest, 600.0, 1e-9);
    EXPECT_NEAR(c.gap, 100.0, 1e-9);
}

TEST(SlabWebPositions, AWalkThatCannotAdvanceEndsWithInvalidArgument) {
    WebCase c;
    c.setSide(2, 0, 0, 0, 0, 0);  // a side without slab geometry
    EXPECT_EQ(c.error(0, 0, 6000), 5);
    WebCase nan;
    nan.spacing(1) = NaN;
    EXPECT_EQ(nan.error(0, 0, 6000), 5);
    WebCase zeroSpan;
    EXPECT_EQ(zeroSpan.error(0, 0, 6000, 0), 5);
    EXPECT_EQ(zeroSpan.error(0, 0, NaN), 5);
    EXPECT_EQ(zeroSpan.error(NaN, 0, 6000), 5);
    // A zone far longer than any beam stops at the step cap.
    EXPECT_EQ(zeroSpan.error(0, 0, 1e12), 5);
}

}  // namespace
