// The final values of an analysis run, formed from maxima set by hand.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "analysis/slabs_on_beam.h"
#include "platform/headless/headless_platform.h"

namespace {

using quorvel::analysis::GoverningWebStation;
using quorvel::analysis::SlabsOnBeamAnalysis;
using quorvel::model::ProjectModel;
using quorvel::platform::HeadlessPlatform;

class FinalValues : public ::testing::Test {
protected:
    FinalValues() {
        m.CalculationPointCount = 2;
        m.BeamCategory = 3;  // no shear design unless a test asks for it
        m.SlabsOnLedge = 1;
        m.BetaY = 1.0;
        m.AllowedCrackWidth = 0.2;
        m.SlabSidePresent(1) = m.SlabSidePresent(2) = 1;
    }
    void finish() {
        SlabsOnBeamAnalysis analysis(m, messages);
        analysis.state().GoverningWeb = stations;
        analysis.computeFinalValues();
        row2Max = analysis.state().BeamMomentRow2Max;
        row5Max = analysis.state().BeamMomentRow5Max;
    }
    ProjectModel m;
    quorvel::runtime::Messages messages;
    std::array<GoverningWebStation, 3> stations{};  // the slab checks' governing stations
    double row2Max = 0, row5Max = 0;
};

TEST_F(FinalValues, SlabUtilisationsStayFiniteWithoutResistance) {
    m.SlabMaxDesignMoment(1) = 80.0;
    m.SlabUltimateMoment(1) = 0.0;    // 80 / (0 + 1e-6) = 8e7
    m.SlabMaxCharacteristicMoment(2) = 60.0;
    m.SlabCrackingMoment(2) = 75.0;   // 60 / (75 + 1e-6) = 0.79999998933
    finish();
    EXPECT_NEAR(m.SlabBendingUtilisation(1), 8e7, 1e-3);
    EXPECT_NEAR(m.SlabCrackingUtilisation(2), 0.79999998933, 1e-11);
}

TEST_F(FinalValues, GoverningSlabValuesAreTheLargerOfTheTwoStationGroups) {
    // Left side checked partly with filled cores: group 1 (filled) 0.60,
    // group 2 (unfilled) 0.96. The side's gauge shows 0.96, whichever group
    // the required core filling points to.
    m.RequiredCoreFillingLength(1) = 600;
    m.SlabShearUtilisationByZone(1, 1) = 0.60;
    m.SlabShearUtilisationByZone(1, 2) = 0.96;
    m.SlabShearStressTvlEnvelope(1, 1) = 0.40;
    m.SlabShearStressTvlEnvelope(1, 2) = 0.10;
    m.SlabPrincipalStressEnvelope(1, 1) = 1.10;
    m.SlabPrincipalStressEnvelope(1, 2) = 1.30;
    // Right side without filling, the larger value in group 1.
    m.SlabShearUtilisationByZone(2, 1) = 0.70;
    m.SlabShearUtilisationByZone(2, 2) = 0.50;
    finish();
    EXPECT_DOUBLE_EQ(m.SlabShearUtilisation(1), 0.96);
    EXPECT_DOUBLE_EQ(m.SlabShearStressTvlMax(1), 0.40);
    EXPECT_DOUBLE_EQ(m.SlabPrincipalStressMax(1), 1.30);
    EXPECT_DOUBLE_EQ(m.SlabShearUtilisation(2), 0.70);
}

TEST_F(FinalValues, SideWithoutSlabsShowsNoUtilisation) {
    m.SlabSidePresent(1) = 0;
    m.SlabMaxDesignMoment(1) = 0.01;  // loads of the empty side over no span
    m.SlabUltimateMoment(1) = 160;
    m.SlabShearUtilisationByZone(1, 2) = 0.2;
    m.SlabPrincipalStressEnvelope(1, 2) = 0.3;
    m.SlabMaxDesignMoment(2) = 80;
    m.SlabUltimateMoment(2) = 160;
    finish();
    EXPECT_EQ(m.SlabBendingUtilisation(1).number(), 0.0);
    EXPECT_EQ(m.SlabShearUtilisation(1).number(), 0.0);
    EXPECT_EQ(m.SlabPrincipalStressMax(1).number(), 0.0);
    EXPECT_NEAR(m.SlabBendingUtilisation(2), 0.5, 1e-8);  // 80 / 160
}

TEST_F(FinalValues, RowMaximaTakeStationsUpToTheLastOnlyAndMayBeNegative) {
    // Row 2 negative everywhere: the least negative, not 0.
    m.BeamMomentDesign(0, 2) = -5e6;
    m.BeamMomentDesign(1, 2) = -2e6;
    m.BeamMomentDesign(2, 2) = -3e6;
    m.BeamMomentDesign(3, 2) = 9e9;   // beyond station n = 2
    m.BeamMomentDesign(1, 5) = 40e6;
    m.BeamMomentDesign(3, 5) = 90e6;  // beyond station n
    finish();
    EXPECT_DOUBLE_EQ(row2Max, -2e6);
    EXPECT_DOUBLE_EQ(row5Max, 40e6);
}

TEST_F(FinalValues, SlabTensionFromTheBeamsBendingAtEachSlabUnderside) {
    m.BeamMomentDesign(1, 2) = 100e6;        // Nmm
    m.BeamMomentDesign(2, 5) = 200e6;
    m.SectionBendingStiffness(5) = 1e14;     // N mm^2 / E, as the stages hold it
    m.SectionBendingStiffness(6) = 4e14;
    m.SectionCentroid(5) = 400;
    m.SectionCentroid(6) = 500;
    m.SlabBottomLevel(1) = 350;
    m.SlabBottomLevel(2) = 300;
    m.ConcreteEcm(4) = m.ConcreteEcm(5) = 35000;
    m.ConcreteFctd(4) = m.ConcreteFctd(5) = 1.82;
    finish();
    // Each side at its own underside: right (300) Part 1 = E M2 (yc5 - yb) /
    // EI5 = 35000 * 100e6 * (400 - 300) / 1e14 = 3.5, Part 2 = 35000 * 200e6
    // * (500 - 300) / 4e14 = 3.5, sum 7.0 MPa; left (350) 1.75 + 2.625 =
    // 4.375. The summary is the right side's, the more over equal strengths.
    EXPECT_NEAR(m.SlabTensileStressBySide(1), 4.375, 1e-12);
    EXPECT_NEAR(m.SlabTensileStressBySide(2), 7.0, 1e-12);
    EXPECT_NEAR(m.SlabTensileStressPart1, 3.5, 1e-12);
    EXPECT_NEAR(m.SlabTensileStressPart2, 3.5, 1e-12);
    EXPECT_NEAR(m.SlabTensileStressSum, 7.0, 1e-12);
}

TEST_F(FinalValues, ShearOverTheUpperLimitGivesUpTheReducedConnection) {
    // A reinforced concrete beam carrying the slabs on its top, joints
    // dowelled (beta_y 0.9). Upper limit of the shear resistance:
    // vmax = 0.25 min(fcd1, fcd3) (b + left + right bearing) d
    //      = 0.25 * 20 * (40 + 100 + 100) * 500 = 600000 N.
    m.BeamCategory = 2;
    m.SlabsOnLedge = 0;
    m.BetaY = 0.9;
    m.ConcreteFcd(1) = 20;
    m.ConcreteFcd(3) = 25;
    m.ConcreteFctd(1) = 1.2;
    m.ConcreteFctd(3) = 1.2;
    m.JointGroutWidth(1) = 20;
    m.JointGroutWidth(2) = 20;
    m.SlabSideCount = 2;
    m.SlabSidePresent(1) = m.SlabSidePresent(2) = 1;
    m.SlabSupportLength(1) = m.SlabSupportLength(2) = 100;
    m.SolverReferenceDepth = 500;
    m.ConcreteQualityClass(3) = 2;  // stirrups: gamma 1.15
    m.MaxShearStage6 = 600000;      // equal: the limit holds
    finish();
    EXPECT_NEAR(m.MaxShearResistance, 600000, 1e-6);
    EXPECT_FLOAT_EQ(static_cast<float>(m.BetaY.number()), 0.9f);
    EXPECT_DOUBLE_EQ(m.StirrupYieldStrength, 500);
    EXPECT_NEAR(m.StirrupDesignStrength, 500 / 1.15, 1e-9);
    EXPECT_GT(m.ShearReinforcementDesign, 0);

    m.MaxShearStage6 = 600001;
    finish();
    EXPECT_DOUBLE_EQ(m.BetaY, 1.0);
}

TEST_F(FinalValues, NoShearDesignClearsTheReinforcement) {
    m.ShearReinforcementDesign = 345;  // of an earlier pass
    m.BeamCategory = 2;
    m.SlabsOnLedge = 1;                // slabs on ledges: no design
    m.BetaY = 0.9;
    finish();
    EXPECT_DOUBLE_EQ(m.ShearReinforcementDesign, 0);
    EXPECT_FLOAT_EQ(static_cast<float>(m.BetaY.number()), 0.9f);
}

// The shear reserve of a slab field answers the sigma1 that governs its
// utilisation, at that station and with its terms, wherever the field is
// over its limit. The station of the SUORA middle beam at 3.7655 kN/m2
// (concrete_middle_beam.dat), its left web:
//   f = fctd = 0.21 40^(2/3) / 1.35 = 1.81938881 MPa (gamma 1: no moving limit),
//   alpha = 0.75, sigma_cp = -1.34341516, sigma_n = 0.295744298,
//   tau_cp = 0.681871822, thc = 0.5449562, tvl = 1.87224002 MPa;
//   s = 0.75 (-1.34341516) + 0.295744298 = -0.711816872,
//   t = 0.75 0.681871822 + 0.5449562 = 1.056360067,
//   reserve = sqrt(f (f - s) - t^2) = sqrt(4.605254 - 1.115897) = 1.867980 MPa
//   (sigma1 = s/2 + sqrt(s^2/4 + t^2 + tvl^2) = 1.823049 = 1.00201 f);
//   stiffness = EI6 tvl / reserve = 1.16328e15 x 1.87224002 / 1.867980
//     = 1.165933e15 Nmm2;
//   length = (1 - 1.867980 / 1.87224002) 7200 / 2 = 8.19 mm.
// The right field has the same station at exactly its limit: within it, no
// reserve is formed (nor printed).
TEST_F(FinalValues, ShearReserveAnswersTheGoverningSigma1) {
    const GoverningWebStation suora{0,           1.00201104, 0.75,      -1.34341516,
                                    0.295744298, 0.681871822, 0.5449562, 1.87224002};
    for (int side = 1; side <= 2; ++side) {
        m.ConcreteFctd(side + 3) = 1.81938881;
        m.SlabShearStressTvlEnvelope(side, 2) = suora.tvl;
        stations[static_cast<std::size_t>(side)] = suora;
    }
    m.SlabShearUtilisationByZone(1, 2) = suora.utilisation;
    m.SlabShearUtilisationByZone(2, 2) = 1.0;
    m.AdditionalSafetyFactor = 1.0;
    m.SectionBendingStiffness(6) = 1.16328e15;
    m.BeamSpan = 7200;
    finish();
    EXPECT_NEAR(m.SideShearStressReserve(1), 1.867980, 5e-7);
    EXPECT_NEAR(m.SideRequiredBeamStiffness(1) / 1.165933e15, 1.0, 1e-6);
    EXPECT_NEAR(m.SideShearExceedancePosition(1), 8.19, 0.005);
    EXPECT_EQ(m.SlabShearStressReserve, m.SideShearStressReserve(1));
    EXPECT_EQ(m.RequiredBeamStiffness, m.SideRequiredBeamStiffness(1));
    EXPECT_EQ(m.ShearExceedancePosition, m.SideShearExceedancePosition(1));
    EXPECT_TRUE(m.SideShearStressReserve(2).isEmpty());
}

TEST_F(FinalValues, NothingLeftForTvlWhenTheWebIsOverItsLimitWithoutIt) {
    // Right station: alpha 1, sigma_cp 0, sigma_n 1.0, tau_cp 0.5, thc 1.0,
    // tvl 0.4, f = 1.5: s = 1.0, t = 1.5, sigma1 = 0.5 + sqrt(0.25 + 2.25 +
    // 0.16) = 2.131 = 1.42 f; f (f - s) - t^2 = 0.75 - 2.25 < 0 even at
    // tvl = 0: no reserve, no stiffness helps, the whole half span.
    stations[2] = {3, 1.42, 1.0, 0.0, 1.0, 0.5, 1.0, 0.4};
    m.ConcreteFctd(5) = 1.5;
    m.AdditionalSafetyFactor = 1.0;
    m.SlabShearUtilisationByZone(2, 1) = 1.42;
    m.SlabShearStressTvlEnvelope(2, 1) = 0.4;
    m.BeamSpan = 9000;
    finish();
    EXPECT_DOUBLE_EQ(m.SideShearStressReserve(2), 0);
    EXPECT_DOUBLE_EQ(m.SideRequiredBeamStiffness(2), 1e30);
    EXPECT_DOUBLE_EQ(m.SideShearExceedancePosition(2), 4500);
    EXPECT_TRUE(m.SlabShearStressReserve.isEmpty());  // the left field is within its limit
}

TEST_F(FinalValues, BeamResistanceByCategoryAndFamily) {
    m.MaxDesignMoment = 300e6;
    m.MomentResistanceA = 400e6;
    m.MomentResistanceSolved = 500e6;
    m.SteelPartialFactor = 1.1;
    struct Case {
        int category;
        const char* type;
        double resistance;
    };
    const Case cases[] = {
        {1, "CWQ", 500e6},     // welded CW section: the solved resistance
        {1, "HQ", 440e6},      // other welded: gamma_M0 * A = 1.1 * 400e6
        {1, "cwq", 440e6},     // the family as it stands
        {2, "SUORA", 400e6},
        {3, "LBL", 500e6},
        {4, "DELTA", 500e6},
    };
    for (const Case& c : cases) {
        m.BeamCategory = c.category;
        m.BeamTypeName = c.type;
        finish();
        EXPECT_NEAR(m.MomentResistanceUsed, c.resistance, 1e-3) << c.type;
        EXPECT_DOUBLE_EQ(m.ActingDesignMoment, 300e6);
        EXPECT_NEAR(m.UtilisationRatio, 300e6 / (c.resistance + 1e-6), 1e-12) << c.type;
    }
}

TEST_F(FinalValues, AllowedStrainFromTheCrackWidth) {
    finish();
    EXPECT_NEAR(m.AllowedStrain, 0.0007, 1e-15);  // 0.001 (3 * 0.2 + 0.1)
    m.AllowedCrackWidth = 0.3;
    finish();
    EXPECT_NEAR(m.AllowedStrain, 0.001, 1e-15);
}

}  // namespace

