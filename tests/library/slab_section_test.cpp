#include "library/slab_section.h"

#include <gtest/gtest.h>

#include <array>

#include <cmath>
#include <filesystem>

#include "library/slab_data.h"
#include "platform/headless/headless_platform.h"
#include "support/test_support.h"
#include "test_support.h"

using namespace quorvel;
using library::ComputeSlabSectionPart;
using library::ComputeSlabSectionProperties;
using model::ProjectModel;
using runtime::Value;

namespace {

struct Geometry {
    double n, h, t, hc, hct, hv, d, bb, b = 1200, db = 20, e = 110, ap = 45;
};

// Both sides get the same slab; slab concrete Ec 35000 and topping 30000.
ProjectModel slabModel(const Geometry& g, double topping = 0) {
    ProjectModel m;
    for (int s = 1; s <= 2; ++s) {
        m.SlabCoreCount(s) = static_cast<int16_t>(g.n);
        m.SlabHeight(s) = g.h;
        m.SlabTopFlangeThickness(s) = g.t;
        m.SlabCoreHeight(s) = g.hc;
        m.SlabDimensionHct(s) = g.hct;
        m.SlabDimensionHv(s) = g.hv;
        m.SlabCoreWidth(s) = g.d;
        m.SlabRecordValue8(s) = g.bb;
        m.SlabUnitWidth(s) = g.b;
        m.SlabWidthDeduction(s) = g.db;
        m.SlabEdgeCoreDistance(s) = g.e;
        m.BottomStrandAxisDistance(s) = g.ap;
        m.TopStrandAxisDistance(s) = g.ap;
        m.SlabStrandModulus(s) = 195000.0;
        m.ConcreteEcm(s + 3) = 35000.0;
        m.SideToppingThickness(s) = topping;
    }
    m.ConcreteEcm(6) = 30000.0;
    return m;
}

const Geometry P27{6, 265, 35, 190, 105, 30, 135, 105, 1200, 20, 110, 45};
const Geometry P37{4, 370, 57, 255, 0, 0, 255, 255, 1200, 20, 171, 45};
const Geometry P50{4, 500, 40, 420, 260, 70, 210, 160, 1200, 20, 150, 45};

// Width of one built-up core at the height z above the slab bottom, in
// layer i of the section from the bottom: 0 bottom flange, 1 the part
// widening from bb to d over hv, 2 the straight part of width d over hct,
// 3 the circular cap of rise f over the chord d, 4 top flange.
double coreWidth(const Geometry& g, int i, double z) {
    const double bottom = g.h - g.t - g.hc;
    switch (i) {
        case 1: return g.bb + (g.d - g.bb) * (z - bottom) / g.hv;
        case 2: return g.d;
        case 3: {
            const double f = g.hc - g.hct - g.hv;
            const double R = (f * f + g.d * g.d / 4) / (2 * f);
            const double centre = g.h - g.t - R;  // the apex lies R above the circle centre
            return 2 * std::sqrt(std::max(0.0, R * R - (z - centre) * (z - centre)));
        }
        default: return 0;
    }
}

// Integral of w(z) (z - about)^k over the heights from..to, w the net
// concrete width (unit width less deduction, less n cores), strip by strip
// (Simpson within each layer).
double moment(const Geometry& g, int k, double from, double to, double about = 0) {
    const double bottom = g.h - g.t - g.hc;
    const double levels[] = {0, bottom, bottom + g.hv, bottom + g.hv + g.hct, g.h - g.t, g.h};
    double sum = 0;
    for (int i = 0; i + 1 < 6; ++i) {
        const double a = std::max(from, levels[i]), b = std::min(to, levels[i + 1]);
        if (b <= a) continue;
        auto integrand = [&](double z) {
            return (g.b - g.db - g.n * coreWidth(g, i, z)) * std::pow(z - about, k);
        };
        if (i == 3) {
            // The cap's width grows as a square root from its apex at the
            // top: with z = b - u^2 the integrand is smooth.
            sum += libtest::simpson([&](double u) { return integrand(b - u * u) * 2 * u; }, 0, std::sqrt(b - a),
                                    20000);
        } else {
            sum += libtest::simpson(integrand, a, b, 20000);
        }
    }
    return sum;
}

}  // namespace

