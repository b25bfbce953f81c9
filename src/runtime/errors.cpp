#include "runtime/errors.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace quorvel::runtime {

RunTimeError::RunTimeError(int number)
    : std::runtime_error(errorDescription(number)), number_(number) {}

RunTimeError::RunTimeError(int number, const std::string& detail)
    : std::runtime_error(errorDescription(number) + ": " + detail), number_(number), detail_(detail) {}

std::string errorDescription(int number) {
    switch (number) {
    case ErrInvalidCall: return "Invalid procedure call or argument";
    case ErrOverflow: return "Overflow";
    case ErrSubscriptOutOfRange: return "Subscript out of range";
    case ErrDivisionByZero: return "Division by zero";
    case ErrTypeMismatch: return "Type mismatch";
    case ErrBadFileNameOrNumber: return "Bad file name or number";
    case ErrFileNotFound: return "File not found";
    case ErrFileAlreadyOpen: return "File already open";
    case ErrDeviceIo: return "Device I/O error";
    case ErrFileAlreadyExists: return "File already exists";
    case ErrDiskFull: return "Disk full";
    case ErrInputPastEndOfFile: return "Input past end of file";
    case ErrPermissionDenied: return "Permission denied";
    case ErrPathFileAccess: return "Path/File access error";
    case ErrPathNotFound: return "Path not found";
    default: return "Run-time error " + std::to_string(number);
    }
}

void clearFloatingPointFlags() {
    std::feclearexcept(FE_ALL_EXCEPT);
}

void checkFloatingPoint() {
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    std::feclearexcept(FE_ALL_EXCEPT);
    if (raised & FE_DIVBYZERO) throw RunTimeError(ErrDivisionByZero);
    if (raised & FE_OVERFLOW) throw RunTimeError(ErrOverflow);
    if (raised & FE_INVALID) throw RunTimeError(ErrInvalidCall);
}

double roundHalfEven(double x) {
    if (!std::isfinite(x)) return x;
    const double r = std::round(x);  // half away from zero
    if (std::fabs(x - std::trunc(x)) == 0.5) {
        // A tie: take the even neighbour.
        return 2.0 * std::round(x / 2.0);
    }
    return r;
}

namespace {

template <typename Int>
Int checkedRange(double r) {
    if (!std::isfinite(r) ||
        r < static_cast<double>(std::numeric_limits<Int>::min()) ||
        r > static_cast<double>(std::numeric_limits<Int>::max())) {
        throw RunTimeError(ErrOverflow);
    }
    return static_cast<Int>(r);
}

}  // namespace

// A whole number in range, the usual case, needs no rounding.
int16_t detail::roundToInt16(double x) { return checkedRange<int16_t>(roundHalfEven(x)); }
int32_t detail::roundToInt32(double x) { return checkedRange<int32_t>(roundHalfEven(x)); }
int16_t truncToInt16(double x) { return checkedRange<int16_t>(std::trunc(x)); }
int32_t truncToInt32(double x) { return checkedRange<int32_t>(std::trunc(x)); }
int32_t floorToInt32(double x) { return checkedRange<int32_t>(std::floor(x)); }

int toIndex(double x, int lo, int hi) {
    const int32_t i = toInt32(x);
    if (i < lo || i > hi) throw RunTimeError(ErrSubscriptOutOfRange);
    return i;
}

}  // namespace quorvel::runtime
