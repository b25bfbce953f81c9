// Every value of the slab catalogue, the strand file and a project's strand
// tokens describes a slab or a strand that can exist. One table over the
// catalogue's columns (its P27 line and the L strand line), the
// strand file's P27 line and the strand tokens of concrete_middle_beam.dat:
// each value changed is refused where it is read (the calculation, start-up,
// Open, the calculation's own check of the designations), naming the file
// or field, the line and the rule or range; the delivered values and those
// within the rules are taken and calculate.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "analysis/calculation_driver.h"
#include "app/slab_catalogue.h"
#include "inputfile/input_file_reader.h"
#include "model/slab_rules.h"
#include "model/topping_load.h"
#include "runtime/data_files.h"
#include "runtime/text_file.h"
#include "project_window_fixture.h"

namespace quorvel::app {
namespace {

namespace fs = std::filesystem;

// The bytes with word `word` (from 1; runs of blanks count as one) of line
// `line` (from 1) replaced, or the whole line for word 0.
std::string withWord(const std::string& bytes, int line, int word, const std::string& value) {
    std::vector<std::string> lines = runtime::splitLines(bytes);
    std::string& l = lines.at(static_cast<std::size_t>(line - 1));
    if (word == 0) {
        l = value;
    } else {
        std::size_t start = 0, end = 0;
        for (int k = 0; k < word; ++k) {
            start = l.find_first_not_of(' ', end);
            end = std::min(l.find(' ', start), l.size());
        }
        l.replace(start, end - start, value);
    }
    std::string out;
    for (const std::string& each : lines) out += each + "\r\n";
    return out;
}

std::string literal(const std::string& text) {
    return std::regex_replace(text, std::regex(R"([.^$|()\[\]{}*+?\\])"), R"(\$&)");
}

class SlabRules : public testing::ProjectWindowTest {};

TEST_F(SlabRules, EveryValueDescribesASlabOrAStrandThatCanExist) {
    // The delivered data is taken: every slab line's section, every strand
    // line and every designation of the strand file.
    {
        model::ProjectModel delivered;
        delivered.DataPath = folder.dataPath();
        delivered.SlabFileName = "ONTELO.MIT";
        delivered.StrandFileName = "PUNOS.VAT";
        ASSERT_FALSE(LoadSlabCatalogueOrFault(delivered));
        ASSERT_EQ(delivered.SlabTypeCount, 7);
        for (const model::SlabTypeRecord& r : delivered.SlabCatalogue)
            EXPECT_FALSE(model::slabSectionBreach(r.section)) << r.Name;
    }

    enum class Where { Catalogue, StrandFile, Project, Calculation };
    struct Case {
        Where where;
        int line;  // of the file changed (ONTELO.MIT: 4 strand L, 9 P27; PUNOS.VAT: 8 P27;
                   // the project: 4 left slab, 5 right slab; Calculation: the side)
        int word;  // the word replaced, 0 the whole line (project and Calculation: 2 bottom, 3 top)
        std::string value;
        std::string refusal;  // what the message says after the file, line or field; empty: taken
        int16_t language = 0;  // of the calculation's messages (1 English)
    };
    const std::string webs = "ontelot ja niiden väliset uumat mahtuvat laatan leveyteen (b.c = 135 >= "
                             "(b.hc - 2 e.r) / (onteloita - 1) = ";
    const std::string count = "punosten määrän on oltava kokonaisluku ";
    // P27: b - db - 2 ap = 1200 - 20 - 90 = 1090 mm of strand room in a layer;
    // axis pitch d + max(2 d, 20 mm) (EN 1992-1-1 8.10.1.2): 0 12.5 + 25 =
    // 37.5 mm, 1090 / 37.5 = 29.07, 29 + 1 = 30 strands; S 9.3 + 20 = 29.3,
    // 37.2, 38; L 12.9 + 25.8 = 38.7, 28.2, 29.
    const std::string of0 = " (punos 0, 12.5 mm)", ofL = " (punos L, 12.9 mm)";
    const Case cases[] = {
        // The issue's measured catalogue lines.
        {Where::Catalogue, 9, 12, "5000", webs + "-1760)"},  // (1200 - 10000) / 5
        {Where::Catalogue, 9, 16, "0", "punosten akseli on laatan alapinnan yläpuolella (0 >= ap = 0)"},
        {Where::Catalogue, 9, 16, "300", "punosten akseli on laatan sisällä (ap = 300 >= h = 265)"},
        {Where::Catalogue, 9, 2, "9", webs + "122.5)"},  // (1200 - 220) / 8
        {Where::Catalogue, 9, 10, "10", webs + "-42)"},  // (10 - 220) / 5
        {Where::Catalogue, 9, 4, "200",                   // 200 + 265 / 80 + 190
         "ylälaippa, ontelot ja alalaippa mahtuvat laatan korkeuteen (h.fy + h/80 + h.c = 393.3125 >= h = 265)"},
        // The other rules of the section.
        {Where::Catalogue, 9, 4, "0", "ylälaipalla on paksuus (0 >= h.fy = 0)"},
        {Where::Catalogue, 9, 6, "170",
         "ontelon suora ja kapeneva osa mahtuvat ontelon korkeuteen (h.ct + h.v = 200 > h.c = 190)"},
        {Where::Catalogue, 9, 5, "205",  // a cap rise of 70 over 135 mm
         "ontelon kaari on enintään puoliympyrä (h.c - h.ct - h.v = 70 > b.c / 2 = 67.5)"},
        {Where::Catalogue, 9, 5, "202.5", ""},  // a half circle
        {Where::Catalogue, 9, 9, "140", "ontelo kapenee alaspäin (b.ca = 140 > b.c = 135)"},
        {Where::Catalogue, 9, 12, "77", "reunaontelon vieressä on uuma laatan sisällä ((db + b.c) / 2 = 77.5 >= e.r = 77)"},
        {Where::Catalogue, 9, 0, "P27 1 265 35 190 105 30 135 105 1200 20 1150 3.60 4.14 0.5 45 60",
         "ontelo ja sen uumat mahtuvat laatan leveyteen (e.r + (db + b.c) / 2 = 1227.5 >= b.hc = 1200)"},
        // A circular core of 135 mm in 190 mm, weighing what its concrete
        // does: 25 * 226817 / 1200 = 4.73 kN/m2.
        {Where::Catalogue, 9, 0, "P27 6 265 35 190 0 0 135 135 1200 20 110 4.73 4.14 0.5 45 60", ""},
        // Core parts that sum to the core height, leaving a cap of 3.6e-15 mm in binary.
        {Where::Catalogue, 9, 0, "P27 6 265 35 135 105.3 29.7 135 105 1200 20 110 3.60 4.14 0.5 45 60", ""},
        {Where::Catalogue, 9, 0, "P27 4 265 35 190 0 0 200 200 1200 20 150 3.60 4.14 0.5 45 60",
         "pyöreä ontelo mahtuu ontelon korkeuteen (b.c = 200 > h.c = 190)"},
        // A top flange thinner than EN 1168 allows: max(17, (2 * 265)^0.5) = 23.02 mm.
        {Where::Catalogue, 9, 4, "0.001",
         "laipan paksuus on vähintään ontelolaatan vähimmäispaksuus (max(17, (2 h)^0.5) = 23.02173 > h.fy = 0.001)"},
        {Where::Catalogue, 9, 4, "23.1", ""},
        // A circular core of 135 mm in the middle of 190 mm leaves 27.5 mm
        // above and below it: with t = 1 the top flange is 1 + 27.5 = 28.5 mm.
        // One of 222 mm in 240 mm with t = 20 leaves 265 - 20 - 231 = 14 mm
        // below it.
        {Where::Catalogue, 9, 0, "P27 6 265 1 190 0 0 135 135 1200 20 110 4.73 4.14 0.5 45 60", ""},
        {Where::Catalogue, 9, 0, "P27 4 265 20 240 0 0 222 222 1200 20 160 2.90 4.14 0.5 45 60",
         "laipan paksuus on vähintään ontelolaatan vähimmäispaksuus (max(17, (2 h)^0.5) = 23.02173 > "
         "h - h.fy - (h.c + b.c) / 2 = 14)"},
        // Self weights no normal-weight concrete (20 to 27 kN/m3) gives the
        // section: 1000 g b / A0 with A0 = 172716 mm2 (data/README.md) is
        // 25.01 kN/m3 as delivered. 0.001 kN/m2: 0.006948; one core (1.5
        // taken whole), A0 = 312700 - 23331 = 289369: 14.93; a circular core
        // of 135 mm, A0 = 312700 - 6 * 14314 = 226817: 19.05; 3.9 kN/m2:
        // 27.10; 2.9 and 3.88 kN/m2: 20.15 and 26.96, taken.
        {Where::Catalogue, 9, 13, "0.001",
         "laatan omapaino on normaalibetonin, vähintään 20 kN/m3 (20 > 1000 g b.hc / A0 = 6.947817E-03)"},
        {Where::Catalogue, 9, 2, "1.5",
         "laatan omapaino on normaalibetonin, vähintään 20 kN/m3 (20 > 1000 g b.hc / A0 = 14.92902)"},
        {Where::Catalogue, 9, 0, "P27 6 265 35 190 0 0 135 135 1200 20 110 3.60 4.14 0.5 45 60",
         "laatan omapaino on normaalibetonin, vähintään 20 kN/m3 (20 > 1000 g b.hc / A0 = 19.04621)"},
        {Where::Catalogue, 9, 13, "3.9",
         "laatan omapaino on normaalibetonin, enintään 27 kN/m3 (1000 g b.hc / A0 = 27.09649 > 27)"},
        {Where::Catalogue, 9, 13, "2.9", ""},
        {Where::Catalogue, 9, 13, "3.88", ""},
        // A strand axis that leaves the 12.9 mm strand less than its bond
        // cover of 1.5 * 12.9 = 19.35 mm: 7 - 6.45 = 0.55 mm.
        {Where::Catalogue, 9, 16, "7",
         "punoksen peite riittää sen tartuntaan (1.5 halkaisija = 19.35 > ap - halkaisija / 2 = 0.55)"},
        {Where::Catalogue, 9, 16, "26", ""},
        // The bond factor outside 2.7 to 3.2 (EN 1992-1-1 8.10.2.2(1)): 3.52
        // gave the SUORA example a slab shear utilisation of 0.720 for 0.725.
        {Where::Catalogue, 4, 5, "3.52", "punoksen tartuntakerroin on enintään 3.2 (tartuntakerroin = 3.52 > 3.2)"},
        {Where::Catalogue, 4, 5, "2.69", "punoksen tartuntakerroin on vähintään 2.7 (2.7 > tartuntakerroin = 2.69)"},
        {Where::Catalogue, 4, 5, "2.7", ""},
        // The strand's modulus outside 185 to 205 GPa (EN 1992-1-1 3.3.6(3)).
        {Where::Catalogue, 4, 6, "1", "punoksen kimmokerroin on vähintään 185000 MPa (185000 > Ep = 1)"},
        {Where::Catalogue, 4, 6, "205001",
         "punoksen kimmokerroin on enintään 205000 MPa (Ep = 205001 > 205000)"},
        {Where::Catalogue, 4, 6, "185000", ""},
        {Where::Catalogue, 4, 3, "140",  // pi / 4 * 12.9^2 = 130.698 mm2
         "punoksen pinta-ala mahtuu sen halkaisijan ympyrään (pinta-ala = 140 > pi/4 halkaisija^2 = 130.6981)"},
        // The issue's strand file line, and the designations around the limits.
        {Where::StrandFile, 8, 2, "-6", "tunnus -6: " + count + "1...30" + of0},
        {Where::StrandFile, 8, 3, "2.5L", "tunnus 2.5L: " + count + "1...29" + ofL},
        {Where::StrandFile, 8, 3, "0", "tunnus 0: " + count + "1...30" + of0},
        {Where::StrandFile, 8, 3, "30L", "tunnus 30L: " + count + "1...29" + ofL},
        {Where::StrandFile, 8, 3, "6X", "tunnus 6X: punosavainta X ei ole laattatiedostossa (avaimet: 0, S, L)"},
        {Where::StrandFile, 8, 3, "29L", ""},
        {Where::StrandFile, 8, 3, "38S", ""},
        // The issue's project tokens, and the designations around the limits.
        {Where::Project, 5, 3, "-20", "tunnus -20: " + count + "0...30" + of0},
        {Where::Project, 5, 3, "1E3", "tunnus 1E3: " + count + "0...30" + of0},
        {Where::Project, 5, 3, "2.5", "tunnus 2.5: " + count + "0...30" + of0},
        {Where::Project, 5, 3, "31", "tunnus 31: " + count + "0...30" + of0},
        {Where::Project, 5, 2, "-10L", "tunnus -10L: " + count + "1...29" + ofL},
        {Where::Project, 5, 2, "2.5L", "tunnus 2.5L: " + count + "1...29" + ofL},
        {Where::Project, 5, 2, "2.9L", "tunnus 2.9L: " + count + "1...29" + ofL},
        {Where::Project, 4, 2, "10Q", "tunnus 10Q: punosavainta Q ei ole laattatiedostossa (avaimet: 0, S, L)"},
        {Where::Project, 5, 2, "29L", ""},
        {Where::Project, 5, 3, "30", ""},
        {Where::Project, 4, 3, "2S", ""},
        // A designation that reaches the calculation without Open or the window.
        {Where::Calculation, 2, 2, "2.5L", "tunnus 2.5L: " + count + "1...29" + ofL},
        {Where::Calculation, 2, 3, "-20", "tunnus -20: " + count + "0...30" + of0},
        {Where::Calculation, 1, 2, "0", "tunnus 0: " + count + "1...30" + of0},
        // None, as a new project gets from a strand file without designations
        // for its slab type (once "strand key  unknown").
        {Where::Calculation, 1, 2, "", "punostunnus puuttuu"},
        {Where::Calculation, 2, 2, "29L", ""},
        // The calculation's messages in English.
        {Where::Catalogue, 9, 12, "5000",
         "the cores and the webs between them fit the unit's width (b.c = 135 >= (b.hc - 2 e.r) / (onteloita - 1) "
         "= -1760)",
         1},
        {Where::Calculation, 2, 2, "2.5L", "designation 2.5L: the strand count must be a whole number 1...29 "
                                           "(strand L, 12.9 mm)", 1},
    };

    const std::string project =
        quorvel::testing::readBytes(fs::path(QUORVEL_FIXTURES_DIR) / "inputfiles" / "concrete_middle_beam.dat");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.line) + "/" + std::to_string(c.word) + " = " + c.value);
        quorvel::testing::TempFolder data;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            if (entry.is_regular_file()) fs::copy_file(entry.path(), data.path() / entry.path().filename());
        auto p = std::make_unique<model::ProjectModel>(m);
        p->DataPath = data.dataPath();
        const bool taken = c.refusal.empty();
        switch (c.where) {
        case Where::StrandFile: {
            data.writeRaw("PUNOS.VAT", withWord(data.read("PUNOS.VAT"), c.line, c.word, c.value));
            const std::optional<DataFileError> fault = LoadSlabCatalogueOrFault(*p);
            ASSERT_EQ(!fault, taken) << (fault ? fault->text() : "");
            if (taken) break;
            EXPECT_EQ(fault->text(), "Punostiedoston " + data.dataPath() + "PUNOS.VAT rivillä 8 laattatyypin P27 " +
                                         "punostunnus ei kelpaa: " + c.refusal + ".");
            EXPECT_EQ(fault->text(1).rfind("Line 8 of the strand file " + data.dataPath() + "PUNOS.VAT", 0), 0u)
                << fault->text(1);
            break;
        }
        case Where::Project: {
            const auto problem = inputfile::ReadProjectBytes(*p, withWord(project, c.line, c.word, c.value), true);
            ASSERT_EQ(!problem, taken) << (problem ? problem->finnish : "");
            if (taken) break;
            const std::string field = c.word == 2 ? "BottomStrandCode" : "TopStrandCode";
            EXPECT_EQ(problem->line, c.line);
            EXPECT_EQ(problem->field, field);
            EXPECT_EQ(problem->element, c.line - 3);
            // The field by its name in each language, never the model's.
            const std::string layer = c.word == 2 ? "alapunokset" : "yläpunokset";
            EXPECT_NE(problem->finnish.find("kentän " + std::string(c.line == 4 ? "Vasemman" : "Oikean") + " laatan " +
                                            layer + " " + c.refusal),
                      std::string::npos)
                << problem->finnish;
            EXPECT_NE(problem->english.find("strands of the " + std::string(c.line == 4 ? "left" : "right") +
                                            " slab, designation " + c.value + ": "),
                      std::string::npos)
                << problem->english;
            EXPECT_EQ(problem->finnish.find(field), std::string::npos) << problem->finnish;
            EXPECT_EQ(problem->english.find(field), std::string::npos) << problem->english;
            break;
        }
        case Where::Catalogue:
        case Where::Calculation: {
            if (c.where == Where::Catalogue)
                data.writeRaw("ONTELO.MIT", withWord(data.read("ONTELO.MIT"), c.line, c.word, c.value));
            ASSERT_FALSE(inputfile::ReadProjectBytes(*p, project, true));
            if (c.where == Where::Calculation) {
                std::string& code = c.word == 2 ? p->BottomStrandCode(c.line) : p->TopStrandCode(c.line);
                code = c.value;
            }
            model::ComputeToppingLoad(*p);
            p->LanguageIndex = c.language;
            const std::string line = std::to_string(c.line);
            runtime::Messages messages;
            const int16_t status = analysis::PerformCalculation(*p, messages);
            const std::string said = runtime::messagesText(messages, c.language);
            if (!taken && c.where == Where::Catalogue) {
                const std::string pattern =
                    c.language == 1
                        ? "\\*\\*\\* ERROR \\*\\*\\*: line " + line + " of the slab catalogue .*ONTELO\\.MIT, \\S+: " +
                              "cannot exist, the rule does not hold: " + literal(c.refusal) +
                              "\\.\nCorrect the line of the slab catalogue\\."
                        : "\\*\\*\\* VIRHE \\*\\*\\*: Laattatiedoston .*ONTELO\\.MIT rivillä " + line +
                              " tunnuksen \\S+ mukaista ei voi olla, ehto ei täyty: " + literal(c.refusal) +
                              "\\.\nKorjaa laattatiedoston rivi\\.";
                EXPECT_TRUE(std::regex_match(said, std::regex(pattern, std::regex::icase))) << said;
            }
            const std::string field =
                c.language == 1 ? std::string(c.word == 2 ? "Bottom" : "Top") + " strands of the " +
                                      (c.line == 1 ? "left" : "right") + " slab"
                                : std::string(c.line == 1 ? "Vasemman" : "Oikean") + " laatan " +
                                      (c.word == 2 ? "alapunokset" : "yläpunokset");
            if (!taken && c.where == Where::Calculation) {
                EXPECT_EQ(said, (c.language == 1 ? "*** ERROR ***: " : "*** VIRHE ***: ") + field + ": " +
                                    c.refusal + ".");
            }
            if (taken) {
                EXPECT_EQ(said, "");
            }
            EXPECT_EQ(status == 0, taken) << status;
            for (int s = 1; taken && s <= 2; ++s)
                for (double r : {p->SlabShearUtilisation[s], p->SlabBendingUtilisation[s],
                                 p->SlabCrackingUtilisation[s]}) {
                    EXPECT_TRUE(std::isfinite(r) && r >= 0) << r;
                }
            break;
        }
        }
    }
}

