// Deflections and strains of the supporting beam, against the closed forms
// of simply supported and continuous beams.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "library/beam_formulas.h"
#include "library/deflections.h"
#include "model/project_model.h"
#include "test_support.h"

using namespace quorvel::library;
using quorvel::model::ProjectModel;

namespace {

constexpr double L = 7200.0;                             // mm
constexpr double EI1 = 2.0e14, EI5 = 3.0e14, EI8 = 4.5e14;  // Nmm^2
const double L3 = L * L * L, L4 = L3 * L;

// A beam of the given type on 51 even points with the three stage
// stiffnesses.
ProjectModel beamModel(const char* type = "SUORA") {
    ProjectModel m;
    m.BeamTypeName = type;
    m.BeamSpan = L;
    m.CalculationPointCount = 50;
    for (int i = 0; i <= 50; ++i) m.CalculationPointX(i) = i * L / 50;
    m.SectionBendingStiffness(1) = EI1;
    m.SectionBendingStiffness(5) = EI5;
    m.SectionBendingStiffness(8) = EI8;
    m.ImposedLoadPsi1 = 0.7;
    return m;
}

void setUniform(quorvel::model::SideArray& load, double q) {
    load(1) = q;
    load(2) = q;
}

// 5 q L^4 / (384 EI): midspan deflection of a uniform load.
double udlMidspan(double q, double EI) { return 5 * q * L4 / (384 * EI); }

}  // namespace

TEST(BeamDeflections, SelfWeightWithoutShores) {
    ProjectModel m = beamModel();
    m.BeamSelfWeight = 6.0;
    ComputeBeamDeflections(m);
    EXPECT_NEAR(m.BeamDeflectionMax2, udlMidspan(6, EI1), 1e-12);
    EXPECT_EQ(m.BeamDeflectionMax3, 0);
    EXPECT_EQ(m.BeamDeflectionMax7, 0);
    EXPECT_EQ(m.BeamDeflectionMax4, 0);
    EXPECT_NEAR(m.BeamDeflectionTotalMax, udlMidspan(6, EI1), 1e-12);
}

TEST(BeamDeflections, EachStageWithItsOwnStiffness) {
    // Uniform loads, 5 q L^4 / (384 EI) each with the stiffness of its stage:
    // slabs 8 and joint concrete 2 on the beam alone (EI1), topping 3 on the
    // grouted section (EI5), imposed 4 and psi1 x 10 on the composite
    // section (EI8). The total is their sum at midspan.
    ProjectModel m = beamModel();
    setUniform(m.SlabSelfWeightLineLoad, 8);
    m.JointConcreteLineLoad = 2.0;
    setUniform(m.ToppingLineLoad, 3);
    setUniform(m.ImposedPermanentLineLoad, 4);
    setUniform(m.ImposedVariableLineLoad, 10);
    ComputeBeamDeflections(m);
    const double d4 = udlMidspan(10, EI1), d5 = udlMidspan(3, EI5),
                 d6 = udlMidspan(4 + 0.7 * 10, EI8);
    EXPECT_NEAR(m.BeamDeflectionMax4, d4, 1e-12);
    EXPECT_NEAR(m.BeamDeflectionMax5, d5, 1e-12);
    EXPECT_NEAR(m.BeamDeflectionMax6, d6, 1e-12);
    EXPECT_NEAR(m.BeamDeflectionTotalMax, d4 + d5 + d6, 1e-12);
    EXPECT_EQ(m.BeamDeflectionMax2, 0);

    // A slab load rising from 0 to q = 12 along the beam, total W = q L / 2:
    // largest deflection 0.01304 W L^3 / EI at x = 0.5193 L (beam tables);
    // the nearest point, 0.52 L, is within 1e-5 of it.
    ProjectModel t = beamModel();
    t.SlabSelfWeightLineLoad(2) = 12.0;
    ComputeBeamDeflections(t);
    const double triangle = 0.01304 * (12 * L / 2) * L3 / EI1;
    EXPECT_NEAR(t.BeamDeflectionMax4, triangle, 5e-4 * triangle);
}

