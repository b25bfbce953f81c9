#pragma once
// The project model: every input, state, intermediate and result field of
// the one open project, under the names the whole program uses. The
// application owns one instance and passes it by reference; a test makes its
// own. A fresh model has every Value empty, every integer 0 and every text
// empty; the new-project defaults are set by the project services.

#include "model/calculation_fields.h"
#include "model/input_fields.h"

namespace quorvel::model {

struct ProjectModel : ProjectInputFields, CalculationResultFields {};

}  // namespace quorvel::model
