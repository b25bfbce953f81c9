// The result half of the report, closing warnings: the principal stress of
// the slab webs with the shear reserve of each side over its limit, the
// beam's moment and strain checks, and the tension in the slab underside.

#include "report/format_fixed.h"
#include "report/report_result_rows.h"

namespace quorvel::report::resulthalf {

namespace {

// Where each side's principal-stress word and its "see below" stand: the
// left word (at most 12 characters) ends at column 60, so the right one
// starts after a blank.
constexpr int kWordColumn[] = {0, 49, 62};
constexpr int kSeeBelowColumn[] = {0, 41, 58};

bool overTheLimit(const ProjectModel& m, int side) {
    return m.SlabSidePresent(side) > 0 &&
           m.SlabPrincipalStressMax(side) > 1.1 * m.SlabPrincipalStressLimit(side) + 0.005;
}

bool withinTheLimit(const ProjectModel& m, int side) {
    return m.SlabSidePresent(side) > 0 && m.SlabPrincipalStressMax(side) < m.SlabPrincipalStressLimit(side) + 0.005;
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
        r.line(side == 1 ? "VASEN LAATTA: " : "OIKEA LAATTA: ");
        r.file.text(r.text(217)).moveTo(61).text(reserve).endLine();
        if (m.SideShearStressReserve(side) == 0 && m.SideRequiredBeamStiffness(side) == 1e30)
            r.line(r.text(218));
        else
            r.file.text(r.text(219)).moveTo(46).text(position).moveTo(52).text("mm palkin tuelta lukien").endLine();
    }
}

// A check of the beam that failed: its text, the first number at its
// column, the comparison from column 45, the second number at column 73 and
// the unit.
void comparisonLine(ResultHalf& r, int keyNumber, int firstColumn, const std::string& first,
                    const std::string& comparison, const std::string& second, const std::string& unit, int unitColumn) {
    r.file.text(r.text(keyNumber)).moveTo(firstColumn).text(first);
    r.file.moveTo(45).text(comparison).moveTo(73).text(second).moveTo(unitColumn).text(unit).endLine();
}

void writeBeamWarnings(ResultHalf& r) {
    const ProjectModel& m = r.m;
    if (m.ActingDesignMoment > 1.05 * m.MomentResistanceUsed) {
        r.line(" ");
        comparisonLine(r, 220, 39, FormatFixed(Value(m.MomentResistanceUsed * 1e-6), 5, 0, 0),
                       "kNm < taivutusmomentti Md =", FormatFixed(Value(m.ActingDesignMoment * 1e-6), 4, 0, 0), "kNm",
                       78);
    }
    if (m.MaxDesignMoment > 1.05 * m.MomentResistanceSolved)
        comparisonLine(r, 221, 39, FormatFixed(Value(m.MomentResistanceSolved * 1e-6), 5, 0, 0),
                       "kNm < laskentamomentti Md =", FormatFixed(Value(m.MaxDesignMoment * 1e-6), 4, 0, 0), "kNm", 78);
    // The allowed strain's 3.2 number ends at column 78, so its unit stands
    // one blank after it.
    if (m.BeamTopStrainMax > 1.1 * m.AllowedStrain)
        comparisonLine(r, 222, 36, FormatFixed(Value(m.BeamTopStrainMax * 1000), 3, 2, 1), "%o > sallittu venymä ",
                       FormatFixed(Value(m.AllowedStrain * 1000), 3, 2, 1), "%o", 80);
    r.emptyLine();
}

// Tension in the slab underside over the slab concrete's tensile strength,
// for each side that carries slabs, and the advice once.
void writeSlabTensionWarnings(ResultHalf& r) {
    const ProjectModel& m = r.m;
    bool any = false;
    for (int side = 1; side <= 2; ++side) {
        if (!r.sidePresent(side) || !(m.SlabTensileStressSum > m.ConcreteFctd(side + 3))) continue;
        const std::string stress = FormatFixed(m.SlabTensileStressSum, 2, 2, 1);
        const std::string strength = FormatFixed(m.ConcreteFctd(side + 3), 1, 2, 1);
        r.line(r.text(198 + side));
        r.file.text(r.text(223)).moveTo(45).text(stress).moveTo(51).text("MPa > fctd = ");
        r.file.moveTo(65).text(strength).moveTo(70).text("MPa").endLine();
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
