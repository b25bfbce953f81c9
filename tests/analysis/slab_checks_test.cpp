// Slab web checks of a side at every station, against hand calculations of
// the two-station slab of slab_check_model.h.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "analysis/slab_checks.h"
#include "analysis/slabs_on_beam.h"
#include "library/closed_forms.h"
#include "platform/headless/headless_platform.h"
#include "runtime/errors.h"
#include "slab_check_model.h"
#include "support/test_support.h"

using quorvel::analysis::AnalysisRun;
using quorvel::analysis::ComputeEndFactor;
using quorvel::analysis::ComputePointShearResistance;
using quorvel::analysis::SlabsOnBeamAnalysis;
using quorvel::model::ProjectModel;
using quorvel::testing::errorOf;
using quorvel::testing::twoStationModel;

namespace {

class SlabChecks : public ::testing::Test {
protected:
    void SetUp() override { quorvel::runtime::clearFloatingPointFlags(); }
    ProjectModel m = twoStationModel();
    quorvel::runtime::Messages messages;
    SlabsOnBeamAnalysis analysis{m, messages};
    AnalysisRun& run = analysis.state();
};

}  // namespace

// End factor near the slab end.
//   h 265, ap 45: d = 220; a 120: u = 2 * 220 - 120 = 320;
//   p = 0.25 * 320^2 / 220 = 116.3636; L 6000: r = 3000 / (3000 - 116.3636)
//   = 1.040353; leff 80, lmax 120: 1 + (1 - 1.040353) * 80 / 120 = 0.973098.
// With 2 d <= a the factor is 1; d = 0 divides by zero.
TEST(EndFactor, HandCalculationAndItsLimits) {
    EXPECT_NEAR(ComputeEndFactor(265, 45, 6000, 80, 120, 120), 0.973098, 1e-6);
    EXPECT_DOUBLE_EQ(ComputeEndFactor(265, 45, 6000, 80, 120, 440), 1.0);
    EXPECT_DOUBLE_EQ(ComputeEndFactor(265, 45, 6000, 80, 120, 600), 1.0);
    // A short span whose r stays 1 by its lower bound still gives 1.
    EXPECT_DOUBLE_EQ(ComputeEndFactor(265, 45, 6000, 0, 120, 120), 1.0);
    EXPECT_EQ(errorOf([] { ComputeEndFactor(45, 45, 6000, 80, 120, 120); }), 11);
    // h 245, ap 45, a 0: d = 200, u = 400, p = 0.25 * 400^2 / 200 = 200 = L / 2.
    EXPECT_EQ(errorOf([] { ComputeEndFactor(245, 45, 400, 80, 120, 0); }), 11);
    EXPECT_EQ(errorOf([] { ComputeEndFactor(265, 45, 6000, 80, 0, 120); }), 11);
}

