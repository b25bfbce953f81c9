#pragma once
// Division and logarithm that end the calculation with the program's error
// number instead of letting an infinity or a NaN run on: a zero divisor is
// error 11, a divisor that is not a number or the logarithm of a number that
// is not positive error 5.

#include <cmath>

#include "runtime/errors.h"

namespace quorvel::library {

inline double checkedQuotient(double numerator, double divisor) {
    if (std::isnan(divisor)) throw runtime::RunTimeError(runtime::ErrInvalidCall);
    if (divisor == 0.0) throw runtime::RunTimeError(runtime::ErrDivisionByZero);
    return numerator / divisor;
}

inline double checkedLog(double x) {
    if (!(x > 0.0)) throw runtime::RunTimeError(runtime::ErrInvalidCall);
    return std::log(x);
}

}  // namespace quorvel::library
