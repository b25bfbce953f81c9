// Whole reports (input half and result half) of calculated worked examples,
// each compared with its reviewed report: a SUORA middle beam,
// a DELTA edge beam with slab holes and loads, and an LBL beam whose slabs
// call for core filling, in Finnish and in English, and one with every
// text replaced by its own key (support/golden.h).

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/calculation_driver.h"
#include "analysis/calculation_support.h"
#include "model/topping_load.h"
#include "platform/forms/utf8.h"
#include "report/report_lines.h"
#include "report/results_file.h"
#include "runtime/text_file.h"
#include "support/golden.h"

namespace {

using namespace quorvel;
using model::ProjectModel;
using platform::HeadlessPlatform;
using quorvel::testing::CalculationFolder;

struct Written {
    int16_t status = 0;
    std::string bytes;
    std::vector<std::string> lines;  // UTF-8, without their line ends

    // The first line that starts with the label.
    std::string line(const std::string& label) const {
        for (const std::string& l : lines)
            if (l.rfind(label, 0) == 0) return l;
        ADD_FAILURE() << "no line starts with [" << label << "]";
        return {};
    }
    // The blank-separated items of that line after its first "=".
    std::vector<std::string> after(const std::string& label) const {
        const std::string l = line(label);
        std::vector<std::string> items;
        std::istringstream in(l.substr(std::min(l.find('='), l.size() - 1) + 1));
        for (std::string item; in >> item;) items.push_back(item);
        return items;
    }
    // The first of them.
    std::string value(const std::string& label) const {
        const auto items = after(label);
        return items.empty() ? std::string() : items.front();
    }
    bool has(const std::string& wholeLine) const {
        return std::find(lines.begin(), lines.end(), wholeLine) != lines.end();
    }
};

// A project of tests/fixtures/inputfiles calculated as the Calculate
// command does it (the topping load from the topping thickness, then the
// driver), in a copy of the data folder that is also the program folder.
class CalculatedProject {
public:
    explicit CalculatedProject(const std::string& fixture, bool calculate = true) {
        ui.setProgramFolder(data.dataPath());
        data.load(m, fixture);
        model::ComputeToppingLoad(m);
        if (calculate) calculation = analysis::PerformCalculation(m, messages);
    }

    Written report(int16_t language, const std::string& name = "report.tul") {
        m.LanguageIndex = language;
        Written w;
        w.status = report::WriteResultsFile(m, ui, data.folder().file(name));
        w.bytes = data.folder().read(name);
        for (const std::string& l : runtime::splitLines(w.bytes)) w.lines.push_back(runtime::cp1252ToUtf8(l));
        return w;
    }

    // Every text of both text sources replaced by its name: the report
    // language file's values by their keys, the heading items by "h" and
    // their number.
    void echoKeys() {
        std::vector<std::string> keys;
        {
            runtime::TextFileReader source(data.folder().file("resultLanguage.fin"));
            while (!source.eof()) {
            const std::string l = source.readLine();
            const auto eq = l.find('=');
            if (l.empty() || l[0] == '\'' || eq == std::string::npos) continue;
            std::string key = l.substr(0, eq);
            key.erase(key.find_last_not_of(' ') + 1);
            keys.push_back(key);
            }
        }
        runtime::TextFileWriter language(data.folder().file("resultLanguage.fin"));
        for (const std::string& key : keys) language.line(key + " = \"" + key + "\"");
        language.close();
        runtime::TextFileWriter headings(data.folder().file("TEKSTIT0.DA0"));
        for (int i = 1; i <= 192; ++i) headings.line("\"h" + std::to_string(i) + "\"");
        headings.close();
    }

    CalculationFolder data;
    HeadlessPlatform ui;
    runtime::Messages messages;
    ProjectModel m;
    int16_t calculation = -1;
};

void compareWithGolden(const Written& w, const std::string& name) {
    quorvel::testing::expectSameAsGolden(std::string(QUORVEL_FIXTURES_DIR) + "/reports/" + name, w.bytes);
}

// What no report line may hold: a number that is not one, more characters
// than the report's width, or an item that spilled onto a line of its own (nothing but blanks, or blanks and a
// unit). The report's own spacer lines are empty or one or two blanks.
void expectCleanLines(const Written& w) {
    static const std::regex notANumber(R"((^|[^A-Za-z])(inf|nan)([^A-Za-z]|$))", std::regex::icase);
    // A number stands apart from the "=" or ":" before it (a clock time
    // hh:mm:ss is one item), from an "=" after it and from its unit.
    static const std::regex touching(
        R"(=[-0-9]|(^|[^0-9]):[-0-9]|[0-9.]=|[0-9.](kNm|kN|MPa|mm|N/mm|MN|%o|kpl|pcs)(?![A-Za-z]))");
    static const std::regex spilled(
        R"( *(mm|kN|kNm|MPa|N/mm|kN/m|kNm/m|kN/m2|mm2|mm2/m|m2|m3|m4|1/m|%|%o|%o/m|mm\^[234]|MN|MNm|MNm2|kpl|pcs) *)");
    for (std::size_t i = 0; i < w.lines.size(); ++i) {
        const std::string& l = w.lines[i];
        EXPECT_FALSE(std::regex_search(l, notANumber)) << "line " << i + 1 << ": [" << l << "]";
        EXPECT_FALSE(std::regex_search(l, touching)) << "a number touches its sign or unit, line " << i + 1 << ": [" << l
                                                     << "]";
        EXPECT_LE(platform::utf8::length(l), report::ReportWidth) << "line " << i + 1 << ": [" << l << "]";
        if (l.empty() || l == " " || l == "  ") continue;
        EXPECT_FALSE(l.find_first_not_of(' ') == std::string::npos) << "line " << i + 1 << " holds only blanks";
        EXPECT_FALSE(std::regex_match(l, spilled)) << "line " << i + 1 << ": [" << l << "]";
    }
}

// A report line with each character in one column: the UTF-8 letters of
// the Finnish texts (one column each in the file) become "?".
std::string byColumn(const std::string& utf8) {
    std::string columns;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xC0) continue;
        columns += byte >= 0x80 ? '?' : c;
    }
    return columns;
}

