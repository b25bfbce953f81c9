#include <gtest/gtest.h>

#include <cmath>

#include "library/utilities.h"
#include "runtime/arrays.h"
#include "runtime/errors.h"
#include "test_support.h"

using namespace quorvel::library;
using quorvel::runtime::Array1;
using quorvel::runtime::Array2;
using quorvel::runtime::Value;

TEST(Comparisons, EqualValuesReturnTheSecondArgument) {
    // +0 and -0 compare equal, so the sign of the zero shows which one came back.
    EXPECT_TRUE(std::signbit(MaxValue(0.0, -0.0)));
    EXPECT_FALSE(std::signbit(MaxValue(-0.0, 0.0)));
    EXPECT_TRUE(std::signbit(MinValue(0.0, -0.0)));
    EXPECT_EQ(MaxValue(3, 3), 3);
    EXPECT_EQ(MaxValue(-1, 2), 2);
    EXPECT_EQ(MaxValue(5, 2), 5);
    EXPECT_EQ(MinValue(-1, 2), -1);
    EXPECT_EQ(MinValue(5, 2), 2);
}

TEST(Comparisons, KeepMaximumChangesOnlyOnStrictImprovement) {
    Value max = 4.0, station = 7;
    KeepMaximum(max, 4.0, station, 9);
    EXPECT_EQ(station, 7);
    KeepMaximum(max, 3.0, station, 9);
    EXPECT_EQ(max, 4.0);
    EXPECT_EQ(station, 7);
    KeepMaximum(max, 4.5, station, 9);
    EXPECT_EQ(max, 4.5);
    EXPECT_EQ(station, 9);
    // An empty running maximum counts as zero.
    Value empty, at;
    KeepMaximum(empty, -1.0, at, 3);
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_TRUE(at.isEmpty());
}

TEST(TableExtremes, ArrayMaximumLowestIndexWinsAndElementZeroTakesPart) {
    Array1<Value, 0, 50> t;
    t(0) = 8.0;
    t(2) = 3.0;
    t(4) = 8.0;
    Value max, index;
    FindArrayMaximum(t, 50, max, index);
    EXPECT_EQ(max, 8.0);
    EXPECT_EQ(index, 0);

    for (int i = 0; i <= 50; ++i) t(i) = -10.0 - i;
    FindArrayMaximum(t, 50, max, index);
    EXPECT_EQ(max, -10.0);
    EXPECT_EQ(index, 0);

    t(3) = 1.0;
    t(6) = 2.0;
    FindArrayMaximum(t, 5.5, max, index);  // the loop runs while i <= n
    EXPECT_EQ(max, 1.0);
    EXPECT_EQ(index, 3);
    FindArrayMaximum(t, 6, max, index);
    EXPECT_EQ(index, 6);
}

TEST(TableExtremes, MinimumWithIndexSkipsElementZero) {
    Array1<Value, 0, 10> t;
    t(0) = -100.0;
    t(1) = 5.0;
    t(2) = 2.0;
    t(3) = 7.0;
    t(4) = 2.0;
    Value min, index;
    FindMinimumWithIndex(t, 1, min, index);
    EXPECT_EQ(min, 5.0);
    EXPECT_EQ(index, 1);
    FindMinimumWithIndex(t, 4, min, index);
    EXPECT_EQ(min, 2.0);
    EXPECT_EQ(index, 2);
    // A count beyond the table is a subscript error, not a read past the end.
    EXPECT_EQ(errorOf([&] { FindMinimumWithIndex(t, 11, min, index); }), 9);
    EXPECT_EQ(errorOf([&] { FindMinimumWithIndex(t, 1e6, min, index); }), 6);
}

TEST(TableExtremes, CopyMatrixColumnCopiesOneLine) {
    // A (point 0..50, stage 0..6) table: element point + 51 * stage.
    Array2<Value, 0, 50, 0, 6> m;
    for (int p = 0; p <= 50; ++p)
        for (int s = 0; s <= 6; ++s) m(p, s) = 100.0 * s + p;
    Array1<Value, 0, 50> v;
    CopyMatrixColumn(m, v, -1, 3, 50, 6);
    for (int p = 0; p <= 50; ++p) EXPECT_EQ(v(p), 300.0 + p);
    EXPECT_EQ(m[7 + 51 * 3], v(7));

    Array1<Value, 0, 50> w;
    CopyMatrixColumn(m, w, 10, -1, 50, 6);
    for (int s = 0; s <= 6; ++s) EXPECT_EQ(w(s), 100.0 * s + 10);
    EXPECT_TRUE(w(7).isEmpty());

    Array1<Value, 0, 50> none;
    CopyMatrixColumn(m, none, 10, 3, 50, 6);
    for (const Value& x : none) EXPECT_TRUE(x.isEmpty());
}

