// Every number of a project file goes through the limits of its field, as
// the windows of the project's beam family hold it. One table over every
// numeric token of every corpus project (one per beam family and more):
// each token given a value beyond single precision, below and above its
// limits, at its limits and 1E-45 is either refused at Open with its line
// and field, or read and calculated to finite results. Then the measured
// cases of values no engineer could mean, which opened without a word and
// calculated to green results before, each refused with its line and field.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "analysis/calculation_driver.h"
#include "app/slab_catalogue.h"
#include "inputfile/input_file_reader.h"
#include "library/coefficient_table.h"
#include "library/slab_data.h"
#include "model/field_limits.h"
#include "model/topping_load.h"
#include "project_window_fixture.h"
#include "support/fixture_projects.h"

namespace quorvel::app {
namespace {

namespace fs = std::filesystem;

class ProjectFileLimits : public testing::ProjectWindowTest {
protected:
    void SetUp() override {
        ProjectWindowTest::SetUp();
        ui.setStrict(false);
    }

    struct Outcome {
        std::optional<inputfile::LineProblem> problem;
        std::unique_ptr<model::ProjectModel> model;
    };
    // The bytes opened as a project of a middle beam (the left side
    // carrying slabs) or of an edge beam.
    Outcome open(const std::string& bytes, bool middleBeam = true) {
        Outcome o{std::nullopt, std::make_unique<model::ProjectModel>(m)};
        o.problem = inputfile::ReadProjectBytes(*o.model, bytes, middleBeam);
        o.model->IsMiddleBeam = middleBeam ? 1 : 0;
        return o;
    }
    // A project read whole calculates to finite results (or stops with its
    // error number, which the user is told).
    void expectFiniteOrError(model::ProjectModel& p, const std::string& what) {
        model::ComputeToppingLoad(p);
        // A run that stops tells the user its error number: a section at
        // the ends of its dialog's boxes that contradicts itself (a web hole
        // as deep as the web), or a support moment so large that no
        // sagging moment is left to crack the section (0 / 0, error 6).
        runtime::Messages messages;
        if (analysis::PerformCalculation(p, messages) != 0) {
            ++failedCalculations;
            return;
        }
        ++calculations;
        const double results[] = {p.UtilisationRatio.number(),   p.MomentResistanceUsed.number(),
                                  p.MaxDesignMoment.number(),    p.MaxShearStage6.number(),
                                  p.BeamTopStrainMax.number(),   p.BeamDeflectionTotalMax.number(),
                                  p.SlabShearUtilisation[1],     p.SlabShearUtilisation[2],
                                  p.SlabBendingUtilisation[1],   p.SlabBendingUtilisation[2],
                                  p.SlabCrackingUtilisation[1], p.SlabCrackingUtilisation[2]};
        for (double r : results) EXPECT_TRUE(std::isfinite(r)) << what;
    }
    int calculations = 0;
    int failedCalculations = 0;
};

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

std::string bytesOf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& l : lines) bytes += l + "\r\n";
    return bytes;
}

// Where the numeric tokens of a line stand (the data before any "/"), as
// (offset, length). The titles, the catalogue name, the slab type and
// strand codes, the library and type names are text.
std::vector<std::pair<std::size_t, std::size_t>> numericTokens(const std::vector<std::string>& lines, std::size_t i) {
    std::vector<std::pair<std::size_t, std::size_t>> tokens;
    if (i < 3) return tokens;
    const std::string& line = lines[i];
    const std::size_t end = std::min(line.find('/'), line.size());
    const std::size_t textTokens = i == 3 || i == 4 ? 3 : i == 7 ? 2 : i == 8 ? 1 : 0;
    std::size_t k = 0;
    for (std::size_t p = 0; p < end;) {
        const std::size_t s = line.find_first_not_of(" ,", p);
        if (s >= end) break;
        const std::size_t e = std::min(line.find_first_of(" ,", s), end);
        if (k++ >= textTokens) tokens.emplace_back(s, e - s);
        p = e;
    }
    return tokens;
}

std::string text(double v) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.9g", v);
    return buffer;
}

// A value just outside the bound.
double below(const model::NumberRange& r) {
    return r.aboveMinimum ? r.minimum : r.minimum - std::max(std::fabs(r.minimum) * 1e-3, 1e-3);
}
double above(const model::NumberRange& r) { return r.maximum + std::max(std::fabs(r.maximum) * 1e-3, 1e-3); }

