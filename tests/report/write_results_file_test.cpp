// The whole report through WriteResultsFile, with the result half of the
// library. The writer's own steps are tested with a stand-in result half
// (report_blocks_test.cpp).

#include "report/results_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "report/report_test_support.h"

namespace quorvel::report {
namespace {

TEST(WriteResultsFile, WritesTheInputHalfFirstAndRecordsBothStatuses) {
    testing::ReportFolder f;
    model::ProjectModel m = testing::defaultReportModel();
    m.DataPath = std::string(QUORVEL_SOURCE_DIR) + "/data/";
    m.SlabPrincipalStressLimit(1) = m.SlabPrincipalStressLimit(2) = 1.67 / 1.2;
    const int16_t status = WriteResultsFile(m, f.ui, f.folder.file("r.tul"));
    EXPECT_EQ(m.CalculationStatus[3], 0);
    EXPECT_EQ(status, m.CalculationStatus[4]);
    const auto lines = testing::reportLines(f.folder.read("r.tul"));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().substr(0, 7), "QUORVEL");
}

TEST(WriteResultsFile, TheResultHalfFollowsTheInputHalf) {
    testing::ReportFolder f;
    model::ProjectModel m = testing::defaultReportModel();
    m.DataPath = std::string(QUORVEL_SOURCE_DIR) + "/data/";
    // Allowed principal stress of the slab webs, C40/50: 1.67 / 1.2.
    m.SlabPrincipalStressLimit(1) = m.SlabPrincipalStressLimit(2) = 1.67 / 1.2;
    EXPECT_EQ(WriteResultsFile(m, f.ui, f.folder.file("r.tul")), 0);
    EXPECT_EQ(m.CalculationStatus[4], 0);
    const auto lines = testing::reportLines(f.folder.read("r.tul"));
    const auto title = std::find(lines.begin(), lines.end(), "    LASKENTATULOKSET");
    ASSERT_NE(title, lines.end());
    EXPECT_NE(title, lines.begin());
    EXPECT_EQ(lines.back(), "");  // the half's last block ends with an empty line
}

TEST(WriteResultsFile, AResultHalfWithoutResultsEndsWithItsErrorAndLeavesTheOldFile) {
    // Without a calculation the slab webs have no allowed stress: the shares
    // of it that decide the governing side divide by zero.
    testing::ReportFolder f;
    model::ProjectModel m = testing::defaultReportModel();
    m.DataPath = std::string(QUORVEL_SOURCE_DIR) + "/data/";
    f.folder.write("r.tul", {"OLD REPORT"});
    EXPECT_EQ(WriteResultsFile(m, f.ui, f.folder.file("r.tul")), 11);
    EXPECT_EQ(m.CalculationStatus[3], 0);
    EXPECT_EQ(m.CalculationStatus[4], 11);
    EXPECT_EQ(f.folder.read("r.tul"), "OLD REPORT\r\n");
}

TEST(WriteResultsFile, AMissingOrShortHeadingFileLeavesTheOldFile) {
    // The heading file of the language missing (53) or cut to 150 of its
    // 192 items (62): the report fails and the old results file stays.
    for (const int cut : {0, 150}) {
        testing::ReportFolder f;
        testing::TempFolder data;
        model::ProjectModel m = testing::defaultReportModel();
        // Allowed principal stress of the slab webs, C40/50: 1.67 / 1.2.
        m.SlabPrincipalStressLimit(1) = m.SlabPrincipalStressLimit(2) = 1.67 / 1.2;
        m.DataPath = data.dataPath();
        if (cut > 0) {
            runtime::TextFileReader full(std::string(QUORVEL_SOURCE_DIR) + "/data/TEKSTIT0.DA0");
            runtime::TextFileWriter shortened(data.file("TEKSTIT0.DA0"));
            for (int i = 0; i < cut && !full.eof(); ++i) shortened.line(full.readLine());
            shortened.close();
        }
        f.folder.write("r.tul", {"OLD REPORT"});
        EXPECT_EQ(WriteResultsFile(m, f.ui, f.folder.file("r.tul")), cut > 0 ? 62 : 53) << cut;
        EXPECT_EQ(f.folder.read("r.tul"), "OLD REPORT\r\n") << cut;
    }
}

}  // namespace
}  // namespace quorvel::report

