// The core-filling decision of the slab checks, the station groups, the
// governing station and the per-side maxima, on the two-station slab of
// slab_check_model.h (hand values of its stations are in
// slab_checks_test.cpp).

#include <gtest/gtest.h>

#include "analysis/slab_checks.h"
#include "analysis/slabs_on_beam.h"
#include "platform/headless/headless_platform.h"
#include "runtime/errors.h"
#include "slab_check_model.h"
#include "support/test_support.h"

using quorvel::analysis::AnalysisRun;
using quorvel::analysis::SlabsOnBeamAnalysis;
using quorvel::model::ProjectModel;
using quorvel::testing::errorOf;
using quorvel::testing::twoStationModel;

namespace {

class SlabResults : public ::testing::Test {
protected:
    void SetUp() override { quorvel::runtime::clearFloatingPointFlags(); }
    ProjectModel m = twoStationModel();
    quorvel::runtime::Messages messages;
    SlabsOnBeamAnalysis analysis{m, messages};
    AnalysisRun& run = analysis.state();

    // Beam shear flow doubled on the first component: tvlA = 1.5 * 40 * 1200
    // / 48000 = 1.5, tvl = 1.875 MPa without core filling.
    void heavyBeamShear() {
        for (int i = 0; i <= 1; ++i) m.SlabEdgeShearFlow(i, 1, 1) = -40.0;
    }
};

}  // namespace

// A station over its limit with 150 mm of core filling available.
//   Without filling, station 0 (cracked, sigma_p -2.6): tvl 1.875,
//   gamma_i = 1 + 0.92 / 2.795 * 0.2 = 1.065832, f_i = 1.407351,
//   sigma1 = 1.905644 > f_i: the first call asks for the re-run and stops.
//   Filling 150 mm, cores 200 mm high, end value 0.5:
//   factor = 1 - 0.5 (150 - 50) / (200 - 50) = 0.666667, tvl = 1.25;
//   gamma_i = 1 + 0.92 / 2.17 * 0.2 = 1.084793, f_i = 1.382753;
//   station 0: s = 0.5 * (-2.6) + 0.76 = -0.54, t = 1.07:
//   sigma1 = -0.27 + sqrt(0.0729 + 1.1449 + 1.5625) = 1.397423 (still over
//   the limit: checked once more, never a third time);
//   station 1: s = -2 + 0.76 = -1.24: sigma1 = -0.62 + sqrt(0.3844 + 1.1449
//   + 1.5625) = 1.138352. k = 1.397423 / 1.382753 = 1.010610 in group 1.
TEST_F(SlabResults, CoreFillingAsksForTheRerunOnceThenChecksWithFilling) {
    heavyBeamShear();
    m.CoreFillingLength(1) = 150.0;
    m.CoreFillingLength(2) = -80.0;  // asked for from the start: counts as 80

    EXPECT_TRUE(analysis.checkSlabSide(1));
    EXPECT_EQ(run.CoreFillingRerunDone, 1);
    EXPECT_EQ(run.ActiveCoreFillingLength(1), 150.0);
    EXPECT_EQ(run.ActiveCoreFillingLength(2), 80.0);
    EXPECT_EQ(m.RequiredCoreFillingLength(1), 150.0);
    EXPECT_EQ(run.PointCoreFillingFlag(1, 0), 1.0);
    EXPECT_NEAR(run.SlabPointRatioNumerator(0, 1), 1.905644, 1e-6);
    EXPECT_EQ(run.SlabPointRatioNumerator(1, 1), 0.0);  // the pass stopped at station 0
    EXPECT_EQ(m.CoreFillingLength(2), -80.0);            // the input stays as typed

    // The re-run: the beam block clears the flags, then the side again.
    for (int i = 0; i <= 1; ++i) run.PointCoreFillingFlag(1, i) = 0.0;
    EXPECT_FALSE(analysis.checkSlabSide(1));
    EXPECT_NEAR(run.PointCoreFillingFactor, 0.666667, 1e-6);
    EXPECT_NEAR(run.PointShearStressTvl(0, 1), 1.25, 1e-9);
    EXPECT_NEAR(run.SlabPointRatioNumerator(0, 1), 1.397423, 1e-6);
    EXPECT_NEAR(run.SlabPointRatioNumerator(1, 1), 1.138352, 1e-6);
    EXPECT_EQ(run.PointCoreFillingFlag(1, 0), 1.0);
    EXPECT_EQ(run.PointCoreFillingFlag(1, 1), 1.0);
    EXPECT_NEAR(m.SlabShearUtilisationByZone(1, 1), 1.010610, 1e-6);
    EXPECT_EQ(m.SlabShearUtilisationByZone(1, 2), 0.0);
    EXPECT_NEAR(m.BetaF(1), 0.666667, 1e-6);

    // Never again within the analysis.
    EXPECT_FALSE(analysis.checkSlabSide(1));
    EXPECT_FALSE(analysis.checkSlabSide(2));
}

