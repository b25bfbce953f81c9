#include <gtest/gtest.h>

#include <cmath>

#include "library/closed_forms.h"
#include "test_support.h"

using namespace quorvel::library;
using quorvel::runtime::Value;

// ---------------------------------------------------------------------------
// Principal tensile stress

TEST(PrincipalTensileStress, MatchesMohrsCircle) {
    // Plane stress sigma_x = 3, tau = 2 (sigma_y = 0). Mohr's circle: centre
    // 3/2 = 1.5, radius Sqr(1.5^2 + 2^2) = 2.5, sigma_1 = 1.5 + 2.5 = 4.0.
    // Built as s = a b + c = 0.75 (-2) + 4.5 = 3, t1 = a d + e = 0.75 2 + 0.5 = 2.
    EXPECT_NEAR(ComputePrincipalTensileStress(0.75, -2, 4.5, 2, 0.5, 0), 4.0, 1e-12);
    // The same shear split over two perpendicular planes, 1.2 and 1.6
    // (Sqr(1.44 + 2.56) = 2), gives the same circle.
    EXPECT_NEAR(ComputePrincipalTensileStress(1, 0, 3, 0, 1.2, 1.6), 4.0, 1e-12);
    // Pure shear tau = 1.5: the circle is centred at 0, sigma_1 = 1.5.
    EXPECT_NEAR(ComputePrincipalTensileStress(1, 0, 0, 0, 0, 1.5), 1.5, 1e-12);
    // Compression alone (s = -4) has no tensile principal stress.
    EXPECT_NEAR(ComputePrincipalTensileStress(1, -3, -1, 0, 0, 0), 0.0, 1e-12);
}

TEST(PrincipalTensileStress, IsARootOfTheStressTensor) {
    // Tensor [[s, t1, f], [t1, 0, 0], [f, 0, 0]]: det(T - sigma I) =
    // sigma ((s - sigma) sigma + t1^2 + f^2), which must vanish at sigma_1.
    const double a = 0.75, b = -6.2, c = 1.3, d = 0.8, e = 0.45, f = 0.9;
    const double s = a * b + c, t1 = a * d + e;
    const double sigma = ComputePrincipalTensileStress(a, b, c, d, e, f);
    const double det = (s - sigma) * sigma * sigma + t1 * t1 * sigma + f * f * sigma;
    EXPECT_NEAR(det, 0.0, 1e-9);
    EXPECT_GT(sigma, 0.0);
    // b = d = 0 leaves the factor a out: c/2 + Sqr(c^2/4 + e^2 + f^2).
    EXPECT_NEAR(ComputePrincipalTensileStress(9, 0, c, 0, e, f),
                c / 2 + std::sqrt(c * c / 4 + e * e + f * f), 1e-12);
}

TEST(ShearStressReserve, IsTheShearThatBringsSigma1ToTheLimit) {
    // Mohr's circle above: s = 3, t1 = 1.2 and f = 1.6 give sigma_1 = 4.0, so
    // against a limit of 4.0 the reserve is 1.6: 4 (4 - 3) - 1.44 = 2.56.
    EXPECT_NEAR(ComputeShearStressReserve(4.0, 1, 0, 3, 0, 1.2), 1.6, 1e-12);
    // Compression s = 0.75 (-2) - 0.5 = -2, t1 = 0.75 0.4 + 0.2 = 0.5, limit
    // 1.5: 1.5 (1.5 + 2) - 0.25 = 5.0, reserve sqrt(5) = 2.236068; sigma_1 at
    // that shear is the limit again.
    const double r = ComputeShearStressReserve(1.5, 0.75, -2, -0.5, 0.4, 0.2);
    EXPECT_NEAR(r, std::sqrt(5.0), 1e-12);
    EXPECT_NEAR(ComputePrincipalTensileStress(0.75, -2, -0.5, 0.4, 0.2, r), 1.5, 1e-12);
    // Tension s = 3 against a limit of 1: 1 (1 - 3) < 0, nothing is left;
    // exactly at the limit with no other shear (1.5 (1.5 - 0) - 1.5^2 = 0)
    // neither.
    EXPECT_EQ(ComputeShearStressReserve(1.0, 1, 0, 3, 0, 0), 0.0);
    EXPECT_EQ(ComputeShearStressReserve(1.5, 1, 0, 0, 0, 1.5), 0.0);
    EXPECT_EQ(errorOf([] { ComputeShearStressReserve(std::nan(""), 1, 0, 0, 0, 0); }), 5);
}

