#include "library/strand_transfer.h"

#include <gtest/gtest.h>

#include "model/project_model.h"
#include "test_support.h"

using namespace quorvel;
using library::ComputeAnchorageTerm;
using library::ComputeStrandBondStrength;
using library::ComputeStrandTransferPerSide;
using model::ProjectModel;
using runtime::Value;

namespace {

// A slab unit 265 high and 1200 wide (net 1180) with six 12.5 mm strands
// (93 mm2) 45 above the bottom, no top strands, no topping. Section values
// are round numbers so that every result can be worked by hand:
// A = 180000 mm2, I = 1.5e9 mm4, centroid 130 above the bottom, D = 70,
// C = 100000 mm2, S = 6.5e6 mm3, web width sum 300 mm.
// Concrete fctk = 2.5 (C40/50, EN 1992-1-1 Table 3.1), fcd = 0.85 x 40 /
// 1.5 = 22.667; release at 70 %; sigma0 = 1300 MPa with 15 % loss;
// strand design strength 1860 / 1.1 = 1690.909.
ProjectModel transferModel() {
    ProjectModel m;
    m.ReleaseStrengthRatio = 0.7;
    for (int s = 1; s <= 2; ++s) {
        m.SlabHeight(s) = 265.0;
        m.SlabSupportLength(s) = 80.0;
        m.EffectiveSupportLength(s) = 60.0;
        m.SlabBcr(s) = 160.0;
        m.ConcreteFctk(s + 3) = 2.5;
        m.ConcreteFcd(s + 3) = 0.85 * 40 / 1.5;
        m.BottomStrandBondFactor(s) = 3.2;
        m.BottomStrandArea(s) = 93.0;
        m.BottomStrandDiameter(s) = 12.5;
        m.BottomStrandCount(s) = 6;
        m.BottomStrandAxisDistance(s) = 45.0;
        m.BottomStrandDesignStrength(s) = 1860 / 1.1;
        m.TopStrandType(s) = "";
        m.TopStrandBondFactor(s) = 1.1;  // what the catalogue reader sets without top strands
        m.TopStrandAxisDistance(s) = 45.0;
        m.StrandInitialStress(s) = 1300.0;
        m.StrandPrestressLoss(s) = 0.15;
        m.SlabArea(s) = 180000.0;
        m.SlabMomentOfInertia(s) = 1.5e9;
        m.SlabDimensionPhc(s) = 130.0;
        m.SlabSectionValueD(s) = 70.0;
        m.SlabSectionValueC(s) = 100000.0;
        m.SlabFirstMoment(s) = 6.5e6;
        m.SlabWebWidthSum(s) = 300.0;
        m.ToppedSlabArea(s) = 180000.0;
        m.ToppedSlabMomentOfInertia(s) = 1.5e9;
        m.ToppedSlabCentroidPhc(s) = 130.0;
        m.SlabTopFlangeDesignThickness(s) = 35 + 265 / 80.0;
        m.SlabUnitWidth(s) = 1200.0;
        m.SlabWidthDeduction(s) = 20.0;
    }
    m.ConcreteFcd(6) = 0.85 * 30 / 1.5;
    return m;
}

// Bond strength 3.2 x 1.0 x 0.7 x 2.5 / 1.5 = 3.73333 MPa; anchorage
// 1.25 x (93 / 12.5 / 3.14159) x 0.95 x 1300 / 3.73333
// = 1.25 x 2.368270 x 1235 / 3.73333 = 979.27 mm.
constexpr double handAnchorage = 979.27;

}  // namespace

TEST(StrandBondStrength, WorkedNumbers) {
    // Release ratio 0.7, fctk 2.0, bond factor 3.2:
    // bottom 3.2 x 1.0 x 0.7 x 2.0 / 1.5 = 2.98667 MPa,
    // top    3.2 x 0.7 x 0.7 x 2.0 / 1.5 = 2.09067 MPa.
    Value fb, ft, other;
    ComputeStrandBondStrength(fb, 1, 0.7, 2.0, 3.2);
    ComputeStrandBondStrength(ft, 2, 0.7, 2.0, 3.2);
    ComputeStrandBondStrength(other, 3, 0.7, 2.0, 3.2);  // only position 2 is a top strand
    EXPECT_NEAR(fb, 2.98667, 5e-6);
    EXPECT_NEAR(ft, 2.09067, 5e-6);
    EXPECT_DOUBLE_EQ(other, fb);
}

