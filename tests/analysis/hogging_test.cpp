// Hogging: support moments entered as negative (a continuous beam). The beam
// is checked in sagging only: the largest hogging moment is found over the
// whole span and reported, a beam with no sagging moment left has no
// bending check, the slabs' own checks still cover the whole beam, the
// tension that a hogging support puts in the slab underside is found, and
// a beam whose cracked stiffness needs a sagging moment is refused by name.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "analysis/calculation_driver.h"
#include "analysis/calculation_support.h"
#include "analysis/slabs_on_beam.h"

namespace {

using quorvel::analysis::BeamHogs;
using quorvel::analysis::BeamSaggingMomentChecked;
using quorvel::analysis::PerformCalculation;
using quorvel::model::ProjectModel;
using quorvel::testing::CalculationFolder;

// tests/fixtures/inputfiles/concrete_middle_beam.dat (see
// calculation_worked_example_test.cpp): SUORA 480 x 600, span 7200 mm,
// P27 slabs at 7200 mm on both sides, design line load q = 76.3820 N/mm,
// gamma_G = 1.15, gamma_Q = 1.5, K_FI = 1; a permanent support moment alone
// is designed by (6.10a), 1.35 K_FI times it.
constexpr double q = 76.3820, L = 7200, gG = 1.15, gQ = 1.5, gA = 1.35;

// Support moments of the four stages, kNm as entered: before grouting,
// before topping, permanent, variable; start and end.
struct EndMoments {
    double grouting[2] = {0, 0};
    double topping[2] = {0, 0};
    double permanent[2] = {0, 0};
    double variable[2] = {0, 0};
};

struct Calculated {
    std::unique_ptr<ProjectModel> m = std::make_unique<ProjectModel>();
    quorvel::runtime::Messages messages;
    int status = 0;
};

Calculated calculate(const CalculationFolder& data, const std::string& fixture, const EndMoments& e,
              double spacingStart = 0, double spacingEnd = 0) {
    Calculated r;
    ProjectModel& m = *r.m;
    data.load(m, fixture);
    m.SupportMomentStartBeforeGrouting = e.grouting[0];
    m.SupportMomentEndBeforeGrouting = e.grouting[1];
    m.SupportMomentStartBeforeTopping = e.topping[0];
    m.SupportMomentEndBeforeTopping = e.topping[1];
    m.SupportMomentStartPermanent = e.permanent[0];
    m.SupportMomentEndPermanent = e.permanent[1];
    m.SupportMomentStartVariable = e.variable[0];
    m.SupportMomentEndVariable = e.variable[1];
    if (spacingStart > 0)
        for (int side = 1; side <= 2; ++side) {
            m.BeamSpacing(side, 1) = spacingStart;
            m.BeamSpacing(side, 2) = spacingEnd;
        }
    r.status = PerformCalculation(m, r.messages);
    return r;
}

// The largest hogging moments are the end moments at their support:
// design 1.35 (6.10a) times a permanent one (1.5 a variable one, 6.10b),
// characteristic as entered; the loads give no moment there. A station's
// moment is the simply supported one plus the end moments drawn linearly.
// At midspan the loads give q L^2 / 8 = 494.96 kNm design, qk L^2 / 8 =
// 394.90 characteristic, qk = 26.822250 + 0.00792 + 7.2 + 18.0 + 1.528958
// + 7.381740 = 60.9409 N/mm: G 42.9409 (278.26 kNm), Q 18.0 (116.64 kNm).
// Sagging left anywhere keeps the sagging check; wholly hogging, none.
//   -300 at the start: -1.35 * 300 = -405 / -300 kNm at x = 0; sags.
//   -400 / -400: design -540 at the supports; midspan (6.10b) 1.15 (278.26
//     - 400) + 1.5 * 116.64 = 34.96 kNm sags; characteristic 394.90 - 400
//     = -5.10 kNm hogs everywhere: strain not checked, largest Mk -5.10.
//   -500 / -500: -675 / -500; midspan (6.10b) 1.15 (278.26 - 500) + 174.96
//     = -80.04 < 0, (6.10a) 1.35 (278.26 - 500) = -299.35: all hogs.
//   -10000 in every stage: -10000 (3 * 1.15 + 1.5) = -49500 kNm (6.10b)
//     > 1.35 * 30000; -40000 characteristic.
//   +100 variable at the end: sags everywhere (+150 / +100 kNm); the start
//     takes none of it: no hogging.
TEST(Hogging, LargestHoggingMomentAndWhetherSaggingIsLeftToCheck) {
    CalculationFolder data;
    struct Case {
        const char* name;
        EndMoments moments;
        double hogging, charHogging;  // kNm, at x = 0
        bool sagging, strain;         // checked
    };
    const double loads = L * L / 8;
    constexpr double qk = 26.822250 + 0.00792 + 7.2 + 18.0 + 1.528958 + 7.381740;
    // The largest characteristic moment (kNm), at its peak x = L / 2 + (Me
    // - Ms) / (qk L) within the span.
    const auto largestCharacteristic = [&](const EndMoments& e) {
        const double ms = e.grouting[0] + e.topping[0] + e.permanent[0] + e.variable[0];
        const double me = e.grouting[1] + e.topping[1] + e.permanent[1] + e.variable[1];
        const double x = std::clamp(L / 2 + (me - ms) * 1e6 / (qk * L), 0.0, L);
        return qk * x * (L - x) / 2 * 1e-6 + ms * (1 - x / L) + me * x / L;
    };
    const Case cases[] = {
        {"no support moments", {}, 0.0, 0.0, true, true},
        {"-300 at the start", {{}, {}, {-300, 0}, {}}, -gA * 300, -300, true, true},
        {"-400 / -400", {{}, {}, {-400, -400}, {}}, -gA * 400, -400, true, false},
        {"-500 / -500", {{}, {}, {-500, -500}, {}}, -gA * 500, -500, false, false},
        {"-10000 in every stage",
         {{-10000, -10000}, {-10000, -10000}, {-10000, -10000}, {-10000, -10000}},
         -10000 * (3 * gG + gQ),
         -40000,
         false,
         false},
        {"+100 variable at the end", {{}, {}, {}, {0, 100}}, 0.0, 0.0, true, true},
    };
    ASSERT_LT(q * loads * 1e-6 - gG * 500, 0.0);  // the -500 / -500 beam hogs at midspan too
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Calculated r = calculate(data, "concrete_middle_beam.dat", c.moments);
        ASSERT_EQ(r.status, 0);
        const ProjectModel& m = *r.m;
        // The end moments are taken whole on their supports.
        EXPECT_NEAR(m.MaxHoggingDesignMoment * 1e-6, c.hogging, 1e-12 * std::fabs(c.hogging) + 1e-9);
        EXPECT_NEAR(m.MaxHoggingCharMoment * 1e-6, c.charHogging, 1e-12 * std::fabs(c.charHogging) + 1e-9);
        const double charMaximum = largestCharacteristic(c.moments);
        // Within 1e-5 of the loads' moment (the catalogue's core shapes move
        // the line load by less than that) and of the end moments.
        EXPECT_NEAR(m.MaxCharMoment * 1e-6, charMaximum, 1e-5 * (qk * L * L / 8 * 1e-6 + std::fabs(charMaximum)));
        // At a support: the start, or either where both ends take the
        // same moment.
        const double x = m.MaxHoggingDesignMomentX;
        EXPECT_NEAR(std::min(x, L - x), 0.0, 1e-6);
        EXPECT_EQ(BeamHogs(m), c.hogging < 0);
        EXPECT_EQ(quorvel::analysis::BeamHogsCharacteristic(m), c.charHogging < 0);
        EXPECT_EQ(BeamSaggingMomentChecked(m), c.sagging);
        EXPECT_EQ(quorvel::analysis::BeamStrainChecked(m), c.strain);
        if (c.sagging) {
            EXPECT_GT(m.UtilisationRatio, 0.0);
        } else {
            EXPECT_EQ(m.MaxDesignMoment, 0.0);
            // The largest design moment as it is, at midspan, by the
            // expression hogging more: -500: -80.04 (b) / -299.35 (a);
            // -10000: 494.96 - 49500 = -49005.04 (b) / -40124.35 (a).
            const EndMoments& e = c.moments;
            const double permanent = e.grouting[0] + e.topping[0] + e.permanent[0];
            const double b = q * loads * 1e-6 + gG * permanent + gQ * e.variable[0];
            const double a = gA * ((qk - 18.0) * loads * 1e-6 + permanent);
            EXPECT_NEAR(m.LargestDesignMoment * 1e-6, std::min(a, b), 1e-5 * std::fabs(std::min(a, b)));
            EXPECT_EQ(m.UtilisationRatio, 0.0);  // the number no view shows as a check
        }
    }
}