TEST(BeamDeflections, BeamAndSlabFieldLoadsEnterTheirStage) {
    // Loads that the moments carry in rows 3 and 4 deflect the composite
    // section (EI8), the variable ones times psi1 = 0.7:
    //   variable point load 50 kN at midspan: 0.7 P L^3 / (48 EI8);
    //   permanent beam line load 8 kN/m over the middle b = 2400:
    //     q b (8L^3 - 4L b^2 + b^3) / (384 EI8);
    //   a variable slab line-load segment 5 kN/m over the same middle;
    //   a permanent slab point-load segment 30 kN/m over the middle 1200.
    const auto central = [](double q, double b) {
        return q * b * (8 * L3 - 4 * L * b * b + b * b * b) / (384 * EI8);
    };
    ProjectModel m = beamModel();
    m.BeamPointLoadCount = 1;
    m.BeamPointLoad(2, 1) = 50.0;
    m.BeamPointLoadX(1) = L / 2;
    ComputeBeamDeflections(m);
    const double point = 0.7 * 50000 * L3 / (48 * EI8);
    EXPECT_NEAR(m.BeamDeflectionMax6, point, 1e-12);

    m.BeamLineLoadG1 = 8.0;
    m.BeamLineLoadG2 = 8.0;
    m.BeamLineLoadGX = L / 2 - 1200;
    m.BeamLineLoadGLength = 2400.0;
    m.SlabLineLoadCount(2) = 1;
    m.LineLoadSegmentStart(1) = L / 2 - 1200;
    m.LineLoadSegmentLength(1) = 2400.0;
    m.LineLoadSegmentIntensity(1, 2) = 5.0;
    m.SlabPointLoadCount(1) = 1;
    m.PointLoadSegmentStart(1) = L / 2 - 600;
    m.PointLoadSegmentLength(1) = 1200.0;
    m.PointLoadSegmentIntensity(1, 1) = 30.0;
    ComputeBeamDeflections(m);
    const double d6 = point + central(8, 2400) + 0.7 * central(5, 2400) + central(30, 1200);
    EXPECT_NEAR(m.BeamDeflectionMax6, d6, 1e-12);
    EXPECT_NEAR(m.BeamDeflectionTotalMax, d6, 1e-12);
}

TEST(BeamDeflections, EndMoments) {
    // One end moment M: largest deflection M L^2 / (9 sqrt(3) EI) at
    // L (1 - 1/sqrt(3)) = 0.4226 L from that end (M L^2 / (16 EI) at
    // midspan); two equal ones: M L^2 / (8 EI) at midspan. Hogging
    // (negative) moments lift the beam.
    ProjectModel m = beamModel();
    m.SupportMomentStartPermanent = 60e6;
    m.SupportMomentStartBeforeTopping = -40e6;
    m.SupportMomentEndBeforeTopping = -40e6;
    ComputeBeamDeflections(m);
    const double one = 60e6 * L * L / (9 * std::sqrt(3.0) * EI8);
    EXPECT_NEAR(m.BeamDeflectionMax6, one, 1e-4 * one);  // nearest point 0.42 L
    EXPECT_NEAR(m.BeamDeflectionMax5, -40e6 * L * L / (8 * EI5), 1e-12);
    // The variable pair with psi1 on the composite section.
    ProjectModel v = beamModel();
    v.SupportMomentStartVariable = -30e6;
    v.SupportMomentEndVariable = -30e6;
    ComputeBeamDeflections(v);
    EXPECT_NEAR(v.BeamDeflectionMax6, -0.7 * 30e6 * L * L / (8 * EI8), 1e-12);
}

