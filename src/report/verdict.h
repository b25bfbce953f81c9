#pragma once
// The one verdict of every check: the gauges of the main window, the cross
// or tick of the results table and every verdict line of the report decide
// by these, so that they never disagree. The numbers of a verdict line are
// printed as the results table prints them.

#include <string>

#include "runtime/value.h"

namespace quorvel::report {

// A utilisation ratio (1 = 100 %) is exceeded when it is above 1; exactly 1
// is within. A negative ratio is exceeded too: an acting value is never
// negative, so it comes from a resistance below zero (a slab whose bottom
// face its prestress alone cracks: cracking moment below 0), never from a
// check with room to spare. A ratio that is not a finite number counts as
// exceeded.
bool UtilisationExceeded(double ratio);

// The utilisation of an acting value against its resistance or limit:
// acting / limit. A zero limit gives infinity for any acting value other
// than 0, and 0 for an acting 0, so the verdict of a zero limit is
// "exceeded" unless nothing acts.
double UtilisationOf(double acting, double limit);

// A number of a verdict line as the results table shows it: rounded to two
// decimals (halves away from zero), without padding ("538.77").
std::string VerdictNumberText(double value);
// A hogging moment (kNm) of a verdict line or the results table: as above,
// with more places where two would print it as 0 (-0.004 kNm prints
// "-0.004").
std::string HoggingNumberText(double kNm);

// A number that a verdict compares with its limit (an acting value with
// its resistance, a stress with its allowed stress), as a row prints it with
// `decimals` places (0 or fewer: whole numbers): the number itself, except
// where the verdict is exceeded and the number, though above its limit,
// would print no higher than the limit prints (a principal stress of
// 1.8231 against 1.8194 MPa, both "1.82"). Then it is the smallest number of
// that precision above the printed limit ("1.83"), as the gauge reads 101
// rather than 100, so that no printed pair reads as within while its verdict
// says exceeded. A number that is not finite is given back as it is.
runtime::Value VerdictValue(const runtime::Value& value, const runtime::Value& limit, int decimals, bool exceeded);

// A utilisation as a row prints it with `decimals` places: never 1 or less
// while it is exceeded (1.0017 prints "1.01" with two places, "1.002" with
// three).
runtime::Value VerdictUtilisation(const runtime::Value& ratio, int decimals);

}  // namespace quorvel::report
