#pragma once
// Numbers to text and text to numbers, as the program's files, reports and
// windows need them. Nothing here depends on the process locale.

#include <optional>
#include <string>
#include <string_view>

#include "runtime/value.h"

namespace quorvel::runtime {

// The shortest text of a number with at most 7 significant digits (single)
// or 15 (double): no leading zero before the point (".5", "-.5"), no
// trailing zeros, exponent form with sign and at least two digits ("1E-05",
// "1.5E+30") when the decimal exponent is below -4 or at or above the number
// of significant digits, or when the fixed form would need more places after
// the point than that number (a single's .00012345 is "1.2345E-04"). An
// integer kind is written as a double; a single is first rounded to single
// precision.
std::string numberText(double x, NumberKind kind);

// The significant digits of numberText's text of |x| without trailing zeros
// ("0" for zero and for what is not a finite number), d[0] standing at the place 10^exponent: 1234.5 gives
// "12345" and 3, .0012 gives "12" and -3. Written out positionally they are
// the digits of numberText's text, whichever form it takes.
struct SignificantDigits {
    char digits[24];  // count digits, not terminated
    int count = 0;
    int exponent = 0;
    // The digit at the place 10^place, '0' outside the significant digits.
    char at(int place) const {
        const int i = exponent - place;
        return i >= 0 && i < count ? digits[i] : '0';
    }
};
SignificantDigits significantDigitsOf(double x, NumberKind kind);

// numberText with a leading blank when the number is not negative (" 12",
// "-3", " .5"): the style of numbers in the data files and messages.
std::string numberStr(double x, NumberKind kind);
std::string numberStr(const Value& v);  // empty gives " 0"

// The general number format of the windows: the shortest text as above but
// with a leading zero ("0.5"), the given decimal mark, no grouping, no
// leading blank. An empty value gives the empty text.
std::string generalNumberText(double x, NumberKind kind, char decimalMark = '.');
std::string generalNumberText(const Value& v, char decimalMark = '.');
// A length of a message to 0.1 (mm), in the general format: "1017",
// "771.9", "-0.5".
std::string tenthsText(double x);

// The leading-number scanner used wherever text becomes a number. Blanks,
// tabs and line feeds are skipped anywhere ("1 2" gives 12); then an
// optional sign, digits, one ".", an optional exponent introduced by E or D
// with its own sign; "&H" and "&O" introduce hexadecimal and octal integers
// (16-bit when the value fits 16 bits, as "&HFFFF" = -1 and "&O177777" = -1,
// else 32-bit; beyond 32 bits raises error 6). The scan stops at the first character that cannot continue the
// number; a text without a number gives 0. "nan", "inf" and hex floats are
// not numbers. A magnitude beyond the double range raises error 6.
double scanNumber(std::string_view text);

// A number field of a data file, read whole: an optional sign, digits with
// at most one decimal mark ("." or ","), at least one digit, then an
// optional exponent introduced by E or D (either case) with its own
// optional sign and at least one digit: what the program's writer writes
// ("12", "-3", ".5", "1E-05", "1.5E+30") and what a hand edit of such a
// file plainly means ("+4", "3,6"). Nothing for any other text: "2O",
// "9OO", "480mm", "abc", "", "1e", "&HFF", "inf", "1.2.3". A magnitude
// beyond the double range raises error 6 as scanNumber does.
std::optional<double> fieldNumber(std::string_view text);

}  // namespace quorvel::runtime
