#pragma once
// The result half of the text report: section parts and stiffnesses, beam
// actions and resistances, deflections and strains, slab web stresses, core
// filling and warnings, printed after the input half into the same report
// file.

#include <cstdint>

#include "model/project_model.h"
#include "platform/platform.h"
#include "report/report_lines.h"

namespace quorvel::report {

// Prints the result half into the open report file and returns its status:
// 0, or the number of the run-time error that ended it. It handles its own
// run-time errors.
int16_t WriteResultHalf(model::ProjectModel& m, platform::Platform& platform, ReportFile& file);

}  // namespace quorvel::report