// The shear resistance of a station is the slab shear at which sigma1 of the
// check, with thc and tvl growing in proportion to the slab shear, reaches
// the station's limit f.
//   thc 0.92, tvl 1.125 at Vd 20: a = 0.046, b = 0.05625,
//   D = 0.046^2 + 0.05625^2 = 0.0052800625; alpha tau = 0.5 * 0.3 = 0.15;
//   f = 1.376178, s = 0.5 * (-4) = -2:
//   D V^2 + 2 * 0.046 * 0.15 V + 0.15^2 - f (f + 2) = 0
//   V = -1.306803 + sqrt(1.306803^2 + (4.646228 - 0.0225) / D) = 28.3142 kN/m.
TEST(PointShearResistance, Sigma1ReachesTheLimitAtTheResistance) {
    const double f = 1.5 / (1 + 0.92 / (0.92 + 1.125) * 0.2);
    const double V = ComputePointShearResistance(0.92, 1.125, 20, 0.5, -4, 0, 0.3, f);
    EXPECT_NEAR(V, 28.3142, 1e-3);

    struct Case {
        double thc, tvl, Vd, alpha, sigmaCp, sigmaN, tau, f;
    };
    const Case cases[] = {
        {0.92, 1.125, 20, 0.5, -4, 0, 0.3, f},
        {0.92, 1.125, 20, 1.0, -4, 0.76, 0.3, 1.2},
        {1.4, 0.2, 35, 0.8, -6, -0.5, 0.6, 1.8},
        {0.3, 0.0, 10, 1.0, -2, 0.1, 0.0, 1.1},  // no beam shear, no transfer
        {0.0, 0.9, 15, 0.7, -3, 0.2, 0.4, 1.3},  // beam shear alone
    };
    for (const Case& c : cases) {
        const double Vu = ComputePointShearResistance(c.thc, c.tvl, c.Vd, c.alpha, c.sigmaCp,
                                                      c.sigmaN, c.tau, c.f);
        const double thcU = c.thc / c.Vd * Vu;
        const double tvlU = c.tvl / c.Vd * Vu;
        EXPECT_GT(Vu, 0.0);
        EXPECT_NEAR(quorvel::library::ComputePrincipalTensileStress(c.alpha, c.sigmaCp, c.sigmaN,
                                                                    c.tau, thcU, tvlU),
                    c.f, 1e-9)
            << "thc " << c.thc << " tvl " << c.tvl;
    }
    // A station with no slab shear, or no stress growing with it, has none.
    EXPECT_EQ(errorOf([] { ComputePointShearResistance(0.9, 1.1, 0, 0.5, -4, 0, 0.3, 1.4); }), 11);
    EXPECT_EQ(errorOf([] { ComputePointShearResistance(0, 0, 20, 0.5, -4, 0, 0.3, 1.4); }), 11);
    // Prestress in tension beyond the limit: sigma1 at no slab shear is
    // 1.5 + sqrt(1.5^2 + 1.5^2) = 3.62 > 1.4, so no slab shear can be carried.
    EXPECT_EQ(ComputePointShearResistance(0.9, 1.1, 20, 1, 3, 0, 1.5, 1.4), 0.0);
    // Limit above sigma1 at V = 0 but both roots negative cannot happen; a
    // root below 0 is held at 0 as well (sigma_n 1.3 of a 1.4 limit with a
    // transfer shear 0.6: sigma1(0) = 0.65 + sqrt(0.4225 + 0.36) = 1.535).
    EXPECT_EQ(ComputePointShearResistance(0.9, 1.1, 20, 1, 0, 1.3, 0.6, 1.4), 0.0);
}

