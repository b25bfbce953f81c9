// The steps of the beam block on models set up by hand: the slab fields'
// loads as beam line loads, the stations of the slab checks drawn into the
// zero-moment zone, the beam maxima over the whole span, the shear design of
// the beam and the shear flows at the slab edges.

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/analysis_setup.h"
#include "analysis/beam_block.h"
#include "library/beam_actions.h"
#include "library/slab_loads.h"
#include "support/test_support.h"

using namespace quorvel::analysis;
using quorvel::model::ProjectModel;
using quorvel::testing::errorOf;

namespace {

constexpr double gG = 1.35, gQ = 1.5;

// A middle beam with 265 mm slabs on its top on both sides.
ProjectModel middleBeam() {
    ProjectModel m;
    m.BeamTypeName = "SUORA";
    m.BeamCategory = 2;
    m.SlabsOnLedge = 0;
    m.BeamWidth = 400;
    m.OverallBeamHeight = 500;
    m.PermanentLoadFactorKfi = gG;
    m.VariableLoadFactorKfi = gQ;
    m.SlabSideCount = 2;
    for (int s = 1; s <= 2; ++s) {
        m.SlabSidePresent(s) = 1;
        m.JointGroutWidth(s) = 30;
        m.SlabHeight(s) = 265;
        m.SlabUnitWidth(s) = 1200;
        m.SlabWidthDeduction(s) = 30;
        m.SlabSectionValueA(s) = 180000;  // concrete
        m.SlabArea(s) = 184000;           // with the strands transformed
        m.SlabBottomLevel(s) = 500;  // on the beam top
    }
    m.UnitWeightByKind(6) = 2.5e-5;
    return m;
}

}  // namespace

TEST(BeamLineLoads, SlabAreaLoadsBecomeLineLoadsAtBothBeamEnds) {
    ProjectModel m = middleBeam();
    AnalysisRun run;
    // Left slabs span 7200 mm at both beam ends, the right ones 7200 at the
    // start and 6000 at the end.
    for (int e = 1; e <= 2; ++e) m.BeamSpacing(1, e) = 7200;
    m.BeamSpacing(2, 1) = 7200;
    m.BeamSpacing(2, 2) = 6000;
    for (int s = 1; s <= 2; ++s) {
        m.SlabSelfWeight(s) = 3.6;
        m.SlabImposedLoadPermanent(s) = 0.5;
        m.SlabImposedLoadVariable(s) = 2.5;
        m.SlabSelfWeightDesign(s) = 3.6 * gG;
        m.ToppingLoadDesign(s) = 0;
        m.SlabImposedLoadPermanentDesign(s) = 0.5 * gG;
        m.SlabImposedLoadVariableDesign(s) = 2.5 * gQ;
    }
    m.ToppingLoad(1) = 1.2;
    m.ToppingLoad(2) = 2.0;
    formBeamLineLoads(m, run);

    // Half the slab spans carried by the beam: 3.6 m, and 3.0 m at the end
    // of the right field. Joint strip W = (30 + 30) mm = 0.06 m.
    // Self weight (slabs only): start 3.6 (3.6 + 3.6) = 25.92 kN/m,
    //                          end   3.6 (3.6 + 3.0) = 23.76 kN/m.
    EXPECT_NEAR(m.SlabSelfWeightLineLoad(1), 25.92, 1e-9);
    EXPECT_NEAR(m.SlabSelfWeightLineLoad(2), 23.76, 1e-9);
    EXPECT_NEAR(m.SlabSelfWeightLineLoadDesign(1), 25.92 * gG, 1e-9);
    // Topping: the strip carries the larger of the two sides' loads.
    // start 0.06 * 2.0 + 1.2 * 3.6 + 2.0 * 3.6 = 11.64 kN/m
    // end   0.06 * 2.0 + 1.2 * 3.6 + 2.0 * 3.0 = 10.44 kN/m
    EXPECT_NEAR(m.ToppingLineLoad(1), 11.64, 1e-9);
    EXPECT_NEAR(m.ToppingLineLoad(2), 10.44, 1e-9);
    // Imposed variable: 2.5 (0.06 + 7.2) = 18.15; end 2.5 (0.06 + 6.6) = 16.65.
    EXPECT_NEAR(m.ImposedVariableLineLoad(1), 18.15, 1e-9);
    EXPECT_NEAR(m.ImposedVariableLineLoad(2), 16.65, 1e-9);
    EXPECT_NEAR(m.ImposedVariableLineLoadDesign(2), 16.65 * gQ, 1e-9);
    EXPECT_NEAR(m.ImposedPermanentLineLoadDesign(1), 0.5 * 7.26 * gG, 1e-9);
    EXPECT_EQ(m.ToppingLineLoadDesign(1), 0);

    // Slabs on ledges: the beam width joins the strip, W = 0.46 m.
    // Topping at the start: 0.46 * 2.0 + 1.2 * 3.6 + 2.0 * 3.6.
    m.SlabsOnLedge = 1;
    formBeamLineLoads(m, run);
    EXPECT_NEAR(m.ToppingLineLoad(1), 0.92 + 4.32 + 7.2, 1e-9);
    EXPECT_NEAR(m.SlabSelfWeightLineLoad(1), 25.92, 1e-9);  // never on the strip
}

