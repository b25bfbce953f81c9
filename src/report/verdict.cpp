#include "report/verdict.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "analysis/slabs_on_beam.h"
#include "report/format_fixed.h"

namespace quorvel::report {

bool UtilisationExceeded(double ratio) { return !(ratio >= 0.0 && ratio <= 1.0); }

double UtilisationOf(double acting, double limit) {
    if (limit == 0.0) return acting == 0.0 ? 0.0 : std::numeric_limits<double>::infinity();
    return acting / limit;
}

std::string VerdictNumberText(double value) { return FormatFixed(runtime::Value(value), 0, 2, 0); }

std::string HoggingNumberText(double kNm) {
    return analysis::HoggingMomentText(kNm, 2);
}

namespace {

// The number a value prints as with d places.
double printedNumber(const runtime::Value& value, int16_t d) {
    const std::string text = FormatFixed(value, 0, d, 0);
    double number = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return number;
}

}  // namespace

runtime::Value VerdictValue(const runtime::Value& value, const runtime::Value& limit, int decimals, bool exceeded) {
    const double v = value.number();
    const double l = limit.number();
    if (!exceeded || !std::isfinite(v) || !std::isfinite(l) || !(v > l)) return value;
    const auto d = static_cast<int16_t>(std::max(decimals, 0));
    const double printedLimit = printedNumber(limit, d);
    if (printedNumber(value, d) > printedLimit) return value;
    return runtime::Value(printedLimit + std::pow(10.0, -d));
}

runtime::Value VerdictUtilisation(const runtime::Value& ratio, int decimals) {
    return VerdictValue(ratio, runtime::Value(1.0), decimals, UtilisationExceeded(ratio.number()));
}

}  // namespace quorvel::report
