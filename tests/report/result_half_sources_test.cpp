// The text sources of the report's result half (heading file, report
// language texts), its failure paths, and the row printers of the section
// tables against the captions they stand under.

#include <gtest/gtest.h>

#include <regex>

#include "report/report_headings.h"
#include "report/report_section_rows.h"
#include "report/report_texts.h"
#include "report/result_half_support.h"

namespace {

using quorvel::platform::Buttons;
using quorvel::platform::HeadlessPlatform;
using quorvel::platform::Icon;
using quorvel::report::ReportHeadings;
using quorvel::runtime::Value;
using namespace quorvel::testing;

// A heading file of count items "item n", with the given first lines.
std::string headingFile(int count, const std::vector<std::string>& firstLines = {}) {
    std::string bytes;
    for (const std::string& line : firstLines) bytes += line + "\r\n";
    for (int n = static_cast<int>(firstLines.size()) + 1; n <= count; ++n)
        bytes += "\"item " + std::to_string(n) + "\"\r\n";
    return bytes;
}

TEST(ReportHeadingFile, ReadsQuotedAndPlainItemsUpToTheLastOneNeeded) {
    TempFolder data;
    // Line 1 holds items 1 and 2: a quoted one with a comma, a plain one.
    // Line 2 a plain item after blanks, line 3 a quoted one keeping its
    // blanks. Three items too many stand at the end.
    data.writeRaw("TEKSTIT1.DA0", headingFile(194, {"\"Osa, A\",yc", "   EA", "\"  EI  \""}));
    const ReportHeadings h = ReportHeadings::read(data.dataPath(), 1);
    EXPECT_EQ(h(1), "Osa, A");
    EXPECT_EQ(h(2), "yc");
    EXPECT_EQ(h(3), "EA");
    EXPECT_EQ(h(4), "  EI  ");
    EXPECT_EQ(h(5), "item 4");  // the numbering follows the items, not the lines
    EXPECT_EQ(h(192), "item 191");
    EXPECT_EQ(errorOf([&] { (void)h(0); }), 9);
    EXPECT_EQ(errorOf([&] { (void)h(193); }), 9);
}

TEST(ReportHeadingFile, AMissingOrShortFileRaisesItsError) {
    TempFolder data;
    EXPECT_EQ(errorOf([&] { ReportHeadings::read(data.dataPath(), 0); }), 53);
    data.writeRaw("tekstit0.da0", headingFile(191));
    EXPECT_EQ(errorOf([&] { ReportHeadings::read(data.dataPath(), 0); }), 62);
    data.writeRaw("tekstit0.da0", headingFile(192));
    EXPECT_EQ(errorOf([&] { ReportHeadings::read(data.dataPath(), 0); }), 0);
}

TEST(ResultHalfFailures, AMissingOrShortHeadingFileEndsTheHalfBeforeItsFirstLine) {
    TempFolder data;
    HeadlessPlatform ui;
    useDeliveredLanguageFiles(ui);
    auto m = calculatedProject();
    m.DataPath = data.dataPath();
    ResultHalfRun run = runResultHalf(m, ui);
    EXPECT_EQ(run.status, 53);
    EXPECT_EQ(run.bytes, "");
    EXPECT_TRUE(run.leftOpen);

    data.writeRaw("TEKSTIT0.DA0", headingFile(100));
    run = runResultHalf(m, ui);
    EXPECT_EQ(run.status, 62);
    EXPECT_EQ(run.bytes, "");
    EXPECT_TRUE(ui.messages().empty());
}

// The half shows nothing: it returns file-not-found naming the file, which
// the window says in its language.
TEST(ResultHalfFailures, AMissingLanguageFileIsNamedAndReturnsFileNotFound) {
    TempFolder program;
    struct Case {
        int16_t language;
        std::string file;
    } cases[] = {
        {0, program.dataPath() + "resultLanguage.fin"},
        {1, program.dataPath() + "resultLanguage.eng"},
        // Any other language looks in the current folder.
        {2, "resultLanguage.fin"},
    };
    for (const Case& c : cases) {
        HeadlessPlatform ui;
        ui.setStrict(true);
        ui.setProgramFolder(program.dataPath());
        auto m = calculatedProject();
        m.LanguageIndex = c.language;
        const ResultHalfRun run = runResultHalf(m, ui);
        EXPECT_EQ(run.status, 53);
        EXPECT_EQ(run.bytes, "");
        EXPECT_EQ(m.FailedFile, c.file);
    }
}

TEST(ResultHalfFailures, ALanguageLineWithoutItsClosingQuoteStopsTheHalfWhereItIs) {
    TempFolder program;
    program.write("resultLanguage.fin", {"resultText198 = \"Momentin nollakohtien väli"});
    HeadlessPlatform ui;
    ui.setProgramFolder(program.dataPath());
    auto m = calculatedProject();
    const ResultHalfRun run = runResultHalf(m, ui);
    EXPECT_EQ(run.status, 5);
    EXPECT_TRUE(run.leftOpen);
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0], "    LASKENTATULOKSET");
}

