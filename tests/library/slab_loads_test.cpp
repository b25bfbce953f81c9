#include <gtest/gtest.h>

#include <cmath>

#include "library/slab_loads.h"
#include "model/project_model.h"
#include "test_support.h"

using namespace quorvel::library;
using quorvel::model::ProjectModel;
using quorvel::model::SideArray;
using quorvel::model::SideEndArray;
using quorvel::model::SideIntArray;
using quorvel::runtime::Value;

namespace {

void setSides(SideArray& a, double left, double right) {
    a(1) = left;
    a(2) = right;
}

void setSpacings(SideEndArray& a, double left, double right) {
    for (int end = 1; end <= 2; ++end) {
        a(1, end) = left;
        a(2, end) = right;
    }
}

// A middle beam 300 wide with slab spacings 7200 (left) and 6000 (right),
// joint grout 20 and 30 mm.
struct ClearSpans : ::testing::Test {
    ProjectModel m;
    SideArray grout;
    SideEndArray spacing, entered;
    void SetUp() override {
        m.SlabSidePresent(1) = m.SlabSidePresent(2) = 1;
        setSides(grout, 20, 30);
        setSpacings(spacing, 7200, 6000);
    }
    void run(int16_t onLedge, double flange, double width) {
        ComputeClearSlabSpans(m, onLedge, flange, width, grout, spacing, entered);
    }
};

}  // namespace

// --- Clear slab spans ---------------------------------------------------------

TEST_F(ClearSpans, SlabsOnTopLoseTwiceTheirGroutWidth) {
    run(0, 300, 300);
    EXPECT_FLOAT_EQ(m.SlabEndOffset(1), 20);
    EXPECT_FLOAT_EQ(m.SlabEndOffset(2), 30);
    for (int end = 1; end <= 2; ++end) {
        EXPECT_DOUBLE_EQ(spacing(1, end), 7200 - 2 * 20);
        EXPECT_DOUBLE_EQ(spacing(2, end), 6000 - 2 * 30);
        EXPECT_EQ(entered(1, end), 7200);
        EXPECT_EQ(entered(2, end), 6000);
    }
}

TEST_F(ClearSpans, SlabsOnLedgesAlsoLoseTheBeamWidth) {
    run(1, 300, 400);
    EXPECT_DOUBLE_EQ(spacing(1, 1), 7200 - 40 - 400);
    EXPECT_DOUBLE_EQ(spacing(2, 2), 6000 - 60 - 400);
}

TEST_F(ClearSpans, EdgeBeamWithSlabsOnTop) {
    // Right side empty with no grout: its offset is half the 300 flange and
    // the left offset becomes 20 - 150 = -130, so the left span grows by 260.
    m.SlabSidePresent(2) = 0;
    setSides(grout, 20, 0);
    setSpacings(spacing, 7200, 0);
    run(0, 300, 300);
    EXPECT_FLOAT_EQ(m.SlabEndOffset(2), 150);
    EXPECT_FLOAT_EQ(m.SlabEndOffset(1), -130);
    EXPECT_DOUBLE_EQ(spacing(1, 1), 7460);
    EXPECT_EQ(spacing(2, 1), 0);  // 0 - 300 is held at 0

    // Left side empty instead: side 1's pass sets offset(2) = 25 - 150, the
    // pass of side 2 then resets it to its grout width.
    ProjectModel m2;
    m2.SlabSidePresent(2) = 1;
    SideArray g;
    setSides(g, 0, 25);
    SideEndArray s, e;
    setSpacings(s, 0, 6000);
    int16_t onLedge = 0;
    ComputeClearSlabSpans(m2, onLedge, 300, 300, g, s, e);
    EXPECT_FLOAT_EQ(m2.SlabEndOffset(1), 150);
    EXPECT_FLOAT_EQ(m2.SlabEndOffset(2), 25);
    EXPECT_DOUBLE_EQ(s(2, 1), 5950);
}

TEST_F(ClearSpans, SpacingBelowTheDeductionsBecomesZero) {
    setSpacings(spacing, 30, 400);
    run(1, 300, 380);
    EXPECT_EQ(spacing(1, 1), 0);
    EXPECT_EQ(spacing(2, 2), 0);
    EXPECT_EQ(entered(2, 2), 400);
}

