#pragma once
// Helpers shared by the engineering library tests.

#include <cfenv>
#include <functional>

#include "runtime/errors.h"

namespace libtest {

// The run-time error number a call raises, 0 when none.
template <typename F>
int errorOf(F&& f) {
    try {
        f();
    } catch (const quorvel::runtime::RunTimeError& e) {
        return e.number();
    }
    return 0;
}

// Runs a calculation step between the floating-point checkpoints of a
// calculation and returns the error number the checkpoint raises (0 none).
template <typename F>
int fpErrorOf(F&& f) {
    quorvel::runtime::clearFloatingPointFlags();
    volatile double sink = f();
    (void)sink;
    return errorOf([] { quorvel::runtime::checkFloatingPoint(); });
}

// Composite Simpson rule over [a, b] with n (even) intervals.
inline double simpson(const std::function<double(double)>& f, double a, double b, int n) {
    const double h = (b - a) / n;
    double s = f(a) + f(b);
    for (int i = 1; i < n; ++i) s += f(a + i * h) * (i % 2 ? 4.0 : 2.0);
    return s * h / 3.0;
}

}  // namespace libtest

using libtest::errorOf;
using libtest::fpErrorOf;