TEST(BeamLineLoads, TributaryWidthsOfABeamWithAngleLegsAddUpToTheSpacing) {
    // A BE beam: slabs on the ledges of a 600 mm beam whose two angle legs
    // (8 mm each) also stand between the slab ends, so the clear spans lose
    // 600 + 16 mm and twice the grout (20 mm) of each side. The joint strip
    // over the beam takes the same 616 mm and the grout: per end
    //   0.5 (S1 - 40 - 616) + 0.5 (S2 - 40 - 616) + (20 + 20 + 616) = S
    // for equal spacings S1 = S2 = S. On 7.2 m: imposed 0.5 and 2.5 kN/m2
    // give 3.6 and 18.0 kN/m (the strip of the beam width alone would leave
    // 16 mm unloaded: 3.592 and 17.96); a 50 mm topping of 25 kN/m3,
    // 1.25 kN/m2, gives 9.0 (not 8.98). Spacings tapering from 6.0 m at the
    // start to 8.4 m at the end: 0.5 * 6.0 = 3.0 at the start (not 2.992)
    // and 0.5 * 8.4 = 4.2 at the end.
    ProjectModel m = middleBeam();
    m.BeamTypeName = "BESUPER";
    m.SlabsOnLedge = 1;
    m.BeamWidth = 600;
    m.WebThickness = 8;
    for (int s = 1; s <= 2; ++s) {
        m.JointGroutWidth(s) = 20;
        m.SlabImposedLoadPermanent(s) = 0.5;
        m.SlabImposedLoadVariable(s) = 2.5;
        m.ToppingLoad(s) = 0.05 * 25;
    }
    const struct {
        double start, end, permanentStart, permanentEnd;
    } cases[] = {{7200, 7200, 3.6, 3.6}, {6000, 8400, 3.0, 4.2}};
    for (const auto& c : cases) {
        for (int s = 1; s <= 2; ++s) {
            m.BeamSpacing(s, 1) = c.start;
            m.BeamSpacing(s, 2) = c.end;
        }
        quorvel::library::ComputeClearSlabSpans(m, m.SlabsOnLedge, m.TopFlangeWidth,
                                                SlabBearingWidth(m), m.JointGroutWidth,
                                                m.BeamSpacing, m.EnteredBeamSpacing);
        AnalysisRun run;
        formBeamLineLoads(m, run);
        EXPECT_NEAR(m.ImposedPermanentLineLoad(1), c.permanentStart, 1e-12) << c.start;
        EXPECT_NEAR(m.ImposedPermanentLineLoad(2), c.permanentEnd, 1e-12) << c.end;
        EXPECT_NEAR(m.ImposedVariableLineLoad(1), 5 * c.permanentStart, 1e-12) << c.start;
        EXPECT_NEAR(m.ToppingLineLoad(1), 2.5 * c.permanentStart, 1e-12) << c.start;
    }
}