// ---------------------------------------------------------------------------
// Prestress stress and cracking moment of a slab unit

TEST(SlabCrackingMoment, DeadLoadOnBareSectionRestOnToppedSection) {
    // P = 1e6 N at e = 50 mm, A = 2e5 mm2, I = 5e9 mm4, bottom fibre y = 100.
    // sigma_cp = -1e6 (1/2e5 + 50 100 / 5e9) = -1e6 (5e-6 + 1e-6) = -6.0 MPa.
    // Dead load M = 50e6 Nmm: sigma_M = 50e6 100 / 5e9 = 1.0 MPa.
    // Reserve to fctm 3.0: 3 + 6 - 1 = 8 MPa on the topped section,
    // I2/y2 = 9e9/150 = 6e7 mm3: Mcr = 50e6 + 8 6e7 = 530e6 Nmm.
    SlabCracking r = ComputeSlabCrackingMoment(1e6, 50, 50e6, 2e5, 5e9, 100, 9e9, 150, 3.0);
    EXPECT_NEAR(r.prestressStress, -6.0, 1e-12);
    EXPECT_NEAR(r.crackingMoment, 530e6, 1e-3);

    // M = 0: the whole reserve fct - sigma_cp = 9 MPa on the topped section.
    r = ComputeSlabCrackingMoment(1e6, 50, 0, 2e5, 5e9, 100, 9e9, 150, 3.0);
    EXPECT_NEAR(r.crackingMoment, 9 * 6e7, 1e-3);

    // No reserve left (fct -5.5 below -6 + 1): bare section alone,
    // (fct - sigma_cp) I / y = 0.5 5e7 = 25e6.
    r = ComputeSlabCrackingMoment(1e6, 50, 50e6, 2e5, 5e9, 100, 9e9, 150, -5.5);
    EXPECT_NEAR(r.crackingMoment, 25e6, 1e-3);
}

TEST(SlabCrackingMoment, NegativeResultFallsBackToTheBareSection) {
    // Hogging M = -1e9 with a stiffer bare section (I/y = 5e7) than the
    // topped one (I2/y2 = 4e9/200 = 2e7): sigma_M = -20, reserve 3 + 6 + 20
    // = 29, Mcr = -1e9 + 29 2e7 = -4.2e8 < 0, so Mcr = (3 + 6) 5e7 = 4.5e8.
    EXPECT_NEAR(ComputeSlabCrackingMoment(1e6, 50, -1e9, 2e5, 5e9, 100, 4e9, 200, 3.0).crackingMoment, 4.5e8, 1e-3);
}

// ---------------------------------------------------------------------------
// Ultimate moment of a slab unit

namespace {

// A 265 mm hollow-core unit: unit width 1200, net width 1170, webs 300,
// top flange 35 mm, strands 45 mm above the bottom (d = 220 mm), ten
// strands of 93 mm2 at fpd = 1550 MPa, slab fcd 30, topping fcd 15.
struct UnitForMoment {
    double nb = 10, Ab = 93, b1 = 1200, b2 = 1170, h = 265, bw = 300, tf = 35, ap = 45;
    double fpd = 1550, fcdSlab = 30, fcdTopping = 15;
    SlabUltimateMoment moment(double topping) const {
        return ComputeSlabUltimateMoment(nb, Ab, b1, b2, h, bw, tf, ap, topping, fpd, fcdSlab, fcdTopping);
    }
};

}  // namespace

