#include <gtest/gtest.h>

#include <cmath>

#include "library/factors.h"
#include "model/project_model.h"
#include "test_support.h"

using namespace quorvel::library;
using quorvel::model::ProjectModel;
using quorvel::runtime::NumberKind;
using quorvel::runtime::Value;

TEST(PartialFactors, ConcreteByQualityClass) {
    EXPECT_EQ(SelectConcretePartialFactor(0), 1.0);
    EXPECT_EQ(SelectConcretePartialFactor(1), 1.35);
    EXPECT_EQ(SelectConcretePartialFactor(2), 1.5);
    EXPECT_EQ(SelectConcretePartialFactor(3), 1.9);
    EXPECT_EQ(SelectConcretePartialFactor(7), 1.5);
    EXPECT_EQ(SelectConcretePartialFactor(2.5), 1.5);  // not a code: the default
}

TEST(PartialFactors, SteelByQualityClassAndKind) {
    EXPECT_EQ(SelectSteelPartialFactor(0, 2), 1.15);
    EXPECT_DOUBLE_EQ(SelectSteelPartialFactor(2, 2), 1.2);
    EXPECT_EQ(SelectSteelPartialFactor(2, 3), 1.35);
    EXPECT_EQ(SelectSteelPartialFactor(2, 0), 1.0);
    EXPECT_DOUBLE_EQ(SelectSteelPartialFactor(2, 9), 1.15);
    EXPECT_EQ(SelectSteelPartialFactor(0, 1), 1.1);
}

TEST(DesignStrength, ReinforcingAndPrestressingSteel) {
    ProjectModel m;
    Value fd, ratio, kind, gamma, prestress;
    // 1000 MPa is still reinforcing steel.
    ComputeSteelDesignStrength(m, 1000, fd, ratio, kind, 2, gamma, prestress);
    EXPECT_EQ(ratio, 1.0);
    EXPECT_EQ(kind, 0);
    EXPECT_EQ(gamma, 1.15);
    EXPECT_NEAR(fd, 1000 / 1.15, 1e-9);
    // Strand 1860 with class 2: gamma 1.15 + 0.05 = 1.2, fd = 1550.
    ComputeSteelDesignStrength(m, 1860, fd, ratio, kind, 2, gamma, prestress);
    EXPECT_EQ(ratio, 0.9);
    EXPECT_EQ(kind, 2);
    EXPECT_DOUBLE_EQ(gamma, 1.2);
    EXPECT_NEAR(fd, 1550, 1e-9);
    ComputeSteelDesignStrength(m, 1860, fd, ratio, kind, 3, gamma, prestress);
    EXPECT_EQ(gamma, 1.35);
    ComputeSteelDesignStrength(m, 1860, fd, ratio, kind, 0, gamma, prestress);
    EXPECT_DOUBLE_EQ(gamma, 1.15);
    // B500 with code 0 gets 1.1, not 1.0.
    ComputeSteelDesignStrength(m, 500, fd, ratio, kind, 0, gamma, prestress);
    EXPECT_EQ(gamma, 1.1);
    EXPECT_NEAR(fd, 454.545, 1e-3);
    EXPECT_EQ(prestress, 0.9);
    EXPECT_EQ(m.FactorLpt2, 1.2);
    EXPECT_DOUBLE_EQ(m.FactorLpt2Ratio, 0.75);
    EXPECT_DOUBLE_EQ(m.FactorLpt1Ratio, 1.5);
}

TEST(DesignStrength, StructuralSteel) {
    ProjectModel m;
    m.SteelStrength = 355;
    m.SteelStrength2 = 275;
    m.SteelStrength3 = Value(235.0f);
    ComputeStructuralSteelValues(m, m.SteelStrength, m.SteelStrength2, m.SteelStrength3,
                                 m.SteelPartialFactor, m.SteelYieldStrength,
                                 m.SteelDesignStrength, m.PlateYieldStrength,
                                 m.PlateDesignStrength, m.SteelModulus);
    EXPECT_EQ(m.SteelPartialFactor, 1.0);
    EXPECT_EQ(m.SteelYieldStrength, 355);
    EXPECT_EQ(m.SteelDesignStrength, 355);
    EXPECT_EQ(m.SteelModulus, 210000);
    EXPECT_EQ(m.SteelModulus.kind(), NumberKind::Integer);
    const double s[3] = {355, 275, 235};
    for (int i = 0; i <= 2; ++i) {
        EXPECT_EQ(m.PlateSteelGrade(i), s[i]);
        EXPECT_EQ(m.PlateYieldStrength(i), s[i]);
        EXPECT_EQ(m.PlateDesignStrength(i), s[i]);
    }
    EXPECT_TRUE(m.PlateSteelGrade(2).isSingle());  // copied as given
}

