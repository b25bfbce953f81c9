#include <gtest/gtest.h>

#include <cmath>

#include "library/section_parts.h"
#include "model/project_model.h"
#include "test_support.h"

using namespace quorvel::library;
using quorvel::model::ProjectModel;
using quorvel::runtime::Value;

namespace {

struct Props {
    Value A, y, S, I0, EA, ES, EI0, EAy2;
};

Props trapezoid(double h, double b1, double b2, double yBase, double E = 1) {
    Props p;
    AddTrapezoidToSection(h, b1, b2, yBase, E, p.A, p.y, p.S, p.I0, p.EA, p.ES, p.EI0, p.EAy2);
    return p;
}

}  // namespace

TEST(SectionParts, Rectangle) {
    // 100 x 200 at y = 100: A = 20000, S = 2e6, I0 = b h^3 / 12 = 6.6667e7.
    Props p;
    AddRectangleToSection(100, 200, 100, 30000, p.A, p.S, p.I0, p.EA, p.ES, p.EI0, p.EAy2);
    EXPECT_EQ(p.A, 20000);
    EXPECT_EQ(p.S, 2e6);
    EXPECT_NEAR(p.I0, 100.0 * 200 * 200 * 200 / 12, 1e-6);
    EXPECT_EQ(p.EA, 6e8);
    EXPECT_EQ(p.ES, 6e10);
    EXPECT_NEAR(p.EI0, 30000 * (100.0 * 200 * 200 * 200 / 12), 1e-3);
    EXPECT_EQ(p.EAy2, 6e12);
}

TEST(SectionParts, TrapezoidIsARectangleAndATriangle) {
    // Trapezoid: 300 wide at the base, 100 at the top, 200 high, base at 50.
    // By hand: rectangle 100 x 200 (A 20000, centroid 150, I0 = 100 * 200^3 / 12)
    // plus triangle base 200 (A 20000, centroid 50 + 200/3, I0 = 200 * 200^3 / 36).
    const double aR = 20000, yR = 150, iR = 100.0 * 200 * 200 * 200 / 12;
    const double aT = 20000, yT = 50 + 200.0 / 3, iT = 200.0 * 200 * 200 * 200 / 36;
    const double A = aR + aT, y = (aR * yR + aT * yT) / A;
    const double I = iR + aR * (yR - y) * (yR - y) + iT + aT * (yT - y) * (yT - y);
    const Props p = trapezoid(200, 300, 100, 50, 2);
    EXPECT_NEAR(p.A, A, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-6);
    EXPECT_NEAR(p.S, A * y, 1e-2);
    EXPECT_NEAR(p.I0, I, 1e-6 * I);
    EXPECT_NEAR(p.EA, 2 * A, 1e-9);
    EXPECT_NEAR(p.EAy2, 2 * A * y * y, 1e-6 * A * y * y);
    // Equal widths: a rectangle, centroid at mid-height.
    const Props r = trapezoid(200, 100, 100, 50);
    EXPECT_NEAR(r.y, 150, 1e-6);
    EXPECT_NEAR(r.I0, iR, 1e-6 * iR);
    // b2 = 0: a triangle with its centroid at a third of the height.
    const Props t = trapezoid(90, 60, 0, 10);
    EXPECT_NEAR(t.y, 40, 1e-6);
    EXPECT_NEAR(t.I0, 60.0 * 90 * 90 * 90 / 36, 1e-7 * t.I0);  // within the 1e-6 term
    // Zero width stays finite.
    const Props z = trapezoid(90, 0, 0, 10);
    EXPECT_EQ(z.A, 0);
    EXPECT_TRUE(std::isfinite(z.y));
}

namespace {

// Fillet of radius r between two faces meeting at a right angle: at distance
// t from one face it is r - sqrt(r^2 - (r - t)^2) wide. Area, centroid from
// the face and own second moment by numerical integration.
void filletByIntegration(double r, double& A, double& c, double& I1) {
    auto w = [r](double t) { return r - std::sqrt(std::max(0.0, r * r - (r - t) * (r - t))); };
    A = libtest::simpson(w, 0, r, 200000);
    c = libtest::simpson([&](double t) { return w(t) * t; }, 0, r, 200000) / A;
    I1 = libtest::simpson([&](double t) { return w(t) * t * t; }, 0, r, 200000) - A * c * c;
}

}  // namespace

