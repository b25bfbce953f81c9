// The results writer with its two halves. Kept in a file of its own: the
// steps are in writeReportFile, this only names the halves.

#include "report/report_input_half.h"
#include "report/report_result_half.h"
#include "report/results_file.h"

namespace quorvel::report {

int16_t WriteResultsFile(model::ProjectModel& m, runtime::ProgramContext& context, const std::string& fileName,
                         runtime::SaveCheck* check) {
    return writeReportFile(m, context, fileName, WriteReportInputPart, WriteReportResultPart, check);
}

}  // namespace quorvel::report