// Station 1 (beam moments 0, slab uncracked), by hand:
//   thcA = 12 * 6e6 * 1200 / (6e8 * 240 * 1) = 0.6; thcB = 8 * 8e6 * 1200 /
//   (1e9 * 240) = 0.32; thc = 0.92 MPa.
//   tvlA = 1.5 * |-20| * 1200 / (200 * 240) = 0.75; tvlB = 1.5 * 10 * 1200 /
//   48000 = 0.375; no topping: beta_t = 1; tvl = 1.125 MPa.
//   sigma_n = 6e6 * (130 - 70) / 6e8 + 2e6 * (150 - 70) / 1e9 = 0.6 + 0.16
//   = 0.76 MPa (tension below the centroid under a sagging moment).
//   gamma_i = 1 + 0.92 / 2.045 * 0.2 = 1.089976; f_i = 1.5 / 1.089976 = 1.376178.
//   sigma1 at 0.5: s = -2 + 0.76 = -1.24, t = 0.15 + 0.92 = 1.07:
//   -0.62 + sqrt(0.3844 + 1.1449 + 1.265625) = 1.051803; at 1.0: s = -3.24,
//   t = 1.22: -1.62 + sqrt(2.6244 + 1.4884 + 1.265625) = 0.699143: 0.5 governs.
// Station 0: row-2 and row-5 moments -50e6 and -100e6 Nmm:
//   30000 * 50e6 * 200 / 3e14 = 1.0 and 30000 * 100e6 * 150 / 6e14 = 0.75:
//   1.75 > fctd 1.5, cracked; strands that count 10 - 0.5 * 7 = 6.5:
//   sigma_p = -4 * 6.5 / 10 = -2.6; sigma1 at 0.5: s = -1.3 + 0.76 = -0.54:
//   -0.27 + sqrt(0.0729 + 1.1449 + 1.265625) = 1.305889.
TEST_F(SlabChecks, StationStressesByHand) {
    EXPECT_FALSE(analysis.checkSlabSide(1));
    for (int i = 0; i <= 1; ++i) {
        EXPECT_NEAR(run.PointShearStressThcA(i, 1), 0.6, 1e-9);
        EXPECT_NEAR(run.PointShearStressThcB(i, 1), 0.32, 1e-9);
        EXPECT_NEAR(run.PointShearStressThc(i, 1), 0.92, 1e-9);
        EXPECT_NEAR(run.PointShearStressTvlA(i, 1), 0.75, 1e-9);
        EXPECT_NEAR(run.PointShearStressTvlB(i, 1), 0.375, 1e-9);
        EXPECT_NEAR(run.PointShearStressTvl0(i, 1), 1.125, 1e-9);
        EXPECT_NEAR(run.PointShearStressTvl(i, 1), 1.125, 1e-9);
        EXPECT_NEAR(run.PointNormalStress(i, 1), 0.76, 1e-9);
    }
    EXPECT_NEAR(run.SlabPointRatioNumerator(1, 1), 1.051803, 1e-6);
    EXPECT_NEAR(run.SlabPointRatioNumerator(0, 1), 1.305889, 1e-6);
    EXPECT_NEAR(run.PointStressLimit, 1.376178, 1e-6);
    EXPECT_NEAR(run.PointSafetyFactor, 1.089976, 1e-6);
    EXPECT_DOUBLE_EQ(run.GoverningTransferFactor, 0.5);
    // The last station's underside stress: no beam moment there.
    EXPECT_DOUBLE_EQ(m.SlabTensileStressPart1, 0.0);
    EXPECT_NEAR(run.EffectiveBottomStrandCount(1), 6.5, 1e-12);
    EXPECT_EQ(m.SlabShearPartA(1, 0), 12.0);  // no holes: nothing added
    EXPECT_EQ(m.SlabDesignShear(1, 1), 20.0);
    EXPECT_EQ(m.BetaR(1, 1), 1.0);
    EXPECT_EQ(m.BetaR(1, 2), 1.0);
}

