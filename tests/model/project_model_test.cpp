#include "model/project_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <type_traits>

namespace quorvel::model {
namespace {

// The error number a call raises, 0 when it raises none.
int errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const runtime::RunTimeError& e) {
        return e.number();
    }
    return 0;
}

template <typename Range>
bool allEmpty(const Range& r) {
    return std::all_of(r.begin(), r.end(), [](const Value& v) { return v.isEmpty(); });
}

TEST(ProjectModel, ElementNumbersOfTheFlatLayouts) {
    ProjectModel m;
    // (side, end): side + 3 * end.
    m.BeamSpacing(1, 1) = 1100;
    m.BeamSpacing(2, 1) = 2100;
    m.BeamSpacing(1, 2) = 1200;
    m.BeamSpacing(2, 2) = 2200;
    EXPECT_EQ(m.BeamSpacing[4].number(), 1100);  // left, start
    EXPECT_EQ(m.BeamSpacing[5].number(), 2100);  // right, start
    EXPECT_EQ(m.BeamSpacing[7].number(), 1200);  // left, end
    EXPECT_EQ(m.BeamSpacing[8].number(), 2200);  // right, end
    EXPECT_TRUE(m.BeamSpacing[6].isEmpty());     // side 0 is not a side

    // (side, hole) and (side, k) share the layout.
    m.HoleX(2, 1) = 500;
    EXPECT_EQ(m.HoleX[5].number(), 500);
    m.StrandBondStrength(1, 2) = 3.5;
    EXPECT_EQ(m.StrandBondStrength[7].number(), 3.5);

    // (point, stage): point + 51 * stage.
    m.BeamMomentChar(0, 1) = 1.0;
    m.BeamMomentChar(37, 6) = 2.0;
    m.BeamMomentChar(50, 6) = 3.0;
    EXPECT_EQ(m.BeamMomentChar[51].number(), 1.0);
    EXPECT_EQ(m.BeamMomentChar[37 + 51 * 6].number(), 2.0);
    EXPECT_EQ(m.BeamMomentChar[356].number(), 3.0);  // the last element

    // (side, point): side + 3 * point.
    m.SlabDesignShear(2, 50) = 4.0;
    EXPECT_EQ(m.SlabDesignShear[152].number(), 4.0);

    // (load, side): load + 6 * side.
    m.SlabLineLoadG(3, 2) = 5.0;
    m.SlabPointLoadY(5, 1) = 6.0;
    EXPECT_EQ(m.SlabLineLoadG[15].number(), 5.0);
    EXPECT_EQ(m.SlabPointLoadY[11].number(), 6.0);

    // (kind, load): kind + 3 * load.
    m.BeamPointLoad(1, 1) = 7.0;
    m.BeamPointLoad(2, 5) = 8.0;
    EXPECT_EQ(m.BeamPointLoad[4].number(), 7.0);
    EXPECT_EQ(m.BeamPointLoad[17].number(), 8.0);
}

TEST(ProjectModel, LayoutsOfDifferentShapeCannotBeMixed) {
    static_assert(!std::is_same_v<SidePointArray, PointStageArray>);
    static_assert(!std::is_same_v<LoadSideArray, KindLoadArray>);
    // The spacing tables copy into each other (the driver keeps and restores them).
    static_assert(std::is_same_v<decltype(ProjectModel::EnteredBeamSpacing),
                                 decltype(ProjectModel::BeamSpacing)>);
    static_assert(std::is_same_v<decltype(ProjectModel::AnalysedBeamSpacing),
                                 Array2<float, 0, 2, 0, 2>>);
}

TEST(ProjectModel, FreshModelIsEmpty) {
    ProjectModel m;
    EXPECT_TRUE(m.BeamSpan.isEmpty());
    EXPECT_TRUE(m.BeamCategory.isEmpty());
    EXPECT_EQ(m.BeamSpan + 0.0, 0.0);  // empty counts as zero
    EXPECT_TRUE(allEmpty(m.BeamSpacing));
    EXPECT_TRUE(allEmpty(m.BeamMomentChar));
    EXPECT_TRUE(allEmpty(m.UnitWeightByKind));
    // Fixed values of the calculation are set by the calculation, not here.
    EXPECT_TRUE(m.SteelModulus.isEmpty());
    EXPECT_TRUE(m.PrestressPartialFactor.isEmpty());
    EXPECT_TRUE(m.StirrupYieldStrength.isEmpty());

    EXPECT_EQ(m.ReinforcementRowCount, 0);
    EXPECT_EQ(m.BeamPointLoadCount, 0);
    EXPECT_EQ(m.CalculationPointCount, 0);
    EXPECT_EQ(m.SlabTypeCount, 0);
    EXPECT_EQ(m.SlabCatalogue.size(), 0);
    EXPECT_EQ(m.IsMiddleBeam, 0);
    EXPECT_EQ(m.ResultsValid, 0);
    EXPECT_EQ(m.BarsInRow(10), 0);
    EXPECT_TRUE(std::all_of(m.CalculationStatus.begin(), m.CalculationStatus.end(),
                            [](int16_t s) { return s == 0; }));

    EXPECT_EQ(m.DataPath, "");
    EXPECT_EQ(m.SlabTypeName(2), "");
    EXPECT_EQ(m.BottomStrandType(1), "");
}

