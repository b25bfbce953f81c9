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

// A span or a stiffness that formulas divide by: 0 (or below 1e-9 in size)
// is error 11, a negative value or not a number 5, an infinite one 6.
inline void requirePositive(double value, const char* what) {
    if (std::isnan(value)) throw runtime::RunTimeError(runtime::ErrInvalidCall, what);
    if (std::fabs(value) < 1e-9) throw runtime::RunTimeError(runtime::ErrDivisionByZero, what);
    if (value < 0) throw runtime::RunTimeError(runtime::ErrInvalidCall, what);
    if (std::isinf(value)) throw runtime::RunTimeError(runtime::ErrOverflow, what);
}

inline double checkedLog(double x) {
    if (!(x > 0.0)) throw runtime::RunTimeError(runtime::ErrInvalidCall);
    return std::log(x);
}

}  // namespace quorvel::library
