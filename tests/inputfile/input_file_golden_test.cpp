// The file of a new project, line by line as the format defines it from the
// new-project defaults.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "inputfile/input_file_reader.h"
#include "inputfile/input_file_writer.h"
#include "model/project_defaults.h"
#include "model/project_model.h"
#include "platform/headless/headless_platform.h"
#include "input_file_support.h"
#include "support/model_support.h"

using namespace quorvel;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> fileLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string bytes = ss.str();
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = bytes.find("\r\n"); end != std::string::npos; end = bytes.find("\r\n", start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, bytes.size()) << "every line ends in CR LF";
    return lines;
}

model::ProjectModel newProject(const std::string& dataPath) {
    model::ProjectModel m;
    m.DataPath = dataPath;
    m.SlabFileName = "ONTELO.MIT";
    quorvel::testing::addSlabType(m, "P20", 200, {"7L"});
    quorvel::testing::addSlabType(m, "P27", 265, {"10L", "12L"});
    model::ResetProjectDefaults(m);
    return m;
}

}  // namespace

TEST(InputFileGolden, NewProjectWritesThe32LinesOfTheFormat) {
    const std::string dir = quorvel::testing::companyDataFolder();
    model::ProjectModel m = newProject(dir);
    ASSERT_EQ(inputfile::WriteInputDataFile(m, dir + "new.dat"), 0);
    // Derived by hand from the new-project defaults: numbers with a leading
    // blank, no zero before the point, single blanks where the format puts
    // two numbers side by side and one extra blank where it adds one.
    const std::vector<std::string> expected = {
        "",                                        // 1 title
        "",                                        // 2 title
        "ONTELO",                                  // 3 catalogue without ".MIT"
        "P27 10L 0  900 20 40 1  50 7200 7200",    // 4 left slab field, loss 0.2 as 20 per cent
        "P27 10L 0  900 20 40 1  50 7200 7200",    // 5 right slab field
        " 0",                                      // 6 first joint
        " 25  2  0  0  500",                       // 7 topping
        "0 SUORA  6000 50  1",                     // 8 no library, type, span, concrete group
        "SUORA 2 0 2 580 380",                     // 9 section record
        " 200000  500 1",                          // 10 main reinforcement
        " 4 491 38 0",                             // 11 its one row
        " 25 2",                                   // 17 joint grout
        " 10 10 90 90 65 65",                      // 18 gaps, grout widths, support lengths
        " 1.15 1.5 1 1.15 1.15 1 .7",              // 19 factors
        " 0 .5 2.5",                               // 20 left loads
        " 0 .5 2.5",                               // 21 right loads
        " 7200  7200",                             // 22 field edges
        " 0", " 0",                                // 23 line-load counts
        " 0", " 0",                                // 25 point-load counts
        " 0  0 0 0",                               // 27 permanent beam line load
        " 0  0 0 0",                               // 28 variable beam line load
        " 0",                                      // 29 beam point loads
        " 0  0  0  0  0  0  0  0",                 // 31 support moments
        " .2",                                     // 32 crack width
        " 1",                                      // 33 tensile strength factor
        " 0 0",                                    // 34 slabs on top: dowels on top, beta_y
        " 0", " 0",                                // 35 hole counts
        " 0",                                      // 38 language
        " .7",                                     // 39 release strength ratio
    };
    EXPECT_EQ(fileLines(dir + "new.dat"), expected);

    // Five line loads on each slab field add ten lines.
    for (int s = 1; s <= 2; ++s) {
        m.SlabLineLoadCount(s) = 5;
        for (int i = 1; i <= 5; ++i) m.SlabLineLoadG(i, s) = 0.5 * i;
    }
    ASSERT_EQ(inputfile::WriteInputDataFile(m, dir + "loads.dat"), 0);
    const auto lines = fileLines(dir + "loads.dat");
    ASSERT_EQ(lines.size(), 42u);
    EXPECT_EQ(lines[18], " .5  0  0");
    EXPECT_EQ(lines[22], " 2.5  0  0");
    EXPECT_EQ(lines[23], " 5");  // the right side follows the five left loads
}

TEST(InputFileGolden, SlabsOnLedgesWriteTheDowelFlagAndFixedBeta) {
    const std::string dir = quorvel::testing::companyDataFolder();
    model::ProjectModel m = newProject(dir);
    m.SlabsOnLedge = 1;
    m.DowelledConnection = 1;
    ASSERT_EQ(inputfile::WriteInputDataFile(m, dir + "ledge.dat"), 0);
    const auto lines = fileLines(dir + "ledge.dat");
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[8], "SUORA 2 1 2 580 380");
    EXPECT_EQ(lines[27], " 1 1.0");

    model::ProjectModel back;
    back.DataPath = dir;
    runtime::Messages messages;
    int16_t first = 0;
    ASSERT_EQ(inputfile::ReadInputDataFile(back, messages, dir + "ledge.dat", first), 0);
    EXPECT_EQ(back.DowelledConnection, 1);
    EXPECT_EQ(back.DowelsOnBeamTop, 0);
    EXPECT_EQ(back.BetaY.number(), 1);
}
