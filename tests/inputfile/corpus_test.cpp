// The corpus of project files under tests/fixtures/inputfiles: every file
// reads without a message, and a file written from what was read as entered
// reads back to the same file.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "inputfile/input_file_reader.h"
#include "inputfile/input_file_writer.h"
#include "model/project_model.h"
#include "platform/headless/headless_platform.h"
#include "support/fixture_projects.h"
#include "support/test_support.h"

using namespace quorvel;
namespace fs = std::filesystem;

using quorvel::testing::readBytes;

TEST(InputFileCorpus, EveryProjectReadsAndRewritesStably) {
    const quorvel::testing::TempFolder folder;
    const fs::path& dir = folder.path();
    std::ofstream(dir / "FIRMA.DA0", std::ios::binary) << "Testirakenne Oy\r\n";
    const std::string data = dir.string() + "/";

    for (const fs::path& project : quorvel::testing::fixtureProjects()) {
        SCOPED_TRACE(project.filename().string());
        runtime::Messages messages;
        model::ProjectModel first;
        first.DataPath = data;
        int16_t errorLine = -1;
        ASSERT_EQ(inputfile::ReadInputDataFile(first, messages, project.string(), errorLine,
                                               inputfile::ReadMode::AsEntered),
                  0);
        EXPECT_EQ(errorLine, 0);
        EXPECT_TRUE(messages.empty());

        ASSERT_EQ(inputfile::WriteInputDataFile(first, data + "once.dat"), 0);
        model::ProjectModel second;
        second.DataPath = data;
        ASSERT_EQ(inputfile::ReadInputDataFile(second, messages, data + "once.dat", errorLine,
                                               inputfile::ReadMode::AsEntered),
                  0);
        ASSERT_EQ(inputfile::WriteInputDataFile(second, data + "twice.dat"), 0);
        EXPECT_EQ(readBytes(data + "once.dat"), readBytes(data + "twice.dat"));
    }
}

TEST(InputFileCorpus, SteelProjectCarriesItsSectionAndLoads) {
    const fs::path file = fs::path(QUORVEL_FIXTURES_DIR) / "inputfiles" / "steel_hq_line_loads.dat";
    const quorvel::testing::TempFolder folder;
    const fs::path& dir = folder.path();
    std::ofstream(dir / "firma.da0", std::ios::binary) << "Testirakenne Oy\r\n";
    runtime::Messages messages;
    model::ProjectModel m;
    m.DataPath = dir.string() + "/";
    int16_t errorLine = 0;
    ASSERT_EQ(inputfile::ReadInputDataFile(m, messages, file.string(), errorLine), 0);
    EXPECT_EQ(m.BeamTypeName, "HQ");
    EXPECT_EQ(m.BeamCategory.number(), 1);
    // The fifth HQ parameter is the ledge height of both sides and the
    // bottom plate thickness.
    EXPECT_EQ(m.RightLedgeHeight.number(), 30);
    EXPECT_EQ(m.BottomFlangeThickness.number(), 30);
    EXPECT_EQ(m.SlabLineLoadY(1, 1).number(), 3000);
    EXPECT_EQ(m.SupportMomentEndPermanent.number(), -25);
    EXPECT_EQ(m.DowelledConnection, 1);
    EXPECT_EQ(m.BetaY.number(), 1);
}
