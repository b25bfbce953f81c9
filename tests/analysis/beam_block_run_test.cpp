// One whole pass of the beam block on a rectangular concrete middle beam
// with equal slab fields on both sides, set up by hand as the set-up of the
// analysis leaves it, against the hand calculation of the slab reactions on
// the beam and the beam's self weight.

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/section_model.h"
#include "analysis/slabs_on_beam.h"
#include "library/factors.h"
#include "library/slab_loads.h"
#include "model/project_defaults.h"
#include "platform/headless/headless_platform.h"
#include "runtime/errors.h"

using namespace quorvel;
using model::ProjectModel;

namespace {

constexpr double L = 6000;        // beam span, mm
constexpr double gG = 1.15, gQ = 1.5;

// The new-project beam (SUORA 380 x 580, concrete C50, one row of 4 x 491
// mm2 bars, span 6 m, slab spacing 7.2 m on both sides, joint grout 90 mm,
// slabs 10 mm above the beam top, imposed loads 0.5 + 2.5 kN/m2) carrying
// 265 mm hollow-core slabs of 3.6 kN/m2 on both sides, without topping.
ProjectModel middleBeam() {
    ProjectModel m;
    model::ResetProjectDefaults(m);
    m.DataPath = QUORVEL_SOURCE_DIR "/data/";
    m.ToppingLoad(1) = m.ToppingLoad(2) = 0;
    m.PermanentLoadFactorKfi = gG;
    m.VariableLoadFactorKfi = gQ;
    m.SlabSideCount = 2;
    for (int s = 1; s <= 2; ++s) {
        m.SlabSidePresent(s) = 1;
        m.SlabSelfWeightFactorKfi(s) = gG;
        m.SlabHeight(s) = 265;
        m.SlabUnitWidth(s) = 1200;
        m.SlabCoreCount(s) = 6;
        m.SlabCoreWidth(s) = 160;
        m.SlabEdgeCoreDistance(s) = 100;
        m.SlabCoreSpacing(s) = 200;
        m.SlabWidthDeduction(s) = 20;
        m.SlabArea(s) = 180000;
        m.SlabBcr(s) = 250;
        m.SlabSelfWeight(s) = 3.6;
        m.SlabSelfWeightDesign(s) = 3.6 * gG;
        m.ToppingLoadDesign(s) = 0;
        m.SlabImposedLoadPermanentDesign(s) = 0.5 * gG;
        m.SlabImposedLoadVariableDesign(s) = 2.5 * gQ;
        m.SlabBottomLevel(s) = 10 + 580;
    }
    // Grid: (floor(6000 / 1200) + 1) * 6 + 1 = 37.
    m.CalculationPointCount = 37;
    analysis::BuildBeamSectionModel(m, m.BeamTypeName);
    library::ComputeClearSlabSpans(m, m.SlabsOnLedge, m.TopFlangeWidth, m.BeamWidth,
                                   m.JointGroutWidth, m.BeamSpacing, m.EnteredBeamSpacing);
    m.BetaY = 1.0;
    library::ComputeDesignMaterialValues(m);
    library::ComputeSteelDesignStrength(m, m.ReinforcementStrength, m.ReinforcementDesignStrength,
                                        m.ReinforcementProofRatio, m.ReinforcementKind,
                                        m.ConcreteQualityClass(1), m.ReinforcementPartialFactor,
                                        m.PrestressPartialFactor);
    library::ComputeStructuralSteelValues(m, m.SteelStrength, m.SteelStrength2, m.SteelStrength3,
                                          m.SteelPartialFactor, m.SteelYieldStrength,
                                          m.SteelDesignStrength, m.PlateYieldStrength,
                                          m.PlateDesignStrength, m.SteelModulus);
    library::FillUnitWeights(m.UnitWeightByKind, m.ConcreteStrengthByKind);
    m.ReinforcementStrainLimit = 0.027;
    return m;
}

// The design line load of the beam in the final stage, kN/m = N/mm, by hand:
//   clear slab span 7200 - 2 * 90 = 7020 mm, half of it on the beam from
//   each side, 3.51 m; the joint strip 90 + 90 mm = 0.18 m.
//   slab self weight  2 * 3.51 * 3.6 * 1.15            = 29.0628
//   imposed permanent 0.5 * (0.18 + 2 * 3.51) * 1.15   =  4.14
//   imposed variable  2.5 * (0.18 + 2 * 3.51) * 1.5    = 27.0
//   joint concrete (C25, 2.5e-5 N/mm3) per side: joint 90 * (590 + 265 -
//     580) = 24750 mm2, cores ((1200 - 20) * 265 - 180000) / 1200 * 50 =
//     5529.17 mm2; both sides 60558.33 mm2 * 2.5e-5 * 1.15     = 1.741052
//   beam 380 * 580 * 2.5e-5 + 4 * 491 * 7.85e-5 = 5.5100 + 0.15417 N/mm,
//     times 1.15                                                = 6.51379
double designLineLoad() {
    const double slab = 2 * 3.51 * 3.6 * gG;
    const double imposed = 0.5 * 7.2 * gG + 2.5 * 7.2 * gQ;
    const double joint = 2 * (90 * 275 + (1180.0 * 265 - 180000) / 1200 * 50) * 2.5e-5 * gG;
    const double beam = (380 * 580 * 2.5e-5 + 4 * 491 * 7.85e-5) * gG;
    return slab + imposed + joint + beam;
}

double stationX(int i) { return i * L / 37; }

struct BlockRun {
    ProjectModel m = middleBeam();
    platform::HeadlessPlatform ui;
    analysis::SlabsOnBeamAnalysis analysis{m, ui};