// --- Joint concrete ------------------------------------------------------------

namespace {

// HC265-like slab: 265 high, unit 1200 wide, no width deduction, concrete
// area 170 000 mm^2, so the cores take (1200 * 265 - 170000) / 1200 =
// 123.333 mm^2 per mm of slab width. Beam 500 high. Joint grout C25,
// 25 kN/m^3 = 2.5e-5 N/mm^3.
struct JointConcrete : ::testing::Test {
    ProjectModel m;
    SideArray seat, strip, hs, B, dB, As, bottom, grout, fill;
    SideIntArray present;
    Value load, design;
    void SetUp() override {
        setSides(hs, 265, 265);
        setSides(B, 1200, 1200);
        setSides(As, 170000, 170000);
        setSides(grout, 20, 30);
        setSides(fill, 300, 20);
        present(1) = present(2) = 1;
    }
    void run() {
        ComputeJointConcreteLoad(m, 500, seat, strip, present, hs, B, dB, As, bottom, grout, fill,
                                 50, 2.5e-5, 1.35, load, design);
    }
};

}  // namespace

TEST_F(JointConcrete, SlabsOnTopOfTheBeam) {
    // Slab underside at the beam top: joint depth = slab height 265.
    //   left:  joint 20 * 265 = 5300, cores 123.333 * 300 = 37000
    //   right: joint 30 * 265 = 7950, cores 123.333 * 50 (20 raised to 50) = 6166.67
    //   area 56416.67 mm^2 * 2.5e-5 = 1.4104167 N/mm; design * 1.35 = 1.9040625
    setSides(bottom, 500, 500);
    setSides(seat, 500, 500);
    run();
    EXPECT_NEAR(load, 1.4104167, 1e-6);
    EXPECT_NEAR(design, 1.9040625, 1e-6);
}

TEST_F(JointConcrete, SlabsOnLedges) {
    // Seat at 200, slab underside at 210 over a 150 strip: seat term 10 * 150
    // = 1500; joint depth 0.5 (210 + 265 + 500) - 200 = 287.5, joint 20 *
    // 287.5 = 5750; cores 37000. Right side without slabs adds nothing.
    m.SlabsOnLedge = 1;
    setSides(seat, 200, 200);
    setSides(bottom, 210, 210);
    setSides(strip, 150, 150);
    present(2) = 0;
    run();
    EXPECT_NEAR(load, (1500 + 5750 + 37000) * 2.5e-5, 1e-9);
}

TEST_F(JointConcrete, EmptySideOnTopAddsNothing) {
    // Slabs on top: the right side without slabs has no joint, whatever
    // grout width (30 mm over 265 mm would be 7950 mm2) its hidden box
    // holds; no cores there either.
    setSides(bottom, 500, 500);
    setSides(seat, 500, 500);
    present(2) = 0;
    run();
    EXPECT_NEAR(load, (5300 + 37000) * 2.5e-5, 1e-9);
}

TEST_F(JointConcrete, ZeroSlabWidthOnASlabSideIsDivisionByZero) {
    setSides(B, 0, 1200);
    EXPECT_EQ(errorOf([&] { run(); }), 11);
    present(1) = 0;  // a side without slabs never divides
    EXPECT_EQ(errorOf([&] { run(); }), 0);
    EXPECT_TRUE(std::isfinite(load));
}

// --- Area loads as beam line loads -------------------------------------------

TEST(SlabLineLoads, JointStripWidth) {
    ProjectModel m;
    SideArray grout, areaLoad, line;
    SideIntArray present;
    SideEndArray spacing, width;
    Value W;
    setSides(grout, 20, 30);
    setSpacings(spacing, 7200, 7200);
    ComputeSlabLoadWidths(m, present, grout, 400, spacing, width, W);
    EXPECT_NEAR(W, 0.05, 1e-12);
    m.SlabsOnLedge = 1;
    ComputeSlabLoadWidths(m, present, grout, 400, spacing, width, W);
    EXPECT_NEAR(W, 0.45, 1e-12);
    EXPECT_DOUBLE_EQ(width(1, 1), 3.6);
    EXPECT_DOUBLE_EQ(width(2, 2), 3.6);

    // 2.5 kN/m^2 on both sides: 2.5 W + 2 * 3.6 * 2.5 = 2.5 W + 18 kN/m.
    setSides(areaLoad, 2.5, 2.5);
    ComputeSlabLineLoads(W, width, areaLoad, line);
    EXPECT_NEAR(line(1), 2.5 * 0.45 + 18, 1e-12);
    EXPECT_NEAR(line(2), 2.5 * 0.45 + 18, 1e-12);
}