// Closing the stations (same slab, station 1 uncracked, station 0 cracked;
// both have alpha 0.5, thc, tvl, sigma_n and f_i alike). The side's largest
// web normal stress is formed over its stations first: sigma_n,max = 0.76.
//   f0 = 1.5 / 1.2 = 1.25; c0 = sqrt(1.25 (1.25 + 2 - 0.76)) - 0.15 = 1.614228;
//   ci = sqrt(1.376178 (1.376178 + 2 - 0.76)) - 0.15 = 1.747452;
//   ratio = 1.747452 / sqrt(1.07^2 + 1.125^2) = 1.747452 / 1.552587 = 1.125510;
//   v0 = 1.614228 / 0.92 * 20 = 35.0919; resistance, the root of
//   D V^2 + 2 * 0.046 * 0.15 V + 0.0225 - f (f + 2 - 0.76) = 0 with the
//   values of PointShearResistance.Sigma1ReachesTheLimitAtTheResistance:
//   V = -1.306803 + sqrt(1.306803^2 + (3.600324 - 0.0225) / 0.0052800625)
//   = 24.7569 kN/m, below v0 and the cap, so it stands (it was 28.3142 with
//   sigma_n,max read as 0 before the side's stations had formed it);
//   k = sigma1 / f_i = 1.051803 / 1.376178 = 0.764293 at station 1 and
//   1.305889 / 1.376178 = 0.948924 at station 0.
//   Cracked cap at station 0: sqrt(1.25 (1.25 + 2.6 - 0.76) - 0.09) = 1.942292,
//   1.942292 / 1.614228 * 35.0919 = 42.2237.
TEST_F(SlabChecks, ResistancesMinimaAndGroupMaxima) {
    ASSERT_FALSE(analysis.checkSlabSide(1));
    EXPECT_NEAR(m.SlabCheckMinimum5(1), 1.125510, 1e-6);
    EXPECT_NEAR(m.EffectiveAdditionalSafetyFactor(1), 1.089976, 1e-6);
    EXPECT_NEAR(m.SlabPrincipalStressLimit(1), 1.376178, 1e-6);
    EXPECT_DOUBLE_EQ(m.GoverningLptFactor, 0.5);
    EXPECT_NEAR(m.SlabCheckMinimum1(1), 35.0919, 1e-4);
    EXPECT_NEAR(run.PointShearResistance(1, 1), 24.7569, 1e-3);
    EXPECT_NEAR(run.PointShearResistance(0, 1), 24.7569, 1e-3);
    EXPECT_NEAR(run.PointShearResistanceCap(1, 1), 35.0919, 1e-4);
    EXPECT_NEAR(run.PointShearResistanceCap(0, 1), 42.2237, 1e-3);
    EXPECT_NEAR(m.SlabMinShearValue(1), 24.7569, 1e-3);
    EXPECT_NEAR(m.SlabCheckMinimum3(1), 24.7569 / 35.0919, 1e-4);
    EXPECT_NEAR(run.SlabPointShearRatio(1, 1), 0.764293, 1e-6);
    EXPECT_NEAR(run.SlabPointShearRatio(0, 1), 0.948924, 1e-6);
    // Neither station was checked with filled cores: group 2.
    EXPECT_NEAR(m.SlabShearUtilisationByZone(1, 2), 0.948924, 1e-6);
    EXPECT_NEAR(m.SlabPrincipalStressEnvelope(1, 2), 1.305889, 1e-6);
    EXPECT_NEAR(m.SlabShearStressTvlEnvelope(1, 2), 1.125, 1e-9);
    EXPECT_EQ(m.SlabShearUtilisationByZone(1, 1), 0.0);
    EXPECT_EQ(m.BetaF(1), 1.0);
    // Per-side maxima over the stations.
    EXPECT_NEAR(m.SlabPrincipalStressMax(1), 1.305889, 1e-6);
    EXPECT_NEAR(m.SlabNormalStressMax(1), 0.76, 1e-9);
    EXPECT_NEAR(m.SlabShearStressThcMax(1), 0.92, 1e-9);
    EXPECT_NEAR(m.SlabShearStressTvlMax(1), 1.125, 1e-9);
    EXPECT_NEAR(m.SlabShearStressTvl0Max(1), 1.125, 1e-9);
    EXPECT_NEAR(m.SlabShearStressTvlMaxA(1), 0.75, 1e-9);
}

// A shear flow of either sign stresses the slab web alike: tvl is a
// magnitude, so the safety factor 1 + thc / (thc + tvl) (gamma - 1) stays
// between 1 and gamma.
TEST_F(SlabChecks, BeamShearStressIsAMagnitude) {
    for (int i = 0; i <= 1; ++i) {
        m.SlabEdgeShearFlow(i, 1, 1) = 20.0;
        m.SlabEdgeShearFlow(i, 1, 2) = -10.0;
    }
    ASSERT_FALSE(analysis.checkSlabSide(1));
    EXPECT_NEAR(run.PointShearStressTvl(1, 1), 1.125, 1e-9);
    EXPECT_NEAR(m.SlabShearStressTvlMax(1), 1.125, 1e-9);
    EXPECT_NEAR(run.PointSafetyFactor, 1.089976, 1e-6);
    // Flows that would cancel thc in the safety factor's divisor as signed
    // stresses (tvl = -thc) leave a finite check.
    for (int i = 0; i <= 1; ++i) {
        m.SlabEdgeShearFlow(i, 1, 1) = -0.92 / 0.75 * 20.0;
        m.SlabEdgeShearFlow(i, 1, 2) = 0.0;
    }
    ASSERT_FALSE(analysis.checkSlabSide(1));
    EXPECT_NEAR(run.PointShearStressTvl(1, 1), 0.92, 1e-9);
    EXPECT_NEAR(run.PointSafetyFactor, 1.1, 1e-9);
}

