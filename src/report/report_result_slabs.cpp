// The result half of the report, slab fields and beam shear: bending,
// cracking and shear of each slab field, the shear at the governing joint,
// longitudinal shear stresses, topping and interaction factors, the beam's
// shear design, web stresses and shear resistance, and the core filling.

#include <algorithm>
#include <cmath>
#include <span>

#include "analysis/slabs_on_beam.h"
#include "library/checked_math.h"
#include "library/closed_forms.h"
#include "library/shear_design.h"
#include "report/format_fixed.h"
#include "report/report_result_rows.h"
#include "report/verdict.h"
#include "runtime/text_file.h"

namespace quorvel::report::resulthalf {

namespace {

constexpr NumberFormat kMoment{4, 1, 1};
constexpr NumberFormat kRatio{3, 2, 1};

// A caption line with the column heads of the left and right values and,
// where given, of the governing side.
void captionLine(ResultHalf& r, const std::string& caption, int leftColumn, int rightColumn, bool governs) {
    r.file.text(caption).moveTo(leftColumn).text(r.text(206)).moveTo(rightColumn).text(r.text(207));
    if (governs) r.file.moveTo(70).text(r.heading(38));
    r.file.endLine();
}

// A side row whose line ends with the word of the side that governs it.
void rowWithGoverningSide(ResultHalf& r, const SideRow& row, const Value& side) {
    r.print(row);
    r.file.moveTo(72).text(r.sideWord(side == 1 ? 1 : 2)).endLine();
}

// Block 10: bending and cracking of the slab fields. An acting moment over
// its resistance never prints at or below it (VerdictValue).
constexpr SideRow kCracking[] = {
    sideRow(
        item(42), item(46), "kNm/m",
        [](const ProjectModel& m, int s) {
            return VerdictValue(m.SlabMaxCharacteristicMoment(s), m.SlabCrackingMoment(s), kMoment.decimals,
                                UtilisationExceeded(m.SlabCrackingUtilisation(s)));
        },
        kMoment, 1, 37, 49, 57, 64),
    sideRow(
        item(43), item(47), "kNm/m", [](const ProjectModel& m, int s) { return m.SlabCrackingMoment(s); }, kMoment, 1,
        37, 49, 57, 64),
};
constexpr SideRow kCrackingUtilisation = sideRow(
    key("208"), none, "",
    [](const ProjectModel& m, int s) { return VerdictUtilisation(m.SlabCrackingUtilisation(s), kRatio.decimals); },
    kRatio, 1, 37, 49, 57, 64, true);
constexpr SideRow kBending[] = {
    sideRow(
        item(44), item(48), "kNm/m",
        [](const ProjectModel& m, int s) {
            return VerdictValue(m.SlabMaxDesignMoment(s), m.SlabUltimateMoment(s), kMoment.decimals,
                                UtilisationExceeded(m.SlabBendingUtilisation(s)));
        },
        kMoment, 1, 37, 49, 57, 64),
    sideRow(
        item(45), item(49), "kNm/m", [](const ProjectModel& m, int s) { return m.SlabUltimateMoment(s); }, kMoment, 1,
        37, 49, 57, 64),
};
constexpr SideRow kBendingUtilisation = sideRow(
    key("208"), none, "",
    [](const ProjectModel& m, int s) { return VerdictUtilisation(m.SlabBendingUtilisation(s), kRatio.decimals); },
    kRatio, 1, 37, 49, 57, 64, true);

void writeSlabBending(ResultHalf& r) {
    ProjectModel& m = r.m;
    m.GoverningSide(3) = governingSide(r.selector(), m.SlabCrackingUtilisation(1), m.SlabCrackingUtilisation(2));
    m.GoverningSide(2) = governingSide(r.selector(), m.SlabBendingUtilisation(1), m.SlabBendingUtilisation(2));
    captionLine(r, r.heading(41), 50, 58, true);
    r.printAll(kCracking);
    rowWithGoverningSide(r, kCrackingUtilisation, m.GoverningSide(3));
    // A cracking moment below 0 makes the ratio negative: the prestress
    // alone cracks the slab underside, which no load can make good.
    for (int side = 1; side <= 2; ++side)
        if (r.sidePresent(side) && m.SlabCrackingMoment(side) < 0)
            r.file.text("Mcr < 0 (" + r.sideWord(side) + "): " + r.text("208a")).endLine();
    r.printAll(kBending);
    rowWithGoverningSide(r, kBendingUtilisation, m.GoverningSide(2));
    r.line(" ");
}

// Block 11: shear forces of the slab fields and the vertical shear stress
// in their webs; the side whose thc is the larger share of its allowed
// principal stress governs.
constexpr SideRow kSlabShear[] = {
    sideRow(
        item(52), item(55), "kN/m", [](const ProjectModel& m, int s) { return m.SlabMaxShearPartA(s); }, kMoment, 1, 37,
        49, 57, 64),
    sideRow(
        item(53), item(56), "kN/m", [](const ProjectModel& m, int s) { return m.SlabMaxShearPartB(s); }, kMoment, 1, 37,
        49, 57, 64),
    sideRow(
        item(54), item(57), "kN/m", [](const ProjectModel& m, int s) { return m.SlabMaxDesignShear(s); }, kMoment, 1,
        37, 49, 57, 64),
};
constexpr SideRow kWebShear[] = {
    sideRow(
        item(52), item(59), "MPa", [](const ProjectModel& m, int s) { return m.SlabShearStressThcMaxA(s); }, kRatio, 1,
        37, 49, 57, 64),
    sideRow(
        item(53), item(60), "MPa", [](const ProjectModel& m, int s) { return m.SlabShearStressThcMaxB(s); }, kRatio, 1,
        37, 49, 57, 64),
};
constexpr SideRow kWebShearTotal = sideRow(
    item(54), item(61), "MPa", [](const ProjectModel& m, int s) { return m.SlabShearStressThcMax(s); }, kRatio, 1, 37,
    49, 57, 64, true);

void writeSlabShear(ResultHalf& r) {
    ProjectModel& m = r.m;
    captionLine(r, r.heading(50), 50, 58, true);
    r.printAll(kSlabShear);
    r.emptyLine();
    // Only a side that carries slabs is compared, so an absent side's empty
    // values neither govern nor divide by zero.
    if (r.selector() == 0)
        m.GoverningSide(1) =
            governingSide(0, library::checkedQuotient(m.SlabShearStressThcMax(1), m.SlabPrincipalStressLimit(1)),
                          library::checkedQuotient(m.SlabShearStressThcMax(2), m.SlabPrincipalStressLimit(2)));
    else
        m.GoverningSide(1) = r.selector();
    r.line(r.heading(58));
    r.printAll(kWebShear);
    rowWithGoverningSide(r, kWebShearTotal, m.GoverningSide(1));
    r.emptyLine();
}

// Block 12: the beam's shear forces by load stage and the shear flow of
// the slab parts beside them, all at one slab check station: the one where
// the slabs take the largest shear flow from the beam (the first of
// equals), with its distance from the beam start. The shear flow of a stage
// is the slab part's factor times that stage's shear, so each row's v goes
// with its V. The shear flows stand right-aligned in eight columns, room
// for four digits with a sign and two decimals: the left value from column
// 67, the right one from 76 and the unit from 85, a blank between each and
// the next; the side heads end where the numbers end.
// The beam's largest design shear over the span, which its shear design and
// the results table take, follows under its own name.
constexpr int kLeftFlowColumn = 67;
constexpr int kRightFlowColumn = 76;

double stationShearFlow(const ProjectModel& m, int station, int side) {
    return m.SlabEdgeShearFlow(station, side, 1) + m.SlabEdgeShearFlow(station, side, 2);
}

int largestShearFlowStation(const ResultHalf& r) {
    const ProjectModel& m = r.m;
    int station = 0;
    double largest = -1.0;
    for (int i = 0; i <= m.CalculationPointCount; ++i)
        for (int side = 1; side <= 2; ++side) {
            if (r.selector() != 0 && r.selector() != side) continue;
            // Stations whose flows differ only in the last digits of their
            // arithmetic (the two ends of a symmetric beam) count as equal.
            const double v = std::fabs(stationShearFlow(m, i, side));
            if (v > largest * (1 + 1e-9)) {
                largest = v;
                station = i;
            }
        }
    return station;
}

void writeJointShear(ResultHalf& r) {
    const ProjectModel& m = r.m;
    const int i = largestShearFlowStation(r);
    r.file.text(r.heading(79) + r.text(209) + FormatFixed(m.CalculationPointX(i), 4, 0, 0) + r.text(210));
    r.file.moveTo(58).text(r.heading(84)).endLine();

    auto shear = [&](int textItem, int symbolItem, double force) {
        PrintLabelValueLine(r.file, r.heading(textItem), r.heading(symbolItem), "kN ", Value(std::fabs(force) * 0.001),
                            4, 1, 1, 1, 37, 49, 57, 0);
    };
    auto flow = [&](int symbolItem, double left, double right) {
        PrintSideValuesLine(r.file, r.selector(), "", r.heading(symbolItem), "N/mm", Value(left), Value(right), 5, 2, 1,
                            60, 60, kLeftFlowColumn, kRightFlowColumn, 85, 1);
    };
    shear(51, 80, m.BeamShearDesign(i, 0) + m.BeamShearDesign(i, 1));
    const auto headAt = [](int valueColumn, const std::string& head) {
        return valueColumn + 8 - static_cast<int>(runtime::utf8ToCp1252(head).size());
    };
    r.file.moveTo(headAt(kLeftFlowColumn, r.heading(39))).text(r.heading(39));
    r.file.moveTo(headAt(kRightFlowColumn, r.heading(40))).text(r.heading(40)).endLine();
    shear(52, 81, m.BeamShearDesign(i, 2));
    flow(85, m.SlabEdgeShearFlow(i, 1, 1), m.SlabEdgeShearFlow(i, 2, 1));
    shear(53, 82, m.BeamShearDesign(i, 5));
    flow(86, m.SlabEdgeShearFlow(i, 1, 2), m.SlabEdgeShearFlow(i, 2, 2));
    shear(54, 83, m.BeamShearDesign(i, 6));
    flow(87, stationShearFlow(m, i, 1), stationShearFlow(m, i, 2));
    PrintLabelValueLine(r.file, r.text(253), "Vd.max", "kN", Value(m.MaxShearStage6 * 0.001), 4, 1, 1, 1, 37, 49, 57,
                        1);
    r.emptyLine();
}

// Block 13: longitudinal shear stresses of the slab fields, each the side's
// largest over the stations. tvl.A and tvl.B already carry the hole factor
// of the half of the beam their station lies in (beta.r1, beta.r2) once;
// tvl0 is their sum, before the connection factors beta.t and beta.y and
// the core filling factor beta.f that the tvl of the web stresses below
// carries.
constexpr SideRow kLongitudinalShear[] = {
    sideRow(
        item(52), item(89), "MPa", [](const ProjectModel& m, int s) { return m.SlabShearStressTvlMaxA(s); }, kRatio, 1,
        37, 49, 57, 64),
    sideRow(
        item(53), item(90), "MPa", [](const ProjectModel& m, int s) { return m.SlabShearStressTvlMaxB(s); }, kRatio, 1,
        37, 49, 57, 64),
};
constexpr SideRow kLongitudinalShearTotal = sideRow(
    item(54), fixed("tvl0"), "MPa", [](const ProjectModel& m, int s) { return m.SlabShearStressTvl0Max(s); }, kRatio, 1,
    37, 49, 57, 64, true);

void writeLongitudinalShear(ResultHalf& r) {
    r.file.text(r.heading(88)).moveTo(36).text(r.text(199)).moveTo(58).text(r.text(200)).endLine();
    r.printAll(kLongitudinalShear);
    rowWithGoverningSide(r, kLongitudinalShearTotal, r.m.GoverningSide(1));
    r.emptyLine();
}

// Block 14: topping, forces over the joint and the interaction factors.
constexpr NumberFormat kWhole{4, 0, 0};
constexpr NumberFormat kFactor{1, 3, 1};
constexpr SideRow kToppingThickness = sideRow(
    item(111), fixed("h.top"), " mm ", [](const ProjectModel& m, int s) { return m.SideToppingThickness(s); }, kWhole,
    1, 37, 49, 57, 63);
constexpr SideRow kJointForces[] = {
    sideRow(
        item(107), fixed("Fweb"), "N/mm", [](const ProjectModel& m, int s) { return m.WebForcePerLength(s); }, kWhole,
        1, 37, 49, 57, 64),
    sideRow(
        item(108), fixed("Ftop"), "N/mm", [](const ProjectModel& m, int s) { return m.TopForcePerLength(s); }, kWhole,
        1, 37, 49, 57, 64),
    sideRow(
        key("211"), fixed("beta.t"), "", [](const ProjectModel& m, int s) { return m.BetaT(s); }, kFactor, 1, 37, 49,
        57, 64),
};
constexpr SideRow kInteraction[] = {
    sideRow(
        item(109), fixed("Lf  "), " mm ", [](const ProjectModel& m, int s) { return m.RequiredCoreFillingLength(s); },
        {3, 0, 0}, 1, 37, 49, 57, 63),
    sideRow(
        key("212"), fixed("beta.f"), "", [](const ProjectModel& m, int s) { return m.BetaF(s); }, kFactor, 1, 37, 49,
        57, 64),
    sideRow(
        key("213"), fixed("beta.r1"), "", [](const ProjectModel& m, int s) { return m.BetaR(s, 1); }, kFactor, 1, 37,
        49, 57, 64),
    sideRow(
        key("214"), fixed("beta.r2"), "", [](const ProjectModel& m, int s) { return m.BetaR(s, 2); }, kFactor, 1, 37,
        49, 57, 64),
};

// The reason a side's topping takes no part over the joint (beta.t then
// has no topping term), empty where it takes part or the side has none
// (a cast layer of a thousandth of a millimetre or less, as the part
// tables take it):
// "As = 200.0 < 200.6 mm2/m" below the least reinforcement of its
// thickness, "h.top = 30.0 <= 39.9 mm" for a topping too thin. The two
// areas are printed with as many decimals (up to four) as tell them apart.
std::string toppingLeftOut(const ProjectModel& m, int s) {
    const double t = m.SideToppingThickness(s), As = m.ToppingReinforcementArea;
    const double fctk = m.ConcreteFctk(6), fyk = m.ToppingReinforcementStrength;
    if (!(t > library::NoToppingThickness) || library::ToppingCounts(t, As, fctk, fyk)) return {};
    if (t <= library::ThinnestCountedTopping)
        return "h.top = " + FormatFixed(Value(t), 1, 1, 1) + " <= " +
               FormatFixed(Value(library::ThinnestCountedTopping), 1, 1, 1) + " mm";
    const double least = library::ComputeToppingMinimumReinforcement(t, fctk, fyk);
    if (!std::isfinite(least)) return "As = " + FormatFixed(Value(As), 1, 1, 1) + " mm2/m";
    int16_t decimals = 1;
    while (decimals < 4 && FormatFixed(Value(As), 1, decimals, 1) == FormatFixed(Value(least), 1, decimals, 1))
        ++decimals;
    return "As = " + FormatFixed(Value(As), 1, decimals, 1) + " < " + FormatFixed(Value(least), 1, decimals, 1) +
           " mm2/m";
}

// Under beta.t: the rule that left a topping out, once for the one side
// shown or for both sides alike, else for each side with its side word.
void writeToppingLeftOut(ResultHalf& r) {
    if (r.selector() != 0) {
        const std::string reason = toppingLeftOut(r.m, r.selector());
        if (!reason.empty()) r.line(r.text("211a") + " " + reason);
        return;
    }
    const std::string reason[3] = {{}, toppingLeftOut(r.m, 1), toppingLeftOut(r.m, 2)};
    if (reason[1] == reason[2]) {
        if (!reason[1].empty()) r.line(r.text("211a") + " " + reason[1]);
        return;
    }
    for (int s = 1; s <= 2; ++s)
        if (!reason[s].empty()) r.line(r.text("211a") + " (" + r.text(s == 1 ? 206 : 207) + ") " + reason[s]);
}

void writeInteractionFactors(ResultHalf& r) {
    captionLine(r, r.heading(106), 49, 58, false);
    r.print(kToppingThickness);
    // One topping reinforcement for the slab floor, under each side that
    // carries slabs.
    r.print(sideRow(
        item(112), fixed("Ast/s"), "mm2/m", [](const ProjectModel& m, int) { return m.ToppingReinforcementArea; },
        kWhole, 1, 37, 49, 57, 64));
    r.printAll(kJointForces);
    writeToppingLeftOut(r);
    r.printAll(kInteraction);
    r.print(labelRow(
        item(118), fixed("beta.y"), "", [](const ProjectModel& m) { return m.BetaY; }, kFactor, 1, 59, 69, 74));
    r.emptyLine();
}

// Whether the analysis ran the shear design of the beam: a concrete or
// steel beam carrying the slabs on its top whose connection factor was
// below 0.999 before the design. A design shear over the upper limit of the
// shear resistance raises the factor to 1 afterwards, which the limit
// (positive only when the design ran) shows.
bool beamShearDesignRan(const ProjectModel& m) {
    if (m.SlabsOnLedge != 0 || !(m.BeamCategory <= 2)) return false;
    return m.BetaY < 0.999 || (m.MaxShearResistance > 0 && m.MaxShearResistance < m.MaxShearStage6);
}

constexpr LabelRow kStirrups[] = {
    labelRow(
        none, item(185), "mm2/m", [](const ProjectModel& m) { return m.ShearReinforcementDesign; }, kWhole, 1, 58, 66,
        71),
    labelRow(
        item(183), none, "mm2/m", [](const ProjectModel& m) { return m.ShearReinforcementRequired; }, kWhole, 1, 58, 66,
        71),
    labelRow(
        item(186), none, "MPa", [](const ProjectModel& m) { return m.StirrupDesignStrength; }, kWhole, 1, 58, 66, 71),
};

// Block 15: shear of the beam. The design shear over the upper limit is
// shown on one line; the limit's value stands clear of its symbol. No
// stirrups carry a shear over that limit, which the block says in place of
// the stirrups' area (the design leaves it 0, which would read as "none
// needed").
void writeBeamShear(ResultHalf& r) {
    const ProjectModel& m = r.m;
    if (!beamShearDesignRan(m)) return;
    r.line(r.heading(180));
    if (m.BeamCategory == 1 && analysis::BeamShearFlowChecked(m))
        r.print(labelRow(
            item(181), item(184), "N/mm", [](const ProjectModel& m) { return m.SteelWebShearStress; }, {6, 0, 0}, 1, 58,
            62, 72));
    else if (m.BeamCategory == 1)  // no zero-moment span to carry the flow: in words, never a 0
        r.file.text(r.heading(181)).moveTo(58).text(r.heading(184)).moveTo(62).text(r.text("221c")).endLine();
    if (m.BeamCategory == 2) {
        if (UtilisationExceeded(UtilisationOf(m.MaxShearStage6, m.MaxShearResistance))) {
            r.print(labelRow(
                key("215"), fixed(" vd"), "kN",
                [](const ProjectModel& m) {
                    return VerdictValue(m.MaxShearStage6 * 0.001, m.MaxShearResistance * 0.001, 0, true);
                },
                {5, 0, 0}, 1, 51, 57, 63, true));
            r.print(labelRow(
                fixed(" > "), fixed("vumax"), "kN",
                [](const ProjectModel& m) -> Value { return m.MaxShearResistance * 0.001; }, {5, 0, 0}, 65, 68, 76, 82,
                true));
            r.file.endLine();
            r.line(r.text("215a"));
            for (const LabelRow& row : std::span(kStirrups).subspan(1)) r.print(row);
        } else {
            r.printAll(kStirrups);
        }
    }
    r.emptyLine();
}

// Block 16: stresses in the slab webs and their shear resistance. Every
// row of the first set is the one station that governs the side's verdict
// (sigma1 the most over its own limit), so that sigma1 recombines from the
// rows above it and the shear reserve of the warnings from them:
// sig.1 = s / 2 + sqrt(s^2 / 4 + (tau.cp + thc)^2 + tvl^2), s = sig.cp +
// sig.n. The transfer terms carry the transfer factor alpha that sigma1
// was formed with; fctd is the station's limit, the slab concrete's fctd
// over the station's additional safety factor. The side's largest values,
// each at its own station, follow on lines of their own.
constexpr NumberFormat kStress{4, 2, 1};
constexpr SideRow kGoverningStation = sideRow(
    key("261a"), fixed("x"), "mm", [](const ProjectModel& m, int s) { return m.GoverningWebX(s); }, {7, 0, 0}, 1, 37,
    50, 58, 66);
constexpr SideRow kWebStresses[] = {
    sideRow(
        item(171), item(61), "MPa", [](const ProjectModel& m, int s) { return m.GoverningWebThc(s); }, kStress, 1, 37,
        50, 58, 66),
    sideRow(
        key("261"), fixed("alpha"), "", [](const ProjectModel& m, int s) { return m.GoverningWebTransferFactor(s); },
        kStress, 1, 37, 50, 58, 66),
    sideRow(
        item(172), item(191), "MPa", [](const ProjectModel& m, int s) { return m.GoverningWebTransferShear(s); },
        kStress, 1, 37, 50, 58, 66),
    sideRow(
        item(171), item(91), "MPa", [](const ProjectModel& m, int s) { return m.GoverningWebTvl(s); }, kStress, 1, 37,
        50, 58, 66),
    sideRow(
        item(94), item(95), "MPa", [](const ProjectModel& m, int s) { return m.GoverningWebPrestress(s); }, kStress, 1,
        37, 50, 58, 66),
    sideRow(
        item(173), item(192), "MPa", [](const ProjectModel& m, int s) { return m.GoverningWebNormalStress(s); },
        kStress, 1, 37, 50, 58, 66),
    sideRow(
        item(96), item(97), "MPa",
        [](const ProjectModel& m, int s) {
            return VerdictValue(m.GoverningWebPrincipalStress(s), m.GoverningWebLimit(s), kStress.decimals,
                                UtilisationExceeded(m.SlabShearUtilisation(s)));
        },
        kStress, 1, 37, 50, 58, 66),
    sideRow(
        item(98), item(99), "MPa", [](const ProjectModel& m, int s) { return m.GoverningWebLimit(s); }, kStress, 1, 37,
        50, 58, 66),
    sideRow(
        key("216"), none, "", [](const ProjectModel& m, int s) { return m.GoverningWebSafetyFactor(s); }, kStress, 1,
        37, 50, 58, 66),
};
constexpr SideRow kLargestWebStresses[] = {
    sideRow(
        item(171), fixed("thc.max"), "MPa", [](const ProjectModel& m, int s) { return m.SlabShearStressThcMax(s); },
        kStress, 1, 37, 50, 58, 66),
    sideRow(
        item(171), fixed("tvl.max"), "MPa", [](const ProjectModel& m, int s) { return m.SlabShearStressTvlMax(s); },
        kStress, 1, 37, 50, 58, 66),
    sideRow(
        item(173), fixed("sig.n.max"), "MPa", [](const ProjectModel& m, int s) { return m.SlabNormalStressMax(s); },
        kStress, 1, 37, 50, 58, 66),
    sideRow(
        item(96), fixed("sig.1.max"), "MPa",
        [](const ProjectModel& m, int s) { return m.SlabPrincipalStressMax(s); }, kStress, 1, 37, 50, 58, 66),
};
constexpr SideRow kWebResistance[] = {
    sideRow(
        item(102), item(104), "kN/m", [](const ProjectModel& m, int s) { return m.SlabCheckMinimum1(s); }, kMoment, 1,
        37, 50, 59, 66),
    sideRow(
        item(103), item(105), "kN/m", [](const ProjectModel& m, int s) { return m.SlabMinShearValue(s); }, kMoment, 1,
        37, 50, 59, 66),
};

// The design shear over the smallest shear resistance of the side's
// stations, Vd / VRd.min: above 1 the slab's shear resistance is exceeded.
// A resistance of 0 or less, or a ratio beyond what the column holds,
// prints as 99.999.
Value shearOverResistance(const ProjectModel& m, int side) {
    constexpr double cap = 99.999;
    const double vd = m.SlabMaxDesignShear(side), resistance = m.SlabMinShearValue(side);
    if (resistance <= 0) return Value(vd > 0 ? cap : 0.0);
    return Value(std::min(vd / resistance, cap));
}

// The design shear as printed above that ratio, against the resistance
// printed beside it.
Value designShearShown(const ProjectModel& m, int side) {
    return VerdictValue(m.SlabMaxDesignShear(side), m.SlabMinShearValue(side), kMoment.decimals,
                        UtilisationExceeded(shearOverResistance(m, side)));
}

// That ratio as printed with three places: above 1.000 where it exceeds 1.
Value shearOverResistanceShown(const ProjectModel& m, int side) {
    return VerdictUtilisation(shearOverResistance(m, side), 3);
}

void writeWebStresses(ResultHalf& r) {
    r.file.text(r.heading(93)).moveTo(52).text(r.text(206)).moveTo(60).text(r.text(207)).endLine();
    r.print(kGoverningStation);
    r.printAll(kWebStresses);
    r.line(r.text("261b"));
    r.printAll(kLargestWebStresses);
    r.emptyLine();
    r.line(r.heading(101));
    r.printAll(kWebResistance);
    PrintSideValuesLine(r.file, r.selector(), r.heading(50) + "    ", r.heading(57), "kN/m", designShearShown(r.m, 1),
                        designShearShown(r.m, 2), 4, 1, 1, 1, 37, 50, 59, 66, 1);
    r.print(sideRow(item(100), fixed("Vd/VRd.min"), "", shearOverResistanceShown, {2, 3, 1}, 1, 37, 50, 59, 66));
    r.emptyLine();
    r.print(sideRow(
        item(177), none, "", [](const ProjectModel& m, int s) { return VerdictUtilisation(m.SlabShearUtilisation(s), 2); },
        {2, 2, 1}, 1, 41, 50, 59, 66));
    PrintSideValuesLine(r.file, r.selector(), leadingCharacters(r.heading(109), 19), "", " mm ",
                        r.m.RequiredCoreFillingLength(1), r.m.RequiredCoreFillingLength(2), 4, 0, 0, 1, 35, 50, 59, 66,
                        1);
}

// Block 17: where the core-filling zone starts and ends.
constexpr SideRow kCoreFillingZone[] = {
    sideRow(
        item(167), none, " mm ", [](const ProjectModel& m, int s) { return m.CoreFillingZoneLimits(s, 1); }, kWhole, 1,
        35, 50, 59, 66),
    sideRow(
        item(168), none, " mm ", [](const ProjectModel& m, int s) { return m.CoreFillingZoneLimits(s, 2); }, kWhole, 1,
        35, 50, 59, 66),
};

void writeCoreFillingZone(ResultHalf& r) {
    r.line(r.heading(166));
    r.printAll(kCoreFillingZone);
    r.emptyLine();
}

}  // namespace

void writeSlabResults(ResultHalf& r) {
    writeSlabBending(r);
    writeSlabShear(r);
    writeJointShear(r);
    writeLongitudinalShear(r);
    writeInteractionFactors(r);
    writeBeamShear(r);
    writeWebStresses(r);
    writeCoreFillingZone(r);
}

}  // namespace quorvel::report::resulthalf
