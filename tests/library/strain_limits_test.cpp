#include <gtest/gtest.h>

#include "library/strain_limits.h"
#include "model/project_model.h"
#include "test_support.h"

using namespace quorvel::library;
using quorvel::model::ProjectModel;
using quorvel::model::RowArray;
using quorvel::runtime::Value;

namespace {

// One call of the bound with the limits a test varies; the rest neutral.
// Limits: concrete -3.5 at the tops, -2.0 at the centroid level.
struct Plane {
    double dref = 450, x = 200, ytop = 500, yc = 250, epsS = 2.0;
    double e[7] = {0, -3.5, -3.5, -3.5, -3.5, -3.5, -3.5};
    double c[4] = {0, -2.0, -2.0, -2.0};
    int16_t m1 = 0, m3 = 0;
    RowArray lim1, z1, lim3, z3;
    Value epsTop, epsC;

    double bound(const ProjectModel& m, double epsRef) {
        Value ref = epsRef;
        ComputeLayerStrainLimits(m, 0, ref, epsTop, epsC, e[1], e[2], e[3], e[4], e[5], e[6], c[1],
                                 c[2], c[3], -2, -2, -2, epsS, yc, dref, x, ytop, 500, m1, lim1,
                                 z1, m3, lim3, z3);
        return ref;
    }
    // Strain of the plane at a level, from the reference strain.
    double strainAt(double epsRef, double level) const {
        return epsRef * ((ytop - level) - x) / (dref - x);
    }
};

ProjectModel noCurvatureLimit() {
    ProjectModel m;
    m.ReinforcementStrainLimit = 1e9;
    return m;
}

}  // namespace

TEST(LayerStrainLimits, CurvatureBoundAloneWithoutRowsOrParts) {
    // a = 450 - 200 = 250; a curvature limit of 0.02 per mm allows
    // 0.02 250 = 5 at the reference depth. Top strain -5 200/250 = -4;
    // at yc = 250 (neutral axis at 300): 5 (300 - 250) / 250 = 1.
    // The section-top limit e6 belongs to the joint parts, absent here.
    ProjectModel m;
    m.ReinforcementStrainLimit = 0.02;
    Plane p;
    p.e[6] = -0.1;
    EXPECT_NEAR(p.bound(m, 10), 5.0, 1e-12);
    EXPECT_NEAR(p.epsTop, -4.0, 1e-12);
    EXPECT_NEAR(p.epsC, 1.0, 1e-12);
    // Below the limit nothing changes.
    EXPECT_NEAR(p.bound(m, 4), 4.0, 1e-12);
}

TEST(LayerStrainLimits, RowsHoldTheirLimitStrain) {
    ProjectModel m = noCurvatureLimit();
    Plane p;
    // Main rows at 50 and 100 mm from the bottom, limit 10 each: the lower
    // row, at the reference depth, reaches 10 first.
    p.m1 = 2;
    p.lim1(1) = 10;
    p.z1(1) = 100;  // t = 10 250 / (400 - 200) = 12.5
    p.lim1(2) = 10;
    p.z1(2) = 50;   // t = 10 250 / (450 - 200) = 10
    const double ref = p.bound(m, 15);
    EXPECT_NEAR(ref, 10.0, 1e-12);
    EXPECT_NEAR(p.strainAt(ref, 50), 10.0, 1e-12);
    EXPECT_LT(p.strainAt(ref, 100), 10.0);
    // A steel-beam row above the neutral axis (level 450, depth 50) gives a
    // negative candidate and never bounds; one at 50 mm with limit 8 does.
    p.m3 = 2;
    p.lim3(1) = 1;
    p.z3(1) = 450;
    p.lim3(2) = 8;
    p.z3(2) = 50;
    EXPECT_NEAR(p.bound(m, 15), 8.0, 1e-12);
    // A row count beyond the ten rows of a group is a subscript error.
    p.m3 = 11;
    EXPECT_EQ(errorOf([&] { p.bound(m, 15); }), 9);
}

TEST(LayerStrainLimits, ConcreteTopAndCentroidLimitsAreReached) {
    ProjectModel m = noCurvatureLimit();
    m.PrecastPartCount = 1;
    m.PrecastPartsTopLevel = 500;
    Plane p;
    // Neutral axis at 300; the top at 500 reaches -3.5 with a bottom strain
    // 3.5 300 / 200 = 5.25, reference strain 5.25 250 / 300 = 4.375.
    EXPECT_NEAR(p.bound(m, 20), 4.375, 1e-12);
    EXPECT_NEAR(p.epsTop, -3.5, 1e-12);
    // Centroid level 450 above the neutral axis: -2.0 there needs a bottom
    // strain 2 300 / 150 = 4 < 5.25, so it governs and the strain at yc is -2.
    p.yc = 450;
    const double ref = p.bound(m, 20);
    EXPECT_NEAR(ref, 4 * 250.0 / 300, 1e-12);
    EXPECT_NEAR(p.epsC, -2.0, 1e-12);
    // Infill parts bound alike, with their own limits.
    ProjectModel infill = noCurvatureLimit();
    infill.InfillPartCount = 1;
    infill.InfillPartsTopLevel = 400;  // -3.0 at 400: 3 300 / 100 = 9
    Plane q;
    q.e[2] = -3.0;
    EXPECT_NEAR(q.strainAt(q.bound(infill, 20), 400), -3.0, 1e-12);
    // A part top at or below the neutral axis gives no bound.
    infill.InfillPartsTopLevel = 300;
    EXPECT_NEAR(q.bound(infill, 20), 20.0, 1e-12);
}