TEST(SlabUltimateMoment, WithoutToppingEqualsForceTimesArmToBlockCentroid) {
    // F = 10 93 1550 = 1 441 500 N. The flange takes 35 1170 30 = 1 228 500 N
    // (block 41.07 mm > 35 mm), the webs F3 = 213 000 N over
    // x3 = 213 000 / (300 30) = 23.667 mm below the flange.
    // Centroid of the block below the slab top:
    //   zc = (1 228 500 17.5 + 213 000 (35 + 11.833)) / 1 441 500 = 21.83 mm
    // Mu = F (d - zc) = 1 441 500 (220 - 21.83) = 285.66e6 Nmm.
    const UnitForMoment u;
    const double F = 1441500, F2 = 1228500, F3 = F - F2, x3 = F3 / (300.0 * 30);
    const double zc = (F2 * 17.5 + F3 * (35 + x3 / 2)) / F;
    EXPECT_NEAR(zc, 21.83, 0.01);
    const SlabUltimateMoment bare = u.moment(0);
    EXPECT_NEAR(bare.moment, F * (220 - zc), 1.0);
    EXPECT_NEAR(bare.moment, 285.66e6, 0.01e6);
    EXPECT_EQ(bare.toppingForce, 0);
    EXPECT_NEAR(bare.flangeArm, 220 - 17.5, 1e-9);
    EXPECT_NEAR(bare.webArm, 185 - x3 / 2, 1e-9);
}

TEST(SlabUltimateMoment, ToppingRaisesTheMomentAndActsAtItsOwnArm) {
    // 50 mm topping: F = 0.92 1 441 500 = 1 326 180 N. The topping could
    // need 1 326 180 / (1200 15) = 73.7 mm, so it is used in full:
    // F1 = 1200 50 15 = 900 000 N at 25 mm below the topping top. The rest
    // R = 426 180 N in the flange over x2 = 426 180 / (1170 30) = 12.14 mm.
    // Block centroid below the topping top:
    //   zc = (900 000 25 + 426 180 (50 + 6.07)) / 1 326 180 = 35.00 mm
    // Strands lie d + t1 = 270 mm below the topping top:
    //   Mu = 1 326 180 (270 - 35.00) = 311.67e6 Nmm > 285.66e6 without topping.
    const UnitForMoment u;
    const double F = 0.92 * 1441500, F1 = 900000, R = F - F1, x2 = R / (1170.0 * 30);
    const double zc = (F1 * 25 + R * (50 + x2 / 2)) / F;
    const SlabUltimateMoment withTopping = u.moment(50);
    EXPECT_NEAR(withTopping.moment, F * (270 - zc), 1.0);
    EXPECT_NEAR(withTopping.moment, 311.67e6, 0.01e6);
    EXPECT_NEAR(withTopping.toppingForce, F1, 1e-6);
    EXPECT_NEAR(withTopping.toppingArm, 245, 1e-9);
    EXPECT_GT(withTopping.moment, u.moment(0).moment);
}

TEST(SlabUltimateMoment, TinyToppingCountsAsNone) {
    // 0.001 mm is below the topping threshold: k unreduced, no layer 1, so
    // the moment is that of the bare unit.
    const UnitForMoment u;
    EXPECT_DOUBLE_EQ(u.moment(0.001).moment, u.moment(0).moment);
}

