#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "runtime/errors.h"
#include "support/test_support.h"
#include "runtime/number_text.h"

using namespace quorvel::runtime;
using quorvel::testing::errorOf;

namespace {


struct TextCase {
    double x;
    NumberKind kind;
    const char* expected;
};

constexpr auto S = NumberKind::Single;
constexpr auto D = NumberKind::Double;
constexpr auto I = NumberKind::Integer;

}  // namespace

TEST(NumberStr, SingleAndDoubleTable) {
    const TextCase cases[] = {
        {0.1f, S, " .1"},
        {0.1, D, " .1"},
        {1.0 / 3.0, D, " .333333333333333"},
        {1.0f / 3.0f, S, " .3333333"},
        {2.0 / 3.0, D, " .666666666666667"},
        {0.5, D, " .5"},
        {-0.5, D, "-.5"},
        {-3, I, "-3"},
        {0, I, " 0"},
        {-0.0, D, " 0"},
        {12, I, " 12"},
        {12.5, D, " 12.5"},
        {100000, I, " 100000"},
        {1e-5, D, " 1E-05"},
        {1e-5f, S, " 1E-05"},
        {1.5e30, D, " 1.5E+30"},
        {1.5e30f, S, " 1.5E+30"},
        {-2.5e-7, D, "-2.5E-07"},
        {1e100, D, " 1E+100"},
        {0.0001, D, " .0001"},
        {1e14, D, " 100000000000000"},
        {1e15, D, " 1E+15"},
        {123456789012345.0, D, " 123456789012345"},
        {1234567, S, " 1234567"},
        {12345678, S, " 1.234568E+07"},
        {12345678, D, " 12345678"},
        // The single's own value (0.3f = 0.30000001192...) rounds back to .3.
        {0.3f, S, " .3"},
        {0.3f, D, " .300000011920929"},
        {1.1f * 3.0f, S, " 3.3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numberStr(c.x, c.kind), c.expected) << "x = " << c.x;
    }
}

TEST(NumberStr, RoundingCarriesIntoANewDigitAndMayChangeTheForm) {
    // 9999999.6 as a single is 10000000: seven digits cannot hold it.
    EXPECT_EQ(numberStr(9999999.6f, S), " 1E+07");
    EXPECT_EQ(numberStr(999999999999999.9, D), " 1E+15");
    // The single 0.0099999998f is 9.999999776E-03: seven digits round it up.
    EXPECT_EQ(numberStr(0.0099999998f, S), " .01");
    EXPECT_EQ(numberStr(-0.0099999998f, S), "-.01");
    // 9.99...E-05 rounds to 1E-04, which is written in fixed form.
    EXPECT_EQ(numberStr(9.999999999999997e-5, D), " .0001");
    EXPECT_EQ(numberStr(9.9999997e-5f, S), " .0001");
    EXPECT_EQ(numberStr(0.0000999999999, D), " 9.99999999E-05");
}

// Numbers whose exact binary value lies halfway between two rounded texts,
// and numbers at the ends of the everyday range, where the rounding changes
// its way of working.
TEST(NumberStr, ExactHalfwayValuesRoundToEvenAndTheRangeEndsHold) {
    const struct {
        double x;
        const char* text;
    } cases[] = {
        // 32769 / 2^15 = 1.000030517578125 exactly: the 16th digit is a 5
        // with nothing behind it; the 15th (2) is even and stays.
        {32769.0 / 32768.0, " 1.00003051757812"},
        // 32771 / 2^15 = 1.000091552734375: 7 is odd and goes up to 8.
        {32771.0 / 32768.0, " 1.00009155273438"},
        {-32771.0 / 32768.0, "-1.00009155273438"},
        // 1 - 2^-53 = .99999999999999989 rounds up to 1.
        {1.0 - 1.0 / 9007199254740992.0, " 1"},
        // 1E+15 - 1/8 = 999999999999999.875: the 16th digit 8 carries to 1E+15.
        {999999999999999.875, " 1E+15"},
        {1e15, " 1E+15"},
        {123456789012345.6, " 123456789012346"},
        // The double nearest 1E-05 lies above it, the one before it below.
        {1e-5, " 1E-05"},
        {0.1 + 0.2, " .3"},
    };
    for (const auto& c : cases) EXPECT_EQ(numberStr(c.x, D), c.text) << c.x;
    EXPECT_EQ(numberStr(std::nextafter(1e-5, 0.0), D), " 1E-05");
}

TEST(NumberStr, FixedFormOnlyWhileTheDigitsFitAfterThePoint) {
    // .00012345 would need 8 places after the point, more than a single's 7.
    EXPECT_EQ(numberStr(0.00012345f, S), " 1.2345E-04");
    EXPECT_EQ(numberStr(0.00012345, D), " .00012345");
    EXPECT_EQ(numberStr(0.01234567f, S), " 1.234567E-02");
    EXPECT_EQ(numberStr(0.1234567f, S), " .1234567");
    EXPECT_EQ(numberStr(1.0 / 70.0, D), " 1.42857142857143E-02");
    EXPECT_EQ(numberStr(1.0 / 7.0, D), " .142857142857143");
}

TEST(NumberStr, ValueOverloadUsesItsKindAndEmptyIsZero) {
    EXPECT_EQ(numberStr(Value()), " 0");
    EXPECT_EQ(numberStr(Value(0.1f)), " .1");
    EXPECT_EQ(numberStr(Value(1.0 / 3.0)), " .333333333333333");
    EXPECT_EQ(numberStr(Value(-7)), "-7");
    EXPECT_EQ(numberText(-0.25, D), "-.25");
    EXPECT_EQ(numberText(7, I), "7");
}

TEST(GeneralNumberText, LeadingZeroDecimalMarkAndEmpty) {
    EXPECT_EQ(generalNumberText(0.5, D), "0.5");
    EXPECT_EQ(generalNumberText(-0.5, D), "-0.5");
    EXPECT_EQ(generalNumberText(-12.5, D, ','), "-12,5");
    EXPECT_EQ(generalNumberText(0.1f, S, ','), "0,1");
    EXPECT_EQ(generalNumberText(0, I), "0");
    EXPECT_EQ(generalNumberText(1234567.0, D, ','), "1234567");
    EXPECT_EQ(generalNumberText(1.5e30, D, ','), "1,5E+30");
    EXPECT_EQ(generalNumberText(1e-5, D), "1E-05");
    EXPECT_EQ(generalNumberText(Value()), "");
    EXPECT_EQ(generalNumberText(Value(0.25), ','), "0,25");
    EXPECT_EQ(generalNumberText(Value(3)), "3");
}

TEST(ScanNumber, LeadingNumberTable) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"12abc", 12},     {"", 0},          {"   ", 0},         {"-3.5e2", -350},
        {"1 2", 12},       {" \t1\n2 ", 12}, {"- 4", -4},       {"1D3", 1000},
        {"1d-2", 0.01},    {"1E+2", 100},    {"&H10", 16},      {"&h1f", 31},
        {"&HFFFF", -1},    {"&H8000", -32768}, {"&H10000", 65536}, {"&HFFFFFFFF", -1},
        {"&O17", 15},      {"&O177777", -1}, {"&H", 0},         {"&X1", 0},
        {"nan", 0},        {"inf", 0},       {"-inf", 0},       {"infinity", 0},
        {"0x1p3", 0},      {".5", 0.5},      {"-.5", -0.5},     {"+7", 7},
        {"1.2.3", 1.2},    {"1e", 1},        {"1e+", 1},        {"1e-x", 1},
        {"--1", 0},        {"+-1", 0},       {"-", 0},          {".", 0},
        {"1,5", 1},        {"12.", 12},      {"007", 7},        {"0.000", 0},
        {"1E-400", 0},     {"1e308", 1e308}, {"2.5 E 1", 25},   {"12 kN", 12},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(scanNumber(c.text), c.expected) << "text = \"" << c.text << "\"";
    }
}