TEST(SlabLineLoads, SideWithoutSlabsAddsOnlyToTheStrip) {
    // Right spans 0: 0.05 * max(2.5, 4.0) + 3.6 * 2.5 = 9.2 kN/m.
    SideEndArray width;
    SideArray areaLoad, line;
    width(1, 1) = width(1, 2) = 3.6;
    setSides(areaLoad, 2.5, 4.0);
    ComputeSlabLineLoads(0.05, width, areaLoad, line);
    EXPECT_NEAR(line(1), 9.2, 1e-12);
    EXPECT_NEAR(line(2), 9.2, 1e-12);
}

TEST(SlabLineLoads, BeamCarriesItsTributaryWidth) {
    // Beam spacings 7200 and 6000 (centre to centre), 3 kN/m^2 on both
    // fields. Whatever the bearing, the beam carries half of each spacing:
    // 3 * (3.6 + 3.0) = 19.8 kN/m. On top (grout 20/30): clear spans 7160 and
    // 5940, W = 0.05: 3 * (0.05 + 3.58 + 2.97). On ledges with a 400 beam:
    // clear spans 6760 and 5540, W = 0.45: 3 * (0.45 + 3.38 + 2.77).
    for (int16_t onLedge : {int16_t{0}, int16_t{1}}) {
        ProjectModel m;
        m.SlabsOnLedge = onLedge;
        m.SlabSidePresent(1) = m.SlabSidePresent(2) = 1;
        SideArray grout, areaLoad, line;
        setSides(grout, 20, 30);
        setSides(areaLoad, 3, 3);
        SideEndArray spacing, entered, width;
        setSpacings(spacing, 7200, 6000);
        ComputeClearSlabSpans(m, m.SlabsOnLedge, 300, 400, grout, spacing, entered);
        Value W;
        ComputeSlabLoadWidths(m, m.SlabSidePresent, grout, 400, spacing, width, W);
        ComputeSlabLineLoads(W, width, areaLoad, line);
        EXPECT_NEAR(line(1), 19.8, 1e-9) << "onLedge " << onLedge;
        EXPECT_NEAR(line(2), 19.8, 1e-9) << "onLedge " << onLedge;
    }
}

// --- Span curves -----------------------------------------------------------------

TEST(SpanCurves, FittedThroughTheFourAndTenMetreShares) {
    // With c = 1/5 each curve passes through its 4 m and 10 m table values:
    //   k = ln(|T4 - c| / |T10 - c|) / 6,  A = (T4 - c) exp(4 k)
    // row 1: 0.084 / 0.032  -> k = ln 2.625 / 6    = 0.160847,  A = 0.159845
    // row 2: 0.016 / 0.018  -> k = ln 0.8889 / 6   = -0.0196305, A = 0.0147917
    // row 3: -0.058 / -0.034 -> k = ln 1.70588 / 6 = 0.0890137, A = -0.0828058
    UnitCurveArray c, A, k;
    InterpolateSpanCoefficients(5, c, A, k);
    const double tableA[] = {0.159845, 0.0147917, -0.0828058};
    const double tableK[] = {0.160847, -0.0196305, 0.0890137};
    const double at4[] = {0.284, 0.216, 0.142}, at10[] = {0.232, 0.218, 0.166};
    for (int r = 1; r <= 3; ++r) {
        EXPECT_DOUBLE_EQ(c(r), 0.2);
        EXPECT_NEAR(A(r), tableA[r - 1], 1e-6) << r;
        EXPECT_NEAR(k(r), tableK[r - 1], 1e-6) << r;
        auto curve = [&](double x) { return c(r) + A(r) * std::exp(-k(r) * x); };
        EXPECT_NEAR(curve(4), at4[r - 1], 1e-12) << r;
        EXPECT_NEAR(curve(10), at10[r - 1], 1e-12) << r;
    }
    // Row 1 tends to an equal fifth; row 2 rises slowly: at 14 m
    // 0.2 + 0.0147917 exp(0.274827) = 0.21947.
    EXPECT_NEAR(c(1) + A(1) * std::exp(-k(1) * 60), 0.2, 1e-4);
    EXPECT_NEAR(c(2) + A(2) * std::exp(-k(2) * 14), 0.21947, 1e-5);
}

