// One whole pass of the beam block on a rectangular concrete middle beam
// with equal slab fields on both sides, set up by hand as the set-up of the
// analysis leaves it, against the hand calculation of the slab reactions on
// the beam and the beam's self weight.

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "analysis/section_model.h"
#include "analysis/slabs_on_beam.h"
#include "library/factors.h"
#include "library/materials.h"
#include "library/slab_data.h"
#include "library/slab_geometry.h"
#include "library/slab_section.h"
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
// P27 hollow-core slabs of the shipped catalogue (265 mm, 6 cores, 3.60
// kN/m2, ten 12.5 mm strands) on both sides, without topping; the set-up's
// values formed as the analysis forms them.
ProjectModel middleBeam(quorvel::runtime::Messages& messages) {
    ProjectModel m;
    model::ResetProjectDefaults(m);
    m.DataPath = QUORVEL_SOURCE_DIR "/data/";
    m.SlabFileName = "ONTELO.MIT";
    m.ToppingLoad(1) = m.ToppingLoad(2) = 0;
    m.PermanentLoadFactorKfi = gG;
    m.VariableLoadFactorKfi = gQ;
    m.SlabSideCount = 2;
    for (int s = 1; s <= 2; ++s) {
        m.SlabTypeName(s) = "P27";
        m.BottomStrandCode(s) = "10";
        library::TrimIdentifier(m.BottomStrandCode(s), m.BottomStrandType(s), m.BottomStrandCount(s));
        library::TrimIdentifier(m.TopStrandCode(s), m.TopStrandType(s), m.TopStrandCount(s));
        m.SlabSidePresent(s) = 1;
        int16_t status = 0;
        library::ReadSlabAndStrandData(m, messages, static_cast<int16_t>(s), status);
        if (status != 0) throw std::runtime_error("catalogue");
        m.EffectiveSupportLength(s) = m.SlabSupportLength(s);
        m.SlabSelfWeightFactorKfi(s) = gG;
        m.SlabSelfWeightDesign(s) = m.SlabSelfWeight(s) * gG;
        m.ToppingLoadDesign(s) = 0;
        m.SlabImposedLoadPermanentDesign(s) = 0.5 * gG;
        m.SlabImposedLoadVariableDesign(s) = 2.5 * gQ;
        m.SlabBottomLevel(s) = 10 + 580;
        m.BottomStrandDesignStrength(s) = library::ComputeStrandProofStress(m.BottomStrandStrength(s)) / 1.1;
    }
    // Grid: (floor(6000 / 1200) + 1) * 6 + 1 = 37.
    m.CalculationPointCount = 37;
    analysis::BuildBeamSectionModel(m, m.BeamTypeName);
    library::ComputeClearSlabSpans(m, m.SlabsOnLedge, m.TopFlangeWidth, m.BeamWidth,
                                   m.JointGroutWidth, m.BeamSpacing, m.EnteredBeamSpacing);
    m.BetaY = 1.0;
    library::ComputeDesignMaterialValues(m);
    library::ComputeStructuralSteelValues(m, m.SteelStrength, m.SteelStrength2, m.SteelStrength3,
                                          m.SteelPartialFactor, m.SteelYieldStrength,
                                          m.SteelDesignStrength, m.PlateYieldStrength,
                                          m.PlateDesignStrength, m.SteelModulus);
    library::ComputeSteelDesignStrength(m, m.ReinforcementStrength, m.ReinforcementDesignStrength,
                                        m.ReinforcementProofRatio, m.ReinforcementKind,
                                        m.ConcreteQualityClass(1), m.ReinforcementPartialFactor,
                                        m.PrestressPartialFactor);
    library::FillUnitWeights(m.UnitWeightByKind, m.ConcreteStrengthByKind);
    library::ComputeSlabSectionProperties(m);
    library::ComputeEffectiveSupportLength(m);
    m.ReinforcementStrainLimit = 0.027;
    return m;
}

// The design line load of the beam in the final stage, kN/m = N/mm, by hand:
//   clear slab span 7200 - 2 * 90 = 7020 mm, half of it on the beam from
//   each side, 3.51 m; the joint strip 90 + 90 mm = 0.18 m.
//   slab self weight  2 * 3.51 * 3.60 * 1.15           = 29.0628
//   imposed permanent 0.5 * (0.18 + 2 * 3.51) * 1.15   =  4.14
//   imposed variable  2.5 * (0.18 + 2 * 3.51) * 1.5    = 27.0
//   joint concrete (C25, 2.5e-5 N/mm3) per side: joint 90 * (590 + 265 -
//     580) = 24750 mm2; cores over the 50 mm minimum filling, the hollow
//     area per unit width ((1200 - 20) 265 - A) / 1200 * 50, where A is the
//     slab's concrete area (the strands fill no core): 3.60e-3 * 1200 /
//     2.5e-5 = 172800 mm2 from the published weight: 5829.2 mm2; both
//     sides 61158.3 mm2 * 2.5e-5 = 1.52896, times 1.15         =  1.75830
//   beam 380 * 580 * 2.5e-5 + 4 * 491 * (7.85e-5 - 2.5e-5) = 5.5100 +
//     0.10507 N/mm (the bars beyond the concrete they displace), times
//     1.15                                                      =  6.45733
// The catalogue's core shapes give A to within 0.1 %, which moves q by
// less than 2e-5 of it.
constexpr double slabArea = 172800;
constexpr double jointConcrete = 2 * (90 * 275 + (1180.0 * 265 - slabArea) / 1200 * 50) * 2.5e-5;
double designLineLoad() {
    const double slab = 2 * 3.51 * 3.6 * gG;
    const double imposed = 0.5 * 7.2 * gG + 2.5 * 7.2 * gQ;
    const double beam = (380 * 580 * 2.5e-5 + 4 * 491 * (7.85e-5 - 2.5e-5)) * gG;
    return slab + imposed + jointConcrete * gG + beam;
}
constexpr double tol = 2e-5;

