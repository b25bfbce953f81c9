// Conditional blocks of the input half, its mends, and the steps and
// failures of the results writer.

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "report/report_input_half.h"
#include "report/report_test_support.h"
#include "report/results_file.h"

namespace quorvel::report {
namespace {

using platform::Buttons;
using platform::Icon;
using testing::defaultReportModel;
using testing::ReportFolder;
using testing::reportLines;

struct Report {
    int status = -1;
    std::vector<std::string> lines;
    std::string text;

    bool has(const std::string& s) const { return text.find(s) != std::string::npos; }
    int count(const std::string& s) const {
        int n = 0;
        for (auto at = text.find(s); at != std::string::npos; at = text.find(s, at + 1)) ++n;
        return n;
    }
    // The first line that holds s, or "".
    std::string line(const std::string& s) const {
        for (const std::string& l : lines)
            if (l.find(s) != std::string::npos) return l;
        return "";
    }
    // Index of the first line that holds s, -1 when none.
    int index(const std::string& s) const {
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].find(s) != std::string::npos) return static_cast<int>(i);
        return -1;
    }
};

// Column (from 1) at which s starts in the line (one byte per letter as in
// the file), 0 when absent.
int columnOf(const std::string& line, const std::string& s) {
    const auto at = runtime::utf8ToCp1252(line).find(runtime::utf8ToCp1252(s));
    return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

Report readReport(ReportFolder& f, int status) {
    Report r;
    r.status = status;
    const std::string bytes = f.folder.read("r.tul");
    r.text = runtime::cp1252ToUtf8(bytes);
    r.lines = reportLines(bytes);
    return r;
}

// The input half alone, in English.
Report english(ProjectModel m) {
    ReportFolder f;
    m.LanguageIndex = 1;
    ReportFile file(f.folder.file("r.tul"));
    const int status = WriteReportInputPart(m, f.ui, file);
    file.close();
    return readReport(f, status);
}

// A stand-in for the result half: one line, and the given status.
ReportHalf resultHalfStub(int16_t status) {
    return [status](model::ProjectModel&, runtime::ProgramContext&, ReportFile& file) -> int16_t {
        file.line("RESULT HALF");
        return status;
    };
}

// ---------------------------------------------------------------------------
// Beam and its section

TEST(InputHalfBeam, ConcreteBeamGoesFromTheHeightsStraightToThePrecastBlock) {
    const Report r = english(defaultReportModel());
    EXPECT_FALSE(r.has("STEEL SECTION"));
    const int heights = r.index("Nominal height");
    ASSERT_GE(heights, 0);
    ASSERT_LT(heights + 2, static_cast<int>(r.lines.size()));
    EXPECT_EQ(r.lines[heights + 1], "");
    EXPECT_EQ(r.lines[heights + 2], "CONCRETE BEAM");
}

TEST(InputHalfBeam, BottomWidthRowOnlyForABeamWithABottomWidthOfItsOwn) {
    // A rectangular beam leaves its bottom width empty: no "ba" row (it
    // would read 0 mm).
    ProjectModel m = defaultReportModel();
    m.BottomFlangeWidth = Value();
    EXPECT_FALSE(english(m).has("ba (bottom)"));
    m.BottomFlangeWidth = m.BeamWidth;
    EXPECT_FALSE(english(m).has("ba (bottom)"));
    m.BottomFlangeWidth = 580;
    EXPECT_EQ(english(m).line("ba (bottom)"),
              std::string(39, ' ') + "Width     ba (bottom)    =  580 mm");
}

TEST(InputHalfBeam, HqIsPrintedAsWqWithOneGradeLineAndCwWithThree) {
    ProjectModel m = defaultReportModel();
    m.BeamTypeName = "HQ";
    m.SteelPlateCount = 3;
    m.SteelGrade = 355;
    m.SteelYieldStrength = 355;
    m.SteelDesignStrength = 355;
    Report r = english(m);
    EXPECT_TRUE(r.has("Beam WQ, span L =  6000 mm  "));
    // The spacing line starts at column length("HQ") + 7.
    EXPECT_EQ(columnOf(r.line("beam spacing"), "beam spacing"), 9);
    EXPECT_EQ(r.count("fyd  ="), 1);
    const std::string grade = r.line("Steel grade");
    EXPECT_EQ(columnOf(grade, "S355"), 29);
    EXPECT_EQ(columnOf(grade, "fyk"), 40);

    m.BeamTypeName = "CWQ";
    for (int i = 0; i <= 2; ++i) m.PlateSteelGrade[i] = 355 + 65 * i;
    r = english(m);
    EXPECT_EQ(r.count("fyd  ="), 3);
    EXPECT_EQ(columnOf(r.line("Bottom flange  "), "S485"), 29);
    ASSERT_GE(r.index("Bottom flange  "), 0);
    EXPECT_EQ(r.lines[r.index("Bottom flange  ") + 1], "");
}

TEST(InputHalfBeam, BeamFamiliesPrintTheirOwnSectionRows) {
    ProjectModel m = defaultReportModel();
    m.SteelPlateCount = 2;
    m.WebHeight = 400;
    m.WebThickness = 8;
    m.AngleSteelHeight = 120;
    m.LeftLedgeWidth = 90;
    m.RightLedgeWidth = 80;
    m.BottomFlangeWidth = 300;
    m.BottomFlangeThickness = 20;
    m.TopFlangeWidth = 200;
    m.TopFlangeThickness = 15;

    // BE: the angle rows, each on its own line, both values; none of the
    // flange, web or ledge rows.
    m.BeamTypeName = "BE";
    Report r = english(m);
    EXPECT_TRUE(r.has("Steel angles"));
    EXPECT_FALSE(r.has("Web height"));
    EXPECT_FALSE(r.has("Top flange width"));
    const std::string flange = r.line("Flange ");
    EXPECT_EQ(flange.substr(0, 6), "Flange");
    EXPECT_EQ(columnOf(flange, "  90"), 28);
    EXPECT_EQ(columnOf(flange, "  80"), 35);
    EXPECT_EQ(r.line("Height ").substr(0, 6), "Height");
    EXPECT_NE(r.line("th ").find("Top plate"), std::string::npos);
    // Its top group is the bars welded to the angle steel, by their
    // distance from the bottom as the dialog asks them.
    m.TopRebarRowCount = 1;
    r = english(m);
    EXPECT_TRUE(r.has("Bars welded to the angle steel"));
    EXPECT_EQ(r.count("Distance from top"), 0);
    EXPECT_EQ(r.count("Distance from bottom"), 2);  // the strands' and the bars'
    m.TopRebarRowCount = 0;

    // LB: no web rows; DE and AP: the bottom width holds both ledges.
    m.BeamTypeName = "LBL";
    EXPECT_FALSE(english(m).has("Web height"));
    m.BeamTypeName = "DELTA";
    EXPECT_NE(english(m).line("Bottom flange width").find("=  470"), std::string::npos);
    m.BeamTypeName = "SUPER";
    EXPECT_NE(english(m).line("Bottom flange width").find("=  300"), std::string::npos);
}

TEST(InputHalfBeam, InfillPrintsFcdWholeAndSlabsOnLedgeMoveTheJointHeight) {
    ProjectModel m = defaultReportModel();
    m.InfillPartCount = 1;
    m.ConcreteStrengthByKind(2) = 30;
    m.ConcreteQualityClass(2) = 2;
    m.ConcreteFcd(2) = 17.9;  // rounded, never cut
    Report r = english(m);
    const std::string infill = r.line("C 30-2");
    EXPECT_EQ(columnOf(infill, "fcd  =  18    MPa"), 40);
    EXPECT_EQ(columnOf(r.line("C 25-2"), "fcd  =  14.2  MPa"), 40);
    EXPECT_EQ(r.count("     mm               mm           mm                 mm"), 2);

    m.InfillPartCount = 0;
    m.SlabsOnLedge = 1;
    r = english(m);
    EXPECT_EQ(r.count("     mm               mm           mm                 mm"), 0);
    const int head = r.index("Bottom width");
    ASSERT_GE(head, 0);
    EXPECT_EQ(columnOf(r.lines[head + 1], "265"), 39);  // 4.0 at column 38
}

// ---------------------------------------------------------------------------
// Slab fields

TEST(InputHalfSlabs, EdgeBeamShowsOnlyTheSideThatCarriesSlabs) {
    ProjectModel m = defaultReportModel();
    m.SlabSidePresent(1) = 0;
    m.SlabSidePresent(2) = 1;
    m.EffectiveAdditionalSafetyFactor(1) = 9.99;  // the absent side's, never printed
    m.EffectiveAdditionalSafetyFactor(2) = 1.10;
    m.SlabFieldEdgeDistance1 = 1200;
    m.SlabFieldEdgeDistance2 = 3400;
    m.HoleCount(2) = 1;  // the edge distances print with the holes
    Report r = english(m);
    // The right value only, still at its own column; the left description
    // and concrete texts are empty.
    EXPECT_EQ(r.line("Effective span at the beam start"),
              "Effective span at the beam start      L1       =            6855   mm");
    EXPECT_EQ(r.line("Slab type and strands"), "Slab type and strands" + std::string(37, ' ') + "P27- 6- 0");
    EXPECT_EQ(columnOf(r.line("Slab concrete"), "C 40-1"), 60);
    EXPECT_EQ(r.line("Slab concrete").find("C 40-1"), r.line("Slab concrete").rfind("C 40-1"));
    // The slab field edges are per beam end: both, under start and end.
    const int edge = r.index("Distance to the slab field edge");
    ASSERT_GE(edge, 1);
    EXPECT_EQ(r.lines[edge], "Distance to the slab field edge                = 1200      3400    mm");
    EXPECT_EQ(columnOf(r.lines[edge - 1], "Start"), 47);
    EXPECT_EQ(columnOf(r.lines[edge - 1], "End"), 60);
    EXPECT_EQ(r.line("gam.lis"), "Add. safety, given/used gam.lis = 1.00 / 1.10");
    // The slab concrete's factor is that of the side's quality class (its
    // fctd was formed with it), here the right side's class 2.
    m.ConcreteQualityClass(4) = 3;  // the absent side's, never printed
    m.ConcreteQualityClass(5) = 2;
    r = english(m);
    EXPECT_EQ(r.line("Slab concrete           gam"), "Slab concrete           gam.c   = 1.50");

    m.SlabSidePresent(1) = 1;
    m.SlabSidePresent(2) = 0;
    r = english(m);
    EXPECT_EQ(r.line("Effective span at the beam end"), "Effective span at the beam end        L2       =  6855             mm");
    EXPECT_EQ(r.line("gam.lis"), "Add. safety, given/used gam.lis = 1.00 / 9.99");
    EXPECT_EQ(r.line("Slab concrete           gam"), "Slab concrete           gam.c   = 1.90");
    // Both sides, each by its own class: 1.35 (class 1) and 1.5 (class 2).
    m.SlabSidePresent(2) = 1;
    m.ConcreteQualityClass(4) = 1;
    r = english(m);
    EXPECT_EQ(r.line("Slab concrete           gam"), "Slab concrete           gam.c   = 1.35 / 1.50");
}

TEST(InputHalfSlabs, StrandTypeZeroAddsNothingAndAClearSpanIsNeverNegative) {
    ProjectModel m = defaultReportModel();
    m.BottomStrandType(1) = "L";
    m.TopStrandCount(1) = 2;
    m.TopStrandType(1) = "S";
    m.SlabSupportLength(2) = 7000;  // longer than the analysed spacing
    const Report r = english(m);
    EXPECT_NE(r.line("Slab type and strands").find("P27- 6L- 2S"), std::string::npos);
    EXPECT_NE(r.line("Slab type and strands").find("P27- 6- 0"), std::string::npos);
    EXPECT_EQ(r.line("Effective span at the beam start"),
              "Effective span at the beam start      L1       =  6855         0   mm");
}

TEST(InputHalfSlabs, ToppingBlockNeedsMoreThanAThousandthOfAMillimetre) {
    ProjectModel m = defaultReportModel();
    m.SideToppingThickness(1) = 0.0005;
    m.SideToppingThickness(2) = 0.0005;
    EXPECT_FALSE(english(m).has("SLAB WITH TOPPING"));
    m.SideToppingThickness(2) = 0.0006;
    m.ToppedSlabMomentOfInertia(1) = 1e9;
    m.ToppedSlabMomentOfInertia(2) = 1e9;
    const Report r = english(m);
    EXPECT_TRUE(r.has("SLAB WITH TOPPING"));
    EXPECT_TRUE(r.has("Topping reinforcement"));
    EXPECT_TRUE(r.has("Topping concrete C"));
}

TEST(InputHalfSlabs, HolesOfOneSideNumberTheirBlocksAndTheEdgeRowFollowsOnce) {
    ProjectModel m = defaultReportModel();
    EXPECT_FALSE(english(m).has("HOLES"));
    m.HoleCount(1) = 2;
    m.HoleX(1, 2) = 2500;
    const Report r = english(m);
    EXPECT_EQ(r.count("Hole 1 :"), 1);
    EXPECT_EQ(r.count("Hole 2 :"), 1);
    EXPECT_EQ(r.count("Hole 3"), 0);
    EXPECT_EQ(r.count("Distance to the slab field edge"), 1);
    ASSERT_GE(r.index("Hole 2 :"), 0);
    EXPECT_EQ(r.lines[r.index("Hole 2 :") + 4], "Position from the beam start          xr       = 2500         0    mm");
}

// ---------------------------------------------------------------------------
// Loads, moments, factors

TEST(InputHalfLoads, SlabLoadBlocksOnlyForTheSidesThatHaveLoads) {
    ProjectModel m = defaultReportModel();
    Report r = english(m);
    EXPECT_FALSE(r.has("Line loads on the slab fields"));
    EXPECT_FALSE(r.has("Point loads on the slab fields"));

    m.SlabPointLoadCount(2) = 1;
    m.SlabPointLoadG(1, 2) = 12;
    m.SlabPointLoadQ(1, 2) = 8;
    m.SlabPointLoadX(1, 2) = 900;
    m.SlabPointLoadY(1, 2) = 2500;
    r = english(m);
    EXPECT_FALSE(r.has("Line loads on the slab fields"));
    const int head = r.index("Point loads on the slab fields");
    ASSERT_GE(head, 0);
    // Point loads are forces: kN over them, not kN/m.
    EXPECT_EQ(r.lines[head + 1].substr(0, 5), "Right");
    EXPECT_NE(r.lines[head + 1].find("gk kN     qk kN"), std::string::npos);
    EXPECT_EQ(r.lines[head + 1].find("kN/m"), std::string::npos);
    // 1.15 * 12 = 13.8 and 1.5 * 8 = 12.0 design values.
    EXPECT_EQ(r.lines[head + 2], "                        P =    12.0     8.0      13.8   12.0      900      2500");
}

TEST(InputHalfLoads, BeamLineLoadsPrintOnlyWhatHasASum) {
    ProjectModel m = defaultReportModel();
    m.BeamLineLoadG1 = 5;
    m.BeamLineLoadG2 = -5;
    Report r = english(m);
    EXPECT_FALSE(r.has("qk,beg"));
    EXPECT_FALSE(r.has("gv ="));
    m.BeamLineLoadQ1 = 2;
    r = english(m);
    EXPECT_TRUE(r.has("Line load on the beam        qk,beg  qk,end   qd,beg  qd,end   x,beg  length"));
    EXPECT_FALSE(r.has("gv ="));
    EXPECT_TRUE(r.has("qv ="));
}

TEST(InputHalfLoads, SupportMomentsAndTheirDesignValues) {
    ProjectModel m = defaultReportModel();
    m.SupportMomentStartBeforeGrouting = -10;
    m.SupportMomentEndVariable = -20;
    const Report r = english(m);
    // Grouting stage: (6.3365 + 29.808 + 1.3685) / (5.51 + 25.92 + 1.19)
    // = 37.513 / 32.62 = 1.14999; -10 * 1.14999 = -11.4999 -> -11.5.
    EXPECT_NE(r.line("M.ta0g").find("M.ta0g =  -10.0 kNm  -11.5 kNm"), std::string::npos);
    // Variable: 1.5 * -20 = -30.0.
    EXPECT_NE(r.line("M.tb2q").find("M.tb2q =  -20.0 kNm  -30.0 kNm"), std::string::npos);
}

TEST(InputHalfFactors, GroupFactorsOnlyWithTheirPartsAndConcreteFactorsByClass) {
    ProjectModel m = defaultReportModel();
    m.ConcreteQualityClass(1) = 2;  // fcd of the beam formed with 1.5
    Report r = english(m);
    EXPECT_EQ(r.line("Beam concrete"), "Beam concrete           gam.c   = 1.50");
    EXPECT_FALSE(r.has("Structural steel"));
    EXPECT_FALSE(r.has("Infill concrete "));
    EXPECT_FALSE(r.has("Other reinforcement"));

    m.ConcreteQualityClass(1) = 3;
    m.PrecastPartCount = 0;
    m.InfillPartCount = 1;
    m.ConcreteQualityClass(2) = 1;
    m.SteelPlateCount = 1;
    m.SteelPartialFactor = 1.0;
    m.ReinforcementRowCount = 0;
    m.SteelBeamRebarRowCount = 1;
    m.TopAndSteelBeamRebarPartialFactor = 1.15;
    r = english(m);
    EXPECT_FALSE(r.has("gam.c   = 1.90"));  // no precast part: no beam concrete factor
    EXPECT_EQ(r.line("Infill concrete  "), "Infill concrete         gam.c   = 1.35");
    EXPECT_EQ(r.line("Structural steel"), "Structural steel        gam.s   = 1.00");
    EXPECT_EQ(r.line("Other reinforcement"), "Other reinforcement     gam.r   = 1.15");
    EXPECT_FALSE(r.has("Main reinforcement      gam.r"));
}

// ---------------------------------------------------------------------------
// Failures

// The half shows nothing: the missing file ends the report with its name,
// which the window says in its language.
TEST(InputHalfFailures, MissingLanguageFileIsNamedAndFailsTheHalf) {
    for (int16_t language : {0, 1}) {
        testing::TempFolder folder;  // a program folder without report texts
        platform::HeadlessPlatform ui;
        ui.setStrict(true);
        ui.setProgramFolder(folder.dataPath());
        ProjectModel m = defaultReportModel();
        m.LanguageIndex = language;
        folder.write("r.tul", {"OLD REPORT"});
        bool resultHalfRan = false;
        const int16_t status = writeReportFile(m, ui, folder.file("r.tul"), WriteReportInputPart,
                                               [&](ProjectModel&, runtime::ProgramContext&, ReportFile&) -> int16_t {
                                                   resultHalfRan = true;
                                                   return 0;
                                               });
        ui.verify();
        EXPECT_EQ(status, 53);
        EXPECT_EQ(m.CalculationStatus[3], 53);
        EXPECT_EQ(m.FailedFile, folder.dataPath() + (language == 0 ? "resultLanguage.fin" : "resultLanguage.eng"));
        EXPECT_FALSE(resultHalfRan);
        EXPECT_EQ(folder.read("r.tul"), "OLD REPORT\r\n");
    }
}

TEST(InputHalfFailures, UnclosedQuoteEndsTheReportWithFiveAndLeavesNoFragment) {
    ReportFolder f;
    f.folder.write("resultLanguage.fin", {"resultText1 = \"QUORVEL\"", "resultText2 = \"no end"});
    ProjectModel m = defaultReportModel();
    const int16_t status = writeReportFile(m, f.ui, f.folder.file("r.tul"), WriteReportInputPart, resultHalfStub(0));
    EXPECT_EQ(status, 5);
    EXPECT_EQ(m.CalculationStatus[3], 5);
    EXPECT_FALSE(std::filesystem::exists(f.folder.file("r.tul")));
}

TEST(InputHalfFailures, ArithmeticFaultsAreErrorsNeverInfOrNan) {
    ReportFolder f;
    // No grouting-stage loads: the support moments' design values are their
    // load rows' factors, never a quotient of those loads (before: 0 / 0).
    ProjectModel m = defaultReportModel();
    m.BeamSelfWeight = 0;
    m.SlabSelfWeightLineLoad(1) = 0;
    m.JointConcreteLineLoad = 0;
    EXPECT_EQ(writeReportFile(m, f.ui, f.folder.file("r.tul"), WriteReportInputPart, resultHalfStub(0)), 0);
    // Slab webs of no width.
    m = defaultReportModel();
    m.SlabWebWidthSum(2) = 0;
    EXPECT_EQ(writeReportFile(m, f.ui, f.folder.file("r.tul"), WriteReportInputPart, resultHalfStub(0)), 11);
    // A value that is not a finite number.
    m = defaultReportModel();
    m.BeamSpan = std::numeric_limits<double>::infinity();
    EXPECT_EQ(writeReportFile(m, f.ui, f.folder.file("r.tul"), WriteReportInputPart, resultHalfStub(0)), 6);
    EXPECT_EQ(f.folder.read("r.tul").find("inf"), std::string::npos);
}

// ---------------------------------------------------------------------------
// The results writer's own steps (with a stand-in result half)

TEST(ResultsWriter, RunsBothHalvesInOrderAndReturnsTheResultHalfStatus) {
    ReportFolder f;
    ProjectModel m = defaultReportModel();
    m.CalculationStatus[0] = 0;
    m.CalculationStatus[3] = 77;
    EXPECT_EQ(writeReportFile(m, f.ui, f.folder.file("r.tul"), WriteReportInputPart, resultHalfStub(0)), 0);
    EXPECT_EQ(m.CalculationStatus[3], 0);
    EXPECT_EQ(m.CalculationStatus[4], 0);
    Report r = readReport(f, 0);
    EXPECT_EQ(r.lines.front().substr(0, 7), "QUORVEL");
    EXPECT_EQ(r.lines.back(), "RESULT HALF");

    // A result half that ends with its own status: the status is the
    // result, and the whole report written before stays byte for byte.
    const std::string whole = f.folder.read("r.tul");
    auto failing = [](ProjectModel&, runtime::ProgramContext&, ReportFile& file) -> int16_t {
        file.line("PART");
        return 62;
    };
    EXPECT_EQ(writeReportFile(m, f.ui, f.folder.file("r.tul"), WriteReportInputPart, failing), 62);
    EXPECT_EQ(m.CalculationStatus[4], 62);
    EXPECT_EQ(f.folder.read("r.tul"), whole);

    // A run-time error escaping the result half is its status too.
    auto raising = [](ProjectModel&, runtime::ProgramContext&, ReportFile& file) -> int16_t {
        file.line("PART");
        throw runtime::RunTimeError(runtime::ErrInputPastEndOfFile);
    };
    EXPECT_EQ(writeReportFile(m, f.ui, f.folder.file("r.tul"), WriteReportInputPart, raising), 62);
    EXPECT_EQ(m.CalculationStatus[3], 0);
    EXPECT_EQ(m.CalculationStatus[4], 62);
    EXPECT_EQ(f.folder.read("r.tul"), whole);
    // No temporary file is left beside it.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(f.folder.path())) ++files;
    EXPECT_EQ(files, 3);  // the report and the two report text files
}

TEST(ResultsWriter, UnwritablePathReturnsItsNumberAndWritesNothing) {
    ReportFolder f;
    ProjectModel m = defaultReportModel();
    bool ran = false;
    auto half = [&](ProjectModel&, runtime::ProgramContext&, ReportFile&) -> int16_t {
        ran = true;
        return 0;
    };
    EXPECT_EQ(writeReportFile(m, f.ui, f.folder.file("no/such/folder/r.tul"), half, half), 76);
    EXPECT_FALSE(ran);
}

TEST(ResultsWriter, WritingTwiceGivesIdenticalFilesAndAFailureDoesNotBlockTheNext) {
    ReportFolder f;
    ProjectModel m = defaultReportModel();
    ASSERT_EQ(writeReportFile(m, f.ui, f.folder.file("a.tul"), WriteReportInputPart, resultHalfStub(0)), 0);
    ProjectModel broken = m;
    broken.JointConcreteLineLoad = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(writeReportFile(broken, f.ui, f.folder.file("b.tul"), WriteReportInputPart, resultHalfStub(0)), 5);
    ASSERT_EQ(writeReportFile(m, f.ui, f.folder.file("b.tul"), WriteReportInputPart, resultHalfStub(0)), 0);
    EXPECT_EQ(f.folder.read("a.tul"), f.folder.read("b.tul"));
    EXPECT_GT(f.folder.read("a.tul").size(), 3000u);
}

}  // namespace
}  // namespace quorvel::report