TEST(SlabSectionPart, TwoRectanglesWithAModularRatio) {
    // Part 1: 1000 x 200, centroid at depth 100, E1 = 35000.
    // Part 2: 1000 x 50 topping over it (centroid at depth -25), E2 = 28000,
    // m = 0.8: transformed area 0.8 x 50000 = 40000.
    // A = 200000 + 40000 = 240000; y = (200000 x 100 - 40000 x 25) / 240000
    // = 19e6 / 240000 = 79.1667.
    // I = 1000 x 200^3/12 + 200000 x 20.8333^2 + 0.8 (1000 x 50^3/12 + 50000 x 104.1667^2)
    //   = 6.66667e8 + 8.68056e7 + 0.8 (1.04167e7 + 5.42535e8) = 1.19583e9.
    ProjectModel m;
    Value A, y, I;
    ComputeSlabSectionPart(m, 35000, 200000, 100, 1000.0 * 200 * 200 * 200 / 12, 28000, 50000, -25,
                           1000.0 * 50 * 50 * 50 / 12, A, y, I);
    EXPECT_DOUBLE_EQ(A, 240000);
    EXPECT_NEAR(y, 79.1667, 1e-4);
    EXPECT_NEAR(I, 1.19583e9, 1e4);
    EXPECT_DOUBLE_EQ(m.TransformedFirstMoment, 19e6);
}

TEST(SlabSection, CircularCoresAgainstRectangleLessCircles) {
    // P37: unit 1200 less 20 = 1180 wide, 370 high, 4 circular cores of 255
    // with their centres 57 + 255/2 = 184.5 below the top. pi = 3.14159.
    //   one core  Ac = 3.14159 x 255^2 / 4 = 51070.47 mm2, own I = pi d^4/64 = Ac d^2/16
    //   A0 = 1180 x 370 - 4 x 51070.47 = 436600 - 204281.89 = 232318.11 mm2
    //   depth of centroid y0 = (1180 x 370^2/2 - 4 x 51070.47 x 184.5) / 232318.11
    //                        = (80771000 - 37690007) / 232318.11 = 185.4397 mm
    //   I = 1180 x 370^3/12 + 436600 x (185 - 185.4397)^2
    //       - 4 (51070.47 x 255^2/16 + 51070.47 x (184.5 - 185.4397)^2)
    //     = 4.98086e9 + 8.4e4 - 4 (2.07554e8 + 4.51e4) = 4.15057e9 mm4
    ProjectModel m = slabModel(P37);
    ComputeSlabSectionProperties(m);
    for (int s = 1; s <= 2; ++s) {
        EXPECT_NEAR(m.SlabSectionValueA(s), 232318.11, 0.01);
        EXPECT_NEAR(m.SlabArea(s), 232318.11, 0.01);  // no strands
        EXPECT_NEAR(m.SlabDimensionPhc(s), 370 - 185.4397, 1e-4);
        EXPECT_NEAR(m.SlabMomentOfInertia(s), 4.15057e9, 1e4);
        EXPECT_EQ(m.SlabInertiaSum(s), m.SlabMomentOfInertia(s));
        // The level of the core centres: D = h - (t + d/2) = 370 - 184.5.
        EXPECT_DOUBLE_EQ(m.SlabSectionValueD(s), 185.5);
        EXPECT_DOUBLE_EQ(m.SlabBcr(s), 370);
        EXPECT_DOUBLE_EQ(m.SlabWebWidthSum(s), 1180 - 4 * 255);
        EXPECT_DOUBLE_EQ(m.SlabEdgeWebWidth(s), 171 - (20 + 255) / 2.0);
        EXPECT_DOUBLE_EQ(m.SlabCoreSpacing(s), (1200 - 2 * 171) / 3.0);
    }
    // First moment above the centroid with the half cores: the slab strip
    // 1180 x 185.4397 about its lower edge, 1180 x 185.4397^2 / 2 = 20288842,
    // less 4 half circles of area 3.14159 x 255^2/8 = 25535.24 whose centroid
    // lies 4r/(3 pi) = 54.1127 above the core centre, an arm of
    // 185.4397 - (184.5 - 54.1127) = 55.0524: 4 x 25535.24 x 55.0524 = 5623103.
    // S = 20288842 - 5623103 = 14665739 mm3.
    EXPECT_NEAR(m.SlabFirstMoment(1), 14665739, 20);
}

