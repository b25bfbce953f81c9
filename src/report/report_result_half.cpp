// The result half of the report: its opening and closing, the row writer of
// its blocks, and the section tables of the beam (bearing widths, part
// properties, part and stage stiffnesses, part groups).

#include "report/report_result_half.h"

#include "analysis/section_analysis.h"
#include "library/checked_math.h"
#include "report/format_fixed.h"
#include "report/report_result_rows.h"
#include "report/report_section_rows.h"
#include "report/report_texts.h"
#include "runtime/errors.h"

namespace quorvel::report {

namespace resulthalf {

namespace {

int16_t sideSelector(const ProjectModel& m) {
    if (m.SlabSidePresent(1) == 0) return 2;
    if (m.SlabSidePresent(2) == 0) return 1;
    return 0;
}

}  // namespace

ResultHalf::ResultHalf(ProjectModel& model, ReportFile& reportFile, const ReportHeadings& headings,
                       ReportLanguageFile& language)
    : m(model),
      file(reportFile),
      headings_(headings),
      rows_(model, reportFile, language, &headings),
      selector_(sideSelector(model)) {}

int governingSide(int16_t selector, double left, double right) {
    if (selector == 1 || selector == 2) return selector;
    // A negative ratio is exceeded (verdict.h): it governs a positive one.
    if ((left < 0) != (right < 0)) return left < 0 ? 1 : 2;
    return left > right ? 1 : 2;
}

std::string leadingCharacters(const std::string& s, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t taken = 0; end < s.size() && taken < count; ++taken) {
        ++end;
        while (end < s.size() && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80) ++end;
    }
    return s.substr(0, end);
}

std::string trailingCharacters(const std::string& s, std::size_t count) {
    std::size_t begin = s.size();
    for (std::size_t taken = 0; begin > 0 && taken < count; ++taken) {
        --begin;
        while (begin > 0 && (static_cast<unsigned char>(s[begin]) & 0xC0) == 0x80) --begin;
    }
    return s.substr(begin);
}

namespace {

// Block 1: the beam's span, which sets the slab width acting with the beam
// on each side that carries slabs (whatever the support moments).
void writeBearingWidths(ResultHalf& r) {
    r.print(labelRow(
        key("198"), fixed("Lo"), "mm", [](const ProjectModel& m) { return m.BeamSpan; }, {6, 0, 0}, 1, 30, 35,
        43));
    r.line(r.heading(2));
    for (int side = 1; side <= 2; ++side) {
        if (!r.sidePresent(side)) continue;
        PrintLabelValueLine(r.file, r.text(198 + side), "k_cd", "", r.m.SlabKcd(side), 1, 4, 1, 1, 15, 23, 29, 0);
        PrintLabelValueLine(r.file, "", "b_cd", "mm", r.m.SlabBcd(side), 4, 0, 1, 30, 31, 40, 47, 1);
    }
}

// The beam parts of the section tables with the material each is made of;
// the slab and topping parts follow in each table's own way.
struct BeamPart {
    int labelItem;
    ScalarOf modulus;
    int part;
    Condition condition;
};

constexpr BeamPart kBeamParts[] = {
    {24, [](const ProjectModel& m) { return m.SteelModulus; }, 1,
     [](const ProjectModel& m) { return m.SteelPlateCount > 0; }},
    {25, [](const ProjectModel& m) { return m.ConcreteEcm(1); }, 2,
     [](const ProjectModel& m) { return m.PrecastPartCount > 0; }},
    {26, [](const ProjectModel& m) { return m.ReinforcementModulus; }, 3,
     [](const ProjectModel& m) { return m.ReinforcementRowCount > 0; }},
    {27, [](const ProjectModel& m) { return m.ConcreteEcm(2); }, 4,
     [](const ProjectModel& m) { return m.InfillPartCount > 0; }},
    {28, [](const ProjectModel& m) { return m.SteelBeamRebarModulus; }, 5,
     [](const ProjectModel& m) { return m.SteelBeamRebarRowCount > 0; }},
    {29, [](const ProjectModel& m) { return m.ConcreteEcm(3); }, 7, [](const ProjectModel&) { return true; }},
};

bool hasLowerFlanges(const ProjectModel& m) {
    return m.SectionSummaryValue1 + m.SectionSummaryValue2 > 0;
}
bool hasTopping(const ProjectModel& m) {
    return m.ToppingThickness > 0.001;
}

// The number fields of a part properties row end at these columns (labels
// of 13 characters, then 10, 10, 11, 11 and 10 characters); each unit of
// the unit line ends where the numbers it belongs to end.
constexpr int kAreaEnd = 23, kCentroidEnd = 33, kFirstMomentEnd = 44, kInertiaEnd = 55, kModulusEnd = 65;

void unitEndingAt(ReportFile& file, const std::string& unit, int lastColumn) {
    file.moveTo(lastColumn - static_cast<int>(unit.size()) + 1).text(unit);
}

// Block 2: area, centroid height, first and own second moment and modulus
// of each part of the section.
void writePartProperties(ResultHalf& r) {
    const auto& h = [&r](int n) -> const std::string& { return r.heading(n); };
    r.emptyLine();
    r.line(h(6) + "    " + h(8) + h(9) + h(10) + h(11) + "  " + h(7));
    unitEndingAt(r.file, "mm^2", kAreaEnd);
    unitEndingAt(r.file, "mm", kCentroidEnd);
    unitEndingAt(r.file, "mm^3", kFirstMomentEnd);
    unitEndingAt(r.file, "mm^4", kInertiaEnd);
    unitEndingAt(r.file, "MPa", kModulusEnd);
    r.file.endLine();
    unitEndingAt(r.file, "10^6", kFirstMomentEnd);
    unitEndingAt(r.file, "10^6", kInertiaEnd);
    r.file.endLine();
    r.emptyLine();

    const ProjectModel& m = r.m;
    auto row = [&](const std::string& label, const Value& modulus, int k) {
        PrintPartPropertiesRow(r.file, label, modulus, m.PartArea(k), m.PartCentroidHeight(k), m.PartFirstMoment(k),
                               m.PartOwnInertia(k));
    };
    for (const BeamPart& part : kBeamParts)
        if (part.condition(m)) row(h(part.labelItem), part.modulus(m), part.part);

    // The slab flanges by side: the first 8 characters of the flange label,
    // a point and the side suffix.
    auto slabLabel = [&](int flangeItem, int side) {
        return leadingCharacters(h(flangeItem), 8) + "." + h(side == 1 ? 188 : 189);
    };
    for (int side = 1; side <= 2; ++side)
        if (m.PartArea(7 + side) > 0) row(slabLabel(30, side), m.ConcreteEcm(3 + side), 7 + side);
    if (hasLowerFlanges(m))
        for (int side = 1; side <= 2; ++side) row(slabLabel(31, side), m.ConcreteEcm(3 + side), 9 + side);
    // The topping's parts; a part of no area (no topping on that side) has
    // no row.
    if (hasTopping(m))
        for (int k = 12; k <= 14; ++k)
            if (m.PartArea(k) > 0) row(h(32), m.ConcreteEcm(6), k);
    r.line(" ");
}

// Block 3: the stiffness of each part; the slab flanges and the topping
// summed into one row each.
void writePartStiffness(ResultHalf& r) {
    const auto& h = [&r](int n) -> const std::string& { return r.heading(n); };
    r.line(h(12));
    r.line(h(6) + "   " + h(13) + h(9) + h(14) + h(15) + h(16) + h(17));
    r.line(std::string(12, ' ') + "   " + "    MN    " + "   " + " mm " + "     " + "   MNm    " + "   MNm2   " +
           "   MNm2   " + "   MNm2   ");
    r.emptyLine();

    const ProjectModel& m = r.m;
    auto rowOfParts = [&](const std::string& label, int first, int last) {
        double ea = 0, es = 0, eay2 = 0, ei = 0;
        for (int k = first; k <= last; ++k) {
            ea += m.PartAxialStiffness(k);
            es += m.PartStiffnessMoment(k);
            eay2 += m.PartParallelAxisStiffness(k);
            ei += m.PartOwnStiffness(k);
        }
        PrintPartStiffnessRow(r.file, label, Value(ea), Value(es), Value(eay2), Value(ei));
    };
    for (const BeamPart& part : kBeamParts)
        if (part.condition(m)) rowOfParts(h(part.labelItem), part.part, part.part);
    if (m.PartAxialStiffness(8) + m.PartAxialStiffness(9) > 0) rowOfParts(h(30), 8, 9);
    if (hasLowerFlanges(m)) rowOfParts(h(31), 10, 11);
    if (hasTopping(m)) rowOfParts(h(32), 12, 14);
    r.line(" ");
}

// Block 4: the stiffness of the section in each construction stage.
void writeStageStiffness(ResultHalf& r) {
    const ProjectModel& m = r.m;
    auto row = [&](const std::string& label, int k) {
        PrintSectionStiffnessRow(r.file, label, m.SectionAxialStiffness(k), m.SectionStiffnessMoment(k),
                                 m.SectionParallelAxisSum(k), m.SectionOwnInertiaSum(k), m.SectionBendingStiffness(k));
    };
    auto stage = [&](int labelItem, int k) { row(r.heading(labelItem), k); };
    // A beam cast in two steps shows the precast part alone (stage 1) and
    // the beam with its infill (stage 2), each under its own name.
    if (m.Family() == model::BeamFamily::BE) {
        row(r.text(245), 1);
        row(m.InfillPartCount > 0 ? r.text(246) : r.heading(33), 2);
    } else {
        stage(33, 2);
    }
    if (m.SectionBendingStiffness(4) < m.SectionBendingStiffness(2)) stage(34, 4);
    r.emptyLine();
    r.line(r.heading(37));
    stage(35, 5);
    stage(36, 6);
    // The stage the deflection w.q and the strain eps.B are taken on: the
    // slabs at their widths below, without flanges in tension.
    row(r.text("246a"), 8);
    writeSlabWidths(r, r.text("246b"), "b.w", analysis::CompositeStageSlabWidth(m, 1),
                    analysis::CompositeStageSlabWidth(m, 2));
    r.line(" ");
}

// Block 5: the part groups at the interfaces of beam and slab concrete.
void writePartGroups(ResultHalf& r) {
    const ProjectModel& m = r.m;
    r.line(r.heading(18) + "    " + "    " + r.heading(21) + r.heading(22) + r.heading(23));
    for (int g = 1; g <= 2; ++g) {
        r.line(r.heading(g == 1 ? 19 : 20) + "    " + "    " + "    MN    " + "    " + " mm " + "      " + "1/m ");
        for (int k : {g, g + 2}) {
            const double axial = m.PartGroupAxialStiffness(k);
            const std::string stiffness = FormatFixed(Value(axial * 1e-6), 4, 1, 1);
            const std::string centroid =
                FormatFixed(Value(library::checkedQuotient(m.PartGroupStaticMoment(k), axial + 0.001)), 4, 1, 0);
            const std::string flow = FormatFixed(Value(m.PartGroupShearFlowFactor(k) * 1000), 2, 3, 1);
            r.file.text(r.heading(k == g ? 52 : 53));
            r.file.moveTo(38).text(stiffness);
            r.file.moveTo(49).text(centroid);
            r.file.moveTo(58).text(flow);
            r.file.endLine();
        }
        r.emptyLine();
    }
}

}  // namespace

void writeSectionTables(ResultHalf& r) {
    writeBearingWidths(r);
    writePartProperties(r);
    writePartStiffness(r);
    writeStageStiffness(r);
    writePartGroups(r);
}

}  // namespace resulthalf

int16_t WriteReportResultPart(model::ProjectModel& m, runtime::ProgramContext& context, ReportFile& file) {
    try {
        ReportLanguageFile language = openReportLanguageFile(m.LanguageIndex, context);
        const ReportHeadings headings = ReportHeadings::read(m.DataPath, m.LanguageIndex);

        resulthalf::ResultHalf r(m, file, headings, language);
        file.text("    ").line(headings(1));
        r.emptyLine();
        resulthalf::writeSectionTables(r);
        resulthalf::writeBeamResults(r);
        resulthalf::writeSlabResults(r);
        resulthalf::writeWarnings(r);
        file.close();
    } catch (const runtime::RunTimeError& e) {
        m.FailedFile = e.detail();
        return static_cast<int16_t>(e.number());
    }
    return 0;
}

}  // namespace quorvel::report
