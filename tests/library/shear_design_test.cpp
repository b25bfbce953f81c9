#include <gtest/gtest.h>

#include <cmath>

#include "library/shear_design.h"
#include "model/project_model.h"
#include "test_support.h"

using namespace quorvel::library;
using quorvel::model::ProjectModel;
using quorvel::runtime::Value;

// ---------------------------------------------------------------------------
// Topping connection factor beta_t

namespace {

// One slab side: webs 300 mm over a 1200 mm unit, b.cr 200 mm, slab fctk
// 2.7 MPa (C45/55, EN 1992-1-1 Table 3.1); topping C25/30 (fctk 1.8 MPa),
// B500 mesh. Web term (2/3) 300 200 2.7 / (1200 g5) = 90 / g5 N/mm.
struct ToppedSide {
    double bw = 300, b = 1200, bcr = 200, fctkSlab = 2.7;
    double fctkTop = 1.8, fckTop = 25, fyk = 500;
    double betaT(const ProjectModel& m, double t, double As, double g5, Value& term,
                 Value& cap) const {
        return ComputeToppingFactorBetaT(m, t, As, fyk, fctkTop, fckTop, bw, b, bcr, fctkSlab, 11,
                                         12, 13, 14, 15, g5, term, cap);
    }
};

}  // namespace

TEST(ToppingFactorBetaT, ReinforcedToppingTakesItsShareByHand) {
    // rho_min = max(0.26 (1.8/0.7)/500, 0.0013) = 0.001337; As,min =
    // max(1000 0.001337 50, 130) = 130 mm2/m, so 200 mm2/m counts.
    // Topping 50 mm, not "CW": concrete 0.15 25 50 = 187.5 N/mm, mesh
    // 0.001 200 500 = 100 N/mm, cap = 100; beta_t = 90 / (90 + 100).
    ProjectModel m;
    m.BeamTypeName = "SUORA";
    const ToppedSide side;
    Value term, cap;
    EXPECT_NEAR(side.betaT(m, 50, 200, 1, term, cap), 90.0 / 190.0, 1e-12);
    EXPECT_NEAR(term, 90, 1e-9);
    EXPECT_NEAR(cap, 100, 1e-9);
    // A thin mesh: the concrete 0.15 25 50 = 187.5 N/mm is not reached by
    // 0.001 500 500 = 250 N/mm, so the concrete governs.
    side.betaT(m, 50, 500, 1, term, cap);
    EXPECT_NEAR(cap, 187.5, 1e-9);
    // Core filling factor 0.5 doubles the web term: 180 / (180 + 100).
    EXPECT_NEAR(side.betaT(m, 50, 200, 0.5, term, cap), 180.0 / 280.0, 1e-12);
}

TEST(ToppingFactorBetaT, CwFamilyUsesDesignStrengthAndMeshFactor) {
    // "CW": concrete 0.24 fcd(6) t with fcd = 0.85 25 / 1.5 = 14.1667:
    // 0.24 14.1667 50 = 170 N/mm; mesh 1.25 0.001 200 500 = 125 N/mm.
    ProjectModel m;
    m.BeamTypeName = "CWQ";
    m.ConcreteFcd(6) = 0.85 * 25 / 1.5;
    const ToppedSide side;
    Value term, cap;
    EXPECT_NEAR(side.betaT(m, 50, 200, 1, term, cap), 90.0 / 215.0, 1e-12);
    side.betaT(m, 50, 1000, 1, term, cap);  // mesh 625 > concrete 170
    EXPECT_NEAR(cap, 170, 1e-9);
}