// The number that starts in the column range [from, from + width) of a
// column-indexed line, if any.
std::optional<double> numberAt(const std::string& columns, std::size_t from, std::size_t width) {
    if (columns.size() <= from) return std::nullopt;
    std::istringstream in(columns.substr(from, width));
    double v = 0;
    if (in >> v) return v;
    return std::nullopt;
}

// The texts that frame the block of slab web stresses and the shear
// reserves in each language: the block's heading, the line that opens the
// side's largest values, and the lines that name the side of a reserve.
struct WebStressTexts {
    const char* heading;
    const char* largest;
    const char* side[2];
};
constexpr WebStressTexts kWebStressTexts[] = {
    {"Laatan uumien jännitykset:", "Puolen suurimmat arvot", {"VASEN LAATTA: ", "OIKEA LAATTA: "}},
    {"Stresses in the slab webs:", "Largest values of the side", {"LEFT SLABS: ", "RIGHT SLABS: "}},
};

// The rows of the web stress block come from one station, so an engineer
// recombines the principal stress from them as the program forms it,
//   sig.1 = s / 2 + sqrt(s^2 / 4 + t^2 + tvl^2), s = sig.cp + sig.n,
//   t = tau.cp + thc,
// and, where the side is over its limit and its additional safety factor
// is 1 (the limit then stays fctd whatever tvl is), the shear stress left
// for tvl as the tvl that brings sig.1 to that limit f:
//   tvl.res = sqrt(f (f - s) - t^2), 0 where the root has no real value.
// Each printed input is within half its last digit (0.005) of its value:
// the tolerance adds those halves times how strongly each enters, half a
// digit for the result's own rounding and one digit for a verdict number
// lifted above its limit. The rows are read at their value columns (50
// left, 58 right).
void expectWebStressesRecombine(const Written& w, int16_t language) {
    const WebStressTexts& texts = kWebStressTexts[language];
    std::map<std::string, std::array<std::optional<double>, 2>> rows;
    bool inBlock = false;
    std::size_t reserveLine[2] = {0, 0};
    for (std::size_t i = 0; i < w.lines.size(); ++i) {
        const std::string l = byColumn(w.lines[i]);
        if (w.lines[i].rfind(texts.heading, 0) == 0) inBlock = true;
        else if (w.lines[i].rfind(texts.largest, 0) == 0) inBlock = false;
        else if (inBlock && l.size() > 49 && l.find('=') != std::string::npos) {
            // The additional safety factor's row is the one without a symbol.
            std::istringstream symbol(l.substr(36));
            std::string name = "gamma";
            if (l[36] != ' ') symbol >> name;
            rows[name] = {numberAt(l, 49, 8), numberAt(l, 57, 8)};
        }
        for (int side = 0; side < 2; ++side)
            if (w.lines[i] == texts.side[side]) reserveLine[side] = i + 1;
    }
    for (const char* name : {"x", "thc", "alpha", "tau.cp", "tvl", "sig.cp", "sig.n", "sig.1", "fctd", "gamma"})
        ASSERT_EQ(rows.count(name), 1u) << "no row " << name << " in the web stress block";
    const double half = 0.005;
    int sides = 0;
    for (int side = 0; side < 2; ++side) {
        if (!rows["sig.1"][side]) continue;
        ++sides;
        auto v = [&](const char* name) { return rows[name][side].value_or(std::nan("")); };
        const double s = v("sig.cp") + v("sig.n"), t = v("tau.cp") + v("thc"), tvl = v("tvl");
        const double root = std::sqrt(s * s / 4 + t * t + tvl * tvl);
        const double sigma1 = s / 2 + root;
        const double byS = std::fabs(0.5 + s / (4 * root)), byT = t / root, byTvl = tvl / root;
        EXPECT_NEAR(v("sig.1"), sigma1, half * (2 * byS + 2 * byT + byTvl) + half + 0.01)
            << "side " << side + 1 << ": thc " << v("thc") << ", tau.cp " << v("tau.cp") << ", tvl " << tvl
            << ", sig.cp " << v("sig.cp") << ", sig.n " << v("sig.n");
        // The side's reserve where the report gives one.
        const std::size_t at = reserveLine[side];
        if (at == 0 || at >= w.lines.size() || rows["gamma"][side] != 1.0) continue;
        const std::optional<double> printed = numberAt(byColumn(w.lines[at]), 60, 8);
        ASSERT_TRUE(printed.has_value()) << w.lines[at];
        const double f = v("fctd"), radicand = f * (f - s) - t * t;
        const double reserve = radicand > 0 ? std::sqrt(radicand) : 0.0;
        const double spread =
            radicand > 0 ? half * (std::fabs(2 * f - s) + 2 * f + 4 * t) / (2 * reserve) : 0.0;
        EXPECT_NEAR(*printed, reserve, spread + half) << "reserve of side " << side + 1;
    }
    EXPECT_GT(sides, 0) << "no side of the web stress block holds sig.1";
}