// One rule of "hogs": below -1e-5 of the largest moment magnitude of the
// row, and never within 10 Nmm (1e-5 of 1 kNm) of zero. A sagging moment
// is measured by the same rule.
TEST(Hogging, AMomentHogsBeyondItsTolerance) {
    using quorvel::analysis::MomentHogs;
    const struct {
        double moment, scale;
        bool hogs;
    } rows[] = {
        {-1.01e3, 1e8, true},  {-0.99e3, 1e8, false},  // 1e-5 of 100 kNm
        {-10.1, 0.0, true},    {-9.9, 0.0, false},     // the floor
        {-10.1, 1e5, true},    {-21.0, 5.55e8, false},  // the +100 kNm residue
        {0.0, 0.0, false},     {5e8, 5e8, false},
    };
    for (const auto& row : rows) EXPECT_EQ(MomentHogs(row.moment, row.scale), row.hogs) << row.moment << " " << row.scale;

    // A sagging moment beside a hogging one is measured against the larger
    // of the two: with -500 kNm hogging, 1e-5 x 500 kNm = 5000 Nmm.
    const struct {
        double sagging, hogging;
        bool checked;
    } beside[] = {{4000, -5e8, false}, {6000, -5e8, true}, {4000, -1e8, true}, {0, -1e8, false}};
    auto m = std::make_unique<ProjectModel>();
    for (const auto& row : beside) {
        m->MaxDesignMoment = row.sagging;
        m->MaxHoggingDesignMoment = row.hogging;
        EXPECT_EQ(BeamSaggingMomentChecked(*m), row.checked) << row.sagging << " " << row.hogging;
    }
}