TEST(ToppingFactorBetaT, ThinOrUnderReinforcedToppingCarriesNothing) {
    ProjectModel m;
    const ToppedSide side;
    Value term, cap;
    // Thickness threshold 39.9 mm: 39.9 carries nothing, 40 mm does.
    EXPECT_EQ(side.betaT(m, 39.9, 200, 1, term, cap), 1.0);
    EXPECT_EQ(cap, 0);
    side.betaT(m, 40, 200, 1, term, cap);
    EXPECT_NEAR(cap, 100, 1e-9);
    // As,min is never below 130 mm2/m.
    EXPECT_EQ(side.betaT(m, 50, 129, 1, term, cap), 1.0);
    side.betaT(m, 50, 130, 1, term, cap);
    EXPECT_GT(cap, 0);
    // rho_min above its floor: fctk 3.0, fyk 400: 0.26 (3/0.7) / 400 =
    // 0.0027857, t = 100: As,min = 278.6 mm2/m.
    Value t2, c2;
    ComputeToppingFactorBetaT(m, 100, 278, 400, 3.0, 25, 300, 1200, 200, 2.7, 0, 0, 0, 0, 0, 1, t2,
                              c2);
    EXPECT_EQ(c2, 0);
    ComputeToppingFactorBetaT(m, 100, 279, 400, 3.0, 25, 300, 1200, 200, 2.7, 0, 0, 0, 0, 0, 1, t2,
                              c2);
    EXPECT_NEAR(c2, 0.001 * 279 * 400, 1e-9);
    // rho_min never below 0.0013: fctk 1.0, fyk 500 gives 0.000743, so
    // t = 200 needs max(1000 0.0013 200, 130) = 260 mm2/m.
    ComputeToppingFactorBetaT(m, 200, 259, 500, 1.0, 25, 300, 1200, 200, 2.7, 0, 0, 0, 0, 0, 1, t2,
                              c2);
    EXPECT_EQ(c2, 0);
    ComputeToppingFactorBetaT(m, 200, 260, 500, 1.0, 25, 300, 1200, 200, 2.7, 0, 0, 0, 0, 0, 1, t2,
                              c2);
    EXPECT_GT(c2, 0);
}

// ---------------------------------------------------------------------------
// Shear reinforcement of a concrete beam

namespace {

// Rectangular beam b = 300, d = 550, C30/37 quality class 2 (gamma_c 1.5):
// fctd = 2.0 / 1.5 = 1.333, fcd = 0.85 30 / 1.5 = 17; joint grout of a
// higher class, so the beam's values govern. Stirrups B500, fywd = 500 /
// 1.15 = 434.78. No slab bearing widens the compression strut (c4 = 0).
struct RectangularBeam {
    double b = 300, d = 550, fctd = 2.0 / 1.5, fcd = 17, gammaC = 1.5, fyk = 500,
           fywd = 500 / 1.15;
    void design(double V, Value& design, Value& minimum, Value& vmax, Value& web) const {
        DesignShearReinforcement(2, V, b, d, 0, fctd, 2.5, fctd * gammaC, fcd, 25, fyk, fywd,
                                 design, minimum, vmax, 1, 2, 3, 4, 5, web);
    }
};

}  // namespace

TEST(ShearReinforcement, RectangularBeamByHand) {
    const RectangularBeam beam;
    Value design, minimum, vmax, web;
    // Concrete share 0.3 fctd = 0.4 MPa. Minimum 200 fctk b / fyk with
    // fctk = fctd gamma_c = 2.0: 200 2.0 300 / 500 = 240 mm2/m.
    // Upper limit 0.25 fcd b d = 0.25 17 300 550 = 701 250 N.

    // V = 400 kN: tau = 400e3 / (300 550) = 2.4242 MPa, excess 2.0242,
    // r = 2.0242 / 434.78 = 0.0046558 >= 0.0045:
    // A = 1000 300 0.0046558 / 0.9 = 1551.9 mm2/m.
    beam.design(400e3, design, minimum, vmax, web);
    EXPECT_NEAR(design, 1551.9, 0.1);
    EXPECT_NEAR(minimum, 240, 1e-9);
    EXPECT_NEAR(vmax, 701250, 1e-6);
    EXPECT_EQ(web, 0);

    // V = 250 kN: tau = 1.5152, excess 1.1152, r = 0.0025649 (between):
    // A = 300 (Sqr(7.563 + 11670 0.0025649) - 2.75) = 300 (6.1235 - 2.75)
    // = 1012.0 mm2/m.
    beam.design(250e3, design, minimum, vmax, web);
    EXPECT_NEAR(design, 1012.0, 0.1);

    // V = 120 kN: tau = 0.72727, excess 0.32727, r = 0.00075273 <= 0.0009:
    // A = 1000 300 0.00075273 / 0.6 = 376.4 mm2/m.
    beam.design(120e3, design, minimum, vmax, web);
    EXPECT_NEAR(design, 376.4, 0.1);

    // V = 60 kN: tau = 0.3636 < 0.4, no excess: the minimum governs.
    beam.design(60e3, design, minimum, vmax, web);
    EXPECT_NEAR(design, 240, 1e-9);
}