struct Example {
    const char* fixture;
    const char* golden;  // the language's code is appended
};

constexpr Example kExamples[] = {
    {"concrete_middle_beam.dat", "suora_middle_beam"},
    {"delta_edge_beam_holes_loads.dat", "delta_edge_beam"},
    {"lbl_core_filling.dat", "lbl_core_filling"},
};

class WholeReport : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(WholeReport, MatchesTheReviewedReport) {
    const Example& example = kExamples[std::get<0>(GetParam())];
    const int16_t language = static_cast<int16_t>(std::get<1>(GetParam()));
    CalculatedProject p(example.fixture);
    ASSERT_EQ(p.calculation, 0);
    const Written w = p.report(language);
    ASSERT_EQ(w.status, 0);
    EXPECT_TRUE(p.ui.messages().empty());
    expectCleanLines(w);
    compareWithGolden(w, std::string(example.golden) + (language == 0 ? ".fin.txt" : ".eng.txt"));
}

INSTANTIATE_TEST_SUITE_P(ExamplesInBothLanguages, WholeReport,
                         ::testing::Combine(::testing::Range(0, 3), ::testing::Values(0, 1)));

// Every project of the fixtures in both languages, as given and with a
// variable line load of 300 kN/m over the whole beam, which brings the
// warnings of the exceeded checks into the reports: no line of any of them
// breaks the rules above.
TEST(WholeReport, EveryFixtureProjectPrintsCleanLinesInBothLanguages) {
    namespace fs = std::filesystem;
    int reports = 0;
    std::set<std::string> warnings;  // the warning texts seen, both languages
    for (const auto& entry : fs::directory_iterator(fs::path(QUORVEL_FIXTURES_DIR) / "inputfiles")) {
        for (const bool overloaded : {false, true}) {
            const std::string fixture = entry.path().filename().string();
            SCOPED_TRACE(fixture + (overloaded ? ", overloaded" : ""));
            CalculatedProject p(fixture, false);
            if (overloaded) {
                p.m.BeamLineLoadQ1 = p.m.BeamLineLoadQ2 = 300;
                p.m.BeamLineLoadQX = 0;
                p.m.BeamLineLoadQLength = p.m.BeamSpan;
            }
            ASSERT_EQ(analysis::PerformCalculation(p.m, p.messages), 0);
            for (const int16_t language : {0, 1}) {
                const Written w = p.report(language);
                ASSERT_EQ(w.status, 0);
                expectCleanLines(w);
                expectWebStressesRecombine(w, language);
                // The main rows' strength: strands' (above 1000 MPa) as fp0.1k, bars' as fyk.
                if (p.m.ReinforcementRowCount > 0 && !overloaded) {
                    const std::string symbol = p.m.ReinforcementStrength > 1000 ? "fp0.1k = " : "fyk = ";
                    const auto at = std::find(w.lines.begin(), w.lines.end(),
                                              language == 0 ? "PÄÄRAUDOITUS TAI JÄNNEPUNOKSET"
                                                            : "MAIN REINFORCEMENT OR STRANDS");
                    ASSERT_NE(at, w.lines.end());
                    const auto s = at[1].find(symbol);
                    EXPECT_TRUE(s != std::string::npos &&
                                std::stod(at[1].substr(s + symbol.size())) == p.m.ReinforcementStrength.number())
                        << at[1];
                }
                ++reports;
                for (const char* text : {"kNm < max design moment Md =", "kNm < laskentamomentti Md =",
                                         "kNm < acting moment Md =", "kNm < taivutusmomentti Md ="})
                    for (const std::string& l : w.lines)
                        if (l.find(text) != std::string::npos) warnings.insert(text);
            }
        }
    }
    EXPECT_GE(reports, 4 * 16);
    // The overloaded projects reach both beam warnings in both languages.
    EXPECT_EQ(warnings.size(), 4u);
}

