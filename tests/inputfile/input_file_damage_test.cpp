// Damaged, hand-edited and library-based input files: every one is read
// without a crash or an access beyond the model's arrays, and every fault
// reaches the user in the summary and the result.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "inputfile/input_file_reader.h"
#include "inputfile/input_file_writer.h"
#include "model/project_model.h"
#include "platform/headless/headless_platform.h"
#include "input_file_support.h"

using namespace quorvel;
using inputfile::ReadInputDataFile;
using model::ProjectModel;
using quorvel::testing::readBytes;

namespace {

// A complete file of a rectangular concrete beam, one line per record.
std::vector<std::string> plainFile() {
    return {
        "Otsikko 1",
        "Otsikko 2",
        "ONTELO",
        "P27 10L 0  900  20  40  1  50  7200  7200",
        "P27 10L 0  900  20  40  1  50  7200  7200",
        " 0",
        " 25  2  50  0  500",
        "0 SUORA  6000  50  1",
        "SUORA 2  0  2  580  380",
        " 200000  500  1",
        " 4  491  38  .00001",
        " 25  2",
        " 10  10  90  90  65  65",
        " 1.15  1.5  1  1.15  1.15  1  .7",
        " .0011  .5  2.5",
        " .0011  .5  2.5",
        " 7200  7200",
        " 0",
        " 0",
        " 0",
        " 0",
        " 0  0  0  0",
        " 0  0  0  0",
        " 0",
        " 0  0  0  0  0  0  0  0",
        " .2",
        " 1",
        " 0  1",
        " 0",
        " 0",
        " 0",
    };
}

struct Read {
    int16_t status = 0;
    int16_t firstErrorLine = -7;
    ProjectModel model;
    runtime::Messages messages;
};

std::unique_ptr<Read> readLines(const std::string& dir, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\r\n";
    std::ofstream(dir + "t.dat", std::ios::binary) << bytes;
    auto r = std::make_unique<Read>();
    r->model.DataPath = dir;
    r->status = ReadInputDataFile(r->model, r->messages, dir + "t.dat", r->firstErrorLine);
    return r;
}

bool anyMessageContains(const runtime::Messages& messages, const std::string& text) {
    for (const auto& m : messages)
        if (m.finnish.find(text) != std::string::npos) return true;
    return false;
}

}  // namespace

TEST(InputFileReader, CompleteFileReadsWithoutMessages) {
    const auto dir = quorvel::testing::companyDataFolder();
    auto r = readLines(dir, plainFile());
    EXPECT_EQ(r->status, 0);
    EXPECT_EQ(r->firstErrorLine, 0);
    EXPECT_TRUE(r->messages.empty());
    EXPECT_EQ(r->model.CompanyName, "Testirakenne Oy");
    EXPECT_EQ(r->model.BeamTypeName, "SUORA");
    EXPECT_EQ(r->model.OverallBeamHeight.number(), 580);
}

TEST(InputFileReader, ShortToppingRecordIsListedAndCorrected) {
    const auto dir = quorvel::testing::companyDataFolder();
    auto lines = plainFile();
    lines[6] = " 25  2  50  0";  // four numbers of five
    auto r = readLines(dir, lines);
    EXPECT_EQ(r->status, -1);
    EXPECT_EQ(r->firstErrorLine, 7);
    EXPECT_EQ(r->model.ToppingReinforcementStrength.number(), 500);
    ASSERT_EQ(r->messages.size(), 2u);
    EXPECT_EQ(r->messages[0].finnish, " 25  2  50  0\r\nRivillä  7 liian vähän lukuja:  4 <  5");
    EXPECT_EQ(r->messages[1].finnish,
              "Lähtötietovirheitä:\nLähtötietovirhe rivillä  7\r\nVirheilmoitukset tiedostossa quorvel.err");
    EXPECT_EQ(r->messages[1].english,
              "Input data errors:\nInput data error on line 7\r\nThe error messages are in the file quorvel.err");
    EXPECT_NE(readBytes(dir + "quorvel.err").find("L\xE4ht\xF6tietovirhe rivill\xE4  7\r\n"), std::string::npos);
}

TEST(InputFileReader, SlashRecordsTakeTheirDefaultsSilently) {
    const auto dir = quorvel::testing::companyDataFolder();
    auto lines = plainFile();
    lines[25] = "/";  // allowed crack width
    lines[30] = "/";  // language
    auto r = readLines(dir, lines);
    EXPECT_EQ(r->status, 0);
    EXPECT_EQ(r->model.AllowedCrackWidth.number(), 0.2);
    EXPECT_EQ(r->model.LanguageIndex, 0);
    EXPECT_TRUE(r->messages.empty());
}