// The same unit with the strands' strain: Ep 195 000 MPa, prestrain
// 0.005, eps_cu 0.0035, lambda 0.8 (EN 1992-1-1 3.1.7(3)). With the block y
// deep the neutral axis lies at x = 1.25 y and the strands strain
//   0.005 + 0.0035 (220 - 1.25 y) / (1.25 y) = 0.0015 + 0.616 / y,
// i.e. stress 292.5 + 120 120 / y MPa (at most 1550). The block's force
// below the 35 mm flange: 1 228 500 + 300 30 (y - 35) = 913 500 + 9000 y.
//   Ten strands (930 mm2): block 58.667 deep (above), strain 0.0120 > 1550
//     / 195 000: they yield, the moment is the one above.
//   Twenty (1860 mm2) at 1550 would need a block 218.8 deep, where they
//     strain far less than 1550 / Ep: they do not yield. 913 500 + 9000 y = 1860 (292.5 + 120 120 / y) gives
//     9000 y^2 + 369 450 y - 223 423 200 = 0, y = 138.365 mm, stress
//     1160.6 MPa, F = 2 158 786 N; webs F3 = 930 286 N over x3 = 103.365:
//     Mu = 1 228 500 202.5 + 930 286 (185 - 51.683) = 372.79e6 Nmm.
//   Thirty (2790 mm2): even at the deepest block lambda d = 176 mm (strands
//     at the neutral axis) they pull 2 790 (292.5 + 682.5) = 2 720 250 N
//     > 913 500 + 1 584 000 = 2 497 500 N: the block stays 176 deep,
//     Mu = 1 228 500 202.5 + 1 269 000 (185 - 70.5) = 394.07e6 Nmm.
// From 1 to 60 strands the moment never falls.
TEST(SlabUltimateMoment, StrandsThatCannotYieldPullWithTheirStrain) {
    StrandStrain strain;
    strain.modulus = 195000;
    strain.prestrain = 0.005;
    strain.ultimateStrain = 0.0035;
    strain.blockFactor = 0.8;
    UnitForMoment u;
    const auto moment = [&](double strands) {
        return ComputeSlabUltimateMoment(strands, u.Ab, u.b1, u.b2, u.h, u.bw, u.tf, u.ap, 0, u.fpd, u.fcdSlab,
                                         u.fcdTopping, strain)
            .moment;
    };
    EXPECT_DOUBLE_EQ(moment(10), u.moment(0).moment);
    const double y = (-369450 + std::sqrt(369450.0 * 369450 + 4 * 9000 * 223423200.0)) / 18000;
    EXPECT_NEAR(y, 138.365, 0.001);
    EXPECT_NEAR(moment(20), 372.79e6, 0.01e6);
    EXPECT_NEAR(moment(30), 394.07e6, 0.01e6);
    double before = 0;
    for (int n = 1; n <= 60; ++n) {
        const double now = moment(n);
        EXPECT_GE(now, before) << n << " strands";
        before = now;
    }
}

// ---------------------------------------------------------------------------
// Cracking moment of a prestressed beam section

TEST(BeamCrackingMoment, RectangleWithBottomTendonByHand) {
    // Rectangle 300 x 600, no ledges: Wb = 300 600^2 / 6 = 18e6 mm3,
    // A = 180 000 mm2, I = 5.4e9 mm4. Size factor: g = 300 600^2 0.28 / 18e6
    // = 1.68, k = 0.6 - 1.83 < 1, so k = 1. fctm 2.9 MPa (C30/37,
    // EN 1992-1-1 Table 3.1). P = 1e6 N at 100 mm, 200 mm below the centroid.
    // Bottom fibre stress from prestress: -1e6/180 000 - 1e6 200 300 / 5.4e9
    // = -5.556 - 11.111 = -16.667 MPa. Cracking when M 300 / 5.4e9 = 2.9 +
    // 16.667: M = 19.567 18e6 = 352.2e6 Nmm.
    Value Mcr;
    ComputeTendonEccentricity(1, 300, 300, 600, 0, 18e6, 180000, 2.9, 1e6, -200, Mcr);
    const double sigmaP = 1e6 / 180000.0 + 1e6 * 200 * 300 / 5.4e9;
    EXPECT_NEAR(Mcr, (2.9 + sigmaP) * 5.4e9 / 300, 1.0);
    EXPECT_NEAR(Mcr, 352.2e6, 0.1e6);
}

TEST(BeamCrackingMoment, WithoutPrestressItIsTheFlexuralCrackingMoment) {
    // Wb fctm = 18e6 2.9 = 52.2e6 Nmm, with P = 0 and with the 1e-6 N the
    // analysis puts in for "no prestress" (its e is then minus the centroid).
    Value Mcr;
    ComputeTendonEccentricity(1, 300, 300, 600, 0, 18e6, 180000, 2.9, 0, 0, Mcr);
    EXPECT_NEAR(Mcr, 52.2e6, 1.0);
    ComputeTendonEccentricity(1, 300, 300, 600, 0, 18e6, 180000, 2.9, 1e-6, -300, Mcr);
    EXPECT_NEAR(Mcr, 52.2e6, 1.0);
}