TEST(WholeReport, KeyEchoShowsWhichTextStandsInWhichColumn) {
    CalculatedProject p("delta_edge_beam_holes_loads.dat");
    ASSERT_EQ(p.calculation, 0);
    p.echoKeys();
    const Written w = p.report(0);
    ASSERT_EQ(w.status, 0);
    EXPECT_EQ(w.lines.at(0), "resultText1");
    EXPECT_NE(std::find(w.lines.begin(), w.lines.end(), "    h1"), w.lines.end());
    compareWithGolden(w, "delta_edge_beam.keys.txt");
}

TEST(WholeReport, WritingTwiceGivesIdenticalFiles) {
    CalculatedProject p("lbl_core_filling.dat");
    ASSERT_EQ(p.calculation, 0);
    const Written first = p.report(0, "first.tul");
    const Written second = p.report(0, "second.tul");
    EXPECT_EQ(first.status, 0);
    EXPECT_FALSE(first.bytes.empty());
    EXPECT_EQ(first.bytes, second.bytes);
}

TEST(WholeReport, AfterAFailedCalculationTheReportFailsAndTheOldFileStays) {
    // A span of 0 stops the calculation with a division by zero before the
    // slab data are formed. A report asked for afterwards reaches the web
    // shear factor 1.5 (1 / b.cr) b.hc / b.whc with b.cr = 0 and ends there
    // with the same error (11); the results file saved before stays whole.
    CalculatedProject p("concrete_middle_beam.dat");
    ASSERT_EQ(p.calculation, 0);
    const Written saved = p.report(0);
    ASSERT_EQ(saved.status, 0);
    p.m.BeamSpan = 0;
    ASSERT_EQ(analysis::PerformCalculation(p.m, p.messages), 11);
    const Written w = p.report(0);
    EXPECT_EQ(w.status, 11);
    EXPECT_EQ(p.m.CalculationStatus(3), 11);
    EXPECT_EQ(w.bytes, saved.bytes);
}

// ---------------------------------------------------------------------------
// Printed values against hand calculations (the Finnish reports; the
// English ones print the same numbers, as their golden files show).

