#include "app/project_state.h"

namespace quorvel::app {

void MarkInputChanged(model::ProjectModel& m, MainWindowState& window) {
    m.InputSaved = 0;
    m.ResultsSaved = 0;
    m.InputFileTitle = m.InputFilePath + " *";
    m.ResultsFileTitle = m.ResultsFilePath + " *";
    m.InputChanged = -1;
    MarkResultsInvalid(m, window);
    window.showProjectTitle();
}

void MarkResultsInvalid(model::ProjectModel& m, MainWindowState& window) {
    window.hideCoreFillingNotices();
    m.ResultsValid = 0;
    window.clearResultGauges();
    if (m.LanguageIndex == 0)
        window.setTableButtonCaption("Laske");
    else if (m.LanguageIndex == 1)
        window.setTableButtonCaption("Calculate");
    window.enableCalculateCommand();
}

}  // namespace quorvel::app
