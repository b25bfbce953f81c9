#pragma once
// The results writer: the whole text report, input half then result half,
// into one file.

#include <cstdint>
#include <functional>
#include <string>

#include "model/project_model.h"
#include "runtime/program_context.h"
#include "report/report_lines.h"

namespace quorvel::report {

// Writes the report of the model to fileName and returns 0 or an error
// number; the main window's save, view and print commands call it. It
// records the status of the input half in CalculationStatus[3] and of the
// result half in [4].
// A check, when given, is made before the old file is replaced and tells
// what was written (runtime::SaveCheck): 58 when the file changed on disk.
int16_t WriteResultsFile(model::ProjectModel& m, runtime::ProgramContext& context, const std::string& fileName,
                         runtime::SaveCheck* check = nullptr);

// One half of the report: prints into the open file and returns its status.
using ReportHalf = std::function<int16_t(model::ProjectModel&, runtime::ProgramContext&, ReportFile&)>;

// The steps of WriteResultsFile with the two halves given:
//  - the file cannot be opened: its error number, nothing written;
//  - statuses 3 and 4 are set to 0, then the input half runs and its status
//    goes to element 3; only when it is 0 does the result half run, its
//    status going to element 4;
//  - the result is element 3 when it is not 0, else element 4 when it is
//    above 0, else 0;
//  - a run-time error raised inside a half ends the report: its number goes
//    to that half's element and is the result.
// Only a report that ran to its end is put in place (written to a temporary
// file and renamed over fileName); a report that failed leaves whatever
// stood under fileName byte for byte, so nothing shows a fragment as if it
// were the whole report. A failure to write the file out is returned as its
// error number.
int16_t writeReportFile(model::ProjectModel& m, runtime::ProgramContext& context, const std::string& fileName,
                        const ReportHalf& inputHalf, const ReportHalf& resultHalf,
                        runtime::SaveCheck* check = nullptr);

}  // namespace quorvel::report
