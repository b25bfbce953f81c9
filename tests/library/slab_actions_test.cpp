#include <gtest/gtest.h>

#include "library/slab_actions.h"
#include "model/project_model.h"
#include "test_support.h"

using namespace quorvel::library;
using quorvel::model::ProjectModel;
using quorvel::runtime::Value;

namespace {

// A 10 m beam with points every 2.5 m (0..4). Left slabs span 8.0 m at both
// ends; right slabs 6.0 m at the start and 8.0 m at the end. Bearing 100 mm,
// b.cr 300 mm, 1200 mm units. Loads kN/m2: self weight 3.5, topping 1.0,
// imposed permanent 0.5, variable 2.5; design values 1.15 x the permanent
// and 1.5 x the variable loads.
ProjectModel slabFields() {
    ProjectModel m;
    m.BeamSpan = 10000;
    m.CalculationPointCount = 4;
    for (int i = 0; i <= 4; ++i) m.CalculationPointX(i) = 2500.0 * i;
    const double startSpacing[3] = {0, 8000, 6000};
    for (int s = 1; s <= 2; ++s) {
        m.BeamSpacing(s, 1) = startSpacing[s];
        m.BeamSpacing(s, 2) = 8000;
        m.SlabSupportLength(s) = 100;
        m.SlabBcr(s) = 300;
        m.SlabUnitWidth(s) = 1200;
        m.SlabSelfWeight(s) = 3.5;
        m.ToppingLoad(s) = 1.0;
        m.SlabImposedLoadPermanent(s) = 0.5;
        m.SlabImposedLoadVariable(s) = 2.5;
        m.SlabSelfWeightDesign(s) = 1.15 * 3.5;
        m.ToppingLoadDesign(s) = 1.15 * 1.0;
        m.SlabImposedLoadPermanentDesign(s) = 1.15 * 0.5;
        m.SlabImposedLoadVariableDesign(s) = 1.5 * 2.5;
    }
    return m;
}

}  // namespace

TEST(SlabLoadsOnBeam, SimplySupportedStripByHand) {
    ProjectModel m = slabFields();
    ComputeSlabLoadsOnBeam(m);
    // Left side, clear span 8.0 - 0.1 = 7.9 m at every point.
    // Dead load q L^2 / 8 = 4.5 7.9^2 / 8 = 35.1056 kNm/m; per 1.2 m unit
    // 42.1268 kNm = 42.1268e6 Nmm. Imposed 3.0 7.9^2 / 8 = 23.4038 kNm/m,
    // 28.0845e6 Nmm per unit. Design q = 1.15 5.0 + 1.5 2.5 = 9.5 kN/m2:
    // 9.5 7.9^2 / 8 1.2 = 88.9343e6 Nmm per unit.
    const double L = 7.9;
    const double dead = 4.5 * L * L / 8 * 1.2 * 1e6;
    const double imposed = 3.0 * L * L / 8 * 1.2 * 1e6;
    const double design = 9.5 * L * L / 8 * 1.2 * 1e6;
    EXPECT_NEAR(dead, 42.1268e6, 100.0);
    EXPECT_NEAR(design, 88.9343e6, 100.0);
    EXPECT_NEAR(m.SlabDesignAreaLoad(1), 9.5, 1e-12);
    for (int i = 0; i <= 4; ++i) {
        EXPECT_NEAR(m.SlabDeadLoadMoment(1, i), dead, 1.0);
        EXPECT_NEAR(m.SlabImposedLoadMoment(1, i), imposed, 1.0);
        EXPECT_NEAR(m.SlabCharacteristicMoment(1, i), dead + imposed, 1.0);
        EXPECT_NEAR(m.SlabDesignMoment(1, i), design, 1.0);
    }
    // At x = b.cr = 0.3 m from the support: M = q x (L - x) / 2 =
    // 9.5 0.3 7.6 / 2 = 10.83 kNm/m, per unit 12.996e6 Nmm. The area-load
    // part from 1.15 4.5 = 5.175 kN/m2 is kept per metre of width in Nmm/m:
    // 5.175 0.3 7.6 / 2 = 5.8995 kNm/m = 5.8995e6 Nmm/m.
    EXPECT_NEAR(m.SlabDesignMomentAtBcr(1, 2), 9.5 * 0.3 * 7.6 / 2 * 1.2 * 1e6, 1.0);
    EXPECT_NEAR(m.SlabAreaLoadMomentAtBcr(1, 2), 5.8995e6, 1.0);
    EXPECT_NEAR(m.SlabMomentAtBcrDifference(1, 2), 12.996e6 - 5.8995e6, 1.0);
    // Shears kN per metre over Lr = 7.9 - 0.3 = 7.6 m: part A 5.175 7.6 / 2
    // = 19.665, part B (0.575 + 3.75) 7.6 / 2 = 16.435, sum 36.1.
    EXPECT_NEAR(m.SlabShearPartA(1, 3), 19.665, 1e-9);
    EXPECT_NEAR(m.SlabShearPartB(1, 3), 16.435, 1e-9);
    EXPECT_NEAR(m.SlabDesignShear(1, 3), 36.1, 1e-9);
    // Equal spacings: the maxima are the values of every point.
    EXPECT_NEAR(m.SlabMaxDesignMoment(1), design, 1.0);
    EXPECT_NEAR(m.SlabMaxDesignShear(1), 36.1, 1e-9);
}

