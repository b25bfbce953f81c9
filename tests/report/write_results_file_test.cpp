// The whole report through WriteResultsFile, with the result half of the
// library. The writer's own steps are tested with a stand-in result half
// (report_blocks_test.cpp); this runs once the result half is built into
// the report library: define QUORVEL_RESULT_HALF_BUILT (or remove the
// guard) when it is.

#include "report/results_file.h"

#include <gtest/gtest.h>

#include "report/report_test_support.h"

#if defined(QUORVEL_RESULT_HALF_BUILT)

namespace quorvel::report {
namespace {

TEST(WriteResultsFile, WritesTheInputHalfFirstAndRecordsBothStatuses) {
    testing::ReportFolder f;
    model::ProjectModel m = testing::defaultReportModel();
    m.DataPath = std::string(QUORVEL_SOURCE_DIR) + "/data/";
    const int16_t status = WriteResultsFile(m, f.ui, f.folder.file("r.tul"));
    EXPECT_EQ(m.CalculationStatus[3], 0);
    EXPECT_EQ(status, m.CalculationStatus[4]);
    const auto lines = testing::reportLines(f.folder.read("r.tul"));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().substr(0, 7), "QUORVEL");
}

}  // namespace
}  // namespace quorvel::report

#endif