TEST(WholeReportValues, SuoraMiddleBeam) {
    // concrete_middle_beam.dat: SUORA 480 x 600, C50 (class 1, gamma_c
    // 1.35), span 7200, bars 5 x 491 at 45 and 3 x 314 at 90 (B500, Es
    // 200 000); P27 slabs both sides at 7200, grout 90, C40 slab concrete.
    CalculatedProject p("concrete_middle_beam.dat");
    ASSERT_EQ(p.calculation, 0);
    const Written w = p.report(0);
    ASSERT_EQ(w.status, 0);
    using Items = std::vector<std::string>;
    // Beam self weight 0.48 x 0.6 x 25 + (5 x 491 + 3 x 314) x (7.85e-5 -
    // 2.5e-5), the bars beyond the concrete they displace, = 7.2 + 0.18174
    // = 7.3817 kN/m, design x 1.15 = 8.4890 (3.1 rounded).
    EXPECT_EQ(w.after("Palkin omapaino         g0"), (Items{"7.4", "kN/m", "g0d", "=", "8.5", "kN/m"}));
    // Slabs on the beam: half of each clear span 7200 - 2 x 90 = 7020 mm,
    // the catalogue's 3.60 and the joints' grout 25 x 0.040 x 0.265 / 1.2
    // = 0.220833 kN/m2: 2 x 3.51 x 3.820833 = 26.822 kN/m, design x 1.15 =
    // 30.846.
    EXPECT_EQ(w.after("Laattojen omapaino      g1"), (Items{"26.8", "kN/m", "g1d", "=", "30.8", "kN/m"}));
    // Clear slab span 7020 less the 65 mm bearing: the span the slab checks
    // take, L1 = 6955 mm, printed as the effective span; the shear check
    // distance lb = a.ef + b.cr / 2 = 65 + 160 / 2 = 145 mm.
    EXPECT_EQ(w.after("Tehollinen jänneväli palkin alussa"), (Items{"6955", "6955", "mm"}));
    EXPECT_EQ(w.value("Leikkaustarkastelun etäisyys"), "145.0");
    // Transmission length of the bottom strands, EN 1992-1-1 (8.16)
    // lpt = alpha1 alpha2 phi sigma_pm0 / f_bpt with alpha1 = 1.25 (sudden
    // release), alpha2 phi taken as A / (pi phi) = 100 / (pi 12.9) = 2.4675
    // mm (0.19 x 12.9 = 2.451 for 7-wire strand), sigma_pm0 = 0.95 x 900
    // MPa, and (8.15) f_bpt = eta_p1 eta_1 f_ctd(t) = 3.2 x 1.0 x 0.7 x
    // 2.4562 / 1.5 = 3.6679 MPa: lpt = 1.25 x 2.4675 x 855 / 3.6679 =
    // 719.0 mm (within 0.05).
    EXPECT_EQ(w.after("Alapunosten siirtymäpituus            lpt"), (Items{"719.0", "719.0", "mm"}));
    // The web shear stress of a unit shear force 1.5 (1 / b.cr) b.hc /
    // b.whc = 1.5 / 160 x 1200 / 370 = 0.0304 per mm; no top strands, so
    // no top strand size.
    EXPECT_TRUE(w.line("tvl/v").ends_with("= 0.0304    0.0304  1/mm"));
    EXPECT_EQ(w.after("Yläpunokset"), (Items{"0", "0", "kpl"}));
    EXPECT_TRUE(std::none_of(w.lines.begin(), w.lines.end(),
                             [](const std::string& l) { return l.rfind("Yläpunoksen", 0) == 0; }));
    // Slab concrete C40/50: fctk,0.05 = 0.21 x 40^(2/3) = 2.456, fctd =
    // 2.456 / 1.35 = 1.819 MPa (class 1), printed with its factor 1.35.
    EXPECT_EQ(w.value("Betonin ominaisvetolujuus"), "2.46");
    EXPECT_EQ(w.value("Betonin vetolujuuden mitoitusarvo"), "1.82");
    EXPECT_EQ(w.after("Laattabetoni            gam.c"), (Items{"1.35", "/", "1.35"}));
    // Design moment and shear of the worked example of the calculation
    // (calculation_worked_example_test.cpp; 6.10b governs): q = 76.3820
    // kN/m, Md = q L^2 / 8 = 494.96 kNm at midspan, its peak; V = q L / 2 =
    // 274.98 kN, the beam's largest design shear. Characteristic q = 26.822
    // + 0.0079 + 7.2 + 18.0 + 1.5290 + 7.3817 = 60.941 kN/m, Mk = qk L^2 / 8
    // = 394.90 kNm.
    EXPECT_EQ(w.value("Mitoitusmomentti, max"), "495.0");
    EXPECT_EQ(w.value("Ominaismomentti, max"), "394.9");
    EXPECT_EQ(w.value("Palkin mitoittava leikkaus, max"), "275.0");
    // The shear block stands at the first slab web, x = 26.25 mm (printed
    // 26): V.6 = q (L / 2 - x) = 76.3820 x (3.6 - 0.02625) = 272.97 kN, and
    // its stages add up to it, 146.9 + 0.0 + 126.1 = 273.0.
    EXPECT_TRUE(w.has("Leikkaus suurimman leikkausvuon kohdassa (x =   26 mm)   Leikkausvuo"));
    EXPECT_EQ(w.value("Yhteensä                            V.6"), "273.0");
    EXPECT_NEAR(std::stod(w.value("Omapaino ennen saumausta            V.01")) +
                    std::stod(w.value("Ennen pintavalun kovettumista       V.2")) +
                    std::stod(w.value("Kovettumisen jälkeen                V.5")),
                273.0, 0.051);
    // Uncracked stage-2 section transformed to Ec = 22000 x 5.8^0.3 =
    // 37277.9 MPa: bars (Es - Ec) x 3397 mm2 at 57.48 mm, concrete centroid
    // 300: yc = 288.12 mm, EI = 353.23e12 Nmm2 (own 322.08 + parallel 31.15).
    //   self weight deflection 5 q L^4 / (384 EI) = 5 x 7.3817 x 7200^4 /
    //   (384 x 353.23e12) = 0.731 mm;
    //   cracking moment Wb fctm, Wb = EI / Ec / yc = 32.887e6 mm3, fctm =
    //   0.21 x 50^(2/3) / 0.7 = 4.0716 MPa, k = 1: 133.90 kNm.
    EXPECT_TRUE(w.has("Palkki         11288.79     288.1    3252.58     968.29    322.08   353.23"));
    EXPECT_EQ(w.value("Palkin omapaino                     w.g0"), "0.73");
    EXPECT_EQ(w.value("Palkin halkeilumomentti"), "133.9");
    // Allowed strain 0.001 (3 x 0.2 + 0.1) = 0.0007: 0.70 per mille.
    EXPECT_EQ(w.value("Sallittu venymä"), "0.70");
    // Utilisations from their printed parts: beam 494.96 / 755.8 = 0.655;
    // slab bending Md / Mu = 56.20 / 238.01 = 0.236, the slab's Md checked by
    // hand in support_line_table_golden_test.cpp (56.20 kNm/m), its Mu in
    // docs/verification.md: the ten strands yield at fpd = 0.88 x 1860 / 1.1
    // = 1488.0 MPa (the block 75.81 mm deep leaves them 1622 MPa of strain),
    // 1 488 000 N = flange 1180 x 38.3125 x 25.185 = 1 138 591 N at 200.844
    // mm + webs 349 409 N at 162.939 mm: 285.611e6 Nmm / 1200 = 238.01.
    EXPECT_EQ(w.value("Taivutuskestävyys, tb-palkki"), "755.8");
    EXPECT_EQ(w.value("Käyttöaste                                    ="), "0.65");
    EXPECT_EQ(w.after("Mitoitusmomentti                    Md"), (Items{"56.2", "56.2", "kNm/m"}));
    EXPECT_EQ(w.after("Murtomomentti"), (Items{"238.0", "238.0", "kNm/m"}));
    // The strength it takes, printed under the strand area: fp0.1k = 0.88 x
    // 1860 = 1636.8 MPa (prEN 10138-3, Fp0.1 = 0.88 Fm) and fp0.1k / 1.1.
    EXPECT_EQ(w.after("Alapunoksen myötöraja"), (Items{"1636.8", "1636.8", "MPa"}));
    EXPECT_EQ(w.after("Alapunoksen mitoituslujuus"), (Items{"1488.0", "1488.0", "MPa"}));
    EXPECT_TRUE(w.has("Käyttöaste                                    =   0.24    0.24         oikea"));
}