TEST(SlabLoadsOnBeam, SpanFollowsTheSpacingAlongTheBeamAndMaximaTakeTheLongest) {
    ProjectModel m = slabFields();
    ComputeSlabLoadsOnBeam(m);
    // Right side at x = 2.5 m: spacing 6.0 + 2.0 2.5/10 = 6.5 m, clear span
    // 6.4 m: design 9.5 6.4^2 / 8 1.2 = 58.368e6 Nmm.
    EXPECT_NEAR(m.SlabDesignMoment(2, 1), 58.368e6, 1.0);
    // The longest clear span, 7.9 m, is at the beam end (point 4).
    EXPECT_NEAR(m.SlabMaxDesignMoment(2), 9.5 * 7.9 * 7.9 / 8 * 1.2 * 1e6, 1.0);
    EXPECT_NEAR(m.SlabMaxShearPartA(2), 19.665, 1e-9);
    // The scratch spans are those of the last point of side 2.
    EXPECT_NEAR(m.WorkSlabSpan, 7900, 1e-9);
    EXPECT_NEAR(m.WorkSlabSpanReduced, 7600, 1e-9);
}

TEST(SlabLoadsOnBeam, SlabFieldLoadsEnterPerPoint) {
    // A point load term of 2e6 (per metre, in the unit of q L^2 / 8) at
    // point 2 and a shear of 5 kN/m: per unit 2e6 1.2 = 2.4e6 Nmm more.
    ProjectModel m = slabFields();
    m.PointLoadSlabMomentK(1, 2) = 2e6;
    m.PointLoadSlabMomentD(1, 2) = 3e6;
    m.LineLoadSlabMomentD(1, 2) = 1e6;
    m.PointLoadSlabShear(1, 2) = 5;
    ComputeSlabLoadsOnBeam(m);
    const double L = 7.9;
    EXPECT_NEAR(m.SlabImposedLoadMoment(1, 2), (3.0 * L * L / 8 * 1e6 + 2e6) * 1.2, 1.0);
    EXPECT_NEAR(m.SlabDesignMoment(1, 2), (9.5 * L * L / 8 * 1e6 + 4e6) * 1.2, 1.0);
    EXPECT_NEAR(m.SlabShearPartB(1, 2), 16.435 + 5, 1e-9);
    EXPECT_NEAR(m.SlabMaxShearPartB(1), 21.435, 1e-9);
    EXPECT_NEAR(m.SlabDeadLoadMoment(1, 2), m.SlabDeadLoadMoment(1, 0), 1e-6);
}