TEST(BeamCrackingMoment, SizeFactorHeldWithinOneAndOnePointSeven) {
    // Rectangles b = 300 with Wb = b h^2 / 6, so g = 6 0.28 = 1.68 and
    // k = 0.001 h - 1.83:
    //   h = 3000: k = 1.17, Mcr = 1.17 fctm Wb = 1.17 2.9 4.5e8 = 1.52685e9;
    //   h = 4000: k = 2.17, held at 1.7: 1.7 2.9 8e8 = 3.944e9.
    Value Mcr;
    ComputeTendonEccentricity(1, 300, 300, 3000, 0, 4.5e8, 9e5, 2.9, 0, 0, Mcr);
    EXPECT_NEAR(Mcr, 1.52685e9, 1e3);
    ComputeTendonEccentricity(1, 300, 300, 4000, 0, 8e8, 1.2e6, 2.9, 0, 0, Mcr);
    EXPECT_NEAR(Mcr, 3.944e9, 1e3);
    // A flanged section of code 2: b = 400, bw = 200, rho = 0.5,
    // phi = 0.04 0.5^0.667 = 0.02516; h = 4000, Wb = 400 4000^2 / 6:
    // g = 6 (0.28 + 0.02516) = 1.831, k = 4 - 1.981 = 2.02, held at 1.7.
    ComputeTendonEccentricity(2, 400, 200, 4000, 0, 400 * 16e6 / 6, 1.6e6, 2.9, 0, 0, Mcr);
    EXPECT_NEAR(Mcr, 1.7 * 2.9 * 400 * 16e6 / 6, 1e3);

    // Ledges wider than the flange (b = 300, bw = 500: rho = -0.667) count as
    // no overhang, rho = 0, phi = 0, with either code: h = 3000 gives
    // k = 1.17 as the rectangle above, 1.52685e9 (code 1 with rho -0.667
    // would give phi -0.0133, g 1.6, k 1.25; code 2 no number). With P = 1e6
    // N at e = -200 on A = 9e5: + Wb P / A + P |e| = 5e8 + 2e8 = 2.22685e9.
    for (const double code : {1.0, 2.0}) {
        ComputeTendonEccentricity(code, 300, 500, 3000, 0, 4.5e8, 9e5, 2.9, 0, 0, Mcr);
        EXPECT_NEAR(Mcr, 1.52685e9, 1e3) << code;
        ComputeTendonEccentricity(code, 300, 500, 3000, 0, 4.5e8, 9e5, 2.9, 1e6, -200, Mcr);
        EXPECT_NEAR(Mcr, 2.22685e9, 1e3) << code;
    }
}

// ---------------------------------------------------------------------------
// Connection factor beta_y

TEST(ConnectionFactorBetaY, FallsWithTheGroutWidthOnlyForDowelsOnTheBeamTop) {
    // Slabs on top, dowelled on top: 1 - 0.2 (w - 80) / 100.
    const int16_t dowels = 1;
    Value beta;
    ComputeConnectionFactorBetaY(dowels, 0, 80, beta);
    EXPECT_EQ(beta, 1.0);
    ComputeConnectionFactorBetaY(dowels, 0, 130, beta);  // 1 - 0.2 50/100
    EXPECT_NEAR(beta, 0.9, 1e-12);
    ComputeConnectionFactorBetaY(dowels, 0, 180, beta);  // 1 - 0.2 100/100
    EXPECT_NEAR(beta, 0.8, 1e-12);
    ComputeConnectionFactorBetaY(dowels, 0, 200, beta);
    EXPECT_EQ(beta, 0.8);

    const int16_t noDowels = 0;
    ComputeConnectionFactorBetaY(noDowels, 0, 130, beta);
    EXPECT_EQ(beta, 1.0);
    ComputeConnectionFactorBetaY(dowels, 1, 130, beta);  // slabs on ledges
    EXPECT_EQ(beta, 1.0);
}
