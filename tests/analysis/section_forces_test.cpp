#include <gtest/gtest.h>

#include <cmath>

#include "analysis/section_forces.h"
#include "section_test_support.h"

using namespace quorvel::analysis;
using quorvel::model::ProjectModel;
using quorvel::runtime::Value;
using namespace sectiontest;

namespace {

// The parabola-rectangle law of EN 1992-1-1 3.1.7 (1), written out:
// sigma = -fcd (1 - (1 - eps/eps_c2)^n) for eps_c2 < eps < 0, -fcd beyond.
struct Concrete {
    double fcd, epsC2, n;  // epsC2 negative
    double stress(double e) const {
        if (e >= 0) return 0;
        if (e <= epsC2) return -fcd;
        return -fcd * (1 - std::pow(1 - e / epsC2, n));
    }
};

// C40/50, gamma_c 1.5: fcd = 0.85 * 40 / 1.5, eps_c2 = 2.0, n = 2.
const Concrete C40{0.85 * 40 / 1.5, -2.0, 2.0};
// C80/95: n = 1.4 + 23.4 ((90 - 80)/100)^4, eps_c2 = 2.0 + 0.085 (80 - 50)^0.53.
const Concrete C80{0.85 * 80 / 1.5, -(2.0 + 0.085 * std::pow(30.0, 0.53)),
                   1.4 + 23.4 * std::pow(0.1, 4)};

struct Resultant {
    double F = 0, M = 0;
};

// Fibre integration: 20000 horizontal strips of the trapezoid, each at its
// own width and strain; force and moment about level 0.
Resultant fibres(const Concrete& c, double b1, double b2, double h, double y, double eps0,
                 double kappa) {
    Resultant r;
    const int N = 20000;
    const double dz = h / N;
    for (int i = 0; i < N; ++i) {
        const double z = (i + 0.5) * dz;
        const double w = b1 + (b2 - b1) * z / h;
        const double dF = c.stress(eps0 - kappa * (y + z)) * w * dz;
        r.F += dF;
        r.M += dF * (y + z);
    }
    return r;
}

Resultant integrated(const Concrete& c, double b1, double b2, double h, double y, double eps0,
                     double kappa) {
    Resultant r;
    IntegrateConcretePart(c.fcd, c.epsC2, c.n, b1, b2, h, y, eps0, kappa, r.F, r.M);
    return r;
}

// A plane with the strain epsAt at level yAt and zero strain at level yN.
struct Plane {
    double eps0, kappa;
};
Plane plane(double epsAt, double yAt, double yN) {
    const double kappa = epsAt / (yN - yAt);
    return {kappa * yN, kappa};
}

void expectMatchesFibres(const Concrete& c, double b1, double b2, double h, double y, Plane p,
                         double relTol) {
    const Resultant want = fibres(c, b1, b2, h, y, p.eps0, p.kappa);
    const Resultant got = integrated(c, b1, b2, h, y, p.eps0, p.kappa);
    ASSERT_LT(want.F, 0);
    EXPECT_NEAR(got.F, want.F, relTol * std::fabs(want.F));
    EXPECT_NEAR(got.M, want.M, relTol * std::fabs(want.M));
}

}  // namespace

// A trapezoid narrowing upward (the LBL core 480 -> 440 mm, 265 mm high on an
// 8 mm plate) and the A-beam core (347 -> 167 mm): the force and its moment
// equal a fibre integration at the true width of every level, in every
// strain state the solver meets.
TEST(ConcreteTrapezoid, MatchesFibreIntegrationInEveryStrainState) {
    struct Case {
        double b1, b2, h, y;
    };
    for (Case k : {Case{480, 440, 265, 8}, Case{347, 167, 230, 15}, Case{167, 347, 230, 15}}) {
        const double top = k.y + k.h;
        SCOPED_TRACE(k.b1);
        // Top fibre at eps_cu2, neutral axis inside: constant block and parabola.
        expectMatchesFibres(C40, k.b1, k.b2, k.h, k.y, plane(-3.5, top, k.y + 120), 1e-7);
        // Top fibre between 0 and eps_c2: the parabola spans the compressed zone.
        expectMatchesFibres(C40, k.b1, k.b2, k.h, k.y, plane(-1.2, top, k.y + 50), 1e-7);
        // The whole part compressed, bottom at -0.5.
        expectMatchesFibres(C40, k.b1, k.b2, k.h, k.y, plane(-3.5, top, k.y - 0.5 / 3.0 * k.h),
                            1e-7);
        // Hogging: the bottom compressed.
        expectMatchesFibres(C40, k.b1, k.b2, k.h, k.y, plane(-3.0, k.y, k.y + 150), 1e-7);
        // High-strength concrete, exponent 1.40.
        expectMatchesFibres(C80, k.b1, k.b2, k.h, k.y, plane(-2.6, top, k.y + 100), 2e-4);
    }
}