TEST(SlabLoadsOnBeam, EdgeCases) {
    // b.cr = 0: no moment at b.cr, shears over the whole clear span.
    ProjectModel m = slabFields();
    m.SlabBcr(1) = 0;
    ComputeSlabLoadsOnBeam(m);
    EXPECT_EQ(m.SlabDesignMomentAtBcr(1, 0), 0);
    EXPECT_EQ(m.SlabAreaLoadMomentAtBcr(1, 0), 0);
    EXPECT_NEAR(m.SlabShearPartA(1, 0), 5.175 * 7.9 / 2, 1e-9);

    // Upward (negative) loads everywhere: the maxima stay at 0.
    ProjectModel up = slabFields();
    for (int s = 1; s <= 2; ++s) {
        up.SlabSelfWeight(s) = -1;
        up.ToppingLoad(s) = 0;
        up.SlabImposedLoadPermanent(s) = 0;
        up.SlabImposedLoadVariable(s) = 0;
        up.SlabSelfWeightDesign(s) = -1;
        up.ToppingLoadDesign(s) = 0;
        up.SlabImposedLoadPermanentDesign(s) = 0;
        up.SlabImposedLoadVariableDesign(s) = 0;
    }
    up.SlabMaxDesignMoment(1) = 99;  // left from an earlier calculation
    ComputeSlabLoadsOnBeam(up);
    EXPECT_LT(up.SlabDesignMoment(1, 0), 0);
    EXPECT_EQ(up.SlabMaxDesignMoment(1), 0);
    EXPECT_EQ(up.SlabMaxDeadLoadMoment(2), 0);
    EXPECT_EQ(up.SlabMaxShearPartA(1), 0);

    // A side without slabs (spacings 0, bearing 0.11 under the run guard)
    // is still evaluated, over Ln = -0.11 mm, and raises no error.
    ProjectModel edge = slabFields();
    edge.BeamSpacing(1, 1) = 0;
    edge.BeamSpacing(1, 2) = 0;
    edge.SlabSupportLength(1) = 0.11;
    EXPECT_EQ(fpErrorOf([&] {
                  ComputeSlabLoadsOnBeam(edge);
                  return 0.0;
              }),
              0);
    EXPECT_NEAR(edge.SlabDeadLoadMoment(1, 0), 4.5e-3 * 0.11 * 0.11 / 8 * 1200, 1e-12);
}

TEST(GoverningSlabSide, LargestSideWinsTiesAndZerosGiveNoSide) {
    ProjectModel m;
    // Nothing fills the tables: every criterion gives 0.
    m.GoverningSide(1) = 2;
    FindSlabResultMaxima(m, m.GoverningSide);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(m.GoverningSide(k), 0);

    m.SlabSideCriterion1(1) = 1.0;
    m.SlabSideCriterion1(2) = 3.0;   // side 2 larger: 2
    m.SlabSideCriterion2(1) = 4.0;
    m.SlabSideCriterion2(2) = 4.0;   // tie: the first side that exceeded 0
    m.SlabSideCriterion3(0) = 5.0;
    m.SlabSideCriterion3(1) = 5.0;   // not above position 0: 0
    m.SlabSideCriterion3(2) = -1.0;
    FindSlabResultMaxima(m, m.GoverningSide);
    EXPECT_EQ(m.GoverningSide(1), 2);
    EXPECT_EQ(m.GoverningSide(2), 1);
    EXPECT_EQ(m.GoverningSide(3), 0);

    m.SlabSideCriterion1.fill(Value(-2.0));  // both sides negative
    FindSlabResultMaxima(m, m.GoverningSide);
    EXPECT_EQ(m.GoverningSide(1), 0);
}
