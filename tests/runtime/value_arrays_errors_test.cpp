#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

#include "runtime/arrays.h"
#include "runtime/errors.h"
#include "support/test_support.h"
#include "runtime/value.h"

using namespace quorvel::runtime;
using quorvel::testing::errorOf;

TEST(Value, EmptyCountsAsZeroAndKindsAreRemembered) {
    Value empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty + 2.0, 2.0);
    EXPECT_TRUE(empty == 0.0);
    EXPECT_TRUE(empty < 1);
    EXPECT_EQ(Value(3).kind(), NumberKind::Integer);
    EXPECT_EQ(Value(0.1f).kind(), NumberKind::Single);
    EXPECT_EQ(Value(0.1).kind(), NumberKind::Double);
    // A single keeps its single-precision number.
    EXPECT_EQ(Value(0.1f).number(), static_cast<double>(0.1f));
    EXPECT_NE(Value(0.1f).number(), 0.1);
}

TEST(Value, CompoundAssignmentKeepsSinglePrecisionAndFillsEmpty) {
    Value s(1.5f);
    s *= 2;
    EXPECT_EQ(s.kind(), NumberKind::Single);
    EXPECT_EQ(s.number(), 3.0);
    Value e;
    e += 4;
    EXPECT_FALSE(e.isEmpty());
    EXPECT_EQ(e.number(), 4.0);
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(3.5), 4.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(roundHalfEven(-3.5), -4.0);
    EXPECT_EQ(roundHalfEven(2.4999), 2.0);
    EXPECT_EQ(roundHalfEven(2.5001), 3.0);
    EXPECT_EQ(roundHalfEven(0.5), 0.0);
}

TEST(CheckedConversions, OverflowAndNonFiniteGiveError6) {
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768.0), -32768);
    EXPECT_EQ(errorOf([] { toInt16(32767.5); }), ErrOverflow);  // rounds to 32768
    EXPECT_EQ(errorOf([] { toInt16(-32769.0); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { toInt32(std::nan("")); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { toInt32(std::numeric_limits<double>::infinity()); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { toInt32(3e9); }), ErrOverflow);
    EXPECT_EQ(truncToInt16(-2.9), -2);
    EXPECT_EQ(floorToInt32(-2.1), -3);
    EXPECT_EQ(toInt32(2.5), 2);
}

TEST(CheckedConversions, IndexOutsideBoundsGivesError9AndNaNNeverBecomesAnIndex) {
    EXPECT_EQ(toIndex(50.0, 0, 50), 50);
    EXPECT_EQ(errorOf([] { toIndex(51.0, 0, 50); }), ErrSubscriptOutOfRange);
    EXPECT_EQ(errorOf([] { toIndex(-1.0, 0, 50); }), ErrSubscriptOutOfRange);
    EXPECT_EQ(errorOf([] { toIndex(std::nan(""), 0, 50); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { toIndex(-std::numeric_limits<double>::infinity(), 0, 50); }), ErrOverflow);
}

TEST(FloatingPointCheckpoint, RaisedFlagsBecomeErrorNumbers) {
    volatile double zero = 0.0;
    volatile double big = 1e308;
    volatile double minusOne = -1.0;

    clearFloatingPointFlags();
    EXPECT_EQ(errorOf([] { checkFloatingPoint(); }), 0);

    clearFloatingPointFlags();
    volatile double r = 1.0 / zero;
    (void)r;
    EXPECT_EQ(errorOf([] { checkFloatingPoint(); }), ErrDivisionByZero);

    clearFloatingPointFlags();
    r = big * 10.0;
    EXPECT_EQ(errorOf([] { checkFloatingPoint(); }), ErrOverflow);

    clearFloatingPointFlags();
    r = std::sqrt(static_cast<double>(minusOne));
    EXPECT_EQ(errorOf([] { checkFloatingPoint(); }), ErrInvalidCall);

    clearFloatingPointFlags();
    r = zero / zero;
    EXPECT_EQ(errorOf([] { checkFloatingPoint(); }), ErrInvalidCall);

    // The check clears the flags, so the next stage starts clean.
    EXPECT_EQ(errorOf([] { checkFloatingPoint(); }), 0);
}

TEST(Arrays, InclusiveBoundsAreCheckedWithError9) {
    Array1<int, 0, 10> rows;
    rows(0) = 1;
    rows(10) = 2;
    EXPECT_EQ(rows[10], 2);
    EXPECT_EQ(errorOf([&] { rows(11) = 0; }), ErrSubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { rows(-1) = 0; }), ErrSubscriptOutOfRange);
}

TEST(Arrays, SideEndElementNumbersRunFirstIndexFastest) {
    // (side, end) with side 1 left, 2 right and end 1 start, 2 end:
    // element side + 3 * end.
    Array2<Value, 0, 2, 0, 2> spacing;
    spacing(1, 1) = 4100;
    spacing(2, 1) = 5200;
    spacing(1, 2) = 7100;
    spacing(2, 2) = 8200;
    EXPECT_EQ(spacing[4].number(), 4100);
    EXPECT_EQ(spacing[5].number(), 5200);
    EXPECT_EQ(spacing[7].number(), 7100);
    EXPECT_EQ(spacing[8].number(), 8200);
    EXPECT_EQ(errorOf([&] { spacing[9]; }), ErrSubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { spacing(3, 0); }), ErrSubscriptOutOfRange);
}

TEST(Arrays, StationStageElementNumbersUseRowsOf51) {
    Array2<double, 0, 50, 0, 6> table;
    table(50, 0) = 1.0;
    table(0, 1) = 2.0;
    table(7, 6) = 3.0;
    EXPECT_EQ(table[50], 1.0);
    EXPECT_EQ(table[51], 2.0);
    EXPECT_EQ(table[7 + 51 * 6], 3.0);
    EXPECT_EQ(errorOf([&] { table[51 * 7]; }), ErrSubscriptOutOfRange);
    // The two layouts are different types and cannot be assigned to each other.
    static_assert(!std::is_same_v<Array2<double, 0, 50, 0, 6>, Array2<double, 0, 2, 0, 50>>);
}
