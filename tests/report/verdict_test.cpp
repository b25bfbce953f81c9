// The one verdict rule of gauges, results table and report, and the number
// text of its lines.

#include "report/verdict.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace quorvel::report;

TEST(Verdict, AboveOneHundredPercentOrBelowZeroIsExceededAtEveryScale) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double ratio;
        bool exceeded;
    };
    // A negative ratio is exceeded whatever its size (a resistance below 0,
    // never room to spare); -0 is 0.
    const Case cases[] = {{0.0, false},  {-0.0, false}, {0.999, false}, {1.0, false},  {1.0000001, true},
                          {1.001, true}, {1.003, true}, {1.1, true},    {-0.553, true}, {-1e-9, true},
                          {-1.0, true},  {-1.5, true},  {inf, true},    {-inf, true},   {std::nan(""), true}};
    for (const Case& c : cases) EXPECT_EQ(UtilisationExceeded(c.ratio), c.exceeded) << c.ratio;
    // Acting over limit; a zero limit holds only while nothing acts.
    EXPECT_DOUBLE_EQ(UtilisationOf(827.62, 538.77), 827.62 / 538.77);
    EXPECT_EQ(UtilisationOf(0.0, 0.0), 0.0);
    EXPECT_TRUE(UtilisationExceeded(UtilisationOf(0.1, 0.0)));
}

TEST(Verdict, NumbersRoundToTwoDecimalsAsTheTableShowsThem) {
    EXPECT_EQ(VerdictNumberText(538.7749), "538.77");
    EXPECT_EQ(VerdictNumberText(827.615), "827.62");  // halves away from zero
    EXPECT_EQ(VerdictNumberText(469.996), "470.00");  // never cut to 469
    EXPECT_EQ(VerdictNumberText(0.83), "0.83");
    EXPECT_EQ(BeamTypeDisplayName("HQ"), "WQ");
    EXPECT_EQ(BeamTypeDisplayName("SUORA"), "SUORA");
}

}  // namespace
