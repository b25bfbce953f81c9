#include "report/format_fixed.h"

#include <gtest/gtest.h>

#include "runtime/errors.h"

namespace {

using quorvel::report::FormatFixed;
using quorvel::runtime::RunTimeError;
using quorvel::runtime::Value;

struct Case {
    double value;
    int16_t width, decimals, roundFlag;
    const char* text;
};

// The layout rules of the report's columns, one row each. An underscore in
// the comments stands for a blank.
TEST(FormatFixed, RoundsOnDecimalDigitsAndPadsTheIntegerPart) {
    const Case cases[] = {
        {12.345, 6, 2, 1, "    12.35"},  // dropped digit 5 rounds up
        {-12.344, 6, 2, 1, "   -12.34"},
        {2.675, 1, 2, 1, "2.68"},        // binary 2.67499.. but the digits say 675
        {1.005, 1, 2, 1, "1.01"},        // likewise 1.00499..
        {0.5, 4, 3, 1, "   0.500"},      // integer digit 0 in front of ".5"
        {0, 4, 2, 1, "   0.00"},
        {-0.25, 3, 1, 1, " -0.3"},       // a negative rounds away from zero
        {-0.96, 3, 1, 1, " -1.0"},       // ... and carries into "-0"
        {9.996, 3, 2, 1, " 10.00"},      // all kept nines carry
        {99.95, 2, 1, 1, "100.0"},       // wider than its field: never cut
        {1234567, 3, 1, 1, "1234567.0"},
        {1.25, 3, 2, 0, "  1.25"},       // exactly the decimals: unchanged
        {0.0095, 1, 4, 1, "0.0095"},
        {0.00951, 1, 3, 1, "0.010"},     // kept "009" + 1 keeps its zeros
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed(c.value, c.width, c.decimals, c.roundFlag), c.text)
            << c.value << " " << c.width << " " << c.decimals;
}

TEST(FormatFixed, NoDecimalsRoundsWithPointOrPadded) {
    EXPECT_EQ(FormatFixed(12.7, 5, 0, 1), "13.");     // rounded, no padding
    EXPECT_EQ(FormatFixed(-12.7, 5, 0, 1), "-13.");
    EXPECT_EQ(FormatFixed(2.5, 1, 0, 1), "3.");
    EXPECT_EQ(FormatFixed(12.4, 5, 0, 1), "12.");
    EXPECT_EQ(FormatFixed(12.7, 5, 0, 0), "   13");   // rounded too, never cut
    EXPECT_EQ(FormatFixed(32.5, 4, 0, 0), "  33");    // an edge web of 32.5 mm
    EXPECT_EQ(FormatFixed(434.78, 5, 0, 0), "  435");
    EXPECT_EQ(FormatFixed(-12.7, 5, -1, 2), "  -13");
    EXPECT_EQ(FormatFixed(-12.4, 5, 0, 0), "  -12");
    EXPECT_EQ(FormatFixed(99.5, 2, 0, 0), "100");     // the carry widens the field
    EXPECT_EQ(FormatFixed(7, -3, 0, 0), "7");         // a negative width pads nothing
}

TEST(FormatFixed, AValueThatIsZeroAtItsPrecisionHasNoSign) {
    EXPECT_EQ(FormatFixed(-0.0, 3, 1, 1), "  0.0");
    EXPECT_EQ(FormatFixed(-1.7e-7, 6, 2, 1), "     0.00");  // left over from arithmetic
    EXPECT_EQ(FormatFixed(-0.004, 3, 2, 1), "  0.00");
    EXPECT_EQ(FormatFixed(-0.005, 3, 2, 1), " -0.01");   // rounds away from zero: not zero
    EXPECT_EQ(FormatFixed(-0.4, 1, 0, 1), "0.");
    EXPECT_EQ(FormatFixed(-0.4, 3, 0, 0), "  0");         // rounded to zero
}

TEST(FormatFixed, SingleValuesUseSevenDigits) {
    // 0.1f is 0.100000001490116..; its seven-digit text is ".1".
    EXPECT_EQ(FormatFixed(Value(0.1f), 1, 9, 1), "0.100000000");
    EXPECT_EQ(FormatFixed(Value(2.675f), 1, 2, 1), "2.68");
    EXPECT_EQ(FormatFixed(Value(), 3, 1, 1), "  0.0");  // empty is 0
    EXPECT_EQ(FormatFixed(Value(int16_t{-4}), 3, 1, 1), " -4.0");
}

TEST(FormatFixed, ExponentFormsAreWrittenOutPositionally) {
    // 1E+30 and 1.5E-05 are the shortest texts of these numbers.
    EXPECT_EQ(FormatFixed(1e30, 3, 1, 1), "1" + std::string(30, '0') + ".0");
    EXPECT_EQ(FormatFixed(1.5e-5, 1, 6, 1), "0.000015");
    EXPECT_EQ(FormatFixed(-1.5e-5, 1, 5, 1), "-0.00002");  // rounds on the 5
    EXPECT_EQ(FormatFixed(1.5e-5, 3, 2, 1), "  0.00");
    EXPECT_EQ(FormatFixed(-2.5e-7, 2, 0, 1), "0.");
    EXPECT_EQ(FormatFixed(1.25e17, 1, 1, 1), "125000000000000000.0");
}

TEST(FormatFixed, NonFiniteValuesRaiseInsteadOfPrinting) {
    auto errorOf = [](double v) {
        try {
            FormatFixed(v, 5, 2, 1);
        } catch (const RunTimeError& e) {
            return e.number();
        }
        return 0;
    };
    EXPECT_EQ(errorOf(std::numeric_limits<double>::quiet_NaN()), 5);
    EXPECT_EQ(errorOf(std::numeric_limits<double>::infinity()), 6);
    EXPECT_EQ(errorOf(-std::numeric_limits<double>::infinity()), 6);
}

}  // namespace