TEST(ProjectModel, BoundsAreAsGiven) {
    ProjectModel m;
    // Reinforcement rows 0..10.
    EXPECT_EQ(errorOf([&] { m.BarArea(10) = 201; }), 0);
    EXPECT_EQ(errorOf([&] { m.BarArea(11) = 201; }), 9);
    EXPECT_EQ(errorOf([&] { m.TopBarsInRow(11) = 2; }), 9);
    EXPECT_EQ(errorOf([&] { m.BarArea(-1) = 201; }), 9);
    // Unit weights 0..9, concrete kinds 0..6.
    EXPECT_EQ(errorOf([&] { m.UnitWeightByKind(9) = 25e-6; }), 0);
    EXPECT_EQ(errorOf([&] { m.UnitWeightByKind(10) = 25e-6; }), 9);
    EXPECT_EQ(errorOf([&] { m.ConcreteFcd(6) = 20; }), 0);
    EXPECT_EQ(errorOf([&] { m.ConcreteFcd(7) = 20; }), 9);
    // Calculation points 0..50, load stages 0..6.
    EXPECT_EQ(errorOf([&] { m.CalculationPointX(50) = 6000; }), 0);
    EXPECT_EQ(errorOf([&] { m.CalculationPointX(51) = 6000; }), 9);
    EXPECT_EQ(errorOf([&] { m.BeamShearDesign(50, 7) = 1; }), 9);
    EXPECT_EQ(errorOf([&] { m.BeamShearDesign[357] = 1; }), 9);
    EXPECT_EQ(errorOf([&] { m.SlabEdgeShearFlow(50, 2, 2) = 1; }), 0);
    EXPECT_EQ(errorOf([&] { m.SlabEdgeShearFlow(51, 2, 2) = 1; }), 9);
    // Per side and end: the single element number stops at 8.
    EXPECT_EQ(errorOf([&] { m.BeamSpacing[9] = 1; }), 9);
    EXPECT_EQ(errorOf([&] { m.HoleY(2, 3) = 1; }), 9);
    // Slab loads 1..5 per side, beam point loads 1..5 per kind.
    EXPECT_EQ(errorOf([&] { m.SlabPointLoadQ(6, 1) = 1; }), 9);
    EXPECT_EQ(errorOf([&] { m.BeamPointLoad(3, 1) = 1; }), 9);
    EXPECT_EQ(errorOf([&] { m.BeamPointLoadX(5) = 1; }), 0);
    EXPECT_EQ(errorOf([&] { m.BeamPointLoadX(6) = 1; }), 9);
    // Part slots 0..20, section stages 0..10, equivalent loads 0..12, status 0..10.
    EXPECT_EQ(errorOf([&] { m.PartArea(20) = 1; }), 0);
    EXPECT_EQ(errorOf([&] { m.PartArea(21) = 1; }), 9);
    EXPECT_EQ(errorOf([&] { m.SectionCentroid(11) = 1; }), 9);
    EXPECT_EQ(errorOf([&] { m.PrestressEquivalentLoads(12) = 1; }), 0);
    EXPECT_EQ(errorOf([&] { m.PrestressEquivalentLoads(13) = 1; }), 9);
    EXPECT_EQ(errorOf([&] { m.CalculationStatus(10) = 62; }), 0);
    EXPECT_EQ(errorOf([&] { m.CalculationStatus(11) = 62; }), 9);
    EXPECT_EQ(errorOf([&] { m.GoverningSide(3) = 1; }), 0);
    EXPECT_EQ(errorOf([&] { m.GoverningSide(4) = 1; }), 9);
}

TEST(ProjectModel, SlabCatalogueRecordsRunFromOne) {
    ProjectModel m;
    EXPECT_EQ(errorOf([&] { (void)m.SlabCatalogue(1); }), 9);
    SlabTypeRecord r;
    r.Name = "O265";
    r.Thickness = 265.0f;
    r.StrandCount = 1;
    r.StrandNames(0) = "6";
    EXPECT_EQ(errorOf([&] { r.StrandNames(20) = "20"; }), 0);
    EXPECT_EQ(errorOf([&] { r.StrandNames(21) = "21"; }), 9);
    m.SlabCatalogue.append(r);
    m.SlabTypeCount = static_cast<int16_t>(m.SlabCatalogue.size());
    EXPECT_EQ(m.SlabCatalogue(1).Name, "O265");
    EXPECT_EQ(m.SlabCatalogue(1).StrandNames(0), "6");
    EXPECT_EQ(errorOf([&] { (void)m.SlabCatalogue(0); }), 9);
    EXPECT_EQ(errorOf([&] { (void)m.SlabCatalogue(2); }), 9);
}

TEST(ProjectModel, BeamTypeFields) {
    ProjectModel m;
    m.BeamCategory = 5;  // family SX, carried only by input files
    EXPECT_EQ(m.BeamCategory.number(), 5);
    EXPECT_EQ(m.BeamCategory.kind(), runtime::NumberKind::Integer);

    m.BeamTypeName = "KEMO_UUSI";
    EXPECT_EQ(m.BeamFamilyCode(), "KE");
    m.BeamTypeName = "Apalkki";
    EXPECT_EQ(m.BeamFamilyCode(), "AP");
    m.BeamTypeName = "ABeamS";
    EXPECT_EQ(m.BeamFamilyCode(), "AB");
    m.BeamTypeName = "";
    EXPECT_EQ(m.BeamFamilyCode(), "");
}

}  // namespace
}  // namespace quorvel::model