TEST(BeamLineLoads, JointConcreteTakesTheCoreFillingInEffect) {
    // Per side, slabs on the beam top (joint depth = slab height 265 mm):
    //   joint      30 * 265                                =  7950 mm2
    //   cores      ((1200 - 30) 265 - 180000) / 1200 * lf  = 108.375 lf mm2
    // with lf at least 50 mm, from the slab's concrete area 180000 mm2: the
    // strands (the transformed area 184000) fill no core. Unit weight of the topping's concrete
    // 2.5e-5 N/mm3.
    ProjectModel m = middleBeam();
    m.LeftLedgeHeight = 480;
    m.RightLedgeHeight = 470;
    AnalysisRun run;
    formBeamLineLoads(m, run);  // no filling in effect: 50 mm counts
    const double perSide50 = 7950 + 108.375 * 50;
    EXPECT_NEAR(m.JointConcreteLineLoad, 2.5e-5 * 2 * perSide50, 1e-12);
    EXPECT_NEAR(m.JointConcreteLineLoadDesign, gG * 2.5e-5 * 2 * perSide50, 1e-12);
    EXPECT_EQ(m.LedgeHeightBySide(1), 480);
    EXPECT_EQ(m.LedgeHeightBySide(2), 470);

    // The re-run's filling (400 mm on the left) changes the load.
    run.ActiveCoreFillingLength(1) = 400;
    formBeamLineLoads(m, run);
    EXPECT_NEAR(m.JointConcreteLineLoad, 2.5e-5 * (2 * 7950 + 108.375 * (400 + 50)), 1e-12);
}

TEST(BeamStations, UniformStationsAndTheirErrors) {
    ProjectModel m;
    AnalysisRun run;
    m.BeamSpan = 6000;
    m.CalculationPointCount = 37;
    run.PointCoreFillingFlag(1, 5) = 1;
    run.PointCoreFillingFlag(2, 37) = 1;
    setUniformStations(m, &run);
    EXPECT_EQ(m.CalculationPointX(0), 0);
    EXPECT_NEAR(m.CalculationPointX(1), 6000.0 / 37, 1e-9);  // 162.16 mm
    EXPECT_NEAR(m.CalculationPointX(37), 6000, 1e-9);
    EXPECT_EQ(run.PointCoreFillingFlag(1, 5), 0);
    EXPECT_EQ(run.PointCoreFillingFlag(2, 37), 0);

    m.CalculationPointCount = 0;  // no stations to space: division by zero
    EXPECT_EQ(errorOf([&] { setUniformStations(m); }), 11);
}