// A number field of a data file is read whole: what the writer writes
// (numberStr of any number) and what a hand edit plainly means read as
// their number; any other text is no number, never its leading digits.
TEST(FieldNumber, TakesWhatTheWriterWritesAndNothingElse) {
    struct Case {
        const char* text;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"12", 12},       {"-3", -3},        {".5", 0.5},       {"-.5", -0.5},    {"+7", 7},
        {"1E-05", 1e-5},  {"1.5E+30", 1.5e30}, {"1e3", 1000},   {"1D3", 1000},    {"2.5d-1", 0.25},
        {"12.", 12},      {"007", 7},        {"3,6", 3.6},      {"0", 0},         {"1E-400", 0},
        {"2O", {}},       {"9OO", {}},       {"480mm", {}},     {"3.6O", {}},     {"abc", {}},
        {"xx", {}},       {"", {}},          {"-", {}},         {".", {}},        {"1e", {}},
        {"1e+", {}},      {"E5", {}},        {"1.2.3", {}},     {"1,2.3", {}},    {"&HFF", {}},
        {"nan", {}},      {"inf", {}},       {"1 2", {}},       {" 1", {}},       {"--1", {}},
        {"1e5.5", {}},    {"0x10", {}},      {"1\t", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(fieldNumber(c.text), c.expected) << "text = \"" << c.text << "\"";
    for (double x : {0.1, 1.0 / 3.0, -2.5e-7, 1.5e30, 1e15, 12345.678, -0.0, 3.4e38})
        EXPECT_EQ(fieldNumber(numberText(x, D)), scanNumber(numberText(x, D))) << numberStr(x, D);
    EXPECT_EQ(errorOf([] { fieldNumber("1E400"); }), ErrOverflow);
}

TEST(ScanNumber, ConvertsExactlyLikeTheDecimalText) {
    // The scanner must not lose precision on the way: these are the nearest
    // doubles of the decimal texts.
    EXPECT_EQ(scanNumber("0.1"), 0.1);
    EXPECT_EQ(scanNumber("123456.789"), 123456.789);
    EXPECT_EQ(scanNumber("-2.5E-07"), -2.5e-7);
    EXPECT_EQ(scanNumber(" .333333333333333"), 0.333333333333333);
    // What numberStr writes reads back to a number that writes the same.
    for (double x : {0.1, 1.0 / 3.0, -2.5e-7, 1.5e30, 1e15, 12345.678}) {
        EXPECT_EQ(numberStr(scanNumber(numberStr(x, D)), D), numberStr(x, D));
    }
}

TEST(ScanNumber, MagnitudeBeyondTheRangeIsOverflow) {
    EXPECT_EQ(errorOf([] { scanNumber("1E400"); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { scanNumber("-1E400"); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { scanNumber("0.01E311"); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { scanNumber("1E99999999999999999999"); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { scanNumber("&H100000000"); }), ErrOverflow);
    // Within range or below it: no error.
    EXPECT_EQ(errorOf([] { scanNumber("1000E305"); }), 0);
    EXPECT_EQ(scanNumber("1000E305"), 1e308);
    EXPECT_EQ(scanNumber("0E99999"), 0.0);
    EXPECT_EQ(scanNumber("1E-99999999999999999999"), 0.0);
}
