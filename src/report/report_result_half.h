#pragma once
// The result half of the text report: section parts and stiffnesses, beam
// actions and resistances, deflections and strains, slab web stresses, core
// filling and warnings, printed after the input half into the same report
// file.

#include <cstdint>

#include "model/project_model.h"
#include "runtime/program_context.h"
#include "report/report_lines.h"

namespace quorvel::report {

// Prints the result half into the open report file and returns its status:
// 0, or the number of the run-time error that ended it (53 when the report
// language file or the heading file is missing, 62 for a heading file of
// fewer than 192 items). It handles its own run-time errors. A half that
// runs to its end closes the report file; after a failure the file stays
// open with the lines written so far, for the results writer to discard. It
// sets GoverningSide(1..3) as it prints them and changes no other result.
int16_t WriteReportResultPart(model::ProjectModel& m, runtime::ProgramContext& context, ReportFile& file);

}  // namespace quorvel::report