    BlockRun() {
        analysis.state().ShearCheckJointWidth = 90;
        runtime::clearFloatingPointFlags();
    }
    void run() { analysis.runBeamBlock(); }
};

}  // namespace

TEST(BeamBlockPass, SimplySupportedMiddleBeamAgainstTheSlabReactions) {
    BlockRun r;
    r.run();
    ProjectModel& m = r.m;
    const double q = designLineLoad();

    // The joint concrete line load the block formed, characteristic.
    EXPECT_NEAR(m.JointConcreteLineLoad, 60558.333 * 2.5e-5, 1e-6);
    EXPECT_NEAR(m.SlabSelfWeightLineLoadDesign(1), 29.0628, 1e-9);

    // Zero points at the supports; the slab webs nearest inside the span
    // are at 15 mm (edge web ((100 - 80) + 10) / 2) and 4800 + 1185 = 5985.
    EXPECT_NEAR(m.ZeroMomentX(1), 0, 1e-9);
    EXPECT_NEAR(m.ZeroMomentX(2), L, 1e-9);
    EXPECT_NEAR(m.CalculationPointX(0), 15, 1e-9);
    EXPECT_NEAR(m.CalculationPointX(37), 5985, 1e-9);
    EXPECT_NEAR(m.CalculationPointX(18), stationX(18), 1e-9);

    // Design moment of the total stage next to midspan (x = 18 * 6000 / 37 =
    // 2918.9 mm) and the design shear at the first station: q x (L - x) / 2
    // and q (L / 2 - x).
    const double x18 = stationX(18);
    EXPECT_NEAR(m.BeamMomentDesign(18, 6), q * x18 * (L - x18) / 2, 1e-6 * q * L * L / 8);
    EXPECT_NEAR(m.BeamShearDesign(0, 6), q * (L / 2 - 15), 1e-6 * q * L);

    // The beam maxima reach the supports: the largest design shear is the
    // support reaction q L / 2, and the largest moment that of the uniform
    // stations 18 and 19, both 2918.9 / 3081.1 mm from the supports.
    EXPECT_NEAR(m.MaxShearStage6, q * L / 2, 1e-6 * q * L);
    EXPECT_NEAR(m.MaxDesignMoment, q * x18 * (L - x18) / 2, 1e-6 * q * L * L / 8);
    // Before the topping hardens nothing but the topping acts: no shear.
    EXPECT_NEAR(m.MaxShearStage2, 0, 1e-9);

    // The block leaves the beam utilisation for the final values.
    EXPECT_EQ(m.UtilisationRatio, 0);
    EXPECT_EQ(m.TvlComponentWeightA, 1);
    EXPECT_EQ(m.TvlComponentWeightB, 1);
}

TEST(BeamBlockPass, EndMomentsPutTheGoverningShearAtTheSupports) {
    // Hogging permanent end moments of -100 kNm at both ends: the stage
    // moment q x (L - x) / 2 - 1.15 * 100e6 crosses zero inside the span, so
    // the stations of the slab checks keep clear of the supports. The design
    // shear at the supports is still q L / 2 (equal end moments add none).
    BlockRun r;
    r.m.SupportMomentStartPermanent = -100e6;
    r.m.SupportMomentEndPermanent = -100e6;
    r.run();
    ProjectModel& m = r.m;
    const double q = designLineLoad();

    EXPECT_GT(m.ZeroMomentX(1), 500);
    EXPECT_GT(m.CalculationPointX(0), 500);
    EXPECT_NEAR(m.MaxShearStage6, q * L / 2, 1e-6 * q * L);
    EXPECT_EQ(m.MaxShearStage6Station, 0);
    const double x18 = stationX(18);
    EXPECT_NEAR(m.MaxDesignMoment, q * x18 * (L - x18) / 2 - gG * 100e6, 1e-5 * q * L * L / 8);
    // The slab checks' shear at their first station is well below.
    EXPECT_LT(std::fabs(m.BeamShearDesign(0, 6)), 0.9 * q * L / 2);
}