double stationX(int i) { return i * L / 37; }

struct BlockRun {
    quorvel::runtime::Messages messages;
    ProjectModel m = middleBeam(messages);
    analysis::SlabsOnBeamAnalysis analysis{m, messages};

    BlockRun() {
        analysis.state().ShearCheckJointWidth = 90;
        runtime::clearFloatingPointFlags();
    }
    // One pass; an arithmetic fault anywhere in it fails the test.
    void run() {
        analysis.runBeamBlock();
        runtime::checkFloatingPoint();
    }
};

}  // namespace

TEST(BeamBlockPass, SimplySupportedMiddleBeamAgainstTheSlabReactions) {
    BlockRun r;
    r.run();
    ProjectModel& m = r.m;
    const double q = designLineLoad();

    // The catalogue's slab, as the hand calculation takes it.
    ASSERT_EQ(m.SlabSelfWeight(1), 3.6);
    ASSERT_NEAR(m.SlabSectionValueA(1), slabArea, 0.001 * slabArea);

    // The line loads the block formed.
    EXPECT_NEAR(m.JointConcreteLineLoad, jointConcrete, tol * q);
    EXPECT_NEAR(m.SlabSelfWeightLineLoadDesign(1), 29.0628, 1e-9);

    // Zero points at the supports; the slab webs nearest inside the span
    // are the edge webs of the first and the fifth unit: 26.25 mm (edge
    // core distance 110, core width 135, deduction 20: ((110 - 67.5) + 10)
    // / 2) and 6000 - 26.25 = 5973.75 mm.
    EXPECT_NEAR(m.ZeroMomentX(1), 0, 1e-9);
    EXPECT_NEAR(m.ZeroMomentX(2), L, 1e-9);
    EXPECT_NEAR(m.CalculationPointX(0), 26.25, 1e-9);
    EXPECT_NEAR(m.CalculationPointX(37), 5973.75, 1e-9);
    EXPECT_NEAR(m.CalculationPointX(18), stationX(18), 1e-9);

    // Design moment of the total stage next to midspan (x = 18 * 6000 / 37 =
    // 2918.9 mm) and the design shear at the first station: q x (L - x) / 2
    // and q (L / 2 - x).
    const double x18 = stationX(18);
    EXPECT_NEAR(m.BeamMomentDesign(18, 6), q * x18 * (L - x18) / 2, tol * q * L * L / 8);
    EXPECT_NEAR(m.BeamShearDesign(0, 6), q * (L / 2 - 26.25), tol * q * L);

    // The beam maxima reach the supports: the largest design shear is the
    // support reaction q L / 2, and the largest moment the peak at midspan,
    // q L^2 / 8, between the uniform stations 18 and 19 (2918.9 / 3081.1 mm
    // from the supports, where it is q x (L - x) / 2, 0.07 % less).
    EXPECT_NEAR(m.MaxShearStage6, q * L / 2, tol * q * L);
    EXPECT_NEAR(m.MaxDesignMoment, q * L * L / 8, tol * q * L * L / 8);
    // Before the topping hardens nothing but the topping acts: no shear.
    EXPECT_NEAR(m.MaxShearStage2, 0, 1e-9);

    // The block leaves the beam utilisation for the final values.
    EXPECT_EQ(m.UtilisationRatio, 0);
    EXPECT_EQ(m.TvlComponentWeightA, 1);
    EXPECT_EQ(m.TvlComponentWeightB, 1);
}

TEST(BeamBlockPass, EndMomentsPutTheGoverningShearAtTheSupports) {
    // Hogging permanent end moments of -100 kNm at both ends: the stage
    // moment q x (L - x) / 2 - 1.15 * 100e6 crosses zero inside the span;
    // the stations of the slab checks, tvl included, still start at the
    // first slab web, within a slab unit of the start. The design shear at the supports is still q L / 2 (equal end
    // moments add none).
    BlockRun r;
    r.m.SupportMomentStartPermanent = -100e6;
    r.m.SupportMomentEndPermanent = -100e6;
    r.run();
    ProjectModel& m = r.m;
    const double q = designLineLoad();

    EXPECT_GT(m.ZeroMomentX(1), 500);
    EXPECT_GT(m.CalculationPointX(0), 0);
    EXPECT_LT(m.CalculationPointX(0), m.SlabUnitWidth(1));
    EXPECT_NEAR(m.MaxShearStage6, q * L / 2, tol * q * L);
    EXPECT_EQ(m.MaxShearStage6Station, 0);
    EXPECT_NEAR(m.MaxDesignMoment, q * L * L / 8 - gG * 100e6, tol * q * L * L / 8);
    // The slab checks' shear at their first station, inside the support,
    // is below it.
    EXPECT_LT(std::fabs(m.BeamShearDesign(0, 6)), q * (L / 2 - m.CalculationPointX(0)) * (1 + tol));
}