TEST(SpanCurves, DegenerateFits) {
    const SpanAbscissae& X = spanTableSpans();
    const SpanShareTable& T = spanTableShares();
    double c = 7, A = 8, k = 9;
    FitExponentialCurve(X, T, 5, 1, 3, 3, c, A, k);  // one point: nothing written
    EXPECT_EQ(c, 7);
    EXPECT_EQ(A, 8);
    EXPECT_EQ(k, 9);
    EXPECT_EQ(errorOf([&] { FitExponentialCurve(X, T, 0, 1, 1, 4, c, A, k); }), 11);
    // c = 0.284 equals the 4 m share of row 1: no logarithm.
    EXPECT_EQ(errorOf([&] { FitExponentialCurve(X, T, 1 / 0.284, 1, 1, 4, c, A, k); }), 5);
}

// --- Holes in the slab ends ----------------------------------------------------

namespace {

// A 0.6 m hole along the beam, 0.4 m into the slab, 0.2 m from the slab end,
// on a 12 m beam; the check section 0.3 m from the slab end lies in its window.
constexpr double HoleB = 0.6, HoleA = 0.4, HoleY = 0.2, Span = 12, Check = 0.3, R = 10;

double spread(double x, double holeX, double e1, double e2) {
    return EvaluateSpreadPolynomial(x, Check, holeX, HoleY, HoleB, HoleA, Span, e1, e2, R);
}

// The reaction the beam stations receive from one hole in total, by the
// midpoint rule on both sides of the hole's stretch.
double totalAlongBeam(double holeX, double e1, double e2) {
    const int steps = 200000;
    double sum = 0;
    auto add = [&](double from, double to) {
        if (to <= from) return;
        const double h = (to - from) / steps;
        for (int i = 0; i < steps; ++i) sum += spread(from + (i + 0.5) * h, holeX, e1, e2) * h;
    };
    add(std::max(0.0, holeX - 3.6), holeX);
    add(holeX + HoleB, std::min(Span, holeX + HoleB + 3.6));
    return sum;
}

}  // namespace

TEST(HoleSpread, FarFromTheFieldEdgesTheWholeReactionArrives) {
    // f1 integrates to 0.5 on each side of the hole: 0.0144676 * 3.6^3 / 3 -
    // 0.1041667 * 3.6^2 / 2 + 0.2638889 * 3.6 = 0.225 - 0.675 + 0.95 = 0.5,
    // so the stations receive B * R = 6 kN in all.
    EXPECT_NEAR(totalAlongBeam(5, 0, 0), HoleB * R, 1e-4);
    // At the hole's ends d = 0: B R f1(0) = 6 * 0.2638889.
    EXPECT_NEAR(spread(5, 5, 0, 0), 6 * 0.2638889, 1e-9);
    EXPECT_NEAR(spread(5.6, 5, 0, 0), 6 * 0.2638889, 1e-9);
}

TEST(HoleSpread, AtEitherFieldEdgeTheWholeReactionArrivesAlike) {
    // Hole 0.5 m from the field edge at the beam start, and its mirror image
    // at the beam end: what would spread beyond the edge comes back onto the
    // field, and the two cases are mirror images of each other.
    const double mirrored = Span - 0.5 - HoleB;
    EXPECT_NEAR(totalAlongBeam(0.5, 0, 0), HoleB * R, 1e-4);
    EXPECT_NEAR(totalAlongBeam(mirrored, 0, 0), HoleB * R, 1e-4);
    for (double x : {0.0, 0.3, 0.5, 1.1, 2.0, 3.9})
        EXPECT_NEAR(spread(x, 0.5, 0, 0), spread(Span - x, mirrored, 0, 0), 1e-9) << x;
}

