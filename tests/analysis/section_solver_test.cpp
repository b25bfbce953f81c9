#include <gtest/gtest.h>

#include <cmath>

#include "analysis/section_solver.h"
#include "section_test_support.h"

using namespace quorvel::analysis;
using quorvel::model::ProjectModel;
using namespace sectiontest;

namespace {

// Rectangular reinforced concrete beam (the SUORA section): 380 x 580 mm,
// C30/37 with gamma_c 1.5 (fcd 17), one row of 4 bars of 491 mm2 at 38 mm,
// B500 with gamma_s 1.15, Es 200000.
ProjectModel rectangularBeam() {
    ProjectModel m;
    setMaterials(m, 30, 1.5, 355);
    setMainSteel(m, 500, 1.15, 200000);
    m.BeamCategory = 2;
    m.OverallBeamHeight = 580;
    setPrecast(m, {{380, 380, 580, 0}});
    m.ReinforcementRowCount = 1;
    m.BarsInRow(1) = 4;
    m.BarArea(1) = 491;
    m.BarDistanceFromBottom(1) = 38;
    m.BarPrestress(1) = 0.001;
    m.SectionCentroid(2) = 290;
    return m;
}

}  // namespace

TEST(SectionSolver, ReinforcedRectangleMatchesTheParabolaRectangleBlock) {
    // EN 1992-1-1 3.1.7 parabola-rectangle, eps_c2 = 2.0, eps_cu2 = 3.5, n = 2,
    // top fibre at eps_cu2:
    //   stress block factor alpha = 1 - eps_c2 / (3 eps_cu2) = 0.80952,
    //   its centroid below the top beta x: the rectangle (0.42857 x deep) at
    //   0.21429 x, the parabola (0.38095 x) at x - 0.625 x 0.57143 x, so
    //   beta = (0.42857 x 0.21429 + 0.38095 x 0.64286) / 0.80952 = 0.41597.
    // Force balance with the steel yielded:
    //   x = As fyd / (alpha fcd b) = 1964 x 434.78 / (0.80952 x 17 x 380) = 163.3 mm
    //   steel strain 3.5 (542 - 163.3) / 163.3 = 8.1 per mille (< 10, yielded),
    //   curvature (3.5 + 8.1) / 542 = 0.021 per mille / mm (< 0.027).
    //   MRd = As fyd (d - beta x) = 404.8 kNm.
    ProjectModel m = rectangularBeam();
    SolveSectionEquilibrium(m);
    const double As = 4 * 491.0, fyd = 500 / 1.15, fcd = 0.85 * 30 / 1.5, d = 580 - 38.0;
    const double alpha = 1 - 2.0 / (3 * 3.5);
    const double beta = (1.5 / 3.5 * 0.75 / 3.5 + 2.0 / 3.5 * (2.0 / 3) * (1 - 0.625 * 2.0 / 3.5)) / alpha;
    const double x = As * fyd / (alpha * fcd * 380);
    const double MRd = As * fyd * (d - beta * x);
    EXPECT_NEAR(beta, 0.41597, 1e-5);
    EXPECT_NEAR(m.SolverReferenceDepth, d, 1e-9);
    EXPECT_NEAR(m.NeutralAxisDepth, x, 1e-5 * x);
    EXPECT_NEAR(m.SolverLimitStrain, -3.5, 1e-9);
    EXPECT_NEAR(m.MomentResistanceSolved, MRd, 1e-5 * MRd);
    // The resultants balance within the search's stated balance.
    EXPECT_NEAR(-m.SolverResultB / m.SolverResultA, 1, EquilibriumBalance);
}

TEST(SectionSolver, SectionWithoutRowsIsAnalysedToItsBottomFibre) {
    ProjectModel m = rectangularBeam();
    m.ReinforcementRowCount = 0;
    SolveSectionEquilibrium(m);
    EXPECT_EQ(m.SolverReferenceDepth, 580);
}

TEST(SectionSolver, WeldedISectionYieldsToTheCurvatureLimit) {
    // TI default, 300 mm high, symmetric, flanges 300 x 19 (fy 345 over 16 mm),
    // web 11 x 262 (355). No rows: the reference depth is the bottom fibre and
    // the start strain unbounded, so the curvature limit 0.027 per mille/mm
    // governs with the neutral axis at mid-height. The web keeps an elastic
    // core c = (355 / 210) / 0.027 = 62.6 mm either side of the axis, which
    // takes fy tw c^2 / 3 from the plastic moment:
    //   M = 2 x 345 x 300 x 19 x 140.5 + 355 x 11 x 262^2 / 4 - 355 x 11 x c^2 / 3.
    ProjectModel m;
    setMaterials(m, 30, 1.5, 355);
    m.BeamCategory = 1;
    m.OverallBeamHeight = 300;
    setPlates(m, {{300, 300, 19, 0}, {11, 11, 262, 19}, {300, 300, 19, 281}});
    m.SectionCentroid(2) = 150;
    SolveSectionEquilibrium(m);
    const double c = 355.0 / 210 / 0.027;
    const double M = 2 * 345.0 * 300 * 19 * 140.5 + 355.0 * 11 * 262 * 262 / 4 -
                     355.0 * 11 * c * c / 3;
    EXPECT_EQ(m.SolverReferenceDepth, 300);
    EXPECT_NEAR(m.NeutralAxisDepth, 150, 1e-9);
    EXPECT_NEAR(m.SectionCurvature, 0.027, 1e-12);
    EXPECT_NEAR(m.MomentResistanceSolved, M, 1e-4 * M);
}

TEST(SectionSolver, RowCountBeyondTheArraysIsASubscriptError) {
    ProjectModel m = rectangularBeam();
    m.ReinforcementRowCount = 11;
    EXPECT_EQ(errorOf([&] { SolveSectionEquilibrium(m); }), 9);
    m = rectangularBeam();
    m.PrecastPartCount = 11;
    EXPECT_EQ(errorOf([&] { SolveSectionEquilibrium(m); }), 9);
}

// A reinforced section whose lowest row lies at or above its top has no
// depth to search: error 5, never the mean of two resultants that do not
// balance (a row at 2500 mm in a 580 mm beam gave an MRd of 1350 kNm).
TEST(SectionSolver, ALowestRowAtOrAboveTheTopIsError5) {
    for (const double level : {2500.0, 580.0}) {
        ProjectModel m = rectangularBeam();
        m.BarDistanceFromBottom(1) = level;
        EXPECT_EQ(errorOf([&] { SolveSectionEquilibrium(m); }), 5) << level;
    }
    ProjectModel m = rectangularBeam();
    m.BarDistanceFromBottom(1) = 579;
    EXPECT_EQ(errorOf([&] { SolveSectionEquilibrium(m); }), 0);
}