TEST(BeamDeflections, EndMomentsDeflectTheSectionOfTheirMomentRow) {
    // M = -50 kNm at both ends (before grouting -20 of it the self weight's), w = M L^2 / (8 EI)
    // on its row's section: before grouting EI1 -1.620 mm (d4 0.6 x); BE row 2 EI5 -1.080 (d5);
    // permanent, rows 3 and 5, EI8 -0.720 (d6).
    using Term = quorvel::runtime::Value ProjectModel::*;
    const struct { const char* type; bool grouting; double EI, share; Term term; } cases[] = {
        {"SUORA", true, EI1, 0.6, &ProjectModel::BeamDeflectionMax4},
        {"BESUPER", true, EI5, 1, &ProjectModel::BeamDeflectionMax5},
        {"BESUPER", false, EI8, 1, &ProjectModel::BeamDeflectionMax6},
        {"SUORA", false, EI8, 1, &ProjectModel::BeamDeflectionMax6}};
    for (const auto& c : cases) {
        ProjectModel m = beamModel(c.type);
        m.SuperPrestressTerm = 1.0;  // one shore, carrying nothing here
        (c.grouting ? m.SupportMomentStartBeforeGrouting : m.SupportMomentStartPermanent) = -50e6;
        (c.grouting ? m.SupportMomentEndBeforeGrouting : m.SupportMomentEndPermanent) = -50e6;
        m.SupportMomentStartBeamSelfWeight = m.SupportMomentEndBeamSelfWeight = c.grouting ? -20e6 : 0.0;
        ComputeBeamDeflections(m);
        EXPECT_NEAR(m.BeamDeflectionTotalMax, -50e6 * L * L / (8 * c.EI), 1e-12) << c.type << c.grouting;
        EXPECT_NEAR(m.*c.term, -c.share * 50e6 * L * L / (8 * c.EI), 1e-12) << c.type << c.grouting;
    }
}

TEST(BeamDeflections, FixedEndMomentsBeforeGroutingCountOnce) {
    // Beam 5 and slabs 9 kN/m with the fixed-end moments of both,
    // M = -(5 + 9) L^2 / 12 at each end; the beam's share is
    // M x 5 / (5 + 9) = -5 L^2 / 12. Each load then deflects as a beam fixed
    // at both ends, q L^4 / (384 EI): d2 = 5 L^4 / (384 EI1),
    // d4 = 9 L^4 / (384 EI1). (Counting the beam's share in both gave
    // d4 = 9 L^4/384EI1 - 5 L^4/96EI1.)
    ProjectModel m = beamModel();
    m.BeamSelfWeight = 5.0;
    setUniform(m.SlabSelfWeightLineLoad, 9);
    const double M = -14 * L * L / 12;
    m.SupportMomentStartBeforeGrouting = M;
    m.SupportMomentEndBeforeGrouting = M;
    m.SupportMomentStartBeamSelfWeight = M * 5 / 14;
    m.SupportMomentEndBeamSelfWeight = M * 5 / 14;
    ComputeBeamDeflections(m);
    EXPECT_NEAR(m.BeamDeflectionMax2, 5 * L4 / (384 * EI1), 1e-12);
    EXPECT_NEAR(m.BeamDeflectionMax4, 9 * L4 / (384 * EI1), 1e-12);
    EXPECT_NEAR(m.BeamDeflectionTotalMax, 14 * L4 / (384 * EI1), 1e-12);
}

TEST(BeamDeflections, ExtremesKeepTheLargestMagnitudeWithItsSign) {
    // Variable load q with end moments -q L^2 / 10 at both ends, psi1 0.7:
    // y = 0.7 q L^4 / EI8 x [xi (1 - 2 xi^2 + xi^3) / 24 - xi (1 - xi) / 20].
    // Midspan: 5/384 - 1/80 = 1/1920 (a sag); near the supports it rises,
    // at most -0.00041536 at xi = 0.12 and 0.88. The sag is reported, though
    // the last points lift.
    ProjectModel m = beamModel();
    const double q = 10;
    setUniform(m.ImposedVariableLineLoad, q);
    m.SupportMomentStartVariable = -q * L * L / 10;
    m.SupportMomentEndVariable = -q * L * L / 10;
    ComputeBeamDeflections(m);
    const double sag = 0.7 * q * L4 / EI8 / 1920;
    EXPECT_NEAR(m.BeamDeflectionMax6, sag, 1e-12);
    EXPECT_NEAR(m.BeamDeflectionTotalMax, sag, 1e-12);

    // Negative at every point: the most negative value, for the camber
    // (constant moment M: M L^2 / (8 EI) at midspan) and for the others.
    ProjectModel c = beamModel();
    c.PrestressMomentTerm = -50e6;
    c.SupportMomentStartBeforeTopping = -20e6;
    c.SupportMomentEndBeforeTopping = -20e6;
    ComputeBeamDeflections(c);
    EXPECT_NEAR(c.BeamDeflectionMax1, -50e6 * L * L / (8 * EI1), 1e-12);
    EXPECT_NEAR(c.BeamDeflectionMax5, -20e6 * L * L / (8 * EI5), 1e-12);
    EXPECT_NEAR(c.BeamDeflectionTotalMax, -50e6 * L * L / (8 * EI1) - 20e6 * L * L / (8 * EI5),
                1e-12);
}