TEST(ConcreteDesignValues, C30WithClassTwo) {
    // C30/37, gamma_c 1.5: fcd = 0.85 * 30 / 1.5 = 17.0; fctk,0.05 = 2.0
    // (EN 1992-1-1 Table 3.1; 0.21 * 30^(2/3) = 2.028), fctd = 2.028 / 1.5;
    // Ecm 33 GPa; eps_c2 2.0, eps_cu2 3.5 per mille, n = 2.
    Value fck, fcd, fctk, fctd, ecm, n, c2, cu2;
    ComputeConcreteDesignValues(Value(30), 2, fck, fcd, fctk, fctd, ecm, n, c2, cu2);
    EXPECT_EQ(fck, 30);
    EXPECT_NEAR(fcd, 17.0, 1e-12);
    EXPECT_NEAR(fctk, 2.028, 1e-3);
    EXPECT_NEAR(fctd, 1.352, 1e-3);
    EXPECT_NEAR(ecm, 33000, 0.02 * 33000);
    EXPECT_EQ(n, 2.0);
    EXPECT_EQ(c2, -2.0);
    EXPECT_EQ(cu2, -3.5);
    // C70/85 in class 1: fcd = 0.85 * 70 / 1.35 = 44.07; eps_c2 -2.4, eps_cu2
    // -2.7, n 1.45 (Table 3.1, rounded).
    ComputeConcreteDesignValues(Value(70), 1, fck, fcd, fctk, fctd, ecm, n, c2, cu2);
    EXPECT_NEAR(fcd, 44.074, 1e-3);
    EXPECT_NEAR(c2, -2.4, 0.05);
    EXPECT_NEAR(cu2, -2.7, 0.05);
    EXPECT_NEAR(n, 1.45, 0.025);
}

TEST(UnitWeights, ByMaterialOfEachSlot) {
    quorvel::model::MaterialKindArray w;
    quorvel::model::ConcreteKindArray fck;
    fck(1) = 60.0;   // exactly 60: normal concrete
    fck(2) = 60.5;   // above 60: heavier
    fck(3) = 30.0;
    fck(4) = 80.0;
    fck(5) = 20.0;   // the right slab is not read
    fck(6) = 25.0;
    FillUnitWeights(w, fck);
    EXPECT_TRUE(w(0).isEmpty());
    for (int i : {1, 3, 5}) EXPECT_EQ(w(i), 7.85e-5) << i;
    EXPECT_EQ(w(2), 2.5e-5);
    EXPECT_EQ(w(4), 2.6e-5);
    EXPECT_EQ(w(6), 2.5e-5);
    EXPECT_EQ(w(7), 2.6e-5);
    EXPECT_EQ(w(8), 2.6e-5);
    EXPECT_EQ(w(9), 2.5e-5);
}

namespace {

ProjectModel materialsModel() {
    ProjectModel m;
    m.BeamConcreteClass = 50;
    m.InfillConcreteClass = 30;
    m.JointConcreteClass = 25;
    m.SlabConcreteClass(1) = 40;
    m.SlabConcreteClass(2) = 50;
    m.ToppingConcreteClass = 30;
    m.SlabTensileStrengthFactor = 1.0;
    m.AdditionalSafetyFactor = 1.0;
    return m;
}

}  // namespace

TEST(DesignMaterialValues, MissingQualityClassesAreFilledAndKept) {
    ProjectModel m = materialsModel();
    ComputeDesignMaterialValues(m);
    const int expected[7] = {0, 1, 2, 2, 1, 1, 2};
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(m.ConcreteQualityClass(k), expected[k]) << k;
    EXPECT_EQ(m.ConcreteStrengthByKind(3), 25);
    EXPECT_EQ(m.ConcreteStrengthByKind(5), 50);
    // Beam C50 in class 1: fcd = 0.85 * 50 / 1.35; joint grout C25 in class
    // 2: 0.85 * 25 / 1.5.
    EXPECT_NEAR(m.ConcreteFcd(1), 31.481, 1e-3);
    EXPECT_NEAR(m.ConcreteFcd(3), 14.1667, 1e-4);
    // A class that was given stays.
    ProjectModel g = materialsModel();
    g.ConcreteQualityClass(1) = 3;
    ComputeDesignMaterialValues(g);
    EXPECT_EQ(g.ConcreteQualityClass(1), 3);
    EXPECT_NEAR(g.ConcreteFcd(1), 0.85 * 50 / 1.9, 1e-12);
}

TEST(DesignMaterialValues, SlabTensileStrengthFactorAndPrincipalStressLimit) {
    ProjectModel plain = materialsModel();
    ComputeDesignMaterialValues(plain);
    ProjectModel m = materialsModel();
    m.SlabTensileStrengthFactor = 0.9;
    m.AdditionalSafetyFactor = 1.2;
    ComputeDesignMaterialValues(m);
    for (int k : {4, 5}) {
        EXPECT_NEAR(m.ConcreteFctk(k), 0.9 * plain.ConcreteFctk(k), 1e-12) << k;
        EXPECT_NEAR(m.ConcreteFctd(k), 0.9 * plain.ConcreteFctd(k), 1e-12) << k;
    }
    for (int k : {1, 2, 3, 6}) EXPECT_EQ(m.ConcreteFctd(k), plain.ConcreteFctd(k)) << k;
    // Left slab C40, class 1: fctd = 0.21 * 40^(2/3) / 1.35 * 0.9 = 1.6374;
    // limit = 1.6374 / 1.2.
    EXPECT_NEAR(m.ConcreteFctd(4), 0.21 * std::pow(40.0, 2.0 / 3) / 1.35 * 0.9, 1e-9);
    EXPECT_NEAR(m.SlabPrincipalStressLimit(1), m.ConcreteFctd(4) / 1.2, 1e-12);
    EXPECT_NEAR(m.SlabPrincipalStressLimit(2), m.ConcreteFctd(5) / 1.2, 1e-12);
}