TEST(WholeReportValues, SuoraWithoutDowelsOverTheShearLimitSaysNoStirrupsCarryIt) {
    // concrete_middle_beam.dat without dowels and with a permanent line
    // load of 200 kN/m over the beam: the beam's design shear exceeds the
    // method's upper limit for stirrups through the joint, so the shear
    // block prints (without dowels it prints only then) and says that no
    // stirrups carry it, in both languages, never an area of 0.
    // The 200 kN/m is permanent and heavy: expression (6.10a) of EN 1990
    // governs, vd = (q.d) L / 2 with q.d = 1.35 (42.9409 + 200) = 327.97
    // kN/m (42.9409 the worked example's characteristic permanent load,
    // WholeReportValues.SuoraMiddleBeam) over L = 7.2 m: 1180.7 kN
    // ((6.10b) 76.3820 + 1.15 x 200 = 306.38 kN/m would give 1102.9).
    CalculatedProject p("concrete_middle_beam.dat", false);
    p.m.DowelsOnBeamTop = 0;
    p.m.BeamLineLoadG1 = p.m.BeamLineLoadG2 = 200;
    p.m.BeamLineLoadGX = 0;
    p.m.BeamLineLoadGLength = p.m.BeamSpan;
    ASSERT_EQ(analysis::PerformCalculation(p.m, p.messages), 0);
    EXPECT_NEAR(p.m.MaxShearStage6 * 0.001, 1.35 * (42.9409 + 200) * 7.2 / 2, 0.5);
    for (const int16_t language : {0, 1}) {
        const Written w = p.report(language);
        ASSERT_EQ(w.status, 0);
        const std::string over = w.line(language == 0 ? "Mitoittava leikkausvoima" : "Design shear exceeds");
        EXPECT_NE(over.find(" vd =  1181 kN > vumax ="), std::string::npos) << over;
        EXPECT_TRUE(w.has(language == 0 ? "Leikkausta vd > vumax ei voi kantaa hakaraudoituksella."
                                        : "No stirrups can carry a design shear vd > vumax."));
        EXPECT_TRUE(std::none_of(w.lines.begin(), w.lines.end(), [](const std::string& l) {
            return l.find("Asw") != std::string::npos;
        }));
    }
}