TEST(ConcreteTrapezoid, UniformStrainLoadsTheWholeTrapezoidAtItsCentroid) {
    // kappa = 0, eps = -3: F = -fcd (b1 + b2)/2 h, at y + h (b1 + 2 b2) / (3 (b1 + b2)).
    Resultant r = integrated(C40, 300, 100, 200, 50, -3.0, 0);
    const double F = -C40.fcd * 200 * 200;
    EXPECT_NEAR(r.F, F, 1e-6 * std::fabs(F));
    EXPECT_NEAR(r.M / r.F, 50 + 200 * (300 + 200) / (3.0 * 400), 1e-9);
    // Tension everywhere: nothing.
    r = integrated(C40, 300, 100, 200, 50, 1.0, -0.001);
    EXPECT_EQ(r.F, 0);
    EXPECT_EQ(r.M, 0);
}

TEST(ConcreteRectangle, GoesThroughTheClosedFormZone) {
    // Equal widths: the library's closed form, its moment carried to level 0.
    expectMatchesFibres(C40, 380, 380, 580, 100, plane(-3.5, 680, 520), 1e-6);
}

namespace {

// A model whose concrete kind k has fcd = 10 k MPa and the C40 strains, with
// B500 main rows (fyd 434.8, Es 200000) and 16 mm or thinner steel plates.
ProjectModel forcesModel() {
    ProjectModel m;
    setMaterials(m, 40, 1.5, 355);
    for (int k = 1; k <= 6; ++k) m.ConcreteFcd(k) = 10.0 * k;
    setMainSteel(m, 500, 1.15, 200000);
    return m;
}

struct Forces {
    Value C, MC, T, MT, MCT;
};

Forces integrate(ProjectModel& m, double eps0, double kappa) {
    Forces f;
    IntegrateSectionForces(m, eps0, kappa, 0, f.C, f.MC, f.T, f.MT, f.MCT);
    return f;
}

// One main row of one bar of area a at level y.
void oneMainRow(ProjectModel& m, double a, double y, double prestress = 0) {
    m.ReinforcementRowCount = 1;
    m.BarsInRow(1) = 1;
    m.BarArea(1) = a;
    m.BarDistanceFromBottom(1) = y;
    m.BarPrestress(1) = prestress;
}

}  // namespace

TEST(SectionForces, JointPartsTakeTheConcreteOfTheirKind) {
    // Eight joint parts 10 x 100 mm at levels 500..1200 above a neutral axis
    // at level 100 (kappa 0.01: strains -4 .. -11, all beyond eps_c2), so
    // each carries -fcd(kind) x 1000 N; kinds 3, 4, 5, 4, 5, 6, 6, 6.
    // A main row at level 0 (strain +1, 200 MPa) keeps a tension side.
    ProjectModel m = forcesModel();
    m.JointPartCount = 8;
    for (int k = 1; k <= 8; ++k) {
        m.JointPartBottomWidth(k) = 10;
        m.JointPartTopWidth(k) = 10;
        m.JointPartHeight(k) = 100;
        m.JointPartLevel(k) = 400 + 100.0 * k;
    }
    oneMainRow(m, 100, 0);
    const Forces f = integrate(m, 1.0, 0.01);
    const double kinds = 3 + 4 + 5 + 4 + 5 + 6 + 6 + 6;
    EXPECT_NEAR(f.C, -10.0 * kinds * 1000, 1e-6);
    EXPECT_NEAR(f.T, 200.0 * 100, 1e-9);
    EXPECT_NEAR(f.MCT, f.MC + f.MT, 1e-6);
}

TEST(SectionForces, PlatesOneAndFourTakeTheirOwnStrengths) {
    // Five plates 100 x 10 mm (no thickness reduction) yielded in compression
    // (strain -10 and beyond): plate 1 at PlateDesignStrength(2), plate 4 at
    // (0), plates 2, 3, 5 at (1).
    ProjectModel m = forcesModel();
    m.PlateDesignStrength(0) = 300;
    m.PlateDesignStrength(1) = 355;
    m.PlateDesignStrength(2) = 420;
    setPlates(m, {{100, 100, 10, 500}, {100, 100, 10, 520}, {100, 100, 10, 540},
                  {100, 100, 10, 560}, {100, 100, 10, 580}});
    oneMainRow(m, 100, 0);
    const Forces f = integrate(m, 1.0, 0.022);
    EXPECT_NEAR(f.C, -(420 + 355 + 355 + 300 + 355) * 1000.0, 1e-6);
}