// Core filling of 50 mm or less never counts: the station stays over its
// limit without a re-run and without a flag.
TEST_F(SlabResults, FillingAtTheThresholdIsNoFilling) {
    heavyBeamShear();
    m.CoreFillingLength(1) = 50.0;
    EXPECT_FALSE(analysis.checkSlabSide(1));
    EXPECT_EQ(run.CoreFillingRerunDone, 0);
    EXPECT_EQ(run.PointCoreFillingFlag(1, 0), 0.0);
    EXPECT_EQ(m.RequiredCoreFillingLength(1), 0.0);
    EXPECT_GT(run.SlabPointShearRatio(0, 1), 1.0);
    EXPECT_GT(m.SlabShearUtilisationByZone(1, 2), 1.0);
}

// The side's shear reserve answers the station whose sigma1 is the most
// over its limit, with that sigma1's terms. Without filling, station 0
// governs (sigma1 1.905644 over f_i 1.407351, 1.354; station 1 1.626 over
// the same limit): alpha 0.5, cracked sigma_p -2.6, sigma_n 0.76, tau_cp
// 0.3, thc 0.92, tvl 1.875; s = 0.5 (-2.6) + 0.76 = -0.54, t = 0.5 0.3 +
// 0.92 = 1.07. The limit moves with tvl, f(t) = 1.5 / (1 + 0.92 / (0.92 +
// t) 0.2), so the reserve R solves sigma1(R) = f(R):
//   R = 1.228940: sigma1 = -0.27 + sqrt(0.0729 + 1.1449 + 1.510294) =
//   1.381694; gamma = 1 + 0.92 / 2.148940 0.2 = 1.085624, f = 1.5 /
//   1.085624 = 1.381694.
// (Holding the limit at this tvl's 1.407351 would give sqrt(1.407351
// (1.407351 + 0.54) - 1.07^2) = 1.263213, above what the web takes at that
// tvl.) With f fixed (gamma 1, f = 1.5): sqrt(1.5 x 2.04 - 1.1449) =
// 1.383871. With the limit gone without tvl (sigma_n 2.3: s = 1.0, f(0) =
// 1.25, 1.25 x 0.25 - 1.1449 < 0): nothing is left.
TEST_F(SlabResults, TvlReserveOfTheGoverningStation) {
    heavyBeamShear();
    ASSERT_FALSE(analysis.checkSlabSide(1));
    const quorvel::analysis::GoverningWebStation& g = run.GoverningWeb[1];
    EXPECT_EQ(g.station, 0);
    EXPECT_DOUBLE_EQ(g.utilisation, m.SlabShearUtilisationByZone(1, 2));
    EXPECT_EQ(g.transferFactor, 0.5);
    EXPECT_NEAR(g.prestress, -2.6, 1e-12);
    EXPECT_NEAR(g.normalStress, 0.76, 1e-12);
    EXPECT_NEAR(g.transferShear, 0.3, 1e-12);
    EXPECT_NEAR(g.thc, 0.92, 1e-12);
    EXPECT_NEAR(g.tvl, 1.875, 1e-12);
    using quorvel::analysis::GoverningStationTvlReserve;
    EXPECT_NEAR(GoverningStationTvlReserve(g, 1.5, 1.2), 1.228940, 1e-6);
    EXPECT_NEAR(GoverningStationTvlReserve(g, 1.5, 1.0), 1.383871, 1e-6);
    quorvel::analysis::GoverningWebStation tense = g;
    tense.normalStress = 2.3;
    EXPECT_EQ(GoverningStationTvlReserve(tense, 1.5, 1.2), 0.0);
}