TEST(SlabSection, BuiltUpCoresAgainstStripIntegration) {
    // P27 (data/README.md): f = 55, R = 68.92, Acap = 5556, Ar = 18225,
    // Av = 450, Ac = 23331, A0 = 1180 x 265 - 6 x 23331 = 172716 mm2.
    ProjectModel m = slabModel(P27);
    ComputeSlabSectionProperties(m);
    EXPECT_NEAR(m.SlabSectionValueA(1), 172716, 2);

    // Area, centroid and second moment of the same section integrated strip
    // by strip over its height (widths from the core outline).
    const double A = moment(P27, 0, 0, 265);
    const double c = moment(P27, 1, 0, 265) / A;  // centroid height
    const double I = moment(P27, 2, 0, 265, c);
    EXPECT_NEAR(m.SlabSectionValueA(1), A, 1e-6 * A);
    EXPECT_NEAR(m.SlabDimensionPhc(1), c, 1e-7);
    // The two corner triangles of a core are taken with Av hv^2/36 as their
    // own second moment, where two triangles of that area have Av hv^2/18:
    // each core keeps Av hv^2/36 too much, so the section has
    // n Av hv^2/36 = 6 x 450 x 900/36 = 67500 mm4 less than the strips
    // (0.005 % of I, on the safe side).
    EXPECT_NEAR(m.SlabMomentOfInertia(1), I - 67500, 1e-8 * I);

    // First moment about the concrete centroid of the part below the height
    // D = 265 - (35 + 55 + 105) = 70 of the top of the narrowing part.
    EXPECT_DOUBLE_EQ(m.SlabSectionValueD(1), 70);
    const double S = moment(P27, 1, 0, 70, c) * -1;  // arms c - z
    EXPECT_NEAR(m.SlabFirstMoment(1), S, 1e-6 * S);
    EXPECT_NEAR(m.SlabSectionValueC(1), A - moment(P27, 0, 0, 70), 1e-6 * A);
    EXPECT_DOUBLE_EQ(m.SlabDepthFactor(1), 1.0);
}

TEST(SlabSection, DeepSlabTakesTheDepthFactor) {
    // P50, h = 500 > 410: factor 0.9. S is divided by it once; the topped
    // first moment divides it twice and its own shift term once.
    const double toppingThickness = 60;
    ProjectModel m = slabModel(P50, toppingThickness);
    ComputeSlabSectionProperties(m);
    EXPECT_DOUBLE_EQ(m.SlabDepthFactor(2), 0.9);
    const double A0 = moment(P50, 0, 0, 500);
    const double c = moment(P50, 1, 0, 500) / A0;
    const double D = 500 - (40 + 90 + 260);  // 110
    const double S = -moment(P50, 1, 0, D, c);
    EXPECT_NEAR(m.SlabFirstMoment(2) * 0.9, S, 1e-6 * S);

    // Topped concrete centroid: topping 1180 x 60 with m = 30000/35000 at
    // 30 above the top face, height 530 above the bottom.
    const double At = 1180 * toppingThickness * 30000.0 / 35000;
    const double cTop = (A0 * c + At * 530) / (A0 + At);
    const double Sbelow = moment(P50, 0, 0, D);  // area below D
    const double expected = S / 0.81 + Sbelow * (cTop - c) / 0.9;
    EXPECT_NEAR(m.ToppedSlabFirstMoment(2), expected, 1e-6 * expected);

    // At h = 410 the factor is still 1.
    Geometry g = P50;
    g.h = 410;
    g.hc = 330;
    g.hct = 180;
    ProjectModel at410 = slabModel(g);
    ComputeSlabSectionProperties(at410);
    EXPECT_DOUBLE_EQ(at410.SlabDepthFactor(1), 1.0);
}