TEST(StrandAnchorage, TransmissionLengthOfEn1992) {
    // EN 1992-1-1 8.10.2.2, sudden release: lpt = alpha1 alpha2 phi
    // sigma_pm0 / fbpt with alpha1 = 1.25, alpha2 = 0.19 (7-wire strand),
    // phi = 12.5 mm; fbpt = eta_p1 eta_1 fctd(t) = 3.2 x 1.0 x 1.75 / 1.5
    // = 3.73333 MPa (fctk,0.05(t) = 0.7 x 2.5 = 1.75 at a release at 70 %,
    // fctd = fctk / gamma_c); sigma_pm0 = 0.95 x 1300 = 1235 MPa just after
    // release. lpt = 1.25 x 0.19 x 12.5 x 1235 / 3.73333 = 982.07 mm.
    Value lb;
    ComputeAnchorageTerm(lb, 93, 12.5, 1300, 3.2 * 1.0 * 0.7 * 2.5 / 1.5);
    EXPECT_NEAR(lb / 982.07, 1.0, 0.01);
    EXPECT_NEAR(lb, handAnchorage, 0.01);
}

TEST(StrandTransfer, FullAndHalfTransfer) {
    // Full prestress: sigma_pe = 1300 x 0.85 = 1105 MPa, P = 6 x 93 x 1105
    // = 616590 N at e = 130 - 45 = 85 mm. Stress at D = 70:
    // -P/A - P e (130 - 70) / I = -3.42550 - 2.09641 = -5.52191 MPa.
    ProjectModel full = transferModel();
    full.EffectiveSupportLength(1) = 2 * handAnchorage;  // x beyond the anchorage length
    ComputeStrandTransferPerSide(full);
    EXPECT_NEAR(full.StrandBondStrength(1, 1), 3.73333, 5e-6);
    EXPECT_NEAR(full.StrandBondStrength(1, 2), 1.1 * 0.7 * 0.7 * 2.5 / 1.5, 1e-12);
    EXPECT_NEAR(full.StrandAnchorageLength(1), handAnchorage, 0.01);
    EXPECT_DOUBLE_EQ(full.ShearSectionDistance(1), 2 * handAnchorage + 80);
    EXPECT_NEAR(full.SlabPrestressForce(1), 616590, 1e-6);
    EXPECT_NEAR(full.SlabPrestressEccentricity(1), 85, 1e-9);
    EXPECT_NEAR(full.SlabPrestressStress(1), -5.52191, 1e-5);

    // Half the anchorage length: half the force, half the stress.
    ProjectModel half = transferModel();
    half.EffectiveSupportLength(2) = handAnchorage / 2 - 80;  // x = 60 + 0.5 x 160 = lb / 2
    ComputeStrandTransferPerSide(half);
    EXPECT_NEAR(half.SlabPrestressStress(2), -5.52191 / 2, 1e-5);
    // The full force still stands for the cracking moment.
    EXPECT_NEAR(half.SlabPrestressForce(2), 616590, 1e-6);

    // Side 1 of that model: x = 60 + 80 = 140 of 979.27.
    EXPECT_NEAR(half.SlabPrestressStress(1), -5.52191 * 140 / handAnchorage, 1e-5);
}

TEST(StrandTransfer, TransferShearStress) {
    // Bottom strands only: gb = P / lb = 616590 / 979.27 = 629.64 N/mm;
    // (C/A - (S/I) eb) = 100000/180000 - (6.5e6/1.5e9) x 85 = 0.55556 - 0.36833
    // = 0.18722; tau = 629.64 x 0.18722 / 300 = 0.39294 MPa.
    ProjectModel m = transferModel();
    ComputeStrandTransferPerSide(m);
    EXPECT_NEAR(m.SlabTransferShearStress(1), 0.39294, 1e-5);
}