// The web's normal stress is tension below the centroid under a sagging
// moment; it lowers the cracked web capacity of the side as it lowers
// every other capacity. The side's largest normal stress is formed over its
// stations before the capacity reads it, whatever an earlier pass left:
//   sigma_n,max 0.76: f0 = 1.25, neff / n = 0.65,
//   sqrt(1.25 (1.25 + 4 * 0.65 - 0.76) - 0.3^2) = sqrt(3.7725) = 1.942292.
// Hogging moments at b.cr (-6e6 and -2e6) compress the web:
//   -0.6 - 0.16 = -0.76 MPa, the maximum of both stations:
//   sqrt(1.25 (1.25 + 2.6 + 0.76) - 0.09) = sqrt(5.6725) = 2.381701.
TEST_F(SlabChecks, NormalStressSignAndCrackedWebCapacity) {
    m.SlabNormalStressMax(1) = 0.4;  // stale, from an earlier pass
    ASSERT_FALSE(analysis.checkSlabSide(1));
    EXPECT_NEAR(m.SlabNormalStressMax(1), 0.76, 1e-9);
    EXPECT_NEAR(run.ReducedPrestressWebCapacity(1), 1.942292, 1e-6);
    EXPECT_NEAR(run.BaseWebStressLimit(1), 1.25, 1e-12);

    for (int i = 0; i <= 1; ++i) {
        m.SlabAreaLoadMomentAtBcr(1, i) = -6e6;
        m.SlabMomentAtBcrDifference(1, i) = -2e6;
    }
    ASSERT_FALSE(analysis.checkSlabSide(1));
    EXPECT_NEAR(run.PointNormalStress(1, 1), -0.76, 1e-9);
    EXPECT_NEAR(run.ReducedPrestressWebCapacity(1), 2.381701, 1e-6);

    // A side whose web tension exceeds the limit: MA 1e8 Nmm gives sigma_n
    // = 1e8 * 60 / 6e8 = 10 MPa, and 1.25 (1.25 + 2.6 - 10) - 0.09 < 0
    // leaves the cracked web nothing, 0, and no error.
    for (int i = 0; i <= 1; ++i) {
        m.SlabAreaLoadMomentAtBcr(1, i) = 1e8;
        m.SlabMomentAtBcrDifference(1, i) = 0.0;
    }
    EXPECT_EQ(errorOf([&] { analysis.checkSlabSide(1); }), 0);
    EXPECT_NEAR(m.SlabNormalStressMax(1), 10.0, 1e-9);
    EXPECT_EQ(run.ReducedPrestressWebCapacity(1), 0.0);
}

// The resistance of every station is the slab shear at which sigma1 with
// the side's largest normal stress reaches the station's limit, so at the
// station's own (smaller or equal) normal stress sigma1 stays within it:
// the resistance never lies above the shear at which the station's web
// reaches f. Stations of unequal normal stress (MA 6e6 and 2e6 Nmm: 0.76
// and 0.36 MPa, both with dM 2e6): sigma_n,max = 0.76 at both, and
// sigma1(Vuhc) at the stations' own stress is below f at station 0 (0.36)
// and equal at station 1 (0.76). The check holds over the stations with
// the alpha that governs each (station 0 cracked: 0.5 as well).
TEST_F(SlabChecks, ResistanceReachesTheLimitWithTheSidesLargestNormalStress) {
    m.SlabAreaLoadMomentAtBcr(1, 0) = 2e6;
    ASSERT_FALSE(analysis.checkSlabSide(1));
    ASSERT_NEAR(m.SlabNormalStressMax(1), 0.76, 1e-9);
    ASSERT_NEAR(run.PointNormalStress(0, 1), 0.36, 1e-9);
    for (int i = 0; i <= 1; ++i) {
        const double V = run.PointShearResistance(i, 1);
        const double f = run.SlabPointRatioNumerator(i, 1) / run.SlabPointShearRatio(i, 1);
        const double scale = V / m.SlabDesignShear(1, i);
        const double thc = run.PointShearStressThc(i, 1) * scale;
        const double tvl = run.PointShearStressTvl(i, 1) * scale;
        const auto sigma1 = [&](double sigmaN) {
            return quorvel::library::ComputePrincipalTensileStress(0.5, -4.0, sigmaN, 0.3, thc, tvl);
        };
        EXPECT_NEAR(sigma1(m.SlabNormalStressMax(1)), f, 1e-9) << "station " << i;
        EXPECT_LE(sigma1(run.PointNormalStress(i, 1)), f + 1e-12) << "station " << i;
    }
}

