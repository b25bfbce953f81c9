#pragma once
// The one verdict of every check: the gauges of the main window, the cross
// or tick of the results table and every verdict line of the report decide
// by these, so that they never disagree. The numbers of a verdict line are
// printed as the results table prints them.

#include <string>

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

// The name of a beam type as the windows and the report show it: the type
// name, except the steel box beam, whose type name "HQ" is shown "WQ".
std::string BeamTypeDisplayName(const std::string& typeName);

}  // namespace quorvel::report
