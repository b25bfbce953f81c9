#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "app/beam_position.h"
#include "app/beam_types.h"
#include "app/geometry_checks.h"
#include "model/project_defaults.h"
#include "model/project_model.h"

using namespace quorvel;
using app::findBeamType;
using model::ProjectModel;

namespace {

// A middle-beam project with distinct left and right values, as a user
// might leave it before changing the beam type.
ProjectModel project() {
    ProjectModel m;
    m.IsMiddleBeam = 1;
    m.BeamSpan = 7000;
    for (int s = 1; s <= 2; ++s) {
        m.BeamSpacing(s, 1) = 6000 + 100 * s;
        m.BeamSpacing(s, 2) = 6500 + 100 * s;
        m.SlabImposedLoadPermanent(s) = 0.5 * s;
        m.SlabImposedLoadVariable(s) = 2.0 * s;
        m.SlabTypeName(s) = "P27";
    }
    return m;
}

void select(ProjectModel& m, const char* typeName) {
    const auto* type = findBeamType(typeName);
    ASSERT_NE(type, nullptr) << typeName;
    app::SelectBeamType(m, *type);
}

}  // namespace

TEST(BeamTypes, FifteenTypesWithTheirFamilyCodesAndCategories) {
    const auto types = app::BeamTypes();
    ASSERT_EQ(types.size(), 15u);
    std::set<std::string_view> options;
    for (const auto& t : types) {
        SCOPED_TRACE(std::string(t.typeName));
        options.insert(t.option);
        ProjectModel m = project();
        app::SelectBeamType(m, t);
        EXPECT_EQ(m.BeamTypeName, t.typeName);
        EXPECT_EQ(m.BeamFamilyCode(), model::FamilyCode(t.family));  // the code is the first two letters, upper-cased
        EXPECT_EQ(m.BeamCategory.number(), t.category);
    }
    EXPECT_EQ(options.size(), 15u);
    EXPECT_EQ(findBeamType("Apalkki")->family, model::BeamFamily::AP);
    EXPECT_EQ(findBeamType("ABeamS")->family, model::BeamFamily::AB);
    EXPECT_EQ(findBeamType("KEMO_UUSI")->dialog, "FrmLB");  // the crossed pair
    EXPECT_EQ(findBeamType("LBL")->dialog, "FrmKemo");
    EXPECT_EQ(app::findBeamTypeByFamily(model::BeamFamily::JA)->typeName, "JALO");
    EXPECT_EQ(findBeamType("HX"), nullptr);  // no option in the window
}

TEST(BeamTypes, DefaultsOfSelectedTypes) {
    ProjectModel m = project();
    select(m, "SUORA");
    EXPECT_EQ(m.OverallBeamHeight.number(), 580);
    EXPECT_EQ(m.JointGroutWidth(1).number(), 155 - 65);
    EXPECT_EQ(m.SlabBottomGap(2).number(), 10);
    EXPECT_EQ(m.DowelsOnBeamTop, 0);
    EXPECT_EQ(m.SlabsOnLedge, 0);

    select(m, "BLEUKA");
    EXPECT_EQ(m.BeamWidth.number(), 280);
    EXPECT_EQ(m.RightLedgeDepth.number(), 150);
    EXPECT_EQ(m.JointGroutWidth(2).number(), 115 - 65);
    EXPECT_EQ(m.DowelledConnection, 1);
    EXPECT_EQ(m.BarDistanceFromBottom(5).number(), 13 + 25 * 5);
    EXPECT_EQ(m.BarPrestress(3).number(), 0.001);

    select(m, "MEK");
    EXPECT_EQ(m.WebThickness.number(), 7.5);
    EXPECT_EQ(m.CoreFillingLength(1).number(), 185);
    EXPECT_EQ(m.SteelBeamRebarModulus.number(), 210000);
    EXPECT_EQ(m.ConcreteQualityClass(2).number(), 2);
    EXPECT_EQ(m.ConcreteQualityClass(1).number(), 3);  // left by clearing the beam
    EXPECT_EQ(m.SteelBeamBarDistance(10).number(), 250 + 12 * 9);

    // ABeamS derives the support length from the ledge: 130 - 20.
    select(m, "ABeamS");
    EXPECT_EQ(m.JointGroutWidth(1).number(), 20);
    EXPECT_EQ(m.SlabSupportLength(1).number(), 110);
    EXPECT_EQ(m.SlabSupportLength(2).number(), 110);
    EXPECT_EQ(m.LeftLedgeHeight.number(), 6);  // = WebThickness
    EXPECT_EQ(m.LowerHoleSpacing.number(), 1200);
    // Clearing first: nothing of the MEK section stays behind.
    EXPECT_EQ(m.InnerProfileHeight.number(), 0);

    select(m, "KVATRO");
    EXPECT_EQ(m.ReinforcementRowCount, 1);  // rows 1 and 2 are filled behind the count of 1
    EXPECT_EQ(m.BarDistanceFromBottom(2).number(), 217);
    EXPECT_NEAR(m.BarArea(1).number(), 3.14159265358979 * 16 * 16, 1e-9);

    select(m, "KEMO_UUSI");
    EXPECT_EQ(m.ReinforcementRowCount, 3);
    EXPECT_EQ(m.BarsInRow(3), 2);
    EXPECT_EQ(m.BarDistanceFromBottom(3).number(), 40 + 13 * 2);
    EXPECT_EQ(m.TopBarDistanceFromBottom(1).number(), 8 + 265 - 30);  // BottomFlangeThickness + BeamHeight - 30
}