TEST(SlabSection, StrandsAreTransformedAreas) {
    // P27 with 6 bottom strands of 93 mm2 at 45 above the bottom and 2 top
    // strands of 52 mm2 at 45 below the top; n = Ep/Ec - 1 = 195000/35000 - 1
    // = 4.571429. Added areas 6 x 93 x 4.571429 = 2550.857 and
    // 2 x 52 x 4.571429 = 475.429. By the parallel axis rule from the bare
    // section (A0, depth y0, I0):
    //   A = A0 + 3026.286, y = (A0 y0 + 2550.857 x 220 + 475.429 x 45) / A,
    //   I = I0 + A0 (y0 - y)^2 + 2550.857 (220 - y)^2 + 475.429 (45 - y)^2.
    ProjectModel bare = slabModel(P27);
    ComputeSlabSectionProperties(bare);
    const double A0 = bare.SlabArea(1), y0 = 265 - bare.SlabDimensionPhc(1), I0 = bare.SlabMomentOfInertia(1);

    ProjectModel m = slabModel(P27);
    m.BottomStrandCount(1) = 6;
    m.BottomStrandArea(1) = 93.0;
    m.TopStrandCount(1) = 2.0;
    m.TopStrandArea(1) = 52.0;
    ComputeSlabSectionProperties(m);
    const double ab = 6 * 93 * (195000.0 / 35000 - 1), at = 2 * 52 * (195000.0 / 35000 - 1);
    const double A = A0 + ab + at;
    const double y = (A0 * y0 + ab * 220 + at * 45) / A;
    const double I = I0 + A0 * (y0 - y) * (y0 - y) + ab * (220 - y) * (220 - y) + at * (45 - y) * (45 - y);
    EXPECT_NEAR(m.SlabArea(1), A, 1e-9 * A);
    EXPECT_DOUBLE_EQ(m.SlabSectionValueA(1), A0);
    EXPECT_NEAR(m.SlabDimensionPhc(1), 265 - y, 1e-9 * 265);
    EXPECT_NEAR(m.SlabMomentOfInertia(1), I, 1e-9 * I);
    // The first moment belongs to the concrete section: strands leave it.
    EXPECT_DOUBLE_EQ(m.SlabFirstMoment(1), bare.SlabFirstMoment(1));
}

