// The file menu of the main window: new project, open an input file, save
// the input and the report under their names or new ones, and quit. Every
// file goes through the input file reader and writer or the report writer,
// which write a temporary file and rename it over the old one only when the
// whole file was written, so a failed save leaves the old file whole.

#include <filesystem>
#include <new>
#include <system_error>

#include "app/beam_types.h"
#include "app/frm_quorvel.h"
#include "app/language.h"
#include "app/settings.h"
#include "inputfile/input_file_reader.h"
#include "inputfile/input_file_writer.h"
#include "inputfile/text_fields.h"
#include "model/project_defaults.h"
#include "report/results_file.h"
#include "runtime/errors.h"
#include "runtime/text_file.h"

namespace quorvel::app {

namespace {

using platform::Answer;
using platform::Buttons;
using platform::FileDialogRequest;
using platform::Icon;
namespace FileFlags = platform::FileFlags;

const char* const InputFilter = "Datatiedostot (*.dat)|*.dat|Kaikki tiedostot (*.*)|*.*";
const char* const ReportFilter = "Datatiedostot (*.tul)|*.tul|Kaikki tiedostot (*.*)|*.*";
constexpr long OpenFlags = FileFlags::FileMustExist | FileFlags::PathMustExist | FileFlags::HideReadOnly;
constexpr long SaveFlags = FileFlags::PathMustExist | FileFlags::HideReadOnly | FileFlags::OverwritePrompt;

std::string errorText(int number) { return "Virhe " + std::to_string(number); }

const std::string& byLanguage(const model::ProjectModel& m, const std::string& finnish, const std::string& english) {
    return m.LanguageIndex == 1 ? english : finnish;
}

}  // namespace

void frmQuorvel::wireProjectCommands() {
    auto guarded = [this](void (frmQuorvel::*command)()) {
        return [this, command] {
            // A run-time error or a lack of memory inside a command is
            // reported; it never ends the program or leaves a half-done
            // command unreported.
            try {
                (this->*command)();
            } catch (const runtime::RunTimeError& e) {
                platform().messageBox(errorText(e.number()));
            } catch (const std::bad_alloc&) {
                platform().messageBox(errorText(7));
            }
        };
    };
    cmdUusi.onClick = guarded(&frmQuorvel::NewProject);
    cmdAvaalahto.onClick = guarded(&frmQuorvel::OpenInputFile);
    cmdTallennalahto.onClick = guarded(&frmQuorvel::SaveInputFile);
    cmdTallennalahtoNimella.onClick = guarded(&frmQuorvel::SaveInputFileAs);
    cmdTallennatulokset.onClick = guarded(&frmQuorvel::SaveResultsFile);
    cmdTallennatuloksetNimella.onClick = guarded(&frmQuorvel::SaveResultsFileAs);
    cmdLopeta.onClick = guarded(&frmQuorvel::QuitProgram);
    cmdTaulukko.onClick = guarded(&frmQuorvel::ShowResultTable);
    cmdTaulukko0.onClick = guarded(&frmQuorvel::cmdTaulukko0_Click);
    cmdTeksti.onClick = guarded(&frmQuorvel::ShowReportText);
    cmdTulosta.onClick = guarded(&frmQuorvel::PrintReport);
    cmdOhje.onClick = guarded(&frmQuorvel::ShowHelpFile);
    cmdSuomi.onClick = guarded(&frmQuorvel::SwitchToFinnish);
    cmdEnglanti.onClick = guarded(&frmQuorvel::SwitchToEnglish);

    // Closing the window by its frame asks the quit command's questions;
    // a save that fails or is cancelled keeps the window open.
    onQueryUnload = [this](int& cancel, int unloadMode) {
        if (unloadMode == platform::UnloadByFrame && !askToSaveBeforeQuit()) cancel = 1;
    };
}

void frmQuorvel::NewProject() {
    optKeskipalkki.setValue(true);
    model::ResetProjectDefaults(model_);
    RefreshMainForm();
    model_.InputFileTitle.clear();
    model_.ResultsFileTitle.clear();
    model_.InputChanged = 0;
    MarkInputChanged(model_, *this);
}

void frmQuorvel::OpenInputFile() {
    FileDialogRequest request;
    request.title = GetLanguageText(platform(), model_.LanguageIndex, "openFile", "title");
    request.filter = InputFilter;
    request.filterIndex = 1;
    request.flags = OpenFlags;
    const std::string name = platform().openFileDialog(request).value_or(std::string());

    const bool opened = !name.empty() && readProjectFile(name);
    RefreshMainForm();
    if (opened) model_.InputChanged = 0;
    MarkInputChanged(model_, *this);
}

// A text field that would come back split on the next open is refused,
// named, before anything is written.
bool frmQuorvel::textFieldsStorable() {
    auto field = inputfile::findUnstorableTextField(model_);
    if (!field) return true;
    platform().messageBox(
        byLanguage(model_,
                   "Kentässä \"" + field->finnishName + "\" on välilyönti, pilkku tai kauttaviiva: \"" +
                       field->text + "\".\r\nLähtötietoja ei tallennettu.",
                   "The field \"" + field->englishName + "\" holds a blank, a comma or a slash: \"" + field->text +
                       "\".\r\nThe input data was not saved."),
        Buttons::Ok, Icon::Exclamation);
    return false;
}

void frmQuorvel::SaveInputFile() {
    if (model_.InputFilePath.empty()) {
        SaveInputFileAs();
        return;
    }
    if (!textFieldsStorable()) return;
    const int16_t e = inputfile::WriteInputDataFile(model_, model_.InputFilePath);
    if (e != 0) {
        platform().messageBox(errorText(e));
        return;
    }
    model_.InputSaved = -1;
    model_.InputFileTitle = model_.InputFilePath;
}

void frmQuorvel::SaveInputFileAs() {
    if (!textFieldsStorable()) return;
    FileDialogRequest request;
    request.title = GetLanguageText(platform(), model_.LanguageIndex, "saveFileAs", "title");
    request.filter = InputFilter;
    request.filterIndex = 1;
    request.flags = SaveFlags;
    const std::string name = platform().saveFileDialog(request).value_or(std::string());
    if (name.empty()) return;
    const int16_t e = inputfile::WriteInputDataFile(model_, name);
    if (e != 0) {
        platform().messageBox(errorText(e));
        return;
    }
    model_.InputSaved = -1;
    model_.InputFilePath = name;
    model_.ResultsFilePath.clear();
    model_.InputFileTitle = name;
    model_.ResultsFileTitle.clear();
}

void frmQuorvel::SaveResultsFile() {
    calculateIfResultsStale();
    if (model_.ResultsFilePath.empty()) {
        SaveResultsFileAs();
        return;
    }
    const int16_t e = report::WriteResultsFile(model_, platform(), model_.ResultsFilePath);
    if (e != 0) {
        platform().messageBox(errorText(e));
        return;
    }
    model_.ResultsSaved = -1;
    model_.ResultsFileTitle = model_.ResultsFilePath;
}

void frmQuorvel::SaveResultsFileAs() {
    calculateIfResultsStale();
    FileDialogRequest request;
    request.title = GetLanguageText(platform(), model_.LanguageIndex, "saveResultsAs", "title");
    request.filter = ReportFilter;
    request.filterIndex = 1;
    request.flags = SaveFlags;
    const std::string name = platform().saveFileDialog(request).value_or(std::string());
    if (name.empty()) return;
    const int16_t e = report::WriteResultsFile(model_, platform(), name);
    if (e != 0) {
        platform().messageBox(errorText(e));
        return;
    }
    model_.ResultsSaved = -1;
    model_.ResultsFilePath = name;
    model_.ResultsFileTitle = name;
}

// The two save questions of quitting. False when the user asked for a save
// that did not happen (it failed or its dialog was cancelled): the work
// would be lost, so the program stays.
bool frmQuorvel::askToSaveBeforeQuit() {
    model::ProjectModel& m = model_;
    if (m.InputSaved != -1 && m.InputChanged == -1 &&
        platform().messageBox("Tallennetaanko lähtötiedot?", Buttons::YesNo) == Answer::Yes) {
        SaveInputFile();
        if (m.InputSaved != -1) return false;
    }
    if (m.ResultsSaved != -1 && m.InputChanged == -1 &&
        platform().messageBox("Tallennetaanko tulostiedot?", Buttons::YesNo) == Answer::Yes) {
        SaveResultsFile();
        if (m.ResultsSaved != -1) return false;
    }
    return true;
}

void frmQuorvel::QuitProgram() {
    if (!askToSaveBeforeQuit()) return;
    SaveSettings(model_, platform());
    platform().endProgram();
}

}  // namespace quorvel::app