TEST(BeamStations, TvlStationsCollapseOntoTheWebsInsideTheZeroMomentZone) {
    // Span 10 m, 10 intervals. Row 5 of the design moments hogs at both
    // ends: -30 at 0, +10 at 1000, +50 inside, +10 at 9000, -30 at 10000.
    // Zero points by linear interpolation: 0 + 30/40 * 1000 = 750 and
    // 9000 + 10/40 * 1000 = 9250; zone 8500 mm.
    ProjectModel m;
    AnalysisRun run;
    m.BeamSpan = 10000;
    m.CalculationPointCount = 10;
    setUniformStations(m, &run);
    const double row5[] = {-30, 10, 50, 50, 50, 50, 50, 50, 50, 10, -30};
    for (int i = 0; i <= 10; ++i) m.BeamMomentDesign(i, 5) = row5[i];

    // Slab units 1200 wide from the beam start (first joint at 0): edge
    // core distance 100, core spacing 200, core width 160, deduction 20,
    // 6 cores. Edge web at we = ((100 - 80) + 10) / 2 = 15, then
    // d1 = 100 + 100 - 15 = 185 to the next web: webs at 1200 k + 15, 200,
    // 400, 600, 800, 1000, 1185. First web at or after 750: 800; last not
    // beyond 9250: 8400 + 800 = 9200. Both 50 mm in: the first governs.
    for (int s = 1; s <= 2; ++s) {
        m.SlabUnitWidth(s) = 1200;
        m.SlabCoreCount(s) = 6;
        m.SlabCoreWidth(s) = 160;
        m.SlabEdgeCoreDistance(s) = 100;
        m.SlabCoreSpacing(s) = 200;
        m.SlabWidthDeduction(s) = 20;
    }
    m.FirstJointDistance = 0;
    placeStations(m, run);

    EXPECT_NEAR(m.ZeroMomentX(1), 750, 1e-9);
    EXPECT_NEAR(m.ZeroMomentX(2), 9250, 1e-9);
    EXPECT_NEAR(m.ZeroMomentSpan, 8500, 1e-9);
    EXPECT_NEAR(m.GoverningJointX, 800, 1e-9);
    for (int i = 0; i <= 10; ++i) EXPECT_EQ(run.CompositeMomentLine(i), row5[i]);
    // The stations of every slab check, tvl included, cover the whole
    // beam, whatever the moment: 0 moves onto the first web of the beam (15), 10000 is a web
    // (1200 * 8 + 400) and stays.
    EXPECT_NEAR(m.CalculationPointX(0), 15, 1e-9);
    EXPECT_NEAR(m.CalculationPointX(1), 1000, 1e-9);
    EXPECT_NEAR(m.CalculationPointX(9), 9000, 1e-9);
    EXPECT_NEAR(m.CalculationPointX(10), 10000, 1e-9);

    // Stations beyond n are not touched; the copy of row 5 always takes 51.
    m.BeamMomentDesign(50, 5) = 7;
    placeStations(m, run);
    EXPECT_EQ(run.CompositeMomentLine(50), 7);
}

namespace {

// A simply supported 7.2 m beam under a uniform permanent load (joint
// concrete) q = 20 kN/m and permanent end moments, on stations that the
// slab checks drew into 1000..6200 mm.
constexpr double L = 7200, q = 20;
constexpr double Ms = -150e6, Me = -90e6;  // Nmm, hogging

ProjectModel endMomentBeam() {
    ProjectModel m;
    m.BeamTypeName = "SUORA";
    m.BeamSpan = L;
    m.PermanentLoadFactorKfi = gG;
    m.VariableLoadFactorKfi = gQ;
    m.JointConcreteLineLoad = q;
    m.SupportMomentStartPermanent = Ms;
    m.SupportMomentEndPermanent = Me;
    m.CalculationPointCount = 36;
    for (int i = 0; i <= 36; ++i) {
        const double x = i * L / 36;
        m.CalculationPointX(i) = x < 1000 ? 1000 : x > 6200 ? 6200 : x;
    }
    quorvel::library::ComputeBeamMomentsAndShears(m);
    return m;
}

void actionsAndMaxima(ProjectModel& m) {
    quorvel::library::ComputeBeamMomentsAndShears(m);
    quorvel::library::FindBeamMaxima(m);
}

}  // namespace