TEST(InputFileReader, SteelStrengthsAreTheNumberOfTheirGrade) {
    const auto dir = quorvel::testing::companyDataFolder();
    auto lines = plainFile();
    lines[7] = "0 HQ  6000 S460";
    lines[8] = "HQ 1  1  6  400  10  20  300  12  500";
    lines.erase(lines.begin() + 9, lines.begin() + 11);  // no concrete reinforcement for a steel beam
    auto r = readLines(dir, lines);
    EXPECT_EQ(r->status, 0);
    EXPECT_EQ(r->model.SteelStrength.number(), 460);
    EXPECT_EQ(r->model.SteelStrength2.number(), 355);  // from the appended defaults
    EXPECT_EQ(r->model.SteelStrength3.number(), 355);
    EXPECT_EQ(r->model.MaterialParameterCount, 3);

    lines[7] = "0 HQ  6000 S460 1000 S355J2";
    r = readLines(dir, lines);
    EXPECT_EQ(r->model.SteelStrength.number(), 460);
    EXPECT_EQ(r->model.SteelStrength2.number(), 1000);
    EXPECT_EQ(r->model.SteelStrength3.number(), 355);

    // What is no steel grade is no number: never its leading digits.
    for (const char* text : {"[S460]", "S35x", "S", "460MPa", "S355J9"}) {
        lines[7] = std::string("0 HQ  6000 ") + text;
        r = readLines(dir, lines);
        EXPECT_EQ(r->status, -1) << text;
        EXPECT_TRUE(std::isnan(r->model.SteelStrength.number())) << text;
    }
}

TEST(InputFileReader, CountsBeyondTheArraysAreFlaggedNotFollowed) {
    const auto dir = quorvel::testing::companyDataFolder();
    auto lines = plainFile();
    lines[9] = " 200000  500  12";  // twelve reinforcement rows: the model holds ten
    for (int i = 0; i < 9; ++i) lines.insert(lines.begin() + 11, " 4  491  38  0");
    auto r = readLines(dir, lines);
    EXPECT_EQ(r->status, -1);
    EXPECT_EQ(r->firstErrorLine, 10);
    EXPECT_EQ(r->model.ReinforcementRowCount, 10);

    lines = plainFile();
    lines[17] = " -3";  // a negative line-load count
    lines[23] = " 99";  // beam point loads: at most five
    r = readLines(dir, lines);
    EXPECT_NE(r->status, 0);
    EXPECT_EQ(r->model.SlabLineLoadCount(1).number(), 0);
    EXPECT_LE(r->model.BeamPointLoadCount, 5);
}

TEST(InputFileReader, SectionParameterCountBeyondTheLineIsFlagged) {
    const auto dir = quorvel::testing::companyDataFolder();
    auto lines = plainFile();
    lines[8] = "SUORA 2  0  40  580  380";
    auto r = readLines(dir, lines);
    EXPECT_EQ(r->status, -1);
    EXPECT_EQ(r->firstErrorLine, 9);
    EXPECT_EQ(r->model.OverallBeamHeight.number(), 580);
}

TEST(InputFileReader, MissingParametersAreZeroNotLeftFromAnEarlierRead) {
    const auto dir = quorvel::testing::companyDataFolder();
    auto lines = plainFile();
    lines[8] = "BLEUKA 2  0  6  600  400  300  300  150  150";
    lines[7] = "0 BLEUKA  6000  50  1";
    ProjectModel m;
    m.DataPath = dir;
    runtime::Messages messages;
    int16_t first = 0;
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\r\n";
    std::ofstream(dir + "a.dat", std::ios::binary) << bytes;
    ASSERT_EQ(ReadInputDataFile(m, messages, dir + "a.dat", first), 0);
    EXPECT_EQ(m.RightLedgeDepth.number(), 150);

    lines[8] = "BLEUKA 2  0  4  600  400  300  300";  // the record gives four of six
    bytes.clear();
    for (const auto& l : lines) bytes += l + "\r\n";
    std::ofstream(dir + "b.dat", std::ios::binary) << bytes;
    ASSERT_EQ(ReadInputDataFile(m, messages, dir + "b.dat", first), 0);
    EXPECT_EQ(m.LeftLedgeDepth.number(), 0);
    EXPECT_EQ(m.RightLedgeDepth.number(), 0);
}

TEST(InputFileReader, DefaultsOfOneReadDoNotCarryIntoTheNext) {
    const auto dir = quorvel::testing::companyDataFolder();
    auto first = readLines(dir, plainFile());
    ASSERT_EQ(first->status, 0);
    auto lines = plainFile();
    lines[3] = "";  // a slab record with nothing in it
    auto r = readLines(dir, lines);
    EXPECT_EQ(r->status, -1);
    EXPECT_EQ(r->model.SlabTypeName(1), "");  // not the "0" the last read's language record used
}

