#include "app/geometry_checks.h"

#include <gtest/gtest.h>

#include "support/model_support.h"

namespace {

using namespace quorvel;
using app::CollectInputContradictions;
using model::ProjectModel;

constexpr const char* kWidth = "- Palkin leveys <=> saumavalut + tukipituudet.\r\n";
constexpr const char* kSpacing = "- Palkin leveys <=> palkkivälit.\r\n";
constexpr const char* kRebar = "- Palkin korkeus <=> raudoitteiden sijoitus.\r\n";
constexpr const char* kLoads = "- Palkin kuormien sijoitus <=> palkin pituus.\r\n";
constexpr const char* kSlabLevel = "- Palkin korkeus <=> laattojen korkeus.\r\n";

// A SUORA middle beam 380 wide and 500 high between two 7200 mm slab fields,
// nothing in conflict.
ProjectModel suoraBeam() {
    ProjectModel m;
    m.BeamTypeName = "SUORA";
    m.IsMiddleBeam = 1;
    m.BeamWidth = 380.0;
    m.OverallBeamHeight = 500.0;
    m.BeamSpan = 6000.0;
    for (int s = 1; s <= 2; ++s) {
        m.SlabSupportLength(s) = 65.0;
        m.JointGroutWidth(s) = 90.0;
        for (int e = 1; e <= 2; ++e) m.BeamSpacing(s, e) = 7200.0;
    }
    m.ReinforcementRowCount = 1;
    m.BarDistanceFromBottom(1) = 50.0;
    return m;
}

std::string collect(const ProjectModel& m, int16_t* foundOut = nullptr) {
    std::string lines = "left over";
    int16_t found = -7;
    CollectInputContradictions(m, lines, found);
    if (foundOut) *foundOut = found;
    EXPECT_EQ(found, lines.empty() ? 0 : 1) << lines;
    return lines;
}

TEST(GeometryChecks, PlainBeamWidthAgainstBothBearings) {
    ProjectModel m = suoraBeam();
    EXPECT_EQ(collect(m), "");  // 2 x (65 + 90) = 310 < 380
    m.SlabSupportLength(1) = 110.0;
    m.SlabSupportLength(2) = 110.0;  // 2 x (110 + 90) = 400 > 380
    EXPECT_EQ(collect(m), kWidth);
    // An edge beam needs only the right bearing (200 < 380).
    m.IsMiddleBeam = 0;
    EXPECT_EQ(collect(m), "");
}

TEST(GeometryChecks, EdgeBeamIgnoresLeftSpacingsButNotRightStart) {
    ProjectModel m = suoraBeam();
    m.IsMiddleBeam = 0;
    m.BeamSpacing(1, 1) = 100.0;  // left side: not used on an edge beam
    m.BeamSpacing(1, 2) = 100.0;
    EXPECT_EQ(collect(m), "");
    m.IsMiddleBeam = 1;
    EXPECT_EQ(collect(m), kSpacing);
    m.IsMiddleBeam = 0;
    m.BeamSpacing(2, 1) = 300.0;  // right spacing at the start below 380
    EXPECT_EQ(collect(m), kSpacing);
}

TEST(GeometryChecks, RebarNeeds30MillimetresBelowTheTop) {
    ProjectModel m = suoraBeam();
    m.BeamTypeName = "BLEUKA";
    m.LeftLedgeDepth = 200.0;
    m.RightLedgeDepth = 200.0;
    m.BeamWidth = 300.0;
    m.ReinforcementRowCount = 2;
    m.BarDistanceFromBottom(2) = 470.0;  // exactly 30 below 500: fits
    EXPECT_EQ(collect(m), "");
    m.BarDistanceFromBottom(2) = 471.0;  // 29 below
    EXPECT_EQ(collect(m), kRebar);
}

TEST(GeometryChecks, SupportOnlyStopsAfterTheFirstTestExceptSuperAndKvatro) {
    ProjectModel m = suoraBeam();
    m.BeamWidth = 100.0;  // every test of the plain check fails...
    m.ReinforcementRowCount = 1;
    m.BarDistanceFromBottom(1) = 490.0;
    std::string lines;
    EXPECT_EQ(app::CheckPlainBeamGeometry(m, -1, 155, 155, lines), 1);
    EXPECT_EQ(lines, kWidth);  // ...but only the first runs
    EXPECT_EQ(app::CheckPlainBeamGeometry(m, 0, 155, 155, lines), 1);
    EXPECT_EQ(lines, std::string(kWidth) + kRebar);  // 7200 spacing is wider than 100

    // The single-precision flag counts when it rounds to -1.
    m.LeftLedgeWidth = 50.0;
    m.RightLedgeWidth = 50.0;
    m.BottomFlangeWidth = 8000.0;  // wider than the spacing
    EXPECT_EQ(app::CheckLblBeamGeometry(m, -0.8f, 155, 155, lines), 1);
    EXPECT_EQ(lines, "- Palkin leuka <=> saumavalu + tukipituus.\r\n");
    EXPECT_EQ(app::CheckLblBeamGeometry(m, 0.0f, 155, 155, lines), 1);
    EXPECT_NE(lines.find(kSpacing), std::string::npos);

    // KVATRO runs every test and takes its bearing from the model.
    m.BottomFlangeWidth = 8000.0;
    m.BeamHeight = 500.0;
    EXPECT_EQ(app::CheckKvatroBeamGeometry(m, -1, 0, 0, lines), 1);
    EXPECT_EQ(lines, std::string("- Palkin leuka <=> saumavalu + tukipituus.\r\n") + kSpacing);
}

TEST(GeometryChecks, SlabLevelOfSuperBeam) {
    ProjectModel m;
    m.BeamTypeName = "BESUPER";
    m.IsMiddleBeam = 1;
    m.LeftLedgeWidth = 400.0;
    m.RightLedgeWidth = 400.0;
    m.BeamSpan = 6000.0;
    quorvel::testing::addSlabType(m, "P27", 265.0f);
    quorvel::testing::addSlabType(m, "P40", 400.0f);
    m.SlabTypeName(1) = "P27";
    m.SlabTypeName(2) = "P40";
    // Beam level 300 + 20 = 320 lies between 265 and 400: no line, however
    // far apart the slabs are.
    m.BeamHeight = 300.0;
    std::string lines;
    app::CheckSuperBeamGeometry(m, 0, 0, 0, lines);
    EXPECT_EQ(lines.find(kSlabLevel), std::string::npos) << lines;
    // 420 + 20 = 440 is more than 10 above both 265 and 400.
    m.BeamHeight = 420.0;
    app::CheckSuperBeamGeometry(m, 0, 0, 0, lines);
    EXPECT_NE(lines.find(kSlabLevel), std::string::npos);
    // A slab type not in the catalogue skips the test.
    m.SlabTypeName(1) = "XYZ";
    app::CheckSuperBeamGeometry(m, 0, 0, 0, lines);
    EXPECT_EQ(lines.find(kSlabLevel), std::string::npos);
    // Edge beam: within 10 mm of the right slab level, ends inclusive.
    m.SlabTypeName(1) = "P27";
    m.IsMiddleBeam = 0;
    m.BeamHeight = 390.0;  // 410 = 400 + 10
    app::CheckSuperBeamGeometry(m, 0, 0, 0, lines);
    EXPECT_EQ(lines.find(kSlabLevel), std::string::npos);
    m.BeamHeight = 391.0;
    app::CheckSuperBeamGeometry(m, 0, 0, 0, lines);
    EXPECT_NE(lines.find(kSlabLevel), std::string::npos);
}

TEST(GeometryChecks, LoadsAtAndBeyondTheSpanEnd) {
    ProjectModel m = suoraBeam();
    m.BeamPointLoadCount = 2;
    m.BeamPointLoadX(2) = 6000.0;  // at the span end
    EXPECT_EQ(collect(m), "");
    m.BeamPointLoadX(2) = 6001.0;
    EXPECT_EQ(collect(m), kLoads);
    m.BeamPointLoadX(2) = 0.0;
    m.BeamLineLoadQX = 1000.0;
    m.BeamLineLoadQLength = 5001.0;
    EXPECT_EQ(collect(m), kLoads);
}

// A beam line load with an intensity at either end and a length of 0 acts
// on no part of the beam; with both intensities 0, or a length, it is no
// contradiction. The line stands after the one of loads beyond the span.
TEST(GeometryChecks, LineLoadOfZeroLengthWithAValue) {
    const std::string zeroFi =
        "- Palkin viivakuorma <=> viivakuorman pituus 0: nollan pituinen viivakuorma ei vaikuta mihinkään "
        "palkin kohtaan; anna sen pituus, tai tyhjennä ruutu jänteen loppuosalle.\r\n";
    const std::string zeroEn =
        "- Beam line load <=> line load length 0: a line load of zero length acts on no part of the beam; give "
        "its length, or empty the box for the rest of the span.\r\n";
    struct Case {
        double g1, g2, gLength, q1, q2, qLength, gX;
        std::string expected;
    } cases[] = {
        {5, 5, 0, 0, 0, 0, 0, zeroFi},           // permanent typed, x and L left at 0
        {0, 0, 0, 2, 0, 0, 0, zeroFi},           // variable at its start only
        {0, 0, 0, 0, 2, 0, 0, zeroFi},           // variable at its end only
        {5, 5, 0, 2, 2, 0, 0, zeroFi},           // both: one line
        {-5, 0, 0, 0, 0, 0, 0, zeroFi},          // a value other than 0, whatever its sign
        {5, 5, 6000, 2, 2, 1, 0, ""},            // lengths given
        {0, 0, 0, 0, 0, 0, 0, ""},               // no line load at all
        {5, 5, 0, 0, 0, 0, 6001, kLoads + zeroFi},  // beyond the span and of no length
    };
    for (const Case& c : cases) {
        ProjectModel m = suoraBeam();
        m.BeamLineLoadG1 = c.g1;
        m.BeamLineLoadG2 = c.g2;
        m.BeamLineLoadGLength = c.gLength;
        m.BeamLineLoadGX = c.gX;
        m.BeamLineLoadQ1 = c.q1;
        m.BeamLineLoadQ2 = c.q2;
        m.BeamLineLoadQLength = c.qLength;
        EXPECT_EQ(collect(m), c.expected) << c.g1 << " " << c.q1 << " " << c.q2;
        m.LanguageIndex = 1;
        if (c.expected == zeroFi) {
            EXPECT_EQ(collect(m), zeroEn);
        }
    }
}

// A slab load stands on the field: along the beam from E1 before its start
// to E2 beyond its end, a point load across at most the spacing at its
// place. The left side of an edge beam carries no slabs and is not looked
// at. A load off the field is named with its side, number and position
// and the field's extent there (the field here: y = -500 ... 6000 + 1000
// mm; the left spacing 7200 mm at the start, 6600 at the end).
TEST(GeometryChecks, SlabLoadsOffTheField) {
    const std::string offFi = "- Laataston kuormien sijainti <=> laataston rajat: ";
    const std::string offEn = "- Position of the slab loads <=> extent of the slab field: ";
    const std::string alongFi = ": laatasto ulottuu palkin suunnassa välille y = -500 ... 7000 mm.\r\n";
    const std::string alongEn = ": the field reaches y = -500 ... 7000 mm along the beam.\r\n";
    // The load's value as the Slab loads dialog shows it.
    const std::string pointFi = " (pysyvä 1000 kN, muuttuva 12.5 kN)", pointEn = " (permanent 1000 kN, variable 12.5 kN)";
    const std::string lineFi = " (pysyvä 500 kN/m, muuttuva 0.25 kN/m)", lineEn = " (permanent 500 kN/m, variable 0.25 kN/m)";
    enum Kind { Point, Line };
    struct Case {
        Kind kind;
        int side;
        double x, y;
        bool edgeBeam;
        std::string finnish, english;  // empty: on the field
    } cases[] = {
        // y far beyond the beam (6 m) and its field edge (1 m)
        {Point, 2, 1000, 30000, false, "oikean laataston pistekuorma 2" + pointFi + ", y = 30000 mm" + alongFi,
         "point load 2 of the right slab field" + pointEn + ", y = 30000 mm" + alongEn},
        {Point, 2, 1000, 7000, false, "", ""},  // at the field's edge beyond the beam end
        {Point, 2, 1000, 7000.5, false, "oikean laataston pistekuorma 2" + pointFi + ", y = 7000.5 mm" + alongFi,
         "point load 2 of the right slab field" + pointEn + ", y = 7000.5 mm" + alongEn},
        {Point, 2, 1000, -500.5, false, "oikean laataston pistekuorma 2" + pointFi + ", y = -500.5 mm" + alongFi,
         "point load 2 of the right slab field" + pointEn + ", y = -500.5 mm" + alongEn},
        {Line, 1, 0, 7001, false, "vasemman laataston viivakuorma 1" + lineFi + ", y = 7001 mm" + alongFi,
         "line load 1 of the left slab field" + lineEn + ", y = 7001 mm" + alongEn},
        {Line, 1, 0, 6500, false, "", ""},  // beyond the beam, on the field
        {Point, 1, 7200, 0, false, "", ""},  // at the next beam (start spacing 7200)
        // the spacing narrows to 6600 at the beam end
        {Point, 1, 6601, 6000, false,
         "vasemman laataston pistekuorma 2" + pointFi + ", x = 6601 mm: laatasto ulottuu palkista välille x = 0 ... 6600 mm "
         "(palkkiväli kohdassa y = 6000 mm).\r\n",
         "point load 2 of the left slab field" + pointEn + ", x = 6601 mm: the field reaches x = 0 ... 6600 mm from the beam (the "
         "beam spacing at y = 6000 mm).\r\n"},
        {Point, 1, 6600, 6000, false, "", ""},
        {Point, 1, -0.5, 3000, false,
         "vasemman laataston pistekuorma 2" + pointFi + ", x = -0.5 mm: laatasto ulottuu palkista välille x = 0 ... 6900 mm "
         "(palkkiväli kohdassa y = 3000 mm).\r\n",
         "point load 2 of the left slab field" + pointEn + ", x = -0.5 mm: the field reaches x = 0 ... 6900 mm from the beam (the "
         "beam spacing at y = 3000 mm).\r\n"},
        {Point, 1, 1000, 30000, true, "", ""},  // an edge beam's hidden left side
        {Line, 2, 0, 30000, true, "oikean laataston viivakuorma 1" + lineFi + ", y = 30000 mm" + alongFi,
         "line load 1 of the right slab field" + lineEn + ", y = 30000 mm" + alongEn},
    };
    for (const Case& c : cases) {
        ProjectModel m = suoraBeam();
        m.BeamSpacing(1, 2) = 6600.0;
        m.SlabFieldEdgeDistance1 = 500.0;
        m.SlabFieldEdgeDistance2 = 1000.0;
        m.IsMiddleBeam = c.edgeBeam ? 0 : 1;
        if (c.kind == Point) {
            m.SlabPointLoadCount(c.side) = 2;
            m.SlabPointLoadG(2, c.side) = 1000;
            m.SlabPointLoadQ(2, c.side) = 12.5;
            m.SlabPointLoadX(2, c.side) = c.x;
            m.SlabPointLoadY(2, c.side) = c.y;
        } else {
            m.SlabLineLoadCount(c.side) = 1;
            m.SlabLineLoadG(1, c.side) = 500;
            m.SlabLineLoadQ(1, c.side) = 0.25;
            m.SlabLineLoadY(1, c.side) = c.y;
        }
        SCOPED_TRACE(::testing::Message() << (c.kind == Point ? "point" : "line") << " side " << c.side << " x "
                                          << c.x << " y " << c.y);
        EXPECT_EQ(collect(m), c.finnish.empty() ? "" : offFi + c.finnish);
        m.LanguageIndex = 1;
        EXPECT_EQ(collect(m), c.english.empty() ? "" : offEn + c.english);
        // A load beyond the count is not in use.
        if (c.kind == Point) {
            m.SlabPointLoadCount(c.side) = 1;
            EXPECT_EQ(collect(m), "");
        }
    }
    // Each load off the field has its own line, in the order of the sides
    // and the loads.
    ProjectModel m = suoraBeam();
    m.LanguageIndex = 1;
    m.SlabPointLoadCount(2) = 1;
    m.SlabPointLoadX(1, 2) = 9000;  // beyond the right spacing of 7200 mm
    m.SlabPointLoadY(1, 2) = 3000;
    m.SlabPointLoadG(1, 2) = 25;
    m.SlabPointLoadQ(1, 2) = 10;
    m.SlabLineLoadG(2, 1) = quorvel::runtime::Value::empty();  // a value never set
    m.SlabLineLoadCount(1) = 2;
    m.SlabLineLoadY(2, 1) = -1;  // the field starts at the beam start
    EXPECT_EQ(collect(m), offEn + "line load 2 of the left slab field (permanent 0 kN/m, variable 0 kN/m), y = -1 mm: the field reaches y = 0 ... 6000 mm "
                                  "along the beam.\r\n" +
                              offEn + "point load 1 of the right slab field (permanent 25 kN, variable 10 kN), x = 9000 mm: the field reaches x = 0 ... "
                                      "7200 mm from the beam (the beam spacing at y = 3000 mm).\r\n");
}

TEST(GeometryChecks, HolesAgainstBeamLengthAndTaperedSlabSpan) {
    ProjectModel m = suoraBeam();
    m.BeamSpacing(2, 1) = 7200.0;
    m.BeamSpacing(2, 2) = 6000.0;
    m.HoleCount(2) = 1;
    m.HoleX(2, 1) = 3000.0;  // at span/2 the slab span is 6600
    m.HoleWidthB(2, 1) = 0.0;
    m.HoleY(2, 1) = 6000.0;
    m.HoleLengthA(2, 1) = 600.0;  // reaches 6600: not beyond
    EXPECT_EQ(collect(m), "");
    m.HoleLengthA(2, 1) = 601.0;
    EXPECT_EQ(collect(m), "- Reikien sijainti <=> palkivälit.\r\n");
    m.HoleWidthB(2, 1) = 3001.0;  // also beyond the beam end
    EXPECT_EQ(collect(m), "- Reikien sijainti <=> palkin pituus.\r\n"
                          "- Reikien sijainti <=> palkivälit.\r\n");
}

TEST(GeometryChecks, HoleOnABeamOfNoLengthDoesNotDivideByZero) {
    ProjectModel m = suoraBeam();
    m.BeamSpan = 0.0;
    m.HoleCount(1) = 1;
    m.HoleY(1, 1) = 100.0;
    m.HoleLengthA(1, 1) = 200.0;
    std::string lines;
    model::SideEndSingleArray spacing;
    spacing(1, 1) = 7200.0f;
    spacing(1, 2) = 6000.0f;
    EXPECT_EQ(app::CheckHolePositions(m, lines, 0.0f, spacing), 0) << lines;
    m.HoleLengthA(1, 1) = 7101.0;
    EXPECT_EQ(app::CheckHolePositions(m, lines, 0.0f, spacing), 1);
}

TEST(GeometryChecks, ToppingReinforcementWithoutTopping) {
    ProjectModel m = suoraBeam();
    m.ToppingThickness = 0.0;
    m.ToppingReinforcementArea = 0.001;
    EXPECT_EQ(collect(m), "");
    m.ToppingReinforcementArea = 0.002;
    EXPECT_EQ(collect(m), "- Pintabetonin paksuus 0 <=> pintabetonin raudoitus.\r\n");
}

TEST(GeometryChecks, ListKeepsTheOrderFamilyLoadsHolesTopping) {
    ProjectModel m = suoraBeam();
    m.BeamWidth = 300.0;  // 310 > 300
    m.BeamPointLoadCount = 1;
    m.BeamPointLoadX(1) = 7000.0;
    m.HoleCount(1) = 1;
    m.HoleX(1, 1) = 6500.0;
    m.ToppingReinforcementArea = 10.0;
    EXPECT_EQ(collect(m), std::string(kWidth) + kLoads +
                              "- Reikien sijainti <=> palkin pituus.\r\n"
                              "- Pintabetonin paksuus 0 <=> pintabetonin raudoitus.\r\n");
}

TEST(GeometryChecks, FamilyCodeIsCaseSensitiveAndSelectsItsCheck) {
    ProjectModel m = suoraBeam();
    m.BottomFlangeWidth = 7500.0;  // wider than the spacing
    m.TopFlangeWidth = 300.0;
    m.WebThickness = 10.0;  // ledges (7500 - 300 - 20) / 2 carry the slabs
    m.BeamTypeName = "HQ";
    EXPECT_EQ(collect(m), kSpacing);
    m.BeamTypeName = "hq";  // not the HQ family: the plain check runs
    EXPECT_EQ(collect(m), "");
    // TI: a web thicker than the flanges, which also leaves no room for
    // the corner radius.
    m.BeamTypeName = "TI";
    m.TopFlangeWidth = 400.0;
    m.BottomFlangeWidth = 400.0;
    m.WebThickness = 420.0;
    m.BeamHeight = 400.0;
    m.TopFlangeThickness = 20.0;
    m.BottomFlangeThickness = 20.0;
    EXPECT_EQ(collect(m), "- Laipan leveys <=> uuman paksuus.\r\n"
                          "- Pyöristys säde <=> laippojen väli ja leveys.\r\n");
}

TEST(GeometryChecks, HxKeepsTheCallersLines) {
    ProjectModel m = suoraBeam();
    m.BottomFlangeWidth = 600.0;
    m.LeftLedgeWidth = 200.0;
    m.RightLedgeWidth = 200.0;
    m.TopFlangeWidth = 300.0;  // 300 > 600 - 400
    m.BeamHeight = 400.0;
    std::string lines = "- earlier.\r\n";
    EXPECT_EQ(app::CheckHxBeamGeometry(m, 0, 100, 100, lines), 1);
    EXPECT_EQ(lines, "- earlier.\r\n- Palkin ylälaipan leveys <=> palkin alalaipan leveys ja "
                     "leuat.\r\n");
}

}  // namespace
