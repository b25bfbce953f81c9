#pragma once
// The report's fixed-point number text; it lives with the other number
// texts in runtime, where the analysis's messages reach it too.

#include "runtime/format_fixed.h"

namespace quorvel::report {

using runtime::FormatFixed;

}  // namespace quorvel::report
