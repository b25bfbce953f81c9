#pragma once
// Small numeric helpers shared by the library, the analysis and the report:
// comparisons with fixed tie rules, running maxima with their station,
// extremes of a table with their index, copying one line of a two-index
// table, and short closed forms.
//
// Tie rules: MaxValue and MinValue return the second argument on equal
// values; running maxima change only on a strict improvement, so the lowest
// station or index wins.

#include <cstdint>

#include "runtime/errors.h"
#include "runtime/value.h"

namespace quorvel::library {

using runtime::Value;

// a if a > b, else b.
double MaxValue(double a, double b);
// a if a < b, else b.
double MinValue(double a, double b);

// If value > max: max := value and station := index.
void KeepMaximum(Value& max, double value, Value& station, double index);

// max := table(0), index := 0; then for i = 1..n a strictly larger element
// replaces it. n is read as a number (the loop runs while i <= n).
template <typename Table>
void FindArrayMaximum(const Table& table, double n, Value& max, Value& index) {
    max = table(0);
    index = Value(0);
    for (int i = 1; i <= n; ++i) {
        if (table(i) > max) {
            max = table(i);
            index = Value(i);
        }
    }
}

// min := table(1), index := 1; then for i = 2..n a strictly smaller element
// replaces it. Element 0 takes no part. The loop index is 16-bit.
template <typename Table>
void FindMinimumWithIndex(const Table& table, double n, Value& min, Value& index) {
    const int16_t last = runtime::toInt16(n);
    min = table(1);
    index = Value(int16_t{1});
    for (int16_t i = 2; i <= last && i > 0; ++i) {
        if (table(i) < min) {
            min = table(i);
            index = Value(i);
        }
    }
}

// row = -1: vector(k) := matrix(k, column) for k = 0..lastRow;
// row != -1 and column = -1: vector(k) := matrix(row, k) for k = 0..lastColumn;
// otherwise nothing is copied.
template <typename Matrix, typename Vector>
void CopyMatrixColumn(const Matrix& matrix, Vector& vector, double row, double column,
                      double lastRow, double lastColumn) {
    if (row == -1) {
        const int j = runtime::toInt32(column);
        for (int k = 0; k <= lastRow; ++k) vector(k) = matrix(k, j);
    } else if (column == -1) {
        const int i = runtime::toInt32(row);
        for (int k = 0; k <= lastColumn; ++k) vector(k) = matrix(i, k);
    }
}

// Arc sine in radians as Atn(x / Sqr(1 - x*x)); |x| must be below 1.
double ComputeArcSin(double x);

// 0.125 q L^2.
double ComputeUdlMidspanMoment(double q, double L);
// 0.5 q L.
double ComputeUdlReaction(double q, double L);
// 1.5 V a / (d b).
double ComputeShearStress(double V, double d, double a, double b);
// V S B / (I bw c).
double ComputeSlabWebShearStress(double V, double S, double I, double bw, double B, double c);
// M (yc - y) / (I + 1e-6): bending stress at level y, centroid at yc.
double ComputeGuardedRatio(double M, double I, double y, double yc);

// Linear ramp from 1 at `lower` to endValue at `upper`: 1 below lower,
// endValue above upper. A lower bound under 0.01 is first replaced by 50,
// which is written back to the caller's variable. The second argument is not
// used.
double ComputeClampedRatio(double upper, double unused, double endValue, Value& lower, double x);

// r1 := M1 k (yc1 - y) / I1, r2 := M2 k (yc2 - y) / I2, sum := r1 + r2.
void ComputeTwoRatiosAndSum(double M1, double M2, double I1, double I2, double yc1, double yc2,
                            double y, double k, Value& r1, Value& r2, Value& sum);

}  // namespace quorvel::library