TEST(SlabSection, ToppingByTheTransformedSectionRule) {
    // Topping 50 thick, Etop/Ec = 30000/35000 = 0.857143: transformed area
    // 1180 x 50 x 0.857143 = 50571.43 with its centroid 25 above the top face
    // and own I 50571.43 x 50^2/12. From the bare P27 (A, centroid depth y, I):
    //   A' = A + 50571.43; y' = (A y - 50571.43 x 25) / A';
    //   I' = I + A (y' - y)^2 + 50571.43 (50^2/12 + (y' + 25)^2).
    ProjectModel bare = slabModel(P27);
    ComputeSlabSectionProperties(bare);
    const double A = bare.SlabArea(2), y = 265 - bare.SlabDimensionPhc(2), I = bare.SlabMomentOfInertia(2);
    // Without topping the topped section is the bare one.
    EXPECT_DOUBLE_EQ(bare.ToppedSlabArea(2), A);
    EXPECT_NEAR(bare.ToppedSlabCentroidPhc(2), bare.SlabDimensionPhc(2), 1e-9);
    EXPECT_NEAR(bare.ToppedSlabMomentOfInertia(2), I, 1e-9 * I);
    EXPECT_NEAR(bare.ToppedSlabFirstMoment(2), bare.SlabFirstMoment(2), 1e-6);

    ProjectModel m = slabModel(P27, 50);
    ComputeSlabSectionProperties(m);
    const double at = 1180 * 50 * 30000.0 / 35000;
    const double A2 = A + at;
    const double y2 = (A * y - at * 25) / A2;
    const double I2 = I + A * (y2 - y) * (y2 - y) + at * (50.0 * 50 / 12 + (y2 + 25) * (y2 + 25));
    EXPECT_NEAR(m.ToppedSlabArea(2), A2, 1e-9 * A2);
    EXPECT_NEAR(m.ToppedSlabCentroidPhc(2), 265 - y2, 1e-9 * 265);
    EXPECT_NEAR(m.ToppedSlabMomentOfInertia(2), I2, 1e-9 * I2);
    EXPECT_DOUBLE_EQ(m.SlabArea(2), A);  // the bare values stay
    EXPECT_NEAR(m.SlabDimensionPhc(2), 265 - y, 1e-9);

    // The topped first moment: the part below D = 70 about the topped
    // concrete centroid, strip by strip.
    const double A0 = moment(P27, 0, 0, 265);
    const double cTop = (moment(P27, 1, 0, 265) + at * 290) / (A0 + at);
    const double S = -moment(P27, 1, 0, 70, cTop);
    EXPECT_NEAR(m.ToppedSlabFirstMoment(2), S, 1e-6 * S);
}

TEST(SlabSection, CapShapes) {
    // A cap of rise d/2 = 67.5 is a half circle: core area = rectangle
    // 135 x 135 less the corner triangles 450 plus 3.14159 x 135^2 / 8 =
    // 7156.93 (the section formulas' pi), = 24931.93 mm2; no division by zero.
    Geometry half = P27;
    half.hc = 105 + 30 + 67.5;
    ProjectModel m = slabModel(half);
    EXPECT_EQ(fpErrorOf([&] {
                  ComputeSlabSectionProperties(m);
                  return m.SlabArea(1).number();
              }),
              0);
    EXPECT_NEAR(m.SlabSectionValueA(1), 1180 * 265 - 6 * 24931.93, 0.1);
    // Its second moment is that of a half circle (I about its own centroid
    // (pi/8 - 8/(9 pi)) r^4), which the strips confirm; 3.14159 for pi keeps
    // it within 1e-7.
    const double A = moment(half, 0, 0, 265);
    const double c = moment(half, 1, 0, 265) / A;
    EXPECT_NEAR(m.SlabMomentOfInertia(1), moment(half, 2, 0, 265, c) - 67500, 1e-7 * m.SlabMomentOfInertia(1));

    // A cap above d/2 would be more than a half circle: refused.
    Geometry high = P27;
    high.hc = 105 + 30 + 70;
    ProjectModel h = slabModel(high);
    EXPECT_EQ(errorOf([&] { ComputeSlabSectionProperties(h); }), 5);

    // No cap (hc = hct + hv): the chamfered rectangle alone,
    // 135 x 135 - 450 = 17775.
    Geometry flat = P27;
    flat.hc = 135;
    ProjectModel f = slabModel(flat);
    ComputeSlabSectionProperties(f);
    EXPECT_NEAR(f.SlabSectionValueA(1), 1180 * 265 - 6 * 17775.0, 1e-6);
    EXPECT_DOUBLE_EQ(f.SlabSectionValueD(1), 265 - (35 + 0 + 105));

    // A cap of next to no rise is the chamfered rectangle the strips see,
    // with its share of the cap: rises of 1e-5 mm and of the 3.6e-15 mm that
    // 135 - 105.3 - 29.7 leaves in binary (the arc's formulas gave second
    // moments of -4.4E+11 and 9.9E+23 mm4 for 1.5E+9). Rise 1 mm (1/135 of the
    // width): the parabolic segment, within (1/135)^2 of the arc: 6 x 90.0
    // against 6 x 90.004 mm2, within 1e-6 of the strips' total. The second
    // moment differs from the strips' by the corner triangles' own term
    // n Av hv^2 / 36 (67500 mm4 for hv = 30), as for the half circle above.
    for (const auto& [hct, hv, hc] : {std::array<double, 3>{105, 30, 135.00001}, {105.3, 29.7, 135},
                                      {105, 30, 136}}) {
        Geometry shallow = P27;
        shallow.hct = hct;
        shallow.hv = hv;
        shallow.hc = hc;
        ProjectModel s = slabModel(shallow);
        ComputeSlabSectionProperties(s);
        const double area = moment(shallow, 0, 0, 265);
        const double centre = moment(shallow, 1, 0, 265) / area;
        EXPECT_NEAR(s.SlabSectionValueA(1), area, 1e-6 * area) << hc;
        const double triangles = 6 * 0.5 * (135 - 105) * hv * hv * hv / 36;
        EXPECT_NEAR(s.SlabMomentOfInertia(1), moment(shallow, 2, 0, 265, centre) - triangles,
                    1e-6 * s.SlabMomentOfInertia(1))
            << hc;
    }

    // Any non-zero straight height, also a negative one, is a built-up core:
    // hct = -10, hv = 30, hc = 75 gives f = 55 and a rectangle 135 x 20.
    Geometry negative = P27;
    negative.hct = -10;
    negative.hc = 75;
    ProjectModel n = slabModel(negative);
    ComputeSlabSectionProperties(n);
    EXPECT_NEAR(n.SlabSectionValueA(1), 1180 * 265 - 6 * (135 * 20 - 450 + 5555.65), 1.0);
}

