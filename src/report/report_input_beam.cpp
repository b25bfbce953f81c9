// The input half: opening its texts, the header, the beam, its section by
// beam family and its materials.

#include <string>

#include "library/factors.h"
#include "model/beam_family.h"
#include "report/format_fixed.h"
#include "report/report_input_half.h"
#include "runtime/errors.h"

namespace quorvel::report {

namespace {

using M = const ProjectModel&;

constexpr NumberFormat f40{4, 0, 0};
constexpr NumberFormat f31r{3, 1, 1};

bool familyIs(M m, model::BeamFamily family) { return m.Family() == family; }

// DELTA and ABeamS: webs leaning in from the bottom plate to the top plate.
bool hasInclinedWebs(M m) { return familyIs(m, model::BeamFamily::DE) || familyIs(m, model::BeamFamily::AB); }

// The web height the section has. The inclined webs' WebHeight holds the
// nominal height their slope is laid over; the concrete between them, and
// the webs' clear height, run from the top of the bottom plate (the first
// plate) to the underside of the top plate (the last).
Value webHeight(M m) {
    if (!hasInclinedWebs(m) || m.SteelPlateCount < 2) return m.WebHeight;
    const int top = m.SteelPlateCount;
    return minus(m.SteelPlateLevel[top], plus(m.SteelPlateLevel[1], m.SteelPlateHeight[1]));
}

// --- header ---------------------------------------------------------------

void printBeamLines(RowPrinter& out) {
    const ProjectModel& m = out.model();
    ReportFile& f = out.file();
    const std::string& type = m.BeamTypeName;
    f.text(out.text("14")).text(model::BeamTypeDisplayName(type)).text(out.text("15"));
    f.text(FormatFixed(m.BeamSpan, 5, 0, 0)).text(" mm  ").endLine();

    // The entered spacings: left side at the start ... at the end, then the
    // right side.
    auto spacing = [&](int side, int end) { return FormatFixed(m.EnteredBeamSpacing(side, end), 5, 0, 0); };
    f.moveTo(static_cast<int>(type.size()) + 7).text(out.text("16"));
    f.text(spacing(1, 1)).text("...").text(spacing(1, 2)).text(" mm / ");
    f.text(spacing(2, 1)).text("...").text(spacing(2, 2)).text(" mm").endLine();

    static constexpr LabelRow heights[] = {
        {key("19"), fixed("h"), fixed("mm"), [](M m) { return m.OverallBeamHeight; }, f40, 1, 23, 28, 35, false},
        {key("20"), fixed("hnim"), fixed("mm"), [](M m) { return m.BeamHeight; }, f40, 40, 60, 67, 73, true},
    };
    // The dialog of the inclined-web beams calls their nominal height
    // "Beam height (h)"; the overall height H adds the ledge plate, h + hL.
    static constexpr LabelRow inclinedWebHeights[] = {
        {key("19a"), fixed("H"), fixed("mm"), [](M m) { return m.OverallBeamHeight; }, f40, 1, 23, 28, 35, false},
        {key("19"), fixed("h"), fixed("mm"), [](M m) { return m.BeamHeight; }, f40, 40, 60, 67, 73, true},
    };
    out.blankLine(0);
    out.print(hasInclinedWebs(m) ? inclinedWebHeights : heights);
    out.blankLine(0);
}

// --- steel section ----------------------------------------------------------

// One steel grade line: label, an empty and a grade item at the next print
// zones, then fyk and fyd on the same line.
void printSteelGrade(RowPrinter& out, const std::string& label, const std::string& between, const Value& grade,
                     const Value& fyk, const Value& fyd) {
    ReportFile& f = out.file();
    f.text(label).nextZone().text(between).nextZone().text("S" + plainNumberText(grade));
    PrintLabelValueLine(f, "", "fyk", "MPa", fyk, 4, 0, 0, 40, 40, 46, 51, 0);
    PrintLabelValueLine(f, "", "fyd", "MPa", fyd, 4, 0, 0, 60, 60, 67, 73, 1);
}

// The larger of two values, the second on a tie, with its own precision.
const Value& larger(const Value& a, const Value& b) { return a > b ? a : b; }

// The rows of the section of every steel family except BE, each pair only
// when its condition holds.
struct ConditionalRows {
    bool (*when)(M);
    LabelRow rows[2];
};

Value bottomWidth(M m) {
    if (familyIs(m, model::BeamFamily::AP) || familyIs(m, model::BeamFamily::DE))
        return plus(plus(m.BottomFlangeWidth, m.LeftLedgeWidth), m.RightLedgeWidth);
    return m.BottomFlangeWidth;
}

constexpr ConditionalRows flangeAndWebRows[] = {
    {[](M m) { return times(m.TopFlangeWidth, m.TopFlangeThickness) > 0; },
     {{key("28"), fixed("by"), fixed("mm"), [](M m) { return m.TopFlangeWidth; }, f40, 1, 23, 28, 35, false},
      {key("29"), fixed("ty"), fixed("mm"), [](M m) { return m.TopFlangeThickness; }, f31r, 40, 60, 67, 73, true}}},
};

constexpr ConditionalRows webAndBelowRows[] = {
    {[](M m) { return !familyIs(m, model::BeamFamily::KE) && !familyIs(m, model::BeamFamily::LB); },
     {{key("21"), fixed("hw"), fixed("mm"), webHeight, f40, 1, 23, 28, 35, false},
      {key("22"), fixed("tw"), fixed("mm"), [](M m) { return m.WebThickness; }, f31r, 40, 60, 67, 73, true}}},
    {[](M m) { return familyIs(m, model::BeamFamily::DE); },
     {{key("26"), fixed("D"), fixed("mm"), [](M m) { return m.WebHoleDiameter; }, f40, 1, 23, 28, 35, false},
      {key("27"), none, fixed("mm"), [](M m) { return m.WebHoleEdgeDistance; }, {3, 0, 0}, 40, 60, 67, 73, true}}},
    {[](M m) { return times(m.InnerProfileFlangeThickness, m.InnerProfileWidth) > 0; },
     {{key("30"), fixed("bs"), fixed("mm"), [](M m) { return m.InnerProfileWidth; }, f40, 1, 23, 28, 35, false},
      {key("31"), fixed("ts"), fixed("mm"), [](M m) { return m.InnerProfileFlangeThickness; }, f31r, 40, 60, 67, 73,
       true}}},
    {[](M m) { return times(m.InnerProfileFlangeThickness, m.InnerProfileWidth) > 0; },
     {{key("32"), none, fixed("mm"), [](M m) { return minus(m.OverallBeamHeight, m.InnerProfileHeight); }, f40, 1,
       23, 27, 35, false},
      {key("33"), none, fixed("mm"), [](M m) { return m.InnerProfileHeight; }, f40, 40, 60, 67, 73, true}}},
    {[](M m) { return times(m.BottomFlangeWidth, m.BottomFlangeThickness) > 0; },
     {{key("34"), fixed("ba"), fixed("mm"), bottomWidth, f40, 1, 23, 28, 35, false},
      {key("35"), fixed("ta"), fixed("mm"), [](M m) { return m.BottomFlangeThickness; }, f31r, 40, 60, 67, 73,
       true}}},
    {[](M m) {
         return plus(times(m.LeftLedgeHeight, m.LeftLedgeWidth), times(m.RightLedgeHeight, m.RightLedgeWidth)) > 0;
     },
     {{key("36"), fixed("hf"), fixed("mm"), [](M m) { return m.LeftLedgeHeight; }, f40, 1, 23, 28, 35, false},
      {key("37"), fixed("bf"), fixed("mm"), [](M m) { return m.LeftLedgeWidth; }, f40, 40, 60, 67, 73, true}}},
    {[](M m) {
         return plus(times(m.LeftLedgeHeight, m.LeftLedgeWidth), times(m.RightLedgeHeight, m.RightLedgeWidth)) > 0;
     },
     {{key("38"), fixed("bf"), fixed("mm"), [](M m) { return m.RightLedgeWidth; }, f40, 40, 60, 67, 73, true},
      {}}},
    {[](M m) { return familyIs(m, model::BeamFamily::ME); },
     {{key("40"), fixed("h"), fixed("mm"), [](M m) { return m.BoxHeight; }, f40, 1, 23, 28, 35, false},
      {key("41"), fixed("t"), fixed("mm"), [](M m) { return m.BoxPlateThickness; }, f31r, 40, 60, 67, 73, true}}},
};

void printConditionalRows(RowPrinter& out, std::span<const ConditionalRows> blocks) {
    for (const ConditionalRows& b : blocks) {
        if (!b.when(out.model())) continue;
        for (const LabelRow& r : b.rows)
            if (r.value) out.print(r);
    }
}

// Angle and plate rows of the families with steel angles: both sides on
// every row, each row from column 1 so each stands on its own line.
constexpr NumberFormat sideFormat40 = f40;
constexpr SideRow angleRowsBE[] = {
    {key("228"), fixed("bf "), fixed("mm"), [](M m, int s) { return s == 1 ? m.LeftLedgeWidth : m.RightLedgeWidth; },
     sideFormat40, 1, 9, 28, 35, 42, false},
    {key("229"), fixed("hw "), fixed("mm"), [](M m, int) { return m.AngleSteelHeight; }, sideFormat40, 1, 9, 28, 35,
     42, false},
    {key("230"), fixed("tw "), fixed("mm"), [](M m, int) { return m.BottomFlangeThickness; }, sideFormat40, 1, 9, 28,
     35, 42, false},
};
constexpr SideRow angleRowsKE[] = {
    angleRowsBE[0],
    angleRowsBE[1],
    {key("230"), fixed("tw "), fixed("mm"), [](M m, int s) { return s == 1 ? m.LeftLedgeHeight : m.RightLedgeHeight; },
     sideFormat40, 1, 9, 28, 35, 42, false},
};
constexpr LabelRow topPlateRowsBE[] = {
    {key("231"), fixed("bh "), fixed("mm"), [](M m) { return m.TopFlangeWidth; }, f40, 1, 22, 28, 33, false},
    {key("230"), fixed("th "), fixed("mm"), [](M m) { return m.TopFlangeThickness; }, {2, 0, 0}, 40, 48, 54, 57,
     true},
};

void printSteelSection(RowPrinter& out) {
    const ProjectModel& m = out.model();
    if (m.SteelPlateCount <= 0) return;
    out.keyLine("17");
    if (familyIs(m, model::BeamFamily::CW)) {
        out.keyLine("18");
        static const char* const gradeKeys[] = {"242", "243", "244"};
        for (int i = 0; i <= 2; ++i)
            printSteelGrade(out, out.text(gradeKeys[i]), "", m.PlateSteelGrade[i], m.PlateYieldStrength[i],
                            m.PlateDesignStrength[i]);
        out.blankLine(0);
    } else {
        // The one grade line of the other steel families has its label
        // under the bare key "resultText".
        printSteelGrade(out, out.text(""), " ", m.SteelGrade, m.SteelYieldStrength, m.SteelDesignStrength);
    }

    if (familyIs(m, model::BeamFamily::BE)) {
        out.keyLine("227");
        out.print(angleRowsBE, 0);
        out.print(topPlateRowsBE);
    } else {
        printConditionalRows(out, flangeAndWebRows);
        if (familyIs(m, model::BeamFamily::KE)) {
            out.keyLine("227");
            out.print(angleRowsKE, 0);
        }
        printConditionalRows(out, webAndBelowRows);
    }
    out.blankLine(2);
}

// --- concretes ---------------------------------------------------------------

// "50-1": strength class and quality class of concrete kind k.
std::string concreteClassText(M m, int kind) {
    return FormatFixed(m.ConcreteStrengthByKind[kind], 3, 0, 0) + "-" +
           FormatFixed(m.ConcreteQualityClass[kind], 1, 0, 0);
}

// fck, fcd and Ec of concrete kind k, continuing the open line; the infill
// concrete prints fcd as a whole number (rounded, no point).
void printConcreteRows(RowPrinter& out, int kind) {
    const ProjectModel& m = out.model();
    ReportFile& f = out.file();
    const bool infill = kind == 2;
    PrintLabelValueLine(f, "", "fck", "MPa", m.ConcreteFck[kind], 3, 1, 1, 23, 24, 30, 36, 0);
    PrintLabelValueLine(f, "", "fcd", "MPa", m.ConcreteFcd[kind], 3, infill ? 0 : 1, infill ? 0 : 1, 39, 40, 47, 54,
                        0);
    PrintLabelValueLine(f, "", "Ec", "MPa", m.ConcreteEcm[kind], 5, 0, 0, 59, 60, 66, 72, 1);
}

// A concrete's heading line, its class line with the material rows.
void printConcreteHead(RowPrinter& out, const char* headingKey, const char* classKey, int kind) {
    out.keyLine(headingKey);
    out.file().text(out.text(classKey)).text(concreteClassText(out.model(), kind));
    printConcreteRows(out, kind);
}

void printPrecastConcrete(RowPrinter& out) {
    const ProjectModel& m = out.model();
    if (m.PrecastPartCount <= 0) return;
    printConcreteHead(out, "42", "43", 1);
    const bool be = familyIs(m, model::BeamFamily::BE);
    static constexpr LabelRow heightBE{key("235"), fixed("h"), fixed("mm"), [](M m) { return m.AngleSteelHeight; },
                                       f40, 1, 23, 28, 34, false};
    static constexpr LabelRow heights[] = {
        {key("44"), fixed("h"), fixed("mm"), [](M m) { return m.OverallBeamHeight; }, f40, 1, 23, 28, 35, true},
        {key("45"), fixed("hw"), fixed("mm"),
         [](M m) { return minus(m.OverallBeamHeight, larger(m.LeftLedgeHeight, m.RightLedgeHeight)); },
         f40, 1, 23, 28, 35, false},
    };
    if (be) out.print(heightBE);
    else out.print(heights);

    ReportFile& f = out.file();
    PrintLabelValueLine(f, out.text("46"), "bw " + out.text("240"), "mm", m.BeamWidth, 4, 0, 0, 40, 50, 67, 72, 1);
    // A bottom width is printed where the beam has one of its own: a
    // rectangular beam leaves it empty (0), and its bottom is its width.
    if (m.BottomFlangeWidth > 0 && m.BottomFlangeWidth.number() != m.BeamWidth.number() && !be)
        PrintLabelValueLine(f, out.text("47"), "ba " + out.text("241"), "mm", m.BottomFlangeWidth, 4, 0, 0, 40, 50,
                            67, 72, 1);

    static constexpr LabelRow leftLedge[] = {
        {key("48"), fixed("hf"), fixed("mm"), [](M m) { return m.LeftLedgeHeight; }, f40, 1, 23, 28, 35, false},
        {key("49"), fixed("bf"), fixed("mm"), [](M m) { return m.LeftLedgeDepth; }, f40, 40, 60, 67, 72, true},
    };
    static constexpr LabelRow rightLedge[] = {
        {key("50"), fixed("hf"), fixed("mm"), [](M m) { return m.RightLedgeHeight; }, f40, 1, 23, 28, 35, false},
        {fixed("       "), fixed("bf"), fixed("mm"), [](M m) { return m.RightLedgeDepth; }, f40, 40, 60, 67, 72,
         true},
    };
    if (times(m.LeftLedgeHeight, m.LeftLedgeDepth) > 0) out.print(leftLedge);
    if (times(m.RightLedgeHeight, m.RightLedgeDepth) > 0) out.print(rightLedge);
    out.blankLine(0);
}

// --- reinforcement row groups ----------------------------------------------

struct RowGroup {
    int16_t ProjectModel::*count;
    const char* headingKey;  // nullptr: no heading line
    // The Super beam's own heading and strength label: its top group is the
    // bars welded to the angle steel, placed by their distance from the
    // bottom as its dialog asks them.
    const char* headingKeyBE;
    const char* fykKeyBE;
    const char* fykKey;
    Value ProjectModel::*strength;
    Value ProjectModel::*designStrength;
    Value ProjectModel::*modulus;
    int fydLabelColumn;
    const char* columnHeadKeys[2];
    const char* columnHeadKeysBE[2];
    model::RowIntArray ProjectModel::*bars;
    model::RowArray ProjectModel::*area;
    model::RowArray ProjectModel::*prestress;
    model::RowArray ProjectModel::*distance;
};

const RowGroup rowGroups[] = {
    {&ProjectModel::ReinforcementRowCount, "51", "51", "232", "52", &ProjectModel::ReinforcementStrength,
     &ProjectModel::ReinforcementDesignStrength, &ProjectModel::ReinforcementModulus, 39, {"53", "54"},
     {"53", "54"}, &ProjectModel::BarsInRow, &ProjectModel::BarArea, &ProjectModel::BarPrestress,
     &ProjectModel::BarDistanceFromBottom},
    {&ProjectModel::TopRebarRowCount, nullptr, "233", "232", "55", &ProjectModel::TopRebarStrength,
     &ProjectModel::TopRebarDesignStrength, &ProjectModel::TopRebarModulus, 39, {"56", "57"}, {"53", "54"},
     &ProjectModel::TopBarsInRow, &ProjectModel::TopBarArea, &ProjectModel::TopBarPrestress,
     &ProjectModel::TopBarDistanceFromTop},
    {&ProjectModel::SteelBeamRebarRowCount, "62", "62", "63", "63", &ProjectModel::SteelBeamRebarStrength,
     &ProjectModel::SteelBeamRebarDesignStrength, &ProjectModel::SteelBeamRebarModulus, 40, {"64", "65"},
     {"64", "65"}, &ProjectModel::SteelBeamBarsInRow, &ProjectModel::SteelBeamBarArea, &ProjectModel::SteelBeamBarPrestress,
     &ProjectModel::SteelBeamBarDistance},
};

void printRowGroup(RowPrinter& out, const RowGroup& g) {
    const ProjectModel& m = out.model();
    const int16_t count = m.*g.count;
    if (count <= 0) return;
    const bool be = familyIs(m, model::BeamFamily::BE);
    if (const char* heading = be ? g.headingKeyBE : g.headingKey) out.keyLine(heading);
    ReportFile& f = out.file();
    // Strands and wires have the symbols of prestressing steel. Their
    // strength is the 0.1 % proof stress fp0.1k that fpd is taken from; its
    // longer symbol starts three columns earlier so that the " = " and the
    // number keep their columns.
    const bool strands = library::IsPrestressingSteel((m.*g.strength).number());
    PrintLabelValueLine(f, out.text(be ? g.fykKeyBE : g.fykKey),
                        strands ? "fp0.1k" : "fyk", "MPa", m.*g.strength, 4, 0, 0, 1, strands ? 20 : 23, 29, 35, 0);
    PrintLabelValueLine(f, "", strands ? "fpd" : "fyd", "MPa", m.*g.designStrength, 4, 0, 0, g.fydLabelColumn, 40,
                        46, 52, 0);
    PrintLabelValueLine(f, "", strands ? "Ep" : "Es", "MPa", m.*g.modulus, 6, 0, 0, 55, 56, 62, 69, 1);
    for (const char* head : be ? g.columnHeadKeysBE : g.columnHeadKeys) out.keyLine(head);
    for (int r = 1; r <= count; ++r) {
        f.moveTo(5).text(FormatFixed((m.*g.bars)[r], 2, 0, 0));
        f.moveTo(20).text(FormatFixed((m.*g.area)[r], 4, 0, 0));
        f.moveTo(33).text(FormatFixed((m.*g.prestress)[r], 4, 0, 0));
        f.moveTo(52).text(FormatFixed((m.*g.distance)[r], 4, 0, 0)).endLine();
    }
    out.blankLine(1);
}

// --- infill and joint concrete ----------------------------------------------

constexpr const char* partUnitLine = "     mm               mm           mm                 mm";

void printPart(ReportFile& f, const Value& bottom, const Value& top, const Value& height, int heightColumn,
               const Value& level) {
    f.moveTo(5).text(FormatFixed(bottom, 4, 0, 0));
    f.moveTo(22).text(FormatFixed(top, 4, 0, 0));
    f.moveTo(heightColumn).text(FormatFixed(height, 4, 0, 0));
    f.moveTo(53).text(FormatFixed(level, 4, 0, 0)).endLine();
}

void printInfillConcrete(RowPrinter& out) {
    const ProjectModel& m = out.model();
    if (m.InfillPartCount <= 0) return;
    printConcreteHead(out, "58", "59", 2);
    out.keyLine("60");
    out.line(partUnitLine);
    for (int p = 1; p <= m.InfillPartCount; ++p)
        printPart(out.file(), m.InfillPartBottomWidth[p], m.InfillPartTopWidth[p], m.InfillPartHeight[p], 34,
                  m.InfillPartLevel[p]);
    out.blankLine(0);
}

void printJointConcrete(RowPrinter& out) {
    const ProjectModel& m = out.model();
    printConcreteHead(out, "66", "67", 3);
    out.keyLine("68");
    if (m.SlabsOnLedge == 0) out.line(partUnitLine);
    printPart(out.file(), m.JointPartBottomWidth[1], m.JointPartTopWidth[1], m.JointPartHeight[1],
              m.SlabsOnLedge == 0 ? 35 : 38, m.JointPartLevel[1]);
    out.blankLine(0);
}

}  // namespace

void printReportHeader(RowPrinter& out, const runtime::LocalDateTime& now) {
    const ProjectModel& m = out.model();
    ReportFile& f = out.file();
    out.keyLine("1");
    out.keyLine("2");
    // The version text begins with the Finnish word for version; the
    // report gives that word in its own language.
    const std::string word = "Versio ";
    const std::string& version = m.VersionText;
    const bool worded = version.rfind(word, 0) == 0;
    f.text(out.text("3")).nextZone().text(worded ? out.text("3a") + version.substr(word.size()) : version).endLine();
    out.keyLine("4");
    out.blankLine(1);
    for (const char* k : {"5", "6", "7", "8"}) out.keyLine(k);
    out.blankLine(1);
    for (const char* k : {"9", "10", "11"}) out.keyLine(k);
    out.blankLine(1);
    out.line(m.CompanyName);
    f.text(out.text("12")).text(reportDate(now)).nextZone().text(out.text("13")).text(reportTime(now)).endLine();
    out.blankLine(0);
    out.line(m.TitleLine1);
    out.line(m.TitleLine2);
    out.blankLine(0);
}

void printBeamSections(RowPrinter& out) {
    printBeamLines(out);
    printSteelSection(out);
    printPrecastConcrete(out);
    for (const RowGroup& g : rowGroups) printRowGroup(out, g);
    printInfillConcrete(out);
    printJointConcrete(out);
}

int16_t WriteReportInputPart(model::ProjectModel& m, runtime::ProgramContext& context, ReportFile& file) {
    // Without its texts the half prints nothing and fails: a report
    // without its input would otherwise pass for a whole one.
    ReportLanguageFile texts = openReportLanguageFile(m.LanguageIndex, context);
    RowPrinter out(m, file, texts);
    printReportHeader(out, context.localDateTime());
    printBeamSections(out);
    printSlabSections(out);
    printLoadSections(out);
    return 0;
}

}  // namespace quorvel::report