// A station checked with the starting filling of 100 mm (shorter than the
// 300 mm available, and not called for) relied on filled cores: it counts
// in the core-filling zones and in group 1. Filling factor
// 1 - 0.5 (100 - 50) / 150 = 0.833333.
TEST_F(SlabResults, StationCheckedWithStartingFillingCountsAsFilled) {
    m.CoreFillingLength(1) = 300.0;
    m.CoreFillingResult(1) = 100.0;
    EXPECT_FALSE(analysis.checkSlabSide(1));
    EXPECT_EQ(run.CoreFillingRerunDone, 0);
    EXPECT_NEAR(m.BetaF(1), 0.833333, 1e-6);
    EXPECT_EQ(run.PointCoreFillingFlag(1, 0), 1.0);
    EXPECT_EQ(run.PointCoreFillingFlag(1, 1), 1.0);
    EXPECT_GT(m.SlabShearUtilisationByZone(1, 1), 0.0);
    EXPECT_EQ(m.SlabShearUtilisationByZone(1, 2), 0.0);

    // 50 mm of starting filling is no filling: group 2, no flag.
    m.CoreFillingResult(1) = 50.0;
    EXPECT_FALSE(analysis.checkSlabSide(1));
    EXPECT_EQ(run.PointCoreFillingFlag(1, 0), 0.0);
    EXPECT_EQ(m.SlabShearUtilisationByZone(1, 1), 0.0);
    EXPECT_GT(m.SlabShearUtilisationByZone(1, 2), 0.0);
}

// Dowelled joints that call for a long filling (required above 90 mm with
// beta_y below 1) put every station of the side in group 1.
TEST_F(SlabResults, DowelledJointsPutStationsInGroupOne) {
    m.RequiredCoreFillingLength(1) = 100.0;
    m.BetaY = 0.9;
    ASSERT_FALSE(analysis.checkSlabSide(1));
    EXPECT_GT(m.SlabShearUtilisationByZone(1, 1), 0.0);
    EXPECT_EQ(m.SlabShearUtilisationByZone(1, 2), 0.0);
    // tvl = 0.9 * 1.125 = 1.0125 at both stations.
    EXPECT_NEAR(m.SlabShearStressTvlEnvelope(1, 1), 1.0125, 1e-9);

    m.BetaY = 1.0;
    ASSERT_FALSE(analysis.checkSlabSide(1));
    EXPECT_EQ(m.SlabShearUtilisationByZone(1, 1), 0.0);
    EXPECT_GT(m.SlabShearUtilisationByZone(1, 2), 0.0);
}