TEST(SlabSection, SingleCoreHasNoSpacing) {
    Geometry one = P37;
    one.n = 1;
    ProjectModel m = slabModel(one);
    ComputeSlabSectionProperties(m);
    EXPECT_EQ(m.SlabCoreSpacing(1), 0);
    EXPECT_EQ(m.SlabWorkingWidth(1), 1200);
    EXPECT_EQ(m.SlabNetWidth(1), 1180);
}

TEST(SlabSection, DeliveredSlabTypesWeighWhatTheCatalogueSays) {
    // Self weight of the concrete section, A0 / b x 25 kN/m3 (EN 1991-1-1
    // Table A.1), against the catalogue's self weight column: within 3 %.
    quorvel::testing::TempFolder folder;
    std::filesystem::copy_file(std::string(QUORVEL_SOURCE_DIR) + "/data/ONTELO.MIT", folder.file("ONTELO.MIT"));
    runtime::Messages messages;
    for (const char* name : {"P15", "P20", "P27", "P32", "P37", "P40", "P50"}) {
        SCOPED_TRACE(name);
        ProjectModel m;
        m.DataPath = folder.dataPath();
        m.SlabFileName = "ONTELO.MIT";
        m.SlabTypeName(1) = m.SlabTypeName(2) = name;
        m.BottomStrandType(1) = m.BottomStrandType(2) = "0";
        int16_t status = 0;
        library::ReadSlabAndStrandData(m, messages, 1, status);
        library::ReadSlabAndStrandData(m, messages, 2, status);
        ASSERT_EQ(status, 0);
        m.ConcreteEcm(4) = m.ConcreteEcm(5) = m.ConcreteEcm(6) = 35000.0;
        ComputeSlabSectionProperties(m);
        const double weight = m.SlabSectionValueA(1) / m.SlabUnitWidth(1) * 1e-3 * 25;
        EXPECT_NEAR(weight / m.SlabSelfWeight(1), 1.0, 0.03);
    }
}
