// The one verdict rule of gauges, results table and report, and the number
// text of its lines.

#include "model/beam_family.h"
#include "report/verdict.h"

#include "report/format_fixed.h"

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
    EXPECT_EQ(quorvel::model::BeamTypeDisplayName("HQ"), "WQ");
    EXPECT_EQ(quorvel::model::BeamTypeDisplayName("SUORA"), "SUORA");
}

TEST(Verdict, AnExceededNumberNeverPrintsAtOrBelowItsLimit) {
    using quorvel::runtime::Value;
    struct Case {
        double value, limit;
        int decimals;
        bool exceeded;
        const char* printed;  // the value as a row of that precision prints it
    };
    const Case cases[] = {
        // sigma1 1.8231 against fctd 1.8194 MPa: both "1.82"; the next above.
        {1.8231, 1.8194, 2, true, "1.83"},
        // Apart already at this precision: as it stands.
        {1.8251, 1.8194, 2, true, "1.83"},
        {1.834, 1.8194, 2, true, "1.83"},
        // A utilisation of 100.17 % and 100.34 %: "1.01", as the gauge's 101;
        // with three places 1.0017 prints apart from 1 by itself.
        {1.0017, 1.0, 2, true, "1.01"},
        {1.0034, 1.0, 2, true, "1.01"},
        {1.0017, 1.0, 3, true, "1.002"},
        {1.00001, 1.0, 3, true, "1.001"},
        // Percent in the results table, 100.001 %.
        {100.001, 100.0, 2, true, "100.01"},
        // Moments with one place; a limit that rounds up (755.46 -> 755.5).
        {755.47, 755.46, 1, true, "755.6"},
        // Whole numbers (0 places): 269.6 kN against 269.7 rounds to 270.
        {269.8, 269.7, 0, true, "271"},
        // Within, or not above its limit (a verdict taken elsewhere): as it is.
        {1.0, 1.0, 2, false, "1.00"},
        {0.9999, 1.0, 2, true, "1.00"},
        {1.8231, 1.8194, 2, false, "1.82"},
        {-3.0, 1.82, 2, true, "-3.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFixed(VerdictValue(c.value, c.limit, c.decimals, c.exceeded), 0, static_cast<int16_t>(c.decimals), 0),
                  c.printed)
            << c.value << " against " << c.limit;
    // A utilisation decides by its own verdict.
    EXPECT_EQ(VerdictUtilisation(1.0017, 2).number(), 1.01);
    EXPECT_EQ(VerdictUtilisation(1.0, 2).number(), 1.0);
    EXPECT_EQ(VerdictUtilisation(Value::single(0.645f), 2).kind(), Value::single(0.645f).kind());
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(VerdictValue(inf, 1.0, 2, true).number(), inf);
}

}  // namespace