TEST_F(ProjectFileLimits, EveryNumberOfEveryCorpusProjectIsHeldToItsLimits) {
    int tokens = 0;
    for (const fs::path& project : quorvel::testing::fixtureProjects()) {
        const std::string name = project.filename().string();
        const std::vector<std::string> lines = linesOf(quorvel::testing::readBytes(project));
        // An edge beam's file holds no spacings for its left side.
        const bool middleBeam = !open(bytesOf(lines)).problem;
        {
            Outcome whole = open(bytesOf(lines), middleBeam);
            ASSERT_FALSE(whole.problem) << name << ": " << whole.problem->finnish;
        }
        for (std::size_t i = 0; i < lines.size(); ++i) {
            for (const auto& [at, length] : numericTokens(lines, i)) {
                ++tokens;
                auto with = [&, at = at, length = length](const std::string& value) {
                    std::vector<std::string> changed = lines;
                    changed[i].replace(at, length, value);
                    return open(bytesOf(changed), middleBeam);
                };
                const std::string where = name + " line " + std::to_string(i + 1) + " [" +
                                          lines[i].substr(at, length) + "]";
                // Beyond single precision: refused on its own line; a count
                // or a section parameter count is named without a field.
                Outcome huge = with("3.5E+38");
                ASSERT_TRUE(huge.problem) << where;
                EXPECT_EQ(huge.problem->line, static_cast<int>(i + 1)) << where << ": " << huge.problem->finnish;
                Outcome tiny = with("1E-45");
                if (!tiny.problem) expectFiniteOrError(*tiny.model, where + " 1E-45");
                // The left side of an edge beam carries no slabs: its values
                // change nothing and are held to single precision only.
                const model::FieldLimit* limit = model::fieldLimit(huge.problem->field, huge.problem->element);
                if (limit && limit->slabSideOnly && !middleBeam) continue;
                Outcome far = with("-3.4E+38");
                EXPECT_TRUE(far.problem && far.problem->line == static_cast<int>(i + 1)) << where << " -3.4E+38";
                if (huge.problem->field.empty()) continue;

                // The field's limits: just outside refused, at them read.
                const std::optional<model::BeamFamily> family = huge.model->Family();
                const auto range = model::projectFileRange(huge.problem->field, huge.problem->element, family);
                ASSERT_TRUE(range) << where << " " << huge.problem->field;
                // The loss is given in per cent.
                const double scale = huge.problem->field == "StrandPrestressLoss" ? 100 : 1;
                for (double outside : {below(*range), above(*range)}) {
                    Outcome o = with(text(outside * scale));
                    ASSERT_TRUE(o.problem) << where << " " << outside;
                    EXPECT_EQ(o.problem->line, static_cast<int>(i + 1)) << where << " " << outside;
                    EXPECT_EQ(o.problem->field, huge.problem->field) << where << " " << outside;
                }
                // A bound another field or the catalogue narrows is tried by the measured cases.
                const bool narrowed = !limit->atMostField.empty() || !limit->atMostFinnish.empty();
                std::vector<double> inside;
                if (!range->aboveMinimum && !narrowed) inside.push_back(range->minimum);
                if (!narrowed) inside.push_back(range->maximum);
                for (double bound : inside) {
                    Outcome o = with(text(bound * scale));
                    const bool refusedHere = o.problem && o.problem->line == static_cast<int>(i + 1) &&
                                             o.problem->field == huge.problem->field;
                    EXPECT_FALSE(refusedHere) << where << " " << bound << ": " << o.problem->finnish;
                    if (!o.problem) expectFiniteOrError(*o.model, where + " at " + text(bound));
                }
            }
        }
    }
    EXPECT_GT(tokens, 1000);
    EXPECT_GT(calculations, 1000);
    std::printf("[ limits   ] %d tokens; %d calculations finite, %d stopped with their error number\n", tokens,
                calculations, failedCalculations);
}

