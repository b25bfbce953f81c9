#include "report/report_input_half.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>

#include "platform/forms/utf8.h"
#include "report/report_test_support.h"
#include "report/report_text_keys.h"
#include "report/results_file.h"
#include "support/golden.h"

namespace quorvel::report {
namespace {

using testing::defaultReportModel;
using testing::ReportFolder;
using testing::reportLines;

struct Written {
    std::string text;          // UTF-8, CR LF kept
    std::vector<std::string> lines;
    int status = -1;
    int forcedLineBreaks = 0;
    std::set<std::string> keys;
};

// Runs the input half on the model into a report file of the folder.
Written inputHalf(ProjectModel& m, ReportFolder& f) {
    Written w;
    ReportFile file(f.folder.file("report.tul"));
    w.status = WriteReportInputPart(m, f.ui, file);
    w.forcedLineBreaks = file.forcedLineBreaks();
    file.close();
    w.text = runtime::cp1252ToUtf8(f.folder.read("report.tul"));
    w.lines = reportLines(f.folder.read("report.tul"));
    return w;
}

// A spilled row leaves a line that holds nothing but blanks and a unit.
void expectNoSpilledRow(const Written& w) {
    static const std::regex loneUnit(R"(^ +(mm|MPa|kN|kN/m|kNm|mm2|mm2/m|m2|m3|m4|1/m|%|kpl|pcs)$)");
    for (const std::string& l : w.lines) {
        EXPECT_FALSE(std::regex_match(l, loneUnit)) << "[" << l << "]";
        EXPECT_LE(platform::utf8::length(l), ReportWidth) << "[" << l << "]";
    }
    EXPECT_EQ(w.forcedLineBreaks, 0);
}

// Every block that can be shown: steel plates, precast and infill
// concrete, the three reinforcement groups, topping, holes, slab and beam
// line and point loads.
ProjectModel everyBlockModel(const std::string& type) {
    ProjectModel m = defaultReportModel();
    m.BeamTypeName = type;
    m.SteelPlateCount = 3;
    m.SteelGrade = 355;
    m.SteelYieldStrength = 355;
    m.SteelDesignStrength = 355;
    for (int i = 0; i <= 2; ++i) {
        m.PlateSteelGrade[i] = 355 + 65 * i;
        m.PlateYieldStrength[i] = 355 + 65 * i;
        m.PlateDesignStrength[i] = 355 + 65 * i;
    }
    m.SteelPartialFactor = 1.0;
    m.TopFlangeWidth = 300;
    m.TopFlangeThickness = 20;
    m.WebHeight = 520;
    m.WebThickness = 12;
    m.WebHoleDiameter = 150;
    m.WebHoleEdgeDistance = 60;
    m.InnerProfileWidth = 200;
    m.InnerProfileFlangeThickness = 15;
    m.InnerProfileHeight = 300;
    m.BottomFlangeWidth = 560;
    m.BottomFlangeThickness = 25;
    m.LeftLedgeHeight = 40;
    m.RightLedgeHeight = 40;
    m.LeftLedgeWidth = 90;
    m.RightLedgeWidth = 90;
    m.LeftLedgeDepth = 100;
    m.RightLedgeDepth = 100;
    m.BoxHeight = 100;
    m.BoxPlateThickness = 10;
    m.AngleSteelHeight = 120;
    m.InfillPartCount = 2;
    m.ConcreteStrengthByKind(2) = 30;
    m.ConcreteFck(2) = 30;
    m.ConcreteFcd(2) = 0.85 * 30 / 1.5;
    m.ConcreteEcm(2) = 32837;
    m.ConcreteQualityClass(2) = 2;
    for (int p = 1; p <= 2; ++p) {
        m.InfillPartBottomWidth(p) = 200;
        m.InfillPartTopWidth(p) = 200;
        m.InfillPartHeight(p) = 100 * p;
        m.InfillPartLevel(p) = 25 + 100 * (p - 1);
    }
    m.TopRebarRowCount = 1;
    m.TopBarsInRow(1) = 2;
    m.TopBarArea(1) = 201;
    m.TopBarDistanceFromTop(1) = 40;
    m.TopRebarStrength = 500;
    m.TopRebarDesignStrength = 500 / 1.15;
    m.TopRebarModulus = 200000;
    m.SteelBeamRebarRowCount = 2;
    for (int r = 1; r <= 2; ++r) {
        m.SteelBeamBarsInRow(r) = 3;
        m.SteelBeamBarArea(r) = 314;
        m.SteelBeamBarDistance(r) = 50 * r;
    }
    m.SteelBeamRebarStrength = 500;
    m.SteelBeamRebarDesignStrength = 500 / 1.15;
    m.SteelBeamRebarModulus = 200000;
    m.TopAndSteelBeamRebarPartialFactor = 1.15;

    m.ToppingThickness = 50;
    for (int s = 1; s <= 2; ++s) {
        m.SideToppingThickness(s) = 50;
        m.ToppedSlabArea(s) = 224000;
        m.ToppedSlabFirstMoment(s) = 9.9e6;
        m.ToppedSlabMomentOfInertia(s) = 2.6e9;
        m.ToppedSlabCentroidPhc(s) = 163.2;
        m.HoleCount(s) = s;
        for (int k = 1; k <= s; ++k) {
            m.HoleWidthB(s, k) = 300;
            m.HoleLengthA(s, k) = 400;
            m.HoleY(s, k) = 0;
            m.HoleX(s, k) = 1500 * k;
        }
        m.SlabLineLoadCount(s) = 1;
        m.SlabLineLoadG(1, s) = 5;
        m.SlabLineLoadQ(1, s) = 2;
        m.SlabLineLoadY(1, s) = 3000;
        m.SlabPointLoadCount(s) = 2;
        for (int i = 1; i <= 2; ++i) {
            m.SlabPointLoadG(i, s) = 10;
            m.SlabPointLoadQ(i, s) = 20;
            m.SlabPointLoadX(i, s) = 1000;
            m.SlabPointLoadY(i, s) = 2000 * i;
        }
    }
    m.ConcreteStrengthByKind(6) = 25;
    m.ConcreteQualityClass(6) = 2;
    m.ConcreteEcm(6) = 31476;
    m.ToppingReinforcementArea = 257;
    m.ToppingReinforcementDesignStrength = 500 / 1.15;
    m.BeamLineLoadG1 = 4;
    m.BeamLineLoadG2 = 6;
    m.BeamLineLoadGX = 1000;
    m.BeamLineLoadGLength = 3000;
    m.BeamLineLoadG1Design = 1.15 * 4;
    m.BeamLineLoadG2Design = 1.15 * 6;
    m.BeamLineLoadQ1 = 3;
    m.BeamLineLoadQ2 = 3;
    m.BeamLineLoadQX = 0;
    m.BeamLineLoadQLength = 6000;
    m.BeamLineLoadQ1Design = 4.5;
    m.BeamLineLoadQ2Design = 4.5;
    m.BeamPointLoadCount = 2;
    for (int p = 1; p <= 2; ++p) {
        m.BeamPointLoad(1, p) = 15;
        m.BeamPointLoad(2, p) = 25;
        m.BeamPointLoadX[p] = 2000 * p;
    }
    return m;
}

// ---------------------------------------------------------------------------
// Golden reports (support/golden.h).

void compareWithGolden(const Written& w, const std::string& name) {
    quorvel::testing::expectSameAsGolden(std::string(QUORVEL_FIXTURES_DIR) + "/reports/" + name,
                                         runtime::utf8ToCp1252(w.text));
}

// Every value is its own key, so the report shows which key is where.
void writeKeyEchoLanguageFile(const std::string& path) {
    runtime::TextFileReader source(testing::dataFile("resultLanguage.fin"));
    runtime::TextFileWriter out(path);
    while (!source.eof()) {
        const std::string line = source.readLine();
        const auto eq = line.find('=');
        if (line.empty() || line[0] == '\'' || eq == std::string::npos) continue;
        std::string key = line.substr(0, eq);
        key.erase(key.find_last_not_of(' ') + 1);
        out.line(key + " = \"" + key + "\"");
    }
    out.close();
}

class GoldenInputHalf : public ::testing::TestWithParam<int> {};

TEST_P(GoldenInputHalf, DefaultProjectAsLaidOut) {
    ReportFolder f;
    ProjectModel m = defaultReportModel();
    std::string name;
    if (GetParam() == 2) {
        writeKeyEchoLanguageFile(f.folder.file("resultLanguage.fin"));
        m.LanguageIndex = 0;
        name = "default_input_half_keys.txt";
    } else {
        m.LanguageIndex = static_cast<int16_t>(GetParam());
        name = GetParam() == 0 ? "default_input_half_fin.txt" : "default_input_half_eng.txt";
    }
    const Written w = inputHalf(m, f);
    ASSERT_EQ(w.status, 0);
    if (GetParam() != 2) expectNoSpilledRow(w);
    compareWithGolden(w, name);
}

INSTANTIATE_TEST_SUITE_P(Languages, GoldenInputHalf, ::testing::Values(0, 1, 2));

TEST(GoldenInputHalf, EveryBlockOfASteelBeamAsLaidOut) {
    ReportFolder f;
    ProjectModel m = everyBlockModel("CWQ");
    m.LanguageIndex = 1;
    const Written w = inputHalf(m, f);
    ASSERT_EQ(w.status, 0);
    expectNoSpilledRow(w);
    compareWithGolden(w, "every_block_input_half_eng.txt");
}

// ---------------------------------------------------------------------------
// Language files

TEST(ReportLanguageFiles, EveryKeyTheInputHalfLooksUpHasATextInBothLanguages) {
    // Collect the keys over every family that prints its own rows and every
    // conditional block.
    std::set<std::string> keys;
    for (const char* type : {"SUORA", "CWQ", "BE", "KE", "LB", "DE", "ME", "AP"}) {
        ProjectModel m = everyBlockModel(type);
        ReportFolder f;
        runtime::TextFileReader reader(testing::dataFile("resultLanguage.fin"));
        ReportLanguageFile texts(std::move(reader));
        ReportFile file(f.folder.file("r.tul"));
        RowPrinter out(m, file, texts);
        printReportHeader(out, f.ui.localDateTime());
        printBeamSections(out);
        printSlabSections(out);
        printLoadSections(out);
        keys.insert(texts.keysLookedUp().begin(), texts.keysLookedUp().end());
    }
    EXPECT_GT(keys.size(), 150u);
    // Start-up checks the files for every key of ReportTextKeys: each key
    // looked up is among them, and they are the delivered files' keys.
    const std::vector<std::string>& checked = ReportTextKeys();
    for (const std::string& k : keys) EXPECT_EQ(std::count(checked.begin(), checked.end(), k), 1) << k;
    for (const char* language : {"resultLanguage.fin", "resultLanguage.eng"}) {
        runtime::TextFileReader file(testing::dataFile(language));
        std::vector<std::string> delivered;
        while (!file.eof()) {
            const std::string line = file.readLine();
            const std::size_t equals = line.find('=');
            if (line.rfind("resultText", 0) == 0 && equals != std::string::npos)
                delivered.push_back(line.substr(0, line.find_last_not_of(' ', equals - 1) + 1));
        }
        EXPECT_EQ(delivered, checked) << language;
        for (const std::string& k : keys) {
            std::string value;
            ASSERT_EQ(quorvel::testing::errorOf([&] { value = LookupQuotedEntry(k, file); }), 0) << language << " " << k;
            EXPECT_FALSE(value.empty()) << language << " has no text for " << k;
        }
    }
}

TEST(ReportLanguageFiles, LookupSkipsCommentsIgnoresCaseAndRefusesAnUnclosedQuote) {
    runtime::TextFileReader file = runtime::TextFileReader::fromBytes(
        "' resultText1 = \"comment\"\r\n\r\n  RESULTTEXT1 = \"  first \"  \r\nresultText1 = \"second\"\r\n"
        "resultText2 = no quotes\r\nresultText3 = \"open\r\n");
    EXPECT_EQ(LookupQuotedEntry("resultText1", file), "  first ");
    EXPECT_EQ(LookupQuotedEntry("resultText9", file), "");
    EXPECT_EQ(quorvel::testing::errorOf([&] { LookupQuotedEntry("resultText2", file); }), 5);
    EXPECT_EQ(quorvel::testing::errorOf([&] { LookupQuotedEntry("resultText3", file); }), 5);
}

}  // namespace
}  // namespace quorvel::report