TEST(BeamMaxima, TakenOverTheWholeSpanWithTheSupports) {
    ProjectModel m = endMomentBeam();
    const ProjectModel before = m;
    findBeamMaximaOverSpan(m, actionsAndMaxima);

    // Design shear at the start support (EN 1990: gG on every permanent
    // action): gG (q L / 2 + (Me - Ms) / L)
    //   = 1.35 (20 * 3600 + 60e6 / 7200) = 1.35 (72000 + 8333.3) = 108450 N.
    // On the collapsed stations the largest would have been at x = 1000:
    //   1.35 (72000 - 20 * 1000 + 8333.3) = 81450 N.
    EXPECT_NEAR(m.MaxShearStage6, gG * (q * L / 2 + (Me - Ms) / L), 1e-6);
    EXPECT_EQ(m.MaxShearStage6Station, 0);
    // Rows 3..5 hold the permanent end moments alone (the joint concrete is
    // in row 1): gG (Me - Ms) / L = 1.35 * 8333.3 = 11250 N.
    EXPECT_NEAR(m.MaxShearStage5, gG * (Me - Ms) / L, 1e-6);
    // Largest sagging moment: M(x) = q x (L - x) / 2 + Ms (1 - x/L) + Me x/L
    // is greatest where q (L/2 - x) + (Me - Ms)/L = 0, x = 3600 + 416.7 =
    // 4016.7 mm; the nearest uniform station is 20 * 200 = 4000 mm:
    //   20 * 4000 * 3200 / 2 - 150e6 * 0.4444 - 90e6 * 0.5556
    //   = 128e6 - 66.667e6 - 50e6 = 11.333e6 Nmm, times 1.35.
    const double x = 4000;
    const double M = q * x * (L - x) / 2 + Ms * (1 - x / L) + Me * x / L;
    // Within 100 Nmm for the rounding of the summed rows.
    EXPECT_NEAR(m.MaxDesignMoment, gG * M, 100);
    EXPECT_NEAR(m.MaxCharMoment, M, 100);
    EXPECT_EQ(m.MaxDesignMomentStation, 20);

    // The stations and tables of the slab checks are as they were.
    for (int i = 0; i <= 36; ++i) {
        EXPECT_EQ(m.CalculationPointX(i), before.CalculationPointX(i)) << i;
        for (int r = 0; r <= 6; ++r) {
            EXPECT_EQ(m.BeamMomentDesign(i, r), before.BeamMomentDesign(i, r));
            EXPECT_EQ(m.BeamMomentChar(i, r), before.BeamMomentChar(i, r));
            EXPECT_EQ(m.BeamShearDesign(i, r), before.BeamShearDesign(i, r));
        }
    }
    EXPECT_NEAR(m.CalculationPointX(0), 1000, 1e-9);
}

namespace {

// A concrete beam carrying the slabs on its top without dowels, checked for
// shear over the joints: joint grout 100 + 100 mm, depth 500 mm, slabs on
// both sides bearing 60 mm.
ProjectModel shearBeam(double V) {
    ProjectModel m;
    m.BeamTypeName = "SUORA";
    m.BeamCategory = 2;
    m.SlabsOnLedge = 0;
    m.DowelsOnBeamTop = 0;
    m.JointGroutWidth(1) = 100;
    m.JointGroutWidth(2) = 100;
    m.SolverReferenceDepth = 500;
    m.SlabSideCount = 2;
    m.SlabSidePresent(1) = m.SlabSidePresent(2) = 1;
    m.SlabSupportLength(1) = m.SlabSupportLength(2) = 60;
    m.ConcreteQualityClass(1) = 2;
    m.ConcreteQualityClass(2) = 1;
    m.ConcreteQualityClass(3) = 2;
    m.ConcreteFctd(1) = 1.2;
    m.ConcreteFctd(3) = 1.0;
    m.ConcreteFctk(1) = 1.8, m.ConcreteFctk(3) = 1.5;
    m.ConcreteFcd(1) = 20;
    m.ConcreteFcd(3) = 13.3;
    m.MaxShearStage6 = V;
    m.BetaY = 0.9;
    return m;
}

}  // namespace

