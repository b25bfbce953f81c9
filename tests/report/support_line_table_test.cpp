#include "report/support_line_table.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "runtime/text_file.h"
#include "support/test_support.h"

namespace {

using quorvel::analysis::StationSideArray;
using quorvel::model::PointArray;
using quorvel::model::ProjectModel;
using quorvel::model::SidePointArray;
using quorvel::report::WriteSupportLineTable;
using quorvel::testing::TempFolder;

// The nine per-station tables as the analysis hands them over.
struct Tables {
    PointArray shearFlowA, shearFlowB;
    StationSideArray tvl0, tvl, resistance, thc, sigma1, ratio;
    SidePointArray filling;
};

void write(const ProjectModel& m, const Tables& t) {
    WriteSupportLineTable(m, t.shearFlowA, t.shearFlowB, t.tvl0, t.tvl, t.resistance, t.thc, t.sigma1,
                          t.ratio, t.filling);
}

// The file's lines, converted from Windows-1252.
std::vector<std::string> linesOf(const TempFolder& folder) {
    const std::string bytes = folder.read("quor.tu1");
    std::vector<std::string> lines;
    for (const auto& raw : quorvel::runtime::splitLines(bytes))
        lines.push_back(quorvel::runtime::cp1252ToUtf8(raw));
    return lines;
}

// A right-side slab field P27 with 10 plain strands and no top strands, two
// stations (n = 1).
ProjectModel rightSideProject(const TempFolder& folder) {
    ProjectModel m;
    m.DataPath = folder.dataPath();
    m.SlabSidePresent(2) = 1;
    m.SlabTypeName(2) = "P27";
    m.BottomStrandCount(2) = 10;
    m.BottomStrandType(2) = "0";
    m.TopStrandCount(2) = 0;
    m.TopStrandType(2) = "";
    m.BeamSpacing(2, 1) = 7980.0;
    m.BeamSpacing(2, 2) = 7980.0;
    m.SlabPrestressStress(2) = -5.04;
    m.SlabCrackingMoment(2) = 98.75;
    m.SlabUltimateMoment(2) = 161.0;
    m.AdditionalSafetyFactor = 1.2;
    m.CoreFillingLength(2) = 600.0;
    m.SlabUnitWidth(2) = 1200.0;
    m.CalculationPointCount = 1;
    return m;
}

TEST(SupportLineTable, HeaderAndRowsOfAnEdgeBeamInTheirColumns) {
    TempFolder folder;
    ProjectModel m = rightSideProject(folder);
    Tables t;
    // Station 0 at the beam start, station 1 at x = 1234.9 (rounded to 1235).
    m.CalculationPointX(0) = 0.0;
    m.CalculationPointX(1) = 1234.9;
    m.BeamShearDesign(0, 2) = 10000.0;  // N: 0.001 (10000 + 25000) = 35.0 kN
    m.BeamShearDesign(0, 5) = 25000.0;
    t.shearFlowA(0) = 10.0;             // vy = 10 + 2.5 = 12.5 N/mm
    t.shearFlowB(0) = 2.5;
    t.tvl0(0, 2) = 0.254;               // rounds to 0.25
    t.tvl(0, 2) = 0.125;                // half up on the third digit: 0.13
    m.SlabDesignShear(2, 0) = 61.25;    // 61.3 (half up)
    t.resistance(0, 2) = 140.04;        // 140.0
    t.thc(0, 2) = 0.375;                // 0.38
    t.sigma1(0, 2) = -1.25;             // -1.25 with the sign inside its width
    // gamlisä = 1 + (1.2 - 1) 0.375 / (0.375 + 0.125) = 1.15
    t.ratio(0, 2) = 1000.0;             // 999 or more prints as 999.00
    t.filling(2, 0) = 100;              // checked with 100 mm (dowels), the box 600: Lf 100
    // Slab moments per 1.2 m unit: 14.808e6 / 1.2 m = 12.34 kNm/m (12.3),
    // 19.992e6 / 1.2 = 16.66 kNm/m (16.7).
    m.SlabCharacteristicMoment(2, 0) = 14.808e6;
    m.SlabDesignMoment(2, 0) = 19.992e6;
    // Station 1: everything 0 except thc, so gamlisä = 1.2; not filled.
    t.thc(1, 2) = 0.5;
    t.ratio(1, 2) = 0.456;
    write(m, t);

    const auto lines = linesOf(folder);
    ASSERT_EQ(lines.size(), 9u);
    // "  Oikea laatta :  " (18 characters) and the designation run to
    // column 27; the next print zone starts at column 29.
    const std::string head = "  Oikea laatta :  P27-10- 0";
    EXPECT_EQ(lines[0], head + std::string(28 - head.size(), ' ') + "L =  7980 ...  7980 mm");
    EXPECT_EQ(lines[1], "  sigmacpm =  -5.0 MPa   Mr =   98.8 kNm/m    Mu =  161.0 kNm/m");
    EXPECT_EQ(lines[2], " ");
    EXPECT_EQ(lines[3],
              "  x   Vdpalk   vy    tvl0   tvl  Vdhc   Vuhc   thc  sigma1 gamlisä k-aste Lf  Mkhc   Mdhc  ");
    EXPECT_EQ(lines[4],
              " mm    kN     N/mm    MPa   MPa  kN/m   kN/m   MPa   MPa                  mm  kNm/m  kNm/m ");
    EXPECT_EQ(lines[5], " ");
    // Columns 1-5, 7-12, 14-19, 20-25, 26-31, 32-37, 39-44, 45-50, 52-57,
    // 60-63, 66-71, 73-76, 78-83, 85-90.
    EXPECT_EQ(lines[6], std::string("    0") + " " + "  35.0" + " " + "  12.5" + "  0.25" + "  0.13" +
                            "  61.3" + " " + " 140.0" + "  0.38" + " " + " -1.25" + "  " + "1.15" +
                            "  " + "999.00" + " " + " 100" + " " + "  12.3" + " " + "  16.7");
    EXPECT_EQ(lines[7], std::string(" 1235") + " " + "   0.0" + " " + "   0.0" + "  0.00" + "  0.00" +
                            "   0.0" + " " + "   0.0" + "  0.50" + " " + "  0.00" + "  " + "1.20" +
                            "  " + "  0.46" + " " + "   0" + " " + "   0.0" + " " + "   0.0");
    EXPECT_EQ(lines[8], "  ");
}

TEST(SupportLineTable, FileBytesAreWindows1252WithCrLf) {
    TempFolder folder;
    ProjectModel m = rightSideProject(folder);
    m.CalculationPointCount = 0;
    write(m, Tables{});
    const std::string bytes = folder.read("quor.tu1");
    const auto heading = bytes.find("sigma1 gamlis");
    ASSERT_NE(heading, std::string::npos);
    EXPECT_EQ(static_cast<unsigned char>(bytes[heading + 13]), 0xE4u);  // one byte for the a-umlaut
    // Each of the 8 lines (6 head lines, one row, the closing line) ends in
    // CR LF; the heading and unit lines are 91 characters of one byte each.
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "  \r\n");
    const auto lines = quorvel::runtime::splitLines(bytes);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[3].size(), 91u);
    EXPECT_EQ(lines[4].size(), 91u);
}

