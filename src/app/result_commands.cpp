// The results, help and language commands of the main window: the results
// table, the report in the viewer and on the printer, the help document and
// the switch between Finnish and English.

#include "app/fileview.h"
#include "app/frm_quorvel.h"
#include "app/frm_taulukot.h"
#include "app/language.h"
#include "app/report_text.h"
#include "app/settings.h"
#include "report/results_file.h"
#include "runtime/text_file.h"

namespace quorvel::app {

namespace {

const char* const TemporaryReport = "quor01.tmp";
// The printed report's left margin, in blanks.
constexpr int PrintMargin = 6;

}  // namespace

// The commands that show, print or save results calculate first while the
// results are stale, through the calculate command. Only results of the
// current input are ever shown: when the user went back to editing at a
// question of the calculation, or the calculation failed, the command ends
// there.
bool frmQuorvel::resultsOfCurrentInput() {
    if (model_.ResultsValid == -1) return true;
    if (cmdLaske0.onClick) {
        auto calculate = cmdLaske0.onClick;
        calculate();
    }
    return model_.ResultsValid == -1;
}

void frmQuorvel::ShowResultTable() {
    if (model_.ResultsValid == -1) {
        frmTaulukot table(model_, platform());
        table.showModal();
    } else {
        resultsOfCurrentInput();
    }
}

void frmQuorvel::cmdTaulukko0_Click() {
    if (!resultsOfCurrentInput()) return;
    frmTaulukot table(model_, platform());
    table.showModal();
}

// The report of the current results into the temporary report file of the
// work folder. A report that could not be made leaves that file as it was
// and is named in a message; false then, and nothing is shown or printed.
bool frmQuorvel::writeReportForViewing() {
    if (!resultsOfCurrentInput()) return false;
    if (!workFolderReady()) return false;
    model_.ViewFileName = model_.WorkFolder() + TemporaryReport;
    const int16_t e = report::WriteResultsFile(model_, platform(), model_.ViewFileName);
    if (e == 0) return true;
    ShowReportFailure(platform(), e, model_.LanguageIndex, model_.FailedFile);
    return false;
}

void frmQuorvel::ShowReportText() {
    if (!writeReportForViewing()) return;
    Fileview view(model_, platform());
    view.showModal();
}

void frmQuorvel::PrintReport() {
    if (!writeReportForViewing()) return;
    auto text = loadReportText(platform(), model_.ViewFileName, PrintMargin);
    if (!text) return;
    platform::PrintJob job;
    job.lines = printedLines(*text);
    platform().print(job);
}

void frmQuorvel::ShowHelpFile() {
    const std::string folder = platform().programFolder();
    const std::string path =
        runtime::findFileIgnoringCase(folder.empty() ? "." : folder, helpFileName()).value_or(folder + helpFileName());
    if (!platform().showHelp(path))
        ShowFileNotFound(platform(), 1, path, model_.LanguageIndex);
}

void frmQuorvel::SwitchToFinnish() { switchLanguage(0); }

void frmQuorvel::SwitchToEnglish() { switchLanguage(1); }

void frmQuorvel::switchLanguage(int16_t languageIndex) {
    // Without its files English would fail the windows, the reports and
    // every later start: the switch is refused, naming the file.
    if (languageIndex == 1)
        if (auto reason = englishUnavailableReason(model_, platform().programFolder())) {
            platform().messageBox(englishUnavailableText(*reason, false, platform().englishWindows() ? 1 : 0), platform::Buttons::Ok,
                                  platform::Icon::Exclamation, titleBase_);
            languageIndex = 0;
        }
    model_.LanguageIndex = languageIndex;
    ApplyLanguage(*this, model_.LanguageIndex, model_.ResultsValid);
    titleBase_ = caption();
    showLanguageFlag();
    showProjectTitle();
    paint();  // a gauge's text follows the language
    showCoreFillingNotice();
}

void frmQuorvel::showLanguageFlag() {
    if (model_.LanguageIndex == 0)
        imgFlag.setPicture(imgFlagFin.picture());
    else if (model_.LanguageIndex == 1)
        imgFlag.setPicture(imgFlagEng.picture());
}

}  // namespace quorvel::app