TEST(Fillets, OneFilletMatchesItsGeometry) {
    ProjectModel m;
    m.WebHeight = 300;
    double A, c, I1;
    filletByIntegration(10, A, c, I1);
    Value a, y, s, i;
    ComputeFilletProperties(m, 10, 1, 2, 3, 20, a, y, s, i);
    EXPECT_NEAR(a, 21.46, 0.005);
    EXPECT_NEAR(a, A, 1e-4);
    EXPECT_NEAR(y - 20, 2.2337, 1e-4);
    EXPECT_NEAR(y - 20, c, 1e-4);
    EXPECT_NEAR(m.TransformedInertia, 75.457, 1e-3);
    EXPECT_NEAR(m.TransformedInertia, I1, 1e-2);
    EXPECT_NEAR(s, a * y, 1e-9);
    // About the web mid-height: I1 + A (150 - c)^2.
    EXPECT_NEAR(i, I1 + A * (150 - c) * (150 - c), 1e-5 * i);
}

TEST(Fillets, FourFilletsOfAnISection) {
    // I section 400 high, flanges 20 (bottom) and 16 (top), root radius 21:
    // clear web 364; each fillet sits at a web end, its centroid c from the
    // flange face, so about mid-web I = 4 (I1 + Af (182 - c)^2).
    ProjectModel m;
    double Af, c, I1;
    filletByIntegration(21, Af, c, I1);
    Value a, y, s, i;
    ComputeFilletPropertiesSubtract(m, 21, 400, 20, 16, 99, a, y, s, i);
    EXPECT_EQ(m.WebHeight, 364);
    // Pi is taken as 3.14159: the area within 1e-5, the own second moment (a
    // small difference of large terms) within 2e-4.
    EXPECT_NEAR(a, 4 * Af, 1e-5 * a);
    EXPECT_EQ(y, 20 + 182);
    EXPECT_NEAR(s, a * 202, 1e-6);
    EXPECT_NEAR(i, 4 * (I1 + Af * (182 - c) * (182 - c)), 1e-5 * i);
    EXPECT_NEAR(m.TransformedInertia, I1, 2e-4 * I1);
}

TEST(SectionSums, WeldedPlatesAgainstHandCalculation) {
    // Welded I: bottom flange 300 x 20, web 10 x 360, top flange 200 x 20,
    // E = 210000. By hand: A = 6000 + 3600 + 4000 = 13600;
    // S = 6000*10 + 3600*200 + 4000*390 = 2 340 000; yc = 172.06;
    // I = sum(b h^3/12) + sum A (y - yc)^2.
    ProjectModel m;
    m.SteelPlateCount = 3;
    const double b[4] = {0, 300, 10, 200}, h[4] = {0, 20, 360, 20}, lv[4] = {0, 0, 20, 380};
    for (int i = 1; i <= 3; ++i) {
        m.SteelPlateBottomWidth(i) = b[i];
        m.SteelPlateTopWidth(i) = b[i];
        m.SteelPlateHeight(i) = h[i];
        m.SteelPlateLevel(i) = lv[i];
    }
    const double A = 13600, S = 2340000, yc = S / A;
    double own = 0, par = 0;
    for (int i = 1; i <= 3; ++i) {
        const double yi = lv[i] + h[i] / 2;
        own += b[i] * h[i] * h[i] * h[i] / 12;
        par += b[i] * h[i] * (yi - yc) * (yi - yc);
    }
    Value a, s, y, I, EA, ES, EI, EAyc2;
    BuildTrapezoidSection(m, m.SteelPlateCount, m.SteelPlateBottomWidth, m.SteelPlateTopWidth,
                          m.SteelPlateHeight, m.SteelPlateLevel, 210000, a, s, y, I, EA, ES, EI,
                          EAyc2);
    // The 1e-6 added to each plate's width sum shifts the centroids by
    // about 1e-7 relative.
    EXPECT_NEAR(a, A, 1e-6);
    EXPECT_NEAR(s, S, 1e-7 * S);
    EXPECT_NEAR(y, yc, 1e-7 * yc);
    EXPECT_NEAR(I, own + par, 1e-6 * (own + par));
    EXPECT_NEAR(EA, 210000 * A, 1e-3);
    EXPECT_NEAR(ES, 210000 * S, 1e-7 * ES);
    EXPECT_NEAR(EI, 210000 * (own + par), 1e-6 * EI);
    EXPECT_NEAR(EAyc2, 210000 * A * yc * yc, 1e-6 * EAyc2);
    EXPECT_NEAR(m.TransformedInertia, own, 1e-6 * own);
}