TEST(WholeReportValues, DeltaEdgeBeam) {
    // delta_edge_beam_holes_loads.dat: DELTA edge beam, span 6000, infill
    // C30 (class 2), bars 3 x 490.9 (B500, class 1: gamma 1.15), topping
    // 50 mm, slabs P27 on the right at 7200; slab line load 3 + 2 kN/m,
    // slab point load 8 + 6 kN, beam line load 2 kN/m over the span, beam
    // point load 12 + 8 kN at midspan; gamma_G 1.15, gamma_Q 1.5.
    CalculatedProject p("delta_edge_beam_holes_loads.dat");
    ASSERT_EQ(p.calculation, 0);
    const Written w = p.report(0);
    ASSERT_EQ(w.status, 0);
    using Items = std::vector<std::string>;
    // Topping load 0.025 x 50 = 1.25 kN/m2 on the right only, design
    // 1.4375.
    EXPECT_EQ(w.after("Pintavalu               g3"), (Items{"0.00", "/", "1.25", "kN/m2", "0.00", "/", "1.44", "kN/m2"}));
    // Design loads: slab point load 8 x 1.15 = 9.2, 6 x 1.5 = 9.0; beam
    // point load 12 x 1.15 = 13.8, 8 x 1.5 = 12.0 at 6000 / 2 = 3000 mm.
    EXPECT_TRUE(w.has("                        P =     8.0     6.0       9.2    9.0     2000      2400"));
    EXPECT_TRUE(w.has("                        P =    12.0     8.0      13.8   12.0     3000"));
    // Infill fcd = 0.85 x 30 / 1.5 = 17.0 (no decimals); bars fyd = 500 /
    // 1.15 = 434.8 (rounded to 435); slab concrete class 1 on the right only.
    EXPECT_EQ(w.line("Betoni C 30-2"), "Betoni C 30-2          fck =  30.0 MPa fcd  =  17    MPa   Ec  = 32837 MPa");
    EXPECT_EQ(w.line("Raudoitus             fyk"),
              "Raudoitus             fyk =  500  MPa  fyd =  435  MPa Es  = 200000 MPa");
    EXPECT_EQ(w.after("Laattabetoni            gam.c"), (Items{"1.35"}));
    // The topping's reinforcement and concrete stand under the right
    // field, the one that carries slabs: the left value columns (50 to 59
    // in the input half, 49 to 56 in the result half) stay blank.
    for (const char* row : {"Pintavalun raudoitus                  As/s", "Pintavalun betoni C 25-2",
                            "Raudoituksen ominaislujuus", "Raudoituksen mitoituslujuus"}) {
        const std::string l = w.line(row);
        EXPECT_EQ(l.substr(49, 10), std::string(10, ' ')) << l;
        EXPECT_NE(l.find_first_of("0123456789", 59), std::string::npos) << l;
    }
    EXPECT_EQ(w.line("Pintavalun raudoitus                Ast/s").substr(48, 8), std::string(8, ' '));
    // The beam's span Lo = 6000 mm, and the right slab's width with the
    // beam b_cd = 0.1 x 6000 = 600 mm.
    EXPECT_EQ(w.value("Palkin jänneväli"), "6000");
    EXPECT_EQ(w.after("Oikea laatta  k_cd"), (Items{"0.1000", "b_cd", "=", "600.", "mm"}));
    // Cracking moment with the infill's fctm = 0.21 x 30^(2/3) / 0.7 =
    // 2.8965 MPa on the stage-2 section transformed to its Ecm = 22000 x
    // 3.8^0.3 = 32836.6: Wb = EI / (Ec yc) = 89.91e12 / (32836.6 x 104.7) =
    // 26.15e6 mm3: Mcr = 75.75 kNm (0.1 kNm for the rounding of EI and yc).
    EXPECT_TRUE(w.has("Palkki          9312.53     104.7     975.26     116.17     75.87    89.91"));
    EXPECT_NEAR(std::stod(w.value("Palkin halkeilumomentti")), 89.91e12 / (32836.6 * 104.7) * 2.8965e-6, 0.1);
    // No core filling (50 mm is not above the 50 mm threshold), so the
    // right slab's principal stress over its limit fctd = 1.82 shows the
    // warning and its reserve; the left side is not checked.
    EXPECT_EQ(w.value("Ontelotäytön pituus, käytetty       Lf"), "0");
    EXPECT_TRUE(w.has("Uumien pääjännitys:                                          EI RIITÄ !!!"));
    EXPECT_TRUE(w.has("OIKEA LAATTA: "));
    EXPECT_FALSE(w.has("VASEN LAATTA: "));
    // The shear force over the smallest resistance, Vd / VRd.min, from the
    // two rows above it: 54.1 / 10.7 = 5.06 (5.043 unrounded), above 1: the
    // slab fails, as the shear utilisation 3.36 says too (9.4 and 3.76
    // while the hole factor entered tvl twice).
    EXPECT_EQ(w.value("Laatan leikkausvoima                Vd "), "54.1");
    EXPECT_EQ(w.value("Pienin leikkauskestävyys"), "10.7");
    EXPECT_NEAR(std::stod(w.value("Leikkausvoima / kestävyys")), 54.1 / 10.7, 0.02);

    // The webs' clear height, between the bottom plate (tb 20) and the top
    // plate: with the dialog's "Beam height (h)" 400 and tt 25, H = h + hL =
    // 400 + 20 = 420 and hw = 420 - 20 - 25 = 375 mm (the golden's h 265,
    // tt 15: 285 - 20 - 15 = 250), not the h over which their slope is laid.
    p.m.BeamHeight = 400;
    p.m.TopFlangeThickness = 25;
    ASSERT_EQ(analysis::PerformCalculation(p.m, p.messages), 0);
    EXPECT_EQ(p.report(1).value("Web height            hw"), "375");
}