// A hogging moment (kNm) prints with the places it takes to stay below
// zero beside "not checked" (the gauges and the refusal with one at least,
// the table and the verdict lines with two): the smallest that hogs is
// 1e-5 kNm. Halves round away from zero on the decimal digits.
TEST(Hogging, AHoggingMomentPrintsBelowZero) {
    const struct {
        double kNm;
        int decimals, places;
        const char* text;
    } rows[] = {
        {-575.0, 1, 1, "-575.0"}, {-0.06, 1, 1, "-0.1"},     {-0.04, 1, 2, "-0.04"},  {-0.0115, 1, 2, "-0.01"},
        {-0.0115, 2, 2, "-0.01"}, {-0.004, 2, 3, "-0.004"},  {-0.004, 1, 3, "-0.004"}, {-1e-5, 2, 5, "-0.00001"},
        {-0.575, 2, 2, "-0.58"},  {-1725.0, 1, 1, "-1725.0"}, {0.0, 1, 1, "0.0"},     {0.02, 1, 1, "0.0"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(quorvel::analysis::HoggingMomentDecimals(row.kNm, row.decimals), row.places) << row.kNm;
        EXPECT_EQ(quorvel::analysis::HoggingMomentText(row.kNm, row.decimals), row.text) << row.kNm;
    }
}

// The slabs' own checks depend on their span, not on the beam's moment. A
// hogging end moment draws the zero-moment zone in from that end, but the
// stations of the slab checks still reach the first slab web at the beam's
// start, where the slab spans furthest; before, they were drawn into the
// zone and the exceeded slab checks read as adequate:
//   spacings 16000 / 6000 mm: slab bending 1.072 without support moments,
//     0.762 with -300 kNm at the start;
//   spacings 12300 / 5000 mm: slab cracking 1.037, then 0.693.
// By hand, at the first station x0 (the first web, within one slab unit
// of the start): clear slab span 16000 - 2 * 90 (grout) = 15820 mm at the
// start, 5820 at the end, less the 65 mm support, Ln = 15755 - 10000 x0 /
// 7200 mm; design area load (3.60 + 0.220833) * 1.15 + 0.0011 * 1.15 + 1.0
// * 1.15 + 2.5 * 1.5 = 9.2952 kN/m2 (6.10b > 6.10a's 1.35 * 4.8219 = 6.51);
// Md = 9.2952 Ln^2 / 8 per metre of slab width.
TEST(Hogging, SlabChecksAtTheHoggingEndKeepTheirVerdicts) {
    CalculationFolder data;
    struct Case {
        double spacingStart, spacingEnd;
        bool bending;  // else cracking
    };
    const Case cases[] = {{16000, 6000, true}, {12300, 5000, false}};
    EndMoments hogging;
    hogging.permanent[0] = -300;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spacingStart);
        const Calculated plain = calculate(data, "concrete_middle_beam.dat", {}, c.spacingStart, c.spacingEnd);
        const Calculated hogs = calculate(data, "concrete_middle_beam.dat", hogging, c.spacingStart, c.spacingEnd);
        ASSERT_EQ(plain.status, 0);
        ASSERT_EQ(hogs.status, 0);
        const ProjectModel& m = *hogs.m;
        EXPECT_GT(m.ZeroMomentX(1), 300.0);                    // the zone starts well inside
        EXPECT_LT(m.CalculationPointX(0), m.SlabUnitWidth(1));  // the stations do not
        for (int side = 1; side <= 2; ++side) {
            const double ratio = c.bending ? m.SlabBendingUtilisation(side) : m.SlabCrackingUtilisation(side);
            const double plainRatio =
                c.bending ? plain.m->SlabBendingUtilisation(side) : plain.m->SlabCrackingUtilisation(side);
            EXPECT_GT(ratio, 1.005) << "side " << side;  // exceeded, as without the support moment
            EXPECT_NEAR(ratio, plainRatio, 1e-9 * plainRatio);
        }
        if (c.bending) {
            const double x0 = m.CalculationPointX(0);
            const double Ln = 15755 - 10000 * x0 / 7200;
            const double qd = (3.60 + 0.2208333) * gG + 0.0011 * gG + 1.0 * gG + 2.5 * gQ;
            EXPECT_NEAR(m.SlabMaxDesignMoment(1), qd * (Ln / 1000) * (Ln / 1000) / 8,
                        1e-6 * m.SlabMaxDesignMoment(1));
        }
    }
}