TEST(InputFileReader, FileThatEndsEarlyStopsWithError62AndNoSummary) {
    const auto dir = quorvel::testing::companyDataFolder();
    auto lines = plainFile();
    lines.resize(20);
    auto r = readLines(dir, lines);
    EXPECT_EQ(r->status, 62);
    EXPECT_EQ(r->firstErrorLine, -7);  // left as it was
    EXPECT_TRUE(r->messages.empty());

    ProjectModel m;
    m.DataPath = dir;
    runtime::Messages messages;
    int16_t firstError = 0;
    EXPECT_EQ(ReadInputDataFile(m, messages, dir + "nothing.dat", firstError), 53);
    // A missing company header never stops a read: the file's own end does.
    std::filesystem::remove(dir + "FIRMA.DA0");
    EXPECT_EQ(ReadInputDataFile(m, messages, dir + "t.dat", firstError), 62);
    EXPECT_EQ(m.CompanyName, "");
}

TEST(InputFileReader, LibrarySectionReplacesTheFilesSectionRecordWithoutShiftingLaterRecords) {
    const auto dir = quorvel::testing::companyDataFolder();
    std::ofstream(dir + "PALKIT.MIT", std::ios::binary)
        << "HQ320 1 1 120 60 6 320 12 25 420 15 520\r\n"
           "SUORA600 2 0 0 90 2 600 400\r\n"
           "LOPPU\r\n";
    auto lines = plainFile();
    lines[7] = "PALKIT SUORA600  6000  50  1";
    lines[8] = "SUORA600 2  0  2  580  380";  // written by the program, passed over
    auto r = readLines(dir, lines);
    EXPECT_EQ(r->status, 0);
    EXPECT_EQ(r->model.OverallBeamHeight.number(), 600);
    EXPECT_EQ(r->model.BeamWidth.number(), 400);
    EXPECT_EQ(r->model.JointGroutWidth(2).number(), 90);
    EXPECT_EQ(r->model.ReinforcementModulus.number(), 200000);  // record 10 read from its own line
    EXPECT_EQ(r->model.LanguageIndex, 0);

    // A file without the section record (as the library format expects) reads the same.
    lines.erase(lines.begin() + 8);
    r = readLines(dir, lines);
    EXPECT_EQ(r->status, 0);
    EXPECT_EQ(r->model.OverallBeamHeight.number(), 600);
    EXPECT_EQ(r->model.ReinforcementModulus.number(), 200000);
}

TEST(InputFileReader, MissingLibraryOrUnknownTypeReachesTheSummary) {
    const auto dir = quorvel::testing::companyDataFolder();
    auto lines = plainFile();
    lines[7] = "PUUTTUU SUORA600  6000  50  1";
    lines[8] = "SUORA600 2  0  2  580  380";
    auto r = readLines(dir, lines);
    EXPECT_EQ(r->status, -1);
    EXPECT_EQ(r->firstErrorLine, 9);
    EXPECT_TRUE(anyMessageContains(r->messages, "Lähtötietovirhe rivillä  9"));

    // A file without the section record: the fault is flagged on the line
    // of record 8, which names the library.
    auto withoutSection = lines;
    withoutSection.erase(withoutSection.begin() + 8);
    r = readLines(dir, withoutSection);
    EXPECT_EQ(r->status, -1);
    EXPECT_EQ(r->firstErrorLine, 8);
    EXPECT_EQ(r->model.ReinforcementModulus.number(), 200000);  // later records still on their lines

    std::ofstream(dir + "palkit.mit", std::ios::binary) << "HQ320 1 1 120 60 6 320 12 25 420 15 520\r\nLOPPU\r\n";
    lines[7] = "PALKIT SUORA600  6000  50  1";
    r = readLines(dir, lines);
    EXPECT_EQ(r->status, -1);
    EXPECT_TRUE(anyMessageContains(r->messages, "*** Virhe: Palkkityyppi SUORA600 tuntematon"));
    EXPECT_TRUE(anyMessageContains(r->messages, "Lähtötietovirhe rivillä  9"));
}