TEST(BeamTypes, ApalkkiTopRowsSitByTheirBarDiameter) {
    ProjectModel m = project();
    select(m, "Apalkki");
    // d = sqrt(4 * 314 / 3.14159) = 19.995 mm.
    const double d = std::sqrt(4 * 314 / 3.14159);
    EXPECT_EQ(m.TopBarDistanceFromTop(1).number(), 10);  // Int(d/2 + 0.5)
    EXPECT_EQ(m.TopBarDistanceFromTop(2).number(), 25);  // Int(15 + d/2 + 0.5)
    EXPECT_EQ(m.TopBarDistanceFromBottom(1).number(), 15 + 245 + 10);
    EXPECT_EQ(m.TopBarDistanceFromBottom(2).number(), 15 + 245 - 15 - 25);
    EXPECT_NEAR(m.OverallBeamHeight.number(), 245 + d, 1e-3);
    EXPECT_TRUE(m.OverallBeamHeight.isSingle());
    EXPECT_EQ(m.TopFlangeThickness.number(), 15);  // = WebThickness
    EXPECT_EQ(m.RightLedgeHeight.number(), 15);    // = LeftLedgeHeight = BottomFlangeThickness
    EXPECT_EQ(m.SteelBeamRebarRowCount, 0);
}

TEST(BeamTypes, OnlyMekAndSuperChangeTheSpan) {
    for (const auto& t : app::BeamTypes()) {
        ProjectModel m = project();
        app::SelectBeamType(m, t);
        const double expected = t.typeName == "MEK" ? 6850 : t.typeName == "BESUPER" ? 6000 : 7000;
        EXPECT_EQ(m.BeamSpan.number(), expected) << t.typeName;
    }
}

TEST(BeamTypes, TypeChangeOnAnEdgeBeamKeepsTheEdgeState) {
    ProjectModel m = project();
    select(m, "SUORA");
    app::SetEdgeBeam(m);
    select(m, "BLEUKA");
    EXPECT_EQ(m.IsMiddleBeam, 0);
    EXPECT_EQ(m.JointGroutWidth(1).number(), 0);
    EXPECT_EQ(m.BeamSpacing[4].number(), 0);
    EXPECT_EQ(m.BeamSpacing[7].number(), 0);
    EXPECT_EQ(m.SlabImposedLoadVariable(1).number(), 0);
    EXPECT_EQ(m.JointGroutWidth(2).number(), 50);

    // SUORA edge beam to TI: the SUORA half width (190) comes off, the TI
    // default 85 is written, the TI half width (150) goes on: 235.
    m = project();
    select(m, "SUORA");
    app::SetEdgeBeam(m);
    EXPECT_EQ(m.JointGroutWidth(2).number(), 90 + 190);
    select(m, "TI");
    EXPECT_EQ(m.JointGroutWidth(2).number(), 85 + 150);
}