// The slab underside of the right field follows the beam with the right
// slab's own modulus (40000 MPa; the left is 30000):
//   row 2 -37.5e6 Nmm: 40000 * 37.5e6 * (500 - 300) / 3e14 = 1.0;
//   row 5 -75e6 Nmm: 40000 * 75e6 * (500 - 350) / 6e14 = 0.75;
//   1.75 > fctd 1.5: cracked (the left modulus would give 1.3125, uncracked),
//   so sigma1 takes the effective strands' prestress: 1.305889 as above.
TEST_F(SlabChecks, RightSlabUndersideUsesRightSlabModulus) {
    for (int i = 0; i <= 1; ++i) {
        m.BeamMomentDesign(i, 2) = -37.5e6;
        m.BeamMomentDesign(i, 5) = -75e6;
    }
    ASSERT_FALSE(analysis.checkSlabSide(2));
    EXPECT_NEAR(m.SlabTensileStressPart1, 1.0, 1e-9);
    EXPECT_NEAR(m.SlabTensileStressPart2, 0.75, 1e-9);
    EXPECT_NEAR(run.PointCrackingStress, 1.75, 1e-9);
    EXPECT_NEAR(run.SlabPointRatioNumerator(1, 2), 1.305889, 1e-6);
    ASSERT_FALSE(analysis.checkSlabSide(1));
    EXPECT_NEAR(run.PointCrackingStress, 1.3125, 1e-9);
    EXPECT_NEAR(run.SlabPointRatioNumerator(1, 1), 1.051803, 1e-6);
}

// A reinforced topping takes part of the beam's shear over the joint:
//   t 50, As 200 mm2/m, fyk 500, fctk 2.0, fck 25:
//   rho = max(0.26 * (2.0 / 0.7) / 500, 0.0013) = 0.0014857,
//   As,min = max(1000 * 0.0014857 * 50, 130) = 130 <= 200;
//   Ftop = min(0.001 * 200 * 500, 0.15 * 25 * 50) = 100 N/mm;
//   Fweb = 2/3 * 240 / 1200 * 200 * 2.0 = 53.3333 N/mm;
//   beta_t = 53.3333 / 153.3333 = 0.347826;
//   tvl = 0.75 + 0.347826 * 0.375 = 0.880435 MPa.
TEST_F(SlabChecks, ToppingConnectionReducesTheSecondComponent) {
    m.SideToppingThickness(1) = 50.0;
    m.ToppingReinforcementArea = 200.0;
    ASSERT_FALSE(analysis.checkSlabSide(1));
    EXPECT_NEAR(m.BetaT(1), 0.347826, 1e-6);
    EXPECT_NEAR(m.WebForcePerLength(1), 53.3333, 1e-4);
    EXPECT_NEAR(m.TopForcePerLength(1), 100.0, 1e-9);
    EXPECT_NEAR(run.PointShearStressTvl(1, 1), 0.880435, 1e-6);
    EXPECT_NEAR(run.PointShearStressTvl0(1, 1), 1.125, 1e-9);
}

// The end factor divides thc for beams other than DE, ME and LB (exact
// upper case): SUORA with L = 6000 - 80 = 5920, a = 0.5 (80 + 200) = 140:
//   d 220, u = 440 - 140 = 300, p = 0.25 * 300^2 / 220 = 102.2727,
//   r = 2960 / (2960 - 102.2727) = 1.035788,
//   1 + (1 - 1.035788) * 80 / 120 = 0.976141; thcA = 0.6 / 0.976141 = 0.614665.
TEST_F(SlabChecks, EndFactorByBeamFamily) {
    for (const char* type : {"SUORA", "delta", "de"}) {
        m.BeamTypeName = type;
        ASSERT_FALSE(analysis.checkSlabSide(1));
        EXPECT_NEAR(run.PointEndFactor, 0.976141, 1e-6) << type;
        EXPECT_NEAR(run.PointShearStressThcA(1, 1), 0.614665, 1e-6) << type;
    }
    for (const char* type : {"DELTA", "MEK", "LBL"}) {
        m.BeamTypeName = type;
        ASSERT_FALSE(analysis.checkSlabSide(1));
        EXPECT_EQ(run.PointEndFactor, 1.0) << type;
    }
}