// Truncated files, absurd counts, very long lines and arbitrary bytes: the
// reader never crashes, answers 0, -1 or an error number, and every count it
// stores lies within its array.
TEST(InputFileReader, BadInputGivesAResultAndKeepsCountsInBounds) {
    const auto dir = quorvel::testing::companyDataFolder();
    auto countsInBounds = [](const ProjectModel& m) {
        EXPECT_GE(m.ReinforcementRowCount, 0);
        EXPECT_LE(m.ReinforcementRowCount, 10);
        EXPECT_GE(m.TopRebarRowCount, 0);
        EXPECT_LE(m.TopRebarRowCount, 10);
        EXPECT_GE(m.SteelBeamRebarRowCount, 0);
        EXPECT_LE(m.SteelBeamRebarRowCount, 10);
        EXPECT_GE(m.BeamPointLoadCount, 0);
        EXPECT_LE(m.BeamPointLoadCount, 5);
        for (int s = 1; s <= 2; ++s) {
            EXPECT_GE(m.HoleCount(s), 0);
            EXPECT_LE(m.HoleCount(s), 2);
            EXPECT_GE(m.SlabLineLoadCount(s).number(), 0);
            EXPECT_LE(m.SlabLineLoadCount(s).number(), 5);
            EXPECT_GE(m.SlabPointLoadCount(s).number(), 0);
            EXPECT_LE(m.SlabPointLoadCount(s).number(), 5);
        }
    };
    auto acceptable = [](int16_t status) {
        return status == 0 || status == -1 || (status >= 5 && status <= 76);
    };

    // Truncated after every record, including the empty file.
    const auto full = plainFile();
    for (std::size_t n = 0; n < full.size(); ++n) {
        SCOPED_TRACE("lines kept: " + std::to_string(n));
        auto r = readLines(dir, std::vector<std::string>(full.begin(), full.begin() + static_cast<long>(n)));
        EXPECT_EQ(r->status, 62);
        countsInBounds(r->model);
    }

    // Counts negative, fractional and huge on every count record.
    const std::vector<std::string> counts = {" -1", " 2.7", " 1E+300", " -1E+300", " 32768", " &HFFFF", "x"};
    const std::vector<std::size_t> countLines = {17, 18, 19, 20, 23, 28, 29};
    for (std::size_t line : countLines) {
        for (const auto& value : counts) {
            SCOPED_TRACE("line " + std::to_string(line + 1) + " = [" + value + "]");
            auto lines = full;
            lines[line] = value;
            auto r = readLines(dir, lines);
            EXPECT_TRUE(acceptable(r->status)) << r->status;
            countsInBounds(r->model);
        }
    }
    for (const auto& value : counts) {
        auto lines = full;
        lines[9] = " 200000  500" + value;  // reinforcement row count
        auto r = readLines(dir, lines);
        EXPECT_TRUE(acceptable(r->status)) << r->status;
        countsInBounds(r->model);
        lines = full;
        lines[8] = "SUORA 2  0 " + value + "  580  380";  // section parameter count
        r = readLines(dir, lines);
        EXPECT_TRUE(acceptable(r->status)) << r->status;
    }

    // A line of 100 000 characters, high bytes and NUL characters.
    auto lines = full;
    lines[3] = std::string(100000, '7');
    auto r = readLines(dir, lines);
    EXPECT_TRUE(acceptable(r->status));
    lines = full;
    lines[3] = std::string("P27\x00\xFF\x80 10L", 10) + " 0  900 20 40 1  50 7200 7200";
    lines[0] = std::string("\x00\x00\xE4\x9D", 4);
    r = readLines(dir, lines);
    EXPECT_TRUE(acceptable(r->status));
    countsInBounds(r->model);
}

// A file read for the user keeps every value as it stands; read for a
// calculation, the values the calculation cannot take are replaced.
TEST(InputFileReader, CorrectionsAreTheCalculationsOnly) {
    const auto dir = quorvel::testing::companyDataFolder();
    auto lines = plainFile();
    lines[6] = " 25  2  0  130  500";  // no topping, yet an area
    lines[10] = " 4  491  38  0";      // bar prestress 0
    lines[11] = " 5  2";               // joint grade 5
    lines[12] = " 0  0  90  90  65  65";
    lines[13] = " 1.15  1.5  0  1.15  1.15  1  .7";
    lines[14] = " 0  0  0";
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\r\n";
    struct Expected {
        inputfile::ReadMode mode;
        double topping, area, prestress, joint, gap, factor, load;
    } cases[] = {
        {inputfile::ReadMode::AsEntered, 0, 130, 0, 5, 0, 0, 0},
        {inputfile::ReadMode::ForCalculation, 0.0001, 0, 0.00001, 10, 0.001, 1.2, 0.0011},
    };
    for (const Expected& e : cases) {
        ProjectModel m;
        m.DataPath = dir;
        runtime::Messages messages;
        int16_t first = 0;
        ASSERT_EQ(inputfile::ReadInputDataBytes(m, messages, bytes, first, e.mode), 0);
        EXPECT_EQ(m.ToppingThickness.number(), e.topping);
        EXPECT_EQ(m.ToppingReinforcementArea.number(), e.area);
        EXPECT_EQ(m.BarPrestress(1).number(), e.prestress);
        EXPECT_EQ(m.JointConcreteClass.number(), e.joint);
        EXPECT_EQ(m.SlabBottomGap(1).number(), e.gap);
        EXPECT_EQ(m.AdditionalSafetyFactor.number(), e.factor);
        EXPECT_EQ(m.ToppingLoad(1).number(), e.load);
        EXPECT_EQ(m.SlabImposedLoadPermanent(1).number(), e.load);
    }
}