// The report text keys of the result half: resultText198 to 226 and 247 to
// 253.
std::vector<int> halfKeys() {
    std::vector<int> keys;
    for (int k = 198; k <= 226; ++k) keys.push_back(k);
    for (int k = 247; k <= 253; ++k) keys.push_back(k);
    return keys;
}

TEST(ResultHalfTexts, EveryKeyOfTheHalfLandsInTheReport) {
    // A language file in which every text is its own key, and a project in
    // which every conditional row of the half is printed.
    TempFolder program;
    std::vector<std::string> echo;
    for (int k : halfKeys())
        echo.push_back("resultText" + std::to_string(k) + " = \"<" + std::to_string(k) + ">\"");
    std::string bytes;
    for (const std::string& line : echo) bytes += line + "\r\n";
    program.writeRaw("resultLanguage.fin", bytes);
    HeadlessPlatform ui;
    ui.setProgramFolder(program.dataPath());
    auto m = calculatedProject();
    m.SlabShearUtilisation(1) = 1.15;  // left over its limit, with no reserve left
    m.SideShearStressReserve(1) = 0.0;
    m.SideRequiredBeamStiffness(1) = 1e30;
    m.ActingDesignMoment = m.MaxDesignMoment = 700.0e6;  // over both resistances
    m.UtilisationRatio = 700.0 / 610.0;
    const ResultHalfRun run = runResultHalf(m, ui);
    ASSERT_EQ(run.status, 0);
    std::string all;
    for (const std::string& line : run.lines) all += line + "\n";
    for (int k : halfKeys()) EXPECT_NE(all.find("<" + std::to_string(k) + ">"), std::string::npos) << k;
}

TEST(ResultHalfTexts, BothDeliveredLanguagesHaveATextForEveryKeyOfTheHalf) {
    for (const char* name : {"resultLanguage.fin", "resultLanguage.eng"}) {
        quorvel::runtime::TextFileReader file(deliveredDataFolder() + name);
        for (int k : halfKeys())
            EXPECT_FALSE(quorvel::report::LookupQuotedEntry("resultText" + std::to_string(k), file).empty())
                << name << " " << k;
    }
}

// The columns at which the words or numbers of a line end (1-based), read
// from the file's one-byte-a-column text.
std::vector<int> fieldEnds(const std::string& utf8Line) {
    const std::string line = quorvel::runtime::utf8ToCp1252(utf8Line);
    std::vector<int> ends;
    const std::regex field(R"([^ ]+)");
    for (auto it = std::sregex_iterator(line.begin(), line.end(), field); it != std::sregex_iterator(); ++it)
        ends.push_back(static_cast<int>(it->position() + it->length()));
    return ends;
}