// Holes in the slab end. The halves are those of the beam, 0..3000 and
// 3000..6000, whatever the zero moments (here 1000 and 5000); b.cr 200:
//   hole 1 at 2800, 600 wide, 400 deep, 100 from the slab end, lies across
//   the middle: 200 in the first half, 400 in the second; within 3 b.cr of
//   the end with min(400, 600 - 100) / 200 >= 1, r = 1. Hole 2 at
//   200..900 lies in the first half too (before, it lay before the zone
//   and counted for nothing). The first half keeps 3000 - 900:
//   beta_r1 = 1 + (200 + 700) / (3000 - 900) = 1.428571,
//   beta_r2 = 1 + 400 / (3000 - 400) = 1.153846.
TEST_F(SlabChecks, HoleFactorsOfTheTwoHalves) {
    m.BeamSpan = 6000.0;
    m.ZeroMomentX(1) = 1000.0;
    m.ZeroMomentX(2) = 5000.0;
    m.ZeroMomentSpan = 4000.0;
    m.HoleCount(1) = 2;
    m.HoleX(1, 1) = 2800.0;
    m.HoleWidthB(1, 1) = 600.0;
    m.HoleLengthA(1, 1) = 400.0;
    m.HoleY(1, 1) = 100.0;
    m.HoleX(1, 2) = 200.0;
    m.HoleWidthB(1, 2) = 700.0;
    m.HoleLengthA(1, 2) = 400.0;
    m.HoleY(1, 2) = 100.0;
    quorvel::analysis::slabcheck::computeHoleFactors(m, 1);
    EXPECT_NEAR(m.BetaR(1, 1), 1.428571, 1e-6);
    EXPECT_NEAR(m.BetaR(1, 2), 1.153846, 1e-6);

    // Wholly in the second half: 1 + 600 / (3000 - 600) = 1.25.
    m.HoleCount(1) = 1;
    m.HoleX(1, 1) = 3500.0;
    quorvel::analysis::slabcheck::computeHoleFactors(m, 1);
    EXPECT_EQ(m.BetaR(1, 1), 1.0);
    EXPECT_NEAR(m.BetaR(1, 2), 1.25, 1e-12);
    // A station exactly at midspan lies in both halves and takes the larger:
    // tvl.A = 1.25 x 1.5 x 20 x 1200 / (200 x 240) = 0.9375 (0.75 with 1).
    m.CalculationPointX(1) = 3000.0;
    analysis.checkSlabSide(1);
    EXPECT_NEAR(run.PointShearStressTvlA(1, 1), 1.25 * 0.75, 1e-9);

    // Deeper into the slab than 3 b.cr: no effect.
    m.HoleY(1, 1) = 600.0;
    quorvel::analysis::slabcheck::computeHoleFactors(m, 1);
    EXPECT_EQ(m.BetaR(1, 2), 1.0);
}

