#include "model/project_defaults.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "support/model_support.h"

namespace quorvel::model {
namespace {

using quorvel::testing::addSlabType;

TEST(ResetProjectDefaults, DefaultSlabTypeIsTheFirstStrictlyBetween260And270) {
    ProjectModel m;
    addSlabType(m, "P20", 200, {"6S"});
    addSlabType(m, "P27", 265, {"8", "10"});
    addSlabType(m, "P27X", 268, {"12"});
    ResetProjectDefaults(m);
    for (int s = 1; s <= 2; ++s) {
        EXPECT_EQ(m.SlabTypeName(s), "P27");
        EXPECT_EQ(m.BottomStrandCode(s), "8");  // its first designation replaces "6"
        EXPECT_EQ(m.TopStrandCode(s), "0");
    }

    ProjectModel bounds;
    addSlabType(bounds, "A260", 260, {"4"});
    addSlabType(bounds, "B270", 270, {"5"});
    ResetProjectDefaults(bounds);
    EXPECT_EQ(bounds.SlabTypeName(1), "A260");  // both bounds excluded: the first record
    EXPECT_EQ(bounds.BottomStrandCode(2), "4");
}

TEST(ResetProjectDefaults, TypeWithoutStrandsAndEmptyCatalogueLeaveDefinedValues) {
    ProjectModel m;
    addSlabType(m, "P27", 265, {});
    ResetProjectDefaults(m);
    EXPECT_EQ(m.SlabTypeName(1), "P27");
    EXPECT_EQ(m.BottomStrandCode(1), "");

    ProjectModel empty;
    empty.SlabTypeName(1) = "OLD";
    ResetProjectDefaults(empty);
    EXPECT_EQ(empty.SlabTypeName(1), "");
    EXPECT_EQ(empty.SlabTypeName(2), "");
    EXPECT_EQ(empty.BottomStrandCode(1), "6");
}

TEST(ResetProjectDefaults, AllTenReinforcementRowsAreFilledWithOneInUse) {
    ProjectModel m;
    addSlabType(m, "P27", 265, {"8"});
    ResetProjectDefaults(m);
    EXPECT_EQ(m.ReinforcementRowCount, 1);
    for (int r = 1; r <= 10; ++r) {
        EXPECT_EQ(m.BarsInRow(r), 4);
        EXPECT_DOUBLE_EQ(m.BarArea(r), 491);
        EXPECT_DOUBLE_EQ(m.BarDistanceFromBottom(r), 38 + 25 * (r - 1));
        EXPECT_DOUBLE_EQ(m.SteelBeamBarPrestress(r), 0.001);
    }
    EXPECT_DOUBLE_EQ(m.BarDistanceFromBottom(2), 63);
    EXPECT_DOUBLE_EQ(m.BarDistanceFromBottom(10), 263);
}

TEST(ResetProjectDefaults, NumbersKeepTheKindTheyAreWrittenIn) {
    ProjectModel m;
    addSlabType(m, "P27", 265, {"8"});
    ResetProjectDefaults(m);
    // Written without a decimal point: integers; with one: doubles. The kind
    // decides how the value is written to the project file.
    EXPECT_EQ(m.StrandInitialStress(1).kind(), runtime::NumberKind::Integer);
    EXPECT_EQ(m.StrandPrestressLoss(2).kind(), runtime::NumberKind::Double);
    EXPECT_EQ(m.ConsequenceClassFactorKfi.kind(), runtime::NumberKind::Double);
    EXPECT_EQ(m.BeamSpan.kind(), runtime::NumberKind::Integer);
    EXPECT_DOUBLE_EQ(m.StrandInitialStress(1), 900);
    EXPECT_DOUBLE_EQ(m.StrandPrestressLoss(2), 0.2);
}

TEST(ResetProjectDefaults, SetsTheProjectAndKeepsTheSessionFields) {
    ProjectModel m;
    addSlabType(m, "P27", 265, {"8"});
    m.IsMiddleBeam = 1;
    m.LanguageIndex = 1;
    m.DataPath = "/data/";
    m.SlabFileName = "OMA.MIT";
    m.InputFilePath = "/p/a.dat";
    m.TitleLine1 = "Vanha";
    m.InputChanged = -1;
    m.InputSaved = -1;
    m.BeamTypeName = "DELTA";
    m.ResultsValid = -1;
    ResetProjectDefaults(m);

    EXPECT_EQ(m.IsMiddleBeam, 1);
    EXPECT_EQ(m.LanguageIndex, 1);
    EXPECT_EQ(m.DataPath, "/data/");
    EXPECT_EQ(m.SlabFileName, "OMA.MIT");
    EXPECT_EQ(m.ResultsValid, -1);  // results are cleared by MarkInputChanged, not here
    EXPECT_EQ(m.InputFilePath, "");
    EXPECT_EQ(m.TitleLine1, "");
    EXPECT_EQ(m.InputChanged, 0);
    EXPECT_EQ(m.InputSaved, 0);
    EXPECT_EQ(m.BeamLibraryFileName, "0.MIT");
    EXPECT_EQ(m.BeamTypeName, "SUORA");
    EXPECT_DOUBLE_EQ(m.BeamCategory, 2);
    EXPECT_DOUBLE_EQ(m.BeamSpacing(1, 1), 7200);
    EXPECT_DOUBLE_EQ(m.BeamSpacing(2, 2), 7200);
    EXPECT_DOUBLE_EQ(m.SlabSupportLength(2), 65);
    EXPECT_DOUBLE_EQ(m.ConcreteQualityClass(3), 2);
    EXPECT_DOUBLE_EQ(m.ConcreteQualityClass(4), 1);
    EXPECT_DOUBLE_EQ(m.SlabImposedLoadVariable(1), 2.5);
    EXPECT_DOUBLE_EQ(m.PartialFactorPermanent, 1.15);
    EXPECT_DOUBLE_EQ(m.SlabSelfWeightFactor(2), 1.15);
}

TEST(ResetProjectDefaults, ToppingLoadIsFormedBeforeTheBeamTypeIsReset) {
    // The previous project's JALO beam with its ledges still counts when the
    // topping load is formed: left ledge 100, right 150 -> 50 mm step.
    ProjectModel m;
    addSlabType(m, "P27", 265, {"8"});
    m.IsMiddleBeam = 1;
    m.BeamTypeName = "JALO";
    m.LeftLedgeHeight = 100;
    m.RightLedgeHeight = 150;
    m.ToppingThickness = 80;
    ResetProjectDefaults(m);
    EXPECT_DOUBLE_EQ(m.ToppingThickness, 0);
    EXPECT_DOUBLE_EQ(m.ToppingLoad(1), 1.25);  // 0.025 x 50, no topping
    EXPECT_DOUBLE_EQ(m.ToppingLoad(2), 0.0);
}

TEST(ResetProjectDefaults, ClearsEveryLoadAndHole) {
    ProjectModel m;
    addSlabType(m, "P27", 265, {"8"});
    m.SlabLineLoadG(5, 2) = 3;
    m.SlabPointLoadY(0, 0) = 1;
    m.HoleX(2, 2) = 400;
    m.HoleCount(1) = 2;
    m.BeamPointLoad(2, 5) = 10;
    m.BeamPointLoadCount = 3;
    m.SupportMomentEndVariable = -12;
    ResetProjectDefaults(m);
    EXPECT_DOUBLE_EQ(m.SlabLineLoadG(5, 2), 0);
    EXPECT_FALSE(m.SlabPointLoadY(0, 0).isEmpty());
    EXPECT_DOUBLE_EQ(m.HoleX(2, 2), 0);
    EXPECT_EQ(m.HoleCount(1), 0);
    EXPECT_DOUBLE_EQ(m.BeamPointLoad(2, 5), 0);
    EXPECT_EQ(m.BeamPointLoadCount, 0);
    EXPECT_DOUBLE_EQ(m.SupportMomentEndVariable, 0);
}

TEST(ClearBeamDefinition, ZeroesTheBeamButSetsConcreteClassCodesTo3) {
    ProjectModel m;
    addSlabType(m, "P27", 265, {"8"});
    ResetProjectDefaults(m);
    m.SteelStrength2 = 355;
    m.TopBarPrestress(10) = 1000;
    m.SteelBeamRebarRowCount = 4;
    m.SlabsOnLedge = 1;
    m.WebThickness = 12;
    ClearBeamDefinition(m);

    EXPECT_DOUBLE_EQ(m.ConcreteQualityClass(1), 3);
    EXPECT_DOUBLE_EQ(m.ConcreteQualityClass(2), 3);
    EXPECT_EQ(m.BeamTypeName, "");
    EXPECT_DOUBLE_EQ(m.BeamCategory, 0);
    EXPECT_DOUBLE_EQ(m.BeamWidth, 0);
    EXPECT_DOUBLE_EQ(m.BeamConcreteClass, 0);
    EXPECT_DOUBLE_EQ(m.ReinforcementModulus, 0);
    EXPECT_EQ(m.ReinforcementRowCount, 0);
    EXPECT_EQ(m.SteelBeamRebarRowCount, 0);
    EXPECT_EQ(m.SlabsOnLedge, 0);
    EXPECT_EQ(m.BarsInRow(1), 0);
    EXPECT_DOUBLE_EQ(m.BarArea(10), 0);
    EXPECT_DOUBLE_EQ(m.TopBarPrestress(10), 0);
    EXPECT_DOUBLE_EQ(m.WebThickness, 0);
    // Left alone: slab fields, loads, factors, the second and third steel grades.
    EXPECT_DOUBLE_EQ(m.SteelStrength2, 355);
    EXPECT_EQ(m.SlabTypeName(1), "P27");
    EXPECT_DOUBLE_EQ(m.ConcreteQualityClass(3), 2);
    EXPECT_DOUBLE_EQ(m.SlabImposedLoadVariable(2), 2.5);
    EXPECT_DOUBLE_EQ(m.PartialFactorVariable, 1.5);
}

}  // namespace
}  // namespace quorvel::model