TEST(ResultHalfSectionTables, NumbersAndUnitsEndUnderTheirCaptions) {
    for (int language : {0, 1}) {
        HeadlessPlatform ui;
        useDeliveredLanguageFiles(ui);
        auto m = calculatedProject();
        m.LanguageIndex = static_cast<int16_t>(language);
        const ResultHalfRun run = runResultHalf(m, ui);
        ASSERT_EQ(run.status, 0);
        const std::string part = language == 0 ? "Osa " : "Part ";
        std::size_t caption = 0;
        while (caption < run.lines.size() && run.lines[caption].rfind(part, 0) != 0) ++caption;
        ASSERT_LT(caption + 4, run.lines.size());

        // Part table: captions A, yc, S, I, E; the unit line under them;
        // the precast beam's row four lines below.
        std::vector<int> captions = fieldEnds(run.lines[caption]);
        captions.erase(captions.begin());  // the "Part" head
        EXPECT_EQ(fieldEnds(run.lines[caption + 1]), captions) << run.lines[caption + 1];
        std::vector<int> row = fieldEnds(run.lines[caption + 4]);
        ASSERT_GE(row.size(), 5u);
        row.erase(row.begin(), row.end() - 5);  // the label may hold blanks
        EXPECT_EQ(row, captions) << run.lines[caption + 4];
        // The scale of S and I stands over their columns.
        EXPECT_EQ(fieldEnds(run.lines[caption + 2]), std::vector<int>(captions.begin() + 2, captions.begin() + 4));

        // Stiffness tables: EA, yc, ES, EAy^2, EI(own), EI over the six
        // numbers of a stage row.
        std::size_t stiffness = caption + 1;
        while (stiffness < run.lines.size() && run.lines[stiffness].rfind(part, 0) != 0) ++stiffness;
        ASSERT_LT(stiffness, run.lines.size());
        captions = fieldEnds(run.lines[stiffness]);
        captions.erase(captions.begin());
        const std::string stage = language == 0 ? "+ pintavalu" : "+ topping";
        const auto stageRow = std::find_if(run.lines.begin(), run.lines.end(),
                                           [&](const std::string& l) { return l.rfind(stage, 0) == 0; });
        ASSERT_NE(stageRow, run.lines.end());
        row = fieldEnds(*stageRow);
        row.erase(row.begin(), row.end() - 6);
        EXPECT_EQ(row, captions) << *stageRow;
    }
}

TEST(SectionRowPrinters, FieldsByHand) {
    TempFolder out;
    {
        quorvel::report::ReportFile file(out.file("r.tul"));
        // 380 x 600 precast beam, Ecm 33000: A 228000 mm2, yc 300 mm,
        // S 68.4e6 mm3, I 6.84e9 mm4; EA 7.524e9 N = 7524 MN, ES 2.2572e12
        // Nmm = 2257.2 MNm, ES / EA = 300 mm, EI 2.2572e14 Nmm2 = 225.72
        // MNm2, EAy^2 about 420 mm: 7.524e9 x 120^2 = 1.0835e14 = 108.35.
        quorvel::report::PrintPartPropertiesRow(file, "Palkkibetoni ", 33000.0, 228000.0, 300.0, 68.4e6, 6.84e9);
        quorvel::report::PrintPartStiffnessRow(file, "Palkkibetoni ", 7.524e9, 2.2572e12, 7.524e9 * 14400, 2.2572e14);
        // An empty part prints zeros: its centroid divides by EA + 1e-6.
        quorvel::report::PrintPartStiffnessRow(file, "Pintavalu    ", Value(), Value(), Value(), Value());
        quorvel::report::PrintSectionStiffnessRow(file, "+ laatat     ", 7.524e9, 2.2572e12, 1.0835e14, 2.2572e14,
                                                  3.3407e14);
        file.close();
    }
    const auto lines = quorvel::runtime::splitLines(out.read("r.tul"));
    ASSERT_EQ(lines.size(), 4u);
    // Widths: 10.0, 8.1 (10), 7.3 (11), 7.3 (11), 10.0; 7.2 (10), 8.1 (10),
    // 8.2 (11), 8.2 (11), 7.2 (10), 6.2 (9).
    EXPECT_EQ(lines[0], "Palkkibetoni     228000     300.0     68.400   6840.000     33000");
    EXPECT_EQ(lines[1], "Palkkibetoni    7524.00     300.0    2257.20     108.35    225.72");
    EXPECT_EQ(lines[2], "Pintavalu          0.00       0.0       0.00       0.00      0.00");
    EXPECT_EQ(lines[3], "+ laatat        7524.00     300.0    2257.20     108.35    225.72   334.07");
}

}  // namespace
