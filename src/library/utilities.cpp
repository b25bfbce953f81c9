#include "library/utilities.h"

#include <cmath>

namespace quorvel::library {

double MaxValue(double a, double b) { return a > b ? a : b; }

double MinValue(double a, double b) { return a < b ? a : b; }

void KeepMaximum(Value& max, double value, Value& station, double index) {
    if (value > max) {
        max = value;
        station = index;
    }
}

double ComputeArcSin(double x) { return std::atan(x / std::sqrt(1.0 - x * x)); }

double ComputeUdlMidspanMoment(double q, double L) { return 0.125 * q * L * L; }

double ComputeUdlReaction(double q, double L) { return 0.5 * q * L; }

double ComputeShearStress(double V, double d, double a, double b) {
    return 1.5 * V * a / (d * b);
}

double ComputeSlabWebShearStress(double V, double S, double I, double bw, double B, double c) {
    return V * S * B / (I * bw * c);
}

double ComputeGuardedRatio(double M, double I, double y, double yc) {
    return M * (yc - y) / (I + 1e-6);
}

double ComputeClampedRatio(double upper, double /*unused*/, double endValue, Value& lower,
                           double x) {
    if (lower < 0.01) lower = lower.isSingle() ? Value::single(50.0) : Value(50.0);
    const double lo = lower;
    if (x < lo) return 1.0;
    if (x <= upper) return 1.0 - (1.0 - endValue) * (x - lo) / (upper - lo);
    return endValue;
}

void ComputeTwoRatiosAndSum(double M1, double M2, double I1, double I2, double yc1, double yc2,
                            double y, double k, Value& r1, Value& r2, Value& sum) {
    r1 = M1 * k * (yc1 - y) / I1;
    r2 = M2 * k * (yc2 - y) / I2;
    sum = r1 + r2;
}

}  // namespace quorvel::library
