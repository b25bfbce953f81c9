#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "inputfile/beam_section_fields.h"
#include "inputfile/input_file_reader.h"
#include "inputfile/input_file_writer.h"
#include "model/project_model.h"
#include "platform/headless/headless_platform.h"
#include "input_file_support.h"

using namespace quorvel;
using inputfile::ReadInputDataFile;
using inputfile::WriteInputDataFile;
using model::ProjectModel;
using runtime::Value;
using quorvel::testing::readBytes;
using quorvel::testing::writeBytes;

namespace {

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find("\r\n", start);
        if (end == std::string::npos) break;
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// A plain rectangular concrete beam project as a new project has it.
ProjectModel plainProject(const std::string& dataPath) {
    ProjectModel m;
    m.DataPath = dataPath;
    m.TitleLine1 = "Toimistorakennus, taso 2";
    m.TitleLine2 = "Palkki P1 / linja A";
    m.SlabFileName = "ONTELO.MIT";
    m.BeamLibraryFileName = "0.MIT";
    for (int s = 1; s <= 2; ++s) {
        m.SlabTypeName(s) = "P27";
        m.BottomStrandCode(s) = "10L";
        m.TopStrandCode(s) = "0";
        m.StrandInitialStress(s) = 900;
        m.StrandPrestressLoss(s) = 0.2;
        m.SlabConcreteClass(s) = 40;
        m.ConcreteQualityClass(s + 3) = 1;
        m.CoreFillingLength(s) = 50;
        m.BeamSpacing(s, 1) = 7200;
        m.BeamSpacing(s, 2) = 7200;
        m.SlabBottomGap(s) = 10;
        m.JointGroutWidth(s) = 90;
        m.SlabSupportLength(s) = 65;
        m.SlabSelfWeightFactor(s) = 1.15;
        m.ToppingLoad(s) = 0.0011;
        m.SlabImposedLoadPermanent(s) = 0.5;
        m.SlabImposedLoadVariable(s) = 2.5;
    }
    m.FirstJointDistance = 0;
    m.ToppingConcreteClass = 25;
    m.ConcreteQualityClass(6) = 2;
    m.ToppingThickness = 50;
    m.ToppingReinforcementArea = 0;
    m.ToppingReinforcementStrength = 500;
    m.BeamTypeName = "SUORA";
    m.BeamCategory = 2;
    m.BeamSpan = 6000;
    m.BeamConcreteClass = 50;
    m.ConcreteQualityClass(1) = 1;
    m.OverallBeamHeight = 580;
    m.BeamWidth = 380;
    m.ReinforcementModulus = 200000;
    m.ReinforcementStrength = 500;
    m.ReinforcementRowCount = 1;
    m.BarsInRow(1) = 4;
    m.BarArea(1) = 491;
    m.BarDistanceFromBottom(1) = 38;
    m.BarPrestress(1) = 0.00001;
    m.JointConcreteClass = 25;
    m.ConcreteQualityClass(3) = 2;
    m.PartialFactorPermanent = 1.15;
    m.PartialFactorVariable = 1.5;
    m.AdditionalSafetyFactor = 1.0;
    m.ConsequenceClassFactorKfi = 1.0;
    m.ImposedLoadPsi1 = 0.7;
    m.SlabFieldEdgeDistance1 = 7200;
    m.SlabFieldEdgeDistance2 = 7200;
    m.AllowedCrackWidth = 0.2;
    m.SlabTensileStrengthFactor = 1.0;
    m.BetaY = 1;
    return m;
}

}  // namespace

TEST(InputFileWriter, PlainConcreteProjectHas32LinesInTheFileNumberStyle) {
    const auto dir = quorvel::testing::companyDataFolder();
    ProjectModel m = plainProject(dir);
    ASSERT_EQ(WriteInputDataFile(m, dir + "p.dat"), 0);
    const auto lines = linesOf(readBytes(dir + "p.dat"));
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[0], "Toimistorakennus, taso 2");
    EXPECT_EQ(lines[2], "ONTELO");                                   // catalogue without its extension
    EXPECT_EQ(lines[3], "P27 10L 0  900 20 40 1  50 7200 7200");  // loss 0.2 written as 20 per cent
    EXPECT_EQ(lines[6], " 25  2  50  0  500");
    EXPECT_EQ(lines[7], "0 SUORA  6000 50  1");                      // no library: "0"
    EXPECT_EQ(lines[8], "SUORA 2 0 2 580 380");
    EXPECT_EQ(lines[9], " 200000  500 1");
    EXPECT_EQ(lines[10], " 4 491 38 1E-05");
    EXPECT_EQ(lines[30], " 0");                                       // language last
    EXPECT_EQ(m.MaterialParameterCount, 2);
}