TEST(HoleSpread, WhereNothingArrives) {
    EXPECT_EQ(spread(5.3, 5, 0, 0), 0);             // inside the hole's stretch
    EXPECT_EQ(spread(5 - 3.61, 5, 0, 0), 0);        // beyond 3.6 m before it
    EXPECT_EQ(spread(5.6 + 3.61, 5, 0, 0), 0);      // and after it
    // Window 0.9 m (1.5 * 0.6) around the hole's extent 0.2..0.6 m.
    EXPECT_EQ(EvaluateSpreadPolynomial(4, 1.5, 5, HoleY, HoleB, HoleA, Span, 0, 0, R), 0);
    EXPECT_GT(EvaluateSpreadPolynomial(4, 1.4, 5, HoleY, HoleB, HoleA, Span, 0, 0, R), 0);
}

TEST(HoleReduction, TheHalfOverTheLengthItsHolesLeaveIt) {
    // Half of a 6000 mm beam, 3000 mm; slab b.cr h = 200: a hole reaches
    // r = min(min(A, 3h - Y) / h, 1) into the web check. The factor is
    // 1 + sum(r t) / (3000 - sum t) over the union of the holes' stretches,
    // the largest r where they overlap. Before, each hole's factor
    // 1 + r t / (3000 - t) was multiplied into the half's.
    using H = SlabEndHole;
    struct Case {
        const char* name;
        std::vector<H> holes;
        double factor;
    };
    const Case cases[] = {
        {"no hole", {}, 1.0},
        // A = 300 >= h, Y = 100: r = 1; 1 + 500 / 2500.
        {"one hole in reach", {{1000, 1500, 300, 100}}, 1.2},
        // Y = 450: only 150 of A within 3h, r = 0.75: 1 + 0.75 * 500 / 2500.
        {"one hole partly in reach", {{1000, 1500, 300, 450}}, 1.15},
        {"one hole 3h from the end", {{1000, 1500, 300, 600}}, 1.0},
        // Y = 599: 1 mm of A within 3h, r = 1 / 200: 1 + 0.005 * 500 / 2500.
        {"one hole 1 mm within 3h", {{1000, 1500, 300, 599}}, 1.001},
        {"one hole of no length", {{1000, 1500, 0, 100}}, 1.0},
        // The half keeps 200 mm: 1 + 2800 / 200 (multiplied: 1.875^2 = 3.516).
        {"two holes leaving 200 mm", {{0, 1400, 300, 100}, {1500, 2900, 300, 100}}, 15.0},
        // 1 + 800 / 2200 = 1.3636 (multiplied: (1 + 400 / 2600)^2 = 1.331).
        {"two 400 mm holes", {{0, 400, 300, 100}, {1000, 1400, 300, 100}}, 1 + 800.0 / 2200},
        // Overlap 500 .. 1000 counted once with the larger r: r = 1 over
        // 0 .. 1000, r = 0.5 (Y = 500, 3h - Y = 100) over 1000 .. 1500:
        // 1 + (1000 + 250) / (3000 - 1500).
        {"two overlapping holes", {{0, 1000, 300, 100}, {500, 1500, 300, 500}}, 1 + 1250.0 / 1500},
        // A hole wholly inside another adds nothing.
        {"a hole inside another", {{0, 1000, 300, 100}, {200, 400, 300, 100}}, 1 + 1000.0 / 2000},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(ComputeHoleReductionFactor(3000, c.holes, 200), c.factor, 1e-12) << c.name;
    EXPECT_NEAR(HoleCoveredLength({{0, 1000, 300, 100}, {500, 1500, 300, 500}, {2000, 2100, 300, 700}}, 200),
                1500, 1e-12);
    // Holes covering the whole half leave it no web: division by zero.
    EXPECT_EQ(errorOf([] { ComputeHoleReductionFactor(3000, {{0, 1600, 300, 100}, {1500, 3000, 300, 100}}, 200); }),
              11);
}