// Tension at the slab underside over a hogging support. The slabs rest on
// the beam top, 10 mm above it: their underside (610 mm) lies above the
// centroid of the composite section, so a hogging moment stretches it.
// Spacings 9000 / 5000 mm, -300 kNm permanent at the start: the design
// moment of the composite stage at the support is (6.10a) 1.35 * -300 =
// -405 kNm (the loads give none there, nor does the stage before the
// topping hardens), so by hand
//   sig.ct = E_slab * 405e6 * (y_b - y_c6) / EI_6
// with E_slab = Ecm of the slab concrete C40/50 = 22 (48 / 10)^0.3 = 35.22 GPa and the centroid
// and stiffness of the composite section as the report's stiffness table
// prints them: 35220 * 405e6 * (610 - 405) / 9.924e14 = 2.95 MPa with the
// b.cd of the zero-moment zone; with b.cd = k_cd L, the stiffer section
// of the whole span, about 2.15 MPa, against f_ctd = 1.82 MPa.
TEST(Hogging, TensionAtTheSlabUndersideOverAHoggingSupport) {
    CalculationFolder data;
    EndMoments hogging;
    hogging.permanent[0] = -300;
    const Calculated r = calculate(data, "concrete_middle_beam.dat", hogging, 9000, 5000);
    ASSERT_EQ(r.status, 0);
    const ProjectModel& m = *r.m;
    EXPECT_NEAR(m.ConcreteEcm(4), 35220, 1);
    const double byHand = m.ConcreteEcm(4) * gA * 300e6 * (m.SlabBottomLevel(1) - m.SectionCentroid(6)) /
                          m.SectionBendingStiffness(6);
    EXPECT_GT(m.SlabBottomLevel(1), m.SectionCentroid(6));
    EXPECT_NEAR(m.SlabTensileStressSum, byHand, 1e-6 * byHand);
    EXPECT_NEAR(m.SlabTensileStressPart1, 0.0, 1e-9);
    EXPECT_NEAR(m.SlabTensileStressSum, 2.15, 0.3);  // b.cd of the whole span
    EXPECT_GT(m.SlabTensileStressSum, m.ConcreteFctd(4));

    // Without the support moment the underside is in compression along the
    // whole beam and the stress at the largest moments stands as before.
    const Calculated plain = calculate(data, "concrete_middle_beam.dat", {}, 9000, 5000);
    ASSERT_EQ(plain.status, 0);
    EXPECT_LT(plain.m->SlabTensileStressSum, 0.0);

    // Left slab C60, right C40, -240 kNm at both ends (-324 design): the
    // same strain, stresses in the ratio of Ecm = 22000 ((fck + 8) / 10)^0.3
    // = 39100 / 35220 MPa; C60's 1.834 MPa (1.823 at -322 kNm, x 324 / 322)
    // gives the right slab 1.834 x 35220 / 39100 = 1.652 < f_ctd 1.82.
    ProjectModel& mixed = *plain.m;
    data.load(mixed, "concrete_middle_beam.dat");
    mixed.SlabConcreteClass(1) = 60;
    mixed.SupportMomentStartPermanent = mixed.SupportMomentEndPermanent = -240;
    quorvel::runtime::Messages messages;
    ASSERT_EQ(PerformCalculation(mixed, messages), 0);
    const double E60 = 22000 * std::pow(6.8, 0.3), E40 = 22000 * std::pow(4.8, 0.3);
    EXPECT_NEAR(mixed.SlabTensileStressBySide(2) / mixed.SlabTensileStressBySide(1), E40 / E60, 1e-9);
    EXPECT_NEAR(mixed.SlabTensileStressBySide(2), 1.652, 0.01);
    EXPECT_LT(mixed.SlabTensileStressBySide(2), mixed.ConcreteFctd(5));
    EXPECT_EQ(mixed.SlabTensileStressSum, mixed.SlabTensileStressBySide(2));  // the nearer its strength
}