TEST(InputFileWriter, FailedWriteLeavesTheSavedFileAsItWas) {
    const auto dir = quorvel::testing::companyDataFolder();
    writeBytes(dir + "p.dat", "saved project\r\n");
    ProjectModel m = plainProject(dir);
    m.SlabFileName = "ab";  // too short to drop an extension: invalid argument
    EXPECT_EQ(WriteInputDataFile(m, dir + "p.dat"), 5);
    EXPECT_EQ(readBytes(dir + "p.dat"), "saved project\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2);  // no temporary left

    m.SlabFileName = "ONTELO.MIT";
    EXPECT_EQ(WriteInputDataFile(m, dir + "missing-folder/p.dat"), 76);
}

TEST(InputFileWriter, NegativeNumbersSideBySideStaySeparate) {
    const auto dir = quorvel::testing::companyDataFolder();
    ProjectModel m = plainProject(dir);
    m.BarDistanceFromBottom(1) = -38;
    m.BarPrestress(1) = -5;
    m.SlabSupportLength(1) = -65;
    ASSERT_EQ(WriteInputDataFile(m, dir + "p.dat"), 0);
    const auto lines = linesOf(readBytes(dir + "p.dat"));
    EXPECT_EQ(lines[10], " 4 491 -38 -5");

    ProjectModel back;
    back.DataPath = dir;
    runtime::Messages messages;
    int16_t first = -7;
    ASSERT_EQ(ReadInputDataFile(back, messages, dir + "p.dat", first, inputfile::ReadMode::AsEntered), 0);
    EXPECT_EQ(back.BarDistanceFromBottom(1).number(), -38);
    EXPECT_EQ(back.SlabSupportLength(1).number(), -65);
    EXPECT_EQ(back.SlabSupportLength(2).number(), 65);
    EXPECT_EQ(first, 0);
}

TEST(InputFileRoundTrip, PlainProjectReadsBackWithTheReadersCorrections) {
    const auto dir = quorvel::testing::companyDataFolder();
    ProjectModel m = plainProject(dir);
    m.ToppingThickness = 0;
    m.AdditionalSafetyFactor = 0;
    m.ConcreteQualityClass(3) = 0;
    m.TopStrandCode(2) = "";  // a slab type without top strands
    m.SupportMomentStartPermanent = -12.5;
    m.SupportMomentEndVariable = 3.25;
    m.SlabLineLoadCount(1) = 5;
    for (int i = 1; i <= 5; ++i) {
        m.SlabLineLoadG(i, 1) = 1.5 * i;
        m.SlabLineLoadQ(i, 1) = 2.0 * i;
        m.SlabLineLoadY(i, 1) = 1000 * i;
    }
    m.SlabPointLoadCount(2) = 1;
    m.SlabPointLoadG(1, 2) = 10;
    m.SlabPointLoadQ(1, 2) = 20;
    m.SlabPointLoadX(1, 2) = 1500;
    m.SlabPointLoadY(1, 2) = 3000;
    m.BeamPointLoadCount = 2;
    m.BeamPointLoad(1, 2) = 30;
    m.BeamPointLoad(2, 2) = 40;
    m.BeamPointLoadX(2) = 4500;
    m.HoleCount(2) = 1;
    m.HoleX(2, 1) = 1200;
    m.HoleWidthB(2, 1) = 400;
    m.HoleY(2, 1) = 100;
    m.HoleLengthA(2, 1) = 600;
    m.SlabFieldEdgeDistance2 = 6900;
    m.LanguageIndex = 1;
    ASSERT_EQ(WriteInputDataFile(m, dir + "p.dat"), 0);
    EXPECT_EQ(linesOf(readBytes(dir + "p.dat")).size(), 32u + 5 + 1 + 2 + 1 + 1);

    ProjectModel back;
    back.DataPath = dir;
    runtime::Messages messages;
    int16_t first = -7;
    ASSERT_EQ(ReadInputDataFile(back, messages, dir + "p.dat", first), 0);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(back.CompanyName, "Testirakenne Oy");
    EXPECT_EQ(back.TitleLine2, "Palkki P1 / linja A");
    EXPECT_EQ(back.SlabFileName, "ONTELO.mit");
    EXPECT_EQ(back.BeamLibraryFileName, "0.mit");
    EXPECT_EQ(back.TopStrandCode(1), "0");
    EXPECT_EQ(back.TopStrandCode(2), "");
    EXPECT_EQ(back.StrandInitialStress(2).number(), 900);  // the fields after the empty code kept their places
    EXPECT_DOUBLE_EQ(back.StrandPrestressLoss(1).number(), 0.2);
    EXPECT_EQ(back.BeamSpacing(2, 2).number(), 7200);
    // Corrections on reading.
    EXPECT_EQ(back.ToppingThickness.number(), 0.0001);
    EXPECT_EQ(back.ToppingReinforcementArea.number(), 0);
    EXPECT_EQ(back.AdditionalSafetyFactor.number(), 1.2);
    EXPECT_EQ(back.ConcreteQualityClass(3).number(), 2);
    EXPECT_EQ(back.BarPrestress(1).number(), 0.00001);
    // Loads, moments, holes and language.
    EXPECT_EQ(back.SlabLineLoadCount(1).number(), 5);
    EXPECT_EQ(back.SlabLineLoadY(5, 1).number(), 5000);
    EXPECT_EQ(back.SlabLineLoadG(3, 1).number(), 4.5);
    EXPECT_EQ(back.SlabPointLoadY(1, 2).number(), 3000);
    EXPECT_EQ(back.BeamPointLoadCount, 2);
    EXPECT_EQ(back.BeamPointLoadX(2).number(), 4500);
    EXPECT_EQ(back.SupportMomentStartPermanent.number(), -12.5);
    EXPECT_EQ(back.SupportMomentEndVariable.number(), 3.25);
    EXPECT_EQ(back.HoleCount(2), 1);
    EXPECT_EQ(back.HoleLengthA(2, 1).number(), 600);
    EXPECT_EQ(back.SlabFieldEdgeDistance2.number(), 6900);
    EXPECT_EQ(back.LanguageIndex, 1);
    EXPECT_EQ(back.SlabImposedLoadVariable(2).number(), 2.5);
}

// Every family the file knows: each section parameter gets its own value,
// the project is written and read back, and every parameter comes back to
// its field.
TEST(InputFileRoundTrip, EverySectionFamilyKeepsItsParameters) {
    struct FamilyCase {
        const char* typeName;
        int category;
        int parameters;
    };
    const std::vector<FamilyCase> cases = {
        {"BLEUKA", 2, 6}, {"JALO", 2, 6},     {"SUORA", 2, 2},   {"BI", 2, 8},      {"TI", 1, 7},
        {"HQ", 1, 6},     {"CWQ", 1, 8},      {"DELTA", 4, 11},  {"HX", 4, 9},      {"MEK", 4, 14},
        {"LBL", 3, 6},    {"KEMO_UUSI", 3, 9}, {"KVATRO", 3, 6}, {"BESUPER", 3, 9}, {"APALKKI", 3, 10},
        {"ABEAMS", 4, 13}, {"SX", 5, 7},      {"XX", 2, 9},
    };
    const auto dir = quorvel::testing::companyDataFolder();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typeName);
        ProjectModel m = plainProject(dir);
        m.BeamTypeName = c.typeName;
        m.BeamCategory = c.category;
        m.SteelStrength = 355;
        m.TopRebarRowCount = 1;
        m.TopBarsInRow(1) = 2;
        m.TopBarArea(1) = 113;
        m.TopBarDistanceFromTop(1) = 40;
        m.TopBarPrestress(1) = 0.00001;
        m.SteelBeamRebarRowCount = 1;
        m.SteelBeamBarsInRow(1) = 3;
        m.SteelBeamBarArea(1) = 314;
        m.SteelBeamBarDistance(1) = 50;
        m.SteelBeamBarPrestress(1) = 0.001;
        m.InfillConcreteClass = 30;
        m.ConcreteQualityClass(2) = 1;
        const std::optional<model::BeamFamily> family = m.Family();
        auto fields = inputfile::sectionParameterFields(m, family);
        ASSERT_EQ(static_cast<int>(fields.size()), c.parameters);
        for (std::size_t i = 0; i < fields.size(); ++i) *fields[i] = 1000 + 10 * static_cast<int>(i);

        ASSERT_EQ(WriteInputDataFile(m, dir + "f.dat"), 0);
        ProjectModel back;
        back.DataPath = dir;
        runtime::Messages messages;
        int16_t first = 0;
        ASSERT_EQ(ReadInputDataFile(back, messages, dir + "f.dat", first), 0) << (messages.empty() ? "" : messages[0].finnish);
        EXPECT_EQ(back.BeamTypeName, m.BeamTypeName);
        EXPECT_EQ(back.BeamCategory.number(), c.category);
        auto backFields = inputfile::sectionParameterFields(back, family);
        for (std::size_t i = 0; i < backFields.size(); ++i)
            EXPECT_EQ(backFields[i]->number(), 1000 + 10 * static_cast<double>(i)) << "parameter " << i + 1;
        // The records of the category came back too, so nothing was shifted.
        EXPECT_EQ(back.LanguageIndex, 0);
        EXPECT_EQ(back.SlabFieldEdgeDistance1.number(), 7200);
        if (c.category == 1 || c.category == 4) {
            EXPECT_EQ(back.SteelStrength.number(), 355);
        } else {
            EXPECT_EQ(back.BarArea(1).number(), 491);
            EXPECT_EQ(back.BeamConcreteClass.number(), 50);
        }
        if (c.category == 4 || c.category == 5) {
            EXPECT_EQ(back.SteelBeamBarArea(1).number(), 314);
        }
    }
}