TEST(SectionForces, RowsCarrySteelLessTheDisplacedConcrete) {
    ProjectModel m = forcesModel();
    // A 200 x 400 precast rectangle and a row of 1000 mm2 at level 300 under
    // a uniform strain of -1 per mille: the bar carries Es eps = -200 MPa,
    // the concrete it displaces -fcd (1 - (1 - 0.5)^2) = -7.5 MPa (fcd 10),
    // so the row adds (-200 + 7.5) x 1000 N to T.
    setPrecast(m, {{200, 200, 400, 0}});
    oneMainRow(m, 1000, 300);
    Forces f = integrate(m, -1.0, 0);
    EXPECT_NEAR(f.T, (-200 + 7.5) * 1000, 1e-6);
    EXPECT_NEAR(f.MT, (-200 + 7.5) * 1000 * 300, 1e-3);

    // A strand (fpk 1630, gamma 1.15, Es 195000, prestress 1100) at strain +3:
    // total strain 3 + 0.9 x 1000 x 1100 / 195000 = 8.0769; the law is elastic
    // to 0.9 fpd / 195 = 6.5418, fpd at fpd / 195 + 2 = 9.2687, linear between:
    // sigma = fpd (0.9 + 0.1 (8.0769 - 6.5418) / (9.2687 - 6.5418)).
    m = forcesModel();
    setMainSteel(m, 1630, 1.15, 195000);
    oneMainRow(m, 100, 0, 1100);
    // Decompression: at zero strain the strand keeps 0.9 x 1100 MPa of its
    // prestress (elastic, below 0.9 fpd = 1275.7).
    f = integrate(m, 0.0, 0);
    EXPECT_NEAR(f.T, 0.9 * 1100 * 100, 1e-6);
    f = integrate(m, 3.0, 0);
    const double fpd = 1630 / 1.15;
    const double total = 3 + 0.9 * 1000 * 1100 / 195000.0;
    const double elastic = 0.9 * fpd / 195, full = fpd / 195 + 2;
    EXPECT_NEAR(f.T, fpd * (0.9 + 0.1 * (total - elastic) / (full - elastic)) * 100, 1e-6);
}

TEST(SectionForces, AllCompressionIsGuardedForTheRatios) {
    // No tension anywhere: C becomes -1 and T 0.01.
    ProjectModel m = forcesModel();
    setPrecast(m, {{200, 200, 400, 0}});
    const Forces f = integrate(m, -2.0, 0.001);
    EXPECT_EQ(f.C, -1);
    EXPECT_EQ(f.T, 0.01);
}

// Plastic moments of the welded steel defaults (fyk 355, gamma 1.0), with
// the yield strength reduced to 345 MPa for plates over 16 mm thick
// (EN 10025-2, 16 < t <= 40).
TEST(SteelPlasticMoment, WeldedIBeamDefault) {
    // TI: flanges 300 x 19, web 11 x 262, 300 mm high, symmetric: the plastic
    // neutral axis is at mid-height 150.
    // Flanges: 2 x 345 x 300 x 19 x (150 - 9.5); web: 355 x 11 x 262^2 / 4.
    ProjectModel m;
    setMaterials(m, 30, 1.5, 355);
    setPlates(m, {{300, 300, 19, 0}, {11, 11, 262, 19}, {300, 300, 19, 281}});
    const double Mpl = 2 * 345.0 * 300 * 19 * 140.5 + 355.0 * 11 * 262 * 262 / 4;
    EXPECT_NEAR(SteelPlatePlasticMoment(m), Mpl, 1e-6 * Mpl);  // 619.6 kNm
}

TEST(SteelPlasticMoment, WeldedBoxBeamDefault) {
    // HQ: bottom plate 450 x 15 (355), two webs 5 x 265 from level 15 (355),
    // top plate 240 x 25 between them at 255..280 (345).
    // Forces: bottom 450*15*355 = 2 396 250, webs 2*5*355 = 3550 N per mm,
    // top 240*25*345 = 2 070 000; total 5 407 000. Plastic axis zp where the
    // force below is half: 2 396 250 + 3550 (zp - 15) = 2 703 500, so
    // zp = 15 + 307 250 / 3550.
    ProjectModel m;
    setMaterials(m, 30, 1.5, 355);
    setPlates(m, {{450, 450, 15, 0}, {5, 5, 265, 15}, {5, 5, 265, 15}, {240, 240, 25, 255}});
    const double zp = 15 + 307250.0 / 3550;
    const double Mpl = 2396250 * (zp - 7.5) + 3550 * (zp - 15) * (zp - 15) / 2 +
                       3550 * (280 - zp) * (280 - zp) / 2 + 2070000 * (267.5 - zp);
    EXPECT_NEAR(SteelPlatePlasticMoment(m), Mpl, 1e-6 * Mpl);
}