// The values no engineer could mean that opened without a word and
// calculated to a success before: each refused at Open with its line, its
// field (named in the window's language) and the range.
TEST_F(ProjectFileLimits, MeasuredValuesNoEngineerMeansAreRefusedWithLineAndField) {
    const std::vector<std::string> lines =
        linesOf(quorvel::testing::readBytes(fs::path(QUORVEL_FIXTURES_DIR) / "inputfiles" / "concrete_middle_beam.dat"));
    struct Case {
        const char* what;
        std::size_t line;  // from 1
        const char* replacement;
        const char* field;
        const char* shown;  // the message's value and range
    } cases[] = {
        {"additional safety factor -32768", 15, " 1.15 1.5 -32768 1.15 1.15 1 .7", "AdditionalSafetyFactor",
         "arvo -32768 ei ole rajoissa \\(0\\.8 \\.\\.\\. 1\\.4\\)"},
        {"additional safety factor -1", 15, " 1.15 1.5 -1 1.15 1.15 1 .7", "AdditionalSafetyFactor", "arvo -1 "},
        {"additional safety factor 0.5", 15, " 1.15 1.5 .5 1.15 1.15 1 .7", "AdditionalSafetyFactor", "arvo \\.5 "},
        {"strand loss -50 %", 5, "P27 10L 0  900 -50 40 1  50 7200 7200", "StrandPrestressLoss",
         "arvo -50 ei ole rajoissa \\(0 \\.\\.\\. 50 %\\)"},
        {"strand loss 150 %", 5, "P27 10L 0  900 150 40 1  50 7200 7200", "StrandPrestressLoss", "arvo 150 "},
        {"topping 600 mm", 7, " 25  2  600  0  500", "ToppingThickness", "arvo 600 ei ole rajoissa \\(0 \\.\\.\\. 500 mm\\)"},
        {"topping reinforcement 6000 mm2/m", 7, " 25  2  50  6000  500", "ToppingReinforcementArea",
         "\\(0 \\.\\.\\. 5000 mm²/m\\)"},
        {"topping reinforcement strength 150 MPa", 7, " 25  2  50  130  150", "ToppingReinforcementStrength",
         "\\(200 \\.\\.\\. 700 MPa\\)"},
        {"bar prestress 3.4E+38", 11, " 5 491 45 3.4E+38", "BarPrestress", "arvo 3\\.4E\\+38 "},
        {"bar prestress 32767 MPa", 11, " 5 491 45 32767", "BarPrestress", "arvo 32767 "},
        {"bar prestress above the bars' strength", 11, " 5 491 45 501", "BarPrestress",
         "arvo 501 on suurempi kuin 500 MPa \\(Lujuus fyk, punokset fp0\\.1k\\)"},
        {"beam span 0.5 mm", 8, "0 SUORA  .5 50  1", "BeamSpan", "\\(1000 \\.\\.\\. 40000 mm\\)"},
        {"beam concrete class 1E+30", 8, "0 SUORA  7200 1E+30  1", "BeamConcreteClass",
         "arvo 1E\\+30 ei ole rajoissa \\(30 \\.\\.\\. 100\\)"},
        {"core filling -5001 mm", 5, "P27 10L 0  900 20 40 1  -5001 7200 7200", "CoreFillingLength",
         "arvo -5001 ei ole rajoissa \\(-5000 \\.\\.\\. 5000 mm\\)"},
        {"right spacing 0.001 mm", 5, "P27 10L 0  900 20 40 1  50 .001 7200", "BeamSpacing",
         "\\(200 \\.\\.\\. 30000 mm\\)"},
        {"right spacing 50 000 mm", 5, "P27 10L 0  900 20 40 1  50 7200 50000", "BeamSpacing",
         "\\(200 \\.\\.\\. 30000 mm\\)"},
        {"joint concrete class 3.5E+38", 13, " 3.5E+38 2", "JointConcreteClass", "\\(16 \\.\\.\\. 60\\)"},
        {"beam width -380", 9, "SUORA 2 0 2 600 -380", "BeamWidth", "\\(180 \\.\\.\\. 5000 mm\\)"},
        // Quoted as the file writes it, not as the 0 it reads as.
        {"beam width 1e-999", 9, "SUORA 2 0 2 600 1e-999", "BeamWidth", "arvo \"1e-999\" ei ole rajoissa \\(180 "},
        // Half the 7200 mm span either way, each bound named by its side.
        {"first joint beyond half the span", 6, " 3601", "FirstJointDistance",
         "arvo 3601 on suurempi kuin 3600 mm \\(puolet palkin jännevälistä\\)$"},
        {"first joint before minus half the span", 6, " -3601", "FirstJointDistance",
         "arvo -3601 on pienempi kuin -3600 mm \\(miinus puolet palkin jännevälistä\\)$"},
        // 10L strands, fpk 1860, fp0.1k 0.88 x 1860 = 1636.8: min(0.8 fpk, 0.9 fp0.1k) = 1473.12 MPa.
        {"strand initial stress 1474 MPa", 5, "P27 10L 0  1474 20 40 1  50 7200 7200", "StrandInitialStress",
         "arvo 1474 on suurempi kuin 1473\\.12 MPa \\(punosten suurin jännitys jännitettäessä min\\(0,8 fpk; 0,9 "
         "fp0\\.1k\\), EN 1992-1-1 5\\.10\\.2\\.1\\)$"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> changed = lines;
        changed[c.line - 1] = c.replacement;
        Outcome o = open(bytesOf(changed));
        ASSERT_TRUE(o.problem);
        EXPECT_EQ(o.problem->line, static_cast<int>(c.line));
        EXPECT_EQ(o.problem->field, c.field);
        EXPECT_TRUE(std::regex_search(o.problem->finnish, std::regex(std::string("kentän .* ") + c.shown)))
            << o.problem->finnish;
        // The field by its name in each language, never by the model's.
        EXPECT_EQ(o.problem->finnish.find(c.field), std::string::npos) << o.problem->finnish;
        EXPECT_EQ(o.problem->english.find(c.field), std::string::npos) << o.problem->english;
    }
    std::vector<std::string> changed = lines;
    changed[4] = "P27 10L 0  1473 20 40 1  50 7200 7200";
    EXPECT_FALSE(open(bytesOf(changed)).problem) << "the strands' initial stress at 1473 MPa";
    // A factor is named as its box's caption names it, in each language.
    changed = lines;
    changed[14] = " 1.15 1.5 -1 1.15 1.15 1 .7";
    Outcome o = open(bytesOf(changed));
    ASSERT_TRUE(o.problem);
    EXPECT_NE(o.problem->finnish.find("kentän Lisävarmuuskerroin arvo"), std::string::npos) << o.problem->finnish;
    EXPECT_NE(o.problem->english.find("of Additional safety factor is outside"), std::string::npos)
        << o.problem->english;
}


// No number of a project file is dropped: every line ends after its
// fields (or with "/" and a comment), and what stands after them is named
// with the line, the field it follows and the text. One row per line of
// a fixture, " 777" appended; then the measured cases (before: the beam
// line "... 600 480,5" opened as 480, "... 480 777" and the material line
// "... 50 1,5" opened without a word) and the steel beam's line, whose
// strengths the reader completes.
TEST_F(ProjectFileLimits, TextAfterTheFieldsOfAnyLineIsNamedNeverDropped) {
    const std::vector<std::string> lines =
        linesOf(quorvel::testing::readBytes(fs::path(QUORVEL_FIXTURES_DIR) / "inputfiles" / "concrete_middle_beam.dat"));
    const std::vector<std::string> steel =
        linesOf(quorvel::testing::readBytes(fs::path(QUORVEL_FIXTURES_DIR) / "inputfiles" / "steel_hq_line_loads.dat"));
    struct Case {
        const std::vector<std::string>* file;
        std::size_t line;         // from 1
        const char* replacement;  // nullptr: the line with " 777" appended
        const char* named;        // "kentän N (name)", nullptr: the line opens
        const char* quoted = "777";
        bool decimalComma = false;  // said to want a decimal point
    } cases[] = {
        {&lines, 3, nullptr, "kentän 1 (Laattatiedosto)"},
        {&lines, 4, nullptr, "kentän 10 (Palkkivälit loppupäässä, vasen)"},
        {&lines, 5, nullptr, "kentän 10 (Palkkivälit loppupäässä, oikea)"},
        {&lines, 6, nullptr, "kentän 1 (Ensimmäisen sauman etäisyys palkin tuelta)"},
        {&lines, 7, nullptr, "kentän 5 (Raudoituksen myötölujuus)"},
        {&lines, 8, nullptr, "kentän 5 (Palkin betonin laatuluokka)"},
        {&lines, 9, nullptr, "kentän 6 (Palkin leveys)"},
        {&lines, 10, nullptr, "kentän 3 (Raudoiterivien lkm)"},
        {&lines, 11, nullptr, "kentän 4 (Esijännitys, rivi 1)"},
        {&lines, 12, nullptr, "kentän 4 (Esijännitys, rivi 2)"},
        {&lines, 13, nullptr, "kentän 2 (Saumavalun betonin laatuluokka)"},
        {&lines, 14, nullptr, "kentän 6 (Tukipituus, oikea)"},
        {&lines, 15, nullptr, "kentän 7 (Hyötykuorman yhdistelykerroin tavallisessa kuormayhdistelmässä psii1)"},
        {&lines, 16, nullptr, "kentän 3 (Muuttuva hyötykuorma, vasen)"},
        {&lines, 17, nullptr, "kentän 3 (Muuttuva hyötykuorma, oikea)"},
        {&lines, 18, nullptr, "kentän 2 (Laataston reuna loppupäässä)"},
        {&lines, 19, nullptr, "kentän 1 (Viivakuormien lkm, vasen)"},
        {&lines, 20, nullptr, "kentän 1 (Viivakuormien lkm, oikea)"},
        {&lines, 21, nullptr, "kentän 1 (Pistekuormien lkm, vasen)"},
        {&lines, 22, nullptr, "kentän 1 (Pistekuormien lkm, oikea)"},
        {&lines, 23, nullptr, "kentän 4 (Pysyvä viivakuorma L)"},
        {&lines, 24, nullptr, "kentän 4 (Muuttuva viivakuorma L)"},
        {&lines, 25, nullptr, "kentän 1 (Pistekuormien määrä)"},
        {&lines, 26, nullptr, "kentän 8 (Tukimomentti muuttuvasta kuormasta, loppupää)"},
        {&lines, 27, nullptr, "kentän 1 (Sallittu halkeaman leveys)"},
        {&lines, 28, nullptr, "kentän 1 (Ontelolaattabetonin vetolujuuden kerroin)"},
        {&lines, 29, nullptr, "kentän 2 (Kerroin βy)"},
        {&lines, 30, nullptr, "kentän 1 (Reikien lkm, vasen)"},
        {&lines, 31, nullptr, "kentän 1 (Reikien lkm, oikea)"},
        {&lines, 32, nullptr, "kentän 1 (Kieli)"},
        // Measured.
        {&lines, 9, "SUORA 2 0 2 600 480,5", "kentän 6 (Palkin leveys)", ",5", true},
        {&lines, 8, "0 SUORA  7200 50  1,5", "kentän 5 (Palkin betonin laatuluokka)", ",5", true},
        {&lines, 9, "SUORA 2 0 2 600 480 / leveys 480", nullptr},
        // Only a comma right before a digit is a decimal comma.
        {&lines, 9, "SUORA 2 0 2 600 480, 5", "kentän 6 (Palkin leveys)", "5"},
        {&lines, 9, "SUORA 2 0 2 600 480 ,5", "kentän 6 (Palkin leveys)", ",5", true},
        {&lines, 9, "SUORA 2 0 2 600 480,", nullptr},
        {&lines, 9, "SUORA 2 0 2 600 480 ,", "kentän 6 (Palkin leveys)", ","},
        {&lines, 9, "SUORA 2 0 2 600 480,x", "kentän 6 (Palkin leveys)", "x"},
        // The steel strengths: one given (the others 355), three, three and more.
        {&steel, 8, nullptr, "kentän 6 (Teräksen myötölujuus 3)"},
        {&steel, 8, "0 HQ  8400 355", nullptr},
        {&steel, 8, "0 HQ  8400 355 355 355", nullptr},
        {&steel, 8, "0 HQ  8400 355 355 355,5", "kentän 6 (Teräksen myötölujuus 3)", ",5", true},
    };
    for (const Case& c : cases) {
        std::vector<std::string> changed = *c.file;
        std::string& line = changed[c.line - 1];
        line = c.replacement ? std::string(c.replacement) : line + " 777";
        SCOPED_TRACE("line " + std::to_string(c.line) + ": " + line);
        Outcome o = open(bytesOf(changed));
        if (!c.named) {
            EXPECT_FALSE(o.problem) << o.problem->finnish;
            continue;
        }
        ASSERT_TRUE(o.problem);
        EXPECT_EQ(o.problem->line, static_cast<int>(c.line));
        EXPECT_EQ(o.problem->finnish.rfind(std::string(c.named) + " jälkeen on vielä \"" + c.quoted + "\": rivillä on", 0),
                  0u)
            << o.problem->finnish;
        EXPECT_EQ(o.problem->finnish.ends_with(" (desimaalierotin on piste)"), c.decimalComma) << o.problem->finnish;
        EXPECT_EQ(o.problem->english.ends_with(" (the decimal mark is a point)"), c.decimalComma) << o.problem->english;
    }
}

// A text that is no number in a number field of a project file or of a
// data file is never read as 0 nor cut to its leading digits: the file is
// refused with a message that quotes the text as it stands, with the file
// as it is named on disk, the line and the field (its place on the line and
// its name in the window's language), and nothing of it is taken: the
// window keeps its project, the catalogue loaded before stays, a
// calculation is not made.
TEST_F(ProjectFileLimits, ATextThatIsNoNumberRefusesItsFileNamingTextLineAndField) {
    enum class Door { Open, Read, StartUp, Calculate, Table };
    struct Case {
        Door door;
        const char* file;  // the project fixture, or the data file changed
        int line;          // from 1
        const char* from;  // the text of the line replaced
        const char* to;
        const char* quoted;  // what the message quotes between double quotes (nullptr: it names it so)
        const char* field;   // "kenttä 5 (...)", or the name the message gives
        bool decimalComma = false;  // said to want a decimal point
    } cases[] = {
        // Measured on concrete_middle_beam.dat: read as 0 %, as 2, "value 9",
        // "the value 0", 480.
        {Door::Open, "concrete_middle_beam.dat", 4, "900 20 40", "900 xx 40", "xx", "kenttä 5 (Jännityshäviö, vasen)"},
        {Door::Open, "concrete_middle_beam.dat", 4, "900 20 40", "900 2O 40", "2O", "kenttä 5 (Jännityshäviö, vasen)"},
        {Door::Open, "concrete_middle_beam.dat", 5, "900 20 40", "9OO 20 40", "9OO",
         "kenttä 4 (Punosten alkujännitys, oikea)"},
        {Door::Open, "concrete_middle_beam.dat", 8, "7200 50", "abc 50", "abc", "kenttä 3 (Palkin jänneväli)"},
        {Door::Open, "concrete_middle_beam.dat", 9, "600 480", "600 480mm", "480mm", "kenttä 6 (Palkin leveys)"},
        // And the other kinds of number fields: a concrete class of the
        // material group, a count, a row, a factor, a load count, the section
        // record's category, the language, a steel strength.
        {Door::Open, "concrete_middle_beam.dat", 8, "7200 50", "7200 5O", "5O", "kenttä 4 (Betoni)"},
        {Door::Open, "concrete_middle_beam.dat", 10, "500 2", "500 2x", "2x", "kenttä 3 (Raudoiterivien lkm)"},
        {Door::Open, "concrete_middle_beam.dat", 11, "5 491", "5 491a", "491a",
         "kenttä 2 (Raudoitteen pinta-ala, rivi 1)"},
        {Door::Open, "concrete_middle_beam.dat", 15, "1.5 1 ", "1.5 1.2.3 ", "1.2.3", "kenttä 3 (Lisävarmuuskerroin)"},
        {Door::Open, "concrete_middle_beam.dat", 15, "1.15 1.5", "1e 1.5", "1e",
         "kenttä 1 (Pysyvän kuorman varmuuskerroin)"},
        {Door::Open, "concrete_middle_beam.dat", 19, " 0", " 1O", "1O", "kenttä 1 (Viivakuormien lkm, vasen)"},
        // A decimal comma, which separates fields: what the line holds after
        // its last field is named (before: the first joint at "1,5" opened as
        // 1 and the right end spacing "7200,5" as 7200, the rest dropped).
        {Door::Open, "concrete_middle_beam.dat", 6, " 0", " 1,5", ",5", "kentän 1 (Ensimmäisen sauman etäisyys palkin tuelta) jälkeen",
         true},
        {Door::Open, "concrete_middle_beam.dat", 5, "7200 7200", "7200 7200,5", ",5",
         "kentän 10 (", true},
        // A decimal comma before the last field, named where it stands (before:
        // "after field 6 (Beam width) the line still holds "480"", no hint): on
        // a line of its own, the section's dimensions and the span before the
        // material values.
        {Door::Open, "concrete_middle_beam.dat", 4, "900 20 40", "900 20,5 40", "20,5", "kenttä 5 (Jännityshäviö, vasen)",
         true},
        {Door::Open, "concrete_middle_beam.dat", 9, "600 480", "600,5 480", "600,5", "kenttä 5 (Palkin korkeus)", true},
        {Door::Open, "concrete_middle_beam.dat", 9, "2 0 2", "2 0,5 2", "0,5", "kenttä 3 (Laatat leuan päällä)", true},
        {Door::Open, "concrete_middle_beam.dat", 8, "7200 50", "7200,5 50", "7200,5", "kenttä 3 (Palkin jänneväli)", true},
        // A tab separates no fields: the short line says it holds one.
        {Door::Open, "concrete_middle_beam.dat", 11, " 5 491", " 5\t491", nullptr,
         "liian vähän lukuja: 3, tarvitaan 4 (rivillä on sarkain, joka ei erota kenttiä)"},
        // A count that is not whole (before: 5.5 bars opened as 6, 2.5 rows
        // as 2 and half a load as none, without a word).
        {Door::Open, "concrete_middle_beam.dat", 11, "5 491", "5.5 491", "5.5", "kenttä 1 (Raudoitteiden lkm, rivi 1)"},
        {Door::Open, "concrete_middle_beam.dat", 10, "500 2", "500 2.5", "2.5", "kenttä 3 (Raudoiterivien lkm)"},
        {Door::Open, "concrete_middle_beam.dat", 19, " 0", " 0.5", "0.5", "kenttä 1 (Viivakuormien lkm, vasen)"},
        // So is a class, a flag or a count of the section line and a quality
        // class (before: the section line's read with floor, "2.9999" saved
        // as 2; "3.5" dimensions said "too few numbers: 2, needs 3").
        {Door::Open, "concrete_middle_beam.dat", 9, "SUORA 2 ", "SUORA 2.9999 ", "2.9999",
         "kenttä 2 (Palkin luokka) \"2.9999\" ei ole kokonaisluku"},
        {Door::Open, "concrete_middle_beam.dat", 9, "0 2 600", "0 3.5 600", "3.5",
         "kenttä 4 (Poikkileikkauksen mittojen lkm) \"3.5\" ei ole kokonaisluku"},
        {Door::Open, "concrete_middle_beam.dat", 7, "25  2  0", "25  2.5  0", "2.5", "kenttä 2 (Pintabetonin laatuluokka)"},
        {Door::Open, "concrete_middle_beam.dat", 8, "50  1", "50  1.5", "1.5", "kenttä 5 (Palkin betonin laatuluokka)"},
        {Door::Open, "concrete_middle_beam.dat", 9, "SUORA 2 ", "SUORA &H2 ", "&H2", "kenttä 2 (Palkin luokka)"},
        // Wholeness judged on the digits as written, not on the double they read as.
        {Door::Open, "concrete_middle_beam.dat", 10, "500 2", "500 2.0000000000000000001", "2.0000000000000000001",
         "kenttä 3 (Raudoiterivien lkm)"},
        {Door::Open, "concrete_middle_beam.dat", 10, "500 2", "500 1e-400", "1e-400", "kenttä 3 (Raudoiterivien lkm)"},
        {Door::Open, "concrete_middle_beam.dat", 7, "25  2  0", "25  2.0000000000000000001  0", "2.0000000000000000001",
         "kenttä 2 (Pintabetonin laatuluokka)"},
        {Door::Open, "concrete_middle_beam.dat", 29, " 0 1", " 1e-400 1", "1e-400", "kenttä 1 (Vaarnat palkin yläpinnassa)"},
        {Door::Open, "concrete_middle_beam.dat", 9, "2 0 2", "2 1e-400 2", "1e-400", "kenttä 3 (Laatat leuan päällä)"},
        // A category, flag or count beyond what its field holds is named as every field is.
        {Door::Open, "besuper_new_project_old_format.dat", 9, "3 1 9", "3 32768 9", nullptr,
         "kentän Laatat leuan päällä arvo 32768 ei ole rajoissa (0 ... 1)"},
        {Door::Open, "besuper_new_project_old_format.dat", 9, "3 1 9", "3 -32769 9", nullptr,
         "kentän Laatat leuan päällä arvo -32769 ei ole rajoissa (0 ... 1)"},
        {Door::Open, "besuper_new_project_old_format.dat", 9, "3 1 9", "3 65538 9", nullptr,
         "kentän Laatat leuan päällä arvo 65538 ei ole rajoissa (0 ... 1)"},
        {Door::Open, "besuper_new_project_old_format.dat", 9, "3 1 9", "99999999999999999999 1 9",
         "99999999999999999999", "kentän Palkin luokka arvo \"99999999999999999999\" ei ole rajoissa (1 ... 5)"},
        {Door::Open, "concrete_middle_beam.dat", 10, "500 2", "500 4294967298", nullptr,
         "kentän Raudoiterivien lkm arvo 4294967298 ei ole rajoissa (0 ... 10)"},
        {Door::Open, "concrete_middle_beam.dat", 32, " 0", " O", "O", "kenttä 1 (Kieli)"},
        {Door::Open, "steel_hq_line_loads.dat", 8, "8400 355", "8400 S35x", "S35x", "kenttä 4 (Teräksen myötölujuus)"},
        // The strands' strength named as its box names the proof stress.
        {Door::Open, "lbl_core_filling.dat", 10, "1630 2", "1801 2", nullptr, "kentän 0,1-rajan ominaislujuus fp0.1k arvo"},
        // JALO's strands in the ledge beam's window, whose box JALO captions so too.
        {Door::Open, "jalo_new_project_old_format.dat", 10, "1550 1", "1801 1", nullptr, "kentän 0,1-rajan ominaislujuus fp0.1k arvo"},
        // A number beyond the double range, at Open and at the calculation's
        // read of the file (before: "Rivi 9: luku on liian suuri").
        {Door::Open, "concrete_middle_beam.dat", 9, "600 480", "600 1e400", "1e400",
         "kenttä 6 (Palkin leveys) \"1e400\" ei ole käytettävä luku (liian suuri)"},
        {Door::Read, "concrete_middle_beam.dat", 9, "600 480", "600 1e400", "1e400", "kenttä 6 (Palkin leveys)"},
        {Door::Open, "concrete_middle_beam.dat", 8, "7200 50", "9e99999 50", "9e99999", "kenttä 3 (Palkin jänneväli)"},
        {Door::Read, "concrete_middle_beam.dat", 19, " 0", " 1e400", "1e400", "kenttä 1 (Viivakuormien lkm, vasen)"},
        {Door::Open, "steel_hq_line_loads.dat", 8, "8400 355", "8400 S1e400", "S1e400", "kenttä 4 (Teräksen myötölujuus)"},
        // The slab catalogue at start-up and at a calculation (P27's self
        // weight "3.6O" calculated as 3.6, "abc" named "g = 0"), the strand
        // file, the coefficient table.
        {Door::StartUp, "ONTELO.MIT", 9, "3.60 4.14", "abc 4.14", "abc", "kenttä 13 (g)"},
        {Door::StartUp, "ONTELO.MIT", 3, "S 9.3 52", "S 9.3mm 52", "9.3mm", "kenttä 2 (halkaisija)"},
        {Door::Calculate, "ONTELO.MIT", 9, "3.60 4.14", "3.6O 4.14", "3.6O", "kenttä 13 (g)"},
        {Door::Calculate, "ONTELO.MIT", 3, "3.2 195000", "3.2 195OOO", "195OOO", "kenttä 6 (Ep)"},
        // A number beyond the double range: named, not a bare arithmetic
        // error (before: "divide by zero 6" at a calculation).
        {Door::Calculate, "ONTELO.MIT", 9, "0.5 45 60", "0.5 45 1e400", "1e400", "kenttä 17 (l.tuki)"},
        {Door::StartUp, "ONTELO.MIT", 9, "0.5 45 60", "0.5 45 1e400", "1e400", "kenttä 17 (l.tuki)"},
        // A decimal comma in the catalogue (before: l.tuki "60,5" read as 60,
        // the ",5" dropped without a word; g "3,60" cut P27's line short at
        // start-up, so the type vanished from the catalogue).
        {Door::StartUp, "ONTELO.MIT", 9, "0.5 45 60", "0.5 45 60,5", "60,5", "kenttä 17 (l.tuki)", true},
        {Door::StartUp, "ONTELO.MIT", 9, "3.60 4.14", "3,60 4.14", "3,60", "kenttä 13 (g)", true},
        {Door::Calculate, "ONTELO.MIT", 9, "0.5 45 60", "0.5 45 60,5", "60,5", "kenttä 17 (l.tuki)", true},
        {Door::Calculate, "ONTELO.MIT", 9, "3.60 4.14", "3,60 4.14", "3,60", "kenttä 13 (g)", true},
        {Door::Calculate, "ONTELO.MIT", 9, "0.5 45 60", "0.5 45 60 777", "777", "kentän 17 (l.tuki) jälkeen"},
        // A semicolon separates nothing: the field is no number.
        {Door::Open, "concrete_middle_beam.dat", 9, "600 480", "600 480;5", "480;5", "kenttä 6 (Palkin leveys)"},
        {Door::StartUp, "PUNOS.VAT", 8, "P27 6 5 7", "P27 6,5 7", nullptr,
         "laattatyypin P27 punostunnus ei kelpaa: tunnus 6,5:"},
        {Door::StartUp, "PUNOS.VAT", 8, "P27 6 5 7", "P27 6 x5 7", nullptr, "laattatyypin P27 punostunnus ei kelpaa: tunnus x5:"},
        {Door::Table, "kef.da0", 3, "1,150,0.10", "1,150,0.1O", "0.1O", "k_cd"},
    };
    const std::string fixtures = std::string(QUORVEL_FIXTURES_DIR) + "/inputfiles/";
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " line " + std::to_string(c.line) + " " + c.to);
        // The file with the line changed, in the test's folder.
        const bool project = c.door == Door::Open || c.door == Door::Read;
        std::vector<std::string> lines = linesOf(
            quorvel::testing::readBytes(project ? fixtures + c.file : std::string(QUORVEL_SOURCE_DIR "/data/") + c.file));
        std::string& line = lines[static_cast<std::size_t>(c.line - 1)];
        const std::size_t at = line.find(c.from);
        ASSERT_NE(at, std::string::npos) << line;
        line.replace(at, std::string(c.from).size(), c.to);
        const std::string name = project ? "changed.dat" : c.file;
        folder.writeRaw(name, bytesOf(lines));
        const std::string path = folder.file(name);

        std::string said;
        switch (c.door) {
        case Door::Open: {
            const std::string before = inputBytes(m, folder, "before.dat");
            ui.clearMessages();
            declineSaveQuestions();
            ui.answerFileDialog(path);
            ui.click(w.cmdAvaalahto);
            ASSERT_FALSE(ui.messages().empty());
            said = ui.messages().back().text;
            EXPECT_NE(said.find("Tiedostoa " + path + " ei voi avata."), std::string::npos) << said;
            EXPECT_NE(said.find("Rivi " + std::to_string(c.line) + ": "), std::string::npos) << said;
            EXPECT_EQ(inputBytes(m, folder, "after.dat"), before) << "the window keeps its project";
            break;
        }
        case Door::Read: {
            model::ProjectModel run = m;
            runtime::Messages messages;
            int16_t firstErrorLine = 0;
            EXPECT_EQ(inputfile::ReadInputDataBytes(run, messages, bytesOf(lines), firstErrorLine), -1);
            EXPECT_EQ(firstErrorLine, c.line);
            std::string english;
            for (const auto& message : messages) {
                said += message.finnish;
                english += message.english;
            }
            EXPECT_NE(english.find(std::string("\"") + c.quoted + "\" is not"), std::string::npos) << english;
            break;
        }
        case Door::StartUp: {
            model::ProjectModel loaded = m;
            loaded.DataPath = folder.dataPath();
            loaded.SlabFileName = "Ontelo.mit";
            const auto types = loaded.SlabCatalogue;
            const auto fault = LoadSlabCatalogueOrFault(loaded);
            ASSERT_TRUE(fault);
            said = fault->text(0);
            EXPECT_EQ(loaded.SlabCatalogue.size(), types.size()) << "the catalogue loaded before stays";
            EXPECT_EQ(loaded.SlabCatalogue.find("P27")->Thickness, types.find("P27")->Thickness);
            break;
        }
        case Door::Calculate: {
            model::ProjectModel run = m;
            run.DataPath = folder.dataPath();
            run.SlabFileName = "ONTELO.mit";  // as a project file names it: found as ONTELO.MIT
            run.SlabTypeName(2) = "P27";
            run.BottomStrandType(2) = "S";
            run.SlabSelfWeight(2) = -1;  // what no read gives
            runtime::Messages messages;
            int16_t status = 0;
            library::ReadSlabAndStrandData(run, messages, 2, status);
            EXPECT_EQ(status, -1) << "nothing is calculated";
            EXPECT_EQ(run.SlabSelfWeight(2).number(), -1) << "nothing of the line is taken";
            ASSERT_FALSE(messages.empty());
            said = messages.back().finnish;
            const std::string& english = messages.back().english;
            EXPECT_TRUE(english.find("is not a ") != std::string::npos ||
                        english.find("the line still holds") != std::string::npos)
                << english;
            EXPECT_EQ(english.find("the decimal mark is a point") != std::string::npos, c.decimalComma) << english;
            break;
        }
        case Door::Table: {
            model::ProjectModel run = m;
            run.DataPath = folder.dataPath();
            const auto fault = library::CheckKefTable(run);
            ASSERT_TRUE(fault);
            said = fault->text(0);
            runtime::Value kcd(-1.0), extra(-1.0);
            std::string type = "SUORA";
            EXPECT_THROW(library::LookupKefCoefficient(run, type, "P27", 265, 105, 0, 0, kcd, extra),
                         library::CoefficientTableError);
            EXPECT_EQ(kcd.number(), -1) << "nothing of the table is taken";
            break;
        }
        }
        // The text as it stands, the field, the line and the file as on disk.
        if (c.quoted) {
            EXPECT_NE(said.find(std::string("\"") + c.quoted + "\""), std::string::npos) << said;
        }
        EXPECT_NE(said.find(c.field), std::string::npos) << said;
        EXPECT_EQ(said.find("desimaalierotin on piste") != std::string::npos, c.decimalComma) << said;
        EXPECT_EQ(said.find("desimaalierotin on piste"), said.rfind("desimaalierotin on piste")) << "said once: " << said;
        EXPECT_NE(said.find(std::to_string(c.line)), std::string::npos) << said;
        if (!project) {
            EXPECT_NE(said.find(path), std::string::npos) << said;
            folder.writeRaw(name, quorvel::testing::readBytes(std::string(QUORVEL_SOURCE_DIR "/data/") + c.file));
        }
    }
}


