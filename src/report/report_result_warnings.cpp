// The result half of the report, closing warnings: the principal stress of
// the slab webs with the shear reserve of each side over its limit, the
// beam's moment and strain checks, and the tension in the slab underside.

#include <algorithm>

#include "analysis/slabs_on_beam.h"
#include "report/format_fixed.h"
#include "report/report_result_rows.h"
#include "report/verdict.h"

namespace quorvel::report::resulthalf {

namespace {

// Where each side's principal-stress word and its "see below" stand: the
// left word (at most 12 characters) ends at column 60, so the right one
// starts after a blank.
constexpr int kWordColumn[] = {0, 49, 62};
constexpr int kSeeBelowColumn[] = {0, 41, 58};

// The principal stress of a side's webs against its limit is the slab
// shear utilisation the gauge and the results table show.
bool overTheLimit(const ProjectModel& m, int side) {
    return m.SlabSidePresent(side) > 0 && UtilisationExceeded(m.SlabShearUtilisation(side));
}

bool withinTheLimit(const ProjectModel& m, int side) {
    return m.SlabSidePresent(side) > 0 && !UtilisationExceeded(m.SlabShearUtilisation(side));
}

// The principal stress line, and for each side over its limit the shear
// stress still available for tvl on that side and what it means for the
// beam, from the side's own reserve values.
void writePrincipalStressWarnings(ResultHalf& r) {
    const ProjectModel& m = r.m;
    const std::string adequate = trailingCharacters(r.heading(174), 8);
    const std::string exceeded = trailingCharacters(r.heading(175), 12);
    r.file.text(leadingCharacters(r.heading(174), 25));
    bool anyOver = false;
    for (int side = 1; side <= 2; ++side) {
        if (withinTheLimit(m, side)) r.file.moveTo(kWordColumn[side]).text(adequate);
        if (overTheLimit(m, side)) {
            r.file.moveTo(kWordColumn[side]).text(exceeded);
            anyOver = true;
        }
    }
    // "See below" stands on the next line, under each side over its limit.
    if (anyOver) {
        r.file.endLine();
        for (int side = 1; side <= 2; ++side)
            if (overTheLimit(m, side)) r.file.moveTo(kSeeBelowColumn[side]).text(r.heading(176));
    }
    r.file.endLine();

    for (int side = 1; side <= 2; ++side) {
        if (!overTheLimit(m, side)) continue;
        const std::string reserve = FormatFixed(m.SideShearStressReserve(side), 1, 2, 1);
        const std::string position = FormatFixed(m.SideShearExceedancePosition(side), 5, 0, 0);
        r.line(r.text(side == 1 ? 247 : 248));
        r.file.text(r.text(217)).moveTo(61).text(reserve).endLine();
        if (m.SideShearStressReserve(side) == 0 && m.SideRequiredBeamStiffness(side) == 1e30)
            r.line(r.text(218));
        else
            r.file.text(r.text(219)).moveTo(46).text(position).moveTo(52).text(r.text(249)).endLine();
    }
}

// A check of the beam whose utilisation is exceeded: its text, the first
// number ending at column 43, the comparison from column 45, the second
// number from column 73 and the unit at column 81; both numbers as the
// results table prints them. A longer comparison text or number pushes what
// follows it right, always with a blank between.
void comparisonLine(ResultHalf& r, int keyNumber, double first, int comparisonKey, double second,
                    const std::string& unit) {
    const std::string firstText = VerdictNumberText(first);
    r.file.text(r.text(keyNumber));
    r.file.moveTo(std::max(r.file.column() + 1, 44 - static_cast<int>(firstText.size()))).text(firstText);
    r.file.moveTo(45).text(r.text(comparisonKey));
    // A comparison text that reaches the number's column keeps a blank
    // before the number.
    r.file.moveTo(std::max(r.file.column() + 1, 73)).text(VerdictNumberText(second));
    r.file.moveTo(std::max(r.file.column() + 1, 81)).text(unit).endLine();
}

// A value a check leaves unchecked (a hogging moment in kNm, a stretch of
// the slab seat in per mille): its text, the value ending at column 43 as the results table prints it, and the words of
// the check not made from column 45.
void notCheckedLine(ResultHalf& r, const char* keyNumber, double shown, const char* wordsKey) {
    const std::string number = HoggingNumberText(shown);
    r.file.text(r.text(keyNumber));
    r.file.moveTo(std::max(r.file.column() + 1, 44 - static_cast<int>(number.size()))).text(number);
    r.file.moveTo(std::max(r.file.column() + 1, 45)).text(r.text(wordsKey)).endLine();
}

void writeBeamWarnings(ResultHalf& r) {
    const ProjectModel& m = r.m;
    // The acting number of each line never prints at or below its limit.
    const auto acting = [](double value, double limit) { return VerdictValue(value, limit, 2, true).number(); };
    if (UtilisationExceeded(m.UtilisationRatio)) {
        r.line(" ");
        // The beam alone's line only where the beam's check takes the beam
        // alone; where it takes the composite section, the MRd.c line
        // below is that check.
        if (!analysis::BeamCheckUsesCompositeResistance(m)) {
            const double resistance = m.MomentResistanceUsed * 1e-6;
            comparisonLine(r, 220, resistance, 250, acting(m.ActingDesignMoment * 1e-6, resistance), "kNm");
        }
    }
    if (UtilisationExceeded(UtilisationOf(m.MaxDesignMoment, m.MomentResistanceSolved))) {
        const double resistance = m.MomentResistanceSolved * 1e-6;
        comparisonLine(r, 221, resistance, 251, acting(m.MaxDesignMoment * 1e-6, resistance), "kNm");
    }
    // No strain check while the allowed strain is 0 (the results table
    // shows no ratio then either).
    if (m.AllowedStrain != 0.0 && UtilisationExceeded(UtilisationOf(m.BeamTopStrainMax, m.AllowedStrain)))
        comparisonLine(r, 222, acting(m.BeamTopStrainMax * 1000, m.AllowedStrain * 1000), 252,
                       m.AllowedStrain * 1000, "%o");
    // The hogging moments the beam's checks leave unchecked, among the
    // verdicts: never only a line under the moments above.
    const analysis::BeamMomentCheck bending = analysis::BeamBendingCheck(m);
    const analysis::BeamMomentCheck strain = analysis::BeamStrainCheck(m);
    if ((bending.hogs() || strain.hogs()) && !UtilisationExceeded(m.UtilisationRatio)) r.line(" ");
    if (bending.hogs()) notCheckedLine(r, "222a", bending.uncheckedShown(), "222c");
    if (strain.hogs()) notCheckedLine(r, "222b", strain.uncheckedShown(), "222d");
    r.emptyLine();
}

// Tension in the slab underside over the slab concrete's tensile strength,
// for each side that carries slabs, and the advice once.
void writeSlabTensionWarnings(ResultHalf& r) {
    const ProjectModel& m = r.m;
    bool any = false;
    for (int side = 1; side <= 2; ++side) {
        // Each side's own tension, in its own slab concrete.
        const double sum = m.SlabTensileStressBySide(side);
        if (!r.sidePresent(side) || !(sum > 0) || !UtilisationExceeded(UtilisationOf(sum, m.ConcreteFctd(side + 3))))
            continue;
        const std::string stress = FormatFixed(VerdictValue(sum, m.ConcreteFctd(side + 3), 2, true), 2, 2, 1);
        const std::string strength = FormatFixed(m.ConcreteFctd(side + 3), 1, 2, 1);
        r.line(r.text(198 + side));
        r.file.text(r.text(223)).textApartAt(45, stress).textApartAt(51, "MPa > fctd = ");
        r.file.textApartAt(65, strength).textApartAt(70, "MPa").endLine();
        any = true;
    }
    if (any)
        for (int k = 224; k <= 226; ++k) r.line(r.text(k));
}

}  // namespace

void writeWarnings(ResultHalf& r) {
    writePrincipalStressWarnings(r);
    writeBeamWarnings(r);
    writeSlabTensionWarnings(r);
}

}  // namespace quorvel::report::resulthalf