TEST(ClosedForms, ArcSinAndItsDomain) {
    EXPECT_NEAR(ComputeArcSin(0.5), 0.5235988, 1e-7);  // 30 degrees
    EXPECT_NEAR(ComputeArcSin(-0.8), -std::asin(0.8), 1e-12);
    // |x| = 1 divides by zero and |x| > 1 takes the root of a negative
    // number; the calculation's floating-point checkpoint turns them into 11
    // and 5.
    EXPECT_EQ(fpErrorOf([] { return ComputeArcSin(1.0); }), 11);
    EXPECT_EQ(fpErrorOf([] { return ComputeArcSin(1.5); }), 5);
}

TEST(ClosedForms, StressesAgainstHandCalculations) {
    // Rectangle 200 x 400, V = 100 kN: Jourawski tau = V S / (I b) with
    // S = b h^2 / 8 = 4e6 mm^3, I = b h^3 / 12 = 1.0667e9 mm^4:
    // tau = 1e5 * 4e6 / (1.0667e9 * 200) = 1.875 MPa = 1.5 V / (b h).
    const double S = 200.0 * 400 * 400 / 8, I = 200.0 * 400 * 400 * 400 / 12;
    EXPECT_NEAR(ComputeSlabWebShearStress(1e5, S, I, 200, 1, 1), 1.875, 1e-9);
    EXPECT_NEAR(ComputeSlabWebShearStress(1e5, S, I, 200, 1200, 1000), 1.875 * 1.2, 1e-9);
    // 1.5 V a / (d b): a shear flow of 60 N/mm over a 1200 mm unit, on a
    // 300 mm web sum and b.cr 400 mm: 1.5 * 60 * 1200 / (400 * 300) = 0.9 MPa.
    EXPECT_NEAR(ComputeShearStress(60, 400, 1200, 300), 0.9, 1e-12);
    // Navier: M = 50 kNm, I = 1.0667e9, 150 mm below the centroid:
    // sigma = M z / I = 5e7 * 150 / 1.0667e9 = 7.03 MPa (tension).
    EXPECT_NEAR(ComputeGuardedRatio(5e7, I, 50, 200), 5e7 * 150 / I, 1e-9);
    EXPECT_EQ(ComputeGuardedRatio(5e7, 0, 50, 50), 0.0);  // finite with I = 0
    // Two stages: 7.03 MPa plus 20 kNm on I = 2e9 at 300 mm: 3.0 MPa.
    Value r1, r2, sum;
    ComputeTwoRatiosAndSum(5e7, 2e7, I, 2e9, 200, 350, 50, 1, r1, r2, sum);
    EXPECT_NEAR(r1, 7.03125, 1e-9);
    EXPECT_NEAR(r2, 3.0, 1e-12);
    EXPECT_NEAR(sum, 10.03125, 1e-9);
    // Simple span: q = 12 N/mm over 6000 mm: qL^2/8 = 54e6 Nmm, qL/2 = 36e3 N.
    EXPECT_DOUBLE_EQ(ComputeUdlMidspanMoment(12, 6000), 54e6);
    EXPECT_DOUBLE_EQ(ComputeUdlReaction(12, 6000), 36e3);
}

TEST(ClosedForms, ClampedRatioRamp) {
    Value lower = 0.0;
    // lower 0 becomes 50 and stays in the caller's variable.
    EXPECT_EQ(ComputeClampedRatio(250, 999, 0.6, lower, 49.9), 1.0);
    EXPECT_EQ(lower, 50.0);
    EXPECT_EQ(ComputeClampedRatio(250, 999, 0.6, lower, 50), 1.0);
    EXPECT_NEAR(ComputeClampedRatio(250, 999, 0.6, lower, 150), 0.8, 1e-12);
    EXPECT_NEAR(ComputeClampedRatio(250, 999, 0.6, lower, 250), 0.6, 1e-12);
    EXPECT_EQ(ComputeClampedRatio(250, 999, 0.6, lower, 251), 0.6);
    Value given = 100.0;
    EXPECT_NEAR(ComputeClampedRatio(200, 0, 0.5, given, 150), 0.75, 1e-12);
    EXPECT_EQ(given, 100.0);
    Value single = Value(0.0f);
    ComputeClampedRatio(200, 0, 0.5, single, 0);
    EXPECT_TRUE(single.isSingle());
    EXPECT_EQ(single, 50.0);
}
