// The result half of the report, beam results: moments, resistances and
// utilisation, the state of the solved section, deflections, strains at
// the slab support and the tension they cause in the slab underside.

#include <algorithm>
#include <iterator>
#include <string>

#include "analysis/section_analysis.h"
#include "analysis/slabs_on_beam.h"
#include "library/deflections.h"
#include "report/format_fixed.h"
#include "report/report_result_rows.h"
#include "report/verdict.h"

namespace quorvel::report::resulthalf {

namespace {

bool isBeFamily(const ProjectModel& m) {
    return m.Family() == model::BeamFamily::BE;
}

// The label of the resistance the design moment is compared with, by beam
// category: steel, reinforced concrete, or prestressed and composite beams;
// none for a category below 1.
int resistanceLabel(const ProjectModel& m) {
    if (m.BeamCategory < 1) return 0;
    if (m.BeamCategory < 2) return 69;
    if (m.BeamCategory < 3) return 67;
    return 68;
}

constexpr NumberFormat kMoment{4, 1, 1};

// The largest hogging moment a check leaves unchecked, under its symbol
// (Md.neg of the design moment, Mk.neg of the characteristic one), with
// the places it takes to print below zero. The moment column holds seven
// characters before the unit at column 56: more places give up the
// number's leading blanks, and a number longer still ("-0.00001") pushes
// the unit right rather than onto a line of its own.
// The same line serves the largest stretch of the slab seat (per mille).
void writeUncheckedValue(ResultHalf& r, const std::string& label, const char* symbol, double value, int places,
                         const char* unit) {
    const auto decimals = static_cast<int16_t>(analysis::HoggingMomentDecimals(value, places));
    std::string number = FormatFixed(Value(value), kMoment.width, decimals, kMoment.round);
    number.erase(0, std::min(number.find_first_not_of(' '), number.size() > 7 ? number.size() - 7 : 0));
    r.file.moveTo(1).text(label).moveTo(37).text(symbol).moveTo(46).text(" = ").textApartAt(49, number);
    r.file.textApartAt(std::max(56, r.file.column()), unit).endLine();
}

void writeMomentBelowZero(ResultHalf& r, const std::string& label, const char* symbol, double moment) {
    writeUncheckedValue(r, label, symbol, moment * 1e-6, kMoment.decimals, "kNm");
}

void writeHoggingMoment(ResultHalf& r, const char* symbol, double moment) {
    writeMomentBelowZero(r, r.text("221a"), symbol, moment);
}

// The design moment as printed above the two resistances it is checked
// against: never at or below one it exceeds.
Value designMomentShown(const ProjectModel& m) {
    const Value md = VerdictValue(m.MaxDesignMoment * 1e-6, m.MomentResistanceUsed * 1e-6, kMoment.decimals,
                                  UtilisationExceeded(m.UtilisationRatio));
    return VerdictValue(md, m.MomentResistanceSolved * 1e-6, kMoment.decimals,
                        UtilisationExceeded(UtilisationOf(m.MaxDesignMoment, m.MomentResistanceSolved)));
}

// Block 6. The moments stand as the analysis left them. The resistance of
// the beam alone (MRd) and of the composite section (MRd.c) are both
// printed, each under its own name; the utilisation is the ratio of the
// acting moment to the one of them the beam's check takes.
constexpr LabelRow kBeamMoments[] = {
    labelRow(
        item(71), item(78), "kNm", [](const ProjectModel& m) -> Value { return m.SectionResultA * 1e-6; }, kMoment, 1,
        37, 49, 56, false, [](const ProjectModel& m) { return m.SectionResultA < 1e20; }),
    labelRow(
        item(62), item(72), "kNm", [](const ProjectModel& m) -> Value { return m.MaxCharMoment * 1e-6; }, kMoment, 1,
        37, 49, 56),
    labelRow(
        itemOf([](const ProjectModel& m) { return m.BeamCategory == 2 ? 63 : 64; }), item(73), "kNm",
        designMomentShown, kMoment, 1, 37, 49, 56),
    labelRow(
        item(66), item(75), "kNm",
        [](const ProjectModel& m) -> Value { return m.SteelPartialFactor * m.SectionResultB * 1e-6; }, kMoment, 1, 37,
        49, 56, false, [](const ProjectModel& m) { return m.BeamCategory == 1; }),
    labelRow(
        itemOf(resistanceLabel), item(76), "kNm",
        [](const ProjectModel& m) -> Value { return analysis::BeamAloneMomentResistance(m) * 1e-6; }, kMoment, 1,
        37, 49, 56),
    labelRow(
        item(70), item(77), "kNm", [](const ProjectModel& m) -> Value { return m.MomentResistanceSolved * 1e-6; },
        kMoment, 1, 37, 49, 56, false, analysis::BeamSaggingMomentChecked),
};
constexpr LabelRow kBeamUtilisation = labelRow(
    item(190), fixed(" "), " ", [](const ProjectModel& m) { return VerdictUtilisation(m.UtilisationRatio, 2); },
    {3, 2, 1}, 1, 37, 49, 56, false, analysis::BeamSaggingMomentChecked);

// The widths of the slab top flanges and toppings that MRd.c is solved
// with: each side's slabs narrowed (or widened) to a span / 12 from the
// beam's centre line less half the joint, not the width b_cd of the
// stiffness stages that the part table above shows.
void writeCompositeSlabWidths(ResultHalf& r) {
    writeSlabWidths(r, r.text("201a"), "b.eff", r.m.JointPartTopWidth(2), r.m.JointPartTopWidth(3));
}

// The beam is checked in sagging only. Its utilisation row is its verdict:
// where the design moment hogs, the row says in words that the hogging is
// not checked, after the sagging utilisation where one is checked (never
// that alone), and the largest hogging moment follows. A beam with no
// sagging moment left to check shows its composite resistance as not
// checked (with hogging over the whole span no moment meets MRd.c: neither
// is a check).
void writeBeamVerdict(ResultHalf& r) {
    const analysis::BeamMomentCheck check = analysis::BeamBendingCheck(r.m);
    if (!check.hogs()) {
        r.print(kBeamUtilisation);
        return;
    }
    if (check.saggingChecked) {
        LabelRow open = kBeamUtilisation;
        open.endLine = false;
        r.print(open);
        r.file.moveTo(r.file.column() + 1);
    } else {
        r.file.text(r.heading(70)).moveTo(37).text(r.heading(77)).moveTo(47).text(r.text("221c")).endLine();
        r.file.text(r.heading(190)).moveTo(47);
    }
    r.file.text(r.text("221e")).endLine();
    writeHoggingMoment(r, "Md.neg", check.uncheckedHogging);
    r.line(r.text("221b"));
    if (!check.saggingChecked) r.line(r.text("221d"));
}

// Block 7: strains of the solved plane at the top and at the reference
// depth, the neutral axis and the curvature (per mille per mm in the model,
// printed per metre).
constexpr LabelRow kSolvedSection[] = {
    labelRow(
        key("201"), key("202"), "%o", [](const ProjectModel& m) { return m.SolverLimitStrain; }, {2, 2, 1}, 1, 18, 28,
        34, true),
    labelRow(
        none, key("203"), "%o", [](const ProjectModel& m) { return m.SolverReferenceStrain; }, {2, 2, 1}, 36, 37, 50,
        57),
    labelRow(
        key("204"), fixed("x"), "mm", [](const ProjectModel& m) { return m.NeutralAxisDepth; }, {3, 1, 1}, 1, 24, 28,
        34, true),
    labelRow(
        key("205"), none, "%o/m", [](const ProjectModel& m) -> Value { return m.SectionCurvature * 1000; }, {3, 2, 1},
        37, 47, 50, 57),
};

constexpr NumberFormat kDeflection{4, 2, 1};

// The tension in the slab underside, of the side it governs, as printed
// above that side's tensile strength: never at or below it where it
// exceeds it.
Value slabTensionShown(const ProjectModel& m) {
    const double strength = m.ConcreteFctd(analysis::SlabTensionGoverningSide(m) + 3);
    return VerdictValue(m.SlabTensileStressSum, strength, kDeflection.decimals,
                        UtilisationExceeded(UtilisationOf(m.SlabTensileStressSum, strength)));
}

// Block 8: the deflection terms of the beam. The psi1 factor the imposed
// load's quasi-permanent part was taken with closes the line of that part;
// its unit column stands after the widest 4.2 number so nothing spills.
constexpr LabelRow kDeflections[] = {
    labelRow(
        item(131), item(137), " mm ", [](const ProjectModel& m) { return m.BeamDeflectionMax1; }, kDeflection, 1, 37,
        50, 58, true),
    labelRow(
        item(132), item(138), " mm ", [](const ProjectModel& m) { return m.BeamDeflectionMax3; }, kDeflection, 1, 37,
        50, 58, false, isBeFamily),
    labelRow(
        item(136), item(139), " mm ", [](const ProjectModel& m) { return m.BeamDeflectionMax7; }, kDeflection, 1, 37,
        50, 58, false, isBeFamily),
    labelRow(
        item(132), item(138), " mm ", [](const ProjectModel& m) { return m.BeamDeflectionMax2; }, kDeflection, 1, 37,
        50, 58, false, [](const ProjectModel& m) { return !isBeFamily(m); }),
    labelRow(
        item(133), item(139), " mm ", [](const ProjectModel& m) { return m.BeamDeflectionMax4; }, kDeflection, 1, 37,
        50, 58, false, [](const ProjectModel& m) { return !isBeFamily(m); }),
    labelRow(
        item(134), item(140), " mm ", [](const ProjectModel& m) { return m.BeamDeflectionMax5; }, kDeflection, 1, 37,
        50, 58),
    labelRow(
        item(135), item(141), " mm ", [](const ProjectModel& m) { return m.BeamDeflectionMax6; }, kDeflection, 1, 37,
        50, 58, true),
    labelRow(
        fixed("psi1"), none, "", [](const ProjectModel& m) { return m.ImposedLoadPsi1; }, kDeflection, 64, 70, 74, 81),
    labelRow(
        item(54), item(142), " mm ", [](const ProjectModel& m) { return m.BeamDeflectionTotalMax; }, kDeflection, 1, 37,
        50, 58),
};

// Block 9: strains of the beam top at the slab support and the tension in
// the slab underside from the beam's bending.
constexpr LabelRow kSupportStrains[] = {
    labelRow(
        item(52), item(121), " %o", [](const ProjectModel& m) -> Value { return m.BeamTopStrainMaxA * 1000; },
        kDeflection, 1, 37, 50, 58),
    labelRow(
        item(53), item(122), " %o", [](const ProjectModel& m) -> Value { return m.BeamTopStrainMaxB * 1000; },
        kDeflection, 1, 37, 50, 58),
    labelRow(
        item(54), item(123), " %o",
        [](const ProjectModel& m) {
            return VerdictValue(m.BeamTopStrainMax * 1000, m.AllowedStrain * 1000, kDeflection.decimals,
                                m.AllowedStrain != 0.0 &&
                                    UtilisationExceeded(UtilisationOf(m.BeamTopStrainMax, m.AllowedStrain)));
        },
        kDeflection, 1, 37, 50, 58),
};
constexpr LabelRow kSlabTension[] = {
    labelRow(
        item(52), item(126), "MPa", [](const ProjectModel& m) { return m.SlabTensileStressPart1; }, kDeflection, 1, 37,
        50, 58),
    labelRow(
        item(53), item(127), "MPa", [](const ProjectModel& m) { return m.SlabTensileStressPart2; }, kDeflection, 1, 37,
        50, 58),
    labelRow(
        item(54), item(128), "MPa", slabTensionShown, kDeflection, 1, 37, 50, 58),
};

}  // namespace

void writeSlabWidths(ResultHalf& r, const std::string& label, const char* symbol, double left, double right) {
    r.file.text(label).moveTo(37).text(symbol).moveTo(46).text(" = ");
    r.file.text(FormatFixed(Value(left), 4, 0, 0) + " + " + FormatFixed(Value(right), 4, 0, 0));
    r.file.text(" mm").endLine();
}

void writeBeamResults(ResultHalf& r) {
    const ProjectModel& m = r.m;
    // A beam that hogs over its whole span has no sagging moment to check:
    // its design moment row shows the largest design moment as it is, below
    // zero with the places that keep it so (as the characteristic row shows
    // Mk), never 0.
    constexpr int designRow = 2;
    for (int row = 0; row < static_cast<int>(std::size(kBeamMoments)); ++row) {
        if (row == designRow && !analysis::BeamSaggingMomentChecked(m))
            writeMomentBelowZero(r, r.heading(m.BeamCategory == 2 ? 63 : 64), "Md", m.LargestDesignMoment);
        else
            r.print(kBeamMoments[row]);
    }
    if (analysis::BeamSaggingMomentChecked(m)) writeCompositeSlabWidths(r);
    writeBeamVerdict(r);
    // The strains of the plane MRd.c is solved with: none where MRd.c is
    // not checked.
    if (analysis::BeamSaggingMomentChecked(m)) r.printAll(kSolvedSection);

    r.emptyLine();
    r.line(r.heading(129));
    // The slab widths of the composite stage the imposed loads deflect.
    r.line(r.heading(130) + FormatFixed(Value(analysis::CompositeStageSlabWidth(m, 1)), 4, 0, 0) + " + " +
           FormatFixed(Value(analysis::CompositeStageSlabWidth(m, 2)), 4, 0, 0) + " mm):");
    r.printAll(kDeflections);

    r.emptyLine();
    r.line(r.heading(120));
    // The strain check judges the shortening of the beam top at the slab
    // seat, whichever way the moment bends; where the seat is stretched it
    // is not checked, said beside the largest stretch.
    const analysis::BeamMomentCheck strain = analysis::BeamStrainCheck(m);
    if (strain.saggingChecked) {
        r.printAll(kSupportStrains);
        // The parts are each their own largest, the total the largest sum
        // at one station: they need not add up.
        r.line(r.text("120d"));
        // The allowed strain and the crack width it comes from.
        PrintLabelValueLine(r.file, r.heading(178) + r.heading(124), "eps.lim", " %o", Value(m.AllowedStrain * 1000),
                            4, 2, 1, 1, 37, 50, 58, 1);
        PrintLabelValueLine(r.file, r.heading(178) + r.heading(179), "wk.lim", " mm ", m.AllowedCrackWidth, 4, 2, 1,
                            1, 37, 50, 58, 1);
    } else if (!strain.applies) {
        r.line(r.text("120a"));
    }
    if (strain.hogs()) {
        writeUncheckedValue(r, r.text("120e"), "eps.neg", strain.uncheckedShown(), kDeflection.decimals, "%o");
        r.line(r.text(strain.saggingChecked ? "120c" : "120b"));
    }

    r.emptyLine();
    r.line(r.heading(125));
    r.printAll(kSlabTension);
    r.print(sideRow(
        item(98), item(99), "MPa", [](const ProjectModel& m, int side) { return m.ConcreteFctd(3 + side); }, {3, 2, 1},
        1, 37, 50, 56, 64));
    r.emptyLine();
}

}  // namespace quorvel::report::resulthalf