TEST(StrandTransfer, CrackingAndUltimateMoments) {
    // Cracking with no dead load moment and no topping, by hand:
    // fctm = 2.5 / 0.7 = 3.57143; sigma_cp = -P (1/A + e y / I)
    // = -616590 (1/180000 + 85 x 130 / 1.5e9) = -7.96771 MPa;
    // Mcr = (fctm - sigma_cp) I / y = 11.53914 x 1.5e9 / 130 = 1.331439e8 Nmm
    // per unit, / 1200 x 0.001 = 110.953 kNm/m.
    //
    // Ultimate moment, stress block in the top flange: F = 6 x 93 x 1690.909
    // = 943527.3 N; x = F / (1180 x 22.667) = 35.276 mm < 38.31 (flange);
    // Mu = F (265 - 45 - 35.276/2) = 1.909339e8 Nmm, 159.112 kNm/m.
    ProjectModel m = transferModel();
    m.SlabMaxCharacteristicMoment(1) = 60e6;
    m.SlabMaxDesignMoment(1) = 84e6;
    ComputeStrandTransferPerSide(m);
    EXPECT_NEAR(m.SlabPrestressStressAp(1), -7.96771, 1e-5);
    EXPECT_NEAR(m.SlabCrackingMoment(1), 110.953, 1e-3);
    EXPECT_NEAR(m.SlabUltimateMoment(1), 159.112, 1e-3);
    // Slab moments per unit into kNm/m: 60e6 / 1200 x 0.001 = 50.
    EXPECT_DOUBLE_EQ(m.SlabMaxCharacteristicMoment(1), 50);
    EXPECT_DOUBLE_EQ(m.SlabMaxDesignMoment(1), 70);
    EXPECT_DOUBLE_EQ(m.SlabWorkingWidth(1), 1180);
}

TEST(StrandTransfer, TopStrands) {
    // Two 9.3 mm strands (52 mm2) 45 below the top, bond factor 3.2:
    // ft = 3.2 x 0.7 x 0.7 x 2.5 / 1.5 = 2.61333; lt = 1.25 x (52 / 9.3 /
    // 3.14159) x 1235 / 2.61333 = 1051.4 mm. Full transfer at x = 3000.
    // Pb = 616590, Pt = 2 x 52 x 1105 = 114920, P = 731510 N;
    // resultant height (616590 x 45 + 114920 x 220) / 731510 = 72.4925, e = 57.5075.
    ProjectModel m = transferModel();
    m.TopStrandType(1) = "S";
    m.TopStrandCount(1) = 2.0;
    m.TopStrandArea(1) = 52.0;
    m.TopStrandDiameter(1) = 9.3;
    m.TopStrandBondFactor(1) = 3.2;
    m.EffectiveSupportLength(1) = 3000.0;
    ComputeStrandTransferPerSide(m);
    EXPECT_NEAR(m.StrandBondStrength(1, 2), 2.61333, 5e-6);
    EXPECT_NEAR(m.SlabPrestressForce(1), 731510, 1e-6);
    EXPECT_NEAR(m.SlabPrestressEccentricity(1), 130 - 72.4925, 1e-4);
    // Stress at D: -P/A - P e (130 - 70)/I = -4.06394 - 1.68269 = -5.74664.
    EXPECT_NEAR(m.SlabPrestressStress(1), -5.74664, 1e-5);
    // Transfer shear: gb = 629.64 as above, gt = 114920 / 1051.4 = 109.30;
    // et = 130 - 220 = -90: (629.64 x 0.18722 + 109.30 x (0.55556 + 0.39)
    // - 109.30) / 300 = (117.88 + 103.35 - 109.30) / 300 = 0.37311 MPa.
    EXPECT_NEAR(m.SlabTransferShearStress(1), 0.37311, 1e-5);
}

TEST(StrandTransfer, EmptyTopDesignationHasNoTopTerms) {
    // Without a top strand type the catalogue reader leaves diameter and
    // area 0: the top anchorage would be 0/0. The side computes as one
    // whose top designation is "0" (key 0 read: 12.5 mm, 93 mm2, count 0).
    ProjectModel empty = transferModel();
    empty.TopStrandDiameter(1) = 0.0;
    empty.TopStrandArea(1) = 0.0;
    empty.TopStrandCount(1) = 0.0;
    EXPECT_EQ(fpErrorOf([&] {
                  ComputeStrandTransferPerSide(empty);
                  return empty.SlabCrackingMoment(1).number();
              }),
              0);

    ProjectModel zero = transferModel();
    zero.TopStrandType(1) = "0";
    zero.TopStrandDiameter(1) = 12.5;
    zero.TopStrandArea(1) = 93.0;
    zero.TopStrandCount(1) = 0.0;
    zero.TopStrandBondFactor(1) = 3.2;
    EXPECT_EQ(fpErrorOf([&] {
                  ComputeStrandTransferPerSide(zero);
                  return zero.SlabCrackingMoment(1).number();
              }),
              0);
    EXPECT_DOUBLE_EQ(empty.SlabPrestressForce(1), zero.SlabPrestressForce(1));
    EXPECT_DOUBLE_EQ(empty.SlabPrestressStress(1), zero.SlabPrestressStress(1));
    EXPECT_DOUBLE_EQ(empty.SlabTransferShearStress(1), zero.SlabTransferShearStress(1));
    EXPECT_NEAR(empty.SlabTransferShearStress(1), 0.39294, 1e-5);
    EXPECT_DOUBLE_EQ(empty.SlabCrackingMoment(1), zero.SlabCrackingMoment(1));
}