// What stored files rely on: the number rule that refuses a text that is no
// number, the limits and the section rules still read every file that
// exists. The delivered slab catalogue, strand file and coefficient table
// load; every corpus project opens (its left side held as a middle beam's
// where it has slabs there; the beam rules' test calculates each); and the
// file the program writes of each opens again to the same bytes.
TEST(StoredFiles, EveryDeliveredDataFileCorpusProjectAndWrittenFileStillReads) {
    const std::string data = quorvel::testing::sourceFolder() + "/data/";
    const quorvel::testing::TempFolder folder;
    auto catalogue = std::make_unique<model::ProjectModel>();
    catalogue->DataPath = data;
    catalogue->SlabFileName = "ONTELO.MIT";
    catalogue->StrandFileName = "PUNOS.VAT";
    const auto fault = LoadSlabCatalogueOrFault(*catalogue);
    EXPECT_FALSE(fault) << fault->text(1);
    EXPECT_GT(catalogue->SlabTypeCount, 0);
    const auto kef = library::CheckKefTable(*catalogue);
    EXPECT_FALSE(kef) << kef->text(1);

    int read = 0;
    for (const fs::path& project : quorvel::testing::fixtureProjects()) {
        SCOPED_TRACE(project.filename().string());
        auto m = std::make_unique<model::ProjectModel>(*catalogue);
        std::optional<inputfile::LineProblem> problem = inputfile::ReadProjectFile(*m, project.string());
        ASSERT_FALSE(problem) << problem->english;
        const bool leftSlabs = m->BeamSpacing(1, 1) > 0 || m->BeamSpacing(1, 2) > 0;
        if (leftSlabs) {
            problem = inputfile::ReadProjectFile(*m, project.string(), true);
            ASSERT_FALSE(problem) << problem->english;
        }
        const std::string written = folder.file("written.dat");
        ASSERT_EQ(inputfile::WriteInputDataFile(*m, written), 0);
        auto again = std::make_unique<model::ProjectModel>(*catalogue);
        problem = inputfile::ReadProjectFile(*again, written, leftSlabs);
        ASSERT_FALSE(problem) << problem->english;
        const std::string rewritten = folder.file("rewritten.dat");
        ASSERT_EQ(inputfile::WriteInputDataFile(*again, rewritten), 0);
        EXPECT_EQ(quorvel::testing::readBytes(written), quorvel::testing::readBytes(rewritten));
        ++read;
    }
    EXPECT_GE(read, 16);
}