// Every family's example with permanent support moments of -500 kNm at both
// ends: the design moment at each support is (6.10a) 1.35 K_FI x -500 =
// -675 kNm (the loads give none there; every example takes K_FI 1).
// A beam whose cracked stiffness is found under its sagging design moment
// (the composite steel beams and the A beam without prestress) is refused
// by name where none is left; every other family calculates, the slab
// results shown. Before, TI stopped with "division by zero or range error
// 11": its shear flow between steel and concrete, 2 F k / Lo, divided by
// the zero-moment span, 0 where the composite stage hogs everywhere; now
// that flow is not checked. composite_delta_point_load.dat keeps a
// sagging moment under its point load and calculates (with -100 / -100
// kNm too, -135 kNm); with -1500 / -1500 kNm it has none (-2025 kNm).
TEST(Hogging, EveryFamilyHoggingAtBothEndsCalculatesOrIsRefusedByName) {
    CalculationFolder data;
    const struct {
        const char* fixture;
        double permanent;  // kNm at both ends
        bool refused;
    } rows[] = {
        {"abeams_new_project_old_format.dat", -500, true},   {"apalkki_new_project_old_format.dat", -500, true},
        {"besuper_new_project_old_format.dat", -500, false}, {"bi_new_project_old_format.dat", -500, false},
        {"composite_delta_point_load.dat", -100, false},     {"composite_delta_point_load.dat", -500, false},
        {"composite_delta_point_load.dat", -1500, true},
        {"concrete_middle_beam.dat", -500, false},           {"cwq_new_project_old_format.dat", -500, false},
        {"jalo_new_project_old_format.dat", -500, false},    {"kemo_uusi_new_project_old_format.dat", -500, false},
        {"kvatro_new_project_old_format.dat", -500, false},  {"lbl_core_filling.dat", -500, false},
        {"ledge_edge_beam_hole.dat", -500, false},           {"mek_new_project_old_format.dat", -500, true},
        {"steel_hq_line_loads.dat", -500, false},            {"ti_new_project_old_format.dat", -500, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.fixture) + " " + std::to_string(row.permanent));
        EndMoments hogging;
        hogging.permanent[0] = hogging.permanent[1] = row.permanent;
        const Calculated r = calculate(data, row.fixture, hogging);
        const std::string moment = std::to_string(std::lround(gA * row.permanent)) + ".0 kNm";
        if (row.refused) {
            EXPECT_EQ(r.status, -1);
            ASSERT_EQ(r.messages.size(), 1u);
            EXPECT_NE(r.messages[0].english.find("hogging (negative) over the whole span, down to " + moment),
                      std::string::npos)
                << r.messages[0].english;
            EXPECT_NE(r.messages[0].finnish.find("negatiivinen (tukimomentti) koko jänteellä, alimmillaan " + moment),
                      std::string::npos);
            continue;
        }
        ASSERT_EQ(r.status, 0) << (r.messages.empty() ? "" : r.messages[0].english);
        const ProjectModel& m = *r.m;
        EXPECT_NEAR(m.MaxHoggingDesignMoment * 1e-6, gA * row.permanent, 1e-6 * 675);
        for (int side = 1; side <= 2; ++side) {
            EXPECT_TRUE(m.SlabSidePresent(side) == 0 || m.SlabShearUtilisation(side) > 0.0) << "side " << side;
        }
        if (std::string(row.fixture) == "ti_new_project_old_format.dat") {
            EXPECT_EQ(m.ZeroMomentSpan, 0.0);
            EXPECT_FALSE(quorvel::analysis::BeamShearFlowChecked(m));
            EXPECT_EQ(m.SteelWebShearStress, 0.0);
        }
    }
}

}  // namespace
// The seat strain is checked where the seat shortens, whichever way the
// moment bends: eps = Mk (seat - yc(8)) / EI(8) at the support station.
//   SUORA, seat 610 above yc(8) 419.6: sagging checked; -500 / -500 kNm
//     stretches it everywhere, -500e6 (610 - 419.6) / 1.059e15 = -9.0e-5.
//   TI with an 80 mm topping, seat 300 below yc(8) 397, crack width 0
//     (allowed 1.0e-4): sagging stretches it, not checked; -400 / -400
//     permanent and variable: 800e6 (397 - 300) / 3.79e14 = 2.05e-4 > 1e-4.
TEST(Hogging, TheSeatStrainIsCheckedByItsSign) {
    // End moments (kNm, permanent and for TI variable), whether the seat
    // shortens somewhere, the largest shortening or else the stretch (NaN: any).
    const struct Case {
        const char* fixture;
        double end;
        bool checked;
        double strain;
    } cases[] = {
        {"concrete_middle_beam.dat", 0, true, 0.0},
        {"concrete_middle_beam.dat", -500, false, -500e6 * (610 - 419.6) / 1.059e15},
        {"ti_new_project_old_format.dat", 0, false, std::nan("")},
        {"ti_new_project_old_format.dat", -400, true, 800e6 * (397 - 300) / 3.79e14},
    };
    CalculationFolder data;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.fixture) + " " + std::to_string(c.end));
        ProjectModel m;
        data.load(m, c.fixture);
        if (std::string(c.fixture).starts_with("ti")) {
            m.ToppingThickness = 80;
            m.AllowedCrackWidth = 0;
            m.SupportMomentStartVariable = m.SupportMomentEndVariable = c.end;
        }
        m.SupportMomentStartPermanent = m.SupportMomentEndPermanent = c.end;
        quorvel::runtime::Messages messages;
        ASSERT_EQ(PerformCalculation(m, messages), 0);
        const auto check = quorvel::analysis::BeamStrainCheck(m);
        EXPECT_EQ(check.checked(), c.checked);
        // Left unchecked: nothing, or the stretch (1 %: first station).
        const double unchecked = c.checked ? 0.0 : std::isnan(c.strain) ? check.uncheckedHogging : c.strain;
        EXPECT_NEAR(check.uncheckedHogging, unchecked, 0.01 * std::fabs(unchecked));
        EXPECT_EQ(check.hogs(), !c.checked);
        if (c.strain > 0) {
            EXPECT_NEAR(m.BeamTopStrainMax, c.strain, 0.01 * c.strain);  // over 1.0e-4
        }
    }
}