TEST(BeamShearDesign, StirrupsOverTheJointFromTheGoverningShear) {
    ProjectModel m = shearBeam(1e5);
    AnalysisRun run;
    run.ShearCheckJointWidth = 100;
    designBeamShear(m, run);

    // Stirrups: class 2 steel, gamma_s 1.15: fywd = 500 / 1.15 = 434.78 MPa.
    // tau = V / (b d) = 1e5 / (200 * 500) = 1.0 MPa; f = min(1.2, 1.0) = 1.0.
    // r = (1.0 - 0.3) / 434.78 = 0.00161: between the straight parts,
    // A = 200 (sqrt(7.563 + 11670 r) - 2.75) mm2/m.
    // Minimum 200 min(1.8, 1.5) 200 / 500 = 120 mm2/m.
    // Upper limit 0.25 * min(20, 13.3) * (200 + 2 * 60) * 500 = 532000 N.
    const double fywd = 500 / 1.15;
    const double r = 0.7 / fywd;
    EXPECT_EQ(m.StirrupYieldStrength, 500);
    EXPECT_NEAR(m.StirrupDesignStrength, fywd, 1e-9);
    EXPECT_NEAR(run.StirrupPartialFactor, 1.15, 1e-12);
    EXPECT_NEAR(m.ShearReinforcementDesign, 200 * (std::sqrt(7.563 + 11670 * r) - 2.75), 1e-9);
    EXPECT_NEAR(m.ShearReinforcementRequired, 120, 1e-9);
    EXPECT_NEAR(m.MaxShearResistance, 532000, 1e-6);
    EXPECT_FLOAT_EQ(m.BetaY, 0.9f);
    EXPECT_EQ(run.ShearCheckJointWidth, 100);
}

TEST(BeamShearDesign, UpperLimitFromEachBearingAndMinimumFromTheWeakerFctk) {
    // vumax from the bearings of the sides with slabs: 150 / 40 either way
    // 0.25 13.3 (200 + 190) 500 = 648 375 N; slabs right only (40): 0.25
    // 13.3 240 500 = 399 000 N. The minimum stays 120 mm2/m whatever the
    // class codes of beam, infill and grout (gamma_c 1.35 / 1.5 / 1.9).
    const struct {
        double left, right;
        int leftSlabs, codes[3];
        double vmax;
    } cases[] = {{150, 40, 1, {2, 1, 2}, 648375}, {40, 150, 1, {2, 1, 2}, 648375},
                 {150, 40, 0, {2, 1, 2}, 399000}, {60, 60, 1, {1, 1, 1}, 532000},
                 {60, 60, 1, {2, 3, 2}, 532000},  {60, 60, 1, {3, 3, 3}, 532000}};
    for (const auto& c : cases) {
        ProjectModel m = shearBeam(1e5);
        m.SlabSupportLength(1) = c.left, m.SlabSupportLength(2) = c.right;
        m.SlabSidePresent(1) = static_cast<int16_t>(c.leftSlabs);
        for (int k = 1; k <= 3; ++k) m.ConcreteQualityClass(k) = c.codes[k - 1];
        AnalysisRun run;
        run.ShearCheckJointWidth = 100;
        designBeamShear(m, run);
        EXPECT_NEAR(m.MaxShearResistance, c.vmax, 1e-6) << c.left << c.leftSlabs << c.codes[0];
        EXPECT_NEAR(m.ShearReinforcementRequired, 120, 1e-9) << c.left << c.leftSlabs << c.codes[0];
    }
}

TEST(BeamShearDesign, ShearAboveTheUpperLimitEndsTheConnectionReduction) {
    // At exactly the upper limit (532000 N) the reduction stays.
    ProjectModel m = shearBeam(532000);
    AnalysisRun run;
    run.ShearCheckJointWidth = 100;
    designBeamShear(m, run);
    EXPECT_FLOAT_EQ(m.BetaY, 0.9f);

    // Above it: BetaY 1, and a later pass designs no more.
    m.MaxShearStage6 = 532001;
    designBeamShear(m, run);
    EXPECT_EQ(m.BetaY, 1.0);
    EXPECT_EQ(run.ShearCheckJointWidth, 0);
    const double resistance = m.MaxShearResistance;
    designBeamShear(m, run);
    EXPECT_EQ(m.ShearReinforcementDesign, 0);
    EXPECT_EQ(m.SteelWebShearStress, 0);
    EXPECT_EQ(m.MaxShearResistance, resistance);  // kept from the pass that ran
}