// The governing station is the first of equal capacity ratios. A 60 mm slab
// has the token capacity 0.001 everywhere; without transfer shear the ratio
// is 0.001 / sqrt(0.92^2 + 1.125^2) = 6.880983e-4 at both stations. The
// cracked station keeps no strand prestress (no effective strands worked out
// for so thin a slab), so both transfer factors give one sigma1 and the
// first factor (1.0) governs there; the uncracked one takes 0.5.
TEST_F(SlabResults, FirstStationOfEqualRatiosGoverns) {
    m.SlabHeight(1) = 60.0;
    m.SlabTransferShearStress(1) = 0.0;
    ASSERT_FALSE(analysis.checkSlabSide(1));  // station 0 cracked
    EXPECT_NEAR(m.SlabCheckMinimum5(1), 6.880983e-4, 1e-10);
    EXPECT_DOUBLE_EQ(m.GoverningLptFactor, 1.0);

    m.BeamMomentDesign(0, 2) = 0.0;  // now station 1 is the cracked one
    m.BeamMomentDesign(0, 5) = 0.0;
    m.BeamMomentDesign(1, 2) = -50e6;
    m.BeamMomentDesign(1, 5) = -100e6;
    ASSERT_FALSE(analysis.checkSlabSide(1));
    EXPECT_NEAR(m.SlabCheckMinimum5(1), 6.880983e-4, 1e-10);
    EXPECT_DOUBLE_EQ(m.GoverningLptFactor, 0.5);
}

// Maxima are signed and look only at stations 0..n: web normal stresses of
// -0.76 and -0.46 MPa (MA -6e6 and -3e6 Nmm: -0.6 and -0.3, dM -2e6: -0.16)
// give -0.46, not 0, whatever a station beyond n holds.
TEST_F(SlabResults, SignedMaximaOverTheStationsOfTheRun) {
    m.SlabAreaLoadMomentAtBcr(1, 0) = -6e6;
    m.SlabAreaLoadMomentAtBcr(1, 1) = -3e6;
    for (int i = 0; i <= 1; ++i) m.SlabMomentAtBcrDifference(1, i) = -2e6;
    run.PointNormalStress(2, 1) = 5.0;
    run.SlabPointRatioNumerator(2, 1) = 5.0;
    ASSERT_FALSE(analysis.checkSlabSide(1));
    EXPECT_NEAR(m.SlabNormalStressMax(1), -0.46, 1e-9);
    EXPECT_LT(m.SlabPrincipalStressMax(1), 5.0);
}

// A side without slabs (an edge beam's empty side) checks nothing: its
// tables, flags and results are 0, even where its values would not allow a
// check (no web, no slab shear), and it never asks for core filling.
// A station whose web tension already exceeds its limit without shear (an
// overloaded slab): f0 = 1.5, f_i = 1.4, sigma_cp = -0.5, sigma_n = 3.0
// (side maximum 3.0), alpha = 1, tau_t = 0.1. The capacities' radicands
// 1.5 (1.5 + 0.5 - 3.0) and 1.4 (1.4 + 0.5 - 3.0) are negative: the web has
// nothing left, capacity 0 - 0.1 = -0.1, so VRd and VRd.min are 0 (not
// -0.1 / 0.5 * 50 = -10 kN/m), and the station shows as exceeded (sigma1
// 3.2 / 1.4 = 2.29) instead of ending the calculation.
TEST_F(SlabResults, WebTensionBeyondItsLimitShowsExceededNotAnError) {
    m.SlabCheckMinimum1(1) = 1e10;
    m.SlabCheckMinimum5(1) = 1e10;
    m.SlabMinShearValue(1) = 1e10;
    m.SlabCheckMinimum3(1) = 1e10;
    run.BaseWebStressLimit(1) = 1.5;
    run.PointStressLimit = 1.4;
    run.PointSafetyFactor = 1.07;
    run.GoverningTransferFactor = 1.0;
    m.SlabPrestressStress(1) = -0.5;
    m.SlabTransferShearStress(1) = 0.1;
    m.SlabNormalStressMax(1) = 3.0;
    run.PointNormalStress(0, 1) = 3.0;
    run.PointShearStressThc(0, 1) = 0.5;
    run.PointShearStressTvl(0, 1) = 0.3;
    run.SlabPointRatioNumerator(0, 1) = 3.2;
    m.SlabDesignShear(1, 0) = 50.0;
    EXPECT_EQ(errorOf([&] { quorvel::analysis::slabcheck::closeStation(m, run, 1, 0); }), 0);
    EXPECT_NEAR(run.SlabPointShearRatio(0, 1), 3.2 / 1.4, 1e-12);
    EXPECT_LT(m.SlabCheckMinimum5(1), 0.0);  // capacity -0.1 over the shear
    EXPECT_EQ(m.SlabCheckMinimum1(1), 0.0);
    EXPECT_EQ(m.SlabMinShearValue(1), 0.0);
    EXPECT_NEAR(m.SlabShearUtilisationByZone(1, 2), 3.2 / 1.4, 1e-12);
}