TEST(BeamDeflections, ShoresAsContinuousBeams) {
    // A BE beam: precast part 3 kN/m, cast concrete 5 - 3 = 2, slabs 9 and
    // joint concrete 2 kN/m carried on n shores while wet
    // (q_s = 2 + 9 + 2 = 13), R1 = first shore reaction. At midspan each
    // wet load w deflects the precast beam as the middle of a beam
    // continuous over n + 1 spans l = L / (n + 1) (beam tables):
    //   one shore: midspan is a support, 0;
    //   two: 5 w l^4/384 - (w l^2/10) l^2/8 = w l^4 / 1920;
    //   three: a support, 0;
    //   four: 5 w l^4/384 - (3 w l^2/38) l^2/8 = w l^4 (5/384 - 3/304).
    // The precast part deflects alone: 5 x 3 L^4 / (384 EI1) in d3. Taking
    // the shores away puts the reactions on the grouted section; at
    // midspan a point load P at a <= L/2 deflects P a (3 L^2 - 4 a^2) /
    // (48 EI), so d7 = c R1 L^3 / (48 EI5) with c the sum over the shores of
    // (Rk / R1) xk (3 - 4 xk^2), xk = ak / L mirrored into the left half:
    //   one shore at 1/2: 1;   two at 1/3: 2 x (1/3)(3 - 4/9) = 46/27;
    //   three at 1/4, 1/2, 3/4 (8/7, 13/14, 8/7):
    //     2 x 0.25 x 2.75 + (13/14)/(8/7) = 1.375 + 13/16 = 35/16;
    //   four at 1/5 .. 4/5 (R2/R1 = 37/43):
    //     2 x 0.2 x 2.84 + 2 x 37/43 x 0.4 x 2.36 = 2.7606.
    struct Case {
        int n;
        double r1Coefficient, c, midspan, tolerance;
    };
    const Case cases[] = {{1, 1.25, 1.0, 0.0, 1e-12},
                          {2, 1.1, 46.0 / 27, 1.0 / 1920, 1e-12},
                          {3, 8.0 / 7, 35.0 / 16, 0.0, 1e-12},
                          {4, 43.0 / 38, 2.7606, 5.0 / 384 - 3.0 / 304, 1e-12}};
    for (const Case& k : cases) {
        ProjectModel m = beamModel("BESUPER");
        m.SuperPrestressTerm = k.n;
        m.BeamSelfWeight = 5.0;
        m.BeamPartialSelfWeight = 3.0;
        setUniform(m.SlabSelfWeightLineLoad, 9);
        m.JointConcreteLineLoad = 2.0;
        const double l = L / (k.n + 1), l4 = l * l * l * l;
        const double r1 = k.r1Coefficient * 13 * l;
        ComputeShoreReactions(k.n, L, 13.0, m.PrestressEquivalentLoads);
        m.CalculationPointCount = 1;
        m.CalculationPointX(0) = 0.0;
        m.CalculationPointX(1) = L / 2;
        ComputeBeamDeflections(m);
        EXPECT_NEAR(m.BeamDeflectionMax2 * EI1 / l4, 2 * k.midspan, 2 * k.tolerance) << k.n;
        EXPECT_NEAR(m.BeamDeflectionMax4 * EI1 / l4, 11 * k.midspan, 11 * k.tolerance) << k.n;
        EXPECT_NEAR(m.BeamDeflectionMax3, udlMidspan(3, EI1), 1e-12) << k.n;
        EXPECT_NEAR(m.BeamDeflectionMax7, k.c * r1 * L3 / (48 * EI5), 5e-5 * r1 * L3 / (48 * EI5))
            << k.n;
    }
}