TEST(BeamShearDesign, SkippedForLedgesDowelsAndOtherCategories) {
    struct Case {
        const char* what;
        void (*set)(ProjectModel&);
    };
    const Case cases[] = {
        {"slabs on ledges", [](ProjectModel& m) { m.SlabsOnLedge = 1; }},
        {"dowels on the beam top", [](ProjectModel& m) { m.DowelsOnBeamTop = 1; }},
        {"prestressed beam", [](ProjectModel& m) { m.BeamCategory = 3; }},
        {"composite steel beam", [](ProjectModel& m) { m.BeamCategory = 4; }},
    };
    for (const Case& c : cases) {
        ProjectModel m = shearBeam(1e7);  // far above any limit
        m.ShearReinforcementDesign = 333;
        m.ShearReinforcementRequired = 222;
        m.SteelWebShearStress = 44;
        c.set(m);
        AnalysisRun run;
        run.ShearCheckJointWidth = 100;
        designBeamShear(m, run);
        EXPECT_EQ(m.ShearReinforcementDesign, 0) << c.what;
        EXPECT_EQ(m.SteelWebShearStress, 0) << c.what;
        EXPECT_EQ(m.ShearReinforcementRequired, 222) << c.what;
        EXPECT_FLOAT_EQ(m.BetaY, 0.9f) << c.what;
    }
}

TEST(BeamShearDesign, WeldedSteelBeamGetsItsWebShearStress) {
    // Category 1: web stress 2 |Vs| k / tw with k = max((m1 - m2) / (m3 -
    // m2 + 1e-6), 0.5); the analysis gives MaxDesignMoment, MomentResistanceA,
    // MomentResistanceSolved, SolverResultB and ZeroMomentSpan.
    // m1 = 350, m2 = 200, m3 = 400: k = 150 / 200 = 0.75;
    // 2 * 4000 * 0.75 / 8000 = 0.75 MPa.
    ProjectModel m = shearBeam(1e5);
    m.BeamCategory = 1;
    m.MaxDesignMoment = 350;
    m.MomentResistanceA = 200;
    m.MomentResistanceSolved = 400;
    m.SolverResultB = -4000;
    m.ZeroMomentSpan = 8000;
    AnalysisRun run;
    run.ShearCheckJointWidth = 100;
    designBeamShear(m, run);
    EXPECT_NEAR(m.SteelWebShearStress, 0.75, 1e-8);  // k carries a 1e-6 guard
    EXPECT_EQ(m.ShearReinforcementDesign, 0);
    EXPECT_FLOAT_EQ(m.BetaY, 0.9f);  // vmax 1e30 never governs
}

TEST(SlabEdgeShearFlows, MagnitudesOfTheStageShearsTimesTheGroupFactors) {
    ProjectModel m;
    AnalysisRun run;
    m.CalculationPointCount = 2;
    const double f[] = {0, 1e-4, 2e-4, 3e-4, 4e-4, 5e-4, 6e-4};
    for (int g = 1; g <= 6; ++g) m.PartGroupShearFlowFactor(g) = f[g];
    const double V2[] = {-30000, 0, 30000}, V5[] = {-50000, 1000, 50000};
    for (int i = 0; i <= 2; ++i) {
        m.BeamShearDesign(i, 2) = V2[i];
        m.BeamShearDesign(i, 5) = V5[i];
    }
    computeSlabEdgeShearFlows(m, run);
    for (int i = 0; i <= 2; ++i) {
        const double a2 = std::fabs(V2[i]), a5 = std::fabs(V5[i]);
        EXPECT_NEAR(run.BeamShearFlowA(i), 5e-4 * a2, 1e-12);
        EXPECT_NEAR(run.BeamShearFlowB(i), 6e-4 * a5, 1e-12);
        for (int s = 1; s <= 2; ++s) {
            EXPECT_NEAR(m.SlabEdgeShearFlow(i, s, 1), f[s] * a2, 1e-12);
            EXPECT_NEAR(m.SlabEdgeShearFlow(i, s, 2), f[s + 2] * a5, 1e-12);
        }
    }
}