TEST(BeamPosition, HalfWidthShiftOfSuoraAndTi) {
    ProjectModel m = project();
    select(m, "SUORA");
    app::SetEdgeBeam(m);
    EXPECT_EQ(m.JointGroutWidth(2).number(), 280);
    EXPECT_EQ(m.JointGroutWidth(1).number(), 0);
    app::SetMiddleBeam(m);
    EXPECT_EQ(m.JointGroutWidth(2).number(), 90);
    EXPECT_EQ(m.JointGroutWidth(1).number(), 90);

    select(m, "TI");
    app::SetEdgeBeam(m);
    EXPECT_EQ(m.JointGroutWidth(2).number(), 85 + 150);
    app::SetMiddleBeam(m);
    EXPECT_EQ(m.JointGroutWidth(2).number(), 85);

    select(m, "HQ");
    app::SetEdgeBeam(m);
    EXPECT_EQ(m.JointGroutWidth(2).number(), 35);
    app::SetMiddleBeam(m);
    EXPECT_EQ(m.JointGroutWidth(1).number(), 35);
}

TEST(BeamPosition, MiddleSwitchCopiesTheRightSideAndSetsTheLbProjection) {
    ProjectModel m = project();
    select(m, "LBL");
    m.SlabSupportLength(2) = 90;
    m.SlabSupportLength(1) = 70;
    m.CoreFillingLength(1) = 33;
    app::SetEdgeBeam(m);
    EXPECT_EQ(m.SlabSupportLength(1).number(), 70);  // kept while the left side is hidden
    EXPECT_EQ(m.CoreFillingLength(1).number(), 33);
    app::SetMiddleBeam(m);
    EXPECT_EQ(m.BottomFlangeWidth.number(), 680);  // projection already 100
    EXPECT_EQ(m.SlabSupportLength(1).number(), 90);
    EXPECT_EQ(m.BeamSpacing[4].number(), m.BeamSpacing[5].number());
    EXPECT_EQ(m.BeamSpacing[7].number(), m.BeamSpacing[8].number());
    EXPECT_EQ(m.SlabImposedLoadPermanent(1).number(), m.SlabImposedLoadPermanent(2).number());
    EXPECT_EQ(m.CoreFillingLength(1).number(), 33);

    m.LeftLedgeWidth = 150;
    app::SetMiddleBeam(m);
    EXPECT_EQ(m.BottomFlangeWidth.number(), 630);
    EXPECT_EQ(m.LeftLedgeWidth.number(), 100);
}

namespace {

// A new A beam passes its own geometry check: the check compares the slab
// bearing with the beam width and the bottom rows with the overall height,
// which the A beams do not enter. ABeamS: width = bottom plate 400 against
// 2 x (110 + 20) = 260 of bearing; height = 265 + 6 (ledge plate) = 271.
// Apalkki: width = its bottom plate.
TEST(BeamTypes, ANewABeamPassesItsGeometryCheck) {
    for (const char* name : {"ABeamS", "Apalkki"}) {
        SCOPED_TRACE(name);
        quorvel::model::ProjectModel m;
        quorvel::model::ResetProjectDefaults(m);
        quorvel::app::SelectBeamType(m, *quorvel::app::findBeamType(name));
        EXPECT_EQ(m.BeamWidth.number(), m.BottomFlangeWidth.number());
        std::string lines;
        int16_t found = 0;
        quorvel::app::CollectInputContradictions(m, lines, found);
        EXPECT_EQ(lines, "");
    }
    quorvel::model::ProjectModel m;
    quorvel::model::ResetProjectDefaults(m);
    quorvel::app::SelectBeamType(m, *quorvel::app::findBeamType("ABeamS"));
    EXPECT_EQ(m.OverallBeamHeight.number(), 271);
}

}  // namespace