TEST(SectionSums, ReinforcementRows) {
    // 3 x 314 at 40 and 2 x 201 at 90 (by hand): A = 942 + 402 = 1344,
    // S = 37680 + 36180 = 73860, Sy = 942*1600 + 402*8100 = 4 763 400.
    ProjectModel m;
    m.BarsInRow(1) = 3;
    m.BarArea(1) = 314;
    m.BarDistanceFromBottom(1) = 40;
    m.BarsInRow(2) = 2;
    m.BarArea(2) = 201;
    m.BarDistanceFromBottom(2) = 90;
    Value A, yc, S, Sy, EA, ES, ESy, P, Py;
    SumReinforcementRows(m, 2, 200000, m.BarsInRow, m.BarArea, m.BarDistanceFromBottom,
                         m.BarPrestress, A, yc, S, Sy, EA, ES, ESy, P, Py);
    EXPECT_EQ(A, 1344);
    EXPECT_EQ(S, 73860);
    EXPECT_NEAR(yc, 73860.0 / 1344, 1e-9);
    EXPECT_EQ(Sy, 4763400);
    EXPECT_EQ(EA, 1344 * 200000.0);
    EXPECT_EQ(ESy, 4763400 * 200000.0);
    EXPECT_EQ(P, 0.001);  // no prestress: the floor value
    EXPECT_EQ(Py, 0);
    EXPECT_EQ(m.RowSteelAreaTemp, 402);  // last row's area
    // Prestressed rows: 1000 MPa on row 1 only: P = 942 kN at 40 mm.
    m.BarPrestress(1) = 1000;
    SumReinforcementRows(m, 2, 195000, m.BarsInRow, m.BarArea, m.BarDistanceFromBottom,
                         m.BarPrestress, A, yc, S, Sy, EA, ES, ESy, P, Py);
    EXPECT_EQ(P, 942000);
    EXPECT_EQ(Py, 942000 * 40.0);
}

TEST(SectionSums, CompositeSectionByHand) {
    // Concrete 300 x 500 (Ec 33000, centroid 250) with 1500 mm^2 of steel
    // (Es 200000) at 50, transformed by hand:
    // EA = 33000*150000 + 200000*1500 = 5.25e9,
    // ES = 4.95e9*250 + 3e8*50 = 1.2525e12, yc = 238.571,
    // EI = Ec b h^3/12 + EcAc (250 - yc)^2 + EsAs (50 - yc)^2.
    const double ecac = 33000.0 * 150000, esas = 200000.0 * 1500;
    const double yc = (ecac * 250 + esas * 50) / (ecac + esas);
    const double EIhand = 33000.0 * 300 * 500 * 500 * 500 / 12 + ecac * (250 - yc) * (250 - yc) +
                          esas * (50 - yc) * (50 - yc);
    quorvel::model::PartSlotArray ea, es, ei0, eay2;
    Value a, s, i0;
    AddRectangleToSection(300, 500, 250, 33000, a, s, i0, ea(2), es(2), ei0(2), eay2(2));
    ea(3) = esas;
    es(3) = esas * 50;
    ei0(3) = 0.0;
    eay2(3) = esas * 50 * 50;
    ea(4) = 1e20;  // outside the summed range
    Value sEA, sES, y, EI, sEI0, sEAy2;
    SumSectionParts(2, 3, ea, es, ei0, eay2, sEA, sES, y, EI, sEI0, sEAy2);
    EXPECT_NEAR(sEA, 5.25e9, 1e-3);
    EXPECT_NEAR(sES, 1.2525e12, 1);
    EXPECT_NEAR(y, yc, 1e-9);
    EXPECT_NEAR(y, 238.571, 1e-3);
    EXPECT_NEAR(EI, EIhand, 1e-9 * EIhand);
    // The running totals reach the same section part by part.
    Value tEA, tES, ty, tEI, tEI0, tEAy2;
    SumSectionTotals(tEA, tES, ty, tEI, tEI0, tEAy2, ea(2), es(2), ei0(2), eay2(2));
    EXPECT_NEAR(tEI, ei0(2), 1e-6 * tEI);  // one part: its own stiffness
    EXPECT_NEAR(ty, 250, 1e-9);
    SumSectionTotals(tEA, tES, ty, tEI, tEI0, tEAy2, ea(3), es(3), ei0(3), eay2(3));
    EXPECT_NEAR(ty, yc, 1e-9);
    EXPECT_NEAR(tEI, EIhand, 1e-9 * EIhand);
    // A single slot: the parallel-axis terms cancel.
    SumSectionParts(2, 2, ea, es, ei0, eay2, sEA, sES, y, EI, sEI0, sEAy2);
    EXPECT_NEAR(EI, ei0(2), 1e-6 * EI);
}

TEST(SectionSums, CubicRatioInterpolation) {
    // Branson's effective inertia: (Mcr/M)^3 Ig + (1 - (Mcr/M)^3) Icr.
    EXPECT_DOUBLE_EQ(ComputeCubicRatioTerm(50, 100, 8e9, 2e9), 0.125 * 8e9 + 0.875 * 2e9);
    EXPECT_DOUBLE_EQ(ComputeCubicRatioTerm(100, 100, 8e9, 2e9), 8e9);
    // No bound here: below the cracking moment the ratio exceeds 1.
    EXPECT_DOUBLE_EQ(ComputeCubicRatioTerm(100, 50, 8e9, 2e9), 8 * 8e9 - 7 * 2e9);
}
