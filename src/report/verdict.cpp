#include "report/verdict.h"

#include <cmath>
#include <limits>

#include "report/format_fixed.h"

namespace quorvel::report {

bool UtilisationExceeded(double ratio) { return !(ratio >= 0.0 && ratio <= 1.0); }

double UtilisationOf(double acting, double limit) {
    if (limit == 0.0) return acting == 0.0 ? 0.0 : std::numeric_limits<double>::infinity();
    return acting / limit;
}

std::string VerdictNumberText(double value) { return FormatFixed(runtime::Value(value), 0, 2, 0); }

std::string BeamTypeDisplayName(const std::string& typeName) { return typeName == "HQ" ? "WQ" : typeName; }

}  // namespace quorvel::report