// A negative utilisation of a checked result stops the calculation with a
// message that names it, in both languages: -0.553 of each of them in
// turn, the others within their limits. A negative cracking ratio (the
// prestress alone cracks the slab underside) is a real state and no fault;
// a side without slabs is checked for nothing; a 0 is no fault.
TEST(NegativeUtilisation, EachCheckedRatioBelowZeroIsAFaultNamedInBothLanguages) {
    using quorvel::analysis::NegativeUtilisationFault;
    struct Case {
        const char* what;
        void (*make)(ProjectModel&);
        const char* finnish;  // empty: no fault
        const char* english;
    };
    const Case cases[] = {
        {"left shear", [](ProjectModel& m) { m.SlabShearUtilisation(1) = -0.553; }, "vasemman laatan leikkauksen",
         "left slab shear"},
        {"right shear", [](ProjectModel& m) { m.SlabShearUtilisation(2) = -0.553; }, "oikean laatan leikkauksen",
         "right slab shear"},
        {"left bending", [](ProjectModel& m) { m.SlabBendingUtilisation(1) = -0.553; }, "vasemman laatan taivutuksen",
         "left slab bending"},
        {"right bending", [](ProjectModel& m) { m.SlabBendingUtilisation(2) = -0.553; }, "oikean laatan taivutuksen",
         "right slab bending"},
        {"beam", [](ProjectModel& m) { m.UtilisationRatio = -0.553; }, "palkin taivutuksen", "beam bending"},
        {"strain", [](ProjectModel& m) { m.AllowedStrain = -0.001; }, "venymän", "strain"},
        {"cracking", [](ProjectModel& m) { m.SlabCrackingUtilisation(2) = -0.553; }, "", ""},
        {"side without slabs", [](ProjectModel& m) {
             m.SlabSidePresent(1) = 0;
             m.SlabBendingUtilisation(1) = -0.553;
         }, "", ""},
        {"zero", [](ProjectModel& m) { m.UtilisationRatio = 0.0; }, "", ""},
    };
    for (const Case& c : cases) {
        for (int16_t language : {0, 1}) {
            SCOPED_TRACE(std::string(c.what) + (language ? " English" : " Finnish"));
            ProjectModel m;
            m.SlabSidePresent(1) = m.SlabSidePresent(2) = 1;
            for (int s = 1; s <= 2; ++s)
                m.SlabShearUtilisation(s) = m.SlabBendingUtilisation(s) = m.SlabCrackingUtilisation(s) = 0.5;
            m.UtilisationRatio = 0.5;
            m.BeamTopStrainMax = 0.00035;
            m.AllowedStrain = 0.0007;
            c.make(m);
            const auto fault = NegativeUtilisationFault(m);
            if (*c.finnish == '\0') {
                EXPECT_FALSE(fault) << fault->english;
                continue;
            }
            ASSERT_TRUE(fault);
            const std::string expected = language ? std::string("Calculation stopped: the ") + c.english +
                                                        " utilisation is negative ("
                                                  : std::string("Laskenta keskeytyi: ") + c.finnish +
                                                        " käyttöaste on negatiivinen (";
            EXPECT_EQ(fault->text(language).rfind(expected, 0), 0u) << fault->text(language);
        }
    }
}