TEST(BeamSectionRecord, FamilyRulesDeriveTheDependentFields) {
    const auto dir = quorvel::testing::companyDataFolder();
    struct Derived {
        const char* typeName;
        int category;
        std::vector<double> params;
        std::function<void(const ProjectModel&)> check;
    };
    const std::vector<Derived> cases = {
        {"HQ", 1, {400, 10, 20, 300, 12, 500}, [](const ProjectModel& b) {
             EXPECT_EQ(b.LeftLedgeHeight.number(), 12);
             EXPECT_EQ(b.RightLedgeHeight.number(), 12);
             EXPECT_EQ(b.BottomFlangeThickness.number(), 12);
         }},
        {"LBL", 3, {400, 300, 100, 600, 150, 150}, [](const ProjectModel& b) {
             EXPECT_EQ(b.OverallBeamHeight.number(), 500);
         }},
        {"CWQ", 1, {400, 10, 20, 300, 12, 500, 60, 35}, [](const ProjectModel& b) {
             EXPECT_EQ(b.DowelHeight.number(), 35);
             EXPECT_EQ(b.DowelWidth.number(), 60);
         }},
        {"ABEAMS", 4, {400, 10, 20, 300, 25, 500, 40, 150, 150, 200, 100, 80, 60}, [](const ProjectModel& b) {
             EXPECT_EQ(b.RightLedgeHeight.number(), 40);
             EXPECT_EQ(b.WebHoleSpacing.number(), 400);
             EXPECT_EQ(b.LowerHoleLength.number(), 80);
             EXPECT_EQ(b.WebStripHeight.number(), 20);
             EXPECT_EQ(b.LowerHoleSpacing.number(), 1200);
         }},
        {"BI", 2, {700, 120, 60, 60, 100, 400, 140, 400}, [](const ProjectModel& b) {
             EXPECT_EQ(b.OverallBeamHeight.number(), 700);
             EXPECT_EQ(b.PrecastPartCount, 5);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typeName);
        ProjectModel m = plainProject(dir);
        m.BeamTypeName = c.typeName;
        m.BeamCategory = c.category;
        m.SteelStrength = 355;
        auto fields = inputfile::sectionParameterFields(m, m.Family());
        for (std::size_t i = 0; i < fields.size(); ++i) *fields[i] = c.params[i];
        ASSERT_EQ(WriteInputDataFile(m, dir + "d.dat"), 0);
        ProjectModel back;
        back.DataPath = dir;
        runtime::Messages messages;
        int16_t first = 0;
        ASSERT_EQ(ReadInputDataFile(back, messages, dir + "d.dat", first), 0);
        c.check(back);
    }
}
