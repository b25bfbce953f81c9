#include "model/topping_load.h"

#include <gtest/gtest.h>

#include "support/model_support.h"

namespace quorvel::model {
namespace {

using quorvel::testing::addSlabType;

// A middle beam of type beamType with P27 (265 mm) slabs on both sides,
// equal 10 mm gaps and the given topping.
ProjectModel middleBeam(const std::string& beamType, double topping) {
    ProjectModel m;
    addSlabType(m, "P27", 265);
    addSlabType(m, "P32", 320);
    m.BeamTypeName = beamType;
    m.IsMiddleBeam = 1;
    m.SlabTypeName(1) = "P27";
    m.SlabTypeName(2) = "P27";
    m.SlabBottomGap(1) = 10;
    m.SlabBottomGap(2) = 10;
    m.ToppingThickness = topping;
    return m;
}

// Topping 25 kN/m³: t mm of topping weigh 0.025 t kN/m²; a step of d mm
// between the slab tops adds 0.025 d to the lower side.
TEST(ComputeToppingLoad, EqualLevelsGiveTheToppingWeightOnBothSides) {
    ProjectModel m = middleBeam("SUORA", 50);
    ComputeToppingLoad(m);
    EXPECT_DOUBLE_EQ(m.ToppingLoad(1), 1.25);  // 0.025 x 50
    EXPECT_DOUBLE_EQ(m.ToppingLoad(2), 1.25);
}

TEST(ComputeToppingLoad, LedgeBeamLoadsTheLowerSideWithTheStep) {
    // JALO: left ledge 100, right 150 -> left slab top 50 mm lower.
    ProjectModel m = middleBeam("JALO", 50);
    m.LeftLedgeHeight = 100;
    m.RightLedgeHeight = 150;
    ComputeToppingLoad(m);
    EXPECT_DOUBLE_EQ(m.ToppingLoad(1), 2.5);  // 1.25 + 0.025 x 50
    EXPECT_DOUBLE_EQ(m.ToppingLoad(2), 1.25);

    // BLEUKA is the other ledge type; the name is compared with case.
    m.BeamTypeName = "BLEUKA";
    ComputeToppingLoad(m);
    EXPECT_DOUBLE_EQ(m.ToppingLoad(1), 2.5);
    m.BeamTypeName = "Jalo";
    ComputeToppingLoad(m);
    EXPECT_DOUBLE_EQ(m.ToppingLoad(1), 1.25);
}

TEST(ComputeToppingLoad, OtherBeamTypesIgnoreTheLedgeHeights) {
    ProjectModel m = middleBeam("BI", 50);
    m.LeftLedgeHeight = 100;
    m.RightLedgeHeight = 150;
    ComputeToppingLoad(m);
    EXPECT_DOUBLE_EQ(m.ToppingLoad(1), 1.25);
    EXPECT_DOUBLE_EQ(m.ToppingLoad(2), 1.25);
}

TEST(ComputeToppingLoad, ThickerLeftSlabLoadsTheRightSideEvenWithoutTopping) {
    ProjectModel m = middleBeam("SUORA", 0);
    m.SlabTypeName(1) = "P32";
    ComputeToppingLoad(m);
    EXPECT_DOUBLE_EQ(m.ToppingLoad(1), 0.0);
    EXPECT_NEAR(m.ToppingLoad(2), 1.375, 1e-12);  // 0.025 x (320 - 265)
    // The step from the gaps adds to the step from the slabs.
    m.SlabBottomGap(2) = 30;
    ComputeToppingLoad(m);
    EXPECT_NEAR(m.ToppingLoad(2), 0.875, 1e-12);  // 0.025 x (55 - 20)
}

TEST(ComputeToppingLoad, EdgeBeamHasNoStepAndNoLeftLoad) {
    ProjectModel m = middleBeam("JALO", 40);
    m.IsMiddleBeam = 0;
    m.LeftLedgeHeight = 300;
    m.SlabTypeName(2) = "P32";
    ComputeToppingLoad(m);
    EXPECT_DOUBLE_EQ(m.ToppingLoad(1), 0.0);
    EXPECT_DOUBLE_EQ(m.ToppingLoad(2), 1.0);  // 0.025 x 40
}

TEST(ComputeToppingLoad, UnknownTypeCountsAsZeroAndTheLastRecordOfANameWins) {
    ProjectModel m = middleBeam("SUORA", 0);
    m.SlabTypeName(1) = "p27";  // no record: thickness 0, left top 265 mm lower
    ComputeToppingLoad(m);
    EXPECT_NEAR(m.ToppingLoad(1), 6.625, 1e-12);
    EXPECT_DOUBLE_EQ(m.ToppingLoad(2), 0.0);

    m.SlabTypeName(1) = "P27";
    addSlabType(m, "P27", 275);  // a second P27 record
    ComputeToppingLoad(m);
    EXPECT_NEAR(m.ToppingLoad(2), 0.0, 1e-12);  // both sides read 275
    EXPECT_NEAR(m.ToppingLoad(1), 0.0, 1e-12);
}

}  // namespace
}  // namespace quorvel::model