TEST(StrandTransfer, NoStrandForceEndsTheCalculation) {
    // Neither bottom nor top strands: the resultant of no force is 0/0.
    ProjectModel m = transferModel();
    m.BottomStrandCount(2) = 0;
    EXPECT_NE(fpErrorOf([&] {
                  ComputeStrandTransferPerSide(m);
                  return m.SlabPrestressEccentricity(2).number();
              }),
              0);
}

TEST(StrandTransfer, SupportLengthDefaults) {
    ProjectModel m = transferModel();
    m.SlabSupportLength(1) = 0.05;
    m.SlabHeight(1) = 320.0;
    m.SlabSupportLength(2) = 0.05;
    m.SlabHeight(2) = 300.0;
    ComputeStrandTransferPerSide(m);
    EXPECT_EQ(m.SlabSupportLength(1), 100);
    EXPECT_EQ(m.SlabSupportLength(2), 65);
    // The check section uses the effective support length already formed.
    EXPECT_EQ(m.ShearSectionDistance(2), 60 + 80);

    ProjectModel kept = transferModel();
    kept.SlabSupportLength(1) = 0.1;
    ComputeStrandTransferPerSide(kept);
    EXPECT_EQ(kept.SlabSupportLength(1), 0.1);
}

TEST(StrandTransfer, AToppingOfAHighClassTakesItsOwnEtaInTheBlock) {
    // The unit above with 50 mm topping in C60 (fcd = 0.85 x 60 / 1.5 = 34,
    // eta = 1 - 10/200 = 0.95, block stress 32.3 MPa), strands at Ep
    // 195000 (EN 1992-1-1 3.1.7, Table 3.1).
    // Over C40, six strands: F = 0.92 x 6 x 93 x 1690.909 = 868 045 N stays
    // in the topping, x1 = 868045 / (1200 x 32.3) = 22.395 mm; the neutral
    // axis 22.395 / 0.775 = 28.90 mm down leaves the strands far past yield.
    // Mu = F (220 + 50 - x1/2) = 224.652e6 Nmm, 187.210 kNm/m (187.615
    // with eta = 1).
    // Over C45 (fcd 25.5, eta 1), 24 strands that do not yield: the
    // topping's lambda 0.775 and eps_cu3 = 2.6 + 35 x 0.3^4 = 2.8835 per
    // mille govern (the slab's 0.8 and 3.5 would not). Prestrain 1105 /
    // 195000; with the block y deep (x = y / 0.775, strands 270 below its
    // top) the strands pull 195000 (1105/195000 + 0.0028835 (270 x 0.775 /
    // y - 1)) = 542.72 + 117 657.6 / y MPa on 0.92 x 24 x 93 = 2053.44 mm2.
    // Block: topping 1200 x 50 x 32.3 = 1 938 000, flange 1180 x 38.3125 x
    // 25.5 = 1 152 823, webs 300 x 25.5 (y - 88.3125). Balance:
    // 7650 y^2 + 1 300 795 y - 241 602 849 = 0, y = 111.984 mm, stress
    // 1593.38 < 1690.91 MPa; webs x3 = 23.672 mm, F3 = 181 088 N.
    // Mu = 1 938 000 x 245 + 1 152 823 x 200.844 + 181 088 x (181.6875 -
    // 11.836) = 737.105e6 Nmm, 614.255 kNm/m.
    const struct {
        double fckSlab, strands, Mu;
    } rows[] = {{40, 6, 187.210}, {45, 24, 614.255}};
    for (const auto& row : rows) {
        ProjectModel m = transferModel();
        m.SlabStrandModulus(1) = 195000;
        m.SideToppingThickness(1) = 50;
        m.BottomStrandCount(1) = row.strands;
        m.ConcreteFck(4) = row.fckSlab;
        m.ConcreteFcd(4) = 0.85 * row.fckSlab / 1.5;
        m.ConcreteFck(6) = 60;
        m.ConcreteFcd(6) = 0.85 * 60 / 1.5;
        m.SolverResultB = -4000;  // the beam section's compression, which the steel web's shear reads later
        ComputeStrandTransferPerSide(m);
        EXPECT_NEAR(m.SlabUltimateMoment(1), row.Mu, 1e-3) << "C" << row.fckSlab;
        EXPECT_EQ(m.SolverResultB, -4000);  // not the topping's force
    }
}