TEST(BeamDeflections, StrainsAtTheSlabUndersideOfEachSideThatCarriesSlabs) {
    // strain = M (y - yc) / EI at the slab underside y of a side: stage 2
    // moments on the grouted section (yc 300), rows 5 on the composite one
    // (yc 400). With y = 500: stations 20 and 30 give
    //   A = 100e6 * 200 / EI5, 80e6 * 200 / EI5;  B = 50e6 * 100 / EI8, 300e6 * 100 / EI8;
    // with y = 600 every lever is 100 mm longer. A side without slabs
    // counts for nothing whatever its level (900 would give more than
    // either); of two sides the larger total governs, with its parts.
    const auto strains = [](double y) {
        const double a20 = 100e6 * (y - 300) / EI5, a30 = 80e6 * (y - 300) / EI5;
        const double b20 = 50e6 * (y - 400) / EI8, b30 = 300e6 * (y - 400) / EI8;
        return std::array<double, 3>{std::max(a20, a30), std::max(b20, b30), std::max(a20 + b20, a30 + b30)};
    };
    struct Case {
        const char* name;
        int left, right;       // slabs on the side
        double yLeft, yRight;  // slab underside levels
        int onLedge;
        std::array<double, 3> expected;
    };
    const Case cases[] = {
        {"left only, right hidden above", 1, 0, 500, 900, 0, strains(500)},
        {"right only, left hidden above", 0, 1, 900, 500, 0, strains(500)},
        {"both, right higher", 1, 1, 500, 600, 0, strains(600)},
        {"both, mirrored", 1, 1, 600, 500, 0, strains(600)},
        {"slabs on ledges: no strain check", 1, 1, 500, 600, 1, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        ProjectModel m = beamModel();
        m.SlabSidePresent(1) = c.left;
        m.SlabSidePresent(2) = c.right;
        m.SlabBottomLevel(1) = c.yLeft;
        m.SlabBottomLevel(2) = c.yRight;
        m.SlabsOnLedge = static_cast<int16_t>(c.onLedge);
        m.SectionCentroid(5) = 300.0;
        m.SectionCentroid(8) = 400.0;
        m.BeamMomentChar(20, 2) = 100e6;
        m.BeamMomentChar(20, 5) = 50e6;
        m.BeamMomentChar(30, 2) = 80e6;
        m.BeamMomentChar(30, 5) = 300e6;
        ComputeBeamDeflections(m);
        EXPECT_NEAR(m.BeamTopStrainMaxA, c.expected[0], 1e-18) << c.name;
        EXPECT_NEAR(m.BeamTopStrainMaxB, c.expected[1], 1e-18) << c.name;
        EXPECT_NEAR(m.BeamTopStrainMax, c.expected[2], 1e-18) << c.name;
        EXPECT_EQ(StrainCheckApplies(m), c.onLedge == 0) << c.name;

        // Strains negative everywhere leave the maxima at 0.
        for (int i = 0; i <= 50; ++i) m.BeamMomentChar(i, 2) = m.BeamMomentChar(i, 5) = -1e6;
        ComputeBeamDeflections(m);
        EXPECT_EQ(m.BeamTopStrainMaxA, 0) << c.name;
        EXPECT_EQ(m.BeamTopStrainMax, 0) << c.name;
    }
}

TEST(BeamDeflections, DegenerateInputRaisesItsErrorNumber) {
    const auto run = [](const std::function<void(ProjectModel&)>& change) {
        ProjectModel m = beamModel();
        m.BeamSelfWeight = 5.0;
        m.BeamDeflectionMax2 = 99.0;  // left from an earlier run
        change(m);
        const int e = errorOf([&] { ComputeBeamDeflections(m); });
        if (e != 0) {
            EXPECT_EQ(m.BeamDeflectionMax2, 0);
        }
        return e;
    };
    EXPECT_EQ(run([](ProjectModel&) {}), 0);
    EXPECT_EQ(run([](ProjectModel& m) { m.SectionBendingStiffness(1) = 0.0; }), 11);
    EXPECT_EQ(run([](ProjectModel& m) { m.SectionBendingStiffness(5) = -1e14; }), 5);
    EXPECT_EQ(run([](ProjectModel& m) { m.SectionBendingStiffness(8) = std::nan(""); }), 5);
    EXPECT_EQ(run([](ProjectModel& m) { m.BeamSpan = 0.0; }), 11);
    EXPECT_EQ(run([](ProjectModel& m) { m.CalculationPointCount = 51; }), 9);
    // Without shores the shore terms are 0, not 0/0.
    EXPECT_EQ(fpErrorOf([] {
                  ProjectModel m = beamModel("BESUPER");
                  m.SuperPrestressTerm = 1.0;
                  ComputeBeamDeflections(m);
                  return static_cast<double>(m.BeamDeflectionTotalMax);
              }),
              0);
}