TEST_F(SlabResults, SideWithoutSlabsChecksNothing) {
    m.SlabSidePresent(1) = 0;
    m.SlabWebWidthSum(1) = 0.0;
    m.CoreFillingLength(1) = 200.0;
    for (int i = 0; i <= 1; ++i) {
        m.SlabShearPartA(1, i) = 0.0;
        m.SlabShearPartB(1, i) = 0.0;
        m.SlabDesignShear(1, i) = 0.0;
    }
    run.PointShearStressTvl(0, 1) = 3.0;
    run.SlabPointRatioNumerator(1, 1) = 2.0;
    run.PointCoreFillingFlag(1, 1) = 1.0;
    m.SlabPrincipalStressMax(1) = 2.0;
    m.SlabShearUtilisationByZone(1, 2) = 0.9;
    m.SlabCheckMinimum5(1) = 0.3;
    m.EffectiveAdditionalSafetyFactor(1) = 1.1;  // of an earlier calculation
    m.BetaT(1) = 0.4;

    EXPECT_EQ(errorOf([&] { EXPECT_FALSE(analysis.checkSlabSide(1)); }), 0);
    EXPECT_EQ(run.PointShearStressTvl(0, 1), 0.0);
    EXPECT_EQ(run.SlabPointRatioNumerator(1, 1), 0.0);
    EXPECT_EQ(run.PointCoreFillingFlag(1, 1), 0.0);
    EXPECT_EQ(m.SlabPrincipalStressMax(1), 0.0);
    EXPECT_EQ(m.SlabShearUtilisationByZone(1, 2), 0.0);
    EXPECT_EQ(m.SlabCheckMinimum5(1), 0.0);
    EXPECT_EQ(m.EffectiveAdditionalSafetyFactor(1), 0.0);
    EXPECT_EQ(m.BetaT(1), 0.0);
    EXPECT_EQ(run.CoreFillingRerunDone, 0);
    // The other side is checked as usual.
    ASSERT_FALSE(analysis.checkSlabSide(2));
    EXPECT_NEAR(m.SlabPrincipalStressMax(2), 1.305889, 1e-6);
}

namespace {

// A 6 m steel beam with 25 stations 250 mm apart (station 12 at midspan),
// stiffness 1e14 Nmm2 in every stage, self weight 2 N/mm, no other load.
class ZonesAndDeflections : public ::testing::Test {
protected:
    void SetUp() override {
        quorvel::runtime::clearFloatingPointFlags();
        m.BeamTypeName = "DELTA";
        m.BeamSpan = 6000.0;
        m.CalculationPointCount = 24;
        for (int i = 0; i <= 24; ++i) m.CalculationPointX(i) = 250.0 * i;
        for (int stage : {1, 5, 6, 8}) m.SectionBendingStiffness(stage) = 1e14;
        m.BeamSelfWeight = 2.0;
        m.LayerAreaSum = 1e-6;  // no strands
    }
    void flag(int side, int from, int to) {
        for (int i = from; i <= to; ++i) run.PointCoreFillingFlag(side, i) = 1.0;
    }
    ProjectModel m;
    quorvel::runtime::Messages messages;
    SlabsOnBeamAnalysis analysis{m, messages};
    AnalysisRun& run = analysis.state();
};

}  // namespace