TEST(ShearReinforcement, BandsJoinAtTheirEnds) {
    // r = 0.0009: 1000 b r / 0.6 = 1.5 b; r = 0.0045: 1000 b r / 0.9 = 5.0 b.
    // Shear stresses 0.3 f + r fywd with f = 1, fywd = 400 on b = d = 1000;
    // the joining curve meets both lines within 0.001 b = 1 mm2/m.
    Value design, minimum, vmax, web;
    auto areaAt = [&](double r) {
        const double V = (0.3 + r * 400) * 1000 * 1000;
        DesignShearReinforcement(2, V, 1000, 1000, 0, 1, 1, 0, 10, 10, 500, 400, design,
                                 minimum, vmax, 0, 0, 0, 0, 1, web);
        return static_cast<double>(design);
    };
    EXPECT_NEAR(areaAt(0.0009), 1500, 1.0);
    EXPECT_NEAR(areaAt(0.0009 + 1e-9), 1500, 1.0);
    EXPECT_NEAR(areaAt(0.0045), 5000, 1.0);
    EXPECT_NEAR(areaAt(0.0045 - 1e-9), 5000, 1.0);
    // Well inside the straight parts.
    EXPECT_NEAR(areaAt(0.0003), 500, 1e-6);
    EXPECT_NEAR(areaAt(0.009), 10000, 1e-6);
}

TEST(ShearReinforcement, SlabBearingsWidenTheUpperLimit) {
    // Two slab sides on 100 mm bearings: 0.25 min(17, 25) (300 + 2 100) 550
    // = 1 168 750 N; the lower fcd of beam and grout governs. The minimum
    // takes the fctk it is given: 200 1.8 300 / 500 = 216 mm2/m.
    Value design, minimum, vmax, web;
    DesignShearReinforcement(2, 1e5, 300, 550, 200, 1.33, 1.2, 1.8, 25, 17, 500, 434.78,
                             design, minimum, vmax, 0, 0, 0, 0, 1, web);
    EXPECT_NEAR(vmax, 1168750, 1e-6);
    EXPECT_NEAR(minimum, 216, 1e-9);
}

TEST(ShearReinforcement, SteelWebAndOtherCategories) {
    Value design = 7, minimum = 7, vmax = 7, web = 7;
    // Steel: k = max((400 - 100) / (500 - 100), 0.5) = 0.75;
    // web = 2 |-200e3| 0.75 / 10 = 30 000.
    DesignShearReinforcement(1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, design, minimum, vmax, 400,
                             100, 500, -200e3, 10, web);
    EXPECT_NEAR(web, 30000, 1e-3);
    EXPECT_EQ(design, 0);
    EXPECT_EQ(minimum, 0);
    EXPECT_EQ(vmax, 1e30);
    // A design moment below the first resistance: k = 0.5.
    DesignShearReinforcement(1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, design, minimum, vmax, 50,
                             100, 500, 200e3, 10, web);
    EXPECT_NEAR(web, 20000, 1e-3);
    // Prestressed (3) and composite (4) beams: nothing designed here.
    for (double category : {3.0, 4.0}) {
        web = 7;
        DesignShearReinforcement(category, 1e6, 300, 500, 0, 1, 1, 1, 1, 1, 500, 400, design,
                                 minimum, vmax, 1, 2, 3, 4, 5, web);
        EXPECT_EQ(web, 0);
        EXPECT_EQ(design, 0);
        EXPECT_EQ(minimum, 0);
        EXPECT_GT(vmax, 1e29);
    }
}