TEST(LayerStrainLimits, JointPartsAndTheSectionTop) {
    // Composite section: joint part 1 from 400 to 500, slab top flanges
    // (joint parts 2, 3) from 420 to 480, topping to 550. x = 200,
    // dref = 500: a = 300, neutral axis at 350.
    //   part 1 top 500: 3.5 350 / 150 = 8.17;  parts 2, 3: 3.5 350 / 130 = 9.42
    //   section top 550: 3.5 350 / 200 = 6.125 (governs); yc 400: 2 350 / 50 = 14
    // Reference strain 6.125 300 / 350 = 5.25, top strain -3.5.
    ProjectModel m = noCurvatureLimit();
    m.JointPartCount = 3;
    m.JointPartLevel(1) = 400;
    m.JointPartHeight(1) = 100;
    for (int k = 2; k <= 3; ++k) {
        m.JointPartLevel(k) = 420;
        m.JointPartHeight(k) = 60;
    }
    Plane p;
    p.ytop = 550;
    p.dref = 500;
    p.yc = 400;
    EXPECT_NEAR(p.bound(m, 20), 5.25, 1e-12);
    EXPECT_NEAR(p.epsTop, -3.5, 1e-12);
    // Joint part 2 counts by its stored level even when the count is 1: a
    // limit -0.5 at its top 480 is met there.
    m.JointPartCount = 1;
    p.e[4] = -0.5;
    EXPECT_NEAR(p.strainAt(p.bound(m, 20), 480), -0.5, 1e-12);
    // A joint part whose top lies below the neutral axis takes no part
    // (its divisor held at 1e-6) and raises no error.
    p.e[4] = -3.5;
    m.JointPartLevel(2) = 200;
    m.JointPartHeight(2) = 100;
    EXPECT_EQ(fpErrorOf([&] { return p.bound(m, 20); }), 0);
    EXPECT_NEAR(p.bound(m, 20), 5.25, 1e-12);
}

TEST(LayerStrainLimits, SteelPlates) {
    // Plates from 0 to 400, limit 2; neutral axis at 300, a = 250.
    // Top 400: 2 300 / 100 = 6; bottom 0: 2 300 / 300 = 2, which governs:
    // reference 2 250 / 300 = 1.6667 and the bottom strain is 2.
    ProjectModel m = noCurvatureLimit();
    m.SteelPlateCount = 2;
    m.SteelPlatesTopLevel = 400;
    m.SteelPlatesBottomLevel = 0;
    Plane p;
    const double ref = p.bound(m, 20);
    EXPECT_NEAR(ref, 2 * 250.0 / 300, 1e-12);
    EXPECT_NEAR(p.strainAt(ref, 0), 2.0, 1e-12);
    // Plate top at or below the neutral axis: only the bottom limit.
    m.SteelPlatesTopLevel = 250;
    EXPECT_NEAR(p.bound(m, 20), 2 * 250.0 / 300, 1e-12);
}

TEST(LayerStrainLimits, PlatesWhollyAboveTheNeutralAxisAreBoundByTheirTop) {
    // Plates from 320 to 400 with the neutral axis at 300: all compressed.
    // The compressed top edge reaches -2 at a bottom strain 2 300 / 100 = 6,
    // reference 6 250 / 300 = 5. The bottom edge, above the neutral axis,
    // sets no tension bound (it would give the negative 2 300 / (300 - 320)
    // = -30 and flip the plane into compression below the neutral axis).
    ProjectModel m = noCurvatureLimit();
    m.SteelPlateCount = 1;
    m.SteelPlatesTopLevel = 400;
    m.SteelPlatesBottomLevel = 320;
    Plane p;
    const double ref = p.bound(m, 20);
    EXPECT_NEAR(ref, 5.0, 1e-12);
    EXPECT_NEAR(p.strainAt(ref, 400), -2.0, 1e-12);
    // The bottom edge exactly on the neutral axis divides by nothing.
    m.SteelPlatesBottomLevel = 300;
    EXPECT_EQ(fpErrorOf([&] { return p.bound(m, 20); }), 0);
}
