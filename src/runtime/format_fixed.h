#pragma once
// The fixed-point number text of the report's columns, of the results
// table and of every message that prints a moment to a set number of places.

#include <cstdint>
#include <string>

#include "runtime/value.h"

namespace quorvel::runtime {

// The number as the report prints it: the integer part right-aligned in
// intWidth characters (sign included, never cut when wider) followed by a
// point and exactly `decimals` digits. Rounding is decided on the decimal
// digits of the number's shortest text (15 significant digits for a double,
// 7 for a single), not on its binary value, so 2.675 gives "2.68" and 1.005
// gives "1.01"; a round-up of all-nine digits carries into the integer part.
// With decimals <= 0 the number is rounded to a whole number (halves away
// from zero: 32.5 gives "33"); roundFlag 1 ends the unpadded text with ".",
// any other roundFlag pads it to intWidth and prints no point.
// An exponent form never reaches the text: 1E+30 prints all its digits. A
// value that is zero at the printed precision has no sign ("0.00", never
// "-0.00").
// A value that is not a finite number raises run-time error 5 (not a number)
// or 6 (infinite): a report never prints "inf" or "nan".
std::string FormatFixed(const Value& value, int16_t intWidth, int16_t decimals,
                        int16_t roundFlag);

}  // namespace quorvel::runtime