// A section value outside its box's limits is named by the caption of the
// project's beam dialog, as the section rules name it: the box to mend.
TEST_F(ProjectFileLimits, ASectionValueIsNamedByTheBoxOfItsBeamDialog) {
    struct Case {
        const char* fixture;
        const char* sectionLine;  // line 9
        const char* english;      // the start of the message
    } cases[] = {
        {"apalkki_new_project_old_format.dat", "Apalkki 3 1 10 245 15 15 2000 15 380 15 110 110 135",
         "the value 2000 of Top plate width (bt) is outside"},
        {"cwq_new_project_old_format.dat", "CWQ 1 1 8 265 5 25 240 1E+30 450 210 25",
         "the value 1E+30 of Bottom flange thickness (tb) is outside"},
        {"kemo_uusi_new_project_old_format.dat", "KEMO_UUSI 3 1 9 265 480 440 8 400 90 1E+30 100 100",
         "the value 1E+30 of Angle thickness (t) is outside"},
        // LBL's bottom width box shows the plate less its ledges.
        {"lbl_core_filling.dat", "LBL 3 1 6 265 440 8 1E+30 100 100",
         "the value 1E+30 of Bottom flange width is outside"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        std::vector<std::string> lines =
            linesOf(quorvel::testing::readBytes(fs::path(QUORVEL_FIXTURES_DIR) / "inputfiles" / c.fixture));
        ASSERT_GT(lines.size(), 9u);
        lines[8] = c.sectionLine;
        Outcome o = open(bytesOf(lines));
        ASSERT_TRUE(o.problem);
        EXPECT_EQ(o.problem->line, 9);
        EXPECT_EQ(o.problem->english.rfind(c.english, 0), 0u) << o.problem->english;
    }
}

}  // namespace
}  // namespace quorvel::app