// Top strands ask their cover only when there are some: a strand axis at
// 20 mm is enough for 9.3 mm bottom strands (1.5 * 9.3 = 13.95 <= 20 -
// 4.65 = 15.35) and top designation "0" (none of the 12.5 mm strand), but
// not for ten top strands (1.5 * 12.5 = 18.75 > 20 - 6.25 = 13.75). (A
// clean read kept for the same lines is kept apart by whether there are
// top strands.)
TEST_F(SlabRules, TopStrandsAskTheirCoverOnlyWhenThereAreSome) {
    runtime::DataFileCache files;  // the reads kept between calculations, as the window keeps them
    const std::string line = "P27 6 265 35 190 105 30 135 105 1200 20 110 3.60 4.14 0.5 20 60";
    folder.writeRaw("ONTELO.MIT", withWord(folder.read("ONTELO.MIT"), 9, 0, line));
    std::string project =
        quorvel::testing::readBytes(fs::path(QUORVEL_FIXTURES_DIR) / "inputfiles" / "concrete_middle_beam.dat");
    for (int l : {4, 5}) project = withWord(project, l, 2, "10S");
    auto p = std::make_unique<model::ProjectModel>(m);
    p->DataFiles = &files;
    ASSERT_FALSE(inputfile::ReadProjectBytes(*p, project, true));
    const struct {
        const char* top;
        std::string said;
    } steps[] = {
        {"0", ""},
        // The catalogue as it stands on disk, not as the project names it
        // ("ONTELO.mit").
        {"10", "*** VIRHE ***: Laattatiedoston " + p->DataPath + "ONTELO.MIT" +
                   " rivillä 9 tunnuksen P27 mukaista ei voi olla, ehto ei täyty: punoksen peite riittää "
                   "sen tartuntaan (1.5 halkaisija = 18.75 > ap - halkaisija / 2 = 13.75).\nKorjaa laattatiedoston "
                   "rivi."},
        {"0", ""},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.top);
        p->TopStrandCode(2) = step.top;
        model::ComputeToppingLoad(*p);
        runtime::Messages messages;
        const int16_t status = analysis::PerformCalculation(*p, messages);
        EXPECT_EQ(runtime::messagesText(messages, 0), step.said);
        EXPECT_EQ(status == 0, step.said.empty());
    }
}

}  // namespace
}  // namespace quorvel::app