TEST(SupportLineTable, SidesWithoutSlabsWriteNothing) {
    TempFolder folder;
    ProjectModel m = rightSideProject(folder);
    m.SlabSidePresent(2) = 0;
    folder.write("quor.tu1", {"a line of an earlier calculation"});
    write(m, Tables{});
    EXPECT_EQ(folder.read("quor.tu1"), "");  // created empty, the old file emptied
}

TEST(SupportLineTable, MiddleBeamWritesLeftBlockThenRightWithFiftyOneRowsEach) {
    TempFolder folder;
    ProjectModel m = rightSideProject(folder);
    m.SlabSidePresent(1) = 1;
    m.SlabTypeName(1) = "P32";
    m.SlabUnitWidth(1) = 1200.0;
    m.BottomStrandCount(1) = 6;
    m.BottomStrandType(1) = "S";
    m.TopStrandCount(1) = 2;
    m.TopStrandType(1) = "T";
    m.CalculationPointCount = 50;
    for (int i = 0; i <= 50; ++i) m.CalculationPointX(i) = 200.0 * i;
    write(m, Tables{});
    const auto lines = linesOf(folder);
    // Per side: 6 head lines, 51 rows, the closing line.
    ASSERT_EQ(lines.size(), 2u * (6 + 51 + 1));
    EXPECT_EQ(lines[0].substr(0, 27), "  Vasen laatta :  P32- 6S- ");
    EXPECT_EQ(lines[0].substr(27, 2), "2T");
    EXPECT_EQ(lines[6 + 50].substr(0, 5), "10000");
    EXPECT_EQ(lines[58].substr(0, 26), "  Oikea laatta :  P27-10- ");
}

TEST(SupportLineTable, WideValuePushesTheRestOfTheRowOntoANewLineAtItsColumn) {
    TempFolder folder;
    ProjectModel m = rightSideProject(folder);
    m.CalculationPointCount = 0;
    // Vdpalk 0.001 (123456789 + 0) = 123456.8 takes columns 7-14, so the
    // tab to column 14 finds the line already past it.
    m.BeamShearDesign(0, 2) = 123456789.0;
    write(m, Tables{});
    const auto lines = linesOf(folder);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[6], "    0 123456.8");
    EXPECT_EQ(lines[7].substr(0, 19), std::string(13, ' ') + "   0.0");
    EXPECT_EQ(lines[7].size(), 90u);  // the rest of the row in its own columns
}

TEST(SupportLineTable, ValueThatIsNotANumberStopsTheWriteWithItsError) {
    TempFolder folder;
    ProjectModel m = rightSideProject(folder);
    m.CalculationPointCount = 0;
    Tables t;
    t.sigma1(0, 2) = std::numeric_limits<double>::infinity();
    EXPECT_EQ(quorvel::testing::errorOf([&] { write(m, t); }), 6);
    m.DataPath = folder.dataPath() + "missing/";
    EXPECT_EQ(quorvel::testing::errorOf([&] { write(m, Tables{}); }), 76);
}

}  // namespace