TEST(WholeReportValues, LblBeamWithCoreFilling) {
    // lbl_core_filling.dat: LBL, span 4200, C80 (class 1) precast part
    // 480 -> 440 x 265 on a 680 x 8 plate, 2 x 9 strands of 100 mm2
    // (fpk 1630) at 40 and 53, 4 x 314 top bars; P27 slabs both sides at
    // 7200, 600 mm of core filling available.
    CalculatedProject p("lbl_core_filling.dat");
    ASSERT_EQ(p.calculation, 0);
    const Written w = p.report(0);
    ASSERT_EQ(w.status, 0);
    using Items = std::vector<std::string>;
    // C80/95: fcd = 0.85 x 80 / 1.35 = 50.37, Ecm = 22000 x 8.8^0.3 = 42244.
    EXPECT_EQ(w.line("Betoni C 80-1"), "Betoni C 80-1          fck =  80.0 MPa fcd  =  50.4  MPa   Ec  = 42244 MPa");
    // Strands: fpd = 1630 / (1.1 + 0.05) = 1417.4 (rounded to 1417).
    EXPECT_EQ(w.line("Pääraudoitus       fp0.1k"),
              "Pääraudoitus       fp0.1k = 1630  MPa  fpd = 1417  MPa Ep  = 195000 MPa");
    // Beam self weight: concrete (480 + 440) / 2 x 265 = 121 900 mm2 x
    // 2.6e-5 (C80 is heavier than C60) = 3.1694; plate 5440 mm2 x 7.85e-5
    // = 0.4270; strands 1800 and top bars 1256 mm2 at what they weigh
    // beyond the concrete they displace, x (7.85e-5 - 2.6e-5) = 0.1604:
    // 3.7569 kN/m, design 4.3204.
    EXPECT_TRUE(w.has("Palkkibetoni     121900     138.6     16.893    712.919     42244"));
    EXPECT_EQ(w.after("Palkin omapaino         g0"), (Items{"3.8", "kN/m", "g0d", "=", "4.3", "kN/m"}));
    // b_cd = k_cd Lo = 0.2 x 4200 = 840 mm.
    EXPECT_EQ(w.after("Vasen laatta  k_cd"), (Items{"0.2000", "b_cd", "=", "840.", "mm"}));
    // The slab webs call for core filling: the 600 mm in effect on both
    // sides, and the zones where it is needed from both beam ends.
    EXPECT_EQ(w.after("Ontelotäytön pituus, käytetty       Lf"), (Items{"600", "600", "mm"}));
    EXPECT_EQ(w.after("Ontelotäytön pituus, käytetty         Lf"), (Items{"600", "600", "mm"}));
    EXPECT_GT(std::stod(w.value("Pituus palkin alusta")), 0.0);
    EXPECT_GT(std::stod(w.value("Pituus palkin lopusta")), 0.0);
    // With the filling the principal stress keeps within its limit: the
    // shear utilisation is sigma_1 / fctd = 1.69 / 1.82 = 0.93 < 1.
    EXPECT_EQ(w.value("Pääjännitys                         sig.1"), "1.69");
    EXPECT_EQ(w.value("Käyttöaste, leikkaus"), "0.93");
    EXPECT_TRUE(w.has("Uumien pääjännitys:                             kunnossa     kunnossa"));
}

}  // namespace
// The shear-flow block prints x, V and v of one station: each v is the
// slab part's shear flow factor Q/EI times the V of its stage printed
// beside it. steel_hq_line_loads.dat (HQ 8400 mm, P27 both sides, b_cd
// 1680 mm). Q/EI by hand from the section block of the same report, EA of
// the slab part times its lever arm yc over the EI of its stage:
//   before the topping hardens 2267.0e6 N x 110.0 mm / 191.87e12 N mm2
//     = 1.2997e-3 1/mm = 1.2997 1/m;
//   after it hardens 5439.7e6 N x 84.0 mm / 305.48e12 N mm2 = 1.4958 1/m.
// Tolerance 0.3 N/mm: V printed to 0.05 kN (0.075 N/mm), v to 0.005, and
// the printed EA, yc, EI to 0.06 % of v (0.13 N/mm at 210 N/mm). Before,
// the block printed V.5 = 140.4 kN of x = 26 mm beside v.B = -190.51
// N/mm, the v of x = 404 mm (128.6 kN x 1.481): 17 N/mm short.
TEST(WholeReportValues, ShearFlowBlockPrintsOneStation) {
    CalculatedProject p("steel_hq_line_loads.dat");
    ASSERT_EQ(p.calculation, 0);
    const Written w = p.report(1);
    ASSERT_EQ(w.status, 0);
    EXPECT_TRUE(w.has("Shear where the shear flow is largest (x =   26 mm)      Shear flow"));
    const struct {
        const char* label;  // the V row, which carries the v of its stage
        double factor;      // Q/EI, 1/m
    } rows[] = {
        {"Before the topping hardens          V.2", 1.2997},
        {"After hardening                     V.5", 1.4958},
    };
    double total[2] = {0, 0};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        // "51.8  kN v.A  =   -67.34   -67.34 N/mm": V, then v left and right.
        const std::vector<std::string> items = w.after(row.label);
        ASSERT_EQ(items.size(), 7u);
        const double V = std::stod(items[0]);
        for (int side = 0; side < 2; ++side) {
            const double v = std::stod(items[4 + side]);
            EXPECT_NEAR(std::fabs(v), row.factor * V, 0.3) << (side == 0 ? "left" : "right");
            total[side] += v;
        }
    }
    // The total's v is the sum of the two stages' (each printed to 0.005).
    const std::vector<std::string> sum = w.after("Total                               V.6");
    ASSERT_EQ(sum.size(), 7u);
    for (int side = 0; side < 2; ++side) EXPECT_NEAR(std::stod(sum[4 + side]), total[side], 0.011);
}