// A hole 400 wide (y 100, A 400: min(400, 600 - 100) / 200 >= 1, so r = 1)
// slides in 10 mm steps over the beam, its middle 3000 and its end 6000.
// Only the part t of its width inside a half counts:
//   beta = 1 + t / (3000 - t);
// e.g. X = 5800 leaves t = 6000 - 5800 = 200 in the second half:
//   beta_r2 = 1 + 200 / 2800 = 1.071429 (the whole width gave 1.153846);
// X = 6000 only touches the beam's end: t = 0, beta_r2 = 1.
TEST_F(SlabChecks, HoleFactorsCountThePartOfEachHoleInsideTheHalf) {
    m.BeamSpan = 6000.0;
    m.ZeroMomentX(1) = 1000.0;
    m.ZeroMomentX(2) = 5000.0;
    m.ZeroMomentSpan = 4000.0;
    m.HoleCount(1) = 1;
    m.HoleWidthB(1, 1) = 400.0;
    m.HoleLengthA(1, 1) = 400.0;
    m.HoleY(1, 1) = 100.0;
    const auto factor = [](double t) { return 1 + t / (3000 - t); };
    const auto inside = [](double from, double to, double X) {
        return std::max(0.0, std::min(to, X + 400) - std::max(from, X));
    };
    for (double X = -400; X <= 6200; X += 10) {
        m.HoleX(1, 1) = X;
        quorvel::analysis::slabcheck::computeHoleFactors(m, 1);
        EXPECT_NEAR(m.BetaR(1, 1), factor(inside(0, 3000, X)), 1e-12) << X;
        EXPECT_NEAR(m.BetaR(1, 2), factor(inside(3000, 6000, X)), 1e-12) << X;
    }
    m.HoleX(1, 1) = 5800.0;
    quorvel::analysis::slabcheck::computeHoleFactors(m, 1);
    EXPECT_NEAR(m.BetaR(1, 2), 1.071429, 1e-6);
    m.HoleX(1, 1) = 6000.0;
    quorvel::analysis::slabcheck::computeHoleFactors(m, 1);
    EXPECT_EQ(m.BetaR(1, 2), 1.0);

    // Holes that take the whole of a half (one hole, or two side by side)
    // leave it no web: named, never a factor below 1 or a division by 0.
    // Two that overlap each other and leave part of it still count.
    struct Case {
        double x1, b1, x2, b2;
        bool refused;
    };
    const Case cases[] = {{3000, 3000, 0, 0, true},
                          {2500, 3500, 0, 0, true},
                          {3000, 1500, 4500, 1500, true},
                          {3000, 1700, 3100, 1000, false}};
    for (const Case& c : cases) {
        m.HoleCount(1) = c.b2 > 0 ? 2 : 1;
        m.HoleX(1, 1) = c.x1;
        m.HoleWidthB(1, 1) = c.b1;
        m.HoleX(1, 2) = c.x2;
        m.HoleWidthB(1, 2) = c.b2;
        m.HoleLengthA(1, 2) = 400.0;
        m.HoleY(1, 2) = 100.0;
        bool refused = false;
        try {
            quorvel::analysis::slabcheck::computeHoleFactors(m, 1);
        } catch (const quorvel::analysis::HoleRefusal& r) {
            refused = true;
            EXPECT_EQ(r.side, 1);
            EXPECT_DOUBLE_EQ(r.from, 3000.0);
            EXPECT_DOUBLE_EQ(r.to, 6000.0);
            EXPECT_NE(r.message().english.find("the holes of the left side take away the whole of the half x = 3000 ... 6000 mm (half of the beam)"),
                      std::string::npos);
            EXPECT_NE(r.message().finnish.find("vasemman puolen reiät vievät koko puolikkaan x = 3000 ... 6000 mm (puolet palkista)"), std::string::npos);
        }
        EXPECT_EQ(refused, c.refused) << c.x1;
        if (!c.refused) {
            EXPECT_GE(m.BetaR(1, 2), 1.0);
            EXPECT_TRUE(std::isfinite(m.BetaR(1, 2).number()));
        }
    }
}

// Failures the check cannot carry on from: a zero web width or b.cr, a zero
// slab section, a station without slab shear.
TEST_F(SlabChecks, ImpossibleSlabValuesEndTheCalculation) {
    auto attempt = [&](auto change) {
        ProjectModel fresh = twoStationModel();
        change(fresh);
        quorvel::runtime::Messages messages;
        SlabsOnBeamAnalysis a(fresh, messages);
        return errorOf([&] { a.checkSlabSide(1); });
    };
    EXPECT_EQ(attempt([](ProjectModel& x) { x.SlabWebWidthSum(1) = 0.0; }), 11);
    EXPECT_EQ(attempt([](ProjectModel& x) { x.SlabBcr(1) = 0.0; }), 11);
    EXPECT_EQ(attempt([](ProjectModel& x) { x.SlabMomentOfInertia(1) = 0.0; }), 11);
    EXPECT_EQ(attempt([](ProjectModel& x) { x.ToppedSlabMomentOfInertia(1) = 0.0; }), 11);
    EXPECT_EQ(attempt([](ProjectModel& x) { x.BeamSpan = 0.0; }), 11);
    EXPECT_EQ(attempt([](ProjectModel& x) {
                  for (int i = 0; i <= 1; ++i) {
                      x.SlabShearPartA(1, i) = 0.0;
                      x.SlabShearPartB(1, i) = 0.0;
                  }
              }),
              11);
}
