// The result half of a hand-filled calculated project, compared with its
// reviewed report in both languages (support/golden.h).

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "report/result_half_support.h"
#include "support/golden.h"

namespace {

using quorvel::platform::HeadlessPlatform;
using namespace quorvel::testing;

void compareWithGolden(const ResultHalfRun& run, const std::string& name) {
    expectSameAsGolden(std::string(QUORVEL_FIXTURES_DIR) + "/reports/" + name, run.bytes);
}

// A line that holds nothing but blanks, or nothing but blanks and a unit,
// is an item that spilled off the line it belongs to.
void expectNoSpilledLines(const ResultHalfRun& run) {
    static const std::regex spilled(R"( +| *(mm|kN|kNm|MPa|N/mm|kN/m|kNm/m|mm2/m|%o|%o/m|mm\^[234]) *)");
    for (std::size_t i = 0; i < run.lines.size(); ++i) {
        const std::string& line = run.lines[i];
        if (line.empty() || line == " ") continue;  // the report's own spacer lines
        EXPECT_FALSE(std::regex_match(line, spilled)) << "line " << i + 1 << ": [" << line << "]";
    }
    EXPECT_EQ(run.forcedLineBreaks, 0);
}

class ResultHalfGolden : public ::testing::TestWithParam<int> {};

TEST_P(ResultHalfGolden, MatchesTheReviewedReportAndNothingSpills) {
    HeadlessPlatform ui;
    useDeliveredLanguageFiles(ui);
    auto m = calculatedProject();
    m.LanguageIndex = static_cast<int16_t>(GetParam());
    const ResultHalfRun run = runResultHalf(m, ui);
    ASSERT_EQ(run.status, 0);
    EXPECT_TRUE(ui.messages().empty());
    expectNoSpilledLines(run);
    compareWithGolden(run, GetParam() == 0 ? "result_half.fin.txt" : "result_half.eng.txt");
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ResultHalfGolden, ::testing::Values(0, 1));

TEST(ResultHalfGolden, TwoReportsOfOneCalculationAreIdentical) {
    HeadlessPlatform ui;
    useDeliveredLanguageFiles(ui);
    auto m = calculatedProject();
    const ResultHalfRun first = runResultHalf(m, ui);
    const ResultHalfRun second = runResultHalf(m, ui);
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.bytes, second.bytes);
}

}  // namespace