// Zone lengths from each beam end; each zone reaches one station beyond its
// last filled station:
//   no station filled: 0 and 0;
//   stations 0..3 and 20..24 filled: x(4) = 1000 from the start and
//   6000 - x(19) = 6000 - 4750 = 1250 from the end;
//   every station filled: the whole beam from both ends, 6000 and 6000
//   (before, x(24) = 6000 and 6000 - x(23) = 250).
TEST_F(ZonesAndDeflections, CoreFillingZoneLimits) {
    flag(1, 0, 3);
    flag(1, 20, 24);
    flag(2, 0, 24);
    analysis.findZonesAndDeflections();
    EXPECT_DOUBLE_EQ(m.CoreFillingZoneLimits(1, 1), 1000.0);
    EXPECT_DOUBLE_EQ(m.CoreFillingZoneLimits(1, 2), 1250.0);
    EXPECT_DOUBLE_EQ(m.CoreFillingZoneLimits(2, 1), 6000.0);
    EXPECT_DOUBLE_EQ(m.CoreFillingZoneLimits(2, 2), 6000.0);

    for (int side = 1; side <= 2; ++side)
        for (int i = 0; i <= 24; ++i) run.PointCoreFillingFlag(side, i) = 0.0;
    analysis.findZonesAndDeflections();
    EXPECT_EQ(m.CoreFillingZoneLimits(1, 1), 0.0);
    EXPECT_EQ(m.CoreFillingZoneLimits(1, 2), 0.0);
    EXPECT_EQ(m.CoreFillingZoneLimits(2, 1), 0.0);
    EXPECT_EQ(m.CoreFillingZoneLimits(2, 2), 0.0);
}

// Strands below the centroid lift the beam. P = 1e6 N at e = -200 mm:
//   M_P = 1e6 * (-200) = -2e8 Nmm; at midspan M L^2 / (8 EI)
//   = -2e8 * 6000^2 / (8 * 1e14) = -9.0 mm (upward).
// Self weight: 5 q L^4 / (384 EI) = 5 * 2 * 6000^4 / (384 * 1e14) = 0.3375 mm.
// Total at midspan -9.0 + 0.3375 = -8.6625 mm.
TEST_F(ZonesAndDeflections, PrestressCamberIsUpward) {
    m.LayerAreaSum = 1e6;
    m.LayerEccentricity = -200.0;
    analysis.findZonesAndDeflections();
    EXPECT_DOUBLE_EQ(m.PrestressMomentTerm, -2e8);
    EXPECT_NEAR(m.BeamDeflectionMax1, -9.0, 1e-9);
    EXPECT_NEAR(m.BeamDeflectionMax2, 0.3375, 1e-9);
    EXPECT_NEAR(m.BeamDeflectionTotalMax, -8.6625, 1e-9);

    // Strands above the centroid bend the beam down.
    m.LayerEccentricity = 100.0;
    analysis.findZonesAndDeflections();
    EXPECT_NEAR(m.BeamDeflectionMax1, 4.5, 1e-9);
}

// The beam's share of the end moments before grouting, each end with the
// slab load there: start -30e6 * 2 / (2 + 10) = -5e6 Nmm, end
// -60e6 * 2 / (2 + 4) = -20e6 Nmm. Neither beam weight nor slab load at an
// end leaves no share to form.
TEST_F(ZonesAndDeflections, SelfWeightShareOfTheEndMoments) {
    m.SupportMomentStartBeforeGrouting = -30e6;
    m.SupportMomentEndBeforeGrouting = -60e6;
    m.SlabSelfWeightLineLoad(1) = 10.0;
    m.SlabSelfWeightLineLoad(2) = 4.0;
    analysis.findZonesAndDeflections();
    EXPECT_NEAR(m.SupportMomentStartBeamSelfWeight, -5e6, 1e-6);
    EXPECT_NEAR(m.SupportMomentEndBeamSelfWeight, -20e6, 1e-6);

    m.BeamSelfWeight = 0.0;
    m.SlabSelfWeightLineLoad(2) = 0.0;
    EXPECT_EQ(errorOf([&] { analysis.findZonesAndDeflections(); }), 11);
}
