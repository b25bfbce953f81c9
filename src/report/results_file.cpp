#include "report/results_file.h"

#include <optional>

#include "runtime/errors.h"

namespace quorvel::report {

int16_t writeReportFile(model::ProjectModel& m, runtime::ProgramContext& context, const std::string& fileName,
                        const ReportHalf& inputHalf, const ReportHalf& resultHalf, runtime::SaveCheck* check) {
    std::optional<ReportFile> file;
    m.FailedFile.clear();
    try {
        file.emplace(fileName, check);
    } catch (const runtime::RunTimeError& e) {
        m.FailedFile = e.detail();
        return static_cast<int16_t>(e.number());
    }
    model::StatusArray& status = m.CalculationStatus;
    status[3] = 0;
    status[4] = 0;
    int element = 3;
    try {
        status[3] = inputHalf(m, context, *file);
        if (status[3] == 0) {
            element = 4;
            status[4] = resultHalf(m, context, *file);
        }
    } catch (const runtime::RunTimeError& e) {
        status[element] = static_cast<int16_t>(e.number());
        m.FailedFile = e.detail();
    }
    const int16_t result = status[3] != 0 ? status[3] : (status[4] > 0 ? status[4] : 0);
    // A report that did not run to its end is not placed: the writer's
    // temporary file goes with it and whatever stood under the name stays.
    if (result != 0) return result;
    try {
        file->close();
    } catch (const runtime::RunTimeError& e) {
        return static_cast<int16_t>(e.number());
    }
    return 0;
}

}  // namespace quorvel::report
