#pragma once
// Run-time errors with the program's error numbers, the floating-point
// checkpoint of a calculation, and the checked conversions through which a
// floating-point number becomes an integer or an array index.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace quorvel::runtime {

// The error numbers the program reports (as status or as "Virhe N").
enum ErrorNumber : int {
    ErrInvalidCall = 5,          // invalid procedure call or argument
    ErrOverflow = 6,
    ErrSubscriptOutOfRange = 9,
    ErrDivisionByZero = 11,
    ErrTypeMismatch = 13,
    ErrBadFileNameOrNumber = 52,
    ErrFileNotFound = 53,
    ErrFileAlreadyOpen = 55,
    // A save found in the file's place another file than the one it was
    // told to replace (changed on disk since it was opened or saved).
    ErrFileAlreadyExists = 58,
    ErrDeviceIo = 57,
    ErrDiskFull = 61,
    ErrInputPastEndOfFile = 62,
    ErrPermissionDenied = 70,
    ErrPathFileAccess = 75,
    ErrPathNotFound = 76,
};

class RunTimeError : public std::runtime_error {
public:
    explicit RunTimeError(int number);
    RunTimeError(int number, const std::string& detail);
    int number() const noexcept { return number_; }
    // What the error concerns, where the raiser named it: for the errors of
    // files, the file's path.
    const std::string& detail() const noexcept { return detail_; }

private:
    int number_;
    std::string detail_;
};

// Short English description of an error number (for logs and tests).
std::string errorDescription(int number);

// Floating-point checkpoint. A calculation clears the flags when it starts
// and checks them at the end of each stage: a raised divide-by-zero flag
// becomes error 11, overflow 6 and an invalid operation (0/0, root of a
// negative number) 5. Clearing after a check lets the next stage start clean.
void clearFloatingPointFlags();
void checkFloatingPoint();

// Rounds half to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double x);

// Checked conversions. Rounding conversions round half to even; the
// truncating ones drop the fraction (towards zero), the floor ones round
// down. A non-finite value or one outside the target range raises 6.
namespace detail {
int16_t roundToInt16(double x);
int32_t roundToInt32(double x);
}  // namespace detail
// A whole number within range, by far the most common case (counts and
// indices held as numbers), converts here without a call.
inline int16_t toInt16(double x) {
    if (x >= -32768.0 && x <= 32767.0 && static_cast<int16_t>(x) == x) return static_cast<int16_t>(x);
    return detail::roundToInt16(x);
}
inline int32_t toInt32(double x) {
    if (x >= -2147483648.0 && x <= 2147483647.0 && static_cast<int32_t>(x) == x) return static_cast<int32_t>(x);
    return detail::roundToInt32(x);
}
int16_t truncToInt16(double x);
int32_t truncToInt32(double x);
int32_t floorToInt32(double x);

// Converts a number to an array index: rounded half to even, 6 when not
// finite or beyond 32 bits, 9 when outside lo..hi.
int toIndex(double x, int lo, int hi);

}  // namespace quorvel::runtime
